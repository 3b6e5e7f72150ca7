#!/usr/bin/env python3
"""Draws the control panel's pictures and writes them as BMP, ICO and AVI.

    python3 tools/make_art.py [--out DIR]

Writes into control_panel/art/ (or DIR):

    splash_208.bmp    bitmap 208, 324 x 204, the start-up splash / About window
    kalvor_160.ico    icon 160, program and tray icon (32 x 32 and 16 x 16)
    monitor_168.ico   icon 168, "Current PC time settings"
    clock_170.ico     icon 170, "Kalvor last quit time"
    files_197.bmp     bitmap 197, 64 x 64, options: software test autorun
    time_198.bmp      bitmap 198, 64 x 64, options: time tracking; time dialogs
    chip_199.bmp      bitmap 199, 64 x 64, options: hardware and BIOS test autorun
    voice_213.bmp     bitmap 213, 64 x 64, options: voice assistance
    result_186.bmp    bitmap 186, 96 x 96, test result and initial testing
    welcome_188.bmp   bitmap 188, 96 x 96, first-run welcome dialog
    testing_207.avi   animation 207, 96 x 96, 10 frames of 200 ms, 8-bit 'DIB '

Standard library only. Every shape is drawn from a signed distance function
sampled at pixel centres, which gives smooth edges without supersampling.
The output is the same byte for byte on every run.
"""

import argparse
import math
import os
import struct
import sys

# --------------------------------------------------------------------------
# Colours

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
NAVY = (18, 32, 92)
BLUE = (34, 84, 172)
SKY = (120, 170, 235)
GOLD = (244, 192, 64)
DARK_GOLD = (170, 120, 30)
RED = (204, 40, 40)
GREEN = (44, 164, 64)
DARK_GREEN = (20, 96, 36)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


# --------------------------------------------------------------------------
# Signed distance shapes. Each has d(x, y) (negative inside, in pixels) and a
# bounding box (x0, y0, x1, y1) outside which d is at least 0.5. "a | b" is
# the union of two shapes.


class Shape:
    def __init__(self, fn, bbox):
        self.d = fn
        self.bbox = bbox

    def __or__(self, other):
        a, b = self.d, other.d
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _bbox_union(self.bbox, other.bbox))


def _bbox_union(p, q):
    return (min(p[0], q[0]), min(p[1], q[1]), max(p[2], q[2]), max(p[3], q[3]))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r,
                 (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1))


def ring(cx, cy, r, w):
    h = w / 2.0
    return Shape(lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - h,
                 (cx - r - h - 1, cy - r - h - 1, cx + r + h + 1, cy + r + h + 1))


def capsule(x0, y0, x1, y1, w):
    """A line from (x0, y0) to (x1, y1), w wide, with round ends."""
    h = w / 2.0
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def d(x, y):
        px, py = x - x0, y - y0
        t = 0.0 if ll == 0 else clamp01((px * dx + py * dy) / ll)
        return math.hypot(px - t * dx, py - t * dy) - h

    return Shape(d, (min(x0, x1) - h - 1, min(y0, y1) - h - 1,
                     max(x0, x1) + h + 1, max(y0, y1) + h + 1))


def box(x0, y0, x1, y1, radius=0.0):
    """The rectangle from (x0, y0) to (x1, y1) with rounded corners."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0

    def d(x, y):
        qx = abs(x - cx) - hx + radius
        qy = abs(y - cy) - hy + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius

    return Shape(d, (x0 - 1, y0 - 1, x1 + 1, y1 + 1))


def polygon(points):
    """A convex polygon; the points go round in either direction."""
    n = len(points)
    area = sum(points[i][0] * points[(i + 1) % n][1] - points[(i + 1) % n][0] * points[i][1]
               for i in range(n))
    sign = 1.0 if area > 0 else -1.0
    edges = []
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        ex, ey = bx - ax, by - ay
        ln = math.hypot(ex, ey)
        # outward normal for the winding found above
        nx, ny = sign * ey / ln, -sign * ex / ln
        edges.append((ax, ay, nx, ny))

    def d(x, y):
        return max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges)

    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(d, (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1))


def clock_angle(deg):
    """Unit vector for an angle measured clockwise from 12 o'clock."""
    a = math.radians(deg)
    return math.sin(a), -math.cos(a)


def arc(cx, cy, r, w, a0, a1):
    """Part of a ring from angle a0 clockwise to a1 (degrees, 0 = 12 o'clock)."""
    h = w / 2.0
    span = (a1 - a0) % 360.0
    e0 = clock_angle(a0)
    e1 = clock_angle(a1)
    p0 = (cx + r * e0[0], cy + r * e0[1])
    p1 = (cx + r * e1[0], cy + r * e1[1])

    def d(x, y):
        ang = math.degrees(math.atan2(x - cx, -(y - cy))) % 360.0
        if (ang - a0) % 360.0 <= span:
            return abs(math.hypot(x - cx, y - cy) - r) - h
        return min(math.hypot(x - p0[0], y - p0[1]), math.hypot(x - p1[0], y - p1[1])) - h

    return Shape(d, (cx - r - h - 1, cy - r - h - 1, cx + r + h + 1, cy + r + h + 1))


def translate(shape, dx, dy):
    fn = shape.d
    b = shape.bbox
    return Shape(lambda x, y: fn(x - dx, y - dy), (b[0] + dx, b[1] + dy, b[2] + dx, b[3] + dy))


# --------------------------------------------------------------------------
# Paints: a colour, or a function of (x, y) giving a colour.


def linear(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, clamp01(((x - x0) * dx + (y - y0) * dy) / ll))


def radial(cx, cy, r, c0, c1):
    return lambda x, y: mix(c0, c1, clamp01(math.hypot(x - cx, y - cy) / r))


# --------------------------------------------------------------------------
# Canvas: premultiplied RGBA in floats, 0..255 for colour, 0..1 for alpha.


class Canvas:
    def __init__(self, w, h, colour=None):
        self.w, self.h = w, h
        n = w * h
        if colour is None:
            self.r, self.g, self.b, self.a = [0.0] * n, [0.0] * n, [0.0] * n, [0.0] * n
        else:
            self.r, self.g, self.b = [float(colour[0])] * n, [float(colour[1])] * n, [float(colour[2])] * n
            self.a = [1.0] * n

    def blend(self, i, colour, a):
        k = 1.0 - a
        self.r[i] = colour[0] * a + self.r[i] * k
        self.g[i] = colour[1] * a + self.g[i] * k
        self.b[i] = colour[2] * a + self.b[i] * k
        self.a[i] = a + self.a[i] * k

    def fill(self, shape, paint, alpha=1.0):
        x0, y0, x1, y1 = shape.bbox
        xa, xb = max(0, int(math.floor(x0))), min(self.w, int(math.ceil(x1)) + 1)
        ya, yb = max(0, int(math.floor(y0))), min(self.h, int(math.ceil(y1)) + 1)
        d = shape.d
        flat = not callable(paint)
        for y in range(ya, yb):
            py = y + 0.5
            row = y * self.w
            for x in range(xa, xb):
                cov = 0.5 - d(x + 0.5, py)
                if cov <= 0.0:
                    continue
                if cov > 1.0:
                    cov = 1.0
                self.blend(row + x, paint if flat else paint(x + 0.5, py), cov * alpha)

    def paint_all(self, paint):
        """Covers the whole canvas, opaque."""
        self.fill(box(0, 0, self.w, self.h), paint)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        """Pixel-aligned fill of x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.blend(y * self.w + x, colour, alpha)

    def sample(self, x, y):
        """Bilinear sample (premultiplied r, g, b, a) at a point in pixel space."""
        x -= 0.5
        y -= 0.5
        xi, yi = int(math.floor(x)), int(math.floor(y))
        fx, fy = x - xi, y - yi
        acc = [0.0, 0.0, 0.0, 0.0]
        for dy, wy in ((0, 1.0 - fy), (1, fy)):
            for dx, wx in ((0, 1.0 - fx), (1, fx)):
                cx = min(max(xi + dx, 0), self.w - 1)
                cy = min(max(yi + dy, 0), self.h - 1)
                i = cy * self.w + cx
                wgt = wx * wy
                acc[0] += self.r[i] * wgt
                acc[1] += self.g[i] * wgt
                acc[2] += self.b[i] * wgt
                acc[3] += self.a[i] * wgt
        return acc

    def copy(self):
        c = Canvas(self.w, self.h)
        c.r, c.g, c.b, c.a = self.r[:], self.g[:], self.b[:], self.a[:]
        return c

    def pixel(self, i):
        """Straight (not premultiplied) 8-bit r, g, b and alpha 0..1."""
        a = self.a[i]
        if a <= 0.0:
            return 0, 0, 0, 0.0
        return _byte(self.r[i] / a), _byte(self.g[i] / a), _byte(self.b[i] / a), a

    def rgb_rows(self, backdrop=WHITE):
        """Rows of opaque (r, g, b) byte triples, the canvas laid over backdrop."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                i = y * self.w + x
                k = 1.0 - self.a[i]
                row.append((_byte(self.r[i] + backdrop[0] * k),
                            _byte(self.g[i] + backdrop[1] * k),
                            _byte(self.b[i] + backdrop[2] * k)))
            rows.append(row)
        return rows


def _byte(v):
    v = int(v + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v


# --------------------------------------------------------------------------
# A 5 x 7 pixel font with two rows of descenders. Each glyph is as wide as its
# strings, so narrow letters stay narrow; one blank column goes between letters.

_GLYPHS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "J": ["..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "b": ["#....", "#....", "####.", "#...#", "#...#", "#...#", "####."],
    "c": [".....", ".....", ".###.", "#....", "#....", "#...#", ".###."],
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "f": ["..##", ".#..", ".#..", "###.", ".#..", ".#..", ".#.."],
    "g": [".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "h": ["#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "i": [".#.", "...", "##.", ".#.", ".#.", ".#.", "###"],
    "j": ["..#", "...", ".##", "..#", "..#", "..#", "..#", "#.#", ".#."],
    "k": ["#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"],
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "p": [".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."],
    "q": [".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", "....#"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    "t": [".#..", ".#..", "###.", ".#..", ".#..", ".#.#", "..#."],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "y": [".....", ".....", "#...#", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "z": [".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"],
    "0": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    ".": [".", ".", ".", ".", ".", ".", "#"],
    ",": [".", ".", ".", ".", ".", "#", "#", "#"],
    ":": [".", ".", "#", ".", ".", "#", "."],
    "!": ["#", "#", "#", "#", "#", ".", "#"],
    "-": ["...", "...", "...", "###", "...", "...", "..."],
    "'": ["#", "#"],
    "?": [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
}

SPACE_WIDTH = 3


def _glyph_cells(ch):
    return _GLYPHS.get(ch) or _GLYPHS["?"]


def text_width(text, scale=1):
    cols = 0
    for i, ch in enumerate(text):
        if i:
            cols += 1
        cols += SPACE_WIDTH if ch == " " else len(_glyph_cells(ch)[0])
    return cols * scale


def draw_text(cv, x, y, text, colour, scale=1, alpha=1.0):
    """Sets text with its top-left corner at (x, y); capitals are 7 * scale high."""
    for ch in text:
        if ch == " ":
            x += (SPACE_WIDTH + 1) * scale
            continue
        cells = _glyph_cells(ch)
        for row, line in enumerate(cells):
            for col, c in enumerate(line):
                if c == "#":
                    px, py = x + col * scale, y + row * scale
                    cv.rect(px, py, px + scale, py + scale, colour, alpha)
        x += (len(cells[0]) + 1) * scale


def draw_text_centred(cv, cx, y, text, colour, scale=1, shadow=None):
    x = int(round(cx - text_width(text, scale) / 2.0))
    if shadow is not None:
        draw_text(cv, x + max(1, scale // 2), y + max(1, scale // 2), text, shadow[0], scale, shadow[1])
    draw_text(cv, x, y, text, colour, scale)


# --------------------------------------------------------------------------
# Pieces used by several pictures


def hand_shape(cx, cy, angle, length, width, tail=0.0):
    ux, uy = clock_angle(angle)
    return capsule(cx - ux * tail, cy - uy * tail, cx + ux * length, cy + uy * length, width)


def draw_clock(cv, cx, cy, r, hours, minutes, seconds=None,
               rim=BLUE, rim_dark=NAVY, face=(255, 254, 246), face_edge=(214, 222, 238), cap=None):
    """A round clock face with a metal rim; the level of detail follows r."""
    cv.fill(circle(cx, cy, r), linear(cx, cy - r, mix(rim, WHITE, 0.35), cx, cy + r, rim_dark))
    face_r = r * (0.80 if r >= 10 else 0.74)
    if r >= 14:
        cv.fill(ring(cx, cy, face_r + r * 0.06, max(1.0, r * 0.05)), GOLD)
    cv.fill(circle(cx, cy, face_r), radial(cx - r * 0.2, cy - r * 0.25, face_r * 1.3, face, face_edge))
    if r >= 20:
        for i in range(12):
            ux, uy = clock_angle(i * 30)
            inner = face_r * (0.74 if i % 3 == 0 else 0.84)
            outer = face_r * 0.93
            w = r * (0.075 if i % 3 == 0 else 0.04)
            cv.fill(capsule(cx + ux * inner, cy + uy * inner, cx + ux * outer, cy + uy * outer, max(w, 1.0)), NAVY)
    elif r >= 10:
        for i in range(4):
            ux, uy = clock_angle(i * 90)
            cv.fill(circle(cx + ux * face_r * 0.80, cy + uy * face_r * 0.80, max(0.9, r * 0.07)), NAVY)
    hour_angle = (hours % 12) * 30 + minutes * 0.5
    minute_angle = minutes * 6 + (seconds or 0) * 0.1
    thin = 1.2 if r < 10 else 1.0
    cv.fill(hand_shape(cx, cy, hour_angle, face_r * 0.52, max(r * 0.11, 1.6), face_r * 0.08), NAVY)
    cv.fill(hand_shape(cx, cy, minute_angle, face_r * 0.80, max(r * 0.075, thin), face_r * 0.08), NAVY)
    if seconds is not None and r >= 14:
        cv.fill(hand_shape(cx, cy, seconds * 6, face_r * 0.86, max(r * 0.028, 1.0), face_r * 0.2), RED)
    if r >= 10:
        cv.fill(circle(cx, cy, max(r * 0.07, 1.0)), cap or (RED if seconds is not None else NAVY))


def draw_tile(cv, top=(246, 248, 253), bottom=(204, 215, 236), border=(112, 126, 162)):
    """The framed panel behind the dialog pictures."""
    w, h = cv.w, cv.h
    cv.paint_all(linear(0, 0, top, 0, h, bottom))
    cv.rect(0, 0, w, 1, border)
    cv.rect(0, h - 1, w, h, border)
    cv.rect(0, 0, 1, h, border)
    cv.rect(w - 1, 0, w, h, border)
    cv.rect(1, 1, w - 1, 2, WHITE, 0.7)
    cv.rect(1, 1, 2, h - 1, WHITE, 0.7)


def draw_monitor(cv, x0, y0, x1, y1, screen_top=(70, 130, 220), screen_bottom=(16, 44, 120)):
    """A PC monitor whose bezel spans (x0, y0)-(x1, y1), with its stand below.

    Returns the screen rectangle."""
    w = x1 - x0
    bezel = max(1.5, w * 0.09)
    cx = (x0 + x1) / 2.0
    neck_w = w * 0.18
    stand_h = (y1 - y0) * 0.16
    cv.fill(box(cx - neck_w / 2, y1 - 1, cx + neck_w / 2, y1 + stand_h * 0.7), (120, 124, 136))
    cv.fill(box(cx - w * 0.33, y1 + stand_h * 0.55, cx + w * 0.33, y1 + stand_h * 1.25, stand_h * 0.3),
            linear(0, y1 + stand_h * 0.55, (210, 212, 220), 0, y1 + stand_h * 1.25, (130, 134, 146)))
    cv.fill(box(x0, y0, x1, y1, max(1.0, w * 0.06)),
            linear(0, y0, (236, 236, 240), 0, y1, (160, 164, 176)))
    sx0, sy0, sx1, sy1 = x0 + bezel, y0 + bezel, x1 - bezel, y1 - bezel * 1.25
    cv.fill(box(sx0, sy0, sx1, sy1, max(0.5, w * 0.02)), linear(0, sy0, screen_top, 0, sy1, screen_bottom))
    # a soft glare across the top half of the glass
    cv.fill(polygon([(sx0, sy0), (sx1, sy0), (sx1, sy0 + (sy1 - sy0) * 0.15), (sx0, sy0 + (sy1 - sy0) * 0.55)]),
            WHITE, 0.12)
    return sx0, sy0, sx1, sy1


def draw_check(cv, pts, width, colour=GREEN, outline=DARK_GREEN):
    (ax, ay), (bx, by), (cx, cy) = pts
    cv.fill(capsule(ax, ay, bx, by, width + 3) | capsule(bx, by, cx, cy, width + 3), outline)
    cv.fill(capsule(ax, ay, bx, by, width) | capsule(bx, by, cx, cy, width), colour)


def draw_chip(cv, cx, cy, half, pins, pin_len, label=True):
    """A square integrated circuit seen from above."""
    pitch = 2.0 * half / (pins + 1)
    pin_w = max(1.2, pitch * 0.45)
    for i in range(pins):
        o = -half + pitch * (i + 1)
        for sx, sy, ex, ey in (
                (cx + o, cy - half, cx + o, cy - half - pin_len),
                (cx + o, cy + half, cx + o, cy + half + pin_len),
                (cx - half, cy + o, cx - half - pin_len, cy + o),
                (cx + half, cy + o, cx + half + pin_len, cy + o)):
            cv.fill(capsule(sx, sy, ex, ey, pin_w), linear(sx, sy, (96, 100, 112), ex, ey, (196, 200, 212)))
    cv.fill(box(cx - half, cy - half, cx + half, cy + half, half * 0.12),
            linear(cx - half, cy - half, (78, 80, 92), cx + half, cy + half, (24, 24, 30)))
    cv.fill(box(cx - half + 2, cy - half + 2, cx + half - 2, cy + half - 2, half * 0.08), WHITE, 0.06)
    cv.fill(circle(cx - half * 0.62, cy - half * 0.62, max(1.0, half * 0.12)), (14, 14, 18))
    if label:
        scale = 2 if half >= 26 else 1
        draw_text_centred(cv, cx, int(round(cy - 3.5 * scale)), "Y2K", GOLD, scale)


def draw_stars(cv, count, seed, region, max_r=1.1):
    """Scatters faint stars with a small fixed random sequence."""
    x0, y0, x1, y1 = region
    state = seed
    for _ in range(count):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        x = x0 + (state % 10007) / 10007.0 * (x1 - x0)
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        y = y0 + (state % 10007) / 10007.0 * (y1 - y0)
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        bright = 0.25 + (state % 1000) / 1000.0 * 0.6
        cv.fill(circle(x, y, 0.45 + (state % 7) / 7.0 * (max_r - 0.45)), (230, 236, 255), bright)


def draw_sparkle(cv, cx, cy, r, colour=GOLD):
    cv.fill(polygon([(cx, cy - r), (cx + r * 0.22, cy), (cx, cy + r), (cx - r * 0.22, cy)]) |
            polygon([(cx - r, cy), (cx, cy - r * 0.22), (cx + r, cy), (cx, cy + r * 0.22)]), colour)


# --------------------------------------------------------------------------
# The pictures


def splash_208():
    w, h = 324, 204
    cv = Canvas(w, h)
    cv.paint_all(linear(0, 0, (6, 12, 44), w * 0.25, h, (26, 62, 150)))
    draw_stars(cv, 70, 208, (0, 0, w, h))
    cx, cy, r = 82, 100, 60
    # a glow and two orbits around the clock
    for k in range(12, 0, -1):
        cv.fill(circle(cx, cy, r + k * 3.2), (70, 120, 230), 0.035)
    cv.fill(arc(cx, cy, r + 12, 1.4, 300, 150), SKY, 0.55)
    cv.fill(arc(cx, cy, r + 20, 1.0, 120, 330), SKY, 0.35)
    cv.fill(circle(cx + 2.5, cy + 3.5, r), BLACK, 0.35)
    draw_clock(cv, cx, cy, r, 11, 55, 40)
    # title block
    tx = 244
    draw_text_centred(cv, tx, 62, "Kalvor", WHITE, 4, shadow=((0, 0, 24), 0.7))
    cv.fill(capsule(tx - 62, 102, tx + 62, 102, 2.0), GOLD)
    draw_text_centred(cv, tx, 114, "Year 2000", GOLD, 2, shadow=((0, 0, 24), 0.6))
    draw_text_centred(cv, tx, 136, "protection", GOLD, 2, shadow=((0, 0, 24), 0.6))
    draw_text(cv, w - 6 - text_width("Ver. 2.02"), h - 12, "Ver. 2.02", SKY, 1, 0.9)
    return cv


def kalvor_icon(size):
    cv = Canvas(size, size)
    c = size / 2.0
    r = size / 2.0 - (1.0 if size >= 32 else 0.5)
    draw_clock(cv, c, c, r, 10, 10, None, cap=RED)
    return cv


def monitor_icon(size):
    cv = Canvas(size, size)
    s = size / 32.0
    sx0, sy0, sx1, sy1 = draw_monitor(cv, 2 * s, 3 * s, 30 * s, 23 * s)
    ccx, ccy = (sx0 + sx1) / 2.0, (sy0 + sy1) / 2.0
    cr = min(sx1 - sx0, sy1 - sy0) * 0.40
    cv.fill(circle(ccx, ccy, cr), WHITE)
    cv.fill(hand_shape(ccx, ccy, 0, cr * 0.75, max(1.0, 1.4 * s)), NAVY)
    cv.fill(hand_shape(ccx, ccy, 90, cr * 0.55, max(1.0, 1.6 * s)), NAVY)
    return cv


def alarm_icon(size):
    """An alarm clock: the time the program last stopped."""
    cv = Canvas(size, size)
    s = size / 32.0
    cx, cy, r = 16 * s, 17.5 * s, 11.5 * s
    for side in (-1, 1):
        lx = cx + side * r * 0.55
        cv.fill(capsule(lx, cy + r * 0.7, cx + side * r * 0.8, cy + r * 1.08, max(1.6, 3.0 * s)), (60, 60, 70))
        bx, by = cx + side * r * 0.72, cy - r * 0.80
        cv.fill(circle(bx, by, r * 0.42), linear(bx, by - r * 0.4, (255, 226, 130), bx, by + r * 0.4, DARK_GOLD))
    cv.fill(capsule(cx, cy - r * 1.05, cx, cy - r * 1.25, max(1.2, 2.2 * s)), (60, 60, 70))
    draw_clock(cv, cx, cy, r, 4, 0, None, rim=(236, 70, 60), rim_dark=(130, 14, 14))
    return cv


def files_197():
    cv = Canvas(64, 64)
    draw_tile(cv)
    page = polygon([(12, 7), (34, 7), (44, 17), (44, 55), (12, 55)])
    cv.fill(translate(page, 2, 2), BLACK, 0.18)
    cv.fill(page, linear(0, 7, WHITE, 0, 55, (226, 232, 244)))
    cv.fill(polygon([(34, 7), (34, 17), (44, 17)]), (176, 188, 214))
    for i, ln in enumerate((16, 22, 26, 20, 24, 14)):
        y = 22 + i * 5
        cv.fill(capsule(17, y, 17 + ln, y, 1.6), (120, 134, 170))
    lx, ly, lr = 38, 37, 11
    cv.fill(capsule(lx + lr * 0.7, ly + lr * 0.7, 57, 56, 6.5), (70, 44, 24))
    cv.fill(capsule(lx + lr * 0.7, ly + lr * 0.7, 56, 55, 3.0), (150, 100, 56), 0.8)
    cv.fill(circle(lx, ly, lr), (160, 210, 250), 0.35)
    cv.fill(arc(lx, ly, lr * 0.62, 1.6, 300, 350), WHITE, 0.9)
    cv.fill(ring(lx, ly, lr, 3.4), linear(lx - lr, ly - lr, (120, 130, 150), lx + lr, ly + lr, (40, 44, 60)))
    return cv


def time_198():
    cv = Canvas(64, 64)
    draw_tile(cv)
    cx, cy = 32, 32
    # a tracking arrow running round the clock
    cv.fill(arc(cx, cy, 26, 4.0, 20, 300), (236, 128, 24))
    ex, ey = clock_angle(300)
    tx, ty = clock_angle(300 + 90)  # direction of travel, clockwise
    hx, hy = cx + 26 * ex, cy + 26 * ey
    cv.fill(polygon([(hx + ex * 6, hy + ey * 6), (hx - ex * 6, hy - ey * 6),
                     (hx + tx * 8, hy + ty * 8)]), (236, 128, 24))
    cv.fill(circle(cx + 1.5, cy + 2, 20), BLACK, 0.22)
    draw_clock(cv, cx, cy, 20, 10, 8, 36)
    return cv


def chip_199():
    cv = Canvas(64, 64)
    draw_tile(cv)
    cv.fill(box(16, 16, 50, 50, 3), BLACK, 0.2)
    draw_chip(cv, 32, 32, 16, 5, 7)
    bolt = polygon([(44, 3), (35, 17), (42, 17), (46, 10)]) | polygon([(41, 13), (48, 13), (36, 28)])
    cv.fill(translate(bolt, 1, 1), BLACK, 0.3)
    cv.fill(bolt, (255, 206, 36))
    return cv


def voice_213():
    cv = Canvas(64, 64)
    draw_tile(cv)
    body = box(9, 24, 20, 40, 1.5) | polygon([(19, 24), (33, 12), (33, 52), (19, 40)])
    cv.fill(translate(body, 1.5, 2), BLACK, 0.2)
    cv.fill(body, linear(0, 12, (100, 108, 128), 0, 52, (36, 40, 56)))
    cv.fill(box(10.5, 25.5, 14, 38.5, 1), WHITE, 0.25)
    for i, rr in enumerate((8, 15, 22)):
        cv.fill(arc(33, 32, rr, 3.6, 52, 128), BLUE, 1.0 - i * 0.2)
    return cv


def result_186():
    cv = Canvas(96, 96)
    draw_tile(cv)
    cv.fill(box(12, 14, 86, 70, 4), BLACK, 0.15)
    sx0, sy0, sx1, sy1 = draw_monitor(cv, 10, 11, 84, 67)
    # a few lines of "report" on the screen
    for i, ln in enumerate((30, 22, 36, 26)):
        y = sy0 + 8 + i * 7
        cv.fill(capsule(sx0 + 6, y, sx0 + 6 + ln, y, 2.2), (170, 200, 250), 0.45)
    draw_check(cv, [(44, 44), (56, 57), (80, 26)], 8)
    return cv


def welcome_188():
    cv = Canvas(96, 96)
    draw_tile(cv, top=(34, 74, 170), bottom=(8, 18, 64), border=(4, 10, 40))
    draw_stars(cv, 26, 188, (3, 3, 93, 93), 0.9)
    for k in range(8, 0, -1):
        cv.fill(circle(48, 40, 30 + k * 2.5), (90, 140, 255), 0.04)
    cv.fill(circle(49.5, 42.5, 29), BLACK, 0.35)
    draw_clock(cv, 48, 40, 29, 11, 58, 12)
    banner = box(20, 72, 76, 90, 4)
    cv.fill(polygon([(12, 76), (24, 76), (24, 92), (12, 92), (17, 84)]), DARK_GOLD)
    cv.fill(polygon([(84, 76), (72, 76), (72, 92), (84, 92), (79, 84)]), DARK_GOLD)
    cv.fill(banner, linear(0, 72, (255, 224, 120), 0, 90, (222, 160, 40)))
    draw_text_centred(cv, 48, 74, "2000", NAVY, 2)
    draw_sparkle(cv, 14, 14, 6)
    draw_sparkle(cv, 84, 20, 4.5)
    draw_sparkle(cv, 80, 62, 3.5, WHITE)
    return cv


def testing_frames(count=10):
    """A magnifier circling a chip while a row of lights runs along."""
    size = 96
    base = Canvas(size, size, (14, 26, 70))
    for k in range(6, 96, 12):
        base.rect(k, 0, k + 1, size, (70, 110, 200), 0.18)
        base.rect(0, k, size, k + 1, (70, 110, 200), 0.18)
    base.fill(circle(48, 46, 40), (60, 110, 230), 0.10)
    draw_chip(base, 48, 44, 17, 5, 6)
    frames = []
    for f in range(count):
        cv = base.copy()
        for i in range(5):
            x = 28 + i * 10
            lit = i == f % 5
            cv.fill(circle(x, 86, 3.0), (40, 255, 110) if lit else (20, 70, 40))
            if lit:
                cv.fill(circle(x, 86, 5.5), (40, 255, 110), 0.25)
        ang = f * 360.0 / count
        ux, uy = clock_angle(ang)
        lx, ly, lr = 46 + ux * 18, 42 + uy * 18, 11.0
        d = math.sqrt(0.5)
        hx0, hy0 = lx + lr * d, ly + lr * d
        cv.fill(capsule(hx0 + 1, hy0 + 1.5, hx0 + 11, hy0 + 11.5, 6.0), BLACK, 0.35)
        cv.fill(capsule(hx0, hy0, hx0 + 10, hy0 + 10, 6.0), (92, 58, 30))
        cv.fill(capsule(hx0, hy0, hx0 + 10, hy0 + 10, 2.4), (176, 120, 70), 0.8)
        # inside the lens the scene shows 1.7 times larger
        lens = circle(lx, ly, lr)
        xa, ya = int(lx - lr) - 1, int(ly - lr) - 1
        for y in range(max(0, ya), min(size, ya + int(2 * lr) + 3)):
            for x in range(max(0, xa), min(size, xa + int(2 * lr) + 3)):
                cov = clamp01(0.5 - lens.d(x + 0.5, y + 0.5))
                if cov <= 0.0:
                    continue
                pr, pg, pb, pa = base.sample(lx + (x + 0.5 - lx) / 1.7, ly + (y + 0.5 - ly) / 1.7)
                cv.blend(y * size + x, (pr / pa, pg / pa, pb / pa), cov)
        cv.fill(lens, (180, 220, 255), 0.15)
        cv.fill(arc(lx, ly, lr * 0.65, 1.8, 295, 345), WHITE, 0.85)
        cv.fill(ring(lx, ly, lr + 1.2, 3.2), linear(lx - lr, ly - lr, (228, 232, 240), lx + lr, ly + lr, (110, 116, 134)))
        frames.append(cv)
    return frames


# --------------------------------------------------------------------------
# Colour reduction for the 8-bit images: median cut over all pixels given,
# then each colour goes to its nearest palette entry.


def make_palette(pixels, size=256):
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    if len(counts) <= size:
        return sorted(counts)
    boxes = [sorted(counts.items())]
    while len(boxes) < size:
        best, best_score, best_ch = -1, -1.0, 0
        for i, bx in enumerate(boxes):
            if len(bx) < 2:
                continue
            ranges = [max(c[0][k] for c in bx) - min(c[0][k] for c in bx) for k in range(3)]
            ch = ranges.index(max(ranges))
            score = max(ranges) * math.sqrt(sum(c[1] for c in bx))
            if score > best_score:
                best, best_score, best_ch = i, score, ch
        if best < 0:
            break
        bx = sorted(boxes[best], key=lambda c: (c[0][best_ch], c[0]))
        total = sum(c[1] for c in bx)
        acc, cut = 0, 1
        for j, c in enumerate(bx):
            acc += c[1]
            if acc * 2 >= total:
                cut = j + 1
                break
        cut = min(max(cut, 1), len(bx) - 1)
        boxes[best:best + 1] = [bx[:cut], bx[cut:]]
    palette = []
    for bx in boxes:
        n = sum(c[1] for c in bx)
        palette.append(tuple(int((sum(c[0][k] * c[1] for c in bx) + n // 2) // n) for k in range(3)))
    return sorted(set(palette))


def quantise(pixels, palette):
    cache = {}
    out = bytearray(len(pixels))
    for i, p in enumerate(pixels):
        idx = cache.get(p)
        if idx is None:
            idx = min(range(len(palette)),
                      key=lambda j: (palette[j][0] - p[0]) ** 2 * 3 + (palette[j][1] - p[1]) ** 2 * 4
                      + (palette[j][2] - p[2]) ** 2 * 2)
            cache[p] = idx
        out[i] = idx
    return out


def palette_bytes(palette, entries=256):
    out = bytearray()
    for r, g, b in palette:
        out += bytes((b, g, r, 0))
    out += b"\0" * (4 * (entries - len(palette)))
    return bytes(out)


# --------------------------------------------------------------------------
# File formats


def bitmap_info(w, h, bits, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, image_size, 2835, 2835, colours, 0)


def bmp24(cv):
    stride = (cv.w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(cv.rgb_rows()):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    info = bitmap_info(cv.w, cv.h, 24, len(data))
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + bytes(data)


def _and_mask(cv, opaque):
    stride = ((cv.w + 31) // 32) * 4
    data = bytearray()
    for y in reversed(range(cv.h)):
        line = bytearray(stride)
        for x in range(cv.w):
            if not opaque[y * cv.w + x]:
                line[x >> 3] |= 0x80 >> (x & 7)
        data += line
    return bytes(data)


def icon_image_32(cv):
    """A 32-bit image with alpha, and the AND mask for systems without alpha."""
    opaque = []
    xor = bytearray()
    for y in reversed(range(cv.h)):
        for x in range(cv.w):
            r, g, b, a = cv.pixel(y * cv.w + x)
            alpha = _byte(a * 255)
            if alpha == 0:
                r = g = b = 0
            xor += bytes((b, g, r, alpha))
    for i in range(cv.w * cv.h):
        opaque.append(cv.a[i] >= 0.5)
    mask = _and_mask(cv, opaque)
    info = bitmap_info(cv.w, cv.h * 2, 32, len(xor) + len(mask))
    return info + bytes(xor) + mask


def icon_image_8(cv, backdrop=(192, 192, 192)):
    """A 256-colour image; partly covered edge pixels are laid over a grey."""
    opaque = [cv.a[i] >= 0.5 for i in range(cv.w * cv.h)]
    rows = cv.rgb_rows(backdrop)
    pixels = []
    for y in range(cv.h):
        for x in range(cv.w):
            pixels.append(rows[y][x] if opaque[y * cv.w + x] else BLACK)
    palette = make_palette(pixels)
    index = quantise(pixels, palette)
    stride = (cv.w + 3) & ~3
    xor = bytearray()
    for y in reversed(range(cv.h)):
        xor += index[y * cv.w:(y + 1) * cv.w] + b"\0" * (stride - cv.w)
    mask = _and_mask(cv, opaque)
    info = bitmap_info(cv.w, cv.h * 2, 8, len(xor) + len(mask), 256)
    return info + palette_bytes(palette) + bytes(xor) + mask


def ico(images):
    """images: list of (canvas, bits) with bits 8 or 32."""
    blobs = []
    for cv, bits in images:
        blobs.append((cv.w, cv.h, bits, icon_image_32(cv) if bits == 32 else icon_image_8(cv)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for w, h, bits, blob in blobs:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    for _, _, _, blob in blobs:
        out += blob
    return bytes(out)


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def avi_8bit(frames, usec_per_frame):
    """An uncompressed ('DIB ') 8-bit AVI with one video stream and one palette."""
    w, h = frames[0].w, frames[0].h
    all_pixels = []
    frame_pixels = []
    for cv in frames:
        px = [p for row in cv.rgb_rows() for p in row]
        frame_pixels.append(px)
        all_pixels.extend(px)
    palette = make_palette(all_pixels)
    stride = (w + 3) & ~3
    frame_size = stride * h
    rate = 1000000 // usec_per_frame
    movi = bytearray()
    index = bytearray()
    for px in frame_pixels:
        idx = quantise(px, palette)
        data = bytearray()
        for y in reversed(range(h)):
            data += idx[y * w:(y + 1) * w] + b"\0" * (stride - w)
        # index offsets count from the 'movi' fourcc
        index += b"00db" + struct.pack("<III", 0x10, 4 + len(movi), len(data))
        movi += chunk(b"00db", bytes(data))
    avih = struct.pack("<IIIIIIIIII4I",
                       usec_per_frame, frame_size * rate, 0, 0x10, len(frames), 0, 1, frame_size, w, h,
                       0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh",
                       b"vids", b"DIB ", 0, 0, 0, 0, 1, rate, 0, len(frames), frame_size,
                       0xFFFFFFFF, 0, 0, 0, w, h)
    strf = bitmap_info(w, h, 8, frame_size, 256) + palette_bytes(palette)
    hdrl = chunk(b"avih", avih) + riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf))
    body = riff_list(b"LIST", b"hdrl", hdrl) + riff_list(b"LIST", b"movi", bytes(movi)) + chunk(b"idx1", bytes(index))
    return riff_list(b"RIFF", b"AVI ", body)


# --------------------------------------------------------------------------


def icon_file(draw):
    big, small = draw(32), draw(16)
    return ico([(big, 32), (small, 32), (big, 8), (small, 8)])


OUTPUTS = [
    ("splash_208.bmp", lambda: bmp24(splash_208())),
    ("kalvor_160.ico", lambda: icon_file(kalvor_icon)),
    ("monitor_168.ico", lambda: icon_file(monitor_icon)),
    ("clock_170.ico", lambda: icon_file(alarm_icon)),
    ("files_197.bmp", lambda: bmp24(files_197())),
    ("time_198.bmp", lambda: bmp24(time_198())),
    ("chip_199.bmp", lambda: bmp24(chip_199())),
    ("voice_213.bmp", lambda: bmp24(voice_213())),
    ("result_186.bmp", lambda: bmp24(result_186())),
    ("welcome_188.bmp", lambda: bmp24(welcome_188())),
    ("testing_207.avi", lambda: avi_8bit(testing_frames(10), 200000)),
]


def write_outputs(argv, outputs, folder, description):
    """Writes each (name, make) of outputs into tools/../<folder>, or --out DIR."""
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--out", default=os.path.join(here, "..", folder),
                        help="folder to write into (default: %s)" % folder)
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)
    for name, make in outputs:
        data = make()
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(data)
        print("%-18s %7d bytes" % (name, len(data)))
    return 0


def main(argv):
    return write_outputs(argv, OUTPUTS, os.path.join("control_panel", "art"),
                         "Draws the control panel's bitmaps, icons and animation.")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
