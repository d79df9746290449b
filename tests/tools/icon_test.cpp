// The icon file: one 32 x 32 24-bit image whose AND mask marks the
// transparent pixels.
#include <gtest/gtest.h>

#include "tools/picture/file_bytes.h"
#include "tools/picture/icon_write.h"

namespace {

uint32_t U32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

constexpr size_t IMAGE_AT = 22;
constexpr size_t COLOURS_AT = IMAGE_AT + 40;
constexpr size_t MASK_AT = COLOURS_AT + 32 * 32 * 3;

bool MaskBit(const Bytes& icon, int32_t x, int32_t y) {
  const size_t row = MASK_AT + static_cast<size_t>(31 - y) * 4;  // bottom-up
  return icon[row + x / 8] & (0x80 >> (x % 8));
}

TEST(Icon, DirectoryImageAndMask) {
  Picture picture{32, 32, std::vector<uint32_t>(32 * 32, 0xFF123456)};
  picture.pixels[0] = 0x00FFFFFF;           // top-left: transparent
  picture.pixels[31 * 32 + 31] = 0x7F000000;  // bottom-right: transparent
  const Bytes icon = IconFile(picture);
  ASSERT_EQ(icon.size(), MASK_AT + 32 * 4);
  EXPECT_EQ(U32(icon, 0), 0x00010000u);  // reserved 0, type 1
  EXPECT_EQ(icon[4], 1);
  EXPECT_EQ(icon[6], 32);
  EXPECT_EQ(icon[7], 32);
  EXPECT_EQ(icon[12], 24);
  EXPECT_EQ(U32(icon, 14), icon.size() - IMAGE_AT);
  EXPECT_EQ(U32(icon, 18), IMAGE_AT);
  EXPECT_EQ(U32(icon, IMAGE_AT + 8), 64u);  // colour and mask rows
  EXPECT_TRUE(MaskBit(icon, 0, 0));
  EXPECT_TRUE(MaskBit(icon, 31, 31));
  EXPECT_FALSE(MaskBit(icon, 1, 0));
  // Top-left pixel is the last row's first pixel; transparent ones are black.
  const size_t topLeft = COLOURS_AT + 31 * 96;
  EXPECT_EQ(icon[topLeft] | icon[topLeft + 1] << 8 | icon[topLeft + 2] << 16, 0);
  EXPECT_EQ(icon[topLeft + 3] | icon[topLeft + 4] << 8 | icon[topLeft + 5] << 16, 0x123456);
  EXPECT_TRUE(IconFile(Picture{16, 16, std::vector<uint32_t>(256)}).empty());
}

TEST(Icon, ProgramIconShowsItsGapsThrough) {
  Picture picture;
  ASSERT_TRUE(ReadPng(TESSEL_ART_DIR "/icon.png", picture));
  const Bytes icon = IconFile(picture);
  ASSERT_FALSE(icon.empty());
  EXPECT_TRUE(MaskBit(icon, 10, 5));   // between two squares
  EXPECT_FALSE(MaskBit(icon, 5, 5));   // inside the first square
}

}  // namespace
