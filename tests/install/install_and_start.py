#!/usr/bin/env python3
"""Installs TolvaGame into a scratch prefix and starts it from there.

`cmake --install` puts the program into a temporary prefix; the menu entry and
the software centre's description must pass their validators, the program must
lie with its card face sheet and help pages in its own folder, the launcher on
the PATH and the icons in the hicolor theme at their sizes. Then the command of
the menu entry's Exec line is run under Xvfb with an empty settings folder and
an empty temporary folder: the installed program (not the build tree's) must
show its main window and the course selection, take the beginner course with
Enter, and end normally through the start menu's "ゲーム終了(X)".

Exit status 0 on success, 1 on failure, 77 (skipped) when a tool is missing.
"""

import argparse
import configparser
import os
import shlex
import shutil
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from xvfb_session import (  # noqa: E402  the project's Xvfb driver
    MAIN_TITLE, Desktop, Failure, Profile, Program, Session, Xvfb, check, log, wait_for)

SKIP = 77
APP_ID = "io.github.tolvagame.TolvaGame"
PROGRAM_DIR = "lib/tolvagame"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
HELP_PAGES = ("tolvagame_rule.html", "tolvagame_sousa.html",
              "tolvagame_rule_en.html", "tolvagame_sousa_en.html")
TOOLS = ("desktop-file-validate", "appstreamcli", "Xvfb", "xdotool", "xwininfo", "import")


def run(args, what, env=None, show_output=True):
    result = subprocess.run(args, capture_output=True, text=True, timeout=120, env=env)
    output = (result.stdout + result.stderr).strip()
    if result.returncode != 0:
        raise Failure(f"{what} failed ({result.returncode}):\n{output}")
    log(f"ok: {what}" + (f"\n{output}" if output and show_output else ""))
    return output


def install(cmake, build, prefix):
    env = dict(os.environ)
    env.pop("DESTDIR", None)  # the prefix alone says where the files go
    run([cmake, "--install", build, "--prefix", prefix], f"cmake --install into {prefix}", env,
        show_output=False)


def png_size(path):
    """Width and height from a PNG's header chunk."""
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise Failure(f"{path} is not a PNG picture")
    return struct.unpack(">II", head[16:24])


def desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def check_layout(prefix, launcher_dir="bin"):
    """The installed files under prefix; returns the menu entry's command and
    the program's real path."""
    program_dir = os.path.join(prefix, PROGRAM_DIR)
    program = os.path.join(program_dir, "TolvaGame")
    check(os.access(program, os.X_OK), f"the program is at {PROGRAM_DIR}/TolvaGame")
    with open(program, "rb") as f:
        check(f.read(4) == b"\x7fELF", "and is the executable itself, not a script")

    sheet = os.path.join(program_dir, "TolvaGameSys.dll")
    with open(sheet, "rb") as f:
        head = f.read(4)
    check(len(head) == 4 and head[:2] != b"\xff\xd8" and os.path.getsize(sheet) > 10000,
          "the card face sheet lies beside it, without the JPEG markers at its start")
    for page in HELP_PAGES:
        path = os.path.join(program_dir, "help", page)
        check(os.path.isfile(path) and os.path.getsize(path) > 1000, f"help/{page} lies beside it")

    launcher = os.path.join(prefix, launcher_dir, "tolvagame")
    check(os.access(launcher, os.X_OK), f"the launcher is {launcher_dir}/tolvagame")

    for size in ICON_SIZES:
        icon = os.path.join(prefix, "share/icons/hicolor", f"{size}x{size}", "apps",
                            "tolvagame.png")
        check(os.path.isfile(icon) and png_size(icon) == (size, size),
              f"the icon at {size} x {size} is in the hicolor theme")

    entry_path = os.path.join(prefix, "share/applications", f"{APP_ID}.desktop")
    metainfo_path = os.path.join(prefix, "share/metainfo", f"{APP_ID}.metainfo.xml")
    run(["desktop-file-validate", entry_path], "desktop-file-validate")
    run(["appstreamcli", "validate", "--no-net", metainfo_path], "appstreamcli validate --no-net")
    # The tree as a whole: the metainfo's launchable must find its menu entry.
    run(["appstreamcli", "validate-tree", "--no-net", prefix], "appstreamcli validate-tree --no-net")

    entry = desktop_entry(entry_path)
    check(entry.get("Name") == "TolvaGame" and entry.get("Name[ja]") == "トルヴァゲーム"
          and entry.get("Icon") == "tolvagame" and entry.get("Categories") == "Game;CardGame;",
          "the menu entry names the game, its icon and its categories")
    with open(metainfo_path, encoding="utf-8") as f:
        check(f"<launchable type=\"desktop-id\">{APP_ID}.desktop</launchable>" in f.read(),
              "the description launches that menu entry")
    return shlex.split(entry["Exec"]), os.path.realpath(program)


def dialog_window(desktop, main):
    """The course selection: a window of the program's title, smaller than the
    main window."""
    for window in desktop.visible_windows(MAIN_TITLE):
        info = desktop.info(window)
        if window != main and info["viewable"] and not info["popup"] and 0 < info["w"] < 600:
            return window, info
    return None


def distinct_colours(data):
    return len({data[i:i + 3] for i in range(0, len(data) - 2, 3)})


def start_installed(exec_line, program, launcher_dir, out):
    """Runs the menu entry's command, with launcher_dir first on the PATH, and
    checks that the installed program shows the course selection, takes the
    beginner course and ends normally from its start menu."""
    display = Xvfb(1280, 1024)
    with tempfile.TemporaryDirectory(prefix="tolva-install-run-") as scratch:
        config_home, temp, runtime, data_home = (os.path.join(scratch, name)
                                                 for name in ("config", "tmp", "runtime", "data"))
        for folder in (config_home, temp, runtime, data_home):
            os.makedirs(folder, mode=0o700)
        display.start()
        process = None
        try:
            env = dict(os.environ, DISPLAY=display.display, XDG_CONFIG_HOME=config_home,
                       TMPDIR=temp, XDG_RUNTIME_DIR=runtime, XDG_DATA_HOME=data_home,
                       QT_QPA_PLATFORM="xcb",
                       PATH=launcher_dir + os.pathsep + os.environ.get("PATH", ""))
            env.pop("WAYLAND_DISPLAY", None)
            desktop = Desktop(display.display)
            profile = Profile(config_home)
            # As a desktop starts it: the Exec line's command, found on the PATH.
            process = Program(exec_line[0], env, os.path.join(out, "installed-output.txt"))
            log(f"starting the menu entry's command: {' '.join(exec_line)}")
            process.start()
            session = Session(desktop, process, profile)
            session.find_main_window()
            running = os.path.realpath(f"/proc/{process.process.pid}/exe")
            check(running == program, f"the launcher execs the installed program ({running})")

            window, info = wait_for(lambda: dialog_window(desktop, session.main), 20,
                                    "the course selection", process)
            time.sleep(0.5)  # its story starts to scroll
            shot = os.path.join(out, "installed-course-selection.png")
            desktop.screenshot(shot, info)
            colours = distinct_colours(desktop.pixels(info))
            check(colours > 50, f"the course selection is drawn ({info['w']} x {info['h']}, "
                                f"{colours} colours, {shot})")

            desktop.focus(window)
            desktop.key("Return")
            # The dialog writes the purses first and the course after them, so
            # wait for both rather than read the course between the two writes.
            wait_for(lambda: profile.get("Last/Coin4") == "10000"
                     and profile.get("Settei/Course") == "1", 20,
                     f"the beginner course stored in {profile.path}", process)
            session.settle_boxes()
            # No game is on the table: the start menu's "ゲーム終了(X)" ends the
            # program without a question.
            for _ in range(5):
                session.start_menu_item("x")
                if process.wait_exit(4):
                    break
                session.settle_boxes(quiet=0.5)
            check(not process.alive() and process.process.returncode == 0,
                  "the installed program ends normally from its start menu")
            check(profile.get("Cun/Now") == "4", "and closes the peek channel (Now = 4)")
            check(os.path.isdir(os.path.join(temp, "TolvaGame")),
                  "its temporary files are in $TMPDIR/TolvaGame")
        except Failure:
            if process is not None:
                log("program output:\n" + process.output_tail())
            raise
        finally:
            if process is not None:
                process.stop()
            display.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    missing = [tool for tool in TOOLS if not shutil.which(tool)]
    if missing:
        print(f"SKIPPED: {', '.join(missing)} not installed (scripts/setup.sh installs them)")
        return SKIP

    with tempfile.TemporaryDirectory(prefix="tolva-install-") as prefix:
        try:
            install(args.cmake, args.build, prefix)
            exec_line, program = check_layout(prefix)
            start_installed(exec_line, program, os.path.join(prefix, "bin"), args.out)
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
    log("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
