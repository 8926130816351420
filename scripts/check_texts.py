#!/usr/bin/env python3
"""Checks the layout of text/text.csv, text/activities.csv and text/languages.csv before they ship.

Usage: check_texts.py [folder holding text.csv, activities.csv and languages.csv]
(default: data/text beside this script's parent). Exits 1 on the first file that fails.
"""
import re
import sys
from pathlib import Path

LANGUAGES = ["English", "French", "German", "Spanish", "Italian", "Dutch", "Welsh"]
COLUMNS = len(LANGUAGES)
TEXT_ROWS = 202
NAME_ROWS = 14

# Rows some screen shows: each needs a text in every language.
SHOWN = set(range(0, 45)) | set(range(46, 51)) | {66} | set(range(111, 119)) | set(range(149, 155)) | set(range(196, 200))
# Rows read into the table but never shown; text there is allowed.
OPTIONAL = {63, 64, 65}

# Longest text (in characters) that still fits its box, by row.
LIMITS = {5: 9, 38: 13, 39: 13, 40: 13, 41: 13, 49: 30, 50: 30, 66: 30, 153: 30, 154: 30}
LIMITS.update({r: 14 for r in range(7, 12)})
LIMITS[12] = 20
LIMITS.update({r: 28 for r in range(13, 23)})
LIMITS.update({r: 25 for r in range(23, 28)})
LIMITS.update({r: 34 for r in range(28, 33)})
LIMITS.update({r: 25 for r in range(33, 38)})
# The Jotter's buttons take a smaller size for a caption too wide at the normal one (measured by its tests).
LIMITS.update({r: 10 for r in range(196, 200)})


class Bad(Exception):
    pass


def decode(raw, name):
    if raw.startswith(b"\xef\xbb\xbf"):
        raise Bad(f"{name}: starts with a byte-order mark")
    try:
        text = raw.decode("utf-8", errors="strict")
    except UnicodeDecodeError as e:
        raise Bad(f"{name}: not valid UTF-8 at byte {e.start}") from None
    if not text.endswith("\r\n"):
        raise Bad(f"{name}: last line does not end with CR LF")
    for number, line in enumerate(text.split("\r\n"), start=1):
        if "\r" in line or "\n" in line:
            raise Bad(f"{name}: line {number} has a bare CR or LF")
    return text


def split_line(line, name, number):
    """The fields of one line; a quoted field must close right before its comma or the line end."""
    fields, pos = [], 0
    while True:
        if line.startswith('"', pos):
            close = line.find('"', pos + 1)
            if close < 0:
                raise Bad(f"{name}: line {number}: quote not closed")
            fields.append(line[pos + 1 : close])
            pos = close + 1
            if pos < len(line) and line[pos] != ",":
                raise Bad(f"{name}: line {number}: double quote inside a text (field {len(fields)})")
        else:
            end = line.find(",", pos)
            end = len(line) if end < 0 else end
            field = line[pos:end]
            if '"' in field:
                raise Bad(f"{name}: line {number}: double quote inside a text (field {len(fields) + 1})")
            if field.strip():
                raise Bad(f"{name}: line {number}: text without quotes (field {len(fields) + 1})")
            fields.append(field)
            pos = end
        if pos >= len(line):
            return fields
        pos += 1  # the comma


def read_in_sequence(text):
    """Fields as the program reads them: blanks and line breaks before a field skipped,
    a comma right before the line end closing an empty field."""
    fields, pos, after_comma, n = [], 0, False, len(text)
    while True:
        if after_comma:
            while pos < n and text[pos] in " \t":
                pos += 1
            after_comma = False
            if pos >= n:
                fields.append("")
                return fields
            if text[pos] in "\r\n":
                pos += 2 if text.startswith("\r\n", pos) else 1
                fields.append("")
                continue
        else:
            while pos < n and text[pos] in " \t\r\n":
                pos += 1
            if pos >= n:
                return fields
        if text[pos] == '"':
            close = text.find('"', pos + 1)
            close = n if close < 0 else close
            fields.append(text[pos + 1 : close])
            pos = min(close + 1, n)
            while pos < n and text[pos] not in ",\r\n":
                pos += 1
        else:
            start = pos
            while pos < n and text[pos] not in ",\r\n":
                pos += 1
            fields.append(text[start:pos].rstrip(" \t"))
        if pos < n:
            if text[pos] == ",":
                after_comma = True
                pos += 1
            else:
                pos += 2 if text.startswith("\r\n", pos) else 1


def check_file(path, rows=None):
    name = path.name
    try:
        raw = path.read_bytes()
    except OSError as e:
        raise Bad(f"{name}: cannot read ({e.strerror})") from None
    text = decode(raw, name)
    lines = text.split("\r\n")[:-1]
    if rows is not None and len(lines) != rows + 1:
        raise Bad(f"{name}: {len(lines)} lines, expected a header and {rows} rows")
    table = [split_line(line, name, i + 1) for i, line in enumerate(lines)]
    for i, fields in enumerate(table):
        if len(fields) != COLUMNS:
            raise Bad(f"{name}: line {i + 1} (row {i - 1}) has {len(fields)} fields, expected {COLUMNS}")
        for c, f in enumerate(fields):
            if f != f.strip():
                raise Bad(f"{name}: row {i - 1}, {LANGUAGES[c]}: blank at the start or end of the text")
    if table[0] != LANGUAGES:
        raise Bad(f"{name}: header is {table[0]}, expected {LANGUAGES}")
    flat = [f for fields in table for f in fields]
    if read_in_sequence(text) != flat:
        raise Bad(f"{name}: the program would read different fields from the ones on the lines")
    return table[1:]


def check_text_rows(table):
    for r, fields in enumerate(table):
        for c, f in enumerate(fields):
            where = f"text.csv: row {r}, {LANGUAGES[c]}"
            if r in SHOWN and not f:
                raise Bad(f"{where}: empty, but a screen shows it")
            if r not in SHOWN and r not in OPTIONAL and f:
                raise Bad(f"{where}: should be empty (is a line missing or doubled above it?)")
            if r in LIMITS and len(f) > LIMITS[r]:
                raise Bad(f"{where}: {len(f)} characters, at most {LIMITS[r]} fit ({f})")


HEADING = re.compile(r"^\[([a-z0-9_]+)\]$")
PLACEHOLDER = re.compile(r"%([1-9])")


def check_activity_rows(table):
    """Blocks under "[name]" headings: every row has all seven texts and the same placeholders."""
    names = []
    for r, fields in enumerate(table):
        heading = HEADING.match(fields[0])
        if heading:
            if any(fields[1:]):
                raise Bad(f"activities.csv: row {r}: a heading row holds nothing but its name")
            if heading.group(1) in names:
                raise Bad(f"activities.csv: row {r}: block [{heading.group(1)}] appears twice")
            names.append(heading.group(1))
            continue
        if not names:
            raise Bad(f"activities.csv: row {r}: a text before the first [name] heading")
        where = f"activities.csv: [{names[-1]}] row {r}"
        for c, f in enumerate(fields):
            if not f:
                raise Bad(f"{where}, {LANGUAGES[c]}: empty")
        # A language may say a number twice ("de %1 en %1"), but never drop or invent one.
        wanted = sorted(set(PLACEHOLDER.findall(fields[0])))
        for c, f in enumerate(fields[1:], start=1):
            if sorted(set(PLACEHOLDER.findall(f))) != wanted:
                raise Bad(f"{where}, {LANGUAGES[c]}: placeholders {sorted(set(PLACEHOLDER.findall(f)))}, English has {wanted}")
    return names


def check_name_rows(table):
    for r, fields in enumerate(table):
        for c, f in enumerate(fields):
            if not f:
                raise Bad(f"languages.csv: row {r}, {LANGUAGES[c]}: empty")


def main(argv):
    folder = Path(argv[1]) if len(argv) > 1 else Path(__file__).resolve().parent.parent / "data" / "text"
    try:
        texts = check_file(folder / "text.csv", TEXT_ROWS)
        check_text_rows(texts)
        names = check_file(folder / "languages.csv", NAME_ROWS)
        check_name_rows(names)
        activities = check_file(folder / "activities.csv")
        blocks = check_activity_rows(activities)
    except Bad as e:
        print(f"FAIL {e}", file=sys.stderr)
        return 1
    filled = sum(1 for fields in texts if any(fields))
    print(f"text.csv: header + {len(texts)} rows x {COLUMNS} fields, {filled} rows with text")
    print(f"languages.csv: header + {len(names)} rows x {COLUMNS} fields")
    print(f"activities.csv: header + {len(activities)} rows in {len(blocks)} blocks")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
