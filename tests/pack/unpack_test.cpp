// The decoder against hand-assembled streams: each token as the format
// defines it, the checksum, and the refusal of corrupt streams without
// reading or writing out of bounds (the sanitizers watch exact-size blocks).
#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "gui/unpack.h"

namespace {

using namespace std::string_literals;
const char UNTOUCHED = '\xAA';

// A stream assembled by hand: bits written as text ("001 0000 0 1"; spaces
// only for reading), numbers and gamma codes, then built into the header and
// the 32-bit little-endian words.
struct S {
  std::string bits;
  S& Bits(std::string_view t) { for (char c : t) if (c != ' ') bits += c; return *this; }
  // v in its n lowest bits, most significant first.
  S& Number(uint64_t v, int n) { while (n-- > 0) bits += char('0' + (v >> n & 1)); return *this; }
  // v >= 2: each bit below the leading one, then 1 if more follow, else 0.
  S& Gamma(uint64_t v) {
    for (int i = int(std::bit_width(v)) - 2; i >= 0; i--) Number((v >> i & 1) * 2 + (i > 0), 2);
    return *this;
  }
  // The tokens as the format spells them.
  S& Width8() { return Bits("001 0000 0 1"); }
  S& Width7(uint8_t base) { return Bits("001 0000 0 0").Number(base, 8); }
  S& Literal(uint8_t byte, int width = 8) { return Bits("1").Number(byte, width); }
  S& Literals(std::string_view t) { for (char c : t) Literal(uint8_t(c)); return *this; }
  S& ShortForm(uint32_t v) { return Bits("001").Number(v, 4); }
  S& Near(uint32_t offset, uint32_t n) { return Bits("000").Number(offset, 7).Number(n - 2, 2); }
  S& OffsetWidth(int n, uint32_t w) { return Bits("000 0000000").Number(n, 2).Number(w, n + 3); }
  S& Repeat(uint32_t length) { return Bits("01").Gamma(2).Gamma(length); }
  // A new-offset match under the offset width in force; stored is the length
  // less its adjustment.
  S& Match(uint64_t offset, int width, uint32_t stored) {
    return Bits("01").Gamma((offset >> width) + 3).Number(offset, width).Gamma(stored);
  }
  S& End() { return Bits("000 0000000 00"); }
  // n bytes 0, 1, 2, ... as raw blocks of 256, each followed by a
  // continuation bit: 1, but 0 after the last.
  S& RawCounting(uint32_t n) {
    Bits("001 0000 1");
    for (uint32_t i = 0; i < n; i++) Number(i, 8).Number(i + 1 < n, i % 256 == 255);
    return *this;
  }
  // The magic, then the length, the checksum and the bits padded with zeros
  // to whole words, all as 32-bit little-endian words: byte i after the magic
  // holds bits i ^ 24 to (i ^ 24) + 7.
  std::vector<uint8_t> Build(uint32_t length, uint32_t checksum = 0) const {
    std::string all = S().Number(length, 32).Number(checksum, 32).bits + bits;
    all.resize((all.size() + 31) / 32 * 32, '0');
    std::vector<uint8_t> out = {'Q', 'Z'};
    for (size_t i = 0; i < all.size(); i += 8) {
      out.push_back(uint8_t(std::stoi(all.substr(i ^ 24, 8), nullptr, 2)));
    }
    return out;
  }
};

struct Unpacked { int32_t written; std::string out; };  // out: the whole destination block

// From a copy of exactly the stream's size into exactly `size` bytes filled
// with UNTOUCHED.
Unpacked UnpackInto(const std::vector<uint8_t>& stream, size_t size) {
  std::vector<uint8_t> source(stream);
  std::string out(size, UNTOUCHED);
  return {Unpack(source.data(), int32_t(source.size()), out.data(), int32_t(size)), out};
}

// Each case's stream ends with the end token and claims exactly its output.
TEST(UnpackTokens, EachTokenAsDefined) {
  std::string counting = "\xFF";  // then 0, 1, 2, ... 255, 0, 1, ...
  for (int i = 0; i < 1024; i++) counting += char(i);
  const struct { S stream; std::string out; } cases[] = {
      // Literals: plain bytes until the stream sets a width; 7-bit ones add
      // the base, modulo 256.
      {S().Literal(0).Literal(0xFF).Width7(200).Literal(0, 7).Literal(55, 7).Literal(56, 7)
           .Literal(127, 7).Width8().Literal(0x80).Width7(0).Literal(127, 7),
       "\x00\xFF\xC8\xFF\x00\x47\x80\x7F"s},
      // Short forms: a zero byte, 2 back, 1 back, 14 back.
      {S().Literal(7).ShortForm(1).ShortForm(3).ShortForm(2).Literals("abcdefghijk").ShortForm(15),
       "\x07\x00\x07\x07" "abcdefghijk\x00"s},
      // Copies go forward byte by byte; offsets up to 127 store the length less 4.
      {S().Literal('x').Near(1, 5).Literal('a').Literal('b').Near(2, 5).Match(3, 8, 12),
       "xxxxxx" "abababa" "abaabaabaabaabaa"},
      // 7 back overlaps an 8-byte copy: byte by byte still.
      {S().Literals("abcdefg").Match(7, 8, 8), "abcdefg" "abcdefgabcde"},
      // A repeat takes the last offset, initially 1.
      {S().Literal('a').Repeat(3).Literals("bc").Near(3, 2).ShortForm(5).Repeat(4),
       "aaaabcabbabba"},
      // The offset width sets the low bit count; at width 0 the offset is g - 3.
      {S().Literals("abc").OffsetWidth(1, 0).Match(2, 0, 2).OffsetWidth(2, 20).Match(9, 20, 6)
           .OffsetWidth(3, 40).Match(1, 40, 2).OffsetWidth(3, 32).Match(12, 32, 2),
       "abcbcbcbc" "abcbcbcbca" "aaaaaa" "cbcbca"},
      // Raw blocks of 256 with a continuation bit, up to the very end.
      {S().Literal(0xFF).RawCounting(256).RawCounting(768), counting},
  };
  for (const auto& t : cases) {
    const Unpacked r = UnpackInto(S(t.stream).End().Build(uint32_t(t.out.size())), t.out.size());
    EXPECT_TRUE(r.written == int32_t(t.out.size()) && r.out == t.out) << "case " << &t - cases;
  }
  // Streams of 0 to 31 literals put the end token at every place in a word,
  // its last bits the stream's last: nothing more is read.
  for (std::string text; text.size() < 32; text += 'x') {
    const Unpacked r = UnpackInto(S().Literals(text).End().Build(uint32_t(text.size())), text.size());
    EXPECT_EQ(r.written, int32_t(text.size()));
  }
  // The end token stops the stream even with words following.
  EXPECT_EQ(UnpackInto(S().Literals("ab").End().Literals("zz").Build(4), 4).out, "ab\xAA\xAA");
  // A new offset's length is stored less an amount that follows the offset's band.
  const uint32_t bands[][2] = {{1, 4}, {127, 4}, {128, 0}, {638, 0}, {639, 1}, {14334, 1},
                               {14335, 2}, {65535, 2}, {65536, 3}, {70000, 3}};
  for (const auto& [offset, adjustment] : bands) {
    const uint32_t before = (offset + 255) / 256 * 256;
    const uint32_t length = before + 2 + adjustment;
    const Unpacked r =
        UnpackInto(S().RawCounting(before).Match(offset, 8, 2).End().Build(length), length);
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
  const uint8_t two[] = {1, 0, 0, 0, 2, 0, 0, 0};
  EXPECT_EQ(PackChecksum(two, 8), ((1u ^ 3u) + 2) ^ 5u);  // each word in turn
  const S skin = S().Literals("skin!").End();
  const uint32_t sum = PackChecksum(reinterpret_cast<const uint8_t*>("skin!"), 5);
  for (uint32_t stored : {0u, sum}) EXPECT_EQ(UnpackInto(skin.Build(5, stored), 5).written, 5);
  const Unpacked wrong = UnpackInto(skin.Build(5, sum ^ 0x100), 5);
  EXPECT_TRUE(wrong.written == 0 && wrong.out == "skin!");  // refused, though written
  // No source, no destination, a short header, lengths that do not fit, a wrong magic.
  std::vector<uint8_t> stream = S().Literal('a').End().Build(1);
  std::string out(4, UNTOUCHED);
  const auto size = int32_t(stream.size());
  EXPECT_EQ(Unpack(nullptr, size, out.data(), 4), 0);
  EXPECT_EQ(Unpack(stream.data(), size, nullptr, 4), 0);
  EXPECT_EQ(Unpack(stream.data(), PACKED_HEADER_SIZE - 1, out.data(), 4), 0);
  EXPECT_EQ(Unpack(stream.data(), size, out.data(), 0), 0);
  EXPECT_EQ(Unpack(stream.data(), size, out.data(), -1), 0);
  EXPECT_EQ(UnpackInto(stream, 1).written, 1);
  stream[1] = 'Y';
  EXPECT_TRUE(Unpack(stream.data(), size, out.data(), 4) == 0 && out == std::string(4, UNTOUCHED));
}

// Each stream claims `length` bytes and is unpacked into a block of 300:
// refused, with nothing written from `length` on.
TEST(UnpackCorrupt, StreamsThatWouldOverrunOrReachBeforeTheStartAreRefused) {
  const struct { S stream; uint32_t length = 0; } cases[] = {
      // A literal, a zero byte, a near match, a repeat, a match, a raw block past the length.
      {S().Literals("123").End(), 2}, {S().ShortForm(1).ShortForm(1).ShortForm(1).End(), 2},
      {S().Literal(1).Near(1, 2).End(), 2}, {S().Literal(1).Repeat(2).End(), 2},
      {S().Literal(1).Match(1, 8, 2).End(), 2}, {S().RawCounting(256).End(), 255},
      {S().Literal(1).RawCounting(256).End(), 256},
      // A near match, a repeat, a short copy, a match before the start; a match at offset 0.
      {S().Near(1, 2).End(), 64}, {S().Repeat(2).End(), 64},
      {S().Literal(1).ShortForm(3).End(), 64}, {S().Literals("12").Match(3, 8, 2).End(), 64},
      {S().Literal(1).Match(0, 8, 2).End(), 64},
      // A runaway gamma; a runaway offset: width 63 and a high part, whose
      // 2 << 63 would wrap around to 0 and leave offset 1.
      {S().Literal(1).Bits("01" + std::string(200, '1')), 64},
      {S().Literal(1).OffsetWidth(3, 63).Bits("01").Gamma(5).Number(1, 63).Gamma(2).End(), 64},
      // A last word filled with no end token: zero bits past the source must not read as one.
      {S().Width8().Literal(1).ShortForm(1).ShortForm(1), 3},
  };
  for (const auto& t : cases) {
    const Unpacked r = UnpackInto(t.stream.Build(t.length), 300);
    EXPECT_TRUE(r.written == 0 && r.out.substr(t.length) == std::string(300 - t.length, UNTOUCHED))
        << "case " << &t - cases;
  }
  // Cut anywhere, into the header too, a stream is refused; a partial last
  // word is never read.
  std::vector<uint8_t> whole =
      S().Literals("abcdefghijklmnopqrst").RawCounting(256).Repeat(30).End().Build(306);
  ASSERT_EQ(UnpackInto(whole, 306).written, 306);
  for (long size = 0; size < long(whole.size()); size++) {
    EXPECT_EQ(UnpackInto({whole.begin(), whole.begin() + size}, 306).written, 0) << size;
  }
  whole.insert(whole.end(), {1, 2, 3});
  EXPECT_EQ(UnpackInto(whole, 306).written, 306);
}

}  // namespace
