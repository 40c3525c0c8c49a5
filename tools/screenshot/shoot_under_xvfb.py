#!/usr/bin/env python3
"""Takes the README's screenshot: a game in progress at 1200 x 900.

Starts the program under Xvfb with empty settings, takes the beginner course,
starts a game from the start menu and plays a few turns of the human with F7
(draw) and Up (discard), then saves the window as a PNG.

  tools/screenshot/shoot_under_xvfb.py --program build/app/TolvaGame \
      --out docs/tolvagame-1200x900.png --turns 6
"""

import argparse
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "e2e"))
from xvfb_session import (  # noqa: E402  the project's Xvfb driver
    Desktop, Failure, Profile, Program, Session, Xvfb, program_shows_game, wait_for)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--turns", type=int, default=6, help="human turns before the picture")
    args = parser.parse_args()

    display = Xvfb(1280, 1024)
    with tempfile.TemporaryDirectory(prefix="tolva-shot-") as scratch:
        folders = {name: os.path.join(scratch, name)
                   for name in ("config", "tmp", "runtime", "data")}
        for folder in folders.values():
            os.makedirs(folder, mode=0o700)
        program = None
        try:
            display.start()
            env = dict(os.environ, DISPLAY=display.display, XDG_CONFIG_HOME=folders["config"],
                       TMPDIR=folders["tmp"], XDG_RUNTIME_DIR=folders["runtime"],
                       XDG_DATA_HOME=folders["data"], QT_QPA_PLATFORM="xcb")
            env.pop("WAYLAND_DISPLAY", None)
            desktop = Desktop(display.display)
            program = Program(os.path.abspath(args.program), env,
                              os.path.join(scratch, "output.txt"))
            program.start()
            session = Session(desktop, program, Profile(folders["config"]))
            geometry = session.find_main_window()
            session.choose_beginner_course()
            session.settle_boxes()
            session.start_menu_item("p")
            wait_for(lambda: program_shows_game(session), 10, "the first game", program)
            while session.turn_keys < args.turns:
                if not session.answer_boxes("y"):
                    session.focus_main()
                    desktop.key("F7")
                    time.sleep(0.05)
                    desktop.key("Up")
                    session.turn_keys += 1
                time.sleep(0.6)
            time.sleep(1.0)
            desktop.screenshot(os.path.abspath(args.out), geometry)
            print(f"saved {args.out}")
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
        finally:
            if program is not None:
                program.stop()
            display.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
