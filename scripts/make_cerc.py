#!/usr/bin/env python3
"""Draws data/Cerc.bmp, the default contour model of hanger rails, handles and
legs: a one-pixel black circle on white, 24-bit BMP, with the 25-pixel margin
the program's own models have (the tracer looks for the outline from row 25).
Standard library only. Run from the repository root:

    python3 scripts/make_cerc.py
"""
import sys

from bmp import write_bmp

SIZE = 251     # 25 + 2 * 100 + 1 + 25
RADIUS = 100
CENTRE = 125


def circle_pixels(cx, cy, r):
    # Midpoint circle: 8-connected, one pixel wide.
    pts = set()
    x, y, err = r, 0, 1 - r
    while x >= y:
        for px, py in ((x, y), (y, x), (-y, x), (-x, y), (-x, -y), (-y, -x), (y, -x), (x, -y)):
            pts.add((cx + px, cy + py))
        y += 1
        if err < 0:
            err += 2 * y + 1
        else:
            x -= 1
            err += 2 * (y - x) + 1
    return pts


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "data/Cerc.bmp"
    black = circle_pixels(CENTRE, CENTRE, RADIUS)
    write_bmp(out, SIZE, SIZE, lambda x, y: (0, 0, 0) if (x, y) in black else (255, 255, 255))
