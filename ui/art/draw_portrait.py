"""The portrait, 142 x 190: a bust of an eighteenth-century mathematician in
a powdered wig and coat, drawn as a line engraving in olive and sepia inks
inside an oval: each form is shaded as a rounded body, and its shade is cut
as hatching whose lines widen where the form is dark, crossed in the
deepest shadows; the outlines follow the forms that lie in front.

Everything is computed at four times the size and then reduced, so the
lines keep their anti-aliased edges."""
import numpy as np
from PIL import Image, ImageDraw

from common import save, smoothstep

W, H = 142, 190
S = 4  # supersampling

PAPER = np.array((233, 227, 186), float)
OLIVE_INK = np.array((46, 48, 16), float)
SEPIA_INK = np.array((70, 40, 18), float)

ys, xs = np.mgrid[0:H * S, 0:W * S].astype(float)
X = (xs + 0.5) / S
Y = (ys + 0.5) / S


def ellipse(cx, cy, rx, ry):
    """Normalised radius: below 1 inside the ellipse."""
    return np.sqrt(((X - cx) / rx) ** 2 + ((Y - cy) / ry) ** 2)


def dome(cx, cy, rx, ry):
    """Height of an ellipsoid: 0 outside, 1 at the centre."""
    r = ellipse(cx, cy, rx, ry)
    return np.sqrt(np.clip(1 - r * r, 0, 1))


def cylinder(cy, ry):
    """Height of a horizontal cylinder of radius ry around row cy."""
    t = (Y - cy) / ry
    return np.sqrt(np.clip(1 - t * t, 0, 1))


LIGHT = np.array((-0.5, -0.6, 0.62))
LIGHT /= np.linalg.norm(LIGHT)


def light(height, relief=14.0):
    """Lambert light on a height field, 0 dark .. 1 lit."""
    gy, gx = np.gradient(height * relief, 1.0 / S)
    n = np.stack([-gx, -gy, np.ones_like(gx)], -1)
    n /= np.linalg.norm(n, axis=-1, keepdims=True)
    return np.clip(n @ LIGHT, 0, 1)


def lines(phase, width):
    """Ink of parallel lines, one per unit of phase, each covering `width`
    (0..1) of its period."""
    d = 1 - np.abs(np.mod(phase, 1.0) - 0.5) * 2  # 1 on the line's centre
    aa = 0.9 / S
    return smoothstep(1 - width - aa, 1 - width + aa, d)


def hatch(tone, phase, cross=None):
    """Lines that widen with the tone (0 paper .. 1 black); where the tone
    passes 0.55 a crossing set comes in."""
    tone = np.clip(tone, 0, 1)
    ink = lines(phase, np.clip(tone * 0.95, 0, 0.92))
    if cross is not None:
        ink = np.maximum(ink, lines(cross, np.clip((tone - 0.55) * 1.6, 0, 0.8)))
    return ink


def strokes(items):
    """Ink of hand strokes: (points, width) polylines in final pixels."""
    layer = Image.new("L", (W * S, H * S), 0)
    draw = ImageDraw.Draw(layer)
    for points, w in items:
        draw.line([(x * S, y * S) for x, y in points], fill=255,
                  width=max(1, int(round(w * S))), joint="curve")
    return np.asarray(layer, float) / 255.0


def polygon(points):
    layer = Image.new("L", (W * S, H * S), 0)
    ImageDraw.Draw(layer).polygon([(x * S, y * S) for x, y in points], fill=255)
    return np.asarray(layer, float) > 127


OVAL = (71.0, 95.0, 63.0, 87.0)
FACE = (67.0, 80.0, 16.5, 22.5)
CROWN = (69.0, 63.0, 26.0, 21.0)
SIDES = (69.0, 93.0, 30.0, 24.0)
COAT = (70.0, 200.0, 70.0, 84.0)
NECK = (67.0, 106.0, 10.0, 11.0)
JABOT = (66.5, 122.0, 9.0, 15.0)
CURLS = [(-1, 79.0), (-1, 90.0), (1, 79.0), (1, 90.0)]  # side, row
CURL_RY = 4.6


def curl_box(side, cy):
    """A curl lies along the side of the head, from the face outwards."""
    x0, x1 = (38.5, 53.0) if side < 0 else (81.5, 99.5)
    return (X > x0) & (X < x1) & (np.abs(Y - cy) < CURL_RY)


def portrait():
    ink = np.zeros((H * S, W * S))
    sepia = np.zeros((H * S, W * S))
    label = np.zeros((H * S, W * S), int)

    def lay(mask, layer_ink, tint, number):
        ink[mask] = layer_ink[mask]
        sepia[mask] = tint
        label[mask] = number

    # Background: level lines, darker to the right where the head casts its shade.
    bg_tone = 0.28 + 0.3 * smoothstep(30, 125, X) + 0.25 * np.exp(-((X - 100) ** 2 + (Y - 80) ** 2) / 500.0)
    lay(np.ones_like(X, bool), hatch(bg_tone, Y / 2.3), 0.0, 1)

    # Coat: dark cloth in curved lines over the shoulders, crossed in shadow.
    coat = (ellipse(*COAT) < 1) & (Y > 106)
    coat_tone = 1.08 - 0.62 * light(dome(*COAT), 9.0) + 0.12 * smoothstep(70, 130, X)
    around = ellipse(*COAT) * COAT[3] / 2.4
    across = np.arctan2(Y - COAT[1], X - COAT[0]) * 100.0 / 2.6
    lay(coat, hatch(coat_tone, around, across), 0.35, 2)

    # Lapels turned back over the chest, lighter than the coat.
    lapels = coat & (polygon([(60, 112), (42, 150), (48, 192), (62, 192), (66, 126)]) |
                     polygon([(76, 112), (96, 150), (90, 192), (76, 192), (71, 126)]))
    lapel_tone = 0.45 + 0.25 * smoothstep(55, 85, X)
    lay(lapels, hatch(lapel_tone, (0.7 * X - 0.7 * Y) / 2.3, (0.7 * X + 0.7 * Y) / 2.3), 0.35, 3)

    # Waistcoat in the opening, with its buttons.
    vest = coat & ~lapels & (np.abs(X - 68.5) < 3 + (Y - 118) * 0.45) & (Y > 118)
    lay(vest, hatch(0.5 + 0.15 * smoothstep(62, 76, X), Y / 2.2), 0.45, 4)

    # The wig's side masses hang beside the face down to the shoulders.
    angle = np.arctan2(Y - 96, X - 69)
    combed = angle * 24.0 / 2.3 + 0.6 * np.sin(ellipse(69, 96, 1, 1) / 2.0)
    sides = (ellipse(*SIDES) < 1) & (Y > 66)
    side_tone = 0.12 + 0.55 * (1 - light(dome(*SIDES), 10.0)) ** 1.2 + 0.1 * smoothstep(75, 95, X)
    lay(sides, hatch(side_tone, combed), 0.15, 7)

    # Neck, then the lace jabot falling from the throat.
    neck = (ellipse(*NECK) < 1) & (Y > 96)
    lay(neck, hatch(0.25 + 0.45 * smoothstep(60, 76, X), (Y + 0.25 * X) / 1.9), 0.9, 5)
    jabot = ellipse(*JABOT) < 1
    folds = X / 2.2 + 1.3 * np.sin(Y / 2.4 + X / 5.0)
    lay(jabot, hatch(0.1 + 0.35 * smoothstep(63, 75, X), folds), 0.5, 6)

    # The face, modelled as a rounded form with a nose, in contour lines.
    face = ellipse(*FACE) < 1
    form = dome(*FACE) + 0.3 * dome(63.5, 86, 3.6, 7.5) + 0.12 * dome(58, 91, 6, 5) + 0.12 * dome(76, 91, 6, 5)
    face_tone = 0.03 + 0.6 * (1 - light(form, 12.0)) ** 1.5
    face_tone += 0.22 * np.exp(-(((X - 57.5) / 5.5) ** 2 + ((Y - 77) / 3.2) ** 2))
    face_tone += 0.22 * np.exp(-(((X - 75.5) / 5.5) ** 2 + ((Y - 77) / 3.2) ** 2))
    contour = ellipse(FACE[0] - 5, FACE[1] - 8, 1, 1) / 1.9
    lay(face, hatch(face_tone, contour, (X + 0.4 * Y) / 1.8), 0.95, 8)

    # The crown: powdered hair combed back from a raised front.
    crown = (ellipse(*CROWN) < 1) & ~(face & (Y > 66))
    crown_tone = 0.04 + 0.5 * (1 - light(dome(*CROWN), 10.0)) ** 1.6
    lay(crown, hatch(crown_tone, combed), 0.15, 9)

    # Rolled curls over the ears: cylinders lit from above.
    for i, (side, cy) in enumerate(CURLS):
        box = curl_box(side, cy)
        ends = np.where(side < 0, X - 38.5, 99.5 - X)
        rounded = box & ((ends > 3) | (np.abs(Y - cy) < CURL_RY * np.sqrt(np.clip(ends / 3, 0, 1))))
        tone = 0.08 + 0.7 * (1 - light(cylinder(cy, CURL_RY), 6.0)) ** 1.3 + 0.08 * (side > 0)
        lay(rounded, hatch(tone, (Y - cy) / 1.5 + 0.25 * np.sin(X / 1.7)), 0.15, 10 + i)

    # Outlines wherever one form lies against another.
    edge = np.zeros_like(label, bool)
    for dy, dx in ((0, 1), (1, 0), (1, 1), (1, -1)):
        shifted = np.roll(label, (dy, dx), axis=(0, 1))
        edge |= (shifted != label)
    edge &= label != 1
    edge |= np.roll(edge, 1, 0) & (label != 1)
    ink = np.maximum(ink, edge * 0.85)

    # Features: brows, eyes, nose, mouth, chin; buttons; the lapels' edges.
    marks = strokes([
        ([(51.5, 72.5), (55.5, 70.4), (61, 71.4)], 1.0),
        ([(71.5, 71.4), (76.5, 70.4), (80.5, 72.6)], 1.0),
        ([(53, 77.6), (56.5, 75.9), (60.5, 77.5)], 0.9),
        ([(54, 78.2), (57, 79.1), (60, 78.2)], 0.45),
        ([(56.2, 77.0), (56.9, 78.1)], 1.5),
        ([(72.5, 77.5), (76, 75.9), (79.5, 77.7)], 0.9),
        ([(73.5, 78.2), (76.5, 79.1), (79, 78.3)], 0.45),
        ([(75.6, 77.0), (76.3, 78.1)], 1.5),
        ([(66.4, 78.5), (66.6, 85.5), (67.8, 89.8)], 0.5),
        ([(62, 89.6), (63.6, 91.2), (66, 91.4), (68.2, 90.2)], 0.8),
        ([(59, 96.2), (63, 97.2), (67.5, 97.0), (72, 95.8)], 0.95),
        ([(61.5, 99.2), (66.5, 99.7)], 0.5),
        ([(61, 103.6), (67, 104.8), (73, 102.8)], 0.55),
    ])
    buttons = np.zeros_like(X)
    for by in (136, 150, 164, 178):
        r = ellipse(68.5, by, 1.8, 1.8)
        buttons = np.maximum(buttons, (r < 1) * np.where(ellipse(68, by - 0.6, 0.7, 0.7) < 1, 0.1, 0.95))
    ink = np.maximum(ink, np.maximum(marks, buttons))
    sepia[marks > 0.1] = 0.9

    # The oval: two rules, and dark cross-hatched spandrels outside.
    oval_r = ellipse(*OVAL)
    outside = oval_r > 1
    corner = hatch(0.8 + 0.1 * smoothstep(0, 142, X), (X + Y) / 2.2, (X - Y) / 2.2)
    ink[outside] = corner[outside]
    sepia[outside] = 0.0
    band = ellipse(OVAL[0], OVAL[1], OVAL[2] + 3.5, OVAL[3] + 3.5)
    ink[(oval_r > 1) & (band < 1)] = 0.0
    ring = lambda r, w: smoothstep(w, 0, np.abs(r - 1) * 70)
    ink = np.maximum(ink, np.maximum(ring(oval_r, 1.0), ring(band, 0.7)))

    frame = (X < 2) | (X > W - 2) | (Y < 2) | (Y > H - 2)
    ink[frame] = 1.0

    colour = OLIVE_INK * (1 - sepia[..., None]) + SEPIA_INK * sepia[..., None]
    rgb = PAPER * (1 - ink[..., None]) + colour * ink[..., None]
    big = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB")
    return big.resize((W, H), Image.LANCZOS)


if __name__ == "__main__":
    save(portrait(), "portrait.png")
