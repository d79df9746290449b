// The grid, the peer digits and candidate elimination.
#include <vector>

#include "engine/elimination.h"
#include "tests/engine/grid_fixture.h"

namespace {

using CellGridTest = GridTest;
using EliminationTest = GridTest;

TEST_F(CellGridTest, PeerDigitsFullnessAndConflicts) {
  // Digits placed as "row column digit" triples, and the peers of one cell.
  const struct { const char* placed; int r, c; const char* peers; } cases[] = {
      {"", 8, 8, ""}, {"045 405", 0, 0, "55"}, {"117", 0, 0, "7"}, {"117", 1, 5, "7"},
      {"117", 0, 1, "7"},  // column and box: reported once
      {"117", 1, 1, ""}, {"117", 5, 5, ""}, {"421 842 333 554 049", 4, 4, "19234"}, {"878 689 666 777", 8, 8, "8967"},
  };
  for (const auto& t : cases) {
    ResetCells();
    for (const char* p = t.placed; *p; p += p[3] ? 4 : 3) Cell(p[0] - '0', p[1] - '0').value = int8_t(p[2] - '0');
    EXPECT_EQ(Peers(t.r, t.c), t.peers) << t.placed << " at " << t.r << t.c;
  }
  Cell(0, 1).value = -12, Cell(0, 2).value = 10;  // no digits, but written as they are
  EXPECT_EQ(Peers(0, 0), "-1210");
  ResetCells();
  EXPECT_TRUE(GridFull() == 0 && ConflictFree() && Candidates(8, 8) == "123456789");
  Load(SOLVED);
  EXPECT_TRUE(GridFull() == 1 && ConflictFree());
  for (int i = 0; i < 81; ++i) ASSERT_EQ(Peers(i / 9, i % 9).size(), 20u) << i;
  Cell(8, 8).value = 0;
  EXPECT_TRUE(GridFull() == 0 && !CellConflicts(8, 8));  // empty cells never conflict
  Cell(8, 8).value = 5;                                  // as (8, 2) and (7, 8) hold
  EXPECT_TRUE(CellConflicts(8, 8) && CellConflicts(7, 8) && !CellConflicts(6, 6));
}

// After elimination: the candidates of some cells and their digits (0: empty).
TEST_F(EliminationTest, CandidatesAndPlacements) {
  const struct { Rows rows; std::vector<std::string> cells; } cases[] = {
      {{}, {"00 123456789 0", "88 123456789 0"}},
      // One given narrows its row, column and box only, and keeps its text.
      {{"4"}, {"08 12356789 0", "80 12356789 0", "22 12356789 0", "33 123456789 0", "00 123456789 4"}},
      // (0, 4) sees 1-8 and takes 9; the scan then starts again at (0, 0), so
      // (0, 0), visited before the placement with candidates 12349, loses the 9 too.
      {{"..5...678", "....1", "....2", "....3", "....4"}, {"04 9 9", "00 1234 0", "03 34 0", "55 1256789 0"}},
      // (8, 8) sees 1-8 in its row and a 9 in its column: a contradiction.
      {{"........9", "", "", "", "", "", "", "", "12345678."}, {"88  0", "00 2345678 0", "78 123456 0"}},
  };
  for (const auto& t : cases) {
    Load(t.rows);
    EliminateCandidates();
    for (const std::string& cell : t.cells) {
      const int r = cell[0] - '0';
      const int c = cell[1] - '0';
      EXPECT_EQ(Candidates(r, c) + " " + char('0' + Cell(r, c).value), cell.substr(3)) << t.rows[0];
    }
  }
  Load({"53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1", "7...2...6", ".6....28.", "...419..5",
        "....8..79"});
  for (int round = 0; round < 2; ++round) {  // singles fill it completely, and then change nothing
    EliminateCandidates();
    for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), SOLVED[r]);
  }
}

}  // namespace
