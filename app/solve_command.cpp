// "Solve for me": single candidates first, then the depth-first search with
// its limit of tries, and where it gives up the complete search; the
// solution goes into the cell fields.
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
int32_t exceptionalFlag;

constexpr char UNSOLVABLE_FROM_BUTTON[] = " Unsolvable Sudoku !!!";
constexpr char UNSOLVABLE_FROM_SHORTCUT[] = "Unsolvable Sudoku !!!";
constexpr char UNSOLVABLE_TEXT[] = "It is impossible to solve this Sudoku.";
constexpr char EXCEPTIONAL_TITLE[] = "Unsolvable initial configuration";
constexpr char EXCEPTIONAL_TEXT[] =
    "Note:\n\nExceptional grid configuration. Program is not able to solve this sudoku.\n\n"
    "Tessel SUDOKU enters initial numbers at random. Thus there may be an Unsolvable "
    "configuration.\n\nAdditionally, User could enter an unsolvable configuration. ";
constexpr char ANALYZE_TEXT[] =
    "Analyze the diagram.\n\nAfter pushing *OK* button all digits will be removed from fields.";
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
  GadgetDisable(BUTTON_SOLVE, 1);
  GadgetSetText(BUTTON_SOLVE, "Solving...");
  ResetCells();
  ReadCells();
  if (AnyCellConflicts()) {
    ShowUnsolvable(startedBy);
    RestoreButton();
    return;
  }
  solveStart = Milliseconds();
  const int32_t result = SolveGrid();
  // No completion exists: the grid holds only what was given and deduced,
  // so the fields stay as the user left them.
  if (result == 0) {
    ShowUnsolvable(startedBy);
    RestoreButton();
    return;
  }
  // Only a fault in the complete search could bring this case back.
  if (result == 2) {
    ShowMessage(EXCEPTIONAL_TITLE, EXCEPTIONAL_TEXT, MB_ICONINFORMATION);
    exceptionalFlag = 1;
  } else {
    BuildSolvedMessage();
  }
  WriteCells();
  if (exceptionalFlag != 1) {
    ShowMessage(SOLVED_TITLE, solveMessage, MB_ICONINFORMATION);
  } else {
    // The user looks at how far the search got before the fields are emptied.
    ShowMessage(EXCEPTIONAL_TITLE, ANALYZE_TEXT, MB_ICONINFORMATION);
    ClearCellFields();
  }
  exceptionalFlag = 0;
  StrSet(solveMessage, nullptr);  // only the message needed it
  RestoreButton();
}
