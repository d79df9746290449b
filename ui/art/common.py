"""Shared helpers of the drawing scripts: fonts, colours, saving."""
import os

import numpy as np
from PIL import Image, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONTS = "/usr/share/fonts/truetype"

SANS_BOLD = f"{FONTS}/liberation/LiberationSans-Bold.ttf"
SANS = f"{FONTS}/liberation/LiberationSans-Regular.ttf"
SANS_ITALIC = f"{FONTS}/liberation/LiberationSans-Italic.ttf"
SERIF_BOLD = f"{FONTS}/liberation/LiberationSerif-Bold.ttf"
SERIF_BOLD_ITALIC = f"{FONTS}/liberation/LiberationSerif-BoldItalic.ttf"
SERIF_ITALIC = f"{FONTS}/liberation/LiberationSerif-Italic.ttf"
DEJAVU_SERIF_BOLD = f"{FONTS}/dejavu/DejaVuSerif-Bold.ttf"
DEJAVU_SANS_BOLD = f"{FONTS}/dejavu/DejaVuSans-Bold.ttf"

PROGRAM = "Tessel SUDOKU"
AUTHOR = "Tomas Vedral"

SLATE = (39, 78, 91)
LIGHT_BLUE = (192, 240, 255)
GOLD = (205, 203, 134)
DARK_BLUE = (8, 71, 136)
PALE_GREEN = (214, 247, 214)
PURPLE = (99, 0, 148)
DARK_PURPLE = (90, 0, 148)


def font(path, size):
    return ImageFont.truetype(path, size)


def out(name):
    return os.path.join(HERE, name)


def save(image, name):
    """Saves losslessly, without gamma or colour-profile chunks."""
    image.save(out(name), optimize=True)
    print(f"{name}: {image.size[0]} x {image.size[1]}, {len(set(image.getdata()))} colours")


def to_image(array):
    return Image.fromarray(np.clip(np.rint(array), 0, 255).astype(np.uint8), "RGB")


def blend(a, b, t):
    """a where t = 0, b where t = 1; t may be an array."""
    a = np.asarray(a, dtype=float)
    b = np.asarray(b, dtype=float)
    t = np.asarray(t, dtype=float)[..., None]
    return a * (1 - t) + b * t


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)
