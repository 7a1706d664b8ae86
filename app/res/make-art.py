#!/usr/bin/env python3
"""Draws Quillet.exe's icons and toolbar glyphs: Quillet.ico (the program),
Document.ico (a workspace window) and Toolbar.bmp (16 x 15 buttons in the
toolbar's order, the commands' pictures shared with the add-in in
tools/art/command_glyphs.py). Run it again after changing a drawing; the
outputs are kept in the repository."""
import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'tools' / 'art'))
import command_glyphs  # noqa: E402

GREY = (192, 192, 192)  # the button face: the toolbar shows it as the face colour
BLACK = (0, 0, 0)
BLUE = (0, 0, 160)
RED = (176, 0, 0)
GREEN = (0, 120, 0)
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


# The toolbar's buttons in order, each the shared picture of its command.
TOOLBAR = ["open", "print", "full", "delete-trailing-whitespace", "tabify", "untabify", "operator-expand",
           "operator-contract", "parentheses-expand", "parentheses-contract", "reindent", "settings", "help"]


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
    rows = command_glyphs.strip(TOOLBAR, rows=15)
    toolbar = Canvas(len(rows[0]), len(rows), GREY)
    toolbar.pixels = [[command_glyphs.PALETTE[index] for index in row] for row in rows]
    write_bmp(out / 'Toolbar.bmp', toolbar)
    write_ico(out / 'Quillet.ico', draw_program)
    write_ico(out / 'Document.ico', draw_document)


if __name__ == '__main__':
    main()
