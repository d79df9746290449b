// The embedded pictures through the image layer: every bitmap becomes an
// image of its size, the 24-bit files have their exact sizes, the RLE8
// pictures (digits, donation header, the unpacked skin) decode to exactly
// the pixels of their sources, and the program carries icon 1.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gui/skin_format.h"
#include "gui/unpack.h"
#include "runtime/images.h"
#include "ui/pictures.h"

extern const unsigned char REFERENCE_DIGIT_1[], REFERENCE_DIGIT_2[], REFERENCE_DIGIT_3[],
    REFERENCE_DIGIT_4[], REFERENCE_DIGIT_5[], REFERENCE_DIGIT_6[], REFERENCE_DIGIT_7[],
    REFERENCE_DIGIT_8[], REFERENCE_DIGIT_9[], REFERENCE_DONATION_HEADER[], REFERENCE_SKIN[];

namespace {

int32_t I32(const unsigned char* p) {
  return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// 0xRRGGBB of pixel (x, y), row 0 on top, of a 24-bit bottom-up file.
uint32_t ReferencePixel(const unsigned char* file, int32_t x, int32_t y) {
  const int32_t width = I32(file + 18);
  const int32_t height = I32(file + 22);
  const int32_t stride = (width * 3 + 3) / 4 * 4;
  const unsigned char* p = file + I32(file + 10) + (height - 1 - y) * stride + x * 3;
  return p[0] | p[1] << 8 | p[2] << 16;
}

// Pixels of the bitmap that differ from the reference file.
int32_t WrongPixels(HBITMAP bitmap, const unsigned char* reference) {
  const int32_t width = I32(reference + 18);
  const int32_t height = I32(reference + 22);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC screen = CreateCompatibleDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
  DeleteDC(screen);
  if (rows != height) return -1;

  int32_t wrong = 0;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      wrong += (pixels[y * width + x] & 0xFFFFFF) != ReferencePixel(reference, x, y);
    }
  }
  return wrong;
}

class Pictures : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ImageLayerStart());
    // Exact colours need a true-colour display.
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_GE(GetDeviceCaps(display, BITSPIXEL), 24);
    DeleteDC(display);
  }
  void TearDown() override { ImageLayerStop(); }
};

TEST_F(Pictures, EveryBitmapBecomesAnImageOfItsSize) {
  const struct {
    const unsigned char* data;
    int32_t width, height;
  } pictures[] = {
      {PICTURE_ABOUT_BANNER, 332, 76},     {PICTURE_PROGRAM_NAME, 135, 35},
      {PICTURE_PORTRAIT, 142, 190},        {PICTURE_PORTRAIT_CAPTION, 114, 19},
      {PICTURE_DONATION_HEADER, 410, 80},  {PICTURE_DONATION_MESSAGE, 410, 220},
      {PICTURE_DONATION_THANKS, 410, 140},
  };
  int32_t number = 1;
  for (const auto& p : pictures) {
    ASSERT_NE(ImageLoadFromMemory(number++, p.data), nullptr) << p.width << " x " << p.height;
    EXPECT_EQ(ImageWidth(), p.width);
    EXPECT_EQ(ImageHeight(), p.height);
  }
  for (int digit = 1; digit <= DIGIT_MARKER_COUNT; ++digit) {
    ASSERT_NE(ImageLoadFromMemory(165 + digit, PICTURE_DIGIT_MARKERS[digit - 1]), nullptr) << digit;
    EXPECT_EQ(ImageWidth(), 26);
    EXPECT_EQ(ImageHeight(), 26);
  }
}

TEST_F(Pictures, TrueColourFilesHaveTheirExactSizes) {
  const struct {
    const unsigned char* data;
    size_t size;
    size_t expected;
  } files[] = {
      {PICTURE_ABOUT_BANNER, PICTURE_ABOUT_BANNER_SIZE, 75750},
      {PICTURE_DONATION_MESSAGE, PICTURE_DONATION_MESSAGE_SIZE, 271094},
      {PICTURE_DONATION_THANKS, PICTURE_DONATION_THANKS_SIZE, 172534},
      {PICTURE_PROGRAM_NAME, PICTURE_PROGRAM_NAME_SIZE, 14334},
      {PICTURE_PORTRAIT, PICTURE_PORTRAIT_SIZE, 81374},
      {PICTURE_PORTRAIT_CAPTION, PICTURE_PORTRAIT_CAPTION_SIZE, 6590},
  };
  for (const auto& f : files) {
    EXPECT_EQ(f.size, f.expected);
    EXPECT_EQ(static_cast<size_t>(I32(f.data + 2)), f.expected);
    EXPECT_EQ(I32(f.data + 10), 54);
    EXPECT_EQ(I32(f.data + 38), 2835);
  }
}

TEST_F(Pictures, RunLengthPicturesDecodeToTheirSourcePixels) {
  const unsigned char* const references[] = {REFERENCE_DIGIT_1, REFERENCE_DIGIT_2, REFERENCE_DIGIT_3,
                                             REFERENCE_DIGIT_4, REFERENCE_DIGIT_5, REFERENCE_DIGIT_6,
                                             REFERENCE_DIGIT_7, REFERENCE_DIGIT_8, REFERENCE_DIGIT_9};
  for (int digit = 1; digit <= DIGIT_MARKER_COUNT; ++digit) {
    const unsigned char* marker = PICTURE_DIGIT_MARKERS[digit - 1];
    EXPECT_EQ(I32(marker + 10), 1078);
    EXPECT_EQ(I32(marker + 30), BI_RLE8);
    EXPECT_EQ(WrongPixels(ImageLoadFromMemory(166, marker), references[digit - 1]), 0) << digit;
  }
  EXPECT_EQ(WrongPixels(ImageLoadFromMemory(1, PICTURE_DONATION_HEADER), REFERENCE_DONATION_HEADER), 0);
}

TEST_F(Pictures, SkinBlockUnpacksToTheSkinPicture) {
  EXPECT_EQ(std::memcmp(SKIN_BLOCK + SKIN_SIGNATURE_OFFSET, SKIN_SIGNATURE, 48), 0);
  EXPECT_EQ(SKIN_BLOCK[SKIN_SIGNATURE_OFFSET + 48], 13);
  EXPECT_EQ(SKIN_BLOCK[SKIN_SIGNATURE_OFFSET + 49], 10);
  const int32_t pictureSize = I32(SKIN_BLOCK + SKIN_PICTURE_SIZE_OFFSET);
  const int32_t packedSize = I32(SKIN_BLOCK + SKIN_PACKED_SIZE_OFFSET);
  EXPECT_LE(packedSize * 2, pictureSize);
  // Everything up to the runs, then the run table of 335 runs.
  const unsigned char* table = SKIN_BLOCK + SKIN_PICTURE_OFFSET + packedSize;
  EXPECT_EQ(I32(table), 335 * SKIN_RUN_SIZE);
  EXPECT_EQ(SKIN_BLOCK_SIZE, static_cast<size_t>(table + 4 + 335 * SKIN_RUN_SIZE - SKIN_BLOCK));

  std::vector<unsigned char> picture(pictureSize);
  ASSERT_EQ(Unpack(SKIN_BLOCK + SKIN_PICTURE_OFFSET, packedSize, picture.data(), pictureSize), pictureSize);
  HBITMAP skin = ImageLoadFromMemory(30, picture.data());
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(ImageWidth(), 766);
  EXPECT_EQ(ImageHeight(), 579);
  EXPECT_EQ(WrongPixels(skin, REFERENCE_SKIN), 0);
}

TEST(ProgramIcon, IconOneIsA32By32ColourIconWithItsMask) {
  auto* icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  ASSERT_NE(info.hbmColor, nullptr);
  BITMAP colour{};
  GetObjectA(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, 32);
  EXPECT_EQ(colour.bmHeight, 32);
  // The mask: the gap between the first two squares is transparent, their
  // insides are not.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, info.hbmMask);
  EXPECT_EQ(GetPixel(dc, 10, 5) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(GetPixel(dc, 5, 5) & 0xFFFFFF, 0u);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

}  // namespace
