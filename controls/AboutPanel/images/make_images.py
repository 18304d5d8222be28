#!/usr/bin/env python3
"""Draws AboutPanel's pictures and the picture its tests hand to the panel.

The build embeds the files this script writes (they are committed, so the
build needs neither this script nor an image editor). The bitmap writers
are the shared ones of tools/pictures/windows_pictures.py. Run it again
after changing a picture:

    python3 controls/AboutPanel/images/make_images.py

background.bmp (bitmap 201) is the panel's picture until its host gives
its own: 18 x 16, 256 colours, an open book on a pale blue ground.
toolbox.bmp (bitmap 101) is the 16 x 15 picture a form designer shows for
the control: a small window with an OK button and a link.
hand.cur (cursor 206) is the 32 x 32 monochrome pointing hand over the link,
its hot spot at the fingertip.
../tests/panel_picture.bmp is the tests' 8-bit picture, 300 x 200: four
quarters of distinct colours, so that a pixel read back names its quarter.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
NAVY = (0, 0, 128)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
PALE_BLUE = (200, 220, 250)
PAPER = (250, 245, 225)
INK = (60, 60, 90)
RED = (200, 30, 30)
BLUE = (0, 0, 255)

# The tests' quarters: top-left, top-right, bottom-left, bottom-right.
QUARTERS = [(200, 40, 40), (40, 160, 60), (50, 70, 200), (230, 200, 30)]


def background_image():
    w, h = 18, 16
    image = [[PALE_BLUE] * w for _ in range(h)]
    for y in range(3, 13):
        for x in range(2, 16):
            image[y][x] = PAPER
    for y in range(3, 13):
        image[y][8] = image[y][9] = INK
    for y in (5, 7, 9):
        for x in range(3, 7):
            image[y][x] = INK
        for x in range(11, 15):
            image[y][x] = INK
    for x in range(2, 16):
        image[13][x] = RED
    return image


def toolbox_image():
    w, h = 16, 15
    image = [[SILVER] * w for _ in range(h)]
    for x in range(w):
        image[0][x] = image[1][x] = NAVY
        image[h - 1][x] = GREY
    for y in range(h):
        image[y][0] = image[y][w - 1] = GREY
    for x in range(2, 8):
        image[11][x] = BLUE
    for y in range(9, 13):
        for x in range(10, 14):
            image[y][x] = WHITE
    for x in range(10, 14):
        image[12][x] = BLACK
    return image


def panel_picture():
    w, h = 300, 200
    return [[QUARTERS[(y >= h // 2) * 2 + (x >= w // 2)] for x in range(w)] for y in range(h)]


# The cursor: "#" outline (black), "." fill (white), anything else clear.
HAND_ROWS = [
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    " ## #..#..#..##",
    "#..##..#..#..#.#",
    "#...#........#.#",
    " #..#..........#",
    "  #............#",
    "  #............#",
    "   #..........#",
    "   #..........#",
    "    #........#",
    "    ##########",
]
HAND_SIZE = 32
HAND_HOT_SPOT = (5, 0)


def main():
    background = background_image()
    pictures.write_file(HERE, "background.bmp",
                        pictures.bitmap_file(background, pictures.palette_of([background], 256), 8))
    toolbox = toolbox_image()
    pictures.write_file(HERE, "toolbox.bmp",
                        pictures.bitmap_file(toolbox, pictures.palette_of([toolbox], 16), 4))
    pictures.write_file(HERE, "hand.cur", pictures.monochrome_cursor_file(HAND_ROWS, HAND_SIZE, HAND_HOT_SPOT))
    panel = panel_picture()
    pictures.write_file(os.path.join(HERE, "..", "tests"), "panel_picture.bmp",
                        pictures.bitmap_file(panel, pictures.palette_of([panel], 256), 8))


if __name__ == "__main__":
    main()
