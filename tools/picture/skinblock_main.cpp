// skinblock SKIN.bmp RUNS.txt OUTPUT: the skin block from the skin picture
// (an RLE8 bitmap file) and its run table.
#include <cstdio>

#include "tools/picture/file_bytes.h"
#include "tools/picture/skin_block.h"

namespace {

int32_t ReadI32(const Bytes& b, size_t at) {
  return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: skinblock SKIN.bmp RUNS.txt OUTPUT\n");
    return 2;
  }
  Bytes picture;
  Bytes text;
  std::vector<SkinRun> runs;
  if (!ReadFileBytes(argv[1], picture) || picture.size() < 54 || picture[0] != 'B' || picture[1] != 'M') {
    std::fprintf(stderr, "%s: not a bitmap file\n", argv[1]);
    return 1;
  }
  if (!ReadFileBytes(argv[2], text) || !SkinRunsParse(std::string(text.begin(), text.end()), runs)) {
    std::fprintf(stderr, "%s: not a run table\n", argv[2]);
    return 1;
  }
  if (!SkinRunsFit(runs, ReadI32(picture, 18), ReadI32(picture, 22))) {
    std::fprintf(stderr, "%s: runs outside the picture or overlapping\n", argv[2]);
    return 1;
  }
  const Bytes block = SkinBlockBuild(picture, runs);
  if (!WriteFileBytes(argv[3], block)) {
    std::fprintf(stderr, "%s: cannot write\n", argv[3]);
    return 1;
  }
  return 0;
}
