#!/usr/bin/env python3
"""Writes data/telnum.dat, the area-code table shipped beside the program.

Sources:
  areacodes.csv  the ministry's list of geographic area codes (市外局番) by
                 municipality (UTF-8; columns area_code, prefecture,
                 municipality_code, municipality, zone, ...). A municipality
                 split between codes appears once per code it uses.
  KEN_ALL.CSV    Japan Post's address file (cp932). The two are joined on the
                 5-digit municipality code, so every city is written exactly
                 as the address file writes it: the program lists the
                 addresses whose city name begins with the entry's city.

Output: cp932, LF line ends, one "AREACODE,PREFECTURE,CITY" line per
(area code, prefecture, city). A municipality using several codes is listed
under each of them, whole: the table has no room for the part of it that
dials which code. Order: area codes in ascending byte order ("011", "0123",
"01267", "0133", ..., "03", "04", "042", ...), all lines of one code
together; within a code, the prefecture order of the address file (its
prefecture list), then the municipality code.

The script stops with a message when a promise does not hold: a field too
wide for the program, a city that begins no city of the address file in its
prefecture, an area code of the list with no line. It reports on stderr the
rows it dropped (a municipality code the address file does not know) and the
rows merged into a line already written.

Usage: make_telnum.py [--areacodes CSV] [--output FILE] [KEN_ALL.CSV]
Defaults: ../shared/data/areacodes/areacodes.csv and ../shared/data/KEN_ALL.CSV
beside the source tree, data/telnum.dat of the source tree.
"""
import argparse
import csv
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SHARED = os.path.normpath(os.path.join(ROOT, "..", "shared", "data"))

# The program's fields: area code at most 8 bytes, prefecture 8, city 33; a
# line with its line feed fits the 256-byte buffer it is read into.
WIDTHS = (8, 8, 33)
LINE_BYTES = 255

SOURCE_COLUMNS = ["area_code", "prefecture", "municipality_code", "municipality", "zone", "charging_area", "compartment"]


def fail(message):
    sys.exit("make_telnum: " + message)


def note(message):
    print("make_telnum: " + message, file=sys.stderr)


def read_address_file(path):
    """Municipality code -> (prefecture, city); the prefectures in file order."""
    municipalities = {}
    prefectures = []
    with open(path, encoding="cp932", newline="") as f:
        for number, row in enumerate(csv.reader(f), 1):
            if len(row) != 15:
                fail("%s line %d: %d columns, not 15" % (path, number, len(row)))
            code, prefecture, city = row[0], row[6], row[7]
            if prefecture not in prefectures:
                prefectures.append(prefecture)
            known = municipalities.setdefault(code, (prefecture, city))
            if known != (prefecture, city):
                fail("%s line %d: municipality %s is both %s and %s%s" % (path, number, code, "".join(known), prefecture, city))
    if not municipalities:
        fail("%s holds no address" % path)
    return municipalities, prefectures


def read_area_codes(path):
    with open(path, encoding="utf-8", newline="") as f:
        reader = csv.reader(f)
        header = next(reader, None)
        if header != SOURCE_COLUMNS:
            fail("%s: header %s, expected %s" % (path, header, ",".join(SOURCE_COLUMNS)))
        rows = []
        for number, row in enumerate(reader, 2):
            if len(row) != len(SOURCE_COLUMNS):
                fail("%s line %d: %d columns" % (path, number, len(row)))
            code, prefecture, municipality_code, municipality = row[:4]
            if not re.fullmatch(r"0[0-9]{1,7}", code):
                fail("%s line %d: not an area code: %r" % (path, number, code))
            if not re.fullmatch(r"[0-9]{5}", municipality_code):
                fail("%s line %d: not a municipality code: %r" % (path, number, municipality_code))
            rows.append((number, code, prefecture, municipality_code, municipality))
    if not rows:
        fail("%s lists no area code" % path)
    return rows


def table_lines(rows, municipalities, prefectures):
    """The output lines, each (code, prefecture, city) once, in the table's order."""
    places = {}  # (code, prefecture, city) -> sort key
    dropped, merged, respelled = [], 0, set()
    for number, code, prefecture, municipality_code, municipality in rows:
        if municipality_code not in municipalities:
            dropped.append("line %d: %s %s%s (%s): the address file has no municipality %s"
                           % (number, code, prefecture, municipality, municipality_code, municipality_code))
            continue
        ken_prefecture, city = municipalities[municipality_code]
        if ken_prefecture != prefecture:
            fail("line %d: municipality %s is in %s by the list but in %s by the address file"
                 % (number, municipality_code, prefecture, ken_prefecture))
        if city != municipality:
            respelled.add("%s %s -> %s" % (municipality_code, municipality, city))
        entry = (code, prefecture, city)
        if entry in places:
            merged += 1
            continue
        places[entry] = (code.encode("ascii"), prefectures.index(prefecture), municipality_code)
    for line in dropped:
        note("dropped " + line)
    if merged:
        note("%d rows name a municipality again under the same code (another compartment or zone of it): "
             "one line each" % merged)
    for spelling in sorted(respelled):
        note("spelled as the address file does: " + spelling)
    return sorted(places, key=places.get)


def check(lines, rows, municipalities):
    cities = {}
    for prefecture, city in municipalities.values():
        cities.setdefault(prefecture, set()).add(city)
    for code, prefecture, city in lines:
        fields = [field.encode("cp932") for field in (code, prefecture, city)]
        text = ",".join((code, prefecture, city))
        for field, width in zip(fields, WIDTHS):
            if len(field) > width:
                fail("%s: a field of %d bytes, more than %d" % (text, len(field), width))
        if b"," in fields[0] + fields[1]:
            fail("%s: a comma before the city" % text)
        if len(b",".join(fields)) + 1 > LINE_BYTES:
            fail("%s: longer than %d bytes" % (text, LINE_BYTES))
        if not any(known.startswith(city) for known in cities.get(prefecture, ())):
            fail("%s: no city of %s in the address file begins with %s" % (text, prefecture, city))
    missing = sorted({row[1] for row in rows} - {line[0] for line in lines})
    if missing:
        fail("area codes with no line: " + " ".join(missing))


def main():
    parser = argparse.ArgumentParser(description="Writes the area-code table telnum.dat.")
    parser.add_argument("ken_all", nargs="?", default=os.path.join(SHARED, "KEN_ALL.CSV"),
                        help="Japan Post's KEN_ALL.CSV (default: %(default)s)")
    parser.add_argument("--areacodes", default=os.path.join(SHARED, "areacodes", "areacodes.csv"),
                        help="the area codes by municipality (default: %(default)s)")
    parser.add_argument("--output", default=os.path.join(ROOT, "data", "telnum.dat"),
                        help="where to write the table (default: %(default)s)")
    args = parser.parse_args()

    try:
        municipalities, prefectures = read_address_file(args.ken_all)
        rows = read_area_codes(args.areacodes)
        lines = table_lines(rows, municipalities, prefectures)
        check(lines, rows, municipalities)
        with open(args.output, "wb") as out:
            out.write(b"".join(",".join(line).encode("cp932") + b"\n" for line in lines))
    except (OSError, UnicodeError) as error:
        fail(str(error))
    unused = sorted(set(municipalities) - {row[3] for row in rows})
    note("%d area codes, %d lines from %d rows written to %s" % (len({line[0] for line in lines}), len(lines), len(rows), args.output))
    if unused:
        note("municipalities of the address file under no area code: "
             + " ".join("%s %s%s" % ((code,) + municipalities[code]) for code in unused))


if __name__ == "__main__":
    main()
