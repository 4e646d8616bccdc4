// Generated from template_words.words by tools/cp932_words.py: edit the table, not this file.
// The settings sheet's preset templates: their names and the address and
// office templates each sets.
#pragma once

#include <cstdint>

#include "postal/cp932_word.h"

namespace postal {

// "標準"
inline constexpr char kPresetStandardName[] = "\x95\x57\x8F\x80";
// "N KSM"
inline constexpr char kPresetStandardAddress[] = "\x4E\x20\x4B\x53\x4D";
// "N KSM G"
inline constexpr char kPresetStandardOffice[] = "\x4E\x20\x4B\x53\x4D\x20\x47";
// "〒付き"
inline constexpr char kPresetPostalMarkName[] = "\x81\xA7\x95\x74\x82\xAB";
// "〒N KSM"
inline constexpr char kPresetPostalMarkAddress[] = "\x81\xA7\x4E\x20\x4B\x53\x4D";
// "〒N KSM G"
inline constexpr char kPresetPostalMarkOffice[] = "\x81\xA7\x4E\x20\x4B\x53\x4D\x20\x47";
// "CSV"
inline constexpr char kPresetCsvName[] = "\x43\x53\x56";
// "N,KSM"
inline constexpr char kPresetCsvAddress[] = "\x4E\x2C\x4B\x53\x4D";
// "N,G,KSM"
inline constexpr char kPresetCsvOffice[] = "\x4E\x2C\x47\x2C\x4B\x53\x4D";
// "詳細"
inline constexpr char kPresetDetailedName[] = "\x8F\xDA\x8D\xD7";
// "N KSM(ksm)"
inline constexpr char kPresetDetailedAddress[] = "\x4E\x20\x4B\x53\x4D\x28\x6B\x73\x6D\x29";
// "N G(g)KSM(ksm)"
inline constexpr char kPresetDetailedOffice[] = "\x4E\x20\x47\x28\x67\x29\x4B\x53\x4D\x28\x6B\x73\x6D\x29";

inline constexpr postal::Cp932Word kTemplateWordsTable[] = {
    {"kPresetStandardName", kPresetStandardName, -1},
    {"kPresetStandardAddress", kPresetStandardAddress, -1},
    {"kPresetStandardOffice", kPresetStandardOffice, -1},
    {"kPresetPostalMarkName", kPresetPostalMarkName, -1},
    {"kPresetPostalMarkAddress", kPresetPostalMarkAddress, -1},
    {"kPresetPostalMarkOffice", kPresetPostalMarkOffice, -1},
    {"kPresetCsvName", kPresetCsvName, -1},
    {"kPresetCsvAddress", kPresetCsvAddress, -1},
    {"kPresetCsvOffice", kPresetCsvOffice, -1},
    {"kPresetDetailedName", kPresetDetailedName, -1},
    {"kPresetDetailedAddress", kPresetDetailedAddress, -1},
    {"kPresetDetailedOffice", kPresetDetailedOffice, -1},
};

}  // namespace postal
