// The random source: its exact sequence from a known seed and its bounds.
#include <gtest/gtest.h>

#include "engine/random.h"

namespace {

TEST(Random, SeedZeroGivesTheKnownStateOutputsAndDraws) {
  SeedRandom(0);
  const RandomState& state = CurrentRandomState();
  const uint32_t words[] = {0xBEB7F232u, 0x12CEB592u, 0x70F3D23Cu, 0x9B24BCEAu};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(state.words[i], words[i]) << i;
  EXPECT_EQ(state.p1, 3);
  EXPECT_EQ(state.p2, 13);
  EXPECT_EQ(RandomStep(), 0x8B910D6160217BDFull);
  EXPECT_EQ(RandomStep(), 0xC8AFE081ED8E05C2ull);

  // Cell and digit draws of the generator, then degenerate bounds, each
  // of which still advances one step.
  SeedRandom(0);
  const int32_t draws[][2] = {{80, 44}, {8, 7},  {80, 53}, {8, 3}, {80, 19}, {8, 5},
                              {0, 0},   {-1, INT32_MIN},     {80, 21}, {INT32_MIN, INT32_MIN}};
  for (const auto& d : draws) EXPECT_EQ(RandomNumber(d[0]), d[1]) << "max " << d[0];
  EXPECT_GE(RandomNumber(INT32_MAX), 0);
}

TEST(Random, DrawsStayInRangeAndReachBothEnds) {
  SeedRandom(12345);
  bool seen[81] = {};
  for (int i = 0; i < 20000; ++i) {
    const int32_t n = RandomNumber(80);
    ASSERT_TRUE(n >= 0 && n <= 80) << n;
    seen[n] = true;
  }
  for (bool hit : seen) EXPECT_TRUE(hit);
}

TEST(Random, FirstDrawSeedsItself) {
  ForgetRandomSeed();
  EXPECT_FALSE(CurrentRandomState().seeded);
  const int32_t n = RandomNumber(8);
  EXPECT_TRUE(CurrentRandomState().seeded);
  EXPECT_TRUE(n >= 0 && n <= 8) << n;
}

}  // namespace
