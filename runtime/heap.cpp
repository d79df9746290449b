// Private heaps on Windows (HeapCreate and friends) or on the standard
// allocator elsewhere. Callers never mix blocks between heaps.
#include "runtime/heap.h"

#ifdef _WIN32
#include <windows.h>

PrivateHeap PrivateHeapCreate(size_t initialSize) {
  return HeapCreate(0, initialSize, 0);
}

void PrivateHeapDestroy(PrivateHeap heap) {
  if (heap) HeapDestroy(heap);
}

void* PrivateHeapAlloc(PrivateHeap heap, size_t size) {
  return HeapAlloc(heap, HEAP_ZERO_MEMORY, size);
}

void* PrivateHeapReAlloc(PrivateHeap heap, void* block, size_t size) {
  if (!block) return PrivateHeapAlloc(heap, size);
  return HeapReAlloc(heap, HEAP_ZERO_MEMORY, block, size);
}

void PrivateHeapFree(PrivateHeap heap, void* block) {
  if (block) HeapFree(heap, 0, block);
}

#else
#include <cstdlib>
#include <cstring>

// Under the address sanitizer each block's size header is poisoned, so that
// a write just in front of a block (an index of -1), which on Windows would
// corrupt the system heap's own header, is caught natively too.
#if defined(__SANITIZE_ADDRESS__)
#define TESSEL_POISON_HEADERS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSEL_POISON_HEADERS 1
#endif
#endif
#ifdef TESSEL_POISON_HEADERS
#include <sanitizer/asan_interface.h>
#endif

namespace {

// The standard allocator does not tell a block's size, and a grown block
// must have its new bytes zeroed, so each block carries its size in front.
struct BlockHeader {
  size_t size;
  size_t pad;  // keeps the block 16-byte aligned
};

// The header of a block, open for the heap's own use until Seal.
BlockHeader* HeaderOf(void* block) {
  BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
#ifdef TESSEL_POISON_HEADERS
  __asan_unpoison_memory_region(header, sizeof *header);
#endif
  return header;
}

// The block behind a header just written, which no caller may touch.
void* Seal(BlockHeader* header) {
#ifdef TESSEL_POISON_HEADERS
  __asan_poison_memory_region(header, sizeof *header);
#endif
  return header + 1;
}

// A native heap is only a token: every block lives on the standard allocator.
char heapToken;

}  // namespace

PrivateHeap PrivateHeapCreate(size_t /*initialSize*/) { return &heapToken; }

void PrivateHeapDestroy(PrivateHeap /*heap*/) {}

void* PrivateHeapAlloc(PrivateHeap /*heap*/, size_t size) {
  auto* header = static_cast<BlockHeader*>(calloc(1, sizeof(BlockHeader) + size));
  if (!header) return nullptr;
  header->size = size;
  return Seal(header);
}

void* PrivateHeapReAlloc(PrivateHeap heap, void* block, size_t size) {
  if (!block) return PrivateHeapAlloc(heap, size);
  BlockHeader* old = HeaderOf(block);
  const size_t oldSize = old->size;
  auto* header = static_cast<BlockHeader*>(realloc(old, sizeof(BlockHeader) + size));
  if (!header) {
    Seal(old);  // the old block stands
    return nullptr;
  }
  if (size > oldSize) memset(reinterpret_cast<char*>(header + 1) + oldSize, 0, size - oldSize);
  header->size = size;
  return Seal(header);
}

void PrivateHeapFree(PrivateHeap /*heap*/, void* block) {
  if (block) free(HeaderOf(block));
}

#endif
