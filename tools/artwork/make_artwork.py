#!/usr/bin/env python3
"""Draws Quillora's artwork: the application icon (a plumeria blossom on a sea-blue tile) and the
About window's badge (the project's web address on a sea-blue pill), each with its mask.

Standard library only, and deterministic: the same arguments always give byte-identical files.
Every shape is a signed distance field, so edges are anti-aliased at any size without
supersampling, and the icon is drawn afresh at each requested size rather than scaled.

    make_artwork.py                          # the four picture resources into resources/pictures
    make_artwork.py --out DIR                # the same into DIR
    make_artwork.py --icon-sizes 16 32 256   # also icon-16.png ... with alpha, for desktop packages

Pictures come as an opaque RGB image plus a grey mask of the same size: white is drawn, black is
left out, greys are partly transparent.
"""

import argparse
import math
import os
import struct
import zlib

SEA_TOP = (18, 120, 150)
SEA_BOTTOM = (10, 70, 110)
PETAL = (255, 252, 244)
PETAL_EDGE = (226, 196, 170)
HEART = (255, 196, 46)
TEXT = (255, 255, 255)


# --- PNG -------------------------------------------------------------------------------------

def write_png(path, width, height, rows, channels):
    """Writes 8-bit rows (lists of ints) as grey (1 channel), RGB (3) or RGBA (4)."""
    colour_type = {1: 0, 3: 2, 4: 6}[channels]
    raw = b"".join(b"\x00" + bytes(row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


# --- Distance fields (negative inside) -----------------------------------------------------------

def sd_round_box(px, py, cx, cy, half_w, half_h, radius):
    qx = abs(px - cx) - half_w + radius
    qy = abs(py - cy) - half_h + radius
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def sd_circle(px, py, cx, cy, radius):
    return math.hypot(px - cx, py - cy) - radius


def sd_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def sd_arc(px, py, cx, cy, radius, start, end):
    """Distance to the arc of the circle from angle start to end (degrees, counter-clockwise,
    y pointing up)."""
    angle = math.degrees(math.atan2(py - cy, px - cx))
    sweep = (end - start) % 360 or 360
    if (angle - start) % 360 <= sweep:
        return abs(math.hypot(px - cx, py - cy) - radius)
    best = float("inf")
    for a in (start, end):
        ex = cx + radius * math.cos(math.radians(a))
        ey = cy + radius * math.sin(math.radians(a))
        best = min(best, math.hypot(px - ex, py - ey))
    return best


def sd_petal(px, py, ax, ay, ra, bx, by, rb):
    """A teardrop: the hull of a small circle at a and a large one at b."""
    dx, dy = bx - ax, by - ay
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    # Into the petal's own frame: x across, y along a -> b.
    qx = abs((px - ax) * uy - (py - ay) * ux)
    qy = (px - ax) * ux + (py - ay) * uy
    h = length
    b = (ra - rb) / h
    a = math.sqrt(max(0.0, 1.0 - b * b))
    k = qx * -b + qy * a  # position along the tangent direction
    if k < 0.0:
        return math.hypot(qx, qy) - ra
    if k > a * h:
        return math.hypot(qx, qy - h) - rb
    return qx * a + qy * b - ra


def coverage(distance, pixel):
    """Anti-aliased coverage of a pixel whose centre lies at this distance from the edge."""
    return max(0.0, min(1.0, 0.5 - distance / pixel))


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


# --- The icon --------------------------------------------------------------------------------

PETALS = 5


def petal_geometry(i):
    """Petal i in tile units (the tile spans -1..1, y up): a pinwheel of teardrops whose axes
    pass a little beside the centre, so that each overlaps the next."""
    angle = math.radians(90 + i * 360 / PETALS)
    off = math.radians(90 + i * 360 / PETALS + 90)
    shift = 0.09
    ax = 0.02 * math.cos(angle) + shift * math.cos(off)
    ay = 0.02 * math.sin(angle) + shift * math.sin(off)
    bx = 0.50 * math.cos(angle) + 0.04 * math.cos(off)
    by = 0.50 * math.sin(angle) + 0.04 * math.sin(off)
    return ax, ay, 0.07, bx, by, 0.27


def icon_pixel(x, y, size):
    """Colour and mask value of the icon pixel (x, y) at this size."""
    pixel = 2.0 / size
    px = (x + 0.5) * pixel - 1.0
    py = 1.0 - (y + 0.5) * pixel
    tile = sd_round_box(px, py, 0.0, 0.0, 0.94, 0.94, 0.36)
    alpha = coverage(tile, pixel)
    colour = mix(SEA_TOP, SEA_BOTTOM, (1.0 - py) / 2.0)

    # Petals are laid one on another; each later one covers the edge of the one before.
    for i in range(PETALS):
        d = sd_petal(px, py, *petal_geometry(i))
        edge_width = max(pixel * 0.9, 0.035)
        body = coverage(d + edge_width, pixel)
        rim = coverage(d, pixel)
        if rim <= 0.0:
            continue
        colour = mix(colour, PETAL_EDGE, rim)
        r = math.hypot(px, py)
        petal = mix(HEART, PETAL, min(1.0, max(0.0, (r - 0.05) / 0.30)))
        colour = mix(colour, petal, body)

    heart = sd_circle(px, py, 0.0, 0.0, 0.075)
    colour = mix(colour, HEART, coverage(heart, pixel) * 0.85)
    return colour, alpha


def draw_icon(size):
    rgb_rows, mask_rows = [], []
    for y in range(size):
        rgb, mask = [], []
        for x in range(size):
            colour, alpha = icon_pixel(x, y, size)
            rgb.extend(round(c) for c in colour)
            mask.append(round(alpha * 255))
        rgb_rows.append(rgb)
        mask_rows.append(mask)
    return rgb_rows, mask_rows


# --- A small rounded monoline type for the badge ---------------------------------------------------
# Glyphs are strokes in units of the x-height, baseline at y = 0, y up. Each glyph is
# (advance width, [strokes]); a stroke is ("line", x0, y0, x1, y1), ("arc", cx, cy, r, a0, a1)
# or ("dot", x, y).

GLYPHS = {
    "a": (1.0, [("arc", 0.5, 0.5, 0.5, 0, 360), ("line", 1.0, 0.0, 1.0, 1.0)]),
    "e": (1.0, [("line", 0.0, 0.5, 1.0, 0.5), ("arc", 0.5, 0.5, 0.5, 0, 318)]),
    "g": (1.0, [("arc", 0.5, 0.5, 0.5, 0, 360), ("line", 1.0, 1.0, 1.0, -0.05),
                ("arc", 0.5, -0.05, 0.5, 200, 360)]),
    "i": (0.0, [("line", 0.0, 0.0, 0.0, 1.0), ("dot", 0.0, 1.42)]),
    "l": (0.0, [("line", 0.0, 0.0, 0.0, 1.55)]),
    "m": (1.6, [("line", 0.0, 0.0, 0.0, 1.0), ("arc", 0.4, 0.6, 0.4, 0, 180),
                ("line", 0.8, 0.0, 0.8, 0.6), ("arc", 1.2, 0.6, 0.4, 0, 180),
                ("line", 1.6, 0.0, 1.6, 0.6)]),
    "o": (1.0, [("arc", 0.5, 0.5, 0.5, 0, 360)]),
    "p": (1.0, [("arc", 0.5, 0.5, 0.5, 0, 360), ("line", 0.0, 1.0, 0.0, -0.55)]),
    "q": (1.0, [("arc", 0.5, 0.5, 0.5, 0, 360), ("line", 1.0, 1.0, 1.0, -0.55)]),
    "r": (0.5, [("line", 0.0, 0.0, 0.0, 1.0), ("arc", 0.6, 0.4, 0.6, 100, 180)]),
    "u": (1.0, [("line", 0.0, 1.0, 0.0, 0.5), ("arc", 0.5, 0.5, 0.5, 180, 360),
                ("line", 1.0, 1.0, 1.0, 0.0)]),
    "x": (0.9, [("line", 0.0, 0.0, 0.9, 1.0), ("line", 0.0, 1.0, 0.9, 0.0)]),
    ".": (0.0, [("dot", 0.0, 0.0)]),
}
GAP = 0.46
STROKE = 0.2


def layout_text(text):
    """The strokes of the text, placed from x = 0, and the text's width (both in x-heights)."""
    strokes, x = [], 0.0
    for n, ch in enumerate(text):
        advance, parts = GLYPHS[ch]
        for part in parts:
            kind, *v = part
            if kind == "line":
                strokes.append(("line", v[0] + x, v[1], v[2] + x, v[3]))
            elif kind == "arc":
                strokes.append(("arc", v[0] + x, v[1], v[2], v[3], v[4]))
            else:
                strokes.append(("dot", v[0] + x, v[1]))
        x += advance + (GAP if n + 1 < len(text) else 0.0)
    return strokes, x


def sd_text(px, py, strokes):
    best = float("inf")
    for kind, *v in strokes:
        if kind == "line":
            d = sd_segment(px, py, *v) - STROKE / 2
        elif kind == "arc":
            d = sd_arc(px, py, *v) - STROKE / 2
        else:
            d = sd_circle(px, py, v[0], v[1], STROKE * 0.75)
        best = min(best, d)
    return best


def draw_badge(text, width=216, height=30, x_height=7.4):
    strokes, text_width = layout_text(text)
    left = (width - text_width * x_height) / 2.0
    baseline = height / 2.0 + x_height / 2.0 + 0.5  # x-height centred, in pixels from the top
    rgb_rows, mask_rows = [], []
    for y in range(height):
        rgb, mask = [], []
        for x in range(width):
            cx, cy = x + 0.5, y + 0.5
            pill = sd_round_box(cx, cy, width / 2, height / 2, width / 2 - 0.5, height / 2 - 0.5,
                                height / 2 - 0.5)
            alpha = coverage(pill, 1.0)
            colour = mix(SEA_TOP, SEA_BOTTOM, y / (height - 1))
            tx = (cx - left) / x_height
            ty = (baseline - cy) / x_height
            ink = coverage(sd_text(tx, ty, strokes) * x_height, 1.0)
            colour = mix(colour, TEXT, ink)
            rgb.extend(round(c) for c in colour)
            mask.append(round(alpha * 255))
        rgb_rows.append(rgb)
        mask_rows.append(mask)
    return rgb_rows, mask_rows


def with_alpha(rgb_rows, mask_rows):
    rows = []
    for rgb, mask in zip(rgb_rows, mask_rows):
        row = []
        for i, a in enumerate(mask):
            row.extend(rgb[3 * i:3 * i + 3])
            row.append(a)
        rows.append(row)
    return rows


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "resources", "pictures"))
    parser.add_argument("--icon-size", type=int, default=256,
                        help="size of the icon resource (default 256)")
    parser.add_argument("--icon-sizes", type=int, nargs="*", default=[],
                        help="also write icon-SIZE.png with alpha for each size")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    rgb, mask = draw_icon(args.icon_size)
    write_png(os.path.join(args.out, "168-icon.png"), args.icon_size, args.icon_size, rgb, 3)
    write_png(os.path.join(args.out, "169-icon-mask.png"), args.icon_size, args.icon_size, mask, 1)

    rgb, mask = draw_badge("quillora.example.org")
    write_png(os.path.join(args.out, "170-badge.png"), 216, 30, rgb, 3)
    write_png(os.path.join(args.out, "171-badge-mask.png"), 216, 30, mask, 1)

    for size in args.icon_sizes:
        rgb, mask = draw_icon(size)
        write_png(os.path.join(args.out, f"icon-{size}.png"), size, size,
                  with_alpha(rgb, mask), 4)


if __name__ == "__main__":
    main()
