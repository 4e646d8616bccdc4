#include "app/label_sources.h"

#include <string>
#include <vector>

#include "app/label_print_dialog.h"
#include "app/label_texts.h"
#include "lists/csv_input.h"
#include "win32/format_text.h"

namespace kuranto {

namespace {

std::vector<std::string> SplitAtTabs(const std::string& row) {
  std::vector<std::string> cells;
  size_t begin = 0;
  for (;;) {
    const size_t tab = row.find('\t', begin);
    cells.push_back(row.substr(begin, tab == std::string::npos ? std::string::npos : tab - begin));
    if (tab == std::string::npos) return cells;
    begin = tab + 1;
  }
}

}  // namespace

bool MakeSourceLabels(const resolver::AddressBook& book, const LabelSource& source, const lists::LabelColumns& columns,
                      std::vector<labels::Label>& made, lists::CsvResult& refused) {
  made.clear();
  if (!source.path.empty()) {
    lists::FileInput input(source.path);
    lists::LabelList list = lists::ReadLabelList(book, input, columns, [](uint64_t, uint64_t) { return true; });
    refused = list.result;
    made = std::move(list.labels);
    return list.result.outcome == lists::CsvOutcome::kDone;
  }
  lists::LabelMaker maker(book, columns, lists::CsvEncoding::kCp932);
  for (size_t i = 0; i < source.pasted.size(); ++i) {
    lists::LabelCells row;
    // A pasted row without an address (a blank line among them) makes no label.
    const long line = static_cast<long>(i + 1);
    if (!lists::TakeLabelCells(source.pasted[i], line, columns, row) || row.address.empty()) continue;
    labels::Label label;
    maker.Make(row, label);
    made.push_back(std::move(label));
  }
  return true;
}

void PrintCsvFileLabels(HWND owner, AppState& app, const std::string& path, const std::vector<std::string>& firstRow,
                        const lists::CsvColumns& columns) {
  LabelSource source;
  source.title = path;
  source.path = path;
  source.columnNames = firstRow;
  source.columns = lists::LabelColumnsOf(columns, firstRow);
  ShowLabelPrintDialog(owner, app, source);
}

void PrintPastedLabels(HWND owner, AppState& app, const std::string& text) {
  LabelSource source;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string row = text.substr(begin, end - begin);
    begin = end + 1;
    if (!row.empty() && row.back() == '\r') row.pop_back();
    source.pasted.push_back(row.empty() ? std::vector<std::string>() : SplitAtTabs(row));
    if (source.columnNames.empty()) source.columnNames = source.pasted.back();
  }
  source.title = FormatText(label_texts::kAddressListSource, static_cast<unsigned long>(source.pasted.size()));
  ShowLabelPrintDialog(owner, app, source);
}

}  // namespace kuranto
