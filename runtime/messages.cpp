// Placeholder: being written.
#include "runtime/messages.h"
