#!/usr/bin/env python3
"""Draws the plug-in's 32x32 icon: three copies of a square, each turned and
shifted a little further, on a clear background. Writes a .ico file."""
import math
import struct
import sys

SIZE = 32


def inside(x, y, cx, cy, half, angle):
    # Point-in-rotated-square test in the square's own frame.
    dx, dy = x - cx, y - cy
    c, s = math.cos(-angle), math.sin(-angle)
    u, v = dx * c - dy * s, dx * s + dy * c
    return abs(u) <= half and abs(v) <= half


def pixels():
    copies = [
        (11.0, 20.0, 6.0, 0.0, (0x30, 0x60, 0xC0)),
        (16.0, 16.0, 6.5, math.radians(20), (0x30, 0x90, 0x50)),
        (21.0, 12.0, 7.0, math.radians(40), (0xD0, 0x50, 0x20)),
    ]
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            colour = None
            for cx, cy, half, angle, rgb in copies:
                if inside(x + 0.5, y + 0.5, cx, cy, half, angle):
                    colour = rgb
            row.append(colour)
        rows.append(row)
    return rows


def icon_bytes():
    rows = pixels()
    xor = bytearray()
    and_mask = bytearray()
    # Bitmaps in icons are stored bottom-up.
    for row in reversed(rows):
        bits = 0
        for x, colour in enumerate(row):
            if colour is None:
                xor += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
            else:
                r, g, b = colour
                xor += bytes((b, g, r, 0xFF))
        and_mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
