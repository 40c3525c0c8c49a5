#!/usr/bin/env python3
"""The real program on a desktop scaled twice (QT_SCALE_FACTOR=2), under Xvfb.

The campaign goes on from a stored purse at the size 1200 x 900, AutoStart on
and the fastest speeds: the window takes 2400 x 1800 of the screen's pixels.
Games are played with keys, drags and clicks placed at twice the canvas's
coordinates, every question answered (open mode shows every hand in the
first games). The name plates, the purse numbers and the card indices show
detail inside 2 x 2 pixel blocks: they are drawn at the
screen's pixels, not a 1200 x 900 picture doubled. The program ends through
its start menu.

A screenshot goes to --out. Exit status 0 on success, 1 on failure, 77
(skipped) when Xvfb or xdotool is missing.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (Failure, Program, Session, check, failure_shot,  # noqa: E402
                          program_shows_game, run_on_desktop, table_background, wait_for)

SCALE = 2


def stored_campaign(profile, gamen="1200", open_mode="0"):
    profile.write({"Settei/Gamen": gamen, "Settei/Course": "2", "Settei/AutoStart": "1",
                   "Settei/ManSpeed": "1", "Settei/CardSpeed": "1", "Settei/PonSpeed": "1",
                   "Settei/RuleRem": "0", "Settei/OpenMode": open_mode, "Map/ConqCity": "0",
                   "Last/Coin0": "0", "Last/Coin1": "0", "Last/Coin2": "98765", "Last/Coin3": "0",
                   "Last/Coin4": "5000"})


def mixed_blocks(session, canvas_rect):
    """The share of the 2 x 2 blocks of screen pixels over a canvas rectangle
    with an edge inside them; none where a picture is doubled pixel for pixel."""
    left, top, width, height = canvas_rect
    x, y = session.at(left, top)
    sx, sy = session.scale()
    area = {"x": x - x % 2, "y": y - y % 2, "w": int(width * sx) // 2 * 2,
            "h": int(height * sy) // 2 * 2}
    data = session.desktop.pixels(area)
    row = area["w"] * 3

    def pixel(px, py):
        at = py * row + px * 3
        return data[at:at + 3]

    def apart(a, b):
        return sum(abs(p - q) for p, q in zip(a, b)) > 24

    mixed = blocks = 0
    for by in range(0, area["h"] - 1, 2):
        for bx in range(0, area["w"] - 1, 2):
            p = pixel(bx, by)
            blocks += 1
            if apart(pixel(bx + 1, by), p) or apart(pixel(bx, by + 1), p) or \
                    apart(pixel(bx + 1, by + 1), p):
                mixed += 1
    return mixed / blocks if blocks else 0.0


def table_in_view(session):
    """The table shows (no result picture, no dissolve under way): its
    background takes a good share of the window and stays as it is."""
    session.desktop.click(*session.at(1150, 870))  # ends a dissolve
    session.answer_boxes("y")
    time.sleep(0.6)
    first = session.desktop.sampled_pixels(session.geometry, 16)
    time.sleep(0.3)
    second = session.desktop.sampled_pixels(session.geometry, 16)
    teal = sum(1 for p in second if table_background(p)) / max(1, len(second))
    return teal > 0.08 and first == second and not session.desktop.message_boxes()


def run(args, desktop, env, profile):
    stored_campaign(profile, open_mode="1")  # the first games show every hand
    env = dict(env, QT_SCALE_FACTOR=str(SCALE))
    program = Program(args.program, env, os.path.join(args.out, "scale2-output.txt"))
    session = Session(desktop, program, profile)
    program.start()
    try:
        geometry = session.find_main_window()
        check((geometry["w"], geometry["h"]) == (1200 * SCALE, 900 * SCALE),
              "at twice the desktop's scale the 1200 x 900 window takes 2400 x 1800 pixels")
        deadline = time.time() + 40
        while time.time() < deadline and not program_shows_game(session):
            session.answer_boxes("y")
            time.sleep(0.2)
        check(program_shows_game(session), "AutoStart puts the first game on the table")
        session.play_until(lambda: session.turn_keys >= 8, 180, "a few turns at twice the scale")
        wait_for(lambda: table_in_view(session), 60, "the table in view, still", program)
        # At the angle 23, in open mode: seat 2's name plate and purse, and the
        # index of its first card, behind the table.
        parts = {"a name plate": (221, 127, 92, 23), "a purse number": (245, 151, 44, 16),
                 "a card index": (318, 60, 22, 30)}
        for what, rect in parts.items():
            share = mixed_blocks(session, rect)
            check(share > 0.05, f"{what} holds detail inside 2 x 2 pixel blocks ({share:.2f})")
        shot = os.path.join(args.out, "tolvagame-1200x900-scale2.png")
        desktop.screenshot(shot, geometry)
        check(os.path.getsize(shot) > 50000, f"screenshot {shot}")
        session.end_program("the program at twice the scale ends normally")
    except Failure:
        failure_shot(args, desktop, session, "scale2")
        raise
    finally:
        program.stop()


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-scale2-", screen=(2560, 1920)))
