// The window as a whole: minimising and restoring, moving it by its face,
// and the slider dragged with the mouse.
#include "tests/e2e/e2e_test.h"

#include <commctrl.h>

namespace e2e {
namespace {

RECT WindowRect(const Program& program) {
  RECT rect = {};
  GetWindowRect(program.Window(), &rect);
  return rect;
}

// Presses at a window point and moves the pointer by (dx, dy) in steps with
// the button held.
void Drag(const Program& program, POINT at, int dx, int dy) {
  const POINT from = program.ScreenPoint(at.x, at.y);
  input::MouseMove(from.x, from.y);
  input::MouseDown();
  for (int step = 1; step <= 10; ++step) {
    Sleep(20);
    input::MouseMove(from.x + dx * step / 10, from.y + dy * step / 10);
  }
  Sleep(50);
}

// "-" minimises and restoring shows the grid unchanged where it was; a press
// on the face (the roof picture, between two boxes) moves the window.
TEST(Window, MinimiseRestoreAndMoveKeepTheGrid) {
  Program program;
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.TypeInCell(0, 0, "4", "4"));
  const Grid typed = program.Rows();
  program.ClickGadget(MINIMISE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(program.Window()) != FALSE; }, 3000));
  PostMessageA(program.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);  // what the task bar sends
  EXPECT_TRUE(WaitFor([&] { return WindowRect(program).left == WINDOW_X; }, 3000));
  EXPECT_EQ(WindowRect(program).bottom, WINDOW_Y + WINDOW_HEIGHT);
  EXPECT_EQ(program.Rows(), typed);
  Shot(program, "restored");
  for (const auto& [at, dx, dy] : {std::tuple{POINT{383, 185}, 60, 40}, {POINT{301, 350}, -60, -40}}) {
    Drag(program, at, dx, dy);
    input::MouseUp();
    EXPECT_TRUE(WaitFor([&] { return WindowRect(program).left == WINDOW_X + (dx > 0 ? 60 : 0); },
                        3000));
    EXPECT_EQ(WindowRect(program).top, WINDOW_Y + (dy > 0 ? 40 : 0));
  }
  EXPECT_EQ(program.Rows(), typed);
}

// While the mouse button holds the slider, its events leave the level
// alone; a later event with the button up takes the new position. The
// thumb's place is found on a slider of the same size and style here.
TEST(Slider, DragWithTheButtonHeldChangesTheLevelOnlyLater) {
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 1)));
  const RECT slider = program.GadgetRect(SLIDER);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HWND twin = CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_POPUP | TBS_AUTOTICKS, 0, 0,
                              slider.right - slider.left, slider.bottom - slider.top, nullptr,
                              nullptr, nullptr, nullptr);
  SendMessageA(twin, TBM_SETRANGE, TRUE, MAKELPARAM(1, 3));
  RECT thumb = {};
  SendMessageA(twin, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  DestroyWindow(twin);
  const POINT press = {slider.left + (thumb.left + thumb.right) / 2,
                       slider.top + (thumb.top + thumb.bottom) / 2};
  Drag(program, press, slider.right - slider.left, 0);
  EXPECT_TRUE(WaitFor([&] { return program.SliderPosition() == 3; }, 3000));
  Sleep(200);
  EXPECT_EQ(program.Text(LEVEL_NAME), "Easy sudoku");
  input::MouseUp();
  program.ClickCell(4, 4);  // a later gadget event
  EXPECT_TRUE(WaitFor([&] { return program.Text(LEVEL_NAME) == "Hard sudoku"; }, 3000));
  EXPECT_EQ(Quit(program), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 3));
}

}  // namespace
}  // namespace e2e
