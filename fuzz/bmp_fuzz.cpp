// Fuzz target: any bytes as a BMP file for the header checks, two ways.
// With the true length, the checks must stay inside the bytes, and a file
// they accept must be one the platform can draw without reading outside it.
// With only an address, as the image layer calls them, the checks may read
// no further than the file size in the header; here that size is made to
// fit an exact-size copy, and the answer must be the one the length gives.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "runtime/bmp_header.h"

namespace {

constexpr size_t HEADERS_SIZE = BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE;
constexpr size_t SIZE_FIELD = 2;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

uint32_t U16(const uint8_t* p) { return p[0] | p[1] << 8; }
uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

// What an accepted file must hold, re-derived from the bytes.
void CheckAccepted(const uint8_t* file, size_t size, const BmpLayout& layout) {
  Require(size >= HEADERS_SIZE && file[0] == 'B' && file[1] == 'M');
  Require(layout.fileSize == U32(file + 2) && layout.fileSize >= HEADERS_SIZE && layout.fileSize <= size);
  Require(U32(file + 14) == BMP_INFO_HEADER_SIZE && U16(file + 26) == 1);
  Require(layout.width == int32_t(U32(file + 18)) && layout.height == int32_t(U32(file + 22)));
  Require(layout.width > 0 && layout.width <= BMP_MAX_SIDE);
  Require(layout.height != 0 && layout.height >= -BMP_MAX_SIDE && layout.height <= BMP_MAX_SIDE);
  Require(layout.bitsPerPixel == U16(file + 28) && layout.compression == U32(file + 30));
  Require(layout.pixelOffset == U32(file + 10));

  // The colour table: what the platform copies after the header.
  const uint32_t bits = layout.bitsPerPixel;
  if (bits <= 8) {
    Require(layout.colourCount >= 1 && layout.colourCount <= (1u << bits));
  } else if (layout.colourCount > 0) {  // the optional table of a true-colour file
    Require(layout.colourCount <= 256);
  }
  Require(HEADERS_SIZE + uint64_t{layout.colourCount} * 4 <= layout.pixelOffset);

  // The pixel data: inside the file, and all the platform reads.
  Require(layout.pixelBytes > 0);
  Require(uint64_t{layout.pixelOffset} + layout.pixelBytes <= layout.fileSize);
  const uint64_t rows = layout.height < 0 ? -int64_t{layout.height} : layout.height;
  if (layout.compression == BMP_RGB) {
    const uint64_t rowBytes = (uint64_t(layout.width) * bits + 31) / 32 * 4;
    Require(layout.pixelBytes == rowBytes * rows);
  } else {
    Require(layout.compression == (bits == 8 ? BMP_RLE8 : BMP_RLE4) && layout.height > 0);
    Require(layout.pixelBytes == U32(file + 34));
  }
}

bool Same(const BmpLayout& a, const BmpLayout& b) {
  return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel &&
         a.compression == b.compression && a.colourCount == b.colourCount &&
         a.pixelOffset == b.pixelOffset && a.pixelBytes == b.pixelBytes && a.fileSize == b.fileSize;
}

void CheckWithLength(const uint8_t* data, size_t size) {
  BmpLayout layout;
  if (BmpReadLayout(data, size, layout)) CheckAccepted(data, size, layout);
}

// An exact-size copy whose header claims no more than the copy holds.
void CheckWithAddressOnly(const uint8_t* data, size_t size) {
  if (size < SIZE_FIELD + 4) return;  // no room for the claim
  std::vector<uint8_t> copy(data, data + size);  // exact size: ASan watches its end
  if (U32(copy.data() + SIZE_FIELD) > size) {
    const auto claim = static_cast<uint32_t>(size);
    for (int i = 0; i < 4; ++i) copy[SIZE_FIELD + i] = uint8_t(claim >> (8 * i));
  }
  BmpLayout bounded;
  BmpLayout unbounded;
  const bool accepted = BmpReadLayout(copy.data(), SIZE_MAX, unbounded);
  Require(accepted == BmpReadLayout(copy.data(), size, bounded));
  if (!accepted) return;
  Require(Same(bounded, unbounded));
  CheckAccepted(copy.data(), size, unbounded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckWithLength(data, size);
  CheckWithAddressOnly(data, size);
  return 0;
}
