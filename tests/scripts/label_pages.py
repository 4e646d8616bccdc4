#!/usr/bin/env python3
"""Reads printed label pages back from a PDF as a scanner would: the pages
turned into grey images by pdftoppm (poppler-utils), then

  label_pages.py bars PDF
      every customer barcode found in the pixels, one a line:
      PAGE X_MM Y_MM PITCH_MM BARS  (the first bar's left edge and the long
      bars' top; BARS the 67 bars as F long, A upper, D lower, T timing),
      in reading order: page by page, rows of labels top down, left to right;

  label_pages.py ink PDF COLUMNS ROWS WIDTH HEIGHT TOP LEFT PITCH_X PITCH_Y MARGIN
      per page, the dark pixels lying outside every label's box shrunk by
      MARGIN mm, and those inside: PAGE OUTSIDE INSIDE;

  label_pages.py boxes PDF AREA BOX...
      per page, the dark pixels inside the area X,Y,W,H (mm) but outside
      every box X,Y,W,H, then those inside each box: PAGE OUTSIDE IN1 IN2...

The bars are found where a pixel row crosses 67 narrow dark runs at an even
pitch (only the middle band, which every bar covers, does), then each bar is
followed up and down from that band.
"""
import os
import re
import subprocess
import sys
import tempfile

DPI = 300
DARK = 128
MM = DPI / 25.4
BAR_COUNT = 67
DARK_TABLE = bytes(1 if v < DARK else 0 for v in range(256))


def pages(pdf):
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", pdf, os.path.join(tmp, "p")], check=True)
        for name in sorted(os.listdir(tmp)):
            with open(os.path.join(tmp, name), "rb") as f:
                data = f.read()
            # P5 WIDTH HEIGHT 255, then the bytes.
            fields = data.split(maxsplit=4)
            width, height = int(fields[1]), int(fields[2])
            yield width, height, fields[4][-width * height:]


def dark_runs(row):
    marks = row.translate(DARK_TABLE)
    return [(m.start(), m.end()) for m in re.finditer(b"\x01+", marks)]


def bar_chains(runs):
    """Chains of at least 67 narrow runs at an even pitch."""
    chains, chain = [], []
    for run in runs:
        narrow = 0.3 * MM <= run[1] - run[0] <= 0.9 * MM
        if narrow and chain and 0.85 * MM <= run[0] - chain[-1][0] <= 1.5 * MM:
            chain.append(run)
            continue
        if len(chain) >= BAR_COUNT:
            chains.append(chain)
        chain = [run] if narrow else []
    if len(chain) >= BAR_COUNT:
        chains.append(chain)
    return chains


def extent(image, width, height, x, y, step):
    while 0 <= y + step < height and image[(y + step) * width + x] < DARK:
        y += step
    return y


def read_bars(image, width, height, band, chain):
    top_band, bottom_band = band
    centre = (top_band + bottom_band) // 2
    half = (bottom_band - top_band + 1) / 2
    letters, tops = [], []
    for start, end in chain[:BAR_COUNT]:
        x = (start + end) // 2
        top = extent(image, width, height, x, centre, -1)
        bottom = extent(image, width, height, x, centre, 1)
        up, down = centre - top > 2 * half, bottom - centre > 2 * half
        letters.append("F" if up and down else "A" if up else "D" if down else "T")
        tops.append(top)
    pitch = (chain[BAR_COUNT - 1][0] - chain[0][0]) / (BAR_COUNT - 1) / MM
    return chain[0][0] / MM, min(tops) / MM, pitch, "".join(letters)


def find_barcodes(image, width, height):
    open_bands = {}  # first bar's x -> [first row, last row, chain]
    found = []
    for y in range(height):
        seen = set()
        for chain in bar_chains(dark_runs(image[y * width:(y + 1) * width])):
            x = chain[0][0]
            key = next((k for k in open_bands if abs(k - x) <= 2), x)
            band = open_bands.setdefault(key, [y, y, chain])
            band[1] = y
            seen.add(key)
        for key in [k for k in open_bands if k not in seen]:
            first, last, chain = open_bands.pop(key)
            found.append(read_bars(image, width, height, (first, last), chain))
    return in_reading_order(found)


def in_reading_order(found, row_gap=10.0):
    """Rows of labels top down (a barcode more than row_gap mm below the
    row's first starts the next), each left to right."""
    rows = []
    for code in sorted(found, key=lambda b: b[1]):
        if rows and code[1] - rows[-1][0][1] <= row_gap:
            rows[-1].append(code)
        else:
            rows.append([code])
    return [code for row in rows for code in sorted(row, key=lambda b: b[0])]


def ink(image, width, height, boxes):
    outside = inside = 0
    for y in range(height):
        row = image[y * width:(y + 1) * width].translate(DARK_TABLE)
        dark = row.count(1)
        if dark == 0:
            continue
        within = sum(row[x0:x1].count(1) for (x0, y0, x1, y1) in boxes if y0 <= y < y1)
        inside += within
        outside += dark - within
    return outside, inside


def main(argv):
    if len(argv) >= 2 and argv[0] == "bars":
        for number, (width, height, image) in enumerate(pages(argv[1]), 1):
            for x, y, pitch, bars in find_barcodes(image, width, height):
                print(f"{number} {x:.2f} {y:.2f} {pitch:.3f} {bars}")
        return 0
    if len(argv) == 11 and argv[0] == "ink":
        columns, rows = int(argv[2]), int(argv[3])
        w, h, top, left, pitch_x, pitch_y, margin = map(float, argv[4:])
        boxes = []
        for r in range(rows):
            for c in range(columns):
                x0, y0 = left + c * pitch_x + margin, top + r * pitch_y + margin
                boxes.append((round(x0 * MM), round(y0 * MM), round((x0 + w - 2 * margin) * MM),
                              round((y0 + h - 2 * margin) * MM)))
        for number, (width, height, image) in enumerate(pages(argv[1]), 1):
            outside, inside = ink(image, width, height, boxes)
            print(f"{number} {outside} {inside}")
        return 0
    if len(argv) >= 4 and argv[0] == "boxes":
        def pixels(text):
            x, y, w, h = map(float, text.split(","))
            return round(x * MM), round(y * MM), round((x + w) * MM), round((y + h) * MM)
        area, boxes = pixels(argv[2]), [pixels(box) for box in argv[3:]]
        for number, (width, height, image) in enumerate(pages(argv[1]), 1):
            x0, y0, x1, y1 = area
            rows = b"".join(image[y * width + x0:y * width + x1] for y in range(y0, y1))
            cut = rows, x1 - x0, y1 - y0
            inside = [ink(*cut, [(bx0 - x0, by0 - y0, bx1 - x0, by1 - y0)])[1] for bx0, by0, bx1, by1 in boxes]
            outside = ink(*cut, [])[0] - sum(inside)
            print(number, outside, *inside)
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
