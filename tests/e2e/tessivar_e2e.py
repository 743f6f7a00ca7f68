#!/usr/bin/env python3
"""End-to-end test of tessivar: the real slide show on an X display, driven
with xdotool, each step judged by what the screen shows.

Usage: tessivar_e2e.py PATH-TO-TESSIVAR   (under xvfb-run, screen 1400x900x24,
run from the folder that holds "Orvane ScreenShots")
"""

import os
import sys

import e2e
from e2e import Rect, check

TITLE = "Tessivar"
CLIENT_SIZE = (1239, 705)
SHOTS = "Orvane ScreenShots"
# Target points (lower-right corners of the accepted areas) of slides 0 to 2, in twips.
TARGETS = [(2805, 8820), (2055, 2085), (8325, 7620)]


# Qt and ImageMagick decode the same JPEG alike; allow a little for rounding.
FUZZ = "3%"
MOST_UNLIKE = 150


def shows(shot, r, slide):
    return e2e.differing(shot, image(slide), r, FUZZ) <= MOST_UNLIKE


def image(slide):
    return os.path.join(os.getcwd(), SHOTS, f"ScreenShot-{slide}.jpg")


def target_pixel(origin, slide):
    """The pixel just inside the lower-right corner of the slide's accepted area."""
    x, y = TARGETS[slide]
    return origin[0] + x // e2e.TWIPS_PER_PIXEL - 5, origin[1] + y // e2e.TWIPS_PER_PIXEL - 5


def steps(program):
    for slide in range(4):
        check(os.path.isfile(image(slide)), f"{image(slide)} exists")

    wid = e2e.find_window(TITLE, timeout=10)
    frame = e2e.geometry(wid)
    check((frame.w, frame.h) == CLIENT_SIZE, f"client area is {frame.w} x {frame.h}")
    ox, oy = frame.x, frame.y
    whole = Rect(ox, oy, *CLIENT_SIZE)
    # Left of the instruction box and the score line: only the screenshot, plus
    # the clue line when one is shown.
    picture = Rect(ox, oy, 940, 705)
    # Above the clue line's start point and left of its reach at clue level 1:
    # only the screenshot, whatever the clue.
    plain = Rect(ox, oy, 840, 420)
    clue_label = Rect.twips(14160, 9720, 1695, 255, (ox, oy))
    # Where the short clue line of slide 1 lies: from the start point
    # (14040, 6840) a tenth of the way towards the target.
    short_clue = Rect.twips(12780, 6300, 1350, 600, (ox, oy))

    shown = e2e.wait_still(whole, "slide window drawn and settled")
    check(shows(shown, plain, 0), "slide 0 shows screenshot 0")

    def advance(slide):
        """Clicks the target of the slide on show; the next screenshot must appear."""
        nonlocal shown
        e2e.click(*target_pixel((ox, oy), slide))
        e2e.wait_change(shown, picture, f"slide {slide}: target click changed the picture",
                        at_least=100)
        shown = e2e.wait_still(whole, f"slide {slide + 1} drawn and settled")
        check(shows(shown, picture, slide + 1),
              f"slide {slide + 1} shows screenshot {slide + 1}, without a clue line")
        check(not shows(shown, picture, slide),
              f"slide {slide + 1} no longer shows screenshot {slide}")

    advance(0)

    # A wrong click: the short clue line and the clue level show, the slide stays.
    e2e.click(ox + 600, oy + 300)
    e2e.wait_change(shown, short_clue, "wrong click: a clue line appears")
    wrong = e2e.wait_still(whole, "window settled after the wrong click")
    check(e2e.differing(shown, wrong, clue_label) > 0, "wrong click: clue level changed")
    check(e2e.same(wrong, shown, plain), "wrong click: the picture stays")
    check(shows(wrong, plain, 1), "wrong click: still screenshot 1")
    shown = wrong

    advance(1)
    advance(2)

    check(program.poll() is None, "tessivar still running")
    e2e.close_and_expect_clean_exit(program, wid)


if __name__ == "__main__":
    sys.exit(e2e.main("tessivar", __doc__, steps))
