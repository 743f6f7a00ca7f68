#!/usr/bin/env python3
"""End-to-end test of kymbral: the real program on an X display, driven with
xdotool the way a student uses it, each step judged by what the screen shows.

Usage: kymbral_e2e.py PATH-TO-KYMBRAL   (under xvfb-run, screen 1400x900x24)
"""

import sys
import time

import e2e
from e2e import Rect, check, log

TITLE = "Kymbral (alpha version)"
MESSAGE_TITLE = "Kymbral"
HELP_TITLE = "Kymbral Help"
CLIENT_SIZE = (1277, 679)


class Window:
    """Where the controls lie, in screen pixels, for a window at `origin`."""

    def __init__(self, origin):
        def at(left, top, width, height):
            return Rect.twips(left, top, width, height, origin)

        self.whole = Rect(origin[0], origin[1], *CLIENT_SIZE)
        self.command_line = at(1200, 0, 10575, 405)
        # The picture boxes have a sunken border two pixels wide.
        self.spectrum = at(1200, 480, 10575, 4575).inset(2)
        self.insert = at(3200, 5450, 820, 400)
        self.lock_info = at(3360, 7080, 855, 255)
        self.ga_abort = at(15120, 2400, 1335, 255)
        # Inside a button's edge, where a focus or press frame would not reach.
        self.ga_caption = self.ga_abort.inset(3)
        self.fid = at(15120, 6000, 3975, 2655).inset(2)
        self.scramble = at(120, 7200, 1095, 615)
        self.walkup = at(7440, 8400, 5535, 615)
        self.walkup_caption = self.walkup.inset(5)
        self.help = at(5880, 9600, 975, 375)


def spike_pixels(shot, spectrum):
    """White pixels around the centre column, above the baseline (which lies
    at 80 % of the height)."""
    band = Rect(spectrum.x + spectrum.w // 2 - 8, spectrum.y, 17, spectrum.h * 6 // 10)
    return e2e.count_pixels(shot, band, "white")


def close_message(title, key):
    """Waits for a message box titled `title`, closes it with `key` once it is
    drawn and gives its place."""
    wid = e2e.find_window(title, timeout=10)
    box = e2e.geometry(wid)
    e2e.wait_still(box, f"message box {title!r} drawn", quiet=0.2)
    e2e.press_key(wid, key)
    e2e.wait_gone(wid, title)
    return box


def steps(program):
    wid = e2e.find_window(TITLE, timeout=10)
    frame = e2e.geometry(wid)
    check((frame.w, frame.h) == CLIENT_SIZE, f"client area is {frame.w} x {frame.h}")
    w = Window((frame.x, frame.y))

    start = e2e.wait_still(w.whole, "window drawn and settled")
    check(spike_pixels(start, w.spectrum) == 0,
          "sample out at start-up: no peak above the spectrum's baseline")

    # Insert: the lock read-out changes and the line shape shows its spike.
    e2e.click(*w.insert.centre())
    e2e.wait_change(start, w.lock_info, "Insert: lock read-out changed")
    inserted = e2e.wait_still(w.spectrum, "spectrum redrawn")
    spike = spike_pixels(inserted, w.spectrum)
    check(spike > 20, f"Insert: a white spike at the spectrum's centre ({spike} px)")

    # "ga" typed on the command line: the acquisition runs, the FID grows and
    # the button turns to Abort.
    e2e.click(*w.command_line.centre())
    e2e.type_text("ga")
    e2e.press_key(wid, "Return")
    running = e2e.wait_change(inserted, w.ga_caption, "ga: GA button caption changed")
    later = e2e.wait_change(running, w.fid, "ga: FID plot changes", timeout=3)
    later = e2e.wait_change(later, w.fid, "ga: FID plot keeps changing", timeout=3)

    # Abort with the button: the FID stops and the button reads GA again.
    e2e.click(*w.ga_abort.centre())
    e2e.wait_change(later, w.ga_caption, "Abort: button caption changed")
    stopped = e2e.wait_still(w.fid, "Abort: FID plot stopped", quiet=0.6, timeout=5)
    time.sleep(0.3)
    check(e2e.same(e2e.grab(), stopped, w.fid), "Abort: FID plot still unchanged")
    check(e2e.same(stopped, start, w.ga_caption), "Abort: the button reads GA, as at start-up")

    # Scramble ejects the sample and turns the Walkup button into Answer.
    before = e2e.wait_still(w.whole, "window settled before Scramble")
    e2e.click(*w.scramble.centre())
    e2e.wait_change(before, w.walkup_caption, "Scramble: Walkup button caption changed")
    scrambled = e2e.wait_still(w.whole, "window settled after Scramble")
    check(spike_pixels(scrambled, w.spectrum) == 0,
          "Scramble: sample ejected, no peak above the baseline")

    # Answer with the sample out: the warning, then the hint.
    e2e.click(*w.walkup.centre())
    first_box = close_message(MESSAGE_TITLE, "Return")
    check(program.poll() is None, "alive after the first message")
    hint_box = close_message(MESSAGE_TITLE, "Return")
    check(hint_box.h > first_box.h, f"hint box is taller ({hint_box.h} px) than the "
          f"warning ({first_box.h} px): it has three lines")
    e2e.wait_change(scrambled, w.walkup_caption, "Answer: Walkup caption changed back")
    check(not e2e.visible_windows(MESSAGE_TITLE), "no message box left open")
    answered = e2e.wait_still(w.whole, "window settled after the answer")
    check(e2e.same(answered, before, w.walkup_caption),
          "Answer: the button reads as before the game (Read Default Shims)")

    # Help: one message box with its own title.
    e2e.click(*w.help.centre())
    help_box = close_message(HELP_TITLE, "Escape")
    check(help_box.h > 150, f"help box is tall ({help_box.h} px) for its dozen lines")

    check(program.poll() is None, "kymbral still running")
    check(wid in e2e.visible_windows(TITLE), "main window still shown")
    e2e.close_and_expect_clean_exit(program, wid)


if __name__ == "__main__":
    sys.exit(e2e.main("kymbral", __doc__, steps))
