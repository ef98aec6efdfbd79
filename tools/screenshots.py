#!/usr/bin/python3
"""Renders every screen of the game into PNG files: tools/screenshots.py PROGRAM FOLDER (`make screenshots`).

Plays the built program under an X server and window manager of its own with xdotool, and crops each window,
frame and caption included, out of the screen with ImageMagick."""

import sys
import tempfile
import time
from pathlib import Path

# The end-to-end tests' machinery drives the game here too, leaving no __pycache__ in the source tree.
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))
sys.dont_write_bytecode = True
from harness import (  # noqa: E402
    CONTINUE, EXIT, Failure, Game, HELP, LEVEL_BUTTONS, MENU, RESULT_GO_ON, RIGHT_ARROW, TITLE, TITLE_QUIT,
    WindowManager, XServer, answer, check, choices_for, click, geometry, move_on, page_title, park_pointer,
    poll, press_return_in, require_tools, result_title, run, totals_plan, wait_gone, wait_window,
)

# Totals per round, low, middle and top band; the low round leaves some questions open on each page.
ROUNDS = (("low", {"Easy": 4, "Medium": 7, "Hard": 2}),
          ("middle", {"Easy": 14, "Medium": 12, "Hard": 10}),
          ("top", {"Easy": 18, "Medium": 18, "Hard": 18}))
NEXT_LEVEL = {"Easy": "Medium", "Medium": "Hard"}


def screen_image(path):
    run("import", "-window", "root", str(path))


def settled_screen(path, timeout=5.0):
    """Captures the screen once two captures in a row agree, so that no window is half painted."""
    park_pointer()
    previous = path.with_suffix(".previous.ppm")
    screen_image(previous)

    def still():
        screen_image(path)
        same = path.read_bytes() == previous.read_bytes()
        path.replace(previous)
        return same
    poll("the screen to settle", still, timeout, interval=0.1)
    previous.replace(path)


def frame_rect(window):
    """The window with its frame, as (x, y, width, height) on the screen."""
    x, y, width, height = geometry(window)
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS").split("=")[-1]
    left, right, top, bottom = (int(value) for value in extents.split(","))
    return x - left, y - top, width + left + right, height + top + bottom


def union(*rects):
    left = min(r[0] for r in rects)
    top = min(r[1] for r in rects)
    right = max(r[0] + r[2] for r in rects)
    bottom = max(r[1] + r[3] for r in rects)
    return left, top, right - left, bottom - top


class Camera:
    def __init__(self, folder, scratch):
        self.folder = folder
        self.scratch = scratch
        self.taken = []

    def shoot(self, name, *windows):
        screen = self.scratch / "screen.ppm"
        settled_screen(screen)
        x, y, width, height = union(*(frame_rect(window) for window in windows))
        target = self.folder / f"{name}.png"
        run("convert", str(screen), "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-strip", str(target))
        self.taken.append(target.name)
        print(f"{target} ({width}x{height})")


def play_round(game, camera, band, totals, first_round):
    for seed, level in enumerate(totals):
        plan = totals_plan(totals[level], seed)
        for number in (1, 2, 3):
            title = page_title(level, number)
            window = wait_window(title)
            page = f"{level}{number}"
            open_questions = {q for q in (1, 4) if q not in plan[number - 1]} if band == "low" else set()
            answer(window, choices_for(page, plan[number - 1], open_questions))
            if first_round:
                camera.shoot(f"{level.lower()}-page-{number}", window)
            click(window, RIGHT_ARROW)
            if number < 3:
                move_on(title, page_title(level, number + 1))
        result = move_on(page_title(level, 3), result_title(level, totals[level]))
        camera.shoot(f"{level.lower()}-result-{band}", result)
        click(result, RESULT_GO_ON[level])
        move_on(result_title(level, totals[level]), page_title(NEXT_LEVEL[level], 1) if level in NEXT_LEVEL else MENU)


def shoot_game(program, workspace, camera):
    with Game(program, workspace / "with-cues", audio_driver="dummy") as game:
        title = wait_window(TITLE, timeout=20)
        camera.shoot("title", title)
        click(title, CONTINUE)
        menu = move_on(TITLE, MENU)
        camera.shoot("level-menu", menu)
        click(menu, HELP)
        help_box = wait_window("Help")
        camera.shoot("help-box", menu, help_box)
        press_return_in(help_box)
        wait_gone("Help")
        for index, (band, totals) in enumerate(ROUNDS):
            menu = wait_window(MENU)
            click(menu, LEVEL_BUTTONS["Easy"])
            move_on(MENU, page_title("Easy", 1))
            play_round(game, camera, band, totals, first_round=index == 0)
        click(wait_window(MENU), EXIT)
        check(game.wait_exit() == 0, "the program did not end cleanly")


def shoot_music_warning(program, workspace, camera):
    with Game(program, workspace / "without-cues", with_cues=False, audio_driver="dummy") as game:
        warning = wait_window("Pelmaroos", timeout=20)
        camera.shoot("music-warning", warning)
        press_return_in(warning)
        click(move_on("Pelmaroos", TITLE), TITLE_QUIT)
        press_return_in(wait_window("Pelmaroos"))
        check(game.wait_exit() == 0, "the program did not end cleanly")


def shoot_at_twice_the_size(program, workspace, camera):
    """The level menu on a screen scaled by 2, with its pictures drawn at twice the size."""
    def doubled(rect):
        return [2 * value for value in rect]
    with Game(program, workspace / "at-2x", audio_driver="dummy", extra_env={"QT_SCALE_FACTOR": "2"}) as game:
        click(wait_window(TITLE, timeout=20), doubled(CONTINUE))
        menu = move_on(TITLE, MENU)
        camera.shoot("level-menu-2x", menu)
        click(menu, doubled(EXIT))
        check(game.wait_exit() == 0, "the program did not end cleanly")


def main():
    program, folder = sys.argv[1], Path(sys.argv[2])
    require_tools("Xvfb", "xdotool", "xwininfo", "xprop", "openbox", "wmctrl", "import", "convert",
                  needed_by="tools/screenshots.py")
    folder.mkdir(parents=True, exist_ok=True)
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="pelmaroos-screenshots-") as scratch:
        scratch = Path(scratch)
        (scratch / "with-cues").mkdir()
        (scratch / "without-cues").mkdir()
        (scratch / "at-2x").mkdir()
        camera = Camera(folder, scratch)
        try:
            with XServer(), WindowManager():
                shoot_game(program, scratch, camera)
                shoot_music_warning(program, scratch, camera)
                shoot_at_twice_the_size(program, scratch, camera)
        except Failure as failure:
            sys.exit(f"screenshots: {failure}")
    print(f"{len(camera.taken)} screenshots in {folder} ({time.monotonic() - started:.0f} s)")


if __name__ == "__main__":
    main()
