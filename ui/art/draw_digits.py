"""The nine check markers: a white digit centred on a purple square, its
anti-aliased edge shaded with a slightly darker purple."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from common import *

SIDE = 26


def digit_marker(digit):
    mask = Image.new("L", (SIDE, SIDE), 0)
    ImageDraw.Draw(mask).text((SIDE / 2, SIDE / 2 - 1), str(digit), fill=255,
                              font=font(SANS_BOLD, 21), anchor="mm")
    # The shade: the glyph spread by a pixel and dropped by one, under the glyph.
    shade = mask.filter(ImageFilter.MaxFilter(3)).filter(ImageFilter.GaussianBlur(0.6))
    shade = np.roll(np.asarray(shade, dtype=float) / 255.0, (1, 1), axis=(0, 1))
    cover = np.asarray(mask, dtype=float) / 255.0
    ground = np.empty((SIDE, SIDE, 3))
    ground[:] = PURPLE
    shaded = blend(ground, DARK_PURPLE, np.clip(shade * 1.5, 0, 1))
    return to_image(blend(shaded, (255, 255, 255), cover))


if __name__ == "__main__":
    for digit in range(1, 10):
        save(digit_marker(digit), f"digit-{digit}.png")
