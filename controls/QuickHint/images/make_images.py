#!/usr/bin/env python3
"""Draws QuickHint's own pictures: the toolbox bitmap and the cursor shown
over the tip's header.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
The file writers are the shared ones of tools/pictures/windows_pictures.py.
The language button's flags are LocaleKit's icons (localekit/images/).
Run it again after changing a picture:

    python3 controls/QuickHint/images/make_images.py

toolbox.bmp (bitmap 101) is 16 x 15 in 16 colours: a small yellow tip with
a black frame, a header line and two lines of text. header.cur (cursor 210)
is a 32 x 32 monochrome pointing hand, its hot spot at the finger tip.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

BLACK = (0, 0, 0)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
INFO = (255, 255, 225)
NAVY = (0, 0, 128)


def toolbox_image():
    w, h = 16, 15
    image = [[SILVER] * w for _ in range(h)]
    for y in range(1, 14):
        for x in range(0, 16):
            edge = y in (1, 13) or x in (0, 15)
            image[y][x] = BLACK if edge else INFO
    for x in range(2, 14):
        image[5][x] = GREY
    for x in range(3, 8):
        image[3][x] = NAVY
    for x in range(3, 12):
        image[8][x] = BLACK
    for x in range(3, 10):
        image[10][x] = GREY
    return image


def main():
    toolbox = toolbox_image()
    pictures.write_file(HERE, "toolbox.bmp",
                        pictures.bitmap_file(toolbox, pictures.palette_of([toolbox], 16), 4))
    pictures.write_file(HERE, "header.cur", pictures.pointing_hand_cursor_file())


if __name__ == "__main__":
    main()
