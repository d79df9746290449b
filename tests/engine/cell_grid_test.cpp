// The grid, the peer digits and candidate elimination.
#include "engine/elimination.h"
#include "tests/engine/grid_fixture.h"

static std::string Peers(int r, int c) { TempScope scope; return PeerDigits(int8_t(r), int8_t(c)); }

TEST_F(GridTest, PeerDigitsFullnessAndConflicts) {
  Load(SOLVED);
  EXPECT_TRUE(GridFull() == 1 && ConflictFree());
  EXPECT_EQ(Peers(4, 4), "42683791" "79462318" "7194");  // the row's, the column's, the box's rest
  for (int i = 0; i < 81; ++i) ASSERT_EQ(Peers(i / 9, i % 9).size(), 20u) << i;
  for (const int i : {0, 40, 80}) {  // one empty cell anywhere, first and last row and column
    Load(SOLVED);
    Cell(i / 9, i % 9).value = 0;
    EXPECT_EQ(GridFull(), 0) << i;
  }
  EXPECT_FALSE(CellConflicts(8, 8));  // empty cells never conflict
  Cell(0, 6).value = 1;               // a second 1 in row 0, beside (0, 7)
  EXPECT_TRUE(CellConflicts(0, 6) && CellConflicts(0, 7));
  Load(SOLVED);
  Cell(8, 8).value = 5;                                  // as (8, 2) and (7, 8) hold
  EXPECT_TRUE(CellConflicts(8, 8) && CellConflicts(7, 8) && !CellConflicts(6, 6));
  ResetCells();
  Cell(0, 1).value = -12, Cell(0, 2).value = 10;  // no digits, but written as they are
  EXPECT_EQ(Peers(0, 0), "-1210");
  // Dimensioning tells whether the heap had room.
  CellGridRelease();
  MainHeapRefuseNext(1);
  EXPECT_FALSE(CellGridCreate());
  EXPECT_TRUE(CellGridCreate());
}

// After elimination: "row column candidates digit" of some cells (digit 0: empty).
TEST_F(GridTest, EliminationLeavesCandidatesAndPlacements) {
  const struct { Rows rows; std::vector<std::string> cells; } cases[] = {
      // One given narrows its row, column and box only, and keeps its text.
      {{"4"}, {"08 12356789 0", "80 12356789 0", "22 12356789 0", "33 123456789 0",
               "00 123456789 4"}},
      // The scan begins at (0, 0) itself.
      {{".4"}, {"00 12356789 0"}},
      // (0, 4) sees 1-8 and takes 9; the scan then starts again at (0, 0), so
      // (0, 0), visited before the placement with candidates 12349, loses the 9 too.
      {{"..5...678", "....1", "....2", "....3", "....4"},
       {"04 9 9", "00 1234 0", "03 34 0", "55 1256789 0"}},
  };
  for (const auto& t : cases) {
    Load(t.rows);
    EliminateCandidates();
    for (const std::string& cell : t.cells) {
      const CellRecord& got = Cell(cell[0] - '0', cell[1] - '0');
      EXPECT_EQ(cell.substr(0, 3) + got.candidates.Get() + " " + std::to_string(got.value), cell);
    }
  }
}
