#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Vellora contributors
"""Draws the window icon (resources/icon2.png): five rounded bars on a dark tile.

Plain Python on purpose (zlib + struct), so regenerating the icon needs no imaging
library. Edges are anti-aliased from the signed distance to each rounded rectangle.

Usage: scripts/make-icon.py [OUTPUT]   (default: resources/icon2.png next to this script)
"""
import math
import os
import struct
import sys
import zlib

SIZE = 128

# (red, green, blue) of the tile, top and bottom, for a soft vertical gradient.
TILE_TOP = (52, 62, 82)
TILE_BOTTOM = (30, 36, 50)
TILE = (4.0, 4.0, 124.0, 124.0, 22.0)  # left, top, right, bottom, corner radius

# The bars use the colours the canvas draws with; heights read as an unsorted run.
BARS = [
    ((0, 220, 60), 46),
    ((255, 215, 0), 80),
    ((240, 50, 50), 30),
    ((160, 32, 240), 92),
    ((127, 127, 255), 62),
]
BAR_WIDTH = 14.0
BAR_GAP = 6.5
BAR_LEFT = 16.0
BASELINE = 108.0
BAR_RADIUS = 4.5


def rounded_rect_distance(px, py, rect):
    """Signed distance from (px, py) to a rounded rectangle; negative inside."""
    left, top, right, bottom, radius = rect
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    inside = min(max(qx, qy), 0.0)
    return outside + inside - radius


def coverage(px, py, rect):
    return min(max(0.5 - rounded_rect_distance(px, py, rect), 0.0), 1.0)


def over(dst, rgb, alpha):
    """Composites a colour of the given opacity over a straight-alpha RGBA pixel."""
    r, g, b, a = dst
    out_a = alpha + a * (1 - alpha)
    if out_a == 0:
        return (0.0, 0.0, 0.0, 0.0)
    mix = [(c * alpha + d * a * (1 - alpha)) / out_a for c, d in zip(rgb, (r, g, b))]
    return (mix[0], mix[1], mix[2], out_a)


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def bar_rects():
    rects = []
    for i, (colour, height) in enumerate(BARS):
        left = BAR_LEFT + i * (BAR_WIDTH + BAR_GAP)
        rects.append((colour, (left, BASELINE - height, left + BAR_WIDTH, BASELINE, BAR_RADIUS)))
    return rects


def render():
    bars = bar_rects()
    rows = []
    for y in range(SIZE):
        row = bytearray()
        py = y + 0.5
        tile_colour = lerp(TILE_TOP, TILE_BOTTOM, (py - TILE[1]) / (TILE[3] - TILE[1]))
        for x in range(SIZE):
            px = x + 0.5
            pixel = over((0.0, 0.0, 0.0, 0.0), tile_colour, coverage(px, py, TILE))
            for colour, rect in bars:
                # a faint shadow one pixel down keeps the bars off the tile
                shadow = (rect[0], rect[1] + 1.5, rect[2], rect[3] + 1.5, rect[4])
                pixel = over(pixel, (0, 0, 0), 0.35 * coverage(px, py, shadow))
                cov = coverage(px, py, rect)
                if cov > 0:
                    # lighter towards the top of each bar
                    t = (py - rect[1]) / (rect[3] - rect[1])
                    shade = lerp(tuple(min(255, c + 40) for c in colour), colour, min(t * 2, 1.0))
                    pixel = over(pixel, shade, cov)
            r, g, b, a = pixel
            row += bytes((round(r), round(g), round(b), round(a * 255)))
        rows.append(row)
    return rows


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "icon2.png")
    with open(out, "wb") as f:
        f.write(png(render()))


if __name__ == "__main__":
    main()
