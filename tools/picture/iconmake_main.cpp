// iconmake INPUT.png OUTPUT.ico: the program icon from a 32 x 32 PNG whose
// alpha gives the transparency mask.
#include <cstdio>

#include "tools/picture/file_bytes.h"
#include "tools/picture/icon_write.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: iconmake INPUT.png OUTPUT.ico\n");
    return 2;
  }
  Picture picture;
  if (!ReadPng(argv[1], picture)) return 1;
  const Bytes icon = IconFile(picture);
  if (icon.empty()) {
    std::fprintf(stderr, "%s: the icon must be %d x %d\n", argv[1], ICON_SIDE, ICON_SIDE);
    return 1;
  }
  if (!WriteFileBytes(argv[2], icon)) {
    std::fprintf(stderr, "%s: cannot write\n", argv[2]);
    return 1;
  }
  return 0;
}
