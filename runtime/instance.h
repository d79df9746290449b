// The program's instance handle, recorded once at start-up, for window
// classes, gadgets and resources.
#pragma once

#include <windows.h>

void SetProgramInstance(HINSTANCE instance);
HINSTANCE ProgramInstance();
