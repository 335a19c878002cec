#!/usr/bin/env python3
"""Draws the program's picture: an isometric pixel-art grass block on a transparent background.

Usage: draw_block.py SIZE OUT.png   (the About picture is 300, the icons 16 to 256)
Only the standard library is used, so the picture can be drawn again anywhere.
"""
import struct
import sys
import zlib

GRID = 60          # logical pixels across the canvas
HALF_W = 24.25     # half the cube's width in logical pixels
HALF_H = 28.0      # the cube's edge height in logical pixels
CX, CY = 30.0, 30.0
TEX = 16           # texels along a face's edge


def noise(a, b, c):
    h = (a * 73856093) ^ (b * 19349663) ^ (c * 83492791)
    h = (h ^ (h >> 13)) * 1274126177 & 0xFFFFFFFF
    return (h & 0xFF) / 255.0


GRASS = [(95, 159, 53), (112, 178, 64), (84, 140, 46), (124, 189, 75)]
DIRT = [(134, 96, 67), (121, 85, 58), (150, 108, 74), (104, 74, 50)]


def pick(palette, t):
    return palette[min(len(palette) - 1, int(t * len(palette)))]


def shade(rgb, f):
    return tuple(max(0, min(255, int(c * f))) for c in rgb)


def texel(face, s, t):
    """Colour of texel (s, t) on a face; t counts down from the top edge on the sides."""
    si, ti = min(TEX - 1, int(s * TEX)), min(TEX - 1, int(t * TEX))
    n = noise(si, ti, face)
    if face == 0:
        return pick(GRASS, n)
    fringe = 3 + (1 if noise(si, 99, face) > 0.5 else 0)
    base = pick(GRASS, n) if ti < fringe else pick(DIRT, n)
    return shade(base, 0.82 if face == 1 else 0.66)


def colour_at(x, y):
    dx, dy = (x - CX) / HALF_W, y - CY
    # top face (w = 1)
    k = (dy + HALF_H) * 2 / HALF_H
    u, v = (dx + k) / 2, (k - dx) / 2
    if 0 <= u <= 1 and 0 <= v <= 1:
        return texel(0, u, v)
    # left front face (v = 1)
    u = 1 + dx
    if 0 <= u <= 1:
        w = ((u + 1) * HALF_H / 2 - dy) / HALF_H
        if 0 <= w <= 1:
            return texel(1, u, 1 - w)
    # right front face (u = 1)
    v = 1 - dx
    if 0 <= v <= 1:
        w = ((1 + v) * HALF_H / 2 - dy) / HALF_H
        if 0 <= w <= 1:
            return texel(2, 1 - v, 1 - w)
    return None


def render(size):
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            gx, gy = int(px * GRID / size) + 0.5, int(py * GRID / size) + 0.5
            c = colour_at(gx, gy)
            row += bytes(c) + b"\xff" if c else b"\x00\x00\x00\x00"
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, raw):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    head = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    size = int(sys.argv[1])
    with open(sys.argv[2], "wb") as out:
        out.write(png(size, render(size)))
