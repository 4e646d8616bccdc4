// 宛名ラベルの印刷: a list's labels with the stock, honorific, order, start
// position and printer offset chosen, the page previewed as it prints, and
// 印刷 and テスト印刷 through the printer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "labels/label.h"
#include "lists/label_list.h"

namespace kuranto {

// The rows labels are made of: a CSV file's, read again whenever the
// columns change, or a pasted column's, cells split at tabs.
struct LabelSource {
  std::string title;                     // cp932: the file's path, or what was pasted
  std::vector<std::string> columnNames;  // cp932: the first row's cells, for the column lists
  std::string path;                      // the CSV file; "" for pasted rows
  std::vector<std::vector<std::string>> pasted;  // cp932: each pasted row's cells ({} for an empty row)
  lists::LabelColumns columns;           // the columns chosen before the dialog opens
};

// The labels of `source` with `columns`; false, and `refused` telling why,
// when the file is refused.
bool MakeSourceLabels(const resolver::AddressBook& book, const LabelSource& source, const lists::LabelColumns& columns,
                      std::vector<labels::Label>& made, lists::CsvResult& refused);

void ShowLabelPrintDialog(HWND owner, AppState& app, const LabelSource& source);

}  // namespace kuranto
