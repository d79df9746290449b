// Shared by the end-to-end tests: settings files, screenshots and the
// command sequences several tests go through.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver.h"
#include "tests/e2e/layout.h"
#include "tests/support/input.h"
#include "tests/support/screenshot.h"

namespace e2e {

// The 8 bytes of a settings file.
inline Bytes SettingsBytes(int32_t donated, int32_t level) {
  Bytes bytes;
  for (int32_t value : {donated, level}) {
    for (int shift = 0; shift < 32; shift += 8) {
      bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
  }
  return bytes;
}

// A screenshot once the program has painted what it shows.
inline void Shot(const Program& program, const std::string& name) {
  program.AwaitPainted(1000);
  SaveScreenshot(("e2e-" + name).c_str());
}

// The rows of the solution the program finds for an empty grid.
inline const std::array<std::string, 9> EMPTY_GRID_SOLUTION = {
    "123456789", "456789123", "789123456", "214365897", "365897214",
    "897214365", "531642978", "642978531", "978531642"};

inline const std::array<std::string, 9> EMPTY_ROWS = {".........", ".........", ".........",
                                                      ".........", ".........", ".........",
                                                      ".........", ".........", "........."};

// Gives the slider the focus without touching it (the caption field, then
// Tab) and moves it one step with an arrow key; waits for the level's name.
inline void MoveSliderByKey(Program& program, WORD arrow, int level) {
  program.ClickGadget(CAPTION);
  program.Type("\t");
  program.Key(arrow);
  EXPECT_TRUE(WaitFor([&] { return program.Text(LEVEL_NAME) == LEVEL_NAMES[level]; }, 3000))
      << "label reads \"" << program.Text(LEVEL_NAME) << "\"";
  EXPECT_EQ(program.SliderPosition(), level);
}

}  // namespace e2e
