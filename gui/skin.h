// The skinned window: a borderless window that takes the size, the shape and
// the face of the picture in a skin block.
#pragma once

#include <cstdint>

// 1 on success; 0 when the block's signature does not match, and then
// nothing has changed.
int32_t SkinApply(int32_t windowNumber, int32_t pictureGadget, int32_t imageNumber,
                  const uint8_t* skinBlock, int32_t centre);
// hide = 0: repaint the window with all its children at once, then show it;
// otherwise hide it. Always 0.
int32_t SkinShow(int32_t windowNumber, int32_t hide);
