#!/usr/bin/env python3
"""Draws Mostaric's program icon: a bunch of red-wine grapes with a leaf.

One 96 x 96 picture in 16 colours (one of them transparent), written as
  mostaric.png  - 4-bit palette PNG with a transparent colour, for Qt;
  mostaric.ico  - classic 16-colour Windows icon (4 bpp with AND mask).
Only the Python 3 standard library is used, and the output is the same byte
for byte on every run. Run it from anywhere:  python3 ui/icons/make_icon.py
With --check it writes nothing and fails if the committed files differ.
"""

import math
import os
import struct
import sys
import zlib

SIZE = 96

# Index 0 is the transparent background; the rest are the picture's colours.
PALETTE = [
    (0, 0, 0),        # 0 transparent
    (36, 8, 40),      # 1 grape outline
    (68, 18, 78),     # 2 grape shadow
    (98, 30, 108),    # 3 grape dark
    (132, 48, 142),   # 4 grape mid
    (168, 88, 178),   # 5 grape light
    (214, 164, 222),  # 6 grape bloom
    (250, 242, 250),  # 7 grape highlight
    (22, 66, 22),     # 8 leaf outline
    (40, 108, 34),    # 9 leaf dark
    (72, 150, 50),    # 10 leaf mid
    (128, 192, 84),   # 11 leaf vein
    (78, 48, 20),     # 12 stem dark
    (128, 84, 40),    # 13 stem
    (176, 126, 72),   # 14 stem light
    (112, 96, 168),   # 15 reflected light on the grapes' rims
]
assert len(PALETTE) == 16

TRANSPARENT = 0


def new_canvas():
    return [[TRANSPARENT] * SIZE for _ in range(SIZE)]


def draw_leaf(px, cx, cy, rx, ry, angle_deg):
    """A vine leaf: a serrated ellipse with a midrib and two side veins."""
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            u = (dx * ca + dy * sa) / rx       # along the leaf
            v = (-dx * sa + dy * ca) / ry      # across the leaf
            theta = math.atan2(v, u)
            edge = 1.0 + 0.09 * math.cos(5 * theta)   # lobes and teeth
            r = math.hypot(u, v)
            if r > edge:
                continue
            if r > edge - 0.14:
                px[y][x] = 8
            elif abs(v) < 0.09 and u > -0.95:
                px[y][x] = 11
            elif abs(v - 0.55 * (u + 0.2)) < 0.07 and -0.2 < u < 0.6 or \
                    abs(v + 0.55 * (u + 0.2)) < 0.07 and -0.2 < u < 0.6:
                px[y][x] = 11
            else:
                px[y][x] = 10 if v < 0 else 9


def draw_stem(px, points):
    """A thick stem along a polyline, lit from the left."""
    def dist(x, y, p, q):
        (x1, y1), (x2, y2) = p, q
        vx, vy = x2 - x1, y2 - y1
        t = ((x - x1) * vx + (y - y1) * vy) / (vx * vx + vy * vy)
        t = max(0.0, min(1.0, t))
        ex, ey = x1 + t * vx - x, y1 + t * vy - y
        return math.hypot(ex, ey), ex
    for y in range(SIZE):
        for x in range(SIZE):
            best = None
            for p, q in zip(points, points[1:]):
                d = dist(x + 0.5, y + 0.5, p, q)
                if best is None or d[0] < best[0]:
                    best = d
            d, ex = best
            if d < 2.6:
                if d < 1.0:
                    px[y][x] = 13
                else:
                    px[y][x] = 14 if ex > 0 else 12


def draw_grape(px, cx, cy, r):
    """One berry: a lit sphere with an outline, a highlight and a rim light."""
    lx, ly, lz = -0.52, -0.60, 0.61
    n = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / n, ly / n, lz / n
    for y in range(int(cy - r) - 1, int(cy + r) + 2):
        for x in range(int(cx - r) - 1, int(cx + r) + 2):
            if not (0 <= x < SIZE and 0 <= y < SIZE):
                continue
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy)
            if d > r:
                continue
            if d > r - 1.15:
                px[y][x] = 1
                continue
            nx, ny = dx / r, dy / r
            nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
            light = nx * lx + ny * ly + nz * lz
            if math.hypot(dx + 0.36 * r, dy + 0.36 * r) < 0.2 * r:
                colour = 7
            elif light > 0.86:
                colour = 6
            elif light > 0.62:
                colour = 5
            elif light > 0.30:
                colour = 4
            elif light > 0.0:
                colour = 3
            else:
                colour = 2
            # A faint bluish rim light on the lower right, opposite the light.
            if colour <= 3 and nx + ny > 0.95 and d > r - 3.2:
                colour = 15
            px[y][x] = colour


def draw_icon():
    px = new_canvas()
    draw_leaf(px, cx=67.0, cy=15.0, rx=20.0, ry=11.5, angle_deg=-18.0)
    draw_stem(px, [(47.0, 26.0), (46.0, 15.0), (42.0, 7.0), (35.0, 3.5)])
    radius = 10.2
    rows = [
        (32.0, [19.0, 38.5, 58.0, 77.5]),
        (48.0, [28.75, 48.25, 67.75]),
        (64.0, [38.5, 58.0]),
        (80.0, [48.25]),
    ]
    # Upper rows first, so that each lower berry lies in front.
    for cy, xs in rows:
        for cx in xs:
            draw_grape(px, cx, cy, radius)
    return px


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_bytes(px):
    raw = bytearray()
    for row in px:
        raw.append(0)  # filter: none
        for i in range(0, SIZE, 2):
            raw.append((row[i] << 4) | row[i + 1])
    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)
    plte = b"".join(struct.pack("BBB", *c) for c in PALETTE)
    trns = bytes([0])  # index 0 fully transparent, the rest opaque
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
            + png_chunk(b"PLTE", plte) + png_chunk(b"tRNS", trns)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))


def ico_bytes(px):
    xor_row = SIZE // 2                       # 4 bpp: 48 bytes, 4-aligned
    and_row = ((SIZE + 31) // 32) * 4          # 1 bpp, padded to 32 bits
    xor = bytearray()
    mask = bytearray()
    for row in reversed(px):                   # DIBs are stored bottom-up
        for i in range(0, SIZE, 2):
            xor.append((row[i] << 4) | row[i + 1])
        bits = bytearray(and_row)
        for i, c in enumerate(row):
            if c == TRANSPARENT:
                bits[i // 8] |= 0x80 >> (i % 8)
        mask += bits
    assert len(xor) == xor_row * SIZE
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image),
                        6 + 16)
    return icondir + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    px = draw_icon()
    files = {"mostaric.png": png_bytes(px), "mostaric.ico": ico_bytes(px)}
    if sys.argv[1:] == ["--check"]:
        # Used by the tests: the committed files are what this script draws.
        stale = []
        for name, data in files.items():
            with open(os.path.join(here, name), "rb") as f:
                if f.read() != data:
                    stale.append(name)
        if stale:
            print("out of date, run make_icon.py:", ", ".join(stale))
            return 1
        return 0
    for name, data in files.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
