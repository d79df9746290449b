// A fixture for tests of the window and gadget layers: the layers stand, and
// every window a test opened is closed after it. Events are taken with the
// real EventWait and logged for the test to inspect.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

struct LoggedEvent {
  int32_t code, object, detail, window;
};

class GuiTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens a visible, active test window with the given client size.
  static HWND OpenWindow(int32_t number, int32_t width = 320, int32_t height = 200);
  // Runs EventWait for each message until the queue has stayed quiet for
  // `quiet` ms, then once more for anything pending or still recorded.
  static std::vector<LoggedEvent> Events(DWORD quiet = 200);
};

// Only the events with this code.
std::vector<LoggedEvent> WithCode(const std::vector<LoggedEvent>& events, int32_t code);
