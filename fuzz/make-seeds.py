#!/usr/bin/env python3
"""Writes the seeds of the binary formats into corpus/qmk and corpus/stv.

The seeds are small valid files: design files of every version the program reads (with every
kind of stitch from version 6 on) and Tapisto files with every section. The other seeds are cut
from the shipped data files and the test fixtures, or written by the program (see README.md)."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def i32(v):
    return struct.pack('<i', v)


def u16(v):
    return struct.pack('<H', v)


def f64(v):
    return struct.pack('<d', v)


def s(b):
    return i32(len(b)) + b


def block(tag, version, body):
    length = 16 + len(body)
    return tag + bytes([version, 0, 0, 0]) + i32(length) + i32(length) + body


COLOURS = [(b'Black', b'310', 310, 0x000000, 0), (b'Red', b'321', 321, 0x3B2BC7, 1),
           (b'Green', b'700', 700, 0x00A000, 2), (b'White', b'B5200', 5200, 0xFFFFFF, 3)]


def qmk(version, color_version=1, width=3, height=2, palette=b'DMC Stranded Cotton v1'):
    head = s(palette) + s(b'Standard') + s(b'VelwickArtSymbols110') + u16(1) + u16(2)
    head += i32(4) + i32(0) + i32(0) + i32(width) + i32(height)
    head += s(b'') + s(b'') + s(b'Arial') + i32(16) + u16(0) + u16(1) + s(b'Arial') + i32(12) + u16(0) + u16(1)
    if version >= 1:
        head += f64(0.005) + f64(0.1)
    if version >= 2:
        head += i32(0xD0E0F0)
    if version >= 3:
        head += f64(0.0025)
    body = block(b'HEAD', version, head)
    body += block(b'CHAR', 0, s(b'ABCDEFGH'))
    colo = i32(len(COLOURS))
    for name, ident, number, colour, char in COLOURS:
        colo += s(name) + (s(ident) if color_version >= 1 else i32(number)) + i32(colour) + i32(char)
    body += block(b'COLO', color_version, colo)
    area = width * height
    body += block(b'PIXD', 0, b''.join(i32([0, 1, -1, 2, 3, 0][k % 6]) for k in range(area)))
    if version >= 3:
        back = [(0, 0, 2, 2, 0x3B2BC7), (2, 2, 4, 2, 0)]
        body += block(b'BACK', 0, i32(len(back)) + b''.join(b''.join(i32(v) for v in e) for e in back))
    if version >= 4:
        body += block(b'QUAR', 0, b''.join(i32(2 if k == 5 else -1) for k in range(4 * area)))
    if version >= 5:
        lines = [b'one', b'two']
        body += block(b'TITL', 0, s(b'Seed title') + i32(len(lines)) + b''.join(s(l) for l in lines))
    if version >= 6:
        knots = [(1, 1, 0x00A000), (3, 1, 0)]
        body += block(b'FKNO', 0, i32(len(knots)) + b''.join(b''.join(i32(v) for v in e) for e in knots))
        rhode = i32(2) + i32(2) + i32(0) + i32(2) + i32(0) + i32(0) + i32(2) + i32(2) + i32(2) + i32(0) + i32(0) + i32(2)
        body += block(b'BACK', 0, i32(1) + rhode)
    return b'HDSF' + block(b'QMKT', 0, body)


def text(t):
    return t + b'\0'


def number(keyword, v):
    return text(keyword) + struct.pack('>H', v)


def stv(width=4, height=3, sections=True):
    b = text(b'Tapisto') + text(b'Stickvorlage') + struct.pack('>H', 2) + text(b'2.0')
    b += number(b'WIDTH', width) + number(b'HEIGHT', height) + number(b'COLORS', 3) + number(b'BACKCOLOR', 0xF0FA)
    b += text(b'FONT') + text(b'Tapisto Symbole') + struct.pack('>H', 1)
    b += text(b'COLORTABEL') + text(b'Tapisto Garne') + text(b'ENDHEADER') + text(b'BEGINDATA')
    if sections:
        b += text(b'PALETTE') + bytes.fromhex('E0102000008090 00E0102000'.replace(' ', ''))
        entries = [(0, ord('*'), 0x55, 0xC7, 0x2B, 0x3B, 0x77, 0x34, 0x01),
                   (1, ord('+'), 0x55, 0x00, 0x80, 0x90, 0x77, 0x01, 0x02),
                   (0, ord('#'), 0x55, 0xC7, 0x2B, 0x3B, 0x77, 0x07, 0x00)]
        b += text(b'STICKCOL') + b''.join(bytes(e) for e in entries)
        b += text(b'DATA') + bytes((k * 7) % 4 if (k * 7) % 4 < 3 else 255 for k in range(width * height))
        b += text(b'CHARACTERS') + text(b'#*+')
    return b + text(b'ENDDATA')


def write(folder, name, content):
    path = os.path.join(HERE, 'corpus', folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), 'wb') as f:
        f.write(content)


def main():
    for version in range(7):
        write('qmk', 'version-%d.qmk' % version, qmk(version, color_version=0 if version < 2 else 1))
    write('qmk', 'unknown-palette.qmk', qmk(6, palette=b'Seed palette v1'))
    write('qmk', 'cut-short.qmk', qmk(6, width=4, height=4)[:300])
    write('stv', 'sample.stv', stv())
    write('stv', 'header-only.stv', stv(2, 2, sections=False))
    write('stv', 'wide.stv', stv(9, 1))
    return 0


if __name__ == '__main__':
    sys.exit(main())
