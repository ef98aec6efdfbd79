# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Packages the build folder as a .deb, checks its control fields and contents, has lintian find no error or
warning in it, unpacks it into a scratch root
and starts the unpacked game through its launcher on a private X server: the title screen comes up with no
music warning and the desktop entry's window class, and Quit ends the program with status 0. Without its theme
the same tree warns, whatever its working folder holds.
python3 deb_title_screen.py CPACK BUILD_DIR SOURCE_DIR VERSION"""

import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "e2e"))
from harness import (  # noqa: E402
    TITLE, Failure, XServer, check, click, control, display_env, require_tools, run, spawn, stop, visible_windows,
    wait_window,
)

WARNING = "Pelmaroos"


def start(launcher, folder):
    env = dict(display_env, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
    return spawn([str(launcher)], cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def first_window(game):
    """The title screen or the music warning, whichever comes up first."""
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        for title in (WARNING, TITLE):
            if visible_windows(title):
                return title
        check(game.poll() is None, f"the game ended with status {game.returncode} before showing a window")
        time.sleep(0.1)
    raise Failure("neither the title screen nor the music warning came up within 30 s")


def check_package(deb, version, root, source_dir, build_dir):
    def field(name):
        return run("dpkg-deb", "--field", str(deb), name).strip()
    check(field("Package") == "pelmaroos-trivia", f"package name {field('Package')}")
    check(field("Version") == version, f"package version {field('Version')}, expected {version}")
    depends = field("Depends")
    # fonts-liberation is declared by hand; the libraries come from dpkg-shlibdeps.
    for dependency in ("fonts-liberation", "libqt6widgets6", "libsdl2-2.0-0", "libc6"):
        check(re.search(rf"(^|, ){dependency}( |,|$)", depends), f"Depends lacks {dependency}: {depends}")
    # Tags of lintian's informational level are left to the README.
    findings = subprocess.run(["lintian", "--fail-on", "error,warning", str(deb)], capture_output=True, text=True)
    check(findings.returncode == 0, f"lintian finds:\n{findings.stdout}{findings.stderr}")
    run("dpkg", "-x", str(deb), str(root))
    # A game's launcher lies in /usr/games.
    run("bash", str(here / "check-layout.sh"), str(root / "usr"), source_dir, build_dir, "games")


def main():
    cpack, build_dir, source_dir, version = sys.argv[1:5]
    require_tools("dpkg", "dpkg-deb", "dpkg-shlibdeps", "lintian", "Xvfb", "xdotool", "xprop",
                  needed_by="the package test")
    with tempfile.TemporaryDirectory(prefix="pelmaroos deb.") as work:
        work = Path(work)
        run(cpack, "-G", "DEB", "--config", f"{build_dir}/CPackConfig.cmake", "-B", str(work / "deb"))
        debs = list((work / "deb").glob("*.deb"))
        check(len(debs) == 1, f"cpack made no single .deb: {debs}")
        root = work / "unpacked root"
        check_package(debs[0], version, root, source_dir, build_dir)
        launcher = root / "usr/games/pelmaroos-trivia"
        with XServer():
            (work / "empty folder").mkdir()
            game = start(launcher, work / "empty folder")
            try:
                check(first_window(game) == TITLE, "the music warning came up: the game did not find its cues")
                time.sleep(1)  # a warning would come at once
                check(not visible_windows(WARNING), "the music warning came up after the title screen")
                title = wait_window(TITLE)
                entry = next((root / "usr/share/applications").glob("*.desktop")).read_text()
                startup_class = re.search(r"^StartupWMClass=(.*)$", entry, re.M).group(1)
                wm_class = run("xprop", "-id", title, "WM_CLASS")
                check(wm_class.strip().endswith(f', "{startup_class}"'), f"{wm_class} is not {startup_class}")
                click(title, control("PreMain", "Command1"))
                check(game.wait(timeout=10) == 0, f"the game exited with status {game.returncode} after Quit")
            finally:
                stop(game)

            # Without its theme, started in a folder that holds all nine cues: the warning proves that the check
            # above can see it and that the working folder plays no part.
            (work / "cues folder").mkdir()
            for cue in Path(source_dir, "sounds").glob("*.wav"):
                shutil.copy2(cue, work / "cues folder")
            (root / "usr/lib/pelmaroos-trivia/theme.wav").unlink()
            game = start(launcher, work / "cues folder")
            try:
                check(first_window(game) == WARNING, "no music warning with theme.wav gone from the program's folder")
            finally:
                stop(game)
    print("the unpacked game showed its title screen and quit with status 0; without its theme it warns")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
