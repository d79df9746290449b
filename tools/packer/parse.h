// The packer's parse: the cheapest sequence of tokens, in bits, that covers
// the data, found by a shortest-path pass over the positions.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/packer/stream_format.h"

// What the parse assumes about the stream around it: the size of a literal
// at each position (set by the literal plan) and the offset width in force
// for each block of OFFSET_PLAN_BLOCK bytes.
struct ParseCosts {
  std::vector<uint8_t> literalBits;
  std::vector<uint8_t> offsetWidth;
};

inline constexpr uint32_t OFFSET_PLAN_BLOCK = 16384;

struct ParseSettings {
  uint32_t chainDepth = 96;
  uint32_t niceLength = 256;  // a match this long is taken at once
  uint32_t everyLength = 48;  // lengths up to this are all tried
};

std::vector<Token> ParseData(const uint8_t* data, uint32_t size, const ParseCosts& costs,
                             const ParseSettings& settings);
