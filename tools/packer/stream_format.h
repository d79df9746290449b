// The packed stream as the packer sees it: token kinds, their sizes in bits,
// and the rule that stores a new-offset match's length less an amount that
// grows with the offset. Unpack reads the same format.
#pragma once

#include <bit>
#include <cstdint>

inline constexpr uint32_t PACK_RAW_BLOCK_SIZE = 256;
inline constexpr uint32_t PACK_NEAR_OFFSET_MAX = 127;  // 7 bits
inline constexpr uint32_t PACK_NEAR_LENGTH_MIN = 2;
inline constexpr uint32_t PACK_NEAR_LENGTH_MAX = 5;    // 2 bits + 2
inline constexpr uint32_t PACK_SHORT_OFFSET_MAX = 14;  // 4 bits, 2..15 stand for 1..14
inline constexpr uint32_t PACK_INITIAL_OFFSET_WIDTH = 8;
inline constexpr uint32_t PACK_INITIAL_LAST_OFFSET = 1;

enum class TokenKind : uint8_t {
  Literal,
  ZeroByte,     // short form v = 1
  ShortCopy,    // short form v >= 2: one byte from 1..14 back
  NearMatch,    // offset 1..127, length 2..5
  Match,        // new offset, stored with the current offset width
  RepeatMatch,  // the last offset again (g = 2)
  RawBlocks,    // length is a multiple of 256
};

// One step of the parse: length bytes at position; offset for copies.
struct Token {
  TokenKind kind;
  uint32_t position;
  uint32_t length;
  uint32_t offset;
};

// Bits of the gamma code of v >= 2: a (bit, continue) pair per bit below
// the leading one.
constexpr uint32_t GammaBits(uint64_t v) { return 2 * (uint32_t(std::bit_width(v)) - 1); }

constexpr uint32_t LengthAdjustment(uint32_t offset) {
  if (offset >= 65536) return 3;
  if (offset >= 14335) return 2;
  if (offset >= 639) return 1;
  if (offset >= 128) return 0;
  return 4;
}

// The shortest length a new-offset match can carry at this offset.
constexpr uint32_t MatchLengthMin(uint32_t offset) { return LengthAdjustment(offset) + 2; }

constexpr uint32_t LiteralBits(uint32_t width) { return 1 + width; }
inline constexpr uint32_t SHORT_FORM_BITS = 3 + 4;
inline constexpr uint32_t NEAR_MATCH_BITS = 3 + 7 + 2;
inline constexpr uint32_t END_BITS = 3 + 7 + 2;
inline constexpr uint32_t RAW_START_BITS = 3 + 4 + 1;
inline constexpr uint32_t RAW_BLOCK_BITS = 8 * PACK_RAW_BLOCK_SIZE + 1;  // bytes + continuation bit
inline constexpr uint32_t LITERAL_SETUP_BITS = 3 + 4 + 1 + 1;            // + 8 for the base at width 7

constexpr uint32_t LiteralSetupBits(uint32_t width) { return LITERAL_SETUP_BITS + (width == 7 ? 8 : 0); }

// The width token stores the width in n + 3 bits, n = 1..3.
constexpr uint32_t OffsetWidthField(uint32_t width) { return width < 16 ? 1 : width < 32 ? 2 : 3; }
constexpr uint32_t OffsetWidthBits(uint32_t width) { return 3 + 7 + 2 + OffsetWidthField(width) + 3; }

constexpr uint32_t OffsetBits(uint32_t offset, uint32_t width) {
  return GammaBits((uint64_t(offset) >> width) + 3) + width;
}

constexpr uint32_t MatchBits(uint32_t offset, uint32_t length, uint32_t width) {
  return 2 + OffsetBits(offset, width) + GammaBits(length - LengthAdjustment(offset));
}

constexpr uint32_t RepeatMatchBits(uint32_t length) { return 2 + GammaBits(2) + GammaBits(length); }

static_assert(GammaBits(2) == 2 && GammaBits(3) == 2 && GammaBits(4) == 4 && GammaBits(7) == 4);
