// "Solve for me": single candidates first, then the depth-first search with
// its limit of tries, and where it gives up the complete search; the
// solution goes into the cell fields. A position without one, or one the
// search could not finish, leaves the fields as the user typed them.
#include "app/cell_fields.h"
#include "app/commands.h"
#include "engine/cell_grid.h"
#include "engine/solve_grid.h"
#include "engine/timing.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/messages.h"
#include "runtime/strings.h"
#include "ui/main_window.h"

namespace {

int32_t solveStart;
Text solveMessage;

constexpr char UNSOLVABLE_FROM_BUTTON[] = " Unsolvable Sudoku !!!";
constexpr char UNSOLVABLE_FROM_SHORTCUT[] = "Unsolvable Sudoku !!!";
constexpr char UNSOLVABLE_TEXT[] = "It is impossible to solve this Sudoku.";
constexpr char UNFINISHED_TITLE[] = "Solve for me";
constexpr char UNFINISHED_TEXT[] =
    "The program could not finish solving this position.\n\n"
    "Your digits are left as you typed them.";
constexpr char SOLVED_TITLE[] = "Sudoku solved !";

bool AnyCellConflicts() {
  bool conflict = false;
  for (int8_t r = 0; r < 9; ++r) {
    for (int8_t c = 0; c < 9; ++c) {
      if (CellConflicts(r, c)) conflict = true;
    }
  }
  return conflict;
}

void ShowUnsolvable(int32_t startedBy) {
  const char* title =
      startedBy == EVENT_COMMAND ? UNSOLVABLE_FROM_SHORTCUT : UNSOLVABLE_FROM_BUTTON;
  ShowMessage(title, UNSOLVABLE_TEXT, MB_ICONHAND);
}

// The tick wraps; the difference is taken modulo 2^32 so that it stays right.
int32_t MillisecondsSinceStart() {
  return static_cast<int32_t>(static_cast<uint32_t>(Milliseconds()) -
                              static_cast<uint32_t>(solveStart));
}

void BuildSolvedMessage() {
  TempScope scope;
  StrAssign(solveMessage, StrJoin("Here you are.\n\nSudoku solved in ",
                                  StrFromInt(MillisecondsSinceStart()), " milliseconds."));
}

void RestoreButton() {
  GadgetDisable(BUTTON_SOLVE, 0);
  GadgetSetText(BUTTON_SOLVE, "&Solve for me");
}

}  // namespace

void SolveForMe(int32_t startedBy) {
  ShowButtonBusy(BUTTON_SOLVE, "Solving...");
  ResetCells();
  ReadCells();
  if (AnyCellConflicts()) {
    ShowUnsolvable(startedBy);
    RestoreButton();
    return;
  }
  solveStart = Milliseconds();
  const int32_t result = SolveGrid();
  if (result == 1) {
    BuildSolvedMessage();
    WriteCells();
    ShowMessage(SOLVED_TITLE, solveMessage, MB_ICONINFORMATION);
    StrSet(solveMessage, nullptr);  // only the message needed it
  } else if (result == 0) {
    // No completion exists: the grid holds only what was given and deduced,
    // so the fields stay as the user left them.
    ShowUnsolvable(startedBy);
  } else {
    // The complete search reached its guard: the grid holds a search's
    // guesses, which never reach the fields.
    ShowMessage(UNFINISHED_TITLE, UNFINISHED_TEXT, MB_ICONINFORMATION);
  }
  RestoreButton();
}
