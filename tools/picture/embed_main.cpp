// embed INPUT OUTPUT.cpp NAME: any file as a constant byte array in C++.
#include <cstdio>

#include "tools/picture/embed_source.h"
#include "tools/picture/file_bytes.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: embed INPUT OUTPUT.cpp NAME\n");
    return 2;
  }
  Bytes bytes;
  if (!ReadFileBytes(argv[1], bytes) || bytes.empty()) {
    std::fprintf(stderr, "%s: cannot read, or empty\n", argv[1]);
    return 1;
  }
  const std::string text = EmbedSource(bytes, argv[3]);
  if (!WriteFileBytes(argv[2], Bytes(text.begin(), text.end()))) {
    std::fprintf(stderr, "%s: cannot write\n", argv[2]);
    return 1;
  }
  return 0;
}
