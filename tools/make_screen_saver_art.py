#!/usr/bin/env python3
"""Draws the screen saver's picture and writes it as a 256-colour BMP.

    python3 tools/make_screen_saver_art.py [--out DIR]

Writes into screen_saver/art/ (or DIR):

    countdown_131.bmp   bitmap 131, 280 x 256, 8-bit with a 256-entry palette:
                        a clock a moment before midnight over "2000", on black

The picture is shown in the middle of a black screen, so its edges fade to
black. Uses the shapes, pixel font and colour reduction of make_art.py;
standard library only, and the output is the same byte for byte on every run.
"""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_art as art  # noqa: E402


def countdown_131():
    w, h = 280, 256
    cv = art.Canvas(w, h, art.BLACK)
    cx, cy, r = 140, 104, 74
    # a night sky that fades to the black of the screen at the edges
    cv.fill(art.circle(cx, cy + 20, 150), art.radial(cx, cy, 150, (20, 36, 104), art.BLACK))
    art.draw_stars(cv, 90, 131, (6, 6, w - 6, h - 6))
    for k in range(14, 0, -1):
        cv.fill(art.circle(cx, cy, r + k * 3.0), (70, 120, 240), 0.04)
    cv.fill(art.arc(cx, cy, r + 13, 1.6, 290, 160), art.SKY, 0.55)
    cv.fill(art.arc(cx, cy, r + 22, 1.1, 110, 340), art.SKY, 0.35)
    cv.fill(art.circle(cx + 3, cy + 4, r), art.BLACK, 0.45)
    art.draw_clock(cv, cx, cy, r, 11, 59, 50)
    # the year, in gold, under the clock
    art.draw_text_centred(cv, cx, 196, "2000", art.GOLD, 6, shadow=((0, 0, 30), 0.8))
    art.draw_sparkle(cv, 36, 40, 9)
    art.draw_sparkle(cv, 246, 56, 6.5)
    art.draw_sparkle(cv, 234, 186, 5, art.WHITE)
    art.draw_sparkle(cv, 46, 176, 4.5, art.WHITE)
    # no seam against the black screen: the last pixels fade out
    fade = 14
    for y in range(h):
        for x in range(w):
            edge = min(x, y, w - 1 - x, h - 1 - y)
            if edge < fade:
                cv.blend(y * w + x, art.BLACK, 1.0 - (edge + 0.5) / fade)
    return cv


def bmp8(cv):
    """An uncompressed 8-bit BMP with a palette made for this picture."""
    pixels = [p for row in cv.rgb_rows(art.BLACK) for p in row]
    palette = art.make_palette(pixels)
    index = art.quantise(pixels, palette)
    stride = (cv.w + 3) & ~3
    data = bytearray()
    for y in reversed(range(cv.h)):
        data += index[y * cv.w:(y + 1) * cv.w] + b"\0" * (stride - cv.w)
    info = art.bitmap_info(cv.w, cv.h, 8, len(data), 256)
    colours = art.palette_bytes(palette)
    offset = 14 + len(info) + len(colours)
    head = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return head + info + colours + bytes(data)


OUTPUTS = [
    ("countdown_131.bmp", lambda: bmp8(countdown_131())),
]


def main(argv):
    return art.write_outputs(argv, OUTPUTS, os.path.join("screen_saver", "art"),
                             "Draws the screen saver's picture.")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
