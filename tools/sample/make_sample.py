#!/usr/bin/env python3
"""Writes the sample data files data/sample/Ken_all.csv and Jigyosyo.csv.

The lines are made up by hand here, in the layout of Japan Post's published
KEN_ALL.CSV and JIGYOSYO.CSV: cp932, CR LF after every line, the first column
unquoted, text columns quoted, prefectures in code order and each city's lines
together. The tables below hold readable UTF-8; kana are written as full-width
katakana and turned into the files' half-width kana.

    python3 tools/sample/make_sample.py [OUTPUT_DIR]   (default data/sample)
"""

import os
import sys
import unicodedata

# ---------------------------------------------------------------- kana

def _half_width_table():
    table = {}
    for code in range(0xFF61, 0xFFA0):
        half = chr(code)
        table.setdefault(unicodedata.normalize("NFKC", half), half)
        for mark in ("\uFF9E", "\uFF9F"):
            full = unicodedata.normalize("NFKC", half + mark)
            if len(full) == 1:
                table.setdefault(full, half + mark)
    table["ヴ"] = "ｳﾞ"
    return table

_HALF = _half_width_table()
_PUNCT = {"（": "(", "）": ")", "～": "-", "－": "-", "　": " ", "、": "､", "・": "･"}
_SMALL = str.maketrans("ァィゥェォッャュョヮ", "アイウエオツヤユヨワ")


def half_kana(text, large_small_kana=False):
    """Full-width katakana, digits and brackets to the files' half-width forms.
    The business-office file writes small kana as large ones."""
    if large_small_kana:
        text = text.translate(_SMALL)
    out = []
    for ch in text:
        if ch in _PUNCT:
            out.append(_PUNCT[ch])
        elif "\uFF01" <= ch <= "\uFF5E":
            out.append(chr(ord(ch) - 0xFEE0))
        else:
            out.append(_HALF.get(ch, ch))
    return "".join(out)


def full_digits(text):
    return "".join(chr(ord(c) + 0xFEE0) if "0" <= c <= "9" else c for c in text)


def old_number(digits):
    """Old numbers are five characters: a 3-digit one is padded with blanks."""
    return digits.ljust(5)

# ---------------------------------------------------------------- addresses

PREFECTURES = {
    "01": ("北海道", "ホッカイドウ"),
    "02": ("青森県", "アオモリケン"),
    "04": ("宮城県", "ミヤギケン"),
    "13": ("東京都", "トウキョウト"),
    "14": ("神奈川県", "カナガワケン"),
    "23": ("愛知県", "アイチケン"),
    "26": ("京都府", "キョウトフ"),
    "27": ("大阪府", "オオサカフ"),
    "40": ("福岡県", "フクオカケン"),
    "47": ("沖縄県", "オキナワケン"),
}

NOT_LISTED = ("以下に掲載がない場合", "イカニケイサイガナイバアイ")

# (city code, city kanji, city kana, old number of the city,
#  [(town kanji, town kana, new number, flags or None, old number or None)])
# Flags are the six trailing columns; None means "0,0,0,0,0,0".
CHOME = "0,0,1,0,0,0"
SHARED = "0,0,0,1,0,0"
SPLIT = "1,0,0,0,0,0"

CITIES = [
    ("01101", "札幌市中央区", "サッポロシチュウオウク", "060", [
        (*NOT_LISTED, "0600000", None, None),
        ("旭ケ丘", "アサヒガオカ", "0640941", CHOME, "064"),
        ("大通東", "オオドオリヒガシ", "0600041", CHOME, None),
        ("大通西（１～１９丁目）", "オオドオリニシ（１～１９チョウメ）", "0600042", "1,0,1,0,0,0", None),
        ("大通西（２０～２８丁目）", "オオドオリニシ（２０～２８チョウメ）", "0640820", "1,0,1,0,0,0", "064"),
        ("北一条西（１～１９丁目）", "キタ１ジョウニシ（１～１９チョウメ）", "0600001", "1,0,1,0,0,0", None),
        ("北一条東", "キタ１ジョウヒガシ", "0600031", CHOME, None),
        ("北二条西（１～１９丁目）", "キタ２ジョウニシ（１～１９チョウメ）", "0600002", "1,0,1,0,0,0", None),
        ("北二条東", "キタ２ジョウヒガシ", "0600032", CHOME, None),
        ("北三条西（１～１９丁目）", "キタ３ジョウニシ（１～１９チョウメ）", "0600003", "1,0,1,0,0,0", None),
        ("南一条西（１～１９丁目）", "ミナミ１ジョウニシ（１～１９チョウメ）", "0600061", "1,0,1,0,0,0", None),
        ("南一条東", "ミナミ１ジョウヒガシ", "0600051", CHOME, None),
        ("南二条西（１～１９丁目）", "ミナミ２ジョウニシ（１～１９チョウメ）", "0600062", "1,0,1,0,0,0", None),
        ("宮の森一条", "ミヤノモリ１ジョウ", "0640951", CHOME, "064"),
        ("円山西町", "マルヤマニシマチ", "0640944", CHOME, "064"),
        ("盤渓", "バンケイ", "0640945", None, "064"),
    ]),
    ("01202", "函館市", "ハコダテシ", "040", [
        (*NOT_LISTED, "0400000", None, None),
        ("青柳町", "アオヤギチョウ", "0400044", None, None),
        ("五稜郭町", "ゴリョウカクチョウ", "0400001", None, None),
        ("末広町", "スエヒロチョウ", "0400053", None, None),
        ("湯川町", "ユノカワチョウ", "0420932", CHOME, "042"),
        ("戸井町", "トイチョウ", "0410311", None, "04102"),
        ("恵山町", "エサンチョウ", "0410531", None, "04105"),
    ]),
    ("01204", "旭川市", "アサヒカワシ", "070", [
        (*NOT_LISTED, "0700000", None, None),
        ("一条通", "１ジョウドオリ", "0700031", CHOME, None),
        ("二条通", "２ジョウドオリ", "0700032", CHOME, None),
        ("神楽岡一条", "カグラオカ１ジョウ", "0788311", CHOME, "078"),
        ("東旭川町上兵村", "ヒガシアサヒカワチョウカミヘイソン", "0788261", None, "07882"),
    ]),
    # A long town text split over three lines of one code, as the file does it.
    ("01303", "石狩郡当別町", "イシカリグントウベツチョウ", "061", [
        (*NOT_LISTED, "0610200", None, "06102"),
        ("西当別（１２３、４５６－７、５０１－１２、", "ニシトウベツ（１２３、４５６－７、５０１－１２、", "0610231", SPLIT, "06102"),
        ("６２２－３、７１０～７２０、８０１－５、", "６２２－３、７１０～７２０、８０１－５、", "0610231", SPLIT, "06102"),
        ("９９０番地）", "９９０バンチ）", "0610231", SPLIT, "06102"),
        ("西当別（その他）", "ニシトウベツ（ソノタ）", "0610232", None, "06102"),
        ("弥生", "ヤヨイ", "0610221", None, "06102"),
    ]),
    ("02201", "青森市", "アオモリシ", "030", [
        (*NOT_LISTED, "0300000", None, None),
        ("新町", "シンマチ", "0300801", CHOME, None),
        ("長島", "ナガシマ", "0300861", CHOME, None),
        ("浪岡", "ナミオカ", "0380201", None, "03802"),
        ("青森市の次に番地がくる場合", "アオモリシノツギニバンチガクルバアイ", "0300000", None, None),
        ("安方", "ヤスカタ", "0300803", CHOME, None),
    ]),
    ("04101", "仙台市青葉区", "センダイシアオバク", "980", [
        (*NOT_LISTED, "9800000", None, None),
        ("一番町", "イチバンチョウ", "9800811", CHOME, None),
        ("国分町", "コクブンチョウ", "9800803", CHOME, None),
        ("中央", "チュウオウ", "9800021", CHOME, None),
        ("作並", "サクナミ", "9893431", None, "98934"),
        ("川内", "カワウチ", "9800862", None, None),
    ]),
    ("13101", "千代田区", "チヨダク", "100", [
        (*NOT_LISTED, "1000000", None, None),
        ("飯田橋", "イイダバシ", "1020072", CHOME, "102"),
        ("一ツ橋", "ヒトツバシ", "1010003", CHOME, "101"),
        ("内幸町", "ウチサイワイチョウ", "1000011", CHOME, None),
        ("大手町（次のビルを除く）", "オオテマチ（ツギノビルヲノゾク）", "1000004", CHOME, None),
        ("外神田", "ソトカンダ", "1010021", CHOME, "101"),
        ("霞が関（次のビルを除く）", "カスミガセキ（ツギノビルヲノゾク）", "1000013", CHOME, None),
        ("神田神保町", "カンダジンボウチョウ", "1010051", CHOME, "101"),
        ("神田駿河台", "カンダスルガダイ", "1010062", CHOME, "101"),
        ("麹町", "コウジマチ", "1020083", CHOME, "102"),
        ("永田町（次のビルを除く）", "ナガタチョウ（ツギノビルヲノゾク）", "1000014", CHOME, None),
        ("日比谷公園", "ヒビヤコウエン", "1000012", None, None),
        ("丸の内（次のビルを除く）", "マルノウチ（ツギノビルヲノゾク）", "1000005", CHOME, None),
        ("有楽町", "ユウラクチョウ", "1000006", CHOME, None),
        ("千代田", "チヨダ", "1000001", None, None),
    ]),
    ("13102", "中央区", "チュウオウク", "103", [
        (*NOT_LISTED, "1030000", None, None),
        ("銀座", "ギンザ", "1040061", CHOME, "104"),
        ("築地", "ツキジ", "1040045", CHOME, "104"),
        ("日本橋", "ニホンバシ", "1030027", CHOME, None),
        ("日本橋人形町", "ニホンバシニンギョウチョウ", "1030013", CHOME, None),
        ("八丁堀", "ハッチョウボリ", "1040032", CHOME, "104"),
        ("月島", "ツキシマ", "1040052", CHOME, "104"),
    ]),
    ("13103", "港区", "ミナトク", "105", [
        (*NOT_LISTED, "1050000", None, None),
        ("赤坂", "アカサカ", "1070052", CHOME, "107"),
        ("麻布十番", "アザブジュウバン", "1060045", CHOME, "106"),
        ("芝公園", "シバコウエン", "1050011", CHOME, None),
        ("新橋", "シンバシ", "1050004", CHOME, None),
        ("台場", "ダイバ", "1350091", CHOME, "135"),
        ("虎ノ門（次のビルを除く）", "トラノモン（ツギノビルヲノゾク）", "1050001", CHOME, None),
        ("浜松町", "ハママツチョウ", "1050013", CHOME, None),
        ("南青山", "ミナミアオヤマ", "1070062", CHOME, "107"),
        ("元赤坂", "モトアカサカ", "1070051", CHOME, "107"),
        ("六本木（次のビルを除く）", "ロッポンギ（ツギノビルヲノゾク）", "1060032", CHOME, "106"),
    ]),
    ("13104", "新宿区", "シンジュクク", "160", [
        (*NOT_LISTED, "1600000", None, None),
        ("市谷本村町", "イチガヤホンムラチョウ", "1620845", None, "162"),
        ("歌舞伎町", "カブキチョウ", "1600021", CHOME, None),
        ("新宿", "シンジュク", "1600022", CHOME, None),
        ("西新宿（次のビルを除く）", "ニシシンジュク（ツギノビルヲノゾク）", "1600023", CHOME, None),
        ("四谷", "ヨツヤ", "1600004", CHOME, None),
    ]),
    ("13201", "八王子市", "ハチオウジシ", "192", [
        (*NOT_LISTED, "1920000", None, None),
        ("旭町", "アサヒチョウ", "1920083", None, None),
        ("上恩方町", "カミオンガタマチ", "1920154", None, "19201"),
        ("高尾町", "タカオマチ", "1930844", None, "193"),
        ("裏高尾町", "ウラタカオマチ", "1930841", None, "193"),
        ("元八王子町", "モトハチオウジマチ", "1930826", CHOME, "193"),
    ]),
    ("13361", "大島町", "オオシママチ", "100", [
        (*NOT_LISTED, "1000100", None, "10001"),
        ("元町", "モトマチ", "1000101", None, "10001"),
        ("岡田", "オカタ", "1000102", None, "10001"),
        ("差木地", "サシキジ", "1000212", None, "10002"),
    ]),
    ("13382", "御蔵島村", "ミクラジマムラ", "100", [
        ("御蔵島村一円", "ミクラジマムライチエン", "1001301", None, "10013"),
    ]),
    ("14104", "横浜市中区", "ヨコハマシナカク", "231", [
        (*NOT_LISTED, "2310000", None, None),
        ("山下町", "ヤマシタチョウ", "2310023", None, None),
        ("元町", "モトマチ", "2310861", CHOME, None),
        ("本町", "ホンチョウ", "2310005", CHOME, None),
        ("海岸通", "カイガンドオリ", "2310002", CHOME, None),
        ("本牧町", "ホンモクチョウ", "2310821", CHOME, None),
    ]),
    ("23106", "名古屋市中区", "ナゴヤシナカク", "460", [
        (*NOT_LISTED, "4600000", None, None),
        ("栄", "サカエ", "4600008", CHOME, None),
        ("錦", "ニシキ", "4600003", CHOME, None),
        ("三の丸", "サンノマル", "4600001", CHOME, None),
        ("大須", "オオス", "4600011", CHOME, None),
        ("金山", "カナヤマ", "4600022", CHOME, None),
    ]),
    ("26104", "京都市中京区", "キョウトシナカギョウク", "604", [
        (*NOT_LISTED, "6040000", None, None),
        ("朝倉町", "アサクラチョウ", "6048103", SHARED, None),
        ("烏帽子屋町", "エボシヤチョウ", "6048153", SHARED, None),
        ("御池通高倉西入高宮町", "オイケドオリタカクラニシイルタカミヤチョウ", "6040835", None, None),
        ("三条通烏丸西入御倉町", "サンジョウドオリカラスマニシイルミクラチョウ", "6048166", SHARED, None),
        ("寺町通御池上る上本能寺前町", "テラマチドオリオイケアガルカミホンノウジマエチョウ", "6040925", None, None),
        ("西ノ京星池町", "ニシノキョウホシイケチョウ", "6048421", None, None),
    ]),
    ("27127", "大阪市北区", "オオサカシキタク", "530", [
        (*NOT_LISTED, "5300000", None, None),
        ("梅田（次のビルを除く）", "ウメダ（ツギノビルヲノゾク）", "5300001", CHOME, None),
        ("曽根崎", "ソネザキ", "5300057", CHOME, None),
        ("天神橋", "テンジンバシ", "5300041", CHOME, None),
        ("中之島", "ナカノシマ", "5300005", CHOME, None),
        ("西天満", "ニシテンマ", "5300047", CHOME, None),
        ("大淀南", "オオヨドミナミ", "5310075", CHOME, "531"),
    ]),
    ("27128", "大阪市中央区", "オオサカシチュウオウク", "540", [
        (*NOT_LISTED, "5400000", None, None),
        ("大阪城", "オオサカジョウ", "5400002", None, None),
        ("北浜", "キタハマ", "5410041", CHOME, "541"),
        ("心斎橋筋", "シンサイバシスジ", "5420085", CHOME, "542"),
        ("難波", "ナンバ", "5420076", CHOME, "542"),
        ("道頓堀", "ドウトンボリ", "5420071", CHOME, "542"),
        ("本町", "ホンマチ", "5410053", CHOME, "541"),
    ]),
    ("27141", "堺市堺区", "サカイシサカイク", "590", [
        (*NOT_LISTED, "5900000", None, None),
        ("大仙町", "ダイセンチョウ", "5900035", None, None),
        ("北瓦町", "キタカワラマチ", "5900077", CHOME, None),
        ("南花田口町", "ミナミハナダグチチョウ", "5900075", CHOME, None),
    ]),
    ("40132", "福岡市博多区", "フクオカシハカタク", "812", [
        (*NOT_LISTED, "8120000", None, None),
        ("博多駅前", "ハカタエキマエ", "8120011", CHOME, None),
        ("中洲", "ナカス", "8100801", CHOME, "810"),
        ("祇園町", "ギオンマチ", "8120038", None, None),
        ("住吉", "スミヨシ", "8120018", CHOME, None),
    ]),
    ("47201", "那覇市", "ナハシ", "900", [
        (*NOT_LISTED, "9000000", None, None),
        ("泉崎", "イズミザキ", "9000021", CHOME, None),
        ("おもろまち", "オモロマチ", "9000006", CHOME, None),
        ("首里当蔵町", "シュリトウノクラチョウ", "9030812", CHOME, "903"),
        ("久米", "クメ", "9000033", CHOME, None),
    ]),
]

# Office buildings get a code per floor, written as the file does:
# "<town><building>（地階・階層不明）" then "（１階）" ... "（n階）".
# (city code, town kanji, town kana, building kanji, building kana, floors,
#  code of the unknown floor, first floor code (7 digits), old number)
BUILDINGS = [
    ("13101", "丸の内", "マルノウチ", "中央テラスビル", "チュウオウテラスビル", 30, "1006590", 1006501, "100"),
    ("13103", "赤坂", "アカサカ", "山王パークタワー", "サンノウパークタワー", 36, "1076190", 1076101, "107"),
    ("27127", "梅田", "ウメダ", "北ゲートタワー", "キタゲートタワー", 40, "5306090", 5306001, "530"),
]


def city_header(code, city, city_kana):
    pref, pref_kana = PREFECTURES[code[:2]]
    return pref, half_kana(pref_kana), city, half_kana(city_kana)


def address_line(code, old, new, pref_kana, city_kana, town_kana, pref, city, town, flags):
    quoted = [old_number(old), new, pref_kana, city_kana, half_kana(town_kana), pref, city, town]
    return ",".join([code] + ['"%s"' % q for q in quoted] + [flags or "0,0,0,0,0,0"])


def address_lines():
    lines = []
    for code, city, city_kana, city_old, towns in CITIES:
        pref, pref_kana, city, city_kana = city_header(code, city, city_kana)
        for town, town_kana, new, flags, old in towns:
            lines.append(address_line(code, old or city_old, new, pref_kana, city_kana,
                                      town_kana, pref, city, town, flags))
        for b_code, b_town, b_town_kana, name, name_kana, floors, unknown, first, b_old in BUILDINGS:
            if b_code != code:
                continue
            lines.append(address_line(code, b_old, unknown, pref_kana, city_kana,
                                      b_town_kana + name_kana + "（チカイ・カイソウフメイ）", pref, city,
                                      b_town + name + "（地階・階層不明）", None))
            for floor in range(1, floors + 1):
                lines.append(address_line(code, b_old, "%07d" % (first + floor - 1), pref_kana, city_kana,
                                          b_town_kana + name_kana + "（%dカイ）" % floor, pref, city,
                                          b_town + name + "（%s階）" % full_digits(str(floor)), None))
    return lines

# ---------------------------------------------------------------- offices

# (city code, kana name, kanji name, town, block and building, own number,
#  old number, handling post office)
OFFICES = [
    ("01101", "ホッカイドウチョウ", "北海道庁", "北三条西", "６丁目", "0608588", "060", "札幌中央"),
    ("01101", "（カブ）　ホッカイドウシンブンシャ", "株式会社　北海道新聞社", "大通西", "３丁目６", "0608711", "060", "札幌中央"),
    ("01101", "サッポロシヤクショ", "札幌市役所", "北一条西", "２丁目", "0608611", "060", "札幌中央"),
    ("01202", "ハコダテシヤクショ", "函館市役所", "東雲町", "４－１３", "0408666", "040", "函館中央"),
    ("01204", "アサヒカワシヤクショ", "旭川市役所", "六条通", "９丁目", "0708525", "070", "旭川中央"),
    ("02201", "アオモリケンチョウ", "青森県庁", "長島", "１丁目１－１", "0308570", "030", "青森中央"),
    ("04101", "ミヤギケンチョウ", "宮城県庁", "本町", "３丁目８－１", "9808570", "980", "仙台中央"),
    ("04101", "トウホクダイガク　カワウチキャンパス", "東北大学　川内キャンパス", "川内", "", "9808576", "980", "仙台中央"),
    ("13101", "シュウギイン", "衆議院", "永田町", "１丁目７－１", "1008960", "100", "銀座"),
    ("13101", "サンギイン", "参議院", "永田町", "１丁目７－１", "1000014", "100", "銀座"),
    ("13101", "ソウムショウ", "総務省", "霞が関", "２丁目１－２", "1008926", "100", "銀座"),
    ("13101", "ニッポンユウビン　カブシキガイシャ　ホンシャ", "日本郵便　株式会社　本社", "大手町", "２丁目３－１", "1008798", "100", "銀座"),
    ("13101", "（カブ）　マルノウチショウジ", "㈱丸の内商事", "丸の内", "１丁目２－３中央テラスビル１８Ｆ", "1008230", "100", "銀座"),
    ("13101", "カンダショボウ　（カブ）", "神田書房　（株）", "神田神保町", "２丁目１０", "1018422", "101", "神田"),
    ("13102", "（カブ）　ギンザデパート", "株式会社　銀座デパート", "銀座", "４丁目６－１６", "1048212", "104", "銀座"),
    ("13102", "ツキジシジョウカンリジムショ", "築地市場管理事務所", "築地", "５丁目２－１", "1048555", "104", "銀座"),
    ("13103", "ミナトクヤクショ", "港区役所", "芝公園", "１丁目５－２５", "1058511", "105", "芝"),
    ("13103", "（カブ）　アカサカホウソウ", "株式会社　赤坂放送", "赤坂", "５丁目３－６", "1078006", "107", "赤坂"),
    ("13103", "アカサカサンノウショウジ　（カブ）", "赤坂山王商事　（株）", "赤坂", "２丁目１１－１山王パークタワー２３Ｆ", "1078470", "107", "赤坂"),
    ("13103", "ロッポンギケンキュウジョ", "六本木研究所", "六本木", "６丁目１０－１", "1066190", "106", "麻布"),
    ("13104", "トウキョウトチョウ", "東京都庁", "西新宿", "２丁目８－１", "1638001", "160", "新宿"),
    ("13104", "シンジュククヤクショ", "新宿区役所", "歌舞伎町", "１丁目４－１", "1608484", "160", "新宿"),
    ("13201", "ハチオウジシヤクショ", "八王子市役所", "元本郷町", "３丁目２４－１", "1928501", "192", "八王子"),
    ("14104", "カナガワケンチョウ", "神奈川県庁", "日本大通", "１", "2318588", "231", "横浜中央"),
    ("14104", "ヨコハマコウワン　（カブ）", "横浜港湾　（株）", "海岸通", "１丁目１", "2318601", "231", "横浜中央"),
    ("23106", "アイチケンチョウ", "愛知県庁", "三の丸", "３丁目１－２", "4608501", "460", "名古屋中"),
    ("23106", "（カブ）　サカエデンキ　ナゴヤシテン", "株式会社　栄電機　名古屋支店", "栄", "３丁目５－１２", "4608610", "460", "名古屋中"),
    ("26104", "キョウトシヤクショ", "京都市役所", "寺町通御池上る上本能寺前町", "４８８", "6048571", "604", "中京"),
    ("26104", "（カブ）　キョウトオリモノ", "株式会社　京都織物", "烏帽子屋町", "５０２", "6048601", "604", "中京"),
    ("27127", "オオサカシヤクショ", "大阪市役所", "中之島", "１丁目３－２０", "5308201", "530", "大阪北"),
    ("27127", "（カブ）　ウメダショウケン", "株式会社　梅田証券", "梅田", "３丁目１－１北ゲートタワー２５Ｆ", "5308230", "530", "大阪北"),
    ("27128", "オオサカフチョウ", "大阪府庁", "大手前", "２丁目", "5408570", "540", "大阪東"),
    ("27128", "ナンバコウギョウ　（カブ）", "難波興業　（株）", "難波", "５丁目１－６０", "5428510", "542", "大阪南"),
    ("27141", "サカイシヤクショ", "堺市役所", "南瓦町", "３－１", "5900078", "590", "堺"),
    ("40132", "（カブ）　ハカタショウカイ", "株式会社　博多商会", "博多駅前", "２丁目１－１", "8128577", "812", "博多"),
    ("40132", "フクオカクウコウ　カンリジムショ", "福岡空港　管理事務所", "大字下臼井", "７６７－１", "8128501", "812", "博多"),
    ("47201", "オキナワケンチョウ", "沖縄県庁", "泉崎", "１丁目２－２", "9008570", "900", "那覇中央"),
    ("47201", "ナハシヤクショ", "那覇市役所", "泉崎", "１丁目１－１", "9008585", "900", "那覇中央"),
    # Longer than 255 bytes, as some lines of the published file are.
    ("13101", "カブシキガイシャ　サンプルブッサン　トウキョウホンシャ　エイギョウホンブ　ダイイチエイギョウブ　ホウジンエイギョウカ（ツウシンハンバイウケツケセンター）",
     "株式会社　サンプル物産　東京本社　営業本部　第一営業部　法人営業課（通信販売受付センターⅡ）",
     "大手町", "１丁目９－９大手町サンプルタワー２０Ｆ", "1008799", "100", "銀座"),
    ("27128", "オオサカショウコウカイギショ　ジョウホウシステムブ　キカクカ（ダイニキカクシツ）",
     "大阪商工会議所　情報システム部　企画課（第二企画室）サンプル事業所ビル管理担当",
     "本町", "１丁目２－３本町サンプルビルディング東館１２Ｆ　北側通用口受付", "5418688", "541", "大阪東"),
]


def office_lines():
    lines = []
    # The file keeps each city's offices together, cities in code order.
    for code, kana, name, town, block, number, old, office in sorted(OFFICES, key=lambda o: o[0]):
        pref = PREFECTURES[code[:2]][0]
        city = next(c[1] for c in CITIES if c[0] == code) if any(c[0] == code for c in CITIES) else None
        if city is None:
            raise SystemExit("office in unknown city " + code)
        quoted = [half_kana(kana, large_small_kana=True), name, pref, city, town, block, number,
                  old_number(old), office]
        lines.append(",".join([code] + ['"%s"' % q for q in quoted] + ["0", "0", "0"]))
    return lines

# ---------------------------------------------------------------- output

def check(lines, columns, long_lines):
    """The properties the program's readers rely on, checked before writing."""
    pref_order = [line[:2] for line in lines]
    assert pref_order == sorted(pref_order), "prefectures out of code order"
    assert pref_order[0] == "01", "the file starts with 北海道"
    cities = [line[:5] for i, line in enumerate(lines) if i == 0 or lines[i - 1][:5] != line[:5]]
    assert len(cities) == len(set(cities)), "a city's lines are not together"
    for line in lines:
        assert len(line.split(",")) == columns, line
        assert len(line.encode("cp932")) < 512, line
    assert sum(len(l.encode("cp932")) > 255 for l in lines) >= long_lines


def write(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    with open(path, "wb") as f:
        f.write(data)
    longest = max(len(line.encode("cp932")) for line in lines)
    print("%s: %d lines, longest %d bytes" % (path, len(lines), longest))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data", "sample")
    os.makedirs(out, exist_ok=True)
    addresses, offices = address_lines(), office_lines()
    check(addresses, 15, 0)
    check(offices, 13, 2)
    write(os.path.join(out, "Ken_all.csv"), addresses)
    write(os.path.join(out, "Jigyosyo.csv"), offices)


if __name__ == "__main__":
    main()
