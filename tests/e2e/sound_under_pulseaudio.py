#!/usr/bin/env python3
"""The game's sound cues heard for real, through a PulseAudio server.

A PulseAudio server of the test's own (no hardware: two null sinks,
"speakers" the default and "headset") takes the program's sound; the monitor
of each sink is recorded while the program plays under Xvfb, and the cue log
(TOLVA_CUE_LOG) says which clip the game started when. Every clip the log
names is looked for in the recording with the clip itself (the files the
program embeds, made by tools/wavegen):

  - it is heard at its moment: within 250 ms of its start (a few tens on a
    machine at rest), the first one of the run no later than the others;
  - it is the clip the game asked for, and it is heard until the next one
    cuts it off or to its end;
  - one played to its end is heard whole, and the game goes on (the next clip
    starts) only after it.

Halfway the default output is switched to the headset: the clips follow it.
Then the program runs with the sound option off (nothing is heard) and
without any sound server (silent, no message, the game goes on).

Exit status 0 on success, 1 on failure, 77 (skipped) when PulseAudio, NumPy,
Xvfb or xdotool is missing.
"""

import argparse
import contextlib
import glob
import json
import os
import subprocess
import sys
import threading
import time
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import (SKIP, Desktop, Failure, Program, Session, check,  # noqa: E402
                          failure_shot, fresh_env, log, logged_messages, run_each_on_desktop,
                          stop_process, wait_for)

RATE = 44100
SINKS = ("speakers", "headset")
TOOLS = ("pulseaudio", "parec", "pactl", "Xvfb", "xdotool", "xwininfo", "import")
# A clip cut off sooner than this by the next one cannot be told apart.
SHORTEST_HEARD_MS = 50
# The stream is fed in periods of 20 ms and the sound server takes its share
# of the buffer when it likes: two clips' delays differ by up to 30 ms.
JITTER_MS = 30
# Within a few tens of milliseconds on a machine at rest; a machine busy with
# other work may hold the game for longer before it hands a clip over.
LATEST_ONSET_MS = 250
FIRST_CLIP_EXTRA_MS = 100
TO_ITS_END_WAVES = {153, 159, 160, 167}


class PulseServer:
    """PulseAudio with two null sinks on a socket in a folder of its own,
    anonymous clients allowed: nothing of the machine's own sound is used."""

    def __init__(self, folder):
        self.folder = folder
        self.socket = os.path.join(folder, "native")
        self.address = f"unix:{self.socket}"
        self.process = None

    def start(self):
        os.makedirs(self.folder, mode=0o700)
        script = os.path.join(self.folder, "server.pa")
        with open(script, "w") as f:
            for sink in SINKS:
                f.write(f"load-module module-null-sink sink_name={sink} rate={RATE} channels=2\n")
            f.write(f"set-default-sink {SINKS[0]}\n")
            # A default source of its own: otherwise the default source is the
            # default sink's monitor, and the server moves the recorders along
            # with the sink when it changes.
            f.write("load-module module-null-source source_name=nothing\n")
            f.write("set-default-source nothing\n")
            f.write(f"load-module module-native-protocol-unix auth-anonymous=1 socket={self.socket}\n")
        # Its own home and runtime folder; as root it runs in user mode all the same.
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.folder,
               "XDG_RUNTIME_DIR": self.folder, "XDG_CONFIG_HOME": self.folder}
        self.process = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disallow-exit", "-n", "-F", script, "--log-target=stderr"],
            env=env, stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.folder, "log"), "w"))
        wait_for(lambda: self.pactl("info", quiet=True) is not None, 15, "the sound server")
        log(f"PulseAudio on {self.socket}")

    def pactl(self, *args, quiet=False):
        result = subprocess.run(["pactl", f"--server={self.address}", *args],
                                capture_output=True, text=True, timeout=10)
        if result.returncode != 0:
            if quiet:
                return None
            raise Failure(f"pactl {' '.join(args)}: {result.stderr.strip()}")
        return result.stdout

    def stop(self):
        stop_process(self.process)


class Recorder:
    """A sink's monitor recorded to a file; t0 is the monotonic time (ms) of
    the first sample, from the arrival of the data as it is read."""

    def __init__(self, server, sink, path):
        self.path, self.samples, self.t0 = path, 0, None
        self.process = subprocess.Popen(
            ["parec", f"--server={server.address}", f"--device={sink}.monitor", "--format=s16le",
             f"--rate={RATE}", "--channels=1", "--latency-msec=10", "--raw"],
            stdout=subprocess.PIPE)
        self.file = open(path, "wb")
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def read(self):
        while True:
            data = self.process.stdout.read1(65536)
            arrived = time.monotonic() * 1000
            if not data:
                return
            self.file.write(data)
            self.samples += len(data) // 2
            first = arrived - self.samples * 1000 / RATE
            self.t0 = first if self.t0 is None else min(self.t0, first)

    def stop(self):
        stop_process(self.process)
        self.thread.join(5)
        self.file.close()


class Listener:
    """Finds the game's clips in a recording."""

    def __init__(self, numpy, clips, recording, t0):
        self.np, self.clips, self.t0 = numpy, clips, t0
        with open(recording, "rb") as f:
            self.signal = numpy.frombuffer(f.read(), dtype="<i2").astype(numpy.float64) / 32768

    def correlate(self, window, probe):
        """Normalised cross-correlation of the probe at every place of the window."""
        np = self.np
        size = 1 << (len(window) + len(probe)).bit_length()
        raw = np.fft.irfft(np.fft.rfft(window, size) * np.conj(np.fft.rfft(probe, size)),
                           size)[:len(window) - len(probe) + 1]
        sums = np.concatenate(([0.0], np.cumsum(window * window)))
        energy = np.maximum(sums[len(probe):] - sums[:-len(probe)], 0)
        loud = energy > 1e-6 * len(probe)
        return np.where(loud, raw / np.sqrt(np.maximum(energy, 1e-12) * (probe @ probe)), 0)

    def find(self, wave_id, start_ms, heard_ms):
        """(onset in ms of the recording, match) of the clip started at
        start_ms, looked for within LATEST_ONSET_MS after it. The probe skips
        the clip's first 10 ms (the stream may start on a ramp) and ends
        before the next clip, heard_ms later, can have cut it off."""
        skip = RATE // 100
        clip = self.clips[wave_id]
        probe = clip[skip:skip + int(min(200, heard_ms - 10 - JITTER_MS) * RATE / 1000)]
        first = int((start_ms - self.t0 - 30) / 1000 * RATE)
        last = int((start_ms - self.t0 + LATEST_ONSET_MS) / 1000 * RATE) + skip + len(probe)
        if first < 0 or last > len(self.signal) or len(probe) < skip:
            return None, 0.0
        match = self.correlate(self.signal[first:last], probe)
        best = int(match.argmax())
        return (first + best - skip) * 1000 / RATE, float(match[best])

    def heard_ms(self, wave_id, onset_ms):
        """How long the recording goes on like the clip from its onset, in
        frames of 5 ms: until it ends or something else takes its place
        (from 10 ms on, as find). A frame where the clip is all but silent
        counts as heard if the recording is quiet too."""
        np, clip = self.np, self.clips[wave_id]
        at = int(onset_ms * RATE / 1000)
        part = self.signal[at:at + len(clip)]
        frame = RATE // 200
        for k in range(RATE // 100, len(part) - frame + 1, frame):
            got, want = part[k:k + frame], clip[k:k + frame]
            loud = np.sqrt((want ** 2).mean())
            if loud < 0.01:
                alike = np.sqrt((got ** 2).mean()) < 0.02
            else:
                alike = (got @ want) / max(np.sqrt((got @ got) * (want @ want)), 1e-12) > 0.8
            if not alike:
                return k * 1000 / RATE
        return len(part) * 1000 / RATE

    def best_clip_at(self, onset_ms, length_ms):
        """The clip that sounds most like the recording at onset_ms."""
        skip = RATE // 100
        at = int(onset_ms * RATE / 1000)
        n = int(length_ms * RATE / 1000)
        part = self.signal[at + skip:at + n]
        def likeness(clip):
            c = clip[skip:skip + len(part)]
            return (part @ c) / max(self.np.sqrt((part @ part) * (c @ c)), 1e-12)
        return max(self.clips, key=lambda w: likeness(self.clips[w]) if len(self.clips[w]) >= n else -1)

    def peak(self, from_ms=0):
        part = self.signal[int(max(0, from_ms - self.t0) * RATE / 1000):]
        return float(abs(part).max()) if len(part) else 0.0


def read_clips(numpy, folder):
    clips = {}
    for path in glob.glob(os.path.join(folder, "*.wav")):
        with wave.open(path) as f:
            if (f.getframerate(), f.getnchannels(), f.getsampwidth()) != (RATE, 1, 2):
                raise Failure(f"{path} is not {RATE} Hz mono 16-bit")
            data = f.readframes(f.getnframes())
        clips[int(os.path.basename(path)[:-4])] = \
            numpy.frombuffer(data, dtype="<i2").astype(numpy.float64) / 32768
    if len(clips) < 18:
        raise Failure(f"only {len(clips)} clips in {folder}")
    return clips


def read_cues(path):
    return sorted(logged_messages(path), key=lambda cue: cue["start"])


def judge(cues, listeners, sink_of):
    """Checks the cues the log names against the recordings of their sinks
    (sink_of(cue); None: not judged); returns the number of clips heard and
    the ones played to their end."""
    findings = []
    for i, cue in enumerate(cues):
        following = cues[i + 1]["start"] if i + 1 < len(cues) else cue["start"] + 2000
        heard_for = following - cue["start"]  # until the next clip cuts it off
        cue = dict(cue, sink=sink_of(cue))
        if heard_for < SHORTEST_HEARD_MS or cue["sink"] is None:
            continue
        listener = listeners[cue["sink"]]
        at = cue["start"] - listener.t0
        onset, match = listener.find(cue["wave"], cue["start"], heard_for)
        if onset is None or match < 0.9:
            raise Failure(f"clip {cue['wave']} started at {at:.0f} ms is not heard on "
                          f"{cue['sink']} (best match {match:.2f})")
        length = len(listener.clips[cue["wave"]]) * 1000 / RATE
        heard = listener.heard_ms(cue["wave"], onset)
        best = listener.best_clip_at(onset, min(max(heard, heard_for - JITTER_MS), length, 100))
        if best != cue["wave"]:
            raise Failure(f"at {onset:.0f} ms the recording sounds like clip {best}, "
                          f"not {cue['wave']}")
        if onset - at > LATEST_ONSET_MS:
            raise Failure(f"clip {cue['wave']} comes {onset - at:.0f} ms after its moment")
        if heard < min(length, heard_for) - JITTER_MS:
            raise Failure(f"clip {cue['wave']} is heard for {heard:.0f} of {length:.0f} ms "
                          f"(the next one came {heard_for:.0f} ms after it)")
        findings.append({"cue": cue, "onset": onset, "latency": onset - at, "heard": heard,
                         "length": length})

    for index, found in enumerate(findings):
        cue = found["cue"]
        if not cue["toEnd"]:
            continue
        check(found["heard"] >= found["length"] - 10,
              f"clip {cue['wave']}, played to its end, is heard whole "
              f"({found['heard']:.0f} of {found['length']:.0f} ms)")
        later = [f for f in findings[index + 1:] if f["cue"]["sink"] == cue["sink"]]
        if later:
            gap = later[0]["onset"] - found["onset"]
            check(gap >= found["length"] - 10,
                  f"and the game goes on {gap:.0f} ms after it began")
    latencies = sorted(f["latency"] for f in findings)
    median = latencies[len(latencies) // 2]
    check(findings[0]["latency"] <= median + FIRST_CLIP_EXTRA_MS,
          f"the run's first clip comes {findings[0]['latency']:.0f} ms after its moment, "
          f"the others {median:.0f} ms (median)")
    log(f"{len(findings)} clips heard where the log puts them, each the clip asked for, "
        f"{latencies[0]:.0f} to {latencies[-1]:.0f} ms from its moment (less the monitor's "
        f"own lag of about 10 ms)")
    return len(findings), [f["cue"]["wave"] for f in findings if f["cue"]["toEnd"]]


@contextlib.contextmanager
def recorded_server(args, scratch, name, sinks):
    """A sound server of the run's own, its sinks' monitors recorded."""
    server = PulseServer(os.path.join(scratch, f"{name}-pulse"))
    server.start()
    recorders = {sink: Recorder(server, sink, os.path.join(args.out, f"{name}-{sink}.raw"))
                 for sink in sinks}
    try:
        wait_for(lambda: all(r.t0 is not None for r in recorders.values()), 10, "the recorders")
        yield server, recorders
    finally:
        for recorder in recorders.values():
            recorder.stop()
        server.stop()


class SoundRun:
    """One run of the program on the display (base_env), with the sound
    option as given and the server's address (none: an address where no
    server listens)."""

    def __init__(self, args, base_env, scratch, name, server, koukaon):
        self.args, self.name = args, name
        self.cue_log = os.path.join(args.out, f"{name}-cues.txt")
        if os.path.exists(self.cue_log):
            os.unlink(self.cue_log)
        env, self.profile, _ = fresh_env(base_env, scratch, name)
        address = server.address if server else \
            f"unix:{os.path.join(env['XDG_RUNTIME_DIR'], 'no-server')}"
        env = dict(env, PULSE_SERVER=address, TOLVA_CUE_LOG=self.cue_log)
        self.message_log = env["TOLVA_MESSAGE_LOG"]
        self.profile.write({"Settei/Gamen": "1200", "Settei/AutoStart": "1",
                            "Settei/Course": "1", "Settei/Koukaon": str(koukaon),
                            "Settei/RuleRem": "0", "Settei/ManSpeed": "1",
                            "Settei/CardSpeed": "1", "Settei/PonSpeed": "1",
                            "Last/Coin0": "500", "Last/Coin1": "500", "Last/Coin2": "500",
                            "Last/Coin3": "500", "Last/Coin4": "8000", "Map/ConqCity": "2"})
        self.program = Program(args.program, env, os.path.join(args.out, f"{name}-output.txt"))
        self.session = Session(Desktop(env["DISPLAY"]), self.program, self.profile)

    @contextlib.contextmanager
    def playing(self):
        """The program running; a failure leaves its picture and output."""
        try:
            self.program.start()
            self.session.find_main_window()
            yield self.session
        except Failure:
            failure_shot(self.args, self.session.desktop, self.session, self.name)
            raise
        finally:
            self.program.stop()

    def cues(self):
        return read_cues(self.cue_log)

    def messages(self):
        return [entry["text"] for entry in logged_messages(self.message_log)]


def sound_on(args, numpy, clips, base_env, scratch):
    """The sound option on: every clip heard at its moment, on the default
    output, which is switched halfway."""
    with recorded_server(args, scratch, "sound-on", SINKS) as (server, recorders):
        run = SoundRun(args, base_env, scratch, "sound-on", server, koukaon=1)
        with run.playing() as session:
            # Until a clip played to its end has come and a few dozen others.
            session.play_until(lambda: len(run.cues()) >= 25
                               and any(c["toEnd"] for c in run.cues()), 240,
                               "a clip played to its end and 25 clips")
            switched_at = time.monotonic() * 1000
            server.pactl("set-default-sink", SINKS[1])
            log("the default output is now the headset")
            time.sleep(1.0)
            followed = len(run.cues())
            session.play_until(lambda: len(run.cues()) >= followed + 10, 120,
                               "ten clips on the headset")
            session.end_program("the program ends normally")

    cues = run.cues()
    check(cues and all(c["heard"] for c in cues), f"{len(cues)} clips logged, all audible")
    with open(os.path.join(args.out, "recordings.json"), "w") as f:
        json.dump({"switched_at": switched_at,
                   **{sink: {"file": r.path, "t0": r.t0} for sink, r in recorders.items()}}, f)
    listeners = {sink: Listener(numpy, clips, r.path, r.t0) for sink, r in recorders.items()}
    # The switch takes a moment: the clips of the second around it are not judged.
    def sink_of(cue):
        if cue["start"] < switched_at - 200:
            return SINKS[0]
        return SINKS[1] if cue["start"] > switched_at + 1000 else None
    heard, to_end = judge(cues, listeners, sink_of)
    check(to_end and heard >= 20, f"{heard} clips heard, {len(to_end)} of them played to "
                                  f"their end ({to_end})")
    quiet = listeners[SINKS[0]].peak(from_ms=switched_at + 1000)
    check(quiet < 0.01, f"after the switch the speakers stay silent (peak {quiet:.4f})")
    log(f"clips heard: {sorted({c['wave'] for c in cues})}")


def sound_off(args, numpy, clips, base_env, scratch):
    """The sound option off: the program plays and nothing is heard."""
    with recorded_server(args, scratch, "sound-off", SINKS[:1]) as (server, recorders):
        run = SoundRun(args, base_env, scratch, "sound-off", server, koukaon=0)
        with run.playing() as session:
            session.play_until(lambda: session.turn_keys >= 12, 120, "twelve turns")
            session.end_program("the program ends normally with the sound off")
    recorder = recorders[SINKS[0]]
    peak = Listener(numpy, clips, recorder.path, recorder.t0).peak()
    check(peak == 0.0, f"with the sound option off nothing is heard (peak {peak})")
    check(not run.cues(), "and no clip is played")


def no_server(args, clips, base_env, scratch):
    """No sound server at all: the game plays in silence and says nothing of it."""
    run = SoundRun(args, base_env, scratch, "no-server", None, koukaon=1)
    with run.playing() as session:
        session.play_until(lambda: len(run.cues()) >= 10, 120, "ten clips")
        cues = run.cues()
        check(not any(c["heard"] for c in cues), f"{len(cues)} clips played in silence")
        for cue in (c for c in cues if c["toEnd"]):
            check(cue["end"] - cue["start"] >= len(clips[cue["wave"]]) * 1000 // RATE - 5,
                  f"clip {cue['wave']} still holds the game for its length")
        session.end_program("the program ends normally without a sound server")
    texts = " ".join(run.messages())
    check(not any(word in texts for word in ("サウンド", "音", "sound", "audio")),
          "no message box speaks of sound")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--waves", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    try:
        import numpy
    except ImportError:
        print("SKIPPED: NumPy not installed (scripts/setup.sh installs python3-numpy)")
        return SKIP

    def all_runs(base_env, scratch):
        clips = read_clips(numpy, args.waves)
        sound_on(args, numpy, clips, base_env, scratch)
        sound_off(args, numpy, clips, base_env, scratch)
        no_server(args, clips, base_env, scratch)
    return run_each_on_desktop(args, all_runs, "tolva-sound-", tools=TOOLS)


if __name__ == "__main__":
    sys.exit(main())
