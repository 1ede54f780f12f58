"""Reads the LCD off a picture of the window.

The digits' dots, the boxes and the colours are written here as the user sees
them; only the indicator pictures are the program's own, printed by the
build's dump_indicators (named by POMELO_INDICATORS).
"""

import dataclasses
import functools
import math
import os
import subprocess

# What the LCD shows, in window pixels. A shown digit or indicator is its
# picture: black dots on the LCD's one ground, drawn from its box's top left
# and clipped to the box; a hidden one leaves the ground alone.
GROUND = (180, 205, 181)
DOT = (0, 0, 0)
DIGIT_BOXES = ((23, 19), (47, 19), (91, 19), (115, 19))
DIGIT_BOX_SIZE = (24, 41)
# A digit is a 5 x 7 dot matrix; a dot is a 3 x 4 px block on a 4 x 5 px
# pitch from (3, 4) inside its box.
DIGIT_DOTS = {
    "0": (".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."),
    "1": ("..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."),
    "2": (".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"),
    "3": ("#####", "...#.", "..#..", ".###.", "....#", "....#", "####."),
    "4": ("...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."),
    "5": ("#####", "#....", "####.", "....#", "....#", "#...#", ".###."),
    "6": ("..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."),
    "7": ("#####", "....#", "...#.", "..#..", "..#..", "..#..", "..#.."),
    "8": (".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."),
    "9": (".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."),
}
DOT_SIZE = (3, 4)
DOT_PITCH = (4, 5)
DOT_ORIGIN = (3, 4)
# The indicators by index (lower ones lie under higher ones where boxes
# overlap): name and box (left, top, width, height) in window pixels.
INDICATORS = (
    ("colon", (71, 19, 20, 41)),
    ("H", (73, 19, 16, 18)),
    ("M_hours", (144, 18, 16, 18)),
    ("M", (73, 19, 16, 17)),
    ("S", (144, 18, 15, 17)),
    ("dial", (141, 40, 21, 21)),
    ("runner", (143, 37, 19, 27)),
    ("A", (143, 21, 16, 18)),
    ("P", (144, 41, 14, 16)),
    ("slash", (73, 28, 18, 27)),
)


@functools.lru_cache(maxsize=None)
def digit_pictures():
    """The digit each picture of a digit box shows, the picture as rows of
    "#" (dot) and "." (ground)."""
    width, height = DIGIT_BOX_SIZE
    pictures = {}
    for digit, pattern in DIGIT_DOTS.items():
        rows = [["."] * width for _ in range(height)]
        for row, column in ((r, c) for r in range(7) for c in range(5) if pattern[r][c] == "#"):
            for dy in range(DOT_SIZE[1]):
                for dx in range(DOT_SIZE[0]):
                    rows[DOT_ORIGIN[1] + DOT_PITCH[1] * row + dy][
                        DOT_ORIGIN[0] + DOT_PITCH[0] * column + dx] = "#"
        pictures[tuple(map("".join, rows))] = digit
    return pictures


@functools.lru_cache(maxsize=None)
def indicator_pictures():
    """Each indicator's picture by index, as rows of "#" (dot) and "." (ground)."""
    printed = subprocess.run([os.environ["POMELO_INDICATORS"]], capture_output=True, text=True,
                             check=True, timeout=10).stdout
    pictures = [block.split() for block in printed.split("\n\n") if block.strip()]
    if len(pictures) != len(INDICATORS):
        raise RuntimeError(f"{len(pictures)} indicator pictures printed, not {len(INDICATORS)}")
    return pictures


@dataclasses.dataclass(frozen=True)
class LcdReading:
    """What the LCD shows: four positions, each a digit, " " for none or "?"
    for a picture that is no digit, and the names of the shown indicators."""

    digits: str
    indicators: frozenset

    def __str__(self):
        return f"{self.digits!r} {sorted(self.indicators)}"


class LcdReader:
    """Reads the LCD off a picture of the window (a PIL image) drawn at the
    given scale (device pixels per window pixel)."""

    def __init__(self, image, scale=1.0):
        self.pixels = image.load()
        self.scale = scale

    def _device(self, logical):
        # Qt places a child widget at its scaled position rounded, and the
        # program scales a picture's pixel edges with rounding too.
        return math.floor(logical * self.scale + 0.5)

    def colour(self, box_left, box_top, x, y):
        """The colour of pixel (x, y) of the picture box at (box_left,
        box_top), in window pixels: the device pixel at its middle."""
        def device(origin, offset):
            start = self._device(origin) + self._device(offset)
            end = self._device(origin) + self._device(offset + 1)
            return (start + max(start, end - 1)) // 2

        return self.pixels[device(box_left, x), device(box_top, y)]

    def read(self):
        return LcdReading("".join(self.digit(left, top) for left, top in DIGIT_BOXES),
                          frozenset(self.indicators()))

    def digit(self, left, top):
        width, height = DIGIT_BOX_SIZE
        symbols = {DOT: "#", GROUND: "."}
        rows = tuple("".join(symbols.get(self.colour(left, top, x, y), "?") for x in range(width))
                     for y in range(height))
        if all(set(row) == {"."} for row in rows):
            return " "
        return digit_pictures().get(rows, "?")

    def indicators(self):
        # From the top one down: an indicator is shown when the part of its
        # box that no shown indicator above it covers is exactly its picture,
        # with some of its dots in that part.
        shown = []
        covered = set()
        for (name, (left, top, width, height)), rows in reversed(
                list(zip(INDICATORS, indicator_pictures()))):

            def expected(x, y):
                # A box larger than its picture shows ground beyond it.
                row = rows[y - top] if y - top < len(rows) else ""
                return DOT if row[x - left:x - left + 1] == "#" else GROUND

            box = {(left + x, top + y) for y in range(height) for x in range(width)}
            visible = box - covered
            if any(expected(x, y) == DOT for x, y in visible) and all(
                    self.colour(left, top, x - left, y - top) == expected(x, y)
                    for x, y in visible):
                shown.append(name)
                covered |= box
        return shown
