// Where things are on the program's main window, as a user finds them:
// gadget numbers and places in window coordinates (the window has no frame,
// so these are also client coordinates).
#pragma once

namespace e2e {

inline constexpr char WINDOW_TITLE[] = "Tessel SUDOKU";
inline constexpr int WINDOW_X = 120;
inline constexpr int WINDOW_Y = 80;
inline constexpr int WINDOW_WIDTH = 766;
inline constexpr int WINDOW_HEIGHT = 579;

inline constexpr int CELL_SIZE = 30;
inline constexpr int CELL_LEFT[9] = {181, 221, 261, 311, 351, 391, 441, 481, 521};
inline constexpr int CELL_TOP[9] = {193, 233, 273, 323, 363, 403, 453, 493, 533};
inline constexpr int FIRST_CELL = 31;
inline constexpr int LAST_CELL = 111;

inline constexpr int MARKER_SIZE = 26;
inline constexpr int MARKER_OFFSET = 2;  // inside the cell
inline constexpr int MARKER_FIRST = 166;

inline constexpr int CellGadget(int row, int column) { return FIRST_CELL + 9 * row + column; }
inline constexpr int MarkerNumber(int row, int column) { return MARKER_FIRST + 9 * row + column; }

enum Gadget : int {
  CAPTION = 9,
  MINIMISE = 22,
  CLOSE_BOX = 23,
  LEVEL_NAME = 24,
  SLIDER = 25,
  PROGRAM_NAME = 26,
  PORTRAIT = 27,
  PORTRAIT_CAPTION = 28,
  RULES = 112,
  ENTER_DIGITS = 113,
  CHECK = 114,
  SOLVE = 115,
  CLEAR = 116,
  CLOSE = 117,
  HELP = 118,
  ABOUT = 119,
  DONATE = 120,
};

struct Place {
  int number, x, y, width, height;
};

// The gadgets a test clicks, other than the cells.
inline constexpr Place PLACES[] = {
    {MINIMISE, 632, 63, 16, 16},       {CLOSE_BOX, 659, 78, 16, 16},
    {PORTRAIT, 16, 190, 142, 190},     {PORTRAIT_CAPTION, 31, 383, 114, 19},
    {CAPTION, 592, 291, 146, 19},      {SLIDER, 580, 316, 164, 30},
    {LEVEL_NAME, 592, 352, 146, 17},   {RULES, 16, 428, 140, 22},
    {DONATE, 16, 458, 140, 22},        {ABOUT, 16, 487, 140, 22},
    {ENTER_DIGITS, 585, 389, 155, 22}, {CHECK, 585, 418, 155, 22},
    {SOLVE, 585, 447, 155, 22},        {CLEAR, 585, 477, 155, 22},
    {CLOSE, 585, 507, 155, 22},        {HELP, 585, 536, 155, 22},
};

inline constexpr Place PlaceOf(int number) {
  for (const Place& place : PLACES) {
    if (place.number == number) return place;
  }
  if (number >= FIRST_CELL && number <= LAST_CELL) {
    const int index = number - FIRST_CELL;
    return {number, CELL_LEFT[index % 9], CELL_TOP[index / 9], CELL_SIZE, CELL_SIZE};
  }
  return {number, 0, 0, 0, 0};
}

inline constexpr char LEVEL_NAMES[4][20] = {"", "Easy sudoku", "Intermediate sudoku",
                                            "Hard sudoku"};

// Button texts at rest and while their command runs.
inline constexpr char SOLVE_TEXT[] = "&Solve for me";
inline constexpr char SOLVING_TEXT[] = "Solving...";
inline constexpr char CHECK_TEXT[] = "&Check and answer";
inline constexpr char CHECKING_TEXT[] = "Checking...";

}  // namespace e2e
