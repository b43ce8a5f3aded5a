"""Drives the real game binary on a virtual display for the end-to-end tests.

Every case gets a fresh working directory (a level file and a chosen set of assets), its own
Xvfb server and the game as a direct child process; all three are torn down afterwards, whatever
happened. Input goes in through xdotool and the X protocol, pictures come back through
`import -window`, and a small preloaded probe (FrameProbe.cpp) logs every frame the game shows
and every input event it takes, so that "before" and "after" can be told frame by frame.

Run a test file as:  python3 FILE CASE --stage DIR [--probe LIB] [--artefacts DIR]
"""

import argparse
import array
import collections
import ctypes
import math
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import wave
import zlib

ASSET_FILES = {
    "textures": ["floor.png", "block.png", "zombie.png", "human.png", "turret.png",
                 "barricade.png", "mine.png", "projectile.png", "build.png", "particle.png"],
    "fonts": ["sansation.ttf"],
    "sounds": ["turret-shoot.wav", "mine-destroy.wav", "zombie-hit.wav", "zombie-turret.wav",
               "turret-destroy.wav", "zombie-attack.wav"],
    "music": ["music1.ogg"],
}
ALL_ASSETS = [f"{folder}/{name}" for folder, names in ASSET_FILES.items() for name in names]

WINDOW_SIZE = (1024, 768)
TILE = 30
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
TITLE_SHEET = (20, 20, 20, 230)
GAME_OVER_SHEET = (50, 20, 20, 230)
PLACEHOLDER_FILL = (100, 90, 100)
UNAFFORDABLE = (100, 100, 100)
PRICE_COLOURS = {"turret": (60, 110, 160), "barricade": (125, 100, 70), "mine": (100, 150, 50)}
# Build menu pictures as (left, top, right, bottom), right and bottom excluded.
MENU = {"turret": (934, 190, 1004, 240), "barricade": (934, 260, 1004, 310),
        "mine": (934, 330, 1004, 380)}
TIMELINE_TOP, TIMELINE_BOTTOM = 718, 758

X_KEY_PRESS, X_BUTTON_PRESS, X_CLIENT_MESSAGE = 2, 4, 33


class Failure(Exception):
    """A check of a test case did not hold; the text says what was seen."""


def note(text):
    """A line of what a case saw, shown with the result (ctest -V)."""
    print(f"  {text}", flush=True)


def expect(condition, reason):
    if not condition:
        raise Failure(reason)


def expect_report(game, message, timeout=15.0):
    """The game ends with status 0 after reporting `message` as its exception."""
    status = game.wait_exit(timeout)
    text = game.stderr()
    expect(status == 0, f"exit status {status}, expected 0; stderr ends {text[-300:]!r}")
    wanted = f"\nEXCEPTION: {message}\n"
    expect(text.endswith(wanted), f"stderr should end with {wanted!r} but ends {text[-300:]!r}")


def expect_no_frame(game):
    game.expect_probe_loaded()
    shown = len(game.frames())
    expect(shown == 0, f"{shown} frame(s) were shown before the failure")


def expect_clean_exit(game, timeout=5.0):
    """The game ends with status 0 and reports no exception."""
    status = game.wait_exit(timeout)
    text = game.stderr()
    expect(status == 0, f"exit status {status}, expected 0")
    expect("EXCEPTION" not in text, f"an exception was reported: {text[-300:]!r}")


# ---------------------------------------------------------------------------------------------
# Levels and colours


def level(*rows):
    """Builds the text of a square level from rows of cell digits ("11111", "10201", ...)."""
    side = len(rows)
    for row in rows:
        if len(row) != side:
            raise ValueError(f"level row {row!r} is not {side} cells long")
    return f"{side}\n" + "\n".join(" ".join(row) for row in rows) + "\n"


def cell_centre(column, row):
    return (column * TILE + TILE // 2, row * TILE + TILE // 2)


def timeline_button(index):
    """(left, top, right, bottom) of the index-th timeline button, counted from 0."""
    left = 20 + 20 * index
    return (left, TIMELINE_TOP, left + 20, TIMELINE_BOTTOM)


def centre_of(box):
    return ((box[0] + box[2]) // 2, (box[1] + box[3]) // 2)


def blend(sheet, under):
    """The colour of a translucent sheet drawn over an opaque colour."""
    alpha = sheet[3] / 255.0
    return tuple(round(s * alpha + u * (1.0 - alpha)) for s, u in zip(sheet[:3], under))


def near(colour, wanted, tolerance=2):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, wanted))


# ---------------------------------------------------------------------------------------------
# Asset files made by the tests themselves


def png_bytes(width, height, pixel):
    """An RGBA PNG whose pixel(x, y) gives (r, g, b, a)."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows))) + chunk(b"IEND", b""))


def _disc(size, colour):
    centre = (size - 1) / 2.0

    def pixel(x, y):
        inside = (x - centre) ** 2 + (y - centre) ** 2 <= (size / 2.0) ** 2
        return colour + (255,) if inside else (0, 0, 0, 0)

    return png_bytes(size, size, pixel)


def _square(size, colour, border):
    def pixel(x, y):
        edge = min(x, y, size - 1 - x, size - 1 - y) < 2
        return (border if edge else colour) + (255,)

    return png_bytes(size, size, pixel)


def _build_sheet():
    panels = [(40, 90, 160), (130, 95, 60), (150, 50, 50)]

    def pixel(x, y):
        colour = panels[min(y // 50, 2)]
        edge = min(x, y % 50, 69 - x, 49 - y % 50) < 3
        return ((230, 230, 230) if edge else colour) + (255,)

    return png_bytes(70, 150, pixel)


FIXTURE_TEXTURES = {
    "floor.png": lambda: _square(30, (70, 75, 70), (62, 66, 62)),
    "block.png": lambda: _square(30, (150, 120, 90), (110, 85, 60)),
    "zombie.png": lambda: _disc(20, (60, 170, 60)),
    "human.png": lambda: _disc(20, (230, 190, 150)),
    "turret.png": lambda: _square(22, (60, 100, 180), (30, 50, 90)),
    "barricade.png": lambda: _square(26, (140, 90, 40), (90, 60, 20)),
    "mine.png": lambda: _disc(16, (200, 40, 40)),
    "projectile.png": lambda: _disc(8, (255, 230, 80)),
    "build.png": _build_sheet,
    "particle.png": lambda: _disc(6, (255, 255, 255)),
}
FIXTURE_TONES = {"turret-shoot.wav": 900, "mine-destroy.wav": 500, "zombie-hit.wav": 1300,
                 "zombie-turret.wav": 700, "turret-destroy.wav": 1700, "zombie-attack.wav": 1100}
SYSTEM_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
SAMPLE_RATE = 44100


def write_tone_wav(path, frequency, seconds, amplitude):
    """A mono 16-bit WAV of one sine tone; amplitude 0 gives silence of that length."""
    count = int(seconds * SAMPLE_RATE)
    samples = array.array("h", (int(amplitude * 32767 * math.sin(2 * math.pi * frequency * i /
                                                                  SAMPLE_RATE))
                                for i in range(count)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(SAMPLE_RATE)
        out.writeframes(samples.tobytes())


def write_tone_ogg(path, frequency, seconds, amplitude):
    """An Ogg Vorbis file of one sine tone (amplitude 0: silence), made by sox."""
    if amplitude > 0:
        effect = ["synth", str(seconds), "sine", str(frequency), "vol", str(amplitude)]
    else:
        effect = ["trim", "0", str(seconds)]
    subprocess.run(["sox", "-n", "-r", str(SAMPLE_RATE), "-c", "1", path] + effect, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def write_fixture(path, name):
    if name in FIXTURE_TEXTURES:
        with open(path, "wb") as out:
            out.write(FIXTURE_TEXTURES[name]())
    elif name in FIXTURE_TONES:
        write_tone_wav(path, FIXTURE_TONES[name], 0.1, 0.2)
    elif name == "sansation.ttf":
        shutil.copyfile(SYSTEM_FONT, path)
    elif name == "music1.ogg":
        write_tone_ogg(path, 330, 1.0, 0.1)
    else:
        raise ValueError(f"no fixture for {name}")


# ---------------------------------------------------------------------------------------------
# Processes


_libc = ctypes.CDLL("libc.so.6", use_errno=True)


def _die_with_parent():
    # PR_SET_PDEATHSIG: a killed test must not leave a game or an X server behind.
    _libc.prctl(1, signal.SIGKILL)


def _stop(process, grace=3.0):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class VirtualDisplay:
    """One Xvfb server; it picks a free display number itself and reports it when ready.

    -noreset: by default the server resets whenever its last client disconnects, and the
    window library opens and closes display connections while the game starts, so a
    connection made during such a reset would be refused now and then."""

    def __init__(self, log_path):
        self.log_path = log_path
        self.process = None
        self.name = None

    def start(self, timeout=15.0):
        read_end, write_end = os.pipe()
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                preexec_fn=_die_with_parent)
        os.close(write_end)
        text = b""
        deadline = time.monotonic() + timeout
        try:
            while not text.endswith(b"\n"):
                left = deadline - time.monotonic()
                ready, _, _ = select.select([read_end], [], [], max(left, 0))
                if not ready:
                    raise Failure("Xvfb did not report a display number within "
                                  f"{timeout:.0f} s")
                piece = os.read(read_end, 64)
                if not piece:
                    raise Failure("Xvfb exited before it was ready")
                text += piece
        finally:
            os.close(read_end)
        self.name = ":" + text.decode().strip()

    def stop(self):
        _stop(self.process)


class Shot:
    """One screenshot of the game window, as 8-bit RGB."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset:offset + 3])

    def pixels(self, box):
        left, top, right, bottom = box
        return [self.pixel(x, y) for y in range(top, bottom) for x in range(left, right)]

    def count(self, colour, box, tolerance=0):
        return sum(1 for p in self.pixels(box) if near(p, colour, tolerance))

    def save(self, path):
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height) + self.data)


def _parse_ppm(data):
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        start = position
        while not data[position:position + 1].isspace():
            position += 1
        fields.append(data[start:position])
    expect(fields[0] == b"P6" and fields[3] == b"255", f"unexpected screenshot header {fields}")
    width, height = int(fields[1]), int(fields[2])
    body = data[position + 1:position + 1 + 3 * width * height]
    return width, height, body


Frame = collections.namedtuple("Frame", "index time pixels")
InputEvent = collections.namedtuple("InputEvent", "type frames time")


class Game:
    """The game running in a working directory on a virtual display, and the ways to drive it."""

    def __init__(self, command, workdir, display, probe=None, probe_points=(), audio_path=None,
                 audio_device=True, cwd=None, env=None):
        """command: the program and its arguments; cwd: where it runs, by default workdir,
        which also keeps the logs; env: variables to add to its environment."""
        self.command, self.workdir, self.display = command, workdir, display
        self.probe, self.probe_points, self.audio_path = probe, list(probe_points), audio_path
        self.audio_device, self.cwd, self.extra_env = audio_device, cwd or workdir, env or {}
        self.process = None
        self.window_id = None
        self.audio_started = None
        self.probe_log = os.path.join(workdir, "probe.log")
        self.stderr_path = os.path.join(workdir, "stderr.txt")
        self.stdout_path = os.path.join(workdir, "stdout.txt")
        self.last_shot = None

    # --- start and end

    def _environment(self):
        env = {**os.environ, **self.extra_env}
        env["DISPLAY"] = self.display
        env.pop("ALSOFT_CONF", None)
        if self.audio_path:
            conf = os.path.join(self.workdir, "alsoft.conf")
            with open(conf, "w") as out:
                out.write("[general]\ndrivers=wave\nchannels=mono\nsample-type=int16\n"
                          f"frequency={SAMPLE_RATE}\n[wave]\nfile={self.audio_path}\n")
            env["ALSOFT_CONF"] = conf
            env.pop("ALSOFT_DRIVERS", None)
        else:
            # A driver that does not exist: no device can be opened, as on a machine without
            # a sound card or sound server.
            env["ALSOFT_DRIVERS"] = "null" if self.audio_device else "no-such-driver"
        if self.probe:
            env["LD_PRELOAD"] = " ".join(filter(None, [self.probe, env.get("LD_PRELOAD")]))
            env["ZEMBROOK_PROBE_LOG"] = self.probe_log
            env["ZEMBROOK_PROBE_PIXELS"] = ";".join(f"{x},{y}" for x, y in self.probe_points)
            # The probe is not built with the sanitizers, so it comes ahead of their runtime.
            env["ASAN_OPTIONS"] = ":".join(
                filter(None, [env.get("ASAN_OPTIONS"), "verify_asan_link_order=0"]))
        return env

    def start(self):
        with open(self.stderr_path, "wb") as err, open(self.stdout_path, "wb") as out:
            self.process = subprocess.Popen(
                self.command, cwd=self.cwd, env=self._environment(),
                stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                preexec_fn=_die_with_parent)
        if self.audio_path:
            threading.Thread(target=self._watch_audio_file, daemon=True).start()

    def _watch_audio_file(self):
        # The sound library opens its output file when the game opens the audio device; that
        # moment is time zero of the recording.
        while self.process.poll() is None and self.audio_started is None:
            if os.path.exists(self.audio_path):
                self.audio_started = time.monotonic()
                return
            time.sleep(0.002)

    def stop(self):
        _stop(self.process)

    def alive(self):
        return self.process.poll() is None

    def wait_exit(self, timeout):
        """The exit status; fails if the game is still running after timeout seconds."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the game was still running {timeout:.1f} s later") from None

    def stderr(self):
        with open(self.stderr_path, "rb") as err:
            return err.read().decode(errors="replace")

    def stdout_lines(self):
        """The whole lines the program has written to its standard output so far."""
        with open(self.stdout_path, "rb") as out:
            text = out.read().decode(errors="replace")
        return text.splitlines()[:text.count("\n")]

    # --- the window

    def _xdotool(self, *arguments, check=True):
        result = subprocess.run(["xdotool", *arguments], env={**os.environ,
                                                             "DISPLAY": self.display},
                                capture_output=True, text=True)
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(arguments)} failed: {result.stderr.strip()}")
        return result.stdout

    def wait_window(self, timeout=15.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            expect(self.alive(), "the game exited before its window appeared; stderr:\n" +
                   self.stderr()[-800:])
            found = self._xdotool("search", "--name", "^Zembrook$", check=False).split()
            if found:
                self.window_id = found[0]
                return self.window_id
            time.sleep(0.05)
        raise Failure(f"no window titled Zembrook within {timeout:.0f} s")

    def geometry(self):
        values = {}
        for line in self._xdotool("getwindowgeometry", "--shell", self.window_id).splitlines():
            key, _, value = line.partition("=")
            values[key] = value
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def title(self):
        return self._xdotool("getwindowname", self.window_id).rstrip("\n")

    def size_hints(self):
        """((min width, min height), (max width, max height)) the window asks the desktop for."""
        from Xlib import display

        connection = display.Display(self.display)
        try:
            window = connection.create_resource_object("window", int(self.window_id))
            hints = window.get_wm_normal_hints()
        finally:
            connection.close()
        if hints is None:
            return None
        return ((hints.min_width, hints.min_height), (hints.max_width, hints.max_height))

    def click(self, x, y):
        """Left click at window pixel (x, y); returns the moment it was sent."""
        expect(self.alive(), f"the game ended before the click at ({x}, {y})")
        self._xdotool("mousemove", "--window", self.window_id, str(x), str(y), "click", "1")
        return time.monotonic()

    def key(self, name):
        """Presses and releases a key; a game that quits on the press may be gone before the
        release, which is not a fault."""
        expect(self.alive(), f"the game ended before the key {name}")
        sent = time.monotonic()
        result = subprocess.run(["xdotool", "key", "--window", self.window_id, name],
                                env={**os.environ, "DISPLAY": self.display},
                                capture_output=True, text=True)
        if result.returncode != 0:
            time.sleep(0.5)
            expect(not self.alive(), f"xdotool key {name} failed: {result.stderr.strip()}")
        return sent

    def request_close(self):
        """Asks the window to close as a window manager's close button would."""
        from Xlib import X, display, protocol

        connection = display.Display(self.display)
        try:
            window = connection.create_resource_object("window", int(self.window_id))
            protocols = connection.intern_atom("WM_PROTOCOLS")
            delete = connection.intern_atom("WM_DELETE_WINDOW")
            offered = window.get_wm_protocols() or []
            expect(delete in offered, "the window does not accept WM_DELETE_WINDOW")
            message = protocol.event.ClientMessage(
                window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(message, event_mask=X.NoEventMask)
            # A round trip, so the request is known to be processed before the connection goes.
            connection.sync()
        finally:
            connection.close()
        return time.monotonic()

    def screenshot(self):
        expect(self.alive(), "the game ended before a screenshot could be taken")
        result = subprocess.run(["import", "-window", self.window_id, "-depth", "8", "ppm:-"],
                                env={**os.environ, "DISPLAY": self.display},
                                capture_output=True)
        expect(result.returncode == 0, "import failed: " + result.stderr.decode().strip())
        self.last_shot = Shot(*_parse_ppm(result.stdout))
        return self.last_shot

    def wait_for(self, what, condition, timeout, interval=0.05):
        """Takes screenshots until condition(shot) is true; returns that shot."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.screenshot()
            if condition(shot):
                return shot
            expect(time.monotonic() < deadline, f"{what}: not seen within {timeout:.1f} s")
            time.sleep(interval)

    # --- the probe

    def _probe_lines(self):
        expect(self.probe, "this case needs the frame probe (--probe)")
        if not os.path.exists(self.probe_log):
            return []
        with open(self.probe_log) as log:
            return [line.split() for line in log if line.endswith("\n")]

    def expect_probe_loaded(self):
        """Without this, "no frame in the log" could just mean the probe never ran."""
        expect(any(fields[0] == "start" for fields in self._probe_lines()),
               "the frame probe was not loaded into the game")

    def frames(self):
        frames = []
        for fields in self._probe_lines():
            if fields[0] == "frame":
                pixels = [tuple(int(v) for v in item.split(",")) for item in fields[3:]]
                frames.append(Frame(int(fields[1]), int(fields[2]) / 1e9, pixels))
        return frames

    def input_events(self, kind=None):
        events = []
        for fields in self._probe_lines():
            if fields[0] == "event" and (kind is None or int(fields[1]) == kind):
                events.append(InputEvent(int(fields[1]), int(fields[2]), int(fields[3]) / 1e9))
        return events

    def wait_frames(self, count, timeout):
        """Waits until the game has shown at least count frames."""
        deadline = time.monotonic() + timeout
        while len(self.frames()) < count:
            expect(self.alive(), "the game ended while frames were awaited; stderr:\n" +
                   self.stderr()[-800:])
            expect(time.monotonic() < deadline, f"fewer than {count} frames in {timeout:.0f} s")
            time.sleep(0.02)

    def wait_inputs_read(self, count, timeout=3.0):
        """Waits until the game has taken count mouse presses from the X server."""
        deadline = time.monotonic() + timeout
        while len(self.input_events(X_BUTTON_PRESS)) < count:
            expect(time.monotonic() < deadline, f"the game did not read click {count}")
            expect(self.alive(), f"the game ended before reading click {count}")
            time.sleep(0.01)


# ---------------------------------------------------------------------------------------------
# Recorded sound


def band_envelope(path, low, high, window=0.01):
    """RMS per window (0..1) of the recording, band-passed by sox to low..high Hz."""
    # A long filter keeps a narrow band at full level; sox compensates its delay.
    result = subprocess.run(["sox", path, "-t", "raw", "-e", "signed-integer", "-b", "16",
                             "-c", "1", "-r", str(SAMPLE_RATE), "-",
                             "sinc", "-n", "8192", f"{low}-{high}"], capture_output=True)
    expect(result.returncode == 0, "sox could not read the recording: " +
           result.stderr.decode().strip())
    samples = array.array("h")
    samples.frombytes(result.stdout[:len(result.stdout) // 2 * 2])
    size = int(window * SAMPLE_RATE)
    envelope = []
    for start in range(0, len(samples) - size + 1, size):
        chunk = samples[start:start + size]
        envelope.append(math.sqrt(sum(v * v for v in chunk) / size) / 32768.0)
    return envelope


def bursts(envelope, threshold, window=0.01, gap=0.05):
    """(start, end) in seconds of the stretches above threshold; gaps under `gap` are joined."""
    found = []
    for index, level_ in enumerate(envelope):
        if level_ < threshold:
            continue
        start = index * window
        if found and start - found[-1][1] <= gap:
            found[-1] = (found[-1][0], start + window)
        else:
            found.append((start, start + window))
    return found


def recording_length(path):
    result = subprocess.run(["soxi", "-D", path], capture_output=True, text=True)
    expect(result.returncode == 0, f"soxi could not read the recording: {result.stderr.strip()}")
    return float(result.stdout)


# ---------------------------------------------------------------------------------------------
# Cases


class Context:
    """What every case needs to know about the build it tests."""

    def __init__(self, stage, probe, artefacts):
        stage = os.path.abspath(stage)
        probe = os.path.abspath(probe) if probe else None
        self.stage, self.probe, self.artefacts = stage, probe, artefacts
        self.binary = os.path.join(stage, "zembrook")
        staged = os.path.join(stage, "assets")
        complete = all(os.path.isfile(os.path.join(staged, item)) for item in ALL_ASSETS)
        self.staged_assets = staged if complete else None

    def staged_level(self):
        """The level staged beside the game, if there is one."""
        path = os.path.join(self.stage, "TileMap.txt")
        if not os.path.isfile(path):
            return None
        with open(path) as level_file:
            return level_file.read()


class Session:
    """A working directory, a virtual display and a started game; `with` tears all down."""

    def __init__(self, context, level_text, omit=(), replace=None, probe_points=None,
                 record_audio=False, audio_device=True, command=None, cwd=None, env=None):
        """command, cwd and env run another program than the staged game, elsewhere."""
        self.context = context
        self.workdir = tempfile.mkdtemp(prefix="zembrook-e2e-")
        self._write_level(level_text)
        self._write_assets(set(omit), replace or {})
        self.display = VirtualDisplay(os.path.join(self.workdir, "xvfb.log"))
        audio = os.path.join(self.workdir, "mix.wav") if record_audio else None
        self.game = Game(command or [context.binary], self.workdir, None, context.probe,
                         probe_points or [], audio, audio_device, cwd, env)

    def _write_level(self, text):
        if text is not None:
            with open(os.path.join(self.workdir, "TileMap.txt"), "w") as out:
                out.write(text)

    def _write_assets(self, omit, replace):
        unknown = (omit | set(replace)) - set(ALL_ASSETS)
        if unknown:
            raise ValueError(f"not asset files of the game: {sorted(unknown)}")
        if omit == set(ALL_ASSETS):
            return  # no asset tree at all
        for item in ALL_ASSETS:
            if item in omit:
                continue
            target = os.path.join(self.workdir, "assets", item)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if item in replace:
                replace[item](target)
            elif self.context.staged_assets:
                os.symlink(os.path.join(self.context.staged_assets, item), target)
            else:
                write_fixture(target, os.path.basename(item))

    def __enter__(self):
        try:
            self.display.start()
            self.game.display = self.display.name
            self.game.start()
        except BaseException:
            self._tear_down(failed=True)
            raise
        return self.game

    def __exit__(self, kind, value, traceback):
        self._tear_down(failed=kind is not None)
        return False

    def _tear_down(self, failed):
        self.game.stop()
        self.display.stop()
        if failed and self.context.artefacts:
            self._keep_artefacts()
        shutil.rmtree(self.workdir, ignore_errors=True)

    def _keep_artefacts(self):
        os.makedirs(self.context.artefacts, exist_ok=True)
        for name in ("stderr.txt", "stdout.txt", "probe.log", "mix.wav", "TileMap.txt", "xvfb.log"):
            source = os.path.join(self.workdir, name)
            if os.path.exists(source):
                shutil.copy(source, os.path.join(self.context.artefacts, name))
        if self.game.last_shot is not None:
            self.game.last_shot.save(os.path.join(self.context.artefacts, "last-shot.ppm"))


def run(cases):
    """Entry point of a test file: runs the case named on the command line."""
    parser = argparse.ArgumentParser()
    parser.add_argument("case", choices=sorted(cases))
    parser.add_argument("--stage", required=True)
    parser.add_argument("--probe")
    parser.add_argument("--artefacts", help="folder that keeps the files of a failed case")
    options = parser.parse_args()

    def terminated(signum, frame):
        raise SystemExit(f"terminated by signal {signum}")

    signal.signal(signal.SIGTERM, terminated)
    artefacts = os.path.join(options.artefacts, options.case) if options.artefacts else None
    context = Context(options.stage, options.probe, artefacts)
    begun = time.monotonic()
    source = "staged" if context.staged_assets else "test-made"
    try:
        expect(os.access(context.binary, os.X_OK), f"no game binary at {context.binary}")
        cases[options.case](context)
    except Failure as failure:
        print(f"FAIL {options.case} ({source} assets, {time.monotonic() - begun:.1f} s): "
              f"{failure}")
        if artefacts:
            print(f"files of the failed run kept in {artefacts}")
        return 1
    print(f"PASS {options.case} ({source} assets, {time.monotonic() - begun:.1f} s)")
    return 0


def main(cases):
    sys.exit(run(cases))
