// A test build of the program with a probe: beside the program's own thread,
// a probe thread answers requests on the named pipe "\\.\pipe\tessel-probe-PID"
// (probe.h). The help viewer and the shell's open call are replaced by
// recorders; TESSEL_REFUSE makes one creation fail, leaves the program
// without an HTML help viewer, or lowers the complete search's guard.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "app/program.h"
#include "app/side_window.h"
#include "engine/complete_search.h"
#include "runtime/help_viewers.h"
#include "tests/support/probe.h"

namespace {

// Wine answers 0 to GetGuiResources; there the count is the size of its
// per-process handle table minus the handles that can still be created.
constexpr int32_t GDI_HANDLE_CAP = 65536;
constexpr int32_t PROBE_BRUSH_LIMIT = 70000;

HBRUSH probeBrushes[PROBE_BRUSH_LIMIT];
CRITICAL_SECTION logLock;
std::string probeLog;

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

void Log(const std::string& line) {
  EnterCriticalSection(&logLock);
  probeLog += line + "\n";
  LeaveCriticalSection(&logLock);
}

BOOL WINAPI RecordHelp(HWND /*owner*/, LPCSTR file, UINT command, ULONG_PTR data) {
  const char* topic = command == HELP_KEY ? reinterpret_cast<const char*>(data) : "-";
  Log(std::string("help|") + (file ? file : "-") + "|" + topic);
  return TRUE;
}

HWND WINAPI RecordHtmlHelp(HWND /*owner*/, LPCSTR location, UINT command, DWORD_PTR /*data*/) {
  Log(std::string("html|") + (location ? location : "-") + "|" + std::to_string(command));
  return nullptr;
}

HINSTANCE WINAPI RecordShell(HWND /*owner*/, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                             LPCSTR directory, INT show) {
  Log(std::string("shell|") + verb + "|" + file + "|" + parameters + "|" + directory + "|" +
      std::to_string(show));
  return reinterpret_cast<HINSTANCE>(33);  // success
}

void Answer(HANDLE pipe) {
  char request = 0;
  DWORD done = 0;
  if (!ReadFile(pipe, &request, 1, &done, nullptr) || done != 1) return;
  EnterCriticalSection(&logLock);
  std::string answer = request == e2e::PROBE_GDI_COUNT ? std::to_string(LiveGdiObjects()) : probeLog;
  LeaveCriticalSection(&logLock);
  WriteFile(pipe, answer.data(), static_cast<DWORD>(answer.size()), &done, nullptr);
  FlushFileBuffers(pipe);
}

DWORD WINAPI ServeProbe(LPVOID /*unused*/) {
  const std::string name = e2e::PROBE_PIPE_PREFIX + std::to_string(GetCurrentProcessId());
  for (;;) {
    HANDLE pipe = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_DUPLEX,
                                   PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1,
                                   4096, 4096, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) return 1;
    if (ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) Answer(pipe);
    DisconnectNamedPipe(pipe);
    CloseHandle(pipe);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  char refused[32] = "";
  GetEnvironmentVariableA(e2e::PROBE_REFUSE_VARIABLE, refused, sizeof refused);
  startupFaults = {strcmp(refused, "markerList") == 0, strcmp(refused, "cellGrid") == 0};
  sideWindowFaults = {strcmp(refused, "sideWindow") == 0, strcmp(refused, "sideGadgetList") == 0};
  InitializeCriticalSection(&logLock);
  const bool htmlHelp = strcmp(refused, "htmlHelp") != 0;
  if (strcmp(refused, "searchGuard") == 0) completeSearchGuard = e2e::PROBE_SEARCH_GUARD;
  HelpViewersReplace({RecordHelp, htmlHelp ? RecordHtmlHelp : nullptr});
  shellOpener = RecordShell;
  CloseHandle(CreateThread(nullptr, 0, ServeProbe, nullptr, 0, nullptr));
  RunProgram(instance);
}
