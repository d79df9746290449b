// The window as a whole: minimising and restoring, moving it by its face,
// and the slider dragged with the mouse.
#include "tests/e2e/e2e_test.h"

#include <commctrl.h>

namespace e2e {
namespace {

constexpr COLORREF YELLOW = RGB(255, 255, 224);

RECT WindowRect(const Program& program) {
  RECT rect = {};
  GetWindowRect(program.Window(), &rect);
  return rect;
}

// Presses at a window point, moves the pointer by (dx, dy) in steps with the
// button held, and releases.
void Drag(const Program& program, int x, int y, int dx, int dy) {
  const POINT from = program.ScreenPoint(x, y);
  input::MouseMove(from.x, from.y);
  input::MouseDown();
  constexpr int STEPS = 10;
  for (int step = 1; step <= STEPS; ++step) {
    Sleep(20);
    input::MouseMove(from.x + dx * step / STEPS, from.y + dy * step / STEPS);
  }
  Sleep(50);
  input::MouseUp();
}

// The centre of the slider's thumb at `position`, in the slider's own
// coordinates, found on a slider of the same size and style here.
POINT SliderThumbCentre(const RECT& slider, int position) {
  const int width = slider.right - slider.left;
  const int height = slider.bottom - slider.top;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                nullptr, nullptr);
  HWND probe = CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS, 0, 0,
                               width, height, parent, nullptr, nullptr, nullptr);
  SendMessageA(probe, TBM_SETRANGE, TRUE, MAKELPARAM(1, 3));
  SendMessageA(probe, TBM_SETPOS, TRUE, position);
  RECT thumb = {};
  SendMessageA(probe, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  DestroyWindow(parent);
  return {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
}

TEST(Window, MinimiseAndRestoreKeepTheGrid) {
  Program program;
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.TypeInCell(0, 0, "4", "4"));
  EXPECT_TRUE(program.TypeInCell(8, 8, "2", "2"));
  const Grid typed = program.Rows();

  program.ClickGadget(MINIMISE);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(program.Window()) != FALSE; }, 3000));
  // What a click on the task bar entry sends.
  PostMessageA(program.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  // The state changes before the window is put back in its place.
  WaitFor([&] { return !IsIconic(program.Window()) && WindowRect(program).left == WINDOW_X; },
          3000);
  ASSERT_FALSE(IsIconic(program.Window()));
  const RECT rect = WindowRect(program);
  EXPECT_EQ(rect.left, WINDOW_X);
  EXPECT_EQ(rect.top, WINDOW_Y);
  EXPECT_EQ(rect.right - rect.left, WINDOW_WIDTH);
  EXPECT_EQ(rect.bottom - rect.top, WINDOW_HEIGHT);
  EXPECT_EQ(program.Rows(), typed);
  const RECT cell = program.GadgetRect(CellGadget(4, 4));
  EXPECT_TRUE(WaitFor(
      [&] { return program.Area({cell.left + 4, cell.top + 4, cell.left + 5, cell.top + 5})[0] == YELLOW; },
      3000))
      << "the grid is not painted again";
  Shot(program, "restored");
}

TEST(Window, PressingTheFaceMovesTheWindow) {
  Program program;
  ASSERT_TRUE(program.Start());
  // On the roof picture above the grid, then back from between two boxes.
  Drag(program, 383, 185, 60, 40);
  EXPECT_TRUE(WaitFor([&] { return WindowRect(program).left == WINDOW_X + 60; }, 3000));
  EXPECT_EQ(WindowRect(program).top, WINDOW_Y + 40);

  Drag(program, 301, 350, -60, -40);
  EXPECT_TRUE(WaitFor([&] { return WindowRect(program).left == WINDOW_X; }, 3000));
  EXPECT_EQ(WindowRect(program).top, WINDOW_Y);
  EXPECT_EQ(program.Rows(), EMPTY_ROWS);
}

// While the mouse button holds the slider, its events leave the level
// alone; a later event with the button up takes the new position.
TEST(Slider, DragWithTheButtonHeldChangesTheLevelOnlyLater) {
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 1)));
  const RECT slider = program.GadgetRect(SLIDER);
  const POINT from = SliderThumbCentre(slider, 1);
  const POINT to = SliderThumbCentre(slider, 3);
  const POINT press = program.ScreenPoint(slider.left + from.x, slider.top + from.y);
  input::MouseMove(press.x, press.y);
  input::MouseDown();
  for (int step = 1; step <= 10; ++step) {
    Sleep(20);
    input::MouseMove(press.x + (to.x - from.x + 10) * step / 10, press.y);
  }
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
