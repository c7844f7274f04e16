#!/usr/bin/env python3
"""Draws the plug-in's icon and writes it as a Windows .ico file.

    python3 scripts/make-icon.py [OUTPUT]     (default: resources/hueloom.ico)

The motif: a colour wheel around a small piece of plain weave, dark weft through light
warp, for colour themes with a Dark/Light base. Two sizes, 32 x 32 (what the authoring
tool shows beside the plug-in's actions) and 16 x 16, both 32-bit colour with alpha.
Standard library only, and the same bytes on every run, so the checked-in icon can be
compared with a fresh drawing.
"""
import colorsys
import math
import struct
import sys

SUPERSAMPLE = 8  # samples per pixel side, for smooth edges

RING_OUTER, RING_INNER = 0.97, 0.62
WEAVE_RADIUS = 0.54
WARP = (0xF2, 0xF2, 0xF0)  # light threads, running up and down
WEFT = (0x25, 0x28, 0x2E)  # dark threads, running across
RIM = (0x30, 0x30, 0x38)   # thin edge that keeps the wheel visible on any background


def ring_color(x, y, r):
    hue = (math.atan2(-y, x) / (2 * math.pi)) % 1.0
    red, green, blue = colorsys.hsv_to_rgb(hue, 0.80, 0.96)
    color = (red * 255, green * 255, blue * 255)
    # A darker outer edge.
    if r > RING_OUTER - 0.07:
        color = tuple(c * 0.45 + rim * 0.55 for c, rim in zip(color, RIM))
    return color


def weave_color(x, y, threads):
    """Plain weave: in each cell either the warp or the weft lies on top."""
    cell = 2 * WEAVE_RADIUS / threads
    u = (x + WEAVE_RADIUS) / cell
    v = (y + WEAVE_RADIUS) / cell
    column, row = math.floor(u), math.floor(v)
    across_warp = u - column  # position across the vertical thread of this cell
    across_weft = v - row
    in_warp = 0.12 < across_warp < 0.88
    in_weft = 0.12 < across_weft < 0.88
    warp_on_top = (column + row) % 2 == 0
    if warp_on_top and in_warp:
        return WARP
    if in_weft:
        return WEFT
    if in_warp:
        return WARP
    return None  # the gap between threads shows what is behind the icon


def sample(x, y, threads):
    """Colour of one point of the icon (x and y from -1 to 1, y downwards), or None."""
    r = math.hypot(x, y)
    if RING_INNER <= r <= RING_OUTER:
        return ring_color(x, y, r)
    if r <= WEAVE_RADIUS:
        return weave_color(x, y, threads)
    return None


def render(size, threads):
    """Rows of (r, g, b, a) pixels, top row first."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size * 2 - 1
                    y = (py + (sy + 0.5) / n) / size * 2 - 1
                    color = sample(x, y, threads)
                    if color is None:
                        continue
                    covered += 1
                    for i in range(3):
                        total[i] += color[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                rgb = [int(round(t / covered)) for t in total]
                row.append((*rgb, int(round(255 * covered / (n * n)))))
        rows.append(row)
    return rows


def icon_image(rows):
    """One image of an .ico: a BITMAPINFOHEADER of twice the height, the BGRA pixels
    bottom-up, then the 1-bit AND mask (set where the pixel is fully transparent)."""
    size = len(rows)
    mask_stride = ((size + 31) // 32) * 4
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def ico(images):
    """ICONDIR, one ICONDIRENTRY per image, then the images."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "resources/hueloom.ico"
    # Fewer, wider threads at 16 x 16, where four would blur into grey.
    images = [(32, icon_image(render(32, threads=4))), (16, icon_image(render(16, threads=2)))]
    with open(output, "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main()
