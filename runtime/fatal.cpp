// Stops the program when the runtime meets a state it cannot continue from.
// Nothing in normal use comes here; it replaces a crash with a clear word.
#include "runtime/fatal.h"

#ifdef _WIN32
#include <windows.h>

void StopWithMessage(const char* message) {
  MessageBoxA(nullptr, message, "Tessel SUDOKU", MB_OK | MB_ICONHAND);
  ExitProcess(1);
}

#else
#include <cstdio>
#include <cstdlib>

void StopWithMessage(const char* message) {
  fprintf(stderr, "Tessel SUDOKU: %s\n", message);
  abort();
}

#endif
