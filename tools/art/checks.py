# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Reads back what was written and says what is wrong with it: the formats and sizes the game and the desktop
expect, and the parts of a picture that must stay see-through because text or a window edge lies over them."""

import struct

from PIL import Image

from .writers import ico_size


def read(path):
    with Image.open(path) as image:
        return image.copy()


def gif_problems(path, size, transparent):
    data = path.read_bytes()
    problems = []
    if data[:6] != b'GIF89a':
        problems.append('not GIF89a')
    width, height, packed = struct.unpack('<HHB', data[6:11])
    if (width, height) != size or read(path).size != size:
        problems.append('size %dx%d' % (width, height))
    if not packed & 0x80 or (packed & 7) != 7:
        problems.append('colour table is not 256 entries')
    control = data.find(b'\x21\xf9\x04', 13 + 768)
    if (control >= 0 and bool(data[control + 3] & 1)) != transparent:
        problems.append('transparency is not %s' % transparent)
    return problems


def visible_pixels(path, area):
    """Problems if any pixel in area (left, top, right, bottom; right and bottom excluded, None for the edge)
    is not the see-through colour."""
    image = read(path)
    see_through = image.info.get('transparency')
    width, height = image.size
    left, top, right, bottom = area
    right = width if right is None else min(width, right)
    bottom = height if bottom is None else min(height, bottom)
    pixels = image.load()
    solid = sum(1 for y in range(max(0, top), bottom) for x in range(max(0, left), right)
                if pixels[x, y] != see_through)
    return ['%d visible pixels in %s' % (solid, area)] if solid or see_through is None else []


def ico_problems(path, side):
    data = path.read_bytes()
    problems = []
    if len(data) != ico_size(side):
        problems.append('%d bytes' % len(data))
    header = struct.unpack('<HHH', data[:6])
    entry = struct.unpack('<BBBBHHII', data[6:22])
    bitmap = struct.unpack('<IiiHH', data[22:38])
    if header != (0, 1, 1) or entry[:2] != (side % 256, side % 256) or entry[5] != 8 \
            or bitmap != (40, side, 2 * side, 1, 8):
        problems.append('bad header')
    if read(path).size != (side, side):
        problems.append('Pillow reads %s' % (read(path).size,))
    return problems


def png_problems(path, side):
    image = read(path)
    if image.size != (side, side) or image.mode != 'RGBA' or image.getpixel((0, 0))[3] != 0:
        return ['%s %s' % (image.size, image.mode)]
    return []
