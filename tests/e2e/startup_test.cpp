// Start-up and shutdown of the real program: the window it opens, the
// settings file it reads and writes, and every way of ending it.
#include "tests/e2e/e2e_test.h"
#include "tests/e2e/probe.h"

namespace e2e {
namespace {

constexpr DWORD EXIT_TIMEOUT = 10000;

TEST(StartUp, FirstStartInAnEmptyDirectory) {
  Program program;
  ASSERT_TRUE(program.Start());
  Shot(program, "start");

  RECT outer;
  GetWindowRect(program.Window(), &outer);
  EXPECT_EQ(outer.left, WINDOW_X);
  EXPECT_EQ(outer.top, WINDOW_Y);
  EXPECT_EQ(outer.right - outer.left, WINDOW_WIDTH);
  EXPECT_EQ(outer.bottom - outer.top, WINDOW_HEIGHT);
  // Above the slanted edge, inside the window's rectangle but cut away.
  EXPECT_NE(WindowFromPoint({WINDOW_X + 2, WINDOW_Y + 2}), program.Window());
  EXPECT_EQ(GetAncestor(WindowFromPoint({WINDOW_X + 383, WINDOW_Y + 300}), GA_ROOT),
            program.Window());

  EXPECT_EQ(program.Rows(), EMPTY_ROWS);
  EXPECT_EQ(program.Text(LEVEL_NAME), "");
  EXPECT_EQ(program.SliderPosition(), 1);  // a new slider's minimum
  EXPECT_FALSE(program.Settings()) << "the settings file is written only at the end";

  program.Key(VK_ESCAPE);
  EXPECT_EQ(program.AwaitExit(EXIT_TIMEOUT), 0u);
  // The loop never read the slider, so the level is still 0.
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 0));
}

TEST(Settings, SavedLevelShowsAtOnceAndIsWrittenBack) {
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(1, 3)));
  EXPECT_EQ(program.SliderPosition(), 3);
  EXPECT_EQ(program.Text(LEVEL_NAME), "Hard sudoku");
  program.Key(VK_ESCAPE);
  EXPECT_EQ(program.AwaitExit(EXIT_TIMEOUT), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(1, 3));
}

TEST(Settings, LevelOutOfRangeLeavesTheSliderUnsetAndIsKept) {
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 7)));
  EXPECT_EQ(program.SliderPosition(), 1);
  EXPECT_EQ(program.Text(LEVEL_NAME), "");
  program.Key(VK_ESCAPE);
  EXPECT_EQ(program.AwaitExit(EXIT_TIMEOUT), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 7));
}

TEST(Settings, ShortFileReadsTheBytesThatArePresent) {
  Program program;
  ASSERT_TRUE(program.Start(Bytes{0x01, 0x02, 0x03}));
  EXPECT_EQ(program.SliderPosition(), 1);
  EXPECT_EQ(program.Text(LEVEL_NAME), "");
  program.Key(VK_ESCAPE);
  EXPECT_EQ(program.AwaitExit(EXIT_TIMEOUT), 0u);
  // The first value is 0x030201 from the three low-order bytes, the level 0.
  EXPECT_EQ(program.Settings(), SettingsBytes(0x030201, 0));
}

TEST(Settings, LongerFileKeepsItsTailWhenTheLevelIsWritten) {
  Bytes file = SettingsBytes(1, 2);
  const Bytes tail = {0xAA, 0xBB, 0xCC, 0xDD};
  file.insert(file.end(), tail.begin(), tail.end());
  Program program;
  ASSERT_TRUE(program.Start(file));
  EXPECT_EQ(program.Text(LEVEL_NAME), "Intermediate sudoku");
  MoveSliderByKey(program, VK_RIGHT, 3);
  program.Key(VK_ESCAPE);
  EXPECT_EQ(program.AwaitExit(EXIT_TIMEOUT), 0u);
  Bytes expected = SettingsBytes(1, 3);
  expected.insert(expected.end(), tail.begin(), tail.end());
  EXPECT_EQ(program.Settings(), expected);
}

// Each way out ends the process with code 0 and saves the level the slider
// was moved to.
TEST(Closing, EveryWayOutSavesTheLevel) {
  struct WayOut {
    const char* name;
    std::function<void(Program&)> close;
  };
  const WayOut waysOut[] = {
      {"Escape", [](Program& p) { p.Key(VK_ESCAPE); }},
      {"Ctrl+L", [](Program& p) { p.Key('L', input::CONTROL); }},
      {"C&lose button", [](Program& p) { p.ClickGadget(CLOSE); }},
      {"X button", [](Program& p) { p.ClickGadget(CLOSE_BOX); }},
      // What the task bar sends.
      {"WM_CLOSE", [](Program& p) { PostMessageA(p.Window(), WM_CLOSE, 0, 0); }},
  };
  for (const WayOut& way : waysOut) {
    SCOPED_TRACE(way.name);
    Program program;
    ASSERT_TRUE(program.Start(SettingsBytes(0, 1)));
    MoveSliderByKey(program, VK_RIGHT, 2);
    way.close(program);
    EXPECT_EQ(program.AwaitExit(EXIT_TIMEOUT), 0u);
    EXPECT_EQ(program.Settings(), SettingsBytes(0, 2));
  }
}

TEST(Closing, EndingTheProcessFromOutsideKeepsTheFile) {
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(1, 2)));
  MoveSliderByKey(program, VK_LEFT, 1);
  program.Kill();
  EXPECT_EQ(program.Settings(), SettingsBytes(1, 2));
}

// Without room for its marker list or cell grid the program says so and
// stops with a non-zero code before its window opens, leaving the file.
TEST(StartUp, NoRoomForTheProgramStateStopsWithAMessage) {
  for (const char* refused : {"markerList", "cellGrid"}) {
    SCOPED_TRACE(refused);
    SetEnvironmentVariableA(PROBE_REFUSE_VARIABLE, refused);
    Program program;
    const bool launched = program.Launch(SettingsBytes(1, 3), TESSEL_PROBE_EXE);
    SetEnvironmentVariableA(PROBE_REFUSE_VARIABLE, nullptr);
    ASSERT_TRUE(launched);
    HWND box = program.AwaitBox(EXIT_TIMEOUT);
    ASSERT_TRUE(box) << "no message";
    const Box read = Program::ReadBox(box);
    EXPECT_EQ(read.title, "Tessel SUDOKU");
    EXPECT_NE(read.text.find("not enough memory"), std::string::npos) << read.text;
    EXPECT_TRUE(VisibleWindows(program.ProcessId()).size() == 1) << "a window opened";
    program.AnswerBox(box);
    EXPECT_EQ(program.AwaitExit(EXIT_TIMEOUT), 1u);
    EXPECT_EQ(program.Settings(), SettingsBytes(1, 3));
  }
}

}  // namespace
}  // namespace e2e
