#!/usr/bin/env python3
"""Draws the example quiz's pictures: the flags of the twelve countries, as three stripes each.

Plain Python (zlib writes the PNG), so anyone can draw them again: python3 flags/draw.py
"""
import pathlib
import struct
import zlib

WIDTH, HEIGHT = 240, 160

# name: (direction, three colours); "h" stripes run across, "v" stripes stand up.
FLAGS = {
    "bg": ("h", ["#FFFFFF", "#00966E", "#D62612"]),
    "de": ("h", ["#000000", "#DD0000", "#FFCE00"]),
    "fr": ("v", ["#002395", "#FFFFFF", "#ED2939"]),
    "it": ("v", ["#009246", "#FFFFFF", "#CE2B37"]),
    "at": ("h", ["#ED2939", "#FFFFFF", "#ED2939"]),
    "hu": ("h", ["#CD2A3E", "#FFFFFF", "#436F4D"]),
    "ro": ("v", ["#002B7F", "#FCD116", "#CE1126"]),
    "nl": ("h", ["#AE1C28", "#FFFFFF", "#21468B"]),
    "be": ("v", ["#000000", "#FDDA24", "#EF3340"]),
    "ee": ("h", ["#0072CE", "#000000", "#FFFFFF"]),
    "lt": ("h", ["#FDB913", "#006A44", "#C1272D"]),
    "ie": ("v", ["#169B62", "#FFFFFF", "#FF883E"]),
}


def rgb(colour):
    return bytes(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + row for row in pixels)
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def flag(direction, colours):
    stripes = [rgb(c) for c in colours]
    rows = []
    for y in range(HEIGHT):
        if direction == "h":
            rows.append(stripes[y * 3 // HEIGHT] * WIDTH)
        else:
            rows.append(b"".join(stripes[x * 3 // WIDTH] for x in range(WIDTH)))
    return png(rows)


here = pathlib.Path(__file__).resolve().parent
for name, (direction, colours) in FLAGS.items():
    (here / f"{name}.png").write_bytes(flag(direction, colours))
