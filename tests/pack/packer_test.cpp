// The packer: every stream it writes unpacks to its input, over random and
// structured data up to a megabyte; it really uses each part of the format
// where that pays; and it packs a skin-like picture to at most half its size.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "gui/unpack.h"
#include "tests/pack/skin_picture.h"
#include "tools/packer/packer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Packs, then unpacks into a block of exactly the input's size.
PackStatistics RoundTrip(const Bytes& data, size_t* packedSize = nullptr) {
  PackStatistics statistics;
  Bytes packed = PackStream(data.data(), data.size(), &statistics);
  Bytes back(data.size());
  EXPECT_EQ(Unpack(packed.data(), int32_t(packed.size()), back.data(), int32_t(back.size())), int32_t(data.size()));
  EXPECT_TRUE(back == data) << "size " << data.size();
  if (packedSize) *packedSize = packed.size();
  return statistics;
}

class Maker {
 public:
  explicit Maker(uint32_t seed) : random_(seed) {}
  uint32_t Below(uint32_t n) { return uint32_t(random_() % n); }

  void Random(Bytes& out, size_t n, uint32_t low = 0, uint32_t span = 256) {
    for (size_t i = 0; i < n; i++) out.push_back(uint8_t(low + Below(span)));
  }
  // Byte by byte, so a short offset makes a run.
  static void Copy(Bytes& out, size_t offset, size_t n) {
    for (size_t i = 0; i < n; i++) {
      uint8_t byte = out[out.size() - offset];  // not a reference: push_back may move the bytes
      out.push_back(byte);
    }
  }
  // Lines of a table: fixed words, small numbers, zero or newline after each.
  void Records(Bytes& out, size_t n) {
    static const char* const words[] = {"cell=", "row=", "value=", "candidates=", "box="};
    for (size_t end = out.size() + n; out.size() < end;) {
      char line[64];
      int len = std::snprintf(line, sizeof line, "%s%u;%s%u%c", words[Below(5)], Below(100), words[Below(5)],
                              Below(10), Below(4) ? '\n' : '\0');
      out.insert(out.end(), line, line + std::min<size_t>(len + 1, end - out.size()));
    }
  }
  // One of the kinds above, or a run, of 1 to maxLength bytes.
  void Segment(Bytes& out, size_t maxLength) {
    size_t n = 1 + Below(uint32_t(maxLength));
    switch (out.empty() ? 0 : Below(5)) {
      case 0: return Random(out, n);
      case 1: return out.insert(out.end(), n, uint8_t(Below(2) ? 0 : Below(256))), void();
      case 2: return Records(out, n);
      case 3: return Random(out, n, Below(256), 1 + Below(128));
      default: return Copy(out, 1 + Below(uint32_t(out.size())), n);
    }
  }

 private:
  std::mt19937 random_;
};

TEST(PackRoundTrip, MixedDataOfEverySmallSizeAndUpToAMegabyte) {
  Maker make(1);
  std::vector<size_t> sizes(301);
  for (size_t n = 0; n < sizes.size(); n++) sizes[n] = n;
  sizes.insert(sizes.end(), {17000, 70000, 300000, 1 << 20});
  for (size_t size : sizes) {
    Bytes data;
    while (data.size() < size) make.Segment(data, std::min(size - data.size(), size / 8 + 1));
    RoundTrip(data);
  }
}

TEST(PackRoundTrip, RandomDataGoesIntoRawBlocksAndRunsIntoAlmostNothing) {
  Maker make(2);
  Bytes noise;
  make.Random(noise, 1 << 20);
  size_t packed = 0;
  EXPECT_GE(RoundTrip(noise, &packed).rawBlocks, 4000u);
  EXPECT_LE(packed, noise.size() + noise.size() / 1000);  // a bit a block over the bytes

  Bytes runs(600000, 0);
  runs.push_back(7);
  runs.insert(runs.end(), 400000, 0xFF);
  RoundTrip(runs, &packed);
  EXPECT_LT(packed, 64u);
}

TEST(PackRoundTrip, RepeatsBeyond65536AndEveryLengthBandAreFound) {
  Maker make(3);
  Bytes data;
  make.Random(data, 100000);
  for (int round = 0; round < 20; round++) {
    for (uint32_t offset : {40, 300, 5000, 30000, 66000}) {  // one offset in each band
      make.Random(data, 50);
      Maker::Copy(data, offset, 12 + make.Below(20));
    }
  }
  Maker::Copy(data, 100000, 60000);
  size_t packed = 0;
  PackStatistics s = RoundTrip(data, &packed);
  for (uint32_t adjustment : s.matchesByAdjustment) EXPECT_GT(adjustment, 0u);
  EXPECT_GT(s.farMatches, 20u);
  EXPECT_GT(s.offsetWidthChanges, 0u);
  EXPECT_LT(packed, data.size() - 60000);
}

TEST(PackRoundTrip, StructuredDataUsesShortFormsNearAndRepeatMatches) {
  Maker make(4);
  Bytes data;
  make.Records(data, 200000);
  PackStatistics s = RoundTrip(data);
  EXPECT_GT(s.zeroBytes, 0u);
  EXPECT_GT(s.shortCopies, 0u);
  EXPECT_GT(s.nearMatches, 0u);
  EXPECT_GT(s.repeatMatches, 0u);
}

TEST(PackRoundTrip, BytesWithinHalfTheRangeGoAsSevenBitLiterals) {
  Maker make(5);
  Bytes data;
  make.Random(data, 20000, 100, 128);  // 100..227
  size_t packed = 0;
  EXPECT_GT(RoundTrip(data, &packed).narrowLiterals, 15000u);
  EXPECT_LT(packed, data.size());
}

TEST(PackRatio, SkinLikePictureAtMostHalf) {
  Bytes picture = SkinLikePicture();
  size_t packed = 0;
  RoundTrip(picture, &packed);
  std::printf("skin-like picture: %zu bytes packed to %zu (%.1f%%)\n", picture.size(), packed,
              100.0 * double(packed) / double(picture.size()));
  EXPECT_LE(packed * 2, picture.size());
}

}  // namespace
