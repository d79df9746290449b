// Tick count and pause: GetTickCount and Sleep on Windows, the standard
// clocks elsewhere.
#include "engine/timing.h"

#ifdef _WIN32
#include <windows.h>

int32_t Milliseconds() { return static_cast<int32_t>(GetTickCount()); }

void Pause(int32_t ms) {
  if (ms > 0) Sleep(static_cast<DWORD>(ms));
}

#else
#include <chrono>
#include <thread>

int32_t Milliseconds() {
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

void Pause(int32_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

#endif
