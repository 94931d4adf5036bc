#!/usr/bin/env python3
"""Draws the main window's tool button pictures.

Run from the repository root (or pass the assets folder):

    python3 tools/make_toolbar_images.py [ASSETS_DIR] [--sheet PREVIEW.png]

Writes ASSETS_DIR/Files/Images/0/<size><name>.bmp for size digits 0 (16 px),
1 (32 px) and 2 (48 px). Each file is a strip of three equal images: normal,
disabled and hot. They are 32-bit BMPs with a BITMAPV5HEADER and an alpha
mask, so the tool bar gets smooth edges instead of a colour key.

Style: light fills with a dark slate outline, one accent colour per tool bar.
The shapes and the 4x4 supersampling rasteriser come from make_icons.py; the
outline width is chosen per size so the 16 px pictures stay legible.
Python 3 standard library only; the output is the same on every run.
"""

import math
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icons import (  # noqa: E402  (the sibling script is our shape library)
    Canvas, Capsule, Circle, Difference, Ellipse, Intersect, Polygon, Rect, Ring, Union,
    png_bytes, rasterise, rgb, star_points, to_rgba_bytes, write)

SIZES = {0: 16, 1: 32, 2: 48}
# Outline width in 48-unit grid units: 1 px at 16, 2 px at 32, 2.6 px at 48.
STROKE = {16: 3.0, 32: 3.0, 48: 2.6}

SLATE = rgb("2b3846")
WHITE = rgb("ffffff")
PAPER = rgb("f7f9fb")
ACCENT = {
    "project": (rgb("2f6fd6"), rgb("cfe0fa")),
    "environment": (rgb("7d4fc4"), rgb("e3d8f5")),
    "program": (rgb("6b7580"), rgb("dde1e5")),
    "item": (rgb("2f9a45"), rgb("d3efd9")),
    "chosen": (rgb("e07b12"), rgb("fbe3c8")),
}


# --------------------------------------------------------------------------
# Outlined primitives. sw is the outline width; outlines sit centred on the
# shape's edge, so shapes keep sw/2 away from the 0..48 border.

class Pen:
    def __init__(self, canvas, sw, small):
        self.c, self.sw = canvas, sw
        # At 16 px fine details only blur; pictograms leave them out.
        self.small = small

    def line(self, pts, colour=SLATE, width=None):
        w = width or self.sw
        if len(pts) == 1:
            self.c.fill(Circle(pts[0][0], pts[0][1], w / 2), colour)
            return
        self.c.fill(Union(*[Capsule(a[0], a[1], b[0], b[1], w) for a, b in zip(pts, pts[1:])]), colour)

    def poly(self, pts, fill):
        if fill:
            self.c.fill(Polygon(pts), fill)
        self.line(list(pts) + [pts[0]])

    def rect(self, x0, y0, x1, y1, r, fill):
        h = self.sw / 2
        if fill:
            self.c.fill(Rect(x0, y0, x1, y1, r), fill)
        self.c.fill(Difference(Rect(x0 - h, y0 - h, x1 + h, y1 + h, r + h),
                               Rect(x0 + h, y0 + h, x1 - h, y1 - h, max(0.0, r - h))), SLATE)

    def circle(self, cx, cy, r, fill):
        if fill:
            self.c.fill(Circle(cx, cy, r), fill)
        self.c.fill(Ring(cx, cy, r + self.sw / 2, r - self.sw / 2), SLATE)

    def arc(self, cx, cy, r, a0, a1, colour=SLATE, width=None, steps=16):
        """Degrees clockwise from +x (y points down)."""
        pts = [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
                cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]
        self.line(pts, colour, width)

    def arrow_head(self, tip, angle, size, colour):
        """A filled triangle pointing along angle (degrees, y down)."""
        a = math.radians(angle)
        bx, by = tip[0] - size * math.cos(a), tip[1] - size * math.sin(a)
        nx, ny = -math.sin(a) * size * 0.75, math.cos(a) * size * 0.75
        self.c.fill(Polygon([tip, (bx + nx, by + ny), (bx - nx, by - ny)]), colour)

    def badge_plus(self, cx, cy, r, colour):
        """The round 'add' badge: a filled disc with a white plus."""
        w = self.sw * 1.5 if self.small else self.sw
        if self.small:
            r += 1.5
        self.circle(cx, cy, r, colour)
        k = r * 0.58
        self.line([(cx - k, cy), (cx + k, cy)], WHITE, w)
        self.line([(cx, cy - k), (cx, cy + k)], WHITE, w)


# --------------------------------------------------------------------------
# Recurring pieces

def page(p, x0=9, y0=4, x1=35, y1=44, ear=9):
    """A sheet of paper with a folded top-right corner."""
    p.poly([(x0, y0), (x1 - ear, y0), (x1, y0 + ear), (x1, y1), (x0, y1)], PAPER)
    p.line([(x1 - ear, y0), (x1 - ear, y0 + ear), (x1, y0 + ear)])


def text_lines(p, x0, x1, ys, colour):
    for y in ys:
        p.line([(x0, y), (x1, y)], colour, p.sw * 0.7)


def folder(p, x0, y0, x1, y1, back, front):
    """A closed folder: tab and back in one outline, the front panel on top."""
    tab = x0 + (x1 - x0) * 0.38
    p.poly([(x0, y0 + 3), (x0 + 2, y0), (tab, y0), (tab + 4, y0 + 5), (x1, y0 + 5), (x1, y1), (x0, y1)], back)
    p.rect(x0, y0 + 10, x1, y1, 1.5, front)


# --------------------------------------------------------------------------
# Pictograms: draw(p, accent, tint) on the 48-unit grid.

def d_new(p, ac, tint):
    page(p, 7, 6, 33, 44)
    if not p.small:
        text_lines(p, 13, 27, (28, 34), tint)
    star = star_points(33, 15, 13, 6.0) if p.small else star_points(33, 15, 12, 5.4)
    p.poly(star, rgb("ffc83d"))


def d_open(p, ac, tint):
    p.poly([(4, 11), (6, 7), (17, 7), (21, 12), (38, 12), (38, 19), (4, 19)], tint)
    p.poly([(4, 41), (11, 20), (45, 20), (38, 41)], ac)
    p.line([(4, 10), (4, 41)])


def d_save(p, ac, tint):
    p.poly([(5, 8), (5, 40), (8, 43), (40, 43), (43, 40), (43, 12), (39, 5), (8, 5)], ac)
    p.rect(13, 5, 33, 17, 0.5, tint)
    p.c.fill(Rect(26, 8, 30, 14), SLATE)
    p.rect(11, 26, 37, 43, 1.0, PAPER)
    text_lines(p, 16, 32, (32, 37), tint)


def d_editp(p, ac, tint):
    page(p, 6, 4, 32, 44)
    text_lines(p, 11, 24, (20, 26, 32), tint)
    # A pencil lying diagonally across the page's lower right.
    ang = -45.0
    a = math.radians(ang)
    ux, uy = math.cos(a), math.sin(a)
    nx, ny = -uy, ux
    w = 4.6
    tip = (21, 43)
    body0 = (tip[0] + ux * 8, tip[1] + uy * 8)
    end = (tip[0] + ux * 30, tip[1] + uy * 30)

    def quad(p0, p1):
        return [(p0[0] + nx * w, p0[1] + ny * w), (p1[0] + nx * w, p1[1] + ny * w),
                (p1[0] - nx * w, p1[1] - ny * w), (p0[0] - nx * w, p0[1] - ny * w)]
    p.poly([tip, (body0[0] + nx * w, body0[1] + ny * w), (body0[0] - nx * w, body0[1] - ny * w)], rgb("f3d7a6"))
    p.poly(quad(body0, end), ac)
    cap = (end[0] - ux * 5, end[1] - uy * 5)
    p.line([(cap[0] + nx * w, cap[1] + ny * w), (cap[0] - nx * w, cap[1] - ny * w)])


def d_check(p, ac, tint):
    page(p, 6, 4, 32, 44)
    text_lines(p, 11, 24, (18, 24), tint)
    p.line([(16, 30), (24, 38), (42, 18)], SLATE, p.sw * 3.2)
    p.line([(16, 30), (24, 38), (42, 18)], ac, p.sw * 1.5)


def d_build(p, ac, tint):
    p.circle(21, 21, 17, rgb("e9eef4"))
    if not p.small:
        p.c.fill(Ring(21, 21, 13, 8, 200, 260), tint)
        p.c.fill(Ring(21, 21, 13, 8, 20, 80), tint)
    p.circle(21, 21, 4.5, WHITE)
    p.circle(35, 35, 11.5 if p.small else 10, ac)
    p.line([(35, 28.5), (35, 37)], WHITE, p.sw * (1.5 if p.small else 1.0))
    p.arrow_head((35, 42.5), 90, 7 if p.small else 5.5, WHITE)


def d_cat(p, ac, tint):
    # Three tags fanned out, each a rounded card with a punched hole.
    shades = (tint, rgb("b49ae3"), ac)
    for i, shade in enumerate(shades):
        x, y = 4 + i * 6, 5 + i * 8
        p.poly([(x, y + 4), (x + 4, y), (x + 26, y), (x + 32, y + 8), (x + 26, y + 16), (x + 4, y + 16), (x, y + 12)], shade)
        p.circle(x + 24.5, y + 8, 2.2, WHITE)


def d_md(p, ac, tint):
    # A palette: a round board with a thumb hole, paint dots and a brush.
    p.circle(22, 25, 18, tint)
    p.c.fill(Ring(28, 35, 5 + p.sw / 2, 5 - p.sw / 2), SLATE)
    p.c.erase(Circle(28, 35, 5 - p.sw / 2))
    for (x, y), colour in zip(((12, 24), (16, 14), (26, 12), (14, 34)), ("d64545", "ffc83d", "2f6fd6", "7d4fc4")):
        p.c.fill(Circle(x, y, 3.8 if p.sw < 4 else 4.4), rgb(colour))
    p.line([(45, 4), (33, 20)], SLATE, p.sw * 2.4)
    p.line([(45, 4), (34.5, 18)], ac, p.sw * 1.0)
    p.poly([(31, 18), (36, 22), (30, 29), (26, 27)], rgb("f3d7a6"))


def d_settings(p, ac, tint):
    teeth = 6 if p.small else 8
    pts = []
    for i in range(teeth * 4):
        a = math.radians(i * 360.0 / (teeth * 4) - 90 + 360.0 / (teeth * 8))
        r = 19 if (i % 4) in (1, 2) else 14.5
        pts.append((24 + r * math.cos(a), 24 + r * math.sin(a)))
    p.poly(pts, ac)
    p.circle(24, 24, 7 if p.small else 6, WHITE)


def d_help(p, ac, tint):
    p.circle(24, 24, 19, ac)
    w = p.sw * 1.6
    p.arc(24, 19, 6.5, 180, 405, WHITE, w)
    p.line([(28.6, 23.6), (24, 27), (24, 29)], WHITE, w)
    p.c.fill(Circle(24, 35.5, w * 0.65), WHITE)


def d_exit(p, ac, tint):
    p.rect(6, 5, 28, 43, 1.5, tint)
    p.poly([(6, 5), (20, 10), (20, 43), (6, 43)], ac)
    p.c.fill(Circle(16.5, 26, 1.8), WHITE)
    p.line([(25, 24), (42, 24)], SLATE, p.sw * 1.6)
    p.arrow_head((46, 24), 0, 10, SLATE)


def d_add(p, ac, tint):
    page(p, 7, 4, 33, 44)
    text_lines(p, 12, 26, (20, 26), tint)
    p.badge_plus(34, 34, 10, ac)


def d_adddir(p, ac, tint):
    folder(p, 4, 7, 38, 38, tint, rgb("8fd19e"))
    p.badge_plus(36, 36, 10, ac)


def d_addjump(p, ac, tint):
    folder(p, 14, 18, 44, 44, tint, rgb("8fd19e"))
    # A curved arrow from the upper left that dives into the folder.
    w = p.sw * 1.4
    p.arc(22, 24, 15, 180, 282, SLATE, w + p.sw * 1.2)
    p.arc(22, 24, 15, 180, 282, ac, w)
    a = math.radians(282)
    tip = (22 + 15 * math.cos(a) + 6, 24 + 15 * math.sin(a) + 1.5)
    p.arrow_head((tip[0] + 2.5, tip[1] + 0.5), 12, 11, SLATE)
    p.arrow_head(tip, 12, 7, ac)


def d_addurl(p, ac, tint):
    p.circle(21, 21, 17, tint)
    thin = p.sw * 0.8
    # A meridian ellipse, the equator and the axis, clipped to the globe.
    inner = Circle(21, 21, 17)
    p.c.fill(Intersect(Difference(Ellipse(21, 21, 8 + thin / 2, 17), Ellipse(21, 21, 8 - thin / 2, 17 - thin / 2)), inner), SLATE)
    p.c.fill(Intersect(Rect(4, 21 - thin / 2, 38, 21 + thin / 2), inner), SLATE)
    if not p.small:
        p.c.fill(Intersect(Rect(21 - thin / 2, 4, 21 + thin / 2, 38), inner), SLATE)
    p.circle(21, 21, 17, None)
    p.badge_plus(36, 36, 10, ac)


def d_remove(p, ac, tint):
    # A waste bin: lid with handle, tapered body with ribs.
    p.rect(18, 4, 30, 9, 1.5, None)
    p.rect(7, 9, 41, 14, 1.5, ac)
    p.poly([(10, 14), (38, 14), (35, 44), (13, 44)], tint)
    for x0, x1 in ((18, 18.8), (24, 24), (30, 29.2)):
        p.line([(x0, 20), (x1, 38)], ac, p.sw * 0.9)


def d_sort(p, ac, tint):
    w = p.sw * 0.95
    # "A" above "Z", an arrow pointing down beside them.
    if p.small:
        # Wider letters on whole pixels, or they melt into grey.
        p.line([(4.5, 22.5), (13.5, 3.5), (22.5, 22.5)], SLATE, w)
        p.line([(7.5, 16.5), (19.5, 16.5)], SLATE, w)
        p.line([(4.5, 28.5), (22.5, 28.5), (4.5, 43.5), (22.5, 43.5)], SLATE, w)
    else:
        p.line([(6, 21), (12.5, 4), (19, 21)], SLATE, w)
        p.line([(8.5, 15), (16.5, 15)], SLATE, w)
        p.line([(6.5, 27), (18.5, 27), (6.5, 44), (18.5, 44)], SLATE, w)
    if p.small:
        p.line([(37.5, 5), (37.5, 34)], ac, p.sw * 1.6)
        p.arrow_head((37.5, 45), 90, 12, ac)
        return
    p.line([(33, 5), (33, 34)], SLATE, p.sw * 2.6)
    p.arrow_head((33, 45), 90, 13, SLATE)
    p.line([(33, 6.5), (33, 34)], ac, p.sw * 1.0)
    p.arrow_head((33, 42.2), 90, 8.3, ac)


def d_find(p, ac, tint):
    p.line([(28, 28), (42, 42)], SLATE, p.sw * 3.0)
    p.line([(30, 30), (41, 41)], ac, p.sw * 1.3)
    p.circle(19, 19, 13, PAPER)
    p.c.fill(Ring(19, 19, 9, 6.5, 200, 270), tint)


def d_info_f(p, ac, tint):
    page(p, 7, 4, 33, 44)
    text_lines(p, 12, 26, (20, 26), tint)
    w = p.sw * (1.5 if p.small else 1.1)
    p.circle(34, 34, 11.5 if p.small else 10, ac)
    p.c.fill(Circle(34, 28.3, w * 0.6), WHITE)
    p.line([(34, 33), (34, 40)], WHITE, w)


def d_screen_f(p, ac, tint):
    # A camera: body, viewfinder bump, lens.
    p.poly([(16, 13), (19, 7), (29, 7), (32, 13)], tint)
    p.rect(4, 13, 44, 40, 3, ac)
    p.circle(24, 26.5, 9, PAPER)
    p.c.fill(Circle(24, 26.5, 4.2), tint)
    p.c.fill(Circle(38.5, 18.5, 1.8), WHITE)


# Name, group, drawing, in tool button order.
BUTTONS = [
    ("new", "project", d_new), ("open", "project", d_open), ("save", "project", d_save),
    ("editp", "project", d_editp), ("check", "project", d_check), ("build", "project", d_build),
    ("cat", "environment", d_cat), ("md", "environment", d_md),
    ("settings", "program", d_settings), ("help", "program", d_help), ("exit", "program", d_exit),
    ("add", "item", d_add), ("adddir", "item", d_adddir), ("addjump", "item", d_addjump), ("addurl", "item", d_addurl),
    ("remove", "chosen", d_remove), ("sort", "chosen", d_sort), ("find", "chosen", d_find),
    ("info_f", "chosen", d_info_f), ("screen_f", "chosen", d_screen_f),
]


# --------------------------------------------------------------------------
# States and output

def render(draw, group, size):
    canvas = Canvas()
    ac, tint = ACCENT[group]
    draw(Pen(canvas, STROKE[size], size == 16), ac, tint)
    return to_rgba_bytes(rasterise(canvas, size), size)


def disabled(rgba):
    """Grey, lighter and a little transparent: plainly not clickable."""
    out = bytearray(rgba)
    for i in range(0, len(out), 4):
        grey = (out[i] * 299 + out[i + 1] * 587 + out[i + 2] * 114) // 1000
        v = grey + (255 - grey) * 55 // 100
        out[i] = out[i + 1] = out[i + 2] = v
        out[i + 3] = out[i + 3] * 80 // 100
    return bytes(out)


def hot(rgba):
    """A touch brighter, so the button under the mouse lights up."""
    out = bytearray(rgba)
    for i in range(0, len(out), 4):
        for k in range(3):
            out[i + k] = out[i + k] + (255 - out[i + k]) * 18 // 100
    return bytes(out)


def strip(images, size):
    """Images (straight RGBA, top row first) side by side."""
    rows = []
    for y in range(size):
        rows.append(b"".join(img[4 * size * y: 4 * size * (y + 1)] for img in images))
    return b"".join(rows)


def bmp_v5(rgba, width, height):
    """A 32-bit BI_BITFIELDS bitmap with an alpha mask, rows bottom-up."""
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = rgba[4 * width * y: 4 * width * (y + 1)]
        for x in range(width):
            r, g, b, a = row[4 * x: 4 * x + 4]
            pixels += bytes((b, g, r, a))
    header = struct.pack("<IiiHHIIiiII", 124, width, height, 1, 32, 3, len(pixels), 2835, 2835, 0, 0)
    header += struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    header += struct.pack("<I", 0x73524742)  # LCS_sRGB
    header += bytes(36) + struct.pack("<III", 0, 0, 0)  # endpoints and gamma, unused for sRGB
    header += struct.pack("<IIII", 4, 0, 0, 0)  # LCS_GM_IMAGES, no profile
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + bytes(pixels)


def contact_sheet(strips, path):
    """Every strip at every size, then each picture at 48 px times 3 beside 16 px times 9."""
    line, cell, per_row = 52, 2 * 144 + 16, 4
    rows = (len(strips) + per_row - 1) // per_row
    width = per_row * cell
    height = len(strips) * line + rows * 152
    sheet = bytearray(b"\xf0\xf0\xf0\xff" * (width * height))

    def put(img, stride, w, h, ox, oy, z=1):
        for y in range(h * z):
            for x in range(w * z):
                s = 4 * ((y // z) * stride + x // z)
                a = img[s + 3]
                o = 4 * ((oy + y) * width + ox + x)
                for k in range(3):
                    sheet[o + k] = (img[s + k] * a + sheet[o + k] * (255 - a)) // 255

    for n, images in enumerate(strips):
        ox = 4
        for size in (48, 32, 16):
            put(images[size], 3 * size, 3 * size, size, ox, n * line + 2)
            ox += 3 * size + 12
    top = len(strips) * line
    for n, images in enumerate(strips):
        ox, oy = (n % per_row) * cell + 4, top + (n // per_row) * 152 + 4
        put(images[48], 144, 48, 48, ox, oy, 3)
        put(images[16], 48, 16, 16, ox + 152, oy, 9)
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
    folder_out = os.path.join(assets, "Files", "Images", "0")

    strips = []
    for name, group, draw in BUTTONS:
        per_size = {}
        for digit, size in SIZES.items():
            normal = render(draw, group, size)
            rgba = strip([normal, disabled(normal), hot(normal)], size)
            write(os.path.join(folder_out, "%d%s.bmp" % (digit, name)), bmp_v5(rgba, 3 * size, size))
            per_size[size] = rgba
        strips.append(per_size)
    if sheet:
        contact_sheet(strips, sheet)
    print("wrote %d tool button pictures below %s" % (len(BUTTONS) * len(SIZES), folder_out))


if __name__ == "__main__":
    main(sys.argv[1:])
