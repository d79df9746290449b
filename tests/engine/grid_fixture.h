// A freshly dimensioned and reset grid for each engine test, with helpers to
// load positions and read rows back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/cell_grid.h"

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

  // Nine texts of nine characters; a digit 1-9 is a given, anything else empty.
  static void Load(const char* const (&rows)[9]) {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        char ch = rows[r][c];
        Cell(r, c).value = static_cast<int8_t>(ch >= '1' && ch <= '9' ? ch - '0' : 0);
      }
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

  static std::string Peers(int r, int c) {
    TempScope scope;
    return PeerDigits(static_cast<int8_t>(r), static_cast<int8_t>(c));
  }

  // Every filled cell free of conflicts.
  static bool ConflictFree() {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (CellConflicts(static_cast<int8_t>(r), static_cast<int8_t>(c))) return false;
      }
    }
    return true;
  }
};
