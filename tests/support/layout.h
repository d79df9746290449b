// The program's main window as a user finds it: its place on the screen,
// gadget numbers, and the texts the tests look for.
#pragma once

namespace e2e {

inline constexpr char WINDOW_TITLE[] = "Tessel SUDOKU";
// The frameless window's outer rectangle at start, 766 x 579 pixels.
inline constexpr RECT WINDOW_RECT = {120, 80, 120 + 766, 80 + 579};

inline constexpr int CellGadget(int row, int column) { return 31 + 9 * row + column; }
inline constexpr int MarkerNumber(int row, int column) { return 166 + 9 * row + column; }

enum Gadget : int {
  CAPTION = 9, MINIMISE = 22, CLOSE_BOX = 23, LEVEL_NAME = 24, SLIDER = 25, PORTRAIT = 27,
  PORTRAIT_CAPTION = 28, RULES = 112, ENTER_DIGITS = 113, CHECK = 114, SOLVE = 115, CLEAR = 116,
  CLOSE = 117, HELP = 118, ABOUT = 119, DONATE = 120
};

inline constexpr char LEVEL_NAMES[4][20] = {"", "Easy sudoku", "Intermediate sudoku",
                                            "Hard sudoku"};

// Button texts at rest and while their command runs.
inline constexpr char SOLVE_TEXT[] = "&Solve for me";
inline constexpr char SOLVING_TEXT[] = "Solving...";
inline constexpr char CHECK_TEXT[] = "&Check and answer";
inline constexpr char CHECKING_TEXT[] = "Checking...";

}  // namespace e2e
