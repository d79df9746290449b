// The cells as a user fills them: by typing, walking the grid with the arrow
// keys, by "Enter digits" at the three levels, and emptied by "Clear cells".
#include <functional>
#include <tuple>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

// The arrow keys walk from the top-left cell to the bottom-right one and
// back, a digit typed into each cell reached; each replaces what the cell
// held. At the corners the keys that would leave the grid keep the focus
// where it is: the next step goes from there. Then a letter is refused, and a
// digit typed replaces the cell's digit wherever the caret stands.
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
  EXPECT_TRUE(WaitFor([&] { return program.Cell(0, 0) == "3"; }, 3000)) << program.Cell(0, 0);
  input::KeyPress(VK_HOME);
  program.Type("9");
  EXPECT_TRUE(WaitFor([&] { return program.Cell(0, 0) == "9"; }, 3000)) << program.Cell(0, 0);
}

// A cell holds one digit 1 to 9 or nothing, whatever brings it text: keys,
// the clipboard by Ctrl+V and Shift+Insert, and messages another program
// sends. Anything else leaves it as it was; a click anywhere on a cell
// selects its digit, so that the next one typed replaces it.
TEST(Cells, EachCellTakesOneDigitFromAnySourceAndAClickSelectsIt) {
  Program program;
  ASSERT_TRUE(program.Start());
  ASSERT_TRUE(program.TypeInCell(2, 2, "5", "5"));
  HWND cell = program.Gadget(CellGadget(2, 2));
  const auto paste = [](const char* text, bool byInsert) {
    return [=] {
      SetClipboardText(text);
      input::KeyPress(VK_HOME);  // the cell's digit selected, for the paste to replace
      input::KeyPress(VK_END, input::SHIFT);
      byInsert ? input::KeyPress(VK_INSERT, input::SHIFT) : input::KeyPress('V', input::CONTROL);
    };
  };
  const auto send = [cell](UINT message, WPARAM wParam, const char* text) {
    return [=] { SendMessageA(cell, message, wParam, reinterpret_cast<LPARAM>(text)); };
  };
  const std::tuple<const char*, std::function<void()>, const char*> cases[] = {
      {"letters pasted", paste("abc", false), "5"},
      {"several digits pasted", paste("12", false), "5"},
      {"a minus sign pasted", paste("-3", false), "5"},
      {"a digit and a letter by Shift+Insert", paste("4x", true), "5"},
      {"a letter typed", [] { input::KeyPress('Q'); }, "5"},
      {"a minus sign typed", [] { input::KeyPress(VK_OEM_MINUS); }, "5"},
      {"a 0 typed", [] { input::KeyPress('0'); }, "5"},
      {"a text set by a message", send(WM_SETTEXT, 0, "42"), "5"},
      {"a selection replaced by a message", send(EM_REPLACESEL, FALSE, "8a"), "5"},
      {"a letter sent as a character", send(WM_CHAR, 'z', nullptr), "5"},
      {"one digit pasted, with the line's end", paste("7\r\n", false), "7"},
      {"one digit by Shift+Insert", paste(" 6 ", true), "6"},
      {"one digit set by a message", send(WM_SETTEXT, 0, "2"), "2"},
      {"emptied by a message", send(WM_SETTEXT, 0, ""), ""},
  };
  for (const auto& [name, give, then] : cases) {
    SCOPED_TRACE(name);
    give();
    const std::string after = then;  // a lambda cannot capture a binding
    EXPECT_TRUE(WaitFor([&] { return program.Cell(2, 2) == after; }, 3000));
    EXPECT_FALSE(WaitFor([&] { return program.Cell(2, 2) != after; }, 300)) << program.Cell(2, 2);
  }
  // Clicked at its right edge, where the caret would stand behind the digit.
  ASSERT_TRUE(program.TypeInCell(6, 6, "3", "3"));
  ASSERT_TRUE(program.TypeInCell(0, 0, "1", "1"));
  const RECT rect = program.Rect(CellGadget(6, 6));
  input::Click({rect.right - 3, (rect.top + rect.bottom) / 2});
  ASSERT_TRUE(WaitFor([&] { return program.FocusedGadget() == CellGadget(6, 6); }, 3000));
  program.Type("8");
  EXPECT_TRUE(WaitFor([&] { return program.Cell(6, 6) == "8"; }, 3000)) << program.Cell(6, 6);
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
