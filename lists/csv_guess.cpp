#include "lists/csv_guess.h"

#include <string>
#include <vector>

#include "postal/number_text.h"
#include "lists/csv_encoding.h"
#include "lists/csv_reader.h"
#include "lists/csv_survey.h"
#include "lists/list_form.h"
#include "lists/list_words.h"
#include "resolver/normalize.h"

namespace lists {

namespace {

constexpr size_t kCodeDigits = 7;

// The first rows' cells as cp932; a row that never closes its quote ends the sample.
std::vector<std::vector<std::string>> SampleRows(const char* data, size_t size) {
  const CsvEncoding encoding = DecideHeadEncoding(data, size).encoding;
  CsvReader reader(data, size, BomLength(encoding), 1, DecideSeparator(data, size));
  CsvRow row;
  std::vector<std::vector<std::string>> rows;
  while (rows.size() < kGuessRows && reader.Next(row) == CsvReader::kRow) {
    if (row.contentEnd == row.begin) continue;
    for (std::string& cell : row.cells) cell = CellAsCp932(cell, encoding);
    rows.push_back(row.cells);
  }
  return rows;
}

bool Resolves(resolver::Resolver& resolver, const std::vector<std::string>& cells, size_t column,
              resolver::Resolution& scratch) {
  if (column < 1 || column > cells.size()) return false;
  resolver.Resolve(cells[column - 1], scratch);
  return scratch.status != resolver::Status::kNone;
}

bool IsCode(const std::string& cell) {
  std::string digits;
  for (char c : postal::NormalizeNumberText(cell)) {
    if (c >= '0' && c <= '9') {
      digits += c;
    } else if (c != '-' && c != ' ') {
      return false;
    }
  }
  return digits.size() == kCodeDigits;
}

size_t Widest(const std::vector<std::vector<std::string>>& rows) {
  size_t widest = 0;
  for (const auto& cells : rows) widest = cells.size() > widest ? cells.size() : widest;
  return widest;
}

}  // namespace

size_t GuessAddressColumn(const resolver::AddressBook& book, const char* data, size_t size) {
  const auto rows = SampleRows(data, size);
  resolver::Resolver resolver(book);
  resolver::Resolution scratch;
  size_t best = 0, bestCount = 0;
  for (size_t column = 1; column <= Widest(rows); ++column) {
    size_t count = 0;
    for (const auto& cells : rows) count += Resolves(resolver, cells, column, scratch) ? 1 : 0;
    if (count > bestCount) {
      best = column;
      bestCount = count;
    }
  }
  return best;
}

size_t GuessCodeColumn(const char* data, size_t size) {
  const auto rows = SampleRows(data, size);
  size_t best = 0, bestCount = 0;
  for (size_t column = 1; column <= Widest(rows); ++column) {
    size_t count = 0;
    for (const auto& cells : rows) count += column <= cells.size() && IsCode(cells[column - 1]) ? 1 : 0;
    if (count > bestCount && count * 2 >= rows.size()) {
      best = column;
      bestCount = count;
    }
  }
  return best;
}

size_t GuessNameColumn(const char* data, size_t size) {
  const auto rows = SampleRows(data, size);
  if (rows.empty()) return 0;
  std::string cell;
  for (size_t column = 1; column <= rows[0].size(); ++column) {
    resolver::NormalizeText(rows[0][column - 1], cell);
    for (const char* header : kNameHeaders) {
      if (cell == header) return column;
    }
  }
  return 0;
}

bool IsPersonNameHeader(const std::string& cell) {
  std::string normalized;
  resolver::NormalizeText(cell, normalized);
  for (const char* header : kPersonNameHeaders) {
    if (normalized == header) return true;
  }
  return false;
}

bool GuessHeaderRow(const resolver::AddressBook& book, const char* data, size_t size, size_t addressColumn) {
  const auto rows = SampleRows(data, size);
  if (rows.size() < 2) return false;
  resolver::Resolver resolver(book);
  resolver::Resolution scratch;
  if (Resolves(resolver, rows[0], addressColumn, scratch)) return false;
  size_t resolved = 0;
  for (size_t i = 1; i < rows.size(); ++i) resolved += Resolves(resolver, rows[i], addressColumn, scratch) ? 1 : 0;
  return resolved * 2 > rows.size() - 1;
}

bool GuessCodesWithoutAddresses(const resolver::AddressBook& book, const char* data, size_t size) {
  if (GuessCodeColumn(data, size) == 0) return false;
  const auto rows = SampleRows(data, size);
  resolver::Resolver resolver(book);
  resolver::Resolution scratch;
  for (size_t column = 1; column <= Widest(rows); ++column) {
    size_t count = 0;
    for (const auto& cells : rows) count += Resolves(resolver, cells, column, scratch) ? 1 : 0;
    if (count * 2 >= rows.size()) return false;
  }
  return true;
}

bool GuessCodeHeaderRow(const char* data, size_t size, size_t codeColumn) {
  const auto rows = SampleRows(data, size);
  const auto isCode = [codeColumn](const std::vector<std::string>& cells) {
    return codeColumn >= 1 && codeColumn <= cells.size() && IsCode(cells[codeColumn - 1]);
  };
  if (rows.size() < 2 || isCode(rows[0])) return false;
  size_t codes = 0;
  for (size_t i = 1; i < rows.size(); ++i) codes += isCode(rows[i]) ? 1 : 0;
  return codes * 2 >= rows.size() - 1;
}

}  // namespace lists
