// BMP header checks: the program's own formats pass; a header that would let
// the platform read outside the file, or that it could not use, fails.
#include <gtest/gtest.h>

#include "runtime/bmp_header.h"
#include "tests/runtime/bmp_builder.h"

namespace {

using bmp_builder::Bytes;

TEST(BmpHeader, ReadsTheLayoutOfRunLengthAndTrueColourFiles) {
  // 26 x 26 with a full colour table and 40 bytes of run-length data (whose
  // runs the checks never read); 3 x 2 at 24 bits, rows of 9 bytes padded to 12.
  const Bytes rle = bmp_builder::Assemble(26, 26, 8, BMP_RLE8, std::vector<uint32_t>(256), Bytes(40, 1));
  const Bytes rgb = bmp_builder::Make24(3, 2, [](int32_t x, int32_t y) { return 0x102030u * (x + y); });
  BmpLayout a, b;
  ASSERT_TRUE(BmpReadLayout(rle.data(), rle.size(), a) && BmpReadLayout(rgb.data(), SIZE_MAX, b));
  EXPECT_EQ((std::vector<int64_t>{a.width, a.height, a.bitsPerPixel, a.compression, a.colourCount, a.pixelOffset,
                                  a.pixelBytes, a.fileSize}),
            (std::vector<int64_t>{26, 26, 8, BMP_RLE8, 256, 54 + 1024, 40, 54 + 1024 + 40}));
  EXPECT_EQ((std::vector<int64_t>{b.width, b.height, b.bitsPerPixel, b.compression, b.pixelOffset, b.pixelBytes}),
            (std::vector<int64_t>{3, 2, 24, BMP_RGB, 54, 24}));  // SIZE_MAX: bounded by its own file size

  // Arrays exactly as long as the checks may look: the sanitizers catch more.
  const uint8_t signature[] = {'B', 'M'}, tinyFileSize[] = {'B', 'M', 20, 0, 0, 0}, icon[] = {0, 0, 1, 0, 1, 0};
  for (const auto& [bytes, size] : {std::pair<const uint8_t*, size_t>{nullptr, SIZE_MAX}, {signature, 2},
                                    {tinyFileSize, 6}, {icon, 6}, {rgb.data(), rgb.size() - 1}}) {
    EXPECT_FALSE(BmpReadLayout(bytes, size, a)) << size;
  }

  // One field changed: the width, height and colour-table limits and past them.
  enum Base { RGB, RLE, TALL, TABLE };
  Bytes tall = bmp_builder::Make24(1, 4097, [](int32_t, int32_t) { return 7u; });
  Bytes table = bmp_builder::Assemble(3, 2, 24, BMP_RGB, std::vector<uint32_t>(257), Bytes(24));
  bmp_builder::Put(tall, 22, 4096), bmp_builder::Put(table, 46, 256);  // a row and a colour to spare
  const Bytes bases[] = {rgb, rle, tall, table};
  const struct { const char* what; Base base; size_t at; uint32_t value; bool accepted; int bytes = 4; } cases[] = {
      {"file size below the headers", RGB, 2, 53, false}, {"older header", RGB, 14, 12, false},
      {"newer header", RGB, 14, 124, false}, {"zero width", RGB, 18, 0, false},
      {"negative width", RGB, 18, 0xFFFFFFFD, false}, {"widest", RLE, 18, 4096, true},
      {"too wide", RLE, 18, 4097, false}, {"zero height", RGB, 22, 0, false}, {"tallest", TALL, 22, 4096, true},
      {"tallest top-down", TALL, 22, uint32_t(-4096), true}, {"too tall", TALL, 22, 4097, false},
      {"too tall top-down", TALL, 22, uint32_t(-4097), false}, {"rows past the end", RGB, 22, 3, false},
      {"two planes", RGB, 26, 2, false, 2}, {"7 bits per pixel", RGB, 28, 7, false, 2},
      {"16 bits per pixel", RGB, 28, 16, true, 2}, {"32 bits per pixel", RGB, 28, 32, true, 2},
      {"bit-field masks", RGB, 30, 3, false}, {"24-bit run-length", RGB, 30, BMP_RLE8, false},
      {"24-bit RLE4", RGB, 30, BMP_RLE4, false}, {"true-colour table too long", TABLE, 46, 257, false},
      {"top-down run-length", RLE, 22, 0xFFFFFFE6, false}, {"8-bit RLE4", RLE, 30, BMP_RLE4, false},
      {"run-length at 4 bits", RLE, 28, 4, false, 2}, {"colours used 0: all 256", RLE, 46, 0, true},
      {"colours used 3", RLE, 46, 3, true}, {"colour table too long", RLE, 46, 257, false},
      {"pixels inside the colour table", RLE, 10, 54 + 1024 - 1, false},
      {"pixels past the end", RLE, 10, 54 + 1024 + 41, false}, {"no run-length size", RLE, 34, 0, false},
      {"run-length size past the end", RLE, 34, 41, false},
  };
  for (const auto& c : cases) {
    Bytes file = bases[c.base];
    bmp_builder::Put(file, c.at, c.value, c.bytes);
    EXPECT_EQ(BmpReadLayout(file.data(), file.size(), a), c.accepted) << c.what;
  }
}

}  // namespace
