// The main window: the skinned face with the grid of cells, the difficulty
// slider, the command buttons and the pictures, and its keyboard shortcuts.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr int32_t MAIN_WINDOW = 19;

// The cells, row by row: row r, column c (from 0) is FIRST_CELL + 9 r + c.
inline constexpr int32_t FIRST_CELL = 31;
inline constexpr int32_t LAST_CELL = 111;
inline constexpr int32_t CELL_SIZE = 30;
// Left edges of the columns and top edges of the rows: 40 apart inside a
// box, 50 across a box boundary.
inline constexpr int32_t CELL_LEFT[9] = {181, 221, 261, 311, 351, 391, 441, 481, 521};
inline constexpr int32_t CELL_TOP[9] = {193, 233, 273, 323, 363, 403, 453, 493, 533};

inline constexpr int32_t CAPTION_FIELD = 9;
inline constexpr int32_t LEVEL_LABEL = 24;
inline constexpr int32_t LEVEL_SLIDER = 25;
inline constexpr int32_t PROGRAM_NAME_PICTURE = 26;
inline constexpr int32_t PORTRAIT_PICTURE = 27;
inline constexpr int32_t PORTRAIT_CAPTION_PICTURE = 28;

// Buttons; a keyboard shortcut carries the number of its button.
inline constexpr int32_t BUTTON_MINIMISE = 22;
inline constexpr int32_t BUTTON_CLOSE_BOX = 23;
inline constexpr int32_t BUTTON_RULES = 112;
inline constexpr int32_t BUTTON_ENTER = 113;
inline constexpr int32_t BUTTON_CHECK = 114;
inline constexpr int32_t BUTTON_SOLVE = 115;
inline constexpr int32_t BUTTON_CLEAR = 116;
inline constexpr int32_t BUTTON_CLOSE = 117;
inline constexpr int32_t BUTTON_HELP = 118;
inline constexpr int32_t BUTTON_ABOUT = 119;
inline constexpr int32_t BUTTON_DONATE = 120;

// "Easy sudoku", "Intermediate sudoku", "Hard sudoku" for the levels 1 to 3;
// null for any other level.
const char* LevelName(int32_t level);

// Opens window 19 with every gadget, the cell colours and the shortcuts, and
// shows it. The window's handle, or 0 when the window or its gadget list
// cannot be had.
HWND OpenMainWindow();
