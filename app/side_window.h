// What the About window and the donation dialog share: their frame, the
// main window's disabling and restoring around them, the shell-open of an
// address, and a seam through which tests make their creation fail.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gui/window.h"

// Title bar and system menu, centred on the active window and kept wholly
// on the work area. Their layouts are fixed, so they cannot be resized.
inline constexpr uint32_t SIDE_WINDOW_FLAGS = WS_CAPTION | WS_SYSMENU | WINDOW_CENTRE_ACTIVE;

// Set by tests only: while a field is true, every side window's WindowOpen
// or GadgetListOpen fails as the platform's would.
struct SideWindowFaults {
  bool windowOpen = false;
  bool gadgetList = false;
};
extern SideWindowFaults sideWindowFaults;

HWND SideWindowOpen(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                    const char* title);
HWND SideGadgetListOpen(HWND window);

// Disables the main window while a side window runs.
void DisableMainWindow();
// Enables the main window again, makes it current and active and sends later
// gadgets into it.
void RestoreMainWindow();
// Closes a side window, when it exists, and gives the main window back.
void CloseSideWindow(int32_t number);

// Hands `address` to the user's browser or mail program; a failure is not
// reported.
void ShellOpen(const char* address);
// The shell's open call; a test build puts a recorder in its place.
using ShellOpener = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
extern ShellOpener shellOpener;
