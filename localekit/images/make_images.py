#!/usr/bin/env python3
"""Draws LocaleKit's pictures: the flag icons of the interface languages and
the background of the direction bitmap.

The build embeds the files this script writes beside itself (they are
committed, so the build needs neither this script nor an image editor).
Run it again after changing a picture:

    python3 localekit/images/make_images.py

Every flag icon holds two 256-colour images, 16 x 11 and 32 x 20. The
direction bitmap is 32 x 32 in 16 colours: a magenta background (the colour
its users mask out) and a small arrow that points from the first flag,
drawn at (0, 1), to the second, drawn at (16, 4).
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

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


def palette_of(images, size):
    colours = []
    for image in images:
        for row in image:
            for colour in row:
                if colour not in colours:
                    colours.append(colour)
    assert len(colours) <= size
    return colours + [BLACK] * (size - len(colours))


def row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def pack_rows(image, palette, bits):
    """Palette indices, bottom row first, each row padded to 4 bytes."""
    out = bytearray()
    per_byte = 8 // bits
    for row in reversed(image):
        packed = bytearray(row_stride(len(row), bits))
        for x, colour in enumerate(row):
            shift = (per_byte - 1 - x % per_byte) * bits
            packed[x // per_byte] |= palette.index(colour) << shift
        out += packed
    return out


def info_header(width, height, bits, image_size):
    # BITMAPINFOHEADER: size, width, height, planes, bit count, compression,
    # image size, resolution x and y, colours used and important.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0, 0, 0)


def rgbquads(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def icon_file(draw):
    images = [draw(w, h) for (w, h) in ICON_SIZES]
    palette = palette_of(images, 256)
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for (w, h), image in zip(ICON_SIZES, images):
        colour_bits = pack_rows(image, palette, 8)
        mask_bits = bytes(row_stride(w, 1) * h)  # all opaque
        # An icon image's header counts the colour and mask images together.
        blob = (info_header(w, 2 * h, 8, len(colour_bits) + len(mask_bits)) + rgbquads(palette) +
                colour_bits + mask_bits)
        # ICONDIRENTRY: width, height, colour count (0: 256), reserved,
        # planes, bit count, size of the image, its offset in the file.
        entries.append(struct.pack("<BBBBHHII", w, h, 0, 0, 1, 8, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    # ICONDIR: reserved, type 1 (icon), number of images.
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


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


def bitmap_file(image):
    palette = palette_of([image], 16)
    bits = pack_rows(image, palette, 4)
    info = info_header(len(image[0]), len(image), 4, len(bits)) + rgbquads(palette)
    offset = 14 + len(info)
    # BITMAPFILEHEADER: "BM", file size, two reserved words, offset of the bits.
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + info + bits


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    for _, name, draw in FLAGS:
        write("flag_%s.ico" % name, icon_file(draw))
    write("direction.bmp", bitmap_file(direction_background()))


if __name__ == "__main__":
    main()
