# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Without a display the program says so in one line and ends with status 1: python3 no_display.py PROGRAM."""

import os
import subprocess
import sys
from pathlib import Path

MESSAGE = "Pelmaroos Trivia needs a graphical desktop: cannot open display "


def free_display():
    """A display number from :99 up with no X server behind it."""
    for number in range(99, 1000):
        if not Path(f"/tmp/.X{number}-lock").exists() and not Path(f"/tmp/.X11-unix/X{number}").exists():
            return f":{number}"
    raise SystemExit("FAIL: no free display number")


def run_without_display(program, display, session):
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("QT_", "WAYLAND", "XDG_SESSION")) and key != "DISPLAY"}
    if session is not None:
        env["XDG_SESSION_TYPE"] = session
    if display is not None:
        env["DISPLAY"] = display
    try:
        done = subprocess.run([program], env=env, capture_output=True, text=True, timeout=10, cwd="/")
    except subprocess.TimeoutExpired:
        return ["the program was still running after 10 s"]
    problems = []
    if done.returncode != 1:
        problems.append(f"status {done.returncode}, not 1")
    expected = MESSAGE + (display if display is not None else "(DISPLAY is not set)")
    if done.stderr.splitlines() != [expected]:
        problems.append(f"stderr was {done.stderr!r}, not the one line {expected!r}")
    if done.stdout:
        problems.append(f"stdout was {done.stdout!r}")
    return problems


def main():
    program = sys.argv[1]
    failed = False
    # An X11 desktop's session says what it is; a program started from it with no display left is told too.
    for display, session in ((None, None), (free_display(), None), (None, "x11")):
        what = "DISPLAY unset" if display is None else f"DISPLAY={display} with no server"
        what += f" in an {session} session" if session else ""
        problems = run_without_display(program, display, session)
        for problem in problems:
            print(f"FAIL: {what}: {problem}")
        failed |= bool(problems)
        if not problems:
            print(f"PASS: {what}")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
