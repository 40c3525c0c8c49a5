#!/usr/bin/env python3
"""The player's files under faults, for real under Xvfb: nothing lost, nobody let in.

Each run starts the real program with settings, temporary and runtime folders
of its own, left as a crash, a full disk, the player or another user of the
machine might leave them, and reads what each message box says from the
program's message log. Full and read-only folders are made for the program
alone in a mount namespace of its own (read-only by mode where no test may
mount; a full disk is then left out).

Temporary folder: on a full disk, read-only, or with a folder on the name of
the card face sheet's working copy, the program says once which folder or
file and what is wrong, and plays; the player's card back picture is used
whenever it can be read, and again once the disk has room. With both of its
names taken by someone who planted links to a file of the player's, it says
nothing, leaves the file alone, plays in a fresh folder of its own and finds
that folder again at the next start.

Settings file: a named pipe (the start must not hang), a folder, or a file
where its folder should be is told once with its path and what is wrong; no
course selection comes over it, a game is played, and the thing is left as it
was; once mended, the campaign goes on. A read-only file or a full disk is
told once, at the first write, and play goes on with the file as it was.

Two copies: a second copy says the game is already running and ends, leaving
the first copy's settings and peek window alone; once the first is killed, the
next start is not refused.

Exit status 0 on success, 1 on failure, 77 (skipped) when a tool is missing.
"""

import argparse
import glob
import os
import shutil
import stat
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from peek_under_xvfb import SEAT0_PLATE, SEAT_NAMES, alive, peek_processes  # noqa: E402
from xvfb_session import (Failure, check, fresh_env, log, private_mounts,  # noqa: E402
                          program_shows_game, run_each_on_desktop, run_program, wait_for)

FILE_READ_FAILED = "ファイルの読み込みに失敗しました"                                   # 30002
UNREADABLE = ("設定ファイルを読み込めません\n今回のゲームの進行は保存されません\n"
              "ファイルを直してから起動すると、続きから遊べます")                         # 30120
NOT_SAVED = "設定ファイルに書き込めません\nゲームの進行は保存されていません"             # 30121
ALREADY_RUNNING = "トルヴァゲームはすでに起動しています"                               # 30122
NO_ACCESS = "アクセスが許可されていません"                                             # 30123
READ_ONLY = "書き込みが禁止されています"                                               # 30124
DISK_FULL = "ディスクの空き容量が足りません"                                           # 30125
FILE_FOR_FOLDER = "フォルダの場所にファイルがあります"                                 # 30126
NOT_A_FILE = "通常のファイルではありません"                                            # 30127

# A game at once, no notices, no peek buttons: the table is all there is to see.
PLAIN_GAME = {"Settei/Gamen": "800", "Settei/AutoStart": "1", "Settei/RuleRem": "0",
              "Settei/Course": "2", "Last/Coin4": "3000", "Cun/Now": "4", "Cun/CunningView": "0"}
PICTURE_COLOUR = (200, 30, 200)  # the player's card back picture


def problem(path, why, message):
    return f"{path}\n{why}\n{message}"


def made(kind, folder):
    """How to start the program with `folder` made `kind`, and what the
    program should say is wrong with it; None where it cannot be made here."""
    wrapper = private_mounts(kind, folder)
    if wrapper is not None:
        return wrapper, DISK_FULL if kind == "full" else READ_ONLY
    if kind == "read-only" and os.geteuid() != 0:
        os.chmod(folder, 0o500)
        return [], NO_ACCESS
    log(f"left out: a {kind} folder (this machine lets no test mount)")
    return None


def plays(session, program):
    """Answers what comes until a game is on the table."""
    deadline = time.time() + 40
    while not program_shows_game(session):
        if time.time() > deadline or not program.alive():
            raise Failure("no game came on the table")
        session.answer_boxes("Return")
        time.sleep(0.2)


def shows_picture(session):
    pixels = session.desktop.sampled_pixels(session.geometry, 3)
    near = [p for p in pixels if all(abs(a - b) < 40 for a, b in zip(p, PICTURE_COLOUR))]
    return len(near) > 200


def write_picture(folder):
    """The player's card back picture in a plain colour (as a PPM: the program
    goes by a picture's content, not its name)."""
    os.makedirs(folder, mode=0o700, exist_ok=True)
    with open(os.path.join(folder, "CardBack.jpg"), "wb") as f:
        f.write(b"P6\n151 215\n255\n" + bytes(PICTURE_COLOUR) * (151 * 215))


# --- the temporary folder ---------------------------------------------------------------------

def temporary_folder(args, base_env, scratch):
    # Full: the picture is read, the cache cannot be written; told once.
    env, profile, tmp = fresh_env(base_env, scratch, "tmp-full")
    profile.write({**PLAIN_GAME, "Last/BackSet": "1"})
    game_folder = os.path.join(tmp, "TolvaGame")
    write_picture(game_folder)
    full = made("full", tmp)
    if full is not None:
        def on_full_disk(session, program):
            session.find_main_window(answering=True)
            plays(session, program)
            check(session.said == [problem(game_folder, full[1], FILE_READ_FAILED)],
                  "a full temporary folder: told once, which folder and what is wrong")
            check(shows_picture(session), "the player's card back picture is on the table")
            session.end_program("a full temporary folder: the game ended normally")
        run_program(args, "tmp-full", args.program, env, profile, on_full_disk, full[0])

        def with_room(session, program):
            session.find_main_window(answering=True)
            plays(session, program)
            check(session.said == [] and shows_picture(session),
                  "with room again: nothing to tell, and still the player's picture")
            check(os.path.isfile(os.path.join(game_folder, "CardBack.bmp")), "the cache is kept")
            session.end_program("with room again: the game ended normally")
        run_program(args, "tmp-room", args.program, env, profile, with_room)
        check(profile.get("Last/BackSet") == "1", "the player's choice was never undone")

    # Read-only: no folder can be made.
    env, profile, tmp = fresh_env(base_env, scratch, "tmp-read-only")
    profile.write(PLAIN_GAME)
    read_only = made("read-only", tmp)

    def on_read_only(session, program):
        session.find_main_window(answering=True)
        plays(session, program)
        check(session.said == [problem(os.path.join(tmp, "TolvaGame"), read_only[1],
                                       FILE_READ_FAILED)],
              "a read-only temporary folder: told once, which folder and what is wrong")
        session.end_program("a read-only temporary folder: the game ended normally")
    run_program(args, "tmp-read-only", args.program, env, profile, on_read_only, read_only[0])
    os.chmod(tmp, 0o700)

    # A folder on the working copy's name.
    env, profile, tmp = fresh_env(base_env, scratch, "tmp-card-jpeg")
    profile.write(PLAIN_GAME)
    blocker = os.path.join(tmp, "TolvaGame", "card.jpeg")
    os.makedirs(blocker)
    os.chmod(os.path.dirname(blocker), 0o700)

    def on_blocked_copy(session, program):
        session.find_main_window(answering=True)
        plays(session, program)
        check(session.said == [problem(blocker, NOT_A_FILE, FILE_READ_FAILED)],
              "a folder named card.jpeg: told once, with its path")
        session.end_program("a folder named card.jpeg: the game ended normally")
    run_program(args, "tmp-card-jpeg", args.program, env, profile, on_blocked_copy)
    check(os.path.isdir(blocker), "the folder was left where it was")

    # Both names taken, with links to a file of the player's planted in them:
    # a folder that others may write to, and a link to it.
    env, profile, tmp = fresh_env(base_env, scratch, "tmp-taken")
    profile.write(PLAIN_GAME)
    victim = os.path.join(scratch, "tmp-taken", "players-file")
    with open(victim, "w") as f:
        f.write("the player's own")
    shared = os.path.join(tmp, "TolvaGame")
    os.makedirs(shared)
    for name in ("CardBack.bmp", "card.jpeg", "CardBack.jpg"):
        os.symlink(victim, os.path.join(shared, name))
    os.chmod(shared, 0o777)
    if os.geteuid() == 0:
        os.chown(shared, 65534, 65534)
    os.symlink(shared, f"{shared}-{os.geteuid()}")

    def own_folders():
        return glob.glob(f"{shared}-{os.geteuid()}-*")

    def on_taken_names(session, program):
        session.find_main_window(answering=True)
        plays(session, program)
        check(session.said == [], "names taken by someone else: nothing to tell")
        session.end_program("names taken: the game ended normally")
    for start in ("first", "next"):
        run_program(args, f"tmp-taken-{start}", args.program, env, profile, on_taken_names)
        folders = own_folders()
        check(len(folders) == 1 and stat.S_IMODE(os.lstat(folders[0]).st_mode) == 0o700,
              f"{start} start: one fresh folder of the player's alone ({folders})")
        check(os.path.isfile(os.path.join(folders[0], "CardBack.bmp")), "the cache is there")
    with open(victim) as f:
        check(f.read() == "the player's own", "the planted links wrote nothing to the player's file")


# --- the settings file ------------------------------------------------------------------------

def settings_file(args, base_env, scratch):  # noqa: C901 (one run after another)
    def in_folder(make):
        def spoil(folder, path):
            os.makedirs(folder)
            make(path)
        return spoil

    def file_for_folder(folder, path):
        with open(folder, "w") as f:
            f.write("not a folder")

    # What the file is made, how to see it is still so, and what is wrong.
    spoilers = [
        ("pipe", in_folder(os.mkfifo), lambda folder, path: stat.S_ISFIFO(os.stat(path).st_mode),
         NOT_A_FILE),
        ("folder", in_folder(os.makedirs), lambda folder, path: os.listdir(path) == [],
         NOT_A_FILE),
        ("file for its folder", file_for_folder, lambda folder, path: os.path.isfile(folder),
         FILE_FOR_FOLDER),
    ]
    for what, spoil, still, why in spoilers:
        name = "conf-" + what.split()[0]
        env, profile, _ = fresh_env(base_env, scratch, name)
        profile.write(PLAIN_GAME)
        folder = os.path.dirname(profile.path)
        os.rename(folder, folder + ".aside")
        spoil(folder, profile.path)
        told = problem(profile.path, why, UNREADABLE)

        def unreadable(session, program):
            wait_for(session.desktop.message_boxes, 20, "the message (a start that hangs "
                     "on the file would never get there)", program)
            check(session.box_text() == told, f"a settings file that is a {what}: told with "
                  "its path and what is wrong")
            session.settle_boxes()
            session.find_main_window(answering=True)
            title = "トルヴァゲーム【初級コース】"
            check(session.desktop.visible_windows(title), "no course selection: a beginner's "
                  "game kept in memory")
            session.start_menu_item("p")
            plays(session, program)
            session.end_program(f"a settings file that is a {what}: the game ended normally")
        run_program(args, name, args.program, env, profile, unreadable)
        check(still(folder, profile.path), f"the {what} was left as it was")
        if os.path.isdir(folder):
            shutil.rmtree(folder)
        else:
            os.remove(folder)
        os.rename(folder + ".aside", folder)

        def mended(session, program):
            session.find_main_window(answering=True)
            plays(session, program)
            check(session.said == [] and session.desktop.visible_windows("トルヴァゲーム【中級コース】"),
                  "mended: the campaign goes on in its own course")
            session.end_program("mended: the game ended normally")
        if what == "pipe":
            run_program(args, name + "-mended", args.program, env, profile, mended)

    for kind in ("read-only", "full"):
        name = f"conf-{kind}"
        env, profile, _ = fresh_env(base_env, scratch, name)
        # The beginner course: the hands are published to the peek channel
        # from the first deal on, the first write there is.
        profile.write({**PLAIN_GAME, "Settei/Course": "1"})
        folder = os.path.dirname(profile.path)
        with open(profile.path, "rb") as f:
            before = f.read()
        how = made(kind, folder)
        if how is None:
            continue

        def unwritable(session, program):
            session.find_main_window(answering=True)
            plays(session, program)
            session.play_until(lambda: session.turn_keys >= 3, 60, "a few turns")
            session.settle_boxes(quiet=0.5)
            check(session.said == [problem(profile.path, how[1], NOT_SAVED)],
                  f"a {kind} settings file: told once, at the first write")
            session.end_program(f"a {kind} settings file: the game ended normally")
        run_program(args, name, args.program, env, profile, unwritable, how[0])
        os.chmod(folder, 0o700)
        with open(profile.path, "rb") as f:
            check(f.read() == before, f"the {kind} settings file is as it was")


# --- two copies -------------------------------------------------------------------------------

def two_copies(args, base_env, scratch):
    env, profile, _ = fresh_env(base_env, scratch, "copies")
    profile.write({**PLAIN_GAME, "Settei/Gamen": "1200", "Settei/Course": "1",
                   "Settei/ManSpeed": "5", "Settei/PonSpeed": "5", "Last/Coin4": "8000"})

    def first_copy(session, program):
        session.find_main_window(answering=True)
        plays(session, program)
        wait_for(lambda: profile.get("Cun/0"), 20, "the hands published", program)
        session.answer_boxes("n")
        session.desktop.click(*session.at(*SEAT0_PLATE))
        wait_for(lambda: session.desktop.visible_windows(f"^{SEAT_NAMES[0]}$"), 5,
                 "the first copy's peek window", program)
        peeks = peek_processes(args.program)

        second_env = dict(env, TOLVA_MESSAGE_LOG=env["TOLVA_MESSAGE_LOG"] + ".second")

        def second_copy(second, second_program):
            wait_for(second.desktop.message_boxes, 20, "the second copy's message",
                     second_program)
            check(second.box_text() == ALREADY_RUNNING, "a second copy: the game is already running")
            second.answer_boxes("Return")
            check(second_program.wait_exit(10) and second_program.process.returncode == 0,
                  "and it ends by itself")
        run_program(args, "copies-second", args.program, second_env, profile, second_copy)
        time.sleep(1.5)  # three polls of the peek window
        check(session.desktop.visible_windows(f"^{SEAT_NAMES[0]}$") and
              all(alive(pid) for pid in peeks), "the first copy's peek window is still open")
        check(profile.get("Cun/CunningView") == "1" and profile.get("Cun/Now") == "0",
              "and its peek channel untouched")
        program.process.kill()
        program.process.wait(5)
        for pid in peek_processes(args.program):
            os.kill(pid, 9)
    run_program(args, "copies-first", args.program, env, profile, first_copy)

    def after_the_kill(session, program):
        session.find_main_window(answering=True)
        plays(session, program)
        check(not session.said_any(ALREADY_RUNNING), "after a kill the next start is not refused")
        session.end_program("after a kill: the game ended normally")
    run_program(args, "copies-after-kill", args.program, env, profile, after_the_kill)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    def runs(env, scratch):
        temporary_folder(args, env, scratch)
        settings_file(args, env, scratch)
        two_copies(args, env, scratch)
    return run_each_on_desktop(args, runs, "tolva-player-files-",
                               tools=("Xvfb", "xdotool", "xwininfo", "import", "pgrep"))


if __name__ == "__main__":
    sys.exit(main())
