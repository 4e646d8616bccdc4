// One spelling for the many ways people write an address, applied alike to
// the typed text and to the address file's names. cp932 in and out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace resolver {

// Writes `text` to `out` (cleared first; its storage is reused):
// - blanks (ASCII, full-width, tabs, line ends) dropped, but a "-" put for
//   them between two digits ("1-2-3 4階" is no floor 34);
// - full-width digits and letters made ASCII, letters upper case;
// - every hyphen of encoding/hyphens.h becomes "-"; ー and ｰ only between
//   digits (elsewhere they are the long vowel of katakana); ノ between
//   digits becomes の, which joins numbers;
// - variant kanji written as the one form the resolver keeps
//   (FoldVariantKanji): 澤 as 沢, 﨑 as 崎, cp932's compatibility 塚 as 塚;
// - ヶ is written ケ, ヵ is written カ;
// - a run of kanji numerals (〇一二…十百千) right before 丁目, 条, 線, 号,
//   地割, 町目, 番地, 番 or 階 becomes Arabic digits: 二十三丁目 → 23丁目,
//   北一条西 → 北1条西; and one ending a lot after 番地 or 番 written with a
//   number (二十七番地一 → 27番地1). Elsewhere kanji numerals stay (五十嵐,
//   九十九里).
void NormalizeText(std::string_view text, std::string& out);
// The same, and for each byte of `out` the offset in `text` of the
// character (or numeral run) it was spelled from, plus the text's size at the end:
// origins.size() == out.size() + 1. Its storage is reused too.
void NormalizeText(std::string_view text, std::string& out, std::vector<uint32_t>& origins);

// Drops every 大字 and 字 from `text` (normalised), in place: people write
// them or leave them out anywhere in a town's name ("浪岡大字高屋敷字野尻"),
// and the address file mostly leaves them out. Applied alike to the names
// of the file and to the typed text.
void DropAza(std::string& text);

// Between two kanji, writes ヶ, ケ, が, ガ and カ (ヵ) as ケ, and の and ノ as ノ, in
// place: 霞ヶ関 = 霞が関, 一の橋 = 一ノ橋; and 通り as 通 (岐山通り = 岐山通).
// Applied alike to every name the resolver compares and to the typed text.
void FoldJoiningKana(std::string& text);
// The same, keeping `origins` (as NormalizeText fills it) beside the text.
void FoldJoiningKana(std::string& text, std::vector<uint32_t>* origins);

// The form a variant kanji is folded to (澤 → 沢, 髙 → 高, U+FA10 → 塚),
// else `code`. The table is data (variant_kanji.cpp, made by
// tools/variant_kanji.py, which names its sources).
uint16_t FoldVariantKanji(uint16_t code);

// The kanji numeral's value 0-9, 10, 100 or 1000; -1 for any other code.
int KanjiNumeralValue(unsigned code);
// The katakana typed for a numeral (ニ for 二, ハ for 八): its value, else -1.
int LookalikeNumeralValue(unsigned code);

// A run of kanji numerals' values read as one number: positional when
// 十百千 appear (二十三 is 23, 百二 is 102), digit by digit otherwise (一〇 is 10).
long NumeralRunValue(const int* values, size_t count);

// The numeral run that begins at `at` of `text`: kanji numerals, and the
// katakana typed for them (ニ for 二, ハ for 八) where they begin no katakana
// word (none follows; not a run of them alone, nor its end). `bytes` 0: none there.
// A run longer than any number written before a unit is none either.
struct NumeralRun {
  long value = 0;
  size_t bytes = 0;
  bool lookalike = false;  // a katakana read as a numeral: a number only before a unit
};
NumeralRun ReadNumeralRun(std::string_view text, size_t at);

}  // namespace resolver
