// Other processes' windows, the clipboard and the probe.
#include "tests/e2e/desktop.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "tests/e2e/probe.h"
#include "tests/e2e/process.h"

namespace e2e {
namespace {

constexpr DWORD ANSWER_TIMEOUT = 3000;  // for a message the other process must answer

struct WindowSearch {
  DWORD process;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  if (!IsWindowVisible(window)) return TRUE;
  if (search->process && ProcessOf(window) != search->process) return TRUE;
  search->found->push_back(window);
  return TRUE;
}

BOOL CALLBACK CountChild(HWND /*child*/, LPARAM lParam) {
  ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

struct WindowCount {
  DWORD process;
  int count;
};

BOOL CALLBACK CountTopLevel(HWND window, LPARAM lParam) {
  auto* counting = reinterpret_cast<WindowCount*>(lParam);
  if (ProcessOf(window) != counting->process) return TRUE;
  ++counting->count;
  EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&counting->count));
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindows(DWORD process) {
  std::vector<HWND> found;
  WindowSearch search{process, &found};
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
  return found;
}

int CountWindows(DWORD process) {
  WindowCount counting{process, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&counting));
  return counting.count;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string StoredText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string AskedText(HWND window) {
  if (!window) return "";
  char text[1024] = "";
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                           SMTO_NORMAL, ANSWER_TIMEOUT, &length)) {
    return "";
  }
  return {text, std::min<size_t>(length, sizeof text - 1)};
}

std::string ClipboardText() {
  if (!OpenClipboard(nullptr)) return "";
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* chars = static_cast<const char*>(GlobalLock(data))) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

bool SetClipboardText(const char* text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const size_t size = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  bool placed = false;
  if (block) {
    memcpy(GlobalLock(block), text, size);
    GlobalUnlock(block);
    placed = SetClipboardData(CF_TEXT, block) != nullptr;
    // cppcheck-suppress doubleFree ; the clipboard takes the block only on success
    if (!placed) GlobalFree(block);
  }
  CloseClipboard();
  return placed;
}

int ProbeGdiCount(DWORD process) {
  const std::string name = PROBE_PIPE_PREFIX + std::to_string(process);
  HANDLE pipe = INVALID_HANDLE_VALUE;
  WaitFor(
      [&] {
        pipe = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
        return pipe != INVALID_HANDLE_VALUE;
      },
      10000);
  if (pipe == INVALID_HANDLE_VALUE) return -1;
  int32_t count = -1;
  DWORD done = 0;
  if (WriteFile(pipe, &PROBE_GDI_COUNT, 1, &done, nullptr)) {
    DWORD available = 0;
    WaitFor(
        [&] {
          return PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) &&
                 available >= sizeof count;
        },
        20000);
    if (available >= sizeof count) ReadFile(pipe, &count, sizeof count, &done, nullptr);
  }
  CloseHandle(pipe);
  return count;
}

POINT SliderThumbCentre(int width, int height, int position) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  POINT centre = {width / 2, height / 2};
  if (!registered) return centre;
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, width + 20, height + 20, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND slider =
      CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS, 0,
                      0, width, height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(1, 3));
  SendMessageA(slider, TBM_SETPOS, TRUE, position);
  RECT thumb = {};
  SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  DestroyWindow(parent);
  if (thumb.right > thumb.left) {
    centre = {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  }
  return centre;
}

}  // namespace e2e
