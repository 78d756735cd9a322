#!/usr/bin/env python3
"""Draws Morvane's program icon: a window holding four coloured tiles, one more tile
being carried out of it. Two 16-colour images, 32x32 (744 bytes) and 16x16 (296 bytes).

    make_program_icon.py OUT.ico
"""
import struct
import sys

# The standard 16-colour palette, as blue, green, red.
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
           (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
           (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLACK, NAVY, RED, LIME, YELLOW, BLUE, WHITE = 0, 4, 9, 10, 11, 12, 15


def draw(size):
    """Pixels as palette indices, None for transparent."""
    s = size / 32
    px = [[None] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                px[y][x] = colour

    rect(2, 2, 26, 26, BLACK)      # window outline
    rect(3, 3, 25, 7, NAVY)        # title bar
    rect(3, 7, 25, 25, WHITE)      # client area
    rect(6, 10, 13, 16, RED)       # four tiles: the icons inside a file
    rect(15, 10, 22, 16, LIME)
    rect(6, 18, 13, 24, YELLOW)
    rect(15, 18, 22, 24, BLUE)
    rect(20, 22, 30, 30, BLACK)    # the tile carried out
    rect(21, 23, 29, 29, YELLOW)
    rect(23, 25, 27, 27, BLACK)
    return px


def dib(size):
    px = draw(size)
    xor_row, and_row = ((size * 4 + 31) // 32) * 4, ((size + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         (xor_row + and_row) * size, 0, 0, 0, 0)
    palette = b''.join(struct.pack('<BBBB', r, g, b, 0) for r, g, b in PALETTE)
    bits, mask = b'', b''
    for row in reversed(px):  # bottom-up
        line = [c or 0 for c in row]
        packed = bytes(line[i] << 4 | line[i + 1] for i in range(0, size, 2))
        bits += packed.ljust(xor_row, b'\0')
        m = 0
        for x, c in enumerate(row):
            m = m << 1 | (c is None)
        mask += m.to_bytes((size + 7) // 8, 'big').ljust(and_row, b'\0')
    return header + palette + bits + mask


def main():
    images = [(32, dib(32)), (16, dib(16))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], 'wb') as f:
        f.write(out + b''.join(data for _, data in images))


if __name__ == '__main__':
    main()
