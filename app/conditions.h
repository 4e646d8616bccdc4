// registering the form as a saved condition and restoring it.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

void RegisterCondition(const Controls& controls);
void RestoreSelectedCondition(HWND window, const AppState& app);

}  // namespace kuranto
