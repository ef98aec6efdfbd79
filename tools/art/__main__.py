# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Draws every picture the project ships: /usr/bin/python3 -m tools.art [ROOT], from the source tree.

Writes screens/pictures/*.gif and *.ico, each also drawn at twice the size (name@2x.gif beside name.gif) for
scaled-up screens, and desktop/icons/pelmaroos-trivia-*.png, under ROOT (the source tree by default). Needs
python3-pil. The output is deterministic (fixed random seeds, no timestamps), so rerunning gives byte-identical
files."""

import sys
from pathlib import Path

sys.dont_write_bytecode = True
from .build import main  # noqa: E402

main(Path(sys.argv[1]).resolve()) if len(sys.argv) > 1 else main()
