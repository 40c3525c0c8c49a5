#!/usr/bin/env python3
"""Starts the real TolvaGame under Xvfb on damaged files and reads what it says.

Each run has a settings folder, a temporary folder and a copy of the program
of its own. What each message box says is read from the program's message log
(TOLVA_MESSAGE_LOG, app/MessageLog.h), which takes it from the box as it opens;
the box is then answered with keys like any other.

Run 1, junk in every setting: numbers out of range, words for numbers, a purse
with letters after its digits, a peek channel left by a killed run. The game
starts at 640 x 480 (the width read as 640), puts the first game on the table
(AutoStart), and ends normally.
Run 2, a card face sheet of junk beside the program: the game says
"TolvaGameSys.dll" and 30002, stays without a table, and ends normally.
Run 3, a damaged "CardBack.bmp" cache and "CardBack.jpg" free image with
BackSet 1, and no help folder: the game starts without a word, builds the
cache again, and the help command says 30186.
Run 4, no card face sheet at all: 30052 after the file's name, and the program
ends before it shows a window.
Run 5, a chronicle of junk: the game says it set the file aside (the junk is
kept under a dated name, a new chronicle begun) and plays. Another program
then locks the new chronicle: the game says once that it cannot record now,
plays on and saves the purses as ever; once the lock is gone the games kept
waiting are recorded, in order, with the purses the settings hold.

Exit status 0 on success, 1 on failure, 77 (skipped) when a tool is missing.
"""

import argparse
import os
import shutil
import signal
import sqlite3
import struct
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (Failure, Session, check, fresh_env, log,  # noqa: E402
                          program_shows_game, run_each_on_desktop, run_program, wait_for)

FILE_READ_FAILED = "ファイルの読み込みに失敗しました"                       # 30002
LIBRARY_MISSING = "実行ファイルと同じ場所に上記のファイルが見つかりません"     # 30052
HELP_FOLDER_MISSING = "実行ファイルと同じ場所にヘルプフォルダがありません"     # 30186
CHRONICLE_SET_ASIDE = "戦績のファイルが壊れていたため"
CHRONICLE_LOCKED = "戦績のファイルを他のプログラムが使用中"


def copy_program(program, folder, sheet=None, help_folder=None):
    """The program in a folder of its own, with the card face sheet given
    (bytes, or None for no file) and the help folder given (or none)."""
    os.makedirs(folder)
    target = os.path.join(folder, "TolvaGame")
    shutil.copy2(program, target)
    if sheet is not None:
        with open(os.path.join(folder, "TolvaGameSys.dll"), "wb") as f:
            f.write(sheet)
    if help_folder is not None:
        shutil.copytree(help_folder, os.path.join(folder, "help"))
    return target


def junk_settings(args, base_env, scratch, sheet):
    env, profile, _ = fresh_env(base_env, scratch, "junk")
    profile.write({
        "Settei/ManSpeed": "abc", "Settei/CardSpeed": "-3", "Settei/PonSpeed": "99999999999",
        "Settei/OpenMode": "7", "Settei/Koukaon": "", "Settei/RuleRem": "0",
        "Settei/DspRem": "@Rect(1 2 3 4)", "Settei/Zoom": "50", "Settei/Gamen": "99999",
        "Settei/Joker": "100", "Settei/TolvaRitu": "-1", "Settei/AutoStart": "1",
        "Settei/Course": "42",
        "Last/Kakudo": "500", "Last/MapOrgX": "-2147483648", "Last/MapOrgY": "99999999",
        "Last/Coin0": "abc", "Last/Coin1": "-5", "Last/Coin2": "99999999999999999999",
        "Last/Coin3": "1e9", "Last/Coin4": "5000 coins", "Last/BackSet": "7",
        "Last/CardWaku": "9", "Map/ConqCity": "-12",
        "Cun/CunningView": "1", "Cun/Now": "77", "Cun/0": "1,2,999,-5,abc,",
    })
    program_path = copy_program(args.program, os.path.join(scratch, "junk", "program"), sheet,
                                args.help)

    def body(session, program):
        geometry = session.find_main_window()
        check((geometry["w"], geometry["h"]) == (640, 480),
              "a width of 99999 reads as 640: the window is 640 x 480")
        deadline = time.time() + 30
        while time.time() < deadline and not program_shows_game(session):
            session.answer_boxes("y")
            time.sleep(0.2)
        check(program_shows_game(session), "junk settings: AutoStart puts a game on the table")
        session.play_until(lambda: session.turn_keys >= 4, 90, "a few turns on junk settings")
        session.desktop.screenshot(os.path.join(args.out, "junk-settings.png"), geometry)
        check(not session.said_any(FILE_READ_FAILED) and not session.said_any(LIBRARY_MISSING),
              "junk settings: no file is reported damaged")
        check(profile.get("Cun/CunningView") == "0",
              "the peek flag left by a killed run is cleared at the start")
        session.end_program("junk settings: the program ends normally")

    run_program(args, "junk", program_path, env, profile, body)


def damaged_sheet(args, base_env, scratch, sheet):
    env, profile, _ = fresh_env(base_env, scratch, "sheet")
    profile.write({"Last/Coin4": "3000", "Settei/Course": "2"})
    junk = b"TLV1" + sheet[4:len(sheet) // 3]  # the sheet cut to a third
    program_path = copy_program(args.program, os.path.join(scratch, "sheet", "program"), junk,
                                args.help)

    def body(session, program):
        # The sheet is read as the window is first shown, before it is mapped.
        box = wait_for(session.desktop.message_boxes, 20, "the damaged sheet's message", program)
        text = session.box_text()
        check(text == "TolvaGameSys.dll\n" + FILE_READ_FAILED,
              "a damaged card face sheet: \"TolvaGameSys.dll\" and 30002")
        session.settle_boxes()
        session.find_main_window()
        time.sleep(1.0)
        check(program.alive(), "the program keeps running without its table")
        check(not program_shows_game(session), "and no game starts")
        # Without its pictures the window has no buttons to close it by, and
        # no window manager runs here to close it: it is asked to end.
        program.process.terminate()
        check(program.wait_exit(10) and program.process.returncode == -signal.SIGTERM,
              "it ends when asked, by the signal and not by a crash")

    run_program(args, "sheet", program_path, env, profile, body)


def bmp_size(path):
    with open(path, "rb") as f:
        header = f.read(26)
    if len(header) < 26 or header[:2] != b"BM":
        return None
    width, height = struct.unpack("<ii", header[18:26])
    return width, abs(height)


def damaged_card_back(args, base_env, scratch, sheet):
    env, profile, temp = fresh_env(base_env, scratch, "back")
    profile.write({"Last/Coin4": "3000", "Settei/Course": "2", "Last/BackSet": "1",
                   "Settei/AutoStart": "1", "Settei/RuleRem": "0"})
    game_temp = os.path.join(temp, "TolvaGame")
    os.makedirs(game_temp)
    with open(os.path.join(game_temp, "CardBack.bmp"), "wb") as f:
        f.write(b"BM" + struct.pack("<I", 2175 * 302 * 4) + b"\0" * 40)  # a header, no rows
    with open(os.path.join(game_temp, "CardBack.jpg"), "wb") as f:
        f.write(b"\xff\xd8\xff\xe0" + b"\0" * 100)
    program_path = copy_program(args.program, os.path.join(scratch, "back", "program"), sheet,
                                None)

    def body(session, program):
        geometry = session.find_main_window()
        deadline = time.time() + 30
        while time.time() < deadline and not program_shows_game(session):
            session.answer_boxes("y")
            time.sleep(0.2)
        check(program_shows_game(session), "damaged card back files: the game still starts")
        session.desktop.screenshot(os.path.join(args.out, "damaged-card-back.png"), geometry)
        check(session.said == [], "and says nothing of them")
        check(bmp_size(os.path.join(game_temp, "CardBack.bmp")) == (2175, 302),
              "the damaged cache is built again whole")
        session.settle_boxes(quiet=0.5)
        session.focus_main()
        session.desktop.key("F3")
        time.sleep(0.4)
        session.desktop.key("r")
        box = wait_for(session.desktop.message_boxes, 10, "the help command's message", program)
        text = session.box_text()
        check(text == HELP_FOLDER_MISSING, "no help folder: the rules command says 30186")
        session.answer_boxes("Return")
        time.sleep(0.5)
        check(program.alive(), "the game goes on after the help message")
        session.end_program("damaged card back files: the program ends normally")

    run_program(args, "back", program_path, env, profile, body)


def no_sheet(args, base_env, scratch):
    env, profile, _ = fresh_env(base_env, scratch, "nosheet")
    program_path = copy_program(args.program, os.path.join(scratch, "nosheet", "program"), None,
                                args.help)

    def body(session, program):
        def box():
            for window in session.desktop.visible_windows("^TolvaGame$"):
                if session.desktop.info(window)["viewable"]:
                    return window
            return None
        wait_for(box, 20, "the missing sheet's message", program)
        text = session.box_text()
        check(text == "TolvaGameSys.dll\n" + LIBRARY_MISSING,
              "no card face sheet: \"TolvaGameSys.dll\" and 30052")
        session.desktop.key("Return")
        check(program.wait_exit(10) and program.process.returncode == 0,
              "and the program ends by itself")

    run_program(args, "nosheet", program_path, env, profile, body)


def play_quick_games(session, done, seconds, what):
    """Games ended quickly: the player declares Tolva on his turn (F10), draws
    and discards when he cannot; every box is answered Yes."""
    deadline = time.time() + seconds
    while not done():
        if time.time() > deadline:
            raise Failure(f"timed out playing until {what}")
        if not session.program.alive():
            raise Failure(f"the program ended while playing until {what}")
        if session.desktop.message_boxes():
            Session.answer_boxes(session, "y")
            continue
        session.focus_main()
        session.desktop.click(*session.at(1150, 870))  # ends a dissolve
        for key in ("F10", "F7", "Up"):
            session.desktop.key(key)
            time.sleep(0.05)
        time.sleep(0.1)


def bad_chronicle(args, base_env, scratch, sheet):
    env, profile, _ = fresh_env(base_env, scratch, "chronicle")
    profile.write({"Last/Coin4": "3000", "Settei/Course": "2", "Settei/AutoStart": "1",
                   "Settei/RuleRem": "0", "Settei/ManSpeed": "1", "Settei/CardSpeed": "1",
                   "Settei/PonSpeed": "1"})
    data = os.path.join(env["XDG_DATA_HOME"], "TolvaGame")
    os.makedirs(data)
    path = os.path.join(data, "chronicle.sqlite")
    junk = b"this is no chronicle\n" * 300
    with open(path, "wb") as f:
        f.write(junk)
    program_path = copy_program(args.program, os.path.join(scratch, "chronicle", "program"), sheet,
                                args.help)

    def games():
        db = sqlite3.connect(f"file:{path}?mode=ro", uri=True, timeout=5)
        try:
            return db.execute("SELECT game_no, result_kind, purse4 FROM games ORDER BY id").fetchall()
        finally:
            db.close()

    def body(session, program):
        def told(fragment):
            return any(fragment in entry["text"] for entry in session.logged())

        session.find_main_window()
        wait_for(lambda: told(CHRONICLE_SET_ASIDE), 20, "the set-aside message", program)
        kept = [name for name in os.listdir(data) if name.startswith("chronicle.sqlite.damaged-")]
        check(len(kept) == 1, f"the damaged chronicle is kept as {kept}")
        with open(os.path.join(data, kept[0]), "rb") as f:
            check(f.read() == junk, "with every byte it had")
        with open(path, "rb") as f:
            check(f.read(16) == b"SQLite format 3\0", "and a new chronicle is begun")
        session.settle_boxes(quiet=0.5)
        check(program_shows_game(session), "the game is on the table all the same")

        other = sqlite3.connect(path, timeout=0.1, isolation_level=None)
        other.execute("BEGIN EXCLUSIVE")
        log("another program holds the chronicle")
        play_quick_games(session, lambda: told(CHRONICLE_LOCKED), 120, "the lock is told")
        check(program.alive(), "the locked chronicle stops nothing")
        play_quick_games(session, lambda: profile.get("Last/Coin4") != "3000", 60,
                         "a settlement saves the purses")
        log(f"ok: the purses are saved as ever (Coin4 {profile.get('Last/Coin4')})")
        other.execute("ROLLBACK")
        other.close()
        log("the other program let go")
        play_quick_games(session, lambda: len(games()) >= 2, 120, "the waiting games are recorded")
        recorded = games()
        check([game[0] for game in recorded] == list(range(1, len(recorded) + 1)),
              f"the games are recorded in the order played: {recorded}")
        locked_said = sum(CHRONICLE_LOCKED in entry["text"] for entry in session.logged())
        check(locked_said == 1, "the lock was told once")
        session.end_program("a bad chronicle: the program ends normally")
        decided = [game for game in games() if game[1] != -1]
        if decided:
            check(decided[-1][2] == int(profile.get("Last/Coin4")),
                  "the last decided game holds the king's purse the settings keep")

    run_program(args, "chronicle", program_path, env, profile, body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--sheet", required=True, help="the shipped TolvaGameSys.dll")
    parser.add_argument("--help-folder", dest="help", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    with open(args.sheet, "rb") as f:
        sheet = f.read()

    def runs(env, scratch):
        junk_settings(args, env, scratch, sheet)
        damaged_sheet(args, env, scratch, sheet)
        damaged_card_back(args, env, scratch, sheet)
        no_sheet(args, env, scratch)
        bad_chronicle(args, env, scratch, sheet)
    return run_each_on_desktop(args, runs, "tolva-bad-files-")


if __name__ == "__main__":
    sys.exit(main())
