// Generated from characters.words by tools/cp932_words.py: edit the table, not this file.
// The cp932 characters postal's text conversions write and read (the
// widening of kana.cpp, the number text of number_text.cpp), as their codes.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace postal::ch {

// The full-width forms of ASCII 0x21..0x7E, in order. The quote and the
// apostrophe have only the IBM extension's codes 0xFA57 / 0xFA56. Backslash
// becomes the full-width reverse solidus, as the Unicode mapping gives it.
inline constexpr uint16_t kFullWidthAscii[] = {
    0x8149, 0xFA57, 0x8194, 0x8190, 0x8193, 0x8195, 0xFA56, 0x8169, 0x816A, 0x8196, 0x817B, 0x8143,  // "！" "＂" "＃" "＄" "％" "＆" "＇" "（" "）" "＊" "＋" "，"
    0x817C, 0x8144, 0x815E, 0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256, 0x8257,  // "－" "．" "／" "０" "１" "２" "３" "４" "５" "６" "７" "８"
    0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148, 0x8197, 0x8260, 0x8261, 0x8262, 0x8263,  // "９" "：" "；" "＜" "＝" "＞" "？" "＠" "Ａ" "Ｂ" "Ｃ" "Ｄ"
    0x8264, 0x8265, 0x8266, 0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E, 0x826F,  // "Ｅ" "Ｆ" "Ｇ" "Ｈ" "Ｉ" "Ｊ" "Ｋ" "Ｌ" "Ｍ" "Ｎ" "Ｏ" "Ｐ"
    0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276, 0x8277, 0x8278, 0x8279, 0x816D, 0x815F,  // "Ｑ" "Ｒ" "Ｓ" "Ｔ" "Ｕ" "Ｖ" "Ｗ" "Ｘ" "Ｙ" "Ｚ" "［" "＼"
    0x816E, 0x814F, 0x8151, 0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287, 0x8288,  // "］" "＾" "＿" "｀" "ａ" "ｂ" "ｃ" "ｄ" "ｅ" "ｆ" "ｇ" "ｈ"
    0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F, 0x8290, 0x8291, 0x8292, 0x8293, 0x8294,  // "ｉ" "ｊ" "ｋ" "ｌ" "ｍ" "ｎ" "ｏ" "ｐ" "ｑ" "ｒ" "ｓ" "ｔ"
    0x8295, 0x8296, 0x8297, 0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,  // "ｕ" "ｖ" "ｗ" "ｘ" "ｙ" "ｚ" "｛" "｜" "｝" "～"
};
// The full-width forms of the half-width characters 0xA1..0xDF, in order,
// katakana as hiragana. The lone voiced marks become the spacing marks ゛ ゜
// (cp932 has no combining ones).
inline constexpr uint16_t kFullWidthKana[] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x82F0, 0x829F, 0x82A1, 0x82A3, 0x82A5, 0x82A7, 0x82E1,  // "。" "「" "」" "、" "・" "を" "ぁ" "ぃ" "ぅ" "ぇ" "ぉ" "ゃ"
    0x82E3, 0x82E5, 0x82C1, 0x815B, 0x82A0, 0x82A2, 0x82A4, 0x82A6, 0x82A8, 0x82A9, 0x82AB, 0x82AD,  // "ゅ" "ょ" "っ" "ー" "あ" "い" "う" "え" "お" "か" "き" "く"
    0x82AF, 0x82B1, 0x82B3, 0x82B5, 0x82B7, 0x82B9, 0x82BB, 0x82BD, 0x82BF, 0x82C2, 0x82C4, 0x82C6,  // "け" "こ" "さ" "し" "す" "せ" "そ" "た" "ち" "つ" "て" "と"
    0x82C8, 0x82C9, 0x82CA, 0x82CB, 0x82CC, 0x82CD, 0x82D0, 0x82D3, 0x82D6, 0x82D9, 0x82DC, 0x82DD,  // "な" "に" "ぬ" "ね" "の" "は" "ひ" "ふ" "へ" "ほ" "ま" "み"
    0x82DE, 0x82DF, 0x82E0, 0x82E2, 0x82E4, 0x82E6, 0x82E7, 0x82E8, 0x82E9, 0x82EA, 0x82EB, 0x82ED,  // "む" "め" "も" "や" "ゆ" "よ" "ら" "り" "る" "れ" "ろ" "わ"
    0x82F1, 0x814A, 0x814B,  // "ん" "゛" "゜"
};
constexpr uint16_t kFullWidthBlank = 0x8140;  // "　"
// cp932 has no hiragana for it
constexpr uint16_t kKatakanaVu = 0x8394;  // "ヴ"
// the katakana that have a hiragana, ァ..ン, and the hiragana ぁ..ん
constexpr uint16_t kKatakanaFirst = 0x8340;  // "ァ"
constexpr uint16_t kKatakanaLastWithHiragana = 0x8393;  // "ン"
constexpr uint16_t kHiraganaFirst = 0x829F;  // "ぁ"
constexpr uint16_t kHiraganaLast = 0x82F1;  // "ん"
constexpr uint16_t kKatakanaIteration = 0x8152;  // "ヽ"
constexpr uint16_t kKatakanaVoicedIteration = 0x8153;  // "ヾ"
// written before a postal code, as in 〒100-0001
constexpr uint16_t kPostalMark = 0x81A7;  // "〒"
constexpr uint16_t kDigit0 = 0x824F;  // "０"
constexpr uint16_t kDigit9 = 0x8258;  // "９"

inline constexpr postal::Cp932Word kCharactersTable[] = {
    {"kFullWidthAscii", "\x81\x49", 0},
    {"kFullWidthAscii", "\xFA\x57", 1},
    {"kFullWidthAscii", "\x81\x94", 2},
    {"kFullWidthAscii", "\x81\x90", 3},
    {"kFullWidthAscii", "\x81\x93", 4},
    {"kFullWidthAscii", "\x81\x95", 5},
    {"kFullWidthAscii", "\xFA\x56", 6},
    {"kFullWidthAscii", "\x81\x69", 7},
    {"kFullWidthAscii", "\x81\x6A", 8},
    {"kFullWidthAscii", "\x81\x96", 9},
    {"kFullWidthAscii", "\x81\x7B", 10},
    {"kFullWidthAscii", "\x81\x43", 11},
    {"kFullWidthAscii", "\x81\x7C", 12},
    {"kFullWidthAscii", "\x81\x44", 13},
    {"kFullWidthAscii", "\x81\x5E", 14},
    {"kFullWidthAscii", "\x82\x4F", 15},
    {"kFullWidthAscii", "\x82\x50", 16},
    {"kFullWidthAscii", "\x82\x51", 17},
    {"kFullWidthAscii", "\x82\x52", 18},
    {"kFullWidthAscii", "\x82\x53", 19},
    {"kFullWidthAscii", "\x82\x54", 20},
    {"kFullWidthAscii", "\x82\x55", 21},
    {"kFullWidthAscii", "\x82\x56", 22},
    {"kFullWidthAscii", "\x82\x57", 23},
    {"kFullWidthAscii", "\x82\x58", 24},
    {"kFullWidthAscii", "\x81\x46", 25},
    {"kFullWidthAscii", "\x81\x47", 26},
    {"kFullWidthAscii", "\x81\x83", 27},
    {"kFullWidthAscii", "\x81\x81", 28},
    {"kFullWidthAscii", "\x81\x84", 29},
    {"kFullWidthAscii", "\x81\x48", 30},
    {"kFullWidthAscii", "\x81\x97", 31},
    {"kFullWidthAscii", "\x82\x60", 32},
    {"kFullWidthAscii", "\x82\x61", 33},
    {"kFullWidthAscii", "\x82\x62", 34},
    {"kFullWidthAscii", "\x82\x63", 35},
    {"kFullWidthAscii", "\x82\x64", 36},
    {"kFullWidthAscii", "\x82\x65", 37},
    {"kFullWidthAscii", "\x82\x66", 38},
    {"kFullWidthAscii", "\x82\x67", 39},
    {"kFullWidthAscii", "\x82\x68", 40},
    {"kFullWidthAscii", "\x82\x69", 41},
    {"kFullWidthAscii", "\x82\x6A", 42},
    {"kFullWidthAscii", "\x82\x6B", 43},
    {"kFullWidthAscii", "\x82\x6C", 44},
    {"kFullWidthAscii", "\x82\x6D", 45},
    {"kFullWidthAscii", "\x82\x6E", 46},
    {"kFullWidthAscii", "\x82\x6F", 47},
    {"kFullWidthAscii", "\x82\x70", 48},
    {"kFullWidthAscii", "\x82\x71", 49},
    {"kFullWidthAscii", "\x82\x72", 50},
    {"kFullWidthAscii", "\x82\x73", 51},
    {"kFullWidthAscii", "\x82\x74", 52},
    {"kFullWidthAscii", "\x82\x75", 53},
    {"kFullWidthAscii", "\x82\x76", 54},
    {"kFullWidthAscii", "\x82\x77", 55},
    {"kFullWidthAscii", "\x82\x78", 56},
    {"kFullWidthAscii", "\x82\x79", 57},
    {"kFullWidthAscii", "\x81\x6D", 58},
    {"kFullWidthAscii", "\x81\x5F", 59},
    {"kFullWidthAscii", "\x81\x6E", 60},
    {"kFullWidthAscii", "\x81\x4F", 61},
    {"kFullWidthAscii", "\x81\x51", 62},
    {"kFullWidthAscii", "\x81\x4D", 63},
    {"kFullWidthAscii", "\x82\x81", 64},
    {"kFullWidthAscii", "\x82\x82", 65},
    {"kFullWidthAscii", "\x82\x83", 66},
    {"kFullWidthAscii", "\x82\x84", 67},
    {"kFullWidthAscii", "\x82\x85", 68},
    {"kFullWidthAscii", "\x82\x86", 69},
    {"kFullWidthAscii", "\x82\x87", 70},
    {"kFullWidthAscii", "\x82\x88", 71},
    {"kFullWidthAscii", "\x82\x89", 72},
    {"kFullWidthAscii", "\x82\x8A", 73},
    {"kFullWidthAscii", "\x82\x8B", 74},
    {"kFullWidthAscii", "\x82\x8C", 75},
    {"kFullWidthAscii", "\x82\x8D", 76},
    {"kFullWidthAscii", "\x82\x8E", 77},
    {"kFullWidthAscii", "\x82\x8F", 78},
    {"kFullWidthAscii", "\x82\x90", 79},
    {"kFullWidthAscii", "\x82\x91", 80},
    {"kFullWidthAscii", "\x82\x92", 81},
    {"kFullWidthAscii", "\x82\x93", 82},
    {"kFullWidthAscii", "\x82\x94", 83},
    {"kFullWidthAscii", "\x82\x95", 84},
    {"kFullWidthAscii", "\x82\x96", 85},
    {"kFullWidthAscii", "\x82\x97", 86},
    {"kFullWidthAscii", "\x82\x98", 87},
    {"kFullWidthAscii", "\x82\x99", 88},
    {"kFullWidthAscii", "\x82\x9A", 89},
    {"kFullWidthAscii", "\x81\x6F", 90},
    {"kFullWidthAscii", "\x81\x62", 91},
    {"kFullWidthAscii", "\x81\x70", 92},
    {"kFullWidthAscii", "\x81\x60", 93},
    {"kFullWidthKana", "\x81\x42", 0},
    {"kFullWidthKana", "\x81\x75", 1},
    {"kFullWidthKana", "\x81\x76", 2},
    {"kFullWidthKana", "\x81\x41", 3},
    {"kFullWidthKana", "\x81\x45", 4},
    {"kFullWidthKana", "\x82\xF0", 5},
    {"kFullWidthKana", "\x82\x9F", 6},
    {"kFullWidthKana", "\x82\xA1", 7},
    {"kFullWidthKana", "\x82\xA3", 8},
    {"kFullWidthKana", "\x82\xA5", 9},
    {"kFullWidthKana", "\x82\xA7", 10},
    {"kFullWidthKana", "\x82\xE1", 11},
    {"kFullWidthKana", "\x82\xE3", 12},
    {"kFullWidthKana", "\x82\xE5", 13},
    {"kFullWidthKana", "\x82\xC1", 14},
    {"kFullWidthKana", "\x81\x5B", 15},
    {"kFullWidthKana", "\x82\xA0", 16},
    {"kFullWidthKana", "\x82\xA2", 17},
    {"kFullWidthKana", "\x82\xA4", 18},
    {"kFullWidthKana", "\x82\xA6", 19},
    {"kFullWidthKana", "\x82\xA8", 20},
    {"kFullWidthKana", "\x82\xA9", 21},
    {"kFullWidthKana", "\x82\xAB", 22},
    {"kFullWidthKana", "\x82\xAD", 23},
    {"kFullWidthKana", "\x82\xAF", 24},
    {"kFullWidthKana", "\x82\xB1", 25},
    {"kFullWidthKana", "\x82\xB3", 26},
    {"kFullWidthKana", "\x82\xB5", 27},
    {"kFullWidthKana", "\x82\xB7", 28},
    {"kFullWidthKana", "\x82\xB9", 29},
    {"kFullWidthKana", "\x82\xBB", 30},
    {"kFullWidthKana", "\x82\xBD", 31},
    {"kFullWidthKana", "\x82\xBF", 32},
    {"kFullWidthKana", "\x82\xC2", 33},
    {"kFullWidthKana", "\x82\xC4", 34},
    {"kFullWidthKana", "\x82\xC6", 35},
    {"kFullWidthKana", "\x82\xC8", 36},
    {"kFullWidthKana", "\x82\xC9", 37},
    {"kFullWidthKana", "\x82\xCA", 38},
    {"kFullWidthKana", "\x82\xCB", 39},
    {"kFullWidthKana", "\x82\xCC", 40},
    {"kFullWidthKana", "\x82\xCD", 41},
    {"kFullWidthKana", "\x82\xD0", 42},
    {"kFullWidthKana", "\x82\xD3", 43},
    {"kFullWidthKana", "\x82\xD6", 44},
    {"kFullWidthKana", "\x82\xD9", 45},
    {"kFullWidthKana", "\x82\xDC", 46},
    {"kFullWidthKana", "\x82\xDD", 47},
    {"kFullWidthKana", "\x82\xDE", 48},
    {"kFullWidthKana", "\x82\xDF", 49},
    {"kFullWidthKana", "\x82\xE0", 50},
    {"kFullWidthKana", "\x82\xE2", 51},
    {"kFullWidthKana", "\x82\xE4", 52},
    {"kFullWidthKana", "\x82\xE6", 53},
    {"kFullWidthKana", "\x82\xE7", 54},
    {"kFullWidthKana", "\x82\xE8", 55},
    {"kFullWidthKana", "\x82\xE9", 56},
    {"kFullWidthKana", "\x82\xEA", 57},
    {"kFullWidthKana", "\x82\xEB", 58},
    {"kFullWidthKana", "\x82\xED", 59},
    {"kFullWidthKana", "\x82\xF1", 60},
    {"kFullWidthKana", "\x81\x4A", 61},
    {"kFullWidthKana", "\x81\x4B", 62},
    {"kFullWidthBlank", "\x81\x40", -1},
    {"kKatakanaVu", "\x83\x94", -1},
    {"kKatakanaFirst", "\x83\x40", -1},
    {"kKatakanaLastWithHiragana", "\x83\x93", -1},
    {"kHiraganaFirst", "\x82\x9F", -1},
    {"kHiraganaLast", "\x82\xF1", -1},
    {"kKatakanaIteration", "\x81\x52", -1},
    {"kKatakanaVoicedIteration", "\x81\x53", -1},
    {"kPostalMark", "\x81\xA7", -1},
    {"kDigit0", "\x82\x4F", -1},
    {"kDigit9", "\x82\x58", -1},
};

}  // namespace postal::ch
