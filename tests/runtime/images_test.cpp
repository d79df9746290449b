// Numbered images: RLE8 and 24-bit BMP data become display bitmaps with
// exactly their pixels; reusing a number frees the earlier bitmap, and data
// the header checks refuse leaves it in place.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/images.h"
#include "tests/runtime/bmp_builder.h"

namespace {

// Colours with every component 0 or 255 survive any display depth.
const std::vector<uint32_t> PALETTE = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                       0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};

// Runs of several lengths, broken by a diagonal of single pixels.
uint32_t Index(int32_t x, int32_t y) { return x == y ? 1 : (x / 4 + y / 5) % 8; }
uint32_t Colour(int32_t x, int32_t y) { return PALETTE[Index(x, y)]; }

// Pixels of the bitmap that differ from Colour, read back as 0xRRGGBB.
int32_t WrongPixels(HBITMAP bitmap, int32_t width, int32_t height) {
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDIBits(dc, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS), height);
  DeleteDC(dc);
  int32_t wrong = 0;
  for (int32_t i = 0; i < width * height; ++i) {
    wrong += (pixels[i] & 0xFFFFFF) != Colour(i % width, i / width);
  }
  return wrong;
}

TEST(Images, BmpDataBecomesABitmapWithItsPixelsUnderItsNumber) {
  ASSERT_TRUE(ImageLayerStart());
  const struct {
    bmp_builder::Bytes data;
    int32_t width, height;
  } cases[] = {
      {bmp_builder::MakeRle8(26, 26, PALETTE, Index), 26, 26},
      {bmp_builder::Make24(5, 3, Colour), 5, 3},        // one byte of padding per row
      {bmp_builder::Make24(5, 3, Colour, true), 5, 3},  // rows stored top down
  };
  HBITMAP previous = nullptr;
  for (const auto& c : cases) {
    HBITMAP bitmap = ImageLoadFromMemory(166, c.data.data());  // beyond the first table
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(ImageWidth(), c.width);
    EXPECT_EQ(ImageHeight(), c.height);
    EXPECT_EQ(WrongPixels(bitmap, c.width, c.height), 0) << c.width;
    EXPECT_TRUE(!previous || GetObjectType(previous) == 0);  // the earlier one freed
    previous = bitmap;
  }
  const void* const refused[] = {nullptr, "not a picture"};
  for (const void* data : refused) EXPECT_EQ(ImageLoadFromMemory(166, data), nullptr);
  EXPECT_EQ(ImageLoadFromMemory(-1, cases[0].data.data()), nullptr);
  EXPECT_EQ(ImageUse(170), nullptr);
  EXPECT_EQ(ImageUse(166), previous);
  ImageFree(166);
  EXPECT_EQ(GetObjectType(previous), 0u);
  EXPECT_EQ(ImageWidth(), 0);  // the current image went with it
  ImageLayerStop();
}

}  // namespace
