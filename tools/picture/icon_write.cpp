// Writing the icon file: directory, one entry, then a bitmap of double
// height (colour rows, then mask rows), both bottom-up.
#include "tools/picture/icon_write.h"

namespace {

constexpr uint32_t DIRECTORY_SIZE = 6 + 16;
constexpr uint32_t COLOUR_STRIDE = ICON_SIDE * 3;       // already a multiple of 4
constexpr uint32_t MASK_STRIDE = (ICON_SIDE / 8 + 3) / 4 * 4;
constexpr uint32_t IMAGE_SIZE = 40 + (COLOUR_STRIDE + MASK_STRIDE) * ICON_SIDE;

bool Transparent(uint32_t pixel) { return (pixel >> 24) < 128; }

}  // namespace

Bytes IconFile(const Picture& picture) {
  if (picture.width != ICON_SIDE || picture.height != ICON_SIDE) return {};
  Bytes out;
  PutLE(out, 0, 2);  // reserved
  PutLE(out, 1, 2);  // icon
  PutLE(out, 1, 2);  // one image
  out.insert(out.end(), {ICON_SIDE, ICON_SIDE, 0, 0});
  PutLE(out, 1, 2);   // planes
  PutLE(out, 24, 2);  // bits per pixel
  PutLE(out, IMAGE_SIZE, 4);
  PutLE(out, DIRECTORY_SIZE, 4);

  PutLE(out, 40, 4);
  PutLE(out, ICON_SIDE, 4);
  PutLE(out, ICON_SIDE * 2, 4);  // colour and mask
  PutLE(out, 1, 2);
  PutLE(out, 24, 2);
  PutLE(out, 0, 4);  // uncompressed
  PutLE(out, IMAGE_SIZE - 40, 4);
  for (int i = 0; i < 4; ++i) PutLE(out, 0, 4);  // resolution, colours

  for (int32_t y = ICON_SIDE - 1; y >= 0; --y) {
    for (int32_t x = 0; x < ICON_SIDE; ++x) {
      const uint32_t pixel = picture.At(x, y);
      PutLE(out, Transparent(pixel) ? 0 : pixel & 0xFFFFFF, 3);
    }
  }
  for (int32_t y = ICON_SIDE - 1; y >= 0; --y) {
    uint8_t bits[MASK_STRIDE] = {};
    for (int32_t x = 0; x < ICON_SIDE; ++x) {
      if (Transparent(picture.At(x, y))) bits[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), bits, bits + MASK_STRIDE);
  }
  return out;
}
