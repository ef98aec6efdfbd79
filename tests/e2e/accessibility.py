"""The game read and played through the accessibility bus, as a screen reader does:
python3 accessibility.py read PROGRAM."""

from pathlib import Path

from harness import (
    ANSWER_KEYS, BUS_LAUNCHER, MENU, SKIP, TITLE, AccessibilityBus, Game, XServer, check, main, page_title, poll,
    require_modules, require_tools, result_title, totals_plan, visible_titles, wrong_option,
)

RESULT_PICTURES = ("Gusset under a rain cloud", "Gusset and Biscuit under a rainbow", "The Pelmaroos cheering")
GO_ON = {"Easy": "Try Medium Level", "Medium": "Try HARD Level", "Hard": "Main"}


def tree(node):
    yield node
    for child in node:
        if child is not None:  # a window going away
            yield from tree(child)


def showing(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)


def actions(node):
    action = node.queryAction() if "Action" in pyatspi.utils.listInterfaces(node) else None
    return [action.getName(i) for i in range(action.nActions)] if action else []


def act(node, action):
    node.queryAction().doAction(actions(node).index(action))


def on_view(app, *titles):
    """The windows the bus shows once they are the ones on view, each control of a screen checked as a screen
    reader meets it: a role, a name, a picture named for what it shows, and no hidden control read as showing."""
    def settled():
        try:
            windows = {window.name: window for window in app if showing(window)}
        except GLib.Error:  # a window went away while it was read
            return None
        return sorted(windows) == sorted(titles) == visible_titles() and windows
    windows = poll(lambda: f"{titles} on view and on the bus (on view: {visible_titles()})", settled)
    for window in windows.values():
        if window.getRole() == pyatspi.ROLE_ALERT:
            continue  # a message box, read in full by whoever opened it
        shown = [node for node in tree(window) if showing(node)]
        check(all(showing(node.parent) for node in shown[1:]), f"{window.name}: a control of a hidden one shows")
        for node in shown:
            check(node.getRole() not in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN) and node.name.strip(),
                  f"{window.name}: a {node.getRoleName()} without a role or name")
        pictures = [node.name for node in shown if node.getRole() == pyatspi.ROLE_IMAGE]
        check(len(set(pictures)) == len(pictures), f"{window.name}: pictures that read alike: {pictures}")
        check("Page score" not in [node.name for node in shown], f"{window.name}: the hidden page score shows")
    return windows


def pressable(window, name):
    return [node for node in tree(window) if node.name == name and "Press" in actions(node)]


def press(window, name):
    """Presses the one control on view in the window with this name that can be pressed."""
    found = [node for node in pressable(window, name) if showing(node)]
    check(len(found) == 1, f"{window.name}: {len(found)} controls named {name} to press")
    act(found[0], "Press")


def play(app, level, total):
    """Plays the level by its choices and arrows alone, checks its result screen and returns it."""
    plan = totals_plan(total, seed=len(level))
    for number in (1, 2, 3):
        title = page_title(level, number)
        page = on_view(app, title)[title]
        # The arrows read as the captions beside them, and no other picture reads as a button.
        arrows = ["Main Page" if number == 1 else "Previous Page", "Submit" if number == 3 else "Next Page"]
        buttons = sorted(node.name for node in tree(page) if showing(node) and node.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        check(buttons == sorted(arrows + ["Quit"]), f"{title}: the buttons read {buttons}")
        questions = [node for node in page if node.getRole() == pyatspi.ROLE_PANEL]
        for slot, question in enumerate(questions):
            right = ANSWER_KEYS[f"{level}{number}"][slot]
            choice = right if slot in plan[number - 1] else wrong_option(right)
            act([node for node in question if node.getRole() == pyatspi.ROLE_RADIO_BUTTON][choice - 1], "Toggle")
        if level == "Easy" and number == 2:
            # Back to page 1, where the arrows of the page now out of view do nothing.
            press(page, "Previous Page")
            first = on_view(app, page_title(level, 1))[page_title(level, 1)]
            act(pressable(page, "Next Page")[0], "Press")
            press(first, "Next Page")
            page = on_view(app, title)[title]
        press(page, "Submit" if number == 3 else "Next Page")
    result = on_view(app, result_title(level, total))[result_title(level, total)]
    read = {node.name for node in tree(result) if showing(node)}
    check(f"You got {total} out of 18." in read, f"the score line is not read back: {read}")
    band = 0 if total <= 9 else 2 if total == 18 else 1
    check(read & set(RESULT_PICTURES) == {RESULT_PICTURES[band]}, f"pictures read: {read & set(RESULT_PICTURES)}")
    return result


def read(program, workspace):
    global pyatspi, GLib
    with XServer(), AccessibilityBus(workspace) as bus, \
            Game(program, workspace, audio_driver="dummy", extra_env=bus.game_env) as game:
        import pyatspi  # joins the session bus the test has just started
        from gi.repository import GLib
        app = poll("the game on the accessibility bus", lambda: next(
            (app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "The Pelmaroos Trivia"), None), 20)
        press(on_view(app, TITLE)[TITLE], "Continue")
        press(on_view(app, MENU)[MENU], "Help...")
        help_box = on_view(app, MENU, "Help")["Help"]
        check(any(node.name.startswith("Just click on the level") for node in tree(help_box)), "the help is not read")
        press(help_box, "OK")
        press(on_view(app, MENU)[MENU], "Easy")
        for level, total in (("Easy", 10), ("Medium", 18), ("Hard", 3)):
            press(play(app, level, total), GO_ON[level])
        press(on_view(app, MENU)[MENU], "Exit")
        check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}")


if __name__ == "__main__":
    require_tools("Xvfb", "xdotool", "dbus-daemon", "dbus-send", needed_by="the accessibility test")
    if not Path(BUS_LAUNCHER).exists():
        print(f"SKIP: the accessibility test needs {BUS_LAUNCHER}; tools/install-deps.sh installs it.")
        raise SystemExit(SKIP)
    require_modules("pyatspi", needed_by="the accessibility test")
    main({"read": read})
