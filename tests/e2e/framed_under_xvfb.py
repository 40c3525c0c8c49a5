#!/usr/bin/env python3
"""The real program's first start on a 1024 x 768 desktop with a window
manager (openbox) under Xvfb.

The desktop's height chooses the size 1024 x 768, and that is the size of the
whole window, its frame and title bar included: the client area is what
remains inside the decorations, the table is drawn to fill it, and the window
fits the desktop it was chosen for. The course selection is taken with
Enter; the program ends through its start menu.

A screenshot of the desktop goes to --out. Exit status 0 on success, 1 on
failure, 77 (skipped) when Xvfb, xdotool or openbox is missing.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (Failure, Program, Session, check, failure_shot,  # noqa: E402
                          run_on_desktop, stop_process, table_background, wait_for)

SCREEN = (1024, 768)


def frame_extents(desktop, window):
    """The window manager's decorations: left, right, top, bottom."""
    text = desktop.run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS").stdout
    if "=" not in text:
        return None
    values = [int(v) for v in text.split("=")[1].replace(",", " ").split()]
    return tuple(values) if len(values) == 4 else None


def run(args, desktop, env, profile):
    manager = subprocess.Popen(["openbox"], env=desktop.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    program = Program(args.program, env, os.path.join(args.out, "framed-output.txt"))
    session = Session(desktop, program, profile)
    try:
        time.sleep(1)
        program.start()
        session.find_main_window()
        check(profile.get("Settei/Gamen") == "1024", "a 768-high desktop chooses 1024 x 768")
        session.choose_beginner_course()
        session.settle_boxes()

        def framed():
            extents = frame_extents(desktop, session.main)
            info = desktop.info(session.main)
            if extents is None or sum(extents) == 0:
                return None
            left, right, top, bottom = extents
            whole = (left + info["w"] + right, top + info["h"] + bottom)
            return (info, extents) if whole == SCREEN else None
        info, extents = wait_for(framed, 15, "the framed window to be 1024 x 768", program)
        check(True, f"the window with its frame {extents} is 1024 x 768; the client "
                    f"{info['w']} x {info['h']}")
        left, right, top, bottom = extents
        check(info["x"] - left >= 0 and info["y"] - top >= 0
              and info["x"] + info["w"] + right <= SCREEN[0]
              and info["y"] + info["h"] + bottom <= SCREEN[1],
              "and it lies inside the desktop")
        session.geometry = info
        corner = desktop.pixels({"x": info["x"] + info["w"] - 3, "y": info["y"] + info["h"] - 3,
                                 "w": 1, "h": 1})
        pixel = tuple(corner[:3])
        check(pixel != (255, 255, 255) and (table_background(pixel) or pixel[1] == pixel[2]),
              f"the table fills the client to its corner {pixel}")
        desktop.screenshot(os.path.join(args.out, "tolvagame-framed-1024x768.png"),
                           {"x": 0, "y": 0, "w": SCREEN[0], "h": SCREEN[1]})
        session.end_program("the framed program ends normally")
    except Failure:
        failure_shot(args, desktop, session, "framed")
        raise
    finally:
        program.stop()
        stop_process(manager)


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-framed-", tools=("Xvfb", "xdotool", "xwininfo", "import",
                                                         "xprop", "openbox"), screen=SCREEN))
