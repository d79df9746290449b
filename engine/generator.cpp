// Random starting positions.
#include "engine/generator.h"

#include "engine/cell_grid.h"
#include "engine/random.h"

int32_t difficultyLevel;
int32_t extraAttempts;

namespace {

// Placements after the first, by level 1 to 3; other levels keep the last.
constexpr int32_t ATTEMPTS_BY_LEVEL[] = {8, 5, 4};

// Draws a cell, then a digit, and writes the digit there; returns the cell.
CellRecord& PlaceRandomDigit(int8_t& r, int8_t& c) {
  int32_t p = RandomNumber(80);
  int32_t d = RandomNumber(8) + 1;
  r = static_cast<int8_t>(p / 9);
  c = static_cast<int8_t>(RemainderOf(p, 9));
  CellRecord& cell = Cell(r, c);
  cell.value = static_cast<int8_t>(d);
  return cell;
}

}  // namespace

int32_t RemainderOf(int32_t a, int32_t b) { return a - (a / b) * b; }

void GeneratePosition() {
  ResetCells();
  int8_t r = 0;
  int8_t c = 0;
  PlaceRandomDigit(r, c);
  if (difficultyLevel >= 1 && difficultyLevel <= 3) {
    extraAttempts = ATTEMPTS_BY_LEVEL[difficultyLevel - 1];
  }
  for (int32_t t = 1; t <= extraAttempts; ++t) {
    // A cell drawn twice is overwritten, and emptied if the new digit clashes.
    CellRecord& cell = PlaceRandomDigit(r, c);
    if (CellConflicts(r, c)) cell.value = 0;
  }
}
