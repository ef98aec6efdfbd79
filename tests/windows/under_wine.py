# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The Windows zip as a player gets it, played under Wine on an X server of the test's own:
python3 under_wine.py SOURCE_FOLDER BUILD_FOLDER cross-builds the program and its zip into BUILD_FOLDER against
the Qt for Windows in the cache, and skips when that Qt is not there. The program file's version record and icon
are read back field by field; the game is unpacked into an awkward folder, started from another one, and played
through one level by clicks to its result screen and its end."""

import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))

from harness import (  # noqa: E402  (the shared harness lives beside the Linux end-to-end tests)
    CONTINUE, CUES, LEVEL_BUTTONS, MENU, RESULT_QUIT, SCREEN_SIZE, TITLE, TWIPS_PER_PIXEL, Failure, Game, Recording,
    SKIP, SoundServer, WindowManager, XServer, check, click, click_points, control, cue_samples, display_env,
    frame_geometry, geometry, layout, move_on, point, page_title, play_level, poll, require_tools, result_title, run,
    visible_titles, wait_window,
)

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
PROGRAM = "Pelmaroos Trivia!.exe"
# Blanks, "!" and letters outside ASCII that the ANSI code page still has: winmm is handed the name as it is.
FOLDER = "Spiele für alle! Ärger"
# Letters that code page lacks: winmm is handed the folder's short name.
FOLDER_BEYOND_CODE_PAGE = "Παιχνίδια για όλους"
VERSION = (6, 1, 0, 2)
STRINGS = {
    "FileVersion": "6.01.0002", "ProductVersion": "6.01.0002", "FileDescription": "Pelmaroos Trivia",
    "ProductName": "The Pelmaroos Trivia", "Comments": "Pelmaroos trivia questions",
    "InternalName": "Pelmaroos Trivia!", "OriginalFilename": "Pelmaroos Trivia!.exe",
}
OUR_OWN_WORDING = ("CompanyName", "LegalCopyright", "LegalTrademarks")


def check_zip(zip_path):
    """One folder holding the program, its nine cues beside it and the licences; returns the folder's name."""
    with zipfile.ZipFile(zip_path) as archive:
        names = [name for name in archive.namelist() if not name.endswith("/")]
    folders = {name.split("/")[0] for name in names}
    check(len(folders) == 1, f"the zip holds {sorted(folders)}, not one folder")
    folder = folders.pop()
    inside = {name.split("/", 1)[1] for name in names}
    wanted = {PROGRAM, *(f"{cue}.wav" for cue in CUES), "README.txt", "LICENSE.txt", "Qt-LGPL-3.0.txt"}
    check(wanted <= inside, f"the zip's folder lacks {sorted(wanted - inside)}")
    check(all("/" not in name for name in inside), f"the zip's folder has subfolders: {sorted(inside)}")
    return folder


def check_version_record(program, icon_file):
    """Every field of the version record, and the program file's icon byte for byte the application icon."""
    import pefile
    pe = pefile.PE(str(program))
    fixed = pe.VS_FIXEDFILEINFO[0]
    for what, high, low in (("file", fixed.FileVersionMS, fixed.FileVersionLS),
                            ("product", fixed.ProductVersionMS, fixed.ProductVersionLS)):
        got = (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF)
        check(got == VERSION, f"the {what} version is {got}, not {VERSION}")
    tables = [table for info in pe.FileInfo[0] if info.Key == b"StringFileInfo" for table in info.StringTable]
    translations = [var.entry for info in pe.FileInfo[0] if info.Key == b"VarFileInfo" for var in info.Var]
    check([table.LangID for table in tables] == [b"040904B0"],
          f"the string tables are {[table.LangID for table in tables]}, not one for 040904B0")
    entries = {key.decode(): value.decode() for key, value in tables[0].entries.items()}
    for key, value in STRINGS.items():
        check(entries.get(key) == value, f"{key} is {entries.get(key)!r}, not {value!r}")
    for key in OUR_OWN_WORDING:
        check(entries.get(key, "").strip(), f"{key} is missing or empty")
    check(translations == [{b"Translation": "0x0409 0x04b0"}], f"the translation is {translations}")

    # An icon file is a header, one directory entry per image, then the images; a program file keeps the
    # directory (with a resource id where the file has an offset) apart from its images.
    icon = icon_file.read_bytes()
    count = int.from_bytes(icon[4:6], "little")
    groups = [entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
              if entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]]
    check(len(groups) == 1 and len(groups[0].directory.entries) == 1, "the program file has not one icon")
    group = resource_data(pe, groups[0].directory.entries[0])
    check(group[:6] == icon[:6], "the program's icon has other images than the application icon")
    images = {entry.id: resource_data(pe, entry) for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
              if entry.id == pefile.RESOURCE_TYPE["RT_ICON"] for entry in entry.directory.entries}
    for index in range(count):
        file_entry = icon[6 + 16 * index:6 + 16 * index + 16]
        group_entry = group[6 + 14 * index:6 + 14 * index + 14]
        check(group_entry[:12] == file_entry[:12], f"the icon's image {index} is described otherwise")
        size, offset = int.from_bytes(file_entry[8:12], "little"), int.from_bytes(file_entry[12:16], "little")
        image_id = int.from_bytes(group_entry[12:14], "little")
        check(images.get(image_id) == icon[offset:offset + size], f"the icon's image {index} differs")


def resource_data(pe, entry):
    """The bytes of a resource directory entry's first language."""
    data = entry.directory.entries[0].data.struct
    return pe.get_data(data.OffsetToData, data.Size)


class WineGame(Game):
    """The unpacked program under Wine in a prefix of the test's own, started from another folder, its winmm
    calls logged."""

    # The folder is the unpacked zip's own, not a copy as Game makes one, so Game's constructor is not run.
    def __init__(self, prefix, program, workspace, arguments=(), extra_env=None):
        self.program, self.arguments = program, arguments
        self.working_directory = workspace / "elsewhere"
        self.working_directory.mkdir(exist_ok=True)
        self.log = workspace / "wine.log"
        self.env = {key: value for key, value in display_env.items() if not key.startswith(("QT_", "WINE"))}
        self.env.update(WINEPREFIX=str(prefix), WINEDEBUG="-all,+winmm", WINEDLLOVERRIDES="mscoree,mshtml=",
                        LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.env.update(extra_env or {})
        self.process = None

    def __enter__(self):
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([WINE, str(self.program), *self.arguments], cwd=self.working_directory,
                                            env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                            start_new_session=True)
        return self

    def sounds_asked_for(self):
        """The file names the program handed to sndPlaySoundA, in order, each with whether winmm opened it."""
        asked = []
        for line in self.log.read_text(errors="replace").splitlines():
            # Wine's winmm trace names each sound it is handed, the letters beyond ASCII as four hex digits, as in
            #   proc_PlaySound SoundName=L"Z:\\tmp\\Spiele f\00fcr alle\\theme.wav" !
            # and, once it has opened the file, reads its first chunk.
            if named := re.search(r'proc_PlaySound SoundName=L"(.*?\.wav)"', line, re.IGNORECASE):
                asked.append([re.sub(r"\\(\\|[0-9a-fA-F]{4})",
                                     lambda escape: "\\" if escape[1] == "\\" else chr(int(escape[1], 16)),
                                     named[1]), False])
            elif "ParentChunk ckid=RIFF" in line and asked:
                asked[-1][1] = True
        return asked


def opened(folder, cue):
    """A cue handed to winmm by its own name, which Wine gives a Linux file on its drive Z:, and opened."""
    return ["Z:" + str(folder / f"{cue}.wav").replace("/", "\\"), True]


def prepare_prefix(prefix):
    env = dict(display_env, WINEPREFIX=str(prefix), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    subprocess.run([WINE, "wineboot", "--init"], env=env, capture_output=True, timeout=300, check=True)
    subprocess.run([WINESERVER, "-w"], env=env, timeout=300, check=True)


def registry_mentions(prefix):
    """Keys the program could have left in the prefix's registry: any naming the game or its toolkit."""
    found = []
    for hive in prefix.glob("*.reg"):
        found += [line for line in hive.read_text(errors="replace").splitlines()
                  if line.startswith("[") and re.search(r"pelmaroos|qtproject|trolltech", line, re.IGNORECASE)]
    return found


def files_in(folder):
    return {path.relative_to(folder) for path in folder.rglob("*")}


def check_centred(window, what):
    # The program centres the frame Windows would draw, and Wine tells it of a caption taller than the one
    # openbox draws, so up and down the frame on view is a few pixels off. Left and right the two frames agree.
    def offset():
        frame = frame_geometry(window)
        return frame and (frame[0] + frame[2] / 2 - SCREEN_SIZE[0] / 2, frame[1] + frame[3] / 2 - SCREEN_SIZE[1] / 2)
    poll(lambda: f"the framed {what} to be centred; it is {offset()} off",
         lambda: offset() and abs(offset()[0]) <= 1 and abs(offset()[1]) <= 6, timeout=5)


def differing(shot, approved, crop=""):
    """How many pixels differ by over 10% between two pictures, or the same part of each."""
    compared = subprocess.run(["compare", "-metric", "AE", "-fuzz", "10%", f"{shot}{crop}", f"{approved}{crop}",
                               "null:"], env=display_env, capture_output=True, text=True)
    words = compared.stderr.strip().split()
    return float(words[0]) if words and words[0].replace(".", "").isdigit() else float("inf")


def screenshot(window, golden, shots, name, screen):
    """Saves the window's client area and says how far it differs from the approved picture of that screen.
    Windows draws text its own way, but a picture's pixels are the art's: each picture's part of the screen
    must be the approved one's, but for text that runs over it."""
    shot = shots / f"{name}.png"
    approved = golden / f"{name}.png"
    subprocess.run(["import", "-window", window, str(shot)], env=display_env, check=True, capture_output=True)
    shot_width, shot_height = geometry(window)[2:]
    count, pixels = differing(shot, approved), shot_width * shot_height
    print(f"{name}: {count:.0f} of {pixels} pixels differ from the approved picture by over 10% "
          f"({100 * count / pixels:.1f}%)")
    for picture, (left, top, width, height) in layout()["screens"][screen]["controls"].items():
        if not picture.startswith("Image"):
            continue
        x, y = max(0, left // TWIPS_PER_PIXEL), max(0, top // TWIPS_PER_PIXEL)
        # A picture may reach past the window's edge.
        width = min((left + width) // TWIPS_PER_PIXEL, shot_width) - x
        height = min((top + height) // TWIPS_PER_PIXEL, shot_height) - y
        count, pixels = differing(shot, approved, f"[{width}x{height}+{x}+{y}]"), width * height
        check(count <= pixels * 0.05, f"{screen}'s {picture} differs from the approved picture in "
              f"{count:.0f} of its {pixels} pixels")


def play(zip_path, icon_file, golden, shots, workspace):
    folder_name = check_zip(zip_path)
    folder = workspace / FOLDER
    with zipfile.ZipFile(zip_path) as archive:
        archive.extractall(workspace / "unpacked")
    (workspace / "unpacked" / folder_name).rename(folder)
    program = folder / PROGRAM
    check_version_record(program, icon_file)
    print("the version record and the icon are as designed")

    prefix = workspace / "prefix"
    theme, wow, doh = (cue_samples(folder / PROGRAM, name) for name in ("theme", "wow", "doh"))
    with XServer(), WindowManager(), SoundServer(workspace) as server:
        prepare_prefix(prefix)
        before = files_in(prefix / "drive_c")
        unpacked = files_in(folder)
        # Options Qt takes on other programs' command lines: this program has none, on Windows as elsewhere.
        arguments = ("-qwindowtitle", "Changed", "-qwindowgeometry", "300x200+10+10")
        with Recording(server, workspace / "heard.raw") as recording, \
                WineGame(prefix, program, workspace, arguments, {"PULSE_SERVER": server.address}) as game:
            title = wait_window(TITLE, timeout=60)
            check(geometry(title)[2:] == (730, 267), f"the title screen is {geometry(title)[2:]}")
            check_centred(title, "title screen")
            theme_asked = poll("the theme to be opened", lambda: game.sounds_asked_for()[:1], timeout=10)
            check(theme_asked == [opened(folder, "theme")], f"asked for {theme_asked}")
            # Wine's winmm does not reach every sound server: the recording's cues are checked only if it does.
            waited = time.monotonic()
            while (heard := recording.find(theme)) is None and time.monotonic() < waited + 15:
                time.sleep(0.5)
            print("the theme was heard through the test's sound server" if heard is not None else
                  "NOTE: no sound reached the test's sound server from Wine")
            screenshot(title, golden, shots, "title", "PreMain")

            click(title, CONTINUE)
            menu = move_on(TITLE, MENU)
            check_centred(menu, "menu")
            screenshot(menu, golden, shots, "level-menu", "Main")
            click(menu, LEVEL_BUTTONS["Easy"])
            page = move_on(MENU, page_title("Easy", 1))
            # The choices the approved picture shows; playing the level then picks every question's own.
            click_points([point(page, left + 105, top + height // 2) for left, top, _, height in
                          (control("Easy1", f"Option{1 + (question + 1) % 3}({question})") for question in range(4))])
            screenshot(page, golden, shots, "easy-page-1", "Easy1")
            result = play_level(game, "Easy", 18)
            check(visible_titles() == [result_title("Easy", 18)], f"on view: {visible_titles()}")
            poll("wow.wav to be opened", lambda: opened(folder, "wow") in game.sounds_asked_for(), timeout=10)
            screenshot(result, golden, shots, "easy-result-top", "EasyAbout")

            click(result, RESULT_QUIT["Easy"])
            status = game.wait_exit(timeout=15)
            check(status == 0, f"the program ended with status {status}")
            asked = game.sounds_asked_for()
            check(asked == [opened(folder, cue) for cue in ("theme", "wow", "doh")], f"the cues asked for were {asked}")
            if heard is not None:
                check(recording.find(wow) is not None and recording.find(doh) is not None,
                      "the result cue or the farewell was not heard")
        # From a folder whose name the ANSI code page cannot spell, the theme is still found; closing the title
        # screen through its frame ends the game, as on Linux.
        folder = folder.rename(folder.with_name(FOLDER_BEYOND_CODE_PAGE))
        with WineGame(prefix, folder / PROGRAM, workspace) as game:
            wait_window(TITLE, timeout=60)
            theme_asked = poll("the theme to be opened", lambda: game.sounds_asked_for()[:1], timeout=10)
            check(theme_asked[0][1] and theme_asked[0][0].endswith("\\theme.wav"),
                  f"from {FOLDER_BEYOND_CODE_PAGE}, asked for {theme_asked}")
            run("wmctrl", "-F", "-c", TITLE)
            status = game.wait_exit(timeout=15)
            check(status == 0, f"closed through its frame, the program ended with status {status}")
        print(f"from {FOLDER_BEYOND_CODE_PAGE} the theme was found as {theme_asked[0][0]}; closing the title screen's "
              "frame ended the program")
        subprocess.run([WINESERVER, "-k"], env=dict(game.env), capture_output=True)
        subprocess.run([WINESERVER, "-w"], env=dict(game.env), capture_output=True)
        check(files_in(folder) == unpacked, "the program's folder changed")
        made = {str(path) for path in files_in(prefix / "drive_c") - before}
        check(not [path for path in made if re.search(r"pelmaroos|qt", path, re.IGNORECASE)],
              f"files made in the prefix: {sorted(made)}")
        check(not registry_mentions(prefix), f"registry keys left: {registry_mentions(prefix)}")


def cross_built_zip(source, build):
    """The program and its zip, built into the folder against the Qt for Windows in the cache."""
    qt = subprocess.run([source / "tools" / "windows" / "build-qt.sh", "--cached"], capture_output=True, text=True)
    if qt.returncode != 0:
        print("SKIP: the test under Wine needs Qt cross-built for Windows, which `make windows-qt` builds once.")
        sys.exit(SKIP)
    for step in (["cmake", "-S", source, "--preset", "windows", "-B", build], ["cmake", "--build", build]):
        done = subprocess.run(step, capture_output=True, text=True,
                              env=dict(os.environ, PELMAROOS_WINDOWS_QT=qt.stdout.strip()))
        check(done.returncode == 0, f"{' '.join(map(str, step))} failed:\n{(done.stdout + done.stderr)[-3000:]}")
    # The newest, should an older version's zip still lie there.
    return max(build.glob("pelmaroos-trivia-*-windows-x64.zip"), key=lambda zip_path: zip_path.stat().st_mtime)


def main():
    source, build = (Path(argument).resolve() for argument in sys.argv[1:3])
    require_tools("Xvfb", "openbox", "wmctrl", "xdotool", "xwininfo", "xprop", "import", "compare", "pulseaudio",
                  "parec", WINE, "x86_64-w64-mingw32-g++-posix", modules=("pefile", "numpy"),
                  needed_by="the test under Wine")
    try:
        zip_path = cross_built_zip(source, build)
        shots = build / "wine-screens"
        shots.mkdir(exist_ok=True)
        with tempfile.TemporaryDirectory(prefix="pelmaroos-wine-") as workspace:
            play(zip_path, source / "screens" / "pictures" / "app.ico", source / "tests" / "golden", shots,
                 Path(workspace))
    except Failure as failure:
        print(f"FAIL: under Wine: {failure}")
        sys.exit(1)
    print("PASS: under Wine")


if __name__ == "__main__":
    main()
