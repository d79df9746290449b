// The decoder against hand-assembled streams: each token as the format
// defines it, the checksum, and the refusal of corrupt streams without
// reading or writing out of bounds (the sanitizers watch exact-size blocks).
#include <gtest/gtest.h>

#include <string>

#include "gui/unpack.h"
#include "tests/pack/stream_builder.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint8_t UNTOUCHED = 0xAA;

struct Unpacked {
  int32_t written;
  Bytes out;
  std::string Text() const { return {out.begin(), out.begin() + std::max(written, 0)}; }
};

// From a copy of exactly the stream's size into exactly destinationSize
// bytes filled with UNTOUCHED.
Unpacked UnpackInto(const Bytes& stream, size_t destinationSize) {
  Bytes source(stream);
  Unpacked r{0, Bytes(destinationSize, UNTOUCHED)};
  r.written = Unpack(source.data(), int32_t(source.size()), r.out.data(), int32_t(destinationSize));
  return r;
}

Unpacked UnpackExact(StreamBuilder& s, uint32_t length) { return UnpackInto(s.End().Build(length), length); }

// n bytes 0, 1, 2, ... as raw blocks (n a multiple of 256).
StreamBuilder& RawCounting(StreamBuilder& s, uint32_t n) {
  s.RawStart();
  for (uint32_t i = 0; i < n; i++) {
    s.Number(i & 255, 8);
    if (i % 256 == 255) s.Number(i + 1 < n, 1);
  }
  return s;
}

TEST(UnpackHeader, BadMagicMissingAddressOrShortBlockWriteNothing) {
  Bytes good = StreamBuilder().Width8().Literal('a').End().Build(1);
  Bytes bad = good;
  bad[1] = 'Y';
  Bytes out(4, UNTOUCHED);
  EXPECT_EQ(Unpack(bad.data(), int32_t(bad.size()), out.data(), 4), 0);
  EXPECT_EQ(Unpack(nullptr, int32_t(good.size()), out.data(), 4), 0);
  EXPECT_EQ(Unpack(good.data(), int32_t(good.size()), nullptr, 4), 0);
  EXPECT_EQ(Unpack(good.data(), PACKED_HEADER_SIZE - 1, out.data(), 4), 0);
  EXPECT_EQ(Unpack(good.data(), int32_t(good.size()), out.data(), 0), 0);  // length 1 does not fit
  EXPECT_EQ(out, Bytes(4, UNTOUCHED));
  EXPECT_EQ(UnpackInto(good, 4).Text(), "a");
}

TEST(UnpackTokens, Literals) {
  StreamBuilder s;
  s.Width8().Literal(0x00).Literal(0xFF);
  s.Width7(200).Literal7(0).Literal7(55).Literal7(56).Literal7(127);  // + 200, modulo 256
  s.Width8().Literal(0x80);                                           // base back to 0
  s.Width7(0).Literal7(127);
  EXPECT_EQ(UnpackExact(s, 8).out, (Bytes{0x00, 0xFF, 200, 255, 0, 71, 0x80, 127}));
}

TEST(UnpackTokens, ShortForms) {
  StreamBuilder s;
  s.Width8().Literal(7).ShortForm(1).ShortForm(3).ShortForm(2);  // zero, 2 back, 1 back
  for (int i = 0; i < 11; i++) s.Literal(uint8_t(20 + i));
  s.ShortForm(15);  // 14 back: the zero
  Unpacked r = UnpackExact(s, 16);
  ASSERT_EQ(r.written, 16);
  EXPECT_EQ(Bytes(r.out.begin(), r.out.begin() + 4), (Bytes{7, 0, 7, 7}));
  EXPECT_EQ(r.out[15], 0);
}

TEST(UnpackTokens, CopiesGoForwardByteByByte) {
  StreamBuilder s;
  s.Width8().Literal('x').Near(1, 5);          // offset 1, length 5
  s.Literal('a').Literal('b').Near(2, 5);      // overlapping pattern
  s.Match(3, 8, 16 - 4);                       // offsets up to 127 store length - 4
  EXPECT_EQ(UnpackExact(s, 29).Text(), "xxxxxx" "abababa" "abaabaabaabaabaa");
}

TEST(UnpackTokens, RepeatReusesTheLastOffsetInitiallyOne) {
  StreamBuilder s;
  s.Width8().Literal('a').Repeat(3);
  s.Literal('b').Literal('c').Near(3, 2);  // sets offset 3
  s.ShortForm(5);                          // leaves it
  s.Repeat(4);
  EXPECT_EQ(UnpackExact(s, 13).Text(), "aaaa" "bc" "ab" "b" "abba");
}

TEST(UnpackTokens, LengthAdjustmentFollowsTheOffsetBand) {
  const uint32_t bands[][2] = {{1, 4},     {127, 4},     {128, 0},   {638, 0},   {639, 1},
                               {14334, 1}, {14335, 2}, {65535, 2}, {65536, 3}, {70000, 3}};
  for (const auto& [offset, adjustment] : bands) {
    SCOPED_TRACE(offset);
    uint32_t before = (offset + 255) / 256 * 256;
    StreamBuilder s;
    RawCounting(s, before).Match(offset, 8, 2);
    Unpacked r = UnpackExact(s, before + 2 + adjustment);
    ASSERT_EQ(r.written, int32_t(before + 2 + adjustment));
    for (uint32_t i = before; i < r.out.size(); i++) ASSERT_EQ(r.out[i], r.out[i - offset]);
  }
}

TEST(UnpackTokens, OffsetWidthSetsTheLowBitCount) {
  StreamBuilder s;
  s.Width8().Literal('a').Literal('b').Literal('c');
  s.OffsetWidth(1, 0).Match(2, 0, 2);    // offset = g - 3
  s.OffsetWidth(2, 20).Match(9, 20, 2);
  s.OffsetWidth(3, 40).Match(1, 40, 2);  // wider than any offset, still exact
  EXPECT_EQ(UnpackExact(s, 21).Text(), "abc" "bcbcbc" "abcbcb" "bbbbbb");
}

TEST(UnpackTokens, EndStopsEvenWithWordsFollowing) {
  StreamBuilder s;
  s.Width8().Literal('a').Literal('b').End();
  for (int i = 0; i < 40; i++) s.Literal('z');
  Unpacked r = UnpackInto(s.Build(10), 10);
  EXPECT_EQ(r.Text(), "ab");
  EXPECT_EQ(r.out[2], UNTOUCHED);
}

TEST(UnpackTokens, RawBlocksAre256BytesEachWithAContinuationBit) {
  StreamBuilder one;
  RawCounting(one, 256).Width8().Literal('!');
  Unpacked r = UnpackExact(one, 257);
  ASSERT_EQ(r.written, 257);
  for (uint32_t i = 0; i < 256; i++) ASSERT_EQ(r.out[i], i);
  EXPECT_EQ(r.out[256], '!');
  StreamBuilder three;
  RawCounting(three, 768).Near(1, 2);
  EXPECT_EQ(UnpackExact(three, 770).out[769], 255);
}

TEST(UnpackChecksum, WordsWithAnOverlappingLastWord) {
  const Bytes bytes = {1, 0, 0, 0, 2};
  EXPECT_EQ(PackChecksum(bytes.data(), 4), 1u ^ (2u + 1));
  EXPECT_EQ(PackChecksum(bytes.data(), 5), (2u + 0x02000000) ^ (0x04000000 + 1));  // bytes 1..4
  const Bytes top = {0, 0, 0, 0x80};
  EXPECT_EQ(PackChecksum(top.data(), 4), 0x80000000u ^ (1 + 1));  // the rotation wraps
  EXPECT_EQ(PackChecksum(bytes.data(), 3), 0u);
}

TEST(UnpackChecksum, ZeroMeansNoneAndAChangedSumIsRefused) {
  const Bytes bytes = {'s', 'k', 'i', 'n', '!'};
  StreamBuilder s;
  s.Width8();
  for (uint8_t b : bytes) s.Literal(b);
  s.End();
  uint32_t sum = PackChecksum(bytes.data(), 5);
  EXPECT_EQ(UnpackInto(s.Build(5, 0), 5).written, 5);
  EXPECT_EQ(UnpackInto(s.Build(5, sum), 5).written, 5);
  Unpacked r = UnpackInto(s.Build(5, sum ^ 0x100), 5);
  EXPECT_EQ(r.written, 0);
  EXPECT_EQ(r.out, bytes);  // written regardless
}

TEST(UnpackCorrupt, TruncatedSourceIsRefused) {
  StreamBuilder s;
  s.Width8();
  for (int i = 0; i < 20; i++) s.Literal(uint8_t(i));
  Bytes whole = RawCounting(s, 256).Repeat(30).End().Build(306);
  ASSERT_EQ(UnpackInto(whole, 306).written, 306);
  for (size_t size = PACKED_HEADER_SIZE; size < whole.size(); size++) {
    EXPECT_EQ(UnpackInto(Bytes(whole.begin(), whole.begin() + size), 306).written, 0) << size;
  }
  // Tokens that fill their last word, with no end token: the zero bits past
  // the source must not read as one.
  EXPECT_EQ(UnpackInto(StreamBuilder().Width8().Literal(1).ShortForm(1).ShortForm(1).Build(3), 3).written, 0);
  whole.insert(whole.end(), {1, 2, 3});  // a partial last word is never read
  EXPECT_EQ(UnpackInto(whole, 306).written, 306);
}

TEST(UnpackCorrupt, NothingIsWrittenPastTheUnpackedLength) {
  StreamBuilder streams[6];
  streams[0].Width8().Literal(1).Literal(2).Literal(3);
  streams[1].ShortForm(1).ShortForm(1).ShortForm(1);
  streams[2].Width8().Literal(1).Near(1, 3);
  streams[3].Width8().Literal(1).Repeat(3);
  streams[4].Width8().Literal(1).Match(1, 8, 2);
  RawCounting(streams[5], 256);
  for (StreamBuilder& s : streams) {
    Unpacked r = UnpackInto(s.End().Build(2), 300);  // the block is larger than the header says
    EXPECT_EQ(r.written, 0);
    EXPECT_EQ(Bytes(r.out.begin() + 2, r.out.end()), Bytes(298, UNTOUCHED));
  }
}

TEST(UnpackCorrupt, CopiesFromBeforeTheStartAreRefused) {
  StreamBuilder streams[5];
  streams[0].Near(1, 2);
  streams[1].Repeat(2);
  streams[2].Width8().Literal(1).ShortForm(3);
  streams[3].Width8().Literal(1).Literal(2).Match(3, 8, 2);
  streams[4].Width8().Literal(1).Match(0, 8, 2);
  for (StreamBuilder& s : streams) EXPECT_EQ(UnpackExact(s, 64).written, 0);
}

TEST(UnpackCorrupt, RunawayNumbersAreRefused) {
  StreamBuilder gamma;
  gamma.Width8().Literal(1).Bits("01");
  for (int i = 0; i < 100; i++) gamma.Bits("11");
  EXPECT_EQ(UnpackExact(gamma, 64).written, 0);
  StreamBuilder offset;  // width 63 and a high part
  offset.Width8().Literal(1).OffsetWidth(3, 63).Bits("01").Gamma(4).Number(1, 63).Gamma(2);
  EXPECT_EQ(UnpackExact(offset, 64).written, 0);
}

}  // namespace
