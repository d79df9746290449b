// The grid, the peer digits and candidate elimination.
#include "engine/elimination.h"
#include "tests/engine/grid_fixture.h"

namespace {

const char* const SOLVED[9] = {
    "534678912", "672195348", "198342567", "859761423", "426853791",
    "713924856", "961537284", "287419635", "345286179",
};

using CellGridTest = GridTest;
using EliminationTest = GridTest;

TEST_F(CellGridTest, ResetFillsCandidatesAndEmptyGridHasNoPeers) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      ASSERT_EQ(Candidates(r, c), "123456789");
      ASSERT_EQ(Peers(r, c), "");
    }
  }
  EXPECT_EQ(GridFull(), 0);
  EXPECT_TRUE(ConflictFree());
}

TEST_F(CellGridTest, PeerDigitsVisitRowThenColumnThenRestOfBox) {
  Cell(0, 4).value = 5;
  Cell(4, 0).value = 5;
  EXPECT_EQ(Peers(0, 0), "55");

  ResetCells();
  Cell(1, 1).value = 7;
  EXPECT_EQ(Peers(0, 0), "7");
  EXPECT_EQ(Peers(1, 5), "7");
  EXPECT_EQ(Peers(0, 1), "7");
  EXPECT_EQ(Peers(1, 1), "");
  EXPECT_EQ(Peers(5, 5), "");

  ResetCells();
  Cell(4, 2).value = 1;  // row
  Cell(8, 4).value = 2;  // column
  Cell(3, 3).value = 3;  // box only
  Cell(5, 5).value = 4;  // box only, later in the box
  Cell(0, 4).value = 9;  // column, before the row cell in grid order
  EXPECT_EQ(Peers(4, 4), "19234");
}

TEST_F(CellGridTest, SolvedGridIsFullWithTwentyPeersAndNoConflicts) {
  Load(SOLVED);
  EXPECT_EQ(GridFull(), 1);
  EXPECT_TRUE(ConflictFree());
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) ASSERT_EQ(Peers(r, c).size(), 20u);
  }
  Cell(8, 8).value = 0;
  EXPECT_EQ(GridFull(), 0);
}

TEST_F(CellGridTest, ConflictsMarkBothCellsOfARepeatedDigit) {
  Cell(2, 1).value = 6;
  Cell(2, 7).value = 6;
  Cell(3, 1).value = 4;
  EXPECT_TRUE(CellConflicts(2, 1));
  EXPECT_TRUE(CellConflicts(2, 7));
  EXPECT_FALSE(CellConflicts(3, 1));
  EXPECT_FALSE(CellConflicts(0, 0));  // empty cells never conflict
}

TEST_F(EliminationTest, EmptyGridKeepsAllCandidates) {
  EliminateCandidates();
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) ASSERT_EQ(Candidates(r, c), "123456789");
  }
}

TEST_F(EliminationTest, OneGivenNarrowsItsPeersOnly) {
  Cell(0, 0).value = 4;
  EliminateCandidates();
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (r == 0 && c == 0) continue;
      bool peer = r == 0 || c == 0 || (r < 3 && c < 3);
      ASSERT_EQ(Candidates(r, c), peer ? "12356789" : "123456789") << r << c;
      ASSERT_EQ(Cell(r, c).value, 0);
    }
  }
  EXPECT_EQ(Candidates(0, 0), "123456789");  // givens keep their text
}

TEST_F(EliminationTest, SingleCandidateIsPlacedAndEarlierCellsRevisited) {
  // (4, 4) sees 1-8 and takes 9; the scan then starts again, so (4, 0),
  // visited before the placement with candidates 12349, loses the 9 too.
  const char* const rows[9] = {
      "....1....", "....2....", "....3....", "....4....", "..5...678",
      ".........", ".........", ".........", ".........",
  };
  Load(rows);
  EliminateCandidates();
  EXPECT_EQ(Cell(4, 4).value, 9);
  EXPECT_EQ(Candidates(4, 4), "9");
  EXPECT_EQ(Candidates(4, 0), "1234");
  EXPECT_EQ(Candidates(4, 3), "123");
}

TEST_F(EliminationTest, PuzzleOfSinglesIsFilledCompletely) {
  const char* const puzzle[9] = {
      "53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1",
      "7...2...6", ".6....28.", "...419..5", "....8..79",
  };
  Load(puzzle);
  EliminateCandidates();
  EXPECT_EQ(GridFull(), 1);
  for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), SOLVED[r]);

  EliminateCandidates();  // a second call changes nothing
  for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), SOLVED[r]);
}

TEST_F(EliminationTest, ContradictionLeavesAnEmptyCandidateText) {
  // (8, 8) sees 1-8 in its row and a 9 in its column.
  const char* const rows[9] = {
      "........9", ".........", ".........", ".........", ".........",
      ".........", ".........", ".........", "12345678.",
  };
  Load(rows);
  EliminateCandidates();
  EXPECT_EQ(Cell(8, 8).value, 0);
  EXPECT_EQ(Candidates(8, 8), "");
  std::string before[9];
  for (int r = 0; r < 9; ++r) before[r] = Row(r);
  EliminateCandidates();
  for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), before[r]);
}

}  // namespace
