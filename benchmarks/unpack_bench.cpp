// The skin picture's decoder beside zlib's inflate on the same picture,
// compressed at level 9, in one run: throughput of both and their ratio.
// Usage: unpack_bench SKIN_BLOCK_FILE
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "gui/skin_format.h"
#include "gui/unpack.h"

namespace {

using Clock = std::chrono::steady_clock;

int32_t Read32(const uint8_t* at) {
  int32_t value = 0;
  memcpy(&value, at, sizeof value);
  return value;
}

// Megabytes of output per second of `decode`, over enough rounds to take
// about a second.
template <typename Decode>
double Throughput(size_t outputSize, Decode decode) {
  int rounds = 0;
  const auto start = Clock::now();
  auto elapsed = Clock::duration::zero();
  while (elapsed < std::chrono::seconds(1)) {
    decode();
    ++rounds;
    elapsed = Clock::now() - start;
  }
  const double seconds = std::chrono::duration<double>(elapsed).count();
  return static_cast<double>(outputSize) * rounds / seconds / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: unpack_bench SKIN_BLOCK_FILE\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::vector<uint8_t> block((std::istreambuf_iterator<char>(file)), {});
  if (block.size() < static_cast<size_t>(SKIN_PICTURE_OFFSET)) {
    fprintf(stderr, "not a skin block: %s\n", argv[1]);
    return 2;
  }
  const int32_t pictureSize = Read32(block.data() + SKIN_PICTURE_SIZE_OFFSET);
  const int32_t packedSize = Read32(block.data() + SKIN_PACKED_SIZE_OFFSET);
  const uint8_t* packed = block.data() + SKIN_PICTURE_OFFSET;

  std::vector<uint8_t> picture(static_cast<size_t>(pictureSize));
  if (Unpack(packed, packedSize, picture.data(), pictureSize) != pictureSize) {
    fprintf(stderr, "the skin block does not unpack\n");
    return 1;
  }
  uLongf zlibSize = compressBound(static_cast<uLong>(pictureSize));
  std::vector<uint8_t> deflated(zlibSize);
  if (compress2(deflated.data(), &zlibSize, picture.data(), static_cast<uLong>(pictureSize), 9) != Z_OK) {
    fprintf(stderr, "zlib cannot compress the picture\n");
    return 1;
  }

  std::vector<uint8_t> out(static_cast<size_t>(pictureSize));
  const double unpackRate = Throughput(out.size(), [&] {
    Unpack(packed, packedSize, out.data(), pictureSize);
  });
  const double inflateRate = Throughput(out.size(), [&] {
    auto size = static_cast<uLongf>(out.size());
    uncompress(out.data(), &size, deflated.data(), zlibSize);
  });

  printf("| decoder | packed bytes | MB/s |\n|---|---|---|\n");
  printf("| Unpack (skin block) | %d of %d | %.0f |\n", packedSize, pictureSize, unpackRate);
  printf("| zlib inflate (level 9) | %lu of %d | %.0f |\n", static_cast<unsigned long>(zlibSize),
         pictureSize, inflateRate);
  printf("Unpack / inflate throughput: %.2f\n", unpackRate / inflateRate);
  return 0;
}
