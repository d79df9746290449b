// The complete search on stress sets, natively: the typed position that once
// reached the guard under its eight turns and mirrors and digit relabellings,
// random puzzles with one solution, positions without one (a given changed,
// and random givens pared down while no completion exists), and the published
// hard puzzles of the test corpus. Each answer is checked; per set it prints
// the median, 99th percentile and worst time and placements, and the worst
// position. With --sample FILE it writes the fixed sample the engine test runs.
// The positions come from the engine's own random source, seeded, so every
// run makes the same ones.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "engine/complete_search.h"
#include "engine/random.h"
#include "tests/engine/puzzle_corpus.h"

namespace {

constexpr uint32_t SEED = 20261209;
constexpr int RELABELLINGS = 128;  // of each of the eight turns and mirrors
constexpr int ONE_SOLUTION = 10000;
constexpr int CHANGED = 2000;
constexpr int PARED = 2000;
constexpr int SAMPLE_SIZE = 150;  // of each set, for the engine test
constexpr int TYPED_SAMPLE = 16;  // two of each turn and mirror
constexpr int TIMINGS = 3;        // runs of each position; the fastest counts

const char TYPED[] =
    ".....5.8....6.1.43..........1.5........1.6...3.......553.....61........4.........";

Position Parse(const std::string& cells) {
  Position digits{};
  for (int i = 0; i < 81; ++i)
    digits[i] = int8_t(cells[i] >= '1' && cells[i] <= '9' ? cells[i] - '0' : 0);
  return digits;
}

std::string Cells(const Position& digits) {
  std::string cells;
  for (const int8_t d : digits) cells += d ? char('0' + d) : '.';
  return cells;
}

bool Sees(int a, int b) {
  return a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3);
}

// `digit` at `cell` repeats nothing.
bool Fits(const Position& p, int cell, int digit) {
  for (int other = 0; other < 81; ++other) {
    if (other != cell && p[other] == digit && Sees(other, cell)) return false;
  }
  return true;
}

void Shuffle(std::vector<int>& items) {
  for (int i = int(items.size()) - 1; i > 0; --i) std::swap(items[i], items[RandomNumber(i)]);
}

std::vector<int> CellOrder() {
  std::vector<int> cells(81);
  for (int i = 0; i < 81; ++i) cells[i] = i;
  Shuffle(cells);
  return cells;
}

// `count` random digits that repeat nothing, in random empty cells.
Position RandomGivens(int count) {
  Position p{};
  for (int placed = 0; placed < count;) {
    const int cell = RandomNumber(80);
    const int digit = 1 + RandomNumber(8);
    if (p[cell] == 0 && Fits(p, cell, digit)) p[cell] = int8_t(digit), ++placed;
  }
  return p;
}

// A full grid, completed from a few random givens; then its givens taken
// away in random order wherever the completion stays unique.
Position OneSolution() {
  Position p;
  do p = RandomGivens(11);
  while (SolveCompletely(p) != 1);
  for (const int cell : CellOrder()) {
    const int8_t kept = p[cell];
    p[cell] = 0;
    if (CountCompletions(p, 2) != 1) p[cell] = kept;
  }
  return p;
}

// A given of `puzzle` changed to another digit that repeats nothing, where
// that leaves no completion; false when no such change was found.
bool Changed(const Position& puzzle, Position& out) {
  for (const int cell : CellOrder()) {
    if (puzzle[cell] == 0) continue;
    for (int digit = 1; digit <= 9; ++digit) {
      out = puzzle;
      out[cell] = int8_t(digit);
      if (digit != puzzle[cell] && Fits(out, cell, digit) && CountCompletions(out, 1) == 0)
        return true;
    }
  }
  return false;
}

// Random givens without a completion, pared down while there is still none.
Position Pared() {
  Position p;
  do p = RandomGivens(20 + RandomNumber(9));
  while (CountCompletions(p, 1) != 0);
  for (const int cell : CellOrder()) {
    const int8_t kept = p[cell];
    p[cell] = 0;
    if (CountCompletions(p, 1) != 0) p[cell] = kept;
  }
  return p;
}

// The typed position turned a quarter `turns` times, mirrored along its
// diagonal when `mirrored`, its digits renamed by `names`.
Position Variant(const Position& p, int turns, bool mirrored, const std::vector<int>& names) {
  Position q{};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      int row = mirrored ? c : r;
      int column = mirrored ? r : c;
      for (int k = 0; k < turns; ++k) std::tie(row, column) = std::pair(column, 8 - row);
      q[row * 9 + column] = int8_t(p[r * 9 + c] ? names[p[r * 9 + c] - 1] : 0);
    }
  }
  return q;
}

struct Case {
  Position given;
  bool solvable;
};

struct Set {
  const char* name;
  const char* kind;  // its name in the sample file
  std::vector<Case> cases;
};

// The answer is right: a solution keeps the givens and fills every row,
// column and box with 1 to 9; an impossible position stays as given.
bool Right(const Case& c, int32_t result, const Position& after) {
  if (!c.solvable) return result == 0 && after == c.given;
  if (result != 1) return false;
  for (int i = 0; i < 81; ++i) {
    if (after[i] < 1 || (c.given[i] && c.given[i] != after[i])) return false;
    for (int j = i + 1; j < 81; ++j) {
      if (Sees(i, j) && after[i] == after[j]) return false;
    }
  }
  return true;
}

template <typename T>
T Rank(std::vector<T> values, double share) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

// Runs the set and prints its line; false when an answer was wrong.
bool Measure(const Set& set) {
  std::vector<double> micros;
  std::vector<int32_t> steps;
  int32_t worstSteps = -1;
  std::string worst;
  bool right = true;
  for (const Case& c : set.cases) {
    double fastest = 1e18;
    for (int run = 0; run < TIMINGS; ++run) {
      Position digits = c.given;
      const auto start = std::chrono::steady_clock::now();
      const int32_t result = SolveCompletely(digits);
      const auto end = std::chrono::steady_clock::now();
      fastest = std::min(fastest, std::chrono::duration<double, std::micro>(end - start).count());
      right = right && Right(c, result, digits);
    }
    micros.push_back(fastest);
    steps.push_back(completeSearchSteps);
    if (completeSearchSteps > worstSteps) worstSteps = completeSearchSteps, worst = Cells(c.given);
  }
  std::printf("%-34s %6zu  %7.1f %7.1f %8.1f   %6d %6d %7d  %s%s\n", set.name, set.cases.size(),
              Rank(micros, 0.5), Rank(micros, 0.99), Rank(micros, 1.0), Rank(steps, 0.5),
              Rank(steps, 0.99), worstSteps, worst.c_str(), right ? "" : "  WRONG ANSWER");
  return right;
}

std::vector<Set> MakeSets() {
  std::vector<Set> sets = {{"typed position, turned, renamed", "typed", {}},
                           {"one solution", "unique", {}},
                           {"no solution, a given changed", "changed", {}},
                           {"no solution, givens pared down", "pared", {}},
                           {"published hard and impossible", "published", {}}};
  const Position typed = Parse(TYPED);
  for (int turns = 0; turns < 4; ++turns) {
    for (const bool mirrored : {false, true}) {
      for (int k = 0; k < RELABELLINGS; ++k) {
        std::vector<int> names = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        if (k > 0) Shuffle(names);
        sets[0].cases.push_back({Variant(typed, turns, mirrored, names), false});
      }
    }
  }
  while (sets[1].cases.size() < ONE_SOLUTION) sets[1].cases.push_back({OneSolution(), true});
  for (size_t i = 0; sets[2].cases.size() < CHANGED && i < sets[1].cases.size(); ++i) {
    Position changed;
    if (Changed(sets[1].cases[i].given, changed)) sets[2].cases.push_back({changed, false});
  }
  while (sets[3].cases.size() < PARED) sets[3].cases.push_back({Pared(), false});
  for (const NamedPosition& p : HARD_PUZZLES) sets[4].cases.push_back({Parse(p.cells), true});
  for (const NamedPosition& p : IMPOSSIBLE_POSITIONS)
    sets[4].cases.push_back({Parse(p.cells), false});
  return sets;
}

// Every set's cases spread evenly, the published ones left to the corpus file.
bool WriteSample(const std::vector<Set>& sets, const char* path) {
  FILE* file = std::fopen(path, "w");
  if (!file) return false;
  std::fprintf(file,
               "# A fixed sample of the complete search's stress sets, written by\n"
               "# benchmarks/search_stress --sample: a line a position, its set and its rows\n"
               "# joined (. for an empty cell). typed: the position that once reached the\n"
               "# guard, turned, mirrored and renamed; unique: one solution; changed and\n"
               "# pared: no solution.\n");
  for (const Set& set : sets) {
    if (std::strcmp(set.kind, "published") == 0) continue;
    const size_t size = std::strcmp(set.kind, "typed") == 0 ? TYPED_SAMPLE : SAMPLE_SIZE;
    const size_t step = std::max<size_t>(1, set.cases.size() / size);
    for (size_t i = 0; i < set.cases.size(); i += step) {
      std::fprintf(file, "%s %s\n", set.kind, Cells(set.cases[i].given).c_str());
    }
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  SeedRandom(SEED);
  const auto start = std::chrono::steady_clock::now();
  const std::vector<Set> sets = MakeSets();
  const double making =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("sets made in %.1f s; the guard is %d placements\n\n", making, COMPLETE_SEARCH_GUARD);
  std::printf("%-34s %6s  %7s %7s %8s   %6s %6s %7s  %s\n", "set", "count", "median", "99%",
              "worst", "median", "99%", "worst", "worst position");
  std::printf("%-34s %6s  %24s   %21s\n", "", "", "time (microseconds)", "placements");
  bool right = true;
  for (const Set& set : sets) right = Measure(set) && right;
  if (argc == 3 && std::strcmp(argv[1], "--sample") == 0 && !WriteSample(sets, argv[2])) {
    std::fprintf(stderr, "could not write %s\n", argv[2]);
    return 1;
  }
  return right ? 0 : 1;
}
