#!/usr/bin/env python3
# A list of real addresses for the long CSV runs: each town of KEN_ALL.CSV,
# then a lot and a building in Latin letters (full-width, half-width, a
# trailing B, none); a second column of codes, some of them off. cp932, CR LF.
#
#   make_latin_list.py KEN_ALL.CSV OUTPUT
import csv, sys
source, target = sys.argv[1:3]
buildings = ['１－２－３　Ｔｒｉ－Ｓｅｖｅｎ・Ｒｏｐｐｏｎｇｉ　５Ｆ', '2-3-4 Akasaka Biz Tower 12F',
             '5-6 Queens Tower B28F', '７番地　Ｙａｚａｗａビル', '']
with open(source, encoding='cp932', newline='') as f:
    records = list(csv.reader(f))
with open(target, 'w', encoding='cp932', newline='') as out:
    out.write('住所,郵便番号\r\n')
    for i, r in enumerate(records):
        code = r[2] if i % 7 else r[2][:3] + '0000'
        out.write('"%s%s%s%s",%s\r\n' % (r[6], r[7], r[8], buildings[i % len(buildings)], code))
