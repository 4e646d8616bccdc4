// the start-up data check with its build dialogs; with no
#pragma once

#include <windows.h>

#include <functional>

#include "app/app_state.h"

namespace kuranto {

// data to search it tells the user and posts the quit.
void RunStartupDataCheck(HWND window, AppState& app);
// The data-build dialog ("IDD_DIALOG5") around any long work at start.
void RunBuildDialog(HWND owner, const char* startingText, const char* runningText,
                    const std::function<void(const datafiles::BuildProgress&)>& work);

}  // namespace kuranto
