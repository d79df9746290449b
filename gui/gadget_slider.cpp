// Sliders: a trackbar whose state is its position, counted from the top for
// vertical ones so that both orientations read the same way.
#include "gui/gadget.h"

#include <commctrl.h>

#include "gui/gadget_record.h"

namespace {

constexpr int32_t SLIDER_LIMIT = 10000;

int32_t Clamp(int32_t value) {
  if (value < 0) return 0;
  return value > SLIDER_LIMIT ? SLIDER_LIMIT : value;
}

// Position and state are mirrored in the range on a vertical slider.
int32_t Mirror(HWND control, int32_t value) {
  if (!(GetWindowLongA(control, GWL_STYLE) & TBS_VERT)) return value;
  auto minimum = static_cast<int32_t>(SendMessageA(control, TBM_GETRANGEMIN, 0, 0));
  auto maximum = static_cast<int32_t>(SendMessageA(control, TBM_GETRANGEMAX, 0, 0));
  return minimum + maximum - value;
}

int32_t SliderGetState(HWND control) {
  return Mirror(control, static_cast<int32_t>(SendMessageA(control, TBM_GETPOS, 0, 0)));
}

void SliderSetState(HWND control, int32_t value) {
  SendMessageA(control, TBM_SETPOS, TRUE, Mirror(control, value));
}

constexpr GadgetOperations SLIDER_OPERATIONS = {nullptr, SliderGetState, SliderSetState, nullptr,
                                                nullptr};

}  // namespace

HWND SliderCreate(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                  int32_t minimum, int32_t maximum, uint32_t flags) {
  if (!GadgetPrepareSlot(number)) return nullptr;
  HWND control = GadgetCreateControl(number, TRACKBAR_CLASSA, nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | flags, 0, x, y, width,
                                     height);
  if (!control) return nullptr;
  SendMessageA(control, TBM_SETRANGE, TRUE, MAKELPARAM(Clamp(minimum), Clamp(maximum)));
  // The control clamps 0 into the range: the slider starts at its minimum.
  SliderSetState(control, 0);
  GadgetStore(number, control, &SLIDER_OPERATIONS);
  GadgetSubclass(control, GadgetCommonProcedure);
  return control;
}
