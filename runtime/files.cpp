// Placeholder: being written.
#include "runtime/files.h"
