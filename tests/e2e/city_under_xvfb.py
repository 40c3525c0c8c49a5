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

Then F12 opens the chronicle beside the table: its database (in the run's own
data folder) holds the city's story, one campaign with its ten games in order,
every purse the settings kept, and the conquered city with its date; the
window shows it, page by page, while the next city's game goes on behind it.

Screenshots of the map during the route animation, of the next city's first
game and of the chronicle's pages go to --out. Exit status 0 on success, 1 on
failure, 77 (skipped) when Xvfb or xdotool is missing.
"""

import os
import sqlite3
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


def check_the_chronicle(env, profile):
    """The city's story as the database keeps it."""
    path = os.path.join(env["XDG_DATA_HOME"], "TolvaGame", "chronicle.sqlite")
    check(os.path.isfile(path), f"the chronicle is kept in {path}")
    db = sqlite3.connect(f"file:{path}?mode=ro", uri=True)
    try:
        campaigns = db.execute("SELECT id, key, course FROM campaigns").fetchall()
        check(len(campaigns) == 1 and campaigns[0][1] == profile.get("Chronicle/Campaign")
              and campaigns[0][2] == 2,
              "one campaign, the settings' own, in the intermediate course")
        games = db.execute("SELECT city, game_no, result_kind, purse0, purse1, purse2, purse3, "
                           "purse4 FROM games ORDER BY id").fetchall()
        first_city = [g for g in games if g[0] == 1]
        check([g[1] for g in first_city] == list(range(1, GAMES_PER_CITY + 1)),
              f"the first city's ten games, numbered in order ({len(games)} games in all)")
        saved = [g for g in first_city if g[2] != -1][-1]  # drawn games save no purses
        stored = tuple(int(profile.get(f"Last/Coin{seat}")) for seat in range(5))
        check(saved[3:] == stored, f"the purses of its last decided game are the settings' {stored}")
        conquests = db.execute("SELECT city, city_name, conquered FROM conquests").fetchall()
        check(len(conquests) == 1 and conquests[0][:2] == (1, "アンフィポリス")
              and abs(conquests[0][2] - time.time()) < 3600,
              f"the conquered city with its date: {conquests}")
    finally:
        db.close()


def chronicle_window(desktop):
    for window in desktop.visible_windows("^戦績$"):
        info = desktop.info(window)
        if info["viewable"] and info["w"] > 300:
            return window, info
    return None


def look_at_the_chronicle(args, desktop, session):
    """F12 beside the table; every page shown and photographed."""
    session.settle_boxes(quiet=0.5)
    session.focus_main()
    desktop.key("F12")
    window, info = wait_for(lambda: chronicle_window(desktop), 15, "the chronicle window",
                            session.program)
    log(f"ok: F12 opened the chronicle window, {info['w']} x {info['h']}")
    for page, name in ((1, "overview"), (2, "purse"), (3, "wins"), (4, "cities")):
        desktop.focus(window)
        desktop.key(f"alt+{page}")
        time.sleep(0.6)
        shot = os.path.join(args.out, f"city-chronicle-{name}.png")
        desktop.screenshot(shot, info)
        check(os.path.getsize(shot) > 5000, f"screenshot {shot}")
    def escape():
        # The game goes on behind the window: a box of its own (modal, like
        # every question and settlement) is answered first.
        session.answer_boxes("y")
        desktop.focus(window)
        desktop.key("Escape")
        time.sleep(0.3)
        return chronicle_window(desktop) is None
    wait_for(escape, 20, "the chronicle window to close on Escape", session.program, step=0.5)
    log("ok: Escape closed it, and the game is still there")


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

        check_the_chronicle(env, profile)
        look_at_the_chronicle(args, desktop, session)
        check(program.alive(), "the game runs on after the chronicle window")

        session.end_program("the program ends normally")
    except Failure:
        failure_shot(args, desktop, session, "city")
        raise
    finally:
        program.stop()


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-city-"))
