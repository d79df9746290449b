"""The pictures made of text: the About banner, the program name, the
portrait's caption, and the donation message and thanks."""
import numpy as np
from PIL import Image, ImageDraw

from common import *


def text_layer(size, items):
    """A coverage mask (0..1) of text items: (x, y, text, font, anchor)."""
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    for x, y, text, face, anchor in items:
        draw.text((x, y), text, fill=255, font=face, anchor=anchor)
    return np.asarray(mask, dtype=float) / 255.0


def paint(size, ground, ink, coverage):
    w, h = size
    base = np.empty((h, w, 3))
    base[:] = ground
    return to_image(blend(base, ink, coverage))


def frame_mask(size, inset, width=1):
    w, h = size
    mask = np.zeros((h, w))
    mask[inset:h - inset, inset:w - inset] = 1
    mask[inset + width:h - inset - width, inset + width:w - inset - width] = 0
    return mask


def about_banner():
    size = (332, 76)
    words = text_layer(size, [(166, 39, PROGRAM, font(SANS_BOLD, 40), "mm")])
    frame = np.maximum(frame_mask(size, 3), frame_mask(size, 6))
    save(paint(size, LIGHT_BLUE, SLATE, np.maximum(words, frame)), "about-banner.png")


def program_name():
    size = (135, 35)
    words = text_layer(size, [(67, 18, PROGRAM, font(SANS_BOLD, 15), "mm")])
    frame = frame_mask(size, 1)
    save(paint(size, LIGHT_BLUE, SLATE, np.maximum(words, frame)), "program-name.png")


def portrait_caption():
    size = (114, 19)
    olive = (64, 62, 26)
    words = text_layer(size, [(57, 10, "Leonhard Euler", font(SERIF_BOLD, 14), "mm")])
    save(paint(size, olive, GOLD, words), "portrait-caption.png")


def paragraphs(size, blocks, face, left=14, gap=10, leading=18):
    """Word-wrapped paragraphs, centred as a whole from top to bottom;
    blocks of ("p", text) or ("right", text)."""
    draw = ImageDraw.Draw(Image.new("L", size))
    width = size[0] - 2 * left
    items, y = [], 0
    for kind, text in blocks:
        if kind == "right":
            items.append((size[0] - left, y, text, face, "ra"))
            y += leading + gap
            continue
        line = ""
        for word in text.split():
            trial = f"{line} {word}".strip()
            if draw.textlength(trial, font=face) > width and line:
                items.append((left, y, line, face, "la"))
                y += leading
                line = word
            else:
                line = trial
        items.append((left, y, line, face, "la"))
        y += leading + gap
    # Line boxes hold the descenders; the ink of the last line ends ~4 px early.
    top = (size[1] - (y - gap) + 3) // 2
    return text_layer(size, [(x, line_y + top, t, f, a) for x, line_y, t, f, a in items])


MESSAGE = [
    ("p", f"{PROGRAM} is my first program in the English language. "
          "I hope you will enjoy using it as much as I enjoyed writing it."),
    ("p", f"{PROGRAM} is a donation program. What you have is the full "
          "version with all its functions, at once and for all time: nothing "
          "is locked, nothing runs out, there is nothing to register."),
    ("p", "I trust you to pay for it. If the program gives you pleasure, "
          "please send a donation of your choice with the button below."),
]

THANKS = [
    ("p", "That is all. Thank you very much for your payment; it keeps "
          "this program alive and growing."),
    ("p", f"Enjoy {PROGRAM} and many good puzzles!"),
    ("right", f"{AUTHOR}, author of {PROGRAM}"),
]


def donation_message():
    size = (410, 220)
    words = paragraphs(size, MESSAGE, font(SANS_BOLD, 14), gap=10, leading=17)
    save(paint(size, PALE_GREEN, DARK_BLUE, words), "donation-message.png")


def donation_thanks():
    size = (410, 140)
    words = paragraphs(size, THANKS, font(SANS_BOLD, 14), gap=14, leading=19)
    save(paint(size, PALE_GREEN, DARK_BLUE, words), "donation-thanks.png")


if __name__ == "__main__":
    about_banner()
    program_name()
    portrait_caption()
    donation_message()
    donation_thanks()
