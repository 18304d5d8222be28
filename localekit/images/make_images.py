#!/usr/bin/env python3
"""Draws LocaleKit's pictures: the flag icons of the interface languages and
the background of the direction bitmap.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
The file writers are the shared ones of tools/pictures/windows_pictures.py.
Run it again after changing a picture:

    python3 localekit/images/make_images.py

Every flag icon holds two 256-colour images, 16 x 11 and 32 x 20. The
direction bitmap is 32 x 32 in 16 colours: a magenta background (the colour
its users mask out) and a small arrow that points from the first flag,
drawn at (0, 1), to the second, drawn at (16, 4).
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (206, 17, 38)
BLUE = (0, 57, 166)
NAVY = (1, 33, 105)
GOLD = (255, 206, 0)
YELLOW = (255, 196, 0)
GREEN = (0, 140, 69)
DARK_GREEN = (0, 102, 0)
GREY = (128, 128, 128)
LIGHT_GREY = (212, 208, 200)
MAGENTA = (255, 0, 255)

ICON_SIZES = [(16, 11), (32, 20)]


def stripes(colours, weights, horizontal):
    """A flag of bands: horizontal bands top to bottom, or vertical ones
    left to right, each as wide as its weight says."""

    def draw(w, h):
        total = sum(weights)
        length = h if horizontal else w
        bounds, edge = [], 0
        for weight in weights:
            edge += weight
            bounds.append(edge * length / total)

        def band(p):
            for colour, bound in zip(colours, bounds):
                if p + 0.5 <= bound:
                    return colour
            return colours[-1]

        return [[band(y if horizontal else x) for x in range(w)] for y in range(h)]

    return draw


def union_flag(w, h):
    """Blue field, white and red saltires, white cross with a red centre."""
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            u, v = (x + 0.5) / w, (y + 0.5) / h
            # Distance to the two diagonals in pixels of the smaller side.
            d1 = abs(v - u) * h
            d2 = abs(v - (1 - u)) * h
            dx, dy = abs(u - 0.5) * w, abs(v - 0.5) * h
            colour = NAVY
            if min(d1, d2) < h / 7:
                colour = WHITE
            if min(d1, d2) < h / 16:
                colour = RED
            if dx < w / 9 or dy < h / 5:
                colour = WHITE
            if dx < w / 18 or dy < h / 10:
                colour = RED
            row.append(colour)
        rows.append(row)
    return rows


def portugal_flag(w, h):
    """Green hoist, red fly, a yellow disc on the border between them."""
    rows = stripes([DARK_GREEN, RED], [2, 3], horizontal=False)(w, h)
    cx, cy, r = 2 * w / 5, h / 2, h / 4
    for y in range(h):
        for x in range(w):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                rows[y][x] = YELLOW
    return rows


def unknown_flag(w, h):
    """Any other language: a grey framed white field with a blue globe."""
    cx, cy, r = w / 2, h / 2, h * 0.32
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            if x in (0, w - 1) or y in (0, h - 1):
                row.append(GREY)
            elif (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                row.append(BLUE)
            else:
                row.append(WHITE)
        rows.append(row)
    return rows


# Icon resource id (the primary language id), file name, drawing.
FLAGS = [
    (7, "german", stripes([BLACK, RED, GOLD], [1, 1, 1], horizontal=True)),
    (9, "english", union_flag),
    (10, "spanish", stripes([RED, GOLD, RED], [1, 2, 1], horizontal=True)),
    (12, "french", stripes([BLUE, WHITE, RED], [1, 1, 1], horizontal=False)),
    (16, "italian", stripes([GREEN, WHITE, RED], [1, 1, 1], horizontal=False)),
    (19, "dutch", stripes([RED, WHITE, BLUE], [1, 1, 1], horizontal=True)),
    (22, "portuguese", portugal_flag),
    (25, "russian", stripes([WHITE, BLUE, RED], [1, 1, 1], horizontal=True)),
    (99, "unknown", unknown_flag),
]


def icon_file(draw):
    """The flag in both sizes, opaque throughout."""
    images = [draw(w, h) for (w, h) in ICON_SIZES]
    return pictures.icon_file(images, pictures.palette_of(images, 256), 8)


def direction_background():
    size = 32
    image = [[MAGENTA] * size for _ in range(size)]
    # Below the first flag (rows 1-11 of columns 0-15), pointing right at
    # the second (rows 4-14 of columns 16-31); nearly all of it inside the
    # top 16 rows, the part that image lists of 16-pixel rows keep.
    for y, first, last in ((12, 9, 9), (13, 10, 10), (14, 3, 11), (15, 10, 10), (16, 9, 9)):
        for x in range(first, last + 1):
            image[y][x] = BLACK
    return image


def main():
    for _, name, draw in FLAGS:
        pictures.write_file(HERE, "flag_%s.ico" % name, icon_file(draw))
    direction = direction_background()
    pictures.write_file(HERE, "direction.bmp",
                        pictures.bitmap_file(direction, pictures.palette_of([direction], 16), 4))


if __name__ == "__main__":
    main()
