// The layout of the skin block, shared by the skin layer and the tool that
// writes the block: run height, packed flag, picture size, packed size, the
// signature line, the picture, the run table length and the runs.
#pragma once

#include <cstdint>

inline constexpr int32_t SKIN_RUN_HEIGHT_OFFSET = 0;
inline constexpr int32_t SKIN_PACKED_FLAG_OFFSET = 1;
inline constexpr int32_t SKIN_PICTURE_SIZE_OFFSET = 2;
inline constexpr int32_t SKIN_PACKED_SIZE_OFFSET = 6;
inline constexpr int32_t SKIN_SIGNATURE_OFFSET = 10;
inline constexpr int32_t SKIN_PICTURE_OFFSET = 60;
inline constexpr int32_t SKIN_RUN_SIZE = 6;  // left, top, right: signed 16-bit each

// 48 characters, then CR LF in the block.
inline constexpr char SKIN_SIGNATURE[] = "Tessel SUDOKU skin block, packed RLE8, format 1.";
static_assert(sizeof SKIN_SIGNATURE - 1 == 48);
