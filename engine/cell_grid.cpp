// The cell grid and its peer-digit test.
#include "engine/cell_grid.h"

Array2D<CellRecord> CellGrid;

void CellGridCreate() { CellGrid.Dim(GRID_DIMENSION, GRID_DIMENSION); }

void CellGridRelease() { CellGrid.Release(); }

void ResetCells() {
  for (int32_t r = 0; r < 9; ++r) {
    for (int32_t c = 0; c < 9; ++c) {
      Cell(r, c).value = 0;
      StrSet(Cell(r, c).candidates, "123456789");
    }
  }
}

int32_t GridFull() {
  int32_t full = 1;
  for (int32_t r = 0; r < 9; ++r) {
    for (int32_t c = 0; c < 9; ++c) {
      if (Cell(r, c).value == 0) full = 0;
    }
  }
  return full;
}

const char* PeerDigits(int8_t r, int8_t c) {
  TempText peers;
  auto add = [&peers](int32_t row, int32_t column) {
    int8_t value = Cell(row, column).value;
    if (value != 0) peers.AppendInt(value);
  };
  for (int32_t k = 0; k < 9; ++k) {
    if (k != c) add(r, k);
  }
  for (int32_t k = 0; k < 9; ++k) {
    if (k != r) add(k, c);
  }
  // Box cells sharing the row or the column were seen above.
  int32_t boxRow = r / 3 * 3;
  int32_t boxColumn = c / 3 * 3;
  for (int32_t k = boxRow; k < boxRow + 3; ++k) {
    for (int32_t m = boxColumn; m < boxColumn + 3; ++m) {
      if (k != r && m != c) add(k, m);
    }
  }
  return peers.Finish();
}

bool CellConflicts(int8_t r, int8_t c) {
  int8_t value = Cell(r, c).value;
  if (value == 0) return false;
  TempScope scope;
  return StrFind(PeerDigits(r, c), StrFromInt(value), 1) > 0;
}
