// Finding, opening and closing the About window and the donation dialog.
#include "tests/e2e/side_windows.h"

#include <cstdio>
#include <functional>

#include "tests/e2e/layout.h"
#include "tests/support/input.h"

namespace e2e {
namespace {

constexpr DWORD SIDE_TIMEOUT = 5000;
constexpr int CLICK_ATTEMPTS = 3;
constexpr DWORD CLICK_TIMEOUT = 2000;

struct SideWindow {
  const char* title;
  int button;       // in the main window
  WORD shortcut;    // with Ctrl
  int closeButton;  // in the side window
};

constexpr SideWindow DONATION_WINDOW = {DONATION_TITLE, DONATE, 'D', DONATION_OK};
constexpr SideWindow ABOUT_WINDOW = {ABOUT_TITLE, ABOUT, 'A', ABOUT_CLOSE};

// Clicks until `done` holds, as a user clicks again when nothing happens,
// and says so: under Wine on a bare X display about one click in a hundred
// on a main-window button right after a side window has closed is lost,
// with the window enabled, active and holding the focus.
bool ClickUntil(const std::function<void()>& click, const std::function<bool()>& done,
                const char* what, const char* title) {
  for (int attempt = 1; attempt <= CLICK_ATTEMPTS; ++attempt) {
    click();
    if (WaitFor(done, CLICK_TIMEOUT)) return true;
    printf("note: a click on %s \"%s\" was lost (attempt %d)\n", what, title, attempt);
    (void)fflush(stdout);
  }
  return false;
}

bool Open(Program& program, const SideWindow& side, SideWay way) {
  if (!program.ToFront()) return false;
  if (way == SideWay::SHORTCUTS) {
    program.Key(side.shortcut, input::CONTROL);
    return true;
  }
  return ClickUntil([&] { program.ClickGadget(side.button); },
                    [&] { return FindSideWindow(program, side.title) != nullptr; },
                    "the button for", side.title);
}

bool Close(Program& program, HWND window, const SideWindow& side, SideWay way) {
  auto gone = [&] { return Gone(program, side.title); };
  if (way == SideWay::SHORTCUTS) {
    program.Key(VK_ESCAPE);
    return WaitFor(gone, SIDE_TIMEOUT);
  }
  return ClickUntil([&] { ClickGadgetOf(window, side.closeButton); }, gone,
                    "the closing button of", side.title);
}

bool OpenAndClose(Program& program, const SideWindow& side, SideWay way) {
  if (!Open(program, side, way)) return false;
  HWND window = AwaitSideWindow(program, side.title);
  return window && Close(program, window, side, way) && program.AwaitInput(SIDE_TIMEOUT);
}

}  // namespace

HWND FindSideWindow(const Program& program, const char* title) {
  for (HWND window : VisibleWindows(program.ProcessId())) {
    if (window != program.Window() && StoredText(window) == title) return window;
  }
  return nullptr;
}

bool Gone(const Program& program, const char* title) {
  return FindSideWindow(program, title) == nullptr;
}

HWND AwaitSideWindow(const Program& program, const char* title) {
  HWND window = nullptr;
  if (!WaitFor([&] { return (window = FindSideWindow(program, title)) != nullptr; },
               SIDE_TIMEOUT)) {
    return nullptr;
  }
  if (!WaitFor([&] { return GetForegroundWindow() == window; }, 1000)) {
    SetForegroundWindow(window);
    WaitFor([&] { return GetForegroundWindow() == window; }, 1000);
  }
  Sleep(300);  // for the pictures and texts to reach the screen
  return window;
}

void ClickGadgetOf(HWND window, int gadget) {
  const POINT centre = input::Centre(GetDlgItem(window, gadget));
  input::Click(centre.x, centre.y);
}

bool SideRound(Program& program, SideWay way) {
  return OpenAndClose(program, DONATION_WINDOW, way) && OpenAndClose(program, ABOUT_WINDOW, way);
}

}  // namespace e2e
