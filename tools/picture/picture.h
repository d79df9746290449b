// A picture as the tools hold it: width, height and 0xAARRGGBB pixels, row 0
// on top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

using Bytes = std::vector<uint8_t>;

inline void PutLE(Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
