// Stands in for the web browser and the mail program in the end-to-end
// tests: the test points the shell's http, https and mailto handlers at this
// program, which appends the address it is given as one line to the file
// that TESSEL_SHELL_LOG names (else "shell_recorder.log" next to it) and
// exits.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

// The command line after the program's own name, without the quotes the
// handler's command puts around the address.
std::string Address(const char* line) {
  if (*line == '"') {
    line = strchr(line + 1, '"');
    line = line ? line + 1 : "";
  } else {
    while (*line && *line != ' ') ++line;
  }
  while (*line == ' ') ++line;
  std::string address = line;
  while (!address.empty() && address.back() == ' ') address.pop_back();
  if (address.size() >= 2 && address.front() == '"' && address.back() == '"') {
    address = address.substr(1, address.size() - 2);
  }
  return address;
}

std::string LogPath() {
  char path[MAX_PATH] = {};
  const DWORD named = GetEnvironmentVariableA("TESSEL_SHELL_LOG", path, sizeof path);
  if (named > 0 && named < sizeof path) return path;
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string own(path, length);
  return own.substr(0, own.find_last_of("\\/") + 1) + "shell_recorder.log";
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  const std::string line = Address(GetCommandLineA()) + "\n";
  // Several openings may come at once: each appends whole lines.
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 50 && file == INVALID_HANDLE_VALUE; ++attempt) {
    file = CreateFileA(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Sleep(20);
  }
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return written == line.size() ? 0 : 1;
}
