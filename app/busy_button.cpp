// A command's button while the command works: disabled, with its busy
// caption on the screen before the work starts.
#include "app/commands.h"
#include "gui/gadget.h"
#include "gui/window.h"

void ShowButtonBusy(int32_t button, const char* caption) {
  GadgetDisable(button, 1);
  GadgetSetText(button, caption);
  // The window takes no messages until the command ends: the caption, and
  // the button drawn released after its click, are painted now.
  WindowPaintNow();
}
