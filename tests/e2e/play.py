# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The game played as a player would, in a real X server: python3 play.py SCENARIO PROGRAM."""

import functools
import math
import sys

from harness import (
    CONTINUE, EXIT, Game, HELP, LEVEL_BUTTONS, MENU, NO_ALSA_DEVICE, SCREEN_SIZE, TITLE, WINDOW_MANAGERS,
    WindowManager, XServer, forward_arrow, all_windows, answer, check, click, frame_geometry, geometry, main,
    move_on, page_title, poll, press_return_in, require_tools, run, visible_windows, wait_gone, wait_window,
)


def off_centre(window):
    """How many pixels the framed window's centre is off the screen's; infinitely many before it has a frame."""
    frame = frame_geometry(window)
    return max(abs(frame[0] + frame[2] / 2 - SCREEN_SIZE[0] / 2),
               abs(frame[1] + frame[3] / 2 - SCREEN_SIZE[1] / 2)) if frame else math.inf


def check_size_and_centring(window, size, what):
    """The client area as designed, and the window centred on the screen with its frame: a manager that centres
    the frame itself halves the frame's sides its own way, and may put it a pixel off where the program would."""
    check(geometry(window)[2:] == size, f"the {what} is {geometry(window)[2:]}, not {size}")
    check(frame_geometry(window) and frame_geometry(window)[3] > size[1], f"the {what} came on view with no frame")
    check(off_centre(window) <= 1.5, f"the framed {what} came on view {off_centre(window)} px off the centre")


def check_still(window_manager, shown):
    """Each window came on view where it stays: none moved once on view."""
    places = window_manager.places_on_view()
    check(len(places) >= shown, f"{len(places)} windows came on view, not {shown}")
    moved = [where for where in places.values() if len(where) > 1]
    check(not moved, f"windows moved once on view, from and to: {moved}")


def start_up_menu_and_help(program, workspace):
    """Under openbox, with toolkit options on the command line that the program ignores; closing a page's window
    through its frame then ends the game as Quit does."""
    arguments = ("-platform", "offscreen", "-display", ":0", "-qwindowtitle", "Changed", "-qwindowgeometry",
                 "300x200+10+10")
    with XServer(), WindowManager() as window_manager, Game(program, workspace, arguments=arguments) as game:
        title = wait_window(TITLE, timeout=20)
        check_size_and_centring(title, (730, 267), "title screen")

        click(title, CONTINUE)
        menu = move_on(TITLE, MENU)
        check_size_and_centring(menu, (349, 283), "menu")
        poll("the title screen to be unloaded after Continue", lambda: not all_windows(TITLE), timeout=5)

        click(menu, HELP)
        help_box = wait_window("Help")
        check(visible_windows(MENU), "the menu went when Help came up")
        press_return_in(help_box)
        wait_gone("Help")
        check(visible_windows(MENU) == [menu], "the menu is not on view after the Help box")

        click(menu, LEVEL_BUTTONS["Easy"])
        page1 = move_on(MENU, page_title("Easy", 1))
        answer(page1, "Easy1", {0, 1})
        click(page1, forward_arrow("Easy1"))
        move_on(page_title("Easy", 1), page_title("Easy", 2))
        run("wmctrl", "-F", "-c", page_title("Easy", 2))
        check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}, not 0")
        check_still(window_manager, shown=5)


def centred_under(manager, program, workspace):
    """Under a window manager that does not say beforehand which frame it puts round a window, the title screen,
    the menu and a page come on view centred with their frame and stay there; closing the page through its frame
    ends the game."""
    with XServer(), WindowManager(manager) as window_manager, Game(program, workspace) as game:
        title = wait_window(TITLE, timeout=20)
        check_size_and_centring(title, (730, 267), "title screen")
        click(title, CONTINUE)
        menu = move_on(TITLE, MENU)
        check_size_and_centring(menu, (349, 283), "menu")
        click(menu, LEVEL_BUTTONS["Easy"])
        page1 = move_on(MENU, page_title("Easy", 1))
        check_size_and_centring(page1, (625, 506), "page")
        run("wmctrl", "-F", "-c", page_title("Easy", 1))
        check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}, not 0")
        check_still(window_manager, shown=3)


def no_sound(program, workspace):
    """Without the wave files; with a sound library that lacks every call (an empty libpulse-simple first on
    the library path) and no ALSA device; and with no sound server and no ALSA device: the player is told at
    each cue, in a box and nowhere else, and the game goes on to its end."""
    warning = "Pelmaroos"

    def dismiss_warning():
        press_return_in(wait_window(warning))
        wait_gone(warning)

    empty_pulse = workspace / "empty-pulse"
    empty_pulse.mkdir()
    run("cc", "-shared", "-o", str(empty_pulse / "libpulse-simple.so.0"), "-x", "c", "/dev/null")
    no_device = {"ALSA_CONFIG_PATH": NO_ALSA_DEVICE}
    silent = {"no-cues": {"with_cues": False},
              "no-libpulse-calls": {"extra_env": {"LD_LIBRARY_PATH": str(empty_pulse), **no_device}},
              "no-server-no-device": {"extra_env": no_device}}
    with XServer():
        for name, options in silent.items():
            (workspace / name).mkdir()
            with Game(program, workspace / name, **options) as game:
                dismiss_warning()  # the theme
                click(wait_window(TITLE), CONTINUE)
                click(move_on(TITLE, MENU), EXIT)
                dismiss_warning()  # doh.wav
                check(game.wait_exit() == 0, f"{name}: the program ended with status {game.process.returncode}, not 0")
                said = game.log.read_text(errors="replace").strip()
                check(not said, f"{name}: the program said on its output, where the player is told in boxes:\n{said}")


SCENARIOS = {
    "start-up-menu-help": start_up_menu_and_help,
    "centred-under-kwin": functools.partial(centred_under, "kwin"),
    "centred-under-fluxbox": functools.partial(centred_under, "fluxbox"),
    "no-sound": no_sound,
}

if __name__ == "__main__":
    manager = {"start-up-menu-help": "openbox"}.get(sys.argv[1], sys.argv[1].removeprefix("centred-under-"))
    window_manager = [WINDOW_MANAGERS[manager][0][0], "dbus-daemon", "wmctrl", "xprop", "xev"] \
        if manager in WINDOW_MANAGERS else ["cc"]
    require_tools("Xvfb", "xdotool", "xwininfo", *window_manager)
    main(SCENARIOS)
