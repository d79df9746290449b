// The shared main window of the program's tests and the message-box watch.
#include "tests/app/app_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "app/cell_fields.h"
#include "app/commands.h"
#include "engine/cell_grid.h"
#include "gui/gadget.h"
#include "gui/window.h"
#include "runtime/files.h"
#include "runtime/fonts.h"
#include "runtime/images.h"
#include "runtime/strings.h"
#include "ui/cell_colouring.h"
#include "ui/main_window.h"

void MainWindowTest::SetUpTestSuite() {
  static bool opened = [] {
    InitCommonControls();
    if (!FileLayerStart() || !FontLayerStart() || !WindowLayerStart() || !GadgetLayerStart() ||
        !ImageLayerStart()) {
      return false;
    }
    markerList.Dim(81);
    CreateCellBrushes();
    CellGridCreate();
    return OpenMainWindow() != nullptr;
  }();
  ASSERT_TRUE(opened);
}

void MainWindowTest::SetUp() {
  ClearCellFields();
  ResetCells();
}

void MainWindowTest::TearDown() { EXPECT_EQ(TempStringAreaUsed(), 0); }

std::string FieldText(int32_t gadget) {
  TempScope scope;
  return GadgetGetText(gadget);
}

void TypeRows(const std::vector<std::string>& rows) {
  for (int32_t i = 0; i < 81; ++i) {
    const std::string digit(1, rows[i / 9][i % 9]);
    GadgetSetText(FIRST_CELL + i, digit == "_" ? "" : digit.c_str());
  }
}

std::vector<std::string> FieldRows() {
  std::vector<std::string> rows(9);
  for (int32_t i = 0; i < 81; ++i) {
    const std::string text = FieldText(FIRST_CELL + i);
    rows[i / 9] += text.empty() ? "_" : text;
  }
  return rows;
}

namespace {

std::vector<SeenBox>* seenBoxes;
std::vector<HWND> answeredBoxes;

std::string TextOf(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The box shows the system's shared stop icon.
bool ShowsStopIcon(HWND box) {
  const auto stop = reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_HAND));
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (SendMessageA(child, STM_GETICON, 0, 0) == stop) return true;
  }
  return false;
}

BOOL CALLBACK AnswerBox(HWND window, LPARAM /*data*/) {
  char kind[16] = "";
  GetClassNameA(window, kind, sizeof kind);
  if (strcmp(kind, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  if (std::find(answeredBoxes.begin(), answeredBoxes.end(), window) != answeredBoxes.end()) {
    return TRUE;
  }
  answeredBoxes.push_back(window);
  // A message box's text is its static control with id 0xFFFF.
  seenBoxes->push_back(
      {TextOf(window), TextOf(GetDlgItem(window, 0xFFFF)), ShowsStopIcon(window)});
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

// Runs inside the box's own modal loop.
void CALLBACK WatchTick(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
}

}  // namespace

std::vector<SeenBox> AnswerBoxes(const std::function<void()>& action) {
  std::vector<SeenBox> seen;
  seenBoxes = &seen;
  answeredBoxes.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, WatchTick);
  action();
  KillTimer(nullptr, timer);
  seenBoxes = nullptr;  // `seen` goes out of scope here
  return seen;
}
