// The 81 cell fields of the main window and the engine's grid: the fields
// hold the position between commands, the grid only during one.
#pragma once

#include <windows.h>

#include <cstdint>

// Loads the fields' digits into the grid, which the caller has reset; an
// empty field, or one holding 0, leaves its cell empty.
void ReadCells();
// Writes every non-zero digit of the grid into its field; the fields of
// empty cells keep what they show.
void WriteCells();
// Empties every field; the grid is not touched.
void ClearCellFields();
// Keeps only the first character of cell gadget g.
void TrimCellText(int32_t g);
// An arrow key pressed in a cell moves the keyboard focus to the
// neighbouring cell, its character selected so that the next digit replaces
// it; at the grid's edge the key does nothing. Other keys and windows are
// left alone.
void WalkGrid(const MSG& message);
