#!/usr/bin/env python3
"""kuranto-query --json read back by Python's json module, field by field
against the lines it was given (written here in cp932 with Python's codec).

    python3 query_json_test.py PATH/TO/kuranto-query
"""

import json
import os
import subprocess
import sys
import tempfile

ADDRESS_FIELDS = [  # name, column (from 1), slot width
    ("postal_code", 3, 9), ("old_code", 2, 6), ("city_code", 1, 6), ("prefecture", 7, 9),
    ("prefecture_kana", 4, 16), ("city", 8, 23), ("city_kana", 5, 50), ("town", 9, 78), ("town_kana", 6, 100),
]
OFFICE_FIELDS = [
    ("postal_code", 8, 9), ("old_code", 9, 6), ("city_code", 1, 7), ("name", 3, 200), ("name_kana", 2, 200),
    ("prefecture", 4, 9), ("city", 5, 23), ("town", (6, 7), 100),
]

# Quote, backslash, tab and a control byte in a town; 表 ends in byte 0x5C;
# a town longer than its slot; a 3-digit old number with its blanks.
ADDRESS_LINES = [
    '13103,"107  ","1070052","ﾄｳｷｮｳﾄ","ﾐﾅﾄｸ","ｱｶｻｶ","東京都","港区","赤坂",0,0,1,0,0,0',
    '13103,"10799","1079999","ﾄｳｷｮｳﾄ","ﾐﾅﾄｸ","ﾋｮｳ\\ｸﾞﾁ","東京都","港区","表"口\\\t\x01",0,0,0,0,0,0',
    '13103,"107  ","1070061","ﾄｳｷｮｳﾄ","ﾐﾅﾄｸ","ｷﾀｱｵﾔﾏ","東京都","港区","' + "北青山（" + "１２３、" * 12 + '）",0,0,0,0,0,0',
]
OFFICE_LINES = [
    '13103,"(ｶﾌﾞ) ｱｶｻｶ ｼｮｳｶｲ","赤坂商会 "本店"","東京都","港区","赤坂","１丁目１番","1078799","107  ","赤坂",0,0,0',
]


def cp932_cut(text, width):
    """The cp932 bytes of `text`, cut to width - 1 bytes at a character boundary."""
    data = text.encode("cp932")
    end = 0
    while end < len(data):
        step = 2 if (0x81 <= data[end] <= 0x9F or 0xE0 <= data[end] <= 0xFC) else 1
        if end + step > width - 1:
            break
        end += step
    return data[:end].decode("cp932")


def columns(line):
    cols = line.split(",")
    return [cols[0][:5]] + [c[1:-1] for c in cols[1:9]]


def expected(line, fields, remove_blanks):
    cols = columns(line.replace(" ", "") if remove_blanks else line)
    row = {}
    for name, column, width in fields:
        text = "".join(cols[c - 1] for c in column) if isinstance(column, tuple) else cols[column - 1]
        row[name] = cp932_cut(text, width)
    row["old_code"] = row["old_code"].rstrip(" ")
    return row


def run(tool, args):
    done = subprocess.run([tool] + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if done.returncode != 0:
        raise SystemExit("%s: exit %d: %s" % (args, done.returncode, done.stderr))
    return done.stdout


def check(tool, directory, command, lines, fields, remove_blanks):
    out = run(tool, ["--dir", directory, "--json"] + command)
    assert out == run(tool, ["--dir", directory, "--json", "--utf8"] + command), "--utf8 changes nothing"
    rows = [json.loads(text) for text in out.decode("utf-8").splitlines()]
    assert len(rows) == len(lines), (command, len(rows))
    for row, line in zip(rows, lines):
        want = expected(line, fields, remove_blanks)
        assert list(row) == [name for name, _, _ in fields], list(row)
        for name in want:
            assert row[name] == want[name], (name, row[name], want[name])


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory() as directory:
        directory += os.sep
        for name, lines in (("Ken_all.csv", ADDRESS_LINES), ("Jigyosyo.csv", OFFICE_LINES)):
            with open(directory + name, "wb") as f:
                f.write("".join(line + "\r\n" for line in lines).encode("cp932"))
        check(tool, directory, ["address", "city", "13103"], ADDRESS_LINES, ADDRESS_FIELDS, True)
        check(tool, directory, ["office", "new", "1078799"], OFFICE_LINES, OFFICE_FIELDS, False)
        towns = [json.loads(t)["town"] for t in run(tool, ["--dir", directory, "--json", "address", "city", "13103"])
                 .decode("utf-8").splitlines()]
        assert towns[1] == '表"口\\\t\x01', towns[1]
        assert len(towns[2].encode("cp932")) == 76, towns[2]
    print("query_json_test: ok")


if __name__ == "__main__":
    main()
