// Many rounds of the commands must not leave windows or GDI objects behind.
// Runs the probe build of the program (probe_main.cpp), which reports its
// GDI object count; windows are counted from here. TESSEL_SOAK_ROUNDS sets
// the number of rounds (20 by default; the long form uses 200).
#include <cstdio>
#include <cstdlib>

#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

constexpr DWORD STEP_TIMEOUT = 10000;

int SoakRounds() {
  const char* rounds = getenv("TESSEL_SOAK_ROUNDS");
  const int value = rounds ? atoi(rounds) : 0;
  return value > 1 ? value : 20;
}

// Check rounds spread evenly over the run, the first and the last among them.
bool IsCheckRound(int round, int rounds, int checks) {
  if (round == 1 || round == rounds) return true;
  const int spacing = (rounds - 1) / (checks - 1);
  return (round - 1) % spacing == 0 && (round - 1) / spacing < checks - 1;
}

bool SolveRestored(const Program& program) {
  return program.Enabled(SOLVE) && program.Caption(SOLVE) == SOLVE_TEXT;
}

bool CheckRestored(const Program& program) {
  return program.Enabled(CHECK) && program.Caption(CHECK) == CHECK_TEXT;
}

// Solves with Ctrl+S and answers every box that comes (a random position can
// also be refused or given up on).
bool SolveByShortcut(Program& program) {
  if (!program.ToFront()) return false;
  program.Key('S', input::CONTROL);
  if (!program.AwaitBox(STEP_TIMEOUT)) return false;
  return program.AnswerBoxesUntil([&] { return SolveRestored(program); }, STEP_TIMEOUT);
}

// Two 6s that see each other: refused by Solve (a stop box), then marked by
// Check and answer. The same two cells every time, so that the same marker
// pictures are made again.
bool RepeatedDigitRound(Program& program) {
  if (!program.TypeInCell(0, 2, "6", "6") || !program.TypeInCell(0, 7, "6", "6")) return false;
  program.PointerAway();
  if (!SolveByShortcut(program)) return false;
  program.Key('C', input::CONTROL);
  if (!WaitFor([&] { return program.Gadget(MarkerNumber(0, 2)) != nullptr; }, STEP_TIMEOUT)) {
    return false;
  }
  return WaitFor([&] { return !program.Gadget(MarkerNumber(0, 2)) && CheckRestored(program); },
                 STEP_TIMEOUT) &&
         program.NoBoxFor(300);
}

bool Round(Program& program, bool withCheck) {
  if (withCheck && !RepeatedDigitRound(program)) return false;
  program.Key('E', input::CONTROL);
  if (!SolveByShortcut(program)) return false;
  program.PointerAway();
  program.Key('R', input::CONTROL);
  return WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, STEP_TIMEOUT);
}

struct Counts {
  int windows, gdi;
};

Counts Measure(const Program& program) {
  Sleep(300);  // let painting settle
  return {CountWindows(program.ProcessId()), ProbeGdiCount(program.ProcessId())};
}

TEST(Leaks, RepeatedCommandsKeepTheObjectCounts) {
  const int rounds = SoakRounds();
  const int checks = rounds >= 100 ? 5 : 2;
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 3), TESSEL_PROBE_EXE));
  // Before any command: the first round makes marker pictures and loads the
  // message boxes' icons, which later rounds reuse.
  const Counts initial = Measure(program);
  printf("at start: %d windows, %d GDI objects\n", initial.windows, initial.gdi);
  Counts first = {};
  Counts last = {};
  const DWORD start = GetTickCount();
  for (int round = 1; round <= rounds; ++round) {
    ASSERT_TRUE(Round(program, IsCheckRound(round, rounds, checks))) << "round " << round;
    if (round != 1 && round != rounds && round % 50 != 0) continue;
    last = Measure(program);
    if (round == 1) first = last;
    printf("after round %d: %d windows, %d GDI objects\n", round, last.windows, last.gdi);
  }
  printf("%d rounds (%d with checks) in %lu ms\n", rounds, checks, GetTickCount() - start);
  ASSERT_GT(first.gdi, 0) << "the probe did not answer";
  EXPECT_EQ(last.windows, first.windows);
  EXPECT_EQ(last.gdi, first.gdi);
}

}  // namespace
}  // namespace e2e
