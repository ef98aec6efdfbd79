# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The screens' pictures: the title banner and its two family groups, the menu's heading, the arrows, and the
three result pictures. Each draws on a Sheet, in pixels of the picture at 1x."""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

from .characters import biscuit, gerald_flying, gusset, marigold, pip, tobble, wren
from .icons import sandwich, star
from .palette import (
    CLEAR, GINGER, GOLD_LIGHT, GREEN, GREEN_DARK, INK, ORANGE, PINK, PURPLE, PURPLE_LIGHT, RASPBERRY, RED, SEA,
    SEA_LIGHT, TEAL, WHITE, WINDOW_GREY, YELLOW, mix,
)
from .pen import load_font
from .shapes import arc, ellipse, rotated, rounded_rect, star_points

# The title screen's text lies behind the banner from this row down, so it stays see-through there.
BANNER_CLEAR_Y = 134
# The result screens print the score over these boxes (picture pixels, inclusive), behind the picture: they stay
# see-through, with a small margin.
RESULT_TOP_TEXT = (20, 126, 252, 171)
RESULT_WIDE_TEXT = (100, 150, 320, 195)
TEXT_MARGIN = 2
# The result windows' heading hides the rows from 214 down and the window edge cuts the wide pictures from
# column 380, so these stay see-through.
RESULT_WIDE_CLEAR_Y = 212
RESULT_WIDE_CLEAR_X = 378


def fancy_text(sheet, cx, cy, text, px, colours, tilt, bounce, stroke, shadow, highlight=True):
    """Playful logo lettering: each letter its own colour, tilt and hop."""
    fine = sheet.fine
    font = load_font(int(px * fine))
    stroke_width = int(round(stroke * fine))
    widths = [font.getlength(letter) for letter in text]
    x = cx * fine - sum(widths) / 2.0
    coloured = 0
    for i, letter in enumerate(text):
        width = widths[i]
        if letter != ' ':
            colour = colours[coloured % len(colours)]
            coloured += 1
            pad = int(px * fine * 0.6) + stroke_width * 2
            size = (int(width) + pad * 2, int(px * fine * 1.4) + pad * 2)
            middle = (size[0] / 2.0, size[1] / 2.0)
            glyph = Image.new('L', size, 0)
            ImageDraw.Draw(glyph).text(middle, letter, font=font, fill=255, anchor='mm')
            outer = Image.new('L', size, 0)
            ImageDraw.Draw(outer).text(middle, letter, font=font, fill=255, anchor='mm', stroke_width=stroke_width,
                                       stroke_fill=255)
            tile = Image.new('RGBA', size, CLEAR)
            ink = Image.new('RGBA', size, INK + (255,))
            tile.paste(ink, (int(shadow[0] * fine), int(shadow[1] * fine)), outer)
            tile.paste(ink, (0, 0), outer)
            tile.paste(Image.new('RGBA', size, colour + (255,)), (0, 0), glyph)
            box = glyph.getbbox()
            if highlight and box:
                top = Image.new('L', size, 0)
                ImageDraw.Draw(top).rectangle((0, 0, size[0], box[1] + (box[3] - box[1]) * 0.38), fill=255)
                shifted = Image.new('L', size, 0)
                shifted.paste(glyph, (0, int(fine * 2)))
                shine = ImageChops.multiply(ImageChops.multiply(glyph, top), shifted)
                tile.paste(Image.new('RGBA', size, mix(colour, WHITE, 0.45) + (255,)), (0, 0), shine)
            tile = tile.rotate(tilt * (1 if i % 2 == 0 else -1), resample=Image.BICUBIC, expand=False)
            hop = bounce * fine * (-1 if i % 2 == 0 else 1)
            sheet.image.alpha_composite(tile, (int(x + width / 2 - size[0] / 2), int(cy * fine + hop - size[1] / 2)))
        x += width


def sea_strip(pen, x0, x1, y, height, phase=0.0):
    top = [(x0 + (x1 - x0) * i / 80.0, y + 2.2 * math.sin(phase + i * 0.55)) for i in range(81)]
    pen.shape(top + [(x1, y + height), (x0, y + height)], SEA)
    pen.line([(x, wave_y + 4) for x, wave_y in top[2:-2]], SEA_LIGHT, 1.6)


def cloud(pen, cx, cy, zoom, colour=WHITE):
    puffs = [ellipse(-18, 2, 14, 11), ellipse(0, -6, 17, 15), ellipse(18, 2, 13, 10), rounded_rect(-30, 0, 30, 13, 6)]
    pen.at(cx, cy, zoom).shape(puffs, colour)


def banner(sheet):
    pen = sheet.pen(2.2)
    # The top of this picture hides behind the window edge: only sky up there.
    cloud(pen, 110, 34, 0.8)
    cloud(pen, 226, 22, 0.6)
    gerald_flying(pen.at(322, 42, 0.5))
    sandwich(pen.at(322 - 6, 42 + 10, 0.6))
    with pen.clip(rounded_rect(10, 95, 374, BANNER_CLEAR_Y - 2, 10)) as inside:
        sea_strip(inside, 10, 374, 113, 40)
    badge = pen.at(52, 75, 0.8, turn=-8)
    badge.shape(rounded_rect(-32, -14, 32, 14, 8), RED)
    badge.text(0, 1, 'The', 22, WHITE, stroke=1.6)
    fancy_text(sheet, 208, 98, 'Pelmaroos', 52,
               [GINGER, PURPLE, YELLOW, TEAL, RASPBERRY, SEA, GREEN, ORANGE, PURPLE_LIGHT],
               tilt=5, bounce=3.0, stroke=3.6, shadow=(2.2, 3.0))


def ground_shadow(pen, x, y, rx):
    pen.fill(ellipse(x, y, rx, rx * 0.16), (212, 212, 218))


def title_left(sheet):
    pen = sheet.pen(2.2)
    ground_shadow(pen, 178, 252, 60)
    ground_shadow(pen, 262, 254, 48)
    gerald_flying(pen.at(278, 44, 0.62))
    sandwich(pen.at(278 - 10, 44 + 12, 0.8))
    gusset(pen.at(176, 250, 1.0), 'wave')
    tobble(pen.at(262, 240, 0.92), 'point_up')


def title_right(sheet):
    pen = sheet.pen(2.2)
    ground_shadow(pen, 150, 253, 48)
    ground_shadow(pen, 72, 254, 38)
    ground_shadow(pen, 212, 254, 34)
    marigold(pen.at(150, 252, 0.85))
    wren(pen.at(72, 252, 0.98))
    pip(pen.at(200, 253, 0.9))


def menu_title(sheet):
    pen = sheet.pen(1.8)
    sea_strip(pen, 34, 226, 74, 12, 1.0)
    fancy_text(sheet, 130, 48, 'Pick a Level!', 30,
               [PURPLE, GINGER, TEAL, RASPBERRY, SEA, GREEN, ORANGE, PURPLE_LIGHT, RED, YELLOW],
               tilt=5, bounce=2.5, stroke=3.2, shadow=(1.8, 2.6))
    star(pen.at(1, 30, 0.62))
    star(pen.at(240, 30, 0.62))


def arrow(sheet, pointing_left):
    sheet.image.paste(WINDOW_GREY + (255,), (0, 0) + sheet.image.size)
    pen = sheet.pen(1.8).at(25, 18, 1.0, flip=pointing_left)
    outline = [(-19, -6), (2, -6), (2, -15), (21, 0), (2, 15), (2, 6), (-19, 6)]
    pen.at(1.5, 2).fill(outline, (196, 196, 202))
    pen.shape(outline, ORANGE)
    pen.fill([(-16, -3.5), (4, -3.5), (4, -10), (15.5, -1), (-16, -1)], (255, 196, 110))


def add_figures(sheet, figures, colour=(255, 252, 236)):
    """Lays the figures over the scenery with a light rim, so dark outlines still read on the black screens."""
    fine = sheet.fine
    rim_alpha = figures.image.getchannel('A').filter(ImageFilter.GaussianBlur(2.4 * fine / 1.4))
    rim_alpha = rim_alpha.point(lambda v: 255 if v > 20 else 0).filter(ImageFilter.GaussianBlur(fine * 0.5))
    rim = Image.new('RGBA', figures.image.size, colour + (0,))
    rim.putalpha(rim_alpha)
    rim.alpha_composite(figures.image)
    sheet.image.alpha_composite(rim)


def text_area(box):
    """The rectangle (left, top, right, bottom; right and bottom excluded) round a text box and its margin."""
    x0, y0, x1, y1 = box
    return x0 - TEXT_MARGIN, y0 - TEXT_MARGIN, x1 + TEXT_MARGIN + 1, y1 + TEXT_MARGIN + 1


def scatter(rng, area, box, r, count):
    """count random points in area, none where a blob of radius r would touch the text box or its margin."""
    x0, y0, x1, y1 = area
    left, top, right, bottom = box
    keep_off = TEXT_MARGIN + r
    points = []
    while len(points) < count:
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        if x < left - keep_off or x > right + keep_off or y < top - keep_off or y > bottom + keep_off:
            points.append((x, y))
    return points


def confetti(pen, rng, points):
    colours = [RED, YELLOW, TEAL, PINK, GREEN, ORANGE, PURPLE_LIGHT, SEA_LIGHT, WHITE]
    for x, y in points:
        colour = rng.choice(colours)
        if rng.random() < 0.3:
            pen.fill(star_points(x, y, 4.5, 2), colour)
        else:
            pen.fill(rotated(rounded_rect(x - 3, y - 1.6, x + 3, y + 1.6, 0.6), x, y, rng.uniform(0, 180)), colour)


def result_top(sheet):
    # The family cheers in the strip above the score; the window edge hides up to 56 rows at the top, so the
    # faces sit lower than that.
    rng = random.Random(7101)
    confetti(sheet.pen(0), rng, scatter(rng, (4, 4, 252, 120), RESULT_TOP_TEXT, 6, 48)
             + scatter(rng, (6, 178, 250, 188), RESULT_TOP_TEXT, 6, 16))
    figures = sheet.layer()
    pen = figures.pen(1.3)
    tobble(pen.at(26, 111, 0.3), 'cheer')
    wren(pen.at(70, 118, 0.32, flip=True), with_tuba=False)
    marigold(pen.at(228, 118, 0.28), holding='wave')
    gusset(pen.at(122, 118, 0.32), 'trophy')
    pip(pen.at(185, 118, 0.3))
    add_figures(sheet, figures)


def mound(pen, cx, top, bottom, rx):
    """A small grassy knoll, rounded underneath too, for a figure to stand on."""
    base, height = bottom - 4, bottom - 4 - top
    hill = []
    for i in range(41):
        t = math.pi * (1 + i / 40.0)
        c, s = math.cos(t), math.sin(t)
        hill.append((cx + rx * math.copysign(abs(c) ** 0.77, c) * (1 - 0.16 * abs(s)), base - height * abs(s) ** 0.77))
    hill += arc(cx, base, rx, 4, 0, 180, 20)
    pen.shape(hill, GREEN)
    with pen.clip(hill) as inside:
        inside.fill(arc(cx, bottom + 2, rx * 1.1, 7, 180, 360, 30), GREEN_DARK)


def result_middle(sheet):
    # The rainbow arches over the score from knoll to knoll; Gusset and Biscuit stand on them, clear of the
    # heading and the window's right edge.
    rng = random.Random(7102)
    scenery = sheet.pen(0)
    for i, colour in enumerate([RED, ORANGE, YELLOW, GREEN, SEA, PURPLE_LIGHT]):
        scenery.line(arc(210, 186, 155 - i * 5.4, 124 - i * 5.4, 180, 360, 80), colour, 5.8, caps=False)
    for x, y in (scatter(rng, (10, 16, 368, 60), RESULT_WIDE_TEXT, 7, 9)
                 + scatter(rng, (120, 100, 300, 140), RESULT_WIDE_TEXT, 7, 5)):
        scenery.fill(star_points(x, y, rng.uniform(3, 6.5), 1.6, tips=4), rng.choice([YELLOW, WHITE, GOLD_LIGHT]))
    figures = sheet.layer()
    pen = figures.pen(1.8)
    mound(pen, 48, 182, 207, 42)
    mound(pen, 351, 178, 207, 22)
    gusset(pen.at(47, 200, 0.54), 'thumbs')
    biscuit(pen.at(352, 181, 0.31, flip=True))
    add_figures(sheet, figures)


def result_low(sheet):
    # Gusset sulks under his own rain cloud on the left; Gerald makes off with the sandwich over the top of the
    # score, clear of the heading and the window's right edge.
    rng = random.Random(7103)
    scenery = sheet.pen(0)
    for x, y in scatter(rng, (8, 100, 100, 194), RESULT_WIDE_TEXT, 12, 44):
        scenery.line([(x, y), (x - 3, y + 10)], (150, 210, 255), 1.8)
    figures = sheet.layer()
    pen = figures.pen(1.8)
    zoom, gx, gy = 0.48, 50, 204
    pen.shape(ellipse(gx, gy - 2, 42, 5), (90, 150, 230))
    gusset(pen.at(gx, gy, zoom), 'down', mood='sad')
    pen.shape(ellipse(gx - 23 * zoom, gy - 181 * zoom, 3.2, 4.6), (150, 210, 255))
    cloud(pen, 58, 84, 1.3, (196, 204, 220))
    pen.fill(ellipse(58, 94, 32, 4), (170, 178, 196))
    gerald = pen.at(256, 100, 0.72, turn=-10)
    gerald_flying(gerald)
    sandwich(gerald.at(-8, 16, 1.1, turn=-15))
    for x, y, colours in ((340, 130, [YELLOW, GOLD_LIGHT]), (349, 164, [GOLD_LIGHT, YELLOW])):
        fancy_text(figures, x, y, 'HA!', 17, colours, tilt=8, bounce=2, stroke=2.2, shadow=(1, 1.5), highlight=False)
    add_figures(sheet, figures)
