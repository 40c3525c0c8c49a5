#!/usr/bin/env python3
"""The real program on a Wayland desktop, for the end-to-end tests.

Weston's headless backend (pixman renderer, desktop shell) on a socket of its
own, with the remote seat module (weston/RemoteSeat.cpp) as the player's
keyboard and pointer and as the eyes: it lists the windows the compositor has
mapped, moves the pointer, presses buttons and keys, and writes the output's
pixels. `WestonDesktop` offers what xvfb_session's `Desktop` offers, so the
`Session` moves (answering boxes, playing turns, closing) run unchanged on
Wayland.

Windows are Qt's xdg toplevels and popups. Qt draws the decorations of a
toplevel itself (Weston 10 has no server-side decorations): a title bar of 30
pixels and a border of 3 around the window's client area.
"""

import argparse
import os
import re
import shutil
import socket
import subprocess
import tempfile
import time

from xvfb_session import BOX_TITLE, SKIP, Failure, Profile, log, stop_process

SEAT_VARIABLE = "TOLVA_REMOTE_SEAT"
# Qt's own window decoration ("bradient"): left, top, right, bottom.
DECORATION = (3, 30, 3, 3)
LEFT_BUTTON, RIGHT_BUTTON = 272, 273
# How long a key or a button is held, as a player's finger holds it. Qt asks
# for a menu's grab with the serial of the last input event it has read, and
# Weston grants it only for the serial of the press: a release read before the
# menu opens would close it again at once.
HOLD_SECONDS = 0.06

# xdotool's key names (the ones the tests use) as Linux key codes.
KEY_CODES = {
    "Escape": 1, "BackSpace": 14, "Tab": 15, "Return": 28, "space": 57,
    "ctrl": 29, "shift": 42, "alt": 56,
    "Up": 103, "Left": 105, "Right": 106, "Down": 108,
    "KP_1": 79, "KP_2": 80, "KP_3": 81,
    **{f"F{n}": 58 + n for n in range(1, 11)},
    **{str(n): 1 + n for n in range(1, 10)}, "0": 11,
    **{letter: code for code, letter in enumerate("qwertyuiop", 16)},
    **{letter: code for code, letter in enumerate("asdfghjkl", 30)},
    **{letter: code for code, letter in enumerate("zxcvbnm", 44)},
}


class Weston:
    """A headless Weston with the remote seat, in a runtime folder of its own."""

    def __init__(self, module, runtime, width, height):
        self.module, self.runtime = module, runtime
        self.width, self.height = width, height
        self.socket_name = f"tolva-wayland-{os.getpid()}"
        self.seat_path = os.path.join(runtime, "remote-seat")
        self.log_path = os.path.join(runtime, "weston.log")
        self.process = None

    def start(self):
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, **{SEAT_VARIABLE: self.seat_path})
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("DISPLAY", None)
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman",
             f"--socket={self.socket_name}", f"--width={self.width}", f"--height={self.height}",
             "--idle-time=0", f"--modules={self.module}", f"--log={self.log_path}"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 15
        while time.time() < deadline and self.process.poll() is None:
            if os.path.exists(self.seat_path):
                log(f"Weston on {self.socket_name}, {self.width} x {self.height}")
                return
            time.sleep(0.1)
        raise Failure(f"Weston did not start:\n{self.log_tail()}")

    def log_tail(self, lines=20):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as f:
                return "".join(f.readlines()[-lines:])
        except OSError:
            return ""

    def stop(self):
        stop_process(self.process)


class RemoteSeat:
    """The remote seat's socket: one command, one answer."""

    def __init__(self, path):
        self.path = path
        self.connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.connection.settimeout(30)
        self.connection.connect(path)
        self.stream = self.connection.makefile("rw", encoding="utf-8")

    def command(self, line):
        """The lines before the answer, and the answer's text after "ok"."""
        self.stream.write(line + "\n")
        self.stream.flush()
        lines = []
        while True:
            answer = self.stream.readline()
            if not answer:
                raise Failure(f"the compositor went away during '{line}'")
            answer = answer.rstrip("\n")
            if answer == "ok" or answer.startswith("ok "):
                return lines, answer[3:]
            if answer.startswith("error"):
                raise Failure(f"remote seat: '{line}': {answer}")
            lines.append(answer)


def read_ppm(path):
    """Width, height and RGB bytes of a binary PPM."""
    with open(path, "rb") as f:
        data = f.read()
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    if header is None:
        raise Failure(f"{path} is no PPM picture")
    return int(header.group(1)), int(header.group(2)), data[header.end():]


class WestonDesktop:
    """The player's hands and eyes on the Weston desktop, as `Desktop` has
    them on Xvfb: windows are the compositor's surfaces, points are global."""

    def __init__(self, seat, scratch):
        self.seat = seat
        self.scratch = scratch
        self.shots = 0
        self.pointer = (0, 0)

    def another(self):
        """The same desktop through a connection of its own, for a second thread."""
        return WestonDesktop(RemoteSeat(self.seat.path), self.scratch)

    # --- windows ---------------------------------------------------------------------
    def windows(self):
        """Every mapped window, top first: dicts with id, pid, popup, x, y, w,
        h, focused (it has the keyboard) and title."""
        lines, _ = self.seat.command("windows")
        found = []
        for line in lines:
            parts = line.split(" ", 9)
            if len(parts) < 9 or parts[0] != "window":
                continue
            found.append({"id": int(parts[1]), "pid": int(parts[2]), "popup": parts[3] == "popup",
                          "x": int(parts[4]), "y": int(parts[5]), "w": int(parts[6]),
                          "h": int(parts[7]), "focused": parts[8] == "1", "viewable": True,
                          "title": parts[9] if len(parts) > 9 else ""})
        return found

    def window(self, window):
        for found in self.windows():
            if found["id"] == window:
                return found
        return None

    def visible_windows(self, name):
        return [w["id"] for w in self.windows() if not w["popup"] and re.search(name, w["title"])]

    def info(self, window):
        """The window's surface on the desktop (with its decoration)."""
        found = self.window(window)
        return found if found is not None else {"x": 0, "y": 0, "w": 0, "h": 0, "popup": False,
                                                "viewable": False, "focused": False}

    @staticmethod
    def client_area(info):
        """The client area inside a decorated toplevel."""
        left, top, right, bottom = DECORATION
        return dict(info, x=info["x"] + left, y=info["y"] + top,
                    w=info["w"] - left - right, h=info["h"] - top - bottom)

    def main_geometry(self, info):
        return self.client_area(info)

    def message_boxes(self):
        return [w["id"] for w in self.windows()
                if not w["popup"] and re.search(f"^{BOX_TITLE}$", w["title"])
                and w["w"] > 100 and w["h"] > 40]

    def popups(self, pid=None):
        return [w for w in self.windows() if w["popup"] and (pid is None or w["pid"] == pid)]

    def focused_window(self):
        for found in self.windows():
            if found["focused"]:
                return found
        return None

    # --- hands -----------------------------------------------------------------------
    def focus(self, window, seconds=3):
        """Gives the window the keyboard: the compositor gives it to a window
        as it maps it, so a new one is waited for a moment; otherwise a click
        on its title bar, as a player does."""
        deadline = time.time() + seconds
        clicked_at = None
        while time.time() < deadline:
            found = self.window(window)
            if found is None or found["focused"]:
                return
            if clicked_at is None and time.time() > deadline - seconds + 0.5:
                self.click(found["x"] + min(40, found["w"] // 4), found["y"] + DECORATION[1] // 2)
                clicked_at = time.time()
            time.sleep(0.05)

    def move(self, x, y):
        self.seat.command(f"move {x} {y}")
        self.pointer = (x, y)

    def button(self, button, down):
        self.seat.command(f"button {button} {'down' if down else 'up'}")

    def key(self, *keys):
        for chord in keys:
            codes = []
            for name in chord.split("+"):
                code = KEY_CODES.get(name, KEY_CODES.get(name.lower()))
                if code is None:
                    raise Failure(f"no key code for {name}")
                codes.append(code)
            for code in codes:
                self.seat.command(f"key {code} down")
            time.sleep(HOLD_SECONDS)
            for code in reversed(codes):
                self.seat.command(f"key {code} up")
            time.sleep(0.04)

    def click(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.03)
        code = LEFT_BUTTON if button == 1 else RIGHT_BUTTON
        self.button(code, True)
        time.sleep(HOLD_SECONDS)
        self.button(code, False)

    def move_window(self, window, x, y, attempts=4):
        """Drags the window by its title bar until its top-left corner is at
        x, y, as a player moves a window (the compositor does the moving; a
        drag that began before the compositor took it over is done again)."""
        found = self.window(window)
        for _ in range(attempts):
            if (found["x"], found["y"]) == (x, y):
                break
            grip = (found["x"] + min(40, found["w"] // 4), found["y"] + DECORATION[1] // 2)
            self.move(*grip)
            self.button(LEFT_BUTTON, True)
            time.sleep(0.3)  # the compositor starts moving once the window asks it to
            steps = 10
            for i in range(1, steps + 1):
                self.move(grip[0] + (x - found["x"]) * i // steps,
                          grip[1] + (y - found["y"]) * i // steps)
                time.sleep(0.03)
            self.button(LEFT_BUTTON, False)
            time.sleep(0.2)
            found = self.window(window)
        return found

    def drag(self, start, end, steps=8):
        self.move(*start)
        time.sleep(0.03)
        self.button(LEFT_BUTTON, True)
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps,
                      start[1] + (end[1] - start[1]) * i // steps)
            time.sleep(0.02)
        self.button(LEFT_BUTTON, False)

    # --- eyes ------------------------------------------------------------------------
    def shot(self):
        """The whole output: width, height, RGB bytes."""
        self.shots += 1
        path = os.path.join(self.scratch, f"output-{id(self)}-{self.shots}.ppm")
        self.seat.command(f"shot {path}")
        try:
            return read_ppm(path)
        finally:
            os.unlink(path)

    def pixels(self, geometry):
        width, height, data = self.shot()
        x0, y0 = max(0, geometry["x"]), max(0, geometry["y"])
        x1, y1 = min(width, geometry["x"] + geometry["w"]), min(height, geometry["y"] + geometry["h"])
        return b"".join(data[(y * width + x0) * 3:(y * width + x1) * 3] for y in range(y0, y1))

    def screenshot(self, path, geometry):
        width, height, data = self.shot()
        whole = os.path.join(self.scratch, "screen.ppm")
        with open(whole, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (width, height) + data)
        crop = f"{geometry['w']}x{geometry['h']}+{geometry['x']}+{geometry['y']}"
        result = subprocess.run(["convert", whole, "-crop", crop, "+repage", path],
                                capture_output=True, text=True, timeout=60)
        os.unlink(whole)
        if result.returncode != 0:
            raise Failure(f"convert failed: {result.stderr.strip()}")


def run_on_weston(body, prefix, screen=(1280, 1024)):
    """Parses --program, --remote-seat, --drag-source and --out, then calls
    body(args, desktop, env, profile) with the program's own settings, data
    (the chronicle) and temporary folders on a fresh Weston, whose runtime
    folder it shares.
    Returns the exit status."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--remote-seat", required=True)
    parser.add_argument("--drag-source", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    missing = [tool for tool in ("weston", "convert") if not shutil.which(tool)]
    if not os.path.isfile(args.remote_seat):
        missing.append("Weston's development files (libweston-10-dev)")
    if missing:
        print(f"SKIPPED: {', '.join(missing)} not installed (scripts/setup.sh installs them)")
        return SKIP
    for path in (args.program, args.drag_source):
        if not os.access(path, os.X_OK):
            print(f"FAILED: no program at {path}")
            return 1

    with tempfile.TemporaryDirectory(prefix=prefix) as scratch:
        config_home, data_home, temp, runtime = (os.path.join(scratch, name)
                                                 for name in ("config", "data", "tmp", "runtime"))
        for folder in (config_home, data_home, temp, runtime):
            os.makedirs(folder, mode=0o700)
        weston = Weston(args.remote_seat, runtime, *screen)
        try:
            weston.start()
            desktop = WestonDesktop(RemoteSeat(weston.seat_path), scratch)
            env = dict(os.environ, XDG_CONFIG_HOME=config_home, XDG_DATA_HOME=data_home,
                       TMPDIR=temp, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=weston.socket_name,
                       QT_QPA_PLATFORM="wayland")
            env.pop("DISPLAY", None)
            body(args, desktop, env, Profile(config_home))
        except Failure as failure:
            print(f"FAILED: {failure}")
            tail = weston.log_tail()
            if tail:
                print(f"Weston's log:\n{tail}")
            return 1
        finally:
            weston.stop()
    log("passed")
    return 0
