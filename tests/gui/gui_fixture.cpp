// The shared fixture of the GUI layer tests.
#include "tests/gui/gui_fixture.h"

#include <commctrl.h>

#include "gui/gadget.h"
#include "gui/window.h"
#include "tests/support/input.h"

namespace {

// A window outside the layer whose posted message marks the end of a log:
// whatever EventWait returns for it, its procedure has seen it.
bool markerSeen;

LRESULT CALLBACK MarkerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) markerSeen = true;
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND MarkerWindow() {
  static HWND marker = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MarkerProcedure;
    windowClass.lpszClassName = "TestMarker";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "TestMarker", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           nullptr, nullptr);
  }();
  return marker;
}

LoggedEvent Take() {
  int32_t code = EventWait();
  return {code, EventObject(), EventDetail(), EventWindowNumber()};
}

}  // namespace

void GuiTest::SetUp() {
  static bool started = [] {
    InitCommonControls();
    return WindowLayerStart() && GadgetLayerStart();
  }();
  ASSERT_TRUE(started);
}

void GuiTest::TearDown() {
  WindowSetCallback(nullptr);
  WindowCloseAll();
  GadgetSetFont(-1, FONT_STOCK_DEFAULT);
  Events(50);
}

HWND GuiTest::OpenWindow(int32_t number, int32_t width, int32_t height) {
  HWND window = WindowOpen(number, 100, 100, width, height, WS_CAPTION | WS_SYSMENU, "Test");
  GadgetListOpen(window);
  SetForegroundWindow(window);
  SetFocus(window);
  Events(100);
  return window;
}

std::vector<LoggedEvent> GuiTest::Events(DWORD quiet) {
  std::vector<LoggedEvent> log;
  DWORD last = GetTickCount();
  input::WaitUntil([&] { return GetTickCount() - last >= quiet; }, 5000, [&] {
    log.push_back(Take());
    last = GetTickCount();
  });
  markerSeen = false;
  PostMessageA(MarkerWindow(), WM_APP, 0, 0);
  while (!markerSeen) log.push_back(Take());
  // The marker's own number is no event of the program.
  if (!log.empty() && log.back().code == static_cast<int32_t>(WM_APP)) log.pop_back();
  return log;
}

std::vector<LoggedEvent> WithCode(const std::vector<LoggedEvent>& events, int32_t code) {
  std::vector<LoggedEvent> found;
  for (const LoggedEvent& event : events) {
    if (event.code == code) found.push_back(event);
  }
  return found;
}
