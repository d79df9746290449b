// The two bitmap file formats the program embeds: 24 bits uncompressed and
// 8 bits with a 256-entry palette, run-length encoded (RLE8).
#pragma once

#include "tools/picture/picture.h"

inline constexpr uint32_t BMP_HEADERS_SIZE = 54;
inline constexpr uint32_t BMP_PALETTE_SIZE = 256 * 4;
inline constexpr uint32_t BMP_PIXELS_PER_METRE = 2835;

// Bottom-up rows padded to 4 bytes, pixel data at 54, 2835 pixels per metre.
Bytes Bmp24(const Picture& picture);

// The colours present in ascending 0xRRGGBB order and each pixel's index
// into them, rows top-down; false when there are more than 256 colours.
bool PaletteOf(const Picture& picture, std::vector<uint32_t>& palette, Bytes& indices);

// RLE8 pixel data for indices (rows top-down): rows bottom-up, each the
// shortest mix of encoded and absolute runs, ending with end-of-line, the
// last with end-of-bitmap instead.
Bytes Rle8Encode(const uint8_t* indices, int32_t width, int32_t height);

// A whole RLE8 file: palette of 256 entries (unused ones zero), pixel data
// at 1078, resolution 0, image size = the run-length data. Empty when the
// picture has more than 256 colours.
Bytes BmpRle8(const Picture& picture);
