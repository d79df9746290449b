// Numbered fonts: the style and height each platform font is made with, and
// when the earlier font under a number is deleted.
#include <gtest/gtest.h>

#include "runtime/fonts.h"

namespace {

class Fonts : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FontLayerStart()); }
  void TearDown() override { FontLayerStop(); }
};

LOGFONTA Describe(HFONT font) {
  LOGFONTA description{};
  EXPECT_EQ(GetObjectA(font, sizeof description, &description), int{sizeof description});
  return description;
}

TEST_F(Fonts, HighNumberGrowsTheTableAndLoadingAgainDeletesTheOldFont) {
  EXPECT_EQ(FontTableCapacity(), 10);
  HFONT first = FontLoad(120, "Arial", 16, FONT_BOLD);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(FontTableCapacity(), 150);
  HFONT second = FontLoad(120, "Arial", 10);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetObjectType(first), 0u);  // deleted
  EXPECT_EQ(Describe(second).lfWeight, FW_NORMAL);  // the earlier load's style is gone
  FontFree(120);
  EXPECT_EQ(GetObjectType(second), 0u);
}

TEST_F(Fonts, FlagsChooseTheStyle) {
  struct Case {
    uint32_t flags;
    LONG weight;
    BYTE italic, underline, strikeOut, quality;
  };
  const Case cases[] = {
      {0, FW_NORMAL, 0, 0, 0, DEFAULT_QUALITY},
      {FONT_BOLD | FONT_UNDERLINE, FW_BOLD, 0, 1, 0, DEFAULT_QUALITY},
      {FONT_ITALIC | FONT_STRIKEOUT | FONT_HIGH_QUALITY, FW_NORMAL, 1, 0, 1, PROOF_QUALITY},
  };
  for (const Case& c : cases) {
    const LOGFONTA font = Describe(FontLoad(1, "Arial", 12, c.flags));
    EXPECT_EQ(font.lfWeight, c.weight) << c.flags;
    EXPECT_EQ(font.lfItalic, c.italic) << c.flags;
    EXPECT_EQ(font.lfUnderline, c.underline) << c.flags;
    EXPECT_EQ(font.lfStrikeOut, c.strikeOut) << c.flags;
    EXPECT_EQ(font.lfQuality, c.quality) << c.flags;
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(font.lfFaceName, "Arial");
  }
}

TEST_F(Fonts, HeightIsTheCharacterHeightAtTheDisplaysResolution) {
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int pixelsPerInch = GetDeviceCaps(display, LOGPIXELSY);
  DeleteDC(display);
  const LONG sixteen = Describe(FontLoad(1, "Arial", 16, FONT_BOLD)).lfHeight;
  const LONG eight = Describe(FontLoad(2, "Arial", 8, FONT_BOLD)).lfHeight;
  EXPECT_EQ(sixteen, -MulDiv(16, pixelsPerInch, 72));
  EXPECT_EQ(eight, -MulDiv(8, pixelsPerInch, 72));
  if (pixelsPerInch == 96) {
    EXPECT_EQ(sixteen, -21);
    EXPECT_EQ(eight, -11);
  }
}

}  // namespace
