#!/usr/bin/env python3
"""Draws close.ico: one 32 by 32 image with a 256-colour palette, a red disc with a white cross.
Run it by hand after changing the picture: python3 tools/make_close_icon.py src/app/close.ico"""
import struct
import sys

SIZE = 32
# Palette: 0 transparent (black under the mask), 1 dark red rim, 2 red face, 3 white cross.
palette = [(0, 0, 0), (128, 0, 0), (204, 32, 32), (255, 255, 255)] + [(0, 0, 0)] * 252


def pixel(x, y):
    cx = cy = (SIZE - 1) / 2
    d2 = (x - cx) ** 2 + (y - cy) ** 2
    if d2 > 15.5 ** 2:
        return 0
    if d2 > 13.5 ** 2:
        return 1
    u, v = x - cx, y - cy
    if (abs(u - v) <= 2.2 or abs(u + v) <= 2.2) and abs(u) <= 7.5 and abs(v) <= 7.5:
        return 3
    return 2


rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, 0, 0, 0, 256, 0)
colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
xor = b"".join(bytes(row) for row in reversed(rows))
mask = b""
for row in reversed(rows):
    bits = 0
    for x, p in enumerate(row):
        if p == 0:
            bits |= 1 << (31 - x)
    mask += struct.pack(">I", bits)
image = header + colours + xor + mask
icon = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22) + image
with open(sys.argv[1], "wb") as f:
    f.write(icon)
