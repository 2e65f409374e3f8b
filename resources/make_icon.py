#!/usr/bin/env python3
"""Writes a Windows .ico from text pixel art, one image per art file.

Each art file is a square of characters, one per pixel: '.' black, '#' bright
green, '+' dark green. Images are fully opaque, as the window and the
executable show them, and stored as 16-colour bitmaps (4 bits a pixel, a
16-entry palette, a 1-bit mask): the smallest form that holds the art's three
colours exactly and that every version of Windows loads (the icon format of
Windows 3.0 on). 256-colour images, with their 1 KiB palettes and a byte a
pixel, took twice the room for the same pixels.

usage: make_icon.py OUTPUT.ico ART.txt [ART.txt ...]
"""
import struct
import sys

PALETTE = {".": (0, 0, 0), "#": (0, 255, 0), "+": (0, 128, 0)}


def read_art(path):
    rows = [line.rstrip("\n") for line in open(path, encoding="ascii") if line.strip()]
    size = len(rows)
    for row in rows:
        if len(row) != size or any(c not in PALETTE for c in row):
            sys.exit(f"{path}: want {size} rows of {size} characters from {''.join(PALETTE)}")
    return rows


BITS = 4
COLOURS = 1 << BITS


def row_bytes(indices):
    """One row of 4-bit palette indices, two a byte, high nibble first, padded to 32 bits."""
    stride = (len(indices) * BITS + 31) // 32 * 4
    packed = bytes((indices[i] << 4) | (indices[i + 1] if i + 1 < len(indices) else 0)
                   for i in range(0, len(indices), 2))
    return packed + b"\0" * (stride - len(packed))


def image_bytes(rows):
    size = len(rows)
    colours = list(PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, BITS, 0, 0, 0, 0, COLOURS, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE.values())
    palette += b"\0" * 4 * (COLOURS - len(PALETTE))
    pixels = b"".join(row_bytes([colours.index(c) for c in row]) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * mask_stride * size  # every pixel opaque
    return header + palette + pixels + mask


def main():
    output, arts = sys.argv[1], sys.argv[2:]
    images = [(len(rows), image_bytes(rows)) for rows in map(read_art, arts)]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in images:
        directory += struct.pack("<BBBBHHII", size, size, COLOURS, 0, 1, BITS, len(data), offset)
        offset += len(data)
    with open(output, "wb") as ico:
        ico.write(directory + b"".join(data for _, data in images))


if __name__ == "__main__":
    main()
