"""Writes pictures in the Windows file formats that resource scripts embed:
device-independent bitmaps (.bmp), icons (.ico) and monochrome cursors
(.cur), from pictures given as rows of (red, green, blue) colours or, for
cursors, of characters.

For the pictures' generators (the make_images.py scripts beside the
pictures they draw); the Python standard library only. Pixel rows are
stored bottom-up, each padded to 4 bytes, after a 40-byte
BITMAPINFOHEADER and the palette; a palette image indexes its colours.
"""

import os
import struct


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


def info_header(width, height, bits, image_size, colours_used=0):
    # BITMAPINFOHEADER (40 bytes): size, width, height (positive: bottom-up),
    # planes, bit count, compression (BI_RGB), image size, resolution x and
    # y, colours used (0: all of the bit count) and important (0: all).
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0,
                       colours_used, 0)


def rgbquads(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def palette_of(images, size, leading=()):
    """The `leading` colours, then the images' other colours in the order
    they first appear (transparent pixels, None, left out), padded with
    black to `size` entries."""
    colours = list(leading)
    for image in images:
        for row in image:
            for colour in row:
                if colour is not None and colour not in colours:
                    colours.append(colour)
    assert len(colours) <= size, len(colours)
    return colours + [(0, 0, 0)] * (size - len(colours))


def bitmap_file(image, palette, bits, colours_used=0):
    """A .bmp of the image in the palette's colours (2 ** bits of them);
    `colours_used` is the header's count of them (0: all)."""
    assert len(palette) == 1 << bits, len(palette)
    pixels = pack_rows(image, palette, bits)
    info = (info_header(len(image[0]), len(image), bits, len(pixels), colours_used) +
            rgbquads(palette))
    offset = 14 + len(info)
    # BITMAPFILEHEADER: "BM", file size, two reserved words, offset of the bits.
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + pixels


def icon_file(images, palette, bits):
    """An .ico holding the images (16 or 256 colours), each transparent where
    its colour is None."""
    assert len(palette) == 1 << bits, len(palette)
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for image in images:
        width, height = len(image[0]), len(image)
        black = palette.index((0, 0, 0))
        colour_bits = pack_rows([[palette[black] if c is None else c for c in row] for row in image],
                                palette, bits)
        mask_bits = pack_rows([[1 if c is None else 0 for c in row] for row in image], [0, 1], 1)
        # An icon image's header counts the colour and mask images together.
        blob = (info_header(width, 2 * height, bits, len(colour_bits) + len(mask_bits)) +
                rgbquads(palette) + colour_bits + mask_bits)
        # ICONDIRENTRY: width, height, colour count (0: 256), reserved,
        # planes, bit count, size of the image, its offset in the file.
        colour_count = len(palette) if bits < 8 else 0
        entries.append(struct.pack("<BBBBHHII", width, height, colour_count, 0, 1, bits, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    # ICONDIR: reserved, type 1 (icon), number of images.
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def monochrome_cursor_file(rows, size, hot_spot):
    """A one-image cursor of size x size from text rows: "#" black, "."
    white, anything else (and everything past the rows) clear."""
    # XOR bits 1 = white, AND bits 1 = clear.
    xor = [[0] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c in "#.":
                mask[y][x] = 0
                xor[y][x] = 1 if c == "." else 0
    bits = pack_rows(xor, [0, 1], 1) + pack_rows(mask, [0, 1], 1)
    # The image's header counts the colour and mask images together.
    blob = (info_header(size, 2 * size, 1, len(bits)) +
            rgbquads([(0, 0, 0), (255, 255, 255)]) + bits)
    # CURSORDIR (reserved, type 2, one image), then its CURSORDIRENTRY:
    # size, colour count, reserved, hot spot, image size and its offset.
    return (struct.pack("<HHH", 0, 2, 1) +
            struct.pack("<BBBBHHII", size, size, 2, 0, hot_spot[0], hot_spot[1], len(blob), 22) +
            blob)


# The pointing hand over a link, its hot spot at the finger tip: "#"
# outline (black), "." fill (white), anything else clear.
POINTING_HAND_ROWS = [
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..##",
    "    #..#..#..#.#",
    "### #..#..#..#..#",
    "#..##........#..#",
    "#...#...........#",
    " #..............#",
    "  #.............#",
    "  #.............#",
    "   #............#",
    "   #...........#",
    "    #..........#",
    "    #.........#",
    "     #........#",
    "     ##########",
]


def pointing_hand_cursor_file():
    """The 32 x 32 pointing-hand cursor shown over links."""
    return monochrome_cursor_file(POINTING_HAND_ROWS, 32, (5, 0))


def write_file(directory, name, data):
    """Writes the picture file `name` into `directory`, the generator's own."""
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data)
