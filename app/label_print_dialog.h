// 宛名ラベルの印刷: a list's labels with the stock, honorific, order, start
// position and printer offset chosen, the page previewed as it prints, and
// 印刷 and テスト印刷 through the printer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"

namespace kuranto {

// The rows labels are made of: a CSV file's, or a pasted column's.
struct LabelSource {
  std::string title;                     // cp932: the file's path, or what was pasted
  std::vector<std::string> columnNames;  // cp932: the first row's cells, for the column lists
  std::vector<long> lines;               // each row's line in the list
  std::vector<std::vector<std::string>> cp932, utf8;  // each row's cells, both ways
  // 1-based columns; 0: none. The rows without an address cell are left out.
  size_t address = 1, code = 0, name = 0, company = 0, building = 0;
};

void ShowLabelPrintDialog(HWND owner, AppState& app, const LabelSource& source);

}  // namespace kuranto
