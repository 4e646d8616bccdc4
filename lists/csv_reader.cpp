#include "lists/csv_reader.h"

#include <algorithm>
#include <cstring>

namespace lists {

namespace {

// The row's next cell, emptied; the strings of earlier rows keep their room.
std::string& NextCell(CsvRow& row, size_t& used) {
  if (used == row.cells.size()) row.cells.emplace_back();
  std::string& cell = row.cells[used++];
  cell.clear();
  return cell;
}

}  // namespace

CsvReader::CsvReader(const char* data, size_t size, size_t start, long line, char separator)
    : data_(data), size_(size), pos_(start), line_(line), separator_(separator) {}

// Past the opening quote; stops after the closing one. A quote that is not
// doubled closes the cell even when more text follows it: that text is kept
// as the cell goes on, as spreadsheets read such a cell.
bool CsvReader::ReadQuoted(std::string& cell) {
  for (;;) {
    const char* from = data_ + pos_;
    const auto* quote = static_cast<const char*>(std::memchr(from, '"', size_ - pos_));
    if (quote == nullptr) return false;
    line_ += static_cast<long>(std::count(from, quote, '\n'));
    cell.append(from, quote);
    pos_ = static_cast<size_t>(quote - data_) + 1;
    if (pos_ < size_ && data_[pos_] == '"') {
      cell += '"';
      ++pos_;
      continue;
    }
    return true;
  }
}

CsvReader::Result CsvReader::Next(CsvRow& row) {
  if (pos_ >= size_) return kEnd;
  row.begin = pos_;
  row.line = line_;
  size_t used = 0;
  std::string* cell = &NextCell(row, used);
  size_t cellStart = pos_;
  for (;;) {
    if (pos_ >= size_) {
      row.contentEnd = row.end = size_;
      break;
    }
    const char c = data_[pos_];
    if (c == '\n' || (c == '\r' && pos_ + 1 < size_ && data_[pos_ + 1] == '\n')) {
      row.contentEnd = pos_;
      pos_ += c == '\r' ? 2 : 1;
      row.end = pos_;
      ++line_;
      break;
    }
    ++pos_;
    if (c == separator_) {
      cell = &NextCell(row, used);
      cellStart = pos_;
    } else if (c == '"' && pos_ - 1 == cellStart) {
      if (!ReadQuoted(*cell)) {
        row.cells.resize(used);
        return kUnclosedQuote;
      }
    } else {
      *cell += c;
    }
  }
  row.cells.resize(used);
  return kRow;
}

}  // namespace lists
