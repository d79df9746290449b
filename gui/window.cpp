// Numbered windows, their shortcut tables and the shared window procedure
// that turns platform messages into the program's events.
#include "gui/window.h"

#include "gui/event_state.h"
#include "runtime/instance.h"
#include "runtime/memory.h"
#include "runtime/numbered_table.h"

namespace {

struct WindowRecord {
  HWND handle;
  int32_t shortcutCount;
  ACCEL* shortcuts;  // the platform's 6-byte accelerator entries
  HACCEL shortcutTable;
};
static_assert(sizeof(ACCEL) == 6);

NumberedTable<WindowRecord, 30, 10> windows;
HWND currentWindow;
WindowCallback windowCallback;

constexpr BYTE SHORTCUT_FLAGS = FVIRTKEY | FNOINVERT;

LRESULT CALLBACK SharedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "WindowClass_19" for window 19.
void ClassName(int32_t number, char (&name)[32]) {
  wsprintfA(name, "WindowClass_%ld", static_cast<long>(number));
}

void RegisterWindowClass(const char* name) {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = SharedWindowProcedure;
  windowClass.hInstance = ProgramInstance();
  windowClass.hIcon = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

// The number under which the layer holds this window, or -1.
// cppcheck-suppress constParameter ; a window handle, not data
int32_t WindowNumberOf(HWND window) {
  if (!window) return -1;
  for (int32_t n = 0; n < windows.Capacity(); ++n) {
    const WindowRecord* record = windows.Lookup(n);
    if (record && record->handle == window) return n;
  }
  return -1;
}

const WindowRecord* RecordOf(HWND window) { return windows.Lookup(WindowNumberOf(window)); }

// Left (or top) edge of a window `outer` wide centred on the screen; a
// window larger than the screen starts at its edge.
int32_t CentreOnScreen(int32_t screen, int32_t outer) {
  return screen / 2 - (outer < screen ? outer : screen) / 2;
}

// The same over another window, moved in where it would cross the edges
// of the work area, [low, high); one larger than the area starts at `low`.
int32_t CentreOnWindow(int32_t start, int32_t span, int32_t outer, int32_t low, int32_t high) {
  int32_t edge = start + span / 2 - outer / 2;
  if (edge + outer > high) edge = high - outer;
  return edge < low ? low : edge;
}

POINT WindowPosition(int32_t x, int32_t y, const RECT& outer, uint32_t centring) {
  int32_t width = outer.right - outer.left;
  int32_t height = outer.bottom - outer.top;
  if (!centring) return {x, y};
  HWND active = GetActiveWindow();
  if (centring == WINDOW_CENTRE_ACTIVE && active) {
    RECT activeRect;
    GetWindowRect(active, &activeRect);
    // The work area of the monitor the active window is on: the screen
    // without the task bar.
    MONITORINFO monitor = {sizeof monitor, {}, {}, 0};
    RECT& work = monitor.rcWork;
    if (!GetMonitorInfoA(MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST), &monitor)) {
      work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return {CentreOnWindow(activeRect.left, activeRect.right - activeRect.left, width, work.left,
                           work.right),
            CentreOnWindow(activeRect.top, activeRect.bottom - activeRect.top, height, work.top,
                           work.bottom)};
  }
  return {CentreOnScreen(GetSystemMetrics(SM_CXSCREEN), width),
          CentreOnScreen(GetSystemMetrics(SM_CYSCREEN), height)};
}

void ReleaseShortcuts(WindowRecord& record) {
  if (record.shortcutTable) DestroyAcceleratorTable(record.shortcutTable);
  MainHeapFree(record.shortcuts);
  record.shortcutTable = nullptr;
  record.shortcuts = nullptr;
  record.shortcutCount = 0;
}

// --- Focus movement among the active window's tab stops ---

struct FocusWalk {
  HWND current;  // the focused descendant, or null
  bool currentSeen;
  HWND first, last, before, after;
};

BOOL CALLBACK VisitFocusCandidate(HWND child, LPARAM data) {
  auto& walk = *reinterpret_cast<FocusWalk*>(data);
  if (child == walk.current) {
    walk.currentSeen = true;
    return TRUE;
  }
  bool candidate = IsWindowEnabled(child) && IsWindowVisible(child) &&
                   (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP);
  if (!candidate) return TRUE;
  if (!walk.first) walk.first = child;
  walk.last = child;
  if (!walk.currentSeen) walk.before = child;
  if (walk.currentSeen && !walk.after) walk.after = child;
  return TRUE;
}

void MoveFocus(bool forward) {
  HWND active = GetActiveWindow();
  if (!active) return;
  HWND focus = GetFocus();
  FocusWalk walk = {};
  walk.current = focus && IsChild(active, focus) ? focus : nullptr;
  EnumChildWindows(active, VisitFocusCandidate, reinterpret_cast<LPARAM>(&walk));
  // The focused control is skipped as a target: when it is the only
  // candidate, it simply keeps the focus.
  HWND target = nullptr;
  if (forward) {
    target = walk.current && walk.after ? walk.after : walk.first;
  } else {
    target = walk.current && walk.before ? walk.before : walk.last;
  }
  if (target) SetFocus(target);
}

// --- Translation of one message into an event ---

LRESULT TranslateCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam) {
    RecordEvent(EVENT_GADGET, GetWindowLongA(reinterpret_cast<HWND>(lParam), GWL_ID),
                HIWORD(wParam));
    return 0;
  }
  if (HIWORD(wParam) == 0) {
    RecordEvent(EVENT_COMMAND, static_cast<int32_t>(wParam), -1);
    return 0;
  }
  int32_t command = LOWORD(wParam);
  if (command == CMD_FOCUS_NEXT) {
    MoveFocus(true);
  } else if (command == CMD_FOCUS_PREVIOUS) {
    MoveFocus(false);
  } else {
    RecordEvent(EVENT_COMMAND, command, -1);
  }
  return 0;
}

LRESULT TranslateScroll(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A window's own scroll bars (no control handle) are no gadget.
  if (!lParam) return DefWindowProcA(window, message, wParam, lParam);
  SetEventWindow(GetAncestor(window, GA_ROOT));
  RecordEvent(EVENT_GADGET, GetWindowLongA(reinterpret_cast<HWND>(lParam), GWL_ID), -1);
  return 0;
}

LRESULT CALLBACK SharedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SetEventWindow(window);
  if (windowCallback) {
    LRESULT answer = windowCallback(window, message, wParam, lParam);
    if (answer != CALLBACK_CONTINUE) return answer;
  }
  switch (message) {
    case MSG_GADGET_EVENT:
      RecordEvent(EVENT_GADGET, static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
      return lParam;
    case WM_COMMAND:
      return TranslateCommand(wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
      return TranslateScroll(window, message, wParam, lParam);
    case WM_NOTIFY:
      return 0;
    case WM_MOVE:
      RecordWindowEvent(EVENT_MOVE);
      return 0;
    case WM_CLOSE:
      RecordWindowEvent(EVENT_CLOSE);
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) SetPendingEvent(EVENT_SIZE, window);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetPendingEvent(EVENT_ACTIVATE, window);
      return 1;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

bool WindowLayerStart() {
  currentWindow = nullptr;
  windowCallback = nullptr;
  return windows.Create();
}

void WindowLayerStop() { windows.Release(); }

HWND WindowOpen(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                uint32_t flags, const char* title) {
  WindowClose(number);
  if (!windows.Slot(number)) return nullptr;

  char className[32];
  ClassName(number, className);
  RegisterWindowClass(className);

  uint32_t centring = flags & (WINDOW_CENTRE_SCREEN | WINDOW_CENTRE_ACTIVE);
  uint32_t style = flags & ~(WINDOW_CENTRE_SCREEN | WINDOW_CENTRE_ACTIVE);
  if (style == 0 || style == WINDOW_HIDDEN) style |= WS_CAPTION;
  bool maximised = false;
  if (style & WINDOW_HIDDEN) {
    style &= ~(WINDOW_HIDDEN | WINDOW_MAXIMISED);
  } else {
    maximised = style & WINDOW_MAXIMISED;
    style = (style & ~WINDOW_MAXIMISED) | WS_VISIBLE;
  }

  RECT outer = {x, y, x + width, y + height};
  AdjustWindowRect(&outer, style, FALSE);
  POINT position = WindowPosition(x, y, outer, centring);

  HWND window = CreateWindowExA(0, className, title, style, position.x, position.y,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                nullptr, ProgramInstance(), nullptr);
  if (!window) {
    UnregisterClassA(className, ProgramInstance());
    return nullptr;
  }
  // Creation may have run program code through the callback: look again.
  WindowRecord* record = windows.Slot(number);
  record->handle = window;
  currentWindow = window;
  if (maximised) ShowWindow(window, SW_MAXIMIZE);
  ShortcutAdd(number, VK_TAB, CMD_FOCUS_NEXT);
  ShortcutAdd(number, VK_TAB | SHORTCUT_SHIFT, CMD_FOCUS_PREVIOUS);
  return window;
}

void WindowClose(int32_t number) {
  WindowRecord* record = windows.Lookup(number);
  if (!record) return;
  HWND window = record->handle;
  HWND owner = GetWindow(window, GW_OWNER);
  if (owner) SetActiveWindow(owner);
  DestroyWindow(window);
  char className[32];
  ClassName(number, className);
  UnregisterClassA(className, ProgramInstance());
  record = windows.Lookup(number);
  if (!record) return;
  ReleaseShortcuts(*record);
  windows.Clear(number);
  if (currentWindow == window) currentWindow = nullptr;
}

void WindowCloseAll() {
  for (int32_t n = windows.Capacity() - 1; n >= 0; --n) WindowClose(n);
}

HWND WindowHandle(int32_t number) {
  const WindowRecord* record = windows.Lookup(number);
  return record ? record->handle : nullptr;
}

void WindowSetHidden(int32_t number, int32_t hidden) {
  HWND window = WindowHandle(number);
  if (!window) return;
  if (!hidden) {
    ShowWindow(window, SW_SHOWNORMAL);
    return;
  }
  HWND owner = GetWindow(window, GW_OWNER);
  if (owner) SetActiveWindow(owner);
  ShowWindow(window, SW_HIDE);
}

void WindowSelect(int32_t number) {
  HWND window = WindowHandle(number);
  if (window) currentWindow = window;
}

HWND WindowCurrentHandle() { return currentWindow; }

void WindowActivate() {
  if (currentWindow) SetActiveWindow(currentWindow);
}

void WindowResize(int32_t width, int32_t height) {
  if (!currentWindow) return;
  RECT outer = {0, 0, width, height};
  AdjustWindowRect(&outer, static_cast<DWORD>(GetWindowLongA(currentWindow, GWL_STYLE)), FALSE);
  SetWindowPos(currentWindow, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

void WindowSetCallback(WindowCallback callback) { windowCallback = callback; }

HACCEL ShortcutAdd(int32_t windowNumber, int32_t shortcut, int32_t command) {
  WindowRecord* record = windows.Lookup(windowNumber);
  if (!record) return nullptr;
  BYTE modifiers = SHORTCUT_FLAGS;
  if (shortcut & SHORTCUT_SHIFT) modifiers |= FSHIFT;
  if (shortcut & SHORTCUT_CONTROL) modifiers |= FCONTROL;
  if (shortcut & SHORTCUT_ALT) modifiers |= FALT;
  auto key = static_cast<WORD>(shortcut & 0xFFFF);

  ACCEL* entry = nullptr;
  for (int32_t i = 0; i < record->shortcutCount; ++i) {
    if (record->shortcuts[i].key == key && record->shortcuts[i].fVirt == modifiers) {
      entry = &record->shortcuts[i];
    }
  }
  if (!entry) {
    size_t size = sizeof(ACCEL) * static_cast<size_t>(record->shortcutCount + 1);
    void* grown = record->shortcuts ? MainHeapReAlloc(record->shortcuts, size)
                                    : MainHeapAlloc(size);
    if (!grown) return record->shortcutTable;
    record->shortcuts = static_cast<ACCEL*>(grown);
    entry = &record->shortcuts[record->shortcutCount++];
    entry->fVirt = modifiers;
    entry->key = key;
  }
  entry->cmd = static_cast<WORD>(command);

  if (record->shortcutTable) DestroyAcceleratorTable(record->shortcutTable);
  record->shortcutTable = CreateAcceleratorTableA(record->shortcuts, record->shortcutCount);
  return record->shortcutTable;
}

void ShortcutAddMnemonic(int32_t windowNumber, const char* caption, int32_t command) {
  for (const char* p = caption; p && *p; ++p) {
    if (*p != '&') continue;
    const char mark = *++p;  // "&&" shows an ampersand and marks nothing
    // A letter's or digit's virtual key is its upper-case character.
    if (mark >= 'a' && mark <= 'z') ShortcutAdd(windowNumber, SHORTCUT_ALT | (mark - 'a' + 'A'), command);
    if ((mark >= 'A' && mark <= 'Z') || (mark >= '0' && mark <= '9')) {
      ShortcutAdd(windowNumber, SHORTCUT_ALT | mark, command);
    }
    if (mark != '&') return;
  }
}

int32_t EventWindowNumber() { return WindowNumberOf(EventWindow()); }

void WindowPaintNow() {
  // A paint handler that leaves its window invalid would bring it back at
  // once; a bounded number of rounds keeps that from holding the thread.
  constexpr int PAINT_ROUNDS = 200;
  MSG message;
  for (int n = 0;
       n < PAINT_ROUNDS && PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++n) {
    DispatchMessageA(&message);
  }
  GdiFlush();
}

void WindowPause(int32_t milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    WindowPaintNow();
    const DWORD spent = GetTickCount() - start;
    if (milliseconds <= 0 || spent >= static_cast<DWORD>(milliseconds)) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds) - spent,
                              QS_PAINT);
  }
}

// One message taken and dispatched; accelerators of the active window first.
int32_t EventWait() {
  int32_t code = 0;
  if (EventWaitBegin(code)) return code;

  MSG& message = EventMessage();
  GetMessageA(&message, nullptr, 0, 0);
  const WindowRecord* active = RecordOf(GetActiveWindow());
  HACCEL table = active ? active->shortcutTable : nullptr;
  if (!table || !TranslateAcceleratorA(active->handle, table, &message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (TakeRecordedEvent(code)) return code;
  return static_cast<int32_t>(message.message);
}
