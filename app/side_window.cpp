// The frame, the main window's hand-over and the shell-open shared by the
// About window and the donation dialog.
#include "app/side_window.h"

#include <shellapi.h>

#include "gui/gadget.h"
#include "ui/main_window.h"

SideWindowFaults sideWindowFaults;
ShellOpener shellOpener = ShellExecuteA;

namespace {

// The main window's control that had the keyboard focus before a side
// window took it away.
HWND focusBeforeSideWindow;

}  // namespace

HWND SideWindowOpen(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                    const char* title) {
  if (sideWindowFaults.windowOpen) return nullptr;
  return WindowOpen(number, x, y, width, height, SIDE_WINDOW_FLAGS, title);
}

HWND SideGadgetListOpen(HWND window) {
  if (sideWindowFaults.gadgetList) return nullptr;
  return GadgetListOpen(window);
}

void DisableMainWindow() {
  focusBeforeSideWindow = GetFocus();
  EnableWindow(WindowHandle(MAIN_WINDOW), FALSE);
}

void RestoreMainWindow() {
  WindowSelect(MAIN_WINDOW);
  EnableWindow(WindowHandle(MAIN_WINDOW), TRUE);
  WindowActivate();
  GadgetListOpen(WindowHandle(MAIN_WINDOW));
  WindowActivate();
  // Disabling the main window took its focus; when no side window came in
  // between, nothing gives it back, and keys would reach nothing.
  if (!GetFocus() && IsWindow(focusBeforeSideWindow)) SetFocus(focusBeforeSideWindow);
}

void CloseSideWindow(int32_t number) {
  HWND main = WindowHandle(MAIN_WINDOW);
  // The platform hands the activation of a closing window to the next
  // enabled top-level window in z-order, which may be another program's
  // (one the user clicked while the side window was open). As the system's
  // own dialogs do, the main window is enabled and brought to the front
  // before the active side window goes.
  EnableWindow(main, TRUE);
  HWND side = WindowHandle(number);
  if (side && GetActiveWindow() == side) SetForegroundWindow(main);
  WindowClose(number);
  RestoreMainWindow();
}

void ShellOpen(const char* address) {
  shellOpener(nullptr, "open", address, "", "", SW_SHOWNORMAL);
}
