#!/usr/bin/env python3
"""Draws LetterStrip's pictures: the toolbox bitmap and the cursor shown over
the strip.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
The file writers are the shared ones of tools/pictures/windows_pictures.py.
Run it again after changing a picture:

    python3 controls/LetterStrip/images/make_images.py

The toolbox bitmap is 16 x 15 in 16 colours: a small strip of two letter
cells, the first one raised (hot), the second sunken (selected). The
cursor is a 32 x 32 monochrome arrow, its hot spot at the tip, with a
letter tag below it.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
FACE = (192, 192, 192)
SHADOW = (128, 128, 128)
NAVY = (0, 0, 128)

# 3 x 5 glyphs of the toolbox letters.
GLYPHS = {
    "A": ["010", "101", "111", "101", "101"],
    "B": ["110", "101", "110", "101", "110"],
}

# The cursor: "#" outline (black), "." fill (white), anything else clear.
CURSOR_ROWS = [
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#........#",
    "#.....#####",
    "#..#..#",
    "#.# #..#",
    "##  #..#",
    "#    #..#",
    "     #..#",
    "      #..#",
    "      #..#  ##########",
    "       ##   #........#",
    "            #...##...#",
    "            #..#..#..#",
    "            #..#..#..#",
    "            #..####..#",
    "            #..#..#..#",
    "            #..#..#..#",
    "            #........#",
    "            ##########",
]
CURSOR_SIZE = 32
HOT_SPOT = (0, 0)


def toolbox_image():
    w, h = 16, 15
    image = [[FACE] * w for _ in range(h)]
    # Two cells of 7 pixels side by side, rows 3-11: "A" raised, "B" sunken.
    for left, letter, light, dark, ink in ((1, "A", WHITE, BLACK, BLACK),
                                           (8, "B", BLACK, WHITE, NAVY)):
        right, top, bottom = left + 6, 3, 11
        for x in range(left, right + 1):
            image[top][x] = light
            image[bottom][x] = dark
        for y in range(top, bottom + 1):
            image[y][left] = light
            image[y][right] = dark
        for dy, row in enumerate(GLYPHS[letter]):
            for dx, bit in enumerate(row):
                if bit == "1":
                    image[5 + dy][left + 2 + dx] = ink
    # The strip's own sunken border.
    for x in range(w):
        image[0][x] = SHADOW
        image[h - 1][x] = WHITE
    for y in range(h):
        image[y][0] = SHADOW
        image[y][w - 1] = WHITE
    return image


def main():
    toolbox = toolbox_image()
    pictures.write_file(HERE, "toolbox.bmp",
                        pictures.bitmap_file(toolbox, pictures.palette_of([toolbox], 16), 4))
    pictures.write_file(HERE, "letter.cur", pictures.monochrome_cursor_file(CURSOR_ROWS, CURSOR_SIZE, HOT_SPOT))


if __name__ == "__main__":
    main()
