#include "lists/added_cells.h"

#include <algorithm>

#include "encoding/text_encoding.h"
#include "lists/list_words.h"
#include "resolver/words.h"

namespace lists {

std::string InFileEncoding(const std::string& cp932, CsvEncoding encoding) {
  if (!IsUtf8(encoding)) return cp932;
  std::string utf8;
  return encoding::Cp932ToUtf8(cp932, utf8) ? utf8 : cp932;
}

std::string OwnName(const char* name, const char* mark, CsvEncoding encoding,
                    const std::vector<std::string>& headerCells) {
  const auto taken = [&](const std::string& text) {
    return std::find(headerCells.begin(), headerCells.end(), text) != headerCells.end();
  };
  std::string own = InFileEncoding(name, encoding);
  for (int n = 1; taken(own); ++n) {
    own = InFileEncoding(std::string(name) + mark + (n == 1 ? "" : std::to_string(n)) + resolver::word::kCloseParen, encoding);
  }
  return own;
}

void AppendCell(const std::string& cell, char separator, std::string& out) {
  if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
    out += cell;
    return;
  }
  out += '"';
  for (char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace lists
