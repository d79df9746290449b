// The cells' background colours and the main window's callback that hands
// them to the text fields.
#include "ui/cell_colouring.h"

#include <cstdint>

#include "gui/gadget.h"
#include "gui/window.h"
#include "ui/main_window.h"

namespace {

constexpr COLORREF YELLOW = RGB(255, 255, 224);
constexpr COLORREF GREEN = RGB(216, 248, 216);
constexpr COLORREF BLUE = RGB(200, 244, 255);

HBRUSH brushYellow;
HBRUSH brushGreen;
HBRUSH brushBlue;

struct FieldColour {
  HBRUSH brush;
  COLORREF colour;
};

// Boxes whose box row and box column add up to an even number are yellow:
// the corners and the centre.
FieldColour CellColour(int32_t gadget) {
  const int32_t index = gadget - FIRST_CELL;
  const int32_t box = index / 9 / 3 + index % 9 / 3;
  if (box % 2 == 0) return {brushYellow, YELLOW};
  return {brushGreen, GREEN};
}

// The colours of the field with this handle; no brush for a field that is
// neither a cell nor the caption.
// cppcheck-suppress constParameter ; a window handle, not data
FieldColour ColourOf(HWND field) {
  for (int32_t g = FIRST_CELL; g <= LAST_CELL; ++g) {
    if (GadgetHandle(g) == field) return CellColour(g);
  }
  if (GadgetHandle(CAPTION_FIELD) == field) return {brushBlue, BLUE};
  return {nullptr, 0};
}

}  // namespace

void CreateCellBrushes() {
  brushYellow = CreateSolidBrush(YELLOW);
  brushGreen = CreateSolidBrush(GREEN);
  brushBlue = CreateSolidBrush(BLUE);
}

void ReleaseCellBrushes() {
  DeleteObject(brushYellow);
  DeleteObject(brushGreen);
  DeleteObject(brushBlue);
  brushYellow = brushGreen = brushBlue = nullptr;
}

LRESULT MainWindowCallback(HWND /*window*/, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_CTLCOLOREDIT) return CALLBACK_CONTINUE;
  HDC context = reinterpret_cast<HDC>(wParam);
  SetBkMode(context, TRANSPARENT);
  const FieldColour field = ColourOf(reinterpret_cast<HWND>(lParam));
  if (!field.brush) return CALLBACK_CONTINUE;
  SetBkColor(context, field.colour);
  return reinterpret_cast<LRESULT>(field.brush);
}
