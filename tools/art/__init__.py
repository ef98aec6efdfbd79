# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The pictures' drawing code: palette and shapes, the pen, icons, characters, the screens' pictures, the file
writers, the checks on what was written, and build, which says what goes where."""
