#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Turns one of the game's pictures, a GIF or an ICO as tools/art writes them, into the pixels the program
draws from as they lie in its read-only data, without decoding them at run time.

Usage: pixels.py [--whole] PICTURE OUTPUT

OUTPUT holds the width, the height, the QImage format and the number of colours in its colour table as four
little-endian 32-bit numbers, then the colour table, then the rows. Colours are little-endian 32-bit
0xAARRGGBB: see-through is 0, every other colour is opaque.

By default the format is Indexed8 (3): up to 256 colours, and each row holds one colour index a pixel, padded
to a multiple of 4 bytes, a quarter of the memory whole pixels take. With --whole it is RGB32 (4), or
ARGB32_Premultiplied (6) for a picture with a see-through pixel, with no colour table and each pixel a colour:
drawing those is a copy, where indices are looked up one by one, which the first paint does not wait for.
"""
import struct
import sys

from PIL import Image

INDEXED8 = 3
RGB32 = 4
ARGB32_PREMULTIPLIED = 6


def decoded(source):
    """Width, height and 0xAARRGGBB pixels of a picture: see-through is 0, every other colour opaque."""
    with Image.open(source) as picture:
        rgba = picture.convert("RGBA")
    pixels = [0 if a == 0 else 0xFF000000 | r << 16 | g << 8 | b for r, g, b, a in rgba.getdata()]
    return rgba.width, rgba.height, pixels


def main():
    whole = sys.argv[1] == "--whole"
    source, output = sys.argv[1 + whole:3 + whole]
    width, height, pixels = decoded(source)
    if whole:
        kind = ARGB32_PREMULTIPLIED if 0 in pixels else RGB32
        written = struct.pack(f"<IIII{len(pixels)}I", width, height, kind, 0, *pixels)
    else:
        colours = list(dict.fromkeys(pixels))
        if len(colours) > 256:
            raise ValueError(f"{source} has {len(colours)} colours, more than 256")
        index = {colour: i for i, colour in enumerate(colours)}
        padding = bytes(-width % 4)
        rows = b"".join(bytes(index[p] for p in pixels[y * width:(y + 1) * width]) + padding for y in range(height))
        written = struct.pack(f"<IIII{len(colours)}I", width, height, INDEXED8, len(colours), *colours) + rows
    with open(output, "wb") as f:
        f.write(written)


if __name__ == "__main__":
    main()
