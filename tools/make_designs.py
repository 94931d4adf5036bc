#!/usr/bin/env python3
"""Draws and writes the shipped menu designs with their pictures, sounds and icons.

Everything is generated here (Python 3 standard library only), so running the
script again reproduces the same bytes:

  assets/Files/Standard.qvd      the standard design, with its sounds beside it
  assets/menudesign/<Name>/      three more designs: <Name>.qvd, back.bmp,
                                 button.bmp, splash.bmp, <name>.ico, five sounds
  assets/back/                   pictures offered by the editor's picture dialog
  assets/Sounds/                 sounds offered by the editor's sound dialog

Usage: tools/make_designs.py [ASSETS_DIR]   (default: assets/ beside tools/)
"""

import math
import os
import struct
import sys
import wave

# ---------------------------------------------------------------- pictures


def clamp8(v):
    return 0 if v < 0 else 255 if v > 255 else int(v + 0.5)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smoothstep(e0, e1, x):
    t = max(0.0, min(1.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


class Canvas:
    """RGB floats, row 0 at the top."""

    def __init__(self, w, h, colour=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[list(colour) for _ in range(w)] for _ in range(h)]

    def fill(self, fn):
        for y in range(self.h):
            row = self.px[y]
            for x in range(self.w):
                row[x] = list(fn(x, y))

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.w and 0 <= y < self.h and alpha > 0:
            p = self.px[y][x]
            for i in range(3):
                p[i] += (colour[i] - p[i]) * alpha

    def disc(self, cx, cy, r, colour, alpha=1.0, soft=1.0):
        for y in range(max(0, int(cy - r - 2)), min(self.h, int(cy + r + 3))):
            for x in range(max(0, int(cx - r - 2)), min(self.w, int(cx + r + 3))):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                a = 1.0 - smoothstep(r - soft, r + soft, d)
                self.blend(x, y, colour, a * alpha)

    def ring(self, cx, cy, r, width, colour, alpha=1.0):
        for y in range(max(0, int(cy - r - width - 2)), min(self.h, int(cy + r + width + 3))):
            for x in range(max(0, int(cx - r - width - 2)), min(self.w, int(cx + r + width + 3))):
                d = abs(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - r)
                a = 1.0 - smoothstep(width / 2 - 0.7, width / 2 + 0.7, d)
                self.blend(x, y, colour, a * alpha)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.blend(x, y, colour, alpha)

    def frame(self, colour, width=1, alpha=1.0):
        for i in range(width):
            self.rect(i, i, self.w - i, i + 1, colour, alpha)
            self.rect(i, self.h - i - 1, self.w - i, self.h - i, colour, alpha)
            self.rect(i, i, i + 1, self.h - i, colour, alpha)
            self.rect(self.w - i - 1, i, self.w - i, self.h - i, colour, alpha)

    def bmp(self):
        """24-bit uncompressed BMP, rows bottom-up, each padded to four bytes."""
        row_size = (self.w * 3 + 3) // 4 * 4
        pad = b"\0" * (row_size - self.w * 3)
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            for r, g, b in self.px[y]:
                data += bytes((clamp8(b), clamp8(g), clamp8(r)))
            data += pad
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return header + info + bytes(data)


def gradient_canvas(w, h, top, bottom):
    c = Canvas(w, h)
    c.fill(lambda x, y: mix(top, bottom, y / max(1, h - 1)))
    return c


def button_picture(w, h, top, bottom, edge):
    """A rounded glossy bar: light upper half, darker lower half."""
    c = Canvas(w, h)

    def fn(x, y):
        t = y / (h - 1)
        base = mix(top, bottom, t)
        if t < 0.5:
            base = mix(base, (255, 255, 255), 0.35 * (1 - t * 2))
        return base
    c.fill(fn)
    c.frame(edge, 1, 0.8)
    c.rect(1, 1, w - 1, 2, (255, 255, 255), 0.5)
    return c


# ---------------------------------------------------------------- icons


def ico(draw):
    """A Windows icon with 16, 32 and 48 pixel images: 32-bit BGRA with an AND mask.

    draw(size) returns rows (top first) of (r, g, b, a) tuples."""
    images = []
    for size in (16, 32, 48):
        rows = draw(size)
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for r, g, b, a in rows[y]:
                xor += bytes((clamp8(b), clamp8(g), clamp8(r), clamp8(a)))
        mask_row = (size + 31) // 32 * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            bits = bytearray(mask_row)
            for x, (_, _, _, a) in enumerate(rows[y]):
                if a < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, header + bytes(xor) + bytes(mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


def icon_drawer(body_top, body_bottom, glyph):
    """A round badge with a soft gradient and a white glyph, 4x supersampled."""
    def draw(size):
        ss = 4
        rows = []
        for y in range(size):
            row = []
            for x in range(size):
                acc = [0.0, 0.0, 0.0, 0.0]
                for sy in range(ss):
                    for sx in range(ss):
                        u = (x + (sx + 0.5) / ss) / size
                        v = (y + (sy + 0.5) / ss) / size
                        d = math.hypot(u - 0.5, v - 0.5)
                        if d > 0.47:
                            continue
                        col = mix(body_top, body_bottom, v)
                        if d > 0.42:
                            col = mix(col, (255, 255, 255), 0.55)
                        if glyph(u, v):
                            col = (255, 255, 255)
                        acc[0] += col[0]
                        acc[1] += col[1]
                        acc[2] += col[2]
                        acc[3] += 1
                n = ss * ss
                if acc[3] == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], 255 * acc[3] / n))
            rows.append(row)
        return rows
    return draw


def glyph_wave(u, v):
    return abs(v - (0.55 + 0.08 * math.sin((u - 0.2) * 2 * math.pi * 1.5))) < 0.055 and 0.18 < u < 0.82


def glyph_sun(u, v):
    d = math.hypot(u - 0.5, v - 0.58)
    return (d < 0.16 and v < 0.62) or (abs(v - 0.66) < 0.03 and 0.2 < u < 0.8)


def glyph_tree(u, v):
    return (0.22 < v < 0.68 and abs(u - 0.5) < (v - 0.22) * 0.62) or (0.66 <= v < 0.8 and abs(u - 0.5) < 0.05)


# ---------------------------------------------------------------- sounds

RATE = 22050


def tone(freq, seconds, volume=0.5, attack=0.005, decay=None, harmonics=(1.0, 0.3, 0.12)):
    n = int(RATE * seconds)
    decay = decay if decay is not None else seconds / 4
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay)
        s = sum(a * math.sin(2 * math.pi * freq * (k + 1) * t) for k, a in enumerate(harmonics))
        out.append(volume * env * s / sum(harmonics))
    return out


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def sequence(*parts):
    out = []
    for p in parts:
        out += p
    return out


def overlay(base, add, at):
    start = int(RATE * at)
    out = list(base) + [0.0] * max(0, start + len(add) - len(base))
    for i, s in enumerate(add):
        out[start + i] += s
    return out


def wav_bytes(samples, path):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        frames = bytearray()
        for s in samples:
            frames += struct.pack("<h", max(-32767, min(32767, int(s * 32767))))
        w.writeframes(bytes(frames))


def note(name):
    names = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = names[name[0]] + (1 if "#" in name else 0) + 12 * (int(name[-1]) - 4)
    return 440.0 * 2 ** (semis / 12)


def arpeggio(notes, step, length, volume=0.4, harmonics=(1.0, 0.3, 0.12)):
    out = silence(step * (len(notes) - 1) + length)
    for i, n in enumerate(notes):
        out = overlay(out, tone(note(n), length, volume, decay=length / 3, harmonics=harmonics), i * step)
    return out


def click(freq=1800, seconds=0.05, volume=0.45):
    return tone(freq, seconds, volume, attack=0.001, decay=0.012, harmonics=(1.0, 0.5))


def sound_set(key, harmonics):
    """Start, standard, button, copy complete, unzip complete, transposed by key."""
    up = lambda n: transpose(n, key)  # noqa: E731
    return [
        arpeggio([up("C4"), up("E4"), up("G4"), up("C5")], 0.11, 0.55, harmonics=harmonics),
        tone(note(up("A5")), 0.22, 0.35, decay=0.07, harmonics=harmonics),
        click(),
        arpeggio([up("G4"), up("C5")], 0.12, 0.4, harmonics=harmonics),
        arpeggio([up("E5"), up("C5"), up("G4")], 0.1, 0.4, harmonics=harmonics),
    ]


def transpose(name, semis):
    order = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    base = name[:-1]
    octave = int(name[-1])
    i = order.index(base) + semis
    return order[i % 12] + str(octave + i // 12)


# ---------------------------------------------------------------- design files

WHITE, BLACK, GRAY = "clWhite", "clBlack", "clGray"


def colour(r, g, b):
    """The design file's spelling: a name where one exists, else $00BBGGRR."""
    value = r | (g << 8) | (b << 16)
    names = {0x000000: "clBlack", 0x000080: "clMaroon", 0x008000: "clGreen", 0x008080: "clOlive",
             0x800000: "clNavy", 0x800080: "clPurple", 0x808000: "clTeal", 0x808080: "clGray",
             0xC0C0C0: "clSilver", 0x0000FF: "clRed", 0x00FF00: "clLime", 0x00FFFF: "clYellow",
             0xFF0000: "clBlue", 0xFF00FF: "clFuchsia", 0xFFFF00: "clAqua", 0xFFFFFF: "clWhite"}
    return names.get(value, "$%08X" % value)


def design_text(d):
    """The exact layout the program writes. Full paths are left empty: a
    shipped design finds its files by name in its own folder."""
    splash = d.get("splash")
    lines = []

    def section(name):
        lines.append("[%s]" % name)

    def key(k, v):
        lines.append("%s=%s" % (k, v))

    section("general")
    key("design_mode", d["design_mode"])
    key("button_mode", d["button_mode"])
    section("Splash" if splash else "splash")
    key("enabled", 1 if splash else 0)
    key("bmp", "")
    key("bmpalone", splash[0] if splash else "")
    key("height", splash[2] if splash else 0)
    key("width", splash[1] if splash else 0)
    key("fc", d["fc"] if splash else WHITE)
    key("fw", d["fw"] if splash else 0)
    key("d", d["d"] * 1000 if splash else 0)
    section("Icon")
    key("name", "")
    key("namealone", d.get("icon", ""))
    section("Buttons")
    for k in ("btnc", "btnec", "btnFc", "size"):
        key(k, d[k])
    key("btn_bmp", "")
    key("btn_bmpalone", d.get("button", ""))
    for k in ("btnsd", "btnbw", "btnbc", "style", "effect", "font_effect", "btnstyle_lc", "btnstyle_sc",
              "buttonshadowcolor", "font_format"):
        key(k, d[k])
    section("Boxes")
    for k in ("boxc_c", "boxc_fc", "boxf_c", "boxf_fc", "boxd_c", "boxc_bmp", "boxf_bmp", "boxd_bmp"):
        key(k, d[k])
    section("Fonts")
    for k in ("fuc", "fduc", "fdnc", "c_flc", "c_fsc", "f_flc", "f_fsc", "d_flc", "d_fsc", "fuc_format",
              "fduc_format", "fdnc_format", "fuc_effect", "fduc_effect", "fdnc_effect", "fuc_size", "fduc_size",
              "fdnc_size"):
        key(k, d[k])
    for part, (file_name, face) in zip(("cbi", "fbi", "btn_fn", "Font1Name", "Font2Name", "Font3Name"), d["fonts"]):
        key("Font_name_" + part, file_name)
        key("Font_fname_" + part, face)
    section("Back")
    key("bc", d["bc"])
    key("bec", d["bec"])
    key("bmp", "")
    key("bmpalone", d.get("back", ""))
    key("tile_mode", d["tile_mode"])
    section("Sound")
    for n in range(1, 6):
        key("sound%d" % n, "")
        key("sound%dalone" % n, d["sounds"][n - 1] if "sounds" in d else "")
    section("Language")
    key("Language", d.get("Language", 0))
    key("Style", d.get("Style", 1))
    return "".join(line + "\r\n" for line in lines).encode("utf-8")


def base_design(**over):
    d = dict(
        design_mode="band", button_mode="band", fc=WHITE, fw=1, d=2,
        btnc=colour(236, 240, 246), btnec=colour(188, 202, 224), btnFc=colour(24, 36, 64), size=10,
        btnsd=3, btnbw=1, btnbc=colour(120, 138, 170), style="sbNormal", effect="sbsShadow",
        font_effect="tdNone", btnstyle_lc=WHITE, btnstyle_sc=GRAY, buttonshadowcolor=colour(16, 24, 48),
        font_format="bold",
        boxc_c=colour(250, 251, 253), boxc_fc=colour(24, 36, 64), boxf_c=colour(250, 251, 253),
        boxf_fc=colour(24, 36, 64), boxd_c=colour(240, 244, 250), boxc_bmp=0, boxf_bmp=0, boxd_bmp=0,
        fuc=colour(24, 36, 64), fduc=colour(24, 36, 64), fdnc=colour(48, 56, 72),
        c_flc=WHITE, c_fsc=GRAY, f_flc=WHITE, f_fsc=GRAY, d_flc=WHITE, d_fsc=GRAY,
        fuc_format="bold", fduc_format="bold", fdnc_format="normal",
        fuc_effect="tdNone", fduc_effect="tdNone", fdnc_effect="tdNone",
        fuc_size=10, fduc_size=10, fdnc_size=9,
        fonts=[("DejaVuSans.ttf", "DejaVu Sans")] * 6,
        bc=colour(20, 40, 80), bec=colour(60, 110, 170), tile_mode="tmstretch",
        Language=0, Style=1,
    )
    d.update(over)
    return d


SOUND_NAMES = ["start.wav", "standard.wav", "button.wav", "copy.wav", "unzip.wav"]


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def write_sounds(folder, names, samples):
    os.makedirs(folder, exist_ok=True)
    for name, s in zip(names, samples):
        wav_bytes(s, os.path.join(folder, name))


# ---------------------------------------------------------------- the designs


def ocean_pictures():
    w, h = 320, 240
    back = Canvas(w, h)
    back.fill(lambda x, y: mix((18, 60, 110), (8, 22, 52), y / (h - 1)))
    for i in range(6):
        yy = 40 + i * 34
        for x in range(w):
            y = yy + 6 * math.sin(x / 26.0 + i)
            for dy in range(-2, 3):
                back.blend(x, int(y) + dy, (90, 170, 210), 0.12 * (1 - abs(dy) / 3))
    for cx, cy, r in ((40, 200, 7), (60, 170, 4), (280, 60, 9), (250, 95, 5), (160, 130, 3), (200, 210, 6)):
        back.ring(cx, cy, r, 1.5, (180, 230, 250), 0.5)
    splash = Canvas(360, 220)
    splash.fill(lambda x, y: mix((120, 190, 230), (250, 220, 170), y / 120.0) if y < 120
                else mix((40, 120, 170), (10, 40, 80), (y - 120) / 99.0))
    splash.disc(250, 112, 34, (255, 236, 170))
    splash.rect(0, 120, 360, 220, (20, 80, 130), 0.35)
    for i in range(5):
        for x in range(360):
            y = 135 + i * 17 + 3 * math.sin(x / 14.0 + i * 1.7)
            splash.blend(x, int(y), (200, 235, 250), 0.45)
    splash.frame((255, 255, 255), 2, 0.6)
    button = button_picture(160, 36, (90, 190, 225), (20, 90, 150), (10, 50, 90))
    return back, splash, button


def sunset_pictures():
    w, h = 320, 240

    def sky(x, y):
        t = y / (h - 1)
        if t < 0.6:
            return mix((60, 30, 90), (250, 140, 70), t / 0.6)
        return mix((70, 40, 60), (30, 18, 40), (t - 0.6) / 0.4)
    back = Canvas(w, h)
    back.fill(sky)
    back.disc(160, 144, 46, (255, 200, 110), 0.9, soft=3)
    back.rect(0, 144, w, h, (40, 22, 48), 0.85)
    for i in range(8):
        y = 150 + i * 10
        back.rect(160 - 40 + i * 4, y, 160 + 40 - i * 4, y + 2, (255, 180, 100), 0.25)
    splash = Canvas(360, 220)
    splash.fill(lambda x, y: mix((90, 40, 110), (255, 170, 90), y / 150.0) if y < 150 else (50, 26, 52))
    splash.disc(180, 150, 52, (255, 215, 130), soft=2)
    splash.rect(0, 150, 360, 220, (50, 26, 52))
    for x0, x1, hh in ((0, 120, 24), (90, 260, 14), (220, 360, 30)):
        for x in range(x0, x1):
            t = (x - x0) / (x1 - x0)
            top = int(150 - hh * math.sin(t * math.pi))
            splash.rect(x, top, x + 1, 151, (60, 30, 58))
    splash.frame((255, 210, 150), 2, 0.7)
    button = button_picture(160, 36, (252, 180, 110), (200, 90, 60), (120, 50, 40))
    return back, splash, button


def forest_pictures():
    size = 96
    tile = Canvas(size, size)
    tile.fill(lambda x, y: mix((34, 82, 46), (26, 66, 38), 0.5 + 0.5 * math.sin((x + y) * 2 * math.pi / size)))
    for cx, cy, r, a in ((20, 24, 10, 0.25), (70, 30, 8, 0.2), (48, 72, 12, 0.22), (88, 84, 7, 0.18), (6, 80, 6, 0.2)):
        for dx in (-size, 0, size):
            for dy in (-size, 0, size):
                tile.disc(cx + dx, cy + dy, r, (90, 150, 80), a, soft=2)
    splash = Canvas(360, 220)
    splash.fill(lambda x, y: mix((200, 230, 210), (150, 200, 170), y / 219.0))
    for i, (base_y, col) in enumerate(((150, (70, 130, 80)), (175, (46, 100, 60)), (200, (30, 76, 44)))):
        for x in range(360):
            top = int(base_y - 22 * math.sin(x / (60.0 + i * 20) + i))
            splash.rect(x, top, x + 1, 220, col)
    for tx, ty, s in ((60, 150, 30), (90, 160, 24), (290, 145, 34), (320, 158, 22)):
        for y in range(ty - s * 2, ty):
            half = (y - (ty - s * 2)) * 0.45
            splash.rect(int(tx - half), y, int(tx + half) + 1, y + 1, (22, 60, 34))
    splash.frame((240, 250, 240), 2, 0.7)
    button = button_picture(160, 36, (140, 196, 120), (56, 120, 64), (30, 70, 36))
    return tile, splash, button


def generate(assets):
    # Standard: a calm blue gradient, light buttons, no pictures; five sounds beside it.
    standard_sounds = ["Standard_start.wav", "Standard_standard.wav", "Standard_button.wav",
                       "Standard_copy.wav", "Standard_unzip.wav"]
    write_sounds(os.path.join(assets, "Files"), standard_sounds, sound_set(0, (1.0, 0.25, 0.08)))
    write(os.path.join(assets, "Files", "Standard.qvd"), design_text(base_design(sounds=standard_sounds)))

    designs = [
        ("Ocean", ocean_pictures, (10, 80, 160), (30, 150, 200), glyph_wave, 2, (1.0, 0.2, 0.05), dict(
            design_mode="bmp", button_mode="bmp", tile_mode="tmstretch", bc=colour(8, 22, 52), bec=colour(18, 60, 110),
            btnFc=WHITE, font_effect="tdShadow", btnstyle_sc=colour(10, 40, 70), btnsd=4,
            boxc_c=colour(230, 244, 250), boxf_c=colour(230, 244, 250), boxd_c=colour(214, 236, 246),
            boxc_fc=colour(10, 40, 70), boxf_fc=colour(10, 40, 70), fuc=colour(10, 50, 90), fduc=colour(10, 50, 90),
            fc=colour(200, 235, 250), fw=2, d=2)),
        ("Sunset", sunset_pictures, (250, 150, 60), (190, 60, 70), glyph_sun, 5, (1.0, 0.35, 0.15), dict(
            design_mode="bmp", button_mode="bmp", tile_mode="tmstretch", bc=colour(60, 30, 90), bec=colour(250, 140, 70),
            btnFc=colour(60, 20, 30), font_effect="tdRaised", btnstyle_lc=colour(255, 230, 200), style="sbOffset",
            boxc_c=colour(255, 246, 236), boxf_c=colour(255, 246, 236), boxd_c=colour(252, 236, 222),
            boxc_fc=colour(80, 30, 40), boxf_fc=colour(80, 30, 40), fuc=colour(120, 40, 40), fduc=colour(90, 30, 40),
            fdnc=colour(70, 40, 50), fonts=[("DejaVuSerif.ttf", "DejaVu Serif")] * 6,
            fc=colour(255, 210, 150), fw=3, d=2)),
        ("Forest", forest_pictures, (90, 170, 90), (30, 100, 50), glyph_tree, -3, (1.0, 0.15, 0.3), dict(
            design_mode="bmp", button_mode="band", tile_mode="tmtile", bc=colour(26, 66, 38), bec=colour(34, 82, 46),
            btnc=colour(170, 214, 150), btnec=colour(80, 140, 80), btnFc=colour(16, 40, 20), effect="sbs3D",
            btnbc=colour(30, 70, 36), boxc_c=colour(240, 248, 238), boxf_c=colour(240, 248, 238),
            boxd_c=colour(226, 240, 224), boxc_fc=colour(20, 50, 26), boxf_fc=colour(20, 50, 26),
            fuc=colour(20, 60, 30), fduc=colour(20, 60, 30), fdnc=colour(40, 60, 44),
            fonts=[("DejaVuSans.ttf", "DejaVu Sans")] * 3 + [("DejaVuSansMono.ttf", "DejaVu Sans Mono")] * 3,
            fc=colour(240, 250, 240), fw=2, d=1)),
    ]
    for name, pictures, top, bottom, glyph, key, harmonics, settings in designs:
        folder = os.path.join(assets, "menudesign", name)
        back, splash, button = pictures()
        write(os.path.join(folder, "back.bmp"), back.bmp())
        write(os.path.join(folder, "splash.bmp"), splash.bmp())
        write(os.path.join(folder, "button.bmp"), button.bmp())
        icon = name.lower() + ".ico"
        write(os.path.join(folder, icon), ico(icon_drawer(top, bottom, glyph)))
        write_sounds(folder, SOUND_NAMES, sound_set(key, harmonics))
        d = base_design(back="back.bmp", button="button.bmp", icon=icon, sounds=SOUND_NAMES,
                        splash=("splash.bmp", splash.w, splash.h), **settings)
        write(os.path.join(folder, name + ".qvd"), design_text(d))

    # Pictures and sounds for the editor's dialogs.
    back_dir = os.path.join(assets, "back")
    write(os.path.join(back_dir, "blue_gradient.bmp"), gradient_canvas(320, 240, (70, 120, 190), (14, 30, 70)).bmp())
    write(os.path.join(back_dir, "warm_gradient.bmp"), gradient_canvas(320, 240, (250, 200, 140), (170, 70, 60)).bmp())
    write(os.path.join(back_dir, "grey_gradient.bmp"), gradient_canvas(320, 240, (236, 238, 242), (150, 156, 168)).bmp())
    write(os.path.join(back_dir, "ocean.bmp"), ocean_pictures()[0].bmp())
    write(os.path.join(back_dir, "forest_tile.bmp"), forest_pictures()[0].bmp())
    write(os.path.join(back_dir, "button_silver.bmp"), button_picture(160, 36, (236, 238, 242), (160, 166, 178), (90, 96, 110)).bmp())
    write(os.path.join(back_dir, "button_blue.bmp"), button_picture(160, 36, (110, 160, 230), (30, 70, 150), (20, 40, 90)).bmp())
    write(os.path.join(back_dir, "button_green.bmp"), button_picture(160, 36, (140, 196, 120), (56, 120, 64), (30, 70, 36)).bmp())
    write_sounds(os.path.join(assets, "Sounds"),
                 ["chime.wav", "ping.wav", "click.wav", "bell.wav", "fanfare.wav", "soft_pop.wav"],
                 [arpeggio(["E5", "B5"], 0.1, 0.5),
                  tone(note("C6"), 0.2, 0.35, decay=0.06),
                  click(2200, 0.04),
                  tone(note("G4"), 1.0, 0.4, decay=0.35, harmonics=(1.0, 0.6, 0.4, 0.2)),
                  arpeggio(["C4", "G4", "C5", "E5", "G5"], 0.09, 0.6),
                  tone(note("A3"), 0.08, 0.5, attack=0.002, decay=0.02, harmonics=(1.0,))])


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets")
    generate(os.path.abspath(target))
