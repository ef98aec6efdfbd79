#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
# SPDX-License-Identifier: MIT
"""Times the game side by side with bare Qt windows and prints every figure with its spread.

Usage: run_bench.py BUILD_DIR RESULTS_JSON [EARLIER_BUILD_DIR]

Start-up is timed from the moment the program is started to the moment its first window has been
painted, text and pictures included, for the game exactly as it ships and for a bare window with and
without a line of text. A small library preloaded into both (bench_paint_probe) reports that moment.
Every figure comes with its minimum and maximum; one whose middle half spreads wider than SPREAD_LIMIT
of its median is flagged. The bare windows are single-threaded and steady, so when theirs spread, the
machine was busy and the output says so. The same table is printed as Markdown for the README.
Given the Release build of an earlier version, its game is timed in the same turns (keys with `_before`),
so that a change's gain is measured under one load.
"""
import datetime
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

STARTUP_RUNS = 31
RSS_RUNS = 5
SPREAD_LIMIT = 0.10

BUDGETS = {
    "startup_ratio_text_baseline": ("<=", 1.10),
    "startup_ratio_xvfb_text_baseline": ("<=", 1.10),
    "playcue_30s_ms": ("<", 1.0),
    "playcue_10min_ms": ("<", 1.0),
    "page_flip_ms": ("<", 2.0),
    "level_ms": ("<", 20.0),
    "rss_ratio_text_baseline": ("<=", 1.20),
}

WHAT = {
    "startup_game_ms": "game, start to first paint, offscreen (ms)",
    "startup_bare_ms": "bare window, offscreen (ms)",
    "startup_bare_text_ms": "bare window with text, offscreen (ms)",
    "startup_ratio": "game / bare window, offscreen",
    "startup_ratio_text_baseline": "game / bare window with text, offscreen",
    "startup_game_xvfb_ms": "game, start to first paint, Xvfb (ms)",
    "startup_bare_xvfb_ms": "bare window, Xvfb (ms)",
    "startup_bare_text_xvfb_ms": "bare window with text, Xvfb (ms)",
    "startup_ratio_xvfb": "game / bare window, Xvfb",
    "startup_ratio_xvfb_text_baseline": "game / bare window with text, Xvfb",
    "rss_game_mib": "game's peak memory after every level (MiB)",
    "rss_bare_mib": "bare window's peak memory (MiB)",
    "rss_bare_text_mib": "bare window with text, peak memory (MiB)",
    "rss_ratio": "game / bare window, memory",
    "rss_ratio_text_baseline": "game / bare window with text, memory",
    "rss_beyond_text_mib": "game's peak memory beyond the bare window with text (MiB)",
    "playcue_1s_ms": "starting a 1 s cue (ms)",
    "playcue_30s_ms": "starting a 30 s cue (ms)",
    "playcue_10min_ms": "starting a 10 min cue (ms)",
    "startup_audio_ms": "opening the sound device, off the start-up path (ms)",
    "page_flip_ms": "turning a page (ms)",
    "level_ms": "answering and leaving a level's three pages (ms)",
}
# The earlier version's figures, where one is timed alongside.
for key, what in list(WHAT.items()):
    if key.startswith(("startup_game", "rss_game")) or key == "rss_beyond_text_mib":
        WHAT[key.replace("_game", "_before").replace("rss_beyond", "rss_before_beyond")] = what.replace(
            "game", "earlier game", 1)
    elif "_ratio" in key and key.endswith("text_baseline"):
        WHAT[key.replace("text_baseline", "before_text_baseline")] = what.replace("game", "earlier game", 1)
    elif key.endswith("_ms") and not key.startswith("startup_bare"):
        WHAT[key.replace("_ms", "_before_ms")] = "earlier: " + what


class Figure:
    """Samples of one measurement; a ratio keeps the spread of its run-by-run pairs."""

    def __init__(self, samples, value=None, too_wide=None):
        ordered = sorted(samples)
        self.median = statistics.median(ordered) if value is None else value
        self.min, self.max = ordered[0], ordered[-1]
        quartiles = statistics.quantiles(ordered, n=4) if len(ordered) > 1 else [ordered[0]] * 3
        self.spread = (quartiles[2] - quartiles[0]) / statistics.median(ordered)
        self.too_wide = self.spread > SPREAD_LIMIT if too_wide is None else too_wide

    @staticmethod
    def ratio(numerator, denominator, numerator_samples, denominator_samples):
        pairs = [a / b for a, b in zip(numerator_samples, denominator_samples)]
        return Figure(pairs, numerator.median / denominator.median,
                      numerator.too_wide or denominator.too_wide)

    @staticmethod
    def difference(minuend, subtrahend, minuend_samples, subtrahend_samples):
        pairs = [a - b for a, b in zip(minuend_samples, subtrahend_samples)]
        return Figure(pairs, minuend.median - subtrahend.median, minuend.too_wide or subtrahend.too_wide)

    def as_json(self):
        return {"median": self.median, "min": self.min, "max": self.max, "spread": self.spread,
                "too_wide": self.too_wide}


def run(command, env):
    """Runs one probe; returns the moment it was started and the numbers it reported, by key."""
    started = time.monotonic_ns()
    output = subprocess.run(command, env=env, capture_output=True, text=True, timeout=120, check=True).stdout
    values = {}
    for line in output.splitlines():
        key, *numbers = line.split()
        values[key] = [float(number) for number in numbers]
    return started, values


def startup_ms(command, env):
    started, values = run(command, env)
    return (values["paint_ns"][0] - started) / 1e6


def peak_mib(command, env):
    return run(command, env)[1]["rss_kib"][0] / 1024


def side_by_side(commands, measure, runs):
    """Runs the commands, each given as (argv, environment), in turn, starting each round with the next
    one, so that all see the same load. One unrecorded round first fills the file cache."""
    samples = {name: [] for name in commands}
    names = list(commands)
    for name in names:
        measure(*commands[name])
    for round_number in range(runs):
        for offset in range(len(names)):
            name = names[(round_number + offset) % len(names)]
            samples[name].append(measure(*commands[name]))
    return samples


def compare(results, prefix, suffix, samples, unit_suffix):
    """Stores the three series and the game's ratios to both baselines."""
    figures = {name: Figure(values) for name, values in samples.items()}
    results[f"{prefix}_game{suffix}{unit_suffix}"] = figures["game"]
    results[f"{prefix}_bare{suffix}{unit_suffix}"] = figures["bare"]
    results[f"{prefix}_bare_text{suffix}{unit_suffix}"] = figures["text"]
    results[f"{prefix}_ratio{suffix}"] = Figure.ratio(figures["game"], figures["bare"], samples["game"], samples["bare"])
    results[f"{prefix}_ratio{suffix}_text_baseline"] = Figure.ratio(figures["game"], figures["text"], samples["game"],
                                                                    samples["text"])
    if "before" in figures:
        results[f"{prefix}_before{suffix}{unit_suffix}"] = figures["before"]
        results[f"{prefix}_ratio{suffix}_before_text_baseline"] = Figure.ratio(
            figures["before"], figures["text"], samples["before"], samples["text"])
    # Memory beyond the text window depends less on the installed fonts, which both windows map, than the ratio.
    if prefix == "rss":
        for name, key in (("game", "rss_beyond_text_mib"), ("before", "rss_before_beyond_text_mib")):
            if name in figures:
                results[key] = Figure.difference(figures[name], figures["text"], samples[name], samples["text"])


def start_xvfb():
    if not shutil.which("Xvfb"):
        return None, None
    read_end, write_end = os.pipe()
    # -noreset: the server stays as it is between runs, as a desktop's does, instead of resetting
    # whenever its last client leaves.
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                               "-noreset"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as displays:
        number = displays.readline().strip()
    return server, ":" + number


def start_session_bus():
    """A private D-Bus session bus, as a desktop always has. Without one, Qt starts dbus-launch on every run
    under X, which no player's desktop does, and leaves a bus daemon behind."""
    if not shutil.which("dbus-daemon"):
        return None, None
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    return bus, bus.stdout.readline().strip()


def package_version(package):
    result = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", package], capture_output=True, text=True)
    return result.stdout.split("+")[0] if result.returncode == 0 else "unknown"


def start_sound_server(folder):
    """A PulseAudio of the bench's own, as a desktop runs one, whose one sink, a null sink, plays to nobody: the
    game plays its theme through it, and the baselines run beside it. The address, or None without one."""
    if not shutil.which("pulseaudio"):
        return None, None
    env = dict(os.environ, HOME=folder, XDG_CONFIG_HOME=folder, XDG_RUNTIME_DIR=folder)
    address = f"unix:{folder}/pulse/native"
    server = subprocess.Popen(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--system=false",
                               "--disallow-module-loading", "-L", "module-null-sink sink_name=bench channels=1",
                               "-L", "module-native-protocol-unix"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    for _ in range(200):
        if subprocess.run(["pactl", "--server", address, "info"], capture_output=True).returncode == 0:
            return server, address
        time.sleep(0.1)
    server.terminate()
    server.wait()
    return None, None


def machine():
    model = "unknown CPU"
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    debian = ""
    if os.path.exists("/etc/debian_version"):
        with open("/etc/debian_version") as version:
            debian = f", Debian {version.read().strip()}"
    return (f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}{debian}, "
            f"Qt {package_version('libqt6core6')}, PulseAudio {package_version('pulseaudio')}")


def verdict(key, figure):
    budget = BUDGETS.get(key)
    if not budget:
        return ""
    operator, limit = budget
    met = figure.median <= limit if operator == "<=" else figure.median < limit
    return f"{operator} {limit:g} {'met' if met else 'MISSED'}"


def number(value):
    return f"{value:.3f}" if value < 10 else f"{value:.1f}"


def spread_note(results):
    """What the spreads say about the run, or nothing when every figure kept within the limit."""
    wide = [key for key, figure in results.items() if figure.too_wide]
    busy = [key for key in wide if "_bare" in key and key.endswith("_ms")]
    if busy:
        return (f"The machine was busy: the bare windows' runs spread too widely ({', '.join(busy)}). "
                "Every start-up figure is suspect; rerun when the machine is idle.")
    if wide:
        return (f"The bare windows' runs kept within {SPREAD_LIMIT:.0%}, so the machine was quiet, but these vary "
                f"from run to run by more than that: {', '.join(wide)}.")
    return ""


def print_tables(results, header):
    note = spread_note(results)
    width = max(len(key) for key in results)
    print(header)
    print(f"{'':<{width}}  {'median':>8}  {'min':>8}  {'max':>8}  {'spread':>6}  (spread: the middle half of the runs, "
          "as a share of the median)")
    for key, figure in results.items():
        flag = "  TOO WIDE" if figure.too_wide else ""
        print(f"{key:<{width}}  {number(figure.median):>8}  {number(figure.min):>8}  {number(figure.max):>8}"
              f"  {figure.spread:>6.0%}  {verdict(key, figure)}{flag}")
    if note:
        print("\n" + note)

    print("\nFor the README:\n")
    print(header + (" " + note if note else "") + "\n")
    print("| key | what | median | min | max | goal |")
    print("|---|---|---|---|---|---|")
    for key, figure in results.items():
        goal = verdict(key, figure).replace("MISSED", "**missed**")
        if figure.too_wide:
            goal = (goal + ", " if goal else "") + "spread too wide"
        print(f"| `{key}` | {WHAT.get(key, '')} | {number(figure.median)} | {number(figure.min)} | {number(figure.max)} "
              f"| {goal} |")


def measure(build, bus_address, sound_address, earlier):
    """Every figure, by key."""
    bench = os.path.join(build, "bench")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=tempfile.mkdtemp())
    if bus_address:
        env["DBUS_SESSION_BUS_ADDRESS"] = bus_address
    if sound_address:
        env["PULSE_SERVER"] = sound_address
    timed = dict(env, LD_PRELOAD=os.path.abspath(os.path.join(bench, "libbench_paint_probe.so")))
    bare = [os.path.join(bench, "bench_bare_window")]
    programs = {"bare": bare, "text": bare + ["--text"], "game": [os.path.join(build, "bin", "Pelmaroos Trivia!")]}
    if earlier:
        programs["before"] = [os.path.join(earlier, "bin", "Pelmaroos Trivia!")]
    results = {}

    def shipped(environment):
        return {name: (argv, environment) for name, argv in programs.items()}

    compare(results, "startup", "", side_by_side(shipped(timed), startup_ms, STARTUP_RUNS), "_ms")
    server, display = start_xvfb()
    if server:
        try:
            xcb = dict(timed, QT_QPA_PLATFORM="xcb", DISPLAY=display)
            compare(results, "startup", "_xvfb", side_by_side(shipped(xcb), startup_ms, STARTUP_RUNS), "_ms")
        finally:
            server.terminate()
            server.wait()

    # The game is played through in its own process, which the preloaded probe would end at its first paint.
    played = dict(shipped(timed), game=([os.path.join(bench, "bench_playthrough_probe")], env))
    if earlier:
        played["before"] = ([os.path.join(earlier, "bench", "bench_playthrough_probe")], env)
    compare(results, "rss", "", side_by_side(played, peak_mib, RSS_RUNS), "_mib")

    _, in_process = run([os.path.join(bench, "bench_in_process")], env)
    results.update((key, Figure(samples)) for key, samples in in_process.items())
    if earlier:
        _, in_process = run([os.path.join(earlier, "bench", "bench_in_process")], env)
        results.update((key.replace("_ms", "_before_ms"), Figure(samples)) for key, samples in in_process.items())
    return results


def main():
    build, results_path = sys.argv[1], sys.argv[2]
    earlier = sys.argv[3] if len(sys.argv) > 3 else None
    load_before = os.getloadavg()[0]
    bus, bus_address = start_session_bus()
    sound, sound_address = start_sound_server(tempfile.mkdtemp())
    try:
        results = measure(build, bus_address, sound_address, earlier)
    finally:
        for process in (bus, sound):
            if process:
                process.terminate()
                process.wait()

    load_after = os.getloadavg()[0]
    session = "a private D-Bus session bus" if bus_address else "no D-Bus session bus (dbus-daemon is missing)"
    session += (", a private PulseAudio with a null sink" if sound_address
                else ", no sound server (pulseaudio is missing)")
    header = (f"Measured on {datetime.date.today().isoformat()}, {machine()}, {session}; "
              f"load average {load_before:.2f} before, {load_after:.2f} after.")
    print_tables(results, header)

    os.makedirs(os.path.dirname(os.path.abspath(results_path)), exist_ok=True)
    with open(results_path, "w") as out:
        json.dump({"machine": machine(), "header": header,
                   "results": {key: figure.as_json() for key, figure in results.items()}}, out, indent=2)
    print(f"\nWritten to {results_path}")


if __name__ == "__main__":
    main()
