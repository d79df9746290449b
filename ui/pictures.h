// The pictures built into the program: complete bitmap files (24-bit
// uncompressed or 8-bit RLE8) and the skin block, as constant arrays made
// from ui/art at build time. Each NAME has its byte count in NAME_SIZE.
#pragma once

#include <cstddef>

extern const unsigned char PICTURE_ABOUT_BANNER[];      // 332 x 76, 24-bit
extern const unsigned char PICTURE_PROGRAM_NAME[];      // 135 x 35, 24-bit
extern const unsigned char PICTURE_PORTRAIT[];          // 142 x 190, 24-bit
extern const unsigned char PICTURE_PORTRAIT_CAPTION[];  // 114 x 19, 24-bit
extern const unsigned char PICTURE_DONATION_HEADER[];   // 410 x 80, RLE8
extern const unsigned char PICTURE_DONATION_MESSAGE[];  // 410 x 220, 24-bit
extern const unsigned char PICTURE_DONATION_THANKS[];   // 410 x 140, 24-bit
extern const unsigned char SKIN_BLOCK[];

extern const size_t PICTURE_ABOUT_BANNER_SIZE;
extern const size_t PICTURE_PROGRAM_NAME_SIZE;
extern const size_t PICTURE_PORTRAIT_SIZE;
extern const size_t PICTURE_PORTRAIT_CAPTION_SIZE;
extern const size_t PICTURE_DONATION_HEADER_SIZE;
extern const size_t PICTURE_DONATION_MESSAGE_SIZE;
extern const size_t PICTURE_DONATION_THANKS_SIZE;
extern const size_t SKIN_BLOCK_SIZE;

// The check markers, 26 x 26 RLE8: entry d - 1 shows the digit d.
inline constexpr int DIGIT_MARKER_COUNT = 9;
extern const unsigned char* const PICTURE_DIGIT_MARKERS[DIGIT_MARKER_COUNT];
