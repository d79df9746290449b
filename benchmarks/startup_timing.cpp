// Measures how long the program takes from process creation until its
// window is shown, against Wine's own winemine started the same way, and
// prints the medians and their ratio. Nothing is asserted.
//   wine startup_timing.exe [runs [program.exe]]
// A program given by path (Windows or Unix form) stands in for the built
// one, so that two builds can be compared the same way.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Subject {
  const char* name;
  std::string exe;
  const char* title;  // null: the first window the process shows
  std::vector<double> milliseconds;
  std::vector<double> firstWindow;  // until any window exists, shown or not
};

struct Timing {
  double firstWindow = -1, shown = -1;
};

// A window of the process: any, or a visible one with the title (any
// title for null).
struct Search {
  DWORD process;
  bool visible;
  const char* title;
  HWND found;
};

HWND FindWindowOf(DWORD process, bool visible, const char* title) {
  Search search{process, visible, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        if (owner != s->process || (s->visible && !IsWindowVisible(window)) ||
            (s->title && std::string(text) != s->title)) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowsPath(std::string path) {
  if (path.empty() || path[0] != '/') return path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

double Now() {
  LARGE_INTEGER counter;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds until the process has a window, and until the window is
// visible; negative when it never is.
// Each start in a new empty folder, so that no settings file is read.
Timing TimeStart(const Subject& subject) {
  static int serial = 0;
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  const std::string directory = std::string(temp) + "tessel-timing-" + std::to_string(++serial);
  CreateDirectoryA(directory.c_str(), nullptr);
  Timing timing;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + subject.exe + "\"";
  const double start = Now();
  if (CreateProcessA(subject.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     directory.c_str(), &startup, &process)) {
    HWND window = nullptr;
    while (!window && Now() - start < 30000 &&
           WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
      if (timing.firstWindow < 0 && FindWindowOf(process.dwProcessId, false, nullptr)) {
        timing.firstWindow = Now() - start;
      }
      window = FindWindowOf(process.dwProcessId, true, subject.title);
      if (!window) Sleep(1);
    }
    if (window) {
      timing.shown = Now() - start;
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  DeleteFileA((directory + "\\sudoku.syd").c_str());
  RemoveDirectoryA(directory.c_str());
  return timing;
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, static_cast<int>(strtol(argv[1], nullptr, 10))) : 7;
  Subject subjects[] = {
      {"TesselSudoku.exe", WindowsPath(argc > 2 ? argv[2] : TESSEL_EXE), "Tessel SUDOKU",
       {}, {}},
      {"winemine.exe", R"(C:\windows\system32\winemine.exe)", nullptr, {}, {}},
  };
  // One untimed start of each first: the first start of a process after
  // the build also pays for loading it from disk.
  for (const Subject& subject : subjects) TimeStart(subject);
  for (int run = 0; run < runs; ++run) {
    for (Subject& subject : subjects) {
      const Timing timing = TimeStart(subject);
      if (timing.shown < 0) continue;
      subject.milliseconds.push_back(timing.shown);
      subject.firstWindow.push_back(timing.firstWindow);
    }
  }
  for (const Subject& subject : subjects) {
    printf("%-17s median %7.1f ms over %zu runs:", subject.name, Median(subject.milliseconds),
           subject.milliseconds.size());
    for (double value : subject.milliseconds) printf(" %.1f", value);
    printf("\n%-17s (first window of the process after %.1f ms)\n", "",
           Median(subject.firstWindow));
  }
  const double ours = Median(subjects[0].milliseconds);
  const double reference = Median(subjects[1].milliseconds);
  if (ours > 0 && reference > 0) printf("ratio TesselSudoku / winemine: %.2f\n", ours / reference);
  return 0;
}
