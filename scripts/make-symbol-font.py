#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build VelwickArtSymbols110.ttf, the chart symbol font of Threadwright.

Usage: python3 scripts/make-symbol-font.py data/fonts/VelwickArtSymbols110.ttf

Every glyph is drawn here from rectangles, polygons, circles, Bezier outlines
and stroked paths, combined with union, difference and intersection.  The
symbols are read in black and white at 4-11 pt without antialiasing, so they
are heavy, fill the cell and avoid fine detail.

Needs Debian's python3-fontforge (writes the font) and python3-shapely (the
area operations: FontForge's own overlap removal fails on some of these
shapes, GEOS does not).  Curves are flattened to short straight edges, well
below a font unit away from the true curve.
"""

import math
import os
import sys

try:
    import fontforge
    import shapely
except ImportError:
    # A Python outside the system one (pyenv, venv) does not see Debian's modules.
    sys.path.append("/usr/lib/python3/dist-packages")
    import fontforge
    import shapely
import shapely.validation
from shapely import affinity
from shapely.geometry import LinearRing, LineString, Point, Polygon
from shapely.ops import unary_union

FAMILY = "VelwickArtSymbols110"
COPYRIGHT = "GPL-3.0-or-later with font exception, Velwick Threadwright developers"
VERSION = "1.10"
# Fixed creation and modification dates: the same script gives the same bytes.
BUILD_EPOCH = "1733788800"

EM = 1000
ASCENT = 800
DESCENT = 200
ADVANCE = 1000
# Every glyph is drawn in unit coordinates u, v in [-1, 1].  That square is
# mapped to an 880-unit box centred on the advance and on the line box
# (ascent + descent = em), so text laid out in a cell one em high shows the
# symbol in the middle of the cell.
CENTRE_X = ADVANCE / 2
CENTRE_Y = (ASCENT - DESCENT) / 2
HALF = 440

CURVE_STEPS = 24        # straight edges per quarter circle and per Bezier segment
MIN_AREA = 400          # font units squared; smaller crumbs of area operations are dropped


# ----------------------------------------------------------------- regions


class Region:
    """An area of the unit square, closed under |, - and &."""

    def __init__(self, geom=None):
        self.geom = geom if geom is not None else Polygon()

    def __or__(self, other):
        return Region(self.geom.union(other.geom))

    def __sub__(self, other):
        return Region(self.geom.difference(other.geom))

    def __and__(self, other):
        return Region(self.geom.intersection(other.geom))

    def rotated(self, degrees):
        return Region(affinity.rotate(self.geom, degrees, origin=(0, 0)))

    def mirrored(self):
        return Region(affinity.scale(self.geom, -1, 1, origin=(0, 0)))

    def flipped(self):
        return Region(affinity.scale(self.geom, 1, -1, origin=(0, 0)))

    def scaled(self, factor):
        return Region(affinity.scale(self.geom, factor, factor, origin=(0, 0)))

    def moved(self, du, dv):
        return Region(affinity.translate(self.geom, du, dv))


def union(*regions):
    return Region(unary_union([r.geom for r in regions]))


def P(points):
    return Region(Polygon(points).buffer(0))


def box(u0, v0, u1, v1):
    return P([(u0, v0), (u1, v0), (u1, v1), (u0, v1)])


def circle(r, cu=0.0, cv=0.0):
    return Region(Point(cu, cv).buffer(r, resolution=CURVE_STEPS))


def oval(ru, rv, cu=0.0, cv=0.0):
    unit = Point(0, 0).buffer(1.0, resolution=CURVE_STEPS)
    return Region(affinity.translate(affinity.scale(unit, ru, rv, origin=(0, 0)), cu, cv))


def curve(start, cubics):
    """A closed outline of cubic Bezier segments, each given as (c1, c2, end)."""
    pts = [start]
    p0 = start
    for c1, c2, p3 in cubics:
        for i in range(1, CURVE_STEPS + 1):
            t = i / CURVE_STEPS
            s = 1 - t
            pts.append((s * s * s * p0[0] + 3 * s * s * t * c1[0] + 3 * s * t * t * c2[0]
                        + t * t * t * p3[0],
                        s * s * s * p0[1] + 3 * s * s * t * c1[1] + 3 * s * t * t * c2[1]
                        + t * t * t * p3[1]))
        p0 = p3
    return P(pts)


def regular_points(n, r, rot=90.0, cu=0.0, cv=0.0):
    return [(cu + r * math.cos(math.radians(rot + 360.0 * i / n)),
             cv + r * math.sin(math.radians(rot + 360.0 * i / n))) for i in range(n)]


def star_points(n, r_out, r_in, rot=90.0, cu=0.0, cv=0.0):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + 180.0 * i / n)
        pts.append((cu + r * math.cos(a), cv + r * math.sin(a)))
    return pts


def heart(u0, v0, u1, v1):
    """A heart inside the box (u0, v0)-(u1, v1): two round lobes, a point below."""
    w, h = u1 - u0, v1 - v0

    def p(a, b):
        return (u0 + a * w, v0 + b * h)

    return curve(p(0.5, 0.0), [
        (p(0.30, 0.22), p(0.0, 0.42), p(0.0, 0.70)),
        (p(0.0, 0.90), p(0.12, 1.0), p(0.27, 1.0)),
        (p(0.38, 1.0), p(0.47, 0.93), p(0.5, 0.80)),
        (p(0.53, 0.93), p(0.62, 1.0), p(0.73, 1.0)),
        (p(0.88, 1.0), p(1.0, 0.90), p(1.0, 0.70)),
        (p(1.0, 0.42), p(0.70, 0.22), p(0.5, 0.0)),
    ])


class Closed(list):
    """A polyline whose last point joins its first."""


def closed(points):
    return Closed(points)


def stroke(points, width, cap="square", clip=None):
    """A thick polyline with mitred joins.

    cap is "square" (ends extended by half the width) or "butt"; clip
    (u0, v0, u1, v1) trims caps and long mitres to a box.
    """
    line = LinearRing(points) if isinstance(points, Closed) else LineString(points)
    geom = line.buffer(width / 2, cap_style=3 if cap == "square" else 2, join_style=2,
                       mitre_limit=10.0)
    region = Region(geom)
    if clip is not None:
        region = region & box(*clip)
    return region


def inset_points(points, d):
    """Moves every edge of a counter-clockwise polygon inwards by d (mitred)."""
    n = len(points)
    lines = []
    for i in range(n):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = -(y1 - y0) / length, (x1 - x0) / length
        lines.append(((x0 + nx * d, y0 + ny * d), (x1 - x0, y1 - y0)))
    result = []
    for i in range(n):
        (p, r), (q, s) = lines[i - 1], lines[i]
        cross = r[0] * s[1] - r[1] * s[0]
        t = ((q[0] - p[0]) * s[1] - (q[1] - p[1]) * s[0]) / cross
        result.append((p[0] + t * r[0], p[1] + t * r[1]))
    return result


def ccw(points):
    area = sum(points[i - 1][0] * points[i][1] - points[i][0] * points[i - 1][1]
               for i in range(len(points)))
    return points if area > 0 else list(reversed(points))


FRAME = (-1, -1, 1, 1)
FULL = box(-1, -1, 1, 1)

# Outline weight of hollow shapes, in unit coordinates (~150 font units,
# about 2 pixels at 9 pt).
T = 0.34


def hollow_poly(points, t=T):
    pts = ccw(points)
    return P(pts) - P(inset_points(pts, t))


def half_plane(side):
    """The half of the plane on one side: 'l', 'r', 't', 'b'."""
    return {"l": box(-2, -2, 0, 2), "r": box(0, -2, 2, 2),
            "t": box(-2, 0, 2, 2), "b": box(-2, -2, 2, 0)}[side]


def quadrant(q):
    """Quadrant 0 = upper right, counting counter-clockwise."""
    su = 1 if q in (0, 3) else -1
    sv = 1 if q in (0, 1) else -1
    return box(0, 0, 2 * su, 2 * sv)


def diagonal_half(corner):
    """The triangle on one side of a diagonal, named by its right-angle corner."""
    pts = {"ll": [(-2, -2), (2, -2), (-2, 2)], "lr": [(-2, -2), (2, -2), (2, 2)],
           "ul": [(-2, -2), (2, 2), (-2, 2)], "ur": [(2, -2), (2, 2), (-2, 2)]}[corner]
    return P(pts)


# ------------------------------------------------------------ basic shapes

SQ = 0.86       # half side of the big square
CR = 0.98       # radius of the big circle
TRI_UP = [(-1.0, -0.86), (1.0, -0.86), (0.0, 0.92)]
DIAMOND = [(0.0, -1.0), (1.0, 0.0), (0.0, 1.0), (-1.0, 0.0)]
HEX = regular_points(6, 1.0, 0.0)
PENT = regular_points(5, 1.02, 90.0, 0.0, -0.08)
STAR5 = star_points(5, 1.04, 0.45, 90.0, 0.0, -0.08)
STAR4 = star_points(4, 1.0, 0.36, 90.0)
STAR6 = star_points(6, 1.0, 0.58, 90.0)
STAR8 = star_points(8, 1.0, 0.55, 90.0)


def square(h=SQ):
    return box(-h, -h, h, h)


def square_ring(h=SQ, t=T):
    return square(h) - square(h - t)


def circle_ring(r=CR, t=T):
    return circle(r) - circle(r - t)


def tri(direction, points=TRI_UP):
    r = P(points)
    return r.rotated({"u": 0, "l": 90, "d": 180, "r": -90}[direction])


def tri_ring(direction, t=0.3):
    return hollow_poly(TRI_UP, t).rotated({"u": 0, "l": 90, "d": 180, "r": -90}[direction])


def heart_shape(inner=False):
    if inner:
        return heart(-0.62, -0.5, 0.62, 0.58)
    return heart(-1.0, -0.98, 1.0, 0.9)


def plus_shape(arm=1.0, w=0.5):
    return box(-arm, -w / 2, arm, w / 2) | box(-w / 2, -arm, w / 2, arm)


def x_shape(arm=1.0, w=0.5):
    return stroke([(-arm, -arm), (arm, arm)], w, "butt", clip=FRAME) | \
        stroke([(-arm, arm), (arm, -arm)], w, "butt", clip=FRAME)


def arrow(degrees, shaft=0.5, head=0.95, reach=1.0):
    """A thick arrow pointing right, turned counter-clockwise by degrees."""
    pts = [(-reach, -shaft / 2), (reach - head, -shaft / 2), (reach - head, -0.92),
           (reach, 0.0), (reach - head, 0.92), (reach - head, shaft / 2), (-reach, shaft / 2)]
    return P(pts).rotated(degrees)


def diagonal_arrow(degrees):
    return (arrow(0, 0.5, 0.95, 1.3).rotated(45) & FULL).rotated(degrees - 45)


def chevron(degrees, w=0.5, depth=0.9):
    shape = stroke([(-depth / 2 - 0.1, 1.2), (depth / 2 + 0.1, 0.0), (-depth / 2 - 0.1, -1.2)],
                   w, "butt", clip=FRAME)
    return shape.rotated(degrees)


def double_chevron(degrees):
    a = stroke([(-0.85, 1.3), (-0.05, 0.0), (-0.85, -1.3)], 0.42, "butt", clip=FRAME)
    b = stroke([(0.05, 1.3), (0.85, 0.0), (0.05, -1.3)], 0.42, "butt", clip=FRAME)
    return (a | b).rotated(degrees)


def dots(centres, r):
    return union(*[circle(r, u, v) for u, v in centres])


def semicircle(side):
    return (circle(CR) & half_plane(side)).moved(
        *{"l": (0.45, 0), "r": (-0.45, 0), "t": (0, -0.45), "b": (0, 0.45)}[side])


def quarter_disk(q):
    su = 1 if q in (0, 3) else -1
    sv = 1 if q in (0, 1) else -1
    return circle(1.85, -0.92 * su, -0.92 * sv) & box(-0.92 * su, -0.92 * sv, 0.92 * su, 0.92 * sv)


def corner_triangle(corner):
    return diagonal_half(corner) & square(0.92)


def el_shape(rot):
    return (box(-0.9, -0.9, -0.3, 0.9) | box(-0.9, -0.9, 0.9, -0.3)).rotated(rot)


def tee_shape(rot):
    return (box(-0.95, 0.35, 0.95, 0.95) | box(-0.3, -0.95, 0.3, 0.95)).rotated(rot)


def hash_shape():
    return union(box(-0.95, 0.15, 0.95, 0.55), box(-0.95, -0.55, 0.95, -0.15),
                 box(-0.55, -0.95, -0.15, 0.95), box(0.15, -0.95, 0.55, 0.95))


def club_shape():
    return union(circle(0.44, 0, 0.5), circle(0.44, -0.52, -0.1), circle(0.44, 0.52, -0.1),
                 box(-0.12, -0.5, 0.12, 0.2), P([(-0.45, -0.98), (0.45, -0.98), (0.0, -0.3)]))


def spade_shape():
    top = heart(-0.95, -0.75, 0.95, 1.0).flipped().moved(0, 0.25)
    return top | P([(-0.42, -1.0), (0.42, -1.0), (0.0, -0.2)])


def flower_shape():
    return union(circle(0.46, 0, 0.52), circle(0.46, 0, -0.52), circle(0.46, 0.52, 0),
                 circle(0.46, -0.52, 0)) - circle(0.2)


def crescent_shape():
    return circle(0.98) - circle(0.8, 0.42, 0.25)


def drop_shape():
    return curve((0.0, 1.0), [((0.2, 0.55), (0.78, 0.1), (0.78, -0.35)),
                              ((0.78, -0.75), (0.43, -1.0), (0.0, -1.0)),
                              ((-0.43, -1.0), (-0.78, -0.75), (-0.78, -0.35)),
                              ((-0.78, 0.1), (-0.2, 0.55), (0.0, 1.0))])


def bolt_shape():
    return P([(0.25, 1.0), (-0.75, -0.1), (-0.05, -0.1), (-0.35, -1.0), (0.75, 0.15),
              (0.05, 0.15), (0.45, 1.0)])


def wave_shape(v=0.0):
    return stroke([(-1.0, v - 0.3), (-0.5, v + 0.3), (0.0, v - 0.3), (0.5, v + 0.3),
                   (1.0, v - 0.3)], 0.42, "butt", clip=FRAME)


def zigzag_vertical():
    return stroke([(-0.3, 1.0), (0.3, 0.5), (-0.3, 0.0), (0.3, -0.5), (-0.3, -1.0)],
                  0.42, "butt", clip=FRAME)


def check_shape():
    return stroke([(-0.85, 0.05), (-0.3, -0.6), (0.85, 0.8)], 0.48, "butt", clip=FRAME)


def house_shape():
    return P([(-0.85, -0.95), (0.85, -0.95), (0.85, 0.15), (0.0, 1.0), (-0.85, 0.15)])


def hourglass_shape():
    return P([(-0.9, 0.95), (0.9, 0.95), (0.16, 0.0), (0.9, -0.95), (-0.9, -0.95), (-0.16, 0.0)])


def trapezoid(rot):
    return P([(-1.0, -0.7), (1.0, -0.7), (0.5, 0.7), (-0.5, 0.7)]).rotated(rot)


def parallelogram(mirror):
    r = P([(-1.0, -0.65), (0.4, -0.65), (1.0, 0.65), (-0.4, 0.65)])
    return r.mirrored() if mirror else r


def tri_pair(rot):
    """Two small triangles side by side, pointing up, turned by rot."""
    left = P([(-1.0, -0.62), (-0.12, -0.62), (-0.56, 0.62)])
    return (left | left.mirrored()).rotated(rot)


def cross_pattee():
    arm = P([(-0.5, 1.0), (0.5, 1.0), (0.12, 0.0), (-0.12, 0.0)])
    return union(arm, arm.rotated(90), arm.rotated(180), arm.rotated(270), square(0.16))


def latin_cross():
    return box(-0.22, -1.0, 0.22, 1.0) | box(-0.75, 0.18, 0.75, 0.62)


# ------------------------------------------------------------------ letters
# Letters and digits are centre lines stroked with a heavy pen, mitred,
# and trimmed to the letter's box.


def letter(paths, w, box_=(-0.75, -1.0, 0.75, 1.0), extra=None):
    region = union(*[stroke(p, w) for p in paths]) & box(*box_)
    if extra is not None:
        region = region | extra
    return region


# Upper case and digits: pen 0.44, box 1.5 x 2.0.
W = 0.44
L, Rt, Tp, Bt, M = -0.55, 0.55, 0.8, -0.8, 0.0
C = 0.3


def octagon(l, b, r, t, c):
    return [(l + c, t), (r - c, t), (r, t - c), (r, b + c), (r - c, b), (l + c, b), (l, b + c),
            (l, t - c)]


def upper(ch):
    l, r, t, b, m, c = L, Rt, Tp, Bt, M, C
    wide = (-1.0, -1.0, 1.0, 1.0)
    paths = {
        "A": [[(l, b), (l, t - c), (l + c, t), (r - c, t), (r, t - c), (r, b)], [(l, m), (r, m)]],
        "B": [[(l, b), (l, t), (r - 0.2, t), (r, t - 0.2), (r, m + 0.15), (r - 0.15, m), (l, m)],
              [(r - 0.15, m), (r, m - 0.15), (r, b + 0.2), (r - 0.2, b), (l, b), (l, m)]],
        "C": [[(r, t), (l + c, t), (l, t - c), (l, b + c), (l + c, b), (r, b)]],
        "D": [closed([(l, b), (l, t), (r - c, t), (r, t - c), (r, b + c), (r - c, b)])],
        "E": [[(r, t), (l, t), (l, b), (r, b)], [(l, m), (r - 0.15, m)]],
        "F": [[(r, t), (l, t), (l, b)], [(l, m), (r - 0.15, m)]],
        "G": [[(r, t), (l + c, t), (l, t - c), (l, b + c), (l + c, b), (r, b), (r, m),
               (0.05, m)]],
        "H": [[(l, t), (l, b)], [(r, t), (r, b)], [(l, m), (r, m)]],
        "I": [[(0, t), (0, b)], [(-0.35, t), (0.35, t)], [(-0.35, b), (0.35, b)]],
        "J": [[(-0.15, t), (r, t), (r, b + c), (r - c, b), (l + c, b), (l, b + c), (l, -0.3)]],
        "K": [[(l, t), (l, b)], [(r + 0.05, t + 0.05), (l + 0.15, -0.05), (r + 0.05, b - 0.05)]],
        "L": [[(l, t), (l, b), (r, b)]],
        "N": [[(l, b), (l, t), (r, b), (r, t)]],
        "O": [closed(octagon(l - 0.05, b, r + 0.05, t, 0.42))],
        "P": [[(l, b), (l, t), (r - 0.2, t), (r, t - 0.2), (r, m + 0.2), (r - 0.2, m), (l, m)]],
        "Q": [closed(octagon(l, b + 0.15, r, t, c)), [(0.0, -0.3), (r + 0.3, b - 0.3)]],
        "R": [[(l, b), (l, t), (r - 0.2, t), (r, t - 0.2), (r, m + 0.2), (r - 0.2, m), (l, m)],
              [(0.0, m), (r + 0.1, b - 0.1)]],
        "S": [[(r, t - 0.25), (r - 0.25, t), (l + 0.2, t), (l, t - 0.2), (l, m + 0.15),
               (l + 0.15, m), (r - 0.15, m), (r, m - 0.15), (r, b + 0.2), (r - 0.2, b),
               (l + 0.25, b), (l, b + 0.25)]],
        "T": [[(l - 0.2, t), (r + 0.2, t)], [(0, t), (0, b)]],
        "U": [[(l, t), (l, b + c), (l + c, b), (r - c, b), (r, b + c), (r, t)]],
        "V": [[(l - 0.05, t + 0.2), (0, b), (r + 0.05, t + 0.2)]],
        "X": [[(l, t), (r, b)], [(r, t), (l, b)]],
        "Y": [[(l, t + 0.1), (0, 0.0), (r, t + 0.1)], [(0, 0.0), (0, b)]],
        "Z": [[(l, t), (r, t), (l, b), (r, b)]],
    }
    if ch == "M":
        return letter([[(-0.8, b), (-0.8, t), (0, -0.15), (0.8, t), (0.8, b)]], W, wide)
    if ch == "W":
        return letter([[(-0.8, t), (-0.8, b), (0, 0.15), (0.8, b), (0.8, t)]], W, wide)
    return letter(paths[ch], W)


def digit(ch):
    l, r, t, b, m, c = L, Rt, Tp, Bt, M, C
    if ch == "0":
        return letter([closed(octagon(-0.42, b, 0.42, t, 0.32))], W, (-0.62, -1, 0.62, 1))
    paths = {
        "1": [[(-0.4, t - 0.25), (0.05, t), (0.05, b)], [(-0.45, b), (0.5, b)]],
        "2": [[(l, t - c), (l + c, t), (r - c, t), (r, t - c), (r, m + 0.2), (l, b), (r, b)]],
        "3": [[(l, t), (r - 0.2, t), (r, t - 0.2), (r, m + 0.15), (r - 0.15, m), (-0.1, m)],
              [(r - 0.15, m), (r, m - 0.15), (r, b + 0.2), (r - 0.2, b), (l, b)]],
        "4": [[(l, t), (l, -0.25), (r, -0.25)], [(0.3, 0.3), (0.3, b)]],
        "5": [[(r, t), (l, t), (l, m), (r - 0.2, m), (r, m - 0.2), (r, b + 0.2), (r - 0.2, b),
               (l, b)]],
        "6": [[(r, t), (l + c, t), (l, t - c), (l, b + c), (l + c, b), (r - c, b), (r, b + c),
               (r, m - 0.2), (r - 0.2, m), (l, m)]],
        "7": [[(l, t), (r, t), (-0.1, b)]],
        "8": [closed(octagon(l + 0.05, m, r - 0.05, t, 0.2)), closed(octagon(l, b, r, m, 0.25))],
    }
    if ch == "9":
        return digit("6").rotated(180)
    return letter(paths[ch], W)


# Lower case: pen 0.32; the x-height band is v in [-0.68, 0.68], ascenders
# and descenders reach the frame.
LW = 0.32
lt, lb = 0.52, -0.52
asc, desc = 0.84, -0.84
ll, lr = -0.5, 0.5
lc = 0.25


def lower(ch):
    l, r, t, b, c = ll, lr, lt, lb, lc
    box_ = (-0.66, -1.0, 0.66, 1.0)
    wide = (-1.0, -1.0, 1.0, 1.0)
    dot = None
    paths = {
        "a": [[(l, t), (r - 0.2, t), (r, t - 0.2), (r, b)],
              [(r, -0.02), (l + 0.15, -0.02), (l, -0.17), (l, b + 0.15), (l + 0.15, b), (r, b)]],
        "b": [[(l, asc), (l, b), (r - c, b), (r, b + c), (r, t - c), (r - c, t), (l, t)]],
        "c": [[(r, t), (l + c, t), (l, t - c), (l, b + c), (l + c, b), (r, b)]],
        "d": [[(r, asc), (r, b), (l + c, b), (l, b + c), (l, t - c), (l + c, t), (r, t)]],
        "e": [[(l, 0.0), (r, 0.0), (r, t - 0.15), (r - 0.15, t), (l + 0.15, t), (l, t - 0.15),
               (l, b + c), (l + c, b), (r, b)]],
        "f": [[(r, asc), (-0.15 + c, asc), (-0.15, asc - c), (-0.15, b)], [(l, t), (r - 0.1, t)]],
        "g": [[(r, t), (l + 0.15, t), (l, t - 0.15), (l, -0.3 + 0.15), (l + 0.15, -0.3),
               (r, -0.3)], [(r, t), (r, desc), (l, desc)]],
        "h": [[(l, asc), (l, b)], [(l, t), (r - c, t), (r, t - c), (r, b)]],
        "j": [[(-0.25, t - 0.1), (0.2, t - 0.1), (0.2, desc), (l, desc)]],
        "k": [[(l, asc), (l, b)], [(r + 0.05, t + 0.05), (l + 0.1, -0.05), (r + 0.05, b - 0.05)]],
        "l": [[(-0.35, asc), (0.0, asc), (0.0, b + c), (c, b), (r, b)]],
        "n": [[(l, b), (l, t), (r - c, t), (r, t - c), (r, b)]],
        "o": [closed(octagon(l, b, r, t, c))],
        "p": [[(l, desc), (l, t), (r - c, t), (r, t - c), (r, b + c), (r - c, b), (l, b)]],
        "q": [[(r, desc), (r, t), (l + c, t), (l, t - c), (l, b + c), (l + c, b), (r, b)]],
        "r": [[(l, b), (l, t), (r, t), (r, t - 0.2)]],
        "s": [[(r, t), (l + 0.12, t), (l, t - 0.12), (l, 0.12), (l + 0.12, 0.0), (r - 0.12, 0.0),
               (r, -0.12), (r, b + 0.12), (r - 0.12, b), (l, b)]],
        "t": [[(-0.2, asc), (-0.2, b + c), (-0.2 + c, b), (r, b)], [(l, t), (r, t)]],
        "u": [[(l, t), (l, b + c), (l + c, b), (r, b)], [(r, t), (r, b)]],
        "v": [[(l - 0.05, t + 0.2), (0, b), (r + 0.05, t + 0.2)]],
        "x": [[(l, t), (r, b)], [(r, t), (l, b)]],
        "y": [[(l, t), (l, -0.25), (r, -0.25)], [(r, t), (r, desc), (l, desc)]],
        "z": [[(l, t), (r, t), (l, b), (r, b)]],
    }
    if ch == "i":
        dot = box(-0.2, 0.7, 0.2, 1.0)
        paths["i"] = [[(-0.3, 0.35), (0.0, 0.35), (0.0, b)], [(-0.35, b), (0.35, b)]]
        box_ = (-0.66, -1.0, 0.66, 0.51)
    if ch == "j":
        dot = box(0.04, 0.7, 0.44, 1.0)
        paths["j"] = [[(-0.15, 0.35), (0.24, 0.35), (0.24, desc), (l, desc)]]
        box_ = (-0.66, -1.0, 0.66, 0.51)
    if ch == "m":
        return letter([[(-0.8, b), (-0.8, t), (0.8 - c, t), (0.8, t - c), (0.8, b)],
                       [(0.0, t), (0.0, b)]], LW, wide)
    if ch == "w":
        return letter([[(-0.8, t), (-0.8, b), (0.8, b), (0.8, t)], [(0.0, b), (0.0, t - 0.15)]],
                      LW, wide)
    bottom = -1.0 if ch in "gjpqy" else -0.68
    top = 1.0 if ch in "bdfhklt" else 0.68
    if ch in "ij":
        top = 0.51
    return letter(paths[ch], LW, (box_[0], bottom, box_[2], top), dot)


# ------------------------------------------------------------------ symbols
# (name, region builder, preferred ASCII character or None), in the order
# the remaining code points are handed out.


def symbol_table():
    t = []

    def add(name, build, ch=None):
        t.append((name, build, ch))

    # Squares
    add("square.filled", lambda: square())
    add("square.hollow", lambda: square_ring())
    for side, word in (("l", "left"), ("r", "right"), ("t", "top"), ("b", "bottom")):
        add("square.half" + word, lambda s=side: square_ring() | (square() & half_plane(s)))
    for corner in ("ll", "lr", "ul", "ur"):
        add("square.diag" + corner,
            lambda k=corner: square_ring() | (square() & diagonal_half(k)))
    add("square.dot", lambda: square_ring(SQ, 0.3) | square(0.28))
    add("square.cutplus", lambda: square(0.92) - plus_shape(0.64, 0.3))
    add("square.cutx", lambda: square(0.92) - x_shape(0.68, 0.3))
    add("square.cutcircle", lambda: square(0.92) - circle(0.5))
    add("square.cutdiamond", lambda: square(0.92) - P(DIAMOND).scaled(0.66))
    add("square.cuttriup", lambda: square(0.92) - P([(-0.6, -0.5), (0.6, -0.5), (0, 0.58)]))
    add("square.cuttridown", lambda: square(0.92) - P([(-0.6, 0.5), (0.6, 0.5), (0, -0.58)]))
    add("square.small", lambda: square(0.5))
    add("square.in_square", lambda: square_ring(0.95, 0.22) | square(0.5))
    add("square.frame", lambda: square(0.95) - square(0.35))

    # Circles
    add("circle.filled", lambda: circle(CR))
    add("circle.hollow", lambda: circle_ring())
    for side, word in (("l", "left"), ("r", "right"), ("t", "top"), ("b", "bottom")):
        add("circle.half" + word, lambda s=side: circle_ring() | (circle(CR) & half_plane(s)))
    add("circle.dot", lambda: circle_ring(CR, 0.3) | circle(0.32), "@")
    add("circle.cutplus", lambda: circle(CR) - plus_shape(0.7, 0.3))
    add("circle.cutx", lambda: circle(CR) - x_shape(0.5, 0.3))
    add("circle.small", lambda: circle(0.55), ".")
    add("circle.cutsquare", lambda: circle(CR) - square(0.36))
    add("plus.hollow", lambda: plus_shape(1.0, 0.8) - plus_shape(0.72, 0.26))
    add("square.in_circle", lambda: circle_ring(CR, 0.24) | square(0.38))

    # Triangles in four directions
    names = {"u": "up", "d": "down", "l": "left", "r": "right"}
    mnemonic = {"u": "^", "l": "<", "r": ">", "d": None}
    for d in "udlr":
        add("triangle.%s.filled" % names[d], lambda k=d: tri(k), mnemonic[d])
    for d in "udlr":
        add("triangle.%s.hollow" % names[d], lambda k=d: tri_ring(k))
    for d in "udlr":
        rot = {"u": 0, "l": 90, "d": 180, "r": -90}[d]
        add("triangle.%s.half" % names[d],
            lambda k=rot: (hollow_poly(TRI_UP, 0.3) | (P(TRI_UP) & half_plane("l"))).rotated(k))
    for d in "udlr":
        rot = {"u": 0, "l": 90, "d": 180, "r": -90}[d]
        add("triangle.%s.small" % names[d],
            lambda k=rot: P([(-0.6, -0.5), (0.6, -0.5), (0.0, 0.58)]).rotated(k))
    for d in "udlr":
        rot = {"u": 0, "l": 90, "d": 180, "r": -90}[d]
        add("triangle.%s.base" % names[d],
            lambda k=rot: (hollow_poly(TRI_UP, 0.3) | (P(TRI_UP) & half_plane("b").moved(0, -0.3)))
            .rotated(k))

    # Diamonds
    add("diamond.filled", lambda: P(DIAMOND))
    add("diamond.hollow", lambda: hollow_poly(DIAMOND, 0.3))
    for side, word in (("l", "left"), ("r", "right"), ("t", "top"), ("b", "bottom")):
        add("diamond.half" + word,
            lambda s=side: hollow_poly(DIAMOND, 0.3) | (P(DIAMOND) & half_plane(s)))
    add("diamond.dot", lambda: hollow_poly(DIAMOND, 0.28) | square(0.2).rotated(45))
    add("diamond.small", lambda: P([(0, -0.62), (0.62, 0), (0, 0.62), (-0.62, 0)]))
    add("diamond.cutplus", lambda: P(DIAMOND) - plus_shape(0.6, 0.26))
    add("diamond.tall", lambda: P([(0, -1.0), (0.58, 0), (0, 1.0), (-0.58, 0)]))
    add("diamond.wide", lambda: P([(0, -0.58), (1.0, 0), (0, 0.58), (-1.0, 0)]))

    # Stars
    add("star5.filled", lambda: P(STAR5), "*")
    add("star5.hollow", lambda: hollow_poly(STAR5, 0.2))
    add("star5.half", lambda: hollow_poly(STAR5, 0.2) | (P(STAR5) & half_plane("l")))
    add("star5.down", lambda: P(STAR5).rotated(180))
    add("star4.filled", lambda: P(STAR4))
    add("star4.diagonal", lambda: P(STAR4).rotated(45).scaled(1.25) & FULL)
    add("star6.filled", lambda: P(STAR6))
    add("star8.filled", lambda: P(STAR8))
    add("burst", lambda: P(star_points(12, 1.0, 0.62, 90.0)) - circle(0.3))

    # Hearts and suits
    add("heart.filled", lambda: heart_shape())
    add("heart.hollow", lambda: heart_shape() - heart_shape(True))
    add("heart.half",
        lambda: (heart_shape() - heart_shape(True)) | (heart_shape() & half_plane("l")))
    add("heart.down", lambda: heart_shape().rotated(180))
    add("square.broken", lambda: square_ring(0.92, 0.36) - plus_shape(1.0, 0.56))
    add("club", lambda: club_shape())
    add("spade", lambda: spade_shape())

    # Plus signs and crosses
    add("plus.bold", lambda: plus_shape(1.0, 0.62), "+")
    add("plus.medium", lambda: plus_shape(1.0, 0.36))
    add("plus.small", lambda: plus_shape(0.6, 0.4))
    add("cross.bold", lambda: x_shape(1.0, 0.56))
    add("cross.medium", lambda: x_shape(1.0, 0.34))
    add("cross.small", lambda: x_shape(0.6, 0.4))
    add("asterisk", lambda: plus_shape(1.0, 0.32) | x_shape(0.85, 0.32))
    add("plus.in_circle", lambda: circle_ring(CR, 0.26) | plus_shape(0.8, 0.3))
    add("cross.in_circle", lambda: circle_ring(CR, 0.26) | (x_shape(0.8, 0.3) & circle(0.8)))
    add("plus.in_square", lambda: square_ring(0.95, 0.24) | plus_shape(0.8, 0.3))
    add("cross.in_square", lambda: square_ring(0.95, 0.24) | (x_shape(0.9, 0.32) & square(0.8)))
    add("cross.pattee", lambda: cross_pattee())
    add("cross.latin", lambda: latin_cross())
    add("plus.dots", lambda: plus_shape(1.0, 0.34) | dots(corners(0.6), 0.26))
    add("hash", lambda: hash_shape(), "#")

    # Bars
    add("bar.horizontal", lambda: box(-1, -0.25, 1, 0.25), "-")
    add("bar.vertical", lambda: box(-0.25, -1, 0.25, 1), "|")
    add("bars.2h", lambda: box(-1, 0.2, 1, 0.65) | box(-1, -0.65, 1, -0.2), "=")
    add("bars.3h", lambda: bars3().rotated(90))
    add("bars.2v", lambda: box(0.2, -1, 0.65, 1) | box(-0.65, -1, -0.2, 1))
    add("bars.3v", lambda: bars3())
    add("bar.slash", lambda: stroke([(-1.2, -1.2), (1.2, 1.2)], 0.56, "butt", clip=FRAME), "/")
    add("bar.backslash",
        lambda: stroke([(-1.2, 1.2), (1.2, -1.2)], 0.56, "butt", clip=FRAME), "\\")
    add("bars.2slash", lambda: stroke([(-1.6, -0.6), (0.6, 1.6)], 0.4, "butt", clip=FRAME) |
        stroke([(-0.6, -1.6), (1.6, 0.6)], 0.4, "butt", clip=FRAME))
    add("bars.2backslash", lambda: stroke([(-1.6, 0.6), (0.6, -1.6)], 0.4, "butt", clip=FRAME) |
        stroke([(-0.6, 1.6), (1.6, -0.6)], 0.4, "butt", clip=FRAME))
    add("bar.top", lambda: box(-1, 0.45, 1, 1))
    add("bar.bottom", lambda: box(-1, -1, 1, -0.45), "_")
    add("bar.left", lambda: box(-1, -1, -0.45, 1))
    add("bar.right", lambda: box(0.45, -1, 1, 1))
    add("bars.topbottom", lambda: box(-1, 0.5, 1, 1) | box(-1, -1, 1, -0.5))
    add("bars.leftright", lambda: box(-1, -1, -0.5, 1) | box(0.5, -1, 1, 1))
    for rot in (0, 90, 180, 270):
        add("el.%d" % rot, lambda k=rot: el_shape(k))
    for rot in (0, 90, 180, 270):
        add("tee.%d" % rot, lambda k=rot: tee_shape(k))
    add("bracket.left", lambda: bracket_shape(), "[")
    add("bracket.right", lambda: bracket_shape().mirrored(), "]")
    add("ladder",
        lambda: union(box(-0.9, -1, -0.5, 1), box(0.5, -1, 0.9, 1), box(-0.9, -0.2, 0.9, 0.2)))

    # Dot patterns
    add("dots.2h", lambda: dots([(-0.52, 0), (0.52, 0)], 0.42))
    add("dots.2v", lambda: dots([(0, -0.52), (0, 0.52)], 0.42), ":")
    add("dots.2slash", lambda: dots([(-0.5, -0.5), (0.5, 0.5)], 0.45), "%")
    add("dots.2backslash", lambda: dots([(-0.5, 0.5), (0.5, -0.5)], 0.45))
    add("dots.3slash", lambda: dots([(-0.68, -0.68), (0, 0), (0.68, 0.68)], 0.32))
    add("dots.3backslash", lambda: dots([(-0.68, 0.68), (0, 0), (0.68, -0.68)], 0.32))
    add("dots.therefore", lambda: dots([(0, 0.55), (-0.55, -0.45), (0.55, -0.45)], 0.38))
    add("dots.because", lambda: dots([(0, -0.55), (-0.55, 0.45), (0.55, 0.45)], 0.38))
    add("dots.4", lambda: dots([(-0.52, -0.52), (0.52, -0.52), (-0.52, 0.52), (0.52, 0.52)], 0.38))
    add("dots.5", lambda: dots(corners(0.62) + [(0, 0)], 0.31))
    add("dots.3h", lambda: dots([(-0.68, 0), (0, 0), (0.68, 0)], 0.29))
    add("dots.3v", lambda: dots([(0, -0.68), (0, 0), (0, 0.68)], 0.29))
    add("dots.4diamond", lambda: dots([(0, -0.62), (0, 0.62), (-0.62, 0), (0.62, 0)], 0.33))
    add("dots.6", lambda: dots([(x, y) for x in (-0.45, 0.45) for y in (-0.66, 0, 0.66)], 0.27))
    add("squares.4", lambda: union(*[box(x - 0.33, y - 0.33, x + 0.33, y + 0.33)
                                     for x in (-0.55, 0.55) for y in (-0.55, 0.55)]))
    add("square.cuttriright", lambda: square(0.92) - P([(-0.5, -0.6), (-0.5, 0.6), (0.58, 0)]))
    add("square.cuttrileft", lambda: square(0.92) - P([(0.5, -0.6), (0.5, 0.6), (-0.58, 0)]))

    # Arrows
    for deg, word in ((0, "right"), (90, "up"), (180, "left"), (270, "down")):
        add("arrow." + word, lambda k=deg: arrow(k))
    for deg, word in ((45, "upright"), (135, "upleft"), (225, "downleft"), (315, "downright")):
        add("arrow." + word, lambda k=deg: diagonal_arrow(k))
    add("arrow.leftright", lambda: double_arrow())
    add("arrow.updown", lambda: double_arrow().rotated(90))
    for deg, word in ((0, "right"), (90, "up"), (180, "left"), (270, "down")):
        add("chevron." + word, lambda k=deg: chevron(k))
    for deg, word in ((0, "right"), (90, "up"), (180, "left"), (270, "down")):
        add("chevron2." + word, lambda k=deg: double_chevron(k))
    for deg, word in ((0, "right"), (90, "up"), (180, "left"), (270, "down")):
        add("arrow.bar" + word, lambda k=deg: (arrow(0, 0.44, 0.85, 0.62).moved(-0.2, 0) |
                                               box(0.62, -0.95, 0.98, 0.95)).rotated(k))

    # Other shapes
    add("hexagon.filled", lambda: P(HEX))
    add("hexagon.hollow", lambda: hollow_poly(HEX, 0.3))
    add("hexagon.upright", lambda: P(regular_points(6, 1.0, 90.0)))
    add("pentagon.filled", lambda: P(PENT))
    add("pentagon.hollow", lambda: hollow_poly(PENT, 0.3))
    add("pentagon.down", lambda: P(PENT).rotated(180))
    add("octagon.cutbar", lambda: P(regular_points(8, 1.0, 22.5)) - box(-0.62, -0.18, 0.62, 0.18))
    add("oval.wide", lambda: oval(1.0, 0.55))
    add("oval.tall", lambda: oval(0.55, 1.0))
    add("oval.widehollow", lambda: oval(1.0, 0.62) - oval(0.68, 0.3))
    add("oval.tallhollow", lambda: oval(0.62, 1.0) - oval(0.3, 0.68))
    for side, word, ch in (("l", "left", "("), ("r", "right", ")"), ("t", "top", None),
                           ("b", "bottom", None)):
        add("semicircle." + word, lambda s=side: semicircle(s), ch)
    for q in range(4):
        add("quarterdisk.%d" % q, lambda k=q: quarter_disk(k))
    for corner in ("ll", "lr", "ul", "ur"):
        add("cornertriangle." + corner, lambda k=corner: corner_triangle(k))
    add("hourglass", lambda: hourglass_shape())
    add("bowtie", lambda: hourglass_shape().rotated(90))
    add("house", lambda: house_shape())
    add("house.down", lambda: house_shape().rotated(180))
    add("trapezoid.up", lambda: trapezoid(0))
    add("trapezoid.down", lambda: trapezoid(180))
    add("parallelogram.right", lambda: parallelogram(False))
    add("parallelogram.left", lambda: parallelogram(True))
    add("triangles.twoup", lambda: tri_pair(0))
    add("triangles.tworight", lambda: tri_pair(-90))
    add("crescent", lambda: crescent_shape())
    add("drop", lambda: drop_shape())
    add("bolt", lambda: bolt_shape())
    add("flower", lambda: flower_shape())
    add("wave", lambda: wave_shape(), "~")
    add("waves.2", lambda: wave_shape(0.5) | wave_shape(-0.5))
    add("zigzag", lambda: zigzag_vertical())
    add("check", lambda: check_shape())
    add("donut", lambda: circle(CR) - circle(0.3))
    add("ring.double", lambda: circle_ring(CR, 0.24) | circle_ring(0.5, 0.24))
    add("square.roundframe", lambda: rounded_square())
    add("keyhole", lambda: circle(0.5, 0, 0.35) | P([(-0.45, -1.0), (0.45, -1.0), (0.0, 0.2)]))
    add("tree", lambda: P([(-0.9, -0.45), (0.9, -0.45), (0, 1.0)]) | box(-0.2, -1.0, 0.2, -0.4))
    add("bell", lambda: bell_shape())
    add("shield", lambda: shield_shape())
    add("circle.cuttriup", lambda: circle(CR) - P([(-0.5, -0.4), (0.5, -0.4), (0, 0.5)]))
    add("step", lambda: step_shape())
    add("staircase", lambda: step_shape().mirrored())
    add("cross.diagonal_square",
        lambda: square(0.92) - P([(-0.92, 0.92), (0.0, 0.0), (0.92, 0.92)]))
    for deg, word in ((0, "up"), (180, "down"), (90, "left"), (-90, "right")):
        add("arrowhead." + word,
            lambda k=deg: P([(-1, -0.9), (0, 0.95), (1, -0.9), (0, -0.3)]).rotated(k))
    add("comb.up", lambda: comb_shape())
    add("comb.down", lambda: comb_shape().flipped())
    add("gate", lambda: gate_shape())
    add("gate.down", lambda: gate_shape().flipped())

    # Fine variants, hard to tell apart below 12 pixels.  Being last, they
    # take the code points that the symbol-set editor does not offer or that
    # Qt does not draw (see assign_codes), so the symbols a set is likely to
    # use all sit where the editor can pick them.
    add("square.smallhollow", lambda: square_ring(0.62, 0.3))
    for q in range(4):
        add("square.quadrant%d" % q, lambda k=q: square_ring() | (square() & quadrant(k)))
    # The hub keeps the two holes of a checker from touching in one point.
    add("square.checker1", lambda: square_ring() | (square() & checker(0)) | square(0.12))
    add("square.checker2", lambda: square_ring() | (square() & checker(1)) | square(0.12))
    add("circle.smallhollow", lambda: circle_ring(0.66, 0.3))
    for q in range(4):
        add("circle.quadrant%d" % q, lambda k=q: circle_ring() | (circle(CR) & quadrant(k)))
    add("circle.checker1", lambda: circle_ring() | (circle(CR) & checker(0)) | circle(0.14))
    add("circle.checker2", lambda: circle_ring() | (circle(CR) & checker(1)) | circle(0.14))
    add("star4.hollow", lambda: hollow_poly(STAR4, 0.17))
    add("star6.hollow", lambda: hollow_poly(STAR6, 0.22))
    return t


def corners(d):
    return [(d, d), (-d, d), (d, -d), (-d, -d)]


def checker(first):
    """Two opposite quadrants: 0 and 2, or 1 and 3."""
    return quadrant(first) | quadrant(first + 2)


def bars3():
    return union(box(0.5, -1, 0.9, 1), box(-0.2, -1, 0.2, 1), box(-0.9, -1, -0.5, 1))


def bracket_shape():
    return union(box(-0.7, -1, -0.2, 1), box(-0.7, 0.5, 0.5, 1), box(-0.7, -1, 0.5, -0.5))


def double_arrow():
    return P([(-1, 0), (-0.45, 0.85), (-0.45, 0.25), (0.45, 0.25), (0.45, 0.85), (1, 0),
              (0.45, -0.85), (0.45, -0.25), (-0.45, -0.25), (-0.45, -0.85)])


def step_shape():
    return union(box(-1, -1, 1, -0.35), box(-1, -0.35, 0.35, 0.35), box(-1, 0.35, -0.35, 1))


def comb_shape():
    return union(box(-0.95, -0.95, 0.95, -0.45), box(-0.95, -0.95, -0.55, 0.95),
                 box(-0.2, -0.95, 0.2, 0.95), box(0.55, -0.95, 0.95, 0.95))


def gate_shape():
    return union(box(-0.95, -1, -0.45, 1), box(0.45, -1, 0.95, 1), box(-0.95, 0.5, 0.95, 1))


def rounded_square():
    r = 0.4
    h = 0.92
    return union(box(-h + r, -h, h - r, h), box(-h, -h + r, h, h - r),
                 circle(r, h - r, h - r), circle(r, -h + r, h - r),
                 circle(r, h - r, -h + r), circle(r, -h + r, -h + r)) - square(0.4)


def bell_shape():
    body = P([(-0.95, -0.6), (0.95, -0.6), (0.55, -0.2), (0.55, 0.45), (-0.55, 0.45),
              (-0.55, -0.2)])
    return body | circle(0.55, 0, 0.45) | circle(0.26, 0, -0.72)


def shield_shape():
    return curve((-0.9, 0.95), [((-0.9, 0.95), (0.9, 0.95), (0.9, 0.95)),
                                ((0.9, 0.95), (0.9, 0.0), (0.9, 0.0)),
                                ((0.9, -0.55), (0.4, -0.85), (0.0, -1.0)),
                                ((-0.4, -0.85), (-0.9, -0.55), (-0.9, 0.0))])


# ----------------------------------------------------------------- code map

ASCII_SYMBOL_CODES = [c for c in range(33, 127) if not chr(c).isalnum()]
# Windows-1252 bytes 128-159 that denote characters; the set loader turns
# such codes into these Unicode characters.
CP1252_CODES = [ord(bytes([b]).decode("cp1252")) for b in range(128, 160)
                if b not in (0x81, 0x8D, 0x8F, 0x90, 0x9D)]
# The symbol-set editor offers codes up to this one.
EDITOR_LAST_CODE = 600
# Qt's text layout treats U+00AD as a soft hyphen and does not draw its glyph.
SOFT_HYPHEN = 0xAD
# Text taken out of a PDF reads U+00A0 (no-break space) as a blank, so a chart
# reader loses the symbol on it.
NO_BREAK_SPACE = 0xA0


def assign_codes(symbols):
    """Maps each symbol to a code point; returns a list of (code, name, build).

    ASCII punctuation takes the symbols that look like it, the rest are handed
    out in table order over the remaining ASCII punctuation, 160-255 and 256
    upwards.  The Windows-1252 characters the editor cannot offer and the
    soft hyphen and the no-break space take the last symbols of the table, which
    sets leave out.
    """
    by_char = {ch: i for i, (_, _, ch) in enumerate(symbols) if ch is not None}
    result = []
    pending = []
    for code in ASCII_SYMBOL_CODES:
        i = by_char.get(chr(code))
        if i is None:
            pending.append(code)
        else:
            result.append((code, symbols[i]))
    free = [s for i, s in enumerate(symbols) if i not in by_char.values()]
    tail = [NO_BREAK_SPACE, SOFT_HYPHEN] + [c for c in CP1252_CODES if c > EDITOR_LAST_CODE]
    codes = pending + [c for c in range(160, 256) if c not in (NO_BREAK_SPACE, SOFT_HYPHEN)]
    next_code = 256
    while True:
        missing = [c for c in CP1252_CODES if c <= EDITOR_LAST_CODE and c not in codes]
        if len(codes) + len(missing) + len(tail) >= len(free):
            break
        codes.append(next_code)
        next_code += 1
    codes += missing + tail
    if len(codes) != len(free):
        raise SystemExit("%d symbols for %d code points" % (len(free), len(codes)))
    result.extend(zip(codes, free))
    return [(code, name, build) for code, (name, build, _) in result]


GLYPH_NAMES = {"0": "zero", "1": "one", "2": "two", "3": "three", "4": "four", "5": "five",
               "6": "six", "7": "seven", "8": "eight", "9": "nine"}


def all_glyphs():
    glyphs = []
    for ch in "0123456789":
        glyphs.append((ord(ch), GLYPH_NAMES[ch], lambda c=ch: digit(c)))
    for ch in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
        glyphs.append((ord(ch), ch, lambda c=ch: upper(c)))
    for ch in "abcdefghijklmnopqrstuvwxyz":
        glyphs.append((ord(ch), ch, lambda c=ch: lower(c)))
    for code, name, build in assign_codes(symbol_table()):
        glyphs.append((code, "sym." + name, build))
    return sorted(glyphs)


# --------------------------------------------------------------------- font


# Control value program: turn on dropout control at every size (SCANCTRL 511,
# SCANTYPE 4) and nothing else.  Having a hinting program at all also keeps
# FreeType from running its auto-hinter over the symbols in monochrome
# rendering, which thins horizontal strokes to one pixel and stretches glyphs.
PREP = bytes([0xB8, 0x01, 0xFF, 0x85, 0xB0, 0x04, 0x8D])


def new_font():
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.em = EM
    font.ascent = ASCENT
    font.descent = DESCENT
    font.fontname = FAMILY
    font.familyname = FAMILY
    font.fullname = FAMILY
    # The symbols are heavy by design; the face is the regular one of its
    # family, so that a plain font request matches it without synthesis.
    font.weight = "Regular"
    font.version = VERSION
    font.copyright = COPYRIGHT
    for key, value in (("Copyright", COPYRIGHT), ("Family", FAMILY), ("SubFamily", "Regular"),
                       ("UniqueID", FAMILY + " " + VERSION), ("Fullname", FAMILY),
                       ("Version", "Version " + VERSION), ("PostScriptName", FAMILY),
                       ("License", COPYRIGHT),
                       ("Descriptor", "Chart symbols for counted-thread needlework")):
        font.appendSFNTName("English (US)", key, value)
    font.os2_weight = 400
    font.os2_panose = (5, 0, 0, 0, 0, 0, 0, 0, 0, 0)  # pictorial: no text substitutions
    font.os2_winascent = ASCENT
    font.os2_winascent_add = False
    font.os2_windescent = DESCENT
    font.os2_windescent_add = False
    font.os2_typoascent = ASCENT
    font.os2_typoascent_add = False
    font.os2_typodescent = -DESCENT
    font.os2_typodescent_add = False
    font.os2_typolinegap = 0
    font.hhea_ascent = ASCENT
    font.hhea_ascent_add = False
    font.hhea_descent = -DESCENT
    font.hhea_descent_add = False
    font.hhea_linegap = 0
    font.os2_use_typo_metrics = True
    font.os2_fstype = 0
    font.setTableData("prep", PREP)
    return font


def polygons_of(geom):
    if isinstance(geom, Polygon):
        return [geom] if not geom.is_empty else []
    return [g for g in getattr(geom, "geoms", []) if isinstance(g, Polygon)]


def snapped_ring(coords):
    """Whole font units, without repeated points or points on a straight run."""
    pts = []
    for x, y in coords[:-1]:
        p = (int(round(x)), int(round(y)))
        if not pts or pts[-1] != p:
            pts.append(p)
    while len(pts) > 1 and pts[0] == pts[-1]:
        pts.pop()
    changed = True
    while changed and len(pts) >= 3:
        changed = False
        for i in range(len(pts)):
            a, b, c = pts[i - 1], pts[i], pts[(i + 1) % len(pts)]
            if (b[0] - a[0]) * (c[1] - b[1]) - (b[1] - a[1]) * (c[0] - b[0]) == 0:
                del pts[i]
                changed = True
                break
    return pts


def font_polygons(region):
    """The region in font units as valid polygons with whole-unit corners."""
    geom = affinity.affine_transform(region.geom, [HALF, 0, 0, HALF, CENTRE_X, CENTRE_Y])
    geom = geom.simplify(0.4)
    result = []
    for poly in polygons_of(geom):
        if poly.area < MIN_AREA:
            continue
        outer = snapped_ring(poly.exterior.coords)
        holes = [snapped_ring(h.coords) for h in poly.interiors
                 if Polygon(h).area >= MIN_AREA]
        snapped = Polygon(outer, holes)
        if not snapped.is_valid:
            raise SystemExit("outline no longer valid after rounding: %s"
                             % shapely.validation.explain_validity(snapped))
        result.append(snapped)
    return result


def contour_of(points):
    c = fontforge.contour()
    c.moveTo(*points[0])
    for p in points[1:]:
        c.lineTo(*p)
    c.closed = True
    return c


def add_glyph(font, code, name, region):
    g = font.createChar(code, name)
    layer = fontforge.layer()
    for poly in font_polygons(region):
        layer += contour_of(list(poly.exterior.coords)[:-1])
        for hole in poly.interiors:
            layer += contour_of(list(hole.coords)[:-1])
    g.foreground = layer
    # The polygons do not overlap, so the direction follows from nesting alone.
    g.correctDirection()
    g.width = ADVANCE
    return g


def check_glyph(g):
    # Open contours (0x1), self-intersections (0x2), wrong direction (0x4)
    # and missing extrema (0x10) would make rasterisers fill the wrong pixels.
    state = g.validate(True)
    if state & 0x17 or g.foreground.isEmpty():
        raise SystemExit("glyph %s (U+%04X) is not clean: validation 0x%x"
                         % (g.glyphname, g.unicode, state))


def main(argv):
    if len(argv) != 2:
        raise SystemExit("usage: make-symbol-font.py OUTPUT.ttf")
    os.environ.setdefault("SOURCE_DATE_EPOCH", BUILD_EPOCH)
    font = new_font()
    add_glyph(font, -1, ".notdef", square(0.8) - square(0.6))
    for code, name, build in all_glyphs():
        check_glyph(add_glyph(font, code, name, build()))
    font.generate(argv[1], flags=("opentype",))
    count = sum(1 for g in font.glyphs() if g.unicode >= 0)
    print("%s: %d mapped glyphs" % (argv[1], count))


if __name__ == "__main__":
    main(sys.argv)
