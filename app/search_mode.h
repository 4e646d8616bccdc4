// the mode radio buttons and the form they enable.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

// The checked mode, kNone when no radio button is checked.
postal::SearchMode CheckedSearchMode(const Controls& controls);
// Enables the form's controls for `mode` (the checked one by default); kNone
// leaves them as they are.
void ApplyModeEnabling(const Controls& controls, postal::SearchMode mode);
void ApplyModeEnabling(const Controls& controls);
// Checks the radio button of `mode` and enables its part of the form.
void CheckModeRadio(HWND window, const Controls& controls, postal::SearchMode mode);

}  // namespace kuranto
