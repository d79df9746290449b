// Numbered images from BMP data written by the tests: the bitmaps' size,
// depth and exact pixels, which bitmaps are freed when, and bad data.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/images.h"
#include "tests/runtime/bmp_builder.h"

namespace {

using bmp_builder::Bytes;

// Colours with every component 0 or 255 survive any display depth.
const std::vector<uint32_t> PALETTE = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                       0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};

// Runs of several lengths, broken by a diagonal of single pixels.
uint32_t MarkerIndex(int32_t x, int32_t y) { return x == y ? 1 : (x / 4 + y / 5) % 8; }
uint32_t MarkerColour(int32_t x, int32_t y) { return PALETTE[MarkerIndex(x, y)]; }
uint32_t TrueColour(int32_t x, int32_t y) { return PALETTE[(x + 3 * y) % 8]; }

Bytes Marker() { return bmp_builder::MakeRle8(26, 26, PALETTE, MarkerIndex); }

// Counts the pixels that differ from colour(x, y), read back as 0xRRGGBB.
int32_t WrongPixels(HBITMAP bitmap, int32_t width, int32_t height, uint32_t (*colour)(int32_t, int32_t)) {
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC screen = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDIBits(screen, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS), height);
  DeleteDC(screen);
  int32_t wrong = 0;
  for (int32_t i = 0; i < width * height; ++i) wrong += (pixels[i] & 0xFFFFFF) != colour(i % width, i / width);
  return wrong;
}

class Images : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ImageLayerStart()); }
  void TearDown() override { ImageLayerStop(); }
};

TEST_F(Images, RunLengthPictureBecomesADisplayBitmapWithItsPixels) {
  const Bytes picture = Marker();
  HBITMAP bitmap = ImageLoadFromMemory(166, picture.data());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(ImageWidth(), 26);
  EXPECT_EQ(ImageHeight(), 26);
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  EXPECT_EQ(info.bmBitsPixel, GetDeviceCaps(display, BITSPIXEL));
  DeleteDC(display);
  EXPECT_EQ(info.bmWidth, 26);
  EXPECT_EQ(info.bmHeight, 26);
  EXPECT_EQ(WrongPixels(bitmap, 26, 26, MarkerColour), 0);
}

TEST_F(Images, TrueColourRowsKeepTheirOrderAndPadding) {
  // 5 pixels of 3 bytes: every row carries one byte of padding.
  const Bytes bottomUp = bmp_builder::Make24(5, 3, TrueColour);
  const Bytes topDown = bmp_builder::Make24(5, 3, TrueColour, true);
  EXPECT_EQ(WrongPixels(ImageLoadFromMemory(26, bottomUp.data()), 5, 3, TrueColour), 0);
  EXPECT_EQ(WrongPixels(ImageLoadFromMemory(27, topDown.data()), 5, 3, TrueColour), 0);
  EXPECT_EQ(ImageHeight(), 3);
}

TEST_F(Images, LoadingANumberAgainFreesTheFirstBitmap) {
  const Bytes picture = Marker();
  EXPECT_EQ(ImageTableCapacity(), 11);
  HBITMAP first = ImageLoadFromMemory(166, picture.data());
  EXPECT_EQ(ImageTableCapacity(), 176);
  HBITMAP second = ImageLoadFromMemory(166, picture.data());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetObjectType(first), 0u);  // deleted
  const Bytes small = bmp_builder::Make24(5, 3, TrueColour);
  ImageLoadFromMemory(1, small.data());
  EXPECT_EQ(ImageUse(166), second);
  EXPECT_EQ(ImageWidth(), 26);
  EXPECT_EQ(ImageUse(170), nullptr);
  EXPECT_EQ(ImageUse(5000), nullptr);
  ImageFree(166);
  EXPECT_EQ(GetObjectType(second), 0u);
  EXPECT_EQ(ImageWidth(), 0);  // the current image is gone
}

TEST_F(Images, DataThatIsNoSoundBmpKeepsTheImageHeld) {
  const Bytes picture = Marker();
  HBITMAP held = ImageLoadFromMemory(3, picture.data());
  const char text[] = "not a picture";
  const unsigned char icon[] = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0};
  Bytes noWidth = picture;
  bmp_builder::Put(noWidth, 18, 0);
  Bytes pixelsFarAway = picture;
  bmp_builder::Put(pixelsFarAway, 10, 1u << 30);
  const void* bad[] = {nullptr, text, icon, noWidth.data(), pixelsFarAway.data()};
  for (const void* data : bad) EXPECT_EQ(ImageLoadFromMemory(3, data), nullptr);
  EXPECT_EQ(ImageUse(3), held);
  EXPECT_EQ(GetObjectType(held), DWORD{OBJ_BITMAP});
}

}  // namespace
