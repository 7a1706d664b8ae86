"""The pictures of Quillet's commands, one drawing per command, shared by
Quillet.exe's toolbar (app/res/make-art.py, 16 x 15 buttons) and the add-in's
glyph strips (addin/res/make-glyphs.py, 16 x 16 and 32 x 32).

Each picture is drawn on a 16 x 16 grid of colours from the standard
16-colour palette, which the add-in's 4-bit strips hold exactly; the
toolbar's buttons take its top 15 rows, so nothing is drawn on row 15. The
light grey background is what both toolbars show as the button face."""

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(16)
BACKGROUND = SILVER
SIZE = 16
ROWS = 15  # the rows a picture may use


class Glyph:
    def __init__(self):
        self.pixels = [[BACKGROUND] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < ROWS:
            self.pixels[y][x] = colour

    def hline(self, x0, x1, y, colour):
        for x in range(x0, x1 + 1):
            self.dot(x, y, colour)

    def vline(self, x, y0, y1, colour):
        for y in range(y0, y1 + 1):
            self.dot(x, y, colour)

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            self.hline(x0, x1, y, colour)

    def box(self, x0, y0, x1, y1, edge, inside=None):
        if inside is not None:
            self.fill(x0, y0, x1, y1, inside)
        self.hline(x0, x1, y0, edge)
        self.hline(x0, x1, y1, edge)
        self.vline(x0, y0, y1, edge)
        self.vline(x1, y0, y1, edge)

    def arrow_right(self, x0, x1, y, colour):
        self.hline(x0, x1, y, colour)
        for step in (1, 2):
            self.vline(x1 - step, y - step, y + step, colour)

    def arrow_left(self, x0, x1, y, colour):
        self.hline(x0, x1, y, colour)
        for step in (1, 2):
            self.vline(x0 + step, y - step, y + step, colour)

    def arrow_down(self, x, y0, y1, colour):
        self.vline(x, y0, y1, colour)
        for step in (1, 2):
            self.hline(x - step, x + step, y1 - step, colour)

    def page(self, x0=2, y0=0, x1=12, y1=14):
        """A sheet of paper with its top right corner folded."""
        self.box(x0, y0, x1, y1, BLACK, WHITE)
        for step in range(3):
            self.hline(x1 - 2 + step, x1, y0 + step, BACKGROUND)
        self.hline(x1 - 3, x1 - 3, y0, BLACK)
        self.vline(x1 - 3, y0, y0 + 3, BLACK)
        self.hline(x1 - 3, x1, y0 + 3, BLACK)
        self.dot(x1 - 2, y0 + 1, BLACK)
        self.dot(x1 - 1, y0 + 2, BLACK)

    def text_lines(self, x, ys, indents, right, colour=NAVY):
        for y, indent in zip(ys, indents):
            self.hline(x + indent, right, y, colour)

    def tab_arrow(self, y):
        """A tab character as editors show it: an arrow against a stop."""
        self.arrow_right(1, 11, y, NAVY)
        self.vline(13, y - 3, y + 3, BLACK)

    def blanks(self, y):
        """Spaces as editors show them: a row of dots."""
        for x in range(2, 14, 3):
            self.fill(x, y, x + 1, y, GREY)

    def paren(self, x, y, opening):
        """A parenthesis nine rows high, its middle at column x."""
        side = 1 if opening else -1
        self.vline(x, y + 2, y + 6, BLACK)
        self.dot(x + side, y + 1, BLACK)
        self.dot(x + side, y + 7, BLACK)
        self.hline(min(x + side, x + 2 * side), max(x + side, x + 2 * side), y, BLACK)
        self.hline(min(x + side, x + 2 * side), max(x + side, x + 2 * side), y + 8, BLACK)

    def plus(self, cx, cy):
        """A bold plus sign, the operator."""
        self.fill(cx - 3, cy, cx + 2, cy + 1, BLACK)
        self.fill(cx - 1, cy - 2, cx, cy + 3, BLACK)


def open_file(g):
    """An open folder."""
    g.box(1, 2, 6, 4, BLACK, YELLOW)
    g.box(1, 4, 12, 13, BLACK, YELLOW)
    for row, y in enumerate(range(7, 14)):
        g.hline(4 - row // 2, 15 - row // 2 - 1, y, OLIVE if y in (7, 13) else YELLOW)
    g.hline(4, 14, 7, BLACK)
    for row, y in enumerate(range(7, 14)):
        g.dot(4 - row // 2, y, BLACK)
        g.dot(14 - row // 2, y, BLACK)
    g.hline(1, 11, 13, BLACK)


def print_report(g):
    """A printer with a sheet coming out."""
    g.box(4, 0, 11, 5, BLACK, WHITE)
    g.box(1, 5, 14, 10, BLACK, SILVER)
    g.hline(2, 13, 9, GREY)
    g.hline(2, 13, 6, WHITE)
    g.dot(12, 7, LIME)
    g.box(4, 10, 11, 14, BLACK, WHITE)
    g.hline(6, 9, 12, GREY)


def full_format(g):
    """A page of neatly indented lines with a sparkle: everything tidied."""
    g.page()
    g.text_lines(4, (3, 5, 7, 9, 11), (0, 2, 2, 2, 0), 8)
    for x, y in ((13, 9), (13, 13), (11, 11), (15, 11)):
        g.dot(x, y, RED)
    g.fill(12, 10, 14, 12, RED)
    g.dot(13, 11, YELLOW)


def delete_trailing(g):
    """Lines whose blanks after the text are struck out."""
    for y, right in ((2, 6), (6, 8), (10, 5)):
        g.hline(1, right, y, NAVY)
        g.dot(right + 2, y, GREY)
        g.dot(right + 4, y, GREY)
    for step in range(5):
        g.dot(10 + step, 9 + step, RED)
        g.dot(11 + step, 9 + step, RED)
        g.dot(14 - step, 9 + step, RED)
        g.dot(15 - step, 9 + step, RED)


def tabify(g):
    """Blanks becoming a tab."""
    g.blanks(2)
    g.arrow_down(7, 4, 7, GREEN)
    g.tab_arrow(11)


def untabify(g):
    """A tab becoming blanks."""
    g.tab_arrow(3)
    g.arrow_down(7, 8, 11, GREEN)
    g.blanks(13)


def operator_expand(g):
    """Spaces pushed out on both sides of an operator: "a + b"."""
    g.plus(8, 5)
    g.arrow_left(0, 3, 6, RED)
    g.arrow_right(12, 15, 6, RED)
    g.hline(0, 4, 12, NAVY)
    g.hline(11, 15, 12, NAVY)


def operator_contract(g):
    """Spaces pulled in on both sides of an operator: "a+b"."""
    g.plus(8, 5)
    g.arrow_right(0, 3, 6, RED)
    g.arrow_left(12, 15, 6, RED)
    g.hline(3, 12, 12, NAVY)


def parentheses_expand(g):
    """Spaces pushed out inside parentheses."""
    g.paren(2, 2, True)
    g.paren(13, 2, False)
    g.arrow_left(4, 7, 6, RED)
    g.arrow_right(8, 11, 6, RED)
    g.hline(3, 12, 13, NAVY)


def parentheses_contract(g):
    """Spaces pulled in inside parentheses."""
    g.paren(5, 2, True)
    g.paren(10, 2, False)
    g.fill(7, 5, 8, 7, NAVY)
    g.arrow_right(0, 3, 6, RED)
    g.arrow_left(12, 15, 6, RED)
    g.hline(4, 11, 13, NAVY)


def reindent(g):
    """Lines shifted to their depth under a brace."""
    g.arrow_right(0, 4, 6, GREEN)
    g.dot(6, 1, BLACK)
    g.hline(6, 12, 1, NAVY)
    g.text_lines(6, (4, 6, 8), (3, 3, 3), 14)
    g.text_lines(6, (11, 13), (0, 0), 10)
    g.vline(7, 3, 10, GREY)


def settings(g):
    """Three sliders, each at its own setting."""
    for y, knob in ((2, 4), (7, 10), (12, 6)):
        g.hline(1, 14, y, GREY)
        g.hline(1, 14, y + 1, WHITE)
        g.box(knob - 1, y - 2, knob + 1, y + 2, BLACK, BLUE)


def help_topics(g):
    """A question mark."""
    g.fill(5, 1, 10, 2, NAVY)
    g.fill(3, 2, 4, 5, NAVY)
    g.fill(11, 2, 12, 6, NAVY)
    g.fill(9, 6, 11, 7, NAVY)
    g.fill(7, 7, 9, 9, NAVY)
    g.fill(7, 12, 9, 14, NAVY)


def project_analysis(g):
    """A window holding a list with count columns."""
    g.box(0, 1, 15, 14, BLACK, WHITE)
    g.fill(1, 2, 14, 3, NAVY)
    for y, indent in ((6, 0), (8, 2), (10, 2), (12, 0)):
        g.hline(2 + indent, 8, y, BLACK if indent == 0 else GREY)
        g.hline(10, 11, y, TEAL)
        g.hline(13, 14, y, TEAL)
    g.vline(9, 4, 13, SILVER)


# Each command's picture, by the command's name.
PICTURES = {
    "open": open_file,
    "print": print_report,
    "full": full_format,
    "delete-trailing-whitespace": delete_trailing,
    "tabify": tabify,
    "untabify": untabify,
    "operator-expand": operator_expand,
    "operator-contract": operator_contract,
    "parentheses-expand": parentheses_expand,
    "parentheses-contract": parentheses_contract,
    "reindent": reindent,
    "settings": settings,
    "help": help_topics,
    "project-analysis": project_analysis,
}


def draw(name):
    """The picture of a command: rows of palette indices, 16 x 16."""
    glyph = Glyph()
    PICTURES[name](glyph)
    return glyph.pixels


def strip(names, scale=1, rows=SIZE):
    """The pictures side by side, each enlarged scale times: rows of indices."""
    pictures = [draw(name) for name in names]
    return [[picture[y // scale][x // scale] for picture in pictures for x in range(SIZE * scale)]
            for y in range(rows * scale)]
