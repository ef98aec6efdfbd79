# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Outlines as lists of points, in the drawing's own units; y grows downwards and angles are in degrees."""

import math


def arc(cx, cy, rx, ry, start, end, steps=24, turn=0.0):
    """Points on an ellipse from angle start to end."""
    c, s = math.cos(math.radians(turn)), math.sin(math.radians(turn))
    points = []
    for i in range(steps + 1):
        t = math.radians(start + (end - start) * i / steps)
        x, y = rx * math.cos(t), ry * math.sin(t)
        points.append((cx + x * c - y * s, cy + x * s + y * c))
    return points


def ellipse(cx, cy, rx, ry=None, turn=0.0, steps=72):
    ry = rx if ry is None else ry
    return arc(cx, cy, rx, ry, 0, 360, steps, turn)[:-1]


def rounded_rect(x0, y0, x1, y1, r):
    r = max(0.01, min(r, (x1 - x0) / 2, (y1 - y0) / 2))
    return (arc(x1 - r, y0 + r, r, r, -90, 0, 8) + arc(x1 - r, y1 - r, r, r, 0, 90, 8)
            + arc(x0 + r, y1 - r, r, r, 90, 180, 8) + arc(x0 + r, y0 + r, r, r, 180, 270, 8))


def capsule(x0, y0, x1, y1, r):
    a = math.degrees(math.atan2(y1 - y0, x1 - x0))
    return arc(x1, y1, r, r, a - 90, a + 90, 14) + arc(x0, y0, r, r, a + 90, a + 270, 14)


def bezier(p0, p1, p2, p3, steps=16):
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        points.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                       u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return points


def quad_bezier(p0, p1, p2, steps=14):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / steps for i in range(steps + 1))]


def band(cx, cy, rx, ry, y0, y1, steps=12):
    """Horizontal slice of an ellipse, for stripes on round bodies."""
    y0, y1 = max(y0, cy - ry), min(y1, cy + ry)
    if y1 <= y0:
        return None
    right, left = [], []
    for i in range(steps + 1):
        y = y0 + (y1 - y0) * i / steps
        x = 0.995 * rx * math.sqrt(max(0.0, 1 - ((y - cy) / ry) ** 2))
        right.append((cx + x, y))
        left.append((cx - x, y))
    return right + left[::-1]


def rotated(points, cx, cy, degrees):
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def star_points(cx, cy, outer, inner, tips=5, turn=-90.0):
    points = []
    for i in range(2 * tips):
        r = outer if i % 2 == 0 else inner
        t = math.radians(turn + i * 180.0 / tips)
        points.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return points
