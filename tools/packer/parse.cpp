// Shortest path over the positions of the data: every token that can start at
// a position is an edge weighted by its size in bits. The last offset is
// carried along the best path to each position, so repeat matches are priced
// on the path that would really reach them.
#include "tools/packer/parse.h"

#include <algorithm>
#include <limits>

#include "tools/packer/match_finder.h"

namespace {

constexpr uint64_t UNREACHED = std::numeric_limits<uint64_t>::max();

struct Arrival {
  uint64_t bits = UNREACHED;  // 64 bits: nine a byte overflows 32 past 477 MB
  uint32_t length = 0;  // of the token that arrives here
  uint32_t offset = 0;
  uint32_t lastOffset = PACK_INITIAL_LAST_OFFSET;
  TokenKind kind = TokenKind::Literal;
};

bool SetsLastOffset(TokenKind kind) { return kind == TokenKind::Match || kind == TokenKind::NearMatch; }

class Parser {
 public:
  Parser(const uint8_t* data, uint32_t size, const ParseCosts& costs, const ParseSettings& settings)
      : data_(data),
        size_(size),
        costs_(costs),
        settings_(settings),
        finder_(data, size, settings.chainDepth, settings.niceLength),
        arrivals_(size + 1) {
    arrivals_[0].bits = 0;
  }

  std::vector<Token> Run() {
    for (uint32_t i = 0; i < size_;) i = Expand(i);
    return Path();
  }

 private:
  void Offer(uint32_t from, TokenKind kind, uint32_t length, uint32_t offset, uint32_t bits) {
    const Arrival& start = arrivals_[from];
    Arrival& end = arrivals_[from + length];
    uint64_t total = start.bits + bits;
    if (total >= end.bits) return;
    end.bits = total;
    end.length = length;
    end.offset = offset;
    end.kind = kind;
    end.lastOffset = SetsLastOffset(kind) ? offset : start.lastOffset;
  }

  uint32_t WidthAt(uint32_t position) const { return costs_.offsetWidth[position / OFFSET_PLAN_BLOCK]; }

  // Offers every token starting at position; returns the next position to
  // expand (past a long match, which is taken whole).
  uint32_t Expand(uint32_t i) {
    OfferSingleBytes(i);
    OfferRawBlock(i);
    uint32_t repeat = OfferRepeat(i);
    finder_.Find(i, found_);
    uint32_t longest = found_.empty() ? 0 : found_.back().length;
    if (repeat >= settings_.niceLength && repeat >= longest) return TakeWhole(i, repeat);
    if (longest >= settings_.niceLength) {
      OfferMatch(i, found_.back().offset, longest);
      return TakeWhole(i, longest);
    }
    OfferMatches(i);
    return i + 1;
  }

  uint32_t TakeWhole(uint32_t i, uint32_t length) {
    for (uint32_t j = i + 1; j < i + length; j++) finder_.Skip(j);
    return i + length;
  }

  void OfferSingleBytes(uint32_t i) {
    Offer(i, TokenKind::Literal, 1, 0, costs_.literalBits[i]);
    if (data_[i] == 0) {
      Offer(i, TokenKind::ZeroByte, 1, 0, SHORT_FORM_BITS);
      return;
    }
    uint32_t reach = std::min(i, PACK_SHORT_OFFSET_MAX);
    for (uint32_t d = 1; d <= reach; d++) {
      if (data_[i - d] == data_[i]) {
        Offer(i, TokenKind::ShortCopy, 1, d, SHORT_FORM_BITS);
        return;
      }
    }
  }

  void OfferRawBlock(uint32_t i) {
    if (size_ - i < PACK_RAW_BLOCK_SIZE) return;
    bool continues = arrivals_[i].kind == TokenKind::RawBlocks && i > 0;
    uint32_t bits = RAW_BLOCK_BITS + (continues ? 0 : RAW_START_BITS);
    Offer(i, TokenKind::RawBlocks, PACK_RAW_BLOCK_SIZE, 0, bits);
  }

  // Repeat matches at the last offset of the best path here; returns their
  // longest length.
  uint32_t OfferRepeat(uint32_t i) {
    uint32_t offset = arrivals_[i].lastOffset;
    if (offset > i) return 0;
    uint32_t length = finder_.MatchLength(i, offset, size_ - i);
    if (length < 2) return length;
    if (length >= settings_.niceLength) {
      Offer(i, TokenKind::RepeatMatch, length, offset, RepeatMatchBits(length));
      return length;
    }
    for (uint32_t n = 2; n <= length; n++) Offer(i, TokenKind::RepeatMatch, n, offset, RepeatMatchBits(n));
    return length;
  }

  void OfferMatch(uint32_t i, uint32_t offset, uint32_t length) {
    if (length < MatchLengthMin(offset)) return;
    Offer(i, TokenKind::Match, length, offset, MatchBits(offset, length, WidthAt(i)));
  }

  // Each candidate serves the lengths above the one before it; the nearest
  // offset is the cheapest for them.
  void OfferMatches(uint32_t i) {
    uint32_t width = WidthAt(i);
    uint32_t covered = 1;
    for (const MatchCandidate& c : found_) {
      if (c.offset <= PACK_NEAR_OFFSET_MAX) {
        uint32_t top = std::min(c.length, PACK_NEAR_LENGTH_MAX);
        for (uint32_t n = std::max(covered + 1, PACK_NEAR_LENGTH_MIN); n <= top; n++) {
          Offer(i, TokenKind::NearMatch, n, c.offset, NEAR_MATCH_BITS);
        }
      }
      uint32_t first = std::max(covered + 1, MatchLengthMin(c.offset));
      uint32_t last = std::min(c.length, settings_.everyLength);
      for (uint32_t n = first; n <= last; n++) {
        Offer(i, TokenKind::Match, n, c.offset, MatchBits(c.offset, n, width));
      }
      if (c.length > last && c.length >= first) {
        Offer(i, TokenKind::Match, c.length, c.offset, MatchBits(c.offset, c.length, width));
      }
      covered = c.length;
    }
  }

  std::vector<Token> Path() const {
    std::vector<Token> tokens;
    for (uint32_t at = size_; at > 0;) {
      const Arrival& a = arrivals_[at];
      at -= a.length;
      tokens.push_back({a.kind, at, a.length, a.offset});
    }
    std::reverse(tokens.begin(), tokens.end());
    return MergeRawBlocks(tokens);
  }

  // Consecutive raw blocks become one token of several blocks.
  static std::vector<Token> MergeRawBlocks(const std::vector<Token>& tokens) {
    std::vector<Token> merged;
    merged.reserve(tokens.size());
    for (const Token& t : tokens) {
      if (t.kind == TokenKind::RawBlocks && !merged.empty() && merged.back().kind == TokenKind::RawBlocks) {
        merged.back().length += t.length;
        continue;
      }
      merged.push_back(t);
    }
    return merged;
  }

  const uint8_t* data_;
  uint32_t size_;
  const ParseCosts& costs_;
  const ParseSettings& settings_;
  MatchFinder finder_;
  std::vector<Arrival> arrivals_;
  std::vector<MatchCandidate> found_;
};

}  // namespace

std::vector<Token> ParseData(const uint8_t* data, uint32_t size, const ParseCosts& costs,
                             const ParseSettings& settings) {
  Parser parser(data, size, costs, settings);
  return parser.Run();
}
