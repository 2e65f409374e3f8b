#!/usr/bin/env python3
"""Writes a Windows .ico from text pixel art, one image per art file.

Each art file is a square of characters, one per pixel: '.' black, '#' bright
green, '+' dark green. Images are 256-colour and fully opaque, as the window
and the executable show them.

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


def image_bytes(rows):
    size = len(rows)
    colours = list(PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE.values())
    palette += b"\0" * 4 * (256 - len(PALETTE))
    stride = (size + 3) // 4 * 4
    pixels = b"".join(
        bytes(colours.index(c) for c in row) + b"\0" * (stride - size) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * mask_stride * size  # every pixel opaque
    return header + palette + pixels + mask


def main():
    output, arts = sys.argv[1], sys.argv[2:]
    images = [(len(rows), image_bytes(rows)) for rows in map(read_art, arts)]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in images:
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    with open(output, "wb") as ico:
        ico.write(directory + b"".join(data for _, data in images))


if __name__ == "__main__":
    main()
