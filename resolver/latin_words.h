// Generated from latin_words.words by tools/cp932_words.py: edit the table, not this file.
// The Latin readings of building names.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace resolver {

// The English words building names transcribe in katakana, read as the
// buildings themselves write them in Latin letters (ＴｈｉｎｋＰａｒｋＴｏｗｅｒ,
// the owners' English names of the file's towers, squares and hills), and
// the generic words of office and apartment buildings. Half-width katakana,
// as the address file's kana column writes them; the longest one found wins.
inline constexpr postal::Cp932Pair kLoanwords[] = {
    {"\xB2\xDD\xC0\xB0\xC5\xBC\xAE\xC5\xD9", "\x49\x4E\x54\x45\x52\x4E\x41\x54\x49\x4F\x4E\x41\x4C"},  // "ｲﾝﾀｰﾅｼｮﾅﾙ" "INTERNATIONAL"
    {"\xCB\xDE\xD9\xC3\xDE\xA8\xDD\xB8\xDE", "\x42\x55\x49\x4C\x44\x49\x4E\x47"},  // "ﾋﾞﾙﾃﾞｨﾝｸﾞ" "BUILDING"
    {"\xBD\xC3\xB0\xBC\xAE\xDD", "\x53\x54\x41\x54\x49\x4F\x4E"},  // "ｽﾃｰｼｮﾝ" "STATION"
    {"\xD7\xDD\xC4\xDE\xCF\xB0\xB8", "\x4C\x41\x4E\x44\x4D\x41\x52\x4B"},  // "ﾗﾝﾄﾞﾏｰｸ" "LANDMARK"
    {"\xBD\xB8\xD7\xDD\xCC\xDE\xD9", "\x53\x43\x52\x41\x4D\x42\x4C\x45"},  // "ｽｸﾗﾝﾌﾞﾙ" "SCRAMBLE"
    {"\xCA\xDF\xBC\xCC\xA8\xAF\xB8", "\x50\x41\x43\x49\x46\x49\x43"},  // "ﾊﾟｼﾌｨｯｸ" "PACIFIC"
    {"\xBE\xDD\xC1\xAD\xD8\xB0", "\x43\x45\x4E\x54\x55\x52\x59"},  // "ｾﾝﾁｭﾘｰ" "CENTURY"
    {"\xD0\xAF\xC4\xDE\xC0\xB3\xDD", "\x4D\x49\x44\x54\x4F\x57\x4E"},  // "ﾐｯﾄﾞﾀｳﾝ" "MIDTOWN"
    {"\xD0\xAF\xC4\xDE\xD7\xDD\xC4\xDE", "\x4D\x49\x44\x4C\x41\x4E\x44"},  // "ﾐｯﾄﾞﾗﾝﾄﾞ" "MIDLAND"
    {"\xBB\xDD\xBC\xAC\xB2\xDD", "\x53\x55\x4E\x53\x48\x49\x4E\x45"},  // "ｻﾝｼｬｲﾝ" "SUNSHINE"
    {"\xCB\xDE\xD9\xC1\xDE\xDD\xB8\xDE", "\x42\x55\x49\x4C\x44\x49\x4E\x47"},  // "ﾋﾞﾙﾁﾞﾝｸﾞ" "BUILDING"
    {"\xBE\xDD\xC4\xD7\xD9", "\x43\x45\x4E\x54\x52\x41\x4C"},  // "ｾﾝﾄﾗﾙ" "CENTRAL"
    {"\xCC\xAB\xDA\xBD\xC4", "\x46\x4F\x52\x45\x53\x54"},  // "ﾌｫﾚｽﾄ" "FOREST"
    {"\xB8\xB2\xB0\xDD\xBD\xDE", "\x51\x55\x45\x45\x4E\x53"},  // "ｸｲｰﾝｽﾞ" "QUEENS"
    {"\xB1\xB2\xD7\xDD\xC4\xDE", "\x49\x53\x4C\x41\x4E\x44"},  // "ｱｲﾗﾝﾄﾞ" "ISLAND"
    {"\xB8\xDE\xDB\xB0\xCA\xDE\xD9", "\x47\x4C\x4F\x42\x41\x4C"},  // "ｸﾞﾛｰﾊﾞﾙ" "GLOBAL"
    {"\xB8\xD8\xBD\xC0\xD9", "\x43\x52\x59\x53\x54\x41\x4C"},  // "ｸﾘｽﾀﾙ" "CRYSTAL"
    {"\xCC\xA7\xB0\xBD\xC4", "\x46\x49\x52\x53\x54"},  // "ﾌｧｰｽﾄ" "FIRST"
    {"\xCF\xDD\xBC\xAE\xDD", "\x4D\x41\x4E\x53\x49\x4F\x4E"},  // "ﾏﾝｼｮﾝ" "MANSION"
    {"\xDA\xBC\xDE\xC3\xDE\xDD\xBD", "\x52\x45\x53\x49\x44\x45\x4E\x43\x45"},  // "ﾚｼﾞﾃﾞﾝｽ" "RESIDENCE"
    {"\xBD\xB8\xB3\xAA\xB1", "\x53\x51\x55\x41\x52\x45"},  // "ｽｸｳｪｱ" "SQUARE"
    {"\xC0\xDC\xB0\xBD\xDE", "\x54\x4F\x57\x45\x52\x53"},  // "ﾀﾜｰｽﾞ" "TOWERS"
    {"\xBD\xB8\xB4\xB1", "\x53\x51\x55\x41\x52\x45"},  // "ｽｸｴｱ" "SQUARE"
    {"\xBD\xB8\xAA\xB1", "\x53\x51\x55\x41\x52\x45"},  // "ｽｸｪｱ" "SQUARE"
    {"\xBE\xDD\xC0\xB0", "\x43\x45\x4E\x54\x45\x52"},  // "ｾﾝﾀｰ" "CENTER"
    {"\xB6\xDE\xB0\xC3\xDE\xDD", "\x47\x41\x52\x44\x45\x4E"},  // "ｶﾞｰﾃﾞﾝ" "GARDEN"
    {"\xCC\xDF\xDA\xB2\xBD", "\x50\x4C\x41\x43\x45"},  // "ﾌﾟﾚｲｽ" "PLACE"
    {"\xCC\xDF\xDA\xB0\xBD", "\x50\x4C\x41\x43\x45"},  // "ﾌﾟﾚｰｽ" "PLACE"
    {"\xBC\xC3\xA8\xB0", "\x43\x49\x54\x59"},  // "ｼﾃｨｰ" "CITY"
    {"\xB8\xDE\xD7\xDD\xC4\xDE", "\x47\x52\x41\x4E\x44"},  // "ｸﾞﾗﾝﾄﾞ" "GRAND"
    {"\xCC\xDB\xDD\xC4", "\x46\x52\x4F\x4E\x54"},  // "ﾌﾛﾝﾄ" "FRONT"
    {"\xB5\xCC\xA8\xBD", "\x4F\x46\x46\x49\x43\x45"},  // "ｵﾌｨｽ" "OFFICE"
    {"\xCB\xDE\xBC\xDE\xC8\xBD", "\x42\x55\x53\x49\x4E\x45\x53\x53"},  // "ﾋﾞｼﾞﾈｽ" "BUSINESS"
    {"\xB2\xDD\xC0\xB0", "\x49\x4E\x54\x45\x52"},  // "ｲﾝﾀｰ" "INTER"
    {"\xB2\xB0\xBD\xC4", "\x45\x41\x53\x54"},  // "ｲｰｽﾄ" "EAST"
    {"\xB3\xB4\xBD\xC4", "\x57\x45\x53\x54"},  // "ｳｴｽﾄ" "WEST"
    {"\xB3\xAA\xBD\xC4", "\x57\x45\x53\x54"},  // "ｳｪｽﾄ" "WEST"
    {"\xC4\xD7\xBD\xC4", "\x54\x52\x55\x53\x54"},  // "ﾄﾗｽﾄ" "TRUST"
    {"\xDC\xB0\xD9\xC4\xDE", "\x57\x4F\x52\x4C\x44"},  // "ﾜｰﾙﾄﾞ" "WORLD"
    {"\xD2\xC3\xDE\xA8\xB1", "\x4D\x45\x44\x49\x41"},  // "ﾒﾃﾞｨｱ" "MEDIA"
    {"\xB8\xDE\xD8\xB0\xDD", "\x47\x52\x45\x45\x4E"},  // "ｸﾞﾘｰﾝ" "GREEN"
    {"\xBD\xCD\xDF\xB0\xBD", "\x53\x50\x41\x43\x45"},  // "ｽﾍﾟｰｽ" "SPACE"
    {"\xDB\xB2\xD4\xD9", "\x52\x4F\x59\x41\x4C"},  // "ﾛｲﾔﾙ" "ROYAL"
    {"\xBD\xC3\xB0\xBC\xDE", "\x53\x54\x41\x47\x45"},  // "ｽﾃｰｼﾞ" "STAGE"
    {"\xC0\xDC\xB0", "\x54\x4F\x57\x45\x52"},  // "ﾀﾜｰ" "TOWER"
    {"\xCB\xD9\xBD\xDE", "\x48\x49\x4C\x4C\x53"},  // "ﾋﾙｽﾞ" "HILLS"
    {"\xCC\xDF\xD7\xBB\xDE", "\x50\x4C\x41\x5A\x41"},  // "ﾌﾟﾗｻﾞ" "PLAZA"
    {"\xCA\xDF\xB0\xB8", "\x50\x41\x52\x4B"},  // "ﾊﾟｰｸ" "PARK"
    {"\xBC\xC3\xA8", "\x43\x49\x54\x59"},  // "ｼﾃｨ" "CITY"
    {"\xB9\xDE\xB0\xC4", "\x47\x41\x54\x45"},  // "ｹﾞｰﾄ" "GATE"
    {"\xBD\xB6\xB2", "\x53\x4B\x59"},  // "ｽｶｲ" "SKY"
    {"\xC3\xD7\xBD", "\x54\x45\x52\x52\x41\x43\x45"},  // "ﾃﾗｽ" "TERRACE"
    {"\xBA\xB0\xC4", "\x43\x4F\x55\x52\x54"},  // "ｺｰﾄ" "COURT"
    {"\xCA\xB3\xBD", "\x48\x4F\x55\x53\x45"},  // "ﾊｳｽ" "HOUSE"
    {"\xBB\xB3\xBD", "\x53\x4F\x55\x54\x48"},  // "ｻｳｽ" "SOUTH"
    {"\xC9\xB0\xBD", "\x4E\x4F\x52\x54\x48"},  // "ﾉｰｽ" "NORTH"
    {"\xCE\xDF\xB0\xC4", "\x50\x4F\x52\x54"},  // "ﾎﾟｰﾄ" "PORT"
    {"\xB8\xDB\xBD", "\x43\x52\x4F\x53\x53"},  // "ｸﾛｽ" "CROSS"
    {"\xB5\xCD\xDF\xD7", "\x4F\x50\x45\x52\x41"},  // "ｵﾍﾟﾗ" "OPERA"
    {"\xD0\xAF\xC4\xDE", "\x4D\x49\x44"},  // "ﾐｯﾄﾞ" "MID"
    {"\xB1\xB0\xB8", "\x41\x52\x4B"},  // "ｱｰｸ" "ARK"
    {"\xC6\xAD\xB0", "\x4E\x45\x57"},  // "ﾆｭｰ" "NEW"
    {"\xD8\xCA\xDE\xB0", "\x52\x49\x56\x45\x52"},  // "ﾘﾊﾞｰ" "RIVER"
    {"\xCE\xC3\xD9", "\x48\x4F\x54\x45\x4C"},  // "ﾎﾃﾙ" "HOTEL"
    {"\xCE\xB0\xD9", "\x48\x41\x4C\x4C"},  // "ﾎｰﾙ" "HALL"
    {"\xCA\xB2\xC2", "\x48\x45\x49\x47\x48\x54\x53"},  // "ﾊｲﾂ" "HEIGHTS"
    {"\xCA\xDF\xDA\xBD", "\x50\x41\x4C\x41\x43\x45"},  // "ﾊﾟﾚｽ" "PALACE"
    {"\xCB\xDE\xD9", "\x42\x55\x49\x4C\x44\x49\x4E\x47"},  // "ﾋﾞﾙ" "BUILDING"
    {"\xCB\xD9", "\x48\x49\x4C\x4C"},  // "ﾋﾙ" "HILL"
    {"\xCD\xDE\xB2", "\x42\x41\x59"},  // "ﾍﾞｲ" "BAY"
};
// the endings of a municipality's reading in the kana column: 区 市 町 村
inline constexpr const char* kMunicipalityEndings[] = {
    "\xB8",  // "ｸ"
    "\xBC",  // "ｼ"
    "\xC1\xAE\xB3",  // "ﾁｮｳ"
    "\xCF\xC1",  // "ﾏﾁ"
    "\xD1\xD7",  // "ﾑﾗ"
    "\xBF\xDD",  // "ｿﾝ"
};
// the kana column's dot between words
// "･"
inline constexpr char kKanaDotText[] = "\xA5";

inline constexpr postal::Cp932Word kLatinWordsTable[] = {
    {"kLoanwords", kLoanwords[0].first, 0},
    {"kLoanwords", kLoanwords[0].second, 1},
    {"kLoanwords", kLoanwords[1].first, 2},
    {"kLoanwords", kLoanwords[1].second, 3},
    {"kLoanwords", kLoanwords[2].first, 4},
    {"kLoanwords", kLoanwords[2].second, 5},
    {"kLoanwords", kLoanwords[3].first, 6},
    {"kLoanwords", kLoanwords[3].second, 7},
    {"kLoanwords", kLoanwords[4].first, 8},
    {"kLoanwords", kLoanwords[4].second, 9},
    {"kLoanwords", kLoanwords[5].first, 10},
    {"kLoanwords", kLoanwords[5].second, 11},
    {"kLoanwords", kLoanwords[6].first, 12},
    {"kLoanwords", kLoanwords[6].second, 13},
    {"kLoanwords", kLoanwords[7].first, 14},
    {"kLoanwords", kLoanwords[7].second, 15},
    {"kLoanwords", kLoanwords[8].first, 16},
    {"kLoanwords", kLoanwords[8].second, 17},
    {"kLoanwords", kLoanwords[9].first, 18},
    {"kLoanwords", kLoanwords[9].second, 19},
    {"kLoanwords", kLoanwords[10].first, 20},
    {"kLoanwords", kLoanwords[10].second, 21},
    {"kLoanwords", kLoanwords[11].first, 22},
    {"kLoanwords", kLoanwords[11].second, 23},
    {"kLoanwords", kLoanwords[12].first, 24},
    {"kLoanwords", kLoanwords[12].second, 25},
    {"kLoanwords", kLoanwords[13].first, 26},
    {"kLoanwords", kLoanwords[13].second, 27},
    {"kLoanwords", kLoanwords[14].first, 28},
    {"kLoanwords", kLoanwords[14].second, 29},
    {"kLoanwords", kLoanwords[15].first, 30},
    {"kLoanwords", kLoanwords[15].second, 31},
    {"kLoanwords", kLoanwords[16].first, 32},
    {"kLoanwords", kLoanwords[16].second, 33},
    {"kLoanwords", kLoanwords[17].first, 34},
    {"kLoanwords", kLoanwords[17].second, 35},
    {"kLoanwords", kLoanwords[18].first, 36},
    {"kLoanwords", kLoanwords[18].second, 37},
    {"kLoanwords", kLoanwords[19].first, 38},
    {"kLoanwords", kLoanwords[19].second, 39},
    {"kLoanwords", kLoanwords[20].first, 40},
    {"kLoanwords", kLoanwords[20].second, 41},
    {"kLoanwords", kLoanwords[21].first, 42},
    {"kLoanwords", kLoanwords[21].second, 43},
    {"kLoanwords", kLoanwords[22].first, 44},
    {"kLoanwords", kLoanwords[22].second, 45},
    {"kLoanwords", kLoanwords[23].first, 46},
    {"kLoanwords", kLoanwords[23].second, 47},
    {"kLoanwords", kLoanwords[24].first, 48},
    {"kLoanwords", kLoanwords[24].second, 49},
    {"kLoanwords", kLoanwords[25].first, 50},
    {"kLoanwords", kLoanwords[25].second, 51},
    {"kLoanwords", kLoanwords[26].first, 52},
    {"kLoanwords", kLoanwords[26].second, 53},
    {"kLoanwords", kLoanwords[27].first, 54},
    {"kLoanwords", kLoanwords[27].second, 55},
    {"kLoanwords", kLoanwords[28].first, 56},
    {"kLoanwords", kLoanwords[28].second, 57},
    {"kLoanwords", kLoanwords[29].first, 58},
    {"kLoanwords", kLoanwords[29].second, 59},
    {"kLoanwords", kLoanwords[30].first, 60},
    {"kLoanwords", kLoanwords[30].second, 61},
    {"kLoanwords", kLoanwords[31].first, 62},
    {"kLoanwords", kLoanwords[31].second, 63},
    {"kLoanwords", kLoanwords[32].first, 64},
    {"kLoanwords", kLoanwords[32].second, 65},
    {"kLoanwords", kLoanwords[33].first, 66},
    {"kLoanwords", kLoanwords[33].second, 67},
    {"kLoanwords", kLoanwords[34].first, 68},
    {"kLoanwords", kLoanwords[34].second, 69},
    {"kLoanwords", kLoanwords[35].first, 70},
    {"kLoanwords", kLoanwords[35].second, 71},
    {"kLoanwords", kLoanwords[36].first, 72},
    {"kLoanwords", kLoanwords[36].second, 73},
    {"kLoanwords", kLoanwords[37].first, 74},
    {"kLoanwords", kLoanwords[37].second, 75},
    {"kLoanwords", kLoanwords[38].first, 76},
    {"kLoanwords", kLoanwords[38].second, 77},
    {"kLoanwords", kLoanwords[39].first, 78},
    {"kLoanwords", kLoanwords[39].second, 79},
    {"kLoanwords", kLoanwords[40].first, 80},
    {"kLoanwords", kLoanwords[40].second, 81},
    {"kLoanwords", kLoanwords[41].first, 82},
    {"kLoanwords", kLoanwords[41].second, 83},
    {"kLoanwords", kLoanwords[42].first, 84},
    {"kLoanwords", kLoanwords[42].second, 85},
    {"kLoanwords", kLoanwords[43].first, 86},
    {"kLoanwords", kLoanwords[43].second, 87},
    {"kLoanwords", kLoanwords[44].first, 88},
    {"kLoanwords", kLoanwords[44].second, 89},
    {"kLoanwords", kLoanwords[45].first, 90},
    {"kLoanwords", kLoanwords[45].second, 91},
    {"kLoanwords", kLoanwords[46].first, 92},
    {"kLoanwords", kLoanwords[46].second, 93},
    {"kLoanwords", kLoanwords[47].first, 94},
    {"kLoanwords", kLoanwords[47].second, 95},
    {"kLoanwords", kLoanwords[48].first, 96},
    {"kLoanwords", kLoanwords[48].second, 97},
    {"kLoanwords", kLoanwords[49].first, 98},
    {"kLoanwords", kLoanwords[49].second, 99},
    {"kLoanwords", kLoanwords[50].first, 100},
    {"kLoanwords", kLoanwords[50].second, 101},
    {"kLoanwords", kLoanwords[51].first, 102},
    {"kLoanwords", kLoanwords[51].second, 103},
    {"kLoanwords", kLoanwords[52].first, 104},
    {"kLoanwords", kLoanwords[52].second, 105},
    {"kLoanwords", kLoanwords[53].first, 106},
    {"kLoanwords", kLoanwords[53].second, 107},
    {"kLoanwords", kLoanwords[54].first, 108},
    {"kLoanwords", kLoanwords[54].second, 109},
    {"kLoanwords", kLoanwords[55].first, 110},
    {"kLoanwords", kLoanwords[55].second, 111},
    {"kLoanwords", kLoanwords[56].first, 112},
    {"kLoanwords", kLoanwords[56].second, 113},
    {"kLoanwords", kLoanwords[57].first, 114},
    {"kLoanwords", kLoanwords[57].second, 115},
    {"kLoanwords", kLoanwords[58].first, 116},
    {"kLoanwords", kLoanwords[58].second, 117},
    {"kLoanwords", kLoanwords[59].first, 118},
    {"kLoanwords", kLoanwords[59].second, 119},
    {"kLoanwords", kLoanwords[60].first, 120},
    {"kLoanwords", kLoanwords[60].second, 121},
    {"kLoanwords", kLoanwords[61].first, 122},
    {"kLoanwords", kLoanwords[61].second, 123},
    {"kLoanwords", kLoanwords[62].first, 124},
    {"kLoanwords", kLoanwords[62].second, 125},
    {"kLoanwords", kLoanwords[63].first, 126},
    {"kLoanwords", kLoanwords[63].second, 127},
    {"kLoanwords", kLoanwords[64].first, 128},
    {"kLoanwords", kLoanwords[64].second, 129},
    {"kLoanwords", kLoanwords[65].first, 130},
    {"kLoanwords", kLoanwords[65].second, 131},
    {"kLoanwords", kLoanwords[66].first, 132},
    {"kLoanwords", kLoanwords[66].second, 133},
    {"kLoanwords", kLoanwords[67].first, 134},
    {"kLoanwords", kLoanwords[67].second, 135},
    {"kLoanwords", kLoanwords[68].first, 136},
    {"kLoanwords", kLoanwords[68].second, 137},
    {"kLoanwords", kLoanwords[69].first, 138},
    {"kLoanwords", kLoanwords[69].second, 139},
    {"kMunicipalityEndings", kMunicipalityEndings[0], 0},
    {"kMunicipalityEndings", kMunicipalityEndings[1], 1},
    {"kMunicipalityEndings", kMunicipalityEndings[2], 2},
    {"kMunicipalityEndings", kMunicipalityEndings[3], 3},
    {"kMunicipalityEndings", kMunicipalityEndings[4], 4},
    {"kMunicipalityEndings", kMunicipalityEndings[5], 5},
    {"kKanaDotText", kKanaDotText, -1},
};

}  // namespace resolver
