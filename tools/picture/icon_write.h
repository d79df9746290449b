// The program icon file: one 32 x 32 image at 24 bits with its AND mask.
#pragma once

#include "tools/picture/picture.h"

inline constexpr int32_t ICON_SIDE = 32;

// Pixels with alpha below 128 are transparent: black in the colour image,
// set in the mask. Empty unless the picture is 32 x 32.
Bytes IconFile(const Picture& picture);
