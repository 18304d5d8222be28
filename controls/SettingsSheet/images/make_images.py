#!/usr/bin/env python3
"""Draws SettingsSheet's pictures: the colour well's sample window, the
mouse-trigger picture, their cursors, the icons of the font and language
buttons and the toolbox bitmap.

The build embeds the files this script writes beside itself (they are
committed). The file writers are the shared ones of
tools/pictures/windows_pictures.py. Run it again after changing a picture:

    python3 controls/SettingsSheet/images/make_images.py

The well and the picker recolour their pictures by flood fill, so the
pictures are drawn to keep every fill where it belongs, and the script
checks that before it writes anything:
- well.bmp (bitmap 216, 161 x 111): each item's areas are bounded only by
  black, grey, silver or white; areas of different items never touch; the
  three Control areas start on one colour; every hot rectangle's top-left
  corner (the fill seed) lies in its item's area.
- mouse.bmp (bitmap 220, 80 x 80): the two mouse buttons are closed white
  surfaces holding the seeds (12, 12) and (28, 3), and the silver
  background reaches (0, 0).
"""

import os
import struct
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
STANDARD = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW,
            BLUE, MAGENTA, AQUA, WHITE]
BOUNDARY = (BLACK, GREY, SILVER, WHITE)

# The well's hot rectangles (item, left, top, right, bottom), as the code has them.
WELL_RECTANGLES = [(0, 8, 37, 80, 55), (1, 8, 21, 150, 34), (2, 11, 58, 75, 97),
                   (2, 83, 58, 148, 97), (2, 84, 41, 148, 49)]
# The start colour of each item's areas: Interface, Title, Control.
WELL_AREA = [TEAL, NAVY, OLIVE]
MOUSE_SEEDS = [(12, 12), (28, 3)]


def blank(w, h, colour):
    return [[colour] * w for _ in range(h)]


def fill_box(image, left, top, right, bottom, colour):
    """Fills [left, right] x [top, bottom], both ends included."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            image[y][x] = colour


def framed_area(image, left, top, right, bottom, colour):
    """An area with a one-pixel black frame just outside it."""
    fill_box(image, left - 1, top - 1, right + 1, bottom + 1, BLACK)
    fill_box(image, left, top, right, bottom, colour)


def flood(image, seed):
    """The 4-connected pixels of the seed's colour, as a flood fill takes them."""
    colour = image[seed[1]][seed[0]]
    seen, todo = {seed}, [seed]
    while todo:
        x, y = todo.pop()
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if (0 <= ny < len(image) and 0 <= nx < len(image[0]) and (nx, ny) not in seen and
                    image[ny][nx] == colour):
                seen.add((nx, ny))
                todo.append((nx, ny))
    return seen


def well():
    """A small window: a title bar (Title), a client area (Interface), an
    edit box and two panels (Control) on a silver face."""
    image = blank(161, 111, SILVER)
    fill_box(image, 3, 16, 157, 107, GREY)
    fill_box(image, 4, 17, 156, 106, SILVER)
    framed_area(image, 7, 20, 151, 35, WELL_AREA[1])
    framed_area(image, 7, 37, 80, 56, WELL_AREA[0])
    framed_area(image, 84, 41, 148, 49, WELL_AREA[2])
    framed_area(image, 11, 58, 75, 97, WELL_AREA[2])
    framed_area(image, 83, 58, 148, 97, WELL_AREA[2])
    # The client area's bottom frame is the panels' top one; its corners
    # white, a highlight on the face.
    for x in range(4, 157):
        image[17][x] = WHITE
    return image


def check_well(image):
    areas = []
    for item, left, top, _, _ in WELL_RECTANGLES:
        colour = image[top][left]
        assert colour == WELL_AREA[item] and colour not in BOUNDARY, (item, left, top)
        areas.append((item, flood(image, (left, top))))
    for item, area in areas:
        for x, y in area:
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                neighbour = image[ny][nx]
                inside = any((nx, ny) in other for i, other in areas if i == item)
                assert inside or neighbour in BOUNDARY, (item, nx, ny)
    for item, area in areas:
        for other_item, other in areas:
            if other_item != item:
                assert not area & other, (item, other_item)


def inside_polygon(points, px, py):
    winding = 0
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        side = (x2 - x1) * (py - y1) - (px - x1) * (y2 - y1)
        if y1 <= py < y2 and side > 0:
            winding += 1
        elif y2 <= py < y1 and side < 0:
            winding -= 1
    return winding != 0


def fill_polygon(image, points, colour):
    for y in range(len(image)):
        for x in range(len(image[0])):
            if inside_polygon(points, x + 0.5, y + 0.5):
                image[y][x] = colour


def outline(image, colour, edge):
    """Every pixel 8-next to `colour` and of another colour becomes `edge`."""
    marks = []
    for y in range(len(image)):
        for x in range(len(image[0])):
            if image[y][x] != colour and any(
                    0 <= y + dy < len(image) and 0 <= x + dx < len(image[0]) and
                    image[y + dy][x + dx] == colour
                    for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                marks.append((x, y))
    for x, y in marks:
        image[y][x] = edge


# Keys Shift, Ctrl and Alt: their tops (the click targets) and their sides
# (painted navy when chosen), as the code has them.
KEY_TOPS = [[(2, 48), (26, 48), (36, 58), (12, 58)], [(15, 63), (37, 63), (47, 73), (25, 73)],
            [(44, 63), (66, 63), (76, 73), (54, 73)]]
KEY_SIDES = [[(1, 49), (12, 60), (39, 60), (39, 61), (13, 61), (9, 65), (1, 57)],
             [(13, 63), (25, 75), (49, 75), (52, 79), (23, 79), (10, 66)],
             [(43, 64), (54, 75), (78, 75), (78, 79), (51, 79), (51, 74), (42, 65)]]
MOUSE_BUTTONS = [[(12, 12), (19, 4), (36, 8), (19, 19)], [(28, 3), (41, 3), (51, 7), (37, 7)]]
MOUSE_BODY = [(9, 13), (26, 1), (46, 0), (56, 8), (50, 26), (32, 40), (16, 34)]


def mouse():
    image = blank(80, 80, SILVER)
    fill_polygon(image, MOUSE_BODY, GREY)
    for button in MOUSE_BUTTONS:
        fill_polygon(image, button, WHITE)
    for x, y in MOUSE_SEEDS:
        image[y][x] = WHITE
    outline(image, WHITE, BLACK)
    for side, top in zip(KEY_SIDES, KEY_TOPS):
        fill_polygon(image, side, GREY)
        fill_polygon(image, top, YELLOW)
    # Each key's letter, S, C, A, three by five pixels at the top's middle.
    letters = {"S": ["###", "#..", "###", "..#", "###"], "C": ["###", "#..", "#..", "#..", "###"],
               "A": [".#.", "#.#", "###", "#.#", "#.#"]}
    for letter, (x0, y0) in zip("SCA", ((17, 51), (29, 66), (58, 66))):
        for dy, row in enumerate(letters[letter]):
            for dx, mark in enumerate(row):
                if mark == "#":
                    image[y0 + dy][x0 + dx] = BLACK
    return image


def check_mouse(image):
    buttons = [flood(image, seed) for seed in MOUSE_SEEDS]
    for seed, area in zip(MOUSE_SEEDS, buttons):
        assert image[seed[1]][seed[0]] == WHITE, seed
        assert all(0 < x < 79 and 0 < y < 79 for x, y in area), seed
    assert not buttons[0] & buttons[1]
    assert MOUSE_SEEDS[1] not in buttons[0]
    background = flood(image, (0, 0))
    assert image[0][0] == SILVER and len(background) > 2000


def icon(draw, colours):
    image = [[None] * 32 for _ in range(32)]
    draw(image, *colours)
    return pictures.icon_file([image], STANDARD, 4)


def letter_a(image, ink, paper):
    """A page with a large A: the font button."""
    for y in range(3, 29):
        for x in range(6, 26):
            image[y][x] = paper
    for y in range(3, 29):
        image[y][6] = image[y][25] = ink
    for x in range(6, 26):
        image[3][x] = image[28][x] = ink
    for y in range(7, 25):
        half = (y - 7) // 3
        for x in (15 - half, 16 + half):
            image[y][x] = image[y][x + (1 if x > 15 else -1) * 0] = ink
    for x in range(12, 20):
        image[19][x] = ink


def flag(image, top, middle, bottom):
    """A three-band flag on a pole: the language button."""
    for y in range(4, 29):
        image[y][5] = BLACK
    for band, colour in enumerate((top, middle, bottom)):
        for y in range(5 + 6 * band, 11 + 6 * band):
            for x in range(6, 27):
                image[y][x] = colour
    for x in range(6, 27):
        image[4][x] = image[23][x] = BLACK
    for y in range(4, 24):
        image[y][26] = BLACK


def cursor(image, hot_x, hot_y):
    """An icon file made a cursor: type 2, hot spot in each entry."""
    data = bytearray(pictures.icon_file([image], STANDARD, 4))
    struct.pack_into("<H", data, 2, 2)
    struct.pack_into("<HH", data, 6 + 4, hot_x, hot_y)
    return bytes(data)


def hand(colour):
    """A pointing arrow with a small colour square: over the well and the picker."""
    image = [[None] * 32 for _ in range(32)]
    for y in range(0, 17):
        for x in range(0, y // 2 + 2):
            image[y][x] = WHITE
    outline_points = [(x, y) for y in range(0, 17) for x in range(0, y // 2 + 2)
                      if x in (0, y // 2 + 1) or y == 16]
    for x, y in outline_points:
        image[y][x] = BLACK
    fill_box(image, 12, 18, 22, 28, BLACK)
    fill_box(image, 13, 19, 21, 27, colour)
    return image


def toolbox():
    image = blank(16, 15, SILVER)
    fill_box(image, 1, 1, 14, 13, GREY)
    fill_box(image, 2, 2, 13, 12, WHITE)
    fill_box(image, 2, 2, 13, 4, NAVY)
    fill_box(image, 4, 7, 7, 10, RED)
    fill_box(image, 9, 7, 11, 10, BLUE)
    return image


def bitmap(image):
    return pictures.bitmap_file(image, STANDARD, 4, colours_used=16)


def main():
    well_image, mouse_image = well(), mouse()
    check_well(well_image)
    check_mouse(mouse_image)
    pictures.write_file(HERE, "well.bmp", bitmap(well_image))
    pictures.write_file(HERE, "mouse.bmp", bitmap(mouse_image))
    pictures.write_file(HERE, "toolbox.bmp", bitmap(toolbox()))
    pictures.write_file(HERE, "well.cur", cursor(hand(RED), 0, 0))
    pictures.write_file(HERE, "mouse.cur", cursor(hand(NAVY), 0, 0))
    pictures.write_file(HERE, "font_hot.ico", icon(letter_a, (NAVY, WHITE)))
    pictures.write_file(HERE, "font_cold.ico", icon(letter_a, (GREY, SILVER)))
    pictures.write_file(HERE, "language_hot.ico", icon(flag, (WHITE, BLUE, RED)))
    pictures.write_file(HERE, "language_cold.ico", icon(flag, (SILVER, GREY, SILVER)))


if __name__ == "__main__":
    main()
