#!/usr/bin/python3
"""Draws every picture the game uses: original cartoon art of the Pelmaroos.

    /usr/bin/python3 tools/make_art.py

Writes screens/pictures/*.gif, *.ico and desktop/icons/pelmaroos-trivia-*.png.
Needs python3-pil and fonts-liberation. The output is deterministic: fixed
random seeds, no timestamps, so rerunning gives byte-identical files.
"""

import math
import os
import random
import struct
import sys
from contextlib import contextmanager

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PIC_DIR = os.path.join(ROOT, 'screens', 'pictures')
DESKTOP_DIR = os.path.join(ROOT, 'desktop', 'icons')

FONT_BOLD = '/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf'

WINDOW_GREY = (0xef, 0xef, 0xef)
BLACK = (0, 0, 0)

# Palette shared by every picture so the characters always look the same.
INK = (44, 30, 24)
WHITE = (255, 255, 255)
CREAM = (255, 246, 226)
SKIN = (255, 208, 166)
SKIN_ROSY = (246, 150, 130)
GINGER = (236, 112, 28)
GINGER_DARK = (186, 76, 18)
NAVY = (36, 62, 128)
NAVY_DARK = (28, 40, 82)
PURPLE = (132, 62, 178)
PURPLE_LIGHT = (176, 110, 222)
PURPLE_DARK = (92, 38, 130)
RASPBERRY = (214, 58, 112)
YELLOW = (255, 214, 40)
GOLD = (255, 196, 36)
GOLD_DARK = (206, 138, 18)
GOLD_LIGHT = (255, 236, 140)
TEAL = (22, 164, 160)
TEAL_LIGHT = (120, 214, 206)
RED = (226, 52, 48)
RED_DARK = (160, 30, 34)
ORANGE = (255, 146, 36)
GREEN = (84, 182, 76)
GREEN_DARK = (46, 120, 52)
SKY = (110, 196, 244)
SEA = (44, 130, 210)
SEA_LIGHT = (140, 206, 250)
BROWN = (156, 94, 46)
BROWN_DARK = (104, 60, 30)
WOOD = (196, 134, 72)
GREY = (168, 172, 184)
GREY_DARK = (100, 104, 118)
GREY_LIGHT = (222, 226, 234)
PINK = (255, 128, 168)
PINK_LIGHT = (255, 190, 214)
AUBURN = (150, 66, 36)
BOOT = (60, 40, 32)
MOUTH = (150, 30, 40)
TONGUE = (250, 110, 120)
LENS = (214, 238, 255)


def load_font(px):
    # Silently falling back to Pillow's bitmap font would ruin every logo.
    if not os.path.isfile(FONT_BOLD):
        raise SystemExit('make_art: font missing: %s (apt-get install fonts-liberation)' % FONT_BOLD)
    return ImageFont.truetype(FONT_BOLD, px)


# ---------------------------------------------------------------- geometry

def arc(cx, cy, rx, ry, a0, a1, n=24, rot=0.0):
    """Points on an ellipse from angle a0 to a1 (degrees, y grows downwards)."""
    c, s = math.cos(math.radians(rot)), math.sin(math.radians(rot))
    pts = []
    for i in range(n + 1):
        t = math.radians(a0 + (a1 - a0) * i / n)
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * c - y * s, cy + x * s + y * c))
    return pts


def ell(cx, cy, rx, ry=None, rot=0.0, n=72):
    ry = rx if ry is None else ry
    return arc(cx, cy, rx, ry, 0, 360, n, rot)[:-1]


def rrect(x0, y0, x1, y1, r):
    r = max(0.01, min(r, (x1 - x0) / 2, (y1 - y0) / 2))
    return (arc(x1 - r, y0 + r, r, r, -90, 0, 8) + arc(x1 - r, y1 - r, r, r, 0, 90, 8)
            + arc(x0 + r, y1 - r, r, r, 90, 180, 8) + arc(x0 + r, y0 + r, r, r, 180, 270, 8))


def capsule(x0, y0, x1, y1, r):
    a = math.degrees(math.atan2(y1 - y0, x1 - x0))
    return arc(x1, y1, r, r, a - 90, a + 90, 14) + arc(x0, y0, r, r, a + 90, a + 270, 14)


def bez(p0, p1, p2, p3, n=16):
    pts = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        pts.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return pts


def qbez(p0, p1, p2, n=14):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / n for i in range(n + 1))]


def band(cx, cy, rx, ry, y0, y1, n=12):
    """Horizontal slice of an ellipse, for stripes on round bodies."""
    y0, y1 = max(y0, cy - ry), min(y1, cy + ry)
    if y1 <= y0:
        return None
    right, left = [], []
    for i in range(n + 1):
        y = y0 + (y1 - y0) * i / n
        x = 0.995 * rx * math.sqrt(max(0.0, 1 - ((y - cy) / ry) ** 2))
        right.append((cx + x, y))
        left.append((cx - x, y))
    return right + left[::-1]


def rot_pts(pts, cx, cy, deg):
    c, s = math.cos(math.radians(deg)), math.sin(math.radians(deg))
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in pts]


def star_pts(cx, cy, r_out, r_in, n=5, rot=-90.0):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        t = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return pts


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(int(round(lerp(a, b, t))) for a, b in zip(c1, c2))


# ---------------------------------------------------------------- drawing

class Pen:
    """Draws in local coordinates onto a supersampled RGBA canvas.

    ss is the supersampling factor; ow is the outline width in final pixels,
    so every figure in one picture gets the same line weight.
    """

    def __init__(self, img, ss, ow, ox=0.0, oy=0.0, sc=1.0, flip=False, rot=0.0):
        self.img, self.ss, self.ow = img, ss, ow
        self.d = ImageDraw.Draw(img)
        self.ox, self.oy, self.sc, self.flip, self.rot = ox, oy, sc, flip, rot
        self._c, self._s = math.cos(math.radians(rot)), math.sin(math.radians(rot))

    def _map(self, x, y):
        if self.flip:
            x = -x
        x, y = x * self._c - y * self._s, x * self._s + y * self._c
        return self.ox + x * self.sc, self.oy + y * self.sc

    def at(self, x, y, s=1.0, flip=False, rot=0.0):
        ox, oy = self._map(x, y)
        r = (-rot if self.flip else rot) + self.rot
        return Pen(self.img, self.ss, self.ow, ox, oy, self.sc * s, self.flip != flip, r)

    def T(self, pts):
        out = []
        for x, y in pts:
            X, Y = self._map(x, y)
            out.append((X * self.ss, Y * self.ss))
        return out

    def w(self, v):
        return max(1, int(round(v * self.sc * self.ss)))

    @staticmethod
    def _polys(polys):
        if polys and isinstance(polys[0][0], (int, float)):
            return [polys]
        return [p for p in polys if p]

    def shape(self, polys, fill, ow=None, outline=INK):
        """Filled shapes sharing one outline drawn around their union."""
        polys = self._polys(polys)
        ow = self.ow if ow is None else ow
        if ow > 0:
            k = max(1, int(round(2 * ow * self.ss)))
            for p in polys:
                P = self.T(p)
                self.d.polygon(P, fill=outline)
                self.d.line(P + P[:2], fill=outline, width=k, joint='curve')
        for p in polys:
            self.d.polygon(self.T(p), fill=fill)

    def fill(self, polys, col):
        for p in self._polys(polys):
            self.d.polygon(self.T(p), fill=col)

    def line(self, pts, col, width, caps=True):
        P = self.T(pts)
        k = self.w(width)
        self.d.line(P, fill=col, width=k, joint='curve')
        if caps:
            r = k / 2.0
            for x, y in (P[0], P[-1]):
                self.d.ellipse((x - r, y - r, x + r, y + r), fill=col)

    def tube(self, pts, col, width, outline=INK, ow=None):
        """A thick outlined stroke: limbs, pipes, tentacles."""
        ow = self.ow if ow is None else ow
        if ow > 0:
            P = self.T(pts)
            k = self.w(width) + int(round(2 * ow * self.ss))
            self.d.line(P, fill=outline, width=k, joint='curve')
            r = k / 2.0
            for x, y in (P[0], P[-1]):
                self.d.ellipse((x - r, y - r, x + r, y + r), fill=outline)
        self.line(pts, col, width)

    def dot(self, x, y, r, col):
        self.fill(ell(x, y, r, r, n=32), col)

    def text(self, x, y, s, px, fill, stroke=0.0, stroke_fill=INK, anchor='mm'):
        X, Y = self._map(x, y)
        f = load_font(max(1, int(round(px * self.sc * self.ss))))
        self.d.text((X * self.ss, Y * self.ss), s, font=f, fill=fill, anchor=anchor,
                    stroke_width=int(round(stroke * self.sc * self.ss)), stroke_fill=stroke_fill)

    @contextmanager
    def clip(self, polys):
        """Everything drawn on the yielded pen is kept only inside polys."""
        layer = Image.new('RGBA', self.img.size, (0, 0, 0, 0))
        sub = Pen(layer, self.ss, self.ow, self.ox, self.oy, self.sc, self.flip, self.rot)
        yield sub
        mask = Image.new('L', self.img.size, 0)
        md = ImageDraw.Draw(mask)
        for p in self._polys(polys):
            md.polygon(self.T(p), fill=255)
        layer.putalpha(ImageChops.multiply(layer.getchannel('A'), mask))
        self.img.alpha_composite(layer)


def new_canvas(w, h, ss):
    return Image.new('RGBA', (w * ss, h * ss), (0, 0, 0, 0))


def shrink(img, w, h):
    return img.resize((w, h), Image.LANCZOS)


def add_halo(img, ss, radius, colour):
    """Light rim around everything, so dark outlines still read on black."""
    a = img.getchannel('A').filter(ImageFilter.GaussianBlur(radius * ss / 1.4))
    a = a.point(lambda v: 255 if v > 20 else 0)
    a = a.filter(ImageFilter.GaussianBlur(ss * 0.5))
    rim = Image.new('RGBA', img.size, colour + (0,))
    rim.putalpha(a)
    rim.alpha_composite(img)
    return rim


# ---------------------------------------------------------------- writers

def _flatten(rgba, matte, thresh):
    """RGB picture against the window colour plus a list of opaque flags."""
    w, h = rgba.size
    bg = Image.new('RGBA', (w, h), matte + (255,))
    rgb = Image.alpha_composite(bg, rgba).convert('RGB')
    opaque = [v >= thresh for v in rgba.getchannel('A').getdata()]
    return rgb, opaque


def _palette_of(q, count):
    pal = list(q.getpalette()[:count * 3])
    pal += [0] * (count * 3 - len(pal))
    return pal


def write_gif(path, rgba, matte, transparent=True, thresh=128):
    w, h = rgba.size
    if transparent:
        rgb, opaque = _flatten(rgba, matte, thresh)
        q = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT)
        data = bytearray(q.tobytes())
        for i, o in enumerate(opaque):
            if not o:
                data[i] = 255
        pal = _palette_of(q, 255) + list(matte)
        out = Image.frombytes('P', (w, h), bytes(data))
        out.putpalette(pal)
        out.save(path, 'GIF', transparency=255, optimize=False)
    else:
        rgb = Image.alpha_composite(Image.new('RGBA', (w, h), matte + (255,)), rgba).convert('RGB')
        q = rgb.quantize(colors=256, method=Image.Quantize.MEDIANCUT)
        out = Image.frombytes('P', (w, h), q.tobytes())
        out.putpalette(_palette_of(q, 256))
        out.info['version'] = b'89a'
        out.save(path, 'GIF', optimize=False)


ICO_SIZE = 6 + 16 + 40 + 1024 + 1024 + 128


def write_ico(path, rgba32, matte=WINDOW_GREY, thresh=100):
    """One 32x32, 8-bit image with a 1-bit AND mask, written field by field."""
    assert rgba32.size == (32, 32)
    rgb, opaque = _flatten(rgba32, matte, thresh)
    q = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT)
    idx = q.tobytes()
    # Index 0 is black and used under the mask, so masked pixels stay invisible.
    colours = [(0, 0, 0)]
    pal = _palette_of(q, 255)
    colours += [tuple(pal[i * 3:i * 3 + 3]) for i in range(255)]
    pixels = bytes((idx[i] + 1) if opaque[i] else 0 for i in range(1024))

    out = bytearray()
    out += struct.pack('<HHH', 0, 1, 1)
    out += struct.pack('<BBBBHHII', 32, 32, 0, 0, 1, 8, ICO_SIZE - 22, 22)
    out += struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 8, 0, 1024 + 128, 0, 0, 256, 0)
    for r, g, b in colours:
        out += struct.pack('<BBBB', b, g, r, 0)
    for y in range(31, -1, -1):
        out += pixels[y * 32:(y + 1) * 32]
    for y in range(31, -1, -1):
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (0 if opaque[y * 32 + x] else 1)
        out += struct.pack('>I', bits)
    if len(out) != ICO_SIZE:
        raise SystemExit('make_art: %s came out %d bytes' % (path, len(out)))
    with open(path, 'wb') as f:
        f.write(bytes(out))


# ---------------------------------------------------------------- icons
# Icon art lives in a 32 x 32 box; the pen scales it to any size.

def icon_gusset(p):
    p.shape(ell(16, 35, 15, 9), NAVY)
    p.fill(band(16, 35, 15, 9, 27.5, 29.5), WHITE)
    p.fill(band(16, 35, 15, 9, 31.5, 33.5), WHITE)
    p.shape([ell(3.6, 15.5, 2.6, 3.6), ell(28.4, 15.5, 2.6, 3.6)], SKIN)
    p.shape(ell(16, 14, 12.6, 12.6), SKIN)
    p.fill(ell(10.5, 6.2, 3.2, 1.6, rot=-28), (255, 240, 222))
    p.line([(8.6, 9.8), (13.6, 9.0)], GINGER_DARK, 1.5)
    p.line([(18.4, 9.0), (23.4, 9.8)], GINGER_DARK, 1.5)
    p.shape([ell(12, 13, 2.4, 2.8), ell(20, 13, 2.4, 2.8)], WHITE, ow=0.7)
    p.dot(12.5, 13.5, 1.25, INK)
    p.dot(19.5, 13.5, 1.25, INK)
    p.shape(ell(16, 24.2, 3.6, 2.2), MOUTH, ow=0.6)
    p.fill(ell(16, 25.4, 2.0, 0.9), TONGUE)
    tips_l = capsule(5.5, 21.5, 2.6, 16.6, 1.7)
    tips_r = capsule(26.5, 21.5, 29.4, 16.6, 1.7)
    p.shape([ell(10.6, 20.6, 6.6, 3.4, rot=14), ell(21.4, 20.6, 6.6, 3.4, rot=-14), tips_l, tips_r], GINGER)
    p.line([(13, 19.6), (9.5, 21.5)], GINGER_DARK, 0.7)
    p.line([(19, 19.6), (22.5, 21.5)], GINGER_DARK, 0.7)
    p.shape(ell(16, 17.4, 3.4, 2.8), SKIN_ROSY, ow=0.9)
    p.fill(ell(15, 16.6, 1.1, 0.7), (255, 214, 200))


def icon_biscuit(p):
    fur, shade = (248, 246, 238), (176, 182, 198)
    p.shape([ell(4.2, 17, 4, 8.5, rot=12), ell(27.8, 17, 4, 8.5, rot=-12)], shade)
    blobs = [ell(16, 17, 12, 12)] + [ell(16 + 12 * math.cos(math.radians(a)), 17 + 11 * math.sin(math.radians(a)), 3.2)
                                      for a in range(0, 360, 40)]
    p.shape(blobs, fur)
    fringe = [(4.5, 12), (7, 6.5), (11, 3.5), (16, 2.5), (21, 3.5), (25, 6.5), (27.5, 12), (25, 12), (24, 15.5),
              (21.5, 12.5), (19.5, 15.5), (17, 12.5), (14.5, 15.5), (12, 12.5), (10, 15.5), (8, 12.5)]
    p.shape(fringe, shade, ow=0.8)
    for x in (9, 13, 17, 21):
        p.line([(x + 1, 6), (x, 11)], (140, 146, 164), 0.6)
    p.dot(21.3, 16.2, 1.3, INK)
    p.dot(21.7, 15.8, 0.45, WHITE)
    p.shape(ell(16, 27.3, 3.0, 3.4), TONGUE, ow=0.8)
    p.line([(16, 25), (16, 28.5)], (220, 80, 90), 0.6)
    p.line([(11.5, 23.5), (16, 25.4), (20.5, 23.5)], INK, 0.9)
    p.shape(ell(16, 20.5, 4.0, 2.9), INK, ow=0.0)
    p.fill(ell(14.8, 19.6, 1.2, 0.7), (120, 120, 130))


def ic_pie(p):
    for i in range(3):
        x = 11 + i * 5
        p.line(qbez((x, 9), (x - 2, 6), (x, 3)), GREY_DARK, 1.0)
    p.shape([(4, 21), (28, 21), (25, 28.5), (7, 28.5)], (122, 178, 230))
    p.fill([(5.5, 23.2), (26.5, 23.2), (26.2, 24.4), (5.8, 24.4)], (176, 214, 248))
    p.shape(arc(16, 20, 13, 10, 180, 360) + [(29, 20)], (244, 186, 84))
    p.line([(9, 19), (14, 12)], (206, 136, 50), 1.0)
    p.line([(16, 19.5), (20, 11.5)], (206, 136, 50), 1.0)
    p.line([(22.5, 19), (25, 15)], (206, 136, 50), 1.0)
    p.fill([ell(11.5, 16, 1.5, 1.0), ell(18.2, 15.2, 1.5, 1.0), ell(23.5, 17.5, 1.3, 0.9)], RASPBERRY)
    p.fill(ell(8, 15, 1.2, 0.8), YELLOW)
    p.shape(rrect(2, 19, 30, 22.6, 1.8), (236, 168, 70))
    for x in range(5, 29, 4):
        p.line([(x, 20.8), (x + 1.5, 20.8)], (196, 124, 44), 0.7)


def ic_tuba(p, hole=(0, 0, 0, 0)):
    p.tube([(13, 18), (8, 14.5), (5, 10)], GOLD, 1.6)
    p.shape(ell(5, 9.3, 2.1, 1.2), GREY, ow=0.8)
    p.shape(ell(12.5, 21, 6.5, 7), GOLD)
    p.fill(ell(12.5, 21, 3.4, 3.8), (0, 0, 0, 0))
    p.shape(ell(12.5, 21, 3.4, 3.8), hole, ow=0.9)
    body = [(15, 12), (23, 12), (23, 25)] + arc(19.5, 25, 3.5, 3.5, 0, 180, 10) + [(16, 25)]
    p.shape(body, GOLD)
    bell = [(14, 12.5), (24, 12.5), (30, 3), (8, 3)]
    p.shape(bell, GOLD)
    p.shape(ell(19, 3.4, 11, 2.6), GOLD_DARK, ow=1.0)
    p.fill(ell(19, 3.6, 8.5, 1.5), (150, 96, 14))
    for x in (17, 19.6):
        p.shape(rrect(x - 0.9, 14, x + 0.9, 20, 0.5), GREY_LIGHT, ow=0.6)
        p.shape(ell(x, 13.5, 1.3, 0.9), GREY_LIGHT, ow=0.6)
    p.line([(21.6, 15), (21.6, 25)], GOLD_LIGHT, 1.0)
    p.line([(10, 5), (24, 5.5)], GOLD_LIGHT, 0.8, caps=False)


def ic_skateboard(p):
    for cx in (9, 23):
        p.shape(rrect(cx - 2.8, 16.6, cx + 2.8, 19.2, 0.8), GREY, ow=0.8)
        p.shape(ell(cx, 22, 3.3), ORANGE)
        p.fill(ell(cx, 22, 1.2), GOLD_LIGHT)
    deck = [(2.5, 10), (5.5, 14.5), (9, 15.6), (23, 15.6), (26.5, 14.5), (29.5, 10)]
    p.tube(deck, RED, 3.4)
    p.line([(7, 14.3), (25, 14.3)], YELLOW, 0.9)
    p.fill(star_pts(16, 15.6, 2.2, 1.0), YELLOW)


def squid(p, x, y, s, hat=True):
    q = p.at(x, y, s)
    for dx, bend in ((-6, -2.5), (-3, 2), (0, -2), (3, 2), (6, 2.5)):
        q.tube([(dx * 0.8, 2), (dx + bend, 7), (dx * 1.3 - bend * 0.6, 12)], PINK, 2.6)
    mantle = ([(0, -15)] + bez((0, -15), (6, -12), (9, -5), (7, 3), 10)[1:]
              + bez((-7, 3), (-9, -5), (-6, -12), (0, -15), 10)[1:-1])
    fins = [[(-5, -9), (-11, -11), (-7, -4)], [(5, -9), (11, -11), (7, -4)]]
    q.shape(fins + [mantle], PINK)
    q.fill(ell(-3, -9, 1.6, 2.6, rot=20), PINK_LIGHT)
    q.shape([ell(-3.2, -1, 2.6, 3.0), ell(3.2, -1, 2.6, 3.0)], WHITE, ow=0.6)
    q.dot(-2.8, -0.4, 1.3, INK)
    q.dot(2.8, -0.4, 1.3, INK)
    if hat:
        q.shape([(-6, -12.5), (6, -12.5), (5, -16), (-5, -16)], NAVY, ow=0.6)
        q.shape(rrect(-7, -13.2, 7, -11.4, 0.8), INK, ow=0)
        q.fill(ell(0, -14.5, 1.1), GOLD)


def ic_squid(p):
    squid(p, 16, 17.5, 1.05, hat=False)


def seagull_side(p, laugh=False):
    """Gerald standing, facing right, in a 32 box."""
    p.tube([(13, 23), (12, 28.5)], ORANGE, 1.3)
    p.tube([(17, 23), (18, 28.5)], ORANGE, 1.3)
    p.shape([(10.5, 28.8), (14, 28.8), (12, 27)], ORANGE, ow=0.6)
    p.shape([(16.5, 28.8), (20, 28.8), (18, 27)], ORANGE, ow=0.6)
    p.shape([(3, 15), (8, 17), (6, 21)], INK, ow=0.6)
    p.shape(ell(14, 19, 10, 6.5, rot=-8), WHITE)
    p.shape([(7, 16.5), (19, 15.5), (17, 21), (5, 19.5)], GREY)
    p.fill([(5, 19.5), (8, 18.5), (7.5, 20.3)], INK)
    p.shape(ell(21, 10.5, 6.2, 5.8), WHITE)
    if laugh:
        p.shape([(25.5, 9.5), (31.5, 9.5), (26, 11.8)], YELLOW, ow=0.8)
        p.shape([(25.5, 13), (30.5, 15), (26, 12)], YELLOW, ow=0.8)
    else:
        p.shape([(25.5, 9.5), (31.5, 11.2), (25.8, 13)], YELLOW, ow=0.8)
        p.dot(29.2, 11.4, 0.8, RED)
    p.dot(22.2, 9.4, 1.4, INK)
    p.dot(22.6, 9.0, 0.45, WHITE)
    p.line([(19.5, 6.3), (24.5, 7.6)], INK, 1.0)


def ic_seagull(p):
    seagull_side(p)


def ic_ferry(p):
    p.shape(rrect(17.5, 3, 22.5, 12, 0.6), YELLOW)
    p.fill(rrect(17.5, 3, 22.5, 5.5, 0.6), INK)
    p.shape(rrect(7.5, 11, 24.5, 18.5, 1.2), WHITE)
    for x in (10, 14, 18, 22):
        p.dot(x, 14.6, 1.2, SKY)
    hull = [(1.5, 18), (30.5, 18), (26.5, 26), (5.5, 26)]
    p.shape(hull, RED)
    p.fill([(2.6, 20.2), (29.4, 20.2), (28.8, 21.5), (3.2, 21.5)], WHITE)
    waves = [(0, 27)] + [(x, 27 + 1.3 * math.sin(x * 0.9)) for x in range(1, 33)] + [(32, 31.5), (0, 31.5)]
    p.shape(waves, SEA, ow=0.9)


def ic_lighthouse(p):
    p.shape([(16, 7.5), (1.5, 3.5), (1.5, 11.5)], (255, 226, 60), ow=0.6)
    p.shape([(16, 7.5), (30.5, 3.5), (30.5, 11.5)], (255, 226, 60), ow=0.6)
    p.shape(ell(16, 29, 12, 3), GREY)
    tower = [(11.5, 11), (20.5, 11), (23, 29), (9, 29)]
    p.shape(tower, WHITE)
    for y0 in (13.5, 21):
        y1 = y0 + 3.8
        xa, xb = lerp(11.5, 9, (y0 - 11) / 18), lerp(11.5, 9, (y1 - 11) / 18)
        p.fill([(xa, y0), (32 - xa, y0), (32 - xb, y1), (xb, y1)], RED)
    p.shape(rrect(11, 6, 21, 11.5, 0.8), YELLOW)
    p.line([(16, 6.5), (16, 11)], INK, 0.8)
    p.shape([(9.5, 6.5), (22.5, 6.5), (16, 1.5)], RED_DARK)
    p.shape(rrect(14, 24, 18, 29, 1.6), BROWN_DARK, ow=0.6)


def ic_van(p):
    body = rrect(2, 8, 30, 25, 4.5)
    p.shape(body, PURPLE)
    with p.clip(body) as c:
        c.fill(rrect(0, 0, 32, 15.5, 0), PURPLE_LIGHT)
        c.fill(rrect(0, 15.5, 32, 17, 0), WHITE)
    for x0, x1 in ((5, 10.5), (12.5, 18)):
        p.shape(rrect(x0, 10.5, x1, 14.5, 1), LENS, ow=0.7)
    p.shape([(21, 10.5), (26.5, 10.5), (29, 15), (21, 15)], LENS, ow=0.7)
    p.shape(rrect(28, 19, 31, 22, 0.8), YELLOW, ow=0.6)
    for cx in (8.5, 23.5):
        p.shape(ell(cx, 25, 3.6), INK, ow=0.6)
        p.fill(ell(cx, 25, 1.5), GREY)
    p.fill([ell(15, 20.5, 1.2), ell(17.3, 20.5, 1.2), ell(16.1, 22.4, 1.2)], PURPLE_DARK)
    p.line([(16.2, 19.3), (17, 18)], GREEN_DARK, 0.7)


def ic_shed(p):
    wall = rrect(6, 13, 26, 29.5, 0.5)
    p.shape(wall, WOOD)
    for x in (10, 14, 18, 22):
        p.line([(x, 14), (x, 29)], (166, 104, 50), 0.6, caps=False)
    p.shape(rrect(12, 17.5, 20, 29.5, 0.6), BROWN)
    p.dot(18.3, 23.6, 0.8, GOLD)
    p.shape([(2.5, 14.5), (16, 5), (29.5, 14.5)], GREEN)
    p.fill([(6, 13.3), (16, 6.8), (26, 13.3)], GREEN_DARK)
    p.fill([(8.5, 13.2), (16, 8), (23.5, 13.2)], GREEN)
    p.shape(rrect(21, 3, 24, 9, 0.4), GREY_DARK, ow=0.8)
    p.shape(star_pts(27.5, 3.5, 3.4, 1.4, n=6), ORANGE, ow=0.7)
    p.fill(star_pts(27.5, 3.5, 1.6, 0.7, n=6), YELLOW)


def ic_gravy(p):
    p.fill(ell(16, 29, 11, 1.6), (190, 194, 204))
    p.tube([(23, 14), (29.5, 13.5), (29.5, 20), (23.5, 21)], WHITE, 1.8)
    boat = [(1.5, 11.5), (8, 14), (26, 13.5)] + bez((26, 13.5), (26, 22), (22, 25.5), (16, 25.5), 10)[1:] + \
        bez((16, 25.5), (10, 25.5), (6, 22), (5.5, 16), 10)[1:]
    p.shape(boat, WHITE)
    p.shape(rrect(11, 25, 21, 28.5, 1.2), WHITE, ow=1.0)
    p.fill([(6, 16.5), (25.6, 16.3), (25.3, 17.8), (6.2, 18)], SEA)
    p.shape(ell(16.5, 13.8, 9.6, 1.7), BROWN, ow=0.7)
    p.shape(capsule(4.5, 12.5, 4.5, 17, 1.0), BROWN, ow=0.6)
    p.fill(ell(15, 13.4, 3, 0.5), (196, 132, 76))


def ic_football(p):
    ball = ell(16, 16, 13.5)
    p.shape(ball, WHITE)
    with p.clip(ball) as c:
        c.fill(star_pts(16, 16, 4.6, 4.6 * 0.81, n=5), INK)
        c.fill(ell(16, 16, 4.4, n=5, rot=-90), INK)
        for i in range(5):
            a = math.radians(-90 + 72 * i)
            c.line([(16 + 4.4 * math.cos(a), 16 + 4.4 * math.sin(a)),
                    (16 + 10 * math.cos(a), 16 + 10 * math.sin(a))], INK, 0.9)
            c.fill(ell(16 + 13.2 * math.cos(a), 16 + 13.2 * math.sin(a), 4.6, n=5, rot=90 + 72 * i), INK)
    p.fill(ell(11, 9.5, 2.2, 1.2, rot=-35), (255, 255, 255))


def ic_bone(p):
    a, b = (8, 24), (24, 8)
    bone = [capsule(a[0], a[1], b[0], b[1], 3.6)]
    for (cx, cy), sign in ((a, 1), (b, -1)):
        bone.append(ell(cx - 3.6 * sign, cy - 0.4 * sign + 0.0, 3.9))
        bone.append(ell(cx + 0.4 * sign, cy + 3.6 * sign, 3.9))
    p.shape(bone, CREAM)
    p.line([(11, 18.5), (18.5, 11)], (255, 255, 255), 1.2)


def ic_bakery(p):
    p.shape(rrect(3.5, 13, 28.5, 30, 0.5), CREAM)
    p.shape(rrect(6, 2.5, 26, 9, 1.5), BROWN)
    p.shape(arc(16, 7.5, 4.2, 3.2, 180, 360, 12), (244, 186, 84), ow=0.6)
    aw = [(2, 9), (30, 9), (30.5, 14)]
    for i in range(7):
        x0 = 30.5 - i * 4.07
        aw += arc(x0 - 2.03, 14, 2.03, 1.8, 0, 180, 6)
    p.shape(aw, WHITE)
    with p.clip(aw) as c:
        for i in range(7):
            if i % 2 == 0:
                c.fill([(2 + i * 4, 8), (6 + i * 4, 8), (6.5 + i * 4, 17), (1.5 + i * 4, 17)], RED)
    p.shape(rrect(6, 18, 15, 26, 0.8), LENS)
    p.shape(ell(10.5, 23.5, 3.3, 2.2), (236, 168, 70), ow=0.6)
    p.line([(9, 22.8), (10, 22)], (196, 124, 44), 0.6)
    p.line([(11, 22.8), (12, 22)], (196, 124, 44), 0.6)
    p.shape(rrect(18, 18, 25.5, 30, 0.8), TEAL)
    p.dot(23.5, 24.5, 0.8, GOLD)


def ic_glasses(p):
    p.tube([(3.5, 17), (1.8, 11)], NAVY, 1.4)
    p.tube([(28.5, 17), (30.2, 11)], NAVY, 1.4)
    p.tube(arc(16, 18.5, 3, 3, 200, 340, 8), NAVY, 1.6)
    for cx in (9, 23):
        p.shape(ell(cx, 18, 7.2), NAVY)
        p.fill(ell(cx, 18, 5.0), LENS)
        p.line([(cx - 2.5, 16.5), (cx - 0.5, 14.5)], WHITE, 1.0)


def ic_moustache(p):
    p.shape([ell(10.5, 17.5, 8.5, 5, rot=12), ell(21.5, 17.5, 8.5, 5, rot=-12),
             capsule(4, 19, 1.8, 12.5, 2.2), capsule(28, 19, 30.2, 12.5, 2.2)], GINGER)
    for x, dx in ((12.5, -4), (9, -3.5), (19.5, 4), (23, 3.5)):
        p.line([(x, 15.5), (x + dx, 19.5)], GINGER_DARK, 0.8)
    p.shape(ell(16, 12.5, 4.2, 3.4), SKIN_ROSY, ow=1.0)
    p.fill(ell(14.8, 11.6, 1.3, 0.8), (255, 214, 200))


def ic_letter(p):
    env = rrect(2.5, 8, 29.5, 26, 1.2)
    p.shape(env, CREAM)
    p.line([(3.5, 9.3), (16, 18.5), (28.5, 9.3)], INK, 1.0)
    p.line([(3.5, 25), (12.5, 16.5)], (200, 186, 160), 0.7)
    p.line([(28.5, 25), (19.5, 16.5)], (200, 186, 160), 0.7)
    p.shape(rrect(21.5, 2.5, 28, 9.5, 0.4), RED, ow=0.8)
    p.fill(rrect(23, 4, 26.5, 8, 0.3), WHITE)
    p.dot(24.75, 6, 1.0, SEA)
    p.shape(ell(16, 18.5, 2.6), RED_DARK, ow=0.7)


def ic_poodle(p):
    pink, deep = (255, 176, 210), (240, 122, 172)
    p.shape([ell(16, 5.5, 5.5, 4.5), ell(5, 18, 4.6, 7), ell(27, 18, 4.6, 7)], deep)
    for cx, cy in ((5, 13), (5, 22), (27, 13), (27, 22)):
        p.fill(ell(cx, cy, 3.3), (250, 150, 192))
    p.shape(ell(16, 16, 9, 9.5), pink)
    p.shape(ell(16, 22.5, 5.2, 4.2), pink)
    p.shape(ell(16, 20.2, 2.2, 1.6), INK, ow=0)
    p.line(arc(12, 14.5, 2, 1.6, 20, 160, 8), INK, 0.9)
    p.line(arc(20, 14.5, 2, 1.6, 20, 160, 8), INK, 0.9)
    p.line([(16, 22), (16, 24.5)], INK, 0.7)
    p.shape([(9, 28), (16, 26.5), (23, 28), (23, 30.5), (16, 29.5), (9, 30.5)], SEA, ow=0.8)
    p.shape([(13, 3.5), (16, 5.5), (19, 3.5), (19, 7.5), (16, 5.5), (13, 7.5)], RED, ow=0.7)


def ic_pier(p):
    for x in (5, 12, 19, 26):
        p.shape(rrect(x - 1.2, 15, x + 1.2, 28, 0.5), BROWN_DARK, ow=0.8)
    p.shape(rrect(1.5, 13, 30.5, 16.5, 0.8), WOOD)
    for x in range(4, 30, 4):
        p.line([(x, 13.6), (x, 16)], (166, 104, 50), 0.5, caps=False)
    p.line([(2.5, 8.5), (29.5, 8.5)], WHITE, 1.1)
    p.line([(2.5, 8.5), (29.5, 8.5)], INK, 0.5)
    for x in (3, 9.5, 16, 22.5, 29):
        p.tube([(x, 8.5), (x, 13)], WHITE, 0.9, ow=0.6)
    p.shape(rrect(26, 1.5, 28, 8.5, 0.4), GREY_DARK, ow=0.6)
    p.shape([(28, 1.5), (31.5, 3), (28, 4.5)], RED, ow=0.6)
    waves = [(0, 22)] + [(x * 0.5, 22 + 1.2 * math.sin(x * 0.5)) for x in range(1, 65)] + [(32, 31), (0, 31)]
    with p.clip(rrect(0, 0, 32, 32, 0)) as c:
        c.fill(waves, (60, 150, 220, 200))
    p.line([(x * 0.5, 22 + 1.2 * math.sin(x * 0.5)) for x in range(0, 65)], WHITE, 0.9)
    p.line([(x * 0.5, 22 + 1.2 * math.sin(x * 0.5)) for x in range(0, 65)], INK, 0.5)


def ic_island(p):
    p.shape(ell(16, 25.5, 15, 5), SEA)
    p.fill(ell(16, 26.2, 12.5, 3.4), SEA_LIGHT)
    p.shape(arc(15, 25, 10, 6.5, 180, 360, 20) + [(25, 25)], (236, 206, 130))
    p.tube(qbez((14, 22), (13, 14), (17.5, 8)), BROWN, 1.8)
    for a in (200, 240, 290, 330, 20):
        t = math.radians(a)
        p.tube(qbez((17.5, 8), (17.5 + 5 * math.cos(t), 5 + 3 * math.sin(t)),
                    (17.5 + 9 * math.cos(t), 8.5 + 6 * math.sin(t) + 2)), GREEN, 2.0)
    p.dot(16.3, 9.8, 1.2, BROWN_DARK)
    p.dot(18.5, 10.2, 1.2, BROWN_DARK)
    p.line([(3, 27.5), (6, 27.5)], WHITE, 0.7)
    p.line([(26, 28.5), (29, 28.5)], WHITE, 0.7)


def ic_crown(p):
    crown = [(4.5, 27), (27.5, 27), (28.5, 10), (22, 17), (16, 6.5), (10, 17), (3.5, 10)]
    p.shape(crown, GOLD)
    p.shape(rrect(4, 22, 28, 27.5, 1), GOLD_DARK, ow=0.9)
    for cx, col in ((10, RED), (16, SEA), (22, RED)):
        p.shape(ell(cx, 24.7, 1.6), col, ow=0.6)
    for cx, cy in ((3.5, 10), (16, 6.5), (28.5, 10)):
        p.shape(ell(cx, cy, 2.0), GOLD_LIGHT, ow=0.8)
    p.fill(ell(16, 15.5, 1.8, 2.6), RED)
    p.line([(9, 20), (14, 12.5)], GOLD_LIGHT, 0.8)


def sandwich(p):
    """A triangle sandwich, cut edge to the right (Gerald's favourite)."""
    crust, bread = (214, 150, 70), (255, 244, 214)
    p.shape([(5, 3), (5, 27), (29, 27)], crust)
    hyp = [(6.5 + i * 1.5, 4 + i * 1.5 * 23 / 22.5) for i in range(16)]
    p.tube([(x + 2.8, y - 1.6) for x, y in hyp], GREEN, 3.0)
    for i in range(0, 16, 4):
        x, y = hyp[i]
        p.shape(ell(x + 1.8, y - 0.6, 2.2, 1.4, rot=45), RED, ow=0.7)
    p.tube([(x + 1.2, y - 0.6) for x, y in hyp], YELLOW, 1.8, ow=0.7)
    p.shape([(3, 4.5), (3, 28.5), (27.5, 28.5)], crust)
    p.fill([(5.2, 10), (5.2, 26.4), (21.2, 26.4)], bread)
    p.fill([ell(8, 20, 0.7, 0.4), ell(10, 24, 0.7, 0.4), ell(7, 15, 0.7, 0.4)], (230, 214, 180))


def ic_sandwich(p):
    sandwich(p)


def ic_rocket(p):
    r = p.at(16, 16, 1.0, rot=40)
    r.shape([(-3, 9), (3, 9), (1.8, 13.5), (0, 16.5), (-1.8, 13.5)], ORANGE, ow=0.8)
    r.fill([(-1.6, 9), (1.6, 9), (0, 14)], YELLOW)
    r.shape([[(-5, 3), (-10, 10), (-10, 12), (-4.5, 9)], [(5, 3), (10, 10), (10, 12), (4.5, 9)]], RED)
    body = bez((0, -15), (7, -10), (6.5, 0), (4.5, 9.5), 14) + bez((-4.5, 9.5), (-6.5, 0), (-7, -10), (0, -15), 14)[:-1]
    r.shape(body, GREY_LIGHT)
    with r.clip(body) as c:
        c.fill(rrect(-8, -16, 8, -8.5, 0), RED)
        c.fill(rrect(-8, 6.5, 8, 8.5, 0), RED)
    r.shape(ell(0, -2, 3.2), SEA)
    r.fill(ell(-1, -3, 1.1), SEA_LIGHT)
    r.shape(capsule(0, 1, 0, 12.5, 1.3), RED, ow=0.7)


def ic_sock(p):
    sock = [(8.5, 2), (19.5, 2), (19.5, 16)] + bez((19.5, 16), (26, 17), (30.5, 19), (30, 24), 10)[1:] + \
        bez((30, 24), (29.5, 29.5), (22, 29.5), (15, 29.5), 10)[1:] + \
        bez((15, 29.5), (8, 29.5), (6.5, 24), (8.5, 19), 10)[1:]
    p.shape(sock, RED)
    with p.clip(sock) as c:
        for y in (7.5, 13.5):
            c.fill([(0, y), (32, y), (32, y + 3), (0, y + 3)], YELLOW)
        c.fill(ell(27, 25, 5, 5.5), YELLOW)
        c.fill(ell(11.5, 26, 4.5, 4.5), YELLOW)
        c.fill([(0, 19.5), (32, 19.5), (32, 21.5), (0, 21.5)], WHITE)
    p.shape(rrect(7.5, 1.5, 20.5, 5.5, 1), WHITE)
    for x in (10, 12.5, 15, 17.5):
        p.line([(x, 2.5), (x, 4.5)], GREY, 0.6)


def ic_cannon(p):
    p.shape(ell(29, 5, 2.5, 2.2), BROWN, ow=0.8)
    p.shape(ell(25.5, 2.8, 1.3), BROWN, ow=0.6)
    p.shape(ell(30, 9.5, 1.2), BROWN, ow=0.6)
    barrel = [(4, 17.5), (8, 24.5), (26.5, 13), (23.5, 7.5)]
    p.shape(barrel + [], GREY_DARK)
    p.shape(ell(4.8, 21, 3.4, 4.2, rot=-30), GREY_DARK)
    p.shape(ell(25.2, 10.3, 2.8, 3.8, rot=-30), (70, 72, 84))
    p.fill(ell(25.4, 10.1, 1.5, 2.3, rot=-30), BROWN_DARK)
    p.line([(8, 17.5), (22, 9.2)], (150, 154, 170), 1.0)
    p.shape(ell(13, 24, 6.3), WOOD)
    for a in range(0, 180, 45):
        t = math.radians(a)
        dx, dy = 5 * math.cos(t), 5 * math.sin(t)
        p.line([(13 - dx, 24 - dy), (13 + dx, 24 + dy)], BROWN_DARK, 0.8)
    p.shape(ell(13, 24, 1.6), GOLD, ow=0.6)


def trophy(p, ow=None):
    p.tube(arc(7.5, 10.5, 4.5, 5, 90, 270, 12), GOLD, 1.9, ow=ow)
    p.tube(arc(24.5, 10.5, 4.5, 5, -90, 90, 12), GOLD, 1.9, ow=ow)
    p.shape(rrect(9, 25.5, 23, 30.5, 1), BROWN, ow=ow)
    p.fill(rrect(12.5, 27, 19.5, 29, 0.4), GOLD_LIGHT)
    p.shape([(14, 18), (18, 18), (19.5, 26), (12.5, 26)], GOLD, ow=ow)
    cup = [(6.5, 4), (25.5, 4)] + arc(16, 5, 9.5, 15, 0, 180, 20)[1:-1]
    p.shape(cup, GOLD, ow=ow)
    p.shape(ell(16, 4, 9.5, 1.8), GOLD_DARK, ow=ow)
    p.fill(star_pts(16, 11, 3.8, 1.7), GOLD_LIGHT)
    p.line([(9.5, 7.5), (10.5, 13)], GOLD_LIGHT, 1.0)


def ic_trophy(p):
    trophy(p)


def ic_chain(p):
    pts = arc(16, 4, 12.5, 15, 5, 175, 15)
    for i, (x, y) in enumerate(pts):
        if i % 2 == 0:
            p.shape(ell(x, y, 2.3, 1.6, rot=i * 12), GOLD, ow=0.8)
        else:
            p.shape(ell(x, y, 1.5, 2.3, rot=i * 12), GOLD_DARK, ow=0.8)
    p.shape(star_pts(16, 23, 8.5, 6.5, n=10, rot=-90), GOLD)
    p.shape(ell(16, 23, 5), RED, ow=0.8)
    p.fill(star_pts(16, 23, 3.5, 1.5), GOLD_LIGHT)


def ic_cup(p):
    for x in (11.5, 17.5):
        p.line(qbez((x, 9), (x + 2.2, 6), (x, 2.5)), GREY_DARK, 1.0)
    p.shape(ell(16, 28.5, 13.5, 3), WHITE)
    p.fill(ell(16, 28.2, 8, 1.5), GREY_LIGHT)
    p.tube(arc(23.5, 18, 5, 5, -80, 80, 12), WHITE, 2.2)
    mug = [(6, 11), (26, 11), (25, 26)] + arc(16, 26, 9, 2.2, 0, 180, 10)[1:-1] + [(7, 26)]
    p.shape(mug, WHITE)
    with p.clip(mug) as c:
        c.fill(rrect(0, 17, 32, 21, 0), RED)
    p.shape(ell(16, 11, 10, 2.3), BROWN_DARK, ow=0.9)
    p.fill(ell(14, 10.6, 3, 0.6), BROWN)


def ic_bell(p):
    for s in (1, -1):
        p.line(arc(16 + s * 2, 17, 12.5, 11, (-30 if s > 0 else 150), (5 if s > 0 else 185), 6), GREY_DARK, 1.0)
    p.shape(capsule(16, 3, 16, 10, 2.6), BROWN)
    p.fill(ell(15.2, 5, 0.8, 1.6), WOOD)
    bell = [(12, 10), (20, 10)] + bez((20, 10), (21, 16), (22, 21), (27, 25), 10)[1:] + \
        [(5, 25)] + bez((5, 25), (10, 21), (11, 16), (12, 10), 10)[1:-1]
    p.shape(bell, GOLD)
    p.shape(ell(16, 25.2, 11.5, 2.6), GOLD_DARK)
    p.shape(ell(16, 28, 2.3), GREY_DARK, ow=0.8)
    p.line([(14, 13), (12.5, 21)], GOLD_LIGHT, 1.0)


def ic_umbrella(p):
    u = p.at(16, 16, 1.0, rot=22)
    u.tube([(0, -8), (0, 9)] + arc(-2.6, 9, 2.6, 2.6, 0, 180, 8)[1:], BROWN_DARK, 1.4)
    canopy = arc(0, -5, 13, 9, 180, 360, 24)
    for i in range(4):
        x0 = 13 - i * 6.5
        canopy += arc(x0 - 3.25, -5, 3.25, 1.8, 0, -180, 6)[1:]
    u.shape(canopy, RED)
    with u.clip(canopy) as c:
        c.fill([(0, -15), (-6.5, -4), (0, -2)], YELLOW)
        c.fill([(0, -15), (13, -4), (6.5, -2)], YELLOW)
    u.shape(ell(0, -14.6, 1.2), GOLD, ow=0.6)
    for y, x0 in ((9, 1), (15, 3), (21, 1)):
        p.line([(x0, y), (x0 + 6, y)] + arc(x0 + 6, y - 1.8, 1.8, 1.8, 90, -90, 8)[1:], (60, 130, 210), 1.0)


def ic_anchor(p):
    steel, rope = (84, 108, 146), (224, 188, 120)
    p.tube(arc(16, 16, 11, 9, 15, 165, 16), steel, 2.8)
    p.shape([[(3.5, 17.5), (8, 20), (3, 23)], [(28.5, 17.5), (24, 20), (29, 23)]], steel)
    p.tube([(16, 7), (16, 25)], steel, 3.0)
    p.tube([(10, 10.5), (22, 10.5)], steel, 2.4)
    p.shape(ell(16, 4.5, 3.3), steel)
    p.fill(ell(16, 4.5, 1.5), (0, 0, 0, 0))
    p.shape(ell(16, 4.5, 1.5), (0, 0, 0, 0), ow=0.7)
    p.line([(14.8, 9), (14.8, 23)], (150, 176, 210), 0.8)
    p.line(qbez((17.5, 5), (25, 8), (21, 14)), rope, 1.0)


def ic_fish(p):
    p.shape([(9.5, 16), (2, 8.5), (4.5, 16), (2, 23.5)], ORANGE)
    p.shape([(12, 10), (17, 4.5), (21, 10)], ORANGE)
    body = ell(17, 16, 12, 7.6)
    p.shape(body, ORANGE)
    with p.clip(body) as c:
        for x in (13, 18):
            c.fill(rrect(x, 0, x + 2, 32, 0), WHITE)
        c.fill(ell(18, 21, 11, 3), (255, 196, 110))
    p.shape(ell(24, 13.5, 2.5), WHITE, ow=0.6)
    p.dot(24.5, 13.6, 1.2, INK)
    p.line(arc(27.5, 18, 1.8, 1.5, 100, 200, 6), INK, 0.8)
    p.shape(ell(28, 4.5, 1.6), SEA_LIGHT, ow=0.6)
    p.shape(ell(30, 9, 1.0), SEA_LIGHT, ow=0.5)


def ic_star(p):
    p.shape(star_pts(16, 17, 15, 6.8), YELLOW)
    p.fill(star_pts(14.6, 15.8, 8, 3.6), (255, 236, 120))
    p.fill([ell(13, 16.5, 1.1, 1.6), ell(19, 16.5, 1.1, 1.6)], INK)
    p.line(arc(16, 19.5, 2.6, 1.8, 20, 160, 8), INK, 0.9)
    p.fill([ell(10.5, 19.5, 1.4, 0.8), ell(21.5, 19.5, 1.4, 0.8)], (255, 150, 120))


def ic_question(p):
    p.shape(ell(16, 16, 14), TEAL)
    p.fill(ell(12, 9, 5, 3, rot=-30), TEAL_LIGHT)
    p.text(16, 17, '?', 24, WHITE, stroke=1.6, stroke_fill=INK)


def ic_ghost(p):
    body = bez((4, 29), (4, 14), (5, 2.5), (16, 2.5), 14) + bez((16, 2.5), (27, 2.5), (28, 14), (28, 29), 14)[1:]
    for i in range(4):
        x0 = 28 - i * 6
        body += arc(x0 - 3, 29, 3, 2.2, 0, 180 if i % 2 == 0 else -180, 8)[1:]
    p.shape([capsule(5, 17, 1.5, 13, 1.6), capsule(27, 17, 30.5, 13, 1.6)], (240, 246, 255))
    p.shape(body, (240, 246, 255))
    p.fill(ell(10.5, 10, 2, 3, rot=20), WHITE)
    p.fill([ell(12.5, 13, 1.8, 2.6), ell(19.5, 13, 1.8, 2.6)], INK)
    p.fill(ell(16, 20, 2.2, 2.8), INK)
    p.fill([ell(9.5, 17, 1.6, 0.9), ell(22.5, 17, 1.6, 0.9)], (255, 190, 210))


def ic_pudding(p):
    p.shape(ell(16, 27.5, 14, 3.2), WHITE)
    pud = arc(16, 26, 12.5, 20, 180, 360, 24) + arc(16, 26, 12.5, 2.5, 0, 180, 10)[1:-1]
    p.shape(pud, BROWN)
    for x, y in ((9, 20), (14, 23), (20, 19), (23, 23.5), (16, 17.5), (6.5, 24)):
        p.fill(ell(x, y, 1.1, 0.9), BROWN_DARK)
    custard = [(4.5, 12.5)] + arc(16, 12, 11.5, 7, 180, 360, 18)[1:] + \
        [(27.5, 13), (26, 16), (24.5, 14), (22, 18), (19.5, 14.5), (16, 17), (12.5, 14.5),
         (10, 18.5), (7.5, 14), (5, 16)]
    p.shape(custard, (255, 232, 140))
    p.shape([ell(12.5, 6, 4, 2, rot=-25), ell(19.5, 6, 4, 2, rot=25)], GREEN)
    p.shape([ell(15, 5.5, 1.5), ell(17.5, 5.8, 1.5), ell(16.2, 3.6, 1.5)], RED, ow=0.7)


def ic_kelp(p):
    p.shape([ell(16, 28.5, 12, 3.5)], GREY)
    fronds = [((16, 28), (12, 18), (20, 10), (16, 2), GREEN),
              ((11, 28), (5, 22), (10, 14), (5, 7), (70, 160, 90)),
              ((21, 28), (27, 22), (22, 15), (27, 9), (110, 190, 70))]
    for a, b, c, d, col in fronds:
        pts = bez(a, b, c, d, 18)
        p.tube(pts, col, 3.2)
        p.line(pts[2:-2], mix(col, (255, 255, 255), 0.35), 0.8)
    for x, y, r in ((24, 4, 1.6), (27.5, 1.8, 1.0), (8, 3, 1.2)):
        p.shape(ell(x, y, r), SEA_LIGHT, ow=0.5)


QUESTION_ICONS = [
    ic_pie, ic_tuba, ic_skateboard, ic_squid, ic_seagull, ic_ferry, ic_lighthouse, ic_van,
    ic_shed, ic_gravy, ic_football, ic_bone, ic_bakery, ic_glasses, ic_moustache, ic_letter,
    ic_poodle, ic_pier, ic_island, ic_crown, ic_sandwich, ic_rocket, ic_sock, ic_cannon,
    ic_trophy, ic_chain, ic_cup, ic_bell, ic_umbrella, ic_anchor, ic_fish, ic_star,
    ic_question, ic_ghost, ic_pudding, ic_kelp,
]


def render_icon(fn, size, ss=None):
    ss = ss or (8 if size <= 32 else 4)
    img = new_canvas(size, size, ss)
    pen = Pen(img, ss, ow=1.25 * size / 32.0, sc=size / 32.0)
    fn(pen)
    return shrink(img, size, size)


# ---------------------------------------------------------------- the family
# Characters stand with their feet at (0, 0); one unit is one pixel at s = 1.

def hand(p, x, y, r=10):
    p.shape(ell(x, y, r), SKIN)


def thumbs_up(p, x, y, r=11):
    p.shape([rrect(x - r, y - r * 0.8, x + r, y + r * 0.9, r * 0.5),
             capsule(x - r * 0.35, y - r * 0.6, x - r * 0.35, y - r * 2.0, r * 0.42)], SKIN)
    for k in (0.0, 0.45):
        p.line([(x - r * 0.1, y + r * (k - 0.15)), (x + r * 0.75, y + r * (k - 0.15))], (214, 150, 110), r * 0.12)


def gusset_face(p, hy, mood='happy'):
    p.shape([ell(-40, hy + 3, 8, 11), ell(40, hy + 3, 8, 11)], SKIN)
    p.shape(ell(0, hy, 40, 40), SKIN)
    p.fill(ell(-16, hy - 25, 10, 5, rot=-28), (255, 240, 224))
    if mood == 'sad':
        p.line([(-24, hy - 15), (-8, hy - 20)], GINGER_DARK, 4.5)
        p.line([(8, hy - 20), (24, hy - 15)], GINGER_DARK, 4.5)
    else:
        p.line(arc(-14, hy - 12, 9, 6, 200, 330, 8), GINGER_DARK, 4.5)
        p.line(arc(14, hy - 12, 9, 6, 210, 340, 8), GINGER_DARK, 4.5)
    p.shape([ell(-12, hy - 2, 7, 8.5), ell(12, hy - 2, 7, 8.5)], WHITE, ow=p.ow * 0.7)
    if mood == 'sad':
        p.dot(-11, hy + 1, 3.6, INK)
        p.dot(11, hy + 1, 3.6, INK)
    else:
        p.dot(-10.5, hy - 1, 3.8, INK)
        p.dot(10.5, hy - 1, 3.8, INK)
        p.dot(-9.2, hy - 2.6, 1.2, WHITE)
        p.dot(11.8, hy - 2.6, 1.2, WHITE)
    if mood == 'sad':
        p.line(arc(0, hy + 36, 9, 5, 200, 340, 8), INK, 2.5)
    else:
        p.shape(arc(0, hy + 24, 13, 11, 0, 180, 14), MOUTH, ow=p.ow * 0.7)
        p.fill(ell(0, hy + 32, 7, 3), TONGUE)
    tips = [capsule(-33, hy + 22, -45, hy + 6, 5.5), capsule(33, hy + 22, 45, hy + 6, 5.5)]
    p.shape([ell(-17, hy + 20, 21, 10.5, rot=14), ell(17, hy + 20, 21, 10.5, rot=-14)] + tips, GINGER)
    for sx in (-1, 1):
        p.line([(sx * 8, hy + 16), (sx * 16, hy + 24)], GINGER_DARK, 1.8)
        p.line([(sx * 20, hy + 16), (sx * 28, hy + 23)], GINGER_DARK, 1.8)
    p.shape(ell(0, hy + 10, 11, 9), SKIN_ROSY)
    p.fill(ell(-3.5, hy + 7, 3.5, 2.2), (255, 214, 200))


def gusset(p, arms='wave', mood='happy'):
    """Round, bald ferry captain; striped jumper, vast ginger moustache."""
    hy = -165

    def arm(pts, thumb=False):
        p.tube(pts, NAVY, 20)
        x, y = pts[-1]
        if thumb:
            thumbs_up(p, x, y - 4)
        else:
            hand(p, x, y, 10.5)

    front = []
    if arms == 'wave':
        arm([(-42, -112), (-68, -140), (-74, -178)])
        front.append(([(40, -108), (58, -80), (62, -58)], False))
    elif arms == 'thumbs':
        arm([(-42, -108), (-58, -80), (-60, -58)])
        front.append(([(40, -110), (68, -88), (66, -124)], True))
    elif arms == 'up':
        arm([(-42, -112), (-58, -150), (-40, -196)])
        arm([(42, -112), (58, -150), (40, -196)])
    elif arms == 'cheer':
        arm([(-42, -112), (-70, -150), (-78, -188)])
        arm([(42, -112), (70, -150), (78, -188)])
    elif arms == 'trophy':
        arm([(-42, -112), (-70, -150), (-78, -188)])
        p.tube([(42, -112), (76, -134), (96, -160)], NAVY, 20)
    else:
        arm([(-42, -108), (-60, -80), (-62, -56)])
        front.append(([(42, -108), (60, -80), (62, -56)], False))

    p.shape([rrect(-29, -52, -6, -8, 6), rrect(6, -52, 29, -8, 6)], NAVY_DARK)
    p.shape([ell(-19, -8, 18, 9.5), ell(19, -8, 18, 9.5)], BOOT)
    p.fill([ell(-25, -11, 5, 2.5), ell(13, -11, 5, 2.5)], (110, 84, 70))
    cx, cy, rx, ry = 0, -86, 57, 53
    p.shape(ell(cx, cy, rx, ry), NAVY)
    y = cy - ry + 12
    while y < cy + ry:
        p.fill(band(cx, cy, rx, ry, y, y + 8), WHITE)
        y += 17
    for pts, thumb in front:
        arm(pts, thumb)
    gusset_face(p, hy, mood)
    if arms == 'trophy':
        k = 2.2
        trophy(p.at(96 - 16 * k, -160 - 23 * k, k))
        hand(p, 96, -160, 10.5)


def marigold(p, holding='pie'):
    """Tall, towering purple bun, baker's apron."""
    hy = -168
    p.shape([ell(-11, -7, 11, 6.5), ell(11, -7, 11, 6.5)], RED)
    p.tube([(-10, -42), (-10, -12)], SKIN, 8)
    p.tube([(10, -42), (10, -12)], SKIN, 8)
    if holding != 'pie':
        p.tube([(-22, -128), (-38, -100), (-40, -70)], SKIN, 9)
        hand(p, -40, -70, 7)
        p.tube([(22, -128), (40, -150), (48, -182)], SKIN, 9)
        hand(p, 48, -184, 7)
    dress = [(-22, -142), (22, -142), (44, -44)] + qbez((44, -44), (0, -32), (-44, -44))[1:]
    p.shape(dress, RASPBERRY)
    with p.clip(dress) as c:
        for i, (x, y) in enumerate([(-30, -60), (-12, -52), (30, -62), (-26, -90), (24, -96), (34, -52),
                                    (-36, -48), (16, -125), (-16, -128)]):
            c.dot(x, y, 3.5, PINK_LIGHT)
    p.shape([(-20, -142), (-8, -142), (-10, -130), (-24, -128)], RASPBERRY)
    p.shape([(20, -142), (8, -142), (10, -130), (24, -128)], RASPBERRY)
    apron = [(-17, -112), (17, -112), (27, -50)] + qbez((27, -50), (0, -42), (-27, -50))[1:]
    p.shape([apron, rrect(-13, -134, 13, -108, 3)], WHITE)
    p.shape(rrect(-9, -86, 9, -70, 3), WHITE, ow=p.ow * 0.7)
    p.line([(-17, -112), (17, -112)], PINK, 3)
    p.shape(rrect(-6.5, -154, 6.5, -136, 3), SKIN)
    # hair behind the head, then the bun tower
    bun = [ell(0, hy - 8, 30, 26), ell(0, hy - 50, 25, 26), ell(0, hy - 86, 20, 20), ell(0, hy - 114, 13, 12)]
    p.shape(bun, PURPLE)
    for cy, r in ((hy - 50, 25), (hy - 86, 20), (hy - 114, 13)):
        p.line(arc(0, cy, r * 0.7, r * 0.55, 200, 400, 14), PURPLE_DARK, 2.4)
        p.line(arc(-r * 0.25, cy - r * 0.3, r * 0.45, r * 0.3, 200, 260, 6), PURPLE_LIGHT, 3)
    p.shape([ell(-24, hy + 4, 5, 7), ell(24, hy + 4, 5, 7)], SKIN)
    p.shape(ell(0, hy, 24, 28), SKIN)
    p.dot(-25, hy + 14, 3.2, GOLD)
    p.dot(25, hy + 14, 3.2, GOLD)
    fringe = arc(0, hy - 1, 26.5, 30, 185, 355, 16) + [(20, hy - 14), (8, hy - 20), (-2, hy - 12),
                                                       (-14, hy - 18), (-24, hy - 8)]
    p.shape(fringe, PURPLE)
    for sx in (-1, 1):
        p.fill(ell(sx * 9, hy + 2, 3.6, 4.6), INK)
        p.dot(sx * 9 + 1.2, hy + 0.2, 1.2, WHITE)
        for k in (-1, 0, 1):
            p.line([(sx * (9 + 2.5 * k), hy - 3.5), (sx * (9 + 4 * k) + sx * 1.5 * (k + 1) * 0.3, hy - 7.5)], INK, 1.3)
        p.fill(ell(sx * 15, hy + 12, 4.5, 2.8), (255, 160, 160))
    p.shape(arc(0, hy + 14, 9, 7, 0, 180, 12), MOUTH, ow=p.ow * 0.6)
    p.fill(ell(0, hy + 18, 4.5, 2), TONGUE)
    p.line(arc(0, hy + 14, 9.5, 7.5, 0, 180, 12), RED, 2.2)
    if holding == 'pie':
        p.tube([(-22, -128), (-30, -100), (-20, -92)], SKIN, 9)
        p.tube([(22, -128), (30, -100), (20, -92)], SKIN, 9)
        pie_small(p.at(0, -92, 1.0))
        hand(p, -24, -86, 7)
        hand(p, 24, -86, 7)


def pie_small(p):
    """Rhubarb-and-custard pie, dish resting on (0, 0)."""
    for i in range(3):
        x = -12 + 12 * i
        p.line(qbez((x, -22), (x - 5, -28), (x, -36)), (150, 160, 180), 2.2)
    p.shape([(-26, -4), (26, -4), (22, 8), (-22, 8)], (122, 178, 230))
    p.shape(arc(0, -4, 25, 15, 180, 360, 20) + [(25, -4)], (244, 186, 84))
    for x, y in ((-12, -9), (2, -12), (14, -8)):
        p.fill(ell(x, y, 3.5, 2.2), RASPBERRY)
    p.fill(ell(-4, -4, 3, 2), YELLOW)
    p.shape(rrect(-28, -6, 28, 1, 3), (236, 168, 70))


def wren(p, tuba=True, arms='down'):
    """Clever, round glasses, tuba in the school band."""
    hy = -120
    p.shape([ell(-9, -5, 10, 5.5), ell(9, -5, 10, 5.5)], PURPLE_DARK)
    for sx in (-1, 1):
        p.tube([(sx * 8, -40), (sx * 8, -10)], PURPLE_LIGHT, 8)
        for y in (-34, -26, -18):
            p.line([(sx * 8 - 4, y), (sx * 8 + 4, y)], WHITE, 2.2, caps=False)
    p.shape([(-18, -64), (18, -64), (28, -34), (-28, -34)], NAVY)
    if arms == 'cheer':
        for sx in (-1, 1):
            p.tube([(sx * 18, -88), (sx * 34, -108), (sx * 38, -136)], TEAL, 10)
            hand(p, sx * 38, -138, 6.5)
    elif not tuba:
        p.tube([(-18, -88), (-30, -66), (-32, -50)], TEAL, 10)
        hand(p, -32, -48, 6.5)
        p.tube([(18, -88), (30, -66), (32, -50)], TEAL, 10)
        hand(p, 32, -48, 6.5)
    p.shape(rrect(-22, -96, 22, -60, 11), TEAL)
    p.shape(star_pts(-10, -78, 6, 2.6), GOLD, ow=p.ow * 0.6)
    p.shape(rrect(-5, -102, 5, -92, 2), SKIN)
    p.shape([(-30, hy + 26), (-30, hy - 4)] + arc(0, hy - 4, 30, 29, 180, 360, 20)[1:] + [(30, hy + 26)], AUBURN)
    p.shape(ell(0, hy, 24, 26), SKIN)
    fringe = arc(0, hy - 2, 25, 27, 188, 352, 16) + [(20, hy - 11), (-20, hy - 11)]
    p.shape(fringe, AUBURN)
    p.fill(ell(-12, hy + 13, 4.5, 2.5), (255, 170, 160))
    p.fill(ell(12, hy + 13, 4.5, 2.5), (255, 170, 160))
    p.line(arc(0, hy + 11, 7, 5, 20, 160, 10), INK, 2.2)
    p.line(arc(0, hy + 2, 3.5, 3, 200, 340, 6), NAVY, 2.6)
    for sx in (-1, 1):
        p.shape(ell(sx * 11, hy + 2, 9.5), NAVY)
        p.fill(ell(sx * 11, hy + 2, 7), LENS)
        p.dot(sx * 11, hy + 3, 2.8, INK)
        p.line([(sx * 11 - 5, hy - 1), (sx * 11 - 2.5, hy - 3.5)], WHITE, 1.6)
    p.line([(-20, hy + 1), (-25, hy - 1)], NAVY, 2.4)
    p.line([(20, hy + 1), (25, hy - 1)], NAVY, 2.4)
    if tuba:
        p.tube([(-18, -88), (-34, -70), (-20, -58)], TEAL, 10)
        ic_tuba(p.at(-34, -101, 2.1), hole=TEAL)
        p.tube([(18, -88), (30, -72), (16, -66)], TEAL, 10)
        hand(p, -18, -58, 6.5)
        hand(p, 14, -66, 6.5)


def spiky_hair(p, cx, cy, r, n=9, col=YELLOW):
    pts = []
    for i in range(n + 1):
        a = math.radians(200 + 140 * i / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        if i < n:
            b = math.radians(200 + 140 * (i + 0.5) / n)
            rr = r * (1.55 if i % 2 == 0 else 1.45)
            pts.append((cx + rr * math.cos(b), cy + rr * math.sin(b)))
    pts += [(cx + r * 0.9, cy - r * 0.1), (cx - r * 0.9, cy - r * 0.1)]
    p.shape(pts, col)


def tobble(p, arms='cheer', board=True):
    """The prankster: spiky yellow hair, freckles, skateboard."""
    hy = -104
    if board:
        for x in (-24, 24):
            p.shape(rrect(x - 6, 2, x + 6, 7, 2), GREY)
            p.shape(ell(x, 13, 7), ORANGE)
            p.fill(ell(x, 13, 2.6), GOLD_LIGHT)
        p.tube([(-44, -6), (-38, 2), (38, 2), (44, -6)], GREEN, 7)
        p.line([(-34, 0.5), (34, 0.5)], YELLOW, 2, caps=False)
    p.shape([ell(-11, -6, 11, 6.5), ell(11, -6, 11, 6.5)], RED)
    p.fill([rrect(-22, -4, -1, -1.5, 1), rrect(1, -4, 22, -1.5, 1)], WHITE)
    p.tube([(-9, -34), (-10, -12)], SKIN, 8)
    p.tube([(9, -34), (10, -12)], SKIN, 8)
    if arms == 'cheer':
        for sx in (-1, 1):
            p.tube([(sx * 18, -78), (sx * 34, -96), (sx * 40, -122)], SKIN, 8)
            p.tube([(sx * 18, -78), (sx * 28, -88)], RED, 12)
            hand(p, sx * 40, -124, 7)
    elif arms == 'point_up':
        p.tube([(-18, -78), (-30, -60), (-32, -44)], SKIN, 8)
        p.tube([(-18, -78), (-26, -66)], RED, 12)
        hand(p, -32, -42, 7)
        p.tube([(18, -78), (34, -100), (40, -128)], SKIN, 8)
        p.tube([(18, -78), (28, -90)], RED, 12)
        p.shape([ell(40, -128, 7), capsule(41, -132, 44, -146, 2.6)], SKIN)
    elif arms == 'point':
        p.tube([(-18, -78), (-30, -60), (-32, -44)], SKIN, 8)
        p.tube([(-18, -78), (-26, -66)], RED, 12)
        hand(p, -32, -42, 7)
        p.tube([(18, -78), (38, -92), (58, -104)], SKIN, 8)
        p.tube([(18, -78), (28, -86)], RED, 12)
        p.shape([ell(58, -104, 7), capsule(60, -106, 70, -112, 2.6)], SKIN)
    p.shape(rrect(-19, -56, 19, -30, 5), SEA)
    p.line([(0, -48), (0, -32)], NAVY, 1.8)
    p.shape(rrect(-20, -86, 20, -50, 8), RED)
    p.shape([(-6, -80), (4, -80), (0, -70), (6, -70), (-4, -56), (-1, -67), (-7, -67)], YELLOW, ow=p.ow * 0.6)
    p.shape(rrect(-5, -90, 5, -80, 2), SKIN)
    spiky_hair(p, 0, hy - 2, 25)
    p.shape([ell(-23, hy + 3, 5, 7), ell(23, hy + 3, 5, 7)], SKIN)
    p.shape(ell(0, hy, 23, 24), SKIN)
    p.fill(arc(0, hy - 2, 23.5, 24.5, 190, 350, 12)
           + [(14, hy - 12), (6, hy - 7), (-3, hy - 12), (-12, hy - 7), (-20, hy - 11)], YELLOW)
    for sx in (-1, 1):
        p.fill(ell(sx * 8, hy + 1, 3.6, 4.6), INK)
        p.dot(sx * 8 + 1.2, hy - 0.6, 1.2, WHITE)
        for dx, dy in ((0, 0), (4, 2), (-3, 3)):
            p.dot(sx * 13 + dx, hy + 9 + dy, 1.3, (206, 120, 70))
    p.line([(-12, hy - 9), (-4, hy - 8)], INK, 2.2)
    p.line([(4, hy - 10), (12, hy - 13)], INK, 2.2)
    p.shape(arc(1, hy + 11, 11, 9, 0, 180, 14), MOUTH, ow=p.ow * 0.6)
    p.fill(rrect(-6, hy + 11, 0, hy + 14.5, 1), WHITE)
    p.fill(rrect(2, hy + 11, 8, hy + 14.5, 1), WHITE)
    p.fill(ell(1, hy + 17, 5, 2.2), TONGUE)


def pip(p, squid_on=True):
    """The baby: never says a word, never lets go of Captain Squidge."""
    hy = -58
    p.shape([ell(-14, -6, 9, 7), ell(14, -6, 9, 7)], YELLOW)
    p.shape(ell(0, -24, 22, 21), YELLOW)
    p.fill(ell(0, -18, 11, 10), (255, 236, 140))
    p.tube([(-16, -32), (-24, -22), (-16, -16)], YELLOW, 9)
    hand(p, -15, -16, 5.5)
    p.shape([ell(-22, hy + 2, 4.5, 6), ell(22, hy + 2, 4.5, 6)], SKIN)
    p.shape(ell(0, hy, 23, 21), SKIN)
    curl = []
    for t in range(15):
        r, a = 2 + t * 0.45, math.radians(-90 - 36 * t)
        curl.append((2 + r * math.cos(a), hy - 27 - r * math.sin(a) - t * 0.5))
    p.tube(curl, GINGER, 3.4, ow=p.ow * 0.6)
    for sx in (-1, 1):
        p.fill(ell(sx * 8, hy - 1, 3.6, 4.4), INK)
        p.dot(sx * 8 + 1.3, hy - 2.6, 1.4, WHITE)
        p.fill(ell(sx * 14, hy + 7, 4, 2.5), (255, 160, 160))
    p.shape(ell(0, hy + 11, 6, 4.2), TEAL_LIGHT, ow=p.ow * 0.6)
    p.shape(ell(0, hy + 11, 2.2), TEAL, ow=p.ow * 0.5)
    if squid_on:
        p.tube([(16, -32), (26, -30), (30, -26)], YELLOW, 9)
        squid(p, 34, -34, 1.7)
        hand(p, 30, -24, 5.5)


def biscuit(p):
    """Three-legged sheepdog, facing right."""
    fur, grey = (248, 246, 238), (170, 176, 192)
    p.shape(capsule(-30, -34, -32, -6, 7.5), grey)
    p.shape(capsule(-12, -34, -13, -6, 7.5), grey)
    p.shape(capsule(26, -34, 28, -6, 7.5), fur)
    p.shape([ell(-32, -5, 9.5, 5.5), ell(-13, -5, 9.5, 5.5), ell(29, -5, 9.5, 5.5)], fur)
    body = [ell(-2, -50, 42, 22)] + [ell(-42 + 14 * i, -68 + (3 if i % 2 else 0), 11) for i in range(6)] + \
        [ell(-46, -50, 11), ell(-40, -35, 11), ell(-20, -31, 11), ell(4, -31, 11), ell(26, -35, 11)]
    p.shape(body, grey)
    with p.clip(body) as c:
        c.fill(ell(34, -50, 30, 40), fur)
    p.shape([ell(-52, -68, 8), ell(-56, -60, 7)], fur)
    hx, hy = 40, -78
    head = [ell(hx, hy, 23, 21)] + [ell(hx + 22 * math.cos(math.radians(a)), hy + 20 * math.sin(math.radians(a)), 7)
                                    for a in range(0, 360, 40)]
    p.shape(ell(hx - 16, hy + 4, 9, 17, rot=20), grey)
    p.shape(head, fur)
    p.shape(ell(hx + 22, hy + 12, 14, 11), fur)
    fringe = [(hx - 18, hy - 4), (hx - 14, hy - 20), (hx, hy - 27), (hx + 16, hy - 22), (hx + 24, hy - 8),
              (hx + 20, hy - 6), (hx + 18, hy + 1), (hx + 13, hy - 5), (hx + 8, hy + 2), (hx + 3, hy - 5),
              (hx - 2, hy + 2), (hx - 6, hy - 5), (hx - 12, hy)]
    p.shape(fringe, grey)
    for x in (-10, -2, 6, 14):
        p.line([(hx + x + 1, hy - 20), (hx + x, hy - 8)], (140, 146, 164), 1.6)
    p.dot(hx + 13, hy + 4, 2.8, INK)
    p.dot(hx + 14, hy + 3, 0.9, WHITE)
    p.shape(ell(hx + 34, hy + 8, 7, 5.5), INK, ow=0)
    p.fill(ell(hx + 32, hy + 6.5, 2.4, 1.4), (120, 120, 130))
    p.shape(ell(hx + 26, hy + 27, 5.5, 8), TONGUE, ow=p.ow * 0.7)
    p.line([(hx + 26, hy + 22), (hx + 26, hy + 31)], (220, 80, 90), 1.2)
    p.line(arc(hx + 24, hy + 14, 11, 7, 20, 160, 10), INK, 2)


def gull_wing(k):
    lead = bez((2, -4), (0, -40), (-20, -66), (-56, -76), 16)
    trail = [(-48, -62), (-50, -54), (-40, -48), (-42, -38), (-32, -32), (-34, -22), (-24, -14), (-22, -2)]
    return [(x * k, y * k) for x, y in lead + trail]


def gerald_fly(p, laugh=True):
    """Gerald the seagull mid-air, facing right, clutching the loot."""
    back = gull_wing(0.8)
    p.at(8, -4).shape(back, GREY_DARK)
    with p.at(8, -4).clip(back) as c:
        c.fill(ell(-52, -74, 22, 16, rot=30), INK)
    p.shape([(-30, -4), (-52, -12), (-50, 6), (-28, 6)], WHITE)
    p.fill([(-52, -12), (-50, 6), (-46, -3)], INK)
    p.tube([(4, 12), (2, 26)], ORANGE, 3.5)
    p.tube([(14, 12), (16, 26)], ORANGE, 3.5)
    p.shape(ell(0, 0, 34, 17, rot=-10), WHITE)
    front = gull_wing(1.0)
    p.at(-6, -2).shape(front, GREY)
    with p.at(-6, -2).clip(front) as c:
        c.fill(ell(-56, -76, 24, 18, rot=30), INK)
        c.line(bez((-2, -16), (-4, -36), (-18, -56), (-40, -64), 10), (214, 218, 228), 3)
    p.shape(ell(30, -18, 16, 15), WHITE)
    if laugh:
        p.shape([(38, -22), (64, -26), (44, -14)], YELLOW)
        p.shape([(40, -12), (58, -2), (40, -6)], YELLOW)
        p.fill([(42, -15), (52, -12), (42, -9)], RED)
        p.line(arc(33, -22, 4.5, 3.5, 200, 340, 8), INK, 2.4)
        p.line([(25, -33), (38, -28)], INK, 2.8)
        p.fill(ell(24, -12, 2.5, 3.5), (140, 200, 255))
    else:
        p.shape([(38, -22), (64, -17), (40, -10)], YELLOW)
        p.dot(56, -15, 2, RED)
        p.dot(33, -22, 3, INK)


# ---------------------------------------------------------------- lettering

def fancy_text(img, ss, cx, cy, text, px, colours, tilt=6.0, bounce=4.0, stroke=4.0, shadow=(2.5, 3.5),
               spacing=0.0, highlight=True):
    """Playful logo lettering: each letter its own colour, tilt and hop."""
    font = load_font(int(px * ss))
    sw = int(round(stroke * ss))
    widths = [font.getlength(ch) + spacing * ss for ch in text]
    total = sum(widths) - spacing * ss
    x = cx * ss - total / 2.0
    ci = 0
    for i, ch in enumerate(text):
        w = widths[i]
        if ch != ' ':
            col = colours[ci % len(colours)]
            ci += 1
            pad = int(px * ss * 0.6) + sw * 2
            size = (int(w) + pad * 2, int(px * ss * 1.4) + pad * 2)
            glyph = Image.new('L', size, 0)
            gd = ImageDraw.Draw(glyph)
            org = (size[0] / 2.0, size[1] / 2.0)
            gd.text(org, ch, font=font, fill=255, anchor='mm')
            outer = Image.new('L', size, 0)
            ImageDraw.Draw(outer).text(org, ch, font=font, fill=255, anchor='mm', stroke_width=sw, stroke_fill=255)
            tile = Image.new('RGBA', size, (0, 0, 0, 0))
            dx, dy = int(shadow[0] * ss), int(shadow[1] * ss)
            sh = Image.new('RGBA', size, INK + (255,))
            tile.paste(sh, (dx, dy), outer)
            tile.paste(Image.new('RGBA', size, INK + (255,)), (0, 0), outer)
            tile.paste(Image.new('RGBA', size, col + (255,)), (0, 0), glyph)
            if highlight:
                top = Image.new('L', size, 0)
                bb = glyph.getbbox()
                if bb:
                    ImageDraw.Draw(top).rectangle((0, 0, size[0], bb[1] + (bb[3] - bb[1]) * 0.38), fill=255)
                    shifted = Image.new('L', size, 0)
                    shifted.paste(glyph, (0, int(ss * 2)))
                    m = ImageChops.multiply(ImageChops.multiply(glyph, top), shifted)
                    tile.paste(Image.new('RGBA', size, mix(col, WHITE, 0.45) + (255,)), (0, 0), m)
            angle = tilt * (1 if i % 2 == 0 else -1)
            tile = tile.rotate(angle, resample=Image.BICUBIC, expand=False)
            hop = bounce * ss * (-1 if i % 2 == 0 else 1)
            img.alpha_composite(tile, (int(x + w / 2 - size[0] / 2), int(cy * ss + hop - size[1] / 2)))
        x += w
    return total / ss


# ---------------------------------------------------------------- pictures

def sea_strip(p, x0, x1, y, h, phase=0.0):
    top = [(x0 + (x1 - x0) * i / 80.0, y + 2.2 * math.sin(phase + i * 0.55)) for i in range(81)]
    p.shape(top + [(x1, y + h), (x0, y + h)], SEA)
    p.line([(x, yy + 4) for x, yy in top[2:-2]], SEA_LIGHT, 1.6)


def cloud(p, cx, cy, s, col=WHITE):
    q = p.at(cx, cy, s)
    q.shape([ell(-18, 2, 14, 11), ell(0, -6, 17, 15), ell(18, 2, 13, 10), rrect(-30, 0, 30, 13, 6)], col)


# Banner rows from here down must stay see-through: text lies behind them.
BANNER_CLEAR_Y = 134


def make_banner():
    W, H, ss = 384, 163, 4
    img = new_canvas(W, H, ss)
    p = Pen(img, ss, 2.2)
    # The top of this picture hides behind the window edge: only sky up there.
    cloud(p, 110, 34, 0.8)
    cloud(p, 226, 22, 0.6)
    gerald_fly(p.at(322, 42, 0.5))
    sandwich(p.at(322 - 6, 42 + 10, 0.6))
    # The title screen's text runs behind the bottom rows, so the sea stops short of them.
    with p.clip(rrect(10, 95, 374, BANNER_CLEAR_Y - 2, 10)) as c:
        sea_strip(c, 10, 374, 113, 40)
    badge = p.at(52, 75, 0.8, rot=-8)
    badge.shape(rrect(-32, -14, 32, 14, 8), RED)
    badge.text(0, 1, 'The', 22, WHITE, stroke=1.6, stroke_fill=INK)
    fancy_text(img, ss, 208, 98, 'Pelmaroos', 52,
               [GINGER, PURPLE, YELLOW, TEAL, RASPBERRY, SEA, GREEN, ORANGE, PURPLE_LIGHT],
               tilt=5, bounce=3.0, stroke=3.6, shadow=(2.2, 3.0))
    return shrink(img, W, H)


def ground_shadow(p, x, y, rx):
    p.fill(ell(x, y, rx, rx * 0.16), (212, 212, 218))


def make_title_left():
    W, H, ss = 341, 259, 4
    img = new_canvas(W, H, ss)
    p = Pen(img, ss, 2.2)
    ground_shadow(p, 178, 252, 60)
    ground_shadow(p, 262, 254, 48)
    gerald_fly(p.at(278, 44, 0.62))
    sandwich(p.at(278 - 10, 44 + 12, 0.8))
    gusset(p.at(176, 250, 1.0), 'wave')
    tobble(p.at(262, 240, 0.92), 'point_up')
    return shrink(img, W, H)


def make_title_right():
    W, H, ss = 341, 259, 4
    img = new_canvas(W, H, ss)
    p = Pen(img, ss, 2.2)
    ground_shadow(p, 150, 253, 48)
    ground_shadow(p, 72, 254, 38)
    ground_shadow(p, 212, 254, 34)
    marigold(p.at(150, 252, 0.85))
    wren(p.at(72, 252, 0.98))
    pip(p.at(200, 253, 0.9))
    return shrink(img, W, H)


def make_menu_title():
    W, H, ss = 260, 94, 4
    img = new_canvas(W, H, ss)
    p = Pen(img, ss, 1.8)
    sea_strip(p, 34, 226, 74, 12, 1.0)
    fancy_text(img, ss, 130, 48, 'Pick a Level!', 30,
               [PURPLE, GINGER, TEAL, RASPBERRY, SEA, GREEN, ORANGE, PURPLE_LIGHT, RED, YELLOW],
               tilt=5, bounce=2.5, stroke=3.2, shadow=(1.8, 2.6))
    ic_star(p.at(1, 30, 0.62))
    ic_star(p.at(240, 30, 0.62))
    return shrink(img, W, H)


def make_arrow(direction):
    W, H, ss = 50, 36, 8
    img = Image.new('RGBA', (W * ss, H * ss), WINDOW_GREY + (255,))
    p = Pen(img, ss, 1.8)
    a = p.at(25, 18, 1.0, flip=(direction == 'left'))
    arrow = [(-19, -6), (2, -6), (2, -15), (21, 0), (2, 15), (2, 6), (-19, 6)]
    a.at(1.5, 2).fill(arrow, (196, 196, 202))
    a.shape(arrow, ORANGE)
    a.fill([(-16, -3.5), (4, -3.5), (4, -10), (15.5, -1), (-16, -1)], (255, 196, 110))
    return shrink(img, W, H)


def halo_merge(deco, figs, ss, colour=(255, 252, 236)):
    out = deco
    out.alpha_composite(add_halo(figs, ss, 2.4, colour))
    return out


# The result screens print the score over these boxes (picture pixels, inclusive),
# behind the picture: they must stay see-through, with a small margin.
RESULT_TOP_TEXT = (20, 126, 252, 171)
RESULT_WIDE_TEXT = (100, 150, 320, 195)
TEXT_MARGIN = 2
# The result windows' heading hides the rows from 214 down and the window edge
# cuts the wide pictures from column 380, so these stay see-through.
RESULT_WIDE_CLEAR_Y = 212
RESULT_WIDE_CLEAR_X = 378


def clear_of(box, x, y, r):
    """True if a blob of radius r at (x, y) keeps off the text box and its margin."""
    x0, y0, x1, y1 = box
    m = TEXT_MARGIN + r
    return x < x0 - m or x > x1 + m or y < y0 - m or y > y1 + m


def scatter(rng, area, box, r, n):
    """n random points in area, none near the text box."""
    x0, y0, x1, y1 = area
    pts = []
    while len(pts) < n:
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        if clear_of(box, x, y, r):
            pts.append((x, y))
    return pts


def confetti(p, rng, pts):
    cols = [RED, YELLOW, TEAL, PINK, GREEN, ORANGE, PURPLE_LIGHT, SEA_LIGHT, WHITE]
    for x, y in pts:
        c = rng.choice(cols)
        if rng.random() < 0.3:
            p.fill(star_pts(x, y, 4.5, 2), c)
        else:
            p.fill(rot_pts(rrect(x - 3, y - 1.6, x + 3, y + 1.6, 0.6), x, y, rng.uniform(0, 180)), c)


def make_result_top():
    # The family cheers in the strip above the score; the window edge hides
    # up to 56 rows at the top, so the faces sit lower than that.
    W, H, ss = 256, 192, 4
    rng = random.Random(7101)
    deco = new_canvas(W, H, ss)
    confetti(Pen(deco, ss, 0), rng, scatter(rng, (4, 4, 252, 120), RESULT_TOP_TEXT, 6, 48)
             + scatter(rng, (6, 178, 250, 188), RESULT_TOP_TEXT, 6, 16))
    figs = new_canvas(W, H, ss)
    p = Pen(figs, ss, 1.3)
    tobble(p.at(26, 111, 0.3), 'cheer')
    wren(p.at(70, 118, 0.32, flip=True), tuba=False, arms='cheer')
    marigold(p.at(228, 118, 0.28), holding='wave')
    gusset(p.at(122, 118, 0.32), 'trophy')
    pip(p.at(185, 118, 0.3))
    return shrink(halo_merge(deco, figs, ss), W, H)


def mound(p, cx, top, bottom, rx, col=GREEN):
    """A small grassy knoll, rounded underneath too, for a figure to stand on."""
    base, h = bottom - 4, bottom - 4 - top
    hill = []
    for i in range(41):
        t = math.pi * (1 + i / 40.0)
        c, s = math.cos(t), math.sin(t)
        hill.append((cx + rx * math.copysign(abs(c) ** 0.77, c) * (1 - 0.16 * abs(s)), base - h * abs(s) ** 0.77))
    hill += arc(cx, base, rx, 4, 0, 180, 20)
    p.shape(hill, col)
    with p.clip(hill) as c:
        c.fill(arc(cx, bottom + 2, rx * 1.1, 7, 180, 360, 30), GREEN_DARK)


def make_result_middle():
    # The rainbow arches over the score from knoll to knoll; Gusset and Biscuit
    # stand on them, clear of the heading and the window's right edge.
    W, H, ss = 387, 233, 4
    rng = random.Random(7102)
    deco = new_canvas(W, H, ss)
    d = Pen(deco, ss, 0)
    cols = [RED, ORANGE, YELLOW, GREEN, SEA, PURPLE_LIGHT]
    for i, c in enumerate(cols):
        rx, ry = 155 - i * 5.4, 124 - i * 5.4
        d.line(arc(210, 186, rx, ry, 180, 360, 80), c, 5.8, caps=False)
    for x, y in scatter(rng, (10, 16, 368, 60), RESULT_WIDE_TEXT, 7, 9) + \
            scatter(rng, (120, 100, 300, 140), RESULT_WIDE_TEXT, 7, 5):
        d.fill(star_pts(x, y, rng.uniform(3, 6.5), 1.6, n=4), rng.choice([YELLOW, WHITE, GOLD_LIGHT]))
    figs = new_canvas(W, H, ss)
    p = Pen(figs, ss, 1.8)
    mound(p, 48, 182, 207, 42)
    mound(p, 351, 178, 207, 22)
    gusset(p.at(47, 200, 0.54), 'thumbs')
    biscuit(p.at(352, 181, 0.31, flip=True))
    return shrink(halo_merge(deco, figs, ss), W, H)


def make_result_low():
    # Gusset sulks under his own rain cloud on the left; Gerald makes off
    # with the sandwich over the top of the score, clear of the heading and
    # the window's right edge.
    W, H, ss = 387, 233, 4
    rng = random.Random(7103)
    deco = new_canvas(W, H, ss)
    d = Pen(deco, ss, 0)
    for x, y in scatter(rng, (8, 100, 100, 194), RESULT_WIDE_TEXT, 12, 44):
        d.line([(x, y), (x - 3, y + 10)], (150, 210, 255), 1.8)
    figs = new_canvas(W, H, ss)
    p = Pen(figs, ss, 1.8)
    s, gx, gy = 0.48, 50, 204
    p.shape(ell(gx, gy - 2, 42, 5), (90, 150, 230))
    gusset(p.at(gx, gy, s), 'down', mood='sad')
    p.shape(ell(gx - 23 * s, gy - 181 * s, 3.2, 4.6), (150, 210, 255))
    cloud(p, 58, 84, 1.3, (196, 204, 220))
    p.fill(ell(58, 94, 32, 4), (170, 178, 196))
    q = p.at(256, 100, 0.72, rot=-10)
    gerald_fly(q)
    sandwich(q.at(-8, 16, 1.1, rot=-15))
    fancy_text(figs, ss, 340, 130, 'HA!', 17, [YELLOW, GOLD_LIGHT], tilt=8, bounce=2, stroke=2.2,
               shadow=(1, 1.5), highlight=False)
    fancy_text(figs, ss, 349, 164, 'HA!', 17, [GOLD_LIGHT, YELLOW], tilt=8, bounce=2, stroke=2.2,
               shadow=(1, 1.5), highlight=False)
    return shrink(halo_merge(deco, figs, ss), W, H)


# ---------------------------------------------------------------- checks

def check_gif(path, size, transparent):
    with open(path, 'rb') as f:
        data = f.read()
    problems = []
    if data[:6] != b'GIF89a':
        problems.append('not GIF89a')
    w, h, packed = struct.unpack('<HHB', data[6:11])
    if (w, h) != size:
        problems.append('size %dx%d' % (w, h))
    if not packed & 0x80 or (packed & 7) != 7:
        problems.append('colour table is not 256 entries')
    gce = data.find(b'\x21\xf9\x04', 13 + 768)
    has_t = gce >= 0 and bool(data[gce + 3] & 1)
    if has_t != transparent:
        problems.append('transparency %s' % has_t)
    with Image.open(path) as im:
        if im.size != size:
            problems.append('Pillow reads %s' % (im.size,))
        im.load()
    return problems


def check_clear_below(path, y0):
    with Image.open(path) as im:
        im.load()
        t = im.info.get('transparency')
        w, h = im.size
        px = im.load()
        solid = sum(1 for y in range(y0, h) for x in range(w) if px[x, y] != t)
    return ['%d visible pixels at y >= %d' % (solid, y0)] if solid else []


def check_clear_right(path, x0):
    with Image.open(path) as im:
        im.load()
        t = im.info.get('transparency')
        w, h = im.size
        px = im.load()
        solid = sum(1 for y in range(h) for x in range(x0, w) if px[x, y] != t)
    return ['%d visible pixels at x >= %d' % (solid, x0)] if solid or t is None else []


def check_clear_box(path, box):
    x0, y0, x1, y1 = box
    with Image.open(path) as im:
        im.load()
        t = im.info.get('transparency')
        w, h = im.size
        px = im.load()
        solid = sum(1 for y in range(max(0, y0 - TEXT_MARGIN), min(h, y1 + TEXT_MARGIN + 1))
                    for x in range(max(0, x0 - TEXT_MARGIN), min(w, x1 + TEXT_MARGIN + 1)) if px[x, y] != t)
    return ['%d visible pixels over the score text' % solid] if solid or t is None else []


def check_ico(path):
    with open(path, 'rb') as f:
        data = f.read()
    problems = []
    if len(data) != ICO_SIZE:
        problems.append('%d bytes' % len(data))
    hdr = struct.unpack('<HHH', data[:6])
    ent = struct.unpack('<BBBBHHII', data[6:22])
    bih = struct.unpack('<IiiHH', data[22:38])
    if hdr != (0, 1, 1) or ent[:2] != (32, 32) or ent[5] != 8 or bih != (40, 32, 64, 1, 8):
        problems.append('bad header')
    with Image.open(path) as im:
        if im.size != (32, 32):
            problems.append('Pillow reads %s' % (im.size,))
        im.load()
    return problems


def check_png(path, n):
    with Image.open(path) as im:
        im.load()
        if im.size != (n, n) or im.mode != 'RGBA' or im.getpixel((0, 0))[3] != 0:
            return ['%s %s' % (im.size, im.mode)]
    return []


def main():
    os.makedirs(PIC_DIR, exist_ok=True)
    os.makedirs(DESKTOP_DIR, exist_ok=True)
    made = []

    def gif(name, img, size, matte=WINDOW_GREY, transparent=True, clear_below=None, clear_right=None,
            clear_box=None):
        if img.size != size:
            raise SystemExit('make_art: %s drawn at %s' % (name, img.size))
        path = os.path.join(PIC_DIR, name)
        write_gif(path, img, matte, transparent)
        made.append((path, lambda: check_gif(path, size, transparent)
                     + (check_clear_below(path, clear_below) if clear_below is not None else [])
                     + (check_clear_right(path, clear_right) if clear_right is not None else [])
                     + (check_clear_box(path, clear_box) if clear_box is not None else [])))

    gif('banner.gif', make_banner(), (384, 163), clear_below=BANNER_CLEAR_Y)
    gif('title-left.gif', make_title_left(), (341, 259))
    gif('title-right.gif', make_title_right(), (341, 259))
    gif('menu-title.gif', make_menu_title(), (260, 94))
    gif('arrow-left.gif', make_arrow('left'), (50, 36), transparent=False)
    gif('arrow-right.gif', make_arrow('right'), (50, 36), transparent=False)
    # The results screen is black.
    gif('result-top.gif', make_result_top(), (256, 192), BLACK, clear_box=RESULT_TOP_TEXT)
    wide = dict(clear_below=RESULT_WIDE_CLEAR_Y, clear_right=RESULT_WIDE_CLEAR_X, clear_box=RESULT_WIDE_TEXT)
    gif('result-middle.gif', make_result_middle(), (387, 233), BLACK, **wide)
    gif('result-low.gif', make_result_low(), (387, 233), BLACK, **wide)

    icons = [('app.ico', icon_gusset), ('zzzextra.ico', icon_biscuit)]
    icons += [('question-%02d.ico' % (i + 1), fn) for i, fn in enumerate(QUESTION_ICONS)]
    for name, fn in icons:
        path = os.path.join(PIC_DIR, name)
        write_ico(path, render_icon(fn, 32))
        made.append((path, lambda path=path: check_ico(path)))

    for n in (48, 64, 128, 256):
        path = os.path.join(DESKTOP_DIR, 'pelmaroos-trivia-%d.png' % n)
        render_icon(icon_gusset, n).save(path, 'PNG', optimize=True)
        made.append((path, lambda path=path, n=n: check_png(path, n)))

    failed = False
    for path, check in made:
        problems = check()
        if problems:
            failed = True
            print('make_art: %s: %s' % (os.path.relpath(path, ROOT), ', '.join(problems)), file=sys.stderr)
    blobs = set()
    for i in range(len(QUESTION_ICONS)):
        with open(os.path.join(PIC_DIR, 'question-%02d.ico' % (i + 1)), 'rb') as f:
            blobs.add(f.read())
    if len(QUESTION_ICONS) != 36 or len(blobs) != 36:
        failed = True
        print('make_art: question icons are not 36 distinct pictures', file=sys.stderr)
    if failed:
        sys.exit(1)
    print('make_art: wrote %d files' % len(made))


if __name__ == '__main__':
    main()
