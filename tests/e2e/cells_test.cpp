// The 81 cells as a user meets them: their colours on the screen and what
// typing and pasting leave in them.
#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

constexpr COLORREF YELLOW = RGB(255, 255, 224);
constexpr COLORREF GREEN = RGB(216, 248, 216);

struct CellColour {
  int row, column;
  COLORREF colour;
};

TEST(Cells, AreColouredByTheirBox) {
  const CellColour cells[] = {
      {0, 0, YELLOW}, {4, 4, YELLOW}, {8, 8, YELLOW}, {0, 3, GREEN}, {3, 0, GREEN},
  };
  Program program;
  ASSERT_TRUE(program.Start());
  for (const CellColour& cell : cells) {
    SCOPED_TRACE(testing::Message() << "cell " << CellGadget(cell.row, cell.column));
    const int x = CELL_LEFT[cell.column];
    const int y = CELL_TOP[cell.row];
    // Corners inside the sunken border, away from the digit and the caret.
    for (POINT inside : {POINT{4, 4}, POINT{25, 4}, POINT{4, 25}, POINT{25, 25}}) {
      EXPECT_EQ(program.Pixel(x + inside.x, y + inside.y), cell.colour)
          << "at " << inside.x << "," << inside.y;
    }
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
  program.Key(VK_HOME);
  program.Type("9");
  EXPECT_TRUE(WaitFor([&] { return program.Cell(0, 0) == "9"; }, 3000))
      << "cell reads \"" << program.Cell(0, 0) << "\"";
}

}  // namespace
}  // namespace e2e
