// Input for tests through SendInput, and message pumping while waiting.
#include "tests/support/input.h"

namespace input {
namespace {

constexpr DWORD BUTTON_FLAGS[2][2] = {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                                      {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}};

struct ModifierKey {
  uint32_t modifier;
  WORD key;
};
constexpr ModifierKey MODIFIER_KEYS[] = {{SHIFT, VK_SHIFT}, {CONTROL, VK_CONTROL}, {ALT, VK_MENU}};

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT event = {};
  event.type = INPUT_MOUSE;
  event.mi.dx = dx;
  event.mi.dy = dy;
  event.mi.dwFlags = flags;
  return event;
}

INPUT ButtonInput(Button button, bool down) {
  return MouseInput(BUTTON_FLAGS[button == Button::RIGHT][down ? 0 : 1]);
}

bool ExtendedKey(WORD key) {
  return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE;
}

INPUT KeyInput(WORD key, bool down) {
  INPUT event = {};
  event.type = INPUT_KEYBOARD;
  event.ki.wVk = key;
  event.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  event.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (ExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return event;
}

// Absolute mouse coordinates run from 0 to 65535 across the screen; rounding
// up lands on the intended pixel.
LONG Normalised(int value, int extent) {
  return static_cast<LONG>((static_cast<int64_t>(value) * 65536 + extent - 1) / extent);
}

void Send(INPUT* events, UINT count) { SendInput(count, events, sizeof(INPUT)); }

}  // namespace

void MouseMove(int x, int y) {
  INPUT event = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                           Normalised(x, GetSystemMetrics(SM_CXSCREEN)),
                           Normalised(y, GetSystemMetrics(SM_CYSCREEN)));
  Send(&event, 1);
}

void MouseDown(Button button) {
  INPUT event = ButtonInput(button, true);
  Send(&event, 1);
}

void MouseUp(Button button) {
  INPUT event = ButtonInput(button, false);
  Send(&event, 1);
}

void Click(int x, int y, Button button) {
  MouseMove(x, y);
  INPUT events[] = {ButtonInput(button, true), ButtonInput(button, false)};
  Send(events, 2);
}

void DoubleClick(int x, int y, Button button) {
  MouseMove(x, y);
  INPUT events[] = {ButtonInput(button, true), ButtonInput(button, false),
                    ButtonInput(button, true), ButtonInput(button, false)};
  Send(events, 4);
}

void AwaitDoubleClickTime() { Sleep(GetDoubleClickTime() + 50); }

void KeyPress(WORD virtualKey, uint32_t modifiers) {
  INPUT events[8];
  UINT count = 0;
  for (const ModifierKey& m : MODIFIER_KEYS) {
    if (modifiers & m.modifier) events[count++] = KeyInput(m.key, true);
  }
  events[count++] = KeyInput(virtualKey, true);
  events[count++] = KeyInput(virtualKey, false);
  for (const ModifierKey& m : MODIFIER_KEYS) {
    if (modifiers & m.modifier) events[count++] = KeyInput(m.key, false);
  }
  Send(events, count);
}

POINT ScreenPoint(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  return point;
}

POINT Centre(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return ScreenPoint(window, client.right / 2, client.bottom / 2);
}

bool MessageWaiting() {
  MSG message;
  return PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) != 0;
}

void PumpMessages(DWORD milliseconds) {
  WaitUntil([] { return false; }, milliseconds);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds,
               const std::function<void()>& handle) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return false;
    if (!MessageWaiting()) {
      DWORD pause = milliseconds - elapsed < 10 ? milliseconds - elapsed : 10;
      // cppcheck-suppress nullPointer ; no handles to wait for: the count is 0
      MsgWaitForMultipleObjectsEx(0, nullptr, pause, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      continue;
    }
    if (handle) {
      handle();
      continue;
    }
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::vector<COLORREF> ScreenArea(const RECT& area) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> colours(static_cast<size_t>(width) * height);
  const auto* pixels = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < colours.size(); ++i) {
    uint32_t p = pixels[i];  // 0x00RRGGBB
    colours[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours;
}

}  // namespace input
