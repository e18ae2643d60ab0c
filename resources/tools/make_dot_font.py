#!/usr/bin/env python3
"""Generates the dot-matrix label's built-in 7 x 12 dot font.

Writes displays/DotFontData.cpp: 224 glyphs for the character codes 32 to 255,
14 bytes each in code order: the leftmost lit column, the rightmost lit
column, then 12 row bytes from the top (bit k = column k from the left).

Metrics: capitals and digits stand on rows 1 to 9, the lower-case body on
rows 4 to 9, descenders reach rows 10 and 11. Accented capitals shrink to
rows 3 to 9 below their accent; accented lower-case letters carry it on rows
1 and 2. Codes 127 to 159 (no printable Latin-1 characters) have no dots and
show as a blank of half the font width.

Glyph notation: the first number is the top row, then one pattern per row
("#" lit, "." dark, padded to 7 columns); "pattern*n" repeats a row n times.

Run from anywhere: python3 resources/tools/make_dot_font.py
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "displays", "DotFontData.cpp")
WIDTH, HEIGHT = 7, 12

GLYPHS = {
    " ": "0",
    "!": "1 ...#...*7 ....... ...#...",
    '"': "1 ..#.#..*3",
    "#": "2 ..#.#.. .#####. ..#.#.. .#####. ..#.#..",
    "$": "1 ...#... ..####. .#.#... .#.#... ..###.. ...#.#. ...#.#. .####.. ...#...",
    "%": "1 .##.... .##..#. ....#.. ....#.. ...#... ..#.... ..#.... .#..##. ....##.",
    "&": "1 ..##... .#..#.. .#..#.. ..##... .#.#... #...#.# #....#. #...#.# .###..#",
    "'": "1 ...#...*3",
    "(": "1 ....#.. ...#... ..#....*5 ...#... ....#..",
    ")": "1 ..#.... ...#... ....#..*5 ...#... ..#....",
    "*": "3 ...#... .#.#.#. ..###.. .#.#.#. ...#...",
    "+": "3 ...#...*2 .#####. ...#...*2",
    ",": "8 ...##.. ....#.. ...#...",
    "-": "5 .#####.",
    ".": "9 ...#...",
    "/": "1 .....#.*2 ....#..*2 ...#... ..#....*2 .#.....*2",
    "0": "1 ..###.. .#...#.*7 ..###..",
    "1": "1 ...#... ..##... .#.#... ...#...*5 .#####.",
    "2": "1 ..###.. .#...#. .....#.*2 ....#.. ...#... ..#.... .#..... .#####.",
    "3": "1 ..###.. .#...#. .....#.*2 ...##.. .....#.*2 .#...#. ..###..",
    "4": "1 ....#.. ...##.. ..#.#..*2 .#..#.. .#####. ....#..*3",
    "5": "1 .#####. .#.....*2 .####.. .....#.*3 .#...#. ..###..",
    "6": "1 ..###.. .#.....*2 .####.. .#...#.*4 ..###..",
    "7": "1 .#####. .....#.*2 ....#..*2 ...#...*4",
    "8": "1 ..###.. .#...#.*3 ..###.. .#...#.*3 ..###..",
    "9": "1 ..###.. .#...#.*4 ..####. .....#.*2 ..###..",
    ":": "5 ...#... ....... ....... ....... ...#...",
    ";": "5 ...#... ....... ....... ....... ...#... ..#....",
    "<": "2 .....#. ....#.. ...#... ..#.... ...#... ....#.. .....#.",
    "=": "4 .#####. ....... .#####.",
    ">": "2 .#..... ..#.... ...#... ....#.. ...#... ..#.... .#.....",
    "?": "1 ..###.. .#...#. .....#.*2 ....#.. ...#...*2 ....... ...#...",
    "@": "1 ..###.. .#...#. #..##.# #.#.#.#*2 #..###. #...... .#...#. ..###..",
    "A": "1 ...#...*2 ..#.#..*2 .#...#. .#####. .#...#.*2 ###.###",
    "B": "1 .####.. .#...#.*3 .####.. .#...#.*3 .####..",
    "C": "1 ..###.. .#...#. .#.....*5 .#...#. ..###..",
    "D": "1 .###... .#..#.. .#...#.*5 .#..#.. .###...",
    "E": "1 .#####. .#.....*3 .####.. .#.....*3 .#####.",
    "F": "1 .#####. .#.....*3 .####.. .#.....*4",
    "G": "1 ..###.. .#...#. .#.....*2 .#.###. .#...#.*3 ..####.",
    "H": "1 .#...#.*4 .#####. .#...#.*4",
    "I": "1 ..###.. ...#...*7 ..###..",
    "J": "1 ..####. .....#.*6 .#...#. ..###..",
    "K": "1 .#...#. .#..#.. .#.#... .##....*2 .#.#... .#..#.. .#...#.*2",
    "L": "1 .#.....*8 .#####.",
    "M": "1 #.....# ##...## #.#.#.# #..#..# #.....#*5",
    "N": "1 .#...#. .##..#.*2 .#.#.#.*2 .#..##.*2 .#...#.*2",
    "O": "1 ..###.. .#...#.*7 ..###..",
    "P": "1 .####.. .#...#.*3 .####.. .#.....*4",
    "Q": "1 ..###.. .#...#.*5 .#.#.#. .#..#.. ..##.#.",
    "R": "1 .####.. .#...#.*3 .####.. .#.#... .#..#.. .#...#.*2",
    "S": "1 ..###.. .#...#. .#.....*2 ..###.. .....#.*2 .#...#. ..###..",
    "T": "1 ####### ...#...*8",
    "U": "1 .#...#.*8 ..###..",
    "V": "1 .#...#.*5 ..#.#..*2 ...#...*2",
    "W": "1 #.....#*5 #..#..#*2 #.#.#.# .#...#.",
    "X": "1 .#...#.*2 ..#.#..*2 ...#... ..#.#..*2 .#...#.*2",
    "Y": "1 .#...#.*2 ..#.#..*2 ...#...*5",
    "Z": "1 .#####. .....#. ....#..*2 ...#... ..#....*2 .#..... .#####.",
    "[": "1 ..###.. ..#....*7 ..###..",
    "\\": "1 .#.....*2 ..#....*2 ...#... ....#..*2 .....#.*2",
    "]": "1 ..###.. ....#..*7 ..###..",
    "^": "1 ...#... ..#.#.. .#...#.",
    "_": "10 #######",
    "`": "1 ..#.... ...#...",
    "a": "4 ..###.. .....#. ..####. .#...#.*2 ..####.",
    "b": "1 .#.....*3 .####.. .#...#.*4 .####..",
    "c": "4 ..###.. .#...#. .#.....*2 .#...#. ..###..",
    "d": "1 .....#.*3 ..####. .#...#.*4 ..####.",
    "e": "4 ..###.. .#...#. .#####. .#..... .#...#. ..###..",
    "f": "1 ...##.. ..#....*2 .####.. ..#....*5",
    "g": "4 ..####. .#...#.*4 ..####. .....#. ..###..",
    "h": "1 .#.....*3 .####.. .#...#.*5",
    "i": "2 ...#... ....... ..##... ...#...*4 ..###..",
    "j": "2 ....#.. ....... ...##.. ....#..*6 ..##...",
    "k": "1 .#.....*3 .#...#. .#..#.. .###... .#..#.. .#...#.*2",
    "l": "1 ..##... ...#...*7 ..###..",
    "m": "4 ###.##. #..#..#*5",
    "n": "4 .####.. .#...#.*5",
    "o": "4 ..###.. .#...#.*4 ..###..",
    "p": "4 .####.. .#...#.*4 .####.. .#.....*2",
    "q": "4 ..####. .#...#.*4 ..####. .....#.*2",
    "r": "4 .#.###. .##.... .#.....*4",
    "s": "4 ..####. .#..... ..###.. .....#.*2 .####..",
    "t": "2 ..#....*2 .####.. ..#....*4 ...##..",
    "u": "4 .#...#.*5 ..####.",
    "v": "4 .#...#.*2 ..#.#..*2 ...#...*2",
    "w": "4 #.....#*3 #..#..# #.#.#.# .#...#.",
    "x": "4 .#...#. ..#.#.. ...#...*2 ..#.#.. .#...#.",
    "y": "4 .#...#.*5 ..####. .....#. ..###..",
    "z": "4 .#####. ....#.. ...#... ..#.... .#..... .#####.",
    "{": "1 ....##. ...#...*3 ..#.... ...#...*3 ....##.",
    "|": "1 ...#...*10",
    "}": "1 .##.... ...#...*3 ....#.. ...#...*3 .##....",
    "~": "4 .##..#. #..##..",
    "\u00a0": "0",
    "\u00a1": "2 ...#... ....... ...#...*7",
    "\u00a2": "2 ...#... ..####. .#.#...*4 ..####. ...#...",
    "\u00a3": "1 ...##.. ..#..#. ..#....*2 .####.. ..#....*3 .#####.",
    "\u00a4": "3 .#...#. ..###.. ..#.#.. ..###.. .#...#.",
    "\u00a5": "1 .#...#.*2 ..#.#.. ...#... .#####. ...#... .#####. ...#...*2",
    "\u00a6": "1 ...#...*4 ....... ...#...*4",
    "\u00a7": "1 ..###.. .#..... ..##... .#..#.. .#...#. ..#..#. ...##.. .....#. ..###..",
    "\u00a8": "1 ..#.#..",
    "\u00a9": "1 ..###.. .#...#. #.###.# #.#...#*2 #.###.# .#...#. ..###..",
    "\u00aa": "1 ..##... ....#.. ..###.. .#..#.. ..###.. ....... .####..",
    "\u00ab": "4 ...#..# ..#..#. .#..#.. ..#..#. ...#..#",
    "\u00ac": "5 .#####. .....#.*2",
    "\u00ad": "5 ..###..",
    "\u00ae": "1 ..###.. .#...#. #.##..# #.#.#.# #.##..# #.#.#.# .#...#. ..###..",
    "\u00af": "1 .#####.",
    "\u00b0": "1 ..##... .#..#..*2 ..##...",
    "\u00b1": "2 ...#...*2 .#####. ...#...*2 ....... .#####.",
    "\u00b2": "1 ..##... ....#.. ...#... ..#.... ..###..",
    "\u00b3": "1 ..##... ....#.. ...#... ....#.. ..##...",
    "\u00b4": "1 ....#.. ...#...",
    "\u00b5": "4 .#..#..*5 .###.#. .#.....*2",
    "\u00b6": "1 ..####. .###.#.*2 ..##.#. ...#.#.*5",
    "\u00b7": "5 ...#...",
    "\u00b8": "10 ....#.. ...#...",
    "\u00b9": "1 ...#... ..##... ...#...*2 ..###..",
    "\u00ba": "1 ..###.. .#...#.*2 ..###.. ....... .#####.",
    "\u00bb": "4 #..#... .#..#.. ..#..#. .#..#.. #..#...",
    "\u00bc": "1 #....#. #...#.. #..#... ..#.... .#..#.. #..##.. ..#.#.. ..####. ....#..",
    "\u00bd": "1 #....#. #...#.. #..#... ..#.... .#.##.. #...#.. ...#... ..#.... ..###..",
    "\u00be": "1 ##...#. .#..#.. ##.#... ..#.... .#..#.. #..##.. ..#.#.. ..####. ....#..",
    "\u00bf": "1 ...#... ....... ...#...*2 ..#.... .#.....*2 .#...#. ..###..",
    "\u00c6": "1 ..##### .#.#... .#.#... #..#... #..###. ####... #..#...*2 #..####",
    "\u00d0": "1 .###... .#..#.. .#...#.*2 ###..#. .#...#.*2 .#..#.. .###...",
    "\u00d7": "3 .#...#. ..#.#.. ...#... ..#.#.. .#...#.",
    "\u00d8": "1 ..###.# .#...#. .#..##.*2 .#.#.#. .##..#.*2 .#...#. #.###..",
    "\u00de": "1 .#.....*2 .####.. .#...#.*3 .####.. .#.....*2",
    "\u00df": "1 ..##... .#..#..*2 .#.#... .#..#.. .#...#.*3 .#.##..",
    "\u00e6": "4 .##.##. ...#..# .###### #..#... #..#..# .##.##.",
    "\u00f0": "1 .#.#... ..#.... .#.#... ....#.. ..####. .#...#.*3 ..###..",
    "\u00f7": "3 ...#... ....... .#####. ....... ...#...",
    "\u00f8": "4 ..###.# .#..##. .#.#.#.*2 .##..#. #.###..",
    "\u00fe": "1 .#.....*3 .####.. .#...#.*4 .####.. .#.....*2",
    # dotless i, the base of the accented lower-case i
    "\u0131": "4 ..##... ...#...*4 ..###..",
}

ACCENTS = {
    "grave": ["..#....", "...#..."],
    "acute": ["....#..", "...#..."],
    "circumflex": ["...#...", "..#.#.."],
    "tilde": ["..##.#.", ".#.##.."],
    "diaeresis": [".......", "..#.#.."],
    "ring": ["...#...", "..#.#..", "...#..."],
}

# Accented letters: code -> (base, accent); a base of "C," / "c," adds a cedilla.
COMPOSED = {}
for first, base, accents in (
    (0xC0, "A", ["grave", "acute", "circumflex", "tilde", "diaeresis", "ring"]),
    (0xC8, "E", ["grave", "acute", "circumflex", "diaeresis"]),
    (0xCC, "I", ["grave", "acute", "circumflex", "diaeresis"]),
    (0xD2, "O", ["grave", "acute", "circumflex", "tilde", "diaeresis"]),
    (0xD9, "U", ["grave", "acute", "circumflex", "diaeresis"]),
    (0xE0, "a", ["grave", "acute", "circumflex", "tilde", "diaeresis", "ring"]),
    (0xE8, "e", ["grave", "acute", "circumflex", "diaeresis"]),
    (0xEC, "\u0131", ["grave", "acute", "circumflex", "diaeresis"]),
    (0xF2, "o", ["grave", "acute", "circumflex", "tilde", "diaeresis"]),
    (0xF9, "u", ["grave", "acute", "circumflex", "diaeresis"]),
):
    for i, accent in enumerate(accents):
        COMPOSED[first + i] = (base, accent)
COMPOSED[0xD1] = ("N", "tilde")
COMPOSED[0xDD] = ("Y", "acute")
COMPOSED[0xF1] = ("n", "tilde")
COMPOSED[0xFD] = ("y", "acute")
COMPOSED[0xFF] = ("y", "diaeresis")
COMPOSED[0xC7] = ("C", "cedilla")
COMPOSED[0xE7] = ("c", "cedilla")


def parse(glyph_text):
    tokens = glyph_text.split()
    row = int(tokens[0])
    rows = ["." * WIDTH] * HEIGHT
    for token in tokens[1:]:
        pattern, _, count = token.partition("*")
        for _ in range(int(count or 1)):
            assert len(pattern) <= WIDTH and row < HEIGHT, glyph_text
            rows[row] = pattern.ljust(WIDTH, ".")
            row += 1
    return rows


def lit_columns(rows):
    return [c for c in range(WIDTH) if any(r[c] == "#" for r in rows)]


def overlay(rows, pattern_rows, top, shift):
    rows = list(rows)
    for i, pattern in enumerate(pattern_rows):
        line = list(rows[top + i])
        for c, ch in enumerate(pattern):
            if ch == "#":
                line[c + shift] = "#"
        rows[top + i] = "".join(line)
    return rows


def shrink(rows, count):
    """Drops rows that repeat the row above, from the top, until count remain."""
    rows = list(rows)
    while len(rows) > count:
        for i in range(1, len(rows)):
            if rows[i] == rows[i - 1]:
                del rows[i]
                break
        else:
            raise ValueError("cannot shrink")
    return rows


def compose(base, accent):
    rows = parse(GLYPHS[base])
    if accent == "cedilla":
        return overlay(rows, ["...#...", "..#...."], 10, 0)
    cols = lit_columns(rows)
    shift = (cols[0] + cols[-1]) // 2 - 3
    marks = ACCENTS[accent]
    if base.isupper():
        body = shrink(rows[1:10], 7)
        rows = ["." * WIDTH] * 3 + body + rows[10:]
        return overlay(rows, marks, 0, shift)
    return overlay(rows, marks, 1, shift)


def glyph_rows(code):
    if code in COMPOSED:
        return compose(*COMPOSED[code])
    ch = chr(code)
    if ch in GLYPHS:
        return parse(GLYPHS[ch])
    return None


def encode(code):
    rows = glyph_rows(code)
    if rows is None:
        assert 0x7F <= code <= 0x9F, "no glyph for %d" % code
        rows = ["." * WIDTH] * HEIGHT
    cols = lit_columns(rows)
    if code in (0x20, 0xA0):
        left, right = 0, WIDTH - 1
    elif not cols:
        left, right = 0, WIDTH // 2
    else:
        left, right = cols[0], cols[-1]
    data = [sum(1 << c for c in range(WIDTH) if r[c] == "#") for r in rows]
    return [left, right] + data, rows


def check():
    expect = {
        "A": [0, 6, 0x00, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00],
        "0": [1, 5, 0x00, 0x1C, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1C, 0x00, 0x00],
        ".": [3, 3] + [0] * 9 + [0x08, 0, 0],
        " ": [0, 6] + [0] * 12,
    }
    for ch, data in expect.items():
        assert encode(ord(ch))[0] == data, ch
    g = encode(ord("g"))[0][2:]
    assert [i for i, r in enumerate(g) if r] == list(range(4, 12))


def main():
    check()
    lines = [
        "// The built-in 7 x 12 dot font of the dot-matrix label, codes 32 to 255.",
        "// Generated by resources/tools/make_dot_font.py; edit the glyphs there.",
        "// Per glyph: leftmost lit column, rightmost lit column, 12 rows from the",
        "// top (bit k = column k from the left).",
        '#include "DotFont.h"',
        "",
        "namespace vok {",
        "",
        "const quint8 BuiltInDotFont[DotFontGlyphCount][DotFontGlyphBytes] = {",
    ]
    for code in range(32, 256):
        data, _ = encode(code)
        name = "U+%04X" % code if code < 0x21 or 0x7F <= code <= 0xA0 or code in (0x5C, 0xAD) else chr(code)
        lines.append("    {%s}, // %d %s" % (", ".join("0x%02X" % b for b in data), code, name))
    lines += ["};", "", "} // namespace vok", ""]
    tmp = OUT + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    os.replace(tmp, OUT)


if __name__ == "__main__":
    main()
