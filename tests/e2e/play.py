"""The game played as a player would, in a real X server: python3 play.py SCENARIO PROGRAM."""

import sys

from harness import (
    CONTINUE, EXIT, Game, HELP, LEFT_ARROW, LEVEL_BUTTONS, MENU, PAGE_QUIT, RESULT_GO_ON, RESULT_QUIT,
    RESULT_SMALL_QUIT, RIGHT_ARROW, SCREEN_SIZE, TITLE, WindowManager, XServer, all_windows, answer, band_cue,
    check, choices_for, click, frame_geometry, geometry, main, move_on, page_title, play_level, poll,
    press_return_in, require_tools, result_prefix, result_title, run, totals_plan, visible_titles, visible_windows,
    wait_gone, wait_window,
)


def start_to_menu(game):
    title = wait_window(TITLE, timeout=20)
    game.cues.wait_for("theme")
    click(title, CONTINUE)
    return move_on(TITLE, MENU)


def quit_and_check_farewell(game, window, button):
    click(window, button)
    check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}, not 0")
    game.cues.wait_for("doh", timeout=2)


def check_size_and_centring(window, size, what):
    """The client area as designed, and the window centred on the screen with its frame."""
    check(geometry(window)[2:] == size, f"the {what} is {geometry(window)[2:]}, not {size}")

    def offset():
        frame = frame_geometry(window)
        return frame and (frame[0] + frame[2] / 2 - SCREEN_SIZE[0] / 2, frame[1] + frame[3] / 2 - SCREEN_SIZE[1] / 2)
    poll(lambda: f"the framed {what} to be centred; it is {offset()} off",
         lambda: offset() and all(abs(d) <= 1 for d in offset()), timeout=3)


def start_up_menu_and_help(program, workspace):
    """Under a window manager, with toolkit options on the command line that the program ignores."""
    arguments = ("-platform", "offscreen", "-display", ":0", "-qwindowtitle", "Changed", "-qwindowgeometry",
                 "300x200+10+10")
    with XServer(), WindowManager(), Game(program, workspace, arguments=arguments) as game:
        title = wait_window(TITLE, timeout=20)
        check_size_and_centring(title, (730, 267), "title screen")
        game.cues.wait_for("theme")

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

        quit_and_check_farewell(game, menu, EXIT)
        check(game.cues.heard() == ["theme", "doh"], f"cues played: {game.cues.heard()}")


def full_run(program, workspace):
    totals = {"Easy": 9, "Medium": 18, "Hard": 18}
    with XServer(), Game(program, workspace) as game:
        menu = start_to_menu(game)
        click(menu, LEVEL_BUTTONS["Easy"])
        move_on(MENU, page_title("Easy", 1))
        for seed, level in enumerate(("Easy", "Medium", "Hard")):
            result = play_level(game, level, totals[level], seed=seed)
            game.cues.wait_for(band_cue(level, totals[level]))
            click(result, RESULT_GO_ON[level])
            after = MENU if level == "Hard" else page_title({"Easy": "Medium", "Medium": "Hard"}[level], 1)
            move_on(result_title(level, totals[level]), after)
        menu = wait_window(MENU)
        check(visible_titles() == [MENU], f"on view besides the menu: {visible_titles()}")
        quit_and_check_farewell(game, menu, EXIT)
        expected = ["theme", "bad", "excellent", "brilliant", "doh"]
        check(game.cues.heard() == expected, f"cues played: {game.cues.heard()}, not {expected}")


def page_memory(program, workspace):
    """Choices survive going back and forth; "Main Page" forgets page 1's only. Seen through the total."""
    level = "Medium"
    key = {number: choices_for(f"{level}{number}", range(6)) for number in (1, 2, 3)}
    with XServer(), Game(program, workspace) as game:
        menu = start_to_menu(game)
        click(menu, LEVEL_BUTTONS[level])
        page1 = move_on(MENU, page_title(level, 1))
        answer(page1, key[1])  # 6 right, to be forgotten
        click(page1, RIGHT_ARROW)
        page2 = move_on(page_title(level, 1), page_title(level, 2))
        answer(page2, key[2])  # 6 right, kept
        click(page2, LEFT_ARROW)
        page1 = move_on(page_title(level, 2), page_title(level, 1))
        click(page1, RIGHT_ARROW)
        page2 = move_on(page_title(level, 1), page_title(level, 2))
        click(page2, RIGHT_ARROW)
        page3 = move_on(page_title(level, 2), page_title(level, 3))
        answer(page3, key[3][:2] + [None] * 4)  # 2 right, kept
        click(page3, LEFT_ARROW)
        page2 = move_on(page_title(level, 3), page_title(level, 2))
        click(page2, LEFT_ARROW)
        page1 = move_on(page_title(level, 2), page_title(level, 1))
        click(page1, LEFT_ARROW)  # "Main Page"
        menu = move_on(page_title(level, 1), MENU)

        click(menu, LEVEL_BUTTONS[level])
        page1 = move_on(MENU, page_title(level, 1))
        answer(page1, key[1][:1] + [None] * 5)  # a fresh page 1: 1 right
        click(page1, RIGHT_ARROW)
        page2 = move_on(page_title(level, 1), page_title(level, 2))
        click(page2, LEFT_ARROW)
        page1 = move_on(page_title(level, 2), page_title(level, 1))
        answer(page1, [None, key[1][1], None, None, None, None])  # one more: 2 right
        click(page1, RIGHT_ARROW)
        page2 = move_on(page_title(level, 1), page_title(level, 2))
        click(page2, RIGHT_ARROW)
        page3 = move_on(page_title(level, 2), page_title(level, 3))
        click(page3, RIGHT_ARROW)  # "Submit"
        # 2 + 6 + 2: page 1 started afresh after "Main Page" and kept its first choice over a visit to page 2;
        # pages 2 and 3 kept theirs.
        expected = result_title(level, 10)
        result = poll("the result screen", lambda: [t for t in visible_titles() if t.startswith(result_prefix(level))])
        check(result == [expected], f"the result screen says {result}, not {expected}")
        game.cues.wait_for("good")
        quit_and_check_farewell(game, wait_window(expected), RESULT_SMALL_QUIT)


def quit_with_pages_hidden(program, workspace):
    """Also under the plain C locale, which does not change how the folder's non-ASCII name is read."""
    level = "Hard"
    with XServer(), Game(program, workspace, extra_env={"LANG": "C", "LC_ALL": "C"}) as game:
        menu = start_to_menu(game)
        click(menu, LEVEL_BUTTONS[level])
        page = move_on(MENU, page_title(level, 1))
        for number in (1, 2):
            click(page, RIGHT_ARROW)
            page = move_on(page_title(level, number), page_title(level, number + 1))
        for number in (1, 2):
            hidden = all_windows(page_title(level, number))
            check(hidden and not visible_windows(page_title(level, number)), f"page {number} is not loaded and hidden")
        check(visible_titles() == [page_title(level, 3)], f"on view: {visible_titles()}")
        quit_and_check_farewell(game, page, PAGE_QUIT)
        check(game.cues.heard() == ["theme", "doh"], f"cues played: {game.cues.heard()}")


def no_cue_files(program, workspace):
    """Without the wave files the player is told at each cue, and the game goes on."""
    warning = "Pelmaroos"

    def dismiss_warning():
        press_return_in(wait_window(warning))
        wait_gone(warning)

    with XServer(), Game(program, workspace, with_cues=False) as game:
        dismiss_warning()  # the theme
        title = wait_window(TITLE)
        click(title, CONTINUE)
        menu = move_on(TITLE, MENU)
        click(menu, LEVEL_BUTTONS["Easy"])
        move_on(MENU, page_title("Easy", 1))
        plan = totals_plan(14, seed=3)
        for number in (1, 2, 3):
            window = wait_window(page_title("Easy", number))
            answer(window, choices_for(f"Easy{number}", plan[number - 1]))
            click(window, RIGHT_ARROW)
            if number < 3:
                move_on(page_title("Easy", number), page_title("Easy", number + 1))
        dismiss_warning()  # good.wav
        result = move_on(page_title("Easy", 3), result_title("Easy", 14))
        click(result, RESULT_QUIT["Easy"])
        dismiss_warning()  # doh.wav
        check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}, not 0")
        check(game.cues.heard() == [], f"cues played without cue files: {game.cues.heard()}")


def close_through_frame(program, workspace):
    """Under a window manager, closing a page's window ends the game as Quit does."""
    level = "Easy"
    with XServer(), WindowManager(), Game(program, workspace) as game:
        menu = start_to_menu(game)
        click(menu, LEVEL_BUTTONS[level])
        page1 = move_on(MENU, page_title(level, 1))
        answer(page1, choices_for("Easy1", {0, 1}))
        click(page1, RIGHT_ARROW)
        move_on(page_title(level, 1), page_title(level, 2))
        run("wmctrl", "-F", "-c", page_title(level, 2))
        check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}, not 0")
        game.cues.wait_for("doh", timeout=2)
        check(game.cues.heard() == ["theme", "doh"], f"cues played: {game.cues.heard()}")


SCENARIOS = {
    "start-up-menu-help": start_up_menu_and_help,
    "full-run": full_run,
    "page-memory": page_memory,
    "quit-with-pages-hidden": quit_with_pages_hidden,
    "no-cue-files": no_cue_files,
    "close-through-frame": close_through_frame,
}

if __name__ == "__main__":
    framed = sys.argv[1] in ("close-through-frame", "start-up-menu-help")
    window_manager = ["openbox", "wmctrl", "xprop"] if framed else []
    require_tools("Xvfb", "xdotool", "xwininfo", *window_manager)
    main(SCENARIOS)
