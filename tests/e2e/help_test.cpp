// The help topics: every way of opening one reaches the help viewer, and
// with no help file present the program still works afterwards and closes
// the viewer when it ends.
#include <algorithm>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

// The window class of the classic help viewer, which WinHelp looks for.
constexpr char VIEWER_CLASS[] = "MS_WINHELP";

// Closes the windows another process brought up since `before`: an error
// box or the viewer itself.
void CloseNewWindows(const std::vector<HWND>& before, DWORD program) {
  for (HWND window : VisibleWindows(0)) {
    if (std::find(before.begin(), before.end(), window) != before.end()) continue;
    const DWORD process = ProcessOf(window);
    if (process == program || process == GetCurrentProcessId()) continue;
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

TEST(Help, EveryTopicReachesTheViewerWithoutHarm) {
  struct Opening {
    const char* name;
    std::function<void(Program&)> open;
  };
  const Opening openings[] = {
      {"Help button", [](Program& p) { p.ClickGadget(HELP); }},
      {"F1", [](Program& p) { p.Key(VK_F1); }},
      {"Sudoku rules button", [](Program& p) { p.ClickGadget(RULES); }},
      {"portrait", [](Program& p) { p.ClickGadget(PORTRAIT); }},
      {"portrait caption", [](Program& p) { p.ClickGadget(PORTRAIT_CAPTION); }},
  };
  for (const Opening& opening : openings) {
    SCOPED_TRACE(opening.name);
    Program program;
    ASSERT_TRUE(program.Start());
    ASSERT_FALSE(FindWindowA(VIEWER_CLASS, nullptr)) << "a viewer was left from before";
    const std::vector<HWND> before = VisibleWindows(0);
    opening.open(program);
    // Wine's viewer keeps its window hidden and shows nothing for a file
    // that does not exist; Windows may show a message of its own instead.
    EXPECT_TRUE(WaitFor([] { return FindWindowA(VIEWER_CLASS, nullptr) != nullptr; }, 10000));
    Sleep(300);
    CloseNewWindows(before, program.ProcessId());

    EXPECT_TRUE(program.TypeInCell(4, 4, "6", "6")) << "the program no longer responds";
    program.PointerAway();
    program.Key(VK_ESCAPE);
    EXPECT_EQ(program.AwaitExit(10000), 0u);
    EXPECT_TRUE(WaitFor([] { return FindWindowA(VIEWER_CLASS, nullptr) == nullptr; }, 5000))
        << "the viewer outlived the program";
  }
}

}  // namespace
}  // namespace e2e
