#!/usr/bin/env python3
"""The real program on a virtual desktop, for the end-to-end tests.

Xvfb on a free display, xdotool and ImageMagick's import as the player's
hands and eyes, the settings file the program keeps (QSettings' INI format),
the program's process with its output in a file, and the moves a player
makes: answering message boxes, opening the start menu, playing a turn.
`run_on_desktop` gives a test its scratch folders, its display and the
program's environment (with a log of the message boxes the program shows),
and turns a Failure into exit status 1 (77 when a tool is missing).
"""

import argparse
import configparser
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

SKIP = 77
MAIN_TITLE = "トルヴァゲーム"
BOX_TITLE = "TolvaGame"
# Canvas points at the default angle of 23 degrees. Seat 0's plate does not
# move with the size of its hand; the peek buttons stand right of the game
# number, 29 pixels apart, seats 3, 2, 1, 0 from the left.
SEAT0_PLATE = (1115, 214)
PEEK_BUTTON = {3: (259, 36), 2: (288, 36), 1: (317, 36), 0: (346, 36)}
SEAT_NAMES = ["セレウコス", "プトレマイオス", "アンティゴノス", "リュシマコス"]
DISCARD_DUE = "もう札を取っています"  # a draw refused: a card is in, a discard comes next


class Failure(Exception):
    pass


def log(text):
    print(f"[e2e {time.strftime('%H:%M:%S')}] {text}", flush=True)


class Xvfb:
    """A virtual display on the first free display number."""

    def __init__(self, width, height):
        self.size = f"{width}x{height}x24"
        self.process = None
        self.display = None

    def start(self):
        for number in range(91, 200):
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(
                    f"/tmp/.X11-unix/X{number}"):
                continue
            display = f":{number}"
            process = subprocess.Popen(
                ["Xvfb", display, "-screen", "0", self.size, "-nolisten", "tcp", "-noreset"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.time() + 10
            while time.time() < deadline and process.poll() is None:
                probe = subprocess.run(["xdotool", "getdisplaygeometry"],
                                       env=dict(os.environ, DISPLAY=display),
                                       capture_output=True, text=True)
                if probe.returncode == 0:
                    self.process, self.display = process, display
                    log(f"Xvfb on {display}, screen {probe.stdout.strip()}")
                    return
                time.sleep(0.1)
            stop_process(process)
        raise Failure("no free display for Xvfb")

    def stop(self):
        stop_process(self.process)


def stop_process(process, grace=5):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(grace)


class Desktop:
    """xdotool, xwininfo and import on one display."""

    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def run(self, *args, check=False, timeout=10):
        try:
            result = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                                    timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"{' '.join(args)} did not finish in {timeout} s")
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result

    def visible_windows(self, name):
        result = self.run("xdotool", "search", "--onlyvisible", "--name", name)
        return [int(w) for w in result.stdout.split()] if result.returncode == 0 else []

    def info(self, window):
        text = self.run("xwininfo", "-id", str(window)).stdout
        def number(label):
            match = re.search(label + r":\s+(-?\d+)", text)
            return int(match.group(1)) if match else 0
        return {
            "x": number("Absolute upper-left X"), "y": number("Absolute upper-left Y"),
            "w": number("Width"), "h": number("Height"),
            "popup": "Override Redirect State: yes" in text,
            "viewable": "Map State: IsViewable" in text,
        }

    def main_geometry(self, info):
        """The main window's client area: here the window is the client area
        (Xvfb runs no window manager to frame it)."""
        return info

    def message_boxes(self):
        boxes = []
        for window in self.visible_windows(f"^{BOX_TITLE}$"):
            info = self.info(window)
            if info["viewable"] and not info["popup"] and info["w"] > 100 and info["h"] > 40:
                boxes.append(window)
        return boxes

    def focus(self, window):
        self.run("xdotool", "windowfocus", str(window))
        time.sleep(0.05)

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "40", *keys)

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.03)
        self.run("xdotool", "click", str(button))

    def drag(self, start, end, steps=8):
        self.run("xdotool", "mousemove", str(start[0]), str(start[1]))
        time.sleep(0.03)
        self.run("xdotool", "mousedown", "1")
        for i in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * i // steps
            y = start[1] + (end[1] - start[1]) * i // steps
            self.run("xdotool", "mousemove", str(x), str(y))
            time.sleep(0.02)
        self.run("xdotool", "mouseup", "1")

    def screenshot(self, path, geometry):
        crop = f"{geometry['w']}x{geometry['h']}+{geometry['x']}+{geometry['y']}"
        self.run("import", "-window", "root", "-crop", crop, "+repage", path, check=True,
                 timeout=30)

    def pixels(self, geometry):
        """The window's pixels as raw RGB bytes, one byte a channel (import
        writes two on a 16-bit ImageMagick unless told)."""
        crop = f"{geometry['w']}x{geometry['h']}+{geometry['x']}+{geometry['y']}"
        result = subprocess.run(["import", "-window", "root", "-crop", crop, "+repage",
                                 "-depth", "8", "rgb:-"], env=self.env, capture_output=True,
                                timeout=30)
        return result.stdout

    def sampled_pixels(self, geometry, step):
        """Every step-th pixel of every step-th row of the window, as RGB
        tuples: a quick look at what the whole window shows."""
        data = self.pixels(geometry)
        row_bytes = geometry["w"] * 3
        sample = []
        for top in range(0, len(data) - row_bytes + 1, row_bytes * step):
            row = data[top:top + row_bytes]
            sample.extend(zip(row[0::3 * step], row[1::3 * step], row[2::3 * step]))
        return sample


class Profile:
    """The program's settings file (QSettings' INI format)."""

    def __init__(self, config_home):
        self.path = os.path.join(config_home, "TolvaGame", "TolvaGame.conf")

    def read(self):
        parser = configparser.ConfigParser(interpolation=None)
        parser.optionxform = str
        try:
            parser.read(self.path, encoding="utf-8")
        except configparser.Error:
            return {}  # caught in the middle of a write: read again later
        return {f"{s}/{k}": v.strip('"') for s in parser.sections() for k, v in parser[s].items()}

    def get(self, key, default=None):
        return self.read().get(key, default)

    def write(self, values):
        os.makedirs(os.path.dirname(self.path), exist_ok=True)
        sections = {}
        for key, value in {**self.read(), **values}.items():
            section, name = key.split("/", 1)
            sections.setdefault(section, {})[name] = value
        with open(self.path, "w", encoding="utf-8") as f:
            for section, items in sections.items():
                f.write(f"[{section}]\n")
                for name, value in items.items():
                    f.write(f"{name}={value}\n")
                f.write("\n")


class Program:
    """The program's process; `wrapper` is a command it is started through
    (private_mounts)."""

    def __init__(self, path, env, log_path, wrapper=()):
        self.path, self.env, self.log_path, self.wrapper = path, env, log_path, list(wrapper)
        self.process = None

    def start(self):
        self.log_file = open(self.log_path, "w")
        self.process = subprocess.Popen(self.wrapper + [self.path], env=self.env,
                                        stdout=self.log_file, stderr=subprocess.STDOUT)

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, seconds):
        try:
            self.process.wait(seconds)
            return True
        except subprocess.TimeoutExpired:
            return False

    def stop(self):
        stop_process(self.process)
        if self.process is not None:
            self.log_file.close()

    def output_tail(self, lines=30):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as f:
                return "".join(f.readlines()[-lines:])
        except OSError:
            return ""


def wait_for(condition, seconds, what, program=None, step=0.1):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if program is not None and not program.alive():
            raise Failure(f"the program ended while waiting for {what}")
        value = condition()
        if value:
            return value
        time.sleep(step)
    raise Failure(f"timed out waiting for {what}")


def logged_messages(path):
    """What the program has logged a JSON line at a time (app/MessageLog.h):
    the message boxes it has shown (TOLVA_MESSAGE_LOG), the sound cues it has
    played (TOLVA_CUE_LOG). Whole lines only."""
    try:
        with open(path, encoding="utf-8") as f:
            return [json.loads(line) for line in f if line.endswith("\n")]
    except OSError:
        return []


class Session:
    """One run of the program on the desktop, and the player's hands."""

    def __init__(self, desktop, program, profile):
        self.desktop, self.program, self.profile = desktop, program, profile
        self.main = None
        self.geometry = None
        self.answered = 0
        self.acknowledged = 0  # boxes with nothing to answer but OK: notices, settlements
        self.drags = 0
        self.clicks = 0
        self.turn_keys = 0

    def find_main_window(self, answering=False):
        """Waits for the main window; `answering` the boxes that come before it."""
        def found():
            if answering:
                self.answer_boxes("Return")
            for window in self.desktop.visible_windows(MAIN_TITLE):
                info = self.desktop.info(window)
                if info["viewable"] and not info["popup"] and info["w"] >= 600:
                    return window, self.desktop.main_geometry(info)
            return None
        self.main, self.geometry = wait_for(found, 30, "the main window", self.program)
        log(f"main window {self.geometry['w']} x {self.geometry['h']}")
        return self.geometry

    def scale(self):
        return self.geometry["w"] / 1200.0, self.geometry["h"] / 900.0

    def at(self, canvas_x, canvas_y):
        sx, sy = self.scale()
        return (self.geometry["x"] + int(canvas_x * sx), self.geometry["y"] + int(canvas_y * sy))

    def choose_beginner_course(self):
        """The course selection opens with the beginner course chosen and the
        focus on its OK button: Enter takes it."""
        def dialog():
            for window in self.desktop.visible_windows(MAIN_TITLE):
                info = self.desktop.info(window)
                if window != self.main and info["viewable"] and not info["popup"] \
                        and 0 < info["w"] < 600:
                    return window
            return None
        window = wait_for(dialog, 20, "the course selection", self.program)
        self.desktop.focus(window)
        self.desktop.key("Return")

    def answer_boxes(self, key="y"):
        """Answers every message box that is open: `key` for a question, then
        Enter for anything that is still there. True when one was open."""
        boxes = self.desktop.message_boxes()
        for box in boxes:
            self.desktop.focus(box)
            self.desktop.key(key)
            time.sleep(0.15)
            if box in self.desktop.message_boxes():
                self.desktop.key("Return")
                time.sleep(0.15)
                self.acknowledged += 1
            self.answered += 1
        return bool(boxes)

    def settle_boxes(self, quiet=1.5, seconds=30):
        """Answers boxes until none has come for `quiet` seconds."""
        deadline = time.time() + seconds
        last = time.time()
        while time.time() - last < quiet:
            if time.time() > deadline:
                raise Failure("message boxes kept coming")
            if not self.program.alive():
                raise Failure("the program ended while its start-up notices were answered")
            if self.answer_boxes("Return"):
                last = time.time()
            time.sleep(0.1)

    def focus_main(self):
        self.desktop.focus(self.main)

    def game_number_plate(self):
        """Pixels of the game number plate, which shows once a game is on."""
        sx, sy = self.scale()
        x, y = self.at(205, 20)
        return self.desktop.pixels({"x": x, "y": y, "w": max(1, int(32 * sx)),
                                    "h": max(1, int(32 * sy))})

    def start_menu_item(self, letter):
        """Opens the start menu with F1 and chooses the item by its letter."""
        self.focus_main()
        self.desktop.key("F1")
        time.sleep(0.4)
        self.desktop.key(letter)
        time.sleep(0.3)

    def play_turn_attempt(self, round_number):
        """What a player does on his turn; harmless on the computers' turns."""
        self.focus_main()
        # A click on the empty table background: it also ends a dissolve.
        self.desktop.click(*self.at(1150, 870))
        self.clicks += 1
        if round_number % 3 == 0:
            # Drag the stock's top card into the hand at angle 23: the stock's
            # projected place and the first card of a seven-card hand. (A
            # draw by F7 after it would be refused with a reminder, whose box
            # would take the Up.)
            self.desktop.drag(self.at(525, 456), self.at(416, 690))
            self.drags += 1
        else:
            self.desktop.key("F7")
            time.sleep(0.05)
        self.desktop.key("Up")
        self.turn_keys += 1

    def last_message(self):
        """The text of the last message box the program showed; empty when
        there is none."""
        said = logged_messages(self.program.env.get("TOLVA_MESSAGE_LOG", ""))
        return said[-1]["text"] if said else ""

    def play_until(self, condition, seconds, what):
        deadline = time.time() + seconds
        round_number = 0
        while not condition():
            if time.time() > deadline:
                raise Failure(f"timed out playing until {what}")
            if not self.program.alive():
                raise Failure(f"the program ended while playing until {what}")
            if self.answer_boxes("y"):
                # A draw refused after his call (its box took the Up): discard.
                if self.last_message().startswith(DISCARD_DUE):
                    self.focus_main()
                    self.desktop.key("Up")
                continue
            self.play_turn_attempt(round_number)
            round_number += 1
            time.sleep(0.1)

    def close_with_question(self, answer):
        """Start menu, "ゲーム終了(X)", then `answer` to 30085. True when the
        question was there to answer."""
        for _ in range(10):
            self.settle_boxes(quiet=0.5)
            self.start_menu_item("x")
            try:
                box = wait_for(self.desktop.message_boxes, 3, "the closing question",
                               self.program if answer == "n" else None)
            except Failure:
                if not self.program.alive():
                    return False
                continue
            self.desktop.focus(box[0])
            self.desktop.key(answer)
            time.sleep(0.3)
            return True
        raise Failure("the closing question did not come")

    def end_program(self, what):
        """Closes through the start menu, answering Yes, and checks that the
        program ended normally."""
        while self.program.alive():
            self.close_with_question("y")
            if self.program.wait_exit(4):
                break
        check(self.program.process.returncode == 0, what)


def read_peek_report(path):
    """The peek window's report (TOLVA_PEEK_REPORT) as a dict."""
    try:
        with open(path, encoding="utf-8") as f:
            return dict(line.split("=", 1) for line in f.read().splitlines() if "=" in line)
    except OSError:
        return {}


def process_alive(pid):
    """Running, not merely a zombie nobody has reaped."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] not in ("Z", "X")
    except OSError:
        return False


def changed(before, after, share=0.2):
    """True when more than `share` of a sample of the bytes differ."""
    if not before or len(before) != len(after):
        return bool(after)
    step = 97 if len(before) > 9700 else 7  # a sample is plenty to tell a map from a table
    samples = range(0, len(before), step)
    differing = sum(1 for i in samples if before[i] != after[i])
    return differing > share * len(samples)


class Reader(Session):
    """A session that reads what each message box says before answering it,
    from the program's message log (TOLVA_MESSAGE_LOG, app/MessageLog.h)."""

    def __init__(self, desktop, program, profile, log_path):
        super().__init__(desktop, program, profile)
        self.log_path = log_path
        self.said = []
        self.box_read = False

    def logged(self):
        return logged_messages(self.log_path)

    def box_text(self, box=None):
        """The text of the box that opened last and has not been read yet."""
        entry = wait_for(lambda: (self.logged()[len(self.said):] or [None])[0], 10,
                         "the message box's entry in the log")
        check(entry["title"] == "TolvaGame", f"the box is captioned TolvaGame: {entry['text']!r}")
        log(f"the game says ({entry['icon']}): {entry['text']!r}")
        self.said.append(entry["text"])
        self.box_read = True
        return entry["text"]

    def answer_boxes(self, key="y"):
        """Reads the open box (unless box_text already did) and answers it."""
        if not self.desktop.message_boxes():
            return False
        if not self.box_read:
            self.box_text()
        self.box_read = False
        return super().answer_boxes(key)

    def said_any(self, fragment):
        return any(fragment in text for text in self.said)


def fresh_env(base_env, scratch, name):
    """Settings, data (the chronicle), temporary and runtime folders and a
    message log of the run's own."""
    folders = {key: os.path.join(scratch, name, key.lower())
               for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR", "XDG_RUNTIME_DIR")}
    for folder in folders.values():
        os.makedirs(folder, mode=0o700)
    env = dict(base_env, TOLVA_MESSAGE_LOG=os.path.join(scratch, name, "messages.jsonl"),
               **folders)
    return env, Profile(folders["XDG_CONFIG_HOME"]), folders["TMPDIR"]


def run_program(args, name, program_path, env, profile, body, wrapper=()):
    """Starts the program and runs body(session, program) with a Reader; a
    failure leaves its picture and output in --out."""
    program = Program(program_path, env, os.path.join(args.out, f"{name}-output.txt"), wrapper)
    session = Reader(Desktop(env["DISPLAY"]), program, profile, env["TOLVA_MESSAGE_LOG"])
    program.start()
    try:
        body(session, program)
    except Failure:
        failure_shot(args, session.desktop, session, name)
        raise
    finally:
        program.stop()


# Replaces a folder, for the program alone, by a full file system (a small
# tmpfs holding a copy of the folder's files, filled up) or by a read-only view
# of itself, in a mount namespace of the program's own: nothing outside sees it,
# and it goes with the program.
_MOUNTS = {
    "full": 'keep=$(mktemp -d "$1.keep-XXXXXX") && cp -a "$1/." "$keep/" && '
            'mount -t tmpfs -o size=256k,mode=0700 tmpfs "$1" && cp -a "$keep/." "$1/" && '
            'rm -rf "$keep" && { dd if=/dev/zero of="$1/.filler" bs=4k 2>/dev/null || true; }',
    "read-only": 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1"',
}


def private_mounts(kind, folder):
    """The command to start the program through with `folder` made `kind`
    ("full" or "read-only"), or None where this machine lets no test mount."""
    for unshare in (["unshare", "--mount", "--propagation", "private"],
                    ["unshare", "--map-root-user", "--mount", "--propagation", "private"]):
        if shutil.which("unshare") and subprocess.run(
                unshare + ["sh", "-c", "mount -t tmpfs tmpfs /mnt"],
                capture_output=True).returncode == 0:
            return unshare + ["sh", "-c", _MOUNTS[kind] + ' && shift && exec "$@"', "sh", folder]
    return None


def check(condition, text):
    if not condition:
        raise Failure(text)
    log(f"ok: {text}")


def table_background(pixel):
    """The teal behind the table and the icons (a gentle gradient, so a range)."""
    r, g, b = pixel
    return 52 <= r <= 72 and 118 <= g <= 138 and 118 <= b <= 138


def rgb_pixels(data):
    """Raw RGB bytes, one a channel, as (r, g, b) tuples."""
    return list(zip(data[0::3], data[1::3], data[2::3]))


def program_shows_game(session):
    """The game number plate, which shows once a game is on, covers the
    background behind the icons."""
    data = session.game_number_plate()
    plate = rgb_pixels(data)
    return bool(plate) and sum(map(table_background, plate)) < len(plate) // 2


def failure_shot(args, desktop, session, name, whole_screen=False):
    """What a failed run leaves to look at: a picture of the main window (or
    of the whole screen, where other windows matter) and the program's output."""
    try:
        screen = {"x": 0, "y": 0, "w": 1280, "h": 1024}
        geometry = screen if whole_screen else session.geometry or screen
        desktop.screenshot(os.path.join(args.out, f"{name}-failure.png"), geometry)
    except Exception:  # the picture is a help, not a requirement
        pass
    log("program output:\n" + session.program.output_tail())


def run_on_desktop(body, prefix, tools=("Xvfb", "xdotool", "xwininfo", "import"),
                   screen=(1280, 1024)):
    """Parses --program and --out, then calls body(args, desktop, env, profile)
    with the program's own settings, data (the chronicle), temporary and
    runtime folders on a fresh display. Returns the exit status."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    if not os.access(args.program, os.X_OK):
        print(f"FAILED: no program at {args.program}")
        return 1

    def one_run(env, scratch):
        folders = {key: os.path.join(scratch, name)
                   for key, name in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                                     ("TMPDIR", "tmp"), ("XDG_RUNTIME_DIR", "runtime"))}
        for folder in folders.values():
            os.makedirs(folder, mode=0o700)
        log_path = os.path.join(scratch, "messages.jsonl")
        body(args, Desktop(env["DISPLAY"]), dict(env, TOLVA_MESSAGE_LOG=log_path, **folders),
             Profile(folders["XDG_CONFIG_HOME"]))
    return run_each_on_desktop(args, one_run, prefix, tools, screen)


def run_each_on_desktop(args, body, prefix, tools=("Xvfb", "xdotool", "xwininfo", "import"),
                        screen=(1280, 1024)):
    """Calls body(base_env, scratch) on a fresh display; scripts of several
    runs make each run's folders in `scratch` (fresh_env). Returns the exit
    status."""
    os.makedirs(args.out, exist_ok=True)
    missing = [tool for tool in tools if not shutil.which(tool)]
    if missing:
        print(f"SKIPPED: {', '.join(missing)} not installed (scripts/setup.sh installs them)")
        return SKIP
    display = Xvfb(*screen)
    with tempfile.TemporaryDirectory(prefix=prefix) as scratch:
        try:
            display.start()
            env = dict(os.environ, DISPLAY=display.display, QT_QPA_PLATFORM="xcb")
            env.pop("WAYLAND_DISPLAY", None)
            body(env, scratch)
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
        finally:
            display.stop()
    log("passed")
    return 0
