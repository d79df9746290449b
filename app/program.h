// The whole program as one call: start-up, the main window's event loop and
// shutdown. The exe's entry point calls it; a test build may call it on its
// own thread beside a probe. It ends the process with exit code 0.
#pragma once

#include <windows.h>

[[noreturn]] void RunProgram(HINSTANCE instance);
