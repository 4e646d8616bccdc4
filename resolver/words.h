// Generated from words.words by tools/cp932_words.py: edit the table, not this file.
// The cp932 words the resolver reads in addresses and in the town column's
// notes.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace resolver::word {

// "丁目"
inline constexpr char kChome[] = "\x92\x9A\x96\xDA";
// "町目"
inline constexpr char kMachime[] = "\x92\xAC\x96\xDA";
// "番地"
inline constexpr char kBanchi[] = "\x94\xD4\x92\x6E";
// "番"
inline constexpr char kBan[] = "\x94\xD4";
// "号"
inline constexpr char kGo[] = "\x8D\x86";
// "条"
inline constexpr char kJo[] = "\x8F\xF0";
// "線"
inline constexpr char kSen[] = "\x90\xFC";
// "地割"
inline constexpr char kChiwari[] = "\x92\x6E\x8A\x84";
// the 第 of a normalized 第23地割
// "第"
inline constexpr char kDaiText[] = "\x91\xE6";
// "大字"
inline constexpr char kOaza[] = "\x91\xE5\x8E\x9A";
// "字"
inline constexpr char kAza[] = "\x8E\x9A";
// "地下"
inline constexpr char kChika[] = "\x92\x6E\x89\xBA";
// "地階"
inline constexpr char kChikai[] = "\x92\x6E\x8A\x4B";
// "階"
inline constexpr char kKai[] = "\x8A\x4B";
// "上る"
inline constexpr char kUp[] = "\x8F\xE3\x82\xE9";
// "上ル"
inline constexpr char kUpKana[] = "\x8F\xE3\x83\x8B";
// "下る"
inline constexpr char kDown[] = "\x89\xBA\x82\xE9";
// "下ル"
inline constexpr char kDownKana[] = "\x89\xBA\x83\x8B";
// "東入"
inline constexpr char kEastIn[] = "\x93\x8C\x93\xFC";
// "西入"
inline constexpr char kWestIn[] = "\x90\xBC\x93\xFC";
// "ル"
inline constexpr char kRu[] = "\x83\x8B";
// the municipality's code for an unlisted town
// "以下に掲載がない場合"
inline constexpr char kNotListed[] = "\x88\xC8\x89\xBA\x82\xC9\x8C\x66\x8D\xDA\x82\xAA\x82\xC8\x82\xA2\x8F\xEA\x8D\x87";
// "○○の次に番地がくる場合"
// "の次に"
inline constexpr char kNextTo[] = "\x82\xCC\x8E\x9F\x82\xC9";
// "がくる場合"
inline constexpr char kComes[] = "\x82\xAA\x82\xAD\x82\xE9\x8F\xEA\x8D\x87";
// "一円"
inline constexpr char kWhole[] = "\x88\xEA\x89\x7E";
// "その他"
inline constexpr char kOther[] = "\x82\xBB\x82\xCC\x91\xBC";
// "全域"
inline constexpr char kAllArea[] = "\x91\x53\x88\xE6";
// "次のビルを除く"
inline constexpr char kExceptBuildings[] = "\x8E\x9F\x82\xCC\x83\x72\x83\x8B\x82\xF0\x8F\x9C\x82\xAD";
// "地階・階層不明"
inline constexpr char kBasementOrUnknown[] = "\x92\x6E\x8A\x4B\x81\x45\x8A\x4B\x91\x77\x95\x73\x96\xBE";
// "を除く"
inline constexpr char kExcept[] = "\x82\xF0\x8F\x9C\x82\xAD";
// "以外"
inline constexpr char kOutside[] = "\x88\xC8\x8A\x4F";
// "を含む"
inline constexpr char kIncluding[] = "\x82\xF0\x8A\xDC\x82\xDE";
// "及び"
inline constexpr char kAndAlso[] = "\x8B\x79\x82\xD1";
// "以上"
inline constexpr char kAtLeast[] = "\x88\xC8\x8F\xE3";
// "以下"
inline constexpr char kAtMost[] = "\x88\xC8\x89\xBA";
// "以降"
inline constexpr char kFrom[] = "\x88\xC8\x8D\x7E";
// "以内"
inline constexpr char kWithin[] = "\x88\xC8\x93\xE0";
// "番地のみ"
inline constexpr char kOnlyBanchi[] = "\x94\xD4\x92\x6E\x82\xCC\x82\xDD";
// the close of a town's note
// "）"
inline constexpr char kCloseParen[] = "\x81\x6A";
// marks of a range in a note: an item holding one is never a place name
// "「"
inline constexpr char kQuoteOpen[] = "\x81\x75";
// "～"
inline constexpr char kWave[] = "\x81\x60";
// how a code written in a list agrees with the answer
// "一致"
inline constexpr char kAgrees[] = "\x88\xEA\x92\x76";
// "候補内"
inline constexpr char kAmongCandidates[] = "\x8C\xF3\x95\xE2\x93\xE0";
// "不一致"
inline constexpr char kDisagrees[] = "\x95\x73\x88\xEA\x92\x76";
// "事業所"
inline constexpr char kAgreesOffice[] = "\x8E\x96\x8B\xC6\x8F\x8A";
// "判定不能"
inline constexpr char kUndecidable[] = "\x94\xBB\x92\xE8\x95\x73\x94\x5C";
// the full-width blank as text
// "　"
inline constexpr char kFullBlankText[] = "\x81\x40";
// the address parts' words: 3丁 where the town writes 丁, 8部3-1 whose first
// number is read as a 地割's, and 番町 before a lot, a place
// "丁"
inline constexpr char kCho[] = "\x92\x9A";
// "部"
inline constexpr char kBu[] = "\x95\x94";
// "番町"
inline constexpr char kBancho[] = "\x94\xD4\x92\xAC";
// words that begin with a unit but are parts of a name: the number before
// them is the building's (十五番館, 5号棟), not the lot's; or before the lot,
// a place's (上大川前通8番町1251-1)
inline constexpr const char* kNameWords[] = {
    "\x94\xD4\x8A\xD9",  // "番館"
    "\x8D\x86\x8A\xD9",  // "号館"
    "\x8D\x86\x93\x8F",  // "号棟"
    "\x8D\x86\x8E\xBA",  // "号室"
    "\x94\xD4\x92\xAC",  // "番町"
};
// the address parts' column names, in their order
inline constexpr const char* kSplitPartNames[] = {
    "\x93\x73\x93\xB9\x95\x7B\x8C\xA7",  // "都道府県"
    "\x8E\x73\x8B\xE6\x92\xAC\x91\xBA",  // "市区町村"
    "\x92\xAC\x88\xE6",  // "町域"
    "\x8E\x9A",  // "字"
    "\x92\x9A\x96\xDA",  // "丁目"
    "\x94\xD4\x92\x6E",  // "番地"
    "\x8C\x9A\x95\xA8",  // "建物"
};
// a town's final word an address may leave out, and where: 町 everywhere, 郷 in 長崎県
// "町"
inline constexpr char kMachi[] = "\x92\xAC";
// "郷"
inline constexpr char kGoEnding[] = "\x8B\xBD";
// "長崎県"
inline constexpr char kNagasaki[] = "\x92\xB7\x8D\xE8\x8C\xA7";
// a building's ビル and the ディング of ビルディング
// "ビル"
inline constexpr char kBiru[] = "\x83\x72\x83\x8B";
// "ディング"
inline constexpr char kDingu[] = "\x83\x66\x83\x42\x83\x93\x83\x4F";

inline constexpr postal::Cp932Word kWordsTable[] = {
    {"kChome", kChome, -1},
    {"kMachime", kMachime, -1},
    {"kBanchi", kBanchi, -1},
    {"kBan", kBan, -1},
    {"kGo", kGo, -1},
    {"kJo", kJo, -1},
    {"kSen", kSen, -1},
    {"kChiwari", kChiwari, -1},
    {"kDaiText", kDaiText, -1},
    {"kOaza", kOaza, -1},
    {"kAza", kAza, -1},
    {"kChika", kChika, -1},
    {"kChikai", kChikai, -1},
    {"kKai", kKai, -1},
    {"kUp", kUp, -1},
    {"kUpKana", kUpKana, -1},
    {"kDown", kDown, -1},
    {"kDownKana", kDownKana, -1},
    {"kEastIn", kEastIn, -1},
    {"kWestIn", kWestIn, -1},
    {"kRu", kRu, -1},
    {"kNotListed", kNotListed, -1},
    {"kNextTo", kNextTo, -1},
    {"kComes", kComes, -1},
    {"kWhole", kWhole, -1},
    {"kOther", kOther, -1},
    {"kAllArea", kAllArea, -1},
    {"kExceptBuildings", kExceptBuildings, -1},
    {"kBasementOrUnknown", kBasementOrUnknown, -1},
    {"kExcept", kExcept, -1},
    {"kOutside", kOutside, -1},
    {"kIncluding", kIncluding, -1},
    {"kAndAlso", kAndAlso, -1},
    {"kAtLeast", kAtLeast, -1},
    {"kAtMost", kAtMost, -1},
    {"kFrom", kFrom, -1},
    {"kWithin", kWithin, -1},
    {"kOnlyBanchi", kOnlyBanchi, -1},
    {"kCloseParen", kCloseParen, -1},
    {"kQuoteOpen", kQuoteOpen, -1},
    {"kWave", kWave, -1},
    {"kAgrees", kAgrees, -1},
    {"kAmongCandidates", kAmongCandidates, -1},
    {"kDisagrees", kDisagrees, -1},
    {"kAgreesOffice", kAgreesOffice, -1},
    {"kUndecidable", kUndecidable, -1},
    {"kFullBlankText", kFullBlankText, -1},
    {"kCho", kCho, -1},
    {"kBu", kBu, -1},
    {"kBancho", kBancho, -1},
    {"kNameWords", kNameWords[0], 0},
    {"kNameWords", kNameWords[1], 1},
    {"kNameWords", kNameWords[2], 2},
    {"kNameWords", kNameWords[3], 3},
    {"kNameWords", kNameWords[4], 4},
    {"kSplitPartNames", kSplitPartNames[0], 0},
    {"kSplitPartNames", kSplitPartNames[1], 1},
    {"kSplitPartNames", kSplitPartNames[2], 2},
    {"kSplitPartNames", kSplitPartNames[3], 3},
    {"kSplitPartNames", kSplitPartNames[4], 4},
    {"kSplitPartNames", kSplitPartNames[5], 5},
    {"kSplitPartNames", kSplitPartNames[6], 6},
    {"kMachi", kMachi, -1},
    {"kGoEnding", kGoEnding, -1},
    {"kNagasaki", kNagasaki, -1},
    {"kBiru", kBiru, -1},
    {"kDingu", kDingu, -1},
};

}  // namespace resolver::word
