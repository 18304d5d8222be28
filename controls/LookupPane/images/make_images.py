#!/usr/bin/env python3
"""Draws LookupPane's own pictures: the toolbox bitmap, the cursor over the
article's links and the two faces of the history button.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
The file writers are the shared ones of tools/pictures/windows_pictures.py.
The direction button's flags are LocaleKit's icons (localekit/images/).
Run it again after changing a picture:

    python3 controls/LookupPane/images/make_images.py

toolbox.bmp (bitmap 101) is 16 x 15 in 16 colours: a word list beside an
article with a bold first line. link.cur (cursor 202) is a 32 x 32
monochrome pointing hand, its hot spot at the finger tip. history_hot.ico
(icon 208) and history_cold.ico (icon 209) are 8 x 8 downward triangles,
black while the mouse is over the button, dark grey otherwise.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)


def toolbox_image():
    w, h = 16, 15
    image = [[SILVER] * w for _ in range(h)]
    for y in range(1, 14):
        for x in range(0, 16):
            edge = y in (1, 13) or x in (0, 7, 15)
            image[y][x] = BLACK if edge else WHITE
    for y in (3, 5, 7, 9, 11):
        for x in range(2, 6):
            image[y][x] = NAVY if y == 5 else GREY
    for x in range(9, 14):
        image[3][x] = BLACK
    for y in (6, 8, 10):
        for x in range(9, 14):
            image[y][x] = BLUE if y == 10 else GREY
    return image


def triangle_image(colour):
    """8 x 8, a triangle pointing down over rows 3 to 5, clear around it."""
    image = [[None] * 8 for _ in range(8)]
    for row, (first, last) in enumerate([(1, 6), (2, 5), (3, 4)]):
        for x in range(first, last + 1):
            image[row + 3][x] = colour
    return image


def main():
    toolbox = toolbox_image()
    pictures.write_file(HERE, "toolbox.bmp",
                        pictures.bitmap_file(toolbox, pictures.palette_of([toolbox], 16), 4))
    pictures.write_file(HERE, "link.cur",
                        pictures.pointing_hand_cursor_file())
    for name, colour in (("history_hot.ico", BLACK), ("history_cold.ico", GREY)):
        image = triangle_image(colour)
        palette = pictures.palette_of([image], 16, leading=(BLACK,))
        pictures.write_file(HERE, name, pictures.icon_file([image], palette, 4))


if __name__ == "__main__":
    main()
