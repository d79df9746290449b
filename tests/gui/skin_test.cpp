// The skinned window: the signature check, the size and outline taken from
// the block, the face that lets presses through to the window, and showing.
#include <cstring>
#include <vector>

#include "gui/gadget.h"
#include "gui/skin.h"
#include "gui/skin_format.h"
#include "gui/window.h"
#include "runtime/images.h"
#include "tests/gui/gui_fixture.h"
#include "tests/runtime/bmp_builder.h"
#include "tests/support/input.h"

namespace {

using bmp_builder::Bytes;

constexpr int32_t WIDTH = 240;
constexpr int32_t HEIGHT = 160;
// Rows 0 to 29 lose a slanted strip on the left; the strip is 60 - 2y wide.
constexpr int32_t CUT_ROWS = 30;

void Append32(Bytes& b, int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Append16(Bytes& b, int16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

// A block holding the picture as it is (packed flag 0) and the runs.
Bytes SkinBlock() {
  Bytes picture = bmp_builder::Make24(WIDTH, HEIGHT, [](int x, int y) {
    return static_cast<uint32_t>((x * 255 / WIDTH) << 16 | (y * 255 / HEIGHT) << 8 | 0x60);
  });
  Bytes block = {1, 0};
  Append32(block, static_cast<int32_t>(picture.size()));
  Append32(block, 0);
  block.insert(block.end(), SKIN_SIGNATURE, SKIN_SIGNATURE + 48);
  block.insert(block.end(), {13, 10});
  block.insert(block.end(), picture.begin(), picture.end());
  Append32(block, CUT_ROWS * SKIN_RUN_SIZE);
  for (int16_t y = 0; y < CUT_ROWS; ++y) {
    Append16(block, 0);
    Append16(block, y);
    Append16(block, static_cast<int16_t>(60 - 2 * y));
  }
  return block;
}

class SkinTest : public GuiTest {
 protected:
  static HWND OpenHidden() {
    HWND window = WindowOpen(19, 120, 80, 411, 295, WS_POPUP | WINDOW_HIDDEN, "Skin");
    GadgetListOpen(window);
    return window;
  }
  void TearDown() override {
    GuiTest::TearDown();
    ImageFree(30);
  }
};

TEST_F(SkinTest, ADifferentSignatureIsRefusedAndChangesNothing) {
  HWND window = OpenHidden();
  RECT before;
  GetWindowRect(window, &before);
  for (int at : {0, 17, 47}) {
    Bytes block = SkinBlock();
    block[SKIN_SIGNATURE_OFFSET + at] ^= 0x20;
    EXPECT_EQ(SkinApply(19, 20, 30, block.data(), 0), 0) << at;
  }
  RECT after;
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);  // no outline was given
  DeleteObject(region);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GadgetHandle(20), nullptr);
}

TEST_F(SkinTest, WindowTakesThePictureSizeAndOutlineAndShowsWhenAsked) {
  HWND window = OpenHidden();
  Bytes block = SkinBlock();
  ASSERT_EQ(SkinApply(19, 20, 30, block.data(), 0), 1);

  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 120);
  EXPECT_EQ(outer.top, 80);
  EXPECT_EQ(outer.right - outer.left, WIDTH);
  EXPECT_EQ(outer.bottom - outer.top, HEIGHT);

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 59, 0));
  EXPECT_TRUE(PtInRegion(region, 60, 0));
  EXPECT_FALSE(PtInRegion(region, 1, 29));
  EXPECT_TRUE(PtInRegion(region, 2, 29));
  EXPECT_TRUE(PtInRegion(region, 0, CUT_ROWS));
  EXPECT_TRUE(PtInRegion(region, WIDTH - 1, HEIGHT - 1));
  DeleteObject(region);

  HWND face = GadgetHandle(20);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(GetWindowLongA(face, GWL_STYLE) & SS_NOTIFY, 0);
  RECT faceRect;
  GetWindowRect(face, &faceRect);
  EXPECT_EQ(faceRect.right - faceRect.left, WIDTH);

  EXPECT_FALSE(IsWindowVisible(window));
  SkinShow(19, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  SetForegroundWindow(window);
  Events();

  // A press on the face reaches the window itself as the raw message.
  POINT inside = input::ScreenPoint(window, WIDTH / 2, HEIGHT / 2);
  input::Click(inside.x, inside.y);
  auto presses = WithCode(Events(), WM_LBUTTONDOWN);
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0].window, 19);
  // The cut-away corner belongs to whatever lies behind.
  POINT corner = input::ScreenPoint(window, 5, 5);
  EXPECT_NE(WindowFromPoint(corner), window);
  EXPECT_NE(GetAncestor(WindowFromPoint(corner), GA_ROOT), window);

  SkinShow(19, 1);
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(SkinTest, CentringShowsTheWindowAtOnce) {
  HWND window = OpenHidden();
  Bytes block = SkinBlock();
  ASSERT_EQ(SkinApply(19, 20, 30, block.data(), 1), 1);
  EXPECT_TRUE(IsWindowVisible(window));
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, GetSystemMetrics(SM_CXSCREEN) / 2 - WIDTH / 2);
  EXPECT_EQ(outer.top, GetSystemMetrics(SM_CYSCREEN) / 2 - HEIGHT / 2);
}

}  // namespace
