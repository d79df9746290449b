// The picture tools: 24-bit and RLE8 bitmap files read back pixel for pixel,
// the headers by the program's own checks, the runs by a strict reader of
// the test's own.
#include <gtest/gtest.h>

#include <random>

#include "runtime/bmp_header.h"
#include "tools/picture/bmp_write.h"

// The pixels of a bitmap file as 0xFF000000 | 0xRRGGBB, rows top-down. RLE8
// is read strictly: empty on anything the writer must never emit, such as a
// row not ending exactly at the width, a delta, an absolute run under 3 or
// over 254 pixels (Wine 8 misreads 255), padding not zero, bytes after the end.
static std::vector<uint32_t> Pixels(const Bytes& file) {
  BmpLayout layout;
  if (!BmpReadLayout(file.data(), file.size(), layout)) return {};
  const int32_t width = layout.width;
  std::vector<uint32_t> pixels(size_t(width) * layout.height);
  const auto colour = [&](size_t at) {
    return 0xFF000000 | file[at] | file[at + 1] << 8 | file[at + 2] << 16;
  };
  size_t at = layout.pixelOffset;
  if (layout.compression == BMP_RGB) {  // rows of 3-byte pixels padded to 4 bytes
    const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
    if (at + stride * layout.height != file.size()) return {};
    for (size_t i = 0; i < pixels.size(); ++i) {
      pixels[i] = colour(at + (layout.height - 1 - i / width) * stride + i % width * 3);
    }
    return pixels;
  }
  for (int32_t row = layout.height - 1, x = 0; row >= 0;) {
    if (at + 2 > file.size()) return {};
    const uint8_t count = file[at++];
    const uint8_t value = file[at++];
    const auto put = [&](uint8_t i) { pixels[size_t(row) * width + x++] = colour(54 + i * 4u); };
    if (count > 0 && x + count <= width) {
      for (int i = 0; i < count; ++i) put(value);
    } else if (count == 0 && value <= 1) {  // end of line, end of bitmap
      if (x != width || (value == 1) != (row == 0)) return {};
      --row, x = 0;
    } else if (count == 0 && value >= 3 && value <= 254 && x + value <= width &&
               at + value + (value & 1) <= file.size()) {
      for (int i = 0; i < value; ++i) put(file[at++]);
      if ((value & 1) && file[at++] != 0) return {};
    } else {
      return {};
    }
  }
  return at == file.size() ? pixels : std::vector<uint32_t>{};
}

TEST(BitmapFiles, RoundTripThroughStrictReaders) {
  std::mt19937 random(1962);
  // Widths of every row padding, around the 255-pixel run limit and the
  // odd/even padding of absolute runs; contents from noise to long runs: a
  // new colour at every pixel, at one in 9, at one in 300, and pairs with breaks.
  for (int32_t width : {1, 2, 3, 4, 5, 254, 255, 256, 257, 511, 766}) {
    for (uint32_t every : {1, 9, 300, 0}) {
      Picture picture{width, 7, {}};
      for (uint32_t i = 0, colour = 0; i < uint32_t(width) * 7; ++i) {
        const uint32_t roll = random();
        if (every == 0 || roll % every == 0) colour = every == 0 && roll % 5 ? i % 2 : roll % 250;
        picture.pixels.push_back(0xFF000000 | colour * 0x010101);
      }
      ASSERT_TRUE(Pixels(BmpRle8(picture)) == picture.pixels) << width << " every " << every;
      ASSERT_TRUE(Pixels(Bmp24(picture)) == picture.pixels) << width << " every " << every;
    }
  }
}
