// Processes for the end-to-end tests: bounded waiting, working directories
// of their own, a started process kept in a job, so that ending it also
// ends whatever it started, and another process's memory figures.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace e2e {

// Polls `condition` every few milliseconds; true once it holds.
bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds);

// A path the platform takes: a host path ("/work/...") becomes "Z:\work\...".
std::string WindowsPath(const std::string& path);

// A new empty directory under the temporary folder, and its removal with
// the files in it.
std::string MakeWorkingDirectory();
void RemoveWorkingDirectory(const std::string& path);

// Another process's memory as the system reports it, in bytes; zeros when
// the process cannot be asked.
struct MemoryFigures {
  size_t workingSet = 0;
  size_t peakWorkingSet = 0;
  size_t privateBytes = 0;
};
MemoryFigures MemoryOf(DWORD process);

// A started process with a window that the test waits for.
class Process {
 public:
  Process() = default;
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // Starts `exe` in `directory` inside a job, so that ending it also ends
  // whatever it started. False when the process cannot be created.
  bool Launch(const std::string& exe, const std::string& directory);
  // The first visible top-level window of the process with this title
  // (any title for null), within the time.
  HWND AwaitWindow(const char* title, DWORD milliseconds) const;
  // Waits for the process to end; its exit code, or nothing on timeout.
  std::optional<DWORD> AwaitExit(DWORD milliseconds);
  // Ends the process and all it started, and waits for that.
  void Kill();
  bool Running() const;
  DWORD Id() const { return id_; }

 private:
  HANDLE process_ = nullptr;
  HANDLE job_ = nullptr;
  DWORD id_ = 0;
};

}  // namespace e2e
