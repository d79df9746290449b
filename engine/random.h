// The engine's own random source: a lagged Fibonacci generator with rotation
// over 17 pairs of 32-bit words. The same seed gives the same draws.
#pragma once

#include <cstdint>

struct RandomState {
  uint32_t words[34];  // pair k is (words[2k], words[2k + 1]): low, high
  int32_t p1;          // the pair the next step replaces
  int32_t p2;          // the lagged pair, always p1 + 10 modulo 17
  bool seeded;
};

void SeedRandom(uint32_t seed);
// Uniform from 0 to max inclusive; seeds itself from the tick count on the
// first call. A negative max gives INT32_MIN. Every call advances one step.
int32_t RandomNumber(int32_t max);

// One step of the generator; exposed so that its outputs can be checked.
uint64_t RandomStep();
const RandomState& CurrentRandomState();
// Back to the unseeded state of program start.
void ForgetRandomSeed();
