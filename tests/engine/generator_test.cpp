// The random source, with its exact sequence from a known seed and its
// bounds, and the random starting positions drawn from it: digit bounds per
// level, no conflicts, and the number of draws each run consumes.
#include <vector>

#include "engine/generator.h"
#include "engine/random.h"
#include "tests/engine/grid_fixture.h"

TEST(Random, KnownSequenceFromSeedZeroBoundsSelfSeedingAndRemainders) {
  SeedRandom(0);
  const uint32_t* words = CurrentRandomState().words;
  EXPECT_EQ(std::vector<uint32_t>(words, words + 4),
            (std::vector<uint32_t>{0xBEB7F232u, 0x12CEB592u, 0x70F3D23Cu, 0x9B24BCEAu}));
  EXPECT_EQ(RandomStep(), 0x8B910D6160217BDFull);
  // Cell and digit draws as the generator makes them, then degenerate
  // bounds, each of which still advances one step, then the widest bound
  // three times: in the third the low word's carry decides.
  SeedRandom(0);
  const int32_t draws[][2] = {{80, 44}, {8, 7}, {80, 53}, {8, 3}, {80, 19}, {8, 5}, {-1, INT32_MIN},
                              {0, 0}, {80, 21}, {INT32_MIN, INT32_MIN}, {INT32_MAX - 1, 2014575439},
                              {INT32_MAX - 1, 950091354}, {INT32_MAX - 1, 1241824310}};
  for (const auto& d : draws) EXPECT_EQ(RandomNumber(d[0]), d[1]) << "max " << d[0];
  ForgetRandomSeed();
  EXPECT_FALSE(CurrentRandomState().seeded);
  EXPECT_TRUE(RandomNumber(8) <= 8 && CurrentRandomState().seeded);  // seeded by the first draw
  // Remainders of a division truncated toward zero.
  const int32_t remainders[][3] = {{44, 9, 8}, {80, 9, 8}, {9, 9, 0}, {-7, 3, -1}, {7, -3, 1}};
  for (const auto& c : remainders) EXPECT_EQ(RemainderOf(c[0], c[1]), c[2]) << c[0] << "%" << c[1];
}

static int Digits() {
  int count = 0;
  for (int i = 0; i < 81; ++i) count += Cell(i / 9, i % 9).value != 0;
  return count;
}

TEST_F(GridTest, GeneratorLevelsBoundTheDigitsAndPositionsNeverConflict) {
  const int32_t attempts[] = {8, 5, 4};
  for (int32_t level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    for (uint32_t seed = 0; seed < 300; ++seed) {
      SeedRandom(seed);
      for (int i = 0; i < 2 + 2 * attempts[level - 1]; ++i) RandomStep();
      const uint64_t next = RandomStep();  // the step after exactly 2 + 2 * extraAttempts draws
      SeedRandom(seed);  // each run starts from a reset grid: the last run's digits are gone
      difficultyLevel = level;
      GeneratePosition();
      ASSERT_TRUE(extraAttempts == attempts[level - 1] && RandomStep() == next) << seed;
      ASSERT_TRUE(Digits() >= 1 && Digits() <= 1 + extraAttempts && ConflictFree()) << seed;
    }
  }
  SeedRandom(0);  // at level 3 still; the first draws are cell 44 and digit 7 + 1
  GeneratePosition();
  for (int r = 0; r < 9; ++r) {
    EXPECT_EQ(Row(r), r == 2 ? "060500000" : r == 4 ? "000000008" : r == 5 ? "000000004"
                                                                        : "000000000") << r;
  }
  difficultyLevel = extraAttempts = 0;
}
