"""The skin of the main window, 766 x 579, and its run table.

Top: the roofs of a temple in six tiers of glazed golden tiles, each tier
wider than the one above, so that their hips make the window's slanted,
stepped outline; the second tier is split into two wings. On the right the
temple's front (red columns, lattice screens, a stone base) continues
down to the right panel. Below: three pale cyan panels framed by dark lines:
the left one with a mat for the portrait and its caption and a plate for
three buttons, the centre one with the grid's nine box plates under the
cells, the right one with plates for the difficulty controls and the
command buttons."""
import numpy as np
from PIL import Image

import skin_geometry as geo
from common import save

W, H = geo.WIDTH, geo.HEIGHT
ys, xs = np.mgrid[0:H, 0:W]

# Tiles and timber.
TILE_LIGHT = np.array((238, 196, 100))
TILE_MID = np.array((204, 152, 62))
TILE_DARK = np.array((118, 78, 32))
EAVE_GOLD = np.array((246, 214, 120))
RIDGE = np.array((150, 96, 38))
SHADOW = np.array((58, 30, 24))
RED = np.array((186, 46, 34))
RED_DARK = np.array((120, 28, 24))
TEAL = np.array((44, 126, 118))
STONE = np.array((150, 150, 140))
# Panels.
OUTLINE = (24, 52, 62)
PANEL = (208, 240, 242)
PANEL_LIGHT = (240, 252, 252)
PANEL_SHADE = (168, 208, 214)
PLATE = (178, 220, 228)
BOX = (150, 198, 210)
BOX_SHADE = (112, 162, 178)
MAT = (64, 62, 26)
MAT_GOLD = (205, 203, 134)

CELL_X = (181, 221, 261, 311, 351, 391, 441, 481, 521)
CELL_Y = (193, 233, 273, 323, 363, 403, 453, 493, 533)
PANEL_TOP = 176
RIGHT_PANEL_TOP = 270
LEFT_DIVIDER, RIGHT_DIVIDER = 164, 566


def pick(conditions, colours, default):
    """Per pixel, the colour of the first condition that holds."""
    return np.select([np.asarray(c)[..., None] for c in conditions],
                     [np.asarray(c, float) for c in colours], np.asarray(default, float))


def cut_mask():
    cut = np.zeros((H, W), bool)
    for left, top, right in geo.runs():
        cut[top, left:right] = True
    return cut


def left_edges():
    return np.array([geo.left_edge(y) if y < geo.CUT_ROWS else 0 for y in range(H)])


def right_edges():
    return np.array([geo.right_edge(y) if y < geo.RIGHT_ROWS else W for y in range(H)])


def roofs(rgb):
    """Six tiers of tiles, rows 0 to 175, and the hips along the outline."""
    k = ys // geo.TIER
    t = ys % geo.TIER
    in_band = ys < geo.CUT_ROWS + 2
    # Tile rolls: vertical, 7 pixels apart, lit from the left.
    phase = (xs + 3 * k) % 7
    roll = pick([phase < 2, phase < 4, phase < 6], [TILE_DARK, TILE_LIGHT, TILE_MID], TILE_MID * 0.9)
    depth = np.clip((t - 5) / 19.0, 0, 1)
    # Light from the upper left; the eave above shades the top rows; the
    # surface turns away near the hips.
    lit = 1.08 - 0.26 * xs / W - 0.2 * depth - 0.22 * (t == 5) - 0.1 * (t == 6)
    hip = np.minimum(np.abs(xs - left_edges()[:, None]), np.abs(right_edges()[:, None] - xs))
    lit -= 0.16 * np.clip(1 - hip / 26.0, 0, 1)
    tiles = roll * lit[..., None]
    # Under each eave: shadow with red bracket blocks between teal boards.
    block = (xs + 7 * k) % 14
    brackets = pick([t == 0, t == 1, (block < 5) & (t < 5), t < 5],
                         [SHADOW * 0.7, SHADOW, RED, TEAL * 0.7], SHADOW)
    # The eave: a golden lip, tile ends as discs over each roll, a dark edge.
    disc = ((xs + 3 * k) % 7 >= 2) & ((xs + 3 * k) % 7 <= 5)
    eave = pick([t == 24, (t == 25) & disc, (t == 26) & disc, t == 25, t == 26, t == 27],
                     [EAVE_GOLD, EAVE_GOLD * 0.95, EAVE_GOLD * 0.78, TILE_DARK, TILE_DARK * 0.8, SHADOW],
                     SHADOW * 0.6)
    first = k == 0
    ridge = pick([t == 0, t <= 2, t == 3], [RIDGE * 0.6, EAVE_GOLD * 0.9, RIDGE], tiles)
    part = np.where((t < 5)[..., None], np.where(first[..., None], ridge, brackets),
                    np.where((t < 24)[..., None], tiles, eave))
    rgb[in_band] = part[in_band]
    # The bottom tier's eave is followed by a shadow over the panels' frame.
    rgb[(ys >= geo.CUT_ROWS) & (ys < PANEL_TOP)] = SHADOW * 0.7


def centre_bay(rgb):
    """The top tier's central bay comes down over the notch, where the
    second tier parts into two wings."""
    cx = geo.NOTCH_CENTRE
    bay = (np.abs(xs - cx) < 36) & (ys >= 24) & (ys <= 35)
    t = ys - 24
    phase = xs % 7
    disc = (phase >= 2) & (phase <= 5)
    roll = pick([phase < 2, phase < 4], [TILE_DARK, TILE_LIGHT], TILE_MID) * 0.86
    rows = pick([t <= 7, t == 8, (t == 9) & disc, (t == 10) & disc, t <= 10],
                [roll, EAVE_GOLD, EAVE_GOLD * 0.95, EAVE_GOLD * 0.78, TILE_DARK], SHADOW)
    rgb[bay] = rows[bay]
    # A golden medallion on the ridge above the bay.
    r = np.hypot(xs - cx, (ys - 11) * 1.1)
    rgb[r < 8] = EAVE_GOLD
    rgb[(r >= 5) & (r < 6.2)] = RIDGE
    rgb[r < 2.5] = RED


def hips(rgb, cut):
    """A ridge of golden tiles along every slanted edge: the outline and
    both sides of the notch."""
    for y in range(geo.CUT_ROWS):
        edges = [(geo.left_edge(y), 1)]
        if y < geo.RIGHT_ROWS:
            edges.append((geo.right_edge(y) - 1, -1))
        cut_row = geo.notch(y)
        if cut_row:
            edges += [(cut_row[0] - 1, -1), (cut_row[1], 1)]
        for x, inward in edges:
            colours = (RIDGE * 0.55, EAVE_GOLD, TILE_LIGHT, RIDGE)
            for i, c in enumerate(colours):
                xi = x + inward * i
                if 0 <= xi < W and not cut[y, xi]:
                    rgb[y, xi] = c


def eave_ends(rgb):
    """Golden tips at the outer ends of every eave and a small bell
    hanging from each."""
    for k in range(geo.TIERS):
        y = k * geo.TIER + geo.TIER - 1
        ends = [(geo.left_edge(y), 1)]
        if y < geo.RIGHT_ROWS:
            ends.append((geo.right_edge(y) - 1, -1))
        for x, inward in ends:
            for dy in range(5):
                for i in range(2 + dy):
                    rgb[y - dy, x + inward * (1 + i)] = EAVE_GOLD if i < 1 + dy else RIDGE
            bx = x + inward * 9
            if y + 6 < geo.CUT_ROWS:
                rgb[y + 1:y + 3, bx] = RIDGE * 0.6
                rgb[y + 3:y + 6, bx - 1:bx + 2] = EAVE_GOLD * 0.9
                rgb[y + 6, bx - 2:bx + 3] = RIDGE


def plaque(rgb):
    """A lacquered board under the fourth eave, in the middle, with a
    golden grid of three by three on it."""
    x0, x1, y0, y1 = 384, 442, 117, 170
    rect(rgb, x0 - 2, y0 - 2, x1 + 2, y1 + 2, SHADOW * 0.6)
    rect(rgb, x0, y0, x1, y1, EAVE_GOLD * 0.9)
    rect(rgb, x0 + 2, y0 + 2, x1 - 2, y1 - 2, RED_DARK)
    rect(rgb, x0 + 3, y0 + 3, x1 - 3, y1 - 3, RED)
    gx, gy, cell = (x0 + x1) // 2 - 19, (y0 + y1) // 2 - 19, 13
    for i in range(4):
        rect(rgb, gx + i * cell, gy, gx + i * cell + 2, gy + 3 * cell + 2, EAVE_GOLD)
        rect(rgb, gx, gy + i * cell, gx + 3 * cell + 2, gy + i * cell + 2, EAVE_GOLD)
    for i in range(3):
        c = (gx + i * cell + 6, gy + i * cell + 6)
        rect(rgb, c[0] - 2, c[1] - 2, c[0] + 4, c[1] + 4, EAVE_GOLD * 0.95)
    # Cords from the eave above.
    rect(rgb, x0 + 8, y0 - 8, x0 + 9, y0 - 2, SHADOW)
    rect(rgb, x1 - 9, y0 - 8, x1 - 8, y0 - 2, SHADOW)


def button_tablets(rgb):
    """Dark tablets edged in gold behind the minimise and close buttons."""
    for x, y in ((632, 63), (659, 78)):
        rect(rgb, x - 3, y - 3, x + 19, y + 19, SHADOW * 0.6)
        frame(rgb, x - 2, y - 2, x + 18, y + 18, EAVE_GOLD)


def temple_front(rgb):
    """Under the roofs on the right, down to the right panel: a bracket
    band, red columns with lattice screens between, a stone base."""
    area = (xs >= RIGHT_DIVIDER) & (ys >= PANEL_TOP) & (ys < RIGHT_PANEL_TOP)
    y = ys - PANEL_TOP
    lattice = ((xs % 8 == 0) | (ys % 8 == 0)) & ((xs + ys) % 2 == 0) | (xs % 8 == 0) | (ys % 8 == 0)
    screen = np.where(lattice[..., None], TILE_MID * 0.85, SHADOW * 0.8)
    column = ((xs - RIGHT_DIVIDER - 14) % 50) < 10
    col_shade = np.where((((xs - RIGHT_DIVIDER - 14) % 50) < 3)[..., None], RED * 1.2, RED)
    col_shade = np.where((((xs - RIGHT_DIVIDER - 14) % 50) >= 8)[..., None], RED_DARK, col_shade)
    front = np.where(column[..., None], col_shade, screen)
    block = (xs % 14) < 6
    beam = pick([y < 2, (y < 9) & block, y < 9, y < 12, y < 14], [SHADOW * 0.7, RED, TEAL * 0.75, EAVE_GOLD * 0.85, RED_DARK], front)
    base = pick([y >= 88, y >= 84, y >= 82], [STONE * 0.8, STONE, STONE * 1.1], beam)
    rgb[area] = base[area]


def rect(rgb, x0, y0, x1, y1, colour):
    """Fills columns x0..x1-1, rows y0..y1-1."""
    rgb[y0:y1, x0:x1] = colour


def frame(rgb, x0, y0, x1, y1, colour):
    rgb[y0, x0:x1] = colour
    rgb[y1 - 1, x0:x1] = colour
    rgb[y0:y1, x0] = colour
    rgb[y0:y1, x1 - 1] = colour


def plate(rgb, x0, y0, x1, y1, fill=PLATE):
    """A sunk plate: dark outline, shade on its upper and left inner edges."""
    rect(rgb, x0, y0, x1, y1, fill)
    frame(rgb, x0, y0, x1, y1, OUTLINE)
    rgb[y0 + 1, x0 + 1:x1 - 1] = PANEL_SHADE
    rgb[y0 + 1:y1 - 1, x0 + 1] = PANEL_SHADE
    rgb[y1, x0 + 1:x1 + 1] = PANEL_LIGHT
    rgb[y0 + 1:y1 + 1, x1] = PANEL_LIGHT


def panels(rgb):
    rect(rgb, 0, PANEL_TOP, RIGHT_DIVIDER, H, PANEL)
    rect(rgb, RIGHT_DIVIDER, RIGHT_PANEL_TOP, W, H, PANEL)
    # Panel frames: outer edge, top rule, dividers.
    frame(rgb, 0, PANEL_TOP, W, H, OUTLINE)
    frame(rgb, 1, PANEL_TOP + 1, W - 1, H - 1, OUTLINE)
    rgb[PANEL_TOP:PANEL_TOP + 2, RIGHT_DIVIDER + 1:W - 2] = SHADOW * 0.7
    for x in (LEFT_DIVIDER, RIGHT_DIVIDER):
        rect(rgb, x - 1, PANEL_TOP, x + 1, H, OUTLINE)
    rgb[PANEL_TOP + 2:H - 2, LEFT_DIVIDER + 1] = PANEL_LIGHT
    rgb[RIGHT_PANEL_TOP:H - 2, RIGHT_DIVIDER + 1] = PANEL_LIGHT
    rgb[PANEL_TOP + 2, 2:RIGHT_DIVIDER - 1] = PANEL_LIGHT
    rgb[PANEL_TOP + 2:H - 2, 2] = PANEL_LIGHT
    # The right panel begins under the temple front.
    rect(rgb, RIGHT_DIVIDER, RIGHT_PANEL_TOP - 2, W, RIGHT_PANEL_TOP, OUTLINE)
    rgb[RIGHT_PANEL_TOP, RIGHT_DIVIDER + 1:W - 2] = PANEL_LIGHT

    # Left panel: the portrait's mat with its caption plate, then the buttons.
    rect(rgb, 11, 185, 163 - 1, 408, MAT)
    frame(rgb, 11, 185, 162, 408, OUTLINE)
    frame(rgb, 13, 187, 160, 406, MAT_GOLD)
    plate(rgb, 9, 421, 163 - 1, 516)

    # Centre panel: a frame round the grid and a plate behind each box.
    plate(rgb, 170, 182, 563, 575, PLATE)
    for bx in range(3):
        for by in range(3):
            x0, y0 = CELL_X[3 * bx] - 5, CELL_Y[3 * by] - 5
            x1, y1 = CELL_X[3 * bx + 2] + 35, CELL_Y[3 * by + 2] + 35
            rect(rgb, x0 + 2, y0 + 2, x1 + 2, y1 + 2, BOX_SHADE)
            rect(rgb, x0, y0, x1, y1, BOX)
            frame(rgb, x0, y0, x1, y1, OUTLINE)

    # Right panel: difficulty controls, then the command buttons.
    plate(rgb, 574, 282, W - 9, 378)
    plate(rgb, 576, 381, W - 17, 567)


def outline_edges(rgb, cut):
    """A dark line along every cut edge, so the outline reads as drawn."""
    near = np.zeros_like(cut)
    for dy, dx in ((0, 1), (0, -1), (1, 0), (-1, 0)):
        near |= np.roll(cut, (dy, dx), axis=(0, 1))
    edge = near & ~cut
    edge[0, :] |= ~cut[0, :]          # the top row is an edge too
    rgb[edge] = OUTLINE
    rgb[cut] = OUTLINE                # never seen; one colour packs best


def quantize_scene(image):
    """The roofs and temple front in at most 200 colours, without
    dithering (flat bands pack far better than noise); the panels keep
    their exact colours."""
    scene = (ys < PANEL_TOP) | ((xs >= RIGHT_DIVIDER) & (ys < RIGHT_PANEL_TOP - 2))
    pixels = np.asarray(image).copy()
    part = Image.fromarray(np.where(scene[..., None], pixels, pixels[0, 0]).astype(np.uint8), "RGB")
    reduced = part.quantize(200, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE).convert("RGB")
    pixels[scene] = np.asarray(reduced)[scene]
    return Image.fromarray(pixels, "RGB")


def skin():
    rgb = np.zeros((H, W, 3))
    rgb[:] = SHADOW
    cut = cut_mask()
    roofs(rgb)
    centre_bay(rgb)
    temple_front(rgb)
    hips(rgb, cut)
    eave_ends(rgb)
    plaque(rgb)
    button_tablets(rgb)
    panels(rgb)
    outline_edges(rgb, cut)
    image = Image.fromarray(np.clip(np.rint(rgb), 0, 255).astype(np.uint8), "RGB")
    image = quantize_scene(image)
    colours = len(set(image.getdata()))
    assert colours <= 256, colours
    return image


if __name__ == "__main__":
    save(skin(), "skin.png")
    geo.write_runs(geo.__file__.replace("skin_geometry.py", "skin-runs.txt"))
