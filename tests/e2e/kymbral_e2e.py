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
        self.z0_knob = at(1320, 6720, 1215, 255)
        self.z0_value = at(1320, 6960, 1215, 255)
        self.parameters = at(12960, 6000, 2175, 3375)
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


def close_message(title, key, first=None):
    """Waits for a message box titled `title` (another than `first`, if given),
    closes it with `key` and gives its window, grab and place."""

    def is_new(wid):
        # The same X window may show again: then it must show something else.
        return first is None or wid != first[0] or not e2e.same(first[1], e2e.grab(), first[2])

    wid = e2e.find_window(title, timeout=10, accept=is_new)
    box = e2e.geometry(wid)
    shown = e2e.wait_still(box, f"message box {title!r} drawn", quiet=0.2)
    e2e.keep(shown, f"kymbral-box-{title}-{wid}")
    e2e.press_key(wid, key)
    e2e.wait_gone(wid, title)
    return wid, shown, box


def steps(program):
    wid = e2e.find_window(TITLE, timeout=10)
    frame = e2e.geometry(wid)
    check((frame.w, frame.h) == CLIENT_SIZE, f"client area is {frame.w} x {frame.h}")
    w = Window((frame.x, frame.y))

    start = e2e.wait_still(w.whole, "window drawn and settled")
    e2e.keep(start, "kymbral-0-start")
    check(spike_pixels(start, w.spectrum) == 0,
          "sample out at start-up: no peak above the spectrum's baseline")

    # Insert: the lock read-out changes and the line shape shows its spike.
    e2e.click(*w.insert.centre())
    e2e.wait_change(start, w.lock_info, "Insert: lock read-out changed")
    inserted = e2e.wait_still(w.spectrum, "spectrum redrawn")
    e2e.keep(inserted, "kymbral-1-inserted")
    spike = spike_pixels(inserted, w.spectrum)
    check(spike > 20, f"Insert: a white spike at the spectrum's centre ({spike} px)")

    # The Z0 knob: a left release steps down, a right one up; the value shows it.
    e2e.click(*w.z0_knob.centre(), button=1)
    down = e2e.wait_change(inserted, w.z0_value, "Z0 left click: value label changed")
    e2e.click(*w.z0_knob.centre(), button=3)
    e2e.wait_change(down, w.z0_value, "Z0 right click: value label changed")
    up = e2e.wait_still(w.whole, "window settled after the knob")
    e2e.keep(up, "kymbral-2-knob")

    # Command line: "pw=3" rewrites the fifth parameter row, and only it.
    e2e.click(*w.command_line.centre())
    e2e.type_text("pw=3")
    typed = e2e.wait_change(up, w.command_line, "command line shows the typed text",
                            at_least=60)
    e2e.press_key(wid, "Return")
    assigned = e2e.wait_change(up, w.parameters, "pw=3: parameter list changed")
    assigned = e2e.wait_still(w.parameters, "parameter list settled")
    e2e.keep(assigned, "kymbral-3-pw")
    rows = w.parameters.inset(3)
    changed = e2e.changed_box(up, assigned, rows)
    check(changed and changed.h <= 16 and 0.2 < changed.y / rows.h < 0.5,
          f"pw=3: one row, the fifth of twelve, changed ({changed})")
    check(e2e.differing(typed, assigned, w.command_line) >= 60,
          "pw=3: command line cleared")

    # "ga" typed: the acquisition runs, the FID grows and the button turns to Abort.
    e2e.type_text("ga")
    e2e.press_key(wid, "Return")
    running = e2e.wait_change(assigned, w.ga_caption, "ga: GA button caption changed")
    e2e.keep(running, "kymbral-4-ga")
    later = e2e.wait_change(running, w.fid, "ga: FID plot changes", timeout=3)
    e2e.wait_change(later, w.fid, "ga: FID plot keeps changing", timeout=3)

    # Abort, then GA and Abort again with the button.
    for round_ in ("first", "second"):
        shown = e2e.grab()
        e2e.click(*w.ga_abort.centre())
        e2e.wait_change(shown, w.ga_caption, f"Abort ({round_}): button caption changed")
        stopped = e2e.wait_still(w.fid, f"Abort ({round_}): FID plot stopped", quiet=0.6,
                                 timeout=5)
        time.sleep(0.3)
        check(e2e.same(e2e.grab(), stopped, w.fid),
              f"Abort ({round_}): FID plot still unchanged")
        e2e.keep(stopped, f"kymbral-5-abort-{round_}")
        check(e2e.same(stopped, start, w.ga_caption),
              f"Abort ({round_}): the button reads GA again, as at start-up")
        if round_ == "first":
            e2e.click(*w.ga_abort.centre())
            e2e.wait_change(stopped, w.ga_caption, "GA button: caption changed")
            moving = e2e.wait_change(stopped, w.fid, "GA button: FID plot changes", timeout=3)
            e2e.wait_change(moving, w.fid, "GA button: FID plot keeps changing", timeout=3)

    # Scramble ejects the sample and turns the Walkup button into Answer.
    before = e2e.wait_still(w.whole, "window settled before Scramble")
    e2e.click(*w.scramble.centre())
    e2e.wait_change(before, w.walkup_caption, "Scramble: Walkup button caption changed")
    scrambled = e2e.wait_still(w.whole, "window settled after Scramble")
    e2e.keep(scrambled, "kymbral-6-scramble")
    check(spike_pixels(scrambled, w.spectrum) == 0,
          "Scramble: sample ejected, no peak above the baseline")

    # Answer with the sample out: the warning, then the hint.
    e2e.click(*w.walkup.centre())
    first = close_message(MESSAGE_TITLE, "Return")
    first_box = first[2]
    check(program.alive(), "alive after the first message")
    _, _, hint_box = close_message(MESSAGE_TITLE, "Return", first=first)
    check(hint_box.h > first_box.h, f"hint box is taller ({hint_box.h} px) than the "
          f"warning ({first_box.h} px): it has three lines")
    e2e.wait_change(scrambled, w.walkup_caption, "Answer: Walkup caption changed back")
    check(not e2e.visible_windows(MESSAGE_TITLE), "no message box left open")
    answered = e2e.wait_still(w.whole, "window settled after the answer")
    e2e.keep(answered, "kymbral-7-answered")
    check(e2e.same(answered, before, w.walkup_caption),
          "Answer: the button reads as before the game (Read Default Shims)")

    # Help: one message box with its own title.
    e2e.click(*w.help.centre())
    _, _, help_box = close_message(HELP_TITLE, "Escape")
    check(help_box.h > 150, f"help box is tall ({help_box.h} px) for its dozen lines")

    check(program.alive(), "kymbral still running")
    check(wid in e2e.visible_windows(TITLE), "main window still shown")
    e2e.close_and_expect_clean_exit(program, wid)


if __name__ == "__main__":
    sys.exit(e2e.main("kymbral", __doc__, steps))
