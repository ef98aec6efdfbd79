# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""The game heard through a sound server of its own, as a player hears it: python3 sound.py SCENARIO PROGRAM,
SCENARIO being heard (PulseAudio, which goes away and comes back mid-game) or heard-through-pipewire."""

import sys

from harness import (
    CONTINUE, Game, LEVEL_BUTTONS, MENU, PIECE, RATE, RESULT_GO_ON, RESULT_QUIT, forward_arrow, TITLE, PipeWireServer,
    Recording, SoundServer, XServer, check, click, cue_samples, main, move_on, page_title, press_return_in,
    require_tools, result_title, visible_titles, visible_windows, wait_gone, wait_window,
)


def to_result(level, warned=False):
    """Goes through the level's pages without a choice, to its result screen, past the warning it may give."""
    for number in (1, 2, 3):
        click(wait_window(page_title(level, number)), forward_arrow(f"{level}{number}"))
    if warned:
        press_return_in(wait_window("Pelmaroos"))
        wait_gone("Pelmaroos")
    return wait_window(result_title(level, 0))


def heard(program, workspace):
    theme, bad, stupid, doh = (cue_samples(program, name) for name in ("theme", "bad", "stupid", "doh"))
    with XServer(), SoundServer(workspace) as server:
        with Recording(server, workspace / "before.raw") as recording, \
                Game(program, workspace, sound_server=server) as game:
            title = wait_window(TITLE, timeout=20)
            recording.wait_for("theme.wav", theme)
            check(visible_windows(TITLE), "the title screen went before its theme was heard")
            click(title, CONTINUE)
            menu = move_on(TITLE, MENU)
            check(recording.where_in(theme, recording.length()) is not None, "the theme stopped at the menu")
            click(menu, LEVEL_BUTTONS["Easy"])
            result = to_result("Easy")
            # Just before bad.wav begins, the theme played still, a good way from its end.
            bad_at = recording.wait_for("bad.wav", bad)
            cut = recording.where_in(theme, bad_at - PIECE - RATE // 20, backwards=True)
            check(cut is not None and cut < len(theme) - RATE,
                  f"bad.wav did not cut the theme off but came {'after it' if cut else 'out of silence'}")

            # The server goes away mid-game: the next cue warns and the game goes on.
            server.process.kill()
            server.process.wait()
            click(result, RESULT_GO_ON["Easy"])
            move_on(result_title("Easy", 0), page_title("Medium", 1))
            result = to_result("Medium", warned=True)  # haha.wav cannot be played

            # A server started again is used by a later cue; the farewell plays to its end with no window
            # left on view, and then nothing more.
            with server, Recording(server, workspace / "after.raw") as recording:
                click(result, RESULT_GO_ON["Medium"])
                move_on(result_title("Medium", 0), page_title("Hard", 1))
                result = to_result("Hard")
                recording.wait_for("stupid.wav", stupid)
                click(result, RESULT_QUIT["Hard"])
                doh_at = recording.wait_for("doh.wav", doh)
                check(visible_titles() == [], f"on view while the farewell plays: {visible_titles()}")
                check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}")
                recording.wait_length(doh_at + len(doh) + 2 * RATE)
                end = recording.find_end(doh, doh_at)
                check(end is not None, "the farewell was cut short")
                check(abs(recording.samples(end + RATE // 10)).max() < 30, "something was heard after the farewell")


def heard_through_pipewire(program, workspace):
    """The theme as the title screen comes up, a result cue that cuts it off, and the farewell to its end, heard
    through PipeWire as a desktop of today runs it."""
    theme, bad, doh = (cue_samples(program, name) for name in ("theme", "bad", "doh"))
    with XServer(), PipeWireServer(workspace) as server, Recording(server, workspace / "heard.raw") as recording, \
            Game(program, workspace, sound_server=server) as game:
        title = wait_window(TITLE, timeout=20)
        recording.wait_for("theme.wav", theme)
        click(title, CONTINUE)
        click(move_on(TITLE, MENU), LEVEL_BUTTONS["Easy"])
        result = to_result("Easy")
        bad_at = recording.wait_for("bad.wav", bad)
        cut = recording.where_in(theme, bad_at - PIECE - RATE // 20, backwards=True)
        check(cut is not None and cut < len(theme) - RATE, "bad.wav did not cut the theme off")
        click(result, RESULT_QUIT["Easy"])
        doh_at = recording.wait_for("doh.wav", doh)
        check(game.wait_exit() == 0, f"the program ended with status {game.process.returncode}")
        recording.wait_length(doh_at + len(doh) + RATE)
        check(recording.find_end(doh, doh_at) is not None, "the farewell was cut short")


if __name__ == "__main__":
    require_tools("Xvfb", "xdotool", "xwininfo", "pulseaudio", "pactl", "parec", modules=("numpy",),
                  needed_by="the sound test")
    if sys.argv[1] == "heard-through-pipewire":
        require_tools("pipewire", "pipewire-pulse", "wireplumber", "dbus-daemon", needed_by="the PipeWire test")
    main({"heard": heard, "heard-through-pipewire": heard_through_pipewire})
