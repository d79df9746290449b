// The runtime's three private heaps and the raw memory-block operations.
// The main heap holds strings, arrays and object tables; the object heap holds
// list records; the memory-block heap holds the skin layer's working blocks.
#pragma once

#include <cstddef>
#include <cstdint>

bool MainHeapCreate();
void MainHeapDestroy();
void* MainHeapAlloc(size_t size);                  // zero-filled
void* MainHeapReAlloc(void* block, size_t size);   // new bytes zero-filled
void MainHeapFree(void* block);                    // null is ignored
int32_t MainHeapBlockCount();                      // live blocks, for leak checks
// Set by tests only: the next `count` main-heap allocations or reallocations
// fail, as they do when the heap is exhausted.
void MainHeapRefuseNext(int32_t count);

bool ObjectHeapCreate();
void ObjectHeapDestroy();
void* ObjectHeapAlloc(size_t size);
void ObjectHeapFree(void* block);

bool MemoryBlockHeapCreate();
// A zero-filled block from the memory-block heap; a size <= 0 gives null.
void* MemoryAlloc(int32_t size);
void MemoryFree(void* block);
// Copies length bytes and returns the address just behind the copy.
char* MemoryCopy(const void* source, void* destination, int32_t length);
