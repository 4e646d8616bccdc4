#include "app/shell.h"

namespace kuranto {

// The registry settings are not read or written yet: every start begins
// with the defaults, and an empty stored date rebuilds the index files.

WindowRect LoadWindowRect() { return WindowRect{}; }

void LoadSettings() {}

void LoadPrefectureSetting() {}

void SaveSettings() {}

}  // namespace kuranto
