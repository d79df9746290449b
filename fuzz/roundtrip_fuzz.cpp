// Fuzz target: any bytes as data to pack. The packed stream must unpack to
// exactly those bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "gui/unpack.h"
#include "tools/packer/packer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> packed = PackStream(data, size);
  std::vector<uint8_t> back(size);
  int32_t written = Unpack(packed.data(), int32_t(packed.size()), back.data(), int32_t(size));
  if (written != int32_t(size)) std::abort();
  if (size > 0 && std::memcmp(back.data(), data, size) != 0) std::abort();
  return 0;
}
