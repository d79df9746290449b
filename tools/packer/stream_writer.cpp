// The bits of each token kind, in the order the decoder reads them.
#include "tools/packer/stream_writer.h"

#include "tools/packer/bit_writer.h"

namespace {

class TokenWriter {
 public:
  TokenWriter(const uint8_t* data, const StreamPlan& plan, std::vector<uint8_t>& out, PackStatistics& statistics)
      : data_(data), plan_(plan), bits_(out), statistics_(statistics) {}

  void Write(const Token& t) {
    switch (t.kind) {
      case TokenKind::Literal: return Literal(t);
      case TokenKind::ZeroByte: return ZeroByte();
      case TokenKind::ShortCopy: return ShortCopy(t);
      case TokenKind::NearMatch: return NearMatch(t);
      case TokenKind::Match: return Match(t);
      case TokenKind::RepeatMatch: return RepeatMatch(t);
      case TokenKind::RawBlocks: return RawBlocks(t);
    }
  }

  void End() {
    bits_.Put(0, END_BITS);  // near match with offset 0 and n 0
    bits_.Finish();
  }

 private:
  void Literal(const Token& t) {
    LiteralMode mode = plan_.literalModes[literalIndex_++];
    if (!hasMode_ || mode != mode_) LiteralSetup(mode);
    bits_.PutBit(1);
    bits_.Put(uint8_t(data_[t.position] - mode.base), mode.width);
    statistics_.literals++;
    if (mode.width == 7) statistics_.narrowLiterals++;
  }

  void LiteralSetup(LiteralMode mode) {
    bits_.Put(0b0010000, 7);
    bits_.PutBit(0);
    bits_.PutBit(mode.width - 7);
    if (mode.width == 7) bits_.Put(mode.base, 8);
    hasMode_ = true;
    mode_ = mode;
    statistics_.literalSetups++;
  }

  void ZeroByte() {
    bits_.Put(0b0010001, 7);
    statistics_.zeroBytes++;
  }

  void ShortCopy(const Token& t) {
    bits_.Put(0b001, 3);
    bits_.Put(t.offset + 1, 4);
    statistics_.shortCopies++;
  }

  void NearMatch(const Token& t) {
    bits_.Put(0b000, 3);
    bits_.Put(t.offset, 7);
    bits_.Put(t.length - 2, 2);
    statistics_.nearMatches++;
  }

  void Match(const Token& t) {
    uint32_t width = plan_.offsetWidths[t.position / OFFSET_PLAN_BLOCK];
    if (width != width_) OffsetWidth(width);
    uint32_t adjustment = LengthAdjustment(t.offset);
    bits_.Put(0b01, 2);
    bits_.PutGamma((uint64_t(t.offset) >> width) + 3);
    if (width > 0) bits_.Put(t.offset & ((uint64_t(1) << width) - 1), width);
    bits_.PutGamma(t.length - adjustment);
    statistics_.matches++;
    statistics_.matchesByAdjustment[adjustment]++;
    if (t.offset >= 65536) statistics_.farMatches++;
  }

  void OffsetWidth(uint32_t width) {
    uint32_t field = OffsetWidthField(width);
    bits_.Put(0b000, 3);
    bits_.Put(0, 7);
    bits_.Put(field, 2);
    bits_.Put(width, field + 3);
    width_ = width;
    statistics_.offsetWidthChanges++;
  }

  // The parse carries the last offset along the path it returns, so a repeat
  // there is a repeat here.
  void RepeatMatch(const Token& t) {
    bits_.Put(0b01, 2);
    bits_.PutGamma(2);
    bits_.PutGamma(t.length);
    statistics_.repeatMatches++;
  }

  void RawBlocks(const Token& t) {
    bits_.Put(0b0010000, 7);
    bits_.PutBit(1);
    uint32_t blocks = t.length / PACK_RAW_BLOCK_SIZE;
    for (uint32_t b = 0; b < blocks; b++) {
      const uint8_t* block = data_ + t.position + b * PACK_RAW_BLOCK_SIZE;
      for (uint32_t i = 0; i < PACK_RAW_BLOCK_SIZE; i++) bits_.Put(block[i], 8);
      bits_.PutBit(b + 1 < blocks ? 1 : 0);
    }
    statistics_.rawBlocks += blocks;
  }

  const uint8_t* data_;
  const StreamPlan& plan_;
  BitWriter bits_;
  PackStatistics& statistics_;
  size_t literalIndex_ = 0;
  bool hasMode_ = false;
  LiteralMode mode_{8, 0};
  uint32_t width_ = PACK_INITIAL_OFFSET_WIDTH;
};

}  // namespace

void WriteTokens(const uint8_t* data, const std::vector<Token>& tokens, const StreamPlan& plan,
                 std::vector<uint8_t>& out, PackStatistics& statistics) {
  TokenWriter writer(data, plan, out, statistics);
  for (const Token& t : tokens) writer.Write(t);
  writer.End();
}
