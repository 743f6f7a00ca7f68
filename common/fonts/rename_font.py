#!/usr/bin/env python3
"""Copies a TrueType font under another family name.

Usage: rename_font.py SOURCE TARGET FAMILY

Only the names that identify the face change (family, full name, PostScript
name, unique id); outlines, metrics and the copyright and licence records stay
as they are. A family name of our own cannot meet the same family installed on
a machine in another version, which the font system might take instead.
"""
import struct
import sys

FAMILY, SUBFAMILY, UNIQUE, FULL, POSTSCRIPT, TYPO_FAMILY, WWS_FAMILY = 1, 2, 3, 4, 6, 16, 21


def decode(platform, raw):
    return raw.decode("utf-16-be") if platform in (0, 3) else raw.decode("latin-1")


def encode(platform, text):
    return text.encode("utf-16-be") if platform in (0, 3) else text.encode("latin-1")


def renamed_name_table(table, family):
    fmt, count, storage = struct.unpack_from(">HHH", table)
    if fmt != 0:
        sys.exit("name table format %d is not handled" % fmt)
    records = [struct.unpack_from(">6H", table, 6 + 12 * i) for i in range(count)]
    texts = [table[storage + off:storage + off + length] for *_, length, off in records]
    style = next(decode(r[0], t) for r, t in zip(records, texts) if r[3] == SUBFAMILY)
    full = "%s %s" % (family, style)
    new_texts = {
        FAMILY: family, TYPO_FAMILY: family, WWS_FAMILY: family, FULL: full,
        UNIQUE: "Kymbral: " + full,
        POSTSCRIPT: "%s-%s" % (family.replace(" ", ""), style.replace(" ", "")),
    }
    heads, strings = [], b""
    for (platform, encoding, language, name_id, _, _), text in zip(records, texts):
        if name_id in new_texts:
            text = encode(platform, new_texts[name_id])
        heads.append(struct.pack(">6H", platform, encoding, language, name_id, len(text),
                                 len(strings)))
        strings += text
    return struct.pack(">HHH", 0, count, 6 + 12 * count) + b"".join(heads) + strings


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def rename(font, family):
    count = struct.unpack_from(">H", font, 4)[0]
    directory = [struct.unpack_from(">4sIII", font, 12 + 16 * i) for i in range(count)]
    tables = {tag: font[offset:offset + length] for tag, _, offset, length in directory}
    tables[b"name"] = renamed_name_table(tables[b"name"], family)
    head = bytearray(tables[b"head"])
    head[8:12] = b"\0\0\0\0"  # checkSumAdjustment, set last over the whole file
    tables[b"head"] = bytes(head)

    offset = 12 + 16 * count
    records, body, positions = b"", b"", {}
    for tag, _, _, _ in directory:
        data = tables[tag]
        positions[tag] = offset + len(body)
        records += struct.pack(">4sIII", tag, checksum(data), positions[tag], len(data))
        body += data + b"\0" * (-len(data) % 4)
    out = bytearray(font[:12] + records + body)
    adjustment = (0xB1B0AFBA - checksum(bytes(out))) & 0xFFFFFFFF
    struct.pack_into(">I", out, positions[b"head"] + 8, adjustment)
    return bytes(out)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, target, family = sys.argv[1:]
    with open(source, "rb") as f:
        font = f.read()
    with open(target, "wb") as f:
        f.write(rename(font, family))


if __name__ == "__main__":
    main()
