// The About window.
#include "app/oprsud.h"

// Not built yet: the About window.
void RunAboutWindow() {}
