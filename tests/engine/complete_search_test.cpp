// Where the 30000-try search gives up: every published hard puzzle of the
// corpus is solved, all rules kept and its givens in place, and every
// impossible position is proved so and left as given.
#include <algorithm>

#include "engine/complete_search.h"
#include "engine/elimination.h"
#include "engine/solve_grid.h"
#include "engine/solver.h"
#include "tests/engine/grid_fixture.h"
#include "tests/engine/puzzle_corpus.h"

namespace {

Position Parse(const std::string& cells) {
  Position digits{};
  for (int i = 0; i < 81; ++i) digits[i] = int8_t(cells[i] > '0' ? cells[i] - '0' : 0);
  return digits;
}

// Every row, column and box holds each digit once.
bool Solved(const Position& d) {
  for (int k = 0; k < 9; ++k) {
    int row = 0;
    int column = 0;
    int box = 0;
    for (int j = 0; j < 9; ++j) {
      row |= 1 << d[k * 9 + j];
      column |= 1 << d[j * 9 + k];
      box |= 1 << d[k / 3 * 27 + k % 3 * 3 + j / 3 * 9 + j % 3];
    }
    if (row != 0x3FE || column != 0x3FE || box != 0x3FE) return false;
  }
  return true;
}

bool Keeps(const Position& given, const Position& d) {
  for (int i = 0; i < 81; ++i) if (given[i] && given[i] != d[i]) return false;
  return true;
}

// The grid as a command finds it after reading the fields.
void LoadPosition(const std::string& cells) {
  ResetCells();
  SetGridPosition(Parse(cells));
}

using SolveGridTest = GridTest;

TEST(CompleteSearch, SolvesEveryHardPuzzleAndProvesEveryImpossibleOne) {
  ASSERT_EQ(HARD_PUZZLES.size(), HARD_PUZZLE_COUNT) << PUZZLE_FILE;
  ASSERT_EQ(IMPOSSIBLE_POSITIONS.size(), IMPOSSIBLE_POSITION_COUNT) << PUZZLE_FILE;
  for (const NamedPosition& p : HARD_PUZZLES) {
    SCOPED_TRACE(p.name);
    const Position given = Parse(p.cells);
    Position digits = given;
    EXPECT_EQ(SolveCompletely(digits), 1);
    EXPECT_TRUE(Solved(digits) && Keeps(given, digits));
    EXPECT_EQ(completeSearchSteps, p.steps);
  }
  Position empty{};  // every cell with nine candidates: one placement each
  EXPECT_TRUE(SolveCompletely(empty) == 1 && Solved(empty) && completeSearchSteps == 81);
  Position repeated = Parse(HARD_PUZZLES[0].cells);
  repeated[1] = 8;  // a second 8 in row 0
  Position outOfRange{};
  Position negative{};
  outOfRange[40] = 10;
  negative[40] = -3;
  std::vector<std::pair<Position, int>> impossible = {{repeated, 0}, {outOfRange, 0}, {negative, 0}};
  for (const NamedPosition& p : IMPOSSIBLE_POSITIONS) impossible.emplace_back(Parse(p.cells), p.steps);
  for (const auto& [given, steps] : impossible) {
    SCOPED_TRACE(steps);
    Position digits = given;
    EXPECT_EQ(SolveCompletely(digits), 0);
    EXPECT_EQ(digits, given);
    EXPECT_EQ(completeSearchSteps, steps);
  }
}

// As Solve for me runs it: the search of old first, so what it finishes is
// as before; where it gives up, the complete search from the given and
// deduced digits, whose answer then stands in the grid.
TEST_F(SolveGridTest, TheCompleteSearchTakesOverWhereTheOldOneGivesUp) {
  Load({});
  EXPECT_EQ(SolveGrid(), 1);
  EXPECT_EQ(trialCount, 391);
  EXPECT_EQ(Row(8), "978531642");
  // Single candidates alone complete this one: no search at all.
  LoadPosition("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
  trialCount = -1;
  EXPECT_TRUE(SolveGrid() == 1 && Solved(GridPosition()) && trialCount == -1);
  int gaveUp = 0;
  for (const NamedPosition& p : HARD_PUZZLES) {
    SCOPED_TRACE(p.name);
    const Position given = Parse(p.cells);
    LoadPosition(p.cells);
    EXPECT_EQ(SolveGrid(), 1);
    EXPECT_TRUE(Solved(GridPosition()) && Keeps(given, GridPosition()));
    gaveUp += trialCount >= trialLimit;
  }
  EXPECT_GE(gaveUp, 4);  // the four users met, and more
  for (const NamedPosition& p : IMPOSSIBLE_POSITIONS) {
    SCOPED_TRACE(p.name);
    LoadPosition(p.cells);
    EliminateCandidates();
    const Position deduced = GridPosition();
    LoadPosition(p.cells);
    EXPECT_EQ(SolveGrid(), 0);
    EXPECT_EQ(GridPosition(), deduced);
  }
}

}  // namespace
