#!/usr/bin/env python3
"""Draws Quillet.exe's icons and toolbar glyphs: Quillet.ico (the program),
Document.ico (a workspace window) and Toolbar.bmp (16 x 15 buttons in the
toolbar's order). Run it again after changing a drawing; the outputs are
kept in the repository."""
import struct
import sys
from pathlib import Path

# 5 x 7 letters for the format commands' glyphs.
FONT = {
    'F': ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    'W': ["10001", "10001", "10001", "10101", "10101", "11011", "10001"],
    '.': ["00000", "00000", "00000", "00000", "00000", "01100", "01100"],
    '>': ["10000", "01000", "00100", "00010", "00100", "01000", "10000"],
    '<': ["00001", "00010", "00100", "01000", "00100", "00010", "00001"],
    '|': ["00100", "00100", "00100", "00100", "00100", "00100", "00100"],
    '+': ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
    '(': ["00010", "00100", "01000", "01000", "01000", "00100", "00010"],
    ')': ["01000", "00100", "00010", "00010", "00010", "00100", "01000"],
    '}': ["01100", "00010", "00010", "00001", "00010", "00010", "01100"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    '?': ["01110", "10001", "00001", "00110", "00100", "00000", "00100"],
}

GREY = (192, 192, 192)  # the button face: the toolbar shows it as the face colour
BLACK = (0, 0, 0)
BLUE = (0, 0, 160)
RED = (176, 0, 0)
GREEN = (0, 120, 0)
YELLOW = (230, 200, 40)
WHITE = (255, 255, 255)
DARK = (96, 96, 96)


class Canvas:
    def __init__(self, width, height, fill):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def text(self, x, y, chars, colour, scale=1):
        for char in chars:
            for row, bits in enumerate(FONT[char]):
                for col, bit in enumerate(bits):
                    if bit == '1':
                        self.rect(x + col * scale, y + row * scale, x + col * scale + scale - 1,
                                  y + row * scale + scale - 1, colour)
            x += 6 * scale


def open_glyph(c, x):
    c.rect(x + 1, 4, x + 7, 5, YELLOW)
    c.rect(x + 1, 5, x + 13, 13, YELLOW)
    c.frame(x + 1, 5, x + 13, 13, DARK)
    c.rect(x + 9, 1, x + 11, 3, GREEN)
    c.put(x + 12, 2, GREEN)


def print_glyph(c, x):
    c.rect(x + 4, 1, x + 11, 6, WHITE)
    c.frame(x + 4, 1, x + 11, 6, DARK)
    c.rect(x + 1, 6, x + 14, 11, (160, 160, 160))
    c.frame(x + 1, 6, x + 14, 11, BLACK)
    c.rect(x + 4, 11, x + 11, 14, WHITE)
    c.frame(x + 4, 11, x + 11, 14, DARK)
    c.put(x + 12, 8, GREEN)


def text_glyph(chars, colour):
    def draw(c, x):
        width = 6 * len(chars) - 1
        c.text(x + (16 - width) // 2, 4, chars, colour)
    return draw


GLYPHS = [
    open_glyph,                  # Open
    print_glyph,                 # Print
    text_glyph("F", BLUE),       # Full Format
    text_glyph("W.", RED),       # Delete Trailing Whitespace
    text_glyph(">|", BLUE),      # Tabify
    text_glyph("|<", BLUE),      # Untabify
    text_glyph("+>", GREEN),     # Operator Expand
    text_glyph("+<", GREEN),     # Operator Contract
    text_glyph("()", RED),       # Parentheses Expand
    text_glyph(")(", RED),       # Parentheses Contract
    text_glyph("}>", BLUE),      # Reindent
    text_glyph("S", BLACK),      # Settings
    text_glyph("?", BLUE),       # Help Topics
]


def bmp_24(canvas):
    row_size = (canvas.width * 3 + 3) & ~3
    data = b''
    for y in reversed(range(canvas.height)):
        row = b''.join(struct.pack('BBB', b, g, r) for (r, g, b) in canvas.pixels[y])
        data += row + b'\0' * (row_size - len(row))
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header, data


def write_bmp(path, canvas):
    header, data = bmp_24(canvas)
    offset = 14 + len(header)
    path.write_bytes(b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset) + header + data)


def icon_image(canvas, transparent):
    """One icon image: 32-bit colour with its AND mask (set where transparent)."""
    size = canvas.width
    colour = b''
    mask = b''
    mask_row = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        row = b''
        for x in range(size):
            pixel = canvas.pixels[y][x]
            clear = pixel == transparent
            row += struct.pack('BBBB', pixel[2], pixel[1], pixel[0], 0 if clear else 255)
            bits = (bits << 1) | (1 if clear else 0)
        colour += row
        mask += bits.to_bytes(size // 8, 'big') + b'\0' * (mask_row - size // 8)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def write_ico(path, draw):
    clear = (255, 0, 255)
    images = []
    for size in (32, 16):
        canvas = Canvas(size, size, clear)
        draw(canvas, size)
        images.append((size, icon_image(canvas, clear)))
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    blobs = b''
    for size, blob in images:
        directory += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(blob), offset + len(blobs))
        blobs += blob
    path.write_bytes(directory + blobs)


def draw_program(c, size):
    """A page of code with a blue quill across it."""
    s = size / 32
    c.rect(int(5 * s), int(2 * s), int(24 * s), int(29 * s), WHITE)
    c.frame(int(5 * s), int(2 * s), int(24 * s), int(29 * s), BLACK)
    for line, indent in enumerate((0, 3, 3, 6, 3, 0)):
        y = int((7 + line * 4) * s)
        c.rect(int((8 + indent) * s), y, int(20 * s), y, DARK)
    for step in range(int(26 * s)):
        x, y = int(29 * s) - step, int(2 * s) + step
        c.rect(x - 1, y, x, y, BLUE)
    c.rect(int(27 * s), int(2 * s), int(30 * s), int(4 * s), BLUE)


def draw_document(c, size):
    """A workspace list: a tree of lines with count columns."""
    s = size / 32
    c.rect(int(2 * s), int(4 * s), int(29 * s), int(27 * s), WHITE)
    c.frame(int(2 * s), int(4 * s), int(29 * s), int(27 * s), BLACK)
    c.rect(int(2 * s), int(4 * s), int(29 * s), int(8 * s), (160, 160, 160))
    for line, indent in enumerate((0, 4, 4, 0, 4)):
        y = int((11 + line * 3) * s)
        c.rect(int((5 + indent) * s), y, int(16 * s), y, BLUE if indent == 0 else DARK)
        c.rect(int(20 * s), y, int(22 * s), y, GREEN)
        c.rect(int(25 * s), y, int(27 * s), y, RED)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    toolbar = Canvas(16 * len(GLYPHS), 15, GREY)
    for index, glyph in enumerate(GLYPHS):
        glyph(toolbar, index * 16)
    write_bmp(out / 'Toolbar.bmp', toolbar)
    write_ico(out / 'Quillet.ico', draw_program)
    write_ico(out / 'Document.ico', draw_document)


if __name__ == '__main__':
    main()
