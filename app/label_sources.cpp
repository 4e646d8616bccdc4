#include "app/label_sources.h"

#include <string>
#include <vector>

#include "app/label_print_dialog.h"
#include "app/label_texts.h"
#include "app/texts.h"
#include "datafiles/file_access.h"
#include "encoding/text_encoding.h"
#include "lists/csv_encoding.h"
#include "lists/csv_reader.h"
#include "lists/list_form.h"
#include "win32/format_text.h"

namespace kuranto {

namespace {

std::string Utf8OfCp932(const std::string& cp932) {
  std::string utf8;
  return encoding::Cp932ToUtf8(cp932, utf8) ? utf8 : std::string();
}

// The rows of `text` (UTF-8 or cp932 as `encoding` says) from `start`.
bool ReadRows(const std::string& text, lists::CsvEncoding encoding, char separator, bool header, LabelSource& source) {
  lists::CsvReader reader(text.data(), text.size(), lists::BomLength(encoding), 1, separator);
  lists::CsvRow row;
  bool first = true;
  for (;;) {
    const lists::CsvReader::Result read = reader.Next(row);
    if (read == lists::CsvReader::kUnclosedQuote) return false;
    if (read == lists::CsvReader::kEnd) return true;
    if (row.contentEnd == row.begin) continue;
    std::vector<std::string> cp932, utf8;
    for (const std::string& cell : row.cells) {
      cp932.push_back(lists::CellAsCp932(cell, encoding));
      utf8.push_back(lists::IsUtf8(encoding) ? cell : Utf8OfCp932(cell));
    }
    if (first) source.columnNames = cp932;
    const bool skip = first && header;
    first = false;
    if (skip) continue;
    source.lines.push_back(row.line);
    source.cp932.push_back(std::move(cp932));
    source.utf8.push_back(std::move(utf8));
  }
}

}  // namespace

void PrintCsvFileLabels(HWND owner, AppState& app, const std::string& path, const lists::CsvColumns& columns) {
  std::string raw;
  LabelSource source;
  bool read = datafiles::ReadSmallFile(path, raw);
  if (read) {
    // The whole file as its head: UTF-16 comes back as UTF-8.
    const lists::ListHead whole = lists::ReadListHead(raw, false);
    const lists::EncodingDecision encoding = lists::DecideEncoding(whole.text.data(), whole.text.size(), 1,
                                                                   lists::SampleEnd::kWholeLine);
    read = whole.start == lists::ListStart::kText && encoding.decided &&
           ReadRows(whole.text, encoding.encoding, whole.separator, columns.header, source);
  }
  if (!read) {
    ShowMessage(owner, FormatText(texts::kCsvCannotReadFormat, path.c_str()).c_str(), label_texts::kReportCaption,
                MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  source.title = path;
  source.address = columns.address;
  source.code = columns.code;
  source.company = columns.name;
  ShowLabelPrintDialog(owner, app, source);
}

void PrintPastedLabels(HWND owner, AppState& app, const std::string& text) {
  LabelSource source;
  size_t begin = 0;
  long line = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string row = text.substr(begin, end - begin);
    begin = end + 1;
    ++line;
    if (!row.empty() && row.back() == '\r') row.pop_back();
    if (row.empty()) continue;
    std::vector<std::string> cp932, utf8;
    size_t cell = 0;
    for (;;) {
      const size_t tab = row.find('\t', cell);
      cp932.push_back(row.substr(cell, tab == std::string::npos ? std::string::npos : tab - cell));
      utf8.push_back(Utf8OfCp932(cp932.back()));
      if (tab == std::string::npos) break;
      cell = tab + 1;
    }
    if (source.columnNames.empty()) source.columnNames = cp932;
    source.lines.push_back(line);
    source.cp932.push_back(std::move(cp932));
    source.utf8.push_back(std::move(utf8));
  }
  source.title = FormatText(label_texts::kAddressListSource, static_cast<unsigned long>(source.cp932.size()));
  ShowLabelPrintDialog(owner, app, source);
}

}  // namespace kuranto
