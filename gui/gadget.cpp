// Placeholder: being written.
#include "gui/gadget.h"
