// The cells as a user fills them: by typing, by "Enter digits" at the three
// levels, and emptied by "Clear cells".
#include <algorithm>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

// A letter is refused; a digit typed behind the first one is trimmed away,
// one typed in front of it stays instead.
TEST(Cells, KeepOneCharacterAndOnlyDigitsCanBeTyped) {
  Program program;
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.TypeInCell(0, 0, "a5", "5"));
  program.Type("3");
  EXPECT_TRUE(program.TypeInCell(1, 1, "7", "7"));
  EXPECT_EQ(program.Cell(0, 0), "5");
  program.ClickCell(0, 0);
  input::KeyPress(VK_HOME);
  program.Type("9");
  EXPECT_TRUE(WaitFor([&] { return program.Cell(0, 0) == "9"; }, 3000)) << program.Cell(0, 0);
}

// Each level, by the button and by Ctrl+E, enters at most 9, 6 or 5 digits
// where ten typed digits stood before.
TEST(EnterDigitsAndClearCells, EachLevelEntersAtMostItsNumberOfDigits) {
  constexpr int MOST_DIGITS[4] = {0, 9, 6, 5};
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 3)));
  for (int level = 3; level >= 1; --level) {
    SCOPED_TRACE(testing::Message() << "level " << level);
    EXPECT_TRUE(level == 3 || MoveSliderByKey(program, VK_LEFT, level));
    EXPECT_TRUE(program.TypeInCell(8, 0, "1\t2\t3\t4\t5\t6\t7\t8\t9", "9"));
    EXPECT_TRUE(program.TypeInCell(0, 0, "5", "5"));
    Grid rows = program.Rows();
    for (bool byButton : {true, false}) {
      byButton ? program.ClickGadget(ENTER_DIGITS) : input::KeyPress('E', input::CONTROL);
      rows = AwaitNewPosition(program, rows);
      int digits = 0;
      for (const std::string& row : rows) digits += 9 - static_cast<int>(std::count(row.begin(), row.end(), '.'));
      EXPECT_LE(digits, MOST_DIGITS[level]);
    }
    if (level == 3) Shot(program, "enter-digits");
    // Clear cells, by its button and by Ctrl+R, empties every field quietly.
    level == 1 ? input::KeyPress('R', input::CONTROL) : program.ClickGadget(CLEAR);
    EXPECT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, 3000));
    EXPECT_TRUE(program.NoBoxFor(500));
  }
  EXPECT_EQ(Quit(program), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 1));
}

}  // namespace
}  // namespace e2e
