// A small, strict RLE8 decoder for the tests, written from the format
// alone: every row must end exactly at the picture's width with
// end-of-line, the last with end-of-bitmap; absolute runs hold at least
// three pixels and their padding is zero. Delta codes are refused.
#pragma once

#include <cstdint>
#include <vector>

// Indices, rows top-down; false on anything the writer must never emit.
// longestAbsolute: the longest absolute run met.
inline bool ReadRle8(const std::vector<uint8_t>& data, int32_t width, int32_t height,
                     std::vector<uint8_t>& indices, int32_t& longestAbsolute) {
  longestAbsolute = 0;
  indices.assign(static_cast<size_t>(width) * height, 0);
  size_t at = 0;
  auto next = [&](uint8_t& byte) {
    if (at >= data.size()) return false;
    byte = data[at++];
    return true;
  };
  for (int32_t row = height - 1; row >= 0; --row) {
    uint8_t* out = indices.data() + static_cast<size_t>(row) * width;
    int32_t x = 0;
    for (;;) {
      uint8_t count = 0;
      uint8_t value = 0;
      if (!next(count) || !next(value)) return false;
      if (count > 0) {
        if (x + count > width) return false;
        for (int32_t i = 0; i < count; ++i) out[x++] = value;
        continue;
      }
      if (value == 0 || value == 1) {  // end of line, end of bitmap
        if (x != width || (value == 1) != (row == 0)) return false;
        break;
      }
      if (value == 2 || x + value > width) return false;
      if (value > longestAbsolute) longestAbsolute = value;
      for (int32_t i = 0; i < value; ++i) {
        if (!next(out[x++])) return false;
      }
      uint8_t pad = 0;
      if ((value & 1) && (!next(pad) || pad != 0)) return false;
    }
  }
  return at == data.size();
}
