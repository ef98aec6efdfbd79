# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The pen every picture is drawn with, and the finely grained sheet it draws on."""

import math
from contextlib import contextmanager
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFont

from .palette import CLEAR, INK
from .shapes import ellipse

# The face the program carries, so that the pictures' lettering is the same whatever the system has.
FONT_BOLD = Path(__file__).resolve().parents[2] / 'shell' / 'forms' / 'fonts' / 'LiberationSans-Bold.ttf'


def load_font(px):
    return ImageFont.truetype(str(FONT_BOLD), px)


class Sheet:
    """A picture of size (in pixels at 1x) drawn scale times over, on a canvas supersample times finer still,
    so that edges come out smooth when it shrinks to its final size."""

    def __init__(self, size, supersample, scale=1):
        self.size, self.supersample, self.scale = size, supersample, scale
        self.fine = supersample * scale
        self.image = Image.new('RGBA', (size[0] * self.fine, size[1] * self.fine), CLEAR)

    def pen(self, outline, zoom=1.0):
        return Pen(self.image, self.fine, outline, zoom=zoom)

    def layer(self):
        return Sheet(self.size, self.supersample, self.scale)

    def finished(self):
        return self.image.resize((self.size[0] * self.scale, self.size[1] * self.scale), Image.LANCZOS)


class Pen:
    """Draws in local coordinates onto a sheet's fine canvas.

    fine is how many canvas pixels make one pixel of the picture at 1x; outline is the outline width in such
    pixels, so every figure in one picture gets the same line weight. at() gives a pen moved, zoomed, mirrored
    and turned, for drawing one figure in its own coordinates."""

    def __init__(self, image, fine, outline, x=0.0, y=0.0, zoom=1.0, flip=False, turn=0.0):
        self.image, self.fine, self.outline = image, fine, outline
        self.draw = ImageDraw.Draw(image)
        self.x, self.y, self.zoom, self.flip, self.turn = x, y, zoom, flip, turn
        self._cos, self._sin = math.cos(math.radians(turn)), math.sin(math.radians(turn))

    def _place(self, x, y):
        if self.flip:
            x = -x
        x, y = x * self._cos - y * self._sin, x * self._sin + y * self._cos
        return self.x + x * self.zoom, self.y + y * self.zoom

    def at(self, x, y, zoom=1.0, flip=False, turn=0.0):
        px, py = self._place(x, y)
        turned = (-turn if self.flip else turn) + self.turn
        return Pen(self.image, self.fine, self.outline, px, py, self.zoom * zoom, self.flip != flip, turned)

    def on_canvas(self, points):
        placed = []
        for x, y in points:
            px, py = self._place(x, y)
            placed.append((px * self.fine, py * self.fine))
        return placed

    def width(self, v):
        return max(1, int(round(v * self.zoom * self.fine)))

    @staticmethod
    def _outlines(shapes):
        if shapes and isinstance(shapes[0][0], (int, float)):
            return [shapes]
        return [s for s in shapes if s]

    def shape(self, shapes, fill, outline=None):
        """Filled shapes sharing one outline drawn around their union."""
        shapes = self._outlines(shapes)
        outline = self.outline if outline is None else outline
        if outline > 0:
            k = max(1, int(round(2 * outline * self.fine)))
            for s in shapes:
                points = self.on_canvas(s)
                self.draw.polygon(points, fill=INK)
                self.draw.line(points + points[:2], fill=INK, width=k, joint='curve')
        for s in shapes:
            self.draw.polygon(self.on_canvas(s), fill=fill)

    def fill(self, shapes, colour):
        for s in self._outlines(shapes):
            self.draw.polygon(self.on_canvas(s), fill=colour)

    def _round_ends(self, points, width, colour):
        r = width / 2.0
        for x, y in (points[0], points[-1]):
            self.draw.ellipse((x - r, y - r, x + r, y + r), fill=colour)

    def line(self, points, colour, width, caps=True):
        placed = self.on_canvas(points)
        k = self.width(width)
        self.draw.line(placed, fill=colour, width=k, joint='curve')
        if caps:
            self._round_ends(placed, k, colour)

    def tube(self, points, colour, width, outline=None):
        """A thick outlined stroke: limbs, pipes, tentacles."""
        outline = self.outline if outline is None else outline
        if outline > 0:
            placed = self.on_canvas(points)
            k = self.width(width) + int(round(2 * outline * self.fine))
            self.draw.line(placed, fill=INK, width=k, joint='curve')
            self._round_ends(placed, k, INK)
        self.line(points, colour, width)

    def dot(self, x, y, r, colour):
        self.fill(ellipse(x, y, r, r, steps=32), colour)

    def text(self, x, y, words, px, colour, stroke):
        cx, cy = self._place(x, y)
        font = load_font(max(1, int(round(px * self.zoom * self.fine))))
        self.draw.text((cx * self.fine, cy * self.fine), words, font=font, fill=colour, anchor='mm',
                       stroke_width=int(round(stroke * self.zoom * self.fine)), stroke_fill=INK)

    @contextmanager
    def clip(self, shapes):
        """Everything drawn on the yielded pen is kept only inside shapes."""
        layer = Image.new('RGBA', self.image.size, CLEAR)
        inside = Pen(layer, self.fine, self.outline, self.x, self.y, self.zoom, self.flip, self.turn)
        yield inside
        mask = Image.new('L', self.image.size, 0)
        mask_draw = ImageDraw.Draw(mask)
        for s in self._outlines(shapes):
            mask_draw.polygon(self.on_canvas(s), fill=255)
        layer.putalpha(ImageChops.multiply(layer.getchannel('A'), mask))
        self.image.alpha_composite(layer)
