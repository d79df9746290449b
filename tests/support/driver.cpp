// Input, screen, processes and the program under test: its windows,
// gadgets, message boxes, settings file and probe.
#include "tests/support/driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/layout.h"
#include "tests/support/probe.h"

namespace input {
namespace {

INPUT Mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT event = {INPUT_MOUSE, {}};
  event.mi = {dx, dy, 0, flags, 0, 0};
  return event;
}

INPUT Key(WORD key, bool down) {
  INPUT event = {INPUT_KEYBOARD, {}};
  const bool extended = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE;
  event.ki = {key, static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)),
              (down ? 0u : KEYEVENTF_KEYUP) | (extended ? KEYEVENTF_EXTENDEDKEY : 0u), 0, 0};
  return event;
}

void Send(std::vector<INPUT> events) {
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

}  // namespace

// Absolute coordinates run from 0 to 65535 across the screen; rounding up
// lands on the intended pixel.
void MouseMove(POINT at) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (at.x * 65536 + width - 1) / width,
              (at.y * 65536 + height - 1) / height)});
}

void MouseButton(bool down) { Send({Mouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)}); }

void Click(POINT at) {
  MouseMove(at);
  Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
}

void KeyPress(WORD virtualKey, uint32_t modifiers) {
  constexpr std::pair<Modifiers, WORD> HELD[] = {{SHIFT, VK_SHIFT}, {CONTROL, VK_CONTROL},
                                                  {ALT, VK_MENU}};
  std::vector<INPUT> events = {Key(virtualKey, true), Key(virtualKey, false)};
  for (const auto& [modifier, key] : HELD) {
    if (!(modifiers & modifier)) continue;
    events.insert(events.begin(), Key(key, true));
    events.push_back(Key(key, false));
  }
  Send(events);
}

RECT RectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

POINT Centre(HWND window) {
  const RECT rect = RectOf(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::vector<COLORREF> ScreenArea(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info = {{sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);  // 0x00RRGGBB, top row first
  std::vector<COLORREF> colours(pixels, pixels + static_cast<size_t>(width) * height);
  for (COLORREF& c : colours) c = RGB(c >> 16, c >> 8, c);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours;
}

}  // namespace input

namespace e2e {

bool WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary);
  const auto size = static_cast<std::streamsize>(bytes.size());
  return file.write(reinterpret_cast<const char*>(bytes.data()), size).flush().good();
}

std::optional<Bytes> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

namespace {

constexpr DWORD ANSWER_TIMEOUT = 3000;  // for a message the program must answer
constexpr DWORD START_TIMEOUT = 30000;  // a cold Wine start can be slow
constexpr char SETTINGS_FILE[] = "\\sudoku.syd";

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// Calls `visit` with every top-level window (for a null parent) or with
// every descendant of `parent`.
void EachWindow(HWND parent, const std::function<void(HWND)>& visit) {
  const WNDENUMPROC call = [](HWND window, LPARAM data) {
    (*reinterpret_cast<const std::function<void(HWND)>*>(data))(window);
    return TRUE;
  };
  const auto data = reinterpret_cast<LPARAM>(&visit);
  if (!parent) EnumWindows(call, data);
  else EnumChildWindows(parent, call, data);
}

// True while the window or one of its children waits to be painted; false
// for no window.
bool NeedsPainting(HWND window) {
  if (!window) return false;
  const auto unpainted = [](HWND one) { return GetUpdateRect(one, nullptr, FALSE) != FALSE; };
  bool found = unpainted(window);
  EachWindow(window, [&](HWND child) { found = found || unpainted(child); });
  return found;
}

// The stop icon is mostly red, the information icon mostly blue; a box
// without an icon may keep an empty icon control.
Box::Icon IconOf(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    DWORD_PTR shown = 0;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !IsWindowVisible(child) ||
        !SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_NORMAL, ANSWER_TIMEOUT, &shown)) {
      continue;
    }
    if (!shown) return Box::Icon::NONE;
    int red = 0;
    int blue = 0;
    for (COLORREF pixel : input::ScreenArea(input::RectOf(child))) {
      red += GetRValue(pixel) > 150 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100;
      blue += GetBValue(pixel) > 150 && GetRValue(pixel) < 100;
    }
    if (red > 20 && red > blue) return Box::Icon::STOP;
    return blue > 20 ? Box::Icon::INFORMATION : Box::Icon::OTHER;
  }
  return Box::Icon::NONE;
}

}  // namespace

std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

std::string NewFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::error_code error;  // an existing folder is used again
  std::filesystem::create_directory(folder, error);
  return folder.string();
}

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(5)) {
    if (GetTickCount() - start >= milliseconds) return false;
  }
  return true;
}

bool MakeForeground(HWND window, const std::function<void()>& step) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (step) step();
    else SetForegroundWindow(window);
    if (!WaitFor([&] { return GetForegroundWindow() == window; }, 2000)) continue;
    Sleep(300);
    // The window's thread has taken what reached it meanwhile.
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    if (GetForegroundWindow() == window) return true;
  }
  return false;
}

// The desktop's descendants are every top-level window and all their children.
std::vector<HWND> WindowsOf(DWORD process, const char* className, const char* title, bool all) {
  std::vector<HWND> found;
  EachWindow(all ? GetDesktopWindow() : nullptr, [&](HWND window) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if ((all || IsWindowVisible(window)) && ProcessOf(window) == process &&
        (!className || strcmp(name, className) == 0) && (!title || TextOf(window, true) == title)) {
      found.push_back(window);
    }
  });
  return found;
}

std::string TextOf(HWND window, bool stored) {
  char text[1024] = "";
  if (stored) return {text, static_cast<size_t>(GetWindowTextA(window, text, sizeof text))};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                      ANSWER_TIMEOUT, &length);
  return {text, std::min<size_t>(length, sizeof text - 1)};
}

bool SetClipboardText(const char* text) {
  const size_t size = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block || !OpenClipboard(nullptr)) return false;
  memcpy(GlobalLock(block), text, size);
  GlobalUnlock(block);
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  // cppcheck-suppress doubleFree ; the clipboard takes the block only on success
  if (!placed) GlobalFree(block);
  return placed;
}

PROCESS_MEMORY_COUNTERS MemoryOf(DWORD process) {
  HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, process);
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!handle || !GetProcessMemoryInfo(handle, &counters, sizeof counters)) counters = {};
  if (handle) CloseHandle(handle);
  return counters;
}

// The probe answers each request with one message; its pipe has no instance
// for a moment after each answer, and none before the probe has started.
std::string ProbeAsk(DWORD process, char request) {
  const std::string name = PROBE_PIPE_PREFIX + std::to_string(process);
  std::string answer(1 << 20, '\0');
  DWORD length = 0;
  const auto asked = [&] {
    return CallNamedPipeA(name.c_str(), &request, 1, answer.data(),
                          static_cast<DWORD>(answer.size()), &length, 1000);
  };
  answer.resize(WaitFor(asked, 10000) ? length : 0);
  return answer;
}

void Program::Shot(const std::string& name) const {
  AwaitPainted(1000);
  char folder[MAX_PATH] = "";
  if (!GetEnvironmentVariableA("TESSEL_SCREENSHOT_DIR", folder, sizeof folder)) return;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const std::vector<COLORREF> pixels = input::ScreenArea({0, 0, width, height});
  // A top-down 32-bit bitmap: blue, green, red and a spare byte a pixel.
  BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 2835, 2835, 0, 0};
  BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof file + sizeof header};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
  CreateDirectoryA(folder, nullptr);
  std::ofstream out(std::string(folder) + "\\e2e-" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  for (COLORREF c : pixels) out.put(GetBValue(c)).put(GetGValue(c)).put(GetRValue(c)).put(0);
}

Program::~Program() {
  Kill();
  CloseHandle(job_);
  CloseHandle(process_);
  if (!own_) return;
  DeleteFileA((directory_ + SETTINGS_FILE).c_str());
  RemoveDirectoryA(directory_.c_str());
}

bool Program::Launch(const std::optional<Bytes>& settings, const char* exe, const char* refused) {
  static int serial = 0;  // a folder of its own for each start
  const std::string name = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  if (own_) directory_ = NewFolder("tessel-e2e-" + name);
  if (settings && !WriteBytes(directory_ + SETTINGS_FILE, *settings)) return false;
  // In a job, so that ending the program also ends what it started.
  job_ = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  const std::string path = WindowsPath(exe ? exe : TESSEL_EXE);
  std::string command = '"' + path + '"';
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  // Inherited by the program only: the driver's own temporary folder stays.
  char driverTemp[MAX_PATH] = "";
  GetEnvironmentVariableA("TMP", driverTemp, sizeof driverTemp);
  SetEnvironmentVariableA(PROBE_REFUSE_VARIABLE, refused);
  if (!tempFolder_.empty()) SetEnvironmentVariableA("TMP", tempFolder_.c_str());
  const bool created =
      CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                     nullptr, directory_.c_str(), &startup, &info);
  SetEnvironmentVariableA(PROBE_REFUSE_VARIABLE, nullptr);
  SetEnvironmentVariableA("TMP", *driverTemp ? driverTemp : nullptr);
  if (!created) return false;
  AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool Program::Start(const std::optional<Bytes>& settings, const char* exe, const char* refused) {
  if (!Launch(settings, exe, refused)) return false;
  const auto ended = [&] { return WaitForSingleObject(process_, 0) != WAIT_TIMEOUT; };
  WaitFor([&] { return (window_ = Find(nullptr, WINDOW_TITLE)) || ended(); }, START_TIMEOUT);
  DWORD_PTR answer = 0;
  return window_ &&
         SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, START_TIMEOUT, &answer) &&
         ToFront() && AwaitPainted(START_TIMEOUT);
}

bool Program::AwaitPainted(DWORD milliseconds) const {
  const bool painted =
      WaitFor([&] { return !NeedsPainting(window_) && !NeedsPainting(FindBox()); }, milliseconds);
  Sleep(100);  // for the painted surface to reach the screen
  return painted;
}

int Program::SliderPosition() const {
  DWORD_PTR position = 0;
  SendMessageTimeoutA(Gadget(SLIDER), TBM_GETPOS, 0, 0, SMTO_NORMAL, ANSWER_TIMEOUT, &position);
  return static_cast<int>(position);
}


Grid Program::Rows() const {
  Grid rows;
  for (int i = 0; i < 81; ++i) {
    const std::string text = Cell(i / 9, i % 9);
    rows[i / 9] += text.empty() ? '.' : text.size() == 1 ? text[0] : '?';
  }
  return rows;
}

bool Program::ToFront() const {
  return GetForegroundWindow() == window_ || MakeForeground(window_);
}

bool Program::AwaitInput(DWORD milliseconds) const {
  const auto takesInput = [&] {
    HWND focus = FocusOf(window_);
    return IsWindowEnabled(window_) && GetForegroundWindow() == window_ && focus &&
           (focus == window_ || IsChild(window_, focus));
  };
  return WaitFor(takesInput, milliseconds);
}

int Program::FocusedGadget() const { return GetDlgCtrlID(FocusOf(window_)); }

void Program::ClickCell(int row, int column) const {
  HWND cell = Gadget(CellGadget(row, column));
  // A second press on a field that has the focus would start a window drag.
  if (FocusOf(window_) == cell) return;
  ClickGadget(CellGadget(row, column));
  WaitFor([&] { return FocusOf(window_) == cell; }, ANSWER_TIMEOUT);
}

void Program::Type(const char* keys, bool replacing) const {
  for (const char* key = keys; *key; ++key) {
    const HWND focus = FocusOf(window_);
    // What the cell holds is selected, so that the typing replaces it.
    if (replacing && *key != '\t') {
      input::KeyPress(VK_HOME);
      input::KeyPress(VK_END, input::SHIFT);
    }
    input::KeyPress(*key == '\t' ? VK_TAB : static_cast<WORD>(toupper(*key)));
    // Keys go to the window that has the focus when they are queued, so the
    // next key waits until Tab has moved it.
    if (*key == '\t') WaitFor([&] { return FocusOf(window_) != focus; }, ANSWER_TIMEOUT);
  }
}

bool Program::TypeInCell(int row, int column, const char* keys, const char* last) const {
  ClickCell(row, column);
  Type(keys, true);
  const auto tabs = std::count(keys, keys + strlen(keys), '\t');
  const int gadget = CellGadget(row, column) + static_cast<int>(tabs);
  return WaitFor([&] { return Text(gadget) == last; }, ANSWER_TIMEOUT);
}

void Program::PointerAway() {
  input::MouseMove({GetSystemMetrics(SM_CXSCREEN) - 4, GetSystemMetrics(SM_CYSCREEN) - 4});
}

HWND Program::AwaitBox(DWORD milliseconds) const {
  HWND box = nullptr;
  WaitFor([&] { return (box = FindBox()) != nullptr; }, milliseconds);
  return box;
}

Box Program::ReadBox(HWND box) {
  Box read{TextOf(box, true), TextOf(GetDlgItem(box, 0xFFFF))};  // the text's control
  // The box may not have painted its icon yet.
  WaitFor([&] { return (read.icon = IconOf(box)) != Box::Icon::OTHER; }, 1500);
  return read;
}

bool Program::AnswerBox(HWND box) {
  HWND ok = GetDlgItem(box, IsWindowVisible(GetDlgItem(box, IDOK)) ? IDOK : IDCANCEL);
  auto gone = [&] { return !IsWindow(box) || !IsWindowVisible(box); };
  for (int attempt = 0; attempt < 3 && ok; ++attempt) {
    input::Click(input::Centre(ok));
    if (WaitFor(gone, 1500)) return true;
  }
  // The click did not reach it: close it so that the run goes on.
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitFor(gone, ANSWER_TIMEOUT);
  return false;
}

std::optional<DWORD> Program::AwaitExit(DWORD milliseconds) const {
  DWORD code = 0;
  if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
  GetExitCodeProcess(process_, &code);
  return code;
}

void Program::Kill() const {
  TerminateJobObject(job_, 1);
  WaitForSingleObject(process_, 5000);
}

std::optional<Bytes> Program::Settings() const { return ReadBytes(directory_ + SETTINGS_FILE); }

}  // namespace e2e
