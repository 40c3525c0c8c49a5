#!/usr/bin/env python3
"""The whole program natively on Wayland: Weston's headless backend, the
program on Qt's Wayland platform, the keys and clicks coming from the
compositor's seat (weston_session.py).

Run 1, a first start in the beginner course: the main window with Qt's
decoration around a 1200 x 900 client area, the course selection taken with
Enter, the start notices, a hover tip beside the pointer, the hover help and
the rule messages switched off from the settings menu, the start menu under
its icon, a game started with
F1 and P and played with keys, drags and clicks until a settlement, the world
map with its keys and its menu at the pointer, the card back dialog taking a
picture dropped from another program, both help pages and the about box, the
peek window on a general's hand (it follows the game and comes forward for
another general), the Reach badge in the title bar, the maximize button of
the fixed-size window (it does nothing), and closing with the title bar's
close button: No keeps the game, Yes ends it and the peek window with it.

Screenshots of the desktop go to --out. Exit status 0 on success, 1 on
failure, 77 (skipped) when Weston or its development files are missing.
"""

import os
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from weston_session import DECORATION, run_on_weston  # noqa: E402
from xvfb_session import (PEEK_BUTTON, SEAT0_PLATE, SEAT_NAMES, Failure, Program,  # noqa: E402
                          Session, changed, check, log, process_alive, program_shows_game,
                          stop_process, wait_for)
from xvfb_session import logged_messages as read_lines  # noqa: E402
from xvfb_session import read_peek_report as read_report  # noqa: E402

SCREEN = {"x": 0, "y": 0, "w": 1280, "h": 1024}
MENU_POINT = (10, 52)  # the canvas point the icons' menus open at
CARD_BACK_TITLE = "カード背面の設定"
REACH_WAVES = (159, 167)
# Qt's decoration: the icon (22 x 22) 5 pixels right of the border, 4 down.
ICON_AREA = (DECORATION[0] + 5, 4, 22, 22)


class WaylandRun:
    def __init__(self, args, desktop, env, profile):
        self.args, self.desktop, self.profile = args, desktop, profile
        self.messages = os.path.join(args.out, "messages.txt")
        self.cues = os.path.join(args.out, "cues.txt")
        self.report = os.path.join(args.out, "peek-report.txt")
        for path in (self.messages, self.cues, self.report,
                     os.path.join(args.out, "wayland-failure.png")):
            if os.path.exists(path):
                os.unlink(path)
        self.env = dict(env, TOLVA_MESSAGE_LOG=self.messages, TOLVA_CUE_LOG=self.cues,
                        TOLVA_PEEK_REPORT=self.report)
        self.program = Program(args.program, self.env, os.path.join(args.out, "output.txt"))
        self.session = Session(desktop, self.program, profile)

    # --- looking ---------------------------------------------------------------------
    def shot(self, name, geometry=None):
        path = os.path.join(self.args.out, f"{name}.png")
        self.desktop.screenshot(path, geometry or SCREEN)
        return path

    def main_frame(self):
        return self.desktop.window(self.session.main)

    def client_origin(self):
        frame = self.main_frame()
        return frame["x"] + DECORATION[0], frame["y"] + DECORATION[1]

    def titled(self, title):
        return [w for w in self.desktop.windows() if not w["popup"] and w["title"] == title]

    def popups(self):
        return self.desktop.popups(self.program.process.pid)

    def park_pointer(self):
        """The pointer on the game's title bar, where no tip shows, until the
        tip it left has gone."""
        frame = self.main_frame()
        self.desktop.move(frame["x"] + frame["w"] // 2, frame["y"] + DECORATION[1] // 2)
        wait_for(lambda: not self.popups(), 5, "the tip to go", self.program)

    def said(self):
        return [entry["text"] for entry in read_lines(self.messages)]

    # --- doing -----------------------------------------------------------------------
    def open_popup(self, key):
        for attempt in range(5):
            self.session.answer_boxes("n")
            self.session.focus_main()
            self.desktop.key(key)
            try:
                return wait_for(self.popups, 2, f"the pop-up of {key}", self.program)
            except Failure:
                if attempt == 4:
                    raise
                time.sleep(0.5)  # a blink or a sound held the game

    def choose(self, key, *letters):
        self.open_popup(key)
        for letter in letters:
            self.desktop.key(letter)
            time.sleep(0.25)
        wait_for(lambda: not self.popups(), 3, f"the pop-up of {key} to close")

    def press_until(self, key, condition, what):
        """A key for the game's window, pressed again while a question of the
        game (a Pon, a Ron) took it."""
        return self.retry(lambda: self.desktop.key(key), condition, what)

    def retry(self, act, condition, what, attempts=3, seconds=2):
        """Acts on the game's window, and again while a question of the game
        (a Pon, a Ron) held it, until the condition holds."""
        for attempt in range(attempts):
            self.session.answer_boxes("n")
            self.session.focus_main()
            act()
            try:
                return wait_for(condition, seconds, what, self.program)
            except Failure:
                if attempt == attempts - 1:
                    raise

    def window_of(self, title, what):
        return wait_for(lambda: self.titled(title), 10, what, self.program)[0]

    def close_window(self, window, key="Escape"):
        self.desktop.focus(window["id"])
        self.desktop.key(key)
        wait_for(lambda: self.desktop.window(window["id"]) is None, 5,
                 f"{window['title']} to close", self.program)


def start_up(run):
    """The first start: frame, course selection, notices, menus at their place."""
    session, desktop = run.session, run.desktop
    session.find_main_window()
    decorated = (1200 + DECORATION[0] + DECORATION[2], 900 + DECORATION[1] + DECORATION[3])

    def settled():
        """The window is first mapped before Qt has sized and decorated it."""
        geometry = desktop.main_geometry(desktop.info(session.main))
        frame = run.main_frame()
        return ((geometry, frame) if (geometry["w"], geometry["h"]) == (1200, 900)
                and (frame["w"], frame["h"]) == decorated else None)
    try:
        session.geometry, frame = wait_for(settled, 10, "the window's size", run.program)
    except Failure:
        frame = run.main_frame()
    check((frame["w"], frame["h"]) == decorated,
          f"a 1024-high output gives a 1200 x 900 client area in Qt's decoration "
          f"({frame['w']} x {frame['h']})")
    session.choose_beginner_course()
    wait_for(lambda: run.profile.get("Last/Coin4") == "10000"
             and run.profile.get("Settei/Course") == "1", 20, "the beginner course", run.program)
    def notices_answered():
        session.answer_boxes("Return")
        texts = run.said()
        return any("カンニングモード" in t for t in texts) and \
            any("ゲーム開始方法" in t for t in texts) and not desktop.message_boxes()
    wait_for(notices_answered, 20, "the start notices", run.program)
    log("ok: the start notices were shown and answered with Enter")
    run.shot("wayland-first-start")

    # The hover help: resting over the flag icon brings its tip beside the
    # pointer; then the tips are switched off (they are pop-ups as the menus
    # are) and the rule messages too, for the games to come.
    session.focus_main()
    flag = session.at(32, 36)
    desktop.move(*flag)
    tip = wait_for(run.popups, 5, "the flag icon's tip", run.program)[0]
    check(0 <= tip["x"] - flag[0] <= 60 and 0 <= tip["y"] - flag[1] <= 60,
          f"resting over the flag icon shows its tip beside the pointer at {tip['x']}, {tip['y']}")
    run.shot("wayland-hover-tip", {"x": frame["x"], "y": frame["y"], "w": 420, "h": 200})
    run.park_pointer()
    for letter, key in (("d", "DspRem"), ("r", "RuleRem")):
        run.choose("F2", letter)
        wait_for(lambda: run.profile.get(f"Settei/{key}") == "0", 3, f"F2 {letter} to switch off")
    log("ok: F2 D and F2 R switch the hover help and the rule messages off")

    session.focus_main()
    desktop.click(*flag)
    popup = wait_for(run.popups, 3, "the start menu", run.program)[0]
    origin = run.client_origin()
    expected = (origin[0] + MENU_POINT[0], origin[1] + MENU_POINT[1])
    check(abs(popup["x"] - expected[0]) <= 2 and abs(popup["y"] - expected[1]) <= 2,
          f"the start menu opens under its icon at {popup['x']}, {popup['y']}")
    run.shot("wayland-start-menu", {"x": frame["x"], "y": frame["y"], "w": 420, "h": 260})
    desktop.key("Escape")
    wait_for(lambda: not run.popups(), 3, "Escape to close the menu")
    for attempt in range(5):
        session.start_menu_item("p")
        try:
            wait_for(lambda: program_shows_game(session), 5, "the first game", run.program)
            break
        except Failure:
            if attempt == 4:
                raise
            session.settle_boxes(quiet=0.5)
    log("ok: F1 P puts the first game on the table")


def play_a_game(run):
    session, profile = run.session, run.profile
    coins = lambda: [profile.get(f"Last/Coin{seat}") for seat in range(4)]  # noqa: E731
    before = coins()
    session.play_until(lambda: coins() != before, 300, "a settlement writes the purses")
    check(session.drags and session.clicks and session.turn_keys,
          f"a game played to its settlement with {session.turn_keys} key rounds, "
          f"{session.drags} drags, {session.clicks} clicks and {session.answered} boxes")
    time.sleep(0.5)
    session.answer_boxes("y")
    run.shot("wayland-table")


def world_map(run):
    session, desktop = run.session, run.desktop
    before = desktop.pixels(session.geometry)
    run.choose("F2", "w")
    wait_for(lambda: changed(before, desktop.pixels(session.geometry)), 5, "the map to show")
    run.press_until("2", lambda: run.profile.get("Settei/Zoom") == "2", "the key 2 to zoom")
    pointer = session.at(600, 450)
    popup = run.retry(lambda: desktop.click(*pointer, button=3), run.popups,
                      "the map's pop-up")[0]
    check(abs(popup["x"] - pointer[0]) <= 2 and abs(popup["y"] - pointer[1]) <= 2,
          f"the map's pop-up opens at the pointer ({popup['x']}, {popup['y']})")
    run.shot("wayland-map-menu")
    desktop.key("1")
    wait_for(lambda: run.profile.get("Settei/Zoom") == "1", 3, "its 等倍 to zoom back")
    run.press_until("Escape", lambda: not changed(before, desktop.pixels(session.geometry),
                                                  share=0.5), "Escape to return to the table")
    log("ok: the world map shows, zooms by key and by its pop-up, and returns to the table")


def card_back_by_drop(run):
    """A picture dragged from another program onto the dialog's black frame."""
    picture = os.path.join(run.args.out, "dropped-card-back.png")
    subprocess.run(["convert", "-size", "151x215", "plasma:fractal", "-seed", "18", picture],
                   check=True, capture_output=True, timeout=60)
    run.choose("F2", "b")
    dialog = run.window_of(CARD_BACK_TITLE, "the card back dialog")
    source_output = os.path.join(run.args.out, "drag-source-output.txt")
    with open(source_output, "w") as out:
        source = subprocess.Popen([run.args.drag_source, picture], env=run.env, stdout=out,
                                  stderr=subprocess.STDOUT)
    try:
        origin = wait_for(lambda: run.titled("drag source"), 10, "the drag source")[0]
        dialog = run.titled(CARD_BACK_TITLE)[0]
        # The black frame fills the right half of the dialog's middle.
        inside = (dialog["x"] + DECORATION[0] + int((dialog["w"] - 6) * 0.72),
                  dialog["y"] + DECORATION[1] + int((dialog["h"] - 33) * 0.60))
        run.desktop.drag((origin["x"] + 80, origin["y"] + 60), inside, steps=20)
        wait_for(lambda: "dropped" in open(source_output).read(), 5, "the drop to be taken")
        run.shot("wayland-card-back-drop")
    finally:
        stop_process(source)
    dialog = run.titled(CARD_BACK_TITLE)[0]
    run.close_window(dialog, key="s")  # 保存終了(S)
    wait_for(lambda: run.profile.get("Last/BackSet") == "1", 5, "the free picture stored")
    stored = os.path.join(run.env["TMPDIR"], "TolvaGame", "CardBack.jpg")
    check(os.path.getsize(stored) > 1000,
          "the dropped picture is the card back (BackSet = 1, CardBack.jpg written)")


def help_and_about(run):
    for letter, title, key in (("r", "トルヴァゲームのルール", "Escape"),
                               ("s", "トルヴァゲームの操作方法", "Escape"),
                               ("a", "バージョン情報", "y")):
        run.choose("F3", letter)
        window = run.window_of(title, f"the window {title}")
        time.sleep(0.5)
        run.shot(f"wayland-help-{letter}", window)
        run.close_window(window, key)
        log(f"ok: F3 {letter} opens {title} ({window['w']} x {window['h']}), "
            f"{key} closes it")


def out_of_the_way(run, window):
    """Wherever the compositor put the peek window, the player drags it
    towards the desktop's bottom-right corner, off the game's title bar, icons
    and peek buttons (it may change its size meanwhile, with a new hand)."""
    moved = run.desktop.move_window(window["id"], SCREEN["w"] - window["w"],
                                    SCREEN["h"] - window["h"])
    top = run.main_frame()
    clear = (moved["y"] >= top["y"] + DECORATION[1] + 150 or moved["x"] >= top["x"] + 420
             or moved["x"] + moved["w"] <= top["x"])
    check(clear, f"the peek window is dragged by its title bar off the game's icons "
                 f"({moved['x']}, {moved['y']})")


def peek_window(run):
    session, desktop = run.session, run.desktop
    session.answer_boxes("n")
    desktop.click(*session.at(*SEAT0_PLATE))
    peek = run.window_of(SEAT_NAMES[0], "the peek window on セレウコス")
    report = wait_for(lambda: read_report(run.report).get("cards") and read_report(run.report),
                      5, "the peek window's report")
    cards = len(report["cards"].split())
    check(report["client"] == f"{30 * cards + 123}x215"
          and peek["w"] == 30 * cards + 123 + DECORATION[0] + DECORATION[2],
          f"the peek window shows {cards} cards in {report['client']} "
          f"({peek['w']} x {peek['h']} with its decoration, placed by Weston at "
          f"{peek['x']}, {peek['y']})")
    check(run.profile.get("Cun/CunningView") == "1", "CunningView = 1 while it runs")
    run.shot("wayland-peek")
    out_of_the_way(run, peek)
    first = report["cards"]
    session.play_until(lambda: read_report(run.report).get("cards") not in (None, first), 120,
                       "Seleucus' hand changes in the peek window")
    log("ok: the peek window follows the game")
    # The game's window has been clicked since: it covers the peek window.
    # A click while a cue holds the game or a game's end is shown is not
    # taken, as on a real desktop: the player clicks again.
    run.retry(lambda: desktop.click(*session.at(*PEEK_BUTTON[2])),
              lambda: read_report(run.report).get("title") == SEAT_NAMES[2],
              "the peek window on アンティゴノス", attempts=5, seconds=3)
    def topmost():
        windows = [w for w in desktop.windows() if not w["popup"]]
        return windows[0] if windows and windows[0]["title"] == SEAT_NAMES[2] else None
    top = wait_for(topmost, 10, "the peek window to come forward")
    check(top["pid"] != run.program.process.pid,
          "another general's hand brings the peek window forward, above the game")
    run.shot("wayland-peek-forward")
    out_of_the_way(run, top)
    return top["pid"]


def reach_badge(run):
    """A Reach in cunning mode changes the window's icon while two short cues
    play: Qt's decoration draws it at the left of the title bar. A second
    connection watches the title bar while the game is played."""
    watcher = run.desktop.another()

    def icon():
        """The icon's pixels; None while another window lies over it."""
        windows = watcher.windows()
        order = [w["id"] for w in windows]
        if run.session.main not in order:
            return None
        frame = windows[order.index(run.session.main)]
        x, y, w, h = ICON_AREA
        area = {"x": frame["x"] + x, "y": frame["y"] + y, "w": w, "h": h}
        for above in windows[:order.index(run.session.main)]:
            if (above["x"] < area["x"] + w and area["x"] < above["x"] + above["w"]
                    and above["y"] < area["y"] + h and area["y"] < above["y"] + above["h"]):
                return None
        return watcher.pixels(area)

    def differs(pixels):
        return pixels is not None and changed(normal, pixels, share=0.1)

    normal = wait_for(icon, 10, "the title bar's icon in sight")
    reaches = lambda: sum(1 for c in read_lines(run.cues) if c["wave"] == REACH_WAVES[0])  # noqa: E731
    seen = {"reaches": reaches(), "badge": False}
    done = threading.Event()

    def watch():
        while not done.is_set():
            if reaches() > seen["reaches"] and differs(icon()):
                seen["badge"] = True
                frame = watcher.window(run.session.main)
                watcher.screenshot(os.path.join(run.args.out, "wayland-reach-badge.png"),
                                   {"x": frame["x"], "y": frame["y"], "w": 400, "h": 60})
                return
            time.sleep(0.03)
    thread = threading.Thread(target=watch, daemon=True)
    thread.start()
    try:
        run.session.play_until(lambda: seen["badge"], 240, "a Reach with its badge")
    finally:
        done.set()
        thread.join(10)
    # Another Reach may follow at once; the game goes on meanwhile.
    run.session.play_until(lambda: icon() is not None and not differs(icon()), 30,
                           "the usual icon back")
    log("ok: a Reach shows its badge in the title bar, then the usual icon again")


def maximize_and_close(run, peek_pid):
    session, desktop = run.session, run.desktop
    frame = run.main_frame()
    # The title bar's buttons from the right: close, maximize, minimize.
    maximize = (frame["x"] + frame["w"] - DECORATION[2] - 8 - 18 - 5 - 9, frame["y"] + 15)
    close = (frame["x"] + frame["w"] - DECORATION[2] - 8 - 9, frame["y"] + 15)
    session.answer_boxes("n")
    desktop.click(*maximize)
    time.sleep(1.0)
    after = run.main_frame()
    check(run.program.alive() and (after["w"], after["h"]) == (frame["w"], frame["h"]),
          "the maximize button leaves the fixed-size window as it is")
    for answer in ("n", "y"):
        session.answer_boxes("n")
        asked = len(run.said())
        desktop.click(*close)
        # A question of the game (a Pon, a Ron) may come first: answered No.
        while True:
            box = wait_for(desktop.message_boxes, 5, "the closing question", run.program)
            said = run.said()[asked:]
            if said and "途中終了" in said[-1]:
                break
            asked = len(run.said())
            session.answer_boxes("n")
        desktop.focus(box[0])
        desktop.key(answer)
        if answer == "n":
            time.sleep(0.5)
            check(run.program.alive(), "the close button asks 30085, and No keeps the game")
    check(run.program.wait_exit(10) and run.program.process.returncode == 0,
          "Yes ends the program normally")
    wait_for(lambda: not process_alive(peek_pid), 3, "the peek window to close with the game")
    check(run.profile.get("Cun/Now") == "4" and run.profile.get("Cun/CunningView") == "0",
          "after the close Now = 4 and CunningView = 0")


def run_all(args, desktop, env, profile):
    # The sound option on, with no sound server: the cue log marks the Reach.
    env = dict(env, PULSE_SERVER=f"unix:{os.path.join(env['XDG_RUNTIME_DIR'], 'no-server')}")
    run = WaylandRun(args, desktop, env, profile)
    profile.write({"Settei/Koukaon": "1"})
    run.program.start()
    peek_pid = None
    try:
        start_up(run)
        play_a_game(run)
        world_map(run)
        card_back_by_drop(run)
        help_and_about(run)
        peek_pid = peek_window(run)
        reach_badge(run)
        maximize_and_close(run, peek_pid)
    except Failure:
        try:
            run.shot("wayland-failure")
        except Failure:
            pass
        log("program output:\n" + run.program.output_tail())
        raise
    finally:
        run.program.stop()
        if peek_pid is not None and process_alive(peek_pid):
            os.kill(peek_pid, 9)


if __name__ == "__main__":
    sys.exit(run_on_weston(run_all, "tolva-wayland-"))
