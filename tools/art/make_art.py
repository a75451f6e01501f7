#!/usr/bin/env python3
"""Builds Tamrill's pictures from sources kept in the repository.

  tamrill-icon.txt -> tamrill.ico   the program icon, 32 x 32 in 256 colours, from its pixel map
  (procedural)     -> about.bmp     the about window's background, 312 x 234 in 256 colours

Usage: make_art.py [--check] [output folder]
With --check nothing is written; the exit code is 1 when a committed file differs from what
this script makes. Only the standard library is used.
"""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

ICON_LEGEND = {
    ".": None,               # transparent
    "K": (0x00, 0x00, 0x00),
    "W": (0xFF, 0xFF, 0xFF),
    "R": (0xE0, 0x00, 0x00),
    "S": (0x80, 0x80, 0x80),
}


def read_pixel_map(path):
    rows = []
    with open(path, encoding="utf-8") as source:
        for line in source:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            rows.append(line)
    if len(rows) != 32 or any(len(row) != 32 for row in rows):
        raise SystemExit(f"{path}: the map must be 32 lines of 32 characters")
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c not in ICON_LEGEND:
                raise SystemExit(f"{path}: unknown character {c!r} at {x},{y}")
    return rows


def bitmap_info_header(width, height, bits, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, 0, 0, 0, colours, 0)


def palette_bytes(palette):
    data = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return data + b"\0" * (4 * (256 - len(palette)))


def make_icon(rows):
    palette = [colour for colour in ICON_LEGEND.values() if colour is not None]
    index = {c: palette.index(col) for c, col in ICON_LEGEND.items() if col is not None}
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bottom-up, as bitmaps are stored
        pixels += bytes(index.get(c, 0) for c in row)
        bits = 0
        for x, c in enumerate(row):
            if ICON_LEGEND[c] is None:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    # An icon's bitmap header counts the colour image and the mask: twice the height.
    image = bitmap_info_header(32, 64, 8, 256) + palette_bytes(palette) + pixels + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 8, len(image), 6 + 16)
    return header + entry + image


# --- the about window's background: a dark sky with stars, a nebula and a ringed planet ---

WIDTH, HEIGHT = 312, 234


class Random:
    """A small linear congruential generator, so that the picture is the same on every run."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x7FFFFFFF


def clamp(v):
    return max(0, min(255, int(round(v))))


def render_background():
    rnd = Random(20240607)
    img = [[(0.0, 0.0, 0.0)] * WIDTH for _ in range(HEIGHT)]
    blobs = [(70, 60, 70, (60, 10, 80)), (150, 170, 90, (10, 40, 90)),
             (40, 200, 60, (80, 10, 50)), (260, 40, 50, (20, 30, 70))]
    for y in range(HEIGHT):
        t = y / (HEIGHT - 1)
        for x in range(WIDTH):
            r, g, b = 4 + 24 * t, 3 + 6 * t, 22 + 30 * t
            for bx, by, radius, (cr, cg, cb) in blobs:
                d2 = ((x - bx) ** 2 + (y - by) ** 2) / (radius * radius)
                k = math.exp(-d2) * (0.75 + 0.25 * math.sin(x * 0.11 + y * 0.07))
                r, g, b = r + cr * k, g + cg * k, b + cb * k
            img[y][x] = (r, g, b)
    for _ in range(260):
        x, y = int(rnd.next() * WIDTH), int(rnd.next() * HEIGHT)
        v = 110 + 145 * rnd.next() ** 2
        tint = rnd.next()
        star = (v, v * (0.85 + 0.15 * tint), v * (0.8 + 0.2 * (1 - tint)))
        img[y][x] = tuple(max(a, s) for a, s in zip(img[y][x], star))
        if v > 230:  # a few bright ones get small spikes
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                if 0 <= x + dx < WIDTH and 0 <= y + dy < HEIGHT:
                    img[y + dy][x + dx] = tuple(max(a, s * 0.55) for a, s in zip(img[y + dy][x + dx], star))
    cx, cy, pr = 228, 148, 52
    lx, ly, lz = -0.6, -0.55, 0.58
    ring_tilt, ring_in, ring_out = 0.28, 1.35, 2.0
    for y in range(HEIGHT):
        for x in range(WIDTH):
            dx, dy = (x - cx) / pr, (y - cy) / pr
            # the ring, in the plane tilted towards the viewer
            rx, ry = dx * 0.97 + dy * 0.24, (-dx * 0.24 + dy * 0.97) / ring_tilt
            rd = math.hypot(rx, ry)
            behind = ry < 0
            on_ring = ring_in < rd < ring_out
            d2 = dx * dx + dy * dy
            if on_ring and behind and d2 >= 1:
                img[y][x] = ring_colour(rd, img[y][x], ring_in, ring_out)
            if d2 < 1:
                dz = math.sqrt(1 - d2)
                light = max(0.0, dx * lx + dy * ly + dz * lz)
                band = 0.5 + 0.5 * math.sin((dy * 0.97 - dx * 0.24) * 14 + math.sin(dx * 5) * 0.8)
                base = (200 * band + 40, 90 + 60 * band, 60 + 90 * (1 - band))
                shade = 0.08 + 0.92 * light ** 0.9
                rim = (1 - dz) ** 3 * 60
                img[y][x] = (base[0] * shade + rim * 0.3, base[1] * shade + rim * 0.5, base[2] * shade + rim)
            if on_ring and not behind:
                img[y][x] = ring_colour(rd, img[y][x], ring_in, ring_out)
    mx, my, mr = 120, 52, 9
    for y in range(my - mr, my + mr + 1):
        for x in range(mx - mr, mx + mr + 1):
            dx, dy = (x - mx) / mr, (y - my) / mr
            if dx * dx + dy * dy < 1:
                light = max(0.0, -dx * 0.7 - dy * 0.3 + math.sqrt(1 - dx * dx - dy * dy) * 0.6)
                v = 30 + 170 * light
                img[y][x] = (v, v * 0.95, v * 1.05)
    return [[tuple(clamp(c) for c in px) for px in row] for row in img]


def ring_colour(rd, under, ring_in, ring_out):
    t = (rd - ring_in) / (ring_out - ring_in)
    stripes = 0.55 + 0.45 * math.sin(t * 40) * math.sin(t * 7 + 1)
    alpha = 0.75 * stripes * math.sin(math.pi * t)
    ring = (210, 180, 140)
    return tuple(u * (1 - alpha) + r * alpha for u, r in zip(under, ring))


def quantise(img):
    """256 colours: the most used 5-bit-per-channel cells, and each pixel to its nearest one."""
    counts = {}
    sums = {}
    for row in img:
        for (r, g, b) in row:
            key = (r >> 3, g >> 3, b >> 3)
            counts[key] = counts.get(key, 0) + 1
            s = sums.setdefault(key, [0, 0, 0])
            s[0] += r
            s[1] += g
            s[2] += b
    top = sorted(counts, key=lambda k: (-counts[k], k))[:256]
    palette = [tuple(sums[k][i] // counts[k] for i in range(3)) for k in top]
    nearest = {}
    indices = []
    for row in img:
        line = bytearray()
        for px in row:
            key = (px[0] >> 3, px[1] >> 3, px[2] >> 3)
            if key not in nearest:
                nearest[key] = min(range(len(palette)), key=lambda i: sum(
                    (a - b) ** 2 for a, b in zip(palette[i], px)))
            line.append(nearest[key])
        indices.append(line)
    return palette, indices


def make_background():
    palette, indices = quantise(render_background())
    pixels = b"".join(bytes(row) for row in reversed(indices))  # 312 is a multiple of 4
    info = bitmap_info_header(WIDTH, HEIGHT, 8, len(palette))
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + colours + pixels


def main(argv):
    check = "--check" in argv
    folders = [a for a in argv if a != "--check"]
    out = folders[0] if folders else HERE
    outputs = {
        "tamrill.ico": make_icon(read_pixel_map(os.path.join(HERE, "tamrill-icon.txt"))),
        "about.bmp": make_background(),
    }
    status = 0
    for name, data in outputs.items():
        path = os.path.join(out, name)
        if check:
            with open(path, "rb") as existing:
                if existing.read() != data:
                    print(f"{path} is out of date: run {os.path.basename(__file__)}")
                    status = 1
        else:
            with open(path, "wb") as target:
                target.write(data)
            print(f"wrote {path} ({len(data)} bytes)")
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
