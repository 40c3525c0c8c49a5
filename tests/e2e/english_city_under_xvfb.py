#!/usr/bin/env python3
"""A whole city played in English under Xvfb.

The run of city_under_xvfb.py (ten games with keys and clicks, every question
answered Yes and every settlement acknowledged, the march on the map, the next
city's first game, the chronicle beside the table) with LANGUAGE=en: the main
window is found by its English title, the chronicle window by "Chronicle",
and afterwards every message box the program showed (its log) reads English:
not one Japanese letter, the settlements naming the king "Alexander".

Screenshots of the table, of the first settlement box and of the chronicle's
pages go to --out. Exit status 0 on success, 1 on failure, 77 (skipped) when
Xvfb or xdotool is missing.
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import city_under_xvfb as city  # noqa: E402
import xvfb_session  # noqa: E402
from xvfb_session import Session, check, log, logged_messages, run_on_desktop  # noqa: E402

JAPANESE = re.compile("[\u3040-\u30ff\u4e00-\u9fff]")

# What the English game shows where the Japanese run looks for its words.
xvfb_session.MAIN_TITLE = r"^TolvaGame \["  # "TolvaGame [Intermediate Course]"
xvfb_session.DISCARD_DUE = "You have already taken a card."


def chronicle_window(desktop):
    for window in desktop.visible_windows("^Chronicle$"):
        info = desktop.info(window)
        if info["viewable"] and info["w"] > 300:
            return window, info
    return None


city.chronicle_window = chronicle_window


def photograph_first_box(out):
    """The first message box is photographed before it is answered."""
    answer = Session.answer_boxes

    def answer_after_a_look(self, key="y"):
        boxes = self.desktop.message_boxes()
        shot = os.path.join(out, "english-message-box.png")
        if boxes and not os.path.exists(shot):
            self.desktop.screenshot(shot, self.desktop.info(boxes[0]))
        return answer(self, key)
    Session.answer_boxes = answer_after_a_look


def run(args, desktop, env, profile):
    env = dict(env, LANGUAGE="en")
    photograph_first_box(args.out)
    city.run(args, desktop, env, profile)

    messages = logged_messages(env["TOLVA_MESSAGE_LOG"])
    texts = [m.get("text", "") for m in messages]
    check(len(texts) >= city.GAMES_PER_CITY, f"{len(texts)} message boxes were shown")
    japanese = [t for t in texts if JAPANESE.search(t)]
    check(not japanese, f"every message box reads English (Japanese in: {japanese[:3]})")
    check(any("Alexander = " in t for t in texts), "the settlements name the king Alexander")
    check(all(m.get("title") == "TolvaGame" for m in messages), "every box is captioned TolvaGame")
    log(f"ok: {len(texts)} message boxes, all in English; e.g. {texts[-2]!r}")


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-english-city-"))
