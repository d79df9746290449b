// The three heaps of the runtime and the memory-block operations.
#include "runtime/memory.h"

#include <cstring>

#include "runtime/heap.h"

namespace {

constexpr size_t MAIN_HEAP_SIZE = 4000;
constexpr size_t OBJECT_HEAP_SIZE = 1024;
constexpr size_t MEMORY_BLOCK_HEAP_SIZE = 4096;

PrivateHeap mainHeap;
PrivateHeap objectHeap;
PrivateHeap memoryBlockHeap;
int32_t mainHeapBlocks;
int32_t mainHeapRefusals;

}  // namespace

bool MainHeapCreate() {
  mainHeap = PrivateHeapCreate(MAIN_HEAP_SIZE);
  mainHeapBlocks = 0;
  return mainHeap != nullptr;
}

void MainHeapDestroy() {
  PrivateHeapDestroy(mainHeap);
  mainHeap = nullptr;
}

namespace {

// A refusal a test asked for, used up.
bool Refused() {
  if (mainHeapRefusals <= 0) return false;
  --mainHeapRefusals;
  return true;
}

}  // namespace

void* MainHeapAlloc(size_t size) {
  if (Refused()) return nullptr;
  void* block = PrivateHeapAlloc(mainHeap, size);
  if (block) ++mainHeapBlocks;
  return block;
}

void* MainHeapReAlloc(void* block, size_t size) {
  if (!block) return MainHeapAlloc(size);
  if (Refused()) return nullptr;
  return PrivateHeapReAlloc(mainHeap, block, size);
}

void MainHeapFree(void* block) {
  // After shutdown destroyed the heap its blocks are gone with it.
  if (!block || !mainHeap) return;
  PrivateHeapFree(mainHeap, block);
  --mainHeapBlocks;
}

int32_t MainHeapBlockCount() { return mainHeapBlocks; }

void MainHeapRefuseNext(int32_t count) { mainHeapRefusals = count; }

bool ObjectHeapCreate() {
  objectHeap = PrivateHeapCreate(OBJECT_HEAP_SIZE);
  return objectHeap != nullptr;
}

void ObjectHeapDestroy() {
  PrivateHeapDestroy(objectHeap);
  objectHeap = nullptr;
}

void* ObjectHeapAlloc(size_t size) { return PrivateHeapAlloc(objectHeap, size); }

void ObjectHeapFree(void* block) { PrivateHeapFree(objectHeap, block); }

bool MemoryBlockHeapCreate() {
  memoryBlockHeap = PrivateHeapCreate(MEMORY_BLOCK_HEAP_SIZE);
  return memoryBlockHeap != nullptr;
}

void* MemoryAlloc(int32_t size) {
  if (size <= 0) return nullptr;
  return PrivateHeapAlloc(memoryBlockHeap, static_cast<size_t>(size));
}

void MemoryFree(void* block) { PrivateHeapFree(memoryBlockHeap, block); }

char* MemoryCopy(const void* source, void* destination, int32_t length) {
  if (length > 0) memcpy(destination, source, static_cast<size_t>(length));
  return static_cast<char*>(destination) + (length > 0 ? length : 0);
}
