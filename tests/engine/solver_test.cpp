// The depth-first search: its first solution, its count of tries, its limit.
#include "engine/elimination.h"
#include "engine/solver.h"
#include "tests/engine/grid_fixture.h"

using SolverTest = GridTest;

static int32_t Solve(int32_t startCount = 0) { trialCount = startCount; return SolveFrom(0, 0); }

const char* const EMPTY_GRID_SOLUTION[9] = {
    "123456789", "456789123", "789123456", "214365897", "365897214",
    "897214365", "531642978", "642978531", "978531642",
};

// Each position is eliminated first, then searched from (0, 0); rows missing
// after the search are empty.
TEST_F(SolverTest, ResultTriesAndTheGridLeftBehind) {
  const struct { Rows rows; int32_t result, tries; Rows after; } cases[] = {
      // The empty grid: the first solution in row order.
      {{}, 1, 391, {"123456789", "456789123", "789123456", "214365897", "365897214", "897214365",
                    "531642978", "642978531", "978531642"}},
      // Row 8 holding 1-8 and a 9 at (0, 8): hopeless. The limit fires on the
      // 30000th try; each caller on the way out then counts its own try, and
      // the current path stays in the grid.
      {{"........9", "", "", "", "", "", "", "", "12345678."}, 2, 30062,
       {"214365879", "356789124", "789124356", "431298567", "572613948", "698547213", "845972631",
        "900000000", "123456780"}},
      // A dead end found only by search, and undone: row 0 keeps candidates 1
      // and 2 in each cell, but also needs a 3, which the box forbids.
      {{"...456789", "3"}, 0, 4, {"000456789", "300000000"}},
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(&t - cases);
    Load(t.rows);
    EliminateCandidates();
    EXPECT_EQ(Solve(), t.result);
    EXPECT_EQ(trialCount, t.tries);
    for (int r = 0; r < 9; ++r) EXPECT_EQ(Row(r), t.after[r] ? t.after[r] : "000000000") << r;
    EXPECT_EQ(GridFull() && ConflictFree(), t.result == 1);
  }
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
