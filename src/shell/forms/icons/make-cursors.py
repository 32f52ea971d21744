#!/usr/bin/env python3
"""Draws the tool cursors of the main window as 32 x 32 RGBA pixel art.

Every shape is rasterised without anti-aliasing (a pixel belongs to a shape
when its centre does), dark strokes get a one-pixel white rim so the cursor
stays visible on any stitch colour, and the PNG files are written with zlib
alone so that the script needs nothing beyond the Python standard library.

Run it from anywhere; it writes crDraw.png, crPipette.png, crMove.png,
crFill.png, crErase.png and cursors.txt (name, hotspot x, hotspot y) beside
itself.
"""

import math
import os
import struct
import zlib

SIZE = 32
CLEAR = (0, 0, 0, 0)
DARK = (0x37, 0x47, 0x4F, 255)
WHITE = (0xFF, 0xFF, 0xFF, 255)
LIGHT = (0xEC, 0xEF, 0xF1, 255)
BLUE = (0x1E, 0x88, 0xE5, 255)
RED = (0xE5, 0x39, 0x35, 255)


class Canvas:
    def __init__(self):
        self.px = [[CLEAR] * SIZE for _ in range(SIZE)]

    def inside(self, x, y):
        return 0 <= x < SIZE and 0 <= y < SIZE

    def set(self, x, y, colour):
        if self.inside(x, y):
            self.px[y][x] = colour

    def get(self, x, y):
        return self.px[y][x] if self.inside(x, y) else CLEAR

    def paint(self, mask, fill, edge=DARK, edge_of=None):
        """Fills a pixel mask and strokes its boundary.

        A boundary pixel is one with a 4-neighbour outside `edge_of`
        (the mask itself unless a larger union is given).
        """
        for x, y in mask:
            self.set(x, y, fill)
        self.stroke(mask, edge, edge_of)

    def stroke(self, mask, colour=DARK, edge_of=None):
        edge_of = edge_of if edge_of is not None else mask
        for x, y in mask:
            if any((x + dx, y + dy) not in edge_of
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                self.set(x, y, colour)

    def line(self, points, colour):
        """A one-pixel polyline (Bresenham between consecutive points)."""
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            dx, dy = abs(x1 - x0), -abs(y1 - y0)
            sx, sy = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
            err = dx + dy
            while True:
                self.set(x0, y0, colour)
                if (x0, y0) == (x1, y1):
                    break
                e2 = 2 * err
                if e2 >= dy:
                    err += dy
                    x0 += sx
                if e2 <= dx:
                    err += dx
                    y0 += sy

    def rim(self):
        """Adds the white rim on transparent pixels next to anything drawn."""
        drawn = {(x, y) for y in range(SIZE) for x in range(SIZE) if self.px[y][x][3]}
        for y in range(SIZE):
            for x in range(SIZE):
                if (x, y) in drawn:
                    continue
                if any((x + dx, y + dy) in drawn
                       for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                    self.px[y][x] = WHITE

    def png(self):
        raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in self.px)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def pixels(test):
    """All pixels whose centre passes `test(x, y)`."""
    return {(x, y) for y in range(SIZE) for x in range(SIZE) if test(x + 0.5, y + 0.5)}


def along(tip, angle_deg, test):
    """Pixels of a shape described in a frame running from `tip` along a
    direction: u is the distance along it, v the signed distance across."""
    a = math.radians(angle_deg)
    ux, uy = math.cos(a), math.sin(a)

    def local(x, y):
        px, py = x - tip[0], y - tip[1]
        return test(px * ux + py * uy, -px * uy + py * ux)
    return pixels(local)


def polygon(points):
    """Even-odd point-in-polygon test on pixel centres."""
    def test(x, y):
        inside = False
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
        return inside
    return pixels(test)


UP_RIGHT = -45  # the tools lean with their working end at the lower left


def draw_needle():
    c = Canvas()
    tip = (2.5, 29.5)

    def body(u, v):
        half = min(0.5 + u * 0.2, 1.1) if u < 22 else 1.9
        return 0 <= u <= 28 and abs(v) <= half

    needle = along(tip, UP_RIGHT, body)
    eye = along(tip, UP_RIGHT, lambda u, v: 23.5 <= u <= 26.5 and abs(v) < 0.75)
    for x, y in needle - eye:
        c.set(x, y, DARK)
    c.set(2, 29, DARK)
    c.line([(23, 8), (25, 6), (27, 5), (29, 6), (29, 9), (27, 12), (24, 14), (22, 17), (22, 20)], BLUE)
    c.rim()
    for x, y in eye:
        c.set(x, y, WHITE)
    return c, (2, 29)


def draw_pipette():
    c = Canvas()
    tip = (2.5, 29.5)

    def glass(u, v):
        return 0 <= u <= 15 and abs(v) <= min(0.6 + u * 0.3, 1.9)

    tube = along(tip, UP_RIGHT, glass)
    liquid = along(tip, UP_RIGHT, lambda u, v: 2 <= u <= 8 and abs(v) <= min(0.6 + u * 0.3, 1.9) - 1)
    c.paint(tube, WHITE)
    for x, y in liquid:
        c.set(x, y, BLUE)
    collar = along(tip, UP_RIGHT, lambda u, v: 15 <= u <= 18.5 and abs(v) <= 3.4)
    bulb = along(tip, UP_RIGHT, lambda u, v: 18.5 <= u and (u - 24) ** 2 / 36 + v * v / 7.3 <= 1)
    for x, y in collar | bulb:
        c.set(x, y, DARK)
    c.set(2, 29, DARK)
    c.rim()
    return c, (2, 29)


def draw_hand():
    c = Canvas()

    def finger(x0, x1, top, bottom=22):
        return {(x, y) for x in range(x0, x1 + 1) for y in range(top, bottom + 1)
                if y > top or x0 < x < x1}

    fingers = [finger(9, 13, 6), finger(13, 17, 3), finger(17, 21, 4), finger(21, 25, 7)]
    palm = polygon([(9, 14), (26, 14), (26, 24), (23, 28), (12, 28), (8, 24)])
    thumb = along((4.5, 13.5), 53, lambda u, v: -1 <= u <= 11 and abs(v) <= 2.6)
    hand = palm | thumb | set().union(*fingers)
    c.paint(thumb, WHITE)
    for f in fingers:
        c.paint(f, WHITE)
    # The palm covers the lower ends of the fingers so that only the gaps
    # between the fingers keep their lines.
    for x, y in palm:
        if y >= 16:
            c.set(x, y, WHITE)
    c.stroke(hand)
    c.rim()
    return c, (16, 16)


def draw_bucket():
    c = Canvas()
    body = polygon([(3, 15), (13, 5), (23, 15), (13, 25)])
    paint = {(x, y) for x, y in body if y >= 15}
    c.paint(body, WHITE)
    for x, y in paint:
        if c.get(x, y) == WHITE:
            c.set(x, y, BLUE)
    c.line([(3, 15), (23, 15)], DARK)
    c.line([(8, 10), (8, 6), (10, 3), (13, 2), (16, 3), (18, 6), (18, 10)], DARK)
    drip = {(x, y) for x in (24, 25, 26) for y in range(15, 28)} | {(25, 28)}
    for x, y in drip:
        c.set(x, y, BLUE)
    c.rim()
    return c, (25, 28)


def draw_eraser():
    c = Canvas()
    face = (4.5, 27.5)
    block = along(face, UP_RIGHT, lambda u, v: 0 <= u <= 24 and -5.5 <= v <= 5.5)
    band = along(face, UP_RIGHT, lambda u, v: 0 <= u <= 8 and -5.5 <= v <= 5.5)
    c.paint(block, LIGHT)
    for x, y in band:
        if c.get(x, y) == LIGHT:
            c.set(x, y, RED)
    seam = along(face, UP_RIGHT, lambda u, v: 8 <= u <= 9 and -5.5 <= v <= 5.5)
    for x, y in seam:
        c.set(x, y, DARK)
    c.rim()
    return c, (4, 27)


CURSORS = [
    ("crDraw", draw_needle),
    ("crPipette", draw_pipette),
    ("crMove", draw_hand),
    ("crFill", draw_bucket),
    ("crErase", draw_eraser),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    lines = []
    for name, draw in CURSORS:
        canvas, (hx, hy) = draw()
        with open(os.path.join(here, name + ".png"), "wb") as f:
            f.write(canvas.png())
        lines.append(f"{name} {hx} {hy}\n")
    with open(os.path.join(here, "cursors.txt"), "w") as f:
        f.writelines(lines)


if __name__ == "__main__":
    main()
