// The decoder of the packed stream: one pass over the bit stream, one 32-bit
// word fetched at a time, writing straight into the caller's block. A corrupt
// stream stops the decoder with 0 before it reads past the source, writes past
// the unpacked length or copies from before the start of the output.
#include "gui/unpack.h"

#include <array>
#include <cstring>

namespace {

constexpr uint8_t PACK_MAGIC[2] = {'Q', 'Z'};
constexpr uint32_t INITIAL_OFFSET_WIDTH = 8;
constexpr uint32_t INITIAL_LAST_OFFSET = 1;
constexpr uint32_t RAW_BLOCK_SIZE = 256;
// Gamma values never need to exceed this; larger ones mean a corrupt stream.
constexpr uint32_t GAMMA_LIMIT = 0x7FFFFFFF;

uint32_t ReadLe32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// What the next eight bits of a gamma code say: how many (bit, continue)
// pairs they hold up to and including the first that ends the code, and the
// value bits of those pairs.
struct GammaStep {
  uint8_t pairs;
  uint8_t bits;
  bool ends;
};

constexpr GammaStep GammaStepOf(uint32_t byte) {
  GammaStep step{0, 0, false};
  for (int pair = 0; pair < 4 && !step.ends; pair++) {
    uint32_t bit = (byte >> (7 - 2 * pair)) & 1;
    uint32_t more = (byte >> (6 - 2 * pair)) & 1;
    step.pairs++;
    step.bits = uint8_t(step.bits << 1 | bit);
    step.ends = more == 0;
  }
  return step;
}

constexpr std::array<GammaStep, 256> GAMMA_STEPS = [] {
  std::array<GammaStep, 256> table{};
  for (uint32_t i = 0; i < 256; i++) table[i] = GammaStepOf(i);
  return table;
}();

uint32_t RotateLeft1(uint32_t w) { return w << 1 | w >> 31; }

// Bits most significant first, from 32-bit little-endian words. The buffer
// holds its bits at the top; a fetch past the end of the source supplies zero
// bits and marks the stream overrun instead of reading there.
class BitSource {
 public:
  BitSource(const uint8_t* begin, const uint8_t* end) : next_(begin), end_(end) {}

  bool Overrun() const { return overrun_; }

  // Makes at least n bits available, n <= 32.
  void Need(uint32_t n) {
    if (count_ >= n) return;
    uint64_t word = 0;
    if (end_ - next_ >= 4) {
      word = ReadLe32(next_);
      next_ += 4;
    } else {
      overrun_ = true;
    }
    buffer_ |= word << (32 - count_);
    count_ += 32;
  }

  uint32_t Peek3() {
    Need(3);
    return uint32_t(buffer_ >> 61);
  }

  void Skip(uint32_t n) {
    buffer_ <<= n;
    count_ -= n;
  }

  uint32_t Bit() {
    Need(1);
    auto bit = uint32_t(buffer_ >> 63);
    Skip(1);
    return bit;
  }

  // 1 <= n <= 32.
  uint32_t Bits(uint32_t n) {
    Need(n);
    auto value = uint32_t(buffer_ >> (64 - n));
    Skip(n);
    return value;
  }

  // Any width up to 63, 0 included, for the offset's low part.
  uint64_t WideBits(uint32_t n) {
    if (n == 0) return 0;
    if (n <= 32) return Bits(n);
    uint64_t high = Bits(n - 32);
    return high << 32 | Bits(32);
  }

  // A number >= 2: v = 1, then pairs of (next bit of v, continue bit).
  // 0 when the value grows past GAMMA_LIMIT. Four pairs are decoded at once.
  uint32_t Gamma() {
    uint32_t v = 1;
    for (;;) {
      Need(8);
      GammaStep step = GAMMA_STEPS[buffer_ >> 56];
      if (v > (GAMMA_LIMIT >> step.pairs)) return 0;
      v = v << step.pairs | step.bits;
      Skip(2 * step.pairs);
      if (step.ends) return v;
    }
  }

 private:
  const uint8_t* next_;
  const uint8_t* end_;
  uint64_t buffer_ = 0;
  uint32_t count_ = 0;
  bool overrun_ = false;
};

enum class Step { Continue, End, Corrupt };

// The length of a new-offset match is stored less this amount, which grows
// with the offset; the smallest offsets have the near-match token for short
// lengths and so start at 6.
uint32_t LengthAdjustment(uint64_t offset) {
  if (offset >= 65536) return 3;
  if (offset >= 14335) return 2;
  if (offset >= 639) return 1;
  if (offset >= 128) return 0;
  return 4;
}

class Decoder {
 public:
  Decoder(const uint8_t* bits, const uint8_t* bitsEnd, uint8_t* out, uint32_t limit)
      : in_(bits, bitsEnd), out_(out), limit_(limit) {}

  uint32_t Written() const { return pos_; }

  // Decodes up to the end token; false for a corrupt stream.
  bool Run() {
    for (;;) {
      if (in_.Overrun()) return false;
      Step step = Token();
      if (step == Step::Corrupt) return false;
      if (step == Step::End) return !in_.Overrun();
    }
  }

 private:
  Step Token() {
    uint32_t lead = in_.Peek3();
    if (lead & 4) {
      in_.Skip(1);
      return Literal();
    }
    if (lead & 2) {
      in_.Skip(2);
      return Match();
    }
    in_.Skip(3);
    return (lead & 1) ? ShortForm() : NearMatch();
  }

  Step Literal() {
    if (pos_ >= limit_) return Step::Corrupt;
    out_[pos_++] = uint8_t(in_.Bits(literalWidth_) + literalBase_);
    return Step::Continue;
  }

  Step Match() {
    uint32_t g = in_.Gamma();
    if (g == 0) return Step::Corrupt;
    if (g == 2) {
      uint32_t length = in_.Gamma();
      if (length == 0) return Step::Corrupt;
      return CopyBack(lastOffset_, length);
    }
    uint64_t high = g - 3;
    if (offsetWidth_ >= 32 && high != 0) return Step::Corrupt;
    uint64_t offset = (high << offsetWidth_) + in_.WideBits(offsetWidth_);
    if (offset == 0 || offset > pos_) return Step::Corrupt;
    lastOffset_ = uint32_t(offset);
    uint32_t length = in_.Gamma();
    if (length == 0) return Step::Corrupt;
    return CopyBack(lastOffset_, length + LengthAdjustment(offset));
  }

  Step ShortForm() {
    uint32_t v = in_.Bits(4);
    if (v == 1) {
      if (pos_ >= limit_) return Step::Corrupt;
      out_[pos_++] = 0;
      return Step::Continue;
    }
    if (v >= 2) return CopyBack(v - 1, 1);
    if (in_.Bit()) return RawBlocks();
    literalWidth_ = 7 + in_.Bit();
    literalBase_ = literalWidth_ == 7 ? in_.Bits(8) : 0;
    return Step::Continue;
  }

  Step NearMatch() {
    uint32_t offset = in_.Bits(7);
    uint32_t n = in_.Bits(2);
    if (offset != 0) {
      lastOffset_ = offset;
      return CopyBack(offset, n + 2);
    }
    if (n == 0) return Step::End;
    offsetWidth_ = in_.Bits(n + 3);
    return Step::Continue;
  }

  Step RawBlocks() {
    do {
      if (limit_ - pos_ < RAW_BLOCK_SIZE) return Step::Corrupt;
      for (uint32_t i = 0; i < RAW_BLOCK_SIZE; i++) out_[pos_ + i] = uint8_t(in_.Bits(8));
      pos_ += RAW_BLOCK_SIZE;
    } while (in_.Bit());
    return Step::Continue;
  }

  // Copies forward from offset bytes back, with the result of a byte-by-byte
  // copy even where source and destination overlap.
  Step CopyBack(uint32_t offset, uint32_t length) {
    if (offset == 0 || offset > pos_ || length > limit_ - pos_) return Step::Corrupt;
    uint8_t* to = out_ + pos_;
    const uint8_t* from = to - offset;
    pos_ += length;
    if (offset == 1) {
      std::memset(to, *from, length);
      return Step::Continue;
    }
    // Eight bytes at a time are safe once the source lies at least eight back.
    if (offset >= 8) {
      for (; length >= 8; length -= 8, to += 8, from += 8) std::memcpy(to, from, 8);
    }
    for (; length > 0; length--) *to++ = *from++;
    return Step::Continue;
  }

  BitSource in_;
  uint8_t* out_;
  uint32_t limit_;
  uint32_t pos_ = 0;
  uint32_t offsetWidth_ = INITIAL_OFFSET_WIDTH;
  uint32_t lastOffset_ = INITIAL_LAST_OFFSET;
  // The stream sets these before its first literal; plain bytes until then.
  uint32_t literalWidth_ = 8;
  uint32_t literalBase_ = 0;
};

}  // namespace

uint32_t PackChecksum(const uint8_t* data, uint32_t length) {
  if (length < 4) return 0;
  uint32_t sum = 0;
  auto add = [&sum](uint32_t w) {
    sum += w;
    sum ^= RotateLeft1(w) + 1;
  };
  uint32_t whole = length / 4;
  for (uint32_t i = 0; i < whole; i++) add(ReadLe32(data + 4 * i));
  // The last word overlaps the one before it.
  if (length % 4 != 0) add(ReadLe32(data + length - 4));
  return sum;
}

int32_t Unpack(const void* source, int32_t sourceSize, void* destination, int32_t destinationSize) {
  if (source == nullptr || destination == nullptr) return 0;
  if (sourceSize < PACKED_HEADER_SIZE || destinationSize < 0) return 0;
  const auto* in = static_cast<const uint8_t*>(source);
  if (in[0] != PACK_MAGIC[0] || in[1] != PACK_MAGIC[1]) return 0;
  uint32_t unpackedLength = ReadLe32(in + 2);
  uint32_t storedChecksum = ReadLe32(in + 6);
  if (unpackedLength > uint32_t(destinationSize)) return 0;

  auto* out = static_cast<uint8_t*>(destination);
  Decoder decoder(in + PACKED_HEADER_SIZE, in + sourceSize, out, unpackedLength);
  if (!decoder.Run()) return 0;
  if (storedChecksum != 0 && PackChecksum(out, unpackedLength) != storedChecksum) return 0;
  return int32_t(decoder.Written());
}
