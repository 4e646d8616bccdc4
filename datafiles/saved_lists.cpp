#include "datafiles/saved_lists.h"

#include "datafiles/file_access.h"
#include "postal/text.h"

namespace datafiles {

namespace {

// A stored text: up to its first line end or zero byte, at most `limit`
// bytes, cut at a character boundary.
std::string StoredText(const std::string& text, size_t limit) {
  const size_t end = text.find_first_of(std::string("\r\n\0", 3));
  return postal::TruncateText(end == std::string::npos ? text : text.substr(0, end), limit);
}

// Calls take(line) for each line of `bytes` without its line end.
template <class Take>
void ForEachLine(const std::string& bytes, Take take) {
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t lf = bytes.find('\n', start);
    size_t end = lf == std::string::npos ? bytes.size() : lf;
    const size_t next = lf == std::string::npos ? bytes.size() : lf + 1;
    if (lf != std::string::npos && end > start && bytes[end - 1] == '\r') --end;
    take(bytes.substr(start, end - start));
    start = next;
  }
}

}  // namespace

std::string FormatSavedConditions(const std::vector<ConditionRow>& rows) {
  std::string out;
  for (const ConditionRow& row : rows) {
    for (int i = 0; i < kConditionCells; ++i) {
      if (i > 0) out += ',';
      out += StoredText(row.cells[i], kConditionCellBytes);
    }
    out += '\n';
  }
  return out;
}

std::vector<ConditionRow> ParseSavedConditions(const std::string& bytes) {
  std::vector<ConditionRow> rows;
  ForEachLine(bytes, [&](const std::string& line) {
    if (line.empty()) return;
    ConditionRow row;
    size_t from = 0;
    for (int i = 0; i < kConditionCells - 1; ++i) {
      const size_t comma = line.find(',', from);
      if (comma == std::string::npos) {
        row.cells[i] = line.substr(from);
        from = line.size() + 1;
        break;
      }
      row.cells[i] = line.substr(from, comma - from);
      from = comma + 1;
    }
    if (from <= line.size()) row.cells[kConditionCells - 1] = line.substr(from);
    rows.push_back(row);
  });
  return rows;
}

std::string FormatRecordLog(const std::vector<std::string>& rows) {
  std::string out;
  for (const std::string& row : rows) {
    out += StoredText(row, kRecordRowBytes);
    out += '\n';
  }
  return out;
}

std::vector<std::string> ParseRecordLog(const std::string& bytes) {
  std::vector<std::string> rows;
  ForEachLine(bytes, [&](const std::string& line) { rows.push_back(line); });
  return rows;
}

std::vector<ConditionRow> LoadSavedConditions(const std::string& path) {
  std::string bytes;
  if (!ReadSmallFile(path, bytes)) return {};
  return ParseSavedConditions(bytes);
}

std::vector<std::string> LoadRecordLog(const std::string& path) {
  std::string bytes;
  if (!ReadSmallFile(path, bytes)) return {};
  return ParseRecordLog(bytes);
}

bool SaveConditions(const std::string& path, const std::vector<ConditionRow>& rows) {
  return WriteFileReplacing(path, FormatSavedConditions(rows));
}

bool SaveRecordLog(const std::string& path, const std::vector<std::string>& rows) {
  return WriteFileReplacing(path, FormatRecordLog(rows));
}

}  // namespace datafiles
