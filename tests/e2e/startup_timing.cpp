// Measures how long the program takes from process creation until its
// window is shown, against Wine's own winemine started the same way, and
// prints the medians and their ratio. Nothing is asserted.
//   wine e2e_startup_timing.exe [runs [program.exe]]
// A program given by path (Windows or Unix form) stands in for the built
// one, so that two builds can be compared the same way.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/e2e/desktop.h"
#include "tests/e2e/process.h"

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

BOOL CALLBACK FindAnyWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<std::pair<DWORD, bool>*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->first) return TRUE;
  search->second = true;
  return FALSE;
}

bool HasWindow(DWORD process) {
  std::pair<DWORD, bool> search{process, false};
  EnumWindows(FindAnyWindow, reinterpret_cast<LPARAM>(&search));
  return search.second;
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
Timing TimeStart(const Subject& subject) {
  const std::string directory = e2e::MakeWorkingDirectory();
  Timing timing;
  {
    e2e::Process process;
    const double start = Now();
    if (process.Launch(subject.exe, directory)) {
      HWND window = nullptr;
      while (!window && Now() - start < 30000 && process.Running()) {
        if (timing.firstWindow < 0 && HasWindow(process.Id())) timing.firstWindow = Now() - start;
        for (HWND candidate : e2e::VisibleWindows(process.Id())) {
          if (!subject.title || e2e::StoredText(candidate) == subject.title) window = candidate;
        }
        if (!window) Sleep(1);
      }
      if (window) {
        timing.shown = Now() - start;
        PostMessageA(window, WM_CLOSE, 0, 0);
      }
      if (!process.AwaitExit(5000)) process.Kill();
    }
  }
  e2e::RemoveWorkingDirectory(directory);
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
      {"TesselSudoku.exe", e2e::WindowsPath(argc > 2 ? argv[2] : TESSEL_EXE), "Tessel SUDOKU",
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
