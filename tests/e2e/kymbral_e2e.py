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
WHITE = (255, 255, 255)


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


def baseline_row(shot, spectrum):
    """The row of the spectrum's white baseline: the lowest mostly white row."""
    for y in range(spectrum.y + spectrum.h - 1, spectrum.y, -1):
        if e2e.count_pixels(shot, Rect(spectrum.x, y, spectrum.w, 1), WHITE) > spectrum.w * 0.9:
            return y
    raise e2e.Failure("the spectrum view shows no white baseline")


def spike_pixels(shot, spectrum, baseline):
    """White pixels in a band around the centre column, well above the baseline."""
    centre = spectrum.x + spectrum.w // 2
    band = Rect(centre - 8, spectrum.y, 17, baseline - 6 - spectrum.y)
    return e2e.count_pixels(shot, band, WHITE)


def text_rows(shot, r):
    """Bands of rows (first, last) in which rectangle r shows dark text."""
    bands, start = [], None
    for y in range(r.y, r.y + r.h):
        row = shot.row(r, y)
        dark = any(row[i] + row[i + 1] + row[i + 2] < 300 for i in range(0, len(row), 3))
        if dark and start is None:
            start = y
        elif not dark and start is not None:
            bands.append((start, y - 1))
            start = None
    if start is not None:
        bands.append((start, r.y + r.h - 1))
    return bands


def close_message(title, key, first=None):
    """Waits for a message box titled `title` (another than `first`, if given),
    closes it with `key` and returns its window and what it showed."""

    def is_new(wid):
        if first is None:
            return True
        if wid != first[0]:
            return True
        # Same X window shown again: it must show something else.
        return e2e.grab().region(e2e.geometry(wid)) != first[1]

    wid = e2e.find_window(title, timeout=10, accept=is_new)
    box = e2e.geometry(wid)
    shown = e2e.wait_still(box, f"message box {title!r} drawn", quiet=0.2)
    e2e.keep(shown, f"kymbral-box-{title}-{wid}")
    e2e.press_key(wid, key)
    e2e.wait_gone(wid, title)
    return wid, shown.region(box), box


def steps(program):
    wid = e2e.find_window(TITLE, timeout=10)
    frame = e2e.geometry(wid)
    check((frame.w, frame.h) == CLIENT_SIZE, f"client area is {frame.w} x {frame.h}")
    w = Window((frame.x, frame.y))

    start = e2e.wait_still(w.whole, "window drawn and settled")
    e2e.keep(start, "kymbral-0-start")
    baseline = baseline_row(start, w.spectrum)
    log(f"spectrum baseline at row {baseline}")
    check(spike_pixels(start, w.spectrum, baseline) == 0,
          "sample out at start-up: no peak above the spectrum's baseline")

    # Insert: the lock read-out changes and the line shape shows its spike.
    e2e.click(*w.insert.centre())
    e2e.wait_change(start, w.lock_info, "Insert: lock read-out changed")
    inserted = e2e.wait_still(w.spectrum, "spectrum redrawn")
    e2e.keep(inserted, "kymbral-1-inserted")
    spike = spike_pixels(inserted, w.spectrum, baseline)
    check(spike > 20, f"Insert: a white spike at the spectrum's centre ({spike} px)")

    # The Z0 knob: a left release steps down, a right one up; the value shows it.
    e2e.click(*w.z0_knob.centre(), button=1)
    down = e2e.wait_change(inserted, w.z0_value, "Z0 left click: value label changed")
    e2e.click(*w.z0_knob.centre(), button=3)
    e2e.wait_change(down, w.z0_value, "Z0 right click: value label changed")
    up = e2e.wait_still(w.whole, "window settled after the knob")
    e2e.keep(up, "kymbral-2-knob")

    # Command line: "pw=3" rewrites the fifth parameter row, and only it.
    rows = text_rows(up, w.parameters.inset(3))
    check(len(rows) >= 12, f"parameter list shows {len(rows)} rows of text")
    e2e.click(*w.command_line.centre())
    e2e.type_text("pw=3")
    typed = e2e.wait_change(up, w.command_line, "command line shows the typed text",
                            at_least=60)
    e2e.press_key(wid, "Return")
    assigned = e2e.wait_change(up, w.parameters, "pw=3: parameter list changed")
    assigned = e2e.wait_still(w.parameters, "parameter list settled")
    e2e.keep(assigned, "kymbral-3-pw")
    changed = e2e.changed_rows(up, assigned, w.parameters.inset(3))
    fifth = rows[4]
    where = f"rows {min(changed)}-{max(changed)}" if changed else "nothing"
    check(changed and fifth[0] - 3 <= min(changed) and max(changed) <= fifth[1] + 3,
          f"pw=3: only the fifth row ({fifth[0]}-{fifth[1]}) changed ({where})")
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
        check(e2e.grab().region(w.fid) == stopped.region(w.fid),
              f"Abort ({round_}): FID plot still unchanged")
        e2e.keep(stopped, f"kymbral-5-abort-{round_}")
        check(stopped.region(w.ga_caption) == start.region(w.ga_caption),
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
    check(spike_pixels(scrambled, w.spectrum, baseline) == 0,
          "Scramble: sample ejected, no peak above the baseline")

    # Answer with the sample out: the warning, then the hint.
    e2e.click(*w.walkup.centre())
    first_id, first_look, first_box = close_message(MESSAGE_TITLE, "Return")
    check(program.alive(), "alive after the first message")
    _, _, hint_box = close_message(MESSAGE_TITLE, "Return", first=(first_id, first_look))
    check(hint_box.h > first_box.h, f"hint box is taller ({hint_box.h} px) than the "
          f"warning ({first_box.h} px): it has three lines")
    e2e.wait_change(scrambled, w.walkup_caption, "Answer: Walkup caption changed back")
    check(not e2e.visible_windows(MESSAGE_TITLE), "no message box left open")
    answered = e2e.wait_still(w.whole, "window settled after the answer")
    e2e.keep(answered, "kymbral-7-answered")
    check(answered.region(w.walkup_caption) == before.region(w.walkup_caption),
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
