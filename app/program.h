// The whole program as one call: start-up, the main window's event loop and
// shutdown. The exe's entry point calls it; a test build may call it on its
// own thread beside a probe. It ends the process with exit code 0.
#pragma once

#include <windows.h>

#include <cstdint>

[[noreturn]] void RunProgram(HINSTANCE instance);

// Set by tests only (a test build of the program): start-up's allocation of
// the marker list or of the cell grid is refused by the main heap.
struct StartupFaults {
  bool markerList = false;
  bool cellGrid = false;
};
extern StartupFaults startupFaults;
