// The decoder against hand-assembled streams: each token as the format
// defines it, the checksum, and the refusal of corrupt streams without
// reading or writing out of bounds (the sanitizers watch exact-size blocks).
#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "gui/unpack.h"
#include "tests/pack/stream_builder.h"

namespace {

using namespace std::string_literals;
using Build = void (*)(StreamBuilder&);
const char UNTOUCHED = '\xAA';

struct Unpacked { int32_t written; std::string out; };  // out: the whole destination block

// From a copy of exactly the stream's size into exactly destinationSize
// bytes filled with UNTOUCHED.
Unpacked UnpackInto(const std::vector<uint8_t>& stream, size_t destinationSize) {
  std::vector<uint8_t> source(stream);
  std::string out(destinationSize, UNTOUCHED);
  return {Unpack(source.data(), int32_t(source.size()), out.data(), int32_t(destinationSize)), out};
}

// n bytes 0, 1, 2, ... as raw blocks (n a multiple of 256).
StreamBuilder& RawCounting(StreamBuilder& s, uint32_t n) {
  s.RawStart();
  for (uint32_t i = 0; i < n; i++) s.Number(i & 255, 8).Number(i % 256 == 255 && i + 1 < n, i % 256 == 255);
  return s;
}

TEST(UnpackTokens, EachTokenAsDefined) {
  const struct { const char* what; Build build; std::string out; } cases[] = {
      // Plain bytes until the stream sets a width; 7-bit ones add the base, modulo 256.
      {"literals", [](StreamBuilder& s) {
         s.Literal(0).Literal(0xFF).Width7(200).Literal(0, 7).Literal(55, 7).Literal(56, 7).Literal(127, 7);
         s.Width8().Literal(0x80).Width7(0).Literal(127, 7); }, "\x00\xFF\xC8\xFF\x00\x47\x80\x7F"s},
      {"short forms: zero, 2 back, 1 back, 14 back", [](StreamBuilder& s) {
         s.Literal(7).ShortForm(1).ShortForm(3).ShortForm(2);
         for (char c : "abcdefghijk"s) s.Literal(uint8_t(c));
         s.ShortForm(15); }, "\x07\x00\x07\x07" "abcdefghijk\x00"s},
      {"copies go forward byte by byte; offsets up to 127 store length - 4", [](StreamBuilder& s) {
         s.Literal('x').Near(1, 5).Literal('a').Literal('b').Near(2, 5).Match(3, 8, 16 - 4); },
       "xxxxxx" "abababa" "abaabaabaabaabaa"},
      {"repeat takes the last offset, initially 1", [](StreamBuilder& s) {
         s.Literal('a').Repeat(3).Literal('b').Literal('c').Near(3, 2).ShortForm(5).Repeat(4); }, "aaaabcabbabba"},
      {"offset width sets the low bit count", [](StreamBuilder& s) {
         s.Literal('a').Literal('b').Literal('c').OffsetWidth(1, 0).Match(2, 0, 2);  // offset = g - 3
         s.OffsetWidth(2, 20).Match(9, 20, 2).OffsetWidth(3, 40).Match(1, 40, 2).OffsetWidth(3, 32).Match(12, 32, 2); },
       "abcbcbcbcabcbcbbbbbbbabcbcb"},
      {"raw blocks of 256 with a continuation bit",
       [](StreamBuilder& s) { RawCounting(RawCounting(s, 256), 768).Near(1, 2); },
       [] { std::string bytes(1024, 0); std::iota(bytes.begin(), bytes.end(), 0); return bytes + "\xFF\xFF"; }()},
  };
  for (const auto& t : cases) {
    StreamBuilder s;
    t.build(s);
    const Unpacked r = UnpackInto(s.End().Build(uint32_t(t.out.size())), t.out.size());
    EXPECT_TRUE(r.written == int32_t(t.out.size()) && r.out == t.out) << t.what;
  }
  StreamBuilder s;  // the end token stops the stream even with words following
  EXPECT_EQ(UnpackInto(s.Literal('a').Literal('b').End().Literal('z').Literal('z').Build(4), 4).out, "ab\xAA\xAA");
  // A new offset's length is stored less an amount that follows the offset's band.
  const uint32_t bands[][2] = {{1, 4}, {127, 4}, {128, 0}, {638, 0}, {639, 1}, {14334, 1}, {14335, 2},
                               {65535, 2}, {65536, 3}, {70000, 3}};
  for (const auto& [offset, adjustment] : bands) {
    const uint32_t before = (offset + 255) / 256 * 256;
    const uint32_t length = before + 2 + adjustment;
    s = StreamBuilder();
    const Unpacked r = UnpackInto(RawCounting(s, before).Match(offset, 8, 2).End().Build(length), length);
    ASSERT_EQ(r.written, int32_t(length)) << offset;
    for (uint32_t i = before; i < length; i++) ASSERT_EQ(r.out[i], r.out[i - offset]) << offset;
  }
}

TEST(UnpackHeader, ChecksumWordsArgumentsAndMagic) {
  const uint8_t bytes[] = {1, 0, 0, 0, 2};
  const uint8_t top[] = {0, 0, 0, 0x80};
  EXPECT_EQ(PackChecksum(bytes, 4), 1u ^ (2u + 1));
  EXPECT_EQ(PackChecksum(bytes, 5), (2u + 0x02000000) ^ (0x04000000 + 1));  // bytes 1..4 last
  EXPECT_EQ(PackChecksum(top, 4), 0x80000000u ^ (1 + 1));                    // the rotation wraps
  EXPECT_EQ(PackChecksum(bytes, 3), 0u);
  StreamBuilder s;
  for (char c : "skin!"s) s.Literal(uint8_t(c));
  const uint32_t sum = PackChecksum(reinterpret_cast<const uint8_t*>("skin!"), 5);
  EXPECT_TRUE(UnpackInto(s.End().Build(5, 0), 5).written == 5 && UnpackInto(s.Build(5, sum), 5).written == 5);
  const Unpacked wrong = UnpackInto(s.Build(5, sum ^ 0x100), 5);
  EXPECT_TRUE(wrong.written == 0 && wrong.out == "skin!");  // refused, though written
  const std::vector<uint8_t> good = StreamBuilder().Literal('a').End().Build(1);  // the header and the arguments
  std::vector<uint8_t> bad = good;
  bad[1] = 'Y';
  std::string out(4, UNTOUCHED);
  const auto size = int32_t(good.size());
  // Wrong magic, no source, no destination, a short header, a length that does not fit.
  const struct { const void* source; void* destination; int32_t size, destinationSize; } calls[] = {
      {bad.data(), out.data(), size, 4}, {nullptr, out.data(), size, 4}, {good.data(), nullptr, size, 4},
      {good.data(), out.data(), PACKED_HEADER_SIZE - 1, 4}, {good.data(), out.data(), size, 0},
      {good.data(), out.data(), size, -1}};
  for (const auto& c : calls) EXPECT_EQ(Unpack(c.source, c.size, c.destination, c.destinationSize), 0);
  EXPECT_TRUE(out == std::string(4, UNTOUCHED) && UnpackInto(good, 1).written == 1);
}

// Each stream claims `length` bytes and is unpacked into a block of 300:
// refused, with nothing written from `length` on.
TEST(UnpackCorrupt, StreamsThatWouldOverrunOrReachBeforeTheStartAreRefused) {
  const struct { const char* what; Build build; uint32_t length; } cases[] = {
      {"literal past the length", [](StreamBuilder& s) { s.Literal(1).Literal(2).Literal(3).End(); }, 2},
      {"zero byte past the length", [](StreamBuilder& s) { s.ShortForm(1).ShortForm(1).ShortForm(1).End(); }, 2},
      {"near match past the length", [](StreamBuilder& s) { s.Literal(1).Near(1, 2).End(); }, 2},
      {"repeat past the length", [](StreamBuilder& s) { s.Literal(1).Repeat(2).End(); }, 2},
      {"match past the length", [](StreamBuilder& s) { s.Literal(1).Match(1, 8, 2).End(); }, 2},
      {"raw block past the length", [](StreamBuilder& s) { RawCounting(s, 256).End(); }, 255},
      {"near match before the start", [](StreamBuilder& s) { s.Near(1, 2).End(); }, 64},
      {"repeat before the start", [](StreamBuilder& s) { s.Repeat(2).End(); }, 64},
      {"short copy before the start", [](StreamBuilder& s) { s.Literal(1).ShortForm(3).End(); }, 64},
      {"match before the start", [](StreamBuilder& s) { s.Literal(1).Literal(2).Match(3, 8, 2).End(); }, 64},
      {"match at offset 0", [](StreamBuilder& s) { s.Literal(1).Match(0, 8, 2).End(); }, 64},
      {"runaway gamma", [](StreamBuilder& s) { s.Literal(1).Bits("01" + std::string(200, '1')); }, 64},
      // 2 << 63 would wrap around to 0 and leave offset 1.
      {"runaway offset: width 63 and a high part",
       [](StreamBuilder& s) { s.Literal(1).OffsetWidth(3, 63).Bits("01").Gamma(5).Number(1, 63).Gamma(2).End(); }, 64},
      // A last word filled with no end token: zero bits past the source must not read as one.
      {"no end token", [](StreamBuilder& s) { s.Width8().Literal(1).ShortForm(1).ShortForm(1); }, 3},
  };
  for (const auto& t : cases) {
    StreamBuilder s;
    t.build(s);
    const Unpacked r = UnpackInto(s.Build(t.length), 300);
    EXPECT_TRUE(r.written == 0 && r.out.substr(t.length) == std::string(300 - t.length, UNTOUCHED)) << t.what;
  }
  StreamBuilder s;  // cut anywhere, a stream is refused; a partial last word is never read
  for (int i = 0; i < 20; i++) s.Literal(uint8_t(i));
  std::vector<uint8_t> whole = RawCounting(s, 256).Repeat(30).End().Build(306);
  ASSERT_EQ(UnpackInto(whole, 306).written, 306);
  for (long size = PACKED_HEADER_SIZE; size < long(whole.size()); size++) {
    EXPECT_EQ(UnpackInto({whole.begin(), whole.begin() + size}, 306).written, 0) << size;
  }
  whole.insert(whole.end(), {1, 2, 3});
  EXPECT_EQ(UnpackInto(whole, 306).written, 306);
}

}  // namespace
