// The driver of the end-to-end tests: starts the real program in a working
// directory of its own and uses it as a person would, with clicks and key
// presses through SendInput; reads its gadgets, slider and message boxes
// with the standard window messages, its settings file from disk, and the
// probe build's answers over its pipe. Every wait is bounded, and a Program
// that goes out of scope ends its process and whatever that process started.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Input through SendInput, as a person gives it; coordinates are the
// screen's.
namespace input {

enum Modifiers : uint32_t { NONE = 0, SHIFT = 1, CONTROL = 2 };

void MouseMove(int x, int y);
void MouseDown();
void MouseUp();
void Click(int x, int y);
// Lets the double-click time pass, so that the next press is a click of its
// own even on the same spot.
void AwaitDoubleClickTime();
void KeyPress(WORD virtualKey, uint32_t modifiers = NONE);
POINT Centre(HWND window);  // of its client area
// The colours of a screen rectangle, row by row.
std::vector<COLORREF> ScreenArea(const RECT& area);

}  // namespace input

namespace e2e {

using Bytes = std::vector<uint8_t>;
using Grid = std::array<std::string, 9>;

// Polls `condition` every few milliseconds; true once it holds.
bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds);

// The visible top-level windows of a process (of all processes for 0), and
// every window of a process, top-level and child, visible or not.
std::vector<HWND> VisibleWindows(DWORD process);
int CountWindows(DWORD process);
std::string ClassOf(HWND window);
// The stored text answers even while the program is busy; the asked text
// is what the window answers to WM_GETTEXT (empty after 3 s).
std::string StoredText(HWND window);
std::string AskedText(HWND window);

std::string ClipboardText();
bool SetClipboardText(const char* text);

// The whole process as the system reports it, in bytes.
struct MemoryFigures {
  size_t workingSet = 0;
  size_t peakWorkingSet = 0;
  size_t privateBytes = 0;
};
MemoryFigures MemoryOf(DWORD process);

// The probe build's answer to a request byte (see probe.h); empty when it
// does not answer.
std::string ProbeAsk(DWORD process, char request);

// Saves the whole screen as NAME.bmp in the folder TESSEL_SCREENSHOT_DIR
// names; nothing without it.
void SaveScreenshot(const std::string& name);

// A message box of the program, as the user sees it.
struct Box {
  std::string title;
  std::string text;
  enum class Icon { NONE, STOP, INFORMATION, OTHER } icon = Icon::NONE;
};

class Program {
 public:
  Program() = default;
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts the program (TESSEL_EXE, or `exe`) in a new empty working
  // directory, with "sudoku.syd" holding `settings` when given. Launch does
  // only that; Start then waits until the main window is shown, takes
  // messages and is painted, and brings it to the front.
  bool Launch(const std::optional<Bytes>& settings = std::nullopt, const char* exe = nullptr);
  bool Start(const std::optional<Bytes>& settings = std::nullopt, const char* exe = nullptr);

  HWND Window() const { return window_; }
  DWORD ProcessId() const { return id_; }
  bool AwaitPainted(DWORD milliseconds = 2000) const;

  // Gadgets by number, cells by row and column (from 0).
  HWND Gadget(int number) const { return GetDlgItem(window_, number); }
  std::string Text(int number) const { return AskedText(Gadget(number)); }
  std::string Caption(int number) const { return StoredText(Gadget(number)); }
  bool Enabled(int number) const;
  int SliderPosition() const;  // -1 without an answer
  std::string Cell(int row, int column) const;
  // The nine rows, "." for an empty field, "?" for one of several characters.
  Grid Rows() const;
  RECT GadgetRect(int number) const;  // window coordinates
  POINT ScreenPoint(int x, int y) const;
  std::vector<COLORREF> Area(const RECT& area) const;  // window coordinates

  bool ToFront() const;
  // Waits until the window takes input again: enabled, in front, active and
  // holding the focus. Keys or clicks sent before that are lost.
  bool AwaitInput(DWORD milliseconds) const;
  void Click(int x, int y) const;
  void ClickGadget(int number) const;
  void ClickCell(int row, int column) const;
  // Digits, letters and '\t' (Tab), each key in turn.
  void Type(const char* keys) const;
  // Clicks the cell and types `keys`, each key replacing what the cell holds
  // (Tab moves on); waits until the last cell typed reads `last`.
  bool TypeInCell(int row, int column, const char* keys, const char* last) const;
  // Moves the pointer off the window, so that no tooltip comes up.
  static void PointerAway();

  HWND FindBox() const;
  HWND AwaitBox(DWORD milliseconds) const;
  static Box ReadBox(HWND box);
  // Clicks the box's OK button; true once the box is gone.
  static bool AnswerBox(HWND box);
  bool NoBoxFor(DWORD milliseconds) const;
  // Answers each box that comes until `done` holds with none up.
  bool AnswerBoxesUntil(const std::function<bool()>& done, DWORD milliseconds) const;

  std::optional<DWORD> AwaitExit(DWORD milliseconds) const;
  void Kill() const;
  std::optional<Bytes> Settings() const;

 private:
  std::string directory_;
  HANDLE process_ = nullptr;
  HANDLE job_ = nullptr;
  DWORD id_ = 0;
  HWND window_ = nullptr;
};

}  // namespace e2e
