// Collects bits most significant first into 32-bit words stored little-endian,
// as the packed stream's decoder reads them.
#pragma once

#include <cstdint>
#include <vector>

class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

  // The low n bits of value, n <= 32.
  void Put(uint32_t value, uint32_t n) {
    for (uint32_t i = n; i-- > 0;) PutBit((value >> i) & 1);
  }

  void PutBit(uint32_t bit) {
    word_ = word_ << 1 | bit;
    if (++count_ == 32) Flush();
  }

  // v >= 2: each bit below the leading one, followed by 1 when more follow.
  void PutGamma(uint64_t v) {
    int top = 63;
    while (!((v >> top) & 1)) top--;
    for (int i = top - 1; i >= 0; i--) {
      PutBit(uint32_t(v >> i) & 1);
      PutBit(i > 0 ? 1 : 0);
    }
  }

  // Pads the last word with zero bits.
  void Finish() {
    if (count_ == 0) return;
    word_ <<= 32 - count_;
    count_ = 32;
    Flush();
  }

 private:
  void Flush() {
    for (int i = 0; i < 4; i++) out_.push_back(uint8_t(word_ >> (8 * i)));
    word_ = 0;
    count_ = 0;
  }

  std::vector<uint8_t>& out_;
  uint32_t word_ = 0;
  uint32_t count_ = 0;
};
