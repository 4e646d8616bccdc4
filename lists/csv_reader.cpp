#include "lists/csv_reader.h"

namespace lists {

CsvReader::CsvReader(const char* data, size_t size, size_t start, long line)
    : data_(data), size_(size), pos_(start), line_(line) {}

// Past the opening quote; stops after the closing one. A quote that is not
// doubled closes the cell even when more text follows it: that text is kept
// as the cell goes on, as spreadsheets read such a cell.
bool CsvReader::ReadQuoted(std::string& cell) {
  for (;;) {
    if (pos_ >= size_) return false;
    const char c = data_[pos_++];
    if (c == '"') {
      if (pos_ < size_ && data_[pos_] == '"') {
        cell += '"';
        ++pos_;
        continue;
      }
      return true;
    }
    if (c == '\n') ++line_;
    cell += c;
  }
}

CsvReader::Result CsvReader::Next(CsvRow& row) {
  if (pos_ >= size_) return kEnd;
  row.begin = pos_;
  row.line = line_;
  row.cells.assign(1, std::string());
  size_t cellStart = pos_;
  for (;;) {
    if (pos_ >= size_) {
      row.contentEnd = row.end = size_;
      return kRow;
    }
    const char c = data_[pos_];
    if (c == '\n' || (c == '\r' && pos_ + 1 < size_ && data_[pos_ + 1] == '\n')) {
      row.contentEnd = pos_;
      pos_ += c == '\r' ? 2 : 1;
      row.end = pos_;
      ++line_;
      return kRow;
    }
    ++pos_;
    if (c == ',') {
      row.cells.emplace_back();
      cellStart = pos_;
    } else if (c == '"' && pos_ - 1 == cellStart) {
      if (!ReadQuoted(row.cells.back())) return kUnclosedQuote;
    } else {
      row.cells.back() += c;
    }
  }
}

}  // namespace lists
