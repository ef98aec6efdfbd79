# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""What the end-to-end tests share: an X server of their own, the game copied into an awkward folder and
started from elsewhere, xdotool clicks at the screens' twips, the cues as a sound server of the
test's own played them, and an accessibility bus of the test's own."""

import functools
import importlib
import importlib.util
import json
import os
import re
import selectors
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import wave
from pathlib import Path

# Only the sound test needs numpy, and it skips without it.
numpy = importlib.import_module("numpy") if importlib.util.find_spec("numpy") else None

SKIP = 77  # ctest's SKIP_RETURN_CODE for these tests
TWIPS_PER_PIXEL = 15
SCREEN_SIZE = (1280, 1024)
CUES = tuple((Path(__file__).resolve().parents[2] / "sounds" / "cues.txt").read_text().split())
APPLICATION_FOLDER = "Pelmaroos Spiel ÄÖü"
# A game without a sound server of the test's own hears none, and plays to an ALSA device that takes its cues
# and plays them to nobody; NO_ALSA_DEVICE is a configuration that has no device at all.
SILENT_ALSA = Path(__file__).resolve().with_name("silent-alsa.conf")
NO_ALSA_DEVICE = "/dev/null"

@functools.cache
def layout():
    """The game's own layouts and keys (harness/LayoutDump.cpp): captions, control rectangles in twips from a
    window's top left, and each question page's arrows and answer key. Read when a test first needs them, so
    that the harness imports without a built game."""
    return json.loads(subprocess.run([os.environ["PELMAROOS_LAYOUT_DUMP"]], capture_output=True, check=True).stdout)


def caption(screen):
    return layout()["screens"][screen]["caption"]


def control(screen, name):
    return tuple(layout()["screens"][screen]["controls"][name])


# Names the tests import, each read from the layouts on first use.
FROM_LAYOUT = {
    "TITLE": lambda: caption("PreMain"),
    "MENU": lambda: caption("Main"),
    "CONTINUE": lambda: control("PreMain", "cmdContinue"),
    "LEVEL_BUTTONS": lambda: {level: control("Main", f"cmd{level}") for level in ("Easy", "Medium", "Hard")},
    "HELP": lambda: control("Main", "cmdHelp"),
    "EXIT": lambda: control("Main", "cmdExit"),
    "RESULT_GO_ON": lambda: {level: control(f"{level}About", name) for level, name in
                             (("Easy", "Command1"), ("Medium", "Command1"), ("Hard", "Command3"))},
    "RESULT_QUIT": lambda: {level: control(f"{level}About", name) for level, name in
                            (("Easy", "Command2"), ("Medium", "Command2"), ("Hard", "Command4"))},
}


def __getattr__(name):
    if name in FROM_LAYOUT:
        return FROM_LAYOUT[name]()
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")


def forward_arrow(page):
    return control(page, layout()["pages"][page]["forward"])


def answer_key(page):
    return tuple(layout()["pages"][page]["key"])


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def page_title(level, number):
    return caption(f"{level}{number}")


def result_title(level, total):
    return f"Your Score On The {level} Level: {total} out of 18"


def require_tools(*tools, modules=(), needed_by="this end-to-end test"):
    """Skips the test, saying why, when a program (by name or path) or a Python module it needs is missing."""
    missing = [tool for tool in tools if shutil.which(tool) is None and not Path(tool).is_file()]
    missing += [f"Python's {module}" for module in modules if importlib.util.find_spec(module) is None]
    if missing:
        print(f"SKIP: {needed_by} needs {', '.join(missing)}, which this machine lacks; "
              "tools/install-deps.sh installs them.")
        sys.exit(SKIP)


def poll(what, probe, timeout=10.0, interval=0.03):
    """Returns probe()'s first true value, or fails after timeout seconds; what may be a function, asked then."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what() if callable(what) else what}")
        time.sleep(interval)


# The environment of the tools, with DISPLAY set to this test's own server once it runs.
display_env = dict(os.environ)


def run(*command, check_status=True):
    done = subprocess.run(command, capture_output=True, text=True, env=display_env)
    if check_status and done.returncode != 0:
        raise Failure(f"{' '.join(command)} failed: {done.stderr.strip()}")
    return done.stdout


class XServer:
    """An Xvfb of this test's own, on a display from :20 up that nobody holds."""

    def __init__(self):
        self.process = None
        self.display = None

    def __enter__(self):
        first = 20 + os.getpid() % 400
        for number in range(first, first + 200):
            if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
                continue
            # Xvfb writes the number to the pipe once it holds the display and listens, and ends if another
            # server took the number first. Without -noreset it would reset whenever its last client left, and
            # drop the clients connecting meanwhile: xdotool comes and goes while the game starts.
            ready, write_end = os.pipe()
            process = spawn(
                ["Xvfb", f":{number}", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                 "-screen", "0", f"{SCREEN_SIZE[0]}x{SCREEN_SIZE[1]}x24"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write_end)
            with os.fdopen(ready) as pipe:
                if readable(pipe, timeout=10) and pipe.readline().strip() == str(number):
                    self.process, self.display = process, f":{number}"
                    display_env["DISPLAY"] = self.display
                    return self
            stop(process)
        raise Failure("no free X display between :20 and :620")

    def __exit__(self, *exc):
        stop(self.process)


def readable(stream, timeout):
    with selectors.DefaultSelector() as selector:
        selector.register(stream, selectors.EVENT_READ)
        return bool(selector.select(timeout))


def spawn(command, **options):
    """Starts a program in a process group of its own, so that stop() ends whatever it starts too."""
    return subprocess.Popen(command, start_new_session=True, **options)


def stop(process, timeout=5):
    """Asks a spawned program to end, then kills what is left of its process group."""
    if process is None:
        return
    signal_group(process, signal.SIGTERM)
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        pass
    signal_group(process, signal.SIGKILL)
    process.wait()


def signal_group(process, number):
    try:
        os.killpg(process.pid, number)
    except ProcessLookupError:  # the group has ended
        pass


# How each window manager the tests play under is started, as a desktop session starts it, and the files its
# home starts with. Fluxbox's wallpaper script would take this machine's ImageMagick to set the wallpaper, and
# then report it failed in a window that could come between the game and the test's clicks: it sets none.
WINDOW_MANAGERS = {
    "openbox": (["openbox", "--sm-disable"], {}),
    "kwin": (["kwin_x11"], {}),
    "fluxbox": (["fluxbox"], {".fluxbox/overlay": "background: none\n"}),
}


class WindowManager:
    """A window manager, openbox unless named, which puts frames round the windows and turns close requests into
    WM_DELETE_WINDOW, started as a new user's desktop starts it: with a home, a runtime folder and a session bus
    of its own. And a watch on the framed windows from before they come on view."""

    def __init__(self, name="openbox"):
        self.name = name
        self.processes = []

    def __enter__(self):
        self.home = tempfile.TemporaryDirectory(prefix="pelmaroos-desktop-")
        try:
            env = {key: value for key, value in display_env.items()
                   if not key.startswith(("QT_", "XDG_", "WAYLAND", "DBUS_SESSION"))}
            env.update(HOME=self.home.name, XDG_RUNTIME_DIR=self.home.name)
            command, files = WINDOW_MANAGERS[self.name]
            for name, text in files.items():
                (Path(self.home.name) / name).parent.mkdir(parents=True, exist_ok=True)
                (Path(self.home.name) / name).write_text(text)
            bus, env["DBUS_SESSION_BUS_ADDRESS"] = session_bus(env)
            self.processes.append(bus)
            self.processes.append(spawn(command, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            poll(f"{self.name} to manage the screen", lambda: subprocess.run(
                ["wmctrl", "-m"], env=display_env, capture_output=True).returncode == 0, timeout=20)
            # A manager may say so before it frames windows (kwin loads its decorations after): a window of the
            # test's own, framed, shows it ready. It is gone before the watch on the windows starts.
            probe = spawn(["xev", "-name", "pelmaroos-probe"], env=display_env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
            try:
                poll(f"{self.name} to frame a window", lambda: any(
                    framed(window) for window in run("xdotool", "search", "--name", "^pelmaroos-probe$",
                                                     check_status=False).split()), timeout=20)
            finally:
                stop(probe)
            # xev reports each window made, moved, shown and hidden on the screen: a frame, once there is one.
            self.events = tempfile.TemporaryFile("w+")
            self.processes.append(spawn(["xev", "-root", "-event", "substructure", "-event", "property"],
                                        env=display_env, stdout=self.events, stderr=subprocess.DEVNULL))
            poll("the watch on the windows", lambda: run("xprop", "-root", "-f", "_PELMAROOS_WATCH", "8s", "-set",
                                                         "_PELMAROOS_WATCH", "on") == "" and "_PELMAROOS_WATCH" in self.watched())
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            stop(process)
        self.home.cleanup()

    def watched(self):
        self.events.seek(0)
        return self.events.read()

    def places_on_view(self):
        """Each window that came on view: every place it has been at since, the first where it came. A manager
        may map a frame and give it its size and place in one go: only the places at the size the window ends
        with count."""
        at, rectangles, on_view = {}, {}, set()
        for event in self.watched().split("\n\n"):
            window = (re.findall(r"window (0x[0-9a-f]+)", event) or [None])[-1]
            moved = re.search(r"window (0x[0-9a-f]+),\s+\((-?\d+),(-?\d+)\), width (\d+), height (\d+)", event)
            if moved:
                at[window] = tuple(map(int, moved.groups()[1:]))
            elif event.lstrip().startswith("MapNotify"):
                on_view.add(window)
                rectangles.setdefault(window, [])
            elif event.lstrip().startswith("UnmapNotify"):
                on_view.discard(window)
            if window in on_view and window in at and rectangles[window][-1:] != [at[window]]:
                rectangles[window].append(at[window])
        places = {}
        for window, seen in rectangles.items():
            kept = [rectangle[:2] for rectangle in seen if rectangle[2:] == seen[-1][2:]]
            places[window] = [place for number, place in enumerate(kept) if number == 0 or kept[number - 1] != place]
        return places


def session_bus(env):
    """A D-Bus session bus of its own, started in env, and its address."""
    bus = spawn(["dbus-daemon", "--session", "--nofork", "--print-address"], env=env,
                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    if not readable(bus.stdout, timeout=20):
        stop(bus)
        raise Failure("the session bus did not start")
    return bus, bus.stdout.readline().strip()


# --- windows -------------------------------------------------------------------------------------

def visible_windows(title):
    """Ids of the mapped windows with exactly this title."""
    pattern = "^" + re.escape(title) + "$"
    return run("xdotool", "search", "--onlyvisible", "--name", pattern, check_status=False).split()


def all_windows(title):
    """Ids of every window with exactly this title, mapped or not."""
    return run("xdotool", "search", "--name", "^" + re.escape(title) + "$", check_status=False).split()


def visible_titles():
    ids = run("xdotool", "search", "--onlyvisible", "--name", ".", check_status=False).split()
    return sorted(filter(None, (run("xdotool", "getwindowname", i, check_status=False).strip() for i in ids)))


def wait_window(title, timeout=10.0):
    return poll(lambda: f'a window titled "{title}" (on view: {visible_titles()})',
                lambda: (visible_windows(title) or [None])[0], timeout)


def wait_gone(title, timeout=10.0):
    poll(f'the window "{title}" to go', lambda: not visible_windows(title), timeout)


def move_on(from_title, to_title, timeout=10.0):
    """Waits until to_title is on view and from_title is not, so that the next clicks reach to_title."""
    window = wait_window(to_title, timeout)
    wait_gone(from_title, timeout)
    return window


def geometry(window):
    """(x, y, width, height) of the window's client area on the screen."""
    # xwininfo, not xdotool getwindowgeometry: under a window manager xdotool 3.2016 counts the frame twice.
    info = run("xwininfo", "-id", window)
    value = {key: int(re.search(rf"{key}:\s+(-?\d+)", info).group(1))
             for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")}
    return (value["Absolute upper-left X"], value["Absolute upper-left Y"], value["Width"], value["Height"])


def frame_geometry(window):
    """(x, y, width, height) of the window with the frame its window manager put round it; None before it has one."""
    extents = re.findall(r"\d+", run("xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")[2])
    if not extents:
        return None
    left, right, top, bottom = map(int, extents)
    x, y, width, height = geometry(window)
    return x - left, y - top, width + left + right, height + top + bottom


def framed(window):
    frame = frame_geometry(window)
    return frame is not None and frame[3] > geometry(window)[3]


def point(window, twips_x, twips_y):
    x, y, _, _ = geometry(window)
    return x + round(twips_x / TWIPS_PER_PIXEL), y + round(twips_y / TWIPS_PER_PIXEL)


def centre(rect):
    left, top, width, height = rect
    return left + width // 2, top + height // 2


def click_points(points):
    """Clicks each screen point in turn, in one xdotool run."""
    command = ["xdotool"]
    for x, y in points:
        command += ["mousemove", str(x), str(y), "click", "1"]
    run(*command)


def click(window, rect):
    click_points([point(window, *centre(rect))])


def press_return_in(window):
    """Presses Return once the window has the keyboard focus, as a player at a message box would."""
    def focused():
        if run("xdotool", "getwindowfocus", check_status=False).strip() == window:
            return True
        run("xdotool", "windowfocus", window, check_status=False)
        return False
    poll(f"window {window} to take the keyboard focus", focused, timeout=5)
    run("xdotool", "key", "Return")


# --- question pages --------------------------------------------------------------------------------

def wrong_option(right):
    return right % 3 + 1


def answer(window, page, right_questions, unanswered=()):
    """Answers the page's questions: the right option on those named, a wrong one elsewhere, none on those
    left unanswered. Each click lands on an option's round button."""
    points = []
    for question, right in enumerate(answer_key(page)):
        if question not in unanswered:
            option = right if question in right_questions else wrong_option(right)
            left, top, _, height = control(page, f"Option{option}({question})")
            points.append(point(window, left + 105, top + height // 2))
    click_points(points)


def totals_plan(total, seed):
    """Which questions of each page to answer right for the given level total, the seed spreading them."""
    order = [(page, question) for question in range(6) for page in range(3)]
    right = set((order[seed % 18:] + order[:seed % 18])[:total])
    return [{q for p, q in right if p == page} for page in range(3)]


# --- the game ---------------------------------------------------------------------------------------

class Game:
    """The built program and its cues copied into a folder with a blank and non-ASCII letters, started with
    another working directory, silent unless told which sound server to play to."""

    def __init__(self, program, workspace, with_cues=True, command_prefix=(), sound_server=None, extra_env=None,
                 arguments=()):
        source = Path(program).parent
        self.workspace = Path(workspace)
        self.folder = self.workspace / APPLICATION_FOLDER
        self.folder.mkdir()
        self.program = self.folder / Path(program).name
        shutil.copy2(program, self.program)
        self.working_directory = self.workspace / "elsewhere"
        self.working_directory.mkdir()
        # Cues in the working directory are not the program's: it must neither play nor read them.
        for name in CUES:
            shutil.copy2(source / f"{name}.wav", self.working_directory)
            if with_cues:
                shutil.copy2(source / f"{name}.wav", self.folder)
        # Qt would make /tmp/runtime-$USER without a runtime folder of the session's.
        self.runtime = self.workspace / "runtime"
        self.runtime.mkdir(mode=0o700)
        self.home = self.workspace / "home"
        self.home.mkdir()
        self.log = self.workspace / "program.log"
        self.command = [*command_prefix, str(self.program), *arguments]
        self.sound_server = sound_server
        self.extra_env = extra_env or {}
        self.process = None

    def __enter__(self):
        self.env = {key: value for key, value in display_env.items()
                    if not key.startswith(("QT_", "PULSE_", "ALSA_", "XDG_", "WAYLAND", "DBUS_SESSION"))}
        # With a server of the test's own, a cue it cannot play is not played elsewhere either.
        sound = ({"PULSE_SERVER": self.sound_server.address, "ALSA_CONFIG_PATH": NO_ALSA_DEVICE} if self.sound_server
                 else {"PULSE_SERVER": f"unix:{self.workspace}/no-sound-server", "ALSA_CONFIG_PATH": str(SILENT_ALSA)})
        self.env.update(QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=str(self.runtime), HOME=str(self.home),
                        LANG="C.UTF-8", **sound)
        self.env.update(self.extra_env)
        self.env = {key: value for key, value in self.env.items() if value is not None}  # None: left out
        with open(self.log, "wb") as log:
            self.process = spawn(self.command, cwd=self.working_directory, env=self.env,
                                 stdout=log, stderr=subprocess.STDOUT)
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            stop(self.process)
            if exc[0] is None:
                raise Failure("the program was still running at the end of the test")
        if exc[0] is not None:
            print("--- the program's output ---")
            print(self.log.read_text(errors="replace"))

    def wait_exit(self, timeout=6.0):
        """The program's exit status, once it has ended by itself."""
        poll("the program to end", lambda: self.process.poll() is not None, timeout)
        return self.process.returncode

    def check_running(self):
        check(self.process.poll() is None, f"the program ended early with status {self.process.returncode}")


def play_level(game, level, total, seed=0):
    """From the level's page 1 on view, answers so as to score total, submits, and returns the result window."""
    plan = totals_plan(total, seed)
    for number in (1, 2, 3):
        window = wait_window(page_title(level, number))
        answer(window, f"{level}{number}", plan[number - 1])
        click(window, forward_arrow(f"{level}{number}"))
        game.check_running()
    shown = poll(f"the {level} result screen", lambda: [t for t in visible_titles() if t.startswith("Your Score")])
    check(shown == [result_title(level, total)], f"the result screen says {shown}, not {result_title(level, total)}")
    return move_on(page_title(level, 3), result_title(level, total))


def main(scenarios):
    """Runs the scenario named by argv[1] with the program at argv[2] in a fresh temporary folder."""
    name, program = sys.argv[1], sys.argv[2]
    scenario = scenarios[name]
    # Killed, the test still stops what it started on its way out.
    for number in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(number, lambda number, frame: sys.exit(128 + number))
    with tempfile.TemporaryDirectory(prefix="pelmaroos-e2e-") as workspace:
        try:
            scenario(program, Path(workspace))
        except Failure as failure:
            print(f"FAIL: {name}: {failure}")
            sys.exit(1)
    print(f"PASS: {name}")


# --- a sound server of the test's own ---------------------------------------------------------------

RATE = 22050  # the cues' rate, at which the sink plays and the recording is made
PIECE = RATE // 4  # a quarter of a second of the cues played here tells one from another
TRIES = 4  # pieces tried half a piece apart: a dropout on a busy machine spoils one or two, not all


def cue_samples(program, name):
    with wave.open(str(Path(program).parent / f"{name}.wav")) as cue:
        return numpy.frombuffer(cue.readframes(cue.getnframes()), "<i2").astype(float)


def match(haystack, needle):
    """Where the needle lies in the haystack, or None: normalised cross-correlation, 1 for an exact copy."""
    if len(haystack) < len(needle) or not needle.any():
        return None
    size = len(haystack) + len(needle)
    products = numpy.fft.irfft(numpy.fft.rfft(haystack, size) * numpy.conj(numpy.fft.rfft(needle, size)), size)
    energy = numpy.concatenate(([0], numpy.cumsum(haystack ** 2)))
    norms = numpy.sqrt(numpy.maximum(energy[len(needle):] - energy[:-len(needle)], 1)) * numpy.linalg.norm(needle)
    score = products[:len(haystack) - len(needle) + 1] / norms
    best = int(numpy.argmax(score))
    return best if score[best] > 0.9 else None


class SoundServer:
    """A PulseAudio of the test's own whose one sink, a null sink, plays to nobody; parec records its monitor."""

    def __init__(self, workspace):
        self.folder = Path(workspace) / "pulse"
        (self.folder / "home").mkdir(parents=True)
        self.address = f"unix:{self.folder}/runtime/pulse/native"
        alien = ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER")
        self.env = {key: value for key, value in os.environ.items() if key not in alien}
        self.env.update(HOME=str(self.folder / "home"), XDG_CONFIG_HOME=str(self.folder / "home"),
                        XDG_RUNTIME_DIR=str(self.folder / "runtime"), PULSE_SERVER=self.address)
        self.process = None

    def __enter__(self):
        (self.folder / "runtime").mkdir(mode=0o700, exist_ok=True)
        with open(self.folder / "server.log", "ab") as log:
            self.process = spawn(
                ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--system=false",
                 "--disallow-module-loading", "-L", f"module-null-sink sink_name=capture rate={RATE} channels=1",
                 "-L", "module-native-protocol-unix"], env=self.env, stdout=log, stderr=log)
        poll("the sound server to take clients", lambda: self.process.poll() is None and subprocess.run(
            ["pactl", "info"], env=self.env, capture_output=True).returncode == 0, timeout=20)
        return self

    def __exit__(self, *exc):
        stop(self.process)


class PipeWireServer:
    """PipeWire of the test's own, headless, serving the PulseAudio protocol through pipewire-pulse, with
    WirePlumber on a session bus of its own (it ends without one); its one sink, a null sink that a
    configuration fragment makes, plays to nobody. The same face as SoundServer's, for Recording and Game."""

    SINK = f"""context.objects = [
    {{ factory = adapter
      args = {{ factory.name = support.null-audio-sink node.name = "capture" media.class = "Audio/Sink"
               audio.position = [ MONO ] audio.rate = {RATE} }} }}
]
"""

    def __init__(self, workspace):
        self.folder = Path(workspace) / "pipewire"
        runtime = self.folder / "runtime"
        runtime.mkdir(parents=True, mode=0o700)
        fragments = self.folder / "config" / "pipewire" / "pipewire.conf.d"
        fragments.mkdir(parents=True)
        (fragments / "capture.conf").write_text(self.SINK)
        self.address = f"unix:{runtime}/pulse/native"
        alien = ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER")
        self.env = {key: value for key, value in os.environ.items() if key not in alien}
        self.env.update(HOME=str(self.folder), XDG_CONFIG_HOME=str(self.folder / "config"),
                        XDG_RUNTIME_DIR=str(runtime), PULSE_SERVER=self.address,
                        DBUS_SESSION_BUS_ADDRESS=f"unix:path={runtime}/bus")
        self.processes = []

    def __enter__(self):
        log = open(self.folder / "server.log", "ab")
        self.processes.append(spawn(["dbus-daemon", "--session", "--nofork", "--address",
                                     self.env["DBUS_SESSION_BUS_ADDRESS"]], env=self.env, stdout=log, stderr=log))
        poll("the session bus", lambda: Path(self.env["DBUS_SESSION_BUS_ADDRESS"].split("=", 1)[1]).exists())
        self.processes.append(spawn(["pipewire"], env=self.env, stdout=log, stderr=log))
        # Its clients are started once it answers: WirePlumber ends when it finds no PipeWire.
        poll("PipeWire", lambda: (Path(self.env["XDG_RUNTIME_DIR"]) / "pipewire-0").exists(), timeout=20)
        for program in ("wireplumber", "pipewire-pulse"):
            self.processes.append(spawn([program], env=self.env, stdout=log, stderr=log))
        # Streams go to the default sink, which WirePlumber names once it has found the null sink.
        poll("the sound server to take clients with its sink", lambda: "Default Sink: capture" in subprocess.run(
            ["pactl", "info"], env=self.env, capture_output=True, text=True).stdout, timeout=20)
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            stop(process)


class Recording:
    """What the server's sink played from the moment it is entered, as 16-bit samples at the cues' rate."""

    def __init__(self, server, path):
        self.server, self.path = server, Path(path)

    def __enter__(self):
        with open(self.path, "wb") as raw:
            self.process = spawn(
                ["parec", "-d", "capture.monitor", "--format=s16le", f"--rate={RATE}", "--channels=1",
                 "--latency-msec=20", "--raw"], env=self.server.env, stdout=raw, stderr=subprocess.DEVNULL)
        # The sink sends nothing for a while after a first client connects: the recording starts when it does.
        poll("the recording to start", lambda: self.path.stat().st_size > 0, timeout=20)
        return self

    def __exit__(self, *exc):
        stop(self.process)

    def samples(self, start=0, end=None):
        data = self.path.read_bytes()
        return numpy.frombuffer(data[:len(data) // 2 * 2], "<i2").astype(float)[start:end]

    def length(self):
        return self.path.stat().st_size // 2

    def wait_length(self, length):
        poll(f"{length / RATE:.1f} s of recording", lambda: self.length() >= length, timeout=20)

    def find(self, cue, after=0):
        """Where, from sample after on, the cue starts in the recording, or None."""
        for offset in range(0, TRIES * PIECE // 2, PIECE // 2):
            at = match(self.samples(after), cue[offset:offset + PIECE])
            if at is not None:
                return after + at - offset
        return None

    def find_end(self, cue, after):
        """Where, from sample after on, the cue's last quarter second (or at least eighth) ends, or None."""
        for length in (PIECE, PIECE // 2):
            at = match(self.samples(after), cue[-length:])
            if at is not None:
                return after + at + length
        return None

    def wait_for(self, what, cue):
        # A tone matches itself a period away too: only the whole of the match, a second later, is sure.
        first = poll(f"{what} in the recording", lambda: self.find(cue), timeout=20, interval=0.1)
        self.wait_length(first + RATE)
        at = self.find(cue)
        check(at is not None, f"{what} was only a near match")
        return at

    def where_in(self, cue, at, backwards=False):
        """Where in the cue the recording at sample at comes from, or None."""
        steps = [-k * PIECE // 2 if backwards else k * PIECE // 2 for k in range(TRIES)]
        self.wait_length(at + max(steps) + PIECE)
        for step in steps:
            offset = match(cue, self.samples(at + step, at + step + PIECE))
            if offset is not None:
                return offset - step
        return None


# --- the accessibility bus ----------------------------------------------------------------------------

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class AccessibilityBus:
    """A D-Bus session of the test's own with the accessibility bus on it, as a desktop starts one for a screen
    reader; the test's own process joins it, and game_env lets the game join it with accessibility on."""

    def __init__(self, workspace):
        folder = Path(workspace) / "a11y"
        folder.mkdir(mode=0o700)
        self.env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
        self.env.update(XDG_RUNTIME_DIR=str(folder), HOME=str(folder))

    def __enter__(self):
        bus, address = session_bus(self.env)
        self.processes = [bus]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.processes.append(spawn([BUS_LAUNCHER, "--launch-immediately"], env=self.env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        poll("the accessibility bus", lambda: "true" in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"], env=self.env, capture_output=True,
            text=True).stdout, timeout=20)
        self.game_env = {"DBUS_SESSION_BUS_ADDRESS": self.env["DBUS_SESSION_BUS_ADDRESS"],
                         "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            stop(process)
