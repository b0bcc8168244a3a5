#!/usr/bin/env python3
"""Prints how far each article in resources/articles is from the shape it must have.

Usage: tools/article_distance.py [key ...]
A row reads "ok" when the file meets its shape; otherwise it lists what is off,
as "have/want". The Qt test suite checks the same rules; this is the quick view
while writing.
"""
import csv
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SHAPES = ROOT / "tests" / "articles" / "article_shapes.tsv"
ARTICLES = ROOT / "resources" / "articles"

EXTRA_SIGNS = set("\u2013\u00a9\u201c\u201d\u2116\u2026")
ADDRESS = re.compile(r"^(https?://|www\.)\S+$")


def allowed(ch):
    code = ord(ch)
    if ch == "\t" or 0x20 <= code < 0x7F:
        return True
    if 0x410 <= code <= 0x44F or ch in "\u0401\u0451":
        return True
    return ch in EXTRA_SIGNS


def distance(row):
    path = ARTICLES / f"{row['key']}.txt"
    if not path.exists():
        return ["missing"]
    raw = path.read_bytes()
    problems = []
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as err:
        return [f"not UTF-8 ({err})"]
    if "\r" in text:
        problems.append("has CR: store lines with LF only")
    if not text.endswith("\n"):
        problems.append("last line lacks its line break")
    lines = text[:-1].split("\n") if text.endswith("\n") else text.split("\n")

    def compare(name, have, want):
        if have != want:
            problems.append(f"{name} {have}/{want} ({have - want:+d})")

    compare("lines", len(lines), int(row["lines"]))
    compare("chars", sum(len(l) for l in lines), int(row["characters"]))
    compare("longest", max((len(l) for l in lines), default=0), int(row["longest_line"]))
    compare("blank", sum(1 for l in lines if l == ""), int(row["blank_lines"]))
    compare("tabs", text.count("\t"), int(row["tabs"]))

    first, match = row["first_line"], row["match"]
    if match == "exact" and lines[0] != first:
        problems.append(f"first line must be exactly {first!r}")
    elif match == "prefix" and not lines[0].startswith(first):
        problems.append(f"first line must begin with {first!r}")
    elif match == "after_address":
        if not ADDRESS.match(lines[0]) or len(lines) < 2 or lines[1] != first:
            problems.append(f"first line must be a web address, the second {first!r}")

    bad = sorted({ch for ch in text if ch != "\n" and not allowed(ch)})
    if bad:
        problems.append("characters outside the repertoire: " + " ".join(f"U+{ord(c):04X}{c}" for c in bad))
    return problems


def main():
    wanted = set(sys.argv[1:])
    with SHAPES.open(encoding="utf-8") as f:
        rows = [r for r in csv.DictReader(f, delimiter="\t") if not wanted or r["key"] in wanted]
    for row in rows:
        problems = distance(row)
        print(f"{row['key']:5} " + ("ok" if not problems else "; ".join(problems)))


if __name__ == "__main__":
    main()
