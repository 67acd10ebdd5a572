#!/usr/bin/env python3
"""Start-up to the first painted frame: "facetwork --smoke FILE" against a bare Qt main window
with a menu and a status bar (facetwork-bare-window --smoke), run in turns so that both see the
same machine load. Each run is a whole process, from its start to its exit after the first
paint. Prints the median and the fastest wall time of each and the ratio of the medians; the
editor runs on a settings directory of its own, so the user's settings are not touched.
Both programs run as stripped copies, as installed programs are: loading the debugging
sections of a RelWithDebInfo build costs the editor about ten milliseconds the bare window,
a small program, hardly pays.

usage: bench/startup.py [--bin build/bin] [--runs 15] [--file examples/robot.pol]
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run(command, env):
    """Wall seconds and CPU seconds of one run; raises when it fails."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if done.returncode != 0:
        raise SystemExit(f"{' '.join(command)} failed ({done.returncode}): {done.stderr.strip()}")
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu


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
        for _ in range(args.runs):
            times["facetwork"].append(run(editor, env))
            times["bare window"].append(run(bare, env))

    print(f"{'':12} {'median ms':>10} {'fastest ms':>11} {'median CPU ms':>14}")
    medians = {}
    for name, samples in times.items():
        walls = [w for w, _ in samples]
        cpus = [c for _, c in samples]
        medians[name] = statistics.median(walls), statistics.median(cpus)
        print(f"{name:12} {medians[name][0] * 1000:10.1f} {min(walls) * 1000:11.1f} "
              f"{medians[name][1] * 1000:14.1f}")
    ratio = medians["facetwork"][0] / medians["bare window"][0]
    cpu_ratio = medians["facetwork"][1] / medians["bare window"][1]
    print(f"ratio (facetwork / bare window): wall {ratio:.2f}, CPU {cpu_ratio:.2f}")


if __name__ == "__main__":
    sys.exit(main())
