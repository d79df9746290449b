// Moving digits between the cell fields and the cell grid.
#include "app/cell_fields.h"

#include "engine/cell_grid.h"
#include "gui/gadget.h"
#include "runtime/strings.h"
#include "ui/main_window.h"

namespace {

// The next cell in row order.
void Advance(int32_t& r, int32_t& c) {
  if (++c < 9) return;
  c = 0;
  ++r;
}

}  // namespace

void ReadCells() {
  int32_t r = 0;
  int32_t c = 0;
  for (int32_t g = FIRST_CELL; g <= LAST_CELL; ++g, Advance(r, c)) {
    TempScope scope;
    const char* text = GadgetGetText(g);
    if (!StrEqual(text, "")) Cell(r, c).value = static_cast<int8_t>(StrToInt(text));
  }
}

void WriteCells() {
  int32_t r = 0;
  int32_t c = 0;
  for (int32_t g = FIRST_CELL; g <= LAST_CELL; ++g, Advance(r, c)) {
    if (Cell(r, c).value == 0) continue;
    TempScope scope;
    GadgetSetText(g, StrFromInt(Cell(r, c).value));
  }
}

void ClearCellFields() {
  for (int32_t g = FIRST_CELL; g <= LAST_CELL; ++g) GadgetSetText(g, "");
}

void TrimCellText(int32_t g) {
  TempScope scope;
  const char* text = GadgetGetText(g);
  if (StrLen(text) > 1) GadgetSetText(g, StrLeft(text, 1));
}
