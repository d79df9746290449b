// Dimensioned arrays on the main heap. Dimensioning releases the old elements
// (string fields included) and gives all-zero elements with empty strings.
// Like the numbered objects, an array lives until it is dimensioned again or
// released; the owner releases it explicitly before the main heap goes away.
#pragma once

#include <cstdint>
#include <new>

#include "runtime/memory.h"

// One contiguous block of count + 1 elements: the extra element behind the
// last index is kept so that one-past-the-end reads stay inside the block.
template <typename T>
class ArrayBlock {
 public:
  ArrayBlock() = default;
  ArrayBlock(const ArrayBlock&) = delete;
  ArrayBlock& operator=(const ArrayBlock&) = delete;
  ~ArrayBlock() { Release(); }

  // Releases the elements in index order and returns the block to the heap.
  // An array that was never dimensioned is left alone.
  void Release() {
    if (!elements_) return;
    for (int32_t i = 0; i <= count_; ++i) elements_[i].~T();
    MainHeapFree(elements_);
    elements_ = nullptr;
    count_ = 0;
  }

  // On allocation failure the array stays released (Data() is null).
  void Allocate(int32_t count) {
    Release();
    void* block = MainHeapAlloc(sizeof(T) * static_cast<size_t>(count + 1));
    if (!block) return;
    elements_ = static_cast<T*>(block);
    count_ = count;
    for (int32_t i = 0; i <= count_; ++i) new (&elements_[i]) T();
  }

  T* Data() const { return elements_; }
  int32_t Count() const { return count_; }

 private:
  T* elements_ = nullptr;
  int32_t count_ = 0;
};

// One dimension, indices 0 to the highest index given to Dim.
template <typename T>
class Array {
 public:
  void Dim(int32_t highestIndex) { block_.Allocate(highestIndex + 1); }
  void Release() { block_.Release(); }
  T& operator[](int32_t i) const { return block_.Data()[i]; }
  T* Data() const { return block_.Data(); }
  int32_t Count() const { return block_.Count(); }

 private:
  ArrayBlock<T> block_;
};

// Two dimensions given by their sizes; element (i, j) lies at i * stride + j,
// the stride being the size of the second dimension.
template <typename T>
class Array2D {
 public:
  void Dim(int32_t rows, int32_t columns) {
    block_.Allocate(rows * columns);
    stride_ = block_.Data() ? columns : 0;
  }
  void Release() {
    block_.Release();
    stride_ = 0;
  }
  T& operator()(int32_t i, int32_t j) const { return block_.Data()[i * stride_ + j]; }
  T* Data() const { return block_.Data(); }
  int32_t Count() const { return block_.Count(); }
  int32_t Stride() const { return stride_; }

 private:
  ArrayBlock<T> block_;
  int32_t stride_ = 0;
};
