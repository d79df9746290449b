// Random starting positions: digit bounds per level, no conflicts, and the
// number of draws each run consumes.
#include <algorithm>
#include <iterator>

#include "engine/generator.h"
#include "engine/random.h"
#include "tests/engine/grid_fixture.h"

namespace {

class GeneratorTest : public GridTest {
 protected:
  void TearDown() override {
    difficultyLevel = 0;
    extraAttempts = 0;
    GridTest::TearDown();
  }

  static int Digits() {
    int count = 0;
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) count += Cell(r, c).value != 0;
    }
    return count;
  }

  // The state after `draws` steps from `seed`, for comparing with a run.
  static RandomState After(uint32_t seed, int draws) {
    SeedRandom(seed);
    for (int i = 0; i < draws; ++i) RandomStep();
    return CurrentRandomState();
  }

  // Member by member: the padding bytes of a copied state are unspecified.
  static bool SameState(const RandomState& a, const RandomState& b) {
    return std::equal(std::begin(a.words), std::end(a.words), std::begin(b.words)) &&
           a.p1 == b.p1 && a.p2 == b.p2 && a.seeded == b.seeded;
  }
};

TEST_F(GeneratorTest, LevelsBoundTheDigitsAndPositionsNeverConflict) {
  const int32_t attempts[] = {8, 5, 4};
  for (int32_t level = 1; level <= 3; ++level) {
    difficultyLevel = level;
    int most = 0;
    for (uint32_t seed = 0; seed < 400; ++seed) {
      SeedRandom(seed);
      GeneratePosition();
      ASSERT_EQ(extraAttempts, attempts[level - 1]);
      int digits = Digits();
      ASSERT_GE(digits, 1);
      ASSERT_LE(digits, 1 + extraAttempts);
      ASSERT_TRUE(ConflictFree()) << "level " << level << " seed " << seed;
      most = std::max(most, digits);
      // Exactly 2 + 2 * extraAttempts draws.
      RandomState expected = After(seed, 2 + 2 * extraAttempts);
      SeedRandom(seed);
      GeneratePosition();
      ASSERT_TRUE(SameState(expected, CurrentRandomState()));
    }
    EXPECT_EQ(most, 1 + attempts[level - 1]) << "the upper bound is reachable";
  }
}

TEST_F(GeneratorTest, FirstPlacementFollowsTheDrawnCellAndDigit) {
  // From seed 0 the first draws are cell 44 and digit 7 + 1.
  difficultyLevel = 3;
  SeedRandom(0);
  GeneratePosition();
  EXPECT_EQ(Cell(4, 8).value, 8);
}

TEST_F(GeneratorTest, UnknownLevelKeepsThePreviousAttempts) {
  difficultyLevel = 0;  // no settings yet and no slider event
  extraAttempts = 0;
  SeedRandom(7);
  GeneratePosition();
  EXPECT_EQ(Digits(), 1);
  EXPECT_EQ(extraAttempts, 0);

  difficultyLevel = 2;
  GeneratePosition();
  difficultyLevel = 99;
  GeneratePosition();
  EXPECT_EQ(extraAttempts, 5);
  EXPECT_LE(Digits(), 6);
}

TEST_F(GeneratorTest, EachRunStartsFromAResetGrid) {
  difficultyLevel = 1;
  Cell(0, 0).value = 9;
  StrSet(Cell(0, 0).candidates, "");
  SeedRandom(3);
  GeneratePosition();
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) ASSERT_EQ(Candidates(r, c), "123456789");
  }
}

TEST(Remainder, TruncatesTowardZero) {
  EXPECT_EQ(RemainderOf(44, 9), 8);
  EXPECT_EQ(RemainderOf(80, 9), 8);
  EXPECT_EQ(RemainderOf(-7, 3), -1);
  EXPECT_EQ(RemainderOf(7, -3), 1);
}

}  // namespace
