# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The colours every picture shares, so the characters always look the same."""

WINDOW_GREY = (0xef, 0xef, 0xef)
BLACK = (0, 0, 0)
CLEAR = (0, 0, 0, 0)

INK = (44, 30, 24)
WHITE = (255, 255, 255)
CREAM = (255, 246, 226)
SKIN = (255, 208, 166)
SKIN_ROSY = (246, 150, 130)
GINGER = (236, 112, 28)
GINGER_DARK = (186, 76, 18)
NAVY = (36, 62, 128)
NAVY_DARK = (28, 40, 82)
PURPLE = (132, 62, 178)
PURPLE_LIGHT = (176, 110, 222)
PURPLE_DARK = (92, 38, 130)
RASPBERRY = (214, 58, 112)
YELLOW = (255, 214, 40)
GOLD = (255, 196, 36)
GOLD_DARK = (206, 138, 18)
GOLD_LIGHT = (255, 236, 140)
TEAL = (22, 164, 160)
TEAL_LIGHT = (120, 214, 206)
RED = (226, 52, 48)
RED_DARK = (160, 30, 34)
ORANGE = (255, 146, 36)
GREEN = (84, 182, 76)
GREEN_DARK = (46, 120, 52)
SKY = (110, 196, 244)
SEA = (44, 130, 210)
SEA_LIGHT = (140, 206, 250)
BROWN = (156, 94, 46)
BROWN_DARK = (104, 60, 30)
WOOD = (196, 134, 72)
GREY = (168, 172, 184)
GREY_DARK = (100, 104, 118)
GREY_LIGHT = (222, 226, 234)
PINK = (255, 128, 168)
PINK_LIGHT = (255, 190, 214)
AUBURN = (150, 66, 36)
BOOT = (60, 40, 32)
MOUTH = (150, 30, 40)
TONGUE = (250, 110, 120)
LENS = (214, 238, 255)


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(int(round(lerp(a, b, t))) for a, b in zip(c1, c2))
