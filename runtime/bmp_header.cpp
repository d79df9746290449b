// Checking a BMP file's headers, byte by byte, before the platform sees it.
#include "runtime/bmp_header.h"

namespace {

// Field offsets from the start of the file.
constexpr size_t SIZE_FIELD = 2;
constexpr size_t PIXEL_OFFSET_FIELD = 10;
constexpr size_t INFO_SIZE_FIELD = 14;
constexpr size_t WIDTH_FIELD = 18;
constexpr size_t HEIGHT_FIELD = 22;
constexpr size_t PLANES_FIELD = 26;
constexpr size_t BITS_FIELD = 28;
constexpr size_t COMPRESSION_FIELD = 30;
constexpr size_t IMAGE_SIZE_FIELD = 34;
constexpr size_t COLOURS_USED_FIELD = 46;

constexpr uint32_t HEADERS_SIZE = BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE;
constexpr uint32_t MAX_EXTRA_COLOURS = 256;  // optional table of a true-colour file

uint32_t ReadU16(const uint8_t* p) { return p[0] | p[1] << 8; }

uint32_t ReadU32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

int32_t ReadI32(const uint8_t* p) { return static_cast<int32_t>(ReadU32(p)); }

bool KnownFormat(uint16_t bits, uint32_t compression, int32_t height) {
  switch (compression) {
    case BMP_RGB:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case BMP_RLE8:  // run-length data is always stored bottom-up
      return bits == 8 && height > 0;
    case BMP_RLE4:
      return bits == 4 && height > 0;
    default:
      return false;
  }
}

bool ColourCount(uint16_t bits, uint32_t used, uint32_t& count) {
  if (bits > 8) {
    count = used;
    return used <= MAX_EXTRA_COLOURS;
  }
  const uint32_t full = 1u << bits;
  count = used ? used : full;
  return count <= full;
}

// Bytes of pixel data: whole padded rows when uncompressed, the stored
// size for run-length data (which has no other end the platform respects).
uint64_t PixelBytes(const BmpLayout& layout, uint32_t imageSize) {
  if (layout.compression != BMP_RGB) return imageSize;
  const uint64_t rowBytes = (static_cast<uint64_t>(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
  const int64_t rows = layout.height < 0 ? -static_cast<int64_t>(layout.height) : layout.height;
  return rowBytes * static_cast<uint64_t>(rows);
}

bool SaneSize(int32_t width, int32_t height) {
  if (width <= 0 || width > BMP_MAX_SIDE) return false;
  return height != 0 && height >= -BMP_MAX_SIDE && height <= BMP_MAX_SIDE;
}

}  // namespace

bool BmpReadLayout(const void* data, size_t available, BmpLayout& layout) {
  layout = {};
  const auto* file = static_cast<const uint8_t*>(data);
  if (!file || available < 2 || file[0] != 'B' || file[1] != 'M') return false;
  if (available < SIZE_FIELD + 4) return false;
  const uint32_t fileSize = ReadU32(file + SIZE_FIELD);
  // From here on nothing is read beyond what both sizes allow.
  if (fileSize < HEADERS_SIZE || fileSize > available) return false;
  if (ReadU32(file + INFO_SIZE_FIELD) != BMP_INFO_HEADER_SIZE) return false;

  layout.fileSize = fileSize;
  layout.width = ReadI32(file + WIDTH_FIELD);
  layout.height = ReadI32(file + HEIGHT_FIELD);
  layout.bitsPerPixel = static_cast<uint16_t>(ReadU16(file + BITS_FIELD));
  layout.compression = ReadU32(file + COMPRESSION_FIELD);
  layout.pixelOffset = ReadU32(file + PIXEL_OFFSET_FIELD);
  if (!SaneSize(layout.width, layout.height) || ReadU16(file + PLANES_FIELD) != 1) return false;
  if (!KnownFormat(layout.bitsPerPixel, layout.compression, layout.height)) return false;
  if (!ColourCount(layout.bitsPerPixel, ReadU32(file + COLOURS_USED_FIELD), layout.colourCount)) {
    return false;
  }

  const uint64_t tableEnd = HEADERS_SIZE + uint64_t{layout.colourCount} * 4;
  if (layout.pixelOffset < tableEnd || layout.pixelOffset >= fileSize) return false;
  const uint64_t pixelBytes = PixelBytes(layout, ReadU32(file + IMAGE_SIZE_FIELD));
  if (pixelBytes == 0 || pixelBytes > fileSize - layout.pixelOffset) return false;
  layout.pixelBytes = static_cast<uint32_t>(pixelBytes);
  return true;
}
