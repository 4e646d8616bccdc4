// Generated from town_spellings.words by tools/cp932_words.py: edit the table, not this file.
// The spellings of a town's name that differ from Japan Post's only in ways
// people write it (town_spellings.h), read where the name as written finds no
// town. Drawn from KEN_ALL.CSV's names and the addresses written for them.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace resolver::spell {

// small and large kana, and katakana that look like kanji, as one: each
// character (first) read as its second (三ッ沢 = 三ツ沢, ニ日市 = 二日市,
// 二夕松 = 二タ松, 虻田郡ニセコ町's ニ written 二)
inline constexpr postal::Cp932Pair kLooseCharacters[] = {
    {"\x83\x62", "\x83\x63"},  // "ッ" "ツ"
    {"\x83\x83", "\x83\x84"},  // "ャ" "ヤ"
    {"\x83\x85", "\x83\x86"},  // "ュ" "ユ"
    {"\x83\x87", "\x83\x88"},  // "ョ" "ヨ"
    {"\x83\x40", "\x83\x41"},  // "ァ" "ア"
    {"\x83\x42", "\x83\x43"},  // "ィ" "イ"
    {"\x83\x44", "\x83\x45"},  // "ゥ" "ウ"
    {"\x83\x46", "\x83\x47"},  // "ェ" "エ"
    {"\x83\x48", "\x83\x49"},  // "ォ" "オ"
    {"\x82\xC1", "\x82\xC2"},  // "っ" "つ"
    {"\x82\xE1", "\x82\xE2"},  // "ゃ" "や"
    {"\x82\xE3", "\x82\xE4"},  // "ゅ" "ゆ"
    {"\x82\xE5", "\x82\xE6"},  // "ょ" "よ"
    {"\x83\x96", "\x83\x50"},  // "ヶ" "ケ"
    {"\x83\x95", "\x83\x50"},  // "ヵ" "ケ"
    {"\x83\x4A", "\x83\x50"},  // "カ" "ケ"
    {"\x82\xAA", "\x83\x50"},  // "が" "ケ"
    {"\x83\x4B", "\x83\x50"},  // "ガ" "ケ"
    {"\x97\xCD", "\x83\x50"},  // "力" "ケ"
    {"\x83\x6A", "\x93\xF1"},  // "ニ" "二"
    {"\x83\x8D", "\x8C\xFB"},  // "ロ" "口"
    {"\x83\x5E", "\x97\x5B"},  // "タ" "夕"
    {"\x83\x47", "\x8D\x48"},  // "エ" "工"
    {"\x83\x6E", "\x94\xAA"},  // "ハ" "八"
    {"\x83\x67", "\x96\x6D"},  // "ト" "卜"
    {"\x94\x56", "\x83\x6D"},  // "之" "ノ"
    {"\x82\xCC", "\x83\x6D"},  // "の" "ノ"
    {"\x81\x5A", "\x30"},  // "〇" "0"
    {"\x88\xEA", "\x31"},  // "一" "1"
    {"\x93\xF1", "\x32"},  // "二" "2"
    {"\x8E\x4F", "\x33"},  // "三" "3"
    {"\x8E\x6C", "\x34"},  // "四" "4"
    {"\x8C\xDC", "\x35"},  // "五" "5"
    {"\x98\x5A", "\x36"},  // "六" "6"
    {"\x8E\xB5", "\x37"},  // "七" "7"
    {"\x94\xAA", "\x38"},  // "八" "8"
    {"\x8B\xE3", "\x39"},  // "九" "9"
};
// a town's name that ends with a number and one of these is a numbered town
// (桔梗が丘６番町, 大門七区, 花川南一条, 五十嵐三の町): written as the lot
// ("桔梗が丘6-3-92"), the number is the town's
inline constexpr const char* kNumberedEndings[] = {
    "\x94\xD4\x92\xAC",  // "番町"
    "\x8F\xF0",  // "条"
    "\x92\x9A",  // "丁"
    "\x83\x6D\x92\xAC",  // "ノ町"
    "\x8B\xE6",  // "区"
};
// the side of a Kyoto street an address may name after its clause
// ("清和院口上る東側梶井町")
inline constexpr const char* kStreetSides[] = {
    "\x93\x8C\x91\xA4",  // "東側"
    "\x90\xBC\x91\xA4",  // "西側"
};

inline constexpr postal::Cp932Word kTownSpellingsTable[] = {
    {"kLooseCharacters", kLooseCharacters[0].first, 0},
    {"kLooseCharacters", kLooseCharacters[0].second, 1},
    {"kLooseCharacters", kLooseCharacters[1].first, 2},
    {"kLooseCharacters", kLooseCharacters[1].second, 3},
    {"kLooseCharacters", kLooseCharacters[2].first, 4},
    {"kLooseCharacters", kLooseCharacters[2].second, 5},
    {"kLooseCharacters", kLooseCharacters[3].first, 6},
    {"kLooseCharacters", kLooseCharacters[3].second, 7},
    {"kLooseCharacters", kLooseCharacters[4].first, 8},
    {"kLooseCharacters", kLooseCharacters[4].second, 9},
    {"kLooseCharacters", kLooseCharacters[5].first, 10},
    {"kLooseCharacters", kLooseCharacters[5].second, 11},
    {"kLooseCharacters", kLooseCharacters[6].first, 12},
    {"kLooseCharacters", kLooseCharacters[6].second, 13},
    {"kLooseCharacters", kLooseCharacters[7].first, 14},
    {"kLooseCharacters", kLooseCharacters[7].second, 15},
    {"kLooseCharacters", kLooseCharacters[8].first, 16},
    {"kLooseCharacters", kLooseCharacters[8].second, 17},
    {"kLooseCharacters", kLooseCharacters[9].first, 18},
    {"kLooseCharacters", kLooseCharacters[9].second, 19},
    {"kLooseCharacters", kLooseCharacters[10].first, 20},
    {"kLooseCharacters", kLooseCharacters[10].second, 21},
    {"kLooseCharacters", kLooseCharacters[11].first, 22},
    {"kLooseCharacters", kLooseCharacters[11].second, 23},
    {"kLooseCharacters", kLooseCharacters[12].first, 24},
    {"kLooseCharacters", kLooseCharacters[12].second, 25},
    {"kLooseCharacters", kLooseCharacters[13].first, 26},
    {"kLooseCharacters", kLooseCharacters[13].second, 27},
    {"kLooseCharacters", kLooseCharacters[14].first, 28},
    {"kLooseCharacters", kLooseCharacters[14].second, 29},
    {"kLooseCharacters", kLooseCharacters[15].first, 30},
    {"kLooseCharacters", kLooseCharacters[15].second, 31},
    {"kLooseCharacters", kLooseCharacters[16].first, 32},
    {"kLooseCharacters", kLooseCharacters[16].second, 33},
    {"kLooseCharacters", kLooseCharacters[17].first, 34},
    {"kLooseCharacters", kLooseCharacters[17].second, 35},
    {"kLooseCharacters", kLooseCharacters[18].first, 36},
    {"kLooseCharacters", kLooseCharacters[18].second, 37},
    {"kLooseCharacters", kLooseCharacters[19].first, 38},
    {"kLooseCharacters", kLooseCharacters[19].second, 39},
    {"kLooseCharacters", kLooseCharacters[20].first, 40},
    {"kLooseCharacters", kLooseCharacters[20].second, 41},
    {"kLooseCharacters", kLooseCharacters[21].first, 42},
    {"kLooseCharacters", kLooseCharacters[21].second, 43},
    {"kLooseCharacters", kLooseCharacters[22].first, 44},
    {"kLooseCharacters", kLooseCharacters[22].second, 45},
    {"kLooseCharacters", kLooseCharacters[23].first, 46},
    {"kLooseCharacters", kLooseCharacters[23].second, 47},
    {"kLooseCharacters", kLooseCharacters[24].first, 48},
    {"kLooseCharacters", kLooseCharacters[24].second, 49},
    {"kLooseCharacters", kLooseCharacters[25].first, 50},
    {"kLooseCharacters", kLooseCharacters[25].second, 51},
    {"kLooseCharacters", kLooseCharacters[26].first, 52},
    {"kLooseCharacters", kLooseCharacters[26].second, 53},
    {"kLooseCharacters", kLooseCharacters[27].first, 54},
    {"kLooseCharacters", kLooseCharacters[27].second, 55},
    {"kLooseCharacters", kLooseCharacters[28].first, 56},
    {"kLooseCharacters", kLooseCharacters[28].second, 57},
    {"kLooseCharacters", kLooseCharacters[29].first, 58},
    {"kLooseCharacters", kLooseCharacters[29].second, 59},
    {"kLooseCharacters", kLooseCharacters[30].first, 60},
    {"kLooseCharacters", kLooseCharacters[30].second, 61},
    {"kLooseCharacters", kLooseCharacters[31].first, 62},
    {"kLooseCharacters", kLooseCharacters[31].second, 63},
    {"kLooseCharacters", kLooseCharacters[32].first, 64},
    {"kLooseCharacters", kLooseCharacters[32].second, 65},
    {"kLooseCharacters", kLooseCharacters[33].first, 66},
    {"kLooseCharacters", kLooseCharacters[33].second, 67},
    {"kLooseCharacters", kLooseCharacters[34].first, 68},
    {"kLooseCharacters", kLooseCharacters[34].second, 69},
    {"kLooseCharacters", kLooseCharacters[35].first, 70},
    {"kLooseCharacters", kLooseCharacters[35].second, 71},
    {"kLooseCharacters", kLooseCharacters[36].first, 72},
    {"kLooseCharacters", kLooseCharacters[36].second, 73},
    {"kNumberedEndings", kNumberedEndings[0], 0},
    {"kNumberedEndings", kNumberedEndings[1], 1},
    {"kNumberedEndings", kNumberedEndings[2], 2},
    {"kNumberedEndings", kNumberedEndings[3], 3},
    {"kNumberedEndings", kNumberedEndings[4], 4},
    {"kStreetSides", kStreetSides[0], 0},
    {"kStreetSides", kStreetSides[1], 1},
};

}  // namespace resolver::spell
