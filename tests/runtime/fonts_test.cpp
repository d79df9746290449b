// Numbered fonts: the style each flag gives, the height of a point size at the
// display's resolution, and the earlier font deleted when a number is reused.
#include <gtest/gtest.h>

#include <tuple>

#include "runtime/fonts.h"

namespace {

TEST(Fonts, FlagsAndPointsMakeTheFontAndReusingTheNumberDeletesTheOldOne) {
  ASSERT_TRUE(FontLayerStart());
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int pixelsPerInch = GetDeviceCaps(display, LOGPIXELSY);
  DeleteDC(display);
  // Weight, italic, underline, strike-out, quality.
  using Style = std::tuple<LONG, BYTE, BYTE, BYTE, BYTE>;
  const struct {
    int32_t points;
    uint32_t flags;
    Style style;
  } cases[] = {
      {16, 0, {FW_NORMAL, 0, 0, 0, DEFAULT_QUALITY}},
      {8, FONT_BOLD | FONT_UNDERLINE, {FW_BOLD, 0, 1, 0, DEFAULT_QUALITY}},
      {10, FONT_ITALIC | FONT_STRIKEOUT | FONT_HIGH_QUALITY, {FW_NORMAL, 1, 0, 1, PROOF_QUALITY}},
  };
  HFONT previous = nullptr;
  for (const auto& c : cases) {
    HFONT font = FontLoad(120, "Arial", c.points, c.flags);  // a number beyond the first table
    LOGFONTA lf{};
    ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), int{sizeof lf});
    // Negative: the character's height, not the cell's.
    EXPECT_EQ(lf.lfHeight, -MulDiv(c.points, pixelsPerInch, 72)) << c.points;
    EXPECT_EQ(Style(lf.lfWeight, lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfQuality),
              c.style);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_TRUE(!previous || GetObjectType(previous) == 0);  // the earlier one deleted
    previous = font;
  }
  FontLayerStop();
}

}  // namespace
