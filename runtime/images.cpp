// Placeholder: being written.
#include "runtime/images.h"
