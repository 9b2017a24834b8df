#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Mostaric developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws Mostaric's program icon: a bunch of red-wine grapes with a leaf.

The picture is drawn from its geometry (circles, an ellipse, a polyline) in
a 96-unit square, so it can be drawn at any size. Written are
  mostaric.png  - the 96 x 96 picture in 16 colours (one of them transparent),
                  a 4-bit palette PNG: the icon the windows name;
  mostaric.ico  - the program file's icon: the same picture as a classic
                  16-colour Windows icon (4 bpp, AND mask), then at every
                  size of OTHER_SIZES as below;
  mostaric-N.png - the same picture at N x N pixels for N in OTHER_SIZES,
                  drawn at four times the size and averaged down, in 8-bit
                  RGBA, so that scaled desktops get smooth edges;
  mostaric.svg  - the same shapes as a scalable drawing, for the desktop's
                  icon theme: the leaf's outline and veins, the stem and the
                  berries from the geometry below, in the palette's colours.
Only the Python 3 standard library is used, and the output is the same byte
for byte on every run. Run it from anywhere:  python3 ui/icons/make_icon.py
With --check DIR it writes them into DIR instead and fails, naming them, if
any committed file differs from what it wrote. With --pixels DIR it writes
only mostaric-N.rgba for N in 96 and OTHER_SIZES: each size's RGBA bytes,
row by row, which the build gives the program to show without decoding.
With --web DIR it writes only the web edition's icons: icon-N.png for N in
WEB_SIZES, and icon-maskable-N.png for the largest: the picture within the
safe zone of a launcher's mask, on an opaque background.
"""

import math
import os
import struct
import sys
import zlib

SIZE = 96
OTHER_SIZES = [16, 24, 32, 48, 64, 128, 256]
SUPERSAMPLE = 4
WEB_SIZES = [192, 512]
# A maskable icon may be cut to a circle of 80 % of its width: the picture's
# square, whose corners hold no grape or leaf, takes 64 % and stays inside.
MASKABLE_PICTURE = 0.64

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


def new_canvas(n):
    return [[TRANSPARENT] * n for _ in range(n)]


def pixel_range(n, k, low, high):
    """The pixels of an n-pixel canvas (k pixels a unit) that may lie within
    [low, high] units; at k = 1 every pixel, as the 96-pixel picture was
    always drawn."""
    if k == 1:
        return range(n)
    return range(max(0, int(low * k) - 1), min(n, int(high * k) + 2))


# The leaf's edge has LOBES lobes and teeth, TEETH deep; its midrib runs
# from MIDRIB_FROM along it, its two side veins from VEINS_FROM to VEINS_TO,
# VEIN_SLOPE across for each unit along (all relative to the leaf's radii).
LOBES, TEETH = 5, 0.09
MIDRIB_FROM = -0.95
VEINS_FROM, VEINS_TO, VEIN_SLOPE = -0.2, 0.6, 0.55


def leaf_edge(theta):
    """The leaf's radius, relative to its ellipse, at the angle theta."""
    return 1.0 + TEETH * math.cos(LOBES * theta)


def draw_leaf(px, k, cx, cy, rx, ry, angle_deg):
    """A vine leaf: a serrated ellipse with a midrib and two side veins."""
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    n = len(px)
    reach = 1.1 * max(rx, ry)
    for y in pixel_range(n, k, cy - reach, cy + reach):
        for x in pixel_range(n, k, cx - reach, cx + reach):
            dx, dy = (x + 0.5) / k - cx, (y + 0.5) / k - cy
            u = (dx * ca + dy * sa) / rx       # along the leaf
            v = (-dx * sa + dy * ca) / ry      # across the leaf
            edge = leaf_edge(math.atan2(v, u))
            r = math.hypot(u, v)
            if r > edge:
                continue
            on_side_vein = VEINS_FROM < u < VEINS_TO and \
                abs(abs(v) - VEIN_SLOPE * (u - VEINS_FROM)) < 0.07
            if r > edge - 0.14:
                px[y][x] = 8
            elif abs(v) < 0.09 and u > MIDRIB_FROM:
                px[y][x] = 11
            elif on_side_vein:
                px[y][x] = 11
            else:
                px[y][x] = 10 if v < 0 else 9


def draw_stem(px, k, points):
    """A thick stem along a polyline, lit from the left."""
    def dist(x, y, p, q):
        (x1, y1), (x2, y2) = p, q
        vx, vy = x2 - x1, y2 - y1
        t = ((x - x1) * vx + (y - y1) * vy) / (vx * vx + vy * vy)
        t = max(0.0, min(1.0, t))
        ex, ey = x1 + t * vx - x, y1 + t * vy - y
        return math.hypot(ex, ey), ex
    n = len(px)
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    for y in pixel_range(n, k, min(ys) - 3, max(ys) + 3):
        for x in pixel_range(n, k, min(xs) - 3, max(xs) + 3):
            best = None
            for p, q in zip(points, points[1:]):
                d = dist((x + 0.5) / k, (y + 0.5) / k, p, q)
                if best is None or d[0] < best[0]:
                    best = d
            d, ex = best
            if d < 2.6:
                if d < 1.0:
                    px[y][x] = 13
                else:
                    px[y][x] = 14 if ex > 0 else 12


def draw_grape(px, k, cx, cy, r):
    """One berry: a lit sphere with an outline, a highlight and a rim light."""
    lx, ly, lz = -0.52, -0.60, 0.61
    n = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / n, ly / n, lz / n
    n = len(px)
    for y in range(int((cy - r) * k) - 1, int((cy + r) * k) + 2):
        for x in range(int((cx - r) * k) - 1, int((cx + r) * k) + 2):
            if not (0 <= x < n and 0 <= y < n):
                continue
            dx, dy = (x + 0.5) / k - cx, (y + 0.5) / k - cy
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


# The picture's geometry, in units of the 96-unit square.
LEAF = dict(cx=67.0, cy=15.0, rx=20.0, ry=11.5, angle_deg=-18.0)
STEM = [(47, 26), (46, 15), (42, 7), (35, 3.5)]
BERRY_RADIUS = 10.2
# Upper rows first, so that each lower berry lies in front.
BERRY_ROWS = [
    (32.0, [19.0, 38.5, 58.0, 77.5]),
    (48.0, [28.75, 48.25, 67.75]),
    (64.0, [38.5, 58.0]),
    (80.0, [48.25]),
]


def draw_icon(n=SIZE):
    """The picture on an n x n canvas, as palette indices."""
    k = n / SIZE
    px = new_canvas(n)
    draw_leaf(px, k, **LEAF)
    draw_stem(px, k, STEM)
    for cy, xs in BERRY_ROWS:
        for cx in xs:
            draw_grape(px, k, cx, cy, BERRY_RADIUS)
    return px


# The drawing's own means for what the pixels show by shading: a gradient
# over each berry (offset, palette index), from its lit upper left to its
# shadow, and the stem's lit side as a thin line along it.
BERRY_GRADIENT = [(0, 6), (0.25, 5), (0.6, 4), (0.85, 3), (1, 2)]
STEM_LIGHT = [(46.2, 26), (45.2, 15.2), (41.3, 7.6)]


def colour(index):
    return "#%02x%02x%02x" % PALETTE[index]


def leaf_point(u, v):
    """A point of the leaf given along (u) and across (v) it, in units."""
    a = math.radians(LEAF["angle_deg"])
    x = u * LEAF["rx"] * math.cos(a) - v * LEAF["ry"] * math.sin(a)
    y = u * LEAF["rx"] * math.sin(a) + v * LEAF["ry"] * math.cos(a)
    return "%.2f,%.2f" % (LEAF["cx"] + x, LEAF["cy"] + y)


def polyline(points):
    return " L".join("%g,%g" % p for p in points)


def svg_text():
    """The picture as SVG: the outline where draw_leaf's lobed edge lies
    (every 3 degrees), its midrib and side veins where draw_leaf paints
    them, the stem's polyline and each berry inside its outline."""
    outline = []
    for step in range(120):
        theta = math.radians(3 * step)
        r = leaf_edge(theta)
        outline.append(leaf_point(r * math.cos(theta), r * math.sin(theta)))
    vein_end = VEIN_SLOPE * (VEINS_TO - VEINS_FROM)
    veins = "M%s L%s M%s L%s M%s L%s" % (
        leaf_point(MIDRIB_FROM, 0), leaf_point(-MIDRIB_FROM, 0),
        leaf_point(VEINS_FROM, 0), leaf_point(VEINS_TO, vein_end),
        leaf_point(VEINS_FROM, 0), leaf_point(VEINS_TO, -vein_end))
    stops = "".join('\n      <stop offset="%g" stop-color="%s"/>' % (offset, colour(index))
                    for offset, index in BERRY_GRADIENT)
    berries = ""
    for cy, xs in BERRY_ROWS:
        for cx in xs:
            berries += ('\n    <circle cx="%s" cy="%s" r="%g" fill="url(#berry)" stroke="%s" '
                        'stroke-width="1.2"/>' % (cx, cy, round(BERRY_RADIUS - 0.6, 2), colour(1)))
            shine = 0.36 * BERRY_RADIUS
            berries += '\n    <circle cx="%.2f" cy="%.2f" r="%.2f" fill="%s"/>' % (
                cx - shine, cy - shine, 0.2 * BERRY_RADIUS, colour(7))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-FileCopyrightText: 2026 The Mostaric developers
     SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Mostaric's icon as a scalable drawing: the bunch of red-wine grapes with a
     vine leaf of the 96 x 96 picture, written by ui/icons/make_icon.py from
     the picture's own geometry and colours. Edit that script, not this. -->
<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">
  <defs>
    <radialGradient id="berry" cx="0.32" cy="0.3" r="0.78">{stops}
    </radialGradient>
  </defs>
  <path d="M{" L".join(outline)} Z" fill="{colour(10)}" stroke="{colour(8)}" stroke-width="1.6" stroke-linejoin="round"/>
  <path d="{veins}" fill="none" stroke="{colour(11)}" stroke-width="1.4" stroke-linecap="round"/>
  <path d="M{polyline(STEM)}" fill="none" stroke="{colour(13)}" stroke-width="5" stroke-linecap="round" stroke-linejoin="round"/>
  <path d="M{polyline(STEM_LIGHT)}" fill="none" stroke="{colour(14)}" stroke-width="1.2" stroke-linecap="round"/>
  <g>{berries}
  </g>
</svg>
"""


def smooth_rgba(size):
    """The picture at size x size pixels, each the average of SUPERSAMPLE^2
    samples (colours weighted by their cover), as rows of RGBA bytes."""
    fine = draw_icon(size * SUPERSAMPLE)
    samples = SUPERSAMPLE * SUPERSAMPLE
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            r = g = b = cover = 0
            for fy in range(y * SUPERSAMPLE, (y + 1) * SUPERSAMPLE):
                for c in fine[fy][x * SUPERSAMPLE:(x + 1) * SUPERSAMPLE]:
                    if c != TRANSPARENT:
                        cr, cg, cb = PALETTE[c]
                        r, g, b, cover = r + cr, g + cg, b + cb, cover + 1
            if cover == 0:
                row += bytes(4)
            else:
                row += bytes([(r + cover // 2) // cover, (g + cover // 2) // cover,
                              (b + cover // 2) // cover, (255 * cover + samples // 2) // samples])
        rows.append(row)
    return rows


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


def rgba_png_bytes(rows):
    size = len(rows)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)  # filter: none
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def maskable_rows(size):
    """The picture at MASKABLE_PICTURE of size, centred on the grapes'
    highlight colour (the palette's own lightest), every pixel opaque."""
    inner = round(size * MASKABLE_PICTURE)
    offset = (size - inner) // 2
    picture = smooth_rgba(inner)
    back = PALETTE[7]
    rows = []
    for y in range(size):
        row = bytearray(bytes(back) + b"\xff") * size
        if offset <= y < offset + inner:
            src = picture[y - offset]
            for x in range(inner):
                r, g, b, a = src[4 * x:4 * x + 4]
                i = 4 * (x + offset)
                row[i:i + 3] = bytes((c * a + k * (255 - a) + 127) // 255 for c, k in zip((r, g, b), back))
        rows.append(row)
    return rows


def write_web_icons(out):
    os.makedirs(out, exist_ok=True)
    files = {"icon-%d.png" % size: rgba_png_bytes(smooth_rgba(size)) for size in WEB_SIZES}
    files["icon-maskable-%d.png" % WEB_SIZES[-1]] = rgba_png_bytes(maskable_rows(WEB_SIZES[-1]))
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


def classic_icon_image(px):
    """The 96 x 96 picture as a 16-colour icon image: 4 bpp DIB and AND mask."""
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
    return header + palette + bytes(xor) + bytes(mask)


def ico_bytes(px, smooth_pngs):
    """The classic 16-colour 96 x 96 image first, then each smooth size as a
    PNG-compressed 32-bit image, which Windows reads since Vista; Explorer
    and the taskbar pick the size that fits the scaling."""
    images = [(SIZE, 16, 4, classic_icon_image(px))]
    images += [(size, 0, 32, data) for size, data in smooth_pngs]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, colours, bpp, data in images:
        # A width or height of 256 is written as 0.
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours,
                                 0, 1, bpp, len(data), offset)
        offset += len(data)
    return directory + b"".join(data for *_, data in images)


def main():
    if sys.argv[1:2] == ["--web"] and len(sys.argv) == 3:
        write_web_icons(sys.argv[2])
        return 0
    here = os.path.dirname(os.path.abspath(__file__))
    px = draw_icon()
    smooth = [(size, rgba_png_bytes(smooth_rgba(size))) for size in OTHER_SIZES]
    files = {"mostaric.png": png_bytes(px), "mostaric.ico": ico_bytes(px, smooth),
             "mostaric.svg": svg_text().encode()}
    for size, data in smooth:
        files["mostaric-%d.png" % size] = data
    if sys.argv[1:2] == ["--pixels"] and len(sys.argv) == 3:
        os.makedirs(sys.argv[2], exist_ok=True)
        rgba = [(SIZE, [b"".join(bytes(PALETTE[c]) + bytes([0 if c == TRANSPARENT else 255])
                                 for c in row) for row in px])]
        for size, rows in rgba + [(size, smooth_rgba(size)) for size in OTHER_SIZES]:
            with open(os.path.join(sys.argv[2], "mostaric-%d.rgba" % size), "wb") as f:
                f.write(b"".join(rows))
        return 0
    check = sys.argv[1:2] == ["--check"]
    if check and len(sys.argv) != 3:
        print("usage: make_icon.py [--check DIR | --pixels DIR | --web DIR]", file=sys.stderr)
        return 2
    out = sys.argv[2] if check else here
    os.makedirs(out, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    if not check:
        return 0
    # Used by the tests: the committed files are what this script draws.
    stale = []
    for name in files:
        with open(os.path.join(here, name), "rb") as committed, \
                open(os.path.join(out, name), "rb") as drawn:
            if committed.read() != drawn.read():
                stale.append(name)
    if stale:
        print("out of date, run ui/icons/make_icon.py:", ", ".join(stale))
        return 1
    print("%d icon files as make_icon.py draws them" % len(files))
    return 0


if __name__ == "__main__":
    sys.exit(main())
