// bmpconv rgb24|rle8 INPUT.png OUTPUT.bmp: a PNG picture as a bitmap file
// of the program's formats.
#include <cstdio>
#include <cstring>

#include "tools/picture/bmp_write.h"
#include "tools/picture/file_bytes.h"

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[1], "rgb24") != 0 && std::strcmp(argv[1], "rle8") != 0)) {
    std::fprintf(stderr, "usage: bmpconv rgb24|rle8 INPUT.png OUTPUT.bmp\n");
    return 2;
  }
  Picture picture;
  if (!ReadPng(argv[2], picture)) return 1;
  const bool rle8 = std::strcmp(argv[1], "rle8") == 0;
  const Bytes bitmap = rle8 ? BmpRle8(picture) : Bmp24(picture);
  if (bitmap.empty()) {
    std::fprintf(stderr, "%s: more than 256 colours\n", argv[2]);
    return 1;
  }
  if (!WriteFileBytes(argv[3], bitmap)) {
    std::fprintf(stderr, "%s: cannot write\n", argv[3]);
    return 1;
  }
  return 0;
}
