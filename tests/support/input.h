// Driving a real Win32 program from a test: mouse and keyboard input through
// SendInput, and waiting for its effects while messages are handled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace input {

enum Modifiers : uint32_t { NONE = 0, SHIFT = 1, CONTROL = 2, ALT = 4 };

enum class Button { LEFT, RIGHT };

// Screen coordinates.
void MouseMove(int x, int y);
void MouseDown(Button button = Button::LEFT);
void MouseUp(Button button = Button::LEFT);
void Click(int x, int y, Button button = Button::LEFT);
void DoubleClick(int x, int y, Button button = Button::LEFT);
// Lets the double-click time pass, so that the next press is a click of its
// own even on the same spot.
void AwaitDoubleClickTime();

// Presses and releases the key with the modifiers held around it.
void KeyPress(WORD virtualKey, uint32_t modifiers = NONE);

// The screen point of a client point of a window, and of its client centre.
POINT ScreenPoint(HWND window, int x, int y);
POINT Centre(HWND window);

// True when a message (posted, input, paint, timer) waits in the queue.
bool MessageWaiting();
// Takes and dispatches messages for the given time.
void PumpMessages(DWORD milliseconds);
// Calls `handle` for every waiting message (by default: take and dispatch
// one) until `condition` holds or the time runs out; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds,
               const std::function<void()>& handle = nullptr);

// The colour of a screen pixel as the desktop shows it.
COLORREF ScreenPixel(int x, int y);
// The colours of a screen rectangle, row by row.
std::vector<COLORREF> ScreenArea(const RECT& area);

}  // namespace input
