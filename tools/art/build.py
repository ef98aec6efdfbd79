# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Every picture the project ships, where it goes, and how each is checked once written."""

import sys
from collections import namedtuple
from pathlib import Path

from PIL import Image

from . import pictures
from .checks import gif_problems, ico_problems, png_problems, visible_pixels
from .icons import QUESTION_ICONS, biscuit_icon, box_question, gusset_icon, render_icon
from .palette import BLACK, WINDOW_GREY
from .pen import Sheet
from .writers import write_gif, write_ico, write_png

ROOT = Path(__file__).resolve().parents[2]
# Where the pictures go, under the root they are written into: the source tree unless told otherwise.
PICTURES = Path('screens') / 'pictures'
DESKTOP_ICONS = Path('desktop') / 'icons'

# The game shows each picture drawn at twice the size, as name@2x.gif, on a screen scaled by 2 or more.
SCALES = (1, 2)

# matte is the colour of the screen the picture lies on; clear lists the areas (at 1x, right and bottom
# excluded, None for the picture's edge) that stay see-through.
Gif = namedtuple('Gif', 'name draw size matte transparent supersample clear',
                 defaults=(WINDOW_GREY, True, 4, ()))
RESULT_WIDE_CLEAR = [(0, pictures.RESULT_WIDE_CLEAR_Y, None, None), (pictures.RESULT_WIDE_CLEAR_X, 0, None, None),
                     pictures.text_area(pictures.RESULT_WIDE_TEXT)]
GIFS = [
    Gif('banner.gif', pictures.banner, (384, 163), clear=[(0, pictures.BANNER_CLEAR_Y, None, None)]),
    Gif('title-left.gif', pictures.title_left, (341, 259)),
    Gif('title-right.gif', pictures.title_right, (341, 259)),
    Gif('menu-title.gif', pictures.menu_title, (260, 94)),
    Gif('arrow-left.gif', lambda sheet: pictures.arrow(sheet, True), (50, 36), transparent=False, supersample=8),
    Gif('arrow-right.gif', lambda sheet: pictures.arrow(sheet, False), (50, 36), transparent=False, supersample=8),
    Gif('result-top.gif', pictures.result_top, (256, 192), BLACK,
        clear=[pictures.text_area(pictures.RESULT_TOP_TEXT)]),
    Gif('result-middle.gif', pictures.result_middle, (387, 233), BLACK, clear=RESULT_WIDE_CLEAR),
    Gif('result-low.gif', pictures.result_low, (387, 233), BLACK, clear=RESULT_WIDE_CLEAR),
]
QUESTIONS = [('question-%02d.ico' % number, draw) for number, draw in enumerate(QUESTION_ICONS, 1)]
ICONS = [('app.ico', gusset_icon), ('zzzextra.ico', biscuit_icon), ('box-question.ico', box_question)] + QUESTIONS
DESKTOP_SIDES = (32, 48, 64, 128, 256)


def scaled(name, scale):
    stem, dot, suffix = name.rpartition('.')
    return name if scale == 1 else '%s@%dx.%s' % (stem, scale, suffix)


def scaled_area(area, scale):
    return tuple(None if edge is None else edge * scale for edge in area)


def write_gifs(picture_dir, scale):
    for gif in GIFS:
        sheet = Sheet(gif.size, gif.supersample, scale)
        gif.draw(sheet)
        path = picture_dir / scaled(gif.name, scale)
        write_gif(path, sheet.finished(), gif.matte, gif.transparent)
        size = (gif.size[0] * scale, gif.size[1] * scale)
        yield path, gif_problems(path, size, gif.transparent) + [
            problem for area in gif.clear for problem in visible_pixels(path, scaled_area(area, scale))]


def write_icons(picture_dir, scale):
    for name, draw in ICONS:
        path = picture_dir / scaled(name, scale)
        write_ico(path, render_icon(draw, 32 * scale), WINDOW_GREY)
        yield path, ico_problems(path, 32 * scale)


def write_desktop_icons(picture_dir, desktop_dir):
    for side in DESKTOP_SIDES:
        path = desktop_dir / ('pelmaroos-trivia-%d.png' % side)
        # The smallest is the window icon itself, pixel for pixel.
        with Image.open(picture_dir / 'app.ico') as app_icon:
            write_png(path, app_icon.convert('RGBA') if side == 32 else render_icon(gusset_icon, side))
        yield path, png_problems(path, side)


def main(root=ROOT):
    picture_dir, desktop_dir = root / PICTURES, root / DESKTOP_ICONS
    picture_dir.mkdir(parents=True, exist_ok=True)
    desktop_dir.mkdir(parents=True, exist_ok=True)
    written = [result for scale in SCALES
               for result in (*write_gifs(picture_dir, scale), *write_icons(picture_dir, scale))]
    written += list(write_desktop_icons(picture_dir, desktop_dir))
    failed = False
    for path, problems in written:
        if problems:
            failed = True
            print('art: %s: %s' % (path.relative_to(root), ', '.join(problems)), file=sys.stderr)
    for scale in SCALES:
        questions = {(picture_dir / scaled(name, scale)).read_bytes() for name, _ in QUESTIONS}
        if len(questions) != 36:
            failed = True
            print('art: the question icons at %dx are not 36 distinct pictures' % scale, file=sys.stderr)
    if failed:
        sys.exit(1)
    print('art: wrote %d files' % len(written))
