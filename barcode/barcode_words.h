// Generated from barcode_words.words by tools/cp932_words.py: edit the table, not this file.
// The words the customer barcode's data is read by.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace barcode {

// a kanji numeral directly before one of these becomes its number
inline constexpr const char* kNumeralUnits[] = {
    "\x92\x9A",  // "丁"
    "\x94\xD4",  // "番"
    "\x8D\x86",  // "号"
    "\x92\x6E\x8A\x84",  // "地割"
    "\x90\xFC",  // "線"
    "\x82\xCC",  // "の"
    "\x83\x6D",  // "ノ"
};
// removed before anything else is read, as & / ・ . are
inline constexpr uint16_t kRemovedFullWidth[] = {0x8195, 0x815E, 0x8145, 0x8144};  // "＆" "／" "・" "．"

inline constexpr postal::Cp932Word kBarcodeWordsTable[] = {
    {"kNumeralUnits", kNumeralUnits[0], 0},
    {"kNumeralUnits", kNumeralUnits[1], 1},
    {"kNumeralUnits", kNumeralUnits[2], 2},
    {"kNumeralUnits", kNumeralUnits[3], 3},
    {"kNumeralUnits", kNumeralUnits[4], 4},
    {"kNumeralUnits", kNumeralUnits[5], 5},
    {"kNumeralUnits", kNumeralUnits[6], 6},
    {"kRemovedFullWidth", "\x81\x95", 0},
    {"kRemovedFullWidth", "\x81\x5E", 1},
    {"kRemovedFullWidth", "\x81\x45", 2},
    {"kRemovedFullWidth", "\x81\x44", 3},
};

}  // namespace barcode
