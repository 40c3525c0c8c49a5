#!/usr/bin/env python3
"""A whole city in the real program under Xvfb, and the march to the next one.

The campaign goes on from a stored purse in the intermediate course, with
AutoStart, the fastest speeds and no rule reminders written into the settings
file before the start. The player plays the city's ten games with keys and
clicks (F7 draws, Up discards, drags from the stock, a click cuts each
result's dissolve short, every question is answered Yes, every settlement
acknowledged; in every other game he declares Tolva with F10 on his first
turn). After the
tenth settlement, and not before, the world map takes the table's place and
the route animation walks from the city: the travelled (magenta) stretch
grows between two looks, while "Map/ConqCity" still holds 0; once the leg
ends the city is stored as conquered ("ConqCity" 1), the table comes back and
the next city's first game is dealt (its game number medal is the one the
first city's first game showed).

Screenshots of the map during the route animation and of the next city's
first game go to --out. Exit status 0 on success, 1 on failure, 77 (skipped)
when Xvfb or xdotool is missing.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (Failure, Program, Session, check, failure_shot,  # noqa: E402
                          log, program_shows_game, rgb_pixels, run_on_desktop,
                          table_background, wait_for)

GAMES_PER_CITY = 10
SAMPLE_STEP = 10  # one pixel in a hundred
FRAME_COLOURS = {(255, 0, 255), (255, 255, 0), (0, 0, 255)}  # the result pictures' frames


def travelled(pixel):
    r, g, b = pixel
    return r >= 200 and g <= 90 and b >= 200


class CityRun:
    """What the window shows, told from a sample of its pixels."""

    def __init__(self, desktop, session):
        self.desktop, self.session = desktop, session

    def look(self):
        sample = self.desktop.sampled_pixels(self.session.geometry, SAMPLE_STEP)
        if not sample:
            return "unknown"
        teal = sum(1 for p in sample if table_background(p)) / len(sample)
        frame = sum(1 for p in sample if p in FRAME_COLOURS) / len(sample)
        if teal > 0.08:
            return "table"  # also while a dissolve brings the table back
        if frame > 0.05:
            return "result"
        return "map" if teal < 0.01 else "unknown"

    def travelled_pixels(self):
        """Travelled route pixels around the window's middle, where the map
        is centred on the city the march starts from."""
        g = self.session.geometry
        middle = {"x": g["x"] + g["w"] // 4, "y": g["y"] + g["h"] // 4,
                  "w": g["w"] // 2, "h": g["h"] // 2}
        return sum(1 for p in rgb_pixels(self.desktop.pixels(middle)) if travelled(p))

    def medal(self):
        return self.session.game_number_plate()


def play_the_city(session, city):
    """Plays until the map is up; the map must follow the tenth settlement."""
    desktop, profile = session.desktop, session.profile
    deadline = time.time() + 150
    turn = 0
    while True:
        if time.time() > deadline:
            raise Failure(f"the map did not come after {session.acknowledged} settlements")
        if not session.program.alive():
            raise Failure("the program ended during the city's games")
        seen = city.look()
        if seen == "map":
            return
        if session.answer_boxes("y"):
            continue
        check_conquest_unchanged(profile)
        if session.acknowledged > GAMES_PER_CITY:
            raise Failure(f"{session.acknowledged} settlements and still no map")
        # Clicks only on the table or a result picture: two clicks on the
        # map would be a double click, which takes the player back.
        if seen in ("table", "result"):
            session.focus_main()
            desktop.click(*session.at(1150, 870))
            session.clicks += 1
            if seen == "table" and turn % 4 == 3:
                desktop.drag(session.at(525, 456), session.at(416, 690))
                session.drags += 1
            if session.acknowledged % 2 == 1:
                # Every other game he declares Tolva on his first turn: the
                # generals' discard pause (600 ms even at the fastest speed)
                # makes a game played out take some ten seconds.
                desktop.key("F10")
            desktop.key("F7")
            time.sleep(0.03)
            desktop.key("Up")
            session.turn_keys += 1
            turn += 1
        time.sleep(0.05)


def check_conquest_unchanged(profile):
    if profile.get("Map/ConqCity", "0") != "0":
        raise Failure("the city was stored as conquered before its tenth game ended")


def run(args, desktop, env, profile):
    profile.write({"Settei/Gamen": "1200", "Settei/Course": "2", "Settei/AutoStart": "1",
                   "Settei/ManSpeed": "1", "Settei/CardSpeed": "1", "Settei/PonSpeed": "1",
                   "Settei/RuleRem": "0", "Map/ConqCity": "0",
                   "Last/Coin0": "0", "Last/Coin1": "0", "Last/Coin2": "0", "Last/Coin3": "0",
                   "Last/Coin4": "5000"})
    program = Program(args.program, env, os.path.join(args.out, "city-output.txt"))
    session = Session(desktop, program, profile)
    city = CityRun(desktop, session)
    program.start()
    started = time.time()
    try:
        geometry = session.find_main_window()
        wait_for(lambda: program_shows_game(session), 30, "the first game of the city", program)
        first_medal = city.medal()
        check(city.look() == "table", "the table is recognised on screen")
        log("the city's first game is on the table (AutoStart)")

        play_the_city(session, city)
        log(f"map after {time.time() - started:.0f} s: {session.turn_keys} turn key rounds, "
            f"{session.drags} drags, {session.clicks} clicks, {session.answered} boxes")
        before = city.travelled_pixels()
        shot = os.path.join(args.out, "city-map-route.png")
        desktop.screenshot(shot, geometry)
        check(session.acknowledged == GAMES_PER_CITY,
              f"the map came after the tenth settlement ({session.acknowledged})")
        check(profile.get("Map/ConqCity", "0") == "0",
              "while the route is walked the city is not yet stored as conquered")
        wait_for(lambda: city.travelled_pixels() > before, 5, "the travelled route to grow",
                 program, step=0.2)
        log(f"ok: the route animation runs ({before} travelled pixels, then more)")
        check(os.path.getsize(shot) > 10000, f"screenshot {shot}")

        wait_for(lambda: profile.get("Map/ConqCity") == "1", 60, "the conquered city stored",
                 program, step=0.2)
        log("ok: the leg ended and ConqCity = 1 is stored")
        check(city.look() == "map", "the map stays up for the pause before the next city")
        wait_for(lambda: city.look() == "table" and city.medal() == first_medal, 15,
                 "the next city's first game", program, step=0.1)
        log("ok: the next city's first game is dealt (the medal of game 1)")
        shot = os.path.join(args.out, "city-next-first-game.png")
        desktop.screenshot(shot, geometry)
        check(os.path.getsize(shot) > 10000, f"screenshot {shot}")
        check(profile.get("Map/ConqCity") == "1" and profile.get("Settei/Course") == "2",
              "the settings show the new city in the same course")
        log(f"the city and the march took {time.time() - started:.0f} s")

        session.end_program("the program ends normally")
    except Failure:
        failure_shot(args, desktop, session, "city")
        raise
    finally:
        program.stop()


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-city-"))
