#!/usr/bin/env python3
"""Writes the program icon (32x32, 16 colours) and the hand cursor (32x32,
monochrome) drawn below. The outputs are committed beside the
resource script; run this again only after changing a picture:

    python3 tools/make_icons.py src/app/win32
"""
import struct
import sys

# The 16 colours of the standard VGA palette, as the icon's colour table.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, MAROON, GREEN, NAVY, SILVER, RED, LIME, YELLOW, BLUE, AQUA, WHITE = 0, 1, 2, 4, 7, 9, 10, 11, 12, 14, 15


def draw_icon():
    """The window in miniature: a used-share pie, a framed figures box, a
    resources bar box and a round push-panel, on a black page with a white edge."""
    import math
    px = [[None] * 32 for _ in range(32)]  # None: transparent

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    rect(1, 1, 30, 30, WHITE)
    rect(2, 2, 29, 29, BLACK)
    cx, cy, r = 10.0, 11.0, 7.6
    for y in range(32):
        for x in range(32):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy)
            if d <= r:
                angle = (math.degrees(math.atan2(dx, -dy)) + 360.0) % 360.0  # clockwise from 12 o'clock
                px[y][x] = RED if angle < 0.62 * 360 else LIME
                if d > r - 1.0:
                    px[y][x] = RED
    rect(19, 3, 28, 11, WHITE)
    rect(20, 4, 27, 10, BLACK)
    rect(21, 5, 25, 5, YELLOW)
    rect(21, 7, 26, 7, RED)
    rect(21, 9, 24, 9, LIME)
    rect(19, 13, 28, 21, SILVER)
    rect(20, 14, 27, 20, BLACK)
    rect(21, 15, 25, 15, YELLOW)
    rect(21, 17, 23, 17, BLUE)
    rect(21, 19, 26, 19, AQUA)
    for y in range(32):
        for x in range(32):
            ring = ((x + 0.5 - 11.5) / 7.5) ** 2 + ((y + 0.5 - 25.0) / 3.2) ** 2
            push = ((x + 0.5 - 11.0) / 7.0) ** 2 + ((y + 0.5 - 24.5) / 2.8) ** 2
            if push <= 1.0:
                px[y][x] = GREEN
            elif ring <= 1.0:
                px[y][x] = MAROON
    return px


# 'X' black, 'O' white, '.' transparent; the hot spot is the fingertip.
HAND = """
.....XX.........................
....XOOX........................
....XOOX........................
....XOOX........................
....XOOX........................
....XOOXXX......................
....XOOXOOXXX...................
....XOOXOOXOOXX.................
....XOOXOOXOOXOX................
XX..XOOOOOOOOXOX................
XOX.XOOOOOOOOOOX................
XOOXXOOOOOOOOOOX................
.XOOXOOOOOOOOOOX................
..XOOOOOOOOOOOOX................
..XOOOOOOOOOOOX.................
...XOOOOOOOOOOX.................
...XOOOOOOOOOX..................
....XOOOOOOOOX..................
....XOOOOOOOOX..................
....XXXXXXXXXX..................
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
................................
"""
HAND_HOTSPOT = (5, 0)


def rows(picture):
    lines = [line for line in picture.strip("\n").split("\n")]
    assert len(lines) == 32, len(lines)
    return [line[:32].ljust(32, ".") for line in lines]


def bitmap_header(bits, colours):
    return struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, bits, 0, 0, 0, 0, colours, 0)


def and_mask(lines, transparent):
    out = b""
    for line in reversed(lines):
        value = 0
        for x, ch in enumerate(line):
            if transparent(ch):
                value |= 1 << (31 - x)
        out += struct.pack(">I", value)
    return out


def icon(pixels):
    xor = b""
    for line in reversed(pixels):
        row = bytearray(16)
        for x, index in enumerate(line):
            row[x // 2] |= (index or 0) << (4 if x % 2 == 0 else 0)
        xor += bytes(row)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = bitmap_header(4, 16) + palette + xor + and_mask(pixels, lambda index: index is None)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 22)
    return directory + image


def cursor(lines, hotspot):
    xor = b""
    for line in reversed(lines):
        value = 0
        for x, ch in enumerate(line):
            if ch == "O":
                value |= 1 << (31 - x)
        xor += struct.pack(">I", value)
    palette = struct.pack("<BBBB", 0, 0, 0, 0) + struct.pack("<BBBB", 255, 255, 255, 0)
    image = bitmap_header(1, 2) + palette + xor + and_mask(lines, lambda ch: ch == ".")
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, hotspot[0], hotspot[1],
                                                             len(image), 22)
    return directory + image


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(out + "/velnor.ico", "wb") as f:
        f.write(icon(draw_icon()))
    with open(out + "/hand.cur", "wb") as f:
        f.write(cursor(rows(HAND), HAND_HOTSPOT))


if __name__ == "__main__":
    main()
