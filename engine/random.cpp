// The lagged Fibonacci generator with rotation and its seeding.
#include "engine/random.h"

#include <bit>

#include "engine/timing.h"

namespace {

constexpr int32_t PAIRS = 17;
constexpr uint32_t SEED_MULTIPLIER = 2891336453u;
constexpr int32_t SEED_WARM_UP_STEPS = 31;

RandomState state;

}  // namespace

uint64_t RandomStep() {
  uint32_t* w = state.words;
  uint32_t y = std::rotl(w[2 * state.p1], 19) + w[2 * state.p2];
  uint32_t z = std::rotl(w[2 * state.p1 + 1], 27) + w[2 * state.p2 + 1];
  // The low word takes z and the high word y: the pair is exchanged.
  w[2 * state.p1] = z;
  w[2 * state.p1 + 1] = y;
  state.p1 = state.p1 == 0 ? PAIRS - 1 : state.p1 - 1;
  state.p2 = state.p2 == 0 ? PAIRS - 1 : state.p2 - 1;
  return static_cast<uint64_t>(y) << 32 | z;
}

void SeedRandom(uint32_t seed) {
  uint32_t s = seed;
  for (uint32_t& word : state.words) {
    s = s * SEED_MULTIPLIER + 1;
    word = s;
  }
  state.p1 = 0;
  state.p2 = 10;
  for (int32_t i = 0; i < SEED_WARM_UP_STEPS; ++i) RandomStep();
  state.seeded = true;
}

int32_t RandomNumber(int32_t max) {
  if (!state.seeded) SeedRandom(static_cast<uint32_t>(Milliseconds()));
  uint64_t x = RandomStep();
  if (max < 0) return INT32_MIN;
  // The upper 32 bits of the 96-bit product x * (max + 1), always <= max.
  uint64_t n = static_cast<uint64_t>(max) + 1;
  uint64_t low = (x & 0xFFFFFFFFu) * n;
  uint64_t high = (x >> 32) * n + (low >> 32);
  return static_cast<int32_t>(high >> 32);
}

const RandomState& CurrentRandomState() { return state; }

void ForgetRandomSeed() { state = RandomState{}; }
