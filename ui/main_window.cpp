// The main window's layout: every gadget with its place, text, font and
// tooltip, in the order they are created, and the keyboard shortcuts.
#include "ui/main_window.h"

#include <commctrl.h>

#include "engine/generator.h"
#include "gui/gadget.h"
#include "gui/skin.h"
#include "gui/window.h"
#include "runtime/fonts.h"
#include "runtime/images.h"
#include "ui/cell_colouring.h"
#include "ui/cell_input.h"
#include "ui/pictures.h"

namespace {

constexpr char TITLE[] = "Tessel SUDOKU";
constexpr char FONT_FACE[] = "Arial";
constexpr int32_t CELL_FONT_SIZE = 16;
// The window opens small; the skin then gives it the picture's size.
constexpr int32_t WINDOW_X = 120, WINDOW_Y = 80, WINDOW_WIDTH = 411, WINDOW_HEIGHT = 295;
constexpr int32_t SKIN_PICTURE_GADGET = 20;
constexpr int32_t SKIN_IMAGE = 30;

constexpr const char* LEVEL_NAMES[] = {"Easy sudoku", "Intermediate sudoku", "Hard sudoku"};

enum class Kind { BUTTON, CAPTION_FIELD, LEVEL_SLIDER, LEVEL_LABEL };

struct GadgetLayout {
  int32_t number;
  Kind kind;
  int32_t x, y, width, height;
  const char* text;
  int32_t fontSize;  // Arial bold at this size; 0 for no font
};

constexpr GadgetLayout FRAME_BUTTONS[] = {
    {BUTTON_MINIMISE, Kind::BUTTON, 632, 63, 16, 16, "-", 12},
    {BUTTON_CLOSE_BOX, Kind::BUTTON, 659, 78, 16, 16, "X", 10},
};

// The right panel's level controls, then the command buttons of both panels.
constexpr GadgetLayout PANEL_GADGETS[] = {
    {CAPTION_FIELD, Kind::CAPTION_FIELD, 592, 291, 146, 19, "       Difficulty rating:", 8},
    {LEVEL_SLIDER, Kind::LEVEL_SLIDER, 580, 316, 164, 30, nullptr, 0},
    {LEVEL_LABEL, Kind::LEVEL_LABEL, 592, 352, 146, 17, "", 8},
    {BUTTON_RULES, Kind::BUTTON, 16, 428, 140, 22, "Sudo&ku rules", 8},
    {BUTTON_DONATE, Kind::BUTTON, 16, 458, 140, 22, "&Donate", 8},
    {BUTTON_ABOUT, Kind::BUTTON, 16, 487, 140, 22, "&About", 8},
    {BUTTON_ENTER, Kind::BUTTON, 585, 389, 155, 22, "&Enter digits", 8},
    {BUTTON_CHECK, Kind::BUTTON, 585, 418, 155, 22, "&Check and answer", 8},
    {BUTTON_SOLVE, Kind::BUTTON, 585, 447, 155, 22, "&Solve for me", 8},
    {BUTTON_CLEAR, Kind::BUTTON, 585, 477, 155, 22, "Clea&r cells", 8},
    {BUTTON_CLOSE, Kind::BUTTON, 585, 507, 155, 22, "C&lose", 8},
    {BUTTON_HELP, Kind::BUTTON, 585, 536, 155, 22, "&Help", 8},
};

struct PictureLayout {
  int32_t number;  // gadget and image
  int32_t x, y, width, height;
  const unsigned char* bitmap;
};

// The caption's gadget takes its picture's size, 114 x 19.
constexpr PictureLayout PICTURES[] = {
    {PORTRAIT_PICTURE, 16, 190, 142, 190, PICTURE_PORTRAIT},
    {PORTRAIT_CAPTION_PICTURE, 31, 383, 84, 15, PICTURE_PORTRAIT_CAPTION},
    {PROGRAM_NAME_PICTURE, 18, 522, 135, 35, PICTURE_PROGRAM_NAME},
};

struct ShortcutLayout {
  int32_t button;
  int32_t key;
};

// Added right after their button, in this order.
constexpr ShortcutLayout SHORTCUTS[] = {
    {BUTTON_RULES, SHORTCUT_CONTROL | 'K'}, {BUTTON_DONATE, SHORTCUT_CONTROL | 'D'},
    {BUTTON_ABOUT, SHORTCUT_CONTROL | 'A'}, {BUTTON_ENTER, SHORTCUT_CONTROL | 'E'},
    {BUTTON_CHECK, SHORTCUT_CONTROL | 'C'}, {BUTTON_SOLVE, SHORTCUT_CONTROL | 'S'},
    {BUTTON_SOLVE, VK_RETURN},             {BUTTON_CLEAR, SHORTCUT_CONTROL | 'R'},
    {BUTTON_CLOSE, SHORTCUT_CONTROL | 'L'}, {BUTTON_CLOSE, VK_ESCAPE},
    {BUTTON_HELP, SHORTCUT_CONTROL | 'H'},  {BUTTON_HELP, VK_F1},
};

struct TooltipLayout {
  int32_t gadget;
  const char* text;
};

constexpr char PORTRAIT_TIP[] =
    "Leonhard Euler of Basel, the real inventor of Sudoku: he studied Latin squares.";
constexpr char CLOSE_TIP[] = "Ends of work with program.";

constexpr TooltipLayout TOOLTIPS[] = {
    {BUTTON_RULES, "The grid of the most classic Sudoku consists of 81 cells."},
    {BUTTON_ABOUT, "Tessel SUDOKU 1.62, (c) 2006 - 2007 Tomas Vedral."},
    {BUTTON_DONATE, ""},
    {BUTTON_ENTER, "Enters initial numbers into the grid."},
    {BUTTON_CHECK, "Checks if the Sudoku is solved properly."},
    {BUTTON_SOLVE, "Finds Sudoku solutions."},
    {BUTTON_CLEAR, "Digits will be removed from each cell."},
    {BUTTON_CLOSE, CLOSE_TIP},
    {BUTTON_HELP, "Opens help file."},
    {PROGRAM_NAME_PICTURE, "Program name."},
    {BUTTON_CLOSE_BOX, CLOSE_TIP},
    {BUTTON_MINIMISE, "Minimizes to toolbar."},
    {LEVEL_SLIDER, "Sudoku difficulty indicator."},
    {PORTRAIT_PICTURE, PORTRAIT_TIP},
    {PORTRAIT_CAPTION_PICTURE, PORTRAIT_TIP},
};

// Each text gadget has a font of its own, numbered like the gadget.
void SetGadgetFont(int32_t number, int32_t size) {
  GadgetSetFont(number, FontLoad(number, FONT_FACE, size, FONT_BOLD));
}

void AddShortcuts(int32_t button) {
  for (const ShortcutLayout& shortcut : SHORTCUTS) {
    if (shortcut.button == button) ShortcutAdd(MAIN_WINDOW, shortcut.key, button);
  }
}

// The caption field's own procedure, behind the one that keeps it from the
// focus.
WNDPROC captionProcedure;

// A read-only caption is no place for the keyboard: it is no tab stop, and
// a click on it leaves the focus (and its caret) where it was.
LRESULT CALLBACK CaptionProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
      return 0;
    case WM_SETFOCUS:
      if (IsWindow(reinterpret_cast<HWND>(wParam))) SetFocus(reinterpret_cast<HWND>(wParam));
      return 0;
    default:
      return CallWindowProcA(captionProcedure, field, message, wParam, lParam);
  }
}

void KeepFromFocus(HWND field) {
  if (!field) return;
  SetWindowLongPtrA(field, GWL_STYLE, GetWindowLongPtrA(field, GWL_STYLE) & ~WS_TABSTOP);
  captionProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CaptionProcedure)));
}

// The slider and the label start at the saved level, when it is one.
void CreateGadget(const GadgetLayout& g) {
  const char* levelName = LevelName(difficultyLevel);
  switch (g.kind) {
    case Kind::BUTTON:
      ButtonCreate(g.number, g.x, g.y, g.width, g.height, g.text);
      AddShortcuts(g.number);
      ShortcutAddMnemonic(MAIN_WINDOW, g.text, g.number);
      break;
    case Kind::CAPTION_FIELD:
      KeepFromFocus(TextFieldCreate(g.number, g.x, g.y, g.width, g.height, g.text, ES_READONLY));
      break;
    case Kind::LEVEL_SLIDER:
      SliderCreate(g.number, g.x, g.y, g.width, g.height, 1, 3, TBS_AUTOTICKS);
      if (levelName) GadgetSetState(g.number, difficultyLevel);
      break;
    case Kind::LEVEL_LABEL:
      LabelCreate(g.number, g.x, g.y, g.width, g.height, g.text, SS_CENTER);
      break;
  }
  if (g.fontSize) SetGadgetFont(g.number, g.fontSize);
  if (g.kind == Kind::LEVEL_LABEL && levelName) GadgetSetText(g.number, levelName);
}

template <size_t N>
void CreateGadgets(const GadgetLayout (&layout)[N]) {
  for (const GadgetLayout& g : layout) CreateGadget(g);
}

// A picture whose image cannot be made is left out.
void ShowPictures() {
  for (const PictureLayout& p : PICTURES) {
    if (!ImageLoadFromMemory(p.number, p.bitmap)) continue;
    PictureCreate(p.number, p.x, p.y, p.width, p.height, ImageUse(p.number), 0);
  }
}

// A cell that repaints leaves out the check marker lying over it.
void CreateCells() {
  for (int32_t g = FIRST_CELL; g <= LAST_CELL; ++g) {
    const int32_t index = g - FIRST_CELL;
    GuardCellInput(TextFieldCreate(g, CELL_LEFT[index % 9], CELL_TOP[index / 9], CELL_SIZE,
                                   CELL_SIZE, "", ES_CENTER | ES_NUMBER | WS_CLIPSIBLINGS));
    SetGadgetFont(g, CELL_FONT_SIZE);
  }
}

void AttachTooltips() {
  for (const TooltipLayout& tip : TOOLTIPS) GadgetSetTooltip(tip.gadget, tip.text);
}

}  // namespace

const char* LevelName(int32_t level) {
  if (level < 1 || level > 3) return nullptr;
  return LEVEL_NAMES[level - 1];
}

HWND OpenMainWindow() {
  HWND window = WindowOpen(MAIN_WINDOW, WINDOW_X, WINDOW_Y, WINDOW_WIDTH, WINDOW_HEIGHT,
                           WS_POPUP | WINDOW_HIDDEN, TITLE);
  if (!window) return nullptr;
  if (!GadgetListOpen(window)) return nullptr;
  SkinApply(MAIN_WINDOW, SKIN_PICTURE_GADGET, SKIN_IMAGE, SKIN_BLOCK, 0);
  CreateGadgets(FRAME_BUTTONS);
  ShowPictures();
  // In place before the first cell asks for its colours.
  WindowSetCallback(MainWindowCallback);
  CreateCells();
  CreateGadgets(PANEL_GADGETS);
  AttachTooltips();
  // Each new control went below the face picture; every gadget must lie
  // above it, since the cells leave out what lies above them.
  SetWindowPos(GadgetHandle(SKIN_PICTURE_GADGET), HWND_BOTTOM, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SkinShow(MAIN_WINDOW, 0);
  return WindowHandle(MAIN_WINDOW);
}
