#!/usr/bin/env python3
"""Draws ShelfView's pictures: the strip of tree pictures and the toolbox
bitmap.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
The headers and row layout are the shared ones of
tools/pictures/windows_pictures.py. Run it again after changing a picture:

    python3 controls/ShelfView/images/make_images.py

shelf.bmp is the strip of twelve 32 x 32 tree pictures in 24-bit colour,
magenta where a picture is transparent. The tree shows three of them: 2,
the collection's bookcase; 3, a dictionary (a closed book); 4, the selected
dictionary (the book open). The shelf draws a dictionary's direction
picture (two flags and an arrow, LocaleKit's, in the top half of 32 x 32)
over the left part of its row, where the tree draws pictures 3 and 4: their
books keep to the lower half, so the flags lie on nothing of theirs. The
other pictures are spare books and cases in the same style.

toolbox.bmp is 16 x 15 in 16 colours: a small tree of a case and two books.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

SIZE = 32
COUNT = 12
# Where the direction picture ends in pictures 3 and 4: their books start
# below it.
BOOK_TOP = 17

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
PAPER = (248, 244, 228)
LINE = (160, 160, 176)
WOOD = (150, 92, 40)
WOOD_DARK = (96, 56, 20)
GOLD = (232, 184, 40)
NAVY = (24, 48, 128)
NAVY_LIGHT = (64, 104, 200)
SPINES = [(176, 32, 32), (32, 120, 48), (24, 48, 128), (200, 120, 24), (112, 40, 128),
          (24, 120, 128), (96, 96, 96), (128, 24, 48)]


def blank(width, height, colour=MAGENTA):
    return [[colour] * width for _ in range(height)]


def fill(image, left, top, right, bottom, colour):
    for y in range(top, bottom):
        for x in range(left, right):
            image[y][x] = colour


def frame(image, left, top, right, bottom, colour):
    fill(image, left, top, right, top + 1, colour)
    fill(image, left, bottom - 1, right, bottom, colour)
    fill(image, left, top, left + 1, bottom, colour)
    fill(image, right - 1, top, right, bottom, colour)


def bookcase(books):
    """A case of two shelves, `books` spines on them."""
    image = blank(SIZE, SIZE)
    fill(image, 1, 1, 31, 31, WOOD)
    frame(image, 1, 1, 31, 31, WOOD_DARK)
    for shelf_top in (4, 17):
        fill(image, 4, shelf_top, 28, shelf_top + 11, WOOD_DARK)
    for index in range(books):
        shelf_top = 4 if index < 6 else 17
        x = 5 + (index % 6) * 4
        height = 10 - (index * 3) % 3
        colour = SPINES[index % len(SPINES)]
        fill(image, x, shelf_top + 11 - height, x + 3, shelf_top + 11, colour)
        fill(image, x, shelf_top + 13 - height, x + 3, shelf_top + 14 - height, GOLD)
    return image


def closed_book(cover, light):
    """A book lying closed, its spine to the left, in the lower half."""
    image = blank(SIZE, SIZE)
    left, right, top, bottom = 3, 29, BOOK_TOP + 1, 31
    fill(image, left, top, right, bottom, cover)
    fill(image, left, top, left + 3, bottom, light)          # the spine's round
    fill(image, left + 3, bottom - 3, right - 1, bottom - 1, PAPER)  # the pages' edge
    fill(image, left + 9, top + 3, right - 5, top + 7, GOLD)  # the title label
    frame(image, left + 9, top + 3, right - 5, top + 7, BLACK)
    frame(image, left, top, right, bottom, BLACK)
    return image


def open_book():
    """The dictionary open, its pages lined, in the lower half."""
    image = blank(SIZE, SIZE)
    left, right, middle, top, bottom = 1, 31, 16, BOOK_TOP, 31
    fill(image, left, top + 1, right, bottom, NAVY)          # the cover behind the pages
    fill(image, left + 1, top, middle, bottom - 2, PAPER)
    fill(image, middle, top, right - 1, bottom - 2, WHITE)
    for y in range(top + 3, bottom - 3, 3):
        fill(image, left + 3, y, middle - 2, y + 1, LINE)
        fill(image, middle + 2, y, right - 3, y + 1, LINE)
    fill(image, middle - 1, top, middle + 1, bottom - 1, NAVY_LIGHT)  # the fold
    frame(image, left, top, right, bottom, BLACK)
    return image


def strip():
    pictures_in_order = [
        bookcase(0),                       # 0 an empty case
        bookcase(5),                       # 1 a case half full
        bookcase(12),                      # 2 the collection
        closed_book(NAVY, NAVY_LIGHT),     # 3 a dictionary
        open_book(),                       # 4 the selected dictionary
    ]
    for cover in SPINES[:COUNT - len(pictures_in_order)]:
        light = tuple(min(255, c + 64) for c in cover)
        pictures_in_order.append(closed_book(cover, light))
    assert len(pictures_in_order) == COUNT
    return [sum((picture[y] for picture in pictures_in_order), []) for y in range(SIZE)]


def true_colour_bitmap_file(image):
    """A 24-bit .bmp: blue, green, red per pixel, rows bottom-up."""
    width, height = len(image[0]), len(image)
    stride = pictures.row_stride(width, 24)
    pixels = bytearray()
    for row in reversed(image):
        packed = bytearray(b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in row))
        pixels += packed + bytes(stride - len(packed))
    info = pictures.info_header(width, height, 24, len(pixels))
    offset = 14 + len(info)
    # BITMAPFILEHEADER: "BM", file size, two reserved words, offset of the bits.
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + bytes(pixels)


# The 16 colours of the toolbox bitmap (the VGA palette).
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def toolbox():
    """A case at the top, two books hanging from it by tree lines."""
    face, dark, navy, red, yellow = VGA[7], VGA[8], VGA[4], VGA[1], VGA[11]
    image = blank(16, 15, face)
    fill(image, 1, 1, 7, 6, VGA[3])
    frame(image, 1, 1, 7, 6, VGA[0])
    fill(image, 2, 2, 3, 5, red)
    fill(image, 4, 2, 5, 5, navy)
    fill(image, 3, 6, 4, 13, dark)                     # the tree line down
    for top, cover in ((5, navy), (10, red)):
        fill(image, 4, top + 2, 8, top + 3, dark)      # a branch
        fill(image, 8, top, 14, top + 4, cover)
        fill(image, 9, top + 1, 13, top + 2, yellow)
        frame(image, 8, top, 14, top + 4, VGA[0])
    return image


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


if __name__ == "__main__":
    write("shelf.bmp", true_colour_bitmap_file(strip()))
    write("toolbox.bmp", pictures.bitmap_file(toolbox(), VGA, 4))
