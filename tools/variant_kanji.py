#!/usr/bin/env python3
"""Writes resolver/variant_kanji.cpp: the resolver's table of variant kanji.

    python3 tools/variant_kanji.py [KEN_ALL.CSV] > resolver/variant_kanji.cpp

KEN_ALL.CSV (cp932; by default ../shared/data/KEN_ALL.CSV beside the
checkout) is read only here, for the guard and the choice of forms below:
the generated table is committed and the build never reads the data.

The kanji are put in classes of one character written several ways, from
these sources, in this order:
- cp932 itself (Python's codec, Microsoft's table): the NEC-selected IBM
  extension (rows 0xED-0xEE) and the IBM extension (0xFA-0xFC) write the
  same kanji twice;
- Unicode's canonical decompositions (UnicodeData.txt, through Python's
  unicodedata): a CJK compatibility ideograph such as U+FA10 (a 塚) is its
  unified kanji (U+585A 塚);
- PLACE_NAMES below: the variant forms Japanese place names are written
  with, as owners write them on real lists and as the address file itself
  has them on either side (長澤町, 冨田, 西餠田, 日御碕), among them pairs
  neither package below has (德 徳, 邉 辺, 髙 高, 﨑 崎, 桒 桑);
- Debian's kakasi-dic: /usr/share/kakasi/itaijidict (EUC-JP), KAKASI's
  pairs of a variant and its usual form (辨 弁, 來 来, 曾 曽, 藏 蔵);
- Debian's unicode-data: /usr/share/unicode/Unihan_Variants.txt(.bz2),
  the kZVariant, kSemanticVariant and kTraditionalVariant pairs of two kanji
  that cp932 both holds (the package's Unihan_OtherMappings and
  Unihan_Readings serve the rules below).
A pair is left out, and said so on stderr, where
- it is one of LEFT_OUT below: a slip of KAKASI's (擧 拳 for 擧 挙) or two
  characters of their own in Japanese writing that the rules below let
  through (鮎 鯰, 椎 槌, 淀 澱);
- it holds a kanji numeral (〇 一 … 十 百 千, resolver/normalize.cpp reads
  them as numbers), or would make a kanji the resolver reads as a word
  (the kanji in resolver/'s cp932 literals: 丁目, 番地, 町, 区, 以下…) the
  variant of another form;
- it joins two Jōyō kanji (Unihan_OtherMappings' kJoyoKanji: each is a
  character of its own in Japanese writing: 坂 阪, 埼 崎, 制 製, 谷 穀),
  or, for the Unihan pairs, two kanji whose Japanese kun readings
  (Unihan_Readings' kJapaneseKun) differ (叶 かなう, 葉 は), unless it is
  one of PLACE_NAMES;
- the guard: folding it would make two towns of one municipality of
  KEN_ALL.CSV one, or two municipalities of one prefecture. The town names
  are compared as the resolver writes them (resolver/normalize.cpp: note
  cut off, digits, kanji numerals before a unit, 大字 and 字, the kana
  between two kanji); tests/core/resolver_lists_test.cpp checks the same
  over the whole file with the resolver's own code.
The pairs are checked class by class, in the order above, so that a chain
(埼 碕 崎) cannot join what a direct pair may not. Each class folds to the
one form KEN_ALL.CSV writes most (the resolver's own word kanji first;
among forms it never writes: a Jōyō kanji, then the first in cp932 order),
so chains and cycles end in one form.
"""
import bz2
import collections
import os
import re
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KAKASI_ITAIJI = "/usr/share/kakasi/itaijidict"
UNIHAN_DIR = "/usr/share/unicode"
UNIHAN_FIELDS = ("kZVariant", "kSemanticVariant", "kTraditionalVariant")

# Pairs of place names, each a variant then its usual form (the usual form
# decides nothing: each class folds to the form the address file writes most).
PLACE_NAMES = ("澤沢 冨富 螢蛍 﨑崎 祗祇 渕淵 餠餅 檪櫟 洲州 髙高 嶋島 嶌島 邊辺 邉辺 濱浜 瀨瀬 德徳 舘館 槇槙 曻昇 "
               "桒桑 鄕郷 眞真 廣広 櫻桜 國国 靑青 惠恵 條条 峯峰 嵜崎 藪薮 籔薮 檜桧 澁渋 淺浅 關関 齋斎 寳宝 "
               "驛駅 豐豊 壽寿 穗穂 瀧滝 篭籠 嶽岳 冰氷 盃杯 舩船 灣湾 邨村 埀垂 獵猟 彌弥 禮礼 莊荘 萬万 龍竜 "
               "﨔欅 黑黒 榮栄 縣県 晉晋 圓円 碕崎")

# Pairs of the packages left out by hand, with the reason (the rules below
# catch the rest).
LEFT_OUT = {
    "KAKASI's slip (擧 舉 are 挙, 歐 is 欧, 皃 貎 are 貌)": "擧拳 舉拳 歐嘔 皃猊 貎猊 濾滬",
    "two characters in Japanese use": "鮎鯰 鰌鰍 椎槌 慄栗 淀澱 淡澹 琉瑠 琉璢 曜燿 曜耀 佑祐 倖幸 惇敦 怜憐 晁朝 借藉 "
                                      "凭憑 冬鼕 台颱 卷捲 姆姥 巍魏 範范 箴針 箴鍼 网罔 圭珪 奔犇 辟闢 咽嚥",
}
BY_HAND = {frozenset(p): reason for reason, pairs in LEFT_OUT.items() for p in pairs.split()}


def code_of(u):
    try:
        b = u.encode("cp932")
    except UnicodeEncodeError:
        return None
    return int.from_bytes(b, "big") if len(b) == 2 else None


def is_kanji(u):
    return len(u) == 1 and unicodedata.name(u, "").startswith("CJK ") and code_of(u) is not None


def nfc(u):
    return unicodedata.normalize("NFC", u)


def say(*args):
    print(*args, file=sys.stderr)


def place_name_pairs():
    return [(p[0], p[1]) for p in PLACE_NAMES.split()]


def kakasi_pairs():
    pairs = []
    with open(KAKASI_ITAIJI, "rb") as f:
        for line in f:
            text = line.decode("euc-jp").strip()
            if len(text) == 2 and is_kanji(text[0]) and is_kanji(text[1]):
                pairs.append((text[0], text[1]))
    return pairs


def unihan_lines(name):
    path = os.path.join(UNIHAN_DIR, name)
    f = open(path, encoding="utf-8") if os.path.exists(path) else bz2.open(path + ".bz2", "rt", encoding="utf-8")
    with f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t")
            yield chr(int(code[2:], 16)), field, value


def unihan_pairs():
    pairs = []
    for a, field, value in unihan_lines("Unihan_Variants.txt"):
        if field not in UNIHAN_FIELDS:
            continue
        for item in value.split():
            b = chr(int(item.split("<")[0][2:], 16))
            if a != b and is_kanji(a) and is_kanji(b):
                pairs.append((a, b, field))
    return pairs


def unihan_japanese():
    joyo, kun = set(), {}
    for u, field, value in unihan_lines("Unihan_OtherMappings.txt"):
        if field == "kJoyoKanji" and not value.startswith("U+"):
            joyo.add(u)
    for u, field, value in unihan_lines("Unihan_Readings.txt"):
        if field == "kJapaneseKun":
            kun[u] = set(value.split())
    return joyo, kun


def resolver_kanji():
    """The kanji resolver/ writes in its cp932 literals, and normalize.cpp's numerals."""
    words, numerals = set(), set()
    for name in sorted(os.listdir(os.path.join(ROOT, "resolver"))):
        if not name.endswith((".cpp", ".h")) or name == "variant_kanji.cpp":
            continue
        with open(os.path.join(ROOT, "resolver", name), encoding="utf-8") as f:
            source = f.read()
        for literal in re.findall(r'"((?:\\x[0-9A-Fa-f]{2})+)"', source):
            data = bytes(int(h, 16) for h in re.findall(r"\\x([0-9A-Fa-f]{2})", literal))
            words.update(u for u in data.decode("cp932", errors="ignore") if is_kanji(u))
        # a code with its character in the comment: 0x8FF0;  // 条
        for hexcode, shown in re.findall(r"\b0x([89EF][0-9A-F]{3})\b[^/\n]*// *(\S)", source):
            try:
                u = bytes.fromhex(hexcode).decode("cp932")
            except UnicodeDecodeError:
                continue
            if is_kanji(u) and u == shown:
                words.add(u)
        if name == "normalize.cpp":
            for hexcode in re.findall(r"\{0x([0-9A-F]{4}), *\d+\}", source):
                numerals.add(bytes.fromhex(hexcode).decode("cp932"))
    return words - numerals, numerals


def read_address_file(path):
    """(towns: city code → set of town names, cities: prefecture → city name → set of city codes, counts)."""
    towns = collections.defaultdict(set)
    cities = collections.defaultdict(lambda: collections.defaultdict(set))
    counts = collections.Counter()
    open_note = False
    with open(path, encoding="cp932") as f:
        for line in f:
            fields = [x.strip('"') for x in line.rstrip("\r\n").split(",")]
            code, prefecture, city, town = fields[0], fields[6], fields[7], fields[8]
            counts.update(prefecture + city + town)
            if open_note:  # a note continued from the line before
                open_note = "）" not in town
                continue
            if "（" in town and "）" not in town:
                open_note = True
            towns[code].add(town.split("（")[0])
            cities[prefecture][city].add(code)
    return towns, cities, counts


NUMERALS = {"〇": 0, "一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7, "八": 8, "九": 9,
            "十": 10, "百": 100, "千": 1000}
UNITS = ("丁目", "町目", "番地", "番", "号", "条", "線", "地割", "階")
JOINING = set("ヶケがガヵカ")


def numeral_value(run):
    values = [NUMERALS[u] for u in run]
    if not any(v >= 10 for v in values):
        return int("".join(str(v) for v in values))
    total, digit = 0, -1
    for v in values:
        if v < 10:
            digit = v
        else:
            total += (1 if digit < 0 else digit) * v
            digit = -1
    return total + (0 if digit < 0 else digit)


def written(name, unit_forms, drop_aza):
    """The name as resolver/normalize.cpp writes it, but for the variant kanji (a list of characters)."""
    name = nfc(name)
    out = []
    i = 0
    while i < len(name):
        u = name[i]
        if u in " \t　":
            i += 1
            continue
        if "０" <= u <= "９":
            u = chr(ord(u) - ord("０") + ord("0"))
        elif "Ａ" <= u <= "Ｚ" or "ａ" <= u <= "ｚ":
            u = chr(ord(u.upper()) - ord("Ａ") + ord("A"))
        elif u in "-－‐―":
            u = "-"
        elif u in "ヶヵ":
            u = "ケ" if u == "ヶ" else "カ"
        elif u in NUMERALS:
            j = i
            while j < len(name) and name[j] in NUMERALS and j - i < 8:
                j += 1
            rest = name[j:]
            if any(len(rest) >= len(unit) and all(a in unit_forms[b] for a, b in zip(rest, unit)) for unit in UNITS):
                out.extend(str(numeral_value(name[i:j])))
                i = j
                continue
        out.append(u)
        i += 1
    if drop_aza:
        text = "".join(out).replace("大字", "").replace("字", "")
        out = list(text)
    kept = []
    for k, u in enumerate(out):
        before = out[k - 1] if k > 0 else ""
        after = out[k + 1] if k + 1 < len(out) else ""
        if u == "り" and before == "通":
            continue
        if is_kanji(before) and is_kanji(after) or (before == "々" and is_kanji(after)):
            if u in JOINING:
                u = "ケ"
            elif u in "のノ":
                u = "ノ"
        kept.append(u)
    return kept


class Guard:
    """The names of KEN_ALL.CSV that must stay apart, read through the classes being made."""

    def __init__(self, path, unit_forms):
        towns, cities, self.counts = read_address_file(path)
        self.groups = []  # each a list of names (lists of characters) that must stay apart
        self.labels = []
        for code, names in sorted(towns.items()):
            self.groups.append([written(n, unit_forms, True) for n in sorted(names)])
            self.labels.append((code, sorted(names)))
        for prefecture, names in sorted(cities.items()):
            ordered = sorted(names)
            self.groups.append([written(n, unit_forms, False) for n in ordered])
            self.labels.append((prefecture, ordered))
        self.by_kanji = collections.defaultdict(set)  # kanji → (group, name) holding it
        for g, names in enumerate(self.groups):
            for n, name in enumerate(names):
                for u in name:
                    self.by_kanji[u].add((g, n))

    def merges(self, classes, a, b):
        """What joining the classes of `a` and `b` would make one: [(group label, [names])]."""
        joined = classes.members(a) | classes.members(b)
        touched = collections.defaultdict(set)
        for u in joined:
            for g, n in self.by_kanji.get(u, ()):
                touched[g].add(n)

        def key(name, after):
            return tuple("\0" if after and u in joined else classes.find(u) for u in name)

        found = []
        for g, ns in touched.items():
            names = self.groups[g]
            # two names can meet only now when one holds a form of a's class, the other one of b's
            if not all(any(any(classes.find(u) == classes.find(side) for u in names[n]) for n in ns) for side in (a, b)):
                continue
            alike = collections.defaultdict(list)
            for n in ns:
                alike[key(names[n], True)].append(n)
            for same in alike.values():
                if len({key(names[n], False) for n in same}) > 1:
                    label, texts = self.labels[g]
                    found.append((label, sorted({texts[n] for n in same})))
        return found


class Classes:
    def __init__(self):
        self.parent = {}
        self.sets = {}

    def find(self, u):
        while self.parent.get(u, u) != u:
            u = self.parent[u]
        return u

    def members(self, u):
        return self.sets.get(self.find(u), {u})

    def join(self, a, b):
        ra, rb = self.find(a), self.find(b)
        if ra == rb:
            return
        joined = self.members(a) | self.members(b)
        self.parent[rb] = ra
        self.sets[ra] = joined
        self.sets.pop(rb, None)


class Rules:
    def __init__(self):
        self.words, self.numerals = resolver_kanji()
        self.joyo, self.kun = unihan_japanese()


def leave_out_why(source, a, b, classes, rules):
    """Why the pair of `source` may not join its two classes, or None."""
    both = classes.members(a) | classes.members(b)
    if frozenset((a, b)) in BY_HAND:
        return BY_HAND[frozenset((a, b))]
    if a in rules.numerals or b in rules.numerals:
        return "a kanji numeral, read as a number"
    if len(both & rules.words) > 1:
        return "joins the resolver's words " + " ".join(sorted(both & rules.words))
    if source == "PLACE_NAMES":
        return None
    cross = [(x, y) for x in sorted(classes.members(a)) for y in sorted(classes.members(b))]
    for x, y in cross:
        if x in rules.joyo and y in rules.joyo:
            return "two Jōyō kanji: %s %s" % (x, y)
    kun = rules.kun
    for x, y in cross if source.startswith("Unihan") else ():
        if kun.get(x) and kun.get(y) and not kun[x] & kun[y]:
            return "other kun readings: %s %s, %s %s" % (x, " ".join(sorted(kun[x])).lower(), y,
                                                          " ".join(sorted(kun[y])).lower())
    return None


def make_classes(sources, guard, rules):
    classes = Classes()
    left_out = collections.Counter()
    seen = set()
    for source, a, b in sources:
        a, b = nfc(a), nfc(b)
        if a == b or frozenset((a, b)) in seen:
            continue
        seen.add(frozenset((a, b)))
        if classes.find(a) == classes.find(b):
            continue
        reason = leave_out_why(source, a, b, classes, rules)
        if reason is None:
            merged = guard.merges(classes, a, b)
            if merged:
                label, names = merged[0]
                more = " (and %d more)" % (len(merged) - 1) if len(merged) > 1 else ""
                reason = "merges %s in %s%s" % (" and ".join(names), label, more)
        if reason is not None:
            say("left out %s %s (%s): %s" % (a, b, source, reason))
            left_out[source] += 1
            continue
        classes.join(a, b)
    say("left out: " + ", ".join("%s %d" % item for item in sorted(left_out.items())))
    return classes


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "..", "shared", "data", "KEN_ALL.CSV")
    if not os.path.exists(path):
        sys.exit("variant_kanji.py: no address file at %s (pass KEN_ALL.CSV's path)" % path)
    if not os.path.exists(KAKASI_ITAIJI) or not os.path.exists(os.path.join(UNIHAN_DIR, "Unihan_Variants.txt.bz2")) \
            and not os.path.exists(os.path.join(UNIHAN_DIR, "Unihan_Variants.txt")):
        sys.exit("variant_kanji.py: install kakasi-dic and unicode-data (tools/setup.sh)")
    rules = Rules()

    sources = [("PLACE_NAMES", a, b) for a, b in place_name_pairs()]
    sources += [("kakasi-dic itaijidict", a, b) for a, b in kakasi_pairs()]
    sources += [("Unihan " + field, a, b) for a, b, field in unihan_pairs()]

    # a unit's variants as any source pairs them, for the numerals before a unit
    unit_forms = collections.defaultdict(set)
    for _, a, b in sources:
        for x, y in ((a, b), (b, a)):
            unit_forms[x].add(y)
    unit_forms = collections.defaultdict(set, {u: {u} | unit_forms[u] for u in "".join(UNITS)})
    guard = Guard(path, unit_forms)

    classes = make_classes(sources, guard, rules)

    def rank(u):
        return (u not in rules.words, -guard.counts[u], u not in rules.joyo, code_of(u))

    canonical = {}
    for members in classes.sets.values():
        form = min(members, key=rank)
        for u in members:
            canonical[u] = form

    table = {}
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            if trail == 0x7F:
                continue
            code = lead << 8 | trail
            try:
                u = bytes([lead, trail]).decode("cp932")
            except UnicodeDecodeError:
                continue
            if not unicodedata.category(u).startswith("Lo"):
                continue
            form = canonical.get(nfc(u), nfc(u))
            folded = code_of(form)
            if folded is not None and folded != code:
                table[code] = (folded, u, form)
    for code, (folded, _, _) in table.items():
        assert folded not in table, hex(code)
    for u in rules.words | rules.numerals:
        assert code_of(u) not in table, u
    say("classes: %d, codes folded: %d" % (len(classes.sets), len(table)))

    print("// Generated by tools/variant_kanji.py: do not edit, run it again.")
    print("// Sources: cp932's twin codes of the NEC-selected and IBM extension kanji")
    print("// (Microsoft's table), Unicode's canonical decompositions of the CJK")
    print("// compatibility ideographs (UnicodeData.txt), the variant pairs of Japanese")
    print("// place names listed in the script, KAKASI's itaijidict (Debian's kakasi-dic)")
    print("// and Unihan_Variants.txt's kZVariant, kSemanticVariant and kTraditionalVariant")
    print("// (Debian's unicode-data), less the pairs the script leaves out.")
    print('#include "resolver/normalize.h"')
    print()
    print("#include <algorithm>")
    print("#include <cstdint>")
    print()
    print("namespace resolver {")
    print()
    print("namespace {")
    print()
    print("struct VariantKanji {")
    print("  uint16_t variant, folded;")
    print("};")
    print()
    print("// Sorted by variant.")
    print("constexpr VariantKanji kVariantKanji[] = {")
    for code in sorted(table):
        folded, u, c = table[code]
        print("    {0x%04X, 0x%04X},  // U+%04X %s -> %s" % (code, folded, ord(u), u, c))
    print("};")
    print()
    print("}  // namespace")
    print()
    print("uint16_t FoldVariantKanji(uint16_t code) {")
    print("  if (code < 0x889F) return code;  // no kanji before 亜")
    print("  const VariantKanji* const end = kVariantKanji + sizeof(kVariantKanji) / sizeof(kVariantKanji[0]);")
    print("  const VariantKanji* const at =")
    print("      std::lower_bound(kVariantKanji, end, code, [](const VariantKanji& v, uint16_t c) { return v.variant < c; });")
    print("  return at != end && at->variant == code ? at->folded : code;")
    print("}")
    print()
    print("}  // namespace resolver")


if __name__ == "__main__":
    main()
