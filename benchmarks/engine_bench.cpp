// Engine speed: the searches the Solve for me command runs, and the peer
// test under all of them.
#include <benchmark/benchmark.h>

#include "engine/cell_grid.h"
#include "engine/elimination.h"
#include "engine/solver.h"
#include "runtime/memory.h"
#include "runtime/strings.h"

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
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  CellGridRelease();
  return 0;
}
