#!/usr/bin/env python3
"""Draws the add-in's command glyphs, one per command-table row, and writes
them as two 4-bit bitmap strips: glyphs16.bmp (16 x 16 each) and
glyphs32.bmp (the same pictures at twice the size). Run it after changing a
picture; the bitmaps are kept beside it.

The background is light grey, which the host shows as transparent."""

import struct
import sys
from pathlib import Path

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(16)
SIZE = 16


class Glyph:
    def __init__(self):
        self.pixels = [[SILVER] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def hline(self, x0, x1, y, colour):
        for x in range(x0, x1 + 1):
            self.dot(x, y, colour)

    def vline(self, x, y0, y1, colour):
        for y in range(y0, y1 + 1):
            self.dot(x, y, colour)

    def box(self, x0, y0, x1, y1, edge, fill=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                inside = x0 < x < x1 and y0 < y < y1
                if not inside:
                    self.dot(x, y, edge)
                elif fill is not None:
                    self.dot(x, y, fill)

    def page(self):
        self.box(2, 1, 13, 14, BLACK, WHITE)

    def text_lines(self, indents, colour=NAVY, length=6):
        for row, indent in enumerate(indents):
            self.hline(4 + indent, 4 + indent + length - indent, 3 + 2 * row, colour)

    def arrow_right(self, x0, x1, y, colour):
        self.hline(x0, x1, y, colour)
        for step in (1, 2):
            self.dot(x1 - step, y - step, colour)
            self.dot(x1 - step, y + step, colour)

    def arrow_left(self, x0, x1, y, colour):
        self.hline(x0, x1, y, colour)
        for step in (1, 2):
            self.dot(x0 + step, y - step, colour)
            self.dot(x0 + step, y + step, colour)

    def plus(self, cx, cy, colour):
        self.hline(cx - 2, cx + 2, cy, colour)
        self.vline(cx, cy - 2, cy + 2, colour)

    def paren(self, x, y, colour, opening):
        side = 1 if opening else -1
        self.vline(x, y + 2, y + 6, colour)
        self.dot(x + side, y + 1, colour)
        self.dot(x + side, y + 7, colour)
        self.dot(x + 2 * side, y, colour)
        self.dot(x + 2 * side, y + 8, colour)


def main_dialog(g):
    g.box(1, 2, 14, 13, BLACK, WHITE)
    g.hline(2, 13, 3, NAVY)
    g.hline(2, 13, 4, NAVY)
    for y in (6, 8, 10):
        g.dot(3, y, BLACK)
        g.hline(5, 8, y, GREY)
        g.hline(10, 12, y, TEAL)
    g.vline(9, 5, 12, SILVER)


def full_format(g):
    g.page()
    g.text_lines([0, 2, 2, 0, 2])
    g.plus(11, 11, RED)


def delete_trailing(g):
    g.page()
    g.text_lines([0, 0, 0, 0, 0], length=4)
    for row in range(5):
        g.dot(10, 3 + 2 * row, RED)
        g.dot(11, 3 + 2 * row, RED)


def tabify(g):
    g.arrow_right(1, 11, 8, NAVY)
    g.vline(13, 3, 13, BLACK)


def untabify(g):
    g.vline(2, 3, 13, BLACK)
    for x in range(4, 14, 2):
        g.dot(x, 8, GREY)
    g.arrow_right(4, 13, 11, NAVY)


def operator_expand(g):
    g.plus(7, 7, BLACK)
    g.arrow_left(0, 3, 12, RED)
    g.arrow_right(11, 15, 12, RED)
    g.vline(1, 4, 9, NAVY)
    g.vline(13, 4, 9, NAVY)


def operator_contract(g):
    g.plus(7, 7, BLACK)
    g.arrow_right(0, 4, 12, RED)
    g.arrow_left(10, 15, 12, RED)
    g.vline(4, 4, 9, NAVY)
    g.vline(10, 4, 9, NAVY)


def parentheses_expand(g):
    g.paren(1, 2, BLACK, True)
    g.paren(14, 2, BLACK, False)
    g.hline(6, 9, 6, NAVY)
    g.arrow_left(1, 6, 13, RED)
    g.arrow_right(9, 14, 13, RED)


def parentheses_contract(g):
    g.paren(4, 2, BLACK, True)
    g.paren(11, 2, BLACK, False)
    g.dot(7, 6, NAVY)
    g.dot(8, 6, NAVY)
    g.arrow_right(0, 4, 13, RED)
    g.arrow_left(11, 15, 13, RED)


def reindent(g):
    g.page()
    g.text_lines([0, 1, 2, 2, 1, 0], colour=NAVY, length=7)
    g.vline(3, 2, 12, GREEN)


def quillet_help(g):
    g.box(3, 1, 12, 14, NAVY, YELLOW)
    g.hline(6, 9, 3, BLACK)
    g.vline(5, 4, 5, BLACK)
    g.vline(10, 4, 6, BLACK)
    g.hline(8, 9, 7, BLACK)
    g.vline(7, 8, 9, BLACK)
    g.vline(7, 11, 12, BLACK)


# In command-table order.
PICTURES = [main_dialog, full_format, delete_trailing, tabify, untabify, operator_expand, operator_contract,
            parentheses_expand, parentheses_contract, reindent, quillet_help]


def strip(scale):
    glyphs = []
    for draw in PICTURES:
        glyph = Glyph()
        draw(glyph)
        glyphs.append(glyph)
    height = SIZE * scale
    rows = []
    for y in range(height):
        row = []
        for glyph in glyphs:
            for x in range(SIZE * scale):
                row.append(glyph.pixels[y // scale][x // scale])
        rows.append(row)
    return rows


def write_bmp(path, rows):
    height = len(rows)
    width = len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            line.append((high << 4) | low)
        line.extend(b"\0" * (stride - len(line)))
        pixels.extend(line)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    Path(path).write_bytes(header + info + palette + pixels)


if __name__ == "__main__":
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    write_bmp(folder / "glyphs16.bmp", strip(1))
    write_bmp(folder / "glyphs32.bmp", strip(2))
