// Small BMP files written by the tests themselves: both headers, a colour
// table and the pixel data as given, 24-bit rows with their padding, or
// 8-bit rows run-length encoded.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace bmp_builder {

using Bytes = std::vector<uint8_t>;

inline void Put(Bytes& b, size_t at, uint32_t value, int bytes = 4) {
  for (int i = 0; i < bytes && at + i < b.size(); ++i) b[at + i] = uint8_t(value >> (8 * i));
}

inline Bytes Assemble(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                      const std::vector<uint32_t>& colours, const Bytes& pixels) {
  const auto offset = uint32_t(54 + colours.size() * 4);
  Bytes b(offset + pixels.size());
  const uint32_t fields[][2] = {
      {0, 'B' | 'M' << 8}, {2, uint32_t(b.size())}, {10, offset}, {14, 40}, {18, uint32_t(width)},
      {22, uint32_t(height)}, {26, 1u | bits << 16}, {30, compression},
      {34, compression ? uint32_t(pixels.size()) : 0}, {38, 2835}, {42, 2835},
      {46, uint32_t(colours.size())}};
  for (const auto& field : fields) Put(b, field[0], field[1]);
  for (size_t i = 0; i < colours.size(); ++i) Put(b, 54 + i * 4, colours[i]);
  std::copy(pixels.begin(), pixels.end(), b.begin() + offset);
  return b;
}

// rgb(x, y) gives 0xRRGGBB for column x of row y, row 0 on top; rows are
// stored bottom-up unless topDown.
template <typename Pixel>
Bytes Make24(int32_t width, int32_t height, Pixel rgb, bool topDown = false) {
  const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
  Bytes pixels(stride * height);
  for (int32_t i = 0; i < width * height; ++i) {
    const int32_t row = topDown ? i / width : height - 1 - i / width;
    Put(pixels, row * stride + i % width * 3, rgb(i % width, i / width), 3);
  }
  return Assemble(width, topDown ? -height : height, 24, 0, {}, pixels);
}

// index(x, y) gives a pixel's palette entry, row 0 on top. Rows are stored
// bottom-up, a run for each pixel, each row ending with 0 0, the last with 0 1.
template <typename Index>
Bytes MakeRle8(int32_t width, int32_t height, const std::vector<uint32_t>& palette, Index index) {
  Bytes runs;
  for (int32_t y = height - 1; y >= 0; --y) {
    for (int32_t x = 0; x < width; ++x) runs.insert(runs.end(), {1, uint8_t(index(x, y))});
    runs.insert(runs.end(), {0, uint8_t(y == 0)});
  }
  return Assemble(width, height, 8, 1, palette, runs);
}

}  // namespace bmp_builder
