// The bitmap files the tools write: 24-bit layout and exact sizes, the RLE8
// encoder against an independent decoder, and the program's own pictures.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/tools/rle8_reader.h"
#include "tools/picture/bmp_write.h"
#include "tools/picture/file_bytes.h"

namespace {

uint32_t U32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint32_t U16(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8; }

Picture Art(const std::string& name) {
  Picture picture;
  EXPECT_TRUE(ReadPng((std::string(TESSEL_ART_DIR) + "/" + name).c_str(), picture)) << name;
  return picture;
}

Picture Made(int32_t width, int32_t height, uint32_t (*colour)(int32_t, int32_t)) {
  Picture picture{width, height, {}};
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) picture.pixels.push_back(0xFF000000 | colour(x, y));
  }
  return picture;
}

// Decodes an RLE8 file with the test's own reader and compares every pixel.
void ExpectSamePixels(const Bytes& file, const Picture& picture) {
  ASSERT_GE(file.size(), 1078u);
  const Bytes runs(file.begin() + 1078, file.end());
  std::vector<uint8_t> indices;
  int32_t longestAbsolute = 0;
  ASSERT_TRUE(ReadRle8(runs, picture.width, picture.height, indices, longestAbsolute));
  // Wine 8 misreads absolute runs of 255 pixels, which Windows reads; the
  // writer keeps to 254 so that both show the same picture.
  EXPECT_LE(longestAbsolute, 254);
  int32_t wrong = 0;
  for (size_t i = 0; i < indices.size(); ++i) {
    const uint32_t entry = U32(file, 54 + indices[i] * 4u);
    wrong += entry != (picture.pixels[i] & 0xFFFFFF);
  }
  EXPECT_EQ(wrong, 0);
}

TEST(Bitmap24, ProgramPicturesHaveTheirExactSizes) {
  const struct {
    const char* name;
    int32_t width, height;
    size_t bytes;
  } pictures[] = {
      {"about-banner.png", 332, 76, 75750},      {"donation-message.png", 410, 220, 271094},
      {"donation-thanks.png", 410, 140, 172534}, {"program-name.png", 135, 35, 14334},
      {"portrait.png", 142, 190, 81374},         {"portrait-caption.png", 114, 19, 6590},
  };
  for (const auto& p : pictures) {
    const Picture picture = Art(p.name);
    EXPECT_EQ(picture.width, p.width) << p.name;
    EXPECT_EQ(picture.height, p.height) << p.name;
    const Bytes file = Bmp24(picture);
    EXPECT_EQ(file.size(), p.bytes) << p.name;
    EXPECT_EQ(U32(file, 2), p.bytes) << p.name;
  }
}

TEST(Bitmap24, HeaderRowOrderAndPadding) {
  // 5 pixels of 3 bytes: one byte of padding per row.
  const Picture picture = Made(5, 3, [](int32_t x, int32_t y) { return uint32_t(0x102030 * (x + 1) + y); });
  const Bytes file = Bmp24(picture);
  ASSERT_EQ(file.size(), 54u + 16 * 3);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(U32(file, 10), 54u);
  EXPECT_EQ(U32(file, 14), 40u);
  EXPECT_EQ(U32(file, 18), 5u);
  EXPECT_EQ(U32(file, 22), 3u);  // positive: bottom-up
  EXPECT_EQ(U16(file, 26), 1u);
  EXPECT_EQ(U16(file, 28), 24u);
  EXPECT_EQ(U32(file, 30), 0u);
  EXPECT_EQ(U32(file, 34), 48u);
  EXPECT_EQ(U32(file, 38), 2835u);
  EXPECT_EQ(U32(file, 42), 2835u);
  for (int32_t row = 0; row < 3; ++row) {
    const size_t at = 54 + row * 16;
    for (int32_t x = 0; x < 5; ++x) {
      const uint32_t stored = file[at + x * 3] | file[at + x * 3 + 1] << 8 | file[at + x * 3 + 2] << 16;
      EXPECT_EQ(stored, picture.At(x, 2 - row) & 0xFFFFFF);
    }
    EXPECT_EQ(file[at + 15], 0);
  }
}

TEST(Rle8, RoundTripsThroughAnIndependentDecoder) {
  std::mt19937 random(1962);
  // Widths around the 255-pixel run limit and the odd/even padding of
  // absolute runs; contents from noise to long runs.
  const int32_t widths[] = {1, 2, 3, 4, 5, 254, 255, 256, 257, 511, 766};
  for (int32_t width : widths) {
    for (int kind = 0; kind < 4; ++kind) {
      Picture picture{width, 7, {}};
      uint32_t colour = 0;
      for (int32_t i = 0; i < width * 7; ++i) {
        const uint32_t roll = random();
        if (kind == 0) colour = roll % 256;                           // noise
        if (kind == 1 && roll % 9 == 0) colour = roll % 7;            // short runs
        if (kind == 2 && roll % 300 == 0) colour = roll % 3;          // long runs
        if (kind == 3) colour = (roll % 5 == 0) ? roll % 200 : i % 2; // pairs, breaks
        picture.pixels.push_back(0xFF000000 | colour * 0x010101);
      }
      SCOPED_TRACE("width " + std::to_string(width) + " kind " + std::to_string(kind));
      ExpectSamePixels(BmpRle8(picture), picture);
    }
  }
}

TEST(Rle8, UsesEncodedRunsForRunsAndAbsoluteRunsForNoise) {
  Picture flat = Made(766, 1, [](int32_t, int32_t) { return 0x336699u; });
  // 255 + 255 + 255 + 1, then end of bitmap.
  EXPECT_EQ(BmpRle8(flat).size(), 1078u + 4 * 2 + 2);
  Picture noise = Made(300, 1, [](int32_t x, int32_t) { return uint32_t(x % 251); });
  // Two absolute runs of even lengths (an odd one costs a pad byte).
  EXPECT_EQ(BmpRle8(noise).size(), 1078u + 2 + 300 + 2 + 2);
  // 255 pixels: an absolute run of 254 and an encoded one of 1.
  Picture longest = Made(255, 1, [](int32_t x, int32_t) { return uint32_t(x); });
  EXPECT_EQ(BmpRle8(longest).size(), 1078u + 2 + 254 + 2 + 2);
}

TEST(Rle8, HeaderAndPalette) {
  const Picture picture = Made(9, 4, [](int32_t x, int32_t y) { return x < 4 ? 0xFF0000u : 0x000080u + y; });
  const Bytes file = BmpRle8(picture);
  EXPECT_EQ(U32(file, 2), file.size());
  EXPECT_EQ(U32(file, 10), 1078u);
  EXPECT_EQ(U16(file, 28), 8u);
  EXPECT_EQ(U32(file, 30), 1u);  // BI_RLE8
  EXPECT_EQ(U32(file, 34), file.size() - 1078);
  EXPECT_EQ(U32(file, 38), 0u);
  EXPECT_EQ(U32(file, 42), 0u);
  // The colours present, ascending, then zeros.
  const uint32_t expected[] = {0x000080, 0x000081, 0x000082, 0x000083, 0xFF0000};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(U32(file, 54 + i * 4), expected[i]);
  for (int i = 5; i < 256; ++i) EXPECT_EQ(U32(file, 54 + i * 4), 0u);
  // Too many colours for a palette.
  EXPECT_TRUE(BmpRle8(Made(257, 1, [](int32_t x, int32_t) { return uint32_t(x); })).empty());
}

TEST(Rle8, ProgramPicturesRoundTrip) {
  std::vector<std::string> names = {"donation-header.png", "skin.png"};
  for (int digit = 1; digit <= 9; ++digit) names.push_back("digit-" + std::to_string(digit) + ".png");
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const Picture picture = Art(name);
    const Bytes file = BmpRle8(picture);
    ASSERT_FALSE(file.empty());
    ExpectSamePixels(file, picture);
    if (name.rfind("digit-", 0) == 0) {
      EXPECT_EQ(picture.width, 26);
      EXPECT_EQ(picture.height, 26);
    }
  }
}

}  // namespace
