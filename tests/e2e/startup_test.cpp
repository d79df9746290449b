// Start-up and shutdown of the real program: the window it opens and its
// coloured cells, minimising and moving it, the settings file it reads and
// writes, every way of ending it, a start without memory for its state or
// its side windows, and what the exe file carries.
#include <algorithm>
#include <tuple>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

constexpr COLORREF YELLOW = RGB(255, 255, 224);
constexpr COLORREF GREEN = RGB(216, 248, 216);

// First starts, in an empty folder and with a file whose level 7 is none,
// the donated flag set: each begins at Easy, slider and name. Each way out
// then ends the process with code 0 and saves the level the slider was
// moved to, with the flag as it was read; ending the process from outside
// leaves the file as it was.
TEST(StartUp, FirstStartsBeginAtEasyAndEveryWayOutSavesTheLevel) {
  // How the program is ended, and whether it saves.
  const std::tuple<const char*, std::function<void(Program&)>, bool> waysOut[] = {
      {"Escape", [](Program&) { input::KeyPress(VK_ESCAPE); }, true},
      {"Ctrl+L", [](Program&) { input::KeyPress('L', input::CONTROL); }, true},
      {"C&lose button", [](Program& p) { p.ClickGadget(CLOSE); }, true},
      {"X button", [](Program& p) { p.ClickGadget(CLOSE_BOX); }, true},
      // What the task bar sends.
      {"WM_CLOSE", [](Program& p) { PostMessageA(p.Window(), WM_CLOSE, 0, 0); }, true},
      {"ended from outside", [](Program& p) { p.Kill(); }, false},
  };
  bool first = true;
  for (const bool withFile : {false, true}) {
    const std::optional<Bytes> file = withFile ? std::optional(SettingsBytes(1, 7)) : std::nullopt;
    for (const auto& [name, close, saves] : waysOut) {
      SCOPED_TRACE(std::string(name) + (withFile ? ", level 7" : ""));
      Program program;
      ASSERT_TRUE(program.Start(file));
      if (std::exchange(first, false)) {
        program.Shot("start");
        const RECT outer = program.Rect();
        EXPECT_TRUE(EqualRect(&outer, &WINDOW_RECT));
        // Above the slanted edge, inside the window's rectangle but cut away.
        EXPECT_NE(WindowFromPoint({outer.left + 2, outer.top + 2}), program.Window());
        EXPECT_EQ(GetAncestor(WindowFromPoint({outer.left + 383, outer.top + 300}), GA_ROOT),
                  program.Window());
        // Each empty cell shows its box's colour inside its border.
        for (const auto& [row, column, colour] : {std::tuple{0, 0, YELLOW}, {4, 4, YELLOW},
                                                  {8, 8, YELLOW}, {0, 3, GREEN}, {3, 0, GREEN}}) {
          const RECT cell = program.Rect(CellGadget(row, column));
          const std::vector<COLORREF> inside =
              input::ScreenArea({cell.left + 3, cell.top + 3, cell.right - 3, cell.bottom - 3});
          EXPECT_GT(std::count(inside.begin(), inside.end(), colour), 500) << row << ", " << column;
        }
        EXPECT_EQ(program.Rows(), EMPTY_ROWS);
        EXPECT_FALSE(program.Settings()) << "the settings file is written only at the end";
      }
      EXPECT_EQ(program.SliderPosition(), 1);
      EXPECT_EQ(program.Text(LEVEL_NAME), "Easy sudoku");
      EXPECT_TRUE(MoveSliderByKey(program, VK_RIGHT, 2));
      close(program);
      EXPECT_EQ(program.AwaitExit(STEP_TIMEOUT), saves ? 0u : 1u);
      EXPECT_EQ(program.Settings(), saves ? SettingsBytes(withFile ? 1 : 0, 2) : file);
    }
  }
}

// Without room for its marker list or cell grid the program says so and
// stops with a non-zero code before its window opens, leaving the file. A
// side window whose window or gadget list cannot be made leaves nothing open
// and the main window enabled and in use.
TEST(StartUp, RefusedCreationsAreReportedOrLeaveTheProgramInUse) {
  for (const char* refused : {"markerList", "cellGrid", "sideWindow", "sideGadgetList"}) {
    SCOPED_TRACE(refused);
    Program program;
    if (std::string(refused).starts_with("side")) {
      ASSERT_TRUE(program.Start(std::nullopt, TESSEL_PROBE_EXE, refused));
      for (const Side* side : {&ABOUT_WINDOW, &DONATION_DIALOG}) {
        input::KeyPress(side->shortcut, input::CONTROL);
        Sleep(500);
        EXPECT_EQ(WindowsOf(program.ProcessId()).size(), 1u) << side->title;
        EXPECT_TRUE(program.AwaitInput(STEP_TIMEOUT)) << side->title;
      }
      EXPECT_TRUE(program.TypeInCell(4, 4, "7", "7")) << "the main window no longer responds";
      EXPECT_EQ(Quit(program), 0u);
      continue;
    }
    ASSERT_TRUE(program.Launch(SettingsBytes(1, 3), TESSEL_PROBE_EXE, refused));
    HWND box = program.AwaitBox(STEP_TIMEOUT);
    ASSERT_TRUE(box) << "no message";
    const Box read = Program::ReadBox(box);
    EXPECT_EQ(read.title, "Tessel SUDOKU");
    EXPECT_NE(read.text.find("not enough memory"), std::string::npos) << read.text;
    EXPECT_EQ(WindowsOf(program.ProcessId()).size(), 1u) << "a window opened";
    Program::AnswerBox(box);
    EXPECT_EQ(program.AwaitExit(STEP_TIMEOUT), 1u);
    EXPECT_EQ(program.Settings(), SettingsBytes(1, 3));
  }
}

// The exe carries icon 1, the manifest that asks for the common controls of
// version 6, and a version resource.
TEST(ProgramFile, HoldsItsIconManifestAndVersion) {
  HMODULE exe = LoadLibraryExA(WindowsPath(TESSEL_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  EXPECT_NE(LoadIconA(exe, MAKEINTRESOURCEA(1)), nullptr);
  for (const int type : {24, 16}) EXPECT_TRUE(FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(type)));
  FreeLibrary(exe);
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
  EXPECT_TRUE(WaitFor([&] { return program.Rect().left == WINDOW_RECT.left; }, 3000));
  EXPECT_EQ(program.Rect().bottom, WINDOW_RECT.bottom);
  EXPECT_EQ(program.Rows(), typed);
  program.Shot("restored");
  // Dragged by the roof picture, then back from between two boxes.
  const std::tuple<POINT, int, int> drags[] = {{{383, 185}, 60, 40}, {{301, 350}, -60, -40}};
  for (const auto& [at, dx, dy] : drags) {
    const RECT was = program.Rect();
    const POINT from = {was.left + at.x, was.top + at.y};
    input::MouseMove(from);
    input::MouseButton(true);
    for (int step = 1; step <= 10; Sleep(20), ++step) {
      input::MouseMove({from.x + dx * step / 10, from.y + dy * step / 10});
    }
    input::MouseButton(false);
    const LONG top = was.top + dy;
    EXPECT_TRUE(WaitFor([&] { return program.Rect().top == top; }, 3000));
    EXPECT_EQ(program.Rect().left, was.left + dx);
  }
  EXPECT_EQ(program.Rows(), typed);
}

}  // namespace
}  // namespace e2e
