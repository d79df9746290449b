// The About window: the program's name as a picture, its version, the
// author line and two links, the maker's web page and e-mail address.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr int32_t ABOUT_WINDOW = 10;
inline constexpr int32_t ABOUT_BANNER = 11;  // picture gadget and its image
inline constexpr int32_t ABOUT_CLOSE = 12;
inline constexpr int32_t ABOUT_VERSION = 13;
inline constexpr int32_t ABOUT_AUTHOR = 14;
inline constexpr int32_t ABOUT_WEB_LABEL = 15;
inline constexpr int32_t ABOUT_MAIL_LABEL = 16;
inline constexpr int32_t ABOUT_WEB_LINK = 17;
inline constexpr int32_t ABOUT_MAIL_LINK = 18;

// Opens window 10 with its gadgets and shortcuts, with the main window
// disabled. The window's handle, or 0 when it cannot be completed; then the
// main window is as before and no window 10 is left.
HWND OpenAboutWindow();
// Opens the About window and returns when it has closed.
void RunAboutWindow();
