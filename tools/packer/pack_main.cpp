// pack INPUT OUTPUT: writes the packed stream of a file, after checking that
// it unpacks to the file again.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "gui/unpack.h"
#include "tools/packer/packer.h"

namespace {

bool ReadFile(const char* path, std::vector<uint8_t>& data) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFile(const char* path, const std::vector<uint8_t>& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  return bool(out.flush());
}

bool UnpacksTo(const std::vector<uint8_t>& packed, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> back(data.size() + 1);
  int32_t written = Unpack(packed.data(), int32_t(packed.size()), back.data(), int32_t(back.size()));
  back.resize(data.size());
  return written == int32_t(data.size()) && back == data;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pack INPUT OUTPUT\n");
    return 2;
  }
  std::vector<uint8_t> data;
  if (!ReadFile(argv[1], data)) {
    std::fprintf(stderr, "pack: cannot read %s\n", argv[1]);
    return 1;
  }
  std::vector<uint8_t> packed = PackStream(data.data(), data.size());
  if (packed.empty()) {
    std::fprintf(stderr, "pack: %s is too large\n", argv[1]);
    return 1;
  }
  if (!UnpacksTo(packed, data)) {
    std::fprintf(stderr, "pack: the packed stream of %s does not unpack to it\n", argv[1]);
    return 1;
  }
  if (!WriteFile(argv[2], packed)) {
    std::fprintf(stderr, "pack: cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("pack: %zu -> %zu bytes (%.1f%%)\n", data.size(), packed.size(),
              data.empty() ? 0.0 : 100.0 * double(packed.size()) / double(data.size()));
  return 0;
}
