#!/usr/bin/env python3
"""Every command of the pop-up menus, chosen for real under Xvfb.

With a game on the table (beginner course, AutoStart), the settings pop-up
(F2) is opened and each of its items chosen by its mnemonic: the four option
toggles, AutoStart with its notice, the three speeds, the Tolva rate, the
joker count with its notice, the world map (then the map's own keys and its
pop-up on the right button), the map reset answered No, the card back dialog,
and two screen sizes. Then the help pop-up (F3) opens both help pages, the
chronicle and the about box, F4 and F5 tilt the table, F6 opens the declarations, F1 the start
pop-up. Last the map reset answered Yes twice starts a new campaign through
the course selection, and the start pop-up's "ゲーム終了(X)" ends the program.

Each command is checked by what it leaves behind: the settings file, the
window's size, the windows that open. Exit status 0 on success, 1 on failure,
77 (skipped) when Xvfb or xdotool is missing.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (Failure, Program, Session, changed, check, failure_shot,  # noqa: E402
                          log, program_shows_game, run_on_desktop, wait_for)


class MenuRun:
    def __init__(self, args, desktop, session, profile):
        self.args, self.desktop, self.session, self.profile = args, desktop, session, profile

    def windows(self):
        """The program's viewable windows: (id, info)."""
        result = self.desktop.run("xdotool", "search", "--onlyvisible", "--pid",
                                  str(self.session.program.process.pid))
        found = []
        for window in (int(w) for w in result.stdout.split()) if result.returncode == 0 else []:
            info = self.desktop.info(window)
            if info["viewable"] and info["w"] > 20 and info["h"] > 20:
                found.append((window, info))
        return found

    def popups(self):
        return [w for w, info in self.windows() if info["popup"]]

    def titled(self, title):
        return [w for w in self.desktop.visible_windows(f"^{title}$")
                if self.desktop.info(w)["viewable"]]

    def choose(self, menu_key, *letters):
        """Opens a pop-up with its function key and walks it by mnemonics.
        The game goes on meanwhile: a call question that comes up is answered
        No first."""
        self.open_popup(menu_key)
        for letter in letters:
            self.desktop.key(letter)
            time.sleep(0.25)
        wait_for(lambda: not self.popups(), 3, f"the pop-up of {menu_key} to close")

    def open_popup(self, menu_key):
        for attempt in range(3):
            self.session.answer_boxes("n")
            self.session.focus_main()
            self.desktop.key(menu_key)
            try:
                return wait_for(self.popups, 2, f"the pop-up of {menu_key}", self.session.program)
            except Failure:
                if attempt == 2:
                    raise

    def setting(self, key, section="Settei"):
        return self.profile.get(f"{section}/{key}")

    def expect(self, key, value, what, section="Settei"):
        wait_for(lambda: self.setting(key, section) == value, 3,
                 f"{what}: {section}/{key} = {value}", self.session.program)
        log(f"ok: {what} ({section}/{key} = {value})")

    def one_box(self, what):
        box = wait_for(self.desktop.message_boxes, 3, what, self.session.program)
        self.desktop.focus(box[0])
        self.shot(what.replace(" ", "-"), self.desktop.info(box[0]))
        return box[0]

    def shot(self, name, geometry):
        self.desktop.screenshot(os.path.join(self.args.out, f"menus-{name}.png"), geometry)

    def toggles(self):
        for letter, key, first, second in (("o", "OpenMode", "1", "0"), ("k", "Koukaon", "0", "1"),
                                           ("r", "RuleRem", "1", "0"), ("d", "DspRem", "0", "1")):
            self.choose("F2", letter)
            self.expect(key, first, f"F2 {letter} switches {key}")
            self.choose("F2", letter)
            self.expect(key, second, f"F2 {letter} again switches it back")

    def auto_start(self):
        for value in ("0", "1"):
            self.choose("F2", "a")
            self.expect("AutoStart", value, "F2 a toggles AutoStart")
            box = self.one_box(f"the AutoStart notice {value}")
            self.desktop.key("Return")
            wait_for(lambda: box not in self.desktop.message_boxes(), 3, "the notice to close")

    def speeds(self):
        for popup, key in (("m", "ManSpeed"), ("c", "CardSpeed"), ("p", "PonSpeed")):
            for letter, value in (("e", "1"), ("n", "3"), ("t", "5")):
                self.choose("F2", "s", popup, letter)
                self.expect(key, value, f"F2 s {popup} {letter} sets the speed")

    def rates_and_jokers(self):
        for letter in ("1", "3"):
            self.choose("F2", "x", letter)
            self.expect("TolvaRitu", letter, f"F2 x {letter} sets the computers' Tolva rate")
        self.choose("F2", "j", "4")
        self.expect("Joker", "4", "F2 j 4 stores four jokers")
        self.one_box("the joker notice")
        self.desktop.key("Return")
        wait_for(lambda: not self.desktop.message_boxes(), 3, "the joker notice to close")

    def world_map(self, geometry):
        before = self.desktop.pixels(geometry)
        self.choose("F2", "w")
        wait_for(lambda: changed(before, self.desktop.pixels(geometry)), 3, "the map to show")
        self.shot("map", geometry)
        log("ok: F2 w shows the world map")
        self.desktop.key("2")
        self.expect("Zoom", "2", "the key 2 zooms the map")
        # The map's own pop-up on the right button: its 1 zooms back.
        self.desktop.click(*self.session.at(600, 450), button=3)
        wait_for(self.popups, 3, "the map pop-up")
        self.desktop.key("1")
        self.expect("Zoom", "1", "the map pop-up's 等倍 zooms back")
        wait_for(lambda: not self.popups(), 3, "the map pop-up to close")
        self.session.focus_main()
        self.desktop.key("Escape")
        wait_for(lambda: not changed(before, self.desktop.pixels(geometry), share=0.5), 3,
                 "Escape to return to the table")
        log("ok: Escape returns from the map to the table")

    def map_reset_no(self):
        self.choose("F2", "i")
        self.one_box("the map reset question")
        self.desktop.key("n")
        wait_for(lambda: not self.desktop.message_boxes(), 3, "the question to close")
        check(self.profile.get("Map/ConqCity") == "2" and self.profile.get("Last/Coin4") == "8000"
              and self.session.program.alive(), "No to the map reset keeps the campaign")

    def map_reset_yes(self):
        """Yes, then Yes to 30015: the campaign starts again from the course
        selection, whose beginner course deals a new first game."""
        self.choose("F2", "i")
        self.one_box("the map reset question")
        self.desktop.key("y")
        wait_for(lambda: self.profile.get("Map/ConqCity") == "0", 3, "ConqCity = 0")
        self.one_box("the campaign reset question")
        self.desktop.key("y")
        self.session.choose_beginner_course()
        wait_for(lambda: self.profile.get("Last/Coin4") == "10000", 5, "the new purses")
        # The beginner course is the cunning one: 30097 says when it takes effect.
        self.one_box("the cunning mode notice")
        self.session.settle_boxes(quiet=1.0)
        wait_for(lambda: program_shows_game(self.session), 20, "the new first game",
                 self.session.program)
        check(self.profile.get("Map/ConqCity") == "0",
              "Yes to the map reset and to 30015 starts a new campaign at the first city")

    def card_back_dialog(self):
        self.choose("F2", "b")
        dialog = wait_for(lambda: self.titled("カード背面の設定"), 5, "the card back dialog")
        self.shot("card-back-dialog", self.desktop.info(dialog[0]))
        self.desktop.focus(dialog[0])
        self.desktop.key("Escape")
        wait_for(lambda: not self.titled("カード背面の設定"), 3, "the card back dialog to close")
        log("ok: F2 b opens the card back dialog")

    def screen_sizes(self):
        for letter, width, size in (("3", "1024", (1024, 768)), ("4", "1200", (1200, 900))):
            self.choose("F2", "g", letter)
            self.expect("Gamen", width, f"F2 g {letter} stores the screen size")
            geometry = wait_for(lambda: self.main_geometry(size), 5, f"a {size} window")
            self.session.geometry = geometry
            log(f"ok: the window is {size[0]} x {size[1]}")

    def main_geometry(self, size):
        info = self.desktop.info(self.session.main)
        return info if (info["w"], info["h"]) == size else None

    def help_and_about(self):
        for letter, title in (("r", "トルヴァゲームのルール"), ("s", "トルヴァゲームの操作方法"),
                              ("c", "戦績"), ("a", "バージョン情報")):
            self.choose("F3", letter)
            window = wait_for(lambda: self.titled(title), 5, f"the window {title}")
            self.shot(f"help-{letter}", self.desktop.info(window[0]))
            self.desktop.focus(window[0])
            self.desktop.key("Escape")
            wait_for(lambda: not self.titled(title), 3, f"{title} to close")
            log(f"ok: F3 {letter} opens {title}")

    def tilt_and_declarations(self):
        angle = int(self.setting("Kakudo", "Last") or "23")
        self.session.answer_boxes("n")
        self.session.focus_main()
        self.desktop.key("F4")
        self.expect("Kakudo", str(angle + 1), "F4 tilts the table up", "Last")
        self.desktop.key("F5")
        self.expect("Kakudo", str(angle), "F5 tilts it back", "Last")
        for key in ("F6", "F1"):
            self.open_popup(key)
            self.desktop.key("Escape")
            wait_for(lambda: not self.popups(), 3, f"Escape to close the pop-up of {key}")
            log(f"ok: {key} opens its pop-up")


def run(args, desktop, env, profile):
    profile.write({"Settei/Gamen": "1200", "Settei/AutoStart": "1", "Settei/Course": "1",
                   "Settei/RuleRem": "0", "Settei/OpenMode": "0", "Settei/Koukaon": "1",
                   "Settei/DspRem": "1", "Settei/ManSpeed": "5", "Settei/CardSpeed": "5",
                   "Settei/PonSpeed": "5", "Last/Kakudo": "23", "Settei/Zoom": "1",
                   "Last/Coin0": "500", "Last/Coin1": "500", "Last/Coin2": "500",
                   "Last/Coin3": "500", "Last/Coin4": "8000", "Map/ConqCity": "2"})
    program = Program(args.program, env, os.path.join(args.out, "menus-output.txt"))
    session = Session(desktop, program, profile)
    menus = MenuRun(args, desktop, session, profile)
    program.start()
    try:
        geometry = session.find_main_window()
        wait_for(lambda: program_shows_game(session), 30, "the first game", program)
        session.settle_boxes(quiet=1.0)
        menus.toggles()
        menus.auto_start()
        menus.speeds()
        menus.rates_and_jokers()
        menus.world_map(geometry)
        menus.map_reset_no()
        menus.card_back_dialog()
        menus.screen_sizes()
        menus.help_and_about()
        menus.tilt_and_declarations()
        menus.map_reset_yes()
        session.end_program("F1 x and Yes end the program normally")
    except Failure:
        failure_shot(args, desktop, session, "menus", whole_screen=True)
        raise
    finally:
        program.stop()


if __name__ == "__main__":
    sys.exit(run_on_desktop(run, "tolva-menus-"))
