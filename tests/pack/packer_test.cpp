// The packer: every stream it writes unpacks to its input, and on data with
// every kind of repetition it really uses each part of the format.
#include <gtest/gtest.h>

#include <random>

#include "gui/unpack.h"
#include "tools/packer/packer.h"

using Bytes = std::vector<uint8_t>;

TEST(PackRoundTrip, EveryTokenKindIsUsedAndUnpacksToTheInput) {
  std::mt19937 random(1);
  Bytes data;
  // Noise from low to low + span - 1, then n bytes copied byte by byte from
  // offset back (so that a short offset makes a run).
  const auto add = [&](size_t noise, uint32_t low, uint32_t span, size_t offset, size_t n) {
    while (noise-- > 0) data.push_back(uint8_t(low + random() % span));
    while (n-- > 0 && offset <= data.size()) data.push_back(uint8_t(data[data.size() - offset]));
  };
  add(100000, 0, 256, 0, 0);  // noise: raw blocks
  for (int round = 0; round < 20; round++) {  // copies from every distance band
    for (size_t offset : {40, 300, 5000, 30000, 66000}) add(50, 0, 256, offset, 12 + random() % 20);
  }
  add(20000, 100, 128, 0, 0);  // within half the range: 7-bit literals
  for (int i = 0; i < 3000; i++) {  // records of small numbers: short copies, near matches, zeros
    add(0, 0, 1, 7, 6);
    add(2, '0', 10, 1, random() % 3);
    data.push_back(random() % 4 ? '\n' : 0);
  }
  add(0, 0, 1, 100000, 60000);
  // Each stream unpacks into a block of exactly its input's size; the last is all the data.
  PackStatistics s;
  for (size_t n : {size_t(0), size_t(1), size_t(2), size_t(300), data.size()}) {
    const Bytes part(data.begin(), data.begin() + long(n));
    const Bytes packed = PackStream(part.data(), n, &s);
    Bytes back(n);
    EXPECT_EQ(Unpack(packed.data(), int32_t(packed.size()), back.data(), int32_t(n)), int32_t(n));
    EXPECT_TRUE(back == part) << "size " << n;
  }
  for (uint32_t count : s.matchesByAdjustment) EXPECT_GT(count, 0u);
  const uint32_t counts[] = {s.literals, s.narrowLiterals, s.zeroBytes, s.shortCopies,
                             s.nearMatches, s.matches, s.farMatches, s.repeatMatches, s.rawBlocks,
                             s.literalSetups, s.offsetWidthChanges};
  for (size_t i = 0; i < std::size(counts); i++) EXPECT_GT(counts[i], 0u) << "kind " << i;
}
