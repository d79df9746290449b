// The depth-first search: its first solution, its count of tries, its limit.
#include "engine/elimination.h"
#include "engine/solver.h"
#include "tests/engine/grid_fixture.h"

namespace {

using SolverTest = GridTest;

int32_t Solve(int32_t startCount = 0) {
  trialCount = startCount;
  return SolveFrom(0, 0);
}

const char* const EMPTY_GRID_SOLUTION[9] = {
    "123456789", "456789123", "789123456", "214365897", "365897214",
    "897214365", "531642978", "642978531", "978531642",
};

TEST_F(SolverTest, EmptyGridGivesTheFirstSolutionInRowOrder) {
  EXPECT_EQ(Solve(), 1);
  EXPECT_EQ(trialCount, 391);
  for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), EMPTY_GRID_SOLUTION[r]);
  EXPECT_EQ(GridFull(), 1);
}

// The empty grid's last 81 tries are the returns of its solution path: when
// the limit falls on one of them the solution is kept, not given up.
TEST_F(SolverTest, SolutionCompletedOnTheLastAllowedTryIsKept) {
  for (int32_t start : {29609, 29650, 29689}) {
    SCOPED_TRACE(start);
    ResetCells();
    EXPECT_EQ(Solve(start), 1);
    for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), EMPTY_GRID_SOLUTION[r]);
  }
  // One try earlier the limit falls on a dead end and still fires.
  ResetCells();
  EXPECT_EQ(Solve(29690), 2);
}

TEST_F(SolverTest, HopelessPositionStopsAtTheLimitOfTries) {
  const char* const rows[9] = {
      "........9", ".........", ".........", ".........", ".........",
      ".........", ".........", ".........", "12345678.",
  };
  Load(rows);
  EliminateCandidates();
  EXPECT_EQ(Solve(), 2);
  // The limit fires on the 30000th try; each caller on the way out then
  // counts its own try, so the count ends a little above it.
  EXPECT_GT(trialCount, trialLimit);
  EXPECT_LE(trialCount, trialLimit + 81);
  EXPECT_EQ(Cell(8, 8).value, 0);
  EXPECT_NE(Cell(0, 0).value, 0);  // the current path stays in the grid
}

TEST_F(SolverTest, ExhaustedSearchReportsNoCompletionAndEmptiesTriedCells) {
  // Cell (0, 0) may only hold 9, which (1, 0) already has: no completion,
  // and the search proves it with its very first cell.
  const char* const rows[9] = {
      ".12345678", "9........", ".........", ".........", ".........",
      ".........", ".........", ".........", ".........",
  };
  Load(rows);
  EXPECT_EQ(Solve(), 0);
  EXPECT_LT(trialCount, trialLimit);
  EXPECT_EQ(Row(0), "012345678");
  for (int r = 2; r < 9; ++r) EXPECT_EQ(Row(r), "000000000");
}

TEST_F(SolverTest, DeadEndFoundOnlyBySearchIsUndone) {
  // Every cell of row 0 still has candidates 1 and 2, but the row also
  // needs a 3, which the box forbids: four tries prove it impossible.
  const char* const rows[9] = {
      "...456789", "3........", ".........", ".........", ".........",
      ".........", ".........", ".........", ".........",
  };
  Load(rows);
  EliminateCandidates();
  EXPECT_EQ(Solve(), 0);
  EXPECT_EQ(trialCount, 4);
  EXPECT_EQ(Row(0), "000456789");
  EXPECT_EQ(Row(2), "000000000");
}

TEST_F(SolverTest, SearchCompletesAPartlyGivenGridAroundItsGivens) {
  const char* const rows[9] = {
      "534678912", "672195348", "198342567", ".........", ".........",
      ".........", ".........", ".........", ".........",
  };
  Load(rows);
  EliminateCandidates();
  EXPECT_EQ(Solve(), 1);
  EXPECT_EQ(trialCount, 119);
  EXPECT_TRUE(ConflictFree());
  EXPECT_EQ(Row(0), "534678912");
  EXPECT_EQ(Row(3), "213456789");
  EXPECT_EQ(Row(8), "965834271");
}

}  // namespace
