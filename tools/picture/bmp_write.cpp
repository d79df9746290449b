// Writing 24-bit and RLE8 bitmap files. The RLE8 encoder picks, per row, the
// cheapest sequence of encoded runs (count, index) and absolute runs
// (0, count >= 3, indices, padding to a 16-bit boundary).
#include "tools/picture/bmp_write.h"

#include <algorithm>

namespace {

constexpr int32_t MAX_RUN = 255;
constexpr int32_t MIN_ABSOLUTE = 3;  // 0 1 and 0 2 are escape codes
// The format allows 255, but Wine 8 misreads an absolute run of exactly 255
// pixels (its padding byte); 254 costs at most a byte and reads the same
// everywhere.
constexpr int32_t MAX_ABSOLUTE = 254;
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;

void PutHeaders(Bytes& out, const Picture& picture, uint16_t bits, uint32_t compression,
                uint32_t pixelOffset, uint32_t pixelBytes, uint32_t resolution, uint32_t coloursUsed) {
  out.push_back('B');
  out.push_back('M');
  PutLE(out, pixelOffset + pixelBytes, 4);  // file size
  PutLE(out, 0, 4);                         // reserved
  PutLE(out, pixelOffset, 4);
  PutLE(out, 40, 4);
  PutLE(out, static_cast<uint32_t>(picture.width), 4);
  PutLE(out, static_cast<uint32_t>(picture.height), 4);  // positive: bottom-up
  PutLE(out, 1, 2);                                      // planes
  PutLE(out, bits, 2);
  PutLE(out, compression, 4);
  PutLE(out, pixelBytes, 4);
  PutLE(out, resolution, 4);
  PutLE(out, resolution, 4);
  PutLE(out, coloursUsed, 4);
  PutLE(out, 0, 4);  // all colours important
}

// How the cheapest encoding of a row's first i pixels ends.
struct Step {
  uint32_t cost;
  int16_t length;
  bool absolute;
};

uint32_t AbsoluteCost(int32_t length) { return 2 + length + (length & 1); }

void EncodeRow(const uint8_t* row, int32_t width, Bytes& out) {
  std::vector<Step> best(width + 1, Step{UINT32_MAX, 0, false});
  best[0].cost = 0;
  for (int32_t i = 0; i < width; ++i) {
    const uint32_t here = best[i].cost;
    const int32_t longest = std::min(MAX_RUN, width - i);
    for (int32_t n = 1; n <= longest && row[i + n - 1] == row[i]; ++n) {
      if (here + 2 < best[i + n].cost) best[i + n] = {here + 2, static_cast<int16_t>(n), false};
    }
    for (int32_t n = MIN_ABSOLUTE; n <= std::min(longest, MAX_ABSOLUTE); ++n) {
      if (here + AbsoluteCost(n) < best[i + n].cost) {
        best[i + n] = {here + AbsoluteCost(n), static_cast<int16_t>(n), true};
      }
    }
  }
  std::vector<Step> steps;
  for (int32_t end = width; end > 0; end -= best[end].length) steps.push_back(best[end]);
  std::reverse(steps.begin(), steps.end());
  int32_t x = 0;
  for (const Step& step : steps) {
    const auto n = static_cast<uint8_t>(step.length);
    if (!step.absolute) {
      out.insert(out.end(), {n, row[x]});
    } else {
      out.insert(out.end(), {0, n});
      out.insert(out.end(), row + x, row + x + n);
      if (n & 1) out.push_back(0);
    }
    x += n;
  }
}

}  // namespace

Bytes Bmp24(const Picture& picture) {
  const uint32_t stride = (static_cast<uint32_t>(picture.width) * 3 + 3) / 4 * 4;
  const uint32_t pixelBytes = stride * static_cast<uint32_t>(picture.height);
  Bytes out;
  out.reserve(BMP_HEADERS_SIZE + pixelBytes);
  PutHeaders(out, picture, 24, BI_RGB, BMP_HEADERS_SIZE, pixelBytes, BMP_PIXELS_PER_METRE, 0);
  for (int32_t y = picture.height - 1; y >= 0; --y) {
    for (int32_t x = 0; x < picture.width; ++x) PutLE(out, picture.At(x, y) & 0xFFFFFF, 3);
    out.resize(out.size() + (stride - picture.width * 3));
  }
  return out;
}

bool PaletteOf(const Picture& picture, std::vector<uint32_t>& palette, Bytes& indices) {
  palette.clear();
  for (uint32_t pixel : picture.pixels) palette.push_back(pixel & 0xFFFFFF);
  std::sort(palette.begin(), palette.end());
  palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
  if (palette.size() > 256) return false;
  indices.clear();
  for (uint32_t pixel : picture.pixels) {
    const auto at = std::lower_bound(palette.begin(), palette.end(), pixel & 0xFFFFFF);
    indices.push_back(static_cast<uint8_t>(at - palette.begin()));
  }
  return true;
}

Bytes Rle8Encode(const uint8_t* indices, int32_t width, int32_t height) {
  Bytes out;
  for (int32_t y = height - 1; y >= 0; --y) {
    EncodeRow(indices + static_cast<size_t>(y) * width, width, out);
    out.insert(out.end(), {0, static_cast<uint8_t>(y == 0 ? 1 : 0)});
  }
  return out;
}

Bytes BmpRle8(const Picture& picture) {
  std::vector<uint32_t> palette;
  Bytes indices;
  if (!PaletteOf(picture, palette, indices)) return {};
  const Bytes runs = Rle8Encode(indices.data(), picture.width, picture.height);
  const uint32_t pixelOffset = BMP_HEADERS_SIZE + BMP_PALETTE_SIZE;
  Bytes out;
  PutHeaders(out, picture, 8, BI_RLE8, pixelOffset, static_cast<uint32_t>(runs.size()), 0, 0);
  for (int32_t i = 0; i < 256; ++i) {
    PutLE(out, i < static_cast<int32_t>(palette.size()) ? palette[i] : 0, 4);
  }
  out.insert(out.end(), runs.begin(), runs.end());
  return out;
}
