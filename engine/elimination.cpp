// Single-candidate elimination over the cell grid.
#include "engine/elimination.h"

#include "engine/cell_grid.h"

namespace {

// Strikes every digit of the cell's peers from its candidates, each distinct
// digit once.
void StrikePeerDigits(int8_t r, int8_t c) {
  CellRecord& cell = Cell(r, c);
  // The texts of all rounds stay in the area until the scope ends: at most
  // nine distinct digits, a few dozen bytes each.
  TempScope scope;
  const char* p = PeerDigits(r, c);
  while (StrLen(p) > 0) {
    const char* d = StrLeft(p, 1);
    StrAssign(cell.candidates, StrRemove(cell.candidates, d));
    p = StrRemove(p, d);
  }
}

}  // namespace

void EliminateCandidates() {
  int8_t r = 0;
  int8_t c = 0;
  while (r < 9) {
    CellRecord& cell = Cell(r, c);
    if (cell.value == 0) {
      StrikePeerDigits(r, c);
      if (StrLen(cell.candidates) == 1) {
        TempScope scope;
        cell.value = static_cast<int8_t>(StrToInt(StrLeft(cell.candidates, 1)));
        r = 0;
        c = -1;  // the step below brings the scan back to (0, 0)
      }
    }
    c = static_cast<int8_t>(c + 1);
    if (c == 9) {
      c = 0;
      r = static_cast<int8_t>(r + 1);
    }
  }
}
