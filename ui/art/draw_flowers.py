"""The donation dialog's header, 410 x 80: red five-petalled flowers among
green leaves, rendered in three depths (a blurred ground, leaves, flowers in
front) and reduced to 256 colours for the 8-bit file."""
import numpy as np
from PIL import Image, ImageFilter

from common import save, smoothstep

W, H = 410, 80
S = 3
rng = np.random.default_rng(1962)

ys, xs = np.mgrid[0:H * S, 0:W * S].astype(float)
X = (xs + 0.5) / S
Y = (ys + 0.5) / S


def leaf(rgb, cover, x, y, length, width, angle, green, shade_side=1):
    """A pointed leaf from (x, y) along angle, with a lighter midrib and
    veins, darker on one half."""
    c, s = np.cos(angle), np.sin(angle)
    u = (X - x) * c + (Y - y) * s
    v = -(X - x) * s + (Y - y) * c
    t = np.clip(u / length, 0, 1)
    half = width * np.sin(np.pi * t) ** 0.8
    m = smoothstep(0.6 / S, -0.6 / S, np.abs(v) - half) * (u > 0) * (u < length)
    if not m.any():
        return
    side = np.where(v * shade_side > 0, 0.78, 1.0)
    across = 1 - 0.35 * (np.abs(v) / np.maximum(half, 0.1))
    tone = side * (0.75 + 0.35 * across) * (0.85 + 0.25 * (1 - t))
    col = np.asarray(green, float)[None, None, :] * tone[..., None]
    rib = smoothstep(0.5, 0.0, np.abs(v)) * (t < 0.92)
    veins = smoothstep(0.35, 0.0, np.abs(np.mod(u - np.abs(v) * 1.1, 4.5) - 2.25) - 1.9) * 0.5
    col = col + (rib[..., None] * 45 + veins[..., None] * 22) * np.array((0.8, 1.0, 0.6))
    rgb[:] = rgb * (1 - m[..., None]) + col * m[..., None]
    cover[:] = np.maximum(cover, m)


def flower(rgb, x, y, radius, turn, red):
    """Five rounded petals, dark at the heart, with a ring of stamens."""
    dx, dy = X - x, Y - y
    r = np.hypot(dx, dy)
    theta = np.arctan2(dy, dx) - turn
    lobe = np.abs(np.cos(2.5 * theta))
    edge = radius * (0.68 + 0.32 * lobe ** 0.6)
    m = smoothstep(0.7 / S, -0.7 / S, r - edge)
    if not m.any():
        return
    rr = r / radius
    red = np.asarray(red, float)
    col = red[None, None, :] * (0.55 + 0.55 * smoothstep(0.1, 0.8, rr))[..., None]
    # Petals part along dark seams and catch light on their upper sides.
    seam = smoothstep(0.22, 0.0, lobe) * smoothstep(0.15, 0.5, rr)
    col *= (1 - 0.45 * seam)[..., None]
    light = np.clip(-(dx + dy) / (radius * 1.6), 0, 1) * smoothstep(0.3, 0.9, rr)
    col += (light * 70)[..., None] * np.array((1.0, 0.45, 0.4))
    heart = smoothstep(0.3, 0.18, rr)
    col = col * (1 - heart[..., None]) + np.array((120, 20, 18)) * heart[..., None]
    ring = smoothstep(0.08, 0.0, np.abs(rr - 0.2)) * (np.cos(theta * 9) > 0.2)
    col = col * (1 - ring[..., None]) + np.array((250, 214, 70)) * ring[..., None]
    rgb[:] = rgb * (1 - m[..., None]) + col * m[..., None]


def header():
    # Ground: deep green, lighter toward the upper left, with blurred foliage.
    ground = np.zeros((H * S, W * S, 3))
    ground[:] = (22, 58, 24)
    ground += (smoothstep(60, 0, Y) * smoothstep(410, 0, X) * 30)[..., None] * np.array((0.6, 1, 0.5))
    cover = np.zeros((H * S, W * S))
    for _ in range(38):
        leaf(ground, cover, rng.uniform(-20, W), rng.uniform(-10, H + 10), rng.uniform(30, 60),
             rng.uniform(7, 13), rng.uniform(0, 2 * np.pi),
             (rng.uniform(30, 60), rng.uniform(80, 120), rng.uniform(30, 50)))
    for _ in range(7):
        flower(ground, rng.uniform(0, W), rng.uniform(0, H), rng.uniform(10, 15),
               rng.uniform(0, 6.3), (150, 30, 30))
    back = Image.fromarray(np.clip(ground, 0, 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(5 * S))
    rgb = np.asarray(back, float).copy()

    # Leaves in focus.
    cover = np.zeros((H * S, W * S))
    for _ in range(34):
        leaf(rgb, cover, rng.uniform(-15, W), rng.uniform(5, H + 5), rng.uniform(24, 42),
             rng.uniform(5, 9), rng.uniform(-np.pi, 0.2),
             (rng.uniform(40, 80), rng.uniform(110, 160), rng.uniform(30, 60)),
             shade_side=rng.choice((-1, 1)))

    # Flowers in front, spread along the strip, some half out of frame.
    spots = [(18, 20), (55, 58), (92, 28), (140, 50), (178, 16), (214, 60), (250, 30),
             (292, 55), (330, 22), (372, 52), (402, 14), (120, 6), (265, 76), (34, 70)]
    for i, (fx, fy) in enumerate(spots):
        red = (rng.uniform(200, 235), rng.uniform(24, 46), rng.uniform(28, 44))
        radius = rng.uniform(12.5, 17)
        flower(rgb, fx + rng.uniform(-4, 4), fy + rng.uniform(-3, 3), radius, rng.uniform(0, 6.3), red)
        if i % 3 == 0:
            leaf(rgb, cover, fx + radius * 0.4, fy + radius * 0.8, 26, 6, rng.uniform(0.3, 1.2),
                 (60, 140, 50))

    big = Image.fromarray(np.clip(rgb, 0, 255).astype(np.uint8), "RGB")
    small = big.resize((W, H), Image.LANCZOS)
    return small.quantize(256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE).convert("RGB")


if __name__ == "__main__":
    save(header(), "donation-header.png")
