#!/usr/bin/env python3
"""Hover help in the real program under Xvfb: every rest of the pointer over a
part of the table that has help shows that part's tip.

On the king's turn (the game waits for him, so no question comes between the
looks) the pointer rests on セレウコス's name plate (a tall profile tip), on
the empty table (the tip stays), then on the meld row that the profile's tip
covers: the meld row's short tip comes. It rests on the stock, leaves the
window for a moment and comes straight back: the stock's tip shows again. On
the world map a pointer coming back into the window gets no tip. Screenshots
of the profile's tip and of the meld row's tip go to --out. Exit status 0 on
success, 1 on failure, 77 (skipped) when Xvfb or xdotool is missing.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (Failure, Program, Session, check, failure_shot,  # noqa: E402
                          log, program_shows_game, rgb_pixels, run_on_desktop, wait_for)

SEAT0_PLATE = (1115, 214)
EMPTY_TABLE = (1150, 870)
MELD_ROW_RIGHT_OF_RIVER = (880, 420)  # under the profile's tip, which opens to the left
STOCK = (525, 440)
KING_PLATE = {"x": 805, "y": 683, "w": 75, "h": 12}  # his plate with seven cards, at angle 23


class Tips:
    def __init__(self, desktop, session):
        self.desktop, self.session = desktop, session

    def shown(self):
        """The tip windows on the screen: mapped windows of the program that
        bypass the window manager, larger than a few pixels."""
        found = self.desktop.run("xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.session.program.process.pid))
        tips = []
        for window in found.stdout.split():
            info = self.desktop.info(int(window))
            if info["popup"] and info["viewable"] and info["w"] > 20:
                tips.append(info)
        return tips

    def rest(self, canvas_point, seconds=1.0):
        self.desktop.run("xdotool", "mousemove", *map(str, self.session.at(*canvas_point)))
        time.sleep(seconds)

    def wait_for_tip(self, condition, what):
        return wait_for(lambda: next((t for t in self.shown() if condition(t)), None), 5, what,
                        self.session.program)


def kings_turn(session):
    """His name plate is lit (gold) while it is his turn."""
    g = session.geometry
    area = {"x": g["x"] + KING_PLATE["x"], "y": g["y"] + KING_PLATE["y"],
            "w": KING_PLATE["w"], "h": KING_PLATE["h"]}
    plate = rgb_pixels(session.desktop.pixels(area))
    red = sum(p[0] for p in plate) / max(1, len(plate))
    blue = sum(p[2] for p in plate) / max(1, len(plate))
    return red > blue + 60


def wait_for_kings_turn(session):
    deadline = time.time() + 60
    while not kings_turn(session):
        if time.time() > deadline:
            raise Failure("his turn did not come")
        session.answer_boxes("n")  # no call, no Ron: his turn comes as usual
        time.sleep(0.2)


def run(args, desktop, env, profile):
    profile.write({"Settei/Gamen": "1200", "Settei/Course": "2", "Settei/AutoStart": "1",
                   "Settei/ManSpeed": "1", "Settei/CardSpeed": "1", "Settei/PonSpeed": "1",
                   "Settei/RuleRem": "0", "Settei/DspRem": "1", "Map/ConqCity": "0",
                   "Last/Coin0": "0", "Last/Coin1": "0", "Last/Coin2": "0", "Last/Coin3": "0",
                   "Last/Coin4": "5000"})
    program = Program(args.program, env, os.path.join(args.out, "hover-output.txt"))
    session = Session(desktop, program, profile)
    tips = Tips(desktop, session)
    screen = {"x": 0, "y": 0, "w": 1280, "h": 1024}
    program.start()
    try:
        session.find_main_window()
        wait_for(lambda: program_shows_game(session), 30, "the first game", program)
        wait_for_kings_turn(session)
        log("it is the king's turn; the game waits for him")

        tips.rest(SEAT0_PLATE)
        profile_tip = tips.wait_for_tip(lambda t: t["h"] > 150, "the profile's tip")
        desktop.screenshot(os.path.join(args.out, "hover-profile.png"), screen)
        tips.rest(EMPTY_TABLE, 0.5)
        check(profile_tip in tips.shown(), "over the empty table the profile's tip stays")
        tips.rest(MELD_ROW_RIGHT_OF_RIVER)
        meld = session.at(*MELD_ROW_RIGHT_OF_RIVER)
        check(profile_tip["x"] <= meld[0] < profile_tip["x"] + profile_tip["w"]
              and profile_tip["y"] <= meld[1] < profile_tip["y"] + profile_tip["h"],
              "the meld row lies under the profile's tip")
        tips.wait_for_tip(lambda t: t["h"] < profile_tip["h"] // 2, "the meld row's tip")
        desktop.screenshot(os.path.join(args.out, "hover-meld-row.png"), screen)
        log("ok: resting where the old tip lay shows the meld row's tip")

        tips.rest(STOCK)
        stock_tip = tips.wait_for_tip(lambda t: t["h"] < profile_tip["h"] // 2, "the stock's tip")
        g = session.geometry
        desktop.run("xdotool", "mousemove", str(g["x"] + g["w"] + 40), str(g["y"] + 440))
        time.sleep(0.05)
        tips.rest(STOCK, 1.5)
        check(any((t["w"], t["h"]) == (stock_tip["w"], stock_tip["h"]) for t in tips.shown()),
              "back from outside the window, the stock's tip shows again")

        # On the world map there is no hover help, also for a pointer coming in.
        session.focus_main()
        desktop.key("F2")
        time.sleep(0.4)
        desktop.key("w")
        time.sleep(0.8)
        desktop.run("xdotool", "mousemove", str(g["x"] + g["w"] + 40), str(g["y"] + 440))
        time.sleep(0.3)
        tips.rest(MELD_ROW_RIGHT_OF_RIVER, 1.5)
        check(not tips.shown(), "on the map a pointer coming into the window gets no tip")
        session.focus_main()
        desktop.key("Escape")

        session.end_program("the program ends normally")
    except Failure:
        failure_shot(args, desktop, session, "hover", whole_screen=True)
        raise
    finally:
        program.stop()


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-hover-"))
