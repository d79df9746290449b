// The picture tools: 24-bit and RLE8 bitmap files read back pixel for pixel
// (the headers by the program's own checks, the runs by a strict reader of
// the test's own), and the skin block built from the program's skin exactly
// as the build does, unpacked again.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "gui/skin_format.h"
#include "gui/unpack.h"
#include "runtime/bmp_header.h"
#include "tools/picture/bmp_write.h"
#include "tools/picture/file_bytes.h"
#include "tools/picture/skin_block.h"

namespace {

uint32_t U32(const Bytes& b, size_t at, int bytes = 4) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

// Pixel i is colour(i) | 0xFF000000.
Picture Made(int32_t width, int32_t height, const std::function<uint32_t(int32_t)>& colour) {
  Picture picture{width, height, {}};
  for (int32_t i = 0; i < width * height; ++i) picture.pixels.push_back(0xFF000000 | colour(i));
  return picture;
}

// The pixels of a bitmap file as 0xFF000000 | 0xRRGGBB, rows top-down. RLE8
// is read strictly: empty on anything the writer must never emit, such as a
// row not ending exactly at the width, a delta, an absolute run under 3 or
// over 254 pixels (Wine 8 misreads 255), padding not zero, bytes after the end.
std::vector<uint32_t> Pixels(const Bytes& file) {
  BmpLayout layout;
  if (!BmpReadLayout(file.data(), file.size(), layout)) return {};
  const int32_t width = layout.width;
  std::vector<uint32_t> pixels(size_t(width) * layout.height);
  size_t at = layout.pixelOffset;
  if (layout.compression == BMP_RGB) {  // rows of 3-byte pixels padded to 4 bytes
    const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
    for (size_t i = 0; i < pixels.size(); ++i) {
      pixels[i] = 0xFF000000 | U32(file, at + (layout.height - 1 - i / width) * stride + i % width * 3, 3);
    }
    return at + stride * layout.height == file.size() ? pixels : std::vector<uint32_t>{};
  }
  for (int32_t row = layout.height - 1, x = 0; row >= 0;) {
    if (at + 2 > file.size()) return {};
    const uint8_t count = file[at++];
    const uint8_t value = file[at++];
    auto put = [&](uint8_t index) { pixels[size_t(row) * width + x++] = 0xFF000000 | U32(file, 54 + index * 4u); };
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
  // odd/even padding of absolute runs; contents from noise to long runs.
  for (int32_t width : {1, 2, 3, 4, 5, 254, 255, 256, 257, 511, 766}) {
    for (uint32_t every : {1, 9, 300, 0}) {  // a new colour at every pixel, at one in 9, one in 300; pairs and breaks
      uint32_t colour = 0;
      const Picture picture = Made(width, 7, [&](int32_t i) {
        const uint32_t roll = random();
        if (every == 0 || roll % every == 0) colour = every == 0 && roll % 5 ? i % 2 : roll % 250;
        return colour * 0x010101;
      });
      ASSERT_TRUE(Pixels(BmpRle8(picture)) == picture.pixels && Pixels(Bmp24(picture)) == picture.pixels)
          << "width " << width << " new colour every " << every;
    }
  }
  EXPECT_TRUE(BmpRle8(Made(257, 1, [](int32_t x) { return uint32_t(x); })).empty());  // too many colours
}

TEST(SkinBlock, ProgramSkinPacksToAtMostHalfAndUnpacksAgain) {
  Picture picture;
  Bytes text;
  std::vector<SkinRun> runs;
  ASSERT_TRUE(ReadPng(TESSEL_ART_DIR "/skin.png", picture) && ReadFileBytes(TESSEL_ART_DIR "/skin-runs.txt", text));
  ASSERT_TRUE(SkinRunsParse(std::string(text.begin(), text.end()), runs) && SkinRunsFit(runs, 766, 579));
  const Bytes bitmap = BmpRle8(picture);
  const Bytes block = SkinBlockBuild(bitmap, runs);
  const uint32_t packed = U32(block, SKIN_PACKED_SIZE_OFFSET);
  EXPECT_TRUE(block[SKIN_RUN_HEIGHT_OFFSET] == 1 && block[SKIN_PACKED_FLAG_OFFSET] == 9);
  EXPECT_TRUE(U32(block, SKIN_PICTURE_SIZE_OFFSET) == bitmap.size() && packed * 2 <= bitmap.size()) << packed;
  Bytes back(bitmap.size());
  EXPECT_EQ(Unpack(block.data() + SKIN_PICTURE_OFFSET, int32_t(packed), back.data(), int32_t(back.size())),
            int32_t(back.size()));
  EXPECT_TRUE(back == bitmap);
  Bytes table;  // its length, then each run as three signed 16-bit values
  PutLE(table, uint32_t(runs.size() * SKIN_RUN_SIZE), 4);
  for (const SkinRun& run : runs) for (int16_t value : {run.left, run.top, run.right}) PutLE(table, uint16_t(value), 2);
  EXPECT_TRUE(Bytes(block.begin() + SKIN_PICTURE_OFFSET + packed, block.end()) == table);
}

}  // namespace
