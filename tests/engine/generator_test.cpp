// Random starting positions: digit bounds per level, no conflicts, and the
// number of draws each run consumes.
#include <algorithm>
#include <iterator>
#include <vector>

#include "engine/generator.h"
#include "engine/random.h"
#include "tests/engine/grid_fixture.h"

namespace {

class GeneratorTest : public GridTest {
 protected:
  void TearDown() override {
    difficultyLevel = extraAttempts = 0;
    GridTest::TearDown();
  }

  static int Digits() {
    int count = 0;
    for (int i = 0; i < 81; ++i) count += Cell(i / 9, i % 9).value != 0;
    return count;
  }

  // The words of the random state after `draws` steps from `seed`.
  static std::vector<uint32_t> After(uint32_t seed, int draws) {
    SeedRandom(seed);
    for (int i = 0; i < draws; ++i) RandomStep();
    return Words();
  }
  static std::vector<uint32_t> Words() {
    const RandomState& s = CurrentRandomState();
    return {std::begin(s.words), std::end(s.words)};
  }
};

TEST_F(GeneratorTest, LevelsBoundTheDigitsAndPositionsNeverConflict) {
  const int32_t attempts[] = {8, 5, 4};
  for (int32_t level = 1; level <= 3; ++level) {
    difficultyLevel = level;
    int most = 0;
    for (uint32_t seed = 0; seed < 300; ++seed) {
      SeedRandom(seed);
      Cell(0, 0).value = 9;  // each run starts from a reset grid
      StrSet(Cell(0, 0).candidates, "");
      GeneratePosition();
      ASSERT_EQ(extraAttempts, attempts[level - 1]);
      const int digits = Digits();
      ASSERT_GE(digits, 1);
      ASSERT_LE(digits, 1 + extraAttempts);
      ASSERT_TRUE(ConflictFree()) << "level " << level << " seed " << seed;
      ASSERT_EQ(Candidates(0, 0), "123456789");
      most = std::max(most, digits);
      ASSERT_EQ(Words(), After(seed, 2 + 2 * extraAttempts)) << "draws from seed " << seed;
    }
    EXPECT_EQ(most, 1 + attempts[level - 1]) << "the upper bound is reachable";
  }
}

TEST_F(GeneratorTest, DrawnCellsAndDigitsAndUnknownLevels) {
  // From seed 0 the first draws are cell 44 and digit 7 + 1.
  difficultyLevel = 3;
  SeedRandom(0);
  GeneratePosition();
  EXPECT_EQ(Cell(4, 8).value, 8);

  difficultyLevel = 0;  // no settings yet and no slider event: no extra attempts
  extraAttempts = 0;
  SeedRandom(7);
  GeneratePosition();
  EXPECT_EQ(Digits(), 1);
  for (int32_t level : {2, 99, 4, -1}) {  // other levels keep the last attempts
    difficultyLevel = level;
    GeneratePosition();
    EXPECT_EQ(extraAttempts, 5);
  }
}

TEST(Remainder, TruncatesTowardZero) {
  const int32_t cases[][3] = {{44, 9, 8}, {80, 9, 8}, {9, 9, 0}, {-7, 3, -1}, {7, -3, 1}};
  for (const auto& c : cases) EXPECT_EQ(RemainderOf(c[0], c[1]), c[2]) << c[0] << " % " << c[1];
}

}  // namespace
