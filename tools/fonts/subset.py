#!/usr/bin/python3
"""Regenerates the embedded font subsets from the built-in texts.

    /usr/bin/python3 tools/fonts/subset.py            (from the repository root)

Needs Debian's python3-fonttools and fonts-noto-cjk. Reads every text file under data/ and every
non-ASCII character of the C++ sources under src/, keeps those characters plus ASCII, Latin and
general punctuation, full-width forms and CJK punctuation, and writes data/fonts/*.otf (the
Simplified Chinese faces of the Noto CJK collections, renamed so that they never clash with an
installed Noto face) and data/fonts/OFL.txt. Run it whenever a text gains a character; the font
coverage test in tests/ui names any character a subset lacks.
"""

import pathlib
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection

ROOT = pathlib.Path(__file__).resolve().parents[2]
NOTO = pathlib.Path("/usr/share/fonts/opentype/noto")
OUT = ROOT / "data" / "fonts"
LICENSE_SOURCE = pathlib.Path("/usr/share/doc/fonts-noto-cjk/copyright")

# (output file, collection, full name of the face taken from it, family given to the subset)
FACES = [
    ("PathoraSans-Regular.otf", "NotoSansCJK-Regular.ttc", "Noto Sans CJK SC", "Pathora Sans"),
    ("PathoraSans-Bold.otf", "NotoSansCJK-Bold.ttc", "Noto Sans CJK SC Bold", "Pathora Sans"),
    ("PathoraSerif-Regular.otf", "NotoSerifCJK-Regular.ttc", "Noto Serif CJK SC", "Pathora Serif"),
    ("PathoraSerif-Bold.otf", "NotoSerifCJK-Bold.ttc", "Noto Serif CJK SC Bold", "Pathora Serif"),
]

# Always present, whatever the texts hold: ASCII, Latin-1 and general punctuation, CJK
# punctuation, full-width forms (digits, letters, punctuation).
FIXED_RANGES = [(0x20, 0x7E), (0xA0, 0xFF), (0x2010, 0x2027), (0x2030, 0x203B), (0x3000, 0x3011),
                (0x3014, 0x301F), (0xFF01, 0xFF5E), (0xFFE0, 0xFFE6)]


def text_characters():
    chars = set()
    for path in sorted((ROOT / "data").rglob("*.txt")):
        if path.parent.name == "fonts":
            continue
        chars.update(path.read_text(encoding="utf-8"))
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix in (".cpp", ".h"):
            chars.update(c for c in path.read_text(encoding="utf-8") if ord(c) > 0x7E)
    return {ord(c) for c in chars if ord(c) >= 0x20}


def face_index(collection, full_name):
    for i, font in enumerate(collection.fonts):
        if font["name"].getDebugName(4) == full_name:
            return i
    sys.exit(f"{full_name} is not in the collection")


def rename(font, family, style):
    postscript = family.replace(" ", "") + "-" + style
    names = {1: family, 2: style, 3: f"{postscript};subset", 4: f"{family} {style}" if style != "Regular" else family,
             6: postscript}
    table = font["name"]
    for record in list(table.names):
        if record.nameID in (16, 17):
            table.removeNames(nameID=record.nameID)
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)
        table.setName(value, name_id, 1, 0, 0)
    cff = font["CFF "].cff
    cff.fontNames = [postscript]
    top = cff.topDictIndex[0]
    top.FullName = names[4]
    top.FamilyName = family
    if hasattr(top, "CIDFontName"):
        top.CIDFontName = postscript


def write_license(copyrights):
    lines = LICENSE_SOURCE.read_text(encoding="utf-8").splitlines()
    start = len(lines) - lines[::-1].index("License: SIL-1.1")
    body = []
    for line in lines[start:]:
        if line and not line.startswith(" "):
            break
        body.append("" if line.strip() == "." else line[1:])
    header = ["The fonts in this folder are subsets of Noto Sans CJK SC and Noto Serif CJK SC",
              "(regular and bold), renamed Pathora Sans and Pathora Serif and cut down by",
              "tools/fonts/subset.py to the characters of Pathora's texts.", ""]
    header += sorted(copyrights)
    header += ["", "This Font Software is licensed under the SIL Open Font License, Version 1.1.", ""]
    (OUT / "OFL.txt").write_text("\n".join(header + body).rstrip() + "\n", encoding="utf-8")


def main():
    if not LICENSE_SOURCE.exists():
        sys.exit("fonts-noto-cjk is not installed (apt-get install fonts-noto-cjk python3-fonttools)")
    needed = text_characters()
    unicodes = set(needed)
    for low, high in FIXED_RANGES:
        unicodes.update(range(low, high + 1))
    OUT.mkdir(parents=True, exist_ok=True)
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.prune_unicode_ranges = False
    copyrights = set()
    for out_name, collection_name, full_name, family in FACES:
        collection = TTCollection(str(NOTO / collection_name))
        font = collection.fonts[face_index(collection, full_name)]
        copyrights.add(font["name"].getDebugName(0))
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=unicodes)
        subsetter.subset(font)
        rename(font, family, "Bold" if full_name.endswith("Bold") else "Regular")
        font.save(str(OUT / out_name))
        missing = sorted(u for u in needed if u not in font.getBestCmap() and not chr(u).isspace())
        print(f"{out_name}: {len(font.getGlyphOrder())} glyphs, {(OUT / out_name).stat().st_size} bytes"
              + (f", not in the face: {''.join(map(chr, missing))!r}" if missing else ""))
    write_license(copyrights)


if __name__ == "__main__":
    main()
