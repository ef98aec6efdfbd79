#!/usr/bin/env python3
"""Runs the benchmark probes side by side with their baselines and reports medians and ratios.

Usage: run_bench.py BUILD_DIR RESULTS_JSON
"""
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

STARTUP_RUNS = 15
RSS_RUNS = 5

BUDGETS = {
    "startup_ratio": ("<=", 1.3),
    "startup_ratio_xvfb": ("<=", 1.3),
    "playcue_30s_ms": ("<", 1.0),
    "page_flip_ms": ("<", 2.0),
    "level_ms": ("<", 20.0),
    "rss_ratio": ("<=", 1.3),
}


def probe(command, env):
    """Runs one probe; returns its reported values and the moment it was started."""
    started = time.monotonic_ns()
    output = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60, check=True).stdout
    values = dict(line.split() for line in output.splitlines() if line.count(" ") == 1)
    return started, {key: float(value) for key, value in values.items()}


def startup_ms(command, env):
    started, values = probe(command, env)
    return (values["paint_ns"] - started) / 1e6


def side_by_side(game, baseline, measure, runs, env):
    """Alternates game and baseline runs so that both see the same machine load."""
    game_values, baseline_values = [], []
    for _ in range(runs):
        baseline_values.append(measure(baseline, env))
        game_values.append(measure(game, env))
    return statistics.median(game_values), statistics.median(baseline_values)


def start_xvfb():
    if not shutil.which("Xvfb"):
        return None, None
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as displays:
        number = displays.readline().strip()
    return server, ":" + number


def machine():
    model = "unknown"
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    build, results_path = sys.argv[1], sys.argv[2]
    bench = os.path.join(build, "bench")
    bare = [os.path.join(bench, "bench_bare_window")]
    game = [os.path.join(bench, "bench_startup_probe")]
    env = dict(os.environ, SDL_AUDIODRIVER="dummy", QT_QPA_PLATFORM="offscreen",
               XDG_RUNTIME_DIR=tempfile.mkdtemp())
    results = {}

    game_ms, bare_ms = side_by_side(game, bare, startup_ms, STARTUP_RUNS, env)
    results.update(startup_game_ms=game_ms, startup_bare_ms=bare_ms, startup_ratio=game_ms / bare_ms)
    # The same against a bare window that draws one line of text: what the game adds beyond any text.
    game_ms, text_ms = side_by_side(game, bare + ["--text"], startup_ms, STARTUP_RUNS, env)
    results.update(startup_bare_text_ms=text_ms, startup_ratio_text_baseline=game_ms / text_ms)

    server, display = start_xvfb()
    if server:
        try:
            xcb = dict(env, QT_QPA_PLATFORM="xcb", DISPLAY=display)
            game_ms, bare_ms = side_by_side(game, bare, startup_ms, STARTUP_RUNS, xcb)
            results.update(startup_game_xvfb_ms=game_ms, startup_bare_xvfb_ms=bare_ms,
                           startup_ratio_xvfb=game_ms / bare_ms)
        finally:
            server.terminate()
            server.wait()

    def peak_kib(command, env):
        return probe(command, env)[1]["rss_kib"]

    game_kib, bare_kib = side_by_side(game + ["--playthrough"], bare, peak_kib, RSS_RUNS, env)
    results.update(rss_game_kib=game_kib, rss_bare_kib=bare_kib, rss_ratio=game_kib / bare_kib)
    _, text_kib = side_by_side(game + ["--playthrough"], bare + ["--text"], peak_kib, RSS_RUNS, env)
    results.update(rss_bare_text_kib=text_kib, rss_ratio_text_baseline=game_kib / text_kib)

    _, in_process = probe([os.path.join(bench, "bench_in_process")], env)
    results.update(in_process)

    rows = []
    for key, value in results.items():
        budget = BUDGETS.get(key)
        verdict = ""
        if budget:
            operator, limit = budget
            met = value <= limit if operator == "<=" else value < limit
            verdict = f"{operator} {limit:g}  {'met' if met else 'MISSED'}"
        rows.append((key, f"{value:.3f}", verdict))
    print(f"Machine: {machine()}")
    width = max(len(key) for key, _, _ in rows)
    for key, value, verdict in rows:
        print(f"{key:<{width}}  {value:>12}  {verdict}")

    os.makedirs(os.path.dirname(os.path.abspath(results_path)), exist_ok=True)
    with open(results_path, "w") as out:
        json.dump({"machine": machine(), "results": results}, out, indent=2)
    print(f"Written to {results_path}")


if __name__ == "__main__":
    main()
