#!/usr/bin/env python3
"""Start-up to the first painted frame: "facetwork --smoke FILE" against a bare Qt main window
with a menu and a status bar (facetwork-bare-window --smoke), run in turns so that both see the
same machine load, each going first every other turn. Each program reports when its first
frame was done on the monotonic clock; the time counts from just before the process is
started. Prints the median and the fastest of each, the ratio of the medians, the same for the
whole process to its exit with its CPU time, and the median of each turn's ratio, which is the
steadier figure when the machine's speed drifts. The editor runs on a settings directory of
its own, so the user's settings are not touched.
Both programs run as stripped copies, as installed programs are: loading the debugging
sections of a RelWithDebInfo build costs the editor about ten milliseconds the bare window,
a small program, hardly pays.

usage: bench/startup.py [--bin build/bin] [--runs 15] [--file examples/robot.pol]
"""
import argparse
import os
import re
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run(command, env):
    """Seconds to the first frame, wall and CPU seconds of the whole run; raises when it fails."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start_ns = time.monotonic_ns()
    done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60)
    wall = (time.monotonic_ns() - start_ns) / 1e9
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if done.returncode != 0:
        raise SystemExit(f"{' '.join(command)} failed ({done.returncode}): {done.stderr.strip()}")
    frame = re.search(r"^first frame at (\d+) ns$", done.stdout, re.MULTILINE)
    if not frame:
        raise SystemExit(f"{' '.join(command)} did not report its first frame")
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return (int(frame.group(1)) - start_ns) / 1e9, wall, cpu


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", default=os.path.join(HERE, "..", "build", "bin"))
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--file", default=os.path.join(HERE, "..", "examples", "robot.pol"))
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as work:
        programs = {}
        for name in ("facetwork", "facetwork-bare-window"):
            source, copy = os.path.join(args.bin, name), os.path.join(work, name)
            if shutil.which("strip"):
                subprocess.run(["strip", "-o", copy, source], check=True)
            else:
                shutil.copy2(source, copy)
            programs[name] = copy
        # The editor finds its suite pointer and its data folder beside itself.
        for beside in ("cobl.cfg", "data"):
            if os.path.exists(os.path.join(args.bin, beside)):
                os.symlink(os.path.abspath(os.path.join(args.bin, beside)),
                           os.path.join(work, beside))
        editor = [programs["facetwork"], "--smoke", os.path.abspath(args.file)]
        bare = [programs["facetwork-bare-window"], "--smoke"]
        config = os.path.join(work, "config")
        env = dict(os.environ, XDG_CONFIG_HOME=config)
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        run(editor, env), run(bare, env)  # warm the file cache
        times = {"facetwork": [], "bare window": []}
        for turn in range(args.runs):
            # Alternate which goes first, so that neither always follows the other.
            order = [("facetwork", editor), ("bare window", bare)]
            for name, command in order if turn % 2 == 0 else reversed(order):
                times[name].append(run(command, env))

    print(f"{'':12} {'first frame: median ms':>22} {'fastest ms':>11} "
          f"{'whole run: median ms':>21} {'median CPU ms':>14}")
    medians = {}
    for name, samples in times.items():
        frames, walls, cpus = zip(*samples)
        medians[name] = [statistics.median(column) for column in (frames, walls, cpus)]
        print(f"{name:12} {medians[name][0] * 1000:22.1f} {min(frames) * 1000:11.1f} "
              f"{medians[name][1] * 1000:21.1f} {medians[name][2] * 1000:14.1f}")
    ratios = [f / b for f, b in zip(medians["facetwork"], medians["bare window"])]
    print(f"ratio (facetwork / bare window): first frame {ratios[0]:.2f}, "
          f"whole run {ratios[1]:.2f}, CPU {ratios[2]:.2f}")
    paired = statistics.median(f[0] / b[0] for f, b in zip(times["facetwork"], times["bare window"]))
    print(f"first frame, median of each turn's ratio: {paired:.2f}")


if __name__ == "__main__":
    sys.exit(main())
