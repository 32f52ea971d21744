#!/usr/bin/env python3
"""Builds the shipped thread palettes (data/palettes/*.ctb) from tables of thread colours.

Each input table is a UTF-8 CSV file with the header number,name,red,green,blue, one thread per
row in the maker's card order. Each output palette is written exactly as the palette editor
writes its files: line 1 ";$N" and the palette name, line 2 ";$V" and the version, then one line
per colour, Windows-1252 text with CR LF line ends. The default symbol of a colour is its
position in the file modulo 180, the length of the default symbol set, so that neighbouring
colours never share a symbol.

Usage: scripts/make-palettes.py [--threads DIR] [--out DIR]
"""
import argparse
import csv
import pathlib
import sys

SYMBOL_COUNT = 180

# (CSV file, output file, palette name, version)
PALETTES = [
    ("dmc-stranded-cotton.csv", "dmc.ctb", "DMC Stranded Cotton", "1"),
    ("anchor-stranded-cotton.csv", "anchor.ctb", "Anchor Stranded Cotton", "1"),
]

REPO = pathlib.Path(__file__).resolve().parent.parent


def quoted(text):
    return '"' + text.replace('"', '""') + '"'


def channel(row, name, where):
    value = int(row[name])
    if not 0 <= value <= 255:
        raise ValueError(f"{where}: {name} {value} is outside 0..255")
    return value


def colour_line(row, index, where):
    number = row["number"].strip()
    name = row["name"].strip()
    # The number is written without quotes, so it must be a single field on its own.
    if not number or any(c in number for c in ' ,"') or any(ord(c) <= 32 for c in number):
        raise ValueError(f"{where}: number {number!r} cannot stand unquoted in a palette line")
    if not name:
        raise ValueError(f"{where}: empty name")
    rgb = [channel(row, c, where) for c in ("red", "green", "blue")]
    fields = [] if name == number else [quoted(name)]
    fields += [number] + [str(v) for v in rgb] + [str(index % SYMBOL_COUNT)]
    return ", ".join(fields)


def build(csv_path, palette_name, version):
    lines = [";$N" + palette_name, ";$V" + version]
    seen_numbers, seen_colours = set(), set()
    with open(csv_path, encoding="utf-8", newline="") as handle:
        reader = csv.DictReader(handle)
        if reader.fieldnames != ["number", "name", "red", "green", "blue"]:
            raise ValueError(f"{csv_path}: unexpected header {reader.fieldnames}")
        for index, row in enumerate(reader):
            where = f"{csv_path.name} row {index + 2}"
            line = colour_line(row, index, where)
            number = row["number"].strip()
            colour = tuple(int(row[c]) for c in ("red", "green", "blue"))
            if number in seen_numbers or colour in seen_colours:
                raise ValueError(f"{where}: number or colour repeats an earlier row")
            seen_numbers.add(number)
            seen_colours.add(colour)
            lines.append(line)
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--threads", type=pathlib.Path, default=REPO.parent / "shared" / "data" / "threads",
                        help="folder of the thread colour CSV files")
    parser.add_argument("--out", type=pathlib.Path, default=REPO / "data" / "palettes",
                        help="folder the .ctb files are written to")
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    for csv_name, ctb_name, palette_name, version in PALETTES:
        lines = build(args.threads / csv_name, palette_name, version)
        data = "".join(line + "\r\n" for line in lines).encode("cp1252")
        (args.out / ctb_name).write_bytes(data)
        print(f"{ctb_name}: {len(lines) - 2} colours", file=sys.stderr)


if __name__ == "__main__":
    main()
