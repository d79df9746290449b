// Writes the tokens of a parse as the packed stream's bits, with the offset
// width and literal setup tokens that the plans call for.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/packer/packer.h"
#include "tools/packer/plan.h"

struct StreamPlan {
  std::vector<uint8_t> offsetWidths;  // by block of OFFSET_PLAN_BLOCK
  std::vector<LiteralMode> literalModes;  // by literal token
};

void WriteTokens(const uint8_t* data, const std::vector<Token>& tokens, const StreamPlan& plan,
                 std::vector<uint8_t>& out, PackStatistics& statistics);
