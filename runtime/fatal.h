// The one way the runtime gives up: a message to the user, then the end.
#pragma once

[[noreturn]] void StopWithMessage(const char* message);
