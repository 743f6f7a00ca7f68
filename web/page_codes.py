#!/usr/bin/env python3
"""Writes the page's module of codes from the module's own C++ enums, so that
what the two sides number is written once, in C++.

Usage: page_codes.py OUT HEADER:ENUM...

Each enum becomes an export of its name whose keys are its enumerators in
capitals (MouseUp is MOUSE_UP, kScorm12 is SCORM12). Asking one for a key it
does not have throws, so a code renamed on the C++ side stops the page at
once instead of sending nothing."""
import re
import sys
from pathlib import Path

ENUM = r"enum\s+class\s+{}\s*(?::\s*[\w:]+\s*)?\{{([^}}]*)\}}"


def enumerators(header, name):
    """[(enumerator, value)] of enum class `name` in the header."""
    text = re.sub(r"//[^\n]*|/\*.*?\*/", "", Path(header).read_text(), flags=re.S)
    found = re.search(ENUM.format(re.escape(name)), text)
    if not found:
        sys.exit(f"page_codes.py: no enum class {name} in {header}")
    codes, value = [], -1
    for entry in filter(None, (part.strip() for part in found.group(1).split(","))):
        key, _, given = (part.strip() for part in entry.partition("="))
        value = int(given, 0) if given else value + 1
        codes.append((key, value))
    return codes


def capitals(enumerator):
    bare = re.sub(r"^k(?=[A-Z])", "", enumerator)
    return re.sub(r"(?<=[a-z0-9])(?=[A-Z])", "_", bare).upper()


def module(wanted):
    lines = ["// Made from the module's C++ headers when the site is built (web/page_codes.py).",
             "const named = (name, codes) => new Proxy(Object.freeze(codes), {",
             "  get(target, key) {",
             "    if (typeof key === 'symbol' || key in target) return target[key];",
             "    throw new Error(`${name} has no code ${key}`);",
             "  },",
             "});"]
    for named_enum in wanted:
        header, name = named_enum.rsplit(":", 1)
        pairs = ", ".join(f"{capitals(key)}: {value}" for key, value in enumerators(header, name))
        lines.append(f"export const {name} = named('{name}', {{ {pairs} }});")
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    out = Path(sys.argv[1])
    out.parent.mkdir(parents=True, exist_ok=True)
    text = module(sys.argv[2:])
    if not out.exists() or out.read_text() != text:
        out.write_text(text)
