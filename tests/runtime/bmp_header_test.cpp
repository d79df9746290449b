// BMP header checks: the program's own formats pass; a header that would let
// the platform read outside the file, or that it could not use, fails.
#include <gtest/gtest.h>

#include "runtime/bmp_header.h"
#include "tests/runtime/bmp_builder.h"

using namespace bmp_builder;

static std::vector<int64_t> Fields(const BmpLayout& l) {
  return {l.width, l.height, l.bitsPerPixel, l.compression, l.colourCount, l.pixelOffset,
          l.pixelBytes, l.fileSize};
}

TEST(BmpHeader, ReadsTheLayoutOfRunLengthAndTrueColourFiles) {
  // 26 x 26 with a full colour table and 40 bytes of run-length data (whose
  // runs the checks never read); 3 x 2 at 24 bits, rows of 9 bytes padded to
  // 12, read with SIZE_MAX available: bounded by its own file size.
  const Bytes rle = Assemble(26, 26, 8, BMP_RLE8, std::vector<uint32_t>(256), Bytes(40, 1));
  const Bytes rgb = Make24(3, 2, [](int32_t x, int32_t y) { return 0x102030u * (x + y); });
  BmpLayout a;
  ASSERT_TRUE(BmpReadLayout(rle.data(), rle.size(), a));
  EXPECT_EQ(Fields(a), (std::vector<int64_t>{26, 26, 8, BMP_RLE8, 256, 1078, 40, 1078 + 40}));
  ASSERT_TRUE(BmpReadLayout(rgb.data(), SIZE_MAX, a));
  EXPECT_EQ(Fields(a), (std::vector<int64_t>{3, 2, 24, BMP_RGB, 0, 54, 24, 54 + 24}));

  // Blocks exactly as long as the checks may look: the sanitizers catch more.
  const Bytes blocks[] = {{'B', 'M'}, {'B', 'M', 20, 0, 0}, {'B', 'M', 20, 0, 0, 0},
                          {0, 0, 1, 0, 1, 0}};
  for (const Bytes& bytes : blocks) EXPECT_FALSE(BmpReadLayout(bytes.data(), bytes.size(), a));
  EXPECT_FALSE(BmpReadLayout(nullptr, SIZE_MAX, a) || BmpReadLayout(rgb.data(), rgb.size() - 1, a));

  // One field changed: the width, height and colour-table limits and past them.
  enum Base { RGB, RLE, TALL, TABLE, RLE4, BIG };
  Bytes tall = Make24(1, 4097, [](int32_t, int32_t) { return 7u; });
  Bytes table = Assemble(3, 2, 24, BMP_RGB, std::vector<uint32_t>(257), Bytes(24));
  // Over 64 KB, with 40 bytes of run-length data at first.
  Bytes big = Assemble(26, 26, 8, BMP_RLE8, std::vector<uint32_t>(256), Bytes(70000, 1));
  Put(tall, 22, 4096), Put(table, 46, 0), Put(big, 34, 40);  // a row to spare; room for 257
  const Bytes bases[] = {rgb, rle, tall, table,
                         Assemble(26, 26, 4, BMP_RLE4, std::vector<uint32_t>(16), Bytes(40, 1)), big};
  const struct { size_t at; uint32_t value; Base base; bool accepted; } cases[] = {
      // A file size below the headers; an older and a newer information header;
      // widths: zero, negative, the widest, too wide.
      {2, 53, RGB, false}, {14, 12, RGB, false}, {14, 124, RGB, false}, {18, 0, RGB, false},
      {18, 0xFFFFFFFD, RGB, false}, {18, 4096, RLE, true}, {18, 4097, RLE, false},
      // Heights: zero, the tallest either way, too tall either way, rows past the end.
      {22, 0, RGB, false}, {22, 4096, TALL, true}, {22, uint32_t(-4096), TALL, true},
      {22, 4097, TALL, false}, {22, uint32_t(-4097), TALL, false}, {22, 3, RGB, false},
      // Two planes; 7, 16 and 32 bits per pixel.
      {26, 2, RGB, false}, {28, 7, RGB, false}, {28, 16, RGB, true}, {28, 32, RGB, true},
      // Bit-field masks, 24-bit run-length of both kinds, top-down run-length,
      // RLE4 at 8 bits, run-length at 4 bits, a run-length file of one row,
      // RLE4 at 4 bits with all of its 16 colours.
      {30, 3, RLE, false}, {30, BMP_RLE8, RGB, false}, {30, BMP_RLE4, RGB, false},
      {22, 0xFFFFFFE6, RLE, false}, {30, BMP_RLE4, RLE, false}, {28, 4, RLE, false},
      {22, 1, RLE, true}, {46, 0, RLE4, true},
      // Colours used: a true-colour table too long; 0 (all 256), 3, too many at 8 bits.
      {46, 257, TABLE, false}, {46, 0, RLE, true}, {46, 3, RLE, true}, {46, 257, RLE, false},
      // Pixel data inside the colour table or past the end; run-length sizes 0 and too big.
      {10, 54 + 1024 - 1, RLE, false}, {10, 54 + 1024 + 41, RLE, false}, {34, 0, RLE, false},
      {34, 41, RLE, false},
      // Uncompressed 8, 4 and 1 bits with their colour tables; a file not starting BM.
      {28, 8, TABLE, true}, {28, 4, TABLE, true}, {28, 1, TABLE, true}, {0, 'X', RGB, false},
      // Widths 0 and 1 where the pixel data does not depend on them.
      {18, 0, RLE, false}, {18, 1, RLE, true},
      // Values whose every byte matters: too wide, tall or colourful only by
      // a high byte; a file, pixel offset and data size over 64 KB that fit.
      {18, 0x10004, RLE, false}, {18, 0x1000004, RLE, false}, {22, 0x10001, RLE, false},
      {22, 0x1000001, RLE, false}, {46, 0x10003, RLE, false}, {46, 0, BIG, true},
      {10, 65590, BIG, true}, {34, 70000, BIG, true}, {34, 70001, BIG, false},
  };
  for (const auto& c : cases) {
    Bytes file = bases[c.base];
    Put(file, c.at, c.value, c.at == 0 ? 1 : c.at == 26 || c.at == 28 ? 2 : 4);  // 16-bit fields
    EXPECT_EQ(BmpReadLayout(file.data(), file.size(), a), c.accepted) << "case " << &c - cases;
  }
}

// Uncompressed rows are padded to whole 4-byte words: at every depth a width
// that fills its words and one that needs a word more, each with exactly
// two rows of pixel data (accepted, all of it the platform's) and with one
// byte less (refused).
TEST(BmpHeader, UncompressedRowsArePaddedToWords) {
  const struct { uint16_t bits; int32_t width; uint32_t rowBytes; } rows[] = {
      {1, 32, 4}, {1, 33, 8}, {4, 8, 4}, {4, 9, 8}, {8, 4, 4}, {8, 5, 8},
      {16, 2, 4}, {16, 3, 8}, {24, 4, 12}, {24, 5, 16}, {32, 1, 4}, {32, 2, 8}};
  for (const auto& r : rows) {
    const std::vector<uint32_t> colours(r.bits <= 8 ? 1u << r.bits : 0);
    for (const uint32_t less : {0u, 1u}) {
      const Bytes file = Assemble(r.width, 2, r.bits, BMP_RGB, colours, Bytes(2 * r.rowBytes - less));
      BmpLayout a;
      EXPECT_EQ(BmpReadLayout(file.data(), file.size(), a), less == 0) << r.bits << " " << r.width;
      EXPECT_EQ(a.pixelBytes, less ? 0 : 2 * r.rowBytes) << r.bits << " " << r.width;
    }
  }
}
