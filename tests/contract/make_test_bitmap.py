#!/usr/bin/env python3
"""Writes the bitmap the Windows contract program carries for the pictures
port: 16 x 16 pixels, 24 bits per pixel, a blue frame around a white field
with a red diagonal. Usage: make_test_bitmap.py OUTPUT.bmp"""
import struct
import sys

SIZE = 16
BLUE, WHITE, RED = (0, 0, 255), (255, 255, 255), (255, 0, 0)


def pixel(x, y):
    if x in (0, SIZE - 1) or y in (0, SIZE - 1):
        return BLUE
    return RED if x == y else WHITE


def bitmap():
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up, as BMP stores them
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(SIZE)))
        rows.append(row + b"\0" * (-len(row) % 4))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(bitmap())
