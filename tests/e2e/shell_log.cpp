// Points the shell's URL handlers at the recorder and reads its log.
#include "tests/e2e/shell_log.h"

#include <windows.h>

#include "tests/e2e/process.h"

namespace e2e {
namespace {

constexpr const char* SCHEMES[] = {"http", "https", "mailto"};
// Windows looks up a URL's handler under HKEY_CLASSES_ROOT, where the
// user's classes come before the machine's; Wine 8 reads only the machine's
// there, so the handlers are set in both.
const HKEY ROOTS[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
constexpr char LOG_VARIABLE[] = "TESSEL_SHELL_LOG";

std::string SchemeKey(const char* scheme) { return std::string(R"(Software\Classes\)") + scheme; }

std::string CommandKey(const char* scheme) { return SchemeKey(scheme) + R"(\shell\open\command)"; }

bool ReadValue(HKEY root, const std::string& key, const char* name, std::string& value) {
  char data[2048] = {};
  DWORD size = sizeof data - 1;
  if (RegGetValueA(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) !=
      ERROR_SUCCESS) {
    return false;
  }
  value = data;
  return true;
}

bool WriteValue(HKEY root, const std::string& key, const char* name, const std::string& value) {
  HKEY opened = nullptr;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &opened, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result = RegSetValueExA(opened, name, 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(opened);
  return result == ERROR_SUCCESS;
}

void DeleteValue(HKEY root, const std::string& key, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
    return;
  }
  RegDeleteValueA(opened, name);
  RegCloseKey(opened);
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(opened);
  return true;
}

}  // namespace

ShellLog::ShellLog() {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  char file[MAX_PATH] = {};
  GetTempFileNameA(temp, "url", 0, file);  // creates it empty
  path_ = file;
  SetEnvironmentVariableA(LOG_VARIABLE, path_.c_str());

  // The handler's command: the recorder, given the address as %1.
  std::string command(1, '"');
  command += WindowsPath(TESSEL_SHELL_RECORDER_EXE);
  command += R"(" "%1")";
  bool ready = true;
  for (HKEY root : ROOTS) {
    for (const char* scheme : SCHEMES) {
      Saved saved;
      saved.root = root;
      saved.scheme = scheme;
      saved.existed = KeyExists(root, SchemeKey(scheme));
      saved.hadCommand = ReadValue(root, CommandKey(scheme), nullptr, saved.command);
      saved.hadProtocol = ReadValue(root, SchemeKey(scheme), "URL Protocol", saved.protocol);
      saved_.push_back(saved);
      ready = WriteValue(root, SchemeKey(scheme), "URL Protocol", "") &&
              WriteValue(root, CommandKey(scheme), nullptr, command) && ready;
    }
  }
  ready_ = ready;
}

ShellLog::~ShellLog() {
  for (const Saved& saved : saved_) {
    const HKEY root = saved.root;
    const char* scheme = saved.scheme;
    if (!saved.existed) {
      RegDeleteTreeA(root, SchemeKey(scheme).c_str());
      continue;
    }
    if (saved.hadCommand) {
      WriteValue(root, CommandKey(scheme), nullptr, saved.command);
    } else {
      DeleteValue(root, CommandKey(scheme), nullptr);
    }
    if (saved.hadProtocol) {
      WriteValue(root, SchemeKey(scheme), "URL Protocol", saved.protocol);
    } else {
      DeleteValue(root, SchemeKey(scheme), "URL Protocol");
    }
  }
  SetEnvironmentVariableA(LOG_VARIABLE, nullptr);
  DeleteFileA(path_.c_str());
}

std::vector<std::string> ShellLog::Addresses() const {
  std::vector<std::string> addresses;
  HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return addresses;
  std::string text(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!text.empty()) ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  CloseHandle(file);
  text.resize(read);
  // Only whole lines: the recorder may be writing the next one.
  size_t start = 0;
  for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    addresses.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return addresses;
}

bool ShellLog::AwaitCount(size_t count, unsigned milliseconds) const {
  return WaitFor([&] { return Addresses().size() >= count; }, milliseconds);
}

}  // namespace e2e
