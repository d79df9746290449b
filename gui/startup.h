// Start-up and shutdown of the runtime and GUI layers, in their fixed order.
#pragma once

#include <windows.h>

// Records the instance, creates the heaps and initialises every layer; false
// when a heap or a table cannot be had.
bool RuntimeStart(HINSTANCE instance);
// Releases what the layers hold: images, the help viewer, all windows,
// fonts, open files, the object heap. The main heap stays.
void RuntimeStop();
// RuntimeStop, then the main heap, then the end of the process (code 0).
[[noreturn]] void RuntimeEnd();
