#!/usr/bin/env python3
"""Cunning mode for real under Xvfb: the peek window on a computer seat's hand.

The program starts in the beginner course with a game on the table (AutoStart)
and with a peek channel left over from a killed run ("CunningView" = 1), which
it clears. A click on Seleucus' name plate starts the peek window, a second
process of the program with /W: it appears at the desktop's bottom-right
corner with the seat's name and hand and leaves the keyboard with the game,
and the hand it shows changes as the game goes on. The peek buttons beside
the icons switch it to each other seat. Killed, the peek window leaves its
flag set, yet the next button starts a new one. Closing the
game (start menu, ゲーム終了, Yes) closes the peek window within two seconds.

Screenshots of the main window, the plate's hover text and the peek window
go to --out. Exit status 0 on success, 1 on failure, 77 (skipped) when Xvfb or
xdotool is missing.
"""

import os
import re
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (PEEK_BUTTON, SEAT0_PLATE, SEAT_NAMES, Failure, Program,  # noqa: E402
                          Session, check, failure_shot, log, run_on_desktop, wait_for)
from xvfb_session import process_alive as alive  # noqa: E402
from xvfb_session import read_peek_report as read_report  # noqa: E402


def peek_processes(program):
    """The peek instances of this very program file."""
    pattern = "^" + re.escape(program) + " /W$"
    result = subprocess.run(["pgrep", "-f", pattern], capture_output=True, text=True)
    return [int(pid) for pid in result.stdout.split()]


class PeekRun:
    def __init__(self, args, desktop, session, report):
        self.args, self.desktop, self.session, self.report = args, desktop, session, report

    def shot(self, name, geometry):
        self.desktop.screenshot(os.path.join(self.args.out, name), geometry)

    def press(self, canvas_point):
        # A question of the game (a Pon or a Ron offered) would hold the click.
        self.session.answer_boxes("n")
        self.desktop.click(*self.session.at(*canvas_point))

    def shows(self, seat, seconds=3):
        def seen():
            r = read_report(self.report)
            return r if r.get("title") == SEAT_NAMES[seat] and r.get("cards") else None
        report = wait_for(seen, seconds, f"the peek window on {SEAT_NAMES[seat]}",
                          self.session.program)
        cards = len(report["cards"].split())
        check(report["client"] == f"{30 * cards + 123}x215",
              f"the peek window on {SEAT_NAMES[seat]}: {cards} cards, client {report['client']}")
        return report

    def peek_window(self, seat):
        def found():
            for window in self.desktop.visible_windows(f"^{SEAT_NAMES[seat]}$"):
                info = self.desktop.info(window)
                if info["viewable"]:
                    return window, info
            return None
        return wait_for(found, 3, f"a window named {SEAT_NAMES[seat]}")


def run(args, desktop, env, profile):
    report = os.path.join(args.out, "peek-report.txt")
    env = dict(env, TOLVA_PEEK_REPORT=report)
    profile.write({"Settei/Gamen": "1200", "Settei/AutoStart": "1", "Settei/Course": "1",
                   "Settei/RuleRem": "0", "Settei/ManSpeed": "5", "Settei/PonSpeed": "5",
                   "Last/Coin0": "500", "Last/Coin1": "500", "Last/Coin2": "500",
                   "Last/Coin3": "500", "Last/Coin4": "8000",
                   "Cun/CunningView": "1", "Cun/Now": "2"})
    program = Program(args.program, env, os.path.join(args.out, "peek-output.txt"))
    session = Session(desktop, program, profile)
    peek = PeekRun(args, desktop, session, report)
    program.start()
    try:
        geometry = session.find_main_window()
        wait_for(lambda: profile.get("Cun/Now") == "4" and profile.get("Cun/CunningView") == "0",
                 10, "the peek channel cleared at start", program)
        log("ok: the leftover peek channel was cleared at start")
        wait_for(lambda: profile.get("Cun/0"), 20, "the hands published", program)
        time.sleep(1.0)
        session.answer_boxes("n")
        peek.shot("peek-main-window.png", geometry)

        # The plate's hover text says how to peek.
        desktop.run("xdotool", "mousemove", *map(str, session.at(SEAT0_PLATE[0] - 4,
                                                                  SEAT0_PLATE[1])))
        time.sleep(0.2)
        desktop.run("xdotool", "mousemove", *map(str, session.at(*SEAT0_PLATE)))
        time.sleep(1.2)
        peek.shot("peek-plate-hover.png", {"x": geometry["x"] + 640, "y": geometry["y"] + 120,
                                           "w": 560, "h": 460})

        peek.press(SEAT0_PLATE)
        first = peek.shows(0)
        window, info = peek.peek_window(0)
        screen = {"w": 1280, "h": 1024}
        check(info["x"] + info["w"] == screen["w"] and info["y"] + info["h"] == screen["h"],
              f"the peek window sits at the desktop's bottom-right corner ({info})")
        focused = desktop.run("xdotool", "getwindowfocus").stdout.strip()
        check(focused == str(session.main), "the keyboard stays with the game")
        check(profile.get("Cun/CunningView") == "1", "CunningView = 1 while the peek runs")
        pids = peek_processes(args.program)
        check(len(pids) == 1, f"one peek process ({pids})")
        time.sleep(0.6)  # one more poll, so the picture is the one reported
        peek.shot("peek-window.png", info)
        peek.shot("peek-desktop.png", {"x": 0, "y": 0, "w": 1280, "h": 1024})
        log(f"peek on seat 0: {first['cards']}")

        # The peek follows the game: play on until Seleucus' hand changes.
        session.play_until(lambda: read_report(report).get("cards") not in (None, first["cards"]),
                           90, "Seleucus' hand changes in the peek window")
        log(f"ok: the peek window followed the game: {read_report(report)['cards']}")

        peek.press(PEEK_BUTTON[3])
        peek.shows(3, seconds=1.5)
        check(peek_processes(args.program) == pids, "the button switched the running peek window")

        os.kill(pids[0], signal.SIGKILL)
        wait_for(lambda: not alive(pids[0]), 3, "the killed peek to end")
        check(profile.get("Cun/CunningView") == "1", "the killed peek left its flag set")
        peek.press(PEEK_BUTTON[2])
        peek.shows(2)
        new_pids = [pid for pid in peek_processes(args.program) if alive(pid)]
        check(len(new_pids) == 1 and new_pids != pids,
              f"a new peek window started despite the stale flag ({new_pids})")
        peek.press(PEEK_BUTTON[1])
        peek.shows(1, seconds=1.5)
        check([pid for pid in peek_processes(args.program) if alive(pid)] == new_pids,
              "the last computer seat's button switches the same peek window")

        closed = session.close_with_question("y")
        check(closed, "closing during a game asks first")
        check(program.wait_exit(10), "the game ended")
        wait_for(lambda: not alive(new_pids[0]), 2, "the peek window to close with the game")
        check(profile.get("Cun/Now") == "4" and profile.get("Cun/CunningView") == "0",
              "after the close Now = 4 and CunningView = 0")
    except Failure:
        failure_shot(args, desktop, session, "peek", whole_screen=True)
        raise
    finally:
        program.stop()
        for pid in peek_processes(args.program):
            if alive(pid):
                os.kill(pid, signal.SIGKILL)


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-peek-",
                            tools=("Xvfb", "xdotool", "xwininfo", "import", "pgrep")))
