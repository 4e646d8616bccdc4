#include "lists/address_column.h"

namespace lists {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the quoted cell opening at `open` closes, or npos when no quote
// closes it: then the quote is only a character of the cell.
size_t ClosingQuote(const std::string& text, size_t open) {
  for (size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] != '"') continue;
    if (i + 1 < text.size() && text[i + 1] == '"') {
      ++i;
      continue;
    }
    return i;
  }
  return std::string::npos;
}

// Reads the cell at `pos` into `cell` (when not null), stopping at the tab
// or line end after it.
void ReadCell(const std::string& text, size_t& pos, std::string* cell) {
  if (pos < text.size() && text[pos] == '"') {
    const size_t close = ClosingQuote(text, pos);
    if (close != std::string::npos) {
      for (size_t i = pos + 1; i < close; ++i) {
        if (cell == nullptr) continue;
        if (IsLineEnd(text[i])) {
          // CR LF is one line end.
          if (text[i] == '\n' && i > pos + 1 && text[i - 1] == '\r') continue;
          *cell += ' ';
        } else {
          *cell += text[i];
          if (text[i] == '"') ++i;  // the second quote of a doubled pair
        }
      }
      pos = close + 1;
    }
  }
  // Plain text, or what follows a closing quote: kept as the cell goes on.
  while (pos < text.size() && text[pos] != '\t' && !IsLineEnd(text[pos])) {
    if (cell != nullptr) *cell += text[pos];
    ++pos;
  }
}

}  // namespace

std::vector<std::string> ColumnAddresses(const std::string& text) {
  std::vector<std::string> addresses;
  size_t pos = 0;
  while (pos < text.size()) {
    addresses.emplace_back();
    ReadCell(text, pos, &addresses.back());
    while (pos < text.size() && text[pos] == '\t') ReadCell(text, ++pos, nullptr);
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return addresses;
}

}  // namespace lists
