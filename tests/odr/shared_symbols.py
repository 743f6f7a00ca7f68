#!/usr/bin/env python3
"""Fails when both programs' libraries define one external symbol of their
own (a function or a variable in a .cpp file, outside an unnamed namespace):
a binary that links both keeps one of them, and the other program calls it.
What both take from the shared headers is inline (weak) and left alone.

Usage: shared_symbols.py KYMBRAL-LIBRARY... -- TESSIVAR-LIBRARY..."""
import subprocess
import sys

STRONG = set("TDBR")


def defined(libraries):
    listing = subprocess.run(["nm", "-C", "--defined-only", "--extern-only", *libraries],
                             check=True, capture_output=True, text=True).stdout
    return {fields[2] for fields in (line.split(" ", 2) for line in listing.splitlines())
            if len(fields) == 3 and fields[1] in STRONG}


if __name__ == "__main__":
    split = sys.argv.index("--")
    both = sorted(defined(sys.argv[1:split]) & defined(sys.argv[split + 1:]))
    for symbol in both:
        print(f"defined by both programs: {symbol}")
    sys.exit(1 if both else 0)
