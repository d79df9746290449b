"""The program icon, 32 x 32: a 3 x 3 block of pale yellow squares with the
digits 2, 7 and 1 on the diagonal; the gaps between squares are transparent."""
from PIL import Image

from common import save

FILL = (255, 250, 182, 255)
EDGE = (146, 118, 38, 255)
INK = (38, 30, 22, 255)

# Pixel glyphs, 5 x 7, drawn for this size.
GLYPHS = {
    2: [".###.",
        "##.##",
        "...##",
        "..##.",
        ".##..",
        "##...",
        "#####"],
    7: ["#####",
        "...##",
        "..##.",
        "..##.",
        ".##..",
        ".##..",
        ".##.."],
    1: ["..##.",
        ".###.",
        "..##.",
        "..##.",
        "..##.",
        "..##.",
        ".####"],
}


def draw_icon():
    icon = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    px = icon.load()
    for row in range(3):
        for col in range(3):
            x0, y0 = col * 11, row * 11
            for y in range(10):
                for x in range(10):
                    edge = x in (0, 9) or y in (0, 9)
                    px[x0 + x, y0 + y] = EDGE if edge else FILL
            if row == col:
                glyph = GLYPHS[(2, 7, 1)[row]]
                for gy, line in enumerate(glyph):
                    for gx, c in enumerate(line):
                        if c == "#":
                            px[x0 + 2 + gx, y0 + 2 + gy] = INK
    save(icon, "icon.png")


if __name__ == "__main__":
    draw_icon()
