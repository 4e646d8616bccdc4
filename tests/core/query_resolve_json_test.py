#!/usr/bin/env python3
"""kuranto-query --json resolve read back by Python's json module, against a
tiny address file written here in cp932 with Python's codec.

    python3 query_resolve_json_test.py PATH/TO/kuranto-query
"""

import csv
import io
import json
import os
import subprocess
import sys
import tempfile

BOOK = [
    '01101,"060  ","0600000","ﾎｯｶｲﾄﾞｳ","ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ","ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ","北海道","札幌市中央区","以下に掲載がない場合",0,0,0,0,0,0',
    '13103,"107  ","1070052","ﾄｳｷｮｳﾄ","ﾐﾅﾄｸ","ｱｶｻｶ","東京都","港区","赤坂（次のビルを除く）",0,0,0,0,0,0',
    '13113,"150  ","1500001","ﾄｳｷｮｳﾄ","ｼﾌﾞﾔｸ","ｼﾞﾝｸﾞｳﾏｴ","東京都","渋谷区","神宮前",0,0,0,0,0,0',
    '13113,"150  ","1500009","ﾄｳｷｮｳﾄ","ｼﾌﾞﾔｸ","ｼﾞﾝｸﾞｳﾏｴ","東京都","渋谷区","神宮前",0,0,0,0,0,0',
]
AKASAKA = {"postal_code": "1070052", "city_code": "13103", "prefecture": "東京都", "city": "港区",
           "town": "赤坂（次のビルを除く）"}
JINGUMAE = [{"postal_code": code, "city_code": "13113", "prefecture": "東京都", "city": "渋谷区", "town": "神宮前"}
            for code in ("1500001", "1500009")]
SAPPORO = {"postal_code": "0600000", "city_code": "01101", "prefecture": "北海道", "city": "札幌市中央区",
           "town": "以下に掲載がない場合"}

OFFICE = '13103,"ｼﾞｷﾞﾖｳｼﾖ","株式会社　赤坂商事","東京都","港区","赤坂","１丁目２－３","1078601","107  ","赤坂",0,0,0\r\n'
AKASAKA_OFFICE = {"postal_code": "1078601", "name": "株式会社　赤坂商事", "address": "東京都港区赤坂１丁目２－３"}

# input line, then the object expected for it (--code-first adds the last two).
CASES = [
    ("1070052\t東京都港区赤坂1-2", {"input": "東京都港区赤坂1-2", "status": "exact", "postal_code": "1070052",
                                 "candidates": [AKASAKA], "given_code": "1070052", "agrees": "一致"}),
    ("1500009\t東京都渋谷区神宮前", {"input": "東京都渋谷区神宮前", "status": "ambiguous", "postal_code": None,
                                "candidates": JINGUMAE, "given_code": "1500009", "agrees": "候補内"}),
    ("1070052\t北海道札幌市中央区\"北\\一条", {"input": "北海道札幌市中央区\"北\\一条", "status": "city",
                                       "postal_code": "0600000", "candidates": [SAPPORO],
                                       "given_code": "1070052", "agrees": "不一致"}),
    ("\t大阪府", {"input": "大阪府", "status": "none", "postal_code": None, "candidates": [],
                 "given_code": "", "agrees": "判定不能"}),
]


# Addresses taken apart: the JSON's parts, and the same as --split's CSV
# columns (a quote and a comma in a cell written as CSV writes them).
SPLIT_ADDRESSES = ["東京都港区赤坂1-2-3 赤坂ビル４階", "港区赤坂一丁目二番三号、ビル,別館", "東京都渋谷区神宮前",
                   "北海道札幌市中央区\"北\\一条", "大阪府"]
SPLIT_KEYS = ["prefecture", "city", "town", "subarea", "chome", "lot", "building"]
SPLIT_HEADER = ["住所", "郵便番号", "判定", "都道府県", "市区町村", "町域", "字", "丁目", "番地", "建物"]
AKASAKA_PARTS = {"prefecture": "東京都", "city": "港区", "town": "赤坂", "subarea": "", "chome": "1", "lot": "2-3",
                 "building": "赤坂ビル４階", "prefecture_kana": "トウキョウト", "city_kana": "ミナトク",
                 "town_kana": "アカサカ", "normalized": "東京都港区赤坂1丁目2-3 赤坂ビル４階"}


def run(tool, args, text, encoding, raw=False):
    done = subprocess.run([tool] + args, input=text.encode(encoding), stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if done.returncode != 0:
        raise SystemExit("%s: exit %d: %s" % (args, done.returncode, done.stderr))
    if raw:
        return done.stdout
    return [json.loads(line) for line in done.stdout.decode("utf-8").splitlines()]


def without_parts(row):
    return {key: value for key, value in row.items() if key != "parts"}


def check_split(tool, directory):
    rows = run(tool, ["--dir", directory, "--utf8", "--json", "resolve"], "".join(a + "\n" for a in SPLIT_ADDRESSES),
               "utf-8")
    assert rows[0]["parts"] == AKASAKA_PARTS, rows[0]
    assert rows[1]["parts"]["building"] == "ビル,別館", rows[1]
    assert rows[2]["parts"]["town"] == "神宮前", rows[2]  # two codes, one town
    assert rows[3]["parts"]["subarea"] == "\"北\\一条" and rows[3]["parts"]["town"] == "", rows[3]
    assert rows[4]["parts"] is None, rows[4]
    path = os.path.join(directory, "split.csv")
    with open(path, "w", encoding="utf-8", newline="") as f:
        csv.writer(f, lineterminator="\r\n").writerows([["住所"]] + [[a] for a in SPLIT_ADDRESSES])
    out = run(tool, ["--dir", directory, "resolve", "--csv", path, "--column", "1", "--header", "--split"], "",
              "utf-8", raw=True)
    table = list(csv.reader(io.StringIO(out.decode("utf-8"), newline="")))
    assert table[0] == SPLIT_HEADER, table[0]
    for row, cells in zip(rows, table[1:]):
        parts = row["parts"] or {key: "" for key in SPLIT_KEYS}
        assert cells[3:] == [parts[key] for key in SPLIT_KEYS], (cells, parts)


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory() as directory:
        with open(os.path.join(directory, "Ken_all.csv"), "wb") as f:
            f.write("".join(line + "\r\n" for line in BOOK).encode("cp932"))
        text = "".join(line + "\n" for line, _ in CASES)
        for flag, encoding in (("--utf8", "utf-8"), ("--cp932", "cp932")):
            rows = run(tool, ["--dir", directory, flag, "--json", "resolve", "--code-first"], text, encoding)
            assert [without_parts(row) for row in rows] == [want for _, want in CASES], (flag, rows)
        plain = run(tool, ["--dir", directory, "--utf8", "--json", "resolve"], "東京都港区赤坂\n", "utf-8")
        assert list(plain[0]) == ["input", "status", "postal_code", "candidates", "parts"], plain
        check_split(tool, directory)
        # A business office of 赤坂, found by its name and by its code.
        with open(os.path.join(directory, "Jigyosyo.csv"), "wb") as f:
            f.write(OFFICE.encode("cp932"))
        found = run(tool, ["--dir", directory, "--utf8", "--json", "resolve", "--names"],
                    "赤坂商事\t東京都港区赤坂1-2-3\n", "utf-8")[0]
        assert found["status"] == "office" and found["postal_code"] == "1078601", found
        assert found["area_code"] == "1070052" and found["office"] == AKASAKA_OFFICE, found
        checked = run(tool, ["--dir", directory, "--utf8", "--json", "resolve", "--code-first"],
                      "107-8601\t東京都港区赤坂1丁目2番\n", "utf-8")[0]
        assert checked["agrees"] == "事業所" and checked["office"] == AKASAKA_OFFICE, checked
    print("query_resolve_json_test: ok")


if __name__ == "__main__":
    main()
