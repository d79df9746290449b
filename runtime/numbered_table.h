// The numbered-object table shared by files, fonts, images, windows and
// gadgets: records indexed by the program's own object numbers, grown on
// demand. A record whose handle is null is free.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "runtime/memory.h"

// Record must be a plain structure whose member `handle` is null when free.
// Creating number n at or beyond the capacity grows the table to n + Growth.
template <typename Record, int32_t Growth, int32_t InitialCapacity = 10>
class NumberedTable {
  static_assert(std::is_trivially_copyable_v<Record>);

 public:
  bool Create() {
    records_ = static_cast<Record*>(MainHeapAlloc(sizeof(Record) * InitialCapacity));
    capacity_ = records_ ? InitialCapacity : 0;
    return records_ != nullptr;
  }

  void Release() {
    MainHeapFree(records_);
    records_ = nullptr;
    capacity_ = 0;
  }

  // The record of an object that exists, or null.
  Record* Lookup(int32_t n) const {
    if (n < 0 || n >= capacity_ || !records_[n].handle) return nullptr;
    return &records_[n];
  }

  // The record for number n, growing the table when needed; it may still hold
  // an older object, which the caller destroys before reusing the record.
  // Null when n is negative or the table cannot grow.
  Record* Slot(int32_t n) {
    if (n < 0) return nullptr;
    if (n >= capacity_ && !Grow(n + Growth)) return nullptr;
    return &records_[n];
  }

  void Clear(int32_t n) {
    if (n >= 0 && n < capacity_) memset(&records_[n], 0, sizeof(Record));
  }

  int32_t Capacity() const { return capacity_; }

 private:
  bool Grow(int32_t capacity) {
    void* grown = MainHeapReAlloc(records_, sizeof(Record) * static_cast<size_t>(capacity));
    if (!grown) return false;
    records_ = static_cast<Record*>(grown);
    capacity_ = capacity;
    return true;
  }

  Record* records_ = nullptr;
  int32_t capacity_ = 0;
};
