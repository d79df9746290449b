// The 81 cells as a user meets them: their colours on the screen and what
// typing and pasting leave in them.
#include <algorithm>
#include <tuple>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

constexpr COLORREF YELLOW = RGB(255, 255, 224);
constexpr COLORREF GREEN = RGB(216, 248, 216);

// Inside the sunken border each empty cell shows its box's colour (the
// caret may blink in one of them).
TEST(Cells, AreColouredByTheirBox) {
  const std::tuple<int, int, COLORREF> cells[] = {
      {0, 0, YELLOW}, {4, 4, YELLOW}, {8, 8, YELLOW}, {0, 3, GREEN}, {3, 0, GREEN}};
  Program program;
  ASSERT_TRUE(program.Start());
  for (const auto& [row, column, colour] : cells) {
    SCOPED_TRACE(testing::Message() << "cell " << row << ", " << column);
    const RECT cell = program.GadgetRect(CellGadget(row, column));
    const std::vector<COLORREF> inside =
        program.Area({cell.left + 3, cell.top + 3, cell.right - 3, cell.bottom - 3});
    EXPECT_GT(std::count(inside.begin(), inside.end(), colour), 500) << "of " << inside.size();
  }
}

TEST(Cells, KeepOneCharacterAndOnlyDigitsCanBeTyped) {
  Program program;
  ASSERT_TRUE(program.Start());

  // The letter is refused by the field; the digit after it is the first.
  EXPECT_TRUE(program.TypeInCell(0, 0, "a5", "5"));
  // A digit typed behind the first one is trimmed away.
  program.Type("3");
  EXPECT_TRUE(program.TypeInCell(1, 1, "7", "7"));
  EXPECT_EQ(program.Cell(0, 0), "5");

  // A digit typed in front of the existing one stays instead.
  program.ClickCell(0, 0);
  input::KeyPress(VK_HOME);
  program.Type("9");
  EXPECT_TRUE(WaitFor([&] { return program.Cell(0, 0) == "9"; }, 3000))
      << "cell reads \"" << program.Cell(0, 0) << "\"";
}

}  // namespace
}  // namespace e2e
