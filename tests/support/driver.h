// The driver of the end-to-end tests: starts the real program in a working
// directory of its own and uses it as a person would, with clicks and key
// presses through SendInput; reads its gadgets, slider and message boxes
// with the standard window messages, its settings file from disk, and the
// probe build's answers over its pipe. Every wait is bounded, and a Program
// that goes out of scope ends its process and whatever that process started.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/layout.h"

// Input as a person gives it; coordinates are the screen's.
namespace input {

enum Modifiers : uint32_t { NONE = 0, SHIFT = 1, CONTROL = 2, ALT = 4 };

void MouseMove(POINT at);
void MouseButton(bool down);
void Click(POINT at);
void KeyPress(WORD virtualKey, uint32_t modifiers = NONE);
RECT RectOf(HWND window);  // on the screen
POINT Centre(HWND window);
std::vector<COLORREF> ScreenArea(const RECT& area);  // row by row

}  // namespace input

namespace e2e {

using Bytes = std::vector<uint8_t>;
using Grid = std::array<std::string, 9>;

// Polls `condition` every few milliseconds; true once it holds.
bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds);
// Does `step` (the platform's call when none is given) until `window` is the
// foreground window and stays so a moment: under load Wine may hand on a focus
// change of the X display late, after a later activation, and so take that
// activation away again; a user clicks again.
bool MakeForeground(HWND window, const std::function<void()>& step = {});
// The visible top-level windows of a process, of a class and with a title
// when they are given; with `all`, every window it has, hidden and child
// windows included.
std::vector<HWND> WindowsOf(DWORD process, const char* className = nullptr,
                            const char* title = nullptr, bool all = false);
// What the window answers to WM_GETTEXT; the stored text, which answers even
// while the program is busy, when `stored`.
std::string TextOf(HWND window, bool stored = false);
bool SetClipboardText(const char* text);
// A whole file, made anew; false when it could not be written.
bool WriteBytes(const std::string& path, const Bytes& bytes);
std::optional<Bytes> ReadBytes(const std::string& path);  // none when it cannot be read
// A folder of that name, made in the driver's temporary folder.
std::string NewFolder(const std::string& name);
// A host path as the platform takes it ("/w/x" becomes "Z:\w\x").
std::string WindowsPath(std::string path);

PROCESS_MEMORY_COUNTERS MemoryOf(DWORD process);  // zeros when they cannot be read
// The probe build's answer to a request (probe.h); empty without one.
std::string ProbeAsk(DWORD process, char request);

// A message box of the program, as the user sees it.
struct Box {
  std::string title, text;
  enum class Icon { NONE, STOP, INFORMATION, OTHER } icon = Icon::NONE;
};

class Program {
 public:
  Program() = default;
  // Runs in `directory`, which stays as the program leaves it.
  explicit Program(std::string directory) : directory_(std::move(directory)), own_(false) {}
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts TESSEL_EXE (or `exe`) in a new empty working directory (or the
  // one given to the constructor), with
  // "sudoku.syd" holding `settings` when given; a probe build is told to
  // see `refused` fail (probe.h). Start also waits until the main window is
  // shown, takes messages and is painted, and in front.
  bool Launch(const std::optional<Bytes>& settings, const char* exe, const char* refused);
  bool Start(const std::optional<Bytes>& settings = std::nullopt, const char* exe = nullptr,
             const char* refused = nullptr);
  // The temporary folder (TMP) the program is started with; the driver's
  // own when none is given.
  void SetTempFolder(std::string folder) { tempFolder_ = std::move(folder); }
  HWND Window() const { return window_; }
  DWORD ProcessId() const { return id_; }
  bool AwaitPainted(DWORD milliseconds) const;
  // The whole screen, once the program has painted what it shows, as
  // e2e-NAME.bmp in the folder TESSEL_SCREENSHOT_DIR names.
  void Shot(const std::string& name) const;

  HWND Gadget(int number) const { return GetDlgItem(window_, number); }
  int FocusedGadget() const;  // the number of the gadget with the keyboard focus
  std::string Text(int number) const { return TextOf(Gadget(number)); }
  bool Enabled(int number) const { return Gadget(number) && IsWindowEnabled(Gadget(number)); }
  int SliderPosition() const;
  std::string Cell(int row, int column) const { return Text(CellGadget(row, column)); }
  // The nine rows, "." for an empty field, "?" for one of several characters.
  Grid Rows() const;
  // Of a gadget, or of the window for 0.
  RECT Rect(int number = 0) const { return input::RectOf(number ? Gadget(number) : window_); }

  bool ToFront() const;
  // Waits until the window takes input again: enabled, in front and holding
  // the focus. Keys or clicks sent before that are lost.
  bool AwaitInput(DWORD milliseconds) const;
  void ClickGadget(int number) const { input::Click(input::Centre(Gadget(number))); }
  void ClickCell(int row, int column) const;
  // Digits, letters and '\t' (Tab), each key in turn; each replacing what
  // the field holds when `replacing`.
  void Type(const char* keys, bool replacing = false) const;
  // Clicks the cell and types `keys`, each key replacing what the cell holds
  // (Tab moves on); waits until the last cell typed reads `last`.
  bool TypeInCell(int row, int column, const char* keys, const char* last) const;
  static void PointerAway();  // so that no tooltip comes up

  // Its first visible top-level window of the class and title given (null: any).
  HWND Find(const char* className, const char* title = nullptr) const {
    const std::vector<HWND> windows = WindowsOf(id_, className, title);
    return windows.empty() ? nullptr : windows[0];
  }
  HWND FindBox() const { return Find("#32770"); }
  HWND AwaitBox(DWORD milliseconds) const;
  bool NoBoxFor(DWORD milliseconds) const { return !AwaitBox(milliseconds); }
  static Box ReadBox(HWND box);
  static bool AnswerBox(HWND box);  // clicks OK; true once the box is gone

  std::optional<DWORD> AwaitExit(DWORD milliseconds) const;
  void Kill() const;
  std::optional<Bytes> Settings() const;

 private:
  std::string directory_, tempFolder_;
  bool own_ = true;  // a directory of its own, removed at the end
  HANDLE process_ = nullptr, job_ = nullptr;
  DWORD id_ = 0;
  HWND window_ = nullptr;
};

}  // namespace e2e
