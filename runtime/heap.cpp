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

namespace {

// The standard allocator does not tell a block's size, and a grown block
// must have its new bytes zeroed, so each block carries its size in front.
struct BlockHeader {
  size_t size;
  size_t pad;  // keeps the block 16-byte aligned
};

BlockHeader* HeaderOf(void* block) {
  return static_cast<BlockHeader*>(block) - 1;
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
  return header + 1;
}

void* PrivateHeapReAlloc(PrivateHeap heap, void* block, size_t size) {
  if (!block) return PrivateHeapAlloc(heap, size);
  size_t oldSize = HeaderOf(block)->size;
  auto* header = static_cast<BlockHeader*>(realloc(HeaderOf(block), sizeof(BlockHeader) + size));
  if (!header) return nullptr;
  if (size > oldSize) memset(reinterpret_cast<char*>(header + 1) + oldSize, 0, size - oldSize);
  header->size = size;
  return header + 1;
}

void PrivateHeapFree(PrivateHeap /*heap*/, void* block) {
  if (block) free(HeaderOf(block));
}

#endif
