#!/usr/bin/env python3
"""Full screen in the real program under Xvfb, on a 1920 x 1080 desktop.

The campaign goes on from a stored purse at the size 1200 x 900 (AutoStart,
the fastest speeds). F11 fills the screen: the table keeps its 4:3 shape,
1440 x 1080 in the middle, and the strips beside it continue the table's
background. Games are played there with keys, drags and clicks placed on the
table where full screen puts it. F11 gives back the 1200 x 900 window; F11
and then Esc the same. The settings file keeps "Gamen" 1200 and learns
nothing of full screen. The program ends through its start menu.

A screenshot of the whole screen in full screen goes to --out. Exit status 0
on success, 1 on failure, 77 (skipped) when Xvfb or xdotool is missing.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from scale2_under_xvfb import stored_campaign, table_in_view  # noqa: E402
from xvfb_session import (Failure, Program, Session, check, failure_shot,  # noqa: E402
                          program_shows_game, run_on_desktop, table_background, wait_for)

SCREEN = (1920, 1080)
TABLE = {"x": 240, "y": 0, "w": 1440, "h": 1080}  # the 4:3 table in the middle


def window_size(session):
    info = session.desktop.info(session.main)
    return info["w"], info["h"]


def run(args, desktop, env, profile):
    stored_campaign(profile)
    program = Program(args.program, env, os.path.join(args.out, "fullscreen-output.txt"))
    session = Session(desktop, program, profile)
    program.start()
    try:
        window = session.find_main_window()
        deadline = time.time() + 40
        while time.time() < deadline and not program_shows_game(session):
            session.answer_boxes("y")
            time.sleep(0.2)
        check(program_shows_game(session), "AutoStart puts the first game on the table")

        session.focus_main()
        desktop.key("F11")
        wait_for(lambda: window_size(session) == SCREEN, 10, "the window to fill the screen", program)
        check(True, "F11 fills the screen")
        # The canvas's coordinates now land on the table in the middle.
        session.geometry = dict(TABLE)
        time.sleep(0.5)
        strips = desktop.sampled_pixels({"x": 0, "y": 0, "w": 200, "h": 1080}, 20) + \
            desktop.sampled_pixels({"x": 1720, "y": 0, "w": 200, "h": 1080}, 20)
        check(all(table_background(p) or (p[0] < 80 and p[1] == p[2] and p[1] >= 100)
                  for p in strips),
              "the strips beside the table continue its background")
        check(program_shows_game(session), "the game number plate stands where the table puts it")
        session.play_until(lambda: session.turn_keys >= 8, 180, "a few turns in full screen")
        wait_for(lambda: table_in_view(session), 60, "the table in view, still", program)
        shot = os.path.join(args.out, "tolvagame-fullscreen-1920x1080.png")
        desktop.screenshot(shot, {"x": 0, "y": 0, "w": SCREEN[0], "h": SCREEN[1]})
        check(os.path.getsize(shot) > 50000, f"screenshot {shot}")

        session.focus_main()
        desktop.key("F11")
        wait_for(lambda: window_size(session) == (1200, 900), 10, "the chosen size back", program)
        check(True, "F11 again gives back the 1200 x 900 window")
        session.geometry = session.desktop.info(session.main)
        desktop.key("F11")
        wait_for(lambda: window_size(session) == SCREEN, 10, "full screen again", program)
        session.answer_boxes("y")
        session.focus_main()
        desktop.key("Escape")
        wait_for(lambda: window_size(session) == (1200, 900), 10, "Esc to end full screen", program)
        check(True, "Esc on the table ends full screen too")
        check(profile.get("Settei/Gamen") == "1200", "full screen is not stored: Gamen stays 1200")
        session.geometry = session.desktop.info(session.main)
        session.end_program("the program ends normally after full screen")
    except Failure:
        failure_shot(args, desktop, session, "fullscreen")
        raise
    finally:
        program.stop()


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-fullscreen-", screen=SCREEN))
