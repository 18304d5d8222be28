#!/usr/bin/env python3
"""Draws MorvexSolo's pictures: the program icon, the 16-pixel icons of the
edit and dictionary menus, the two picture strips of the tray menu and the
splash and about picture.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
Run it again after changing a picture:

    python3 app/images/make_images.py

The small pictures use the sixteen colours of the standard VGA palette, the
colours a 16-colour image list keeps. The tray strips (96 x 16, six 16 x 16
pictures in tray-menu order) are painted on white, which the menu painter
masks out; no picture holds white of its own, or it would show holes. Each
picture comes twice: hot (in colour, under the mouse) and cold (in greys,
otherwise), with the same outline so that nothing moves when one replaces
the other. The program icon (16 and 32 pixels, 256 colours) is mostly
PROGRAM_ICON_KEY_COLOUR. The splash and about picture (300 x 200, 256 colours) is
dark and plain where the about panel puts its hyperlink (top right) and its
OK button (bottom right), in the light text colours the host gives them.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, os.pardir, os.pardir, "tools", "pictures"))
from windows_pictures import bitmap_file, icon_file  # noqa: E402

# The VGA palette, by the letters the drawings below use.
VGA = {
    "k": (0, 0, 0),
    "r": (128, 0, 0),
    "g": (0, 128, 0),
    "o": (128, 128, 0),
    "n": (0, 0, 128),
    "p": (128, 0, 128),
    "t": (0, 128, 128),
    "s": (192, 192, 192),
    "d": (128, 128, 128),
    "R": (255, 0, 0),
    "G": (0, 255, 0),
    "Y": (255, 255, 0),
    "B": (0, 0, 255),
    "M": (255, 0, 255),
    "C": (0, 255, 255),
    "W": (255, 255, 255),
}
WHITE = VGA["W"]
# The grey of each colour in a cold picture.
COLD = {"n": "k", "r": "k", "g": "k", "p": "k", "t": "k", "o": "d",
        "R": "d", "G": "d", "B": "d", "C": "d", "M": "d", "Y": "s"}
# Where a drawing has nothing: white in a strip, transparent in an icon.
NOTHING = "."

# The program icon's colours: an orange book with a brown spine and cream
# pages, a golden emblem on the cover.
# app/Resources.h gives the same colour to the code that looks for it.
PROGRAM_ICON_KEY_COLOUR = (236, 124, 28)
PROGRAM = {
    "O": PROGRAM_ICON_KEY_COLOUR,
    "b": (96, 44, 12),
    "c": (250, 238, 206),
    "y": (255, 214, 64),
    "l": (252, 168, 84),
}

# Tray menu pictures in menu order: Translation, Dictionary, Collection,
# Settings, Help, About.
TRANSLATION = [
    "nnnnnnnnnn......",
    "nBBBBBBBBn......",
    "nBBBBYBBBn......",
    "nBBBYBYBBn......",
    "nBBYBBBYBn......",
    "nBBYYYYYBn......",
    "nBBYBBrrrrrrrrrr",
    "nBBYBBrRRRRRRRRr",
    "nBBBBBrRRYYYYRRr",
    "nnnnnnrRYRRRYRRr",
    "......rRYRRRYRRr",
    "......rRRYYYYRRr",
    "......rRRRYRYRRr",
    "......rRRYRRYRRr",
    "......rRYRRRYRRr",
    "......rrrrrrrrrr",
]
DICTIONARY = [
    "................",
    "..kkkkkkkkkkkk..",
    ".knBBBBBBBBBBBk.",
    ".knBBBBBBBBBBBk.",
    ".knBBYYYYYYBBBk.",
    ".knBBBBBBBBBBBk.",
    ".knBBYYYYBBBBBk.",
    ".knBBBBBBBBBBBk.",
    ".knBBBBBBBBBBBk.",
    ".knBBBBBBBBBBBk.",
    ".knBBBBBBBBBBBk.",
    ".knBBBBBBBBBBBk.",
    ".knkkkkkkkkkkkk.",
    ".knsssssssssssk.",
    ".kkkkkkkkkkkkk..",
    "................",
]
COLLECTION = [
    "................",
    "................",
    ".kkkk...........",
    ".kRRk.kkkk......",
    ".kRRk.kGGk..kkk.",
    ".kYYk.kGGk.kBBk.",
    ".kRRk.kYYk.kBBk.",
    ".kRRk.kGGkkBBk..",
    ".kRRk.kGGkkYYk..",
    ".kRRk.kGGkBBk...",
    ".kYYk.kYYkBBk...",
    ".kRRk.kGGkBBk...",
    ".kkkk.kkkkkkk...",
    "oooooooooooooooo",
    "rrrrrrrrrrrrrrrr",
    "................",
]
SETTINGS = [
    "................",
    "......kkkk......",
    "..kk..kCCk..kk..",
    ".kCCkkkCCkkkCCk.",
    ".kCCCCCCCCCCCCk.",
    "..kCCCtttCCCCk..",
    "..kCCtkkktCCCk..",
    "kkkCCtkssktCCkkk",
    "kCCCtkssssktCCCk",
    "kkkCCtkssktCCkkk",
    "..kCCCtkktCCCk..",
    "..kCCCCttCCCCk..",
    ".kCCCCCCCCCCCCk.",
    ".kCCkkkCCkkkCCk.",
    "..kk..kCCk..kk..",
    "......kkkk......",
]
HELP = [
    "................",
    ".....nnnnnn.....",
    "...nnBBBBBBnn...",
    "..nBBBYYYYBBBn..",
    ".nBBBYYBBYYBBBn.",
    ".nBBBYYBBYYBBBn.",
    "nBBBBBBBBYYBBBBn",
    "nBBBBBBBYYBBBBBn",
    "nBBBBBBYYBBBBBBn",
    "nBBBBBBYYBBBBBBn",
    ".nBBBBBBBBBBBBn.",
    ".nBBBBBYYBBBBBn.",
    "..nBBBBYYBBBBn..",
    "...nnBBBBBBnn...",
    ".....nnnnnn.....",
    "................",
]
ABOUT = [
    "................",
    ".....gggggg.....",
    "...ggGGGGGGgg...",
    "..gGGGGYYGGGGg..",
    ".gGGGGGYYGGGGGg.",
    ".gGGGGGGGGGGGGg.",
    "gGGGGGYYYGGGGGGg",
    "gGGGGGGYYGGGGGGg",
    "gGGGGGGYYGGGGGGg",
    "gGGGGGGYYGGGGGGg",
    ".gGGGGGYYGGGGGg.",
    ".gGGGGYYYYGGGGg.",
    "..gGGGGGGGGGGg..",
    "...ggGGGGGGgg...",
    ".....gggggg.....",
    "................",
]
TRAY_PICTURES = [TRANSLATION, DICTIONARY, COLLECTION, SETTINGS, HELP, ABOUT]

# Pictures of the edit and dictionary menus; icons, so white is allowed.
COPY = [
    "kkkkkkkk........",
    "kWWWWWWk........",
    "kWnnnnWk........",
    "kWWWWWWk........",
    "kWnnnkkkkkkkk...",
    "kWWWWkWWWWWWk...",
    "kWnnnkWnnnnWk...",
    "kWWWWkWWWWWWk...",
    "kWnnnkWnnnnWk...",
    "kkkkkkWWWWWWk...",
    ".....kWnnnnWk...",
    ".....kWWWWWWk...",
    ".....kWnnnnWk...",
    ".....kWWWWWWk...",
    ".....kkkkkkkk...",
    "................",
]
UNDO = [
    "................",
    "................",
    "....n...........",
    "...nn...........",
    "..nBnnnnnnn.....",
    ".nBBBBBBBBBnn...",
    "..nBnnnnnnBBBn..",
    "...nn.....nnBBn.",
    "....n.......nBn.",
    ".............nBn",
    ".............nBn",
    "............nBn.",
    "..........nnBn..",
    "........nnBBn...",
    "........nnnn....",
    "................",
]
CUT = [
    "................",
    "...k.......k....",
    "...k.......k....",
    "...kk.....kk....",
    "....k.....k.....",
    "....kk...kk.....",
    ".....k...k......",
    ".....kk.kk......",
    "......kdk.......",
    ".....RRkRR......",
    "....R..R..R.....",
    "...R...R...R....",
    "...R...R...R....",
    "...R...R...R....",
    "....RRR.RRR.....",
    "................",
]
DELETE = [
    "................",
    "................",
    "..rr........rr..",
    "..rRr......rRr..",
    "...rRr....rRr...",
    "....rRr..rRr....",
    ".....rRrrRr.....",
    "......rRRr......",
    "......rRRr......",
    ".....rRrrRr.....",
    "....rRr..rRr....",
    "...rRr....rRr...",
    "..rRr......rRr..",
    "..rr........rr..",
    "................",
    "................",
]
PASTE = [
    ".....kkkkk......",
    "..kkkksssskkkk..",
    ".koooksssskooook",
    ".kooookkkkooook.",
    ".koookkkkkkkkk..",
    ".kooookWWWWWWk..",
    ".kooookWnnnnWk..",
    ".kooookWWWWWWk..",
    ".kooookWnnnnWk..",
    ".kooookWWWWWWk..",
    ".kooookWnnnnWk..",
    ".kooookWWWWWWk..",
    ".kooookWnnnnWk..",
    ".kkkkkkWWWWWWk..",
    "......kkkkkkkk..",
    "................",
]

# Menu icons: resource file name, drawing; each becomes a hot and a cold icon.
MENU_ICONS = [
    ("copy", COPY),
    ("dictionary_item", DICTIONARY),
    ("undo", UNDO),
    ("cut", CUT),
    ("delete", DELETE),
    ("paste", PASTE),
]

PROGRAM_ICON_16 = [
    "................",
    "..bbbbbbbbbbbbb.",
    ".bbOOOOOOOOOOOb.",
    ".bbOOOOOOOOOOOb.",
    ".bbOOOOOyOOOOOb.",
    ".bbOOOOyyyOOOOb.",
    ".bbOOOyyOyyOOOb.",
    ".bbOOyyOOOyyOOb.",
    ".bbOOOyyOyyOOOb.",
    ".bbOOOOyyyOOOOb.",
    ".bbOOOOOyOOOOOb.",
    ".bbOOOOOOOOOOOb.",
    ".bbbbbbbbbbbbbb.",
    ".bbcccccccccccb.",
    "..bbbbbbbbbbbbb.",
    "................",
]
PROGRAM_ICON_32 = [
    "................................",
    "................................",
    "....bbbbbbbbbbbbbbbbbbbbbbbb....",
    "...bbbbbbbOOOOOOOOOOOOOOOOOOb...",
    "...bbbbbblOOOOOOOOOOOOOOOOOOb...",
    "...bbbbbblOOOOOOOOOOOOOOOOOOb...",
    "...bbbbbblOOOOOOOOOOOOOOOOOOb...",
    "...bbbbbblOOOOOOOOyyOOOOOOOOb...",
    "...bbbbbblOOOOOOOyyyyOOOOOOOb...",
    "...bbbbbblOOOOOOyyOOyyOOOOOOb...",
    "...bbbbbblOOOOOyyOOOOyyOOOOOb...",
    "...bbbbbblOOOOyyOOOOOOyyOOOOb...",
    "...bbbbbblOOOyyOOOyyOOOyyOOOb...",
    "...bbbbbblOOyyOOOyyyyOOOyyOOb...",
    "...bbbbbblOOyyOOOyyyyOOOyyOOb...",
    "...bbbbbblOOOyyOOOyyOOOyyOOOb...",
    "...bbbbbblOOOOyyOOOOOOyyOOOOb...",
    "...bbbbbblOOOOOyyOOOOyyOOOOOb...",
    "...bbbbbblOOOOOOyyOOyyOOOOOOb...",
    "...bbbbbblOOOOOOOyyyyOOOOOOOb...",
    "...bbbbbblOOOOOOOOyyOOOOOOOOb...",
    "...bbbbbblOOOOOOOOOOOOOOOOOOb...",
    "...bbbbbblOOOOOOOOOOOOOOOOOOb...",
    "...bbbbbblOOOOOOOOOOOOOOOOOOb...",
    "...bbbbbbbbbbbbbbbbbbbbbbbbbb...",
    "...bbbbbbbccccccccccccccccccb...",
    "...bbbbbbbccccccccccccccccccb...",
    "...bbbbbbbccccccccccccccccccb...",
    "...bbbbbbbbbbbbbbbbbbbbbbbbbb...",
    "....bbbbbbbbbbbbbbbbbbbbbbbb....",
    "................................",
    "................................",
]


def drawn(rows, colours):
    """A drawing as rows of colours, None where it has nothing."""
    assert all(len(row) == len(rows) for row in rows), rows
    return [[None if ch == NOTHING else colours[ch] for ch in row] for row in rows]


def cold(rows):
    """The same picture in the greys of the palette: outlines black, fills
    grey, highlights silver; never white, so a strip keeps its outline."""
    return ["".join(COLD.get(ch, ch) for ch in row) for row in rows]


def on_white(image):
    return [[WHITE if c is None else c for c in row] for row in image]


def side_by_side(images):
    return [sum((image[y] for image in images), []) for y in range(len(images[0]))]


def palette_of(images, bits):
    """The VGA palette for 4 bits; for 8 bits the images' own colours."""
    if bits == 4:
        return list(VGA.values())
    colours = [(0, 0, 0)]
    for image in images:
        for row in image:
            for colour in row:
                if colour is not None and colour not in colours:
                    colours.append(colour)
    assert len(colours) <= 256, len(colours)
    return colours + [(0, 0, 0)] * (256 - len(colours))


def icon(images, bits):
    return icon_file(images, palette_of(images, bits), bits)


def bitmap(image, bits):
    return bitmap_file(image, palette_of([image], bits), bits)


# The splash and about picture.
ABOUT_WIDTH, ABOUT_HEIGHT = 300, 200
# Left, top, right, bottom of the plain areas: the hyperlink's (its text
# ends 48 pixels from the right edge, 8 from the top) and the OK button's
# (32 x 16, at (208, 180) in the splash and about (260, 150) in the box).
ABOUT_QUIET_AREAS = [(96, 0, 300, 36), (196, 140, 300, 200)]

SKY_TOP = (12, 26, 66)
SKY_BOTTOM = (10, 62, 96)
TITLE = (250, 240, 214)
SHADOW = (4, 12, 32)
PAGE = (246, 234, 204)
PAGE_SHADE = (214, 198, 160)
PAGE_LINE = (150, 132, 100)
COVER = PROGRAM_ICON_KEY_COLOUR
COVER_DARK = (150, 70, 14)

# A 5 x 7 face for the title, the letters it needs, 6 columns apart.
GLYPH_ADVANCE = 6
GLYPHS = {
    "M": ["X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"],
    "S": [".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."],
    "o": [".....", ".....", ".XXX.", "X...X", "X...X", "X...X", ".XXX."],
    "r": [".....", ".....", "X.XX.", "XX..X", "X....", "X....", "X...."],
    "v": [".....", ".....", "X...X", "X...X", "X...X", ".X.X.", "..X.."],
    "e": [".....", ".....", ".XXX.", "X...X", "XXXXX", "X....", ".XXX."],
    "x": [".....", ".....", "X...X", ".X.X.", "..X..", ".X.X.", "X...X"],
    "l": [".XX..", "..X..", "..X..", "..X..", "..X..", "..X..", ".XXX."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
    "A": ["..X..", ".X.X.", "X...X", "X...X", "XXXXX", "X...X", "X...X"],
    "Я": [".XXXX", "X...X", "X...X", ".XXXX", "..X.X", ".X..X", "X...X"],
    ">": [".....", "..X..", "...X.", "XXXXX", "...X.", "..X..", "....."],
}


def sky(y):
    # 50 bands from top to bottom, so the picture fits 256 colours.
    t = (y * 50 // ABOUT_HEIGHT) / 49
    return tuple(round(a + (b - a) * t) for a, b in zip(SKY_TOP, SKY_BOTTOM))


def draw_text(image, text, left, top, scale, colour):
    for i, ch in enumerate(text):
        for gy, line in enumerate(GLYPHS[ch]):
            for gx, cell in enumerate(line):
                if cell == "X":
                    for dy in range(scale):
                        for dx in range(scale):
                            image[top + gy * scale + dy][left + (i * GLYPH_ADVANCE + gx) * scale + dx] = colour


def draw_open_book(image, left, top, width, height):
    """Two pages over an orange cover, seen from the front, with lines of text."""
    middle = left + width // 2
    for y in range(top, top + height + 6):
        for x in range(left - 6, left + width + 6):
            image[y][x] = COVER_DARK if y >= top + height + 3 else COVER
    for y in range(top, top + height):
        # A shaded fold between the two pages.
        for x in range(left, left + width):
            image[y][x] = PAGE_SHADE if abs(x - middle) < 3 else PAGE
    for row in range(top + 10, top + height - 6, 8):
        for x in range(left + 8, left + width - 8):
            if abs(x - middle) > 8 and (x // 7 + row) % 5:
                image[row][x] = PAGE_LINE


def about_picture():
    image = [[sky(y)] * ABOUT_WIDTH for y in range(ABOUT_HEIGHT)]
    draw_text(image, "Morvex Solo", 26, 46, 3, SHADOW)
    draw_text(image, "Morvex Solo", 24, 44, 3, TITLE)
    for y in (74, 75):
        for x in range(24, 222):
            image[y][x] = COVER
    draw_open_book(image, 36, 96, 120, 66)
    # What the program does: from one language into the other.
    draw_text(image, "A", 186, 104, 4, TITLE)
    draw_text(image, ">", 210, 104, 4, COVER)
    draw_text(image, "Я", 234, 104, 4, TITLE)
    for left, top, right, bottom in ABOUT_QUIET_AREAS:
        for y in range(top, bottom):
            assert all(image[y][x] == sky(y) for x in range(left, right)), (left, top)
    return image


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    program = [drawn(PROGRAM_ICON_16, PROGRAM), drawn(PROGRAM_ICON_32, PROGRAM)]
    write("program.ico", icon(program, 8))
    for name, drawing in MENU_ICONS:
        write("%s_hot.ico" % name, icon([drawn(drawing, VGA)], 4))
        write("%s_cold.ico" % name, icon([drawn(cold(drawing), VGA)], 4))
    for name, pictures in (("hot", TRAY_PICTURES), ("cold", [cold(p) for p in TRAY_PICTURES])):
        strip = side_by_side([drawn(p, VGA) for p in pictures])
        write("tray_%s.bmp" % name, bitmap(on_white(strip), 4))
    write("about.bmp", bitmap(about_picture(), 8))


if __name__ == "__main__":
    main()
