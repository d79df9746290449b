// What a cell of the main window takes: one digit from 1 to 9.
#pragma once

#include <windows.h>

// Puts the cell's guard in front of its own procedure. From then on the
// cell holds nothing but one digit 1 to 9, or nothing: a typed digit
// replaces the one it held, a click selects its digit, and letters, other
// characters and pasted or sent texts that are not one such digit leave it
// as it was.
void GuardCellInput(HWND cell);
