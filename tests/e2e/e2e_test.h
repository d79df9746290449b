// Shared by the end-to-end tests: settings files, screenshots, the command
// sequences several tests go through, and another program's window.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <utility>

#include "tests/support/driver.h"
#include "tests/support/layout.h"

namespace e2e {

constexpr DWORD STEP_TIMEOUT = 10000;
constexpr DWORD PAUSE_BOUND = 8000;  // Check and answer's pause is 4 s

// The 8 bytes of a settings file.
inline Bytes SettingsBytes(int32_t donated, int32_t level) {
  const int32_t values[2] = {donated, level};  // little-endian, as the program writes them
  return {reinterpret_cast<const uint8_t*>(values), reinterpret_cast<const uint8_t*>(values + 2)};
}

inline const Grid EMPTY_ROWS = {".........", ".........", ".........", ".........", ".........",
                                ".........", ".........", ".........", "........."};

// Waits until the fields differ from `before` and read the same twice in a
// row (one reading of 81 fields can straddle a command); what they show.
inline Grid AwaitNewPosition(const Program& program, const Grid& before) {
  Grid now = before;
  const auto settled = [&] {
    const Grid read = program.Rows();
    return std::exchange(now, read) == read && read != before;
  };
  WaitFor(settled, STEP_TIMEOUT);
  return now;
}

// How many fields hold something.
inline int Filled(const Grid& rows) {
  int empty = 0;
  for (const std::string& row : rows) empty += static_cast<int>(std::ranges::count(row, '.'));
  return 81 - empty;
}

// A command's button: disabled with its busy text while the command runs,
// enabled with its own text afterwards; true once it shows `text`.
inline bool ButtonShows(const Program& program, int button, const char* text, bool enabled,
                        DWORD milliseconds = STEP_TIMEOUT) {
  const auto shows = [&] {
    return program.Enabled(button) == enabled && TextOf(program.Gadget(button), true) == text;
  };
  return WaitFor(shows, milliseconds);
}

// Answers each box that comes until Solve for me is back with none up; true then.
inline bool AnswerSolveBoxes(const Program& program) {
  const auto answered = [&] {
    HWND box = program.FindBox();
    return box ? (Program::AnswerBox(box), false)
               : ButtonShows(program, SOLVE, SOLVE_TEXT, true, 0) && !program.FindBox();
  };
  return WaitFor(answered, STEP_TIMEOUT);
}

// Ends the program with its Escape shortcut; its exit code.
inline std::optional<DWORD> Quit(const Program& program) {
  program.ToFront();
  input::KeyPress(VK_ESCAPE);
  return program.AwaitExit(STEP_TIMEOUT);
}

// Two 6s in row 0, then Ctrl+C: true once a marker of the main window
// covers the first, the markers go with the pause and the button is back,
// and no box comes.
inline bool ChecksTwoSixes(const Program& program) {
  if (!program.TypeInCell(0, 2, "6", "6") || !program.TypeInCell(0, 7, "6", "6")) return false;
  Program::PointerAway();  // no tooltip over the fields
  input::KeyPress('C', input::CONTROL);
  return WaitFor([&] { return program.Gadget(MarkerNumber(0, 2)) != nullptr; }, STEP_TIMEOUT) &&
         ButtonShows(program, CHECK, CHECK_TEXT, true) && !program.Gadget(MarkerNumber(0, 2)) &&
         program.NoBoxFor(300);
}

// Gives the slider the focus without touching it (the last cell, then
// Tab) and moves it with a key (an arrow, or Home to the easy end); true
// once the label names the level.
inline bool MoveSliderByKey(Program& program, WORD key, int level) {
  program.ClickCell(8, 8);  // the slider is the tab stop after the last cell
  program.Type("\t");
  input::KeyPress(key);
  return WaitFor([&] { return program.Text(LEVEL_NAME) == LEVEL_NAMES[level]; }, STEP_TIMEOUT) &&
         program.SliderPosition() == level;
}

// The About window and the donation dialog as a user meets them.
enum SideGadget : int {
  ABOUT_CLOSE = 12, WEB_LINK = 17, MAIL_LINK = 18, DONATION_OK = 4, DONATED_BOX = 5, WILL_DONATE = 8
};
struct Side {
  const char* title;
  int button;          // of the main window
  WORD shortcut;       // with Ctrl
  int closeButton;     // of the side window
  WORD closeShortcut;  // with Ctrl, that button's
};
inline constexpr Side ABOUT_WINDOW = {"About", ABOUT, 'A', ABOUT_CLOSE, 'L'};
inline constexpr Side DONATION_DIALOG = {"Thank you very much", DONATE, 'D', DONATION_OK, 'O'};

// The pointer comes to rest first, as a hand's does: a link holds the mouse
// while the pointer is over it, and gives it up only at the next move.
inline void ClickGadgetOf(HWND window, int gadget) {
  const POINT centre = input::Centre(GetDlgItem(window, gadget));
  input::MouseMove(centre);
  Sleep(100);
  input::Click(centre);
}

// Opens the side window by its button or shortcut and waits until it is in
// front with its content painted; null when it does not come. Under Wine on
// a bare display a click right after a side window closed is now and then
// lost, so the button is clicked again, as a user would.
inline HWND OpenSide(const Program& program, const Side& side, bool byButton) {
  HWND window = nullptr;
  for (int attempt = 0; attempt < 3 && !window; ++attempt) {
    if (!program.AwaitInput(STEP_TIMEOUT)) program.ToFront();
    byButton ? program.ClickGadget(side.button) : input::KeyPress(side.shortcut, input::CONTROL);
    WaitFor([&] { return (window = program.Find(nullptr, side.title)) != nullptr; }, 3000);
  }
  const auto inFront = [&] { return GetForegroundWindow() == window; };
  if (window && !WaitFor(inFront, 2000)) MakeForeground(window);
  Sleep(300);  // for the pictures and texts to reach the screen
  return window;
}

// Closes it by its own button or by Escape; true once the main window takes
// input again.
inline bool CloseSide(Program& program, HWND window, const Side& side, bool byButton) {
  byButton ? ClickGadgetOf(window, side.closeButton) : input::KeyPress(VK_ESCAPE);
  return WaitFor([&] { return !program.Find(nullptr, side.title); }, STEP_TIMEOUT) &&
         program.AwaitInput(STEP_TIMEOUT);
}

// A top-level window of another program on the desktop, on a thread of its
// own that takes its messages; it counts the times it was activated.
inline std::atomic<int> bystanderActivations;
inline std::atomic<HWND> bystanderWindow;

inline DWORD WINAPI RunBystander(LPVOID /*unused*/) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_ACTIVATE && LOWORD(w) != WA_INACTIVE) ++bystanderActivations;
    return DefWindowProcA(window, message, w, l);
  };
  windowClass.lpszClassName = "TesselBystander";
  RegisterClassA(&windowClass);
  bystanderWindow = CreateWindowExA(0, windowClass.lpszClassName, "Bystander",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 600, 300, 200, nullptr,
                                    nullptr, nullptr, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}

// Runs the other window's thread for as long as it lives, also when a test
// ends early, so that no later test finds the window.
struct Bystander {
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, RunBystander, nullptr, 0, &id);
  Bystander() { WaitFor([] { return bystanderWindow != nullptr; }, 5000); }
  Bystander(const Bystander&) = delete;
  Bystander& operator=(const Bystander&) = delete;
  ~Bystander() {
    PostThreadMessageA(id, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    bystanderWindow = nullptr;
  }
};

}  // namespace e2e
