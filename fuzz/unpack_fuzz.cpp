// Fuzz target: any bytes as a packed stream. The decoder must stay inside the
// source and a destination of exactly the unpacked length (the sanitizers
// watch both), return no more than that length, and accept only streams
// whose checksum, when present, matches what it wrote.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "gui/unpack.h"

namespace {

// Larger claims are refused before decoding; keep the blocks small.
constexpr uint32_t DESTINATION_MAX = 1 << 18;

uint32_t HeaderLength(const uint8_t* data, size_t size) {
  if (size < size_t(PACKED_HEADER_SIZE)) return 0;
  return uint32_t(data[2]) | uint32_t(data[3]) << 8 | uint32_t(data[4]) << 16 | uint32_t(data[5]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > size_t(INT32_MAX)) return 0;
  std::vector<uint8_t> source(data, data + size);
  uint32_t length = HeaderLength(data, size);
  // A claim beyond the cap gets a smaller block, which must be refused.
  size_t destinationSize = length <= DESTINATION_MAX ? length : length % DESTINATION_MAX;
  std::vector<uint8_t> destination(destinationSize);
  int32_t written = Unpack(source.data(), int32_t(size), destination.data(), int32_t(destinationSize));
  if (written < 0 || size_t(written) > destinationSize) std::abort();
  if (written == 0) return 0;
  if (length > destinationSize) std::abort();
  uint32_t stored = uint32_t(data[6]) | uint32_t(data[7]) << 8 | uint32_t(data[8]) << 16 | uint32_t(data[9]) << 24;
  if (stored != 0 && PackChecksum(destination.data(), length) != stored) std::abort();
  return 0;
}
