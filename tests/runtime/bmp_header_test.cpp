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
  BmpLayout a;
  BmpLayout b;
  ASSERT_TRUE(BmpReadLayout(rle.data(), rle.size(), a) && BmpReadLayout(rgb.data(), SIZE_MAX, b));
  EXPECT_EQ((std::vector<int64_t>{a.width, a.height, a.bitsPerPixel, a.compression, a.colourCount, a.pixelOffset,
                                  a.pixelBytes, a.fileSize}),
            (std::vector<int64_t>{26, 26, 8, BMP_RLE8, 256, 54 + 1024, 40, 54 + 1024 + 40}));
  EXPECT_EQ((std::vector<int64_t>{b.width, b.height, b.bitsPerPixel, b.compression, b.pixelOffset, b.pixelBytes}),
            (std::vector<int64_t>{3, 2, 24, BMP_RGB, 54, 24}));  // SIZE_MAX: bounded by its own file size

  // Blocks exactly as long as the checks may look: the sanitizers catch more.
  for (const Bytes& bytes : {Bytes{'B', 'M'}, Bytes{'B', 'M', 20, 0, 0, 0}, Bytes{0, 0, 1, 0, 1, 0}}) {
    EXPECT_FALSE(BmpReadLayout(bytes.data(), bytes.size(), a)) << bytes.size();
  }
  EXPECT_FALSE(BmpReadLayout(nullptr, SIZE_MAX, a) || BmpReadLayout(rgb.data(), rgb.size() - 1, a));

  // One field changed: the width, height and colour-table limits and past them.
  enum Base { RGB, RLE, TALL, TABLE };
  Bytes tall = bmp_builder::Make24(1, 4097, [](int32_t, int32_t) { return 7u; });
  Bytes table = bmp_builder::Assemble(3, 2, 24, BMP_RGB, std::vector<uint32_t>(257), Bytes(24));
  bmp_builder::Put(tall, 22, 4096), bmp_builder::Put(table, 46, 0);  // a row to spare; room for 257 colours
  const Bytes bases[] = {rgb, rle, tall, table};
  const struct { const char* what; size_t at; uint32_t value; Base base; bool accepted; } cases[] = {
      {"file size below the headers", 2, 53, RGB, false}, {"older header", 14, 12, RGB, false},
      {"newer header", 14, 124, RGB, false}, {"zero width", 18, 0, RGB, false},
      {"negative width", 18, 0xFFFFFFFD, RGB, false}, {"widest", 18, 4096, RLE, true},
      {"too wide", 18, 4097, RLE, false}, {"zero height", 22, 0, RGB, false}, {"tallest", 22, 4096, TALL, true},
      {"tallest top-down", 22, uint32_t(-4096), TALL, true}, {"too tall", 22, 4097, TALL, false},
      {"too tall top-down", 22, uint32_t(-4097), TALL, false}, {"rows past the end", 22, 3, RGB, false},
      {"two planes", 26, 2, RGB, false}, {"7 bits per pixel", 28, 7, RGB, false},
      {"16 bits per pixel", 28, 16, RGB, true}, {"32 bits per pixel", 28, 32, RGB, true},
      {"bit-field masks", 30, 3, RLE, false}, {"24-bit run-length", 30, BMP_RLE8, RGB, false},
      {"24-bit RLE4", 30, BMP_RLE4, RGB, false}, {"true-colour table too long", 46, 257, TABLE, false},
      {"top-down run-length", 22, 0xFFFFFFE6, RLE, false}, {"8-bit RLE4", 30, BMP_RLE4, RLE, false},
      {"run-length at 4 bits", 28, 4, RLE, false}, {"colours used 0: all 256", 46, 0, RLE, true},
      {"colours used 3", 46, 3, RLE, true}, {"colour table too long", 46, 257, RLE, false},
      {"pixels inside the colour table", 10, 54 + 1024 - 1, RLE, false},
      {"pixels past the end", 10, 54 + 1024 + 41, RLE, false}, {"no run-length size", 34, 0, RLE, false},
      {"run-length size past the end", 34, 41, RLE, false}, {"run-length of one row", 22, 1, RLE, true},
      {"8 bits", 28, 8, TABLE, true}, {"4 bits", 28, 4, TABLE, true}, {"1 bit", 28, 1, TABLE, true},
      {"no BM", 0, 'X', RGB, false},
  };
  for (const auto& c : cases) {
    Bytes file = bases[c.base];
    bmp_builder::Put(file, c.at, c.value, c.at == 0 ? 1 : c.at == 26 || c.at == 28 ? 2 : 4);  // planes, bits: 16-bit
    EXPECT_EQ(BmpReadLayout(file.data(), file.size(), a), c.accepted) << c.what;
  }
}

}  // namespace
