// The bridge between the cell fields and the grid: which field is which
// cell, what reads as empty, and what writing leaves alone.
#include "app/cell_fields.h"
#include "engine/cell_grid.h"
#include "gui/gadget.h"
#include "tests/app/app_fixture.h"

namespace {

using CellFields = MainWindowTest;

TEST_F(CellFields, ReadingPutsEachFieldIntoItsCellAndZeroReadsAsEmpty) {
  TypeRows({"4______60", "7________", "_________", "_________", "_________", "_________",
            "_________", "_________", "________9"});
  ReadCells();
  EXPECT_EQ(Cell(0, 0).value, 4);  // gadget 31
  EXPECT_EQ(Cell(0, 7).value, 6);
  EXPECT_EQ(Cell(0, 8).value, 0);  // gadget 39 holds 0
  EXPECT_EQ(Cell(1, 0).value, 7);  // gadget 40
  EXPECT_EQ(Cell(8, 8).value, 9);  // gadget 111
  int filled = 0;
  for (int i = 0; i < 81; ++i) filled += Cell(i / 9, i % 9).value != 0;
  EXPECT_EQ(filled, 4);
  EXPECT_STREQ(Cell(0, 0).candidates, "123456789");  // only the digits are read
}

TEST_F(CellFields, WritingFillsTheFieldsOfDigitsAndLeavesTheOthersAlone) {
  TypeRows({"________0", "2________", "_________", "___3_____", "_________", "_________",
            "_________", "_________", "_________"});
  Cell(0, 8).value = 5;
  Cell(1, 0).value = 2;
  Cell(8, 8).value = 1;
  WriteCells();
  EXPECT_EQ(FieldRows(), (std::vector<std::string>{"________5", "2________", "_________",
                                                   "___3_____", "_________", "_________",
                                                   "_________", "_________", "________1"}));
}

TEST_F(CellFields, TrimmingKeepsTheFirstCharacter) {
  GadgetSetText(60, "53");
  GadgetSetText(61, "abc");  // pasted: the field takes any text that way
  GadgetSetText(62, "8");
  for (int32_t g = 60; g <= 63; ++g) TrimCellText(g);
  EXPECT_EQ(FieldText(60), "5");
  EXPECT_EQ(FieldText(61), "a");
  EXPECT_EQ(FieldText(62), "8");
  EXPECT_EQ(FieldText(63), "");
  ReadCells();
  EXPECT_EQ(Cell(3, 3).value, 0);  // the letter reads as an empty cell
}

}  // namespace
