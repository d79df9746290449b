// The release as a user meets it: the exe from the zip, started in the
// folder it was unpacked to, plays a game and leaves its settings file
// there. Runs when TESSEL_PACKAGED_EXE names that exe (a Windows path), as
// scripts/package and scripts/test do.
#include <cstdlib>
#include <filesystem>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

TEST(Package, UnpackedProgramPlaysAndKeepsItsLevel) {
  const char* exe = std::getenv("TESSEL_PACKAGED_EXE");
  if (!exe || !*exe) GTEST_SKIP() << "TESSEL_PACKAGED_EXE names no unpacked exe";
  const std::string folder = std::filesystem::path(exe).parent_path().string();
  DeleteFileA((folder + "\\sudoku.syd").c_str());  // left by a first run of the suite
  Program program(folder);
  ASSERT_TRUE(program.Start(std::nullopt, exe));
  ASSERT_TRUE(MoveSliderByKey(program, VK_RIGHT, 2));

  program.ClickGadget(ENTER_DIGITS);
  const Grid position = AwaitNewPosition(program, EMPTY_ROWS);
  EXPECT_NE(position, EMPTY_ROWS);
  program.ClickGadget(SOLVE);
  HWND box = program.AwaitBox(STEP_TIMEOUT);
  ASSERT_TRUE(box);  // a random position is nearly always solved; the search may give up
  const std::string title = Program::ReadBox(box).title;
  EXPECT_TRUE(title == "Sudoku solved !" || title == "Unsolvable initial configuration") << title;
  EXPECT_TRUE(AnswerSolveBoxes(program));
  for (const std::string& row : program.Rows()) {  // solved: every field filled
    EXPECT_TRUE(title != "Sudoku solved !" || row.find('.') == std::string::npos) << row;
  }

  program.ClickGadget(CLOSE);
  EXPECT_EQ(program.AwaitExit(STEP_TIMEOUT), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 2));
}

}  // namespace
}  // namespace e2e
