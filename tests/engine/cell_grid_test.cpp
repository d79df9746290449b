// The grid, the peer digits and candidate elimination.
#include "engine/elimination.h"
#include "tests/engine/grid_fixture.h"

namespace {

using CellGridTest = GridTest;
using EliminationTest = GridTest;

TEST_F(CellGridTest, PeerDigitsVisitRowThenColumnThenRestOfBox) {
  // Digits placed as "row column digit" triples, and the peers of one cell.
  const struct {
    const char* placed;
    int r, c;
    const char* peers;
  } cases[] = {
      {"", 8, 8, ""},
      {"045 405", 0, 0, "55"},
      {"117", 0, 0, "7"},
      {"117", 1, 5, "7"},
      {"117", 0, 1, "7"},  // column and box: reported once
      {"117", 1, 1, ""},   // not its own peer
      {"117", 5, 5, ""},
      {"421 842 333 554 049", 4, 4, "19234"},
      {"878 689 666 777", 8, 8, "8967"},
  };
  for (const auto& t : cases) {
    ResetCells();
    for (const char* p = t.placed; *p; p += p[3] ? 4 : 3) Cell(p[0] - '0', p[1] - '0').value = int8_t(p[2] - '0');
    TempScope scope;
    EXPECT_STREQ(PeerDigits(int8_t(t.r), int8_t(t.c)), t.peers) << t.placed << " at " << t.r << t.c;
  }
}

TEST_F(CellGridTest, FullnessConflictsAndTwentyPeers) {
  EXPECT_EQ(GridFull(), 0);
  EXPECT_TRUE(ConflictFree());
  Load(SOLVED);
  EXPECT_EQ(GridFull(), 1);
  EXPECT_TRUE(ConflictFree());
  for (int i = 0; i < 81; ++i) {
    TempScope scope;
    ASSERT_EQ(StrLen(PeerDigits(int8_t(i / 9), int8_t(i % 9))), 20) << i;
  }
  Cell(8, 8).value = 0;
  EXPECT_EQ(GridFull(), 0);
  Cell(8, 8).value = 5;  // as (8, 2) and (7, 8) hold
  EXPECT_TRUE(CellConflicts(8, 8));
  EXPECT_TRUE(CellConflicts(7, 8));
  EXPECT_FALSE(CellConflicts(6, 6));
  ResetCells();
  EXPECT_FALSE(CellConflicts(0, 0));  // empty cells never conflict
  for (int i = 0; i < 81; ++i) ASSERT_EQ(Candidates(i / 9, i % 9), "123456789");
}

TEST_F(EliminationTest, CandidatesAndPlacements) {
  struct Check {
    int r, c;
    const char* candidates;
    int value;
  };
  const struct {
    Rows rows;
    Check checks[5];
  } cases[] = {
      // No givens: nothing to strike.
      {{".........", ".........", ".........", ".........", ".........", ".........",
        ".........", ".........", "........."},
       {{0, 0, "123456789", 0}, {8, 8, "123456789", 0}}},
      // One given narrows its row, column and box only, and keeps its text.
      {{"4........", ".........", ".........", ".........", ".........", ".........",
        ".........", ".........", "........."},
       {{0, 8, "12356789", 0}, {8, 0, "12356789", 0}, {2, 2, "12356789", 0},
        {3, 3, "123456789", 0}, {0, 0, "123456789", 4}}},
      // (4, 4) sees 1-8 and takes 9; the scan then starts again, so (4, 0),
      // visited before the placement with candidates 12349, loses the 9 too.
      {{"....1....", "....2....", "....3....", "....4....", "..5...678", ".........",
        ".........", ".........", "........."},
       {{4, 4, "9", 9}, {4, 0, "1234", 0}, {4, 3, "123", 0}, {5, 5, "1235678", 0}}},
      // (8, 8) sees 1-8 in its row and a 9 in its column: a contradiction.
      {{"........9", ".........", ".........", ".........", ".........", ".........",
        ".........", ".........", "12345678."},
       {{8, 8, "", 0}, {0, 0, "2345678", 0}, {7, 8, "123456", 0}}},
  };
  for (const auto& t : cases) {
    Load(t.rows);
    EliminateCandidates();
    for (const Check& k : t.checks) {
      if (!k.candidates) break;
      EXPECT_EQ(Candidates(k.r, k.c), k.candidates) << t.rows[0] << " at " << k.r << k.c;
      EXPECT_EQ(Cell(k.r, k.c).value, k.value) << t.rows[0] << " at " << k.r << k.c;
    }
  }
}

TEST_F(EliminationTest, PuzzleOfSinglesIsFilledCompletelyAndStaysSo) {
  Rows puzzle = {
      "53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1",
      "7...2...6", ".6....28.", "...419..5", "....8..79",
  };
  Load(puzzle);
  for (int round = 0; round < 2; ++round) {
    EliminateCandidates();
    for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), SOLVED[r]);
  }
}

}  // namespace
