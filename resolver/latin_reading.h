// Building names read in Latin letters, as their owners write them in
// English: the letters a name is written in, its katakana (full or half
// width, as the address file's kana column holds it) read through a table
// of the English words such names transcribe (タワー TOWER, ビル BUILDING)
// and modified Hepburn for the rest. Two names are then compared by keys
// that leave out what spellings of one name differ in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace resolver {

// Appends the Latin reading of cp932 `text` to `out`: letters upper case,
// digits kept, blanks, ・, - and other marks dropped. False when the text
// holds a character it cannot read (a kanji): `out` is then incomplete.
// `units`: a buffer the caller keeps from one call to the next.
bool AppendLatinReading(std::string_view text, std::vector<uint16_t>& units, std::string& out);

// Folds a reading, in place, into the key two spellings of one name share:
// BUILDING, BLDG and BIRU alike, CENTRE as CENTER, long vowels (OU, OH, OO,
// UU) and doubled letters written once, TCH as CH, M before B or P as N.
void FoldLatinKey(std::string& key);

// Drops every word any building may carry (BLDG, TOWER, TOWERS, CENTER)
// from a folded key, in place.
void DropCommonLatinWords(std::string& key);

// The sounds a folded key is made of, as coarse as English and Japanese
// spellings of one name differ: vowels, W and Y left out, an R that ends a
// syllable (TOWER, PARK) left out, and the consonants in classes (B P F V,
// K C G Q X, S Z J CH SH TH, T D, N M, R L). Written to `out`.
void LatinSkeleton(const std::string& key, std::string& out);

}  // namespace resolver
