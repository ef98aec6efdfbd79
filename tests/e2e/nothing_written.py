# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""A whole game under strace writes no file, talks to nothing but the X server, reads only the system's files
and its own cues, says nothing and leaves no process running, in a desktop's session and in a bare one, with
or without a bus that dbus-launch left on the display:
python3 nothing_written.py nothing-written|nothing-written-bare|nothing-written-bare-bus PROGRAM."""

import codecs
import contextlib
import os
import re
import signal
import subprocess
import sys
from pathlib import Path

from harness import (
    CONTINUE, CUES, EXIT, Game, HELP, LEVEL_BUTTONS, MENU, RESULT_GO_ON, SKIP, TITLE, XServer, check, click,
    display_env, main, move_on, page_title, play_level, poll, press_return_in, require_tools, result_title,
    wait_gone, wait_window,
)

# What the program may open by name besides its own file and its nine cues, and why:
# /usr /lib /lib64  libraries, Qt's plugins, fonts, icons, themes, X11 locale and keyboard data
# /etc              the system's configuration: ld.so.cache, fontconfig, locale.alias, machine-id
# /proc /sys        what the C library, Qt and the sound libraries learn about the process and the machine
# /dev              devices, not files on a disk: /dev/null, /dev/urandom, and the shared memory (/dev/shm) or
#                   graphics devices (/dev/dri) an X or GL library may open for writing
# /var/cache/fontconfig/  the system's font cache, built when fonts are installed, read only
# /var/lib/dbus/machine-id  libdbus reads the machine's id before it asks for the session bus
# Anything else, the working directory and $HOME above all, is a finding; so is any write outside /dev.
SYSTEM_FOLDERS = ("/usr/", "/lib/", "/lib64/", "/etc/", "/proc/", "/sys/", "/dev/", "/var/cache/fontconfig/")
# The name service cache, which the C library asks for the user's name when it runs.
NAME_SERVICE = ("/var/run/nscd/socket", "/run/nscd/socket")
# With a session bus to talk to, the toolkit asks the system's bus too.
SYSTEM_BUS = ("/run/dbus/system_bus_socket", "/var/run/dbus/system_bus_socket")
SYSTEM_FILES = ("/var/lib/dbus/machine-id",)
MACHINE_IDS = (*SYSTEM_FILES, "/etc/machine-id")  # the game takes the first it finds, as libdbus does
WRITE_FLAGS = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND", "O_TMPFILE")
# Calls that make, remove, rename or change a file whatever they return.
CHANGING_CALLS = {
    "mkdir", "mkdirat", "rmdir", "unlink", "unlinkat", "rename", "renameat", "renameat2", "link", "linkat",
    "symlink", "symlinkat", "creat", "truncate", "chmod", "fchmodat", "chown", "lchown", "fchownat", "utime",
    "utimes", "utimensat", "futimesat", "mknod", "mknodat", "setxattr", "lsetxattr", "removexattr", "lremovexattr",
}
OPENING_CALLS = {"open", "openat", "openat2", "creat", "execve", "execveat"}
STRACE = ("strace", "-f", "-y", "--seccomp-bpf", "-e", "trace=%file,%network")

CALL = re.compile(r"^(\d+)\s+(\w+)\((.*)\)\s+=\s+(-?\d+|\?)(.*)$")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')
FD_PATH = re.compile(r"^(?:\d+|AT_FDCWD)<((?:[^>\\]|\\.)*)>")


def unescape(text):
    return codecs.escape_decode(text.encode("ascii", "backslashreplace"))[0].decode("utf-8", "surrogateescape")


def calls(log):
    """(syscall, arguments, result, rest of the line) of every finished call; split calls are joined again."""
    pending = {}
    for line in log.read_text(errors="replace").splitlines():
        pid = line.split(" ", 1)[0]
        if line.endswith("<unfinished ...>"):
            pending[pid] = line[: -len("<unfinished ...>")].rstrip()
            continue
        resumed = re.match(r"^(\d+)\s+<\.\.\. \w+ resumed>(.*)$", line)
        if resumed:
            line = pending.pop(pid, "") + resumed.group(2)
        match = CALL.match(line)
        if match:
            yield match.group(2), match.group(3), int(match.group(4)) if match.group(4) != "?" else None, match.group(5)


def path_of(arguments, result_rest, call):
    """The absolute path a call names: the opened file's own path when it succeeded, else the path argument
    resolved against its directory descriptor."""
    opened = re.match(r"^<((?:[^>\\]|\\.)*)>", result_rest)
    if opened and call in OPENING_CALLS - {"execve", "execveat"}:
        return unescape(opened.group(1))
    strings = STRING.findall(arguments)
    if not strings:
        return None
    path = unescape(strings[0])
    if path.startswith("/"):
        return path
    directory = FD_PATH.match(arguments)
    return str(Path(unescape(directory.group(1))) / path) if directory else path


def findings(log, allowed_files, runtime_folder, x_socket, session_bus, sound_server=None):
    """What the traced process did beyond reading the system's files and the allowed ones, one line each,
    and the allowed exceptions it made use of."""
    found, allowed = [], []
    for call, arguments, result, rest in calls(log):
        if call in ("socket", "socketpair"):
            if not arguments.startswith("AF_UNIX"):
                found.append(f"opened a network socket: {call}({arguments})")
            continue
        if call == "bind" or (call in ("connect", "sendto", "sendmsg") and "sun_path=" in arguments):
            peer = re.search(r'sun_path=@?"((?:[^"\\]|\\.)*)"', arguments)
            peer = unescape(peer.group(1)) if peer else arguments
            # The X server's socket is the one peer, and the session bus: the address the test gave has nothing
            # behind it, as on a desktop whose bus Qt asks whether a screen reader runs, or the display's bus. The
            # name service and the system's bus only answer. So does the sound server, where one answers.
            peers = (x_socket, session_bus, sound_server, *NAME_SERVICE, *SYSTEM_BUS)
            (allowed if call == "connect" and peer in peers else found).append(f"{call} to {peer} = {result}{rest}")
            continue
        path = path_of(arguments, rest, call)
        if path is None:
            continue
        if call in CHANGING_CALLS:
            # Qt makes sure the runtime folder it was given exists; it does, so nothing is made. Without one it
            # tries the temporary folder, which the game points at /dev/null, where no folder can be made.
            made_nothing = result == -1 and (path == runtime_folder and "EEXIST" in rest or path.startswith("/dev/"))
            if call == "mkdir" and made_nothing:
                allowed.append(f"{call} {path} = {result}{rest}")
                continue
            found.append(f"{call} {path} = {result}{rest}")
            continue
        if call not in OPENING_CALLS or result is None or result < 0:
            continue  # a look that finds nothing, or a stat: nothing read, nothing written
        flags = set(re.findall(r"\bO_[A-Z]+\b", arguments))
        if flags & set(WRITE_FLAGS):
            (allowed if path.startswith("/dev/") else found).append(
                f"opened for writing: {path} ({'|'.join(sorted(flags))})")
        elif not (path.startswith(SYSTEM_FOLDERS) or path in SYSTEM_FILES or path in allowed_files):
            found.append(f"{call} {path}")
    return found, allowed


def self_check(workspace):
    """The check sees a process that writes, so that a silent trace means a program that does not."""
    log = workspace / "self-check.log"
    target = workspace / "made"
    script = f'mkdir "{target}"; echo > "{target}/f"; rm -r "{target}"'
    subprocess.run([*STRACE, "-o", str(log), "/bin/sh", "-c", script], check=True, capture_output=True)
    found, _ = findings(log, set(), "", "", "")
    for expected in (f"mkdir {target}", f"opened for writing: {target}/f", f"unlinkat {target}/f"):
        check(any(line.startswith(expected) for line in found), f"the check missed '{expected}' in {found}")


def left_running(log):
    """What still runs of the processes the traced program started, once the program itself has ended."""
    def traced():
        return [(line + " ").split(" ", 1) for line in log.read_text(errors="replace").splitlines()]
    program = traced()[0][0]
    poll("the program to end",
         lambda: any(pid == program and rest.lstrip().startswith("+++") for pid, rest in traced()), timeout=10)
    pids = {pid for pid, _ in traced()} - {program}
    running = {}
    for pid in pids:
        try:
            running[int(pid)] = Path(f"/proc/{pid}/cmdline").read_bytes().replace(b"\0", b" ").decode().strip()
        except (OSError, ValueError):
            pass  # ended
    for pid in running:
        os.kill(pid, signal.SIGTERM)
    return running


@contextlib.contextmanager
def bus_on_display(workspace):
    """The socket of the session bus dbus-launch starts for the X server and names on it, where a bare session's
    programs find it: the game must, so that a screen reader can reach it."""
    (workspace / "bus-home").mkdir()
    machine = next(Path(f).read_text().split()[0] for f in MACHINE_IDS if Path(f).is_file())
    said = subprocess.run(["dbus-launch", f"--autolaunch={machine}", "--sh-syntax"], check=True, text=True,
                          env=dict(display_env, HOME=str(workspace / "bus-home")), capture_output=True).stdout
    try:
        yield re.search(r"unix:(?:path|abstract)=([^,']+)", said)[1]
    finally:
        os.kill(int(re.search(r"DBUS_SESSION_BUS_PID=(\d+)", said)[1]), signal.SIGTERM)


def nothing_written(program, workspace, bare=False, display_bus=False):
    """A desktop's session, whose bus the test stands in for with an address that has nothing behind it, under
    the plain C locale, which does not change how the folder's non-ASCII name is read; or a bare session that
    names neither a runtime folder nor a bus, though dbus-launch may have named one on its display."""
    self_check(workspace)
    log = workspace / "strace.log"
    session_bus = str(workspace / "no-session-bus")
    session = {"DBUS_SESSION_BUS_ADDRESS": f"unix:path={session_bus}", "LANG": "C", "LC_ALL": "C"}
    if bare:
        (workspace / "tmp").mkdir()
        # Exported empty, as some session scripts leave them, they name nothing, as when they are not there.
        unset = None if display_bus else ""
        session = {"XDG_RUNTIME_DIR": unset, "DBUS_SESSION_BUS_ADDRESS": unset, "TMPDIR": str(workspace / "tmp")}
    with XServer() as server, (bus_on_display(workspace) if display_bus else contextlib.nullcontext()) as bus, \
            Game(program, workspace, command_prefix=(*STRACE, "-o", str(log)),
                 extra_env=session) as game:
        title = wait_window(TITLE, timeout=30)
        click(title, CONTINUE)
        menu = move_on(TITLE, MENU)
        click(menu, HELP)
        press_return_in(wait_window("Help"))
        wait_gone("Help")
        click(menu, LEVEL_BUTTONS["Easy"])
        move_on(MENU, page_title("Easy", 1))
        totals = {"Easy": 18, "Medium": 0, "Hard": 5}
        for seed, level in enumerate(totals):
            result = play_level(game, level, totals[level], seed=seed)
            click(result, RESULT_GO_ON[level])
            move_on(result_title(level, totals[level]), MENU if level == "Hard" else page_title(
                {"Easy": "Medium", "Medium": "Hard"}[level], 1))
        click(wait_window(MENU), EXIT)
        running = left_running(log)
        check(not running, "the program left running: " + "; ".join(running.values()))
        check(game.wait_exit(timeout=10) == 0, f"the program ended with status {game.process.returncode}")
        said = game.log.read_text(errors="replace").strip()
        check(not said, f"the program said on its output:\n{said}")
        display_number = server.display.lstrip(":")

    cue_files = {str(game.folder / f"{name}.wav") for name in CUES}
    # The sound server the game is pointed at, and the ALSA configuration it is given, as a desktop's.
    sound_server = game.env["PULSE_SERVER"].removeprefix("unix:")
    alsa_configuration = {game.env["ALSA_CONFIG_PATH"]}
    found, allowed = findings(log, cue_files | alsa_configuration | {str(game.program)},
                              str(game.runtime), f"/tmp/.X11-unix/X{display_number}", bus or session_bus,
                              sound_server)
    print("Allowed and seen:\n  " + "\n  ".join(sorted(set(allowed))))
    traced = [(call, path_of(arguments, rest, call), result) for call, arguments, result, rest in calls(log)]
    elsewhere = str(game.working_directory) + "/"
    # Qt gives the fonts the program carries in memory names that begin with ":" (":qmemoryfonts/0" in Qt 6.8),
    # and before the first of them has fontconfig add ":/non-existent" to make room for a program's fonts.
    # Fontconfig and FreeType look such a name up relative to the working directory and find nothing there.
    def qt_font_name(path, result):
        return path.startswith(elsewhere + ":") and result is not None and result < 0
    looked_elsewhere = [f"{call} {path}" for call, path, result in traced
                        if (path or "").startswith(elsewhere) and not qt_font_name(path, result)]
    check(not found, "the program went beyond reading:\n  " + "\n  ".join(sorted(set(found))))
    check(not display_bus or f"connect to {bus} = 0" in allowed, "the program did not reach the display's bus")
    check(not looked_elsewhere,
          "the program looked for files in its working directory:\n  " + "\n  ".join(looked_elsewhere[:10]))
    opened_cues = [Path(path).stem for call, path, result in traced
                   if call == "openat" and result is not None and result >= 0 and path in cue_files]
    expected = ["theme", "wow", "haha", "stupid", "doh"]
    check(opened_cues == expected, f"the program read the cues {opened_cues}, not {expected}")


if __name__ == "__main__":
    require_tools("Xvfb", "xdotool", "xwininfo", "strace", "dbus-launch")
    if subprocess.run(["strace", "-o", "/dev/null", "/bin/true"], capture_output=True).returncode != 0:
        print("SKIP: strace cannot trace processes here (ptrace is not permitted).")
        sys.exit(SKIP)
    main({"nothing-written": nothing_written,
          "nothing-written-bare": lambda program, workspace: nothing_written(program, workspace, bare=True),
          "nothing-written-bare-bus":
              lambda program, workspace: nothing_written(program, workspace, bare=True, display_bus=True)})
