// Hand-assembled packed streams for the decoder tests: bits written as text
// ("001 0000 0 1"; spaces only for reading), numbers and gamma codes, then
// the header and the 32-bit little-endian words.
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

class StreamBuilder {
 public:
  StreamBuilder& Bits(std::string_view t) { for (char c : t) if (c != ' ') bits_.push_back(c == '1'); return *this; }
  // v in its n lowest bits, most significant first.
  StreamBuilder& Number(uint64_t v, int n) { for (int i = n - 1; i >= 0; i--) bits_.push_back(v >> i & 1); return *this; }
  // v >= 2: each bit below the leading one, then 1 if more follow, else 0.
  StreamBuilder& Gamma(uint64_t v) {
    for (int i = int(std::bit_width(v)) - 2; i >= 0; i--) Number(v >> i & 1, 1).Number(i > 0, 1);
    return *this;
  }
  // The tokens as the format spells them.
  StreamBuilder& Width8() { return Bits("001 0000 0 1"); }
  StreamBuilder& Width7(uint8_t base) { return Bits("001 0000 0 0").Number(base, 8); }
  StreamBuilder& Literal(uint8_t byte, int width = 8) { return Bits("1").Number(byte, width); }
  StreamBuilder& ShortForm(uint32_t v) { return Bits("001").Number(v, 4); }
  StreamBuilder& Near(uint32_t offset, uint32_t length) { return Bits("000").Number(offset, 7).Number(length - 2, 2); }
  StreamBuilder& OffsetWidth(uint32_t n, uint32_t bits) { return Bits("000 0000000").Number(n, 2).Number(bits, int(n) + 3); }
  StreamBuilder& Repeat(uint32_t length) { return Bits("01").Gamma(2).Gamma(length); }
  // A new-offset match under the offset width in force; storedLength is the
  // length less its adjustment.
  StreamBuilder& Match(uint64_t offset, uint32_t width, uint32_t storedLength) {
    Bits("01").Gamma((offset >> width) + 3);
    return Number(offset & ((uint64_t(1) << width) - 1), int(width)).Gamma(storedLength);
  }
  StreamBuilder& RawStart() { return Bits("001 0000 1"); }
  StreamBuilder& End() { return Bits("000 0000000 00"); }

  // The whole stream; the bits are padded with zeros to whole words.
  std::vector<uint8_t> Build(uint32_t unpackedLength, uint32_t checksum = 0) const {
    std::vector<uint32_t> words = {unpackedLength, checksum};
    for (size_t i = 0; i < bits_.size(); i++) {
      if (i % 32 == 0) words.push_back(0);
      words.back() |= uint32_t(bits_[i]) << (31 - i % 32);
    }
    std::vector<uint8_t> out = {'Q', 'Z'};
    for (uint32_t w : words) out.insert(out.end(), {uint8_t(w), uint8_t(w >> 8), uint8_t(w >> 16), uint8_t(w >> 24)});
    return out;
  }

 private:
  std::vector<bool> bits_;
};
