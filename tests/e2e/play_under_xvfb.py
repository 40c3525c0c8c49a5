#!/usr/bin/env python3
"""Plays TolvaGame for real under Xvfb, with key presses and clicks.

Run 1, a first start with an empty settings folder on a 1280 x 1024 desktop:
the window takes 1200 x 900 from the desktop's height, Enter takes the course
selection's beginner course, the start notices are answered with Enter, the
flag icon is clicked and the start menu opened with F1 and "P"; then games
are played with F7 (draw), Up (discard), drags from the stock into the hand
and clicks (which also cut the result's dissolve short), every question
answered with Y or Enter, until a settlement has written the purses.
Closing asks 30085: N keeps the program running, Y ends it, and the peek
channel reads "Now" = 4, "CunningView" = 0.

Run 2 goes on with the stored campaign at the stored size 640 x 480, with
AutoStart and the fastest speeds written into the settings file.

Screenshots and the program's output are saved in --out. Exit status 0 on
success, 1 on failure, 77 (skipped) when Xvfb or xdotool is missing.
"""

import os
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (Failure, Program, Session, check, failure_shot,  # noqa: E402
                          log, program_shows_game, run_on_desktop, wait_for)


def purses(profile):
    return [profile.get(f"Last/Coin{seat}") for seat in range(5)]


def settled_purses(profile, program):
    """The purses once the settlement has written all five: they are written
    one after the other, so a read may come between two of them."""
    def twice_alike():
        first = purses(profile)
        time.sleep(0.3)
        return first if purses(profile) == first else None
    return wait_for(twice_alike, 10, "the five purses written", program)


def first_run(args, desktop, env, profile):
    program = Program(args.program, env, os.path.join(args.out, "run1-output.txt"))
    session = Session(desktop, program, profile)
    program.start()
    try:
        geometry = session.find_main_window()
        check((geometry["w"], geometry["h"]) == (1200, 900),
              "a 1024-high desktop gives a 1200 x 900 window on the first start")
        session.choose_beginner_course()
        # The purses are written before the course: wait for the last of them.
        wait_for(lambda: profile.get("Last/Coin4") == "10000"
                 and profile.get("Settei/Course") == "1", 20,
                 "the course selection's purses and course", program)
        check(purses(profile) == ["0", "0", "0", "0", "10000"]
              and profile.get("Settei/Course") == "1" and profile.get("Settei/Gamen") == "1200",
              "the beginner course and the window size are stored")
        session.settle_boxes()
        check(session.answered >= 1, f"the start notices were answered ({session.answered})")

        # The flag icon opens the start menu; Escape closes it again.
        session.focus_main()
        desktop.click(*session.at(32, 36))
        session.clicks += 1
        time.sleep(0.4)
        desktop.key("Escape")
        time.sleep(0.2)

        for attempt in range(5):
            session.start_menu_item("p")
            try:
                wait_for(lambda: program_shows_game(session), 5, "the first game", program)
                break
            except Failure:
                if attempt == 4:
                    raise
                session.settle_boxes(quiet=0.5)
        log("the first game is on the table (F1, P)")

        session.play_until(lambda: purses(profile)[:4] != ["0", "0", "0", "0"], 300,
                           "a settlement writes the purses")
        coins = [int(c) for c in settled_purses(profile, program)]
        check(sum(coins) == 10000, f"the purses after the settlement {coins} keep the 10000 coins")
        check(any(coins[:4]), "the generals' purses were written by the settlement")
        log(f"played with {session.turn_keys} turn key rounds, {session.drags} drags, "
            f"{session.clicks} clicks, {session.answered} boxes answered")

        time.sleep(0.5)
        session.answer_boxes("y")
        shot = os.path.join(args.out, "tolvagame-1200x900.png")
        desktop.screenshot(shot, geometry)
        check(os.path.getsize(shot) > 10000, f"screenshot {shot}")

        cun_before = (profile.get("Cun/Now"), profile.get("Cun/CunningView"))
        check(session.close_with_question("n"), "closing during a game asks 30085")
        time.sleep(0.5)
        check(program.alive(), "answering No keeps the program running")
        check((profile.get("Cun/Now"), profile.get("Cun/CunningView")) == cun_before,
              "and leaves the peek channel as it was")
        session.end_program("answering Yes ends the program normally")
        check(profile.get("Cun/Now") == "4" and profile.get("Cun/CunningView") == "0",
              "after the close Now = 4 and CunningView = 0")
        return coins
    except Failure:
        failure_shot(args, desktop, session, "run1")
        raise
    finally:
        program.stop()


def second_run(args, desktop, env, profile, coins):
    profile.write({"Settei/Gamen": "640", "Settei/AutoStart": "1", "Settei/ManSpeed": "1",
                   "Settei/CardSpeed": "1", "Settei/PonSpeed": "1", "Settei/RuleRem": "0"})
    program = Program(args.program, env, os.path.join(args.out, "run2-output.txt"))
    session = Session(desktop, program, profile)
    program.start()
    try:
        geometry = session.find_main_window()
        check((geometry["w"], geometry["h"]) == (640, 480),
              "a stored Gamen of 640 gives 640 x 480 whatever the desktop")
        check(profile.get("Last/Coin4") == str(coins[4]),
              "the campaign goes on with the stored purse (no course selection)")
        deadline = time.time() + 30
        while time.time() < deadline and not program_shows_game(session):
            session.answer_boxes("y")
            time.sleep(0.2)
        check(program_shows_game(session), "AutoStart puts the first game on the table")
        # A few turns at the small size, then the picture.
        session.play_until(lambda: session.turn_keys >= 6, 120, "a few turns at 640 x 480")
        time.sleep(0.3)
        session.answer_boxes("y")
        shot = os.path.join(args.out, "tolvagame-640x480.png")
        desktop.screenshot(shot, geometry)
        check(os.path.getsize(shot) > 5000, f"screenshot {shot}")
        session.end_program("the second run ends normally")
        check(profile.get("Cun/Now") == "4", "Now = 4 again after the second close")
    except Failure:
        failure_shot(args, desktop, session, "run2")
        raise
    finally:
        program.stop()


def both_runs(args, desktop, env, profile):
    coins = first_run(args, desktop, env, profile)
    second_run(args, desktop, env, profile, coins)
    shutil.copy(profile.path, os.path.join(args.out, "TolvaGame.conf"))


if __name__ == "__main__":
    sys.exit(run_on_desktop(both_runs, "tolva-e2e-"))
