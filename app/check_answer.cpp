// "Check and answer": marks the digits that break the rules.
#include "app/cell_fields.h"
#include "app/commands.h"
#include "engine/cell_grid.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/messages.h"
#include "ui/check_markers.h"
#include "ui/main_window.h"

Array<int32_t> markerList;
int32_t markerCount;

namespace {

// The window takes no input meanwhile: the markers are the whole answer.
constexpr int32_t MARKER_TIME = 4000;

void PlaceMarkers() {
  markerCount = 0;
  for (int8_t r = 0; r < 9; ++r) {
    for (int8_t c = 0; c < 9; ++c) {
      if (!CellConflicts(r, c)) continue;
      const int32_t marker = FIRST_MARKER + 9 * r + c;
      ShowCheckMarker(marker, Cell(r, c).value);
      markerList[markerCount] = marker;
      ++markerCount;
    }
  }
}

void RemoveMarkers() {
  for (int32_t j = 0; j < markerCount; ++j) GadgetFree(markerList[j]);
}

}  // namespace

void CheckAndAnswer() {
  ShowButtonBusy(BUTTON_CHECK, "Checking...");
  ResetCells();
  ReadCells();
  PlaceMarkers();
  WindowPause(MARKER_TIME);
  RemoveMarkers();
  GadgetDisable(BUTTON_CHECK, 0);
  GadgetSetText(BUTTON_CHECK, "&Check and answer");
  if (markerCount == 0) ShowMessage("Check and answer", "Sudoku is being solved properly.", 0);
}
