# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Packages the build folder as a .deb, checks its control fields and contents, has lintian find no error or
warning in it, unpacks it into a scratch root
and starts the unpacked game through its launcher on a private X server: the title screen comes up with no
music warning (which, when the theme cannot play, comes before it) and the desktop entry's window class, and Quit
ends the program with status 0.
python3 deb_title_screen.py CPACK BUILD_DIR SOURCE_DIR VERSION"""

import re
import subprocess
import sys
import tempfile
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here.parent / "e2e"))
from harness import (  # noqa: E402
    SILENT_ALSA, TITLE, Failure, XServer, check, click, control, display_env, require_tools, run, spawn, stop,
    wait_window,
)


def start(launcher, folder):
    # No sound server answers, and the cues go to an ALSA device that plays them to nobody.
    env = dict(display_env, QT_QPA_PLATFORM="xcb", PULSE_SERVER=f"unix:{folder}/no-sound-server",
               ALSA_CONFIG_PATH=str(SILENT_ALSA))
    return spawn([str(launcher)], cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def check_package(deb, version, root, source_dir, build_dir):
    def field(name):
        return run("dpkg-deb", "--field", str(deb), name).strip()
    check(field("Package") == "pelmaroos-trivia", f"package name {field('Package')}")
    check(field("Version") == version, f"package version {field('Version')}, expected {version}")
    depends = field("Depends")
    # The sound libraries are declared by hand; the linked ones come from dpkg-shlibdeps. The face is carried.
    for dependency in ("libqt6widgets6", "libpulse0", "libc6"):
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
                # A music warning would be on view instead, and named in the failure.
                title = wait_window(TITLE, timeout=30)
                entry = next((root / "usr/share/applications").glob("*.desktop")).read_text()
                startup_class = re.search(r"^StartupWMClass=(.*)$", entry, re.M).group(1)
                wm_class = run("xprop", "-id", title, "WM_CLASS")
                check(wm_class.strip().endswith(f', "{startup_class}"'), f"{wm_class} is not {startup_class}")
                click(title, control("PreMain", "Command1"))
                check(game.wait(timeout=10) == 0, f"the game exited with status {game.returncode} after Quit")
            finally:
                stop(game)
    print("the unpacked game showed its title screen and quit with status 0")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
