// Offset widths by block and literal modes by literal, each chosen by a
// shortest path over a small set of states.
#include "tools/packer/plan.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <limits>

namespace {

constexpr uint32_t WIDTH_STATES = 25;  // widths 0..24 serve any offset below 2^31
constexpr uint32_t MODE_STATES = 1 + 256;  // width 8, then width 7 with each base
constexpr uint64_t UNREACHABLE = std::numeric_limits<uint64_t>::max() / 4;

LiteralMode ModeOfState(uint32_t state) {
  if (state == 0) return {8, 0};
  return {7, uint8_t(state - 1)};
}

bool Fits(LiteralMode mode, uint8_t byte) { return mode.width == 8 || uint8_t(byte - mode.base) < 128; }

uint32_t ArgMin(const uint64_t* values, uint32_t count) {
  return uint32_t(std::min_element(values, values + count) - values);
}

}  // namespace

std::vector<uint8_t> PlanOffsetWidths(const std::vector<Token>& tokens, uint32_t size) {
  uint32_t blocks = size / OFFSET_PLAN_BLOCK + 1;
  std::vector<std::array<uint64_t, WIDTH_STATES>> cost(blocks);
  for (const Token& t : tokens) {
    if (t.kind != TokenKind::Match) continue;
    auto& block = cost[t.position / OFFSET_PLAN_BLOCK];
    for (uint32_t w = 0; w < WIDTH_STATES; w++) block[w] += OffsetBits(t.offset, w);
  }

  // best[b][w]: the least bits for blocks 0..b with width w in block b.
  std::vector<std::array<uint64_t, WIDTH_STATES>> best(blocks);
  std::vector<std::array<uint8_t, WIDTH_STATES>> from(blocks);
  for (uint32_t b = 0; b < blocks; b++) {
    for (uint32_t w = 0; w < WIDTH_STATES; w++) {
      uint64_t stay = b == 0 ? (w == PACK_INITIAL_OFFSET_WIDTH ? 0 : UNREACHABLE) : best[b - 1][w];
      uint32_t cheapest = b == 0 ? PACK_INITIAL_OFFSET_WIDTH : ArgMin(best[b - 1].data(), WIDTH_STATES);
      uint64_t change = (b == 0 ? 0 : best[b - 1][cheapest]) + OffsetWidthBits(w);
      bool changes = change < stay;
      best[b][w] = (changes ? change : stay) + cost[b][w];
      from[b][w] = uint8_t(changes ? cheapest : w);
    }
  }
  std::vector<uint8_t> widths(blocks);
  uint32_t w = ArgMin(best[blocks - 1].data(), WIDTH_STATES);
  for (uint32_t b = blocks; b-- > 0;) {
    widths[b] = uint8_t(w);
    w = from[b][w];
  }
  return widths;
}

std::vector<LiteralMode> PlanLiteralModes(const uint8_t* data, const std::vector<Token>& tokens) {
  // For each literal: which states were entered by a setup token, and the
  // cheapest state before it (where a setup comes from).
  std::vector<std::bitset<MODE_STATES>> entered;
  std::vector<uint16_t> cheapestBefore;
  std::array<uint64_t, MODE_STATES> bits{};
  bits.fill(UNREACHABLE);
  uint64_t setupFrom = 0;  // before the first literal every state needs its setup
  uint32_t setupState = 0;
  for (const Token& t : tokens) {
    if (t.kind != TokenKind::Literal) continue;
    uint8_t byte = data[t.position];
    std::bitset<MODE_STATES>& setups = entered.emplace_back();
    cheapestBefore.push_back(uint16_t(setupState));
    for (uint32_t s = 0; s < MODE_STATES; s++) {
      LiteralMode mode = ModeOfState(s);
      if (!Fits(mode, byte)) {
        bits[s] = UNREACHABLE;
        continue;
      }
      uint64_t change = setupFrom + LiteralSetupBits(mode.width);
      if (change < bits[s]) {
        bits[s] = change;
        setups.set(s);
      }
      bits[s] += LiteralBits(mode.width);
    }
    setupState = ArgMin(bits.data(), MODE_STATES);
    setupFrom = bits[setupState];
  }

  std::vector<LiteralMode> modes(entered.size());
  uint32_t s = setupState;
  for (size_t k = entered.size(); k-- > 0;) {
    modes[k] = ModeOfState(s);
    if (entered[k].test(s)) s = cheapestBefore[k];
  }
  return modes;
}

std::vector<uint8_t> LiteralBitsFromModes(const uint8_t* data, uint32_t size, const std::vector<Token>& tokens,
                                          const std::vector<LiteralMode>& modes) {
  std::vector<uint8_t> literalBits(size, uint8_t(LiteralBits(8)));
  size_t k = 0;
  LiteralMode mode = modes.empty() ? LiteralMode{8, 0} : modes[0];
  for (const Token& t : tokens) {
    if (t.kind == TokenKind::Literal) mode = modes[k++];
    for (uint32_t i = t.position; i < t.position + t.length; i++) {
      if (Fits(mode, data[i])) literalBits[i] = uint8_t(LiteralBits(mode.width));
    }
  }
  return literalBits;
}
