// The program's main module: start-up, the main window's event loop with its
// table of commands, and shutdown.
#include "app/cell_fields.h"
#include "app/commands.h"
#include "app/help_topics.h"
#include "app/oplata.h"
#include "app/oprsud.h"
#include "app/program.h"
#include "app/settings.h"
#include "engine/cell_grid.h"
#include "engine/generator.h"
#include "gui/event_state.h"
#include "gui/gadget.h"
#include "gui/startup.h"
#include "gui/window.h"
#include "runtime/fatal.h"
#include "runtime/memory.h"
#include "runtime/messages.h"
#include "runtime/strings.h"
#include "ui/cell_colouring.h"
#include "ui/main_window.h"

StartupFaults startupFaults;

namespace {

int32_t quitFlag;

// The highest index of markerList: one marker per cell at most.
constexpr int32_t MARKER_LIST_LAST = 81;

struct Command {
  int32_t number;       // the gadget, and the shortcuts that stand for it
  bool byShortcut;      // shortcut events start it too
  void (*run)(int32_t startedBy);
};

constexpr Command COMMANDS[] = {
    {BUTTON_MINIMISE, false,
     [](int32_t) { ShowWindow(WindowHandle(MAIN_WINDOW), SW_MINIMIZE); }},
    {BUTTON_CLOSE_BOX, false, [](int32_t) { quitFlag = 1; }},
    {BUTTON_SOLVE, true, SolveForMe},
    {BUTTON_CLEAR, true, [](int32_t) { ClearCellFields(); }},
    {BUTTON_CHECK, true, [](int32_t) { CheckAndAnswer(); }},
    {BUTTON_ENTER, true, [](int32_t) { EnterDigits(); }},
    {BUTTON_CLOSE, true, [](int32_t) { quitFlag = 1; }},
    {BUTTON_HELP, true, [](int32_t) { ShowProgramHelp(HELP_PROGRAM_COMMANDS); }},
    {BUTTON_RULES, true, [](int32_t) { ShowProgramHelp(HELP_RULES); }},
    {PORTRAIT_PICTURE, false, [](int32_t) { ShowProgramHelp(HELP_HISTORY); }},
    {PORTRAIT_CAPTION_PICTURE, false, [](int32_t) { ShowProgramHelp(HELP_HISTORY); }},
    {BUTTON_DONATE, true, [](int32_t) { RunDonationDialog(); }},
    {BUTTON_ABOUT, true, [](int32_t) { RunAboutWindow(); }},
};

// The level follows the slider, except while the left button is held (or
// was pressed since the last look): a drag changes nothing until it ends.
void FollowSlider() {
  if (GetAsyncKeyState(VK_LBUTTON) != 0) return;
  const int32_t level = GadgetGetState(LEVEL_SLIDER);
  if (const char* name = LevelName(level)) GadgetSetText(LEVEL_LABEL, name);
  difficultyLevel = level;
}

// A gadget event (EVENT_GADGET) or a shortcut (EVENT_COMMAND) with its number.
void RunCommand(int32_t startedBy, int32_t number) {
  if (startedBy == EVENT_GADGET && number >= FIRST_CELL && number <= LAST_CELL) {
    TrimCellText(number);
    return;
  }
  for (const Command& command : COMMANDS) {
    if (command.number != number) continue;
    if (startedBy == EVENT_COMMAND && !command.byShortcut) return;
    command.run(startedBy);
    return;
  }
}

// A press that reached the window itself, not one of its controls. A press
// on a button or field that already has the focus reports nothing of its
// own either, and a drag started there would swallow its click.
bool PressedOnFace() {
  const DWORD position = GetMessagePos();
  const POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  return WindowFromPoint(point) == WindowHandle(MAIN_WINDOW);
}

// A press on the borderless window's face moves it, as a title bar would.
void StartWindowDrag() {
  if (!PressedOnFace()) return;
  SendMessageA(WindowHandle(MAIN_WINDOW), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void HandleEvent(int32_t event) {
  const int32_t number = EventObject();
  if (event == EVENT_GADGET) FollowSlider();
  switch (event) {
    case EVENT_CLOSE:
      if (EventWindowNumber() == MAIN_WINDOW) quitFlag = 1;
      break;
    case WM_LBUTTONDOWN:
      StartWindowDrag();
      break;
    case WM_KEYDOWN:
      WalkGrid(EventMessage());
      break;
    case EVENT_GADGET:
    case EVENT_COMMAND:
      RunCommand(event, number);
      break;
    default:
      break;
  }
}

void RunEventLoop() {
  quitFlag = 0;
  while (quitFlag == 0) {
    TempScope scope;
    HandleEvent(EventWait());
  }
}

constexpr char NO_ROOM_TO_START[] =
    "There is not enough memory to start Tessel SUDOKU. Close other programs and try again.";

// The marker list and the cell grid; false when either found no room, as
// every command would then write through a missing block.
bool AllocateProgramState() {
  MainHeapRefuseNext(startupFaults.markerList ? 1 : 0);
  markerList.Dim(MARKER_LIST_LAST);
  MainHeapRefuseNext(startupFaults.cellGrid ? 1 : 0);
  const bool grid = CellGridCreate();
  return markerList.Data() != nullptr && grid;
}

// Heap-held program state goes before the heap itself does.
[[noreturn]] void EndProgram() {
  markerList.Release();
  CellGridRelease();
  RuntimeEnd();
}

}  // namespace

void RunProgram(HINSTANCE instance) {
  if (!RuntimeStart(instance)) EndProgram();
  LoadSettings();
  // Stopped before the loop, the program leaves the settings file as it was.
  if (!AllocateProgramState()) StopWithMessage(NO_ROOM_TO_START);
  CreateCellBrushes();
  // Without its window the program ends at once and keeps the settings file.
  if (!OpenMainWindow()) EndProgram();
  RunEventLoop();
  SaveSettings();
  WindowClose(MAIN_WINDOW);
  ReleaseCellBrushes();
  EndProgram();
}
