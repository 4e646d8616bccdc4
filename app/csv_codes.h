// the CSV ファイルに郵便番号を付ける command.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

void AddCodesToCsvFile(HWND window, AppState& app);
// 宛名ラベルの印刷 of the menu: the same file and columns dialog, ラベルを印刷 its default button.
void PrintCsvLabels(HWND window, AppState& app);

}  // namespace kuranto
