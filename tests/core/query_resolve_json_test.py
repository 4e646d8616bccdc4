#!/usr/bin/env python3
"""kuranto-query --json resolve read back by Python's json module, against a
tiny address file written here in cp932 with Python's codec.

    python3 query_resolve_json_test.py PATH/TO/kuranto-query
"""

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


def run(tool, args, text, encoding):
    done = subprocess.run([tool] + args, input=text.encode(encoding), stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if done.returncode != 0:
        raise SystemExit("%s: exit %d: %s" % (args, done.returncode, done.stderr))
    return [json.loads(line) for line in done.stdout.decode("utf-8").splitlines()]


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory() as directory:
        with open(os.path.join(directory, "Ken_all.csv"), "wb") as f:
            f.write("".join(line + "\r\n" for line in BOOK).encode("cp932"))
        text = "".join(line + "\n" for line, _ in CASES)
        for flag, encoding in (("--utf8", "utf-8"), ("--cp932", "cp932")):
            rows = run(tool, ["--dir", directory, flag, "--json", "resolve", "--code-first"], text, encoding)
            assert rows == [want for _, want in CASES], (flag, rows)
        plain = run(tool, ["--dir", directory, "--utf8", "--json", "resolve"], "東京都港区赤坂\n", "utf-8")
        assert list(plain[0]) == ["input", "status", "postal_code", "candidates"], plain
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
