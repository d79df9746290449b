// Engine speed: the searches the Solve for me command runs, the complete
// search on each puzzle of the test corpus, and the peer test under all of
// them.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/cell_grid.h"
#include "engine/complete_search.h"
#include "engine/elimination.h"
#include "engine/solve_grid.h"
#include "engine/solver.h"
#include "runtime/memory.h"
#include "runtime/strings.h"
#include "tests/engine/puzzle_corpus.h"

namespace {

void Load(const char* cells) {
  ResetCells();
  for (int i = 0; i < 81; ++i) {
    char ch = cells[i];
    Cell(i / 9, i % 9).value = static_cast<int8_t>(ch >= '1' && ch <= '9' ? ch - '0' : 0);
  }
}

// Loads, eliminates and searches one position, as the command does.
void Solve(benchmark::State& state, const char* cells) {
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
    Load(cells);
    EliminateCandidates();
    trialCount = 0;
    benchmark::DoNotOptimize(SolveFrom(0, 0));
  }
  state.counters["tries"] = trialCount;
}

const char* const EMPTY =
    "........." "........." "........." "........." "........." "........." "........."
    "........." ".........";
// Row 8 holds 1 to 8 and (0, 8) a 9: no completion, the search runs to its limit.
const char* const ROW_EIGHT =
    "........9" "........." "........." "........." "........." "........." "........."
    "........." "12345678.";
const char* const SINGLES =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

void BM_SolveEmptyGrid(benchmark::State& state) { Solve(state, EMPTY); }
void BM_SolveToTheLimit(benchmark::State& state) { Solve(state, ROW_EIGHT); }
void BM_SolveBySinglesAlone(benchmark::State& state) { Solve(state, SINGLES); }

Position Parse(const char* cells) {
  Position digits{};
  for (int i = 0; i < 81; ++i) {
    digits[i] = static_cast<int8_t>(cells[i] >= '1' && cells[i] <= '9' ? cells[i] - '0' : 0);
  }
  return digits;
}

// The complete search alone, from the given digits.
void CompleteSearch(benchmark::State& state, const char* cells) {
  const Position given = Parse(cells);
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
    Position digits = given;
    benchmark::DoNotOptimize(SolveCompletely(digits));
  }
  state.counters["steps"] = completeSearchSteps;
}

// The whole solving of the command: elimination, the 30000-try search and,
// where it gives up, the complete search.
void WholeSolving(benchmark::State& state, const char* cells) {
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
    Load(cells);
    completeSearchSteps = 0;  // stays 0 where the search of old finishes
    benchmark::DoNotOptimize(SolveGrid());
  }
  state.counters["tries"] = trialCount;
  state.counters["steps"] = completeSearchSteps;
}

void BM_PeerDigits(benchmark::State& state) {
  Load(SINGLES);
  int8_t r = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
    TempScope scope;
    benchmark::DoNotOptimize(PeerDigits(r, 4));
    r = static_cast<int8_t>((r + 1) % 9);
  }
}

BENCHMARK(BM_SolveEmptyGrid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveToTheLimit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveBySinglesAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PeerDigits);

}  // namespace

int main(int argc, char** argv) {
  MainHeapCreate();
  TempStringAreaCreate();
  CellGridCreate();
  // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): the library's registry keeps each one
  for (const NamedPosition& p : HARD_PUZZLES) {
    const char* cells = p.cells.c_str();
    benchmark::RegisterBenchmark(("BM_CompleteSearch/" + p.name).c_str(), CompleteSearch, cells)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_WholeSolving/" + p.name).c_str(), WholeSolving, cells)
        ->Unit(benchmark::kMillisecond);
  }
  // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  CellGridRelease();
  return 0;
}
