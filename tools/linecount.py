#!/usr/bin/env python3
"""Estimate how many display lines a content text takes in a text box.

Usage: linecount.py FILE [--width UNITS]

FILE uses the content format: '@@ key' lines start an entry, the lines up to
the next '@@ ' line are its text.  For every entry the script prints the number
of display lines: each text line wraps after UNITS width units (a CJK or
full-width character is 1 unit, an ASCII character 0.5) and an empty line
counts as one line.
"""
import sys, math, unicodedata

def units(s):
    return sum(1.0 if unicodedata.east_asian_width(c) in "WF" else 0.5 for c in s)

def display_lines(text, width):
    n = 0
    for line in text.split("\n"):
        n += max(1, math.ceil(units(line) / width))
    return n

def entries(path):
    key, buf, out = None, [], []
    for raw in open(path, encoding="utf-8").read().split("\n"):
        if raw.startswith("@@ "):
            if key is not None:
                out.append((key, "\n".join(buf).strip("\n")))
            key, buf = raw[3:].strip(), []
        else:
            buf.append(raw)
    if key is not None:
        out.append((key, "\n".join(buf).strip("\n")))
    return out

if __name__ == "__main__":
    width = 47.0
    args = sys.argv[1:]
    if "--width" in args:
        i = args.index("--width"); width = float(args[i + 1]); del args[i:i + 2]
    for key, text in entries(args[0]):
        print(f"{key}\t{display_lines(text, width)} lines\t{len(text)} chars")
