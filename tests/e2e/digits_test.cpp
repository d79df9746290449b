// "Enter digits" at the three levels and "Clear cells".
#include "tests/e2e/e2e_test.h"

namespace e2e {
namespace {

constexpr int MOST_DIGITS[4] = {0, 9, 6, 5};

bool SeeEachOther(int a, int b) {
  const int rowA = a / 9;
  const int columnA = a % 9;
  const int rowB = b / 9;
  const int columnB = b % 9;
  return rowA == rowB || columnA == columnB || (rowA / 3 == rowB / 3 && columnA / 3 == columnB / 3);
}

// Waits until the fields differ from `before` and read the same twice in a
// row (one reading of 81 fields can straddle a command).
std::array<std::string, 9> AwaitNewPosition(Program& program,
                                            const std::array<std::string, 9>& before) {
  std::array<std::string, 9> now = before;
  WaitFor(
      [&] {
        const std::array<std::string, 9> read = program.Rows();
        const bool settled = read != before && read == now;
        now = read;
        return settled;
      },
      5000);
  return now;
}

void ExpectFairPosition(const std::array<std::string, 9>& rows, int level) {
  std::string cells;
  for (const std::string& row : rows) cells += row;
  int filled = 0;
  for (int a = 0; a < 81; ++a) {
    if (cells[a] == '.') continue;
    ++filled;
    EXPECT_TRUE(cells[a] >= '1' && cells[a] <= '9') << "cell " << a << " holds " << cells[a];
    for (int b = a + 1; b < 81; ++b) {
      EXPECT_FALSE(cells[b] == cells[a] && SeeEachOther(a, b))
          << "cells " << a << " and " << b << " both hold " << cells[a];
    }
  }
  EXPECT_GE(filled, 1);
  EXPECT_LE(filled, MOST_DIGITS[level]) << "at level " << level;
}

// Ten typed digits, more than any level enters: if any stayed, the count
// would show it.
void TypeTenDigits(Program& program) {
  EXPECT_TRUE(program.TypeInCell(8, 0, "1\t2\t3\t4\t5\t6\t7\t8\t9", "9"));
  EXPECT_TRUE(program.TypeInCell(0, 0, "5", "5"));
}

TEST(EnterDigits, EachLevelEntersFewDigitsThatNeverSeeEachOther) {
  struct Level {
    int level;
    WORD arrow;  // how the slider gets there from the level before
    std::function<void(Program&)> enter;
  };
  const Level levels[] = {
      {3, 0, [](Program& p) { p.ClickGadget(ENTER_DIGITS); }},
      {2, VK_LEFT, [](Program& p) { p.Key('E', input::CONTROL); }},
      {1, VK_LEFT, [](Program& p) { p.ClickGadget(ENTER_DIGITS); }},
  };
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 3)));
  for (const Level& level : levels) {
    SCOPED_TRACE(testing::Message() << "level " << level.level);
    if (level.arrow) MoveSliderByKey(program, level.arrow, level.level);
    TypeTenDigits(program);
    std::array<std::string, 9> rows = program.Rows();
    for (int draw = 0; draw < 4; ++draw) {
      level.enter(program);
      rows = AwaitNewPosition(program, rows);
      ExpectFairPosition(rows, level.level);
    }
    if (level.level == 3) Shot(program, "enter-digits");
  }
  program.Key(VK_ESCAPE);
  EXPECT_EQ(program.AwaitExit(10000), 0u);
  EXPECT_EQ(program.Settings(), SettingsBytes(0, 1));
}

TEST(ClearCells, EmptiesEveryFieldWithoutAMessage) {
  Program program;
  ASSERT_TRUE(program.Start(SettingsBytes(0, 1)));
  for (bool byShortcut : {false, true}) {
    SCOPED_TRACE(byShortcut ? "Ctrl+R" : "button");
    program.Key('E', input::CONTROL);
    AwaitNewPosition(program, EMPTY_ROWS);
    EXPECT_TRUE(program.TypeInCell(4, 4, "8", "8"));
    if (byShortcut) {
      program.Key('R', input::CONTROL);
    } else {
      program.ClickGadget(CLEAR);
    }
    EXPECT_TRUE(WaitFor([&] { return program.Rows() == EMPTY_ROWS; }, 3000));
    EXPECT_TRUE(program.NoBoxFor(500));
  }
}

}  // namespace
}  // namespace e2e
