// Converting Japan Post's UTF-8 edition of the address file
// (utf_ken_all.csv) into the bytes of the Shift-JIS edition (KEN_ALL.CSV),
// the only form the program reads.
#pragma once

#include <cstdint>
#include <string>

#include "datafiles/index_build.h"

namespace datafiles {

// The name Japan Post gives the UTF-8 edition (inside utf_ken_all.zip).
inline constexpr char kUtf8EditionName[] = "utf_ken_all.csv";

enum class ImportStatus { kDone, kCannotRead, kNotUtf8, kNoCp932Form, kCannotWrite };

struct ImportResult {
  ImportStatus status = ImportStatus::kDone;
  long line = 0;           // kNotUtf8, kNoCp932Form: the line (from 1) where it stopped
  uint32_t character = 0;  // kNoCp932Form: the code point; kNotUtf8: the first byte that is not UTF-8
};

// Converts the UTF-8 edition line by line into cp932, as KEN_ALL.CSV writes
// it: in the kana columns (4 to 6) katakana become half-width with ﾞ and ﾟ
// as characters of their own, the kana punctuation (、。「」・ー) half-width
// too, the full-width ASCII forms (digits, letters, parentheses...) and the
// minus sign U+2212 ASCII; everywhere else U+2212 and U+301C become 0x817C
// and 0x8160. Each line ends in CR LF; a byte-order mark at the start is
// dropped. A long town name stays whole, except where its line would be
// longer than postal::kAddressLineBytes: then the town columns are cut at
// character boundaries, first to what a record keeps of them, then the kana
// further (then the kanji) until the line fits, so the row can be found.
// Stops at the first byte that is not UTF-8 or the first character cp932
// cannot write; `cp932` is then incomplete. `progress` (may be empty)
// receives line index / 100 as the index builds give it.
ImportResult ConvertUtf8Edition(const std::string& utf8, std::string& cp932, const BuildProgress& progress);

// Reads `source`, converts it and writes `target` through a temporary file
// and a rename; when anything fails, `target` is left as it was.
ImportResult ImportUtf8Edition(const std::string& source, const std::string& target, const BuildProgress& progress);

// The name under which `directory` (ending in its separator) holds the UTF-8
// edition, kUtf8EditionName in any letter case; "" when it holds none.
std::string FindUtf8Edition(const std::string& directory);

}  // namespace datafiles
