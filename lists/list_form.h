// What a list's first bytes tell before anything is read as rows: UTF-16
// with or without its byte order mark, lines that end in CR alone, and the
// separator of its cells.
#pragma once

#include <cstddef>
#include <string>

#include "lists/utf16.h"

namespace lists {

// How many bytes of the start are looked at.
constexpr size_t kFormSample = 64 * 1024;

enum class ListStart {
  kText,             // lines of UTF-8 or Shift-JIS text, or UTF-16 with its byte order mark
  kUtf16WithoutBom,  // the NUL pattern of UTF-16, with no byte order mark to read it by
  kCrOnly,           // CR ends the lines and no LF does: nothing would end a row
};

// From the raw bytes of the start.
ListStart ClassifyStart(const char* data, size_t size);

// The separators a list's cells may have, and the one asked for.
enum class Separator { kFromFile, kComma, kTab };

// A tab when the first line that is not blank holds a tab and no comma
// outside quotes (as Excel, databases and `cut` write tab-separated text),
// else a comma. `data` is text (UTF-16 already read as UTF-8).
char DecideSeparator(const char* data, size_t size);
char SeparatorFor(Separator asked, const char* data, size_t size);

// A list's first bytes as its rows read, for a first look at the file.
struct ListHead {
  ListStart start = ListStart::kText;
  Utf16Order utf16 = Utf16Order::kNone;
  std::string text;  // UTF-16 read as UTF-8 (its byte order mark as UTF-8's); empty when refused
  char separator = ',';
};
// `raw`: the file's first bytes; `cut` when the file goes on past them, so
// that the last line, perhaps cut, is left out.
ListHead ReadListHead(const std::string& raw, bool cut);

}  // namespace lists
