// What the program hands to the shell: while a ShellLog lives, the http,
// https and mailto handlers (the user's and the machine's) point at
// shell_recorder.exe, which writes each address it is opened with to a log
// file of the test's own; the destructor puts the handlers back as they were.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class ShellLog {
 public:
  ShellLog();
  ~ShellLog();
  ShellLog(const ShellLog&) = delete;
  ShellLog& operator=(const ShellLog&) = delete;

  // False when the handlers could not be set.
  bool Ready() const { return ready_; }
  // The addresses recorded so far, oldest first.
  std::vector<std::string> Addresses() const;
  // Waits until `count` addresses have been recorded.
  bool AwaitCount(size_t count, unsigned milliseconds) const;

 private:
  struct Saved {
    HKEY root = nullptr;
    const char* scheme = nullptr;
    bool existed = false;  // the scheme's key under HKCU before the test
    bool hadCommand = false;
    std::string command;
    bool hadProtocol = false;
    std::string protocol;
  };
  std::vector<Saved> saved_;
  std::string path_;
  bool ready_ = false;
};

}  // namespace e2e
