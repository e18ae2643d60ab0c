#!/usr/bin/env python3
"""Draws the seven-segment display's six segment pictures.

Writes SEGHORZ, SEGVERT, SEGDOT, SEGPLUS, SEGCOLON and SEGDEG as black shapes
on white (1 bit of information, stored as 8-bit gray PNG) into
resources/bitmaps/. The shapes are pure black and white without smoothing:
the display colours them with flood fills and smooths them when it scales the
composed digit down.

The digit leans to the right by SLANT pixels per row, as the segment corners
in the 312 x 432 master image do (the lower segments sit 37 pixels further
left over 197 rows). Segments keep a few pixels apart so that the white
inside a "0" or "8" stays connected to the background.

Run from anywhere: python3 resources/tools/make_segment_bitmaps.py
"""
import os
import struct
import zlib

SLANT = 37.0 / 197.0
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bitmaps")


def write_png(path, width, height, inside):
    """Writes a gray PNG: black where inside(x, y) holds for the pixel centre."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # filter: none
        for x in range(width):
            rows.append(0 if inside(x + 0.5, y + 0.5) else 255)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(png)
    os.replace(tmp, path)


def in_polygon(points, x, y):
    """Even-odd rule."""
    inside = False
    n = len(points)
    for i in range(n):
        x1, y1 = points[i]
        x2, y2 = points[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
    return inside


def horizontal_bar(width, height, inset):
    """A bar with pointed ends, its tips at mid-height."""
    mid = height / 2.0
    return [(inset, mid), (inset + mid - 1, 1), (width - inset - mid + 1, 1),
            (width - inset, mid), (width - inset - mid + 1, height - 1), (inset + mid - 1, height - 1)]


def slanted_bar(width, height, cx, cy, half, shoulder, top, bottom):
    """A bar leaning by SLANT with pointed ends at rows top and bottom."""
    def c(y):
        return cx + (cy - y) * SLANT
    return [(c(top), top), (c(top + shoulder) + half, top + shoulder),
            (c(bottom - shoulder) + half, bottom - shoulder), (c(bottom), bottom),
            (c(bottom - shoulder) - half, bottom - shoulder), (c(top + shoulder) - half, top + shoulder)]


def main():
    horz = horizontal_bar(200, 38, 2)
    write_png(os.path.join(OUT, "SEGHORZ.png"), 200, 38, lambda x, y: in_polygon(horz, x, y))

    vert = slanted_bar(68, 190, 34, 95, 16, 16, 2, 187)
    write_png(os.path.join(OUT, "SEGVERT.png"), 68, 190, lambda x, y: in_polygon(vert, x, y))

    write_png(os.path.join(OUT, "SEGDOT.png"), 38, 38,
              lambda x, y: (x - 19) ** 2 + (y - 19) ** 2 <= 17.5 ** 2)

    plus_h = [(p[0], p[1] + 76) for p in horizontal_bar(200, 38, 4)]
    plus_v = slanted_bar(200, 190, 100, 95, 17, 17, 2, 187)
    write_png(os.path.join(OUT, "SEGPLUS.png"), 200, 190,
              lambda x, y: in_polygon(plus_h, x, y) or in_polygon(plus_v, x, y))

    # Two round dots on the slant: the lower one around (18, 172), the upper
    # one around (50, 18), where the display seeds its fills.
    def colon(x, y):
        return any((x - cx) ** 2 + (y - cy) ** 2 <= 17 ** 2 for cx, cy in ((18, 172), (50, 18)))
    write_png(os.path.join(OUT, "SEGCOLON.png"), 68, 190, colon)

    # A leaning ring around (80, 69) whose left stroke covers (25, 69). A slot
    # at its foot joins the hole to the background, so the background fill
    # reaches it.
    def degree(x, y):
        ux = x - 80 - (69 - y) * SLANT
        uy = y - 69
        r2 = ux * ux + uy * uy
        if uy > 0 and abs(ux) < 2.5:
            return False
        return 38 ** 2 <= r2 <= 60 ** 2
    write_png(os.path.join(OUT, "SEGDEG.png"), 160, 138, degree)


if __name__ == "__main__":
    main()
