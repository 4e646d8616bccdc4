// office `office` of app.book in the office page, its
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

// row selected, and its code in the status bar.
void ShowOfficeAnswer(HWND window, AppState& app, size_t office);

}  // namespace kuranto
