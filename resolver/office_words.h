// Generated from office_words.words by tools/cp932_words.py: edit the table, not this file.
// The words the office names are read by.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace resolver {

// The legal forms of Japanese corporations as their laws name them (会社法,
// 一般社団・財団法人法, 私立学校法, 医療法, 社会福祉法, 特定非営利活動促進法…),
// with the abbreviations JIGYOSYO.CSV and letterheads use for them.
inline constexpr const char* kLegalForms[] = {
    "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0",  // "株式会社"
    "\x97\x4C\x8C\xC0\x89\xEF\x8E\xD0",  // "有限会社"
    "\x8D\x87\x93\xAF\x89\xEF\x8E\xD0",  // "合同会社"
    "\x8D\x87\x8E\x91\x89\xEF\x8E\xD0",  // "合資会社"
    "\x8D\x87\x96\xBC\x89\xEF\x8E\xD0",  // "合名会社"
    "\x91\x8A\x8C\xDD\x89\xEF\x8E\xD0",  // "相互会社"
    "\x88\xEA\x94\xCA\x8E\xD0\x92\x63\x96\x40\x90\x6C",  // "一般社団法人"
    "\x88\xEA\x94\xCA\x8D\xE0\x92\x63\x96\x40\x90\x6C",  // "一般財団法人"
    "\x8C\xF6\x89\x76\x8E\xD0\x92\x63\x96\x40\x90\x6C",  // "公益社団法人"
    "\x8C\xF6\x89\x76\x8D\xE0\x92\x63\x96\x40\x90\x6C",  // "公益財団法人"
    "\x8E\xD0\x92\x63\x96\x40\x90\x6C",  // "社団法人"
    "\x8D\xE0\x92\x63\x96\x40\x90\x6C",  // "財団法人"
    "\x8A\x77\x8D\x5A\x96\x40\x90\x6C",  // "学校法人"
    "\x8D\x91\x97\xA7\x91\xE5\x8A\x77\x96\x40\x90\x6C",  // "国立大学法人"
    "\x8C\xF6\x97\xA7\x91\xE5\x8A\x77\x96\x40\x90\x6C",  // "公立大学法人"
    "\x91\xE5\x8A\x77\x8B\xA4\x93\xAF\x97\x98\x97\x70\x8B\x40\x8A\xD6\x96\x40\x90\x6C",  // "大学共同利用機関法人"
    "\x92\x6E\x95\xFB\x93\xC6\x97\xA7\x8D\x73\x90\xAD\x96\x40\x90\x6C",  // "地方独立行政法人"
    "\x93\xC6\x97\xA7\x8D\x73\x90\xAD\x96\x40\x90\x6C",  // "独立行政法人"
    "\x8D\x91\x97\xA7\x8C\xA4\x8B\x86\x8A\x4A\x94\xAD\x96\x40\x90\x6C",  // "国立研究開発法人"
    "\x88\xE3\x97\xC3\x96\x40\x90\x6C\x8E\xD0\x92\x63",  // "医療法人社団"
    "\x88\xE3\x97\xC3\x96\x40\x90\x6C\x8D\xE0\x92\x63",  // "医療法人財団"
    "\x8E\xD0\x89\xEF\x88\xE3\x97\xC3\x96\x40\x90\x6C",  // "社会医療法人"
    "\x88\xE3\x97\xC3\x96\x40\x90\x6C",  // "医療法人"
    "\x8E\xD0\x89\xEF\x95\x9F\x8E\x83\x96\x40\x90\x6C",  // "社会福祉法人"
    "\x93\xC1\x92\xE8\x94\xF1\x89\x63\x97\x98\x8A\x88\x93\xAE\x96\x40\x90\x6C",  // "特定非営利活動法人"
    "\x82\x6D\x82\x6F\x82\x6E\x96\x40\x90\x6C",  // "ＮＰＯ法人"
    "\x8F\x40\x8B\xB3\x96\x40\x90\x6C",  // "宗教法人"
    "\x8D\x58\x90\xB6\x95\xDB\x8C\xEC\x96\x40\x90\x6C",  // "更生保護法人"
    "\x95\xD9\x8C\xEC\x8E\x6D\x96\x40\x90\x6C",  // "弁護士法人"
    "\x90\xC5\x97\x9D\x8E\x6D\x96\x40\x90\x6C",  // "税理士法人"
    "\x8E\x69\x96\x40\x8F\x91\x8E\x6D\x96\x40\x90\x6C",  // "司法書士法人"
    "\x8D\x73\x90\xAD\x8F\x91\x8E\x6D\x96\x40\x90\x6C",  // "行政書士法人"
    "\x8A\xC4\x8D\xB8\x96\x40\x90\x6C",  // "監査法人"
    "\x81\x69\x8A\x94\x81\x6A",  // "（株）"
    "\x81\x69\x97\x4C\x81\x6A",  // "（有）"
    "\x81\x69\x8D\x87\x81\x6A",  // "（合）"
    "\x81\x69\x8E\x91\x81\x6A",  // "（資）"
    "\x81\x69\x96\xBC\x81\x6A",  // "（名）"
    "\x81\x69\x8E\xD0\x81\x6A",  // "（社）"
    "\x81\x69\x8D\xE0\x81\x6A",  // "（財）"
    "\x81\x69\x8A\x77\x81\x6A",  // "（学）"
    "\x81\x69\x88\xE3\x81\x6A",  // "（医）"
    "\x81\x69\x95\x9F\x81\x6A",  // "（福）"
    "\x81\x69\x93\xC6\x81\x6A",  // "（独）"
    "\x81\x69\x88\xEA\x8E\xD0\x81\x6A",  // "（一社）"
    "\x81\x69\x88\xEA\x8D\xE0\x81\x6A",  // "（一財）"
    "\x81\x69\x8C\xF6\x8E\xD0\x81\x6A",  // "（公社）"
    "\x81\x69\x8C\xF6\x8D\xE0\x81\x6A",  // "（公財）"
    "\x81\x69\x93\xC1\x94\xF1\x81\x6A",  // "（特非）"
    "\x87\x8A",  // "㈱"
    "\x87\x8B",  // "㈲"
};
// The words that name an organisation's main seat after its name: written
// or left out alike on letters to it.
inline constexpr const char* kBranchWords[] = {
    "\x96\x7B\x95\x94",  // "本部"
    "\x96\x7B\x8E\xD0",  // "本社"
    "\x96\x7B\x93\x58",  // "本店"
    "\x96\x7B\x8D\x5A",  // "本校"
    "\x96\x7B\x89\x40",  // "本院"
    "\x96\x7B\x92\xA1\x8E\xC9",  // "本庁舎"
    "\x96\x7B\x92\xA1",  // "本庁"
    "\x96\x7B\x8A\xD9",  // "本館"
    "\x96\x7B\x83\x4C\x83\x83\x83\x93\x83\x70\x83\x58",  // "本キャンパス"
};
// Listed building names made only of these words (beside the town's name)
// name no building of their own.
inline constexpr const char* kCommonBuildingWords[] = {
    "\x83\x72\x83\x8B\x83\x66\x83\x42\x83\x93\x83\x4F",  // "ビルディング"
    "\x83\x5E\x83\x8F\x81\x5B\x83\x59",  // "タワーズ"
    "\x83\x5E\x83\x8F\x81\x5B",  // "タワー"
    "\x83\x5A\x83\x93\x83\x5E\x81\x5B",  // "センター"
    "\x83\x72\x83\x8B",  // "ビル"
    "\x90\x58",  // "森"
    "\x96\x7B\x8A\xD9",  // "本館"
    "\x95\xCA\x8A\xD9",  // "別館"
    "\x90\x56\x8A\xD9",  // "新館"
    "\x8A\xD9",  // "館"
    "\x93\x8F",  // "棟"
};
// The short forms of kLegalForms that letterheads and lists write, each with
// the legal form it stands for (the abbreviations used in company registers
// and bank transfer names): a name written with either is one name.
inline constexpr postal::Cp932Pair kLegalFormShortForms[] = {
    {"\x81\x69\x8A\x94\x81\x6A", "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0"},  // "（株）" "株式会社"
    {"\x87\x8A", "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0"},  // "㈱" "株式会社"
    {"\x81\x69\x97\x4C\x81\x6A", "\x97\x4C\x8C\xC0\x89\xEF\x8E\xD0"},  // "（有）" "有限会社"
    {"\x87\x8B", "\x97\x4C\x8C\xC0\x89\xEF\x8E\xD0"},  // "㈲" "有限会社"
    {"\x81\x69\x8D\x87\x81\x6A", "\x8D\x87\x93\xAF\x89\xEF\x8E\xD0"},  // "（合）" "合同会社"
    {"\x81\x69\x8E\x91\x81\x6A", "\x8D\x87\x8E\x91\x89\xEF\x8E\xD0"},  // "（資）" "合資会社"
    {"\x81\x69\x96\xBC\x81\x6A", "\x8D\x87\x96\xBC\x89\xEF\x8E\xD0"},  // "（名）" "合名会社"
    {"\x81\x69\x8E\xD0\x81\x6A", "\x8E\xD0\x92\x63\x96\x40\x90\x6C"},  // "（社）" "社団法人"
    {"\x81\x69\x8D\xE0\x81\x6A", "\x8D\xE0\x92\x63\x96\x40\x90\x6C"},  // "（財）" "財団法人"
    {"\x81\x69\x8A\x77\x81\x6A", "\x8A\x77\x8D\x5A\x96\x40\x90\x6C"},  // "（学）" "学校法人"
    {"\x81\x69\x88\xE3\x81\x6A", "\x88\xE3\x97\xC3\x96\x40\x90\x6C"},  // "（医）" "医療法人"
    {"\x81\x69\x95\x9F\x81\x6A", "\x8E\xD0\x89\xEF\x95\x9F\x8E\x83\x96\x40\x90\x6C"},  // "（福）" "社会福祉法人"
    {"\x81\x69\x93\xC6\x81\x6A", "\x93\xC6\x97\xA7\x8D\x73\x90\xAD\x96\x40\x90\x6C"},  // "（独）" "独立行政法人"
    {"\x81\x69\x88\xEA\x8E\xD0\x81\x6A", "\x88\xEA\x94\xCA\x8E\xD0\x92\x63\x96\x40\x90\x6C"},  // "（一社）" "一般社団法人"
    {"\x81\x69\x88\xEA\x8D\xE0\x81\x6A", "\x88\xEA\x94\xCA\x8D\xE0\x92\x63\x96\x40\x90\x6C"},  // "（一財）" "一般財団法人"
    {"\x81\x69\x8C\xF6\x8E\xD0\x81\x6A", "\x8C\xF6\x89\x76\x8E\xD0\x92\x63\x96\x40\x90\x6C"},  // "（公社）" "公益社団法人"
    {"\x81\x69\x8C\xF6\x8D\xE0\x81\x6A", "\x8C\xF6\x89\x76\x8D\xE0\x92\x63\x96\x40\x90\x6C"},  // "（公財）" "公益財団法人"
    {"\x81\x69\x93\xC1\x94\xF1\x81\x6A", "\x93\xC1\x92\xE8\x94\xF1\x89\x63\x97\x98\x8A\x88\x93\xAE\x96\x40\x90\x6C"},  // "（特非）" "特定非営利活動法人"
    {"\x82\x6D\x82\x6F\x82\x6E\x96\x40\x90\x6C", "\x93\xC1\x92\xE8\x94\xF1\x89\x63\x97\x98\x8A\x88\x93\xAE\x96\x40\x90\x6C"},  // "ＮＰＯ法人" "特定非営利活動法人"
};

inline constexpr postal::Cp932Word kOfficeWordsTable[] = {
    {"kLegalForms", kLegalForms[0], 0},
    {"kLegalForms", kLegalForms[1], 1},
    {"kLegalForms", kLegalForms[2], 2},
    {"kLegalForms", kLegalForms[3], 3},
    {"kLegalForms", kLegalForms[4], 4},
    {"kLegalForms", kLegalForms[5], 5},
    {"kLegalForms", kLegalForms[6], 6},
    {"kLegalForms", kLegalForms[7], 7},
    {"kLegalForms", kLegalForms[8], 8},
    {"kLegalForms", kLegalForms[9], 9},
    {"kLegalForms", kLegalForms[10], 10},
    {"kLegalForms", kLegalForms[11], 11},
    {"kLegalForms", kLegalForms[12], 12},
    {"kLegalForms", kLegalForms[13], 13},
    {"kLegalForms", kLegalForms[14], 14},
    {"kLegalForms", kLegalForms[15], 15},
    {"kLegalForms", kLegalForms[16], 16},
    {"kLegalForms", kLegalForms[17], 17},
    {"kLegalForms", kLegalForms[18], 18},
    {"kLegalForms", kLegalForms[19], 19},
    {"kLegalForms", kLegalForms[20], 20},
    {"kLegalForms", kLegalForms[21], 21},
    {"kLegalForms", kLegalForms[22], 22},
    {"kLegalForms", kLegalForms[23], 23},
    {"kLegalForms", kLegalForms[24], 24},
    {"kLegalForms", kLegalForms[25], 25},
    {"kLegalForms", kLegalForms[26], 26},
    {"kLegalForms", kLegalForms[27], 27},
    {"kLegalForms", kLegalForms[28], 28},
    {"kLegalForms", kLegalForms[29], 29},
    {"kLegalForms", kLegalForms[30], 30},
    {"kLegalForms", kLegalForms[31], 31},
    {"kLegalForms", kLegalForms[32], 32},
    {"kLegalForms", kLegalForms[33], 33},
    {"kLegalForms", kLegalForms[34], 34},
    {"kLegalForms", kLegalForms[35], 35},
    {"kLegalForms", kLegalForms[36], 36},
    {"kLegalForms", kLegalForms[37], 37},
    {"kLegalForms", kLegalForms[38], 38},
    {"kLegalForms", kLegalForms[39], 39},
    {"kLegalForms", kLegalForms[40], 40},
    {"kLegalForms", kLegalForms[41], 41},
    {"kLegalForms", kLegalForms[42], 42},
    {"kLegalForms", kLegalForms[43], 43},
    {"kLegalForms", kLegalForms[44], 44},
    {"kLegalForms", kLegalForms[45], 45},
    {"kLegalForms", kLegalForms[46], 46},
    {"kLegalForms", kLegalForms[47], 47},
    {"kLegalForms", kLegalForms[48], 48},
    {"kLegalForms", kLegalForms[49], 49},
    {"kLegalForms", kLegalForms[50], 50},
    {"kBranchWords", kBranchWords[0], 0},
    {"kBranchWords", kBranchWords[1], 1},
    {"kBranchWords", kBranchWords[2], 2},
    {"kBranchWords", kBranchWords[3], 3},
    {"kBranchWords", kBranchWords[4], 4},
    {"kBranchWords", kBranchWords[5], 5},
    {"kBranchWords", kBranchWords[6], 6},
    {"kBranchWords", kBranchWords[7], 7},
    {"kBranchWords", kBranchWords[8], 8},
    {"kCommonBuildingWords", kCommonBuildingWords[0], 0},
    {"kCommonBuildingWords", kCommonBuildingWords[1], 1},
    {"kCommonBuildingWords", kCommonBuildingWords[2], 2},
    {"kCommonBuildingWords", kCommonBuildingWords[3], 3},
    {"kCommonBuildingWords", kCommonBuildingWords[4], 4},
    {"kCommonBuildingWords", kCommonBuildingWords[5], 5},
    {"kCommonBuildingWords", kCommonBuildingWords[6], 6},
    {"kCommonBuildingWords", kCommonBuildingWords[7], 7},
    {"kCommonBuildingWords", kCommonBuildingWords[8], 8},
    {"kCommonBuildingWords", kCommonBuildingWords[9], 9},
    {"kCommonBuildingWords", kCommonBuildingWords[10], 10},
    {"kLegalFormShortForms", kLegalFormShortForms[0].first, 0},
    {"kLegalFormShortForms", kLegalFormShortForms[0].second, 1},
    {"kLegalFormShortForms", kLegalFormShortForms[1].first, 2},
    {"kLegalFormShortForms", kLegalFormShortForms[1].second, 3},
    {"kLegalFormShortForms", kLegalFormShortForms[2].first, 4},
    {"kLegalFormShortForms", kLegalFormShortForms[2].second, 5},
    {"kLegalFormShortForms", kLegalFormShortForms[3].first, 6},
    {"kLegalFormShortForms", kLegalFormShortForms[3].second, 7},
    {"kLegalFormShortForms", kLegalFormShortForms[4].first, 8},
    {"kLegalFormShortForms", kLegalFormShortForms[4].second, 9},
    {"kLegalFormShortForms", kLegalFormShortForms[5].first, 10},
    {"kLegalFormShortForms", kLegalFormShortForms[5].second, 11},
    {"kLegalFormShortForms", kLegalFormShortForms[6].first, 12},
    {"kLegalFormShortForms", kLegalFormShortForms[6].second, 13},
    {"kLegalFormShortForms", kLegalFormShortForms[7].first, 14},
    {"kLegalFormShortForms", kLegalFormShortForms[7].second, 15},
    {"kLegalFormShortForms", kLegalFormShortForms[8].first, 16},
    {"kLegalFormShortForms", kLegalFormShortForms[8].second, 17},
    {"kLegalFormShortForms", kLegalFormShortForms[9].first, 18},
    {"kLegalFormShortForms", kLegalFormShortForms[9].second, 19},
    {"kLegalFormShortForms", kLegalFormShortForms[10].first, 20},
    {"kLegalFormShortForms", kLegalFormShortForms[10].second, 21},
    {"kLegalFormShortForms", kLegalFormShortForms[11].first, 22},
    {"kLegalFormShortForms", kLegalFormShortForms[11].second, 23},
    {"kLegalFormShortForms", kLegalFormShortForms[12].first, 24},
    {"kLegalFormShortForms", kLegalFormShortForms[12].second, 25},
    {"kLegalFormShortForms", kLegalFormShortForms[13].first, 26},
    {"kLegalFormShortForms", kLegalFormShortForms[13].second, 27},
    {"kLegalFormShortForms", kLegalFormShortForms[14].first, 28},
    {"kLegalFormShortForms", kLegalFormShortForms[14].second, 29},
    {"kLegalFormShortForms", kLegalFormShortForms[15].first, 30},
    {"kLegalFormShortForms", kLegalFormShortForms[15].second, 31},
    {"kLegalFormShortForms", kLegalFormShortForms[16].first, 32},
    {"kLegalFormShortForms", kLegalFormShortForms[16].second, 33},
    {"kLegalFormShortForms", kLegalFormShortForms[17].first, 34},
    {"kLegalFormShortForms", kLegalFormShortForms[17].second, 35},
    {"kLegalFormShortForms", kLegalFormShortForms[18].first, 36},
    {"kLegalFormShortForms", kLegalFormShortForms[18].second, 37},
};

}  // namespace resolver
