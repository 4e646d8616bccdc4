// Where labels come from: a CSV file with the columns chosen in the columns
// dialog, or the rows pasted into 住所の一覧から郵便番号. Each opens the
// label dialog over its rows.
#pragma once

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "lists/csv_annotate.h"

namespace kuranto {

// The whole file read again as rows; `columns` as chosen (the name column
// taken as the company's). A file that cannot be read is told.
void PrintCsvFileLabels(HWND owner, AppState& app, const std::string& path, const lists::CsvColumns& columns);

// Pasted rows (cp932, one a line): the address first, then cells after tabs
// that the dialog may take as the name, company or building.
void PrintPastedLabels(HWND owner, AppState& app, const std::string& text);

}  // namespace kuranto
