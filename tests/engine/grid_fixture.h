// A freshly dimensioned and reset grid for each engine test, with helpers to
// load positions and read rows, candidates and peers back.
#pragma once

#include <gtest/gtest.h>

#include "engine/cell_grid.h"

using Rows = const char* const[9];

class GridTest : public testing::Test {
 protected:
  void SetUp() override { CellGridCreate(); ResetCells(); }
  void TearDown() override {
    // Row 9 and column 9 exist but no operation reads or writes them.
    for (int k = 0; k < GRID_DIMENSION; ++k) {
      EXPECT_TRUE(!Cell(k, 9).value && !Cell(9, k).value) << k;
      EXPECT_TRUE(!StrLen(Cell(k, 9).candidates.Get()) && !StrLen(Cell(9, k).candidates.Get())) << k;
    }
    CellGridRelease();
    EXPECT_EQ(TempStringAreaUsed(), 0);
  }
  // A digit 1-9 is a given, anything else empty; so are missing rows and the
  // ends of short ones.
  static void Load(const Rows& rows) {
    ResetCells();
    for (int i = 0; i < 81; ++i) {
      const char ch = rows[i / 9] && StrLen(rows[i / 9]) > i % 9 ? rows[i / 9][i % 9] : '.';
      Cell(i / 9, i % 9).value = int8_t(ch > '0' ? ch - '0' : 0);
    }
  }
  static std::string Row(int r) {
    std::string text;
    for (int c = 0; c < 9; ++c) text += char('0' + Cell(r, c).value);
    return text;
  }
  static bool ConflictFree() {
    for (int i = 0; i < 81; ++i) if (CellConflicts(int8_t(i / 9), int8_t(i % 9))) return false;
    return true;
  }
};

// A completed grid.
inline Rows SOLVED = {"534678912", "672195348", "198342567", "859761423", "426853791",
                      "713924856", "961537284", "287419635", "345286179"};
