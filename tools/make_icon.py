#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program icon, a star image with four diffraction spikes, as a
16-colour .ico holding a 32x32 and a 16x16 image. Run once; its output,
resources/voka.ico, is kept in the repository."""
import math
import struct
import sys

VGA = [(0, 0, 0), (0x80, 0, 0), (0, 0x80, 0), (0x80, 0x80, 0), (0, 0, 0x80), (0x80, 0, 0x80),
       (0, 0x80, 0x80), (0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80), (0xFF, 0, 0), (0, 0xFF, 0),
       (0xFF, 0xFF, 0), (0, 0, 0xFF), (0xFF, 0, 0xFF), (0, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF)]
NAVY, GREY, SILVER, YELLOW, WHITE = 4, 8, 7, 11, 15


def star(size):
    """Indices per pixel, rows top to bottom: a navy sky, a bright core with
    an Airy ring, and four spikes along the axes as the vanes make them."""
    c = (size - 1) / 2.0
    img = [[NAVY] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            dx, dy = x - c, y - c
            r = math.hypot(dx, dy) / (size / 32.0)
            spike = min(abs(dx), abs(dy)) < 0.6 * size / 32.0 and r < 15
            if r < 3.2:
                img[y][x] = WHITE
            elif r < 4.6:
                img[y][x] = YELLOW
            elif 6.0 < r < 7.0:
                img[y][x] = GREY
            if spike:
                img[y][x] = WHITE if r < 9 else SILVER
    return img


def icon_image(size):
    img = star(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in VGA)
    row_bytes = ((size * 4 + 31) // 32) * 4
    xor = b''
    for y in reversed(range(size)):
        row = bytearray(row_bytes)
        for x in range(size):
            row[x // 2] |= img[y][x] << (4 if x % 2 == 0 else 0)
        xor += bytes(row)
    and_row = ((size + 31) // 32) * 4
    mask = bytes(and_row * size)  # every pixel opaque
    return header + palette + xor + mask


def main(path):
    images = [icon_image(32), icon_image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/voka.ico')
