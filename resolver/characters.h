// Generated from characters.words by tools/cp932_words.py: edit the table, not this file.
// The cp932 characters the resolver reads in addresses and in the town
// column's notes, as their codes.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace resolver::ch {

constexpr uint16_t kComma = 0x8141;  // "、"
// the full-width comma, dropped between a lot and its building like 、
constexpr uint16_t kFullComma = 0x8143;  // "，"
constexpr uint16_t kDot = 0x8145;  // "・"
constexpr uint16_t kLong = 0x815B;  // "ー"
constexpr uint16_t kBar = 0x815C;  // "―"
constexpr uint16_t kHyphen = 0x815D;  // "‐"
constexpr uint16_t kWave = 0x8160;  // "～"
constexpr uint16_t kOpen = 0x8169;  // "（"
constexpr uint16_t kClose = 0x816A;  // "）"
constexpr uint16_t kSquareOpen = 0x816B;  // "〔"
constexpr uint16_t kSquareClose = 0x816C;  // "〕"
constexpr uint16_t kQuoteOpen = 0x8175;  // "「"
constexpr uint16_t kQuoteClose = 0x8176;  // "」"
// also read for −, which cp932 writes the same way
constexpr uint16_t kMinus = 0x817C;  // "－"
constexpr uint16_t kUpperA = 0x8260;  // "Ａ"
constexpr uint16_t kUpperZ = 0x8279;  // "Ｚ"
constexpr uint16_t kLowerA = 0x8281;  // "ａ"
constexpr uint16_t kLowerZ = 0x829A;  // "ｚ"
constexpr uint16_t kNo = 0x82CC;  // "の"
// the hiragana, ぁ..ん
// the katakana, ァ..ヶ (kSmallKe); cp932 has no code between ミ and ム (no
// 0x7F trail), so a reading by code steps over it
constexpr uint16_t kMiKana = 0x837E;  // "ミ"
constexpr uint16_t kMuKana = 0x8380;  // "ム"
constexpr uint16_t kKa = 0x834A;  // "カ"
// katakana that look like the numerals 二 and 八, typed for them before a
// unit ("尾倉ニ丁目")
constexpr uint16_t kNiKana = 0x836A;  // "ニ"
constexpr uint16_t kHaKana = 0x836E;  // "ハ"
constexpr uint16_t kNoKana = 0x836D;  // "ノ"
// read as ケ between kanji, as ヵ and カ are
constexpr uint16_t kGa = 0x82AA;  // "が"
constexpr uint16_t kGaKana = 0x834B;  // "ガ"
constexpr uint16_t kKe = 0x8350;  // "ケ"
constexpr uint16_t kSmallKa = 0x8395;  // "ヵ"
constexpr uint16_t kSmallKe = 0x8396;  // "ヶ"
constexpr uint16_t kDai = 0x91E6;  // "第"
constexpr uint16_t kGun = 0x8C53;  // "郡"
// Japan Post writes an island before its municipality (三宅島三宅村,
// 八丈島八丈町); the municipalities themselves do not
constexpr uint16_t kIsland = 0x9387;  // "島"
constexpr uint16_t kMura = 0x91BA;  // "村"
constexpr uint16_t kMachiChar = 0x92AC;  // "町"
constexpr uint16_t kShi = 0x8E73;  // "市"
constexpr uint16_t kKu = 0x8BE6;  // "区"
constexpr uint16_t kKai = 0x8A4B;  // "階"
constexpr uint16_t kJo = 0x8FF0;  // "条"
constexpr uint16_t kSen = 0x90FC;  // "線"
constexpr uint16_t kGo = 0x8D86;  // "号"
constexpr uint16_t kBan = 0x94D4;  // "番"
constexpr uint16_t kChi = 0x926E;  // "地"
constexpr uint16_t kMe = 0x96DA;  // "目"
constexpr uint16_t kShita = 0x89BA;  // "下"
// a Kyoto street clause's marks, which CanonicalStreet evens out
constexpr uint16_t kUe = 0x8FE3;  // "上"
constexpr uint16_t kIri = 0x93FC;  // "入"
constexpr uint16_t kTsu = 0x92CA;  // "通"
constexpr uint16_t kRiKana = 0x82E8;  // "り"
constexpr uint16_t kRuKana = 0x838B;  // "ル"
constexpr uint16_t kRuHiragana = 0x82E9;  // "る"
constexpr uint16_t kShitsu = 0x8EBA;  // "室"
constexpr uint16_t kEast = 0x938C;  // "東"
constexpr uint16_t kWest = 0x90BC;  // "西"
constexpr uint16_t kSouth = 0x93EC;  // "南"
constexpr uint16_t kNorth = 0x966B;  // "北"
constexpr uint16_t kRepeat = 0x8158;  // "々"
// the first and last kanji of JIS levels 1 and 2, and of IBM's extension
// (its ⅰ…∵ come before 纊)
constexpr uint16_t kLevel1First = 0x889F;  // "亜"
constexpr uint16_t kLevel1Last = 0x9FFC;  // "滌"
constexpr uint16_t kLevel2First = 0xE040;  // "漾"
constexpr uint16_t kLevel2Last = 0xEAA4;  // "熙"
constexpr uint16_t kIbmKanjiFirst = 0xFA5C;  // "纊"
constexpr uint16_t kIbmKanjiLast = 0xFC4B;  // "黑"
// the kanji numerals, 〇 to 九 then 十 百 千 (normalize.cpp holds their values
// in this order)
inline constexpr uint16_t kNumerals[] = {
    0x815A, 0x88EA, 0x93F1, 0x8E4F, 0x8E6C, 0x8CDC, 0x985A, 0x8EB5, 0x94AA, 0x8BE3, 0x8F5C, 0x9553,  // "〇" "一" "二" "三" "四" "五" "六" "七" "八" "九" "十" "百"
    0x90E7,  // "千"
};

inline constexpr postal::Cp932Word kCharactersTable[] = {
    {"kComma", "\x81\x41", -1},
    {"kFullComma", "\x81\x43", -1},
    {"kDot", "\x81\x45", -1},
    {"kLong", "\x81\x5B", -1},
    {"kBar", "\x81\x5C", -1},
    {"kHyphen", "\x81\x5D", -1},
    {"kWave", "\x81\x60", -1},
    {"kOpen", "\x81\x69", -1},
    {"kClose", "\x81\x6A", -1},
    {"kSquareOpen", "\x81\x6B", -1},
    {"kSquareClose", "\x81\x6C", -1},
    {"kQuoteOpen", "\x81\x75", -1},
    {"kQuoteClose", "\x81\x76", -1},
    {"kMinus", "\x81\x7C", -1},
    {"kUpperA", "\x82\x60", -1},
    {"kUpperZ", "\x82\x79", -1},
    {"kLowerA", "\x82\x81", -1},
    {"kLowerZ", "\x82\x9A", -1},
    {"kNo", "\x82\xCC", -1},
    {"kMiKana", "\x83\x7E", -1},
    {"kMuKana", "\x83\x80", -1},
    {"kKa", "\x83\x4A", -1},
    {"kNiKana", "\x83\x6A", -1},
    {"kHaKana", "\x83\x6E", -1},
    {"kNoKana", "\x83\x6D", -1},
    {"kGa", "\x82\xAA", -1},
    {"kGaKana", "\x83\x4B", -1},
    {"kKe", "\x83\x50", -1},
    {"kSmallKa", "\x83\x95", -1},
    {"kSmallKe", "\x83\x96", -1},
    {"kDai", "\x91\xE6", -1},
    {"kGun", "\x8C\x53", -1},
    {"kIsland", "\x93\x87", -1},
    {"kMura", "\x91\xBA", -1},
    {"kMachiChar", "\x92\xAC", -1},
    {"kShi", "\x8E\x73", -1},
    {"kKu", "\x8B\xE6", -1},
    {"kKai", "\x8A\x4B", -1},
    {"kJo", "\x8F\xF0", -1},
    {"kSen", "\x90\xFC", -1},
    {"kGo", "\x8D\x86", -1},
    {"kBan", "\x94\xD4", -1},
    {"kChi", "\x92\x6E", -1},
    {"kMe", "\x96\xDA", -1},
    {"kShita", "\x89\xBA", -1},
    {"kUe", "\x8F\xE3", -1},
    {"kIri", "\x93\xFC", -1},
    {"kTsu", "\x92\xCA", -1},
    {"kRiKana", "\x82\xE8", -1},
    {"kRuKana", "\x83\x8B", -1},
    {"kRuHiragana", "\x82\xE9", -1},
    {"kShitsu", "\x8E\xBA", -1},
    {"kEast", "\x93\x8C", -1},
    {"kWest", "\x90\xBC", -1},
    {"kSouth", "\x93\xEC", -1},
    {"kNorth", "\x96\x6B", -1},
    {"kRepeat", "\x81\x58", -1},
    {"kLevel1First", "\x88\x9F", -1},
    {"kLevel1Last", "\x9F\xFC", -1},
    {"kLevel2First", "\xE0\x40", -1},
    {"kLevel2Last", "\xEA\xA4", -1},
    {"kIbmKanjiFirst", "\xFA\x5C", -1},
    {"kIbmKanjiLast", "\xFC\x4B", -1},
    {"kNumerals", "\x81\x5A", 0},
    {"kNumerals", "\x88\xEA", 1},
    {"kNumerals", "\x93\xF1", 2},
    {"kNumerals", "\x8E\x4F", 3},
    {"kNumerals", "\x8E\x6C", 4},
    {"kNumerals", "\x8C\xDC", 5},
    {"kNumerals", "\x98\x5A", 6},
    {"kNumerals", "\x8E\xB5", 7},
    {"kNumerals", "\x94\xAA", 8},
    {"kNumerals", "\x8B\xE3", 9},
    {"kNumerals", "\x8F\x5C", 10},
    {"kNumerals", "\x95\x53", 11},
    {"kNumerals", "\x90\xE7", 12},
};

}  // namespace resolver::ch
