// Generated from address_key_words.words by tools/cp932_words.py: edit the table, not this file.
// The words an address's key reads in the building written after the lot.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace resolver::key_word {

// a floor after its number, as letters and as the kanji
// "F"
inline constexpr char kFloorLetter[] = "\x46";
// "階"
inline constexpr char kFloor[] = "\x8A\x4B";
// a room after its number: 号室 and 号 alike
// "号室"
inline constexpr char kRoom[] = "\x8D\x86\x8E\xBA";
// "号"
inline constexpr char kRoomShort[] = "\x8D\x86";
// separators written between the lot and the building
inline constexpr const char* kLeadingMarks[] = {
    "\x2D",  // "-"
    "\x2C",  // ","
    "\x81\x41",  // "、"
    "\x81\x43",  // "，"
};

inline constexpr postal::Cp932Word kAddressKeyWordsTable[] = {
    {"kFloorLetter", kFloorLetter, -1},
    {"kFloor", kFloor, -1},
    {"kRoom", kRoom, -1},
    {"kRoomShort", kRoomShort, -1},
    {"kLeadingMarks", kLeadingMarks[0], 0},
    {"kLeadingMarks", kLeadingMarks[1], 1},
    {"kLeadingMarks", kLeadingMarks[2], 2},
    {"kLeadingMarks", kLeadingMarks[3], 3},
};

}  // namespace resolver::key_word
