// Draws the stand-in skin picture into palette indices, then codes it as an
// RLE8 bitmap file.
#include "tests/pack/skin_picture.h"

#include <algorithm>
#include <cmath>

#include "tests/runtime/bmp_builder.h"

namespace {

constexpr int32_t W = SKIN_LIKE_WIDTH;
constexpr int32_t H = SKIN_LIKE_HEIGHT;
constexpr int RAMP = 64;  // four ramps of 64 shades: blue, steel, gold, green
constexpr int BLUE = 0, STEEL = RAMP, GOLD = 2 * RAMP, GREEN = 3 * RAMP;

class Canvas {
 public:
  uint8_t& At(int32_t x, int32_t y) { return pixels_[size_t(y) * W + x]; }
  uint32_t Next() { return seed_ = seed_ * 1103515245u + 12345u, seed_ >> 16; }

  // A smooth gradient with a fine grain, error-diffused over a ramp row by
  // row, as a painting program reduces it to a palette.
  void Backdrop() {
    std::vector<double> error(W + 2);
    std::vector<double> next(W + 2);
    for (int32_t y = 0; y < H; y++) {
      std::fill(next.begin(), next.end(), 0.0);
      for (int32_t x = 0; x < W; x++) {
        double level = 0.15 + 0.6 * x / W * (1 - 0.5 * y / H) + 0.1 * std::sin(y / 37.0) + 0.05 * std::sin(x / 23.0);
        double wanted = level * (RAMP - 1) + 3.0 * ((Next() & 255) / 255.0 - 0.5) + error[x + 1];
        int shade = std::clamp(int(std::lround(wanted)), 0, RAMP - 1);
        double left = wanted - shade;
        error[x + 2] += left * 7 / 16;
        next[x] += left * 3 / 16;
        next[x + 1] += left * 5 / 16;
        next[x + 2] += left / 16;
        At(x, y) = uint8_t(BLUE + shade);
      }
      std::swap(error, next);
    }
  }

  // A panel shaded top to bottom in ordered dither, with a bevelled edge.
  void Panel(int32_t left, int32_t top, int32_t right, int32_t bottom, int ramp) {
    static constexpr int BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int32_t y = top; y < bottom; y++) {
      double shade = (0.35 + 0.5 * (y - top) / (bottom - top)) * (RAMP - 2);
      for (int32_t x = left; x < right; x++) {
        bool edge = y == top || x == left || y == bottom - 1 || x == right - 1;
        int up = (shade - int(shade)) * 16 > BAYER[y & 3][x & 3];
        At(x, y) = uint8_t(ramp + (edge ? (y == top || x == left ? RAMP - 1 : 4) : int(shade) + up));
      }
    }
  }

  // Nine by nine cells in two shades by box.
  void Grid(int32_t left, int32_t top, int32_t cell) {
    for (int32_t y = top; y < top + 9 * cell; y++) {
      for (int32_t x = left; x < left + 9 * cell; x++) {
        int32_t r = (y - top) / cell;
        int32_t c = (x - left) / cell;
        bool line = (y - top) % cell == 0 || (x - left) % cell == 0;
        At(x, y) = uint8_t(STEEL + (line ? 10 : (r / 3 + c / 3) % 2 ? 50 : RAMP - 1));
      }
    }
  }

  // Lines of made-up letters: 3 x 5 patterns scaled up, light on the panel.
  void Lettering(int32_t x0, int32_t y0, int scale, int letters, int lines, int ramp) {
    for (int line = 0; line < lines; line++) {
      for (int letter = 0; letter < letters; letter++) {
        uint32_t shape = Next() | 0x4001;
        for (int32_t i = 0; i < 15 * scale * scale; i++) {
          int32_t gx = i % (3 * scale);
          int32_t gy = i / (3 * scale);
          if ((shape >> (gy / scale * 3 + gx / scale)) & 1) At(x0 + letter * 4 * scale + gx, y0 + line * 7 * scale + gy) = uint8_t(ramp + RAMP - 1);
        }
      }
    }
  }

  // Brushed metal: noise along rows in a narrow band of shades.
  void Texture(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    for (int32_t y = top; y < bottom; y++) {
      for (int32_t x = left; x < right; x++) At(x, y) = uint8_t(STEEL + 20 + y % 7 + Next() % 9);
    }
  }

  // The part above the slanted upper edge, cut away later, in one colour.
  void CutAway() {
    for (int32_t y = 0; y < 174; y++) {
      for (int32_t x = 0; x < W; x++) {
        if (x < 160 - y * 160 / 174 || (y <= 140 && x >= W - 120 + y * 120 / 141)) At(x, y) = 0;
      }
    }
  }

  const std::vector<uint8_t>& Pixels() const { return pixels_; }

 private:
  std::vector<uint8_t> pixels_ = std::vector<uint8_t>(size_t(W) * H);
  uint32_t seed_ = 2024;
};

std::vector<uint32_t> Palette() {
  std::vector<uint32_t> colours(256);
  for (uint32_t i = 0; i < RAMP; i++) {
    uint32_t v = 40 + i * 215 / (RAMP - 1);
    colours[BLUE + i] = (v / 3) << 16 | (v / 2) << 8 | v;
    colours[STEEL + i] = v << 16 | v << 8 | v;
    colours[GOLD + i] = v << 16 | (v * 3 / 4) << 8 | (v / 4);
    colours[GREEN + i] = (v / 4) << 16 | v << 8 | (v / 3);
  }
  return colours;
}

int RunAt(const uint8_t* row, int x, int width) {
  int n = 1;
  while (x + n < width && n < 255 && row[x + n] == row[x]) n++;
  return n;
}

void EncodeRow(std::vector<uint8_t>& out, const uint8_t* row, int width) {
  for (int x = 0; x < width;) {
    int run = RunAt(row, x, width);
    int end = x;
    while (run < 3 && end < width && end - x < 255 && RunAt(row, end, width) < 3) end++;
    if (run >= 3 || end - x < 3) {  // an encoded run (of one or two when too few differ)
      run = std::min(run, width - x);
      out.insert(out.end(), {uint8_t(run), row[x]});
      x += run;
      continue;
    }
    out.insert(out.end(), {0, uint8_t(end - x)});  // absolute run, padded to a word
    out.insert(out.end(), row + x, row + end);
    if ((end - x) & 1) out.push_back(0);
    x = end;
  }
}

}  // namespace

std::vector<uint8_t> Rle8Encode(const std::vector<uint8_t>& indices, int32_t width, int32_t height) {
  std::vector<uint8_t> out;
  for (int32_t y = height - 1; y >= 0; y--) {
    EncodeRow(out, indices.data() + size_t(y) * width, width);
    out.insert(out.end(), {0, uint8_t(y == 0)});  // end of line, end of bitmap
  }
  return out;
}

std::vector<uint8_t> SkinLikePicture() {
  Canvas canvas;
  canvas.Backdrop();
  canvas.Panel(20, 180, 400, 560, STEEL);
  canvas.Grid(34, 194, 39);
  canvas.Panel(420, 180, 746, 400, GOLD);
  canvas.Panel(420, 410, 746, 560, GREEN);
  canvas.Texture(430, 420, 736, 550);
  canvas.Lettering(180, 60, 8, 6, 1, GOLD);
  canvas.Lettering(440, 200, 3, 20, 2, STEEL);
  canvas.Lettering(440, 260, 1, 70, 16, GREEN);
  canvas.CutAway();
  return bmp_builder::Assemble(W, H, 8, 1, Palette(), Rle8Encode(canvas.Pixels(), W, H));
}
