// The entry points of the two help viewers. They can be replaced, so that a
// test sees which viewer a request goes to, and with what, without starting
// either viewer.
#pragma once

#include <windows.h>

using ClassicHelpEntry = BOOL(WINAPI*)(HWND owner, LPCSTR file, UINT command, ULONG_PTR data);
using HtmlHelpEntry = HWND(WINAPI*)(HWND owner, LPCSTR location, UINT command, DWORD_PTR data);

struct HelpViewers {
  ClassicHelpEntry classic;
  HtmlHelpEntry html;  // null while the HTML help library is unavailable
};

// Puts `viewers` in place and returns the ones it replaces.
HelpViewers HelpViewersReplace(HelpViewers viewers);
