// The program under test: starting it, reading its gadgets and message
// boxes, and input to it.
#include "tests/e2e/driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "tests/e2e/layout.h"
#include "tests/support/input.h"

namespace e2e {
namespace {

constexpr DWORD ANSWER_TIMEOUT = 3000;  // for a message the program must answer
constexpr DWORD START_TIMEOUT = 30000;  // a cold Wine start can be slow
constexpr char SETTINGS_FILE[] = "sudoku.syd";
constexpr int MESSAGE_TEXT_ID = 0xFFFF;  // the text of a message box

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                             &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::optional<Bytes> ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  Bytes bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  const auto size = static_cast<DWORD>(bytes.size());
  if (size) ReadFile(file, bytes.data(), size, &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

RECT ScreenRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

POINT RectCentre(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND IconControl(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (_stricmp(ClassOf(child).c_str(), "Static") != 0) continue;
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) return child;
  }
  return nullptr;
}

// The stop icon is mostly red, the information icon mostly blue. A box
// without an icon may keep the icon control with no icon in it.
Box::Icon IconKind(HWND icon) {
  DWORD_PTR shown = 0;
  if (SendMessageTimeoutA(icon, STM_GETICON, 0, 0, SMTO_NORMAL, ANSWER_TIMEOUT, &shown) && !shown) {
    return Box::Icon::NONE;
  }
  const RECT rect = ScreenRect(icon);
  const std::vector<COLORREF> pixels = input::ScreenArea(rect);
  int red = 0;
  int blue = 0;
  for (COLORREF pixel : pixels) {
    const int r = GetRValue(pixel);
    const int g = GetGValue(pixel);
    const int b = GetBValue(pixel);
    if (r > 150 && g < 100 && b < 100) ++red;
    if (b > 150 && r < 100) ++blue;
  }
  if (red > 20 && red > blue) return Box::Icon::STOP;
  if (blue > 20) return Box::Icon::INFORMATION;
  return Box::Icon::OTHER;
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM lParam) {
  if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(lParam) = true;
  return FALSE;
}

// True while the window or one of its children waits to be painted.
bool NeedsPainting(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  bool unpainted = false;
  EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
  return unpainted;
}

WORD KeyOf(char key) {
  if (key == '\t') return VK_TAB;
  if (key == '\r') return VK_RETURN;
  return static_cast<WORD>(toupper(static_cast<unsigned char>(key)));
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace

Program::Program() = default;

Program::~Program() {
  process_.Kill();
  if (!directory_.empty()) RemoveWorkingDirectory(directory_);
}

bool Program::Launch(const std::optional<Bytes>& settings, const char* exe) {
  directory_ = MakeWorkingDirectory();
  if (settings && !WriteFileBytes(directory_ + "\\" + SETTINGS_FILE, *settings)) return false;
  return process_.Launch(WindowsPath(exe ? exe : TESSEL_EXE), directory_);
}

bool Program::Start(const std::optional<Bytes>& settings, const char* exe) {
  if (!Launch(settings, exe)) return false;
  window_ = process_.AwaitWindow(WINDOW_TITLE, START_TIMEOUT);
  if (!window_) return false;
  DWORD_PTR answer = 0;
  const bool takesMessages =
      SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, START_TIMEOUT, &answer) != 0;
  return takesMessages && ToFront() && AwaitPainted(START_TIMEOUT);
}

bool Program::AwaitPainted(DWORD milliseconds) const {
  const bool painted = WaitFor(
      [&] {
        HWND box = FindBox();
        return !NeedsPainting(window_) && !(box && NeedsPainting(box));
      },
      milliseconds);
  Sleep(100);  // for the painted surface to reach the screen
  return painted;
}

HWND Program::Gadget(int number) const { return GetDlgItem(window_, number); }

std::string Program::Text(int number) const { return AskedText(Gadget(number)); }

std::string Program::Caption(int number) const { return StoredText(Gadget(number)); }

bool Program::Enabled(int number) const {
  HWND gadget = Gadget(number);
  return gadget && IsWindowEnabled(gadget);
}

int Program::SliderPosition() const {
  DWORD_PTR position = 0;
  if (!SendMessageTimeoutA(Gadget(SLIDER), TBM_GETPOS, 0, 0, SMTO_NORMAL, ANSWER_TIMEOUT,
                           &position)) {
    return -1;
  }
  return static_cast<int>(position);
}

std::string Program::Cell(int row, int column) const { return Text(CellGadget(row, column)); }

std::array<std::string, 81> Program::Cells() const {
  std::array<std::string, 81> cells;
  for (int i = 0; i < 81; ++i) cells[i] = Text(FIRST_CELL + i);
  return cells;
}

std::array<std::string, 9> Program::Rows() const {
  const std::array<std::string, 81> cells = Cells();
  std::array<std::string, 9> rows;
  for (int i = 0; i < 81; ++i) {
    const std::string& cell = cells[i];
    rows[i / 9] += cell.empty() ? '.' : cell.size() > 1 ? '?' : cell[0];
  }
  return rows;
}

RECT Program::GadgetRect(int number) const {
  RECT rect = ScreenRect(Gadget(number));
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT Program::ScreenPoint(int x, int y) const {
  POINT point = {x, y};
  ClientToScreen(window_, &point);
  return point;
}

COLORREF Program::Pixel(int x, int y) const {
  const POINT point = ScreenPoint(x, y);
  return input::ScreenPixel(point.x, point.y);
}

std::vector<COLORREF> Program::Area(int x, int y, int width, int height) const {
  const POINT corner = ScreenPoint(x, y);
  return input::ScreenArea({corner.x, corner.y, corner.x + width, corner.y + height});
}

bool Program::ToFront() const {
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (GetForegroundWindow() == window_) return true;
    SetForegroundWindow(window_);
    if (WaitFor([&] { return GetForegroundWindow() == window_; }, 1000)) return true;
  }
  return false;
}

bool Program::AwaitInput(DWORD milliseconds) const {
  const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
  return WaitFor(
      [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return IsWindowEnabled(window_) && GetForegroundWindow() == window_ &&
               GetGUIThreadInfo(thread, &info) && info.hwndActive == window_ && info.hwndFocus &&
               (info.hwndFocus == window_ || IsChild(window_, info.hwndFocus));
      },
      milliseconds);
}

void Program::Click(int x, int y) const {
  const POINT point = ScreenPoint(x, y);
  input::Click(point.x, point.y);
}

void Program::ClickGadget(int number) const {
  const Place place = PlaceOf(number);
  Click(place.x + place.width / 2, place.y + place.height / 2);
}

void Program::ClickCell(int row, int column) const {
  HWND cell = Gadget(CellGadget(row, column));
  // A second press on a field that has the focus would start a window drag.
  if (FocusOf(window_) == cell) return;
  ClickGadget(CellGadget(row, column));
  WaitFor([&] { return FocusOf(window_) == cell; }, ANSWER_TIMEOUT);
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static): tests call it on the program
void Program::Key(WORD virtualKey, uint32_t modifiers) const {
  input::KeyPress(virtualKey, modifiers);
}

void Program::Type(const char* keys) const {
  for (const char* key = keys; *key; ++key) {
    const HWND focus = FocusOf(window_);
    Key(KeyOf(*key));
    // Keys go to the window that has the focus when they are queued, so the
    // next key waits until Tab has moved it.
    if (*key == '\t') WaitFor([&] { return FocusOf(window_) != focus; }, ANSWER_TIMEOUT);
  }
}

bool Program::TypeInCell(int row, int column, const char* keys, const char* last) const {
  ClickCell(row, column);
  int gadget = CellGadget(row, column);
  for (const char* key = keys; *key; ++key) {
    if (*key == '\t') {
      Type("\t");
      ++gadget;
      continue;
    }
    // What the cell holds is selected, so that the typing replaces it.
    Key(VK_HOME);
    Key(VK_END, input::SHIFT);
    const char one[] = {*key, '\0'};
    Type(one);
  }
  return WaitFor([&] { return Text(gadget) == last; }, ANSWER_TIMEOUT);
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static): tests call it on the program
void Program::PointerAway() const {
  input::MouseMove(GetSystemMetrics(SM_CXSCREEN) - 4, GetSystemMetrics(SM_CYSCREEN) - 4);
}

HWND Program::FindBox() const {
  for (HWND window : VisibleWindows(ProcessId())) {
    if (ClassOf(window) == "#32770") return window;
  }
  return nullptr;
}

HWND Program::AwaitBox(DWORD milliseconds) const {
  HWND box = nullptr;
  WaitFor([&] { return (box = FindBox()) != nullptr; }, milliseconds);
  return box;
}

Box Program::ReadBox(HWND box) {
  Box read;
  read.window = box;
  read.title = StoredText(box);
  read.text = AskedText(GetDlgItem(box, MESSAGE_TEXT_ID));
  HWND icon = IconControl(box);
  if (!icon) return read;
  // The box may not have painted its icon yet.
  WaitFor([&] { return (read.icon = IconKind(icon)) != Box::Icon::OTHER; }, 1500);
  if (read.icon == Box::Icon::OTHER) read.icon = IconKind(icon);
  return read;
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static): tests call it on the program
bool Program::AnswerBox(HWND box) const {
  HWND ok = GetDlgItem(box, IDOK);
  if (!ok || !IsWindowVisible(ok)) ok = GetDlgItem(box, IDCANCEL);
  auto gone = [&] { return !IsWindow(box) || !IsWindowVisible(box); };
  for (int attempt = 0; attempt < 3 && ok; ++attempt) {
    const POINT centre = RectCentre(ScreenRect(ok));
    input::Click(centre.x, centre.y);
    if (WaitFor(gone, 1500)) return true;
  }
  // The click did not reach it: close it so that the run goes on.
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitFor(gone, ANSWER_TIMEOUT);
  return false;
}

bool Program::NoBoxFor(DWORD milliseconds) const {
  return !WaitFor([&] { return FindBox() != nullptr; }, milliseconds);
}

bool Program::AnswerBoxesUntil(const std::function<bool()>& done, DWORD milliseconds) const {
  return WaitFor(
      [&] {
        if (HWND box = FindBox()) {
          AnswerBox(box);
          return false;
        }
        return done() && !FindBox();
      },
      milliseconds);
}

std::optional<DWORD> Program::AwaitExit(DWORD milliseconds) {
  return process_.AwaitExit(milliseconds);
}

void Program::Kill() { process_.Kill(); }

std::optional<Bytes> Program::Settings() const {
  return ReadFileBytes(directory_ + "\\" + SETTINGS_FILE);
}

}  // namespace e2e
