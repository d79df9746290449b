// Numbered windows and the program's single stream of events.
//
// Windows are addressed by small numbers chosen by the program. All of them
// share one window procedure, which turns platform messages into events that
// EventWait returns; keyboard shortcuts belong to a window and arrive as
// command events carrying the number the program chose for them.
#pragma once

#include <windows.h>

#include <cstdint>

// Event codes returned by EventWait. Any other value is the number of the
// platform message just taken from the queue (513: left button pressed).
inline constexpr int32_t EVENT_GADGET = 13100;
inline constexpr int32_t EVENT_COMMAND = 13101;
inline constexpr int32_t EVENT_ACTIVATE = 13104;
inline constexpr int32_t EVENT_CLOSE = 16;
inline constexpr int32_t EVENT_MOVE = 3;
inline constexpr int32_t EVENT_SIZE = 5;

// Event details of EVENT_GADGET; other values are the control's own
// notification codes (edit controls: 256, 512, 768, 1024).
inline constexpr int32_t DETAIL_LEFT_CLICK = 0;
inline constexpr int32_t DETAIL_RIGHT_CLICK = 1;
inline constexpr int32_t DETAIL_LEFT_DOUBLE_CLICK = 2;
inline constexpr int32_t DETAIL_RIGHT_DOUBLE_CLICK = 3;
inline constexpr int32_t DETAIL_FOCUS = 14000;
inline constexpr int32_t DETAIL_LOST_FOCUS = 14001;

// Sent or posted by gadgets to their top-level window: wParam = gadget
// number, lParam = event detail.
inline constexpr UINT MSG_GADGET_EVENT = 13103;

// WindowOpen flags; all other bits pass through as platform window styles.
inline constexpr uint32_t WINDOW_CENTRE_SCREEN = 1;
inline constexpr uint32_t WINDOW_CENTRE_ACTIVE = 2;
inline constexpr uint32_t WINDOW_HIDDEN = 0x10000000;
inline constexpr uint32_t WINDOW_MAXIMISED = 0x01000000;

// ShortcutAdd codes: the virtual-key code plus modifiers.
inline constexpr int32_t SHORTCUT_SHIFT = 0x10000;
inline constexpr int32_t SHORTCUT_CONTROL = 0x20000;
inline constexpr int32_t SHORTCUT_ALT = 0x40000;

// The two shortcuts every window gets; handled by the layer itself.
inline constexpr int32_t CMD_FOCUS_NEXT = 1212;
inline constexpr int32_t CMD_FOCUS_PREVIOUS = 1213;

// A window callback's answer that hands the message back to the layer.
inline constexpr LRESULT CALLBACK_CONTINUE = static_cast<LRESULT>(0xE0E0E0E1u);

using WindowCallback = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Start-up and shutdown of the layer (the table of windows).
bool WindowLayerStart();
void WindowLayerStop();

HWND WindowOpen(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                uint32_t flags, const char* title);
void WindowClose(int32_t number);
void WindowCloseAll();
HWND WindowHandle(int32_t number);
void WindowSetHidden(int32_t number, int32_t hidden);
void WindowSelect(int32_t number);
HWND WindowCurrentHandle();
void WindowActivate();
void WindowResize(int32_t width, int32_t height);
void WindowSetCallback(WindowCallback callback);

int32_t EventWait();
// Paints what is due in the program's windows and hands it to the screen,
// taking no input from the queue: a command shows what it changed before
// it goes on working.
void WindowPaintNow();
// Waits `milliseconds` as WindowPaintNow does: the windows are painted
// meanwhile, input waits in the queue until the command has ended.
void WindowPause(int32_t milliseconds);
int32_t EventObject();
int32_t EventDetail();
int32_t EventWindowNumber();

HACCEL ShortcutAdd(int32_t windowNumber, int32_t shortcut, int32_t command);
// Alt with the letter a caption underlines ("&Help": Alt+H) as a shortcut
// for `command`; a caption without one adds nothing.
void ShortcutAddMnemonic(int32_t windowNumber, const char* caption, int32_t command);
