// The cells as a user fills them: by typing, walking the grid with the arrow
// keys, by "Enter digits" at the three levels, and emptied by "Clear cells".
#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

// The arrow keys walk from the top-left cell to the bottom-right one and
// back, a digit typed into each cell reached; each replaces what the cell
// held. At the corners the keys that would leave the grid keep the focus
// where it is: the next step goes from there. Then a letter is refused; a
// digit typed behind the first one is trimmed away, one typed in front of it
// stays instead.
TEST(Cells, ArrowKeysWalkTheGridAndOnlyOneDigitCanBeTyped) {
  Program program;
  ASSERT_TRUE(program.Start());
  program.ClickCell(0, 0);
  Grid expected = EMPTY_ROWS;
  int row = 0;
  int column = 0;
  int typed = 0;
  const auto step = [&](WORD key, int rowStep, int columnStep) {
    input::KeyPress(key);
    row += rowStep;
    column += columnStep;
    const int cell = CellGadget(row, column);
    EXPECT_TRUE(WaitFor([&] { return program.FocusedGadget() == cell; }, 3000)) << row << column;
    const char digit[] = {static_cast<char>('1' + typed++ % 9), '\0'};
    program.Type(digit);
    expected[row][column] = digit[0];
    EXPECT_TRUE(WaitFor([&] { return program.Cell(row, column) == digit; }, 3000)) << row << column;
  };
  for (const WORD outward : {VK_UP, VK_LEFT}) input::KeyPress(outward);
  for (int k = 0; k < 16; ++k) k % 2 ? step(VK_DOWN, 1, 0) : step(VK_RIGHT, 0, 1);
  for (const WORD outward : {VK_DOWN, VK_RIGHT}) input::KeyPress(outward);
  for (int k = 0; k < 16; ++k) k % 2 ? step(VK_UP, -1, 0) : step(VK_LEFT, 0, -1);
  EXPECT_EQ(program.Rows(), expected);

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
      EXPECT_LE(Filled(rows), MOST_DIGITS[level]);
    }
    if (level == 3) program.Shot("enter-digits");
    // Clear cells, by its button and by Ctrl+R, empties every field quietly.
    level == 1 ? input::KeyPress('R', input::CONTROL) : program.ClickGadget(CLEAR);
    EXPECT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, 3000));
    EXPECT_TRUE(program.NoBoxFor(500));
  }
}

}  // namespace
}  // namespace e2e
