// The soak: many rounds of Enter digits, Solve for me and Clear cells at all
// three levels, with Check and answer and the two side windows now and then,
// must leave no windows, GDI objects or memory behind. Runs the probe build,
// which reports its GDI object count; windows and memory are read from here.
// TESSEL_SOAK_ROUNDS sets the rounds: 30 by default, the short run of every
// test pass; the full soak is 1000.
#include <cstdio>
#include <cstdlib>

#include "tests/e2e/e2e_test.h"
#include "tests/support/probe.h"

namespace e2e {
namespace {

constexpr int ROUNDS_PER_LEVEL = 10;  // before the slider moves on
constexpr int MEASURE_EVERY = 100;
constexpr int MOST_EXTRAS = 20;  // rounds with a check and the side windows
// Allowed growth of the working set and of the private bytes from round 1
// to the end. Under Wine both count the whole host process; over 1000
// rounds both grew by about 500 KB, mostly in the first 100 rounds while
// heaps and caches reach their working size; twice that still shows a leak
// of a kilobyte a round over the full run.
constexpr size_t MEMORY_MARGIN = 1 << 20;

int LevelOf(int round) { return 1 + (round - 1) / ROUNDS_PER_LEVEL % 3; }

// The pointer is moved away afterwards: a tooltip that came up where it
// rested would make its objects at a moment no round can predict.
bool SideWindows(Program& program, bool byButton) {
  for (const Side* side : {&DONATION_DIALOG, &ABOUT_WINDOW}) {
    HWND window = OpenSide(program, *side, byButton);
    if (!window || !CloseSide(program, window, *side, byButton)) return false;
    Program::PointerAway();
  }
  return true;
}

// One round; the step that failed, or null.
const char* Round(Program& program, int round, bool extras) {
  const int level = LevelOf(round);
  if (round > 1 && LevelOf(round - 1) != level &&
      !MoveSliderByKey(program, level == 1 ? VK_HOME : VK_RIGHT, level)) {
    return "moving the slider";
  }
  if (extras && !SideWindows(program, round % 2 == 1)) return "the side windows";
  // The same two 6s every time, so that the same marker pictures are made again.
  if (extras && !ChecksTwoSixes(program)) return "Check and answer";
  input::KeyPress('E', input::CONTROL);
  if (AwaitNewPosition(program, EMPTY_ROWS) == EMPTY_ROWS) return "Enter digits";
  // Ctrl+S, answering every box that comes (a random position can also be
  // refused or given up on), until the main window takes keys again.
  input::KeyPress('S', input::CONTROL);
  if (!program.AwaitBox(STEP_TIMEOUT) || !AnswerSolveBoxes(program) ||
      !program.AwaitInput(STEP_TIMEOUT)) {
    return "Solve for me";
  }
  input::KeyPress('R', input::CONTROL);
  if (!WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, STEP_TIMEOUT)) return "Clear cells";
  return nullptr;
}

struct Figures {
  int round, windows, gdi;
  PROCESS_MEMORY_COUNTERS memory;  // its commit charge, PagefileUsage, is the private bytes
};

// Printed as a row of the table the README keeps. Memory is read before the
// GDI count: the probe makes and frees brushes to count.
Figures Measure(const Program& program, int round, DWORD start) {
  Sleep(300);  // let painting settle
  const DWORD id = program.ProcessId();
  Figures f{round, static_cast<int>(WindowsOf(id, nullptr, nullptr, true).size()), 0, MemoryOf(id)};
  f.gdi = static_cast<int>(strtol(ProbeAsk(id, PROBE_GDI_COUNT).c_str(), nullptr, 10));
  printf("| %d | %d | %d | %zu | %zu | %zu | %.1f |\n", round, f.windows, f.gdi,
         f.memory.WorkingSetSize >> 10, f.memory.PeakWorkingSetSize >> 10,
         f.memory.PagefileUsage >> 10, (GetTickCount() - start) / 1e3);
  (void)fflush(stdout);
  return f;
}

TEST(Leaks, SoakAtEveryLevelKeepsObjectCountsAndMemory) {
  const char* variable = getenv("TESSEL_SOAK_ROUNDS");
  const long asked = variable ? strtol(variable, nullptr, 10) : 0;
  const int rounds = asked > 0 ? static_cast<int>(asked) : 30;
  const int extrasEvery = std::max(ROUNDS_PER_LEVEL, rounds / MOST_EXTRAS);
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 1), TESSEL_PROBE_EXE));
  printf("| after round | windows | GDI objects | working set KB | peak KB | private KB | s |\n");
  printf("|---|---|---|---|---|---|---|\n");
  const DWORD start = GetTickCount();
  // Round 0, before any command, is not compared: the first round makes the
  // marker pictures, the boxes' icons and what the side windows keep.
  Measure(program, 0, start);
  // A tooltip makes its objects the first time it shows, whenever the
  // pointer happens to rest on a button: shown once here, before round 1.
  input::MouseMove(input::Centre(program.Gadget(ENTER_DIGITS)));
  Sleep(2000);
  Program::PointerAway();
  std::vector<Figures> measured;
  for (int round = 1; round <= rounds; ++round) {
    const char* failed = Round(program, round, (round - 1) % extrasEvery == 0);
    ASSERT_EQ(failed, nullptr) << failed << " failed in round " << round;
    if (round == 1 || round == rounds || round % MEASURE_EVERY == 0) {
      measured.push_back(Measure(program, round, start));
    }
  }
  const Figures& first = measured.front();
  ASSERT_GT(first.gdi, 0) << "the probe did not answer";
  ASSERT_GT(first.memory.WorkingSetSize, 0u) << "no memory figures for the program";
  for (const Figures& figures : measured) {
    EXPECT_EQ(figures.windows, first.windows) << "after round " << figures.round;
    EXPECT_EQ(figures.gdi, first.gdi) << "after round " << figures.round;
  }
  const PROCESS_MEMORY_COUNTERS& last = measured.back().memory;
  EXPECT_LT(last.WorkingSetSize, first.memory.WorkingSetSize + MEMORY_MARGIN);
  EXPECT_LT(last.PagefileUsage, first.memory.PagefileUsage + MEMORY_MARGIN);
}

}  // namespace
}  // namespace e2e
