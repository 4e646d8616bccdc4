// the registry settings and the settings sheet.
#pragma once

#include <windows.h>

#include <string>

#include "app/app_state.h"

namespace kuranto {

using settings::WindowRect;
WindowRect LoadWindowRect();
void LoadSettings(const Controls& controls, Settings& settings);
// The result lists' stored column widths; a column without one starts wide
// enough for its codes (or a few kana) in `font`, the lists' font.
void LoadColumnWidths(const Controls& controls, const Settings& settings, HFONT font);
void LoadPrefectureSetting(const Controls& controls);
void SaveSettings(const Controls& controls, const Settings& settings);
void ShowSettings(HWND window, Settings& settings);
// Where the settings are read and written: the program's key or the test's.
settings::SettingsKey SettingsKeyInUse();
// The settings key below HKEY_CURRENT_USER, for tests; "" for the program's own.
void SetSettingsKeyOverride(const std::string& path);

}  // namespace kuranto
