// BMP header checks: the program's own formats pass; a header that would let
// the platform read outside the file, or that it could not use, fails.
#include <gtest/gtest.h>

#include "runtime/bmp_header.h"
#include "tests/runtime/bmp_builder.h"

namespace {

using bmp_builder::Bytes;

Bytes Rle8() {
  return bmp_builder::MakeRle8(26, 26, {0, 0xFFFFFF, 0xFF0000},
                               [](int32_t x, int32_t y) { return uint32_t(x / 3 + y) % 3; });
}

Bytes Rgb24() {
  return bmp_builder::Make24(3, 2, [](int32_t x, int32_t y) { return 0x102030u * (x + y); });
}

TEST(BmpHeader, AcceptsRunLengthAndTrueColourFiles) {
  BmpLayout layout;
  const Bytes rle = Rle8();
  ASSERT_TRUE(BmpReadLayout(rle.data(), rle.size(), layout));
  EXPECT_EQ(layout.width, 26);
  EXPECT_EQ(layout.height, 26);
  EXPECT_EQ(layout.colourCount, 3u);
  EXPECT_EQ(layout.pixelOffset, 54u + 3 * 4);
  EXPECT_EQ(layout.pixelBytes, rle.size() - layout.pixelOffset);
  const Bytes rgb = Rgb24();
  ASSERT_TRUE(BmpReadLayout(rgb.data(), SIZE_MAX, layout));  // bounded by its own file size
  EXPECT_EQ(layout.pixelBytes, 2u * 12);                      // rows of 9 bytes padded to 12
}

TEST(BmpHeader, ReadsNoFurtherThanTheBytesGiven) {
  // Arrays exactly as long as the checks may look: the sanitizers catch more.
  const uint8_t signature[] = {'B', 'M'};
  const uint8_t tinyFileSize[] = {'B', 'M', 20, 0, 0, 0};
  const uint8_t icon[] = {0, 0, 1, 0, 1, 0};
  BmpLayout layout;
  EXPECT_FALSE(BmpReadLayout(nullptr, SIZE_MAX, layout));
  EXPECT_FALSE(BmpReadLayout(signature, sizeof signature, layout));
  EXPECT_FALSE(BmpReadLayout(tinyFileSize, sizeof tinyFileSize, layout));
  EXPECT_FALSE(BmpReadLayout(icon, sizeof icon, layout));
  const Bytes rgb = Rgb24();
  EXPECT_FALSE(BmpReadLayout(rgb.data(), rgb.size() - 1, layout));  // claims more than there is
}

TEST(BmpHeader, MalformedHeadersAreRefused) {
  struct Damage {
    const char* what;
    bool rle;
    size_t at;
    uint32_t value;
    int bytes;
  };
  const Damage cases[] = {
      {"file size below the headers", false, 2, 53, 4},
      {"older header", false, 14, 12, 4},
      {"newer header", false, 14, 124, 4},
      {"zero width", false, 18, 0, 4},
      {"negative width", false, 18, 0xFFFFFFFD, 4},
      {"huge width", false, 18, 100000, 4},
      {"zero height", false, 22, 0, 4},
      {"most negative height", false, 22, 0x80000000, 4},
      {"rows past the end", false, 22, 3, 4},
      {"two planes", false, 26, 2, 2},
      {"7 bits per pixel", false, 28, 7, 2},
      {"bit-field masks", false, 30, 3, 4},
      {"24-bit run-length", false, 30, BMP_RLE8, 4},
      {"true-colour table too long", false, 46, 0x40000000, 4},
      {"top-down run-length", true, 22, 0xFFFFFFE6, 4},
      {"colour table too long", true, 46, 257, 4},
      {"pixels inside the colour table", true, 10, 60, 4},
      {"pixels at the end", true, 2, 66, 4},
      {"no run-length size", true, 34, 0, 4},
      {"run-length size past the end", true, 34, 0xFFFFFFF0, 4},
  };
  for (const Damage& damage : cases) {
    Bytes b = damage.rle ? Rle8() : Rgb24();
    bmp_builder::Put(b, damage.at, damage.value, damage.bytes);
    BmpLayout layout;
    EXPECT_FALSE(BmpReadLayout(b.data(), b.size(), layout)) << damage.what;
  }
}

}  // namespace
