#!/usr/bin/env python3
"""Draws PageStrip's pictures: the toolbox bitmap of the control and the two
marks a hot page header shows near its right end.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
The file writers are the shared ones of tools/pictures/windows_pictures.py.
Run it again after changing a picture:

    python3 controls/PageStrip/images/make_images.py

toolbox.bmp is 16 x 15 in 16 colours: a small strip with the open page's
header at the top, its page, and one header at the bottom.

header_top.ico and header_bottom.ico hold one 32 x 32 image each, in 256
colours with a transparency mask. The strip draws them with their middle at
the header's middle, so everything drawn stays within the middle 16 rows
(8-23) and the rest is transparent: a hot header of 20 pixels never paints
over its neighbours. The top stack's mark is an arrow pointing down (its
page opens by pushing the headers below it down), the bottom stack's one
pointing up.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "pictures"))
import windows_pictures as pictures  # noqa: E402  (found through the path above)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
NAVY = (16, 40, 120)
GREY = (128, 128, 128)
DARK_GREY = (64, 64, 64)
TEAL = (0, 128, 128)
CREAM = (255, 251, 240)

ICON_SIZE = 32
# The rows an icon may draw in: the middle 16 of its 32.
ICON_FIRST_ROW, ICON_LAST_ROW = 8, 23


def arrow(pointing_down):
    """A navy arrow with a white rim, centred in the icon; None marks a
    transparent pixel."""
    # Half widths of the picture's rows from its tip on: a head 13 pixels
    # wide at its base and 7 rows high, then a shaft 5 wide and 5 rows long.
    halves = [0.5 + k for k in range(7)] + [2.5] * 5
    centre = ICON_SIZE / 2
    top = (ICON_SIZE - len(halves)) // 2
    image = [[None] * ICON_SIZE for _ in range(ICON_SIZE)]
    for i, half in enumerate(halves):
        y = top + len(halves) - 1 - i if pointing_down else top + i
        for x in range(ICON_SIZE):
            if abs(x + 0.5 - centre) <= half:
                image[y][x] = NAVY

    def touches_arrow(x, y):
        return any(0 <= y + dy < ICON_SIZE and 0 <= x + dx < ICON_SIZE and
                   image[y + dy][x + dx] is not None
                   for dy in (-1, 0, 1) for dx in (-1, 0, 1))

    # The rim makes the mark read on a dark header too.
    rimmed = [[colour if colour is not None else (WHITE if touches_arrow(x, y) else None)
               for x, colour in enumerate(row)] for y, row in enumerate(image)]
    for y, row in enumerate(rimmed):
        if any(colour is not None for colour in row):
            assert ICON_FIRST_ROW <= y <= ICON_LAST_ROW, "the mark leaves the middle rows"
    return rimmed


def toolbox_picture():
    """Frame, the open page's header, the page, a header of the bottom stack."""
    w, h = 16, 15
    image = [[DARK_GREY if x in (0, w - 1) or y in (0, h - 1) else CREAM for x in range(w)]
             for y in range(h)]
    for first, last, colour in ((1, 3, TEAL), (11, 13, NAVY)):
        for y in range(first, last + 1):
            for x in range(1, w - 1):
                image[y][x] = colour
    for y in (4, 10):
        for x in range(1, w - 1):
            image[y][x] = GREY
    return image


def palette_of(images, size):
    """The images' colours, black first (an icon's transparent pixels are
    black in its colour image)."""
    return pictures.palette_of(images, size, leading=[BLACK])


def main():
    toolbox = toolbox_picture()
    pictures.write_file(HERE, "toolbox.bmp",
                        pictures.bitmap_file(toolbox, palette_of([toolbox], 16), 4))
    for name, down in (("header_top.ico", True), ("header_bottom.ico", False)):
        mark = arrow(pointing_down=down)
        pictures.write_file(HERE, name, pictures.icon_file([mark], palette_of([mark], 256), 8))


if __name__ == "__main__":
    main()
