// The program's own skin on a borderless window at the main window's place,
// with the three pictures of the left panel where the main window has them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "gui/gadget.h"
#include "gui/skin.h"
#include "gui/window.h"
#include "runtime/images.h"
#include "tests/support/input.h"
#include "tests/support/screenshot.h"
#include "ui/pictures.h"

namespace {

struct Picture {
  int32_t number, x, y;
  const unsigned char* data;
};

constexpr Picture LEFT_PANEL[] = {
    {27, 16, 190, PICTURE_PORTRAIT},
    {28, 31, 383, PICTURE_PORTRAIT_CAPTION},
    {26, 18, 522, PICTURE_PROGRAM_NAME},
};

// Takes events until one with this code arrives or the time runs out.
bool EventArrives(int32_t code, DWORD milliseconds) {
  bool arrived = false;
  input::WaitUntil([&] { return arrived; }, milliseconds,
                   [&] { arrived = EventWait() == code; });
  return arrived;
}

TEST(MainFace, SkinShapesTheWindowAndItsFaceTakesPresses) {
  static bool started = [] {
    InitCommonControls();
    return WindowLayerStart() && GadgetLayerStart();
  }();
  ASSERT_TRUE(started);
  HWND window = WindowOpen(19, 120, 80, 411, 295, WS_POPUP | WINDOW_HIDDEN, "Tessel SUDOKU");
  ASSERT_TRUE(window && GadgetListOpen(window));
  ASSERT_EQ(SkinApply(19, 20, 30, SKIN_BLOCK, 0), 1);

  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 120);
  EXPECT_EQ(outer.top, 80);
  EXPECT_EQ(outer.right - outer.left, 766);
  EXPECT_EQ(outer.bottom - outer.top, 579);
  EXPECT_FALSE(IsWindowVisible(window));

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 2, 2));    // above the slanted edge, left
  EXPECT_FALSE(PtInRegion(region, 763, 2));  // and right
  EXPECT_TRUE(PtInRegion(region, 383, 300));
  EXPECT_TRUE(PtInRegion(region, 640, 71));  // the minimise button's place
  DeleteObject(region);

  for (const Picture& picture : LEFT_PANEL) {
    ASSERT_NE(ImageLoadFromMemory(picture.number, picture.data), nullptr);
    EXPECT_NE(PictureCreate(picture.number, picture.x, picture.y, 10, 10,
                            ImageUse(picture.number), 0),
              nullptr);
  }
  SkinShow(19, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  SetForegroundWindow(window);
  input::PumpMessages(300);
  SaveScreenshot("skinned-window");

  POINT face = input::ScreenPoint(window, 383, 185);
  input::Click(face.x, face.y);
  EXPECT_TRUE(EventArrives(WM_LBUTTONDOWN, 3000));
  EXPECT_EQ(EventWindowNumber(), 19);
  WindowCloseAll();
}

}  // namespace
