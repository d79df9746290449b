// A stand-in for the program's skin picture, drawn by the tests: a 766 x 579
// 8-bit RLE8 bitmap file with dithered gradients, bevelled panels, a grid, a
// slanted cut-away edge, lettering and a noisy texture, so that the packer is
// measured on data of the same nature as the real picture.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr int32_t SKIN_LIKE_WIDTH = 766;
inline constexpr int32_t SKIN_LIKE_HEIGHT = 579;

// The whole bitmap file.
std::vector<uint8_t> SkinLikePicture();

// RLE8 pixel data for indices (rows top-down, stored bottom-up): encoded runs,
// absolute runs of 3 or more, end-of-line, end-of-bitmap.
std::vector<uint8_t> Rle8Encode(const std::vector<uint8_t>& indices, int32_t width, int32_t height);
