// Check markers over the cells of the main window.
#include "ui/check_markers.h"

#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/images.h"
#include "ui/main_window.h"
#include "ui/pictures.h"

namespace {

// A marker sits 2 pixels inside its cell, so the cell's rim shows around it.
constexpr int32_t MARKER_INSET = 2;
constexpr int32_t MARKER_SIZE = 26;

}  // namespace

void ShowCheckMarker(int32_t markerNumber, int32_t digit) {
  if (markerNumber < FIRST_MARKER || markerNumber > LAST_MARKER) return;
  const int32_t index = markerNumber - FIRST_MARKER;
  const int32_t x = CELL_LEFT[index % 9] + MARKER_INSET;
  const int32_t y = CELL_TOP[index / 9] + MARKER_INSET;
  // New gadgets must go into the main window, whatever was opened last.
  WindowSelect(MAIN_WINDOW);
  if (!GadgetListOpen(WindowHandle(MAIN_WINDOW))) return;
  if (digit < 1 || digit > DIGIT_MARKER_COUNT) return;
  if (!ImageLoadFromMemory(markerNumber, PICTURE_DIGIT_MARKERS[digit - 1])) return;
  HWND marker =
      PictureCreate(markerNumber, x, y, MARKER_SIZE, MARKER_SIZE, ImageUse(markerNumber), 0);
  if (!marker) return;
  GadgetDisable(markerNumber, 1);
  // A new control goes below its siblings; over the cell it must be above,
  // or the cell's next repaint would cover it.
  SetWindowPos(marker, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
