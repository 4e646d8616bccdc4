// Splitting a published file the simple way, as the real-data tests compare
// against: lines at CR LF, columns at commas, quotes around a column removed.
#pragma once

#include <string>
#include <vector>

namespace test_lines {

// The lines of `bytes`; a last line without CR LF is a line too.
inline std::vector<std::string> SplitCrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The columns of one line; the published files have no commas inside quotes.
inline std::vector<std::string> SplitColumns(const std::string& line) {
  std::vector<std::string> columns;
  for (size_t from = 0;;) {
    const size_t comma = line.find(',', from);
    std::string column = line.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    if (column.size() >= 2 && column.front() == '"') column = column.substr(1, column.size() - 2);
    columns.push_back(column);
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  return columns;
}

}  // namespace test_lines
