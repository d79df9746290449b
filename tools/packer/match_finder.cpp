// Hash chains for the packer's match search.
#include "tools/packer/match_finder.h"

#include <algorithm>
#include <bit>

namespace {

constexpr uint32_t HASH_BITS_MAX = 17;
constexpr uint32_t HASH_BITS_MIN = 8;
constexpr int32_t NONE = -1;

// Small inputs get small tables: packing many small pieces stays cheap.
uint32_t HashBitsFor(uint32_t size) {
  auto bits = uint32_t(std::bit_width(size));
  return std::clamp(bits, HASH_BITS_MIN, HASH_BITS_MAX);
}

}  // namespace

MatchFinder::MatchFinder(const uint8_t* data, uint32_t size, uint32_t chainDepth, uint32_t niceLength)
    : data_(data),
      size_(size),
      chainDepth_(chainDepth),
      niceLength_(niceLength),
      hashBits_(HashBitsFor(size)),
      head3_(size_t(1) << hashBits_, NONE),
      previous_(size, NONE),
      last2_(size_t(1) << 16, NONE) {}

uint32_t MatchFinder::Hash3(uint32_t position) const {
  const uint8_t* p = data_ + position;
  uint32_t v = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
  return (v * 2654435761u) >> (32 - hashBits_);
}

uint32_t MatchFinder::MatchLength(uint32_t position, uint32_t offset, uint32_t limit) const {
  const uint8_t* a = data_ + position;
  const uint8_t* b = a - offset;
  uint32_t n = 0;
  while (n < limit && a[n] == b[n]) n++;
  return n;
}

void MatchFinder::Insert(uint32_t position) {
  if (position + 2 <= size_) {
    uint32_t pair = uint32_t(data_[position]) << 8 | data_[position + 1];
    last2_[pair] = int32_t(position);
  }
  if (position + 3 <= size_) {
    uint32_t h = Hash3(position);
    previous_[position] = head3_[h];
    head3_[h] = int32_t(position);
  }
}

void MatchFinder::Skip(uint32_t position) { Insert(position); }

void MatchFinder::Find(uint32_t position, std::vector<MatchCandidate>& found) {
  found.clear();
  uint32_t limit = size_ - position;
  uint32_t best = 1;
  auto consider = [&](int32_t earlier) {
    uint32_t offset = position - uint32_t(earlier);
    // A candidate must beat the best so far; test the deciding byte first.
    if (best >= limit || data_[earlier + best] != data_[position + best]) return;
    uint32_t length = MatchLength(position, offset, limit);
    if (length <= best) return;
    best = length;
    found.push_back({length, offset});
  };

  if (limit >= 2) {
    uint32_t pair = uint32_t(data_[position]) << 8 | data_[position + 1];
    if (last2_[pair] != NONE) consider(last2_[pair]);
  }
  if (limit >= 3) {
    int32_t earlier = head3_[Hash3(position)];
    for (uint32_t depth = 0; earlier != NONE && depth < chainDepth_ && best < niceLength_; depth++) {
      consider(earlier);
      earlier = previous_[earlier];
    }
  }
  Insert(position);
}
