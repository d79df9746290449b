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

// The step each arrow key takes through the cells, and the edge it stops at.
struct GridStep {
  WPARAM key;
  int32_t rowStep, columnStep;
};
constexpr GridStep GRID_STEPS[] = {
    {VK_UP, -1, 0}, {VK_DOWN, 1, 0}, {VK_LEFT, 0, -1}, {VK_RIGHT, 0, 1}};

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

void WalkGrid(const MSG& message) {
  if (message.message != WM_KEYDOWN) return;
  const int32_t g = GetDlgCtrlID(message.hwnd);
  if (g < FIRST_CELL || g > LAST_CELL || message.hwnd != GadgetHandle(g)) return;
  for (const GridStep& step : GRID_STEPS) {
    if (step.key != message.wParam) continue;
    const int32_t r = (g - FIRST_CELL) / 9 + step.rowStep;
    const int32_t c = (g - FIRST_CELL) % 9 + step.columnStep;
    if (r < 0 || r > 8 || c < 0 || c > 8) return;
    HWND next = GadgetHandle(FIRST_CELL + 9 * r + c);
    SetFocus(next);
    SendMessageA(next, EM_SETSEL, 0, -1);
    return;
  }
}
