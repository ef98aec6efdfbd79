# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Icon art: the question pages' 36 icons, the window icons and the application's icon, each drawn in a
32 x 32 box that the pen scales to any size. Some of it also turns up in the characters' hands."""

import math

from .palette import (
    BROWN, BROWN_DARK, CLEAR, CREAM, GINGER, GINGER_DARK, GOLD, GOLD_DARK, GOLD_LIGHT, GREEN, GREEN_DARK, GREY,
    GREY_DARK, GREY_LIGHT, INK, LENS, MOUTH, NAVY, ORANGE, PINK, PINK_LIGHT, PURPLE, PURPLE_DARK, PURPLE_LIGHT,
    RASPBERRY, RED, RED_DARK, SEA, SEA_LIGHT, SKIN, SKIN_ROSY, SKY, TEAL, TEAL_LIGHT, TONGUE, WHITE, WOOD, YELLOW,
    lerp, mix,
)
from .pen import Sheet
from .shapes import arc, band, bezier, capsule, ellipse, quad_bezier, rounded_rect, star_points


def gusset_icon(pen):
    pen.shape(ellipse(16, 35, 15, 9), NAVY)
    pen.fill(band(16, 35, 15, 9, 27.5, 29.5), WHITE)
    pen.fill(band(16, 35, 15, 9, 31.5, 33.5), WHITE)
    pen.shape([ellipse(3.6, 15.5, 2.6, 3.6), ellipse(28.4, 15.5, 2.6, 3.6)], SKIN)
    pen.shape(ellipse(16, 14, 12.6, 12.6), SKIN)
    pen.fill(ellipse(10.5, 6.2, 3.2, 1.6, turn=-28), (255, 240, 222))
    pen.line([(8.6, 9.8), (13.6, 9.0)], GINGER_DARK, 1.5)
    pen.line([(18.4, 9.0), (23.4, 9.8)], GINGER_DARK, 1.5)
    pen.shape([ellipse(12, 13, 2.4, 2.8), ellipse(20, 13, 2.4, 2.8)], WHITE, outline=0.7)
    pen.dot(12.5, 13.5, 1.25, INK)
    pen.dot(19.5, 13.5, 1.25, INK)
    pen.shape(ellipse(16, 24.2, 3.6, 2.2), MOUTH, outline=0.6)
    pen.fill(ellipse(16, 25.4, 2.0, 0.9), TONGUE)
    tips_l = capsule(5.5, 21.5, 2.6, 16.6, 1.7)
    tips_r = capsule(26.5, 21.5, 29.4, 16.6, 1.7)
    pen.shape([ellipse(10.6, 20.6, 6.6, 3.4, turn=14), ellipse(21.4, 20.6, 6.6, 3.4, turn=-14), tips_l, tips_r], GINGER)
    pen.line([(13, 19.6), (9.5, 21.5)], GINGER_DARK, 0.7)
    pen.line([(19, 19.6), (22.5, 21.5)], GINGER_DARK, 0.7)
    pen.shape(ellipse(16, 17.4, 3.4, 2.8), SKIN_ROSY, outline=0.9)
    pen.fill(ellipse(15, 16.6, 1.1, 0.7), (255, 214, 200))


def biscuit_icon(pen):
    fur, shade = (248, 246, 238), (176, 182, 198)
    pen.shape([ellipse(4.2, 17, 4, 8.5, turn=12), ellipse(27.8, 17, 4, 8.5, turn=-12)], shade)
    blobs = [ellipse(16, 17, 12, 12)]
    blobs += [ellipse(16 + 12 * math.cos(math.radians(a)), 17 + 11 * math.sin(math.radians(a)), 3.2)
              for a in range(0, 360, 40)]
    pen.shape(blobs, fur)
    fringe = [(4.5, 12), (7, 6.5), (11, 3.5), (16, 2.5), (21, 3.5), (25, 6.5), (27.5, 12), (25, 12), (24, 15.5),
              (21.5, 12.5), (19.5, 15.5), (17, 12.5), (14.5, 15.5), (12, 12.5), (10, 15.5), (8, 12.5)]
    pen.shape(fringe, shade, outline=0.8)
    for x in (9, 13, 17, 21):
        pen.line([(x + 1, 6), (x, 11)], (140, 146, 164), 0.6)
    pen.dot(21.3, 16.2, 1.3, INK)
    pen.dot(21.7, 15.8, 0.45, WHITE)
    pen.shape(ellipse(16, 27.3, 3.0, 3.4), TONGUE, outline=0.8)
    pen.line([(16, 25), (16, 28.5)], (220, 80, 90), 0.6)
    pen.line([(11.5, 23.5), (16, 25.4), (20.5, 23.5)], INK, 0.9)
    pen.shape(ellipse(16, 20.5, 4.0, 2.9), INK, outline=0.0)
    pen.fill(ellipse(14.8, 19.6, 1.2, 0.7), (120, 120, 130))


def pie(pen):
    for i in range(3):
        x = 11 + i * 5
        pen.line(quad_bezier((x, 9), (x - 2, 6), (x, 3)), GREY_DARK, 1.0)
    pen.shape([(4, 21), (28, 21), (25, 28.5), (7, 28.5)], (122, 178, 230))
    pen.fill([(5.5, 23.2), (26.5, 23.2), (26.2, 24.4), (5.8, 24.4)], (176, 214, 248))
    pen.shape(arc(16, 20, 13, 10, 180, 360) + [(29, 20)], (244, 186, 84))
    pen.line([(9, 19), (14, 12)], (206, 136, 50), 1.0)
    pen.line([(16, 19.5), (20, 11.5)], (206, 136, 50), 1.0)
    pen.line([(22.5, 19), (25, 15)], (206, 136, 50), 1.0)
    pen.fill([ellipse(11.5, 16, 1.5, 1.0), ellipse(18.2, 15.2, 1.5, 1.0), ellipse(23.5, 17.5, 1.3, 0.9)], RASPBERRY)
    pen.fill(ellipse(8, 15, 1.2, 0.8), YELLOW)
    pen.shape(rounded_rect(2, 19, 30, 22.6, 1.8), (236, 168, 70))
    for x in range(5, 29, 4):
        pen.line([(x, 20.8), (x + 1.5, 20.8)], (196, 124, 44), 0.7)


def tuba(pen, hole=CLEAR):
    pen.tube([(13, 18), (8, 14.5), (5, 10)], GOLD, 1.6)
    pen.shape(ellipse(5, 9.3, 2.1, 1.2), GREY, outline=0.8)
    pen.shape(ellipse(12.5, 21, 6.5, 7), GOLD)
    pen.fill(ellipse(12.5, 21, 3.4, 3.8), CLEAR)
    pen.shape(ellipse(12.5, 21, 3.4, 3.8), hole, outline=0.9)
    body = [(15, 12), (23, 12), (23, 25)] + arc(19.5, 25, 3.5, 3.5, 0, 180, 10) + [(16, 25)]
    pen.shape(body, GOLD)
    bell = [(14, 12.5), (24, 12.5), (30, 3), (8, 3)]
    pen.shape(bell, GOLD)
    pen.shape(ellipse(19, 3.4, 11, 2.6), GOLD_DARK, outline=1.0)
    pen.fill(ellipse(19, 3.6, 8.5, 1.5), (150, 96, 14))
    for x in (17, 19.6):
        pen.shape(rounded_rect(x - 0.9, 14, x + 0.9, 20, 0.5), GREY_LIGHT, outline=0.6)
        pen.shape(ellipse(x, 13.5, 1.3, 0.9), GREY_LIGHT, outline=0.6)
    pen.line([(21.6, 15), (21.6, 25)], GOLD_LIGHT, 1.0)
    pen.line([(10, 5), (24, 5.5)], GOLD_LIGHT, 0.8, caps=False)


def skateboard(pen):
    for cx in (9, 23):
        pen.shape(rounded_rect(cx - 2.8, 16.6, cx + 2.8, 19.2, 0.8), GREY, outline=0.8)
        pen.shape(ellipse(cx, 22, 3.3), ORANGE)
        pen.fill(ellipse(cx, 22, 1.2), GOLD_LIGHT)
    deck = [(2.5, 10), (5.5, 14.5), (9, 15.6), (23, 15.6), (26.5, 14.5), (29.5, 10)]
    pen.tube(deck, RED, 3.4)
    pen.line([(7, 14.3), (25, 14.3)], YELLOW, 0.9)
    pen.fill(star_points(16, 15.6, 2.2, 1.0), YELLOW)


def squid(pen, x=16, y=17.5, zoom=1.05, hat=False):
    """Sir Wobbleton, Pip's rubber squid; alone on an icon without his hat."""
    figure = pen.at(x, y, zoom)
    for dx, bend in ((-6, -2.5), (-3, 2), (0, -2), (3, 2), (6, 2.5)):
        figure.tube([(dx * 0.8, 2), (dx + bend, 7), (dx * 1.3 - bend * 0.6, 12)], PINK, 2.6)
    mantle = ([(0, -15)] + bezier((0, -15), (6, -12), (9, -5), (7, 3), 10)[1:]
              + bezier((-7, 3), (-9, -5), (-6, -12), (0, -15), 10)[1:-1])
    fins = [[(-5, -9), (-11, -11), (-7, -4)], [(5, -9), (11, -11), (7, -4)]]
    figure.shape(fins + [mantle], PINK)
    figure.fill(ellipse(-3, -9, 1.6, 2.6, turn=20), PINK_LIGHT)
    figure.shape([ellipse(-3.2, -1, 2.6, 3.0), ellipse(3.2, -1, 2.6, 3.0)], WHITE, outline=0.6)
    figure.dot(-2.8, -0.4, 1.3, INK)
    figure.dot(2.8, -0.4, 1.3, INK)
    if hat:
        figure.shape([(-6, -12.5), (6, -12.5), (5, -16), (-5, -16)], NAVY, outline=0.6)
        figure.shape(rounded_rect(-7, -13.2, 7, -11.4, 0.8), INK, outline=0)
        figure.fill(ellipse(0, -14.5, 1.1), GOLD)


def seagull(pen):
    """Gerald standing, facing right."""
    pen.tube([(13, 23), (12, 28.5)], ORANGE, 1.3)
    pen.tube([(17, 23), (18, 28.5)], ORANGE, 1.3)
    pen.shape([(10.5, 28.8), (14, 28.8), (12, 27)], ORANGE, outline=0.6)
    pen.shape([(16.5, 28.8), (20, 28.8), (18, 27)], ORANGE, outline=0.6)
    pen.shape([(3, 15), (8, 17), (6, 21)], INK, outline=0.6)
    pen.shape(ellipse(14, 19, 10, 6.5, turn=-8), WHITE)
    pen.shape([(7, 16.5), (19, 15.5), (17, 21), (5, 19.5)], GREY)
    pen.fill([(5, 19.5), (8, 18.5), (7.5, 20.3)], INK)
    pen.shape(ellipse(21, 10.5, 6.2, 5.8), WHITE)
    pen.shape([(25.5, 9.5), (31.5, 11.2), (25.8, 13)], YELLOW, outline=0.8)
    pen.dot(29.2, 11.4, 0.8, RED)
    pen.dot(22.2, 9.4, 1.4, INK)
    pen.dot(22.6, 9.0, 0.45, WHITE)
    pen.line([(19.5, 6.3), (24.5, 7.6)], INK, 1.0)


def ferry(pen):
    pen.shape(rounded_rect(17.5, 3, 22.5, 12, 0.6), YELLOW)
    pen.fill(rounded_rect(17.5, 3, 22.5, 5.5, 0.6), INK)
    pen.shape(rounded_rect(7.5, 11, 24.5, 18.5, 1.2), WHITE)
    for x in (10, 14, 18, 22):
        pen.dot(x, 14.6, 1.2, SKY)
    hull = [(1.5, 18), (30.5, 18), (26.5, 26), (5.5, 26)]
    pen.shape(hull, RED)
    pen.fill([(2.6, 20.2), (29.4, 20.2), (28.8, 21.5), (3.2, 21.5)], WHITE)
    waves = [(0, 27)] + [(x, 27 + 1.3 * math.sin(x * 0.9)) for x in range(1, 33)] + [(32, 31.5), (0, 31.5)]
    pen.shape(waves, SEA, outline=0.9)


def lighthouse(pen):
    pen.shape([(16, 7.5), (1.5, 3.5), (1.5, 11.5)], (255, 226, 60), outline=0.6)
    pen.shape([(16, 7.5), (30.5, 3.5), (30.5, 11.5)], (255, 226, 60), outline=0.6)
    pen.shape(ellipse(16, 29, 12, 3), GREY)
    tower = [(11.5, 11), (20.5, 11), (23, 29), (9, 29)]
    pen.shape(tower, WHITE)
    for y0 in (13.5, 21):
        y1 = y0 + 3.8
        xa, xb = lerp(11.5, 9, (y0 - 11) / 18), lerp(11.5, 9, (y1 - 11) / 18)
        pen.fill([(xa, y0), (32 - xa, y0), (32 - xb, y1), (xb, y1)], RED)
    pen.shape(rounded_rect(11, 6, 21, 11.5, 0.8), YELLOW)
    pen.line([(16, 6.5), (16, 11)], INK, 0.8)
    pen.shape([(9.5, 6.5), (22.5, 6.5), (16, 1.5)], RED_DARK)
    pen.shape(rounded_rect(14, 24, 18, 29, 1.6), BROWN_DARK, outline=0.6)


def van(pen):
    body = rounded_rect(2, 8, 30, 25, 4.5)
    pen.shape(body, PURPLE)
    with pen.clip(body) as inside:
        inside.fill(rounded_rect(0, 0, 32, 15.5, 0), PURPLE_LIGHT)
        inside.fill(rounded_rect(0, 15.5, 32, 17, 0), WHITE)
    for x0, x1 in ((5, 10.5), (12.5, 18)):
        pen.shape(rounded_rect(x0, 10.5, x1, 14.5, 1), LENS, outline=0.7)
    pen.shape([(21, 10.5), (26.5, 10.5), (29, 15), (21, 15)], LENS, outline=0.7)
    pen.shape(rounded_rect(28, 19, 31, 22, 0.8), YELLOW, outline=0.6)
    for cx in (8.5, 23.5):
        pen.shape(ellipse(cx, 25, 3.6), INK, outline=0.6)
        pen.fill(ellipse(cx, 25, 1.5), GREY)
    pen.fill([ellipse(15, 20.5, 1.2), ellipse(17.3, 20.5, 1.2), ellipse(16.1, 22.4, 1.2)], PURPLE_DARK)
    pen.line([(16.2, 19.3), (17, 18)], GREEN_DARK, 0.7)


def shed(pen):
    wall = rounded_rect(6, 13, 26, 29.5, 0.5)
    pen.shape(wall, WOOD)
    for x in (10, 14, 18, 22):
        pen.line([(x, 14), (x, 29)], (166, 104, 50), 0.6, caps=False)
    pen.shape(rounded_rect(12, 17.5, 20, 29.5, 0.6), BROWN)
    pen.dot(18.3, 23.6, 0.8, GOLD)
    pen.shape([(2.5, 14.5), (16, 5), (29.5, 14.5)], GREEN)
    pen.fill([(6, 13.3), (16, 6.8), (26, 13.3)], GREEN_DARK)
    pen.fill([(8.5, 13.2), (16, 8), (23.5, 13.2)], GREEN)
    pen.shape(rounded_rect(21, 3, 24, 9, 0.4), GREY_DARK, outline=0.8)
    pen.shape(star_points(27.5, 3.5, 3.4, 1.4, tips=6), ORANGE, outline=0.7)
    pen.fill(star_points(27.5, 3.5, 1.6, 0.7, tips=6), YELLOW)


def gravy(pen):
    pen.fill(ellipse(16, 29, 11, 1.6), (190, 194, 204))
    pen.tube([(23, 14), (29.5, 13.5), (29.5, 20), (23.5, 21)], WHITE, 1.8)
    boat = [(1.5, 11.5), (8, 14), (26, 13.5)] + bezier((26, 13.5), (26, 22), (22, 25.5), (16, 25.5), 10)[1:] + \
        bezier((16, 25.5), (10, 25.5), (6, 22), (5.5, 16), 10)[1:]
    pen.shape(boat, WHITE)
    pen.shape(rounded_rect(11, 25, 21, 28.5, 1.2), WHITE, outline=1.0)
    pen.fill([(6, 16.5), (25.6, 16.3), (25.3, 17.8), (6.2, 18)], SEA)
    pen.shape(ellipse(16.5, 13.8, 9.6, 1.7), BROWN, outline=0.7)
    pen.shape(capsule(4.5, 12.5, 4.5, 17, 1.0), BROWN, outline=0.6)
    pen.fill(ellipse(15, 13.4, 3, 0.5), (196, 132, 76))


def football(pen):
    ball = ellipse(16, 16, 13.5)
    pen.shape(ball, WHITE)
    with pen.clip(ball) as inside:
        inside.fill(star_points(16, 16, 4.6, 4.6 * 0.81, tips=5), INK)
        inside.fill(ellipse(16, 16, 4.4, steps=5, turn=-90), INK)
        for i in range(5):
            a = math.radians(-90 + 72 * i)
            inside.line([(16 + 4.4 * math.cos(a), 16 + 4.4 * math.sin(a)),
                         (16 + 10 * math.cos(a), 16 + 10 * math.sin(a))], INK, 0.9)
            inside.fill(ellipse(16 + 13.2 * math.cos(a), 16 + 13.2 * math.sin(a), 4.6, steps=5, turn=90 + 72 * i), INK)
    pen.fill(ellipse(11, 9.5, 2.2, 1.2, turn=-35), (255, 255, 255))


def bone(pen):
    a, b = (8, 24), (24, 8)
    bone = [capsule(a[0], a[1], b[0], b[1], 3.6)]
    for (cx, cy), sign in ((a, 1), (b, -1)):
        bone.append(ellipse(cx - 3.6 * sign, cy - 0.4 * sign + 0.0, 3.9))
        bone.append(ellipse(cx + 0.4 * sign, cy + 3.6 * sign, 3.9))
    pen.shape(bone, CREAM)
    pen.line([(11, 18.5), (18.5, 11)], (255, 255, 255), 1.2)


def bakery(pen):
    pen.shape(rounded_rect(3.5, 13, 28.5, 30, 0.5), CREAM)
    pen.shape(rounded_rect(6, 2.5, 26, 9, 1.5), BROWN)
    pen.shape(arc(16, 7.5, 4.2, 3.2, 180, 360, 12), (244, 186, 84), outline=0.6)
    awning = [(2, 9), (30, 9), (30.5, 14)]
    for i in range(7):
        x0 = 30.5 - i * 4.07
        awning += arc(x0 - 2.03, 14, 2.03, 1.8, 0, 180, 6)
    pen.shape(awning, WHITE)
    with pen.clip(awning) as inside:
        for i in range(7):
            if i % 2 == 0:
                inside.fill([(2 + i * 4, 8), (6 + i * 4, 8), (6.5 + i * 4, 17), (1.5 + i * 4, 17)], RED)
    pen.shape(rounded_rect(6, 18, 15, 26, 0.8), LENS)
    pen.shape(ellipse(10.5, 23.5, 3.3, 2.2), (236, 168, 70), outline=0.6)
    pen.line([(9, 22.8), (10, 22)], (196, 124, 44), 0.6)
    pen.line([(11, 22.8), (12, 22)], (196, 124, 44), 0.6)
    pen.shape(rounded_rect(18, 18, 25.5, 30, 0.8), TEAL)
    pen.dot(23.5, 24.5, 0.8, GOLD)


def glasses(pen):
    pen.tube([(3.5, 17), (1.8, 11)], NAVY, 1.4)
    pen.tube([(28.5, 17), (30.2, 11)], NAVY, 1.4)
    pen.tube(arc(16, 18.5, 3, 3, 200, 340, 8), NAVY, 1.6)
    for cx in (9, 23):
        pen.shape(ellipse(cx, 18, 7.2), NAVY)
        pen.fill(ellipse(cx, 18, 5.0), LENS)
        pen.line([(cx - 2.5, 16.5), (cx - 0.5, 14.5)], WHITE, 1.0)


def moustache(pen):
    pen.shape([ellipse(10.5, 17.5, 8.5, 5, turn=12), ellipse(21.5, 17.5, 8.5, 5, turn=-12),
               capsule(4, 19, 1.8, 12.5, 2.2), capsule(28, 19, 30.2, 12.5, 2.2)], GINGER)
    for x, dx in ((12.5, -4), (9, -3.5), (19.5, 4), (23, 3.5)):
        pen.line([(x, 15.5), (x + dx, 19.5)], GINGER_DARK, 0.8)
    pen.shape(ellipse(16, 12.5, 4.2, 3.4), SKIN_ROSY, outline=1.0)
    pen.fill(ellipse(14.8, 11.6, 1.3, 0.8), (255, 214, 200))


def letter(pen):
    envelope = rounded_rect(2.5, 8, 29.5, 26, 1.2)
    pen.shape(envelope, CREAM)
    pen.line([(3.5, 9.3), (16, 18.5), (28.5, 9.3)], INK, 1.0)
    pen.line([(3.5, 25), (12.5, 16.5)], (200, 186, 160), 0.7)
    pen.line([(28.5, 25), (19.5, 16.5)], (200, 186, 160), 0.7)
    pen.shape(rounded_rect(21.5, 2.5, 28, 9.5, 0.4), RED, outline=0.8)
    pen.fill(rounded_rect(23, 4, 26.5, 8, 0.3), WHITE)
    pen.dot(24.75, 6, 1.0, SEA)
    pen.shape(ellipse(16, 18.5, 2.6), RED_DARK, outline=0.7)


def poodle(pen):
    pink, deep = (255, 176, 210), (240, 122, 172)
    pen.shape([ellipse(16, 5.5, 5.5, 4.5), ellipse(5, 18, 4.6, 7), ellipse(27, 18, 4.6, 7)], deep)
    for cx, cy in ((5, 13), (5, 22), (27, 13), (27, 22)):
        pen.fill(ellipse(cx, cy, 3.3), (250, 150, 192))
    pen.shape(ellipse(16, 16, 9, 9.5), pink)
    pen.shape(ellipse(16, 22.5, 5.2, 4.2), pink)
    pen.shape(ellipse(16, 20.2, 2.2, 1.6), INK, outline=0)
    pen.line(arc(12, 14.5, 2, 1.6, 20, 160, 8), INK, 0.9)
    pen.line(arc(20, 14.5, 2, 1.6, 20, 160, 8), INK, 0.9)
    pen.line([(16, 22), (16, 24.5)], INK, 0.7)
    pen.shape([(9, 28), (16, 26.5), (23, 28), (23, 30.5), (16, 29.5), (9, 30.5)], SEA, outline=0.8)
    pen.shape([(13, 3.5), (16, 5.5), (19, 3.5), (19, 7.5), (16, 5.5), (13, 7.5)], RED, outline=0.7)


def pier(pen):
    for x in (5, 12, 19, 26):
        pen.shape(rounded_rect(x - 1.2, 15, x + 1.2, 28, 0.5), BROWN_DARK, outline=0.8)
    pen.shape(rounded_rect(1.5, 13, 30.5, 16.5, 0.8), WOOD)
    for x in range(4, 30, 4):
        pen.line([(x, 13.6), (x, 16)], (166, 104, 50), 0.5, caps=False)
    pen.line([(2.5, 8.5), (29.5, 8.5)], WHITE, 1.1)
    pen.line([(2.5, 8.5), (29.5, 8.5)], INK, 0.5)
    for x in (3, 9.5, 16, 22.5, 29):
        pen.tube([(x, 8.5), (x, 13)], WHITE, 0.9, outline=0.6)
    pen.shape(rounded_rect(26, 1.5, 28, 8.5, 0.4), GREY_DARK, outline=0.6)
    pen.shape([(28, 1.5), (31.5, 3), (28, 4.5)], RED, outline=0.6)
    waves = [(0, 22)] + [(x * 0.5, 22 + 1.2 * math.sin(x * 0.5)) for x in range(1, 65)] + [(32, 31), (0, 31)]
    with pen.clip(rounded_rect(0, 0, 32, 32, 0)) as inside:
        inside.fill(waves, (60, 150, 220, 200))
    pen.line([(x * 0.5, 22 + 1.2 * math.sin(x * 0.5)) for x in range(0, 65)], WHITE, 0.9)
    pen.line([(x * 0.5, 22 + 1.2 * math.sin(x * 0.5)) for x in range(0, 65)], INK, 0.5)


def island(pen):
    pen.shape(ellipse(16, 25.5, 15, 5), SEA)
    pen.fill(ellipse(16, 26.2, 12.5, 3.4), SEA_LIGHT)
    pen.shape(arc(15, 25, 10, 6.5, 180, 360, 20) + [(25, 25)], (236, 206, 130))
    pen.tube(quad_bezier((14, 22), (13, 14), (17.5, 8)), BROWN, 1.8)
    for a in (200, 240, 290, 330, 20):
        t = math.radians(a)
        pen.tube(quad_bezier((17.5, 8), (17.5 + 5 * math.cos(t), 5 + 3 * math.sin(t)),
                             (17.5 + 9 * math.cos(t), 8.5 + 6 * math.sin(t) + 2)), GREEN, 2.0)
    pen.dot(16.3, 9.8, 1.2, BROWN_DARK)
    pen.dot(18.5, 10.2, 1.2, BROWN_DARK)
    pen.line([(3, 27.5), (6, 27.5)], WHITE, 0.7)
    pen.line([(26, 28.5), (29, 28.5)], WHITE, 0.7)


def crown(pen):
    crown = [(4.5, 27), (27.5, 27), (28.5, 10), (22, 17), (16, 6.5), (10, 17), (3.5, 10)]
    pen.shape(crown, GOLD)
    pen.shape(rounded_rect(4, 22, 28, 27.5, 1), GOLD_DARK, outline=0.9)
    for cx, colour in ((10, RED), (16, SEA), (22, RED)):
        pen.shape(ellipse(cx, 24.7, 1.6), colour, outline=0.6)
    for cx, cy in ((3.5, 10), (16, 6.5), (28.5, 10)):
        pen.shape(ellipse(cx, cy, 2.0), GOLD_LIGHT, outline=0.8)
    pen.fill(ellipse(16, 15.5, 1.8, 2.6), RED)
    pen.line([(9, 20), (14, 12.5)], GOLD_LIGHT, 0.8)


def sandwich(pen):
    """A triangle sandwich, cut edge to the right (Gerald's favourite)."""
    crust, bread = (214, 150, 70), (255, 244, 214)
    pen.shape([(5, 3), (5, 27), (29, 27)], crust)
    cut_edge = [(6.5 + i * 1.5, 4 + i * 1.5 * 23 / 22.5) for i in range(16)]
    pen.tube([(x + 2.8, y - 1.6) for x, y in cut_edge], GREEN, 3.0)
    for i in range(0, 16, 4):
        x, y = cut_edge[i]
        pen.shape(ellipse(x + 1.8, y - 0.6, 2.2, 1.4, turn=45), RED, outline=0.7)
    pen.tube([(x + 1.2, y - 0.6) for x, y in cut_edge], YELLOW, 1.8, outline=0.7)
    pen.shape([(3, 4.5), (3, 28.5), (27.5, 28.5)], crust)
    pen.fill([(5.2, 10), (5.2, 26.4), (21.2, 26.4)], bread)
    pen.fill([ellipse(8, 20, 0.7, 0.4), ellipse(10, 24, 0.7, 0.4), ellipse(7, 15, 0.7, 0.4)], (230, 214, 180))


def rocket(pen):
    tilted = pen.at(16, 16, 1.0, turn=40)
    tilted.shape([(-3, 9), (3, 9), (1.8, 13.5), (0, 16.5), (-1.8, 13.5)], ORANGE, outline=0.8)
    tilted.fill([(-1.6, 9), (1.6, 9), (0, 14)], YELLOW)
    tilted.shape([[(-5, 3), (-10, 10), (-10, 12), (-4.5, 9)], [(5, 3), (10, 10), (10, 12), (4.5, 9)]], RED)
    body = (bezier((0, -15), (7, -10), (6.5, 0), (4.5, 9.5), 14)
            + bezier((-4.5, 9.5), (-6.5, 0), (-7, -10), (0, -15), 14)[:-1])
    tilted.shape(body, GREY_LIGHT)
    with tilted.clip(body) as inside:
        inside.fill(rounded_rect(-8, -16, 8, -8.5, 0), RED)
        inside.fill(rounded_rect(-8, 6.5, 8, 8.5, 0), RED)
    tilted.shape(ellipse(0, -2, 3.2), SEA)
    tilted.fill(ellipse(-1, -3, 1.1), SEA_LIGHT)
    tilted.shape(capsule(0, 1, 0, 12.5, 1.3), RED, outline=0.7)


def sock(pen):
    sock = [(8.5, 2), (19.5, 2), (19.5, 16)] + bezier((19.5, 16), (26, 17), (30.5, 19), (30, 24), 10)[1:] + \
        bezier((30, 24), (29.5, 29.5), (22, 29.5), (15, 29.5), 10)[1:] + \
        bezier((15, 29.5), (8, 29.5), (6.5, 24), (8.5, 19), 10)[1:]
    pen.shape(sock, RED)
    with pen.clip(sock) as inside:
        for y in (7.5, 13.5):
            inside.fill([(0, y), (32, y), (32, y + 3), (0, y + 3)], YELLOW)
        inside.fill(ellipse(27, 25, 5, 5.5), YELLOW)
        inside.fill(ellipse(11.5, 26, 4.5, 4.5), YELLOW)
        inside.fill([(0, 19.5), (32, 19.5), (32, 21.5), (0, 21.5)], WHITE)
    pen.shape(rounded_rect(7.5, 1.5, 20.5, 5.5, 1), WHITE)
    for x in (10, 12.5, 15, 17.5):
        pen.line([(x, 2.5), (x, 4.5)], GREY, 0.6)


def cannon(pen):
    pen.shape(ellipse(29, 5, 2.5, 2.2), BROWN, outline=0.8)
    pen.shape(ellipse(25.5, 2.8, 1.3), BROWN, outline=0.6)
    pen.shape(ellipse(30, 9.5, 1.2), BROWN, outline=0.6)
    barrel = [(4, 17.5), (8, 24.5), (26.5, 13), (23.5, 7.5)]
    pen.shape(barrel, GREY_DARK)
    pen.shape(ellipse(4.8, 21, 3.4, 4.2, turn=-30), GREY_DARK)
    pen.shape(ellipse(25.2, 10.3, 2.8, 3.8, turn=-30), (70, 72, 84))
    pen.fill(ellipse(25.4, 10.1, 1.5, 2.3, turn=-30), BROWN_DARK)
    pen.line([(8, 17.5), (22, 9.2)], (150, 154, 170), 1.0)
    pen.shape(ellipse(13, 24, 6.3), WOOD)
    for a in range(0, 180, 45):
        t = math.radians(a)
        dx, dy = 5 * math.cos(t), 5 * math.sin(t)
        pen.line([(13 - dx, 24 - dy), (13 + dx, 24 + dy)], BROWN_DARK, 0.8)
    pen.shape(ellipse(13, 24, 1.6), GOLD, outline=0.6)


def trophy(pen):
    pen.tube(arc(7.5, 10.5, 4.5, 5, 90, 270, 12), GOLD, 1.9)
    pen.tube(arc(24.5, 10.5, 4.5, 5, -90, 90, 12), GOLD, 1.9)
    pen.shape(rounded_rect(9, 25.5, 23, 30.5, 1), BROWN)
    pen.fill(rounded_rect(12.5, 27, 19.5, 29, 0.4), GOLD_LIGHT)
    pen.shape([(14, 18), (18, 18), (19.5, 26), (12.5, 26)], GOLD)
    cup = [(6.5, 4), (25.5, 4)] + arc(16, 5, 9.5, 15, 0, 180, 20)[1:-1]
    pen.shape(cup, GOLD)
    pen.shape(ellipse(16, 4, 9.5, 1.8), GOLD_DARK)
    pen.fill(star_points(16, 11, 3.8, 1.7), GOLD_LIGHT)
    pen.line([(9.5, 7.5), (10.5, 13)], GOLD_LIGHT, 1.0)


def chain(pen):
    points = arc(16, 4, 12.5, 15, 5, 175, 15)
    for i, (x, y) in enumerate(points):
        if i % 2 == 0:
            pen.shape(ellipse(x, y, 2.3, 1.6, turn=i * 12), GOLD, outline=0.8)
        else:
            pen.shape(ellipse(x, y, 1.5, 2.3, turn=i * 12), GOLD_DARK, outline=0.8)
    pen.shape(star_points(16, 23, 8.5, 6.5, tips=10, turn=-90), GOLD)
    pen.shape(ellipse(16, 23, 5), RED, outline=0.8)
    pen.fill(star_points(16, 23, 3.5, 1.5), GOLD_LIGHT)


def cup(pen):
    for x in (11.5, 17.5):
        pen.line(quad_bezier((x, 9), (x + 2.2, 6), (x, 2.5)), GREY_DARK, 1.0)
    pen.shape(ellipse(16, 28.5, 13.5, 3), WHITE)
    pen.fill(ellipse(16, 28.2, 8, 1.5), GREY_LIGHT)
    pen.tube(arc(23.5, 18, 5, 5, -80, 80, 12), WHITE, 2.2)
    mug = [(6, 11), (26, 11), (25, 26)] + arc(16, 26, 9, 2.2, 0, 180, 10)[1:-1] + [(7, 26)]
    pen.shape(mug, WHITE)
    with pen.clip(mug) as inside:
        inside.fill(rounded_rect(0, 17, 32, 21, 0), RED)
    pen.shape(ellipse(16, 11, 10, 2.3), BROWN_DARK, outline=0.9)
    pen.fill(ellipse(14, 10.6, 3, 0.6), BROWN)


def bell(pen):
    for s in (1, -1):
        pen.line(arc(16 + s * 2, 17, 12.5, 11, (-30 if s > 0 else 150), (5 if s > 0 else 185), 6), GREY_DARK, 1.0)
    pen.shape(capsule(16, 3, 16, 10, 2.6), BROWN)
    pen.fill(ellipse(15.2, 5, 0.8, 1.6), WOOD)
    bell = [(12, 10), (20, 10)] + bezier((20, 10), (21, 16), (22, 21), (27, 25), 10)[1:] + \
        [(5, 25)] + bezier((5, 25), (10, 21), (11, 16), (12, 10), 10)[1:-1]
    pen.shape(bell, GOLD)
    pen.shape(ellipse(16, 25.2, 11.5, 2.6), GOLD_DARK)
    pen.shape(ellipse(16, 28, 2.3), GREY_DARK, outline=0.8)
    pen.line([(14, 13), (12.5, 21)], GOLD_LIGHT, 1.0)


def umbrella(pen):
    tilted = pen.at(16, 16, 1.0, turn=22)
    tilted.tube([(0, -8), (0, 9)] + arc(-2.6, 9, 2.6, 2.6, 0, 180, 8)[1:], BROWN_DARK, 1.4)
    canopy = arc(0, -5, 13, 9, 180, 360, 24)
    for i in range(4):
        x0 = 13 - i * 6.5
        canopy += arc(x0 - 3.25, -5, 3.25, 1.8, 0, -180, 6)[1:]
    tilted.shape(canopy, RED)
    with tilted.clip(canopy) as inside:
        inside.fill([(0, -15), (-6.5, -4), (0, -2)], YELLOW)
        inside.fill([(0, -15), (13, -4), (6.5, -2)], YELLOW)
    tilted.shape(ellipse(0, -14.6, 1.2), GOLD, outline=0.6)
    for y, x0 in ((9, 1), (15, 3), (21, 1)):
        pen.line([(x0, y), (x0 + 6, y)] + arc(x0 + 6, y - 1.8, 1.8, 1.8, 90, -90, 8)[1:], (60, 130, 210), 1.0)


def anchor(pen):
    steel, rope = (84, 108, 146), (224, 188, 120)
    pen.tube(arc(16, 16, 11, 9, 15, 165, 16), steel, 2.8)
    pen.shape([[(3.5, 17.5), (8, 20), (3, 23)], [(28.5, 17.5), (24, 20), (29, 23)]], steel)
    pen.tube([(16, 7), (16, 25)], steel, 3.0)
    pen.tube([(10, 10.5), (22, 10.5)], steel, 2.4)
    pen.shape(ellipse(16, 4.5, 3.3), steel)
    pen.fill(ellipse(16, 4.5, 1.5), CLEAR)
    pen.shape(ellipse(16, 4.5, 1.5), CLEAR, outline=0.7)
    pen.line([(14.8, 9), (14.8, 23)], (150, 176, 210), 0.8)
    pen.line(quad_bezier((17.5, 5), (25, 8), (21, 14)), rope, 1.0)


def fish(pen):
    pen.shape([(9.5, 16), (2, 8.5), (4.5, 16), (2, 23.5)], ORANGE)
    pen.shape([(12, 10), (17, 4.5), (21, 10)], ORANGE)
    body = ellipse(17, 16, 12, 7.6)
    pen.shape(body, ORANGE)
    with pen.clip(body) as inside:
        for x in (13, 18):
            inside.fill(rounded_rect(x, 0, x + 2, 32, 0), WHITE)
        inside.fill(ellipse(18, 21, 11, 3), (255, 196, 110))
    pen.shape(ellipse(24, 13.5, 2.5), WHITE, outline=0.6)
    pen.dot(24.5, 13.6, 1.2, INK)
    pen.line(arc(27.5, 18, 1.8, 1.5, 100, 200, 6), INK, 0.8)
    pen.shape(ellipse(28, 4.5, 1.6), SEA_LIGHT, outline=0.6)
    pen.shape(ellipse(30, 9, 1.0), SEA_LIGHT, outline=0.5)


def star(pen):
    pen.shape(star_points(16, 17, 15, 6.8), YELLOW)
    pen.fill(star_points(14.6, 15.8, 8, 3.6), (255, 236, 120))
    pen.fill([ellipse(13, 16.5, 1.1, 1.6), ellipse(19, 16.5, 1.1, 1.6)], INK)
    pen.line(arc(16, 19.5, 2.6, 1.8, 20, 160, 8), INK, 0.9)
    pen.fill([ellipse(10.5, 19.5, 1.4, 0.8), ellipse(21.5, 19.5, 1.4, 0.8)], (255, 150, 120))


def question(pen):
    pen.shape(ellipse(16, 16, 14), TEAL)
    pen.fill(ellipse(12, 9, 5, 3, turn=-30), TEAL_LIGHT)
    pen.text(16, 17, '?', 24, WHITE, stroke=1.6)


def ghost(pen):
    body = bezier((4, 29), (4, 14), (5, 2.5), (16, 2.5), 14) + bezier((16, 2.5), (27, 2.5), (28, 14), (28, 29), 14)[1:]
    for i in range(4):
        x0 = 28 - i * 6
        body += arc(x0 - 3, 29, 3, 2.2, 0, 180 if i % 2 == 0 else -180, 8)[1:]
    pen.shape([capsule(5, 17, 1.5, 13, 1.6), capsule(27, 17, 30.5, 13, 1.6)], (240, 246, 255))
    pen.shape(body, (240, 246, 255))
    pen.fill(ellipse(10.5, 10, 2, 3, turn=20), WHITE)
    pen.fill([ellipse(12.5, 13, 1.8, 2.6), ellipse(19.5, 13, 1.8, 2.6)], INK)
    pen.fill(ellipse(16, 20, 2.2, 2.8), INK)
    pen.fill([ellipse(9.5, 17, 1.6, 0.9), ellipse(22.5, 17, 1.6, 0.9)], (255, 190, 210))


def pudding(pen):
    pen.shape(ellipse(16, 27.5, 14, 3.2), WHITE)
    pudding = arc(16, 26, 12.5, 20, 180, 360, 24) + arc(16, 26, 12.5, 2.5, 0, 180, 10)[1:-1]
    pen.shape(pudding, BROWN)
    for x, y in ((9, 20), (14, 23), (20, 19), (23, 23.5), (16, 17.5), (6.5, 24)):
        pen.fill(ellipse(x, y, 1.1, 0.9), BROWN_DARK)
    custard = [(4.5, 12.5)] + arc(16, 12, 11.5, 7, 180, 360, 18)[1:] + \
        [(27.5, 13), (26, 16), (24.5, 14), (22, 18), (19.5, 14.5), (16, 17), (12.5, 14.5),
         (10, 18.5), (7.5, 14), (5, 16)]
    pen.shape(custard, (255, 232, 140))
    pen.shape([ellipse(12.5, 6, 4, 2, turn=-25), ellipse(19.5, 6, 4, 2, turn=25)], GREEN)
    pen.shape([ellipse(15, 5.5, 1.5), ellipse(17.5, 5.8, 1.5), ellipse(16.2, 3.6, 1.5)], RED, outline=0.7)


def kelp(pen):
    pen.shape([ellipse(16, 28.5, 12, 3.5)], GREY)
    fronds = [((16, 28), (12, 18), (20, 10), (16, 2), GREEN),
              ((11, 28), (5, 22), (10, 14), (5, 7), (70, 160, 90)),
              ((21, 28), (27, 22), (22, 15), (27, 9), (110, 190, 70))]
    for a, b, c, d, colour in fronds:
        points = bezier(a, b, c, d, 18)
        pen.tube(points, colour, 3.2)
        pen.line(points[2:-2], mix(colour, (255, 255, 255), 0.35), 0.8)
    for x, y, r in ((24, 4, 1.6), (27.5, 1.8, 1.0), (8, 3, 1.2)):
        pen.shape(ellipse(x, y, r), SEA_LIGHT, outline=0.5)


def box_question(pen):
    """The Help box's question: a speech balloon asking."""
    pen.shape([ellipse(16, 13.5, 14.5, 11.5), [(7, 20), (5, 30.5), (15.5, 24)]], WHITE)
    pen.text(16, 14, '?', 20, NAVY, stroke=1.0)


QUESTION_ICONS = [
    pie, tuba, skateboard, squid, seagull, ferry, lighthouse, van,
    shed, gravy, football, bone, bakery, glasses, moustache, letter,
    poodle, pier, island, crown, sandwich, rocket, sock, cannon,
    trophy, chain, cup, bell, umbrella, anchor, fish, star,
    question, ghost, pudding, kelp,
]


def render_icon(draw, size):
    sheet = Sheet((size, size), 8 if size <= 32 else 4)
    draw(sheet.pen(1.25 * size / 32.0, zoom=size / 32.0))
    return sheet.finished()
