#!/usr/bin/env python3
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

INDEXED8 = 3
RGB32 = 4
ARGB32_PREMULTIPLIED = 6


def lzw(data, minimum, count):
    """The colour indices of one GIF image."""
    clear, end = 1 << minimum, (1 << minimum) + 1
    table = [bytes([i]) for i in range(clear)] + [b"", b""]
    width, out, previous = minimum + 1, bytearray(), None
    bits = value = 0
    for byte in data:
        value |= byte << bits
        bits += 8
        while bits >= width:
            code, value, bits = value & ((1 << width) - 1), value >> width, bits - width
            if code == clear:
                table, width, previous = table[:end + 1], minimum + 1, None
                continue
            if code == end:
                return bytes(out[:count])
            if previous is None:
                entry = table[code]
            else:
                entry = table[code] if code < len(table) else previous + previous[:1]
                if len(table) < 4096:
                    table.append(previous + entry[:1])
            out += entry
            previous = entry
            if len(table) == 1 << width and width < 12:
                width += 1
    return bytes(out[:count])


def gif(data):
    """Width, height and 0xAARRGGBB pixels of a GIF's first image."""
    if data[:6] not in (b"GIF87a", b"GIF89a"):
        raise ValueError("not a GIF")
    width, height, flags = struct.unpack_from("<HHB", data, 6)
    at = 13
    palette = []
    if flags & 0x80:
        size = 3 << ((flags & 7) + 1)
        palette = [data[at + i:at + i + 3] for i in range(0, size, 3)]
        at += size
    transparent = None
    while True:
        block = data[at]
        if block == 0x21:
            label = data[at + 1]
            at += 2
            if label == 0xF9 and data[at + 1] & 1:
                transparent = data[at + 4]
            while data[at]:
                at += data[at] + 1
            at += 1
        elif block == 0x2C:
            left, top, w, h, local = struct.unpack_from("<HHHHB", data, at + 1)
            at += 10
            if (left, top, w, h) != (0, 0, width, height):
                raise ValueError("an image smaller than its screen")
            if local & 0x80:
                size = 3 << ((local & 7) + 1)
                palette = [data[at + i:at + i + 3] for i in range(0, size, 3)]
                at += size
            minimum = data[at]
            at += 1
            chunks = bytearray()
            while data[at]:
                chunks += data[at + 1:at + 1 + data[at]]
                at += data[at] + 1
            indices = lzw(chunks, minimum, w * h)
            if local & 0x40:
                order = [y for start, step in ((0, 8), (4, 8), (2, 4), (1, 2)) for y in range(start, h, step)]
                rows = [indices[i * w:(i + 1) * w] for i in range(h)]
                indices = b"".join(rows[order.index(y)] for y in range(h))
            pixels = []
            for index in indices:
                r, g, b = palette[index]
                pixels.append(0 if index == transparent else 0xFF000000 | r << 16 | g << 8 | b)
            return width, height, pixels
        else:
            raise ValueError("no image in the GIF")


def ico(data):
    """Width, height and 0xAARRGGBB pixels of an ICO's one 8-bit image, its AND mask made see-through."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind, count) != (0, 1, 1):
        raise ValueError("not an ICO of one image")
    offset = struct.unpack_from("<I", data, 18)[0]
    _, width, double_height, _, bits = struct.unpack_from("<IiiHH", data, offset)
    height = double_height // 2
    if bits != 8:
        raise ValueError("not an 8-bit ICO")
    colours = offset + 40
    palette = [data[colours + 4 * i:colours + 4 * i + 3] for i in range(256)]
    rows = colours + 1024
    mask_row = (width + 31) // 32 * 4
    mask = rows + width * height
    pixels = []
    for y in range(height):
        stored = height - 1 - y
        for x in range(width):
            b, g, r = palette[data[rows + stored * width + x]]
            masked = data[mask + stored * mask_row + x // 8] >> (7 - x % 8) & 1
            pixels.append(0 if masked else 0xFF000000 | r << 16 | g << 8 | b)
    return width, height, pixels


def main():
    whole = sys.argv[1] == "--whole"
    source, output = sys.argv[1 + whole:3 + whole]
    with open(source, "rb") as f:
        data = f.read()
    width, height, pixels = ico(data) if source.endswith(".ico") else gif(data)
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
