#!/usr/bin/env python3
"""Draws PickList's bitmaps: the default images of its menu renderer and the
toolbox bitmap.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
The file writers are the shared ones of tools/pictures/windows_pictures.py.
Run it again after changing a picture:

    python3 controls/PickList/images/make_images.py

hot.bmp (bitmap 201, image list A) and cold.bmp (bitmap 202, list B) are
strips of four 16 x 16 images on magenta, the colour the renderer masks
out: a page, a globe, a star and a speech bubble. The hot images are bright,
the cold ones the same shapes in quieter colours. Every colour is one of
the sixteen standard colours, since the renderer's image lists hold 16
colours. The centre pixel (8, 8) of each image is never magenta.
toolbox.bmp (bitmap 101) is the 16 x 15 picture a form designer shows for
the control: a small menu with an icon column and a highlighted row.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
SILVER = (192, 192, 192)
GREY = (128, 128, 128)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
MAGENTA = (255, 0, 255)
AQUA = (0, 255, 255)
WHITE = (255, 255, 255)

SIZE = 16


def blank(w=SIZE, h=SIZE, colour=MAGENTA):
    return [[colour] * w for _ in range(h)]


def page(ink, paper, lines):
    """A sheet with a folded corner and three lines of text."""
    image = blank()
    for y in range(1, 15):
        for x in range(3, 13):
            image[y][x] = paper
    for y in range(1, 15):
        image[y][3] = image[y][12] = ink
    for x in range(3, 13):
        image[1][x] = image[14][x] = ink
    for x, y in ((10, 2), (11, 3), (11, 2), (10, 3)):
        image[y][x] = ink
    for y in (5, 8, 11):
        for x in range(5, 11):
            image[y][x] = lines
    image[8][8] = lines
    return image


def globe(sea, land, rim):
    image = blank()
    for y in range(SIZE):
        for x in range(SIZE):
            d = (x + 0.5 - 8) ** 2 + (y + 0.5 - 8) ** 2
            if d <= 7.5 ** 2:
                image[y][x] = rim
            if d <= 6.5 ** 2:
                image[y][x] = sea
    for y, first, last in ((4, 5, 8), (5, 4, 9), (6, 4, 8), (7, 6, 9), (8, 7, 10), (9, 8, 11),
                           (10, 9, 11), (11, 10, 11)):
        for x in range(first, last + 1):
            image[y][x] = land
    return image


def star(fill, edge):
    """A five-pointed star by the even-odd rule over its outline."""
    import math
    points = []
    for k in range(10):
        r = 7.5 if k % 2 == 0 else 3.2
        a = math.pi / 2 + k * math.pi / 5
        points.append((8 + r * math.cos(a), 8.3 - r * math.sin(a)))

    def inside(px, py):
        hit = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit

    image = blank()
    for y in range(SIZE):
        for x in range(SIZE):
            if inside(x + 0.5, y + 0.5):
                image[y][x] = fill
    for y in range(SIZE):
        for x in range(SIZE):
            if image[y][x] == fill and any(
                    not (0 <= x + dx < SIZE and 0 <= y + dy < SIZE) or image[y + dy][x + dx] == MAGENTA
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                image[y][x] = edge
    return image


def bubble(fill, edge, dots):
    image = blank()
    for y in range(2, 12):
        for x in range(1, 15):
            image[y][x] = fill
    for x in range(1, 15):
        image[2][x] = image[11][x] = edge
    for y in range(2, 12):
        image[y][1] = image[y][14] = edge
    for y, x in ((12, 4), (12, 5), (13, 4), (14, 3)):
        image[y][x] = edge
    image[12][5] = fill
    for x in (4, 5, 8, 9, 11, 12):
        image[7][x] = image[8][x] = dots
    return image


def strip(images):
    rows = []
    for y in range(SIZE):
        row = []
        for image in images:
            row.extend(image[y])
        rows.append(row)
    return rows


HOT = [page(BLACK, WHITE, BLUE), globe(BLUE, LIME, NAVY), star(YELLOW, RED),
       bubble(AQUA, NAVY, RED)]
COLD = [page(GREY, SILVER, NAVY), globe(TEAL, GREEN, GREY), star(OLIVE, MAROON),
        bubble(SILVER, GREY, PURPLE)]


def toolbox():
    image = blank(16, 15, SILVER)
    for x in range(1, 15):
        image[1][x] = image[13][x] = BLACK
    for y in range(1, 14):
        image[y][1] = image[y][14] = BLACK
    for y in range(2, 13):
        for x in range(2, 14):
            image[y][x] = WHITE
    for y in range(6, 9):
        for x in range(2, 14):
            image[y][x] = NAVY
    for y in (3, 7, 11):
        image[y][3] = image[y][4] = RED if y == 7 else BLUE
        for x in range(6, 12):
            image[y][x] = WHITE if y == 7 else BLACK
    return image


STANDARD = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW,
            BLUE, MAGENTA, AQUA, WHITE]


def bitmap_file(image):
    """A 16-colour bitmap in the standard palette, its header counting all
    16 colours as used."""
    return pictures.bitmap_file(image, STANDARD, 4, colours_used=16)


def main():
    for images in (HOT, COLD):
        for image in images:
            assert image[8][8] != MAGENTA
    pictures.write_file(HERE, "hot.bmp", bitmap_file(strip(HOT)))
    pictures.write_file(HERE, "cold.bmp", bitmap_file(strip(COLD)))
    pictures.write_file(HERE, "toolbox.bmp", bitmap_file(toolbox()))


if __name__ == "__main__":
    main()
