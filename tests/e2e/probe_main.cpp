// A test build of the program with a probe: beside the program's own thread,
// a probe thread answers requests on the named pipe
// "\\.\pipe\tessel-probe-PID" with the number of GDI objects the process
// holds, so that a test can watch it across many commands. The environment
// variable TESSEL_REFUSE ("markerList" or "cellGrid") makes that start-up
// allocation fail.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/program.h"
#include "tests/e2e/probe.h"

namespace {

// Wine answers 0 to GetGuiResources; there the count is the size of its
// per-process handle table minus the handles that can still be created.
constexpr int32_t GDI_HANDLE_CAP = 65536;
constexpr int32_t PROBE_BRUSH_LIMIT = 70000;

HBRUSH probeBrushes[PROBE_BRUSH_LIMIT];

int32_t LiveGdiObjects() {
  if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) {
    return static_cast<int32_t>(count);
  }
  int32_t free = 0;
  while (free < PROBE_BRUSH_LIMIT && (probeBrushes[free] = CreateSolidBrush(RGB(1, 2, 3)))) {
    ++free;
  }
  for (int32_t i = 0; i < free; ++i) DeleteObject(probeBrushes[i]);
  return GDI_HANDLE_CAP - free;
}

void Answer(HANDLE pipe) {
  char request = 0;
  DWORD done = 0;
  if (!ReadFile(pipe, &request, 1, &done, nullptr) || done != 1) return;
  if (request != e2e::PROBE_GDI_COUNT) return;
  const int32_t count = LiveGdiObjects();
  WriteFile(pipe, &count, sizeof count, &done, nullptr);
  FlushFileBuffers(pipe);
}

DWORD WINAPI ServeProbe(LPVOID /*unused*/) {
  char name[64];
  const int length =
      snprintf(name, sizeof name, "%s%lu", e2e::PROBE_PIPE_PREFIX, GetCurrentProcessId());
  if (length <= 0 || static_cast<size_t>(length) >= sizeof name) return 1;
  for (;;) {
    HANDLE pipe = CreateNamedPipeA(name, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64, 64,
                                   0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return 1;
    if (ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) Answer(pipe);
    DisconnectNamedPipe(pipe);
    CloseHandle(pipe);
  }
}

void ReadStartupFaults() {
  char refused[32] = "";
  GetEnvironmentVariableA(e2e::PROBE_REFUSE_VARIABLE, refused, sizeof refused);
  startupFaults.markerList = strcmp(refused, "markerList") == 0;
  startupFaults.cellGrid = strcmp(refused, "cellGrid") == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  ReadStartupFaults();
  HANDLE probe = CreateThread(nullptr, 0, ServeProbe, nullptr, 0, nullptr);
  if (probe) CloseHandle(probe);
  RunProgram(instance);
}
