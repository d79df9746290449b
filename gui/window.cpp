// Placeholder: being written.
#include "gui/window.h"
