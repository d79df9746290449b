// The engine's board: 9 x 9 cells, each with its digit and the text of the
// digits still possible for it, and the peer test every rule check rests on.
// Rows and columns count from 0; row 9 and column 9 exist but stay unused.
#pragma once

#include <array>
#include <cstdint>

#include "runtime/array.h"
#include "runtime/strings.h"

struct CellRecord {
  int8_t value = 0;  // 0 = empty, 1 to 9 = the digit
  Text candidates;   // ascending subsequence of "123456789"
};

inline constexpr int32_t GRID_DIMENSION = 10;

extern Array2D<CellRecord> CellGrid;

// Dimensions the grid at start-up: 10 x 10 records, all zero. False when
// the heap has no room for them.
bool CellGridCreate();
void CellGridRelease();

inline CellRecord& Cell(int32_t r, int32_t c) { return CellGrid(r, c); }

// A position: the digits of the 81 cells in row order, 0 for an empty cell.
using Position = std::array<int8_t, 81>;

void ResetCells();
int32_t GridFull();
// The digits of the non-empty peers: the row, then the column, then the rest
// of the box, each peer once; digits may repeat. Built in the text area.
const char* PeerDigits(int8_t r, int8_t c);
bool CellConflicts(int8_t r, int8_t c);
// The cells' digits, and putting them back; candidates are not touched.
Position GridPosition();
void SetGridPosition(const Position& digits);
