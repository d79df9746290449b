// Placeholder: being written.
#include "runtime/fonts.h"
