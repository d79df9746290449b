// The packer: parses the data, settles offset widths and literal modes from
// that parse, parses again under those costs, and writes the stream behind
// its header.
#include "tools/packer/packer.h"

#include <limits>

#include "gui/unpack.h"
#include "tools/packer/parse.h"
#include "tools/packer/plan.h"
#include "tools/packer/stream_writer.h"

namespace {

// Each parse after the first is priced with the plans of the one before.
constexpr int PARSE_PASSES = 2;

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; i++) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> PackStream(const uint8_t* data, size_t size) { return PackStream(data, size, nullptr); }

std::vector<uint8_t> PackStream(const uint8_t* data, size_t size, PackStatistics* statistics) {
  if (size > size_t(std::numeric_limits<int32_t>::max())) return {};
  auto length = uint32_t(size);

  ParseCosts costs;
  costs.literalBits.assign(length, uint8_t(LiteralBits(8)));
  costs.offsetWidth.assign(length / OFFSET_PLAN_BLOCK + 1, uint8_t(PACK_INITIAL_OFFSET_WIDTH));
  ParseSettings settings;
  std::vector<Token> tokens;
  StreamPlan plan;
  for (int pass = 0; pass < PARSE_PASSES; pass++) {
    tokens = ParseData(data, length, costs, settings);
    plan.offsetWidths = PlanOffsetWidths(tokens, length);
    plan.literalModes = PlanLiteralModes(data, tokens);
    costs.offsetWidth = plan.offsetWidths;
    costs.literalBits = LiteralBitsFromModes(data, length, tokens, plan.literalModes);
  }

  std::vector<uint8_t> out = {'Q', 'Z'};
  PutLe32(out, length);
  PutLe32(out, PackChecksum(data, length));
  PackStatistics counted;
  WriteTokens(data, tokens, plan, out, counted);
  if (statistics) *statistics = counted;
  return out;
}
