// The end-to-end driver: starts the real program in a working directory of
// its own and uses it as a person would, with clicks and key presses through
// SendInput; reads its gadgets, slider and message boxes with the standard
// window messages, and its settings file from disk. Every wait is bounded,
// and a Program that goes out of scope ends its process and everything that
// process started.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/desktop.h"
#include "tests/e2e/process.h"

namespace e2e {

using Bytes = std::vector<uint8_t>;

// A message box of the program, as the user sees it.
struct Box {
  HWND window = nullptr;
  std::string title;
  std::string text;
  enum class Icon { NONE, STOP, INFORMATION, OTHER } icon = Icon::NONE;
};

// The program under test.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts the program (TESSEL_EXE, or `exe`) in a new empty working
  // directory, with "sudoku.syd" holding `settings` when given, waits until
  // its window is visible and takes messages, and brings it to the front.
  bool Start(const std::optional<Bytes>& settings = std::nullopt, const char* exe = nullptr);
  // The same start without waiting for the window, for a program that may
  // never show it.
  bool Launch(const std::optional<Bytes>& settings = std::nullopt, const char* exe = nullptr);

  // Waits until the window, its gadgets and any message box of the program
  // have been painted.
  bool AwaitPainted(DWORD milliseconds = 2000) const;

  HWND Window() const { return window_; }
  DWORD ProcessId() const { return process_.Id(); }
  const std::string& Directory() const { return directory_; }

  // Gadgets, by number.
  HWND Gadget(int number) const;
  std::string Text(int number) const;     // asks the gadget (WM_GETTEXT)
  std::string Caption(int number) const;  // stored text; answers while busy
  bool Enabled(int number) const;
  int SliderPosition() const;  // TBM_GETPOS; -1 without an answer
  std::string Cell(int row, int column) const;
  std::array<std::string, 81> Cells() const;
  // The nine rows as texts, "." for an empty field, "?" for a field holding
  // more than one character.
  std::array<std::string, 9> Rows() const;
  // Gadget rectangle in window coordinates.
  RECT GadgetRect(int number) const;
  // Window coordinates to screen coordinates (the window may have moved).
  POINT ScreenPoint(int x, int y) const;
  COLORREF Pixel(int x, int y) const;
  std::vector<COLORREF> Area(int x, int y, int width, int height) const;

  // Input. Coordinates are window coordinates.
  bool ToFront() const;
  // Waits until the window takes input again: enabled, in front, active and
  // holding the keyboard focus. A message box or side window that has just
  // closed hands these back a moment later, and keys or clicks sent in
  // between are lost.
  bool AwaitInput(DWORD milliseconds) const;
  void Click(int x, int y) const;
  void ClickGadget(int number) const;
  void ClickCell(int row, int column) const;
  void Key(WORD virtualKey, uint32_t modifiers = 0) const;
  // Presses the keys for `keys`: digits, letters, '\t' (Tab), '\r' (Return).
  void Type(const char* keys) const;
  // Clicks the cell and types `keys`, each key replacing what the cell holds
  // (Tab moves on to the next cell); waits until the last cell reads `last`.
  bool TypeInCell(int row, int column, const char* keys, const char* last) const;
  // Moves the pointer off the window, so that no tooltip comes up.
  void PointerAway() const;

  // Message boxes of the program's process.
  HWND FindBox() const;
  HWND AwaitBox(DWORD milliseconds) const;
  static Box ReadBox(HWND box);
  // Clicks the box's OK button and waits until the box is gone.
  bool AnswerBox(HWND box) const;
  // True when no box comes up within the time.
  bool NoBoxFor(DWORD milliseconds) const;
  // For a command that ends with one or more boxes: answers each box until
  // `done` holds with no box up.
  bool AnswerBoxesUntil(const std::function<bool()>& done, DWORD milliseconds) const;

  // Ending.
  std::optional<DWORD> AwaitExit(DWORD milliseconds);
  void Kill();
  bool Running() const { return process_.Running(); }

  // The settings file in the working directory; nothing when missing.
  std::optional<Bytes> Settings() const;

 private:
  Process process_;
  std::string directory_;
  HWND window_ = nullptr;
};

}  // namespace e2e
