#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Draws every picture the project ships, from the drawing code in tools/art/: /usr/bin/python3 tools/make_art.py

Writes screens/pictures/*.gif and *.ico, each also drawn at twice the size (name@2x.gif beside name.gif) for
scaled-up screens, and desktop/icons/pelmaroos-trivia-*.png. Needs python3-pil and fonts-liberation. The output
is deterministic (fixed random seeds, no timestamps), so rerunning gives byte-identical files."""

import sys

sys.dont_write_bytecode = True
from art.build import main  # noqa: E402

main()
