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

  // What each command shows is checked on the build tree's exe; here that
  // they run: a position comes, and Solve for me answers it with a box.
  program.ClickGadget(ENTER_DIGITS);
  EXPECT_NE(AwaitNewPosition(program, EMPTY_ROWS), EMPTY_ROWS);
  program.ClickGadget(SOLVE);
  EXPECT_TRUE(program.AwaitBox(STEP_TIMEOUT));
  EXPECT_TRUE(AnswerSolveBoxes(program));

  program.ClickGadget(CLOSE);
  EXPECT_EQ(program.AwaitExit(STEP_TIMEOUT), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 2));
}

}  // namespace
}  // namespace e2e
