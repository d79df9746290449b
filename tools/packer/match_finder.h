// Finds earlier occurrences of the bytes at a position: the nearest two-byte
// repeat, then hash chains over three-byte prefixes walked nearest first.
// Any distance back to the start of the data is reachable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct MatchCandidate {
  uint32_t length;
  uint32_t offset;
};

class MatchFinder {
 public:
  MatchFinder(const uint8_t* data, uint32_t size, uint32_t chainDepth, uint32_t niceLength);

  // Candidates at position, each longer and farther than the one before;
  // positions must be asked in increasing order. Inserts the position.
  void Find(uint32_t position, std::vector<MatchCandidate>& found);

  // Inserts a position that is not searched (inside a long match).
  void Skip(uint32_t position);

  // The number of equal bytes at position and offset back, up to limit.
  uint32_t MatchLength(uint32_t position, uint32_t offset, uint32_t limit) const;

 private:
  uint32_t Hash3(uint32_t position) const;
  void Insert(uint32_t position);

  const uint8_t* data_;
  uint32_t size_;
  uint32_t chainDepth_;
  uint32_t niceLength_;
  uint32_t hashBits_;
  std::vector<int32_t> head3_;
  std::vector<int32_t> previous_;
  std::vector<int32_t> last2_;
};
