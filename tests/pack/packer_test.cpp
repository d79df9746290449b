// The packer: every stream it writes unpacks to its input, and on data with
// every kind of repetition it really uses each part of the format.
#include <gtest/gtest.h>

#include <random>

#include "gui/unpack.h"
#include "tools/packer/packer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Packs, then unpacks into a block of exactly the input's size.
PackStatistics RoundTrip(const Bytes& data) {
  PackStatistics statistics;
  const Bytes packed = PackStream(data.data(), data.size(), &statistics);
  Bytes back(data.size());
  EXPECT_EQ(Unpack(packed.data(), int32_t(packed.size()), back.data(), int32_t(back.size())), int32_t(data.size()));
  EXPECT_TRUE(back == data) << "size " << data.size();
  return statistics;
}

// Noise from low to low + span - 1, then n bytes copied byte by byte from
// offset back (so that a short offset makes a run).
// cppcheck-suppress constParameter ; drawing advances the generator
void Append(Bytes& out, std::mt19937& random, size_t noise, uint32_t low, uint32_t span, size_t offset, size_t n) {
  for (size_t i = 0; i < noise; i++) out.push_back(uint8_t(low + random() % span));
  for (size_t i = 0; i < n && offset <= out.size(); i++) out.push_back(Bytes::value_type(out[out.size() - offset]));
}

TEST(PackRoundTrip, EveryTokenKindIsUsedAndUnpacksToTheInput) {
  std::mt19937 random(1);
  Bytes data;
  Append(data, random, 100000, 0, 256, 0, 0);  // noise: raw blocks
  for (int round = 0; round < 20; round++) {
    for (size_t offset : {40, 300, 5000, 30000, 66000}) Append(data, random, 50, 0, 256, offset, 12 + random() % 20);
  }
  Append(data, random, 20000, 100, 128, 0, 0);  // within half the range: 7-bit literals
  for (int i = 0; i < 3000; i++) {              // records of small numbers: short copies, near matches, zeros
    Append(data, random, 0, 0, 1, 7, 6);
    Append(data, random, 2, '0', 10, 1, random() % 3);
    data.push_back(random() % 4 ? '\n' : 0);
  }
  Append(data, random, 0, 0, 1, 100000, 60000);
  const PackStatistics s = RoundTrip(data);
  RoundTrip({}), RoundTrip({7}), RoundTrip({7, 7}), RoundTrip(Bytes(data.begin(), data.begin() + 300));
  for (uint32_t count : s.matchesByAdjustment) EXPECT_GT(count, 0u);
  const uint32_t counts[] = {s.literals, s.narrowLiterals, s.zeroBytes, s.shortCopies, s.nearMatches, s.matches,
                             s.farMatches, s.repeatMatches, s.rawBlocks, s.literalSetups, s.offsetWidthChanges};
  for (size_t i = 0; i < std::size(counts); i++) EXPECT_GT(counts[i], 0u) << "kind " << i;
}

}  // namespace
