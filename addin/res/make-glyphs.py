#!/usr/bin/env python3
"""Writes the add-in's command glyphs, one per command-table row, as two
4-bit bitmap strips: glyphs16.bmp (16 x 16 each) and glyphs32.bmp (the same
pictures at twice the size). The pictures are the commands' own, shared with
Quillet.exe's toolbar (tools/art/command_glyphs.py). Run it after changing a
picture; the bitmaps are kept beside it.

The background is light grey, which the host shows as transparent."""

import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "art"))
import command_glyphs  # noqa: E402

# In command-table order.
COMMANDS = ["project-analysis", "full", "delete-trailing-whitespace", "tabify", "untabify", "operator-expand",
            "operator-contract", "parentheses-expand", "parentheses-contract", "reindent", "help"]


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
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in command_glyphs.PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    Path(path).write_bytes(header + info + palette + pixels)


if __name__ == "__main__":
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    write_bmp(folder / "glyphs16.bmp", command_glyphs.strip(COMMANDS, 1))
    write_bmp(folder / "glyphs32.bmp", command_glyphs.strip(COMMANDS, 2))
