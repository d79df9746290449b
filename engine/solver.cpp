// Backtracking search over the cell grid. The inner loop builds its texts in
// the temporary-string area and allocates nothing.
#include "engine/solver.h"

#include "engine/cell_grid.h"

int32_t trialCount;

namespace {

void Advance(int8_t& r, int8_t& c) {
  c = static_cast<int8_t>(c + 1);
  if (c == 9) {
    c = 0;
    r = static_cast<int8_t>(r + 1);
  }
}

// The digit of candidate position i when no peer holds it now, else 0.
int32_t FreeCandidate(int8_t r, int8_t c, int32_t i) {
  TempScope scope;
  const char* d = StrMid(Cell(r, c).candidates, i, 1);
  if (StrFind(PeerDigits(r, c), d, 1) != 0) return 0;
  return StrToInt(d);
}

}  // namespace

int32_t SolveFrom(int8_t r, int8_t c) {
  if (r == 9) return 1;
  if (Cell(r, c).value != 0) {
    Advance(r, c);
    return SolveFrom(r, c);
  }
  const int8_t row = r;
  const int8_t column = c;
  int32_t ok = 0;
  for (int32_t i = 1; i < StrLen(Cell(row, column).candidates) + 1 && ok == 0; ++i) {
    int32_t digit = FreeCandidate(row, column, i);
    if (digit == 0) continue;
    Cell(row, column).value = static_cast<int8_t>(digit);
    int8_t nextRow = row;
    int8_t nextColumn = column;
    Advance(nextRow, nextColumn);
    ok = SolveFrom(nextRow, nextColumn);
    ++trialCount;
    // The limit stops an unfinished search; a try that has just completed
    // the grid keeps its solution even when it is the last one allowed.
    if (trialCount == trialLimit && ok != 1) return 2;
    if (ok == 0) Cell(row, column).value = 0;
  }
  return ok;
}
