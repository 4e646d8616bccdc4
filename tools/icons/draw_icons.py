#!/usr/bin/env python3
"""Draws the program's images as 16-colour bitmaps with plain Python.

Writes resources/menu_icons.bmp (BITMAP2: twelve 16x16 menu images side by
side, silver RGB 192,192,192 as the mask colour) and resources/kuranto.ico
(ICON1: 32x32 and 16x16). Run from anywhere; both outputs are committed.
"""
import os
import struct

# The standard 16-colour palette; index 7 (silver) is the image list's mask.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
MASK = 7
INK = {
    '.': MASK, 'k': 0, 'R': 1, 'G': 2, 'o': 3, 'n': 4, 'p': 5, 't': 6,
    'g': 8, 'r': 9, 'l': 10, 'y': 11, 'b': 12, 'm': 13, 'c': 14, 'w': 15,
}

POSTAL_SHEET = [
    "...kkkkkkkk.....",
    "...kwwwwwwkk....",
    "...kwwwwwwkwk...",
    "...kwwwwwwkkkk..",
    "...kwwwwwwwwwk..",
    "...kwrrrrrrwwk..",
    "...kwwwwwwwwwk..",
    "...kwrrrrrrwwk..",
    "...kwwwrrwwwwk..",
    "...kwwwrrwwwwk..",
    "...kwwwrrwwwwk..",
    "...kwwwrrwwwwk..",
    "...kwwwwwwwwwk..",
    "...kwwwwwwwwwk..",
    "...kkkkkkkkkkk..",
    "................",
]

# Slot order of the owner-drawn menu items.
IMAGES = [
    # 0 new condition: new sheet with a postal mark and a spark
    [
        "..kkkkkkkk...y..",
        "..kwwwwwwkk.y.y.",
        "..kwwwwwwkwk.y..",
        "..kwwwwwwkkkk..y",
        "..kwwwwwwwwwk...",
        "..kwrrrrrrwwk...",
        "..kwwwwwwwwwk...",
        "..kwrrrrrrwwk...",
        "..kwwwrrwwwwk...",
        "..kwwwrrwwwwk...",
        "..kwwwrrwwwwk...",
        "..kwwwrrwwwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kkkkkkkkkkk...",
        "................",
    ],
    # 1 properties: card with a pen
    [
        "................",
        "............nn..",
        "...........nbbn.",
        "kkkkkkkkkknbbn..",
        "kwwwwwwwwnbbnk..",
        "kwggggwwnbbnwk..",
        "kwwwwwwnbbnwwk..",
        "kwggggnbbnwwwk..",
        "kwwwwwkbnwwwwk..",
        "kwgggkkwwwwwwk..",
        "kwwwwwwwwwwwwk..",
        "kwggggggggwwwk..",
        "kwwwwwwwwwwwwk..",
        "kkkkkkkkkkkkkk..",
        "................",
        "................",
    ],
    # 2 exit: the word EXIT in a red frame
    [
        "................",
        "................",
        "................",
        "rrrrrrrrrrrrrrrr",
        "rwwwwwwwwwwwwwwr",
        "rwRRRwRwRwRwRRRr",
        "rwRwwwRwRwRwwRwr",
        "rwRRRwwRwwRwwRwr",
        "rwRwwwRwRwRwwRwr",
        "rwRRRwRwRwRwwRwr",
        "rwwwwwwwwwwwwwwr",
        "rrrrrrrrrrrrrrrr",
        "................",
        "................",
        "................",
        "................",
    ],
    # 3 help contents: question mark
    [
        "................",
        ".....bbbbbb.....",
        "....bbbbbbbb....",
        "...bbb....bbb...",
        "...bbb....bbb...",
        "..........bbb...",
        ".........bbb....",
        "........bbb.....",
        ".......bbb......",
        ".......bbb......",
        ".......bbb......",
        "................",
        ".......bbb......",
        ".......bbb......",
        "................",
        "................",
    ],
    # 4 about: house
    [
        "................",
        ".......rr.......",
        "......rrrr.kk...",
        ".....rrrrrrkk...",
        "....rrrrrrrrk...",
        "...rrrrrrrrrr...",
        "..rrrrrrrrrrrr..",
        ".rrrrrrrrrrrrrr.",
        "..kkkkkkkkkkkk..",
        "..kwwwwwwwwwwk..",
        "..kwbbwwwoowwk..",
        "..kwbbwwwoowwk..",
        "..kwwwwwwoowwk..",
        "..kwwwwwwoowwk..",
        "..kkkkkkkkkkkk..",
        "................",
    ],
    # 5 address data download: sheet with a postal mark
    POSTAL_SHEET,
    # 6 office data download: sheet with a postal mark
    POSTAL_SHEET,
    # 7 postal home page: sheet with a web-browser symbol
    [
        "..kkkkkkkk......",
        "..kwwwwwwkk.....",
        "..kwwwwwwkwk....",
        "..kwwwwwwkkkk...",
        "..kwwwbbbbwwk...",
        "..kwwbcbbcbwk...",
        "..kwbccbbccbk...",
        "..kwbbbbbbbbk...",
        "..kwbccbbccbk...",
        "..kwwbcbbcbwk...",
        "..kwwwbbbbwwk...",
        "..kwwwwwwwwwk...",
        "..kwwwwwwwwwk...",
        "..kkkkkkkkkkk...",
        "................",
        "................",
    ],
    # 8 settings: small window with a text field
    [
        "................",
        "kkkkkkkkkkkkkkkk",
        "knnnnnnnnnnwkwkk",
        "kwwwwwwwwwwwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kwggggggggggggwk",
        "kwgwwwwwwwwwwwwk",
        "kwgwkwwwwwwwwwwk",
        "kwgwkwwwwwwwwwwk",
        "kwgwwwwwwwwwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kwwwwwwwggggggwk",
        "kwwwwwwwwwwwwwwk",
        "kkkkkkkkkkkkkkkk",
        "................",
    ],
    # 9 copy: two sheets
    [
        "kkkkkkk.........",
        "kwwwwwkk........",
        "kwggwwkwk.......",
        "kwwwwwkkkk......",
        "kwggggkkkkkkk...",
        "kwwwwkwwwwwwkk..",
        "kwgggkwggwwwkwk.",
        "kwwwwkwwwwwwkkkk",
        "kwgggkwggggwwwwk",
        "kwwwwkwwwwwwwwwk",
        "kkkkkkwggggggwwk",
        ".....kwwwwwwwwwk",
        ".....kwggggggwwk",
        ".....kwwwwwwwwwk",
        ".....kkkkkkkkkkk",
        "................",
    ],
    # 10 record: note pad with a pencil
    [
        "..k.k.k.k.......",
        ".kkkkkkkkkkk....",
        ".kwwwwwwwwwk..R.",
        ".kwggggggwwk.RyR",
        ".kwwwwwwwwwkRyyR",
        ".kwggggggwwRyyR.",
        ".kwwwwwwwwRyyR..",
        ".kwgggggwRyyRk..",
        ".kwwwwwwRyyRwk..",
        ".kwggggkyyRwwk..",
        ".kwwwwwkkRwwwk..",
        ".kwggggggggwwk..",
        ".kwwwwwwwwwwwk..",
        ".kkkkkkkkkkkkk..",
        "................",
        "................",
    ],
    # 11 remove from list: tray with a red arrow pointing up
    [
        ".......rr.......",
        "......rrrr......",
        ".....rrrrrr.....",
        "....rrrrrrrr....",
        "...rrrrrrrrrr...",
        "......rrrr......",
        "......rrrr......",
        "......rrrr......",
        "......rrrr......",
        "......rrrr......",
        "kk....rrrr....kk",
        "kgk..........kgk",
        "kgwkkkkkkkkkkwgk",
        "kgwwwwwwwwwwwwgk",
        "kkkkkkkkkkkkkkkk",
        "................",
    ],
]


def to_pixels(art):
    assert len(art) == 16, art
    rows = []
    for line in art:
        assert len(line) == 16, line
        rows.append([INK[c] for c in line])
    return rows


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)


def pack_4bit(rows, width):
    """Bottom-up 4-bit rows, each padded to 4 bytes."""
    stride = ((width * 4 + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            line.append((row[x] << 4) | row[x + 1])
        line.extend(b"\0" * (stride - len(line)))
        out.extend(line)
    return bytes(out)


def pack_mask(rows, width):
    """Bottom-up 1-bit AND mask: 1 where the mask colour shows through."""
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, value in enumerate(row):
            if value == MASK:
                line[x // 8] |= 0x80 >> (x % 8)
        out.extend(line)
    return bytes(out)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def write_bmp(path, rows):
    width, height = len(rows[0]), len(rows)
    bits = pack_4bit(rows, width)
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info_header(width, height, len(bits)) + palette_bytes() + bits)


def icon_image(size):
    """White tile with a black border and a red postal mark."""
    rows = [[MASK] * size for _ in range(size)]
    s = size / 32.0
    def fill(x0, y0, x1, y1, ink):
        for y in range(int(y0 * s), int(y1 * s)):
            for x in range(int(x0 * s), int(x1 * s)):
                rows[y][x] = ink
    fill(1, 1, 31, 31, INK['k'])
    fill(3, 3, 29, 29, INK['w'])
    fill(7, 7, 25, 10, INK['r'])    # upper bar
    fill(7, 13, 25, 16, INK['r'])   # lower bar
    fill(14, 16, 18, 27, INK['r'])  # stem
    return rows


def write_ico(path, images):
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for rows in images:
        size = len(rows)
        xor, mask = pack_4bit(rows, size), pack_mask(rows, size)
        # The image's colour bits are black where the mask is set.
        clean = [[0 if v == MASK else v for v in row] for row in rows]
        xor = pack_4bit(clean, size)
        blob = info_header(size, size * 2, len(xor) + len(mask)) + palette_bytes() + xor + mask
        entries.append(struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "..", "..", "resources")
    strip = [[] for _ in range(16)]
    for art in IMAGES:
        for y, row in enumerate(to_pixels(art)):
            strip[y].extend(row)
    assert len(IMAGES) == 12
    write_bmp(os.path.join(out, "menu_icons.bmp"), strip)
    write_ico(os.path.join(out, "kuranto.ico"), [icon_image(32), icon_image(16)])


if __name__ == "__main__":
    main()
