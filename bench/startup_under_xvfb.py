#!/usr/bin/env python3
"""How long the real program takes to show its table, and how much memory it
holds at most while a game is played, on a virtual desktop.

Each run starts the program on a stored campaign (no course selection) with
AutoStart and the fastest speeds, and takes the time from starting the
process to the end of the first paint of the table (the program writes that
moment when TOLVA_FIRST_FRAME_REPORT names a file). It then plays for a few
seconds (F7 draws, Up discards, every box answered), in full screen with
--full-screen, and reads the peak resident memory (VmHWM) before ending the
program. The medians of the runs are printed:

  bench/startup_under_xvfb.py --program build/app/TolvaGame
  bench/startup_under_xvfb.py --program build/app/TolvaGame --screen 3840x2160 --full-screen

--scale sets QT_SCALE_FACTOR (the desktop's scaling); --every 15 also prints
the peak memory every 15 seconds of play, to follow it over a long game.
"""

import argparse
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xvfb_session import (Desktop, Failure, Profile, Program, Session, Xvfb,  # noqa: E402
                          wait_for)


def peak_memory_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def one_run(args, display, scratch, number):
    config_home = os.path.join(scratch, f"config{number}")
    temp = os.path.join(scratch, f"tmp{number}")
    runtime = os.path.join(scratch, f"runtime{number}")
    for folder in (config_home, temp, runtime):
        os.makedirs(folder, mode=0o700)
    profile = Profile(config_home)
    profile.write({"Settei/Gamen": str(args.gamen), "Settei/Course": "2",
                   "Settei/AutoStart": "1", "Settei/ManSpeed": "1", "Settei/CardSpeed": "1",
                   "Settei/PonSpeed": "1", "Settei/RuleRem": "0", "Map/ConqCity": "0",
                   "Last/Coin0": "0", "Last/Coin1": "0", "Last/Coin2": "0", "Last/Coin3": "0",
                   "Last/Coin4": "5000"})
    report = os.path.join(scratch, f"first-frame{number}.txt")
    env = dict(os.environ, DISPLAY=display.display, XDG_CONFIG_HOME=config_home, TMPDIR=temp,
               XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb", TOLVA_FIRST_FRAME_REPORT=report)
    env.pop("WAYLAND_DISPLAY", None)
    if args.scale:
        env["QT_SCALE_FACTOR"] = args.scale
    program = Program(args.program, env, os.path.join(scratch, f"output{number}.txt"))
    started = time.monotonic_ns()
    program.start()
    try:
        def first_frame():
            try:
                with open(report) as f:
                    return int(f.read().split("=")[1])
            except (OSError, IndexError, ValueError):
                return None
        shown = wait_for(first_frame, 60, "the first frame", program, step=0.01)
        first_ms = (shown - started) / 1e6
        session = Session(Desktop(display.display), program, profile)
        session.find_main_window()
        if args.full_screen:
            session.focus_main()
            session.desktop.key("F11")
        began = time.time()
        next_sample = began + args.every if args.every else None
        while time.time() < began + args.play:
            if not session.answer_boxes("y"):
                session.focus_main()
                session.desktop.key("F7", "Up")
            time.sleep(0.2)
            if next_sample is not None and time.time() >= next_sample:
                print(f"  after {time.time() - began:.0f} s of play: peak memory "
                      f"{peak_memory_mb(program.process.pid):.1f} MB", flush=True)
                next_sample += args.every
        memory = peak_memory_mb(program.process.pid)
        return first_ms, memory
    finally:
        program.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--screen", default="1280x1024")
    parser.add_argument("--gamen", type=int, default=1200)
    parser.add_argument("--scale", default="")
    parser.add_argument("--full-screen", action="store_true")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--play", type=float, default=8.0, help="seconds of play per run")
    parser.add_argument("--every", type=float, default=0.0,
                        help="also print the peak memory every so many seconds of play")
    args = parser.parse_args()
    width, height = (int(n) for n in args.screen.split("x"))
    display = Xvfb(width, height)
    firsts, memories = [], []
    with tempfile.TemporaryDirectory(prefix="tolva-startup-") as scratch:
        try:
            display.start()
            for number in range(args.runs):
                first_ms, memory = one_run(args, display, scratch, number)
                print(f"run {number + 1}: first frame after {first_ms:.0f} ms, "
                      f"peak memory {memory:.1f} MB", flush=True)
                firsts.append(first_ms)
                memories.append(memory)
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
        finally:
            display.stop()
    print(f"median: first frame after {statistics.median(firsts):.0f} ms, "
          f"peak memory {statistics.median(memories):.1f} MB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
