#!/usr/bin/env python3
"""Draws the media player panel's glyph bitmaps (16 x 16, 24 bits, olive background for the
transparent colour) and their resource script. Run it here after changing a shape:
    python3 make_glyphs.py
"""
import struct

SIZE = 16
OLIVE = (0x80, 0x80, 0x00)  # red, green, blue
BUTTONS = ["MPPLAY", "MPPAUSE", "MPSTOP", "MPNEXT", "MPPREV", "MPSTEP", "MPBACK", "MPRECORD", "MPEJECT"]
LOOKS = {"EN": None, "DI": (128, 128, 128), "CL": None}
ENABLED_INK = (0, 0, 0)
COLOURED_INK = {"MPPLAY": (0, 160, 0), "MPPAUSE": (200, 160, 0), "MPSTOP": (200, 0, 0), "MPNEXT": (0, 0, 200),
                "MPPREV": (0, 0, 200), "MPSTEP": (0, 120, 200), "MPBACK": (0, 120, 200), "MPRECORD": (220, 0, 0),
                "MPEJECT": (120, 0, 160)}


def triangle_right(x0, x1, y0, y1):
    mid = (y0 + y1) / 2
    half = (y1 - y0) / 2
    def inside(x, y):
        if x < x0 or x > x1:
            return False
        reach = half * (1 - (x - x0) / max(1, x1 - x0))
        return abs(y - mid) <= reach
    return inside


def triangle_left(x0, x1, y0, y1):
    right = triangle_right(x0, x1, y0, y1)
    return lambda x, y: right(x0 + x1 - x, y)


def rect(x0, x1, y0, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def triangle_up(x0, x1, y0, y1):
    mid = (x0 + x1) / 2
    half = (x1 - x0) / 2
    def inside(x, y):
        if y < y0 or y > y1:
            return False
        return abs(x - mid) <= half * ((y - y0) / max(1, y1 - y0))
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


SHAPES = {
    "MPPLAY": triangle_right(5, 11, 3, 12),
    "MPPAUSE": union(rect(4, 6, 3, 12), rect(9, 11, 3, 12)),
    "MPSTOP": rect(4, 11, 4, 11),
    "MPNEXT": union(triangle_right(3, 9, 3, 12), rect(10, 12, 3, 12)),
    "MPPREV": union(rect(3, 5, 3, 12), triangle_left(6, 12, 3, 12)),
    "MPSTEP": union(triangle_right(2, 7, 4, 11), triangle_right(8, 13, 4, 11)),
    "MPBACK": union(triangle_left(2, 7, 4, 11), triangle_left(8, 13, 4, 11)),
    "MPRECORD": lambda x, y: (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 16,
    "MPEJECT": union(triangle_up(3, 12, 3, 8), rect(3, 12, 10, 11)),
}


def bmp(pixels):
    row_bytes = (SIZE * 3 + 3) // 4 * 4
    body = b""
    for y in reversed(range(SIZE)):  # bottom-up rows
        row = b"".join(bytes((b, g, r)) for (r, g, b) in pixels[y])
        body += row + b"\0" * (row_bytes - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(body), 0, 0, 14 + len(header)) + header + body


def main():
    lines = ["// The media player panel's glyphs (written by make_glyphs.py).", ""]
    for button in BUTTONS:
        for look, grey in LOOKS.items():
            ink = grey if grey else COLOURED_INK[button] if look == "CL" else ENABLED_INK
            shape = SHAPES[button]
            pixels = [[ink if shape(x, y) else OLIVE for x in range(SIZE)] for y in range(SIZE)]
            name = f"{look}_{button}"
            with open(f"{name}.bmp", "wb") as f:
                f.write(bmp(pixels))
            lines.append(f'{name} BITMAP "{name}.bmp"')
    with open("MediaPlayerGlyphs.rc", "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
