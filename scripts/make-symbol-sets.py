#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write the symbol sets shipped with Threadwright (data/characters/*.chr).

Usage: python3 scripts/make-symbol-sets.py data/fonts/VelwickArtSymbols110.ttf data/characters

The sets on VelwickArtSymbols110 name their symbols by glyph name, so they
follow the font when its code points move; the font file is read for the
mapping.  The DejaVu Sans set is checked against the installed DejaVu Sans.
Needs Debian's python3-fontforge and fontconfig (fc-match).
"""

import os
import subprocess
import sys

try:
    import fontforge
except ImportError:
    # A Python outside the system one (pyenv, venv) does not see Debian's module.
    sys.path.append("/usr/lib/python3/dist-packages")
    import fontforge

OWN_FONT = "VelwickArtSymbols110"
DEJAVU = "DejaVu Sans"
# Text layout hides U+00AD (soft hyphen), text taken out of a PDF turns
# U+00A0 (no-break space) into a blank; codes 128-159 go through the
# Windows-1252 code page when a set is loaded.
AVOIDED_CODES = {0xA0, 0xAD} | set(range(128, 160))

# Most distinct first: colours get symbols in index order.  Checked on
# 11-pixel renderings: every symbol differs from every earlier one in at
# least 7 pixels, allowing a one-pixel shift.
STANDARD = [
    "sym.square.filled", "sym.circle.filled", "sym.triangle.up.filled", "sym.cross.bold",
    "sym.plus.bold", "sym.square.hollow", "sym.circle.hollow", "sym.diamond.filled",
    "sym.star5.filled", "sym.heart.filled", "sym.triangle.down.filled", "sym.triangle.up.hollow",
    "sym.diamond.hollow", "sym.bars.2h", "sym.arrow.right", "sym.triangle.left.filled",
    "sym.triangle.right.filled", "sym.circle.dot", "sym.square.dot", "sym.hash", "sym.asterisk",
    "sym.check", "sym.crescent", "sym.club", "sym.spade", "sym.heart.hollow", "sym.arrow.up",
    "sym.triangle.down.hollow", "sym.hourglass", "sym.bowtie", "sym.dots.4", "sym.dots.therefore",
    "sym.bolt", "sym.drop", "sym.square.cutx", "sym.circle.cutplus", "sym.bar.vertical",
    "sym.bar.horizontal", "sym.star6.filled", "sym.star4.filled", "sym.square.halfleft",
    "sym.circle.halfleft", "sym.square.diagll", "sym.house", "sym.flower", "sym.bell", "sym.tree",
    "sym.arrow.left", "sym.arrow.down", "sym.chevron.up", "sym.chevron.down", "sym.bar.slash",
    "sym.bar.backslash", "sym.dots.2h", "sym.dots.2v", "sym.hexagon.filled", "sym.oval.wide",
    "sym.oval.tall", "sym.plus.in_circle", "sym.cross.in_square", "A", "C", "E", "F", "H", "K",
    "M", "N", "R", "U", "W", "Y", "J", "Q", "G", "V", "L", "D", "T", "Z", "one", "three", "four",
    "seven", "eight", "zero", "sym.triangle.left.hollow", "sym.triangle.right.hollow",
    "sym.star5.hollow", "sym.square.halftop", "sym.circle.halftop", "sym.square.cutplus",
    "sym.circle.cutx", "sym.arrow.upright", "sym.arrow.downright", "sym.arrow.upleft",
    "sym.arrow.downleft", "sym.arrow.leftright", "sym.arrow.updown", "sym.chevron.left",
    "sym.chevron.right", "sym.dots.5", "sym.dots.because", "sym.bars.2v", "sym.bars.3h",
    "sym.bars.3v", "sym.square.small", "sym.square.cutcircle", "sym.square.cuttriup",
    "sym.square.cuttridown", "sym.diamond.dot", "sym.heart.half", "sym.star8.filled", "sym.burst",
    "sym.cross.pattee", "sym.plus.hollow", "sym.square.broken", "sym.house.down",
    "sym.pentagon.hollow", "sym.hexagon.hollow", "sym.semicircle.bottom", "sym.semicircle.left",
    "sym.semicircle.right", "sym.quarterdisk.0", "sym.quarterdisk.2", "sym.cornertriangle.ll",
    "sym.cornertriangle.ur", "sym.trapezoid.up", "sym.trapezoid.down", "sym.parallelogram.right",
    "sym.parallelogram.left", "sym.triangles.twoup", "sym.triangles.tworight", "sym.keyhole",
    "sym.donut", "sym.ring.double", "sym.wave", "sym.zigzag", "sym.waves.2", "sym.star5.down",
    "sym.el.0", "sym.el.180", "sym.tee.180", "sym.tee.90", "sym.bar.top", "sym.bar.bottom",
    "sym.bar.left", "sym.bar.right", "sym.bars.topbottom", "sym.bars.leftright", "sym.dots.3slash",
    "sym.dots.3backslash", "sym.dots.2slash", "sym.dots.2backslash", "sym.dots.4diamond",
    "sym.dots.6", "sym.dots.3v", "sym.squares.4", "sym.arrow.barright", "sym.arrow.barleft",
    "sym.arrow.barup", "sym.arrow.bardown", "sym.chevron2.right", "sym.chevron2.left",
    "sym.chevron2.up", "sym.chevron2.down", "sym.square.cuttriright", "sym.square.cuttrileft",
    "sym.square.in_circle", "sym.square.in_square", "sym.square.frame", "sym.oval.widehollow",
    "sym.oval.tallhollow", "sym.circle.halfright", "sym.circle.halfbottom", "sym.square.halfright",
    "sym.square.diaglr", "sym.diamond.tall", "sym.diamond.wide", "sym.triangle.up.small",
]


UPPER = "ACEFHKMNRUWYJQGVLDTZBPXSIO"
DIGITS = "1347802569"
LOWER = "abdefghkmnqrtycijlopsuvwxz"
DIGIT_NAMES = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]

# Characters of DejaVu Sans that stay clear at small sizes, most distinct first.
DEJAVU_CHARS = (
    "●■▲◆★♥♣♠▼○□△◇☆♡✚✖✔◀▶◐◑◒◓◉◎▣◢◣◤◥←↑→↓↔↕↖↗↘↙"
    "☀☺☻♪⚑⚓⚡❤✿❄✈⌂∞⊕⊗⊞⊠Ω§¶#@%&$+="
    "ABCDEFGHJKLMNPQRSTUVWXYZ23456789ΣΔΦΨλπ"
    "◧◨◩◪▤▥♢♧♤◁▷✱✦✧✪✸☼♫☮☢☣♀♂⬟⬢⬣◈◭◮⧫✜✤✥❋♔♚♜♞☎⌘✝✠☗☖▮▬"
)


def glyph_codes(font_path):
    font = fontforge.open(font_path)
    codes = {g.glyphname: g.unicode for g in font.glyphs() if g.unicode >= 0}
    font.close()
    return codes


def letter_names():
    return ([c for c in UPPER] + [DIGIT_NAMES[int(d)] for d in DIGITS] + [c for c in LOWER])


def shape_names(codes):
    """Every symbol of the font: the standard order first, then by code point."""
    first = [n for n in STANDARD if n.startswith("sym.")]
    rest = sorted((codes[n], n) for n in codes
                  if n.startswith("sym.") and n not in first and codes[n] not in AVOIDED_CODES)
    return first + [n for _, n in rest]


def dejavu_codes():
    path = subprocess.run(["fc-match", "-f", "%{file}", DEJAVU], check=True,
                          capture_output=True, text=True).stdout
    font = fontforge.open(path)
    if font.familyname != DEJAVU:
        raise SystemExit("fc-match found %s instead of %s" % (font.familyname, DEJAVU))
    result = []
    for ch in DEJAVU_CHARS:
        code = ord(ch)
        if code > 0xFFFF or code not in font or not font[code].isWorthOutputting():
            raise SystemExit("%s has no U+%04X" % (DEJAVU, code))
        result.append(code)
    font.close()
    return result


def write_set(path, name, description, font_name, codes):
    if len(set(codes)) != len(codes):
        raise SystemExit("%s repeats a character" % name)
    bad = [c for c in codes if c in AVOIDED_CODES or not 33 <= c <= 0xFFFF]
    if bad:
        raise SystemExit("%s uses codes %s" % (name, bad))
    # The font line is comma text: a name with blanks must be quoted to stay one field.
    font_field = '"%s"' % font_name.replace('"', '""') if any(c in font_name for c in ' ,"') else font_name
    lines = [name, description, font_field + ",,53"] + [str(c) for c in codes]
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
    print("%s: %s, %d characters" % (path, name, len(codes)))


def main(argv):
    if len(argv) != 3:
        raise SystemExit("usage: make-symbol-sets.py FONT.ttf OUTPUT_FOLDER")
    codes = glyph_codes(argv[1])
    missing = [n for n in STANDARD + letter_names() if n not in codes]
    if missing:
        raise SystemExit("the font lacks %s" % missing)
    if len(STANDARD) != 180:
        raise SystemExit("the standard set must have 180 symbols, not %d" % len(STANDARD))
    out = argv[2]
    os.makedirs(out, exist_ok=True)
    write_set(os.path.join(out, "standard.chr"), "Standard",
              "Bold shapes, letters and digits, most distinct first", OWN_FONT,
              [codes[n] for n in STANDARD])
    write_set(os.path.join(out, "shapes.chr"), "Shapes",
              "Geometric shapes, arrows, bars and dot patterns", OWN_FONT,
              [codes[n] for n in shape_names(codes)])
    write_set(os.path.join(out, "letters.chr"), "Letters and digits",
              "Heavy capital letters, digits and small letters", OWN_FONT,
              [codes[n] for n in letter_names()])
    write_set(os.path.join(out, "dejavu.chr"), "DejaVu Sans symbols",
              "Symbols, letters and digits of the DejaVu Sans font", DEJAVU, dejavu_codes())


if __name__ == "__main__":
    main(sys.argv)
