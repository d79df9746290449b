// Processes for the end-to-end tests.
#include "tests/e2e/process.h"

#include <psapi.h>

#include <algorithm>

#include "tests/e2e/desktop.h"

namespace e2e {
namespace {

std::string NewDirectoryName() {
  static int serial = 0;
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  std::string path = std::string(temp) + "tessel-e2e-" + std::to_string(GetCurrentProcessId()) +
                     "-" + std::to_string(++serial);
  return path;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(5);
  }
}

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string converted = "Z:" + path;
  std::replace(converted.begin(), converted.end(), '/', '\\');
  return converted;
}

std::string MakeWorkingDirectory() {
  std::string path = NewDirectoryName();
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

void RemoveWorkingDirectory(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;  // none are made
      const std::string file = path + "\\" + entry.cFileName;
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

MemoryFigures MemoryOf(DWORD process) {
  HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, process);
  if (!handle) return {};
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  const bool answered = GetProcessMemoryInfo(handle, &counters, sizeof counters) != FALSE;
  CloseHandle(handle);
  if (!answered) return {};
  // The commit charge of a process is its private bytes.
  return {counters.WorkingSetSize, counters.PeakWorkingSetSize, counters.PagefileUsage};
}

Process::~Process() {
  Kill();
  if (job_) CloseHandle(job_);
  if (process_) CloseHandle(process_);
}

bool Process::Launch(const std::string& exe, const std::string& directory) {
  job_ = CreateJobObjectA(nullptr, nullptr);
  if (job_) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::string command = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, directory.c_str(), &startup, &info)) {
    return false;
  }
  if (job_) AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

HWND Process::AwaitWindow(const char* title, DWORD milliseconds) const {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND window : VisibleWindows(id_)) {
          if (!title || StoredText(window) == title) {
            found = window;
            return true;
          }
        }
        return !Running();
      },
      milliseconds);
  return found;
}

std::optional<DWORD> Process::AwaitExit(DWORD milliseconds) {
  if (!process_) return std::nullopt;
  if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

void Process::Kill() {
  if (job_) TerminateJobObject(job_, 1);
  if (process_ && Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
}

bool Process::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

}  // namespace e2e
