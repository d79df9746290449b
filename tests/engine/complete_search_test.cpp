// Where the 30000-try search gives up: every published hard puzzle of the
// corpus is solved, all rules kept and its givens in place, and every
// impossible position is proved so and left as given; a fixed sample of the
// stress sets gets the answer of a second, plain search; the guard, when
// reached, leaves the position as given.
#include <algorithm>
#include <bit>
#include <map>

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

// A second search, plain and written for the test alone: at each step the
// empty cell, or the digit missing from a unit, with the fewest ways to go
// on, each way tried in turn; no deduction beyond that. It counts the
// completions up to `limit` and keeps the first.
class PlainSearch {
 public:
  explicit PlainSearch(const Position& given) : digits_(given) {
    for (int cell = 0; cell < 81; ++cell) if (digits_[cell]) Flip(cell, digits_[cell]);
  }
  int Count(int limit) {
    limit_ = limit;
    Go();
    return found_;
  }
  const Position& First() const { return first_; }

 private:
  // The row, column and box of a cell, as indices into held_.
  static std::array<int, 3> UnitsOf(int cell) { return {cell / 9, 9 + cell % 9, 18 + cell / 27 * 3 + cell % 9 / 3}; }
  static int CellOf(int unit, int j) {
    const int k = unit % 9;
    return unit < 9 ? k * 9 + j : unit < 18 ? j * 9 + k : k / 3 * 27 + k % 3 * 3 + j / 3 * 9 + j % 3;
  }
  void Flip(int cell, int d) { for (const int u : UnitsOf(cell)) held_[u] ^= 1 << d; }
  void Go() {
    std::array<int, 81> fits{};  // the digits each empty cell can take, bit d for digit d
    bool full = true;
    for (int cell = 0; cell < 81; ++cell) {
      if (digits_[cell]) continue;
      full = false;
      fits[cell] = 0x3FE;
      for (const int u : UnitsOf(cell)) fits[cell] &= ~held_[u];
    }
    if (full) {
      if (found_++ == 0) first_ = digits_;
      return;
    }
    // The ways on: a cell and its digits, or a unit's digit and its cells.
    int fewest = 10, cell = -1, unit = -1, digit = 0;
    for (int c = 0; c < 81; ++c) {
      const int n = std::popcount(unsigned(fits[c]));
      if (!digits_[c] && n < fewest) fewest = n, cell = c;
    }
    for (int u = 0; u < 27; ++u) {
      for (int d = 1; d <= 9; ++d) {
        int n = 0;
        for (int j = 0; j < 9; ++j) n += fits[CellOf(u, j)] >> d & 1;
        if (!(held_[u] >> d & 1) && n < fewest) fewest = n, unit = u, digit = d;
      }
    }
    for (int k = 0; k < 9 && found_ < limit_; ++k) {
      const int c = unit < 0 ? cell : CellOf(unit, k);
      const int d = unit < 0 ? k + 1 : digit;
      if (!(fits[c] >> d & 1)) continue;
      digits_[c] = int8_t(d);
      Flip(c, d);
      Go();
      Flip(c, d);
      digits_[c] = 0;
    }
  }
  Position digits_, first_{};
  std::array<int, 27> held_{};  // the digits of each unit, bit d for digit d
  int limit_ = 1, found_ = 0;
};

// The stress sample: every position gets the plain search's answer; a
// solution is a whole grid that keeps the givens and, where there is only
// one, is that one cell by cell. The sets: the typed position that once
// reached the guard, turned and renamed, and positions without a solution,
// expect none; random puzzles expect exactly one.
TEST(CompleteSearch, AnswersTheStressSampleAsASecondPlainSearchDoes) {
  std::ifstream file(STRESS_SAMPLE_FILE);
  std::map<std::string, int> counted;
  for (std::string kind, cells; file >> kind >> cells;) {
    if (kind[0] == '#') {
      std::getline(file, cells);
      continue;
    }
    SCOPED_TRACE(kind + " " + cells);
    ASSERT_EQ(cells.size(), 81u);
    ++counted[kind];
    const Position given = Parse(cells);
    PlainSearch plain(given);
    const int completions = plain.Count(2);
    EXPECT_EQ(completions, kind == "unique" ? 1 : 0);
    Position digits = given;
    EXPECT_EQ(SolveCompletely(digits), completions > 0 ? 1 : 0);
    EXPECT_EQ(CountCompletions(given, 2), completions);
    EXPECT_EQ(digits, completions == 0 ? given : plain.First());
  }
  const std::map<std::string, int> expected = {{"changed", 154}, {"pared", 154}, {"typed", 16}, {"unique", 152}};
  EXPECT_EQ(counted, expected) << STRESS_SAMPLE_FILE;
}

// Should the guard ever be reached, the search says so and leaves the
// position as given; so does the count.
TEST(CompleteSearch, AGuardReachedLeavesThePositionAsGiven) {
  const Position given = Parse(HARD_PUZZLES[0].cells);
  Position digits = given;
  completeSearchGuard = 40;
  const int32_t solved = SolveCompletely(digits);
  const int32_t steps = completeSearchSteps;
  const int32_t counted = CountCompletions(given, 2);
  completeSearchGuard = COMPLETE_SEARCH_GUARD;
  EXPECT_EQ(solved, 2);
  EXPECT_EQ(steps, 40);
  EXPECT_EQ(digits, given);
  EXPECT_EQ(counted, -1);
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
  // The empty grid has completions beyond any count asked for.
  EXPECT_EQ(CountCompletions(Position{}, 2), 2);
  EXPECT_EQ(CountCompletions(Position{}, 5), 5);
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
