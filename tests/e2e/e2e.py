"""Shared helpers for the end-to-end tests: start a real program on the X
display that xvfb-run provides, drive it with xdotool, and judge each step by
screen grabs that ImageMagick takes (import), compares (compare) and measures
(convert). The tools come from the environment variables XDOTOOL, IMPORT,
COMPARE and CONVERT (set by CTest), or from PATH. Logs and a grab of the
screen at a failure go to E2E_OUT (default: the working directory).
"""

import atexit
import ctypes
import itertools
import os
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

XDOTOOL = os.environ.get("XDOTOOL") or "xdotool"
IMPORT = os.environ.get("IMPORT") or "import"
COMPARE = os.environ.get("COMPARE") or "compare"
CONVERT = os.environ.get("CONVERT") or "convert"
OUT = os.environ.get("E2E_OUT") or os.getcwd()
TWIPS_PER_PIXEL = 15
# Outside every window: the pointer rests here so that no hover highlight shows in a grab.
POINTER_REST = (1390, 890)

_T0 = time.monotonic()
_GRABS = tempfile.mkdtemp(prefix="e2e-")
atexit.register(shutil.rmtree, _GRABS, True)
_numbers = itertools.count()


class Failure(Exception):
    """A step whose on-screen effect was not what it should be."""


def log(message):
    print(f"[{time.monotonic() - _T0:6.2f}s] {message}", flush=True)


def check(condition, what):
    if not condition:
        raise Failure(what)
    log(f"ok   {what}")


def tool(*command, ok=(0,)):
    """Runs a tool; gives what it wrote to stdout and stderr."""
    result = subprocess.run([str(c) for c in command], capture_output=True, text=True, timeout=20)
    if result.returncode not in ok:
        raise Failure(f"{' '.join(map(str, command))} failed: {result.stderr.strip()}")
    return result.stdout + result.stderr


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

    def of(self, path):
        """ImageMagick's name for this part of a picture file."""
        return f"{path}[{self.w}x{self.h}+{self.x}+{self.y}]"


def grab():
    """A grab of the whole screen, as a file name."""
    path = os.path.join(_GRABS, f"{next(_numbers)}.ppm")
    tool(IMPORT, "-window", "root", "-depth", "8", path)
    return path


def differing(a, b, r, fuzz="0"):
    """How many pixels differ between a part of one picture and the same part of
    another (or, for a plain file name, its top-left part of the same size)."""
    second = r.of(b) if b.endswith(".ppm") else f"{b}[{r.w}x{r.h}+0+0]"
    out = tool(COMPARE, "-metric", "AE", "-fuzz", fuzz, r.of(a), second, "null:", ok=(0, 1))
    return int(float(out.split()[0]))


def same(a, b, r):
    return differing(a, b, r) == 0


def count_pixels(shot, r, colour):
    out = tool(CONVERT, r.of(shot), "-fill", "black", "+opaque", colour, "-fill", "white",
               "-opaque", colour, "-format", "%[fx:round(mean*w*h)]", "info:")
    return int(out.split()[-1])


def wait_for(predicate, what, timeout=10.0):
    """Polls predicate until it gives a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:.0f} s: {what}")
        time.sleep(0.05)
    log(f"ok   {what}")
    return value


def wait_change(before, r, what, timeout=5.0, at_least=1):
    """Waits until rectangle r differs from the grab `before`; gives the new grab."""
    def changed():
        shot = grab()
        return shot if differing(before, shot, r) >= at_least else None
    return wait_for(changed, what, timeout)


def wait_still(r, what, quiet=0.4, timeout=10.0):
    """Waits until rectangle r stays the same for `quiet` seconds; gives the last grab."""
    last, since, deadline = grab(), time.monotonic(), time.monotonic() + timeout
    while time.monotonic() - since < quiet:
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:.0f} s: {what}")
        time.sleep(0.1)
        shot = grab()
        if not same(last, shot, r):
            last, since = shot, time.monotonic()
    log(f"ok   {what}")
    return last


def xdo(*args):
    return tool(XDOTOOL, *args, ok=(0, 1))


def visible_windows(title):
    """Visible windows whose title is exactly `title`."""
    pattern = "^" + "".join(c if c.isalnum() or c == " " else f"[{c}]" for c in title) + "$"
    ids = xdo("search", "--onlyvisible", "--name", pattern).split()
    return [w for w in ids if xdo("getwindowname", w).rstrip("\n") == title]


def find_window(title, timeout=10.0):
    """Waits for a visible window titled exactly `title`."""
    return wait_for(lambda: next(iter(visible_windows(title)), None), f"window {title!r} is shown",
                    timeout)


def wait_gone(wid, title, timeout=10.0):
    wait_for(lambda: wid not in visible_windows(title), f"window {title!r} closed", timeout)


def geometry(wid):
    values = dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", wid).split())
    return Rect(*(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")))


def click(x, y, button=1):
    xdo("mousemove", "--sync", x, y)
    xdo("click", button)
    xdo("mousemove", "--sync", *POINTER_REST)


def press_key(wid, key):
    xdo("windowfocus", "--sync", wid)
    xdo("key", "--clearmodifiers", key)


def type_text(text):
    xdo("type", "--delay", 20, text)


def close_window(wid):
    """Asks the window to close, as a window manager's close button does
    (WM_DELETE_WINDOW); xdotool can only destroy a window or kill its client."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = x11.XInternAtom.restype = ctypes.c_void_p
    display = ctypes.c_void_p(x11.XOpenDisplay(None))
    atom = lambda name: ctypes.c_ulong(x11.XInternAtom(display, name, 0))
    # XClientMessageEvent on LP64: type, serial, send_event, display, window,
    # message_type, format, then the data longs.
    event = (ctypes.c_long * 24)(33, 0, 0, 0, int(wid), atom(b"WM_PROTOCOLS").value, 32,
                                 atom(b"WM_DELETE_WINDOW").value)
    x11.XSendEvent(display, ctypes.c_ulong(int(wid)), 0, ctypes.c_long(0), event)
    x11.XCloseDisplay(display)


def close_and_expect_clean_exit(program, wid):
    close_window(wid)
    try:
        code = program.wait(timeout=10)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, f"closing the window ends the program (exit code {code})")


def main(name, doc, steps):
    """The command line of a test script: one argument, the program to run.
    On failure it keeps a screen grab and shows the program's output."""
    if len(sys.argv) != 2 or not os.environ.get("DISPLAY"):
        print(doc + "\nRun it under xvfb-run.", file=sys.stderr)
        return 2
    log_path = os.path.join(OUT, f"{name}-e2e.log")
    # Qt wants a private runtime folder and warns without one.
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="e2e-runtime-"))
    with open(log_path, "wb") as output:
        program = subprocess.Popen([sys.argv[1]], env=env, stdin=subprocess.DEVNULL,
                                   stdout=output, stderr=subprocess.STDOUT)
    try:
        steps(program)
    except (Failure, subprocess.SubprocessError) as error:
        log(f"FAIL {error}")
        tool(IMPORT, "-window", "root", os.path.join(OUT, f"{name}-e2e-failure.png"), ok=(0, 1))
        with open(log_path, errors="replace") as f:
            log(f"program output ({log_path}):\n{f.read()[-3000:]}")
        return 1
    finally:
        program.kill()
    log("PASS")
    return 0
