// Private heaps: the one seam between the runtime's memory and the platform.
// On Windows these are the Win32 heap calls; elsewhere the standard allocator
// stands in, so the portable modules run natively under the sanitizers.
#pragma once

#include <cstddef>

using PrivateHeap = void*;

PrivateHeap PrivateHeapCreate(size_t initialSize);
void PrivateHeapDestroy(PrivateHeap heap);

// Blocks come back zero-filled; a grown block has its new bytes zeroed too.
void* PrivateHeapAlloc(PrivateHeap heap, size_t size);
void* PrivateHeapReAlloc(PrivateHeap heap, void* block, size_t size);
void PrivateHeapFree(PrivateHeap heap, void* block);
