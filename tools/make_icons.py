#!/usr/bin/env python3
"""Draws every icon that Quenvar ships and writes the category sets and icon packs.

Run from the repository root (or pass the assets folder):

    python3 tools/make_icons.py [ASSETS_DIR] [--sheet PREVIEW.png]

Writes, below ASSETS_DIR:
  Files/Standard.qvc with 0.ico ... beside it   the default category file
  genre/<name>/<name>.qvc with its icons         further category sets
  ip/ipNN.cfg and ip/ipNN/ipNNiKK.ico            icon packs
  Files/rnv.ico                                  the menu's default icon
  Files/m1.ico ... m14.ico                       item type icons (type t -> m<t+1>.ico)

Every .ico holds 16, 32 and 48 pixel 32-bit BMP images (BITMAPINFOHEADER,
XOR bitmap with alpha plus AND mask), which Windows and Qt both read. The
pictures are simple vector pictograms, rasterised here with 4x4 supersampling.
Python 3 standard library only; the output is the same on every run.
"""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 32, 48)
GRID = 48.0  # glyphs are drawn on a 48 x 48 unit grid
SUB = 4  # supersampling per axis

# --------------------------------------------------------------------------
# Shapes: contains(x, y) in their own units, and a bounding box.


class Shape:
    def bbox(self):
        raise NotImplementedError

    def contains(self, x, y):
        raise NotImplementedError


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r2, self.r = cx, cy, r * r, r

    def bbox(self):
        return (self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r)

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return dx * dx + dy * dy <= self.r2


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry

    def bbox(self):
        return (self.cx - self.rx, self.cy - self.ry, self.cx + self.rx, self.cy + self.ry)

    def contains(self, x, y):
        dx, dy = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)

    def bbox(self):
        return (self.x0, self.y0, self.x1, self.y1)

    def contains(self, x, y):
        if x < self.x0 or x > self.x1 or y < self.y0 or y > self.y1:
            return False
        r = self.r
        if r <= 0:
            return True
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        dx, dy = x - cx, y - cy
        return dx * dx + dy * dy <= r * r


class Polygon(Shape):
    def __init__(self, points):
        self.pts = list(points)
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.box = (min(xs), min(ys), max(xs), max(ys))
        n = len(self.pts)
        self.edges = [(self.pts[i], self.pts[(i + 1) % n]) for i in range(n)]

    def bbox(self):
        return self.box

    def contains(self, x, y):
        inside = False
        for (x0, y0), (x1, y1) in self.edges:
            if (y0 > y) != (y1 > y):
                if x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                    inside = not inside
        return inside


class Capsule(Shape):
    """A line of width w with round ends."""

    def __init__(self, x0, y0, x1, y1, w):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.h = w / 2.0
        self.dx, self.dy = x1 - x0, y1 - y0
        self.len2 = self.dx * self.dx + self.dy * self.dy or 1e-9

    def bbox(self):
        h = self.h
        return (min(self.x0, self.x1) - h, min(self.y0, self.y1) - h, max(self.x0, self.x1) + h, max(self.y0, self.y1) + h)

    def contains(self, x, y):
        t = ((x - self.x0) * self.dx + (y - self.y0) * self.dy) / self.len2
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        px, py = self.x0 + t * self.dx - x, self.y0 + t * self.dy - y
        return px * px + py * py <= self.h * self.h


class Ring(Shape):
    """An annulus, optionally only between two angles (degrees, clockwise from +x, y down)."""

    def __init__(self, cx, cy, r_out, r_in, a0=None, a1=None):
        self.cx, self.cy, self.ro, self.ri = cx, cy, r_out, r_in
        self.a0, self.a1 = a0, a1

    def bbox(self):
        return (self.cx - self.ro, self.cy - self.ro, self.cx + self.ro, self.cy + self.ro)

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        d2 = dx * dx + dy * dy
        if d2 > self.ro * self.ro or d2 < self.ri * self.ri:
            return False
        if self.a0 is None:
            return True
        a = math.degrees(math.atan2(dy, dx)) % 360.0
        lo = self.a0 % 360.0
        span = (self.a1 - self.a0) % 360.0 or 360.0
        return (a - lo) % 360.0 <= span


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        boxes = [s.bbox() for s in shapes]
        self.box = (min(b[0] for b in boxes), min(b[1] for b in boxes), max(b[2] for b in boxes), max(b[3] for b in boxes))

    def bbox(self):
        return self.box

    def contains(self, x, y):
        return any(s.contains(x, y) for s in self.shapes)


class Intersect(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        ba, bb = a.bbox(), b.bbox()
        self.box = (max(ba[0], bb[0]), max(ba[1], bb[1]), min(ba[2], bb[2]), min(ba[3], bb[3]))

    def bbox(self):
        return self.box

    def contains(self, x, y):
        return self.a.contains(x, y) and self.b.contains(x, y)


class Difference(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def bbox(self):
        return self.a.bbox()

    def contains(self, x, y):
        return self.a.contains(x, y) and not self.b.contains(x, y)


class Rotated(Shape):
    """A shape turned by deg degrees (clockwise on screen) around (cx, cy)."""

    def __init__(self, shape, deg, cx=24.0, cy=24.0):
        self.s, self.cx, self.cy = shape, cx, cy
        a = math.radians(deg)
        self.c, self.si = math.cos(a), math.sin(a)
        x0, y0, x1, y1 = shape.bbox()
        corners = [self._fwd(px, py) for px, py in ((x0, y0), (x1, y0), (x0, y1), (x1, y1))]
        self.box = (min(p[0] for p in corners), min(p[1] for p in corners), max(p[0] for p in corners), max(p[1] for p in corners))

    def _fwd(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return (self.cx + dx * self.c - dy * self.si, self.cy + dx * self.si + dy * self.c)

    def bbox(self):
        return self.box

    def contains(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return self.s.contains(self.cx + dx * self.c + dy * self.si, self.cy - dx * self.si + dy * self.c)


def rpoly(cx, cy, r, n, start=-90.0):
    return [(cx + r * math.cos(math.radians(start + i * 360.0 / n)), cy + r * math.sin(math.radians(start + i * 360.0 / n))) for i in range(n)]


def star_points(cx, cy, ro, ri, n=5):
    pts = []
    for i in range(2 * n):
        r = ro if i % 2 == 0 else ri
        a = math.radians(-90 + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# --------------------------------------------------------------------------
# Drawing: a list of operations in grid units, rasterised per size.


class Canvas:
    """Records fills and erasures. Erasing cuts holes into the current layer only."""

    def __init__(self):
        self.ops = []
        self.scale, self.ox, self.oy = 1.0, 0.0, 0.0

    def transform(self, scale, ox, oy):
        self.scale, self.ox, self.oy = scale, ox, oy

    def fill(self, shape, paint):
        self.ops.append(("fill", shape, paint, (self.scale, self.ox, self.oy)))

    def erase(self, shape):
        self.ops.append(("erase", shape, None, (self.scale, self.ox, self.oy)))

    def begin(self):
        self.ops.append(("begin",))

    def end(self, opacity=1.0):
        self.ops.append(("end", opacity))


def rasterise(canvas, size):
    n = size * size
    stack = [[0.0] * (4 * n)]
    unit = GRID / size
    offsets = [(i + 0.5) / SUB for i in range(SUB)]
    weight = 1.0 / (SUB * SUB)
    for op in canvas.ops:
        kind = op[0]
        if kind == "begin":
            stack.append([0.0] * (4 * n))
            continue
        if kind == "end":
            layer = stack.pop()
            dst = stack[-1]
            opacity = op[1]
            for i in range(0, 4 * n, 4):
                a = layer[i + 3] * opacity
                if a <= 0:
                    continue
                k = 1.0 - a
                dst[i] = layer[i] * opacity + dst[i] * k
                dst[i + 1] = layer[i + 1] * opacity + dst[i + 1] * k
                dst[i + 2] = layer[i + 2] * opacity + dst[i + 2] * k
                dst[i + 3] = a + dst[i + 3] * k
            continue
        _, shape, paint, (sc, ox, oy) = op
        buf = stack[-1]
        x0, y0, x1, y1 = shape.bbox()
        px0 = max(0, int(math.floor((x0 * sc + ox) / unit)))
        py0 = max(0, int(math.floor((y0 * sc + oy) / unit)))
        px1 = min(size - 1, int(math.ceil((x1 * sc + ox) / unit)))
        py1 = min(size - 1, int(math.ceil((y1 * sc + oy) / unit)))
        for py in range(py0, py1 + 1):
            for px in range(px0, px1 + 1):
                cover = 0
                for sy in offsets:
                    gy = ((py + sy) * unit - oy) / sc
                    for sx in offsets:
                        gx = ((px + sx) * unit - ox) / sc
                        if shape.contains(gx, gy):
                            cover += 1
                if not cover:
                    continue
                cov = cover * weight
                i = 4 * (py * size + px)
                if kind == "erase":
                    k = 1.0 - cov
                    buf[i] *= k
                    buf[i + 1] *= k
                    buf[i + 2] *= k
                    buf[i + 3] *= k
                    continue
                if callable(paint):
                    r, g, b, a = paint(((px + 0.5) * unit - ox) / sc, ((py + 0.5) * unit - oy) / sc)
                else:
                    r, g, b, a = paint
                a *= cov
                k = 1.0 - a
                buf[i] = r * a + buf[i] * k
                buf[i + 1] = g * a + buf[i + 1] * k
                buf[i + 2] = b * a + buf[i + 2] * k
                buf[i + 3] = a + buf[i + 3] * k
    return stack[0]


def to_rgba_bytes(buf, size):
    """Premultiplied floats -> straight RGBA bytes, top row first."""
    out = bytearray(4 * size * size)
    for i in range(0, len(buf), 4):
        a = buf[i + 3]
        if a <= 1e-6:
            continue
        out[i] = min(255, int(round(buf[i] / a * 255)))
        out[i + 1] = min(255, int(round(buf[i + 1] / a * 255)))
        out[i + 2] = min(255, int(round(buf[i + 2] / a * 255)))
        out[i + 3] = min(255, int(round(a * 255)))
    return bytes(out)


# --------------------------------------------------------------------------
# ICO writing


def bmp_image(rgba, size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        row = rgba[4 * size * y: 4 * size * (y + 1)]
        for x in range(size):
            r, g, b, a = row[4 * x: 4 * x + 4]
            xor += bytes((b, g, r, a))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        line = bytearray(stride)
        for x in range(size):
            if rgba[4 * (size * y + x) + 3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, rgba bytes)."""
    count = len(images)
    blobs = [bmp_image(rgba, size) for size, rgba in images]
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    for (size, _), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def render_icon(draw):
    canvas = Canvas()
    draw(canvas)
    return [(s, to_rgba_bytes(rasterise(canvas, s), s)) for s in SIZES]


# --------------------------------------------------------------------------
# Colours

def rgb(hexstr, a=1.0):
    h = hexstr.lstrip("#")
    return (int(h[0:2], 16) / 255.0, int(h[2:4], 16) / 255.0, int(h[4:6], 16) / 255.0, a)


def mix(c1, c2, t):
    return tuple(c1[i] * (1 - t) + c2[i] * t for i in range(4))


WHITE = (1.0, 1.0, 1.0, 1.0)

PALETTE = {
    "blue": "2f6fd6", "red": "d64545", "orange": "e8891c", "teal": "159e9a", "purple": "7d4fc4",
    "green": "3a9e3f", "slate": "52606d", "amber": "c98a1b", "pink": "d2417f", "navy": "24407a",
    "cyan": "1f93c9", "brown": "8a5a2b", "olive": "6f8f1f", "magenta": "b03aa8", "grey": "7b838c",
    "gold": "e0a800", "crimson": "b3243b", "indigo": "4b48b8",
}


def col(name):
    return rgb(PALETTE[name])


def vgradient(top, bottom, y0=2.0, y1=46.0):
    def paint(x, y):
        t = min(1.0, max(0.0, (y - y0) / (y1 - y0)))
        return mix(top, bottom, t)
    return paint


# --------------------------------------------------------------------------
# Glyphs: each draws on the 48-unit grid with a main colour fg and a
# secondary colour ac; erase() cuts holes through the glyph's own layer.

def g_window(c, fg, ac):
    c.fill(Rect(4, 7, 44, 41, 4), fg)
    c.erase(Rect(8, 15, 40, 37, 1.5))
    c.erase(Circle(36.5, 11, 1.8))
    c.erase(Circle(31.5, 11, 1.8))
    c.fill(Rect(12, 19, 24, 27, 1.5), ac)
    c.fill(Rect(12, 30, 36, 33, 1.2), fg)
    c.fill(Rect(27, 19, 36, 21.5, 1.0), fg)
    c.fill(Rect(27, 24.5, 33, 27, 1.0), fg)


def g_gamepad(c, fg, ac):
    c.fill(Union(Rect(6, 15, 42, 32, 8), Circle(13, 31, 7.5), Circle(35, 31, 7.5)), fg)
    c.erase(Union(Rect(10.5, 21.5, 20.5, 25.5, 0.8), Rect(13.5, 18.5, 17.5, 28.5, 0.8)))
    c.erase(Circle(32, 21.5, 2.4))
    c.erase(Circle(37, 26, 2.4))
    c.fill(Rect(21.5, 19, 26.5, 21.5, 1.2), ac)


def g_wrench(c, fg, ac):
    c.fill(Capsule(11, 37, 27, 21, 8), fg)
    c.fill(Circle(31.5, 16.5, 10), fg)
    c.erase(Capsule(33, 15, 42, 6, 7))
    c.erase(Circle(11.5, 36.5, 2.2))


def g_document(c, fg, ac):
    c.fill(Polygon([(10, 4), (29, 4), (38, 13), (38, 44), (10, 44)]), fg)
    c.erase(Polygon([(29, 4), (38, 13), (29, 13)]))
    c.fill(Polygon([(29, 4.5), (29, 13), (37.5, 13)]), ac)
    for y in (20, 26, 32):
        c.erase(Rect(15, y, 33, y + 2.6, 1.2))
    c.erase(Rect(15, 38, 26, 40.6, 1.2))


def g_document_plain(c, fg, ac):
    c.fill(Polygon([(10, 4), (29, 4), (38, 13), (38, 44), (10, 44)]), fg)
    c.erase(Polygon([(29, 4), (38, 13), (29, 13)]))
    c.fill(Polygon([(29, 4.5), (29, 13), (37.5, 13)]), ac)


def g_document_rich(c, fg, ac):
    g_document_plain(c, fg, ac)
    c.fill(Rect(14, 16, 34, 22, 1.5), ac)
    for y in (26, 31, 36):
        c.erase(Rect(14, y, 34, y + 2.4, 1.1))


def g_document_chart(c, fg, ac):
    g_document_plain(c, fg, ac)
    c.erase(Rect(14.5, 29, 19, 39, 0.8))
    c.erase(Rect(21.7, 21, 26.3, 39, 0.8))
    c.erase(Rect(29, 25, 33.5, 39, 0.8))


def g_film(c, fg, ac):
    c.fill(Rect(8, 5, 40, 43, 2.5), fg)
    for y in range(8, 41, 7):
        c.erase(Rect(10.5, y, 14, y + 3.5, 0.6))
        c.erase(Rect(34, y, 37.5, y + 3.5, 0.6))
    c.erase(Rect(17, 9, 31, 22, 1))
    c.erase(Rect(17, 26, 31, 39, 1))
    c.fill(Polygon([(21.5, 12.5), (21.5, 18.5), (27, 15.5)]), ac)


def g_note(c, fg, ac):
    c.fill(Rotated(Ellipse(14, 36, 6.5, 4.8), -20, 14, 36), fg)
    c.fill(Rotated(Ellipse(33, 32, 6.5, 4.8), -20, 33, 32), fg)
    c.fill(Rect(17.6, 12, 20.6, 36), fg)
    c.fill(Rect(36.6, 8, 39.6, 32), fg)
    c.fill(Polygon([(17.6, 11), (39.6, 5), (39.6, 11.5), (17.6, 17.5)]), fg)


def g_globe(c, fg, ac):
    lines = Union(
        Ring(24, 24, 19.5, 16.5),
        Difference(Ellipse(24, 24, 10, 18), Ellipse(24, 24, 7, 18)),
        Rect(22.5, 5, 25.5, 43),
        Rect(5, 22.5, 43, 25.5),
        Rect(5, 12.8, 43, 15.4),
        Rect(5, 32.6, 43, 35.2),
    )
    c.fill(Intersect(lines, Circle(24, 24, 19.5)), fg)


def g_chip(c, fg, ac):
    for i in range(4):
        p = 16.5 + i * 5
        c.fill(Rect(p, 5, p + 3, 12, 0.8), fg)
        c.fill(Rect(p, 36, p + 3, 43, 0.8), fg)
        c.fill(Rect(5, p, 12, p + 3, 0.8), fg)
        c.fill(Rect(36, p, 43, p + 3, 0.8), fg)
    c.fill(Rect(11, 11, 37, 37, 3), fg)
    c.erase(Rect(15.5, 15.5, 32.5, 32.5, 1.5))
    c.fill(Rect(19, 19, 29, 29, 1.5), ac)


def g_star(c, fg, ac):
    c.fill(Polygon(star_points(24, 25.5, 21, 9)), fg)
    c.fill(Polygon(star_points(24, 25.5, 9, 4)), ac)


def g_gear(c, fg, ac):
    teeth = [Rotated(Rect(20.5, 3.5, 27.5, 14, 1.5), i * 45.0) for i in range(8)]
    c.fill(Union(Circle(24, 24, 14.5), *teeth), fg)
    c.erase(Circle(24, 24, 6))


def g_folder(c, fg, ac):
    c.fill(Polygon([(5, 11), (18, 11), (22, 15), (43, 15), (43, 38), (5, 38)]), ac)
    c.fill(Rect(5, 9, 19, 15, 2), ac)
    c.fill(Polygon([(5, 40), (9, 20), (47, 20), (43, 40)]), fg)


def g_disc(c, fg, ac):
    c.fill(Circle(24, 24, 19.5), fg)
    c.fill(Ring(24, 24, 17, 9, 200, 250), ac)
    c.fill(Ring(24, 24, 17, 9, 20, 70), ac)
    c.fill(Circle(24, 24, 7.5), ac)
    c.erase(Circle(24, 24, 3.8))


def g_picture(c, fg, ac):
    c.fill(Rect(4, 8, 44, 40, 3), fg)
    c.erase(Rect(8, 12, 40, 36, 1))
    c.fill(Polygon([(8, 36), (19, 21), (27, 31), (31, 26), (40, 36)]), fg)
    c.fill(Circle(32, 18.5, 3.6), ac)


def g_speaker(c, fg, ac):
    c.fill(Polygon([(6, 18), (14, 18), (25, 8), (25, 40), (14, 30), (6, 30)]), fg)
    c.fill(Ring(25, 24, 10.5, 7.5, -50, 50), fg)
    c.fill(Ring(25, 24, 17.5, 14.5, -52, 52), fg)


def g_question(c, fg, ac):
    c.fill(Circle(24, 24, 20), fg)
    c.erase(Ring(24, 17.5, 8.6, 4.6, 165, 90 + 360))
    c.erase(Rect(22, 23, 26, 29.5, 1))
    c.erase(Circle(24, 35.5, 2.7))


def g_book(c, fg, ac):
    c.fill(Rect(10, 5, 38, 43, 2.5), fg)
    c.erase(Rect(14.5, 36.5, 38, 39.5, 0.6))
    c.fill(Rect(10, 5, 14, 43, 1.5), ac)
    c.erase(Rect(19, 12, 33, 18, 1))


def g_heart(c, fg, ac):
    c.fill(Union(Circle(16.5, 18, 10), Circle(31.5, 18, 10), Polygon([(7.2, 22), (24, 41), (40.8, 22), (24, 13)])), fg)
    c.fill(Circle(14.5, 15.5, 3), ac)


def g_bolt(c, fg, ac):
    c.fill(Polygon([(28, 3), (10, 27), (22, 27), (17, 45), (38, 19), (26, 19), (32, 3)]), fg)


def g_house(c, fg, ac):
    c.fill(Rect(31, 8, 36, 19), fg)
    c.fill(Polygon([(3, 24), (24, 5), (45, 24), (41, 24), (41, 42), (7, 42), (7, 24)]), fg)
    c.erase(Rect(20, 29, 28, 42, 1))
    c.fill(Circle(26, 36, 0.9), fg)


def g_envelope(c, fg, ac):
    c.fill(Rect(4, 10, 44, 38, 3), fg)
    c.erase(Union(Capsule(7, 14, 24, 27.5, 2.8), Capsule(24, 27.5, 41, 14, 2.8)))


def g_lock(c, fg, ac):
    c.fill(Ring(24, 18, 10, 6, 180, 360), fg)
    c.fill(Rect(14, 17, 18, 24), fg)
    c.fill(Rect(30, 17, 34, 24), fg)
    c.fill(Rect(10, 22, 38, 43, 3), fg)
    c.erase(Circle(24, 30, 3.2))
    c.erase(Rect(22.6, 30, 25.4, 37, 0.8))


def g_magnifier(c, fg, ac):
    c.fill(Circle(20, 20, 10), ac)
    c.fill(Ring(20, 20, 14, 10), fg)
    c.fill(Capsule(30, 30, 41, 41, 7), fg)


def g_chart(c, fg, ac):
    c.fill(Rect(9, 25, 16, 40, 1), fg)
    c.fill(Rect(20.5, 10, 27.5, 40, 1), ac)
    c.fill(Rect(32, 18, 39, 40, 1), fg)
    c.fill(Rect(5, 40.5, 43, 43.5, 1), fg)


def g_zip(c, fg, ac):
    c.fill(Rect(9, 5, 39, 43, 3), fg)
    c.erase(Rect(21, 5, 27, 43))
    for i, y in enumerate(range(6, 27, 3)):
        x0 = 21 if i % 2 == 0 else 24
        c.fill(Rect(x0, y, x0 + 3, y + 2.2), fg)
    c.fill(Rect(19.5, 27, 28.5, 37, 2), ac)
    c.erase(Rect(22.5, 30, 25.5, 34, 1))


def g_letter_a(c, fg, ac):
    c.fill(Polygon([(19, 5), (29, 5), (43, 43), (34, 43), (31, 34), (17, 34), (14, 43), (5, 43)]), fg)
    c.erase(Polygon([(19.7, 27), (28.3, 27), (24, 14)]))


def g_play(c, fg, ac):
    c.fill(Circle(24, 24, 20), fg)
    c.erase(Polygon([(18, 12), (36, 24), (18, 36)]))


def g_jump(c, fg, ac):
    c.fill(Ring(22, 30, 16, 11, 180, 360), fg)
    c.fill(Polygon([(30.5, 28), (45, 28), (37.75, 40)]), fg)
    c.fill(Rect(3, 36, 17, 42, 1.5), ac)
    c.fill(Rect(31, 42, 45, 45, 1), ac)


def g_smiley(c, fg, ac):
    c.fill(Circle(24, 24, 20), fg)
    c.erase(Ellipse(17, 18, 2.6, 3.6))
    c.erase(Ellipse(31, 18, 2.6, 3.6))
    c.erase(Ring(24, 24, 13, 9.5, 20, 160))


def g_calendar(c, fg, ac):
    c.fill(Rect(6, 9, 42, 42, 3), fg)
    c.erase(Rect(9.5, 18, 38.5, 38.5, 1))
    for row in range(3):
        for colm in range(4):
            x = 11.5 + colm * 6.8
            y = 20.5 + row * 6
            c.fill(Rect(x, y, x + 4.4, y + 4, 0.6), ac if (row, colm) == (1, 2) else fg)
    c.fill(Capsule(15, 5, 15, 12, 3.6), fg)
    c.fill(Capsule(33, 5, 33, 12, 3.6), fg)


def g_clock(c, fg, ac):
    c.fill(Circle(24, 24, 20), fg)
    c.erase(Circle(24, 24, 16.5))
    c.fill(Capsule(24, 24, 24, 12, 3.2), fg)
    c.fill(Capsule(24, 24, 32, 28.5, 3.2), fg)
    c.fill(Circle(24, 24, 2.8), ac)


def g_check(c, fg, ac):
    c.fill(Union(Capsule(9, 25, 19, 35, 7), Capsule(19, 35, 39, 12, 7)), fg)


def g_download(c, fg, ac):
    c.fill(Rect(20, 4, 28, 22, 1), fg)
    c.fill(Polygon([(10, 20), (38, 20), (24, 34)]), fg)
    c.fill(Polygon([(5, 33), (10, 33), (10, 38.5), (38, 38.5), (38, 33), (43, 33), (43, 44), (5, 44)]), ac)


def g_terminal(c, fg, ac):
    c.fill(Rect(4, 7, 44, 41, 3.5), fg)
    c.erase(Rect(7.5, 13, 40.5, 37.5, 1))
    c.fill(Union(Capsule(12, 18, 19, 24, 3.2), Capsule(19, 24, 12, 30, 3.2)), fg)
    c.fill(Rect(22, 28.5, 32, 31.5, 0.8), ac)


def g_shield(c, fg, ac):
    pts = [(24, 3), (42, 9), (41, 23), (37, 33), (24, 45), (11, 33), (7, 23), (6, 9)]
    c.fill(Polygon(pts), fg)
    c.erase(Union(Capsule(15, 24, 21.5, 30.5, 4), Capsule(21.5, 30.5, 33, 17, 4)))


def g_flag(c, fg, ac):
    c.fill(Capsule(10, 6, 10, 44, 3.6), ac)
    c.fill(Polygon([(12, 7), (20, 5), (28, 8.5), (36, 6.5), (42, 7), (42, 26), (36, 25.5), (28, 27.5), (20, 24), (12, 26)]), fg)


def g_person(c, fg, ac):
    c.fill(Circle(24, 15, 8.5), fg)
    c.fill(Intersect(Ellipse(24, 45, 17, 18), Rect(0, 0, 48, 43)), fg)


def g_gift(c, fg, ac):
    c.fill(Rect(9, 22, 39, 43, 2), fg)
    c.fill(Rect(6, 14, 42, 22, 2), fg)
    c.erase(Rect(21.5, 14, 26.5, 43))
    c.fill(Rect(22.5, 14, 25.5, 43), ac)
    c.fill(Ring(18, 10, 6, 3, 0, 360), ac)
    c.fill(Ring(30, 10, 6, 3, 0, 360), ac)


def g_bandage(c, fg, ac):
    c.fill(Rotated(Rect(3, 16, 45, 32, 8), -45), fg)
    c.erase(Rotated(Rect(17, 17, 31, 31, 2), -45))
    c.fill(Rotated(Rect(18.5, 18.5, 29.5, 29.5, 1.5), -45), ac)
    for dx, dy in ((-2.5, -2.5), (2.5, 2.5), (-2.5, 2.5), (2.5, -2.5)):
        c.erase(Circle(24 + dx, 24 + dy, 1.2))


def g_share(c, fg, ac):
    c.fill(Capsule(33, 12, 14, 24, 3.4), fg)
    c.fill(Capsule(14, 24, 33, 36, 3.4), fg)
    c.fill(Circle(34, 11, 6.5), fg)
    c.fill(Circle(13, 24, 6.5), ac)
    c.fill(Circle(34, 37, 6.5), fg)


def g_wave(c, fg, ac):
    heights = (6, 14, 24, 32, 20, 28, 12, 18, 8)
    for i, h in enumerate(heights):
        x = 5.5 + i * 4.3
        c.fill(Rect(x, 24 - h / 2, x + 2.9, 24 + h / 2, 1.45), fg if i % 3 else ac)


def g_grid(c, fg, ac):
    c.fill(Rect(5, 7, 43, 41, 3), fg)
    for row in range(4):
        for colm in range(3):
            x = 8.5 + colm * 11.5
            y = 14 + row * 6.8
            c.erase(Rect(x, y, x + 9.5, y + 4.8, 0.6))
    c.fill(Rect(8.5, 14, 18, 18.8, 0.6), ac)


def g_presentation(c, fg, ac):
    c.fill(Rect(4, 5, 44, 9, 1.5), fg)
    c.fill(Rect(6, 8, 42, 32, 1.5), fg)
    c.erase(Rect(9.5, 11, 38.5, 29, 0.8))
    c.fill(Polygon([(12, 27), (20, 18), (26, 23), (35, 13), (36.5, 14.5), (26, 26), (20, 21.5), (14, 28.5)]), ac)
    c.fill(Capsule(24, 32, 24, 38, 3), fg)
    c.fill(Capsule(24, 33, 15, 44, 3), fg)
    c.fill(Capsule(24, 33, 33, 44, 3), fg)


def g_tiles4(c, fg, ac):
    c.fill(Rect(6, 6, 22.5, 22.5, 3.5), col("red"))
    c.fill(Rect(25.5, 6, 42, 22.5, 3.5), col("green"))
    c.fill(Rect(6, 25.5, 22.5, 42, 3.5), col("blue"))
    c.fill(Rect(25.5, 25.5, 42, 42, 3.5), col("gold"))


def g_graduation(c, fg, ac):
    c.fill(Polygon([(3, 18), (24, 8), (45, 18), (24, 28)]), fg)
    c.fill(Polygon([(12, 22), (24, 28), (36, 22), (36, 33), (24, 39), (12, 33)]), fg)
    c.fill(Capsule(40, 19, 40, 33, 2.2), ac)
    c.fill(Circle(40, 34, 2.6), ac)


def g_trophy(c, fg, ac):
    c.fill(Intersect(Circle(24, 8, 14), Rect(10, 6, 38, 22)), fg)
    c.fill(Rect(10, 5, 38, 9, 1), fg)
    c.fill(Ring(11, 13, 6, 3, 90, 270), fg)
    c.fill(Ring(37, 13, 6, 3, -90, 90), fg)
    c.fill(Rect(21.5, 21, 26.5, 33), fg)
    c.fill(Rect(14, 33, 34, 38, 1.5), fg)
    c.fill(Rect(11, 38, 37, 43, 1.5), ac)


def g_puzzle(c, fg, ac):
    c.fill(Union(Rect(8, 12, 36, 40, 2.5), Circle(22, 12, 5.5), Circle(36, 26, 5.5)), fg)
    c.erase(Circle(8, 26, 5.5))
    c.erase(Circle(22, 40, 5.5))


def g_rocket(c, fg, ac):
    body = Union(Ellipse(24, 20, 8, 16), Rect(16, 20, 32, 34, 1))
    c.fill(Polygon([(16, 26), (9, 36), (9, 40), (16, 34)]), ac)
    c.fill(Polygon([(32, 26), (39, 36), (39, 40), (32, 34)]), ac)
    c.fill(body, fg)
    c.erase(Circle(24, 18, 3.8))
    c.fill(Polygon([(19, 35), (29, 35), (24, 45)]), col("orange"))


def g_cloud(c, fg, ac):
    c.fill(Union(Circle(16, 27, 8), Circle(26, 21, 11), Circle(35, 28, 7), Rect(12, 27, 38, 35, 4)), fg)


def g_printer(c, fg, ac):
    c.fill(Rect(14, 5, 34, 16, 1), ac)
    c.fill(Rect(5, 14, 43, 34, 3), fg)
    c.erase(Rect(12, 27, 36, 31))
    c.fill(Rect(14, 28, 34, 43, 1), ac)
    c.fill(Circle(37.5, 20, 1.8), ac)


GLYPHS = {name[2:]: fn for name, fn in globals().items() if name.startswith("g_")}

# --------------------------------------------------------------------------
# Icon styles


def tile_icon(glyph, colour, scale=0.64, shape="square"):
    base = col(colour)
    top = mix(base, WHITE, 0.28)
    bottom = mix(base, (0, 0, 0, 1), 0.18)
    edge = mix(base, (0, 0, 0, 1), 0.35)

    def draw(c):
        if shape == "square":
            c.fill(Rect(2, 2, 46, 46, 10), edge)
            c.fill(Rect(3, 3, 45, 45, 9), vgradient(top, bottom))
            c.fill(Intersect(Rect(3, 3, 45, 24, 9), Rect(3, 3, 45, 45, 9)), (1, 1, 1, 0.10))
        else:
            c.fill(Circle(24, 24, 22.5), edge)
            c.fill(Circle(24, 24, 21.5), vgradient(top, bottom))
            c.fill(Intersect(Circle(24, 24, 21.5), Rect(0, 0, 48, 22)), (1, 1, 1, 0.10))
        off = 24 * (1 - scale)
        c.transform(scale, off, off)
        c.begin()
        GLYPHS[glyph](c, WHITE, mix(WHITE, base, 0.35))
        c.end()
        c.transform(1.0, 0.0, 0.0)
    return draw


def flat_icon(glyph, colour, accent=None, scale=0.94):
    base = col(colour)
    ac = col(accent) if accent else mix(base, WHITE, 0.45)

    def draw(c):
        off = 24 * (1 - scale)
        c.transform(scale, off, off)
        c.begin()
        GLYPHS[glyph](c, base, ac)
        c.end()
    return draw


def rnv_icon(c):
    """The menu's own icon: a disc with a coloured sheen and a menu list."""
    c.begin()
    c.fill(Circle(24, 24, 22), rgb("5b6b7d"))
    c.fill(Circle(24, 24, 21), vgradient(rgb("e9eef3"), rgb("aab6c3"), 3, 45))
    for a0, colour in ((200, "2f6fd6"), (250, "3a9e3f"), (20, "e8891c"), (70, "d64545")):
        c.fill(Ring(24, 24, 19.5, 10, a0, a0 + 48), rgb(colour, 0.55))
    c.fill(Circle(24, 24, 9), rgb("8b97a5"))
    c.fill(Circle(24, 24, 7.5), rgb("d9e0e7"))
    c.erase(Circle(24, 24, 4))
    c.end()
    # the menu: a small list card over the lower right
    c.fill(Rect(25, 25, 46, 46, 3), rgb("24407a"))
    c.fill(Rect(26, 26, 45, 45, 2.5), vgradient(rgb("3f79d9"), rgb("24407a"), 26, 45))
    for i, y in enumerate((30, 34.5, 39)):
        c.fill(Circle(30, y + 1.2, 1.4), rgb("ffd34d") if i == 0 else WHITE)
        c.fill(Rect(33, y, 42, y + 2.4, 1.1), WHITE)


# --------------------------------------------------------------------------
# What ships

STANDARD = [
    ("Programs", "window", "blue"),
    ("Games", "gamepad", "red"),
    ("Tools", "wrench", "orange"),
    ("Documents", "document", "teal"),
    ("Multimedia", "film", "purple"),
    ("Internet", "globe", "green"),
]

GENRES = {
    "Software": [
        ("Applications", "window", "blue"),
        ("Games", "gamepad", "red"),
        ("Utilities", "gear", "slate"),
        ("Drivers", "chip", "olive"),
        ("Demos", "play", "orange"),
        ("Updates", "download", "cyan"),
        ("Security", "shield", "navy"),
    ],
    "Multimedia": [
        ("Music", "note", "pink"),
        ("Videos", "film", "purple"),
        ("Pictures", "picture", "green"),
        ("Sounds", "wave", "orange"),
        ("Fonts", "letter_a", "slate"),
        ("E-Books", "book", "brown"),
    ],
    "Magazine": [
        ("Shareware", "share", "blue"),
        ("Freeware", "gift", "green"),
        ("Demos", "play", "orange"),
        ("Patches", "bandage", "amber"),
        ("Drivers", "chip", "olive"),
        ("Extras", "star", "gold"),
        ("Readme", "document", "slate"),
    ],
}

PACKS = [
    # ip01: white pictograms on rounded coloured tiles
    ("tile", [
        ("window", "blue"), ("gamepad", "red"), ("wrench", "orange"), ("document", "teal"),
        ("film", "purple"), ("globe", "green"), ("note", "pink"), ("picture", "cyan"),
        ("gear", "slate"), ("chip", "olive"), ("book", "brown"), ("envelope", "indigo"),
        ("house", "navy"), ("star", "gold"), ("heart", "crimson"), ("folder", "amber"),
    ]),
    # ip02: coloured pictograms without a background
    ("flat", [
        ("disc", "slate"), ("speaker", "orange"), ("question", "purple"), ("magnifier", "blue"),
        ("chart", "green"), ("zip", "brown"), ("letter_a", "navy"), ("lock", "amber"),
        ("bolt", "gold"), ("calendar", "red"), ("clock", "teal"), ("terminal", "slate"),
        ("printer", "grey"), ("cloud", "cyan"), ("rocket", "indigo"), ("puzzle", "green"),
    ]),
    # ip03: white pictograms on round badges
    ("badge", [
        ("check", "green"), ("download", "blue"), ("shield", "navy"), ("flag", "red"),
        ("person", "teal"), ("gift", "pink"), ("bandage", "amber"), ("share", "cyan"),
        ("wave", "orange"), ("smiley", "gold"), ("graduation", "indigo"), ("trophy", "olive"),
        ("presentation", "crimson"), ("grid", "green"), ("jump", "magenta"), ("play", "purple"),
    ]),
]

# Item types 0..13 (m1..m14): exe, zip, other, help, web, picture, sound,
# text, word processing, video, font, icon, jump point, office and PDF.
ITEM_TYPES = [
    ("window", "blue", None),
    ("zip", "amber", "brown"),
    ("document_plain", "grey", None),
    ("question", "purple", None),
    ("globe", "cyan", None),
    ("picture", "green", "gold"),
    ("speaker", "orange", None),
    ("document", "slate", None),
    ("document_rich", "blue", "navy"),
    ("film", "crimson", "gold"),
    ("letter_a", "navy", None),
    ("tiles4", "grey", None),
    ("jump", "magenta", "pink"),
    ("document_chart", "red", "crimson"),
]


def crlf(lines):
    return "".join(line + "\r\n" for line in lines).encode("utf-8")


def category_file(captions):
    lines = ["[general]", "anz_items=%d" % len(captions)]
    for n, caption in enumerate(captions):
        lines += ["[%d]" % n, "caption=%s" % caption, "icon_number=%d" % n]
    return crlf(lines)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def style_draw(style, glyph, colour):
    if style == "tile":
        return tile_icon(glyph, colour)
    if style == "badge":
        return tile_icon(glyph, colour, scale=0.58, shape="circle")
    return flat_icon(glyph, colour)


def png_bytes(width, height, rgba):
    raw = b"".join(b"\x00" + rgba[4 * width * y: 4 * width * (y + 1)] for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def contact_sheet(rendered, path):
    """All icons at 48, 32 and 16 pixels on a light background, for a look."""
    cols = 8
    cell = 48 + 32 + 16 + 16
    rows = (len(rendered) + cols - 1) // cols
    width, height = cols * cell, rows * 56
    sheet = bytearray(b"\xf2\xf2\xf2\xff" * (width * height))
    for idx, images in enumerate(rendered):
        cx, cy = (idx % cols) * cell + 4, (idx // cols) * 56 + 4
        for size, rgba in sorted(images, reverse=True):
            for y in range(size):
                for x in range(size):
                    r, g, b, a = rgba[4 * (y * size + x): 4 * (y * size + x) + 4]
                    o = 4 * ((cy + y) * width + cx + x)
                    for k, v in enumerate((r, g, b)):
                        sheet[o + k] = (v * a + sheet[o + k] * (255 - a)) // 255
            cx += size + 4
    write(path, png_bytes(width, height, bytes(sheet)))


def main(argv):
    sheet = None
    args = list(argv)
    if "--sheet" in args:
        i = args.index("--sheet")
        sheet = args[i + 1]
        del args[i:i + 2]
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    assets = args[0] if args else os.path.join(root, "assets")

    cache = {}
    rendered = []

    def icon(key, draw):
        if key not in cache:
            cache[key] = render_icon(draw)
            rendered.append(cache[key])
        return cache[key]

    def tile(glyph, colour):
        return icon(("tile", glyph, colour), tile_icon(glyph, colour))

    files = os.path.join(assets, "Files")
    write(os.path.join(files, "Standard.qvc"), category_file([c for c, _, _ in STANDARD]))
    for n, (_, glyph, colour) in enumerate(STANDARD):
        write(os.path.join(files, "%d.ico" % n), ico_bytes(tile(glyph, colour)))

    for name, cats in GENRES.items():
        folder = os.path.join(assets, "genre", name)
        write(os.path.join(folder, name + ".qvc"), category_file([c for c, _, _ in cats]))
        for n, (_, glyph, colour) in enumerate(cats):
            write(os.path.join(folder, "%d.ico" % n), ico_bytes(tile(glyph, colour)))

    for p, (style, icons) in enumerate(PACKS, start=1):
        nn = "%02d" % p
        write(os.path.join(assets, "ip", "ip%s.cfg" % nn), crlf(["[general]", "anz_icons=%d" % len(icons)]))
        for k, (glyph, colour) in enumerate(icons, start=1):
            kk = "%02d" % k if k < 10 else str(k)
            images = icon((style, glyph, colour), style_draw(style, glyph, colour))
            write(os.path.join(assets, "ip", "ip" + nn, "ip%si%s.ico" % (nn, kk)), ico_bytes(images))

    write(os.path.join(files, "rnv.ico"), ico_bytes(icon(("rnv",), rnv_icon)))
    for t, (glyph, colour, accent) in enumerate(ITEM_TYPES):
        images = icon(("flat", glyph, colour, accent), flat_icon(glyph, colour, accent))
        write(os.path.join(files, "m%d.ico" % (t + 1)), ico_bytes(images))

    if sheet:
        contact_sheet(rendered, sheet)
    print("wrote %d distinct icons below %s" % (len(rendered), assets))


if __name__ == "__main__":
    main(sys.argv[1:])
