// A freshly dimensioned and reset grid for each engine test, with helpers to
// load positions and read rows back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/cell_grid.h"

using Rows = const char* const[9];

class GridTest : public testing::Test {
 protected:
  void SetUp() override {
    CellGridCreate();
    ResetCells();
  }
  void TearDown() override {
    CellGridRelease();
    EXPECT_EQ(TempStringAreaUsed(), 0);
  }

  // A digit 1-9 is a given, anything else empty.
  static void Load(Rows& rows) {
    ResetCells();
    for (int i = 0; i < 81; ++i) {
      const char ch = rows[i / 9][i % 9];
      Cell(i / 9, i % 9).value = static_cast<int8_t>(ch >= '1' && ch <= '9' ? ch - '0' : 0);
    }
  }

  static std::string Row(int r) {
    std::string text;
    for (int c = 0; c < 9; ++c) text += static_cast<char>('0' + Cell(r, c).value);
    return text;
  }

  static std::string Candidates(int r, int c) {
    const char* text = Cell(r, c).candidates;
    return text ? text : "";
  }

  static bool ConflictFree() {
    for (int i = 0; i < 81; ++i) {
      if (CellConflicts(static_cast<int8_t>(i / 9), static_cast<int8_t>(i % 9))) return false;
    }
    return true;
  }
};

// A completed grid, reached from its puzzle by single candidates alone.
inline Rows SOLVED = {
    "534678912", "672195348", "198342567", "859761423", "426853791",
    "713924856", "961537284", "287419635", "345286179",
};
