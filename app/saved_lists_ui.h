// the conditions list and the record list on disk.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

void LoadSavedLists(const Controls& controls, const datafiles::FileSet& files);
// Rewrites both files. A file that cannot be written is named in a "報告"
// box owned by `window`, and its old file stays as it was.
void SaveSavedLists(HWND window, const Controls& controls, const datafiles::FileSet& files);

}  // namespace kuranto
