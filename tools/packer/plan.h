// Choices the parse leaves open, made over its tokens: the offset width for
// each block of the data, and the literal width and base in force at each
// literal. Both feed the costs of the next parse and the writing of tokens.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/packer/parse.h"
#include "tools/packer/stream_format.h"

struct LiteralMode {
  uint8_t width;  // 7 or 8
  uint8_t base;   // 0 at width 8
  bool operator==(const LiteralMode&) const = default;
};

// The width for each block of OFFSET_PLAN_BLOCK bytes that makes the offsets
// of the new-offset matches, plus the width tokens between blocks, smallest.
std::vector<uint8_t> PlanOffsetWidths(const std::vector<Token>& tokens, uint32_t size);

// The mode of each literal token, in order, that makes the literals plus the
// setup tokens before them smallest.
std::vector<LiteralMode> PlanLiteralModes(const uint8_t* data, const std::vector<Token>& tokens);

// The size in bits of a literal at each position under those modes, for the
// next parse.
std::vector<uint8_t> LiteralBitsFromModes(const uint8_t* data, uint32_t size, const std::vector<Token>& tokens,
                                          const std::vector<LiteralMode>& modes);
