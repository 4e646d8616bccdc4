// Rows of a CSV file as RFC 4180 writes them, with the byte extent of each
// row so that a writer can copy it untouched; the separator a comma or a tab.
// Bytes in any encoding whose lead bytes are ASCII-transparent for '"', the
// separator, CR and LF: UTF-8, and cp932, whose trail bytes never take those
// values.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lists {

struct CsvRow {
  size_t begin = 0;       // offset of the row's first byte
  size_t contentEnd = 0;  // offset of its line end (CR LF or LF); `end` when it has none
  size_t end = 0;         // offset just past its line end
  long line = 0;          // 1-based line on which the row starts
  // The cells, unquoted ("" inside quotes as one "). A row with no bytes
  // before its line end has one empty cell.
  std::vector<std::string> cells;
};

class CsvReader {
 public:
  enum Result { kRow, kEnd, kUnclosedQuote };

  // `data` is the caller's and must outlive the reader; reading starts at
  // `start` (past a byte order mark), on line `line`.
  CsvReader(const char* data, size_t size, size_t start = 0, long line = 1, char separator = ',');

  // The next row into `row`. kUnclosedQuote: a quoted cell runs to the end
  // of the bytes; `row.line` is the line on which that row starts.
  Result Next(CsvRow& row);

 private:
  bool ReadQuoted(std::string& cell);

  const char* data_;
  size_t size_;
  size_t pos_;
  long line_;
  char separator_;
};

}  // namespace lists
