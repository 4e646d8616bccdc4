// Where labels come from: a CSV file with the columns chosen in the columns
// dialog, or the rows pasted into 住所の一覧から郵便番号. Each opens the
// label dialog over its rows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "lists/csv_annotate.h"

namespace kuranto {

// The file's rows with `columns` as chosen in the columns dialog (its name
// column the company's, or a person's under such a header: lists::LabelColumnsOf);
// `firstRow` (cp932) names the columns.
void PrintCsvFileLabels(HWND owner, AppState& app, const std::string& path, const std::vector<std::string>& firstRow,
                        const lists::CsvColumns& columns);

// Pasted rows (cp932, one a line): the address first, then cells after tabs
// that the dialog may take as the name, company or building.
void PrintPastedLabels(HWND owner, AppState& app, const std::string& text);

}  // namespace kuranto
