// The main window's commands that work on the puzzle: each reads the cell
// fields into the grid, computes and shows its result.
#pragma once

#include <cstdint>

#include "runtime/array.h"

// The markers placed by the last check, in order of placement; dimensioned
// to 81 at start-up (one marker per cell at most).
extern Array<int32_t> markerList;
extern int32_t markerCount;

// Disables a command's button and paints its busy caption at once, so that
// the user sees it for the whole of the work.
void ShowButtonBusy(int32_t button, const char* caption);
// Marks every digit that repeats in its row, column or box for four
// seconds; without one, says the Sudoku is being solved properly.
void CheckAndAnswer();
// Solves the position in the fields and reports the time taken.
// `startedBy` is EVENT_GADGET for the button, EVENT_COMMAND for a shortcut.
void SolveForMe(int32_t startedBy);
// Empties the fields and shows a new random position at the current level.
void EnterDigits();
