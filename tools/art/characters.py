# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The Pelmaroo family and friends. Each stands with its feet at (0, 0); one unit is one pixel at zoom 1."""

import math

from .icons import squid, trophy, tuba
from .palette import (
    AUBURN, BOOT, GINGER, GINGER_DARK, GOLD, GOLD_LIGHT, GREEN, GREY, GREY_DARK, INK, LENS, MOUTH, NAVY, NAVY_DARK,
    ORANGE, PINK, PINK_LIGHT, PURPLE, PURPLE_DARK, PURPLE_LIGHT, RASPBERRY, RED, SEA, SKIN, SKIN_ROSY, TEAL,
    TEAL_LIGHT, TONGUE, WHITE, YELLOW,
)
from .shapes import arc, band, bezier, capsule, ellipse, quad_bezier, rounded_rect, star_points


def hand(pen, x, y, r=10):
    pen.shape(ellipse(x, y, r), SKIN)


def thumbs_up(pen, x, y, r=11):
    pen.shape([rounded_rect(x - r, y - r * 0.8, x + r, y + r * 0.9, r * 0.5),
               capsule(x - r * 0.35, y - r * 0.6, x - r * 0.35, y - r * 2.0, r * 0.42)], SKIN)
    for k in (0.0, 0.45):
        pen.line([(x - r * 0.1, y + r * (k - 0.15)), (x + r * 0.75, y + r * (k - 0.15))], (214, 150, 110), r * 0.12)


def gusset_face(pen, hy, mood='happy'):
    pen.shape([ellipse(-40, hy + 3, 8, 11), ellipse(40, hy + 3, 8, 11)], SKIN)
    pen.shape(ellipse(0, hy, 40, 40), SKIN)
    pen.fill(ellipse(-16, hy - 25, 10, 5, turn=-28), (255, 240, 224))
    if mood == 'sad':
        pen.line([(-24, hy - 15), (-8, hy - 20)], GINGER_DARK, 4.5)
        pen.line([(8, hy - 20), (24, hy - 15)], GINGER_DARK, 4.5)
    else:
        pen.line(arc(-14, hy - 12, 9, 6, 200, 330, 8), GINGER_DARK, 4.5)
        pen.line(arc(14, hy - 12, 9, 6, 210, 340, 8), GINGER_DARK, 4.5)
    pen.shape([ellipse(-12, hy - 2, 7, 8.5), ellipse(12, hy - 2, 7, 8.5)], WHITE, outline=pen.outline * 0.7)
    if mood == 'sad':
        pen.dot(-11, hy + 1, 3.6, INK)
        pen.dot(11, hy + 1, 3.6, INK)
    else:
        pen.dot(-10.5, hy - 1, 3.8, INK)
        pen.dot(10.5, hy - 1, 3.8, INK)
        pen.dot(-9.2, hy - 2.6, 1.2, WHITE)
        pen.dot(11.8, hy - 2.6, 1.2, WHITE)
    if mood == 'sad':
        pen.line(arc(0, hy + 36, 9, 5, 200, 340, 8), INK, 2.5)
    else:
        pen.shape(arc(0, hy + 24, 13, 11, 0, 180, 14), MOUTH, outline=pen.outline * 0.7)
        pen.fill(ellipse(0, hy + 32, 7, 3), TONGUE)
    tips = [capsule(-33, hy + 22, -45, hy + 6, 5.5), capsule(33, hy + 22, 45, hy + 6, 5.5)]
    pen.shape([ellipse(-17, hy + 20, 21, 10.5, turn=14), ellipse(17, hy + 20, 21, 10.5, turn=-14)] + tips, GINGER)
    for sx in (-1, 1):
        pen.line([(sx * 8, hy + 16), (sx * 16, hy + 24)], GINGER_DARK, 1.8)
        pen.line([(sx * 20, hy + 16), (sx * 28, hy + 23)], GINGER_DARK, 1.8)
    pen.shape(ellipse(0, hy + 10, 11, 9), SKIN_ROSY)
    pen.fill(ellipse(-3.5, hy + 7, 3.5, 2.2), (255, 214, 200))


def gusset(pen, arms='wave', mood='happy'):
    """Round, bald ferry captain; striped jumper, vast ginger moustache."""
    hy = -165

    def arm(points, thumb=False):
        pen.tube(points, NAVY, 20)
        x, y = points[-1]
        if thumb:
            thumbs_up(pen, x, y - 4)
        else:
            hand(pen, x, y, 10.5)

    front = []
    if arms == 'wave':
        arm([(-42, -112), (-68, -140), (-74, -178)])
        front.append(([(40, -108), (58, -80), (62, -58)], False))
    elif arms == 'thumbs':
        arm([(-42, -108), (-58, -80), (-60, -58)])
        front.append(([(40, -110), (68, -88), (66, -124)], True))
    elif arms == 'trophy':
        arm([(-42, -112), (-70, -150), (-78, -188)])
        pen.tube([(42, -112), (76, -134), (96, -160)], NAVY, 20)
    else:
        arm([(-42, -108), (-60, -80), (-62, -56)])
        front.append(([(42, -108), (60, -80), (62, -56)], False))

    pen.shape([rounded_rect(-29, -52, -6, -8, 6), rounded_rect(6, -52, 29, -8, 6)], NAVY_DARK)
    pen.shape([ellipse(-19, -8, 18, 9.5), ellipse(19, -8, 18, 9.5)], BOOT)
    pen.fill([ellipse(-25, -11, 5, 2.5), ellipse(13, -11, 5, 2.5)], (110, 84, 70))
    cx, cy, rx, ry = 0, -86, 57, 53
    pen.shape(ellipse(cx, cy, rx, ry), NAVY)
    y = cy - ry + 12
    while y < cy + ry:
        pen.fill(band(cx, cy, rx, ry, y, y + 8), WHITE)
        y += 17
    for points, thumb in front:
        arm(points, thumb)
    gusset_face(pen, hy, mood)
    if arms == 'trophy':
        size = 2.2
        trophy(pen.at(96 - 16 * size, -160 - 23 * size, size))
        hand(pen, 96, -160, 10.5)


def marigold(pen, holding='pie'):
    """Tall, towering purple bun, baker's apron."""
    hy = -168
    pen.shape([ellipse(-11, -7, 11, 6.5), ellipse(11, -7, 11, 6.5)], RED)
    pen.tube([(-10, -42), (-10, -12)], SKIN, 8)
    pen.tube([(10, -42), (10, -12)], SKIN, 8)
    if holding != 'pie':
        pen.tube([(-22, -128), (-38, -100), (-40, -70)], SKIN, 9)
        hand(pen, -40, -70, 7)
        pen.tube([(22, -128), (40, -150), (48, -182)], SKIN, 9)
        hand(pen, 48, -184, 7)
    dress = [(-22, -142), (22, -142), (44, -44)] + quad_bezier((44, -44), (0, -32), (-44, -44))[1:]
    pen.shape(dress, RASPBERRY)
    with pen.clip(dress) as inside:
        for x, y in [(-30, -60), (-12, -52), (30, -62), (-26, -90), (24, -96), (34, -52), (-36, -48), (16, -125),
                     (-16, -128)]:
            inside.dot(x, y, 3.5, PINK_LIGHT)
    pen.shape([(-20, -142), (-8, -142), (-10, -130), (-24, -128)], RASPBERRY)
    pen.shape([(20, -142), (8, -142), (10, -130), (24, -128)], RASPBERRY)
    apron = [(-17, -112), (17, -112), (27, -50)] + quad_bezier((27, -50), (0, -42), (-27, -50))[1:]
    pen.shape([apron, rounded_rect(-13, -134, 13, -108, 3)], WHITE)
    pen.shape(rounded_rect(-9, -86, 9, -70, 3), WHITE, outline=pen.outline * 0.7)
    pen.line([(-17, -112), (17, -112)], PINK, 3)
    pen.shape(rounded_rect(-6.5, -154, 6.5, -136, 3), SKIN)
    # hair behind the head, then the bun tower
    bun = [ellipse(0, hy - 8, 30, 26), ellipse(0, hy - 50, 25, 26), ellipse(0, hy - 86, 20, 20),
           ellipse(0, hy - 114, 13, 12)]
    pen.shape(bun, PURPLE)
    for cy, r in ((hy - 50, 25), (hy - 86, 20), (hy - 114, 13)):
        pen.line(arc(0, cy, r * 0.7, r * 0.55, 200, 400, 14), PURPLE_DARK, 2.4)
        pen.line(arc(-r * 0.25, cy - r * 0.3, r * 0.45, r * 0.3, 200, 260, 6), PURPLE_LIGHT, 3)
    pen.shape([ellipse(-24, hy + 4, 5, 7), ellipse(24, hy + 4, 5, 7)], SKIN)
    pen.shape(ellipse(0, hy, 24, 28), SKIN)
    pen.dot(-25, hy + 14, 3.2, GOLD)
    pen.dot(25, hy + 14, 3.2, GOLD)
    fringe = arc(0, hy - 1, 26.5, 30, 185, 355, 16) + [(20, hy - 14), (8, hy - 20), (-2, hy - 12),
                                                       (-14, hy - 18), (-24, hy - 8)]
    pen.shape(fringe, PURPLE)
    for sx in (-1, 1):
        pen.fill(ellipse(sx * 9, hy + 2, 3.6, 4.6), INK)
        pen.dot(sx * 9 + 1.2, hy + 0.2, 1.2, WHITE)
        for k in (-1, 0, 1):
            pen.line([(sx * (9 + 2.5 * k), hy - 3.5), (sx * (9 + 4 * k) + sx * 1.5 * (k + 1) * 0.3, hy - 7.5)],
                     INK, 1.3)
        pen.fill(ellipse(sx * 15, hy + 12, 4.5, 2.8), (255, 160, 160))
    pen.shape(arc(0, hy + 14, 9, 7, 0, 180, 12), MOUTH, outline=pen.outline * 0.6)
    pen.fill(ellipse(0, hy + 18, 4.5, 2), TONGUE)
    pen.line(arc(0, hy + 14, 9.5, 7.5, 0, 180, 12), RED, 2.2)
    if holding == 'pie':
        pen.tube([(-22, -128), (-30, -100), (-20, -92)], SKIN, 9)
        pen.tube([(22, -128), (30, -100), (20, -92)], SKIN, 9)
        pie_small(pen.at(0, -92, 1.0))
        hand(pen, -24, -86, 7)
        hand(pen, 24, -86, 7)


def pie_small(pen):
    """Rhubarb-and-custard pie, dish resting on (0, 0)."""
    for i in range(3):
        x = -12 + 12 * i
        pen.line(quad_bezier((x, -22), (x - 5, -28), (x, -36)), (150, 160, 180), 2.2)
    pen.shape([(-26, -4), (26, -4), (22, 8), (-22, 8)], (122, 178, 230))
    pen.shape(arc(0, -4, 25, 15, 180, 360, 20) + [(25, -4)], (244, 186, 84))
    for x, y in ((-12, -9), (2, -12), (14, -8)):
        pen.fill(ellipse(x, y, 3.5, 2.2), RASPBERRY)
    pen.fill(ellipse(-4, -4, 3, 2), YELLOW)
    pen.shape(rounded_rect(-28, -6, 28, 1, 3), (236, 168, 70))


def wren(pen, with_tuba=True):
    """Clever, round glasses, tuba in the school band."""
    hy = -120
    pen.shape([ellipse(-9, -5, 10, 5.5), ellipse(9, -5, 10, 5.5)], PURPLE_DARK)
    for sx in (-1, 1):
        pen.tube([(sx * 8, -40), (sx * 8, -10)], PURPLE_LIGHT, 8)
        for y in (-34, -26, -18):
            pen.line([(sx * 8 - 4, y), (sx * 8 + 4, y)], WHITE, 2.2, caps=False)
    pen.shape([(-18, -64), (18, -64), (28, -34), (-28, -34)], NAVY)
    if not with_tuba:  # she cheers instead
        for sx in (-1, 1):
            pen.tube([(sx * 18, -88), (sx * 34, -108), (sx * 38, -136)], TEAL, 10)
            hand(pen, sx * 38, -138, 6.5)
    pen.shape(rounded_rect(-22, -96, 22, -60, 11), TEAL)
    pen.shape(star_points(-10, -78, 6, 2.6), GOLD, outline=pen.outline * 0.6)
    pen.shape(rounded_rect(-5, -102, 5, -92, 2), SKIN)
    pen.shape([(-30, hy + 26), (-30, hy - 4)] + arc(0, hy - 4, 30, 29, 180, 360, 20)[1:] + [(30, hy + 26)], AUBURN)
    pen.shape(ellipse(0, hy, 24, 26), SKIN)
    fringe = arc(0, hy - 2, 25, 27, 188, 352, 16) + [(20, hy - 11), (-20, hy - 11)]
    pen.shape(fringe, AUBURN)
    pen.fill(ellipse(-12, hy + 13, 4.5, 2.5), (255, 170, 160))
    pen.fill(ellipse(12, hy + 13, 4.5, 2.5), (255, 170, 160))
    pen.line(arc(0, hy + 11, 7, 5, 20, 160, 10), INK, 2.2)
    pen.line(arc(0, hy + 2, 3.5, 3, 200, 340, 6), NAVY, 2.6)
    for sx in (-1, 1):
        pen.shape(ellipse(sx * 11, hy + 2, 9.5), NAVY)
        pen.fill(ellipse(sx * 11, hy + 2, 7), LENS)
        pen.dot(sx * 11, hy + 3, 2.8, INK)
        pen.line([(sx * 11 - 5, hy - 1), (sx * 11 - 2.5, hy - 3.5)], WHITE, 1.6)
    pen.line([(-20, hy + 1), (-25, hy - 1)], NAVY, 2.4)
    pen.line([(20, hy + 1), (25, hy - 1)], NAVY, 2.4)
    if with_tuba:
        pen.tube([(-18, -88), (-34, -70), (-20, -58)], TEAL, 10)
        tuba(pen.at(-34, -101, 2.1), hole=TEAL)
        pen.tube([(18, -88), (30, -72), (16, -66)], TEAL, 10)
        hand(pen, -18, -58, 6.5)
        hand(pen, 14, -66, 6.5)


def spiky_hair(pen, cx, cy, r, spikes=9):
    points = []
    for i in range(spikes + 1):
        a = math.radians(200 + 140 * i / spikes)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        if i < spikes:
            b = math.radians(200 + 140 * (i + 0.5) / spikes)
            rr = r * (1.55 if i % 2 == 0 else 1.45)
            points.append((cx + rr * math.cos(b), cy + rr * math.sin(b)))
    points += [(cx + r * 0.9, cy - r * 0.1), (cx - r * 0.9, cy - r * 0.1)]
    pen.shape(points, YELLOW)


def tobble(pen, arms='cheer'):
    """The prankster: spiky yellow hair, freckles, skateboard."""
    hy = -104
    for x in (-24, 24):
        pen.shape(rounded_rect(x - 6, 2, x + 6, 7, 2), GREY)
        pen.shape(ellipse(x, 13, 7), ORANGE)
        pen.fill(ellipse(x, 13, 2.6), GOLD_LIGHT)
    pen.tube([(-44, -6), (-38, 2), (38, 2), (44, -6)], GREEN, 7)
    pen.line([(-34, 0.5), (34, 0.5)], YELLOW, 2, caps=False)
    pen.shape([ellipse(-11, -6, 11, 6.5), ellipse(11, -6, 11, 6.5)], RED)
    pen.fill([rounded_rect(-22, -4, -1, -1.5, 1), rounded_rect(1, -4, 22, -1.5, 1)], WHITE)
    pen.tube([(-9, -34), (-10, -12)], SKIN, 8)
    pen.tube([(9, -34), (10, -12)], SKIN, 8)
    if arms == 'cheer':
        for sx in (-1, 1):
            pen.tube([(sx * 18, -78), (sx * 34, -96), (sx * 40, -122)], SKIN, 8)
            pen.tube([(sx * 18, -78), (sx * 28, -88)], RED, 12)
            hand(pen, sx * 40, -124, 7)
    elif arms == 'point_up':
        pen.tube([(-18, -78), (-30, -60), (-32, -44)], SKIN, 8)
        pen.tube([(-18, -78), (-26, -66)], RED, 12)
        hand(pen, -32, -42, 7)
        pen.tube([(18, -78), (34, -100), (40, -128)], SKIN, 8)
        pen.tube([(18, -78), (28, -90)], RED, 12)
        pen.shape([ellipse(40, -128, 7), capsule(41, -132, 44, -146, 2.6)], SKIN)
    pen.shape(rounded_rect(-19, -56, 19, -30, 5), SEA)
    pen.line([(0, -48), (0, -32)], NAVY, 1.8)
    pen.shape(rounded_rect(-20, -86, 20, -50, 8), RED)
    bolt = [(-6, -80), (4, -80), (0, -70), (6, -70), (-4, -56), (-1, -67), (-7, -67)]
    pen.shape(bolt, YELLOW, outline=pen.outline * 0.6)
    pen.shape(rounded_rect(-5, -90, 5, -80, 2), SKIN)
    spiky_hair(pen, 0, hy - 2, 25)
    pen.shape([ellipse(-23, hy + 3, 5, 7), ellipse(23, hy + 3, 5, 7)], SKIN)
    pen.shape(ellipse(0, hy, 23, 24), SKIN)
    pen.fill(arc(0, hy - 2, 23.5, 24.5, 190, 350, 12)
             + [(14, hy - 12), (6, hy - 7), (-3, hy - 12), (-12, hy - 7), (-20, hy - 11)], YELLOW)
    for sx in (-1, 1):
        pen.fill(ellipse(sx * 8, hy + 1, 3.6, 4.6), INK)
        pen.dot(sx * 8 + 1.2, hy - 0.6, 1.2, WHITE)
        for dx, dy in ((0, 0), (4, 2), (-3, 3)):
            pen.dot(sx * 13 + dx, hy + 9 + dy, 1.3, (206, 120, 70))
    pen.line([(-12, hy - 9), (-4, hy - 8)], INK, 2.2)
    pen.line([(4, hy - 10), (12, hy - 13)], INK, 2.2)
    pen.shape(arc(1, hy + 11, 11, 9, 0, 180, 14), MOUTH, outline=pen.outline * 0.6)
    pen.fill(rounded_rect(-6, hy + 11, 0, hy + 14.5, 1), WHITE)
    pen.fill(rounded_rect(2, hy + 11, 8, hy + 14.5, 1), WHITE)
    pen.fill(ellipse(1, hy + 17, 5, 2.2), TONGUE)


def pip(pen):
    """The baby: never says a word, never lets go of Sir Wobbleton, the rubber squid."""
    hy = -58
    pen.shape([ellipse(-14, -6, 9, 7), ellipse(14, -6, 9, 7)], YELLOW)
    pen.shape(ellipse(0, -24, 22, 21), YELLOW)
    pen.fill(ellipse(0, -18, 11, 10), (255, 236, 140))
    pen.tube([(-16, -32), (-24, -22), (-16, -16)], YELLOW, 9)
    hand(pen, -15, -16, 5.5)
    pen.shape([ellipse(-22, hy + 2, 4.5, 6), ellipse(22, hy + 2, 4.5, 6)], SKIN)
    pen.shape(ellipse(0, hy, 23, 21), SKIN)
    curl = []
    for t in range(15):
        r, a = 2 + t * 0.45, math.radians(-90 - 36 * t)
        curl.append((2 + r * math.cos(a), hy - 27 - r * math.sin(a) - t * 0.5))
    pen.tube(curl, GINGER, 3.4, outline=pen.outline * 0.6)
    for sx in (-1, 1):
        pen.fill(ellipse(sx * 8, hy - 1, 3.6, 4.4), INK)
        pen.dot(sx * 8 + 1.3, hy - 2.6, 1.4, WHITE)
        pen.fill(ellipse(sx * 14, hy + 7, 4, 2.5), (255, 160, 160))
    pen.shape(ellipse(0, hy + 11, 6, 4.2), TEAL_LIGHT, outline=pen.outline * 0.6)
    pen.shape(ellipse(0, hy + 11, 2.2), TEAL, outline=pen.outline * 0.5)
    pen.tube([(16, -32), (26, -30), (30, -26)], YELLOW, 9)
    squid(pen, 34, -34, 1.7, hat=True)
    hand(pen, 30, -24, 5.5)


def biscuit(pen):
    """Three-legged sheepdog, facing right."""
    fur, grey = (248, 246, 238), (170, 176, 192)
    pen.shape(capsule(-30, -34, -32, -6, 7.5), grey)
    pen.shape(capsule(-12, -34, -13, -6, 7.5), grey)
    pen.shape(capsule(26, -34, 28, -6, 7.5), fur)
    pen.shape([ellipse(-32, -5, 9.5, 5.5), ellipse(-13, -5, 9.5, 5.5), ellipse(29, -5, 9.5, 5.5)], fur)
    body = [ellipse(-2, -50, 42, 22)] + [ellipse(-42 + 14 * i, -68 + (3 if i % 2 else 0), 11) for i in range(6)] + \
        [ellipse(-46, -50, 11), ellipse(-40, -35, 11), ellipse(-20, -31, 11), ellipse(4, -31, 11), ellipse(26, -35, 11)]
    pen.shape(body, grey)
    with pen.clip(body) as inside:
        inside.fill(ellipse(34, -50, 30, 40), fur)
    pen.shape([ellipse(-52, -68, 8), ellipse(-56, -60, 7)], fur)
    hx, hy = 40, -78
    head = [ellipse(hx, hy, 23, 21)]
    head += [ellipse(hx + 22 * math.cos(math.radians(a)), hy + 20 * math.sin(math.radians(a)), 7)
             for a in range(0, 360, 40)]
    pen.shape(ellipse(hx - 16, hy + 4, 9, 17, turn=20), grey)
    pen.shape(head, fur)
    pen.shape(ellipse(hx + 22, hy + 12, 14, 11), fur)
    fringe = [(hx - 18, hy - 4), (hx - 14, hy - 20), (hx, hy - 27), (hx + 16, hy - 22), (hx + 24, hy - 8),
              (hx + 20, hy - 6), (hx + 18, hy + 1), (hx + 13, hy - 5), (hx + 8, hy + 2), (hx + 3, hy - 5),
              (hx - 2, hy + 2), (hx - 6, hy - 5), (hx - 12, hy)]
    pen.shape(fringe, grey)
    for x in (-10, -2, 6, 14):
        pen.line([(hx + x + 1, hy - 20), (hx + x, hy - 8)], (140, 146, 164), 1.6)
    pen.dot(hx + 13, hy + 4, 2.8, INK)
    pen.dot(hx + 14, hy + 3, 0.9, WHITE)
    pen.shape(ellipse(hx + 34, hy + 8, 7, 5.5), INK, outline=0)
    pen.fill(ellipse(hx + 32, hy + 6.5, 2.4, 1.4), (120, 120, 130))
    pen.shape(ellipse(hx + 26, hy + 27, 5.5, 8), TONGUE, outline=pen.outline * 0.7)
    pen.line([(hx + 26, hy + 22), (hx + 26, hy + 31)], (220, 80, 90), 1.2)
    pen.line(arc(hx + 24, hy + 14, 11, 7, 20, 160, 10), INK, 2)


def gull_wing(size):
    lead = bezier((2, -4), (0, -40), (-20, -66), (-56, -76), 16)
    trail = [(-48, -62), (-50, -54), (-40, -48), (-42, -38), (-32, -32), (-34, -22), (-24, -14), (-22, -2)]
    return [(x * size, y * size) for x, y in lead + trail]


def gerald_flying(pen):
    """Gerald the seagull mid-air, facing right, clutching the loot."""
    back = gull_wing(0.8)
    pen.at(8, -4).shape(back, GREY_DARK)
    with pen.at(8, -4).clip(back) as inside:
        inside.fill(ellipse(-52, -74, 22, 16, turn=30), INK)
    pen.shape([(-30, -4), (-52, -12), (-50, 6), (-28, 6)], WHITE)
    pen.fill([(-52, -12), (-50, 6), (-46, -3)], INK)
    pen.tube([(4, 12), (2, 26)], ORANGE, 3.5)
    pen.tube([(14, 12), (16, 26)], ORANGE, 3.5)
    pen.shape(ellipse(0, 0, 34, 17, turn=-10), WHITE)
    front = gull_wing(1.0)
    pen.at(-6, -2).shape(front, GREY)
    with pen.at(-6, -2).clip(front) as inside:
        inside.fill(ellipse(-56, -76, 24, 18, turn=30), INK)
        inside.line(bezier((-2, -16), (-4, -36), (-18, -56), (-40, -64), 10), (214, 218, 228), 3)
    pen.shape(ellipse(30, -18, 16, 15), WHITE)
    pen.shape([(38, -22), (64, -26), (44, -14)], YELLOW)
    pen.shape([(40, -12), (58, -2), (40, -6)], YELLOW)
    pen.fill([(42, -15), (52, -12), (42, -9)], RED)
    pen.line(arc(33, -22, 4.5, 3.5, 200, 340, 8), INK, 2.4)
    pen.line([(25, -33), (38, -28)], INK, 2.8)
    pen.fill(ellipse(24, -12, 2.5, 3.5), (140, 200, 255))
