"""Shared helpers for the end-to-end tests: start a real program on the X
display that xvfb-run provides, drive it with xdotool, and judge each step by
screen grabs taken with ImageMagick's `import`.

Python standard library only. The tools come from the environment variables
XDOTOOL, IMPORT and COMPARE (set by CTest), or from PATH. Logs and a grab of
the screen at a failure go to E2E_OUT (default: the working directory); with
E2E_SHOTS set to a folder, the tests also save the grabs of their main steps
there, to look at.
"""

import ctypes
import ctypes.util
import os
import struct
import subprocess
import sys
import tempfile
import time
import zlib
from dataclasses import dataclass

XDOTOOL = os.environ.get("XDOTOOL") or "xdotool"
IMPORT = os.environ.get("IMPORT") or "import"
COMPARE = os.environ.get("COMPARE") or "compare"

TWIPS_PER_PIXEL = 15
# A point of the screen outside every window, where the pointer rests between
# steps so that no hover highlight shows up in a grab.
POINTER_REST = (1390, 890)

# Where logs and failure grabs go.
OUT = os.environ.get("E2E_OUT") or os.getcwd()

_T0 = time.monotonic()


class Failure(Exception):
    """A step whose on-screen effect was not what it should be."""


def log(message):
    print(f"[{time.monotonic() - _T0:6.2f}s] {message}", flush=True)


def check(condition, what):
    if not condition:
        raise Failure(what)
    log(f"ok   {what}")


# --- geometry -------------------------------------------------------------


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    w: int
    h: int

    @staticmethod
    def twips(left, top, width, height, origin=(0, 0)):
        """A control's outer rectangle in screen pixels."""
        t = TWIPS_PER_PIXEL
        return Rect(origin[0] + left // t, origin[1] + top // t, width // t, height // t)

    def inset(self, d):
        return Rect(self.x + d, self.y + d, self.w - 2 * d, self.h - 2 * d)

    def centre(self):
        return (self.x + self.w // 2, self.y + self.h // 2)


# --- screen grabs ---------------------------------------------------------


class Shot:
    """One grab of the whole screen, 8-bit RGB."""

    def __init__(self, ppm):
        magic, width, height, maxval, offset = _ppm_header(ppm)
        if magic != b"P6" or maxval != 255:
            raise Failure(f"unexpected screen grab format {magic!r} max {maxval}")
        self.width, self.height = width, height
        self.data = ppm[offset : offset + width * height * 3]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i : i + 3])

    def row(self, r, y):
        i = (y * self.width + r.x) * 3
        return self.data[i : i + r.w * 3]

    def region(self, r):
        return b"".join(self.row(r, y) for y in range(r.y, r.y + r.h))

    def save_png(self, path, r=None):
        r = r or Rect(0, 0, self.width, self.height)
        raw = b"".join(b"\x00" + self.row(r, y) for y in range(r.y, r.y + r.h))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", r.w, r.h, 8, 2, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
            f.write(chunk(b"IEND", b""))

    def save_ppm(self, path, r):
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (r.w, r.h))
            f.write(self.region(r))


def _ppm_header(data):
    fields, i = [], 0
    while len(fields) < 4:
        while data[i : i + 1].isspace():
            i += 1
        if data[i : i + 1] == b"#":
            while data[i : i + 1] not in (b"\n", b""):
                i += 1
            continue
        j = i
        while not data[j : j + 1].isspace():
            j += 1
        fields.append(data[i:j])
        i = j
    return fields[0], int(fields[1]), int(fields[2]), int(fields[3]), i + 1


def grab():
    out = subprocess.run([IMPORT, "-window", "root", "-depth", "8", "ppm:-"],
                         capture_output=True, check=True, timeout=10).stdout
    return Shot(out)


def keep(shot, label):
    """Saves a grab for a human to look at when E2E_SHOTS names a folder."""
    folder = os.environ.get("E2E_SHOTS")
    if folder:
        os.makedirs(folder, exist_ok=True)
        shot.save_png(os.path.join(folder, f"{label}.png"))


def differing(a, b, r):
    """How many pixels of rectangle r differ between two grabs."""
    count = 0
    for y in range(r.y, r.y + r.h):
        ra, rb = a.row(r, y), b.row(r, y)
        if ra != rb:
            count += sum(1 for i in range(0, len(ra), 3) if ra[i : i + 3] != rb[i : i + 3])
    return count


def changed_rows(a, b, r):
    """The screen rows of rectangle r in which the two grabs differ."""
    return [y for y in range(r.y, r.y + r.h) if a.row(r, y) != b.row(r, y)]


def count_pixels(shot, r, colour):
    n = 0
    for y in range(r.y, r.y + r.h):
        row = shot.row(r, y)
        n += sum(1 for i in range(0, len(row), 3) if tuple(row[i : i + 3]) == colour)
    return n


# --- waiting --------------------------------------------------------------


def wait_for(predicate, what, timeout=10.0, interval=0.05):
    """Polls predicate until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            log(f"ok   {what}")
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:.0f} s: {what}")
        time.sleep(interval)


def wait_change(before, r, what, timeout=5.0, at_least=1):
    """Waits until rectangle r differs from the grab `before`; returns the new grab."""
    found = {}

    def changed():
        shot = grab()
        if differing(before, shot, r) >= at_least:
            found["shot"] = shot
            return True
        return False

    wait_for(changed, what, timeout)
    return found["shot"]


def wait_still(r, what, quiet=0.4, timeout=10.0):
    """Waits until rectangle r stays the same for `quiet` seconds; returns the last grab."""
    deadline = time.monotonic() + timeout
    last = grab()
    since = time.monotonic()
    while True:
        time.sleep(0.1)
        shot = grab()
        if shot.region(r) != last.region(r):
            last, since = shot, time.monotonic()
        elif time.monotonic() - since >= quiet:
            log(f"ok   {what}")
            return shot
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:.0f} s: {what}")


# --- xdotool ----------------------------------------------------------------


def xdo(*args, timeout=10.0, check_rc=True):
    result = subprocess.run([XDOTOOL, *map(str, args)], capture_output=True, text=True,
                            timeout=timeout)
    if check_rc and result.returncode != 0:
        raise Failure(f"xdotool {' '.join(map(str, args))} failed: {result.stderr.strip()}")
    return result.stdout


def _title_regex(title):
    # Every character other than a letter, digit or blank goes in brackets so
    # that the regular expression matches it literally.
    return "^" + "".join(c if c.isalnum() or c == " " else f"[{c}]" for c in title) + "$"


def visible_windows(title):
    """Visible windows whose title is exactly `title` (xdotool's match ignores case)."""
    out = xdo("search", "--onlyvisible", "--name", _title_regex(title), check_rc=False)
    ids = []
    for wid in out.split():
        name = xdo("getwindowname", wid, check_rc=False).rstrip("\n")
        if name == title:
            ids.append(wid)
    return ids


def find_window(title, timeout=10.0, accept=lambda wid: True):
    """Waits for a visible window titled exactly `title` that `accept` takes."""
    deadline = time.monotonic() + timeout
    while True:
        left = deadline - time.monotonic()
        if left <= 0:
            raise Failure(f"no window titled {title!r} within {timeout:.0f} s")
        try:
            xdo("search", "--sync", "--onlyvisible", "--name", _title_regex(title),
                timeout=left, check_rc=False)
        except subprocess.TimeoutExpired:
            continue
        for wid in visible_windows(title):
            if accept(wid):
                log(f"ok   window {title!r} is shown ({wid})")
                return wid
        time.sleep(0.05)


def wait_gone(wid, title, timeout=10.0):
    wait_for(lambda: wid not in visible_windows(title), f"window {title!r} ({wid}) closed", timeout)


def geometry(wid):
    values = {}
    for line in xdo("getwindowgeometry", "--shell", wid).split():
        key, _, value = line.partition("=")
        values[key] = int(value) if value.lstrip("-").isdigit() else value
    return Rect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"])


def click(x, y, button=1):
    xdo("mousemove", "--sync", x, y)
    xdo("click", button)
    xdo("mousemove", "--sync", *POINTER_REST)


def press_key(wid, key):
    """Gives the window the keyboard focus and presses one key."""
    try:
        xdo("windowfocus", "--sync", wid, timeout=3.0, check_rc=False)
    except subprocess.TimeoutExpired:
        log(f"note: focus on window {wid} not confirmed; pressing {key} anyway")
    xdo("key", "--clearmodifiers", key)


def type_text(text):
    xdo("type", "--delay", 20, text)


def close_window(wid):
    """Asks the window to close, as a window manager's close button does."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    display = x11.XOpenDisplay(None)
    if not display:
        raise Failure("cannot open the X display to close a window")
    try:
        event = Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = int(wid)
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        x11.XSendEvent(display, int(wid), 0, 0, ctypes.byref(event))
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


def pixels_unlike_file(shot, r, path, fuzz="6%"):
    """How many pixels of screen rectangle r differ (beyond `fuzz`) from the
    top-left part of the same size of the picture file."""
    with tempfile.TemporaryDirectory() as tmp:
        crop = os.path.join(tmp, "screen.ppm")
        shot.save_ppm(crop, r)
        result = subprocess.run(
            [COMPARE, "-metric", "AE", "-fuzz", fuzz, crop,
             f"{path}[{r.w}x{r.h}+0+0]", "null:"],
            capture_output=True, text=True, timeout=20)
    if result.returncode not in (0, 1):
        raise Failure(f"compare failed on {path}: {result.stderr.strip()}")
    try:
        return int(float(result.stderr.split()[0]))
    except (IndexError, ValueError):
        raise Failure(f"compare gave no pixel count for {path}: {result.stderr.strip()}")


# --- the program under test -------------------------------------------------


class Program:
    """The program under test, started on the current X display."""

    def __init__(self, name, command, cwd=None):
        self.name = name
        self.log_path = os.path.join(OUT, f"{name}-e2e.log")
        env = dict(os.environ)
        env["QT_QPA_PLATFORM"] = "xcb"  # the test command may ask for offscreen
        if "XDG_RUNTIME_DIR" not in env:
            # Qt wants a private runtime folder and warns without one.
            runtime = os.path.join(OUT, "e2e-runtime")
            os.makedirs(runtime, mode=0o700, exist_ok=True)
            os.chmod(runtime, 0o700)
            env["XDG_RUNTIME_DIR"] = runtime
        self._log = open(self.log_path, "wb")
        log(f"start {' '.join(command)}" + (f" in {cwd}" if cwd else ""))
        self.process = subprocess.Popen(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                        stdout=self._log, stderr=subprocess.STDOUT)

    def alive(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=10.0):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.alive():
            self.process.terminate()
            if self.wait_exit(5.0) is None:
                self.process.kill()
                self.process.wait()
        if not self._log.closed:
            self._log.close()


def run(name, command, steps, cwd=None):
    """Starts the program, runs steps(program) and stops it. On failure it
    saves a screen grab, shows the program's output and gives 1."""
    if not os.environ.get("DISPLAY"):
        print("no X display: run under xvfb-run", file=sys.stderr)
        return 2
    program = Program(name, command, cwd)
    try:
        steps(program)
    except (Failure, subprocess.SubprocessError) as error:
        log(f"FAIL {error}")
        if not program.alive():
            log(f"the program has ended, exit code {program.process.returncode}")
        try:
            path = os.path.join(OUT, f"{name}-e2e-failure.png")
            grab().save_png(path)
            log(f"screen at failure: {path}")
        except Exception as grab_error:  # the grab is only a help for the reader
            log(f"no screen grab: {grab_error}")
        program.stop()
        with open(program.log_path, errors="replace") as f:
            output = f.read()[-3000:]
        log(f"program output ({program.log_path}):\n{output}")
        return 1
    finally:
        program.stop()
    log("PASS")
    return 0


def close_and_expect_clean_exit(program, wid):
    """Sends the window a close request, as its close button would, and checks
    that the program ends with exit code 0."""
    close_window(wid)
    code = program.wait_exit(10)
    check(code == 0, f"closing the window ends the program (exit code {code})")


def main(name, doc, steps):
    """The command line of a test script: one argument, the program to run."""
    if len(sys.argv) != 2:
        print(doc, file=sys.stderr)
        return 2
    return run(name, [sys.argv[1]], steps)
