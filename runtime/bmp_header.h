// Checking the headers of a BMP file held in memory before any of it goes to
// the platform: the file header, the 40-byte information header, the colour
// table and where the pixel data lies. Portable, so that it runs natively
// under the sanitizers and can be fuzzed.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr uint32_t BMP_FILE_HEADER_SIZE = 14;
inline constexpr uint32_t BMP_INFO_HEADER_SIZE = 40;
// Larger than any picture of the program, small enough for any display bitmap.
inline constexpr int32_t BMP_MAX_SIDE = 4096;

inline constexpr uint32_t BMP_RGB = 0;
inline constexpr uint32_t BMP_RLE8 = 1;
inline constexpr uint32_t BMP_RLE4 = 2;

// What a sound BMP file says about itself.
struct BmpLayout {
  int32_t width = 0;          // > 0
  int32_t height = 0;         // as stored: positive bottom-up, negative top-down
  uint16_t bitsPerPixel = 0;
  uint32_t compression = 0;
  uint32_t colourCount = 0;   // entries of the colour table
  uint32_t pixelOffset = 0;   // from the start of the file
  uint32_t pixelBytes = 0;    // bytes of pixel data the platform may read
  uint32_t fileSize = 0;      // as the file header gives it
};

// True when `data` starts with a BMP file whose headers, colour table and
// pixel data all lie inside the file size its header gives, and inside
// `available` bytes. The bytes are read in order and only as far as the
// header's own sizes allow, so a caller that knows only an address (and
// passes SIZE_MAX) relies on the file size the header claims.
bool BmpReadLayout(const void* data, size_t available, BmpLayout& layout);
