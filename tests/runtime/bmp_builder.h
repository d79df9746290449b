// Small BMP files written by the tests themselves: 24-bit rows with their
// padding, and 8-bit pictures run-length encoded row by row.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace bmp_builder {

using Bytes = std::vector<uint8_t>;

inline void Put(Bytes& b, size_t at, uint32_t value, int bytes = 4) {
  if (at + bytes > b.size()) return;
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Both headers, the colour table and the pixel data.
inline Bytes Assemble(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                      const std::vector<uint32_t>& colours, const Bytes& pixels) {
  const uint32_t offset = 54 + static_cast<uint32_t>(colours.size()) * 4;
  Bytes b(offset + pixels.size());
  b[0] = 'B';
  b[1] = 'M';
  const uint32_t fields[][2] = {{2, static_cast<uint32_t>(b.size())}, {10, offset}, {14, 40},
                                {18, static_cast<uint32_t>(width)}, {22, static_cast<uint32_t>(height)},
                                {26, 1u | bits << 16}, {30, compression},
                                {34, compression ? static_cast<uint32_t>(pixels.size()) : 0},
                                {38, 2835}, {42, 2835}, {46, static_cast<uint32_t>(colours.size())}};
  for (const auto& field : fields) Put(b, field[0], field[1]);
  for (size_t i = 0; i < colours.size(); ++i) Put(b, 54 + i * 4, colours[i]);
  std::copy(pixels.begin(), pixels.end(), b.begin() + offset);
  return b;
}

// rgb(x, y) gives 0xRRGGBB for column x of row y, row 0 on top.
template <typename Pixel>
Bytes Make24(int32_t width, int32_t height, Pixel rgb, bool topDown = false) {
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  Bytes pixels(stride * height);
  for (int32_t row = 0; row < height; ++row) {
    for (int32_t x = 0; x < width; ++x) {
      Put(pixels, row * stride + x * 3, rgb(x, topDown ? row : height - 1 - row), 3);
    }
  }
  return Assemble(width, topDown ? -height : height, 24, 0, {}, pixels);
}

// index(x, y) gives a pixel's palette entry, row 0 on top. Rows are stored
// bottom-up as runs of equal entries, each ending with 0 0, the last with 0 1.
template <typename Index>
Bytes MakeRle8(int32_t width, int32_t height, const std::vector<uint32_t>& palette, Index index) {
  Bytes runs;
  for (int32_t y = height - 1; y >= 0; --y) {
    for (int32_t x = 0, count = 0; x < width; x += count) {
      const uint32_t value = index(x, y);
      for (count = 1; x + count < width && count < 255 && index(x + count, y) == value;) ++count;
      runs.insert(runs.end(), {static_cast<uint8_t>(count), static_cast<uint8_t>(value)});
    }
    runs.insert(runs.end(), {0, static_cast<uint8_t>(y == 0)});
  }
  return Assemble(width, height, 8, 1, palette, runs);
}

}  // namespace bmp_builder
