# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The files the game and the desktop read: 256-colour GIFs, 8-bit ICOs with a mask, and RGBA PNGs."""

import struct

from PIL import Image


def flatten(rgba, matte, threshold):
    """The picture against its background colour, and which of its pixels are opaque."""
    background = Image.new('RGBA', rgba.size, matte + (255,))
    rgb = Image.alpha_composite(background, rgba).convert('RGB')
    opaque = [v >= threshold for v in rgba.getchannel('A').getdata()]
    return rgb, opaque


def palette_of(quantized, count):
    palette = list(quantized.getpalette()[:count * 3])
    return palette + [0] * (count * 3 - len(palette))


def write_gif(path, rgba, matte, transparent):
    """A GIF89a with a full 256-entry colour table; see-through pixels take the last entry, set to the matte."""
    rgb, opaque = flatten(rgba, matte, 128 if transparent else 0)
    colours = 255 if transparent else 256
    quantized = rgb.quantize(colors=colours, method=Image.Quantize.MEDIANCUT)
    indices = bytearray(quantized.tobytes())
    for i, solid in enumerate(opaque):
        if not solid:
            indices[i] = 255
    out = Image.frombytes('P', rgba.size, bytes(indices))
    out.putpalette(palette_of(quantized, colours) + (list(matte) if transparent else []))
    if transparent:
        out.save(path, 'GIF', transparency=255, optimize=False)
    else:
        out.info['version'] = b'89a'
        out.save(path, 'GIF', optimize=False)


def ico_size(side):
    return 6 + 16 + 40 + 1024 + side * side + side * mask_row_bytes(side)


def mask_row_bytes(side):
    return (side + 31) // 32 * 4


def write_ico(path, rgba, matte, threshold=100):
    """One square 8-bit image with a 1-bit AND mask, written field by field."""
    side = rgba.size[0]
    rgb, opaque = flatten(rgba, matte, threshold)
    quantized = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT)
    indices = quantized.tobytes()
    # Index 0 is black and used under the mask, so masked pixels stay invisible.
    palette = [0, 0, 0] + palette_of(quantized, 255)
    pixels = bytes((indices[i] + 1) if opaque[i] else 0 for i in range(side * side))

    out = bytearray()
    out += struct.pack('<HHH', 0, 1, 1)
    out += struct.pack('<BBBBHHII', side % 256, side % 256, 0, 0, 1, 8, ico_size(side) - 22, 22)
    out += struct.pack('<IiiHHIIiiII', 40, side, 2 * side, 1, 8, 0, side * side + side * mask_row_bytes(side),
                       0, 0, 256, 0)
    for i in range(256):
        r, g, b = palette[i * 3:i * 3 + 3]
        out += struct.pack('<BBBB', b, g, r, 0)
    rows = range(side - 1, -1, -1)
    for y in rows:
        out += pixels[y * side:(y + 1) * side]
    for y in rows:
        bits = 0
        for x in range(side):
            bits = (bits << 1) | (0 if opaque[y * side + x] else 1)
        out += (bits << (8 * mask_row_bytes(side) - side)).to_bytes(mask_row_bytes(side), 'big')
    with open(path, 'wb') as f:
        f.write(bytes(out))


def write_png(path, rgba):
    rgba.save(path, 'PNG', optimize=True)
