# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The game read and played through the accessibility bus, as a screen reader does:
python3 accessibility.py read PROGRAM."""

from harness import (
    BUS_LAUNCHER, MENU, TITLE, AccessibilityBus, Game, XServer, answer_key, check, main, page_title, poll,
    require_tools, result_title, totals_plan, visible_titles, wrong_option,
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


def act(node, action):
    """Does the named action of the node; False if it offers none by that name."""
    offered = node.queryAction() if "Action" in pyatspi.utils.listInterfaces(node) else None
    names = [offered.getName(i) for i in range(offered.nActions)] if offered else []
    return action in names and offered.doAction(names.index(action))


def press(window, name):
    """Presses the one control of the window on view with this name that can be pressed."""
    found = [node for node in tree(window) if node.name == name and showing(node)
             and node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(len(found) == 1 and act(found[0], "Press"), f"{window.name}: {len(found)} buttons {name} to press")


def screen(app, *titles):
    """The last of the windows once they alone are on view and shown on the bus, each control of a screen
    checked as a screen reader meets it: a role, a name, pictures named for what they show, nothing hidden."""
    def settled():
        try:
            windows = {window.name: window for window in app if showing(window)}
        except GLib.Error:  # a window went away while it was read
            return None
        return sorted(windows) == sorted(titles) == visible_titles() and windows
    windows = poll(lambda: f"{titles} alone on view and on the bus (on view: {visible_titles()})", settled)
    for title, window in windows.items():
        # Announced as a window with its title when it comes up: a screen as a frame, a box as a dialog.
        role = pyatspi.ROLE_DIALOG if title == "Help" else pyatspi.ROLE_FRAME
        check(window.getRole() == role, f"{title} reads as a {window.getRoleName()}")
        shown = [node for node in tree(window) if showing(node)]
        check(all(showing(node.parent) for node in shown[1:]), f"{window.name}: a control of a hidden one shows")
        for node in shown:
            # A filler only lays out what it holds, and a screen reader passes over it.
            check(node.getRole() not in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN)
                  and (node.name.strip() or node.getRole() == pyatspi.ROLE_FILLER),
                  f"{window.name}: a {node.getRoleName()} without a role or name")
        pictures = [node.name for node in shown if node.getRole() == pyatspi.ROLE_IMAGE]
        check(len(set(pictures)) == len(pictures), f"{window.name}: pictures that read alike: {pictures}")
        check("Page score" not in [node.name for node in shown], f"{window.name}: the hidden page score shows")
    return windows[titles[-1]]


def play(app, level, total):
    """Plays the level by its choices and arrows alone and returns its result screen, read back."""
    plan = totals_plan(total, seed=len(level))
    for number in (1, 2, 3):
        page = screen(app, page_title(level, number))
        # The arrows read as the captions beside them, and no other picture reads as a button.
        arrows = ["Main Page" if number == 1 else "Previous Page", "Submit" if number == 3 else "Next Page"]
        buttons = [node.name for node in tree(page) if showing(node) and node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        check(sorted(buttons) == sorted(arrows + ["Quit"]), f"{page.name}: the buttons read {buttons}")
        for slot, question in enumerate(node for node in page if node.getRole() == pyatspi.ROLE_PANEL):
            right = answer_key(f"{level}{number}")[slot]
            choices = [node for node in question if node.getRole() == pyatspi.ROLE_RADIO_BUTTON]
            check(act(choices[(right if slot in plan[number - 1] else wrong_option(right)) - 1], "Toggle"), "no toggle")
        press(page, arrows[1])
    result = screen(app, result_title(level, total))
    read = {node.name for node in tree(result) if showing(node)}
    check(f"You got {total} out of 18." in read, f"the score line is not read back: {read}")
    band = 0 if total <= 9 else 2 if total == 18 else 1
    check(read & set(RESULT_PICTURES) == {RESULT_PICTURES[band]}, f"pictures read: {read & set(RESULT_PICTURES)}")
    return result


def read(program, workspace):
    global pyatspi, GLib
    with XServer(), AccessibilityBus(workspace) as bus, \
            Game(program, workspace, extra_env=bus.game_env) as game:
        import pyatspi  # joins the session bus the test has just started
        from gi.repository import GLib
        app = poll("the game on the accessibility bus", lambda: next(
            (app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "The Pelmaroos Trivia"), None), 20)
        press(screen(app, TITLE), "Continue")
        press(screen(app, MENU), "Help...")
        help_box = screen(app, MENU, "Help")
        read = {(node.getRole(), node.name) for node in tree(help_box) if showing(node)}
        check(any(name.startswith("Just click on the level") for _, name in read), "the help is not read")
        check((pyatspi.ROLE_IMAGE, "Question mark") in read, f"the help's icon is not read: {read}")
        press(help_box, "OK")
        press(screen(app, MENU), "Easy")
        for level, total in (("Easy", 10), ("Medium", 18), ("Hard", 3)):
            press(play(app, level, total), GO_ON[level])
        press(screen(app, MENU), "Exit")
        check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}")


if __name__ == "__main__":
    require_tools("Xvfb", "xdotool", "dbus-daemon", "dbus-send", BUS_LAUNCHER, modules=("pyatspi",),
                  needed_by="the accessibility test")
    main({"read": read})
