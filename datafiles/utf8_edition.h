// Telling Japan Post's UTF-8 edition of the address file (utf_ken_all.csv)
// from the Shift-JIS one by its first lines.
#pragma once

#include <cstddef>
#include <string>

namespace datafiles {

// How much of a file the check reads, and how many of its lines it looks at.
constexpr size_t kUtf8CheckBytes = 4096;
constexpr int kUtf8CheckLines = 10;

// True when the first kUtf8CheckLines lines of `head` are valid UTF-8 and
// hold at least one character from U+3000 up (kana, kanji, full-width
// forms), as every line of the UTF-8 edition does. Shift-JIS text with kanji
// is not valid UTF-8, and ASCII alone is read the same either way, so a
// Shift-JIS file is not taken for UTF-8.
bool LooksLikeUtf8Edition(const std::string& head);

// The same over the start of a file; false when it cannot be read.
bool IsUtf8EditionFile(const std::string& path);

}  // namespace datafiles
