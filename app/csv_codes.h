// the CSV ファイルに郵便番号を付ける command.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

void AddCodesToCsvFile(HWND window, AppState& app);

}  // namespace kuranto
