// The window as a whole: minimising and restoring, and moving it by its face.
#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

RECT WindowRect(const Program& program) {
  RECT rect = {};
  GetWindowRect(program.Window(), &rect);
  return rect;
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
  // Dragged by the roof picture, then back from between two boxes.
  for (const auto& [at, dx, dy] : {std::tuple{POINT{383, 185}, 60, 40}, {POINT{301, 350}, -60, -40}}) {
    const int top = WINDOW_Y + (dy > 0 ? 40 : 0);
    const POINT from = program.ScreenPoint(at.x, at.y);
    input::MouseMove(from.x, from.y);
    input::MouseDown();
    for (int step = 1; step <= 10; Sleep(20), ++step) {
      input::MouseMove(from.x + dx * step / 10, from.y + dy * step / 10);
    }
    input::MouseUp();
    EXPECT_TRUE(WaitFor([&] { return WindowRect(program).top == top; }, 3000));
    EXPECT_EQ(WindowRect(program).left, WINDOW_X + (dx > 0 ? 60 : 0));
  }
  EXPECT_EQ(program.Rows(), typed);
}

}  // namespace
}  // namespace e2e
