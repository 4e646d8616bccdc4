// The registry settings and the settings sheet, over the shell's state.
#include "app/app_state.h"
#include "app/child_controls.h"
#include "app/settings_load.h"
#include "settings/registry_settings.h"
#include "settings/settings_sheet.h"

namespace kuranto {

namespace {

std::string g_keyOverride;

settings::SettingsKey KeyInUse() {
  settings::SettingsKey key;
  if (!g_keyOverride.empty()) key.path = g_keyOverride;
  return key;
}

// `font`: the lists' font that their default widths fit, nullptr for the
// program's own widths.
settings::SettingsWindows SettingsWindowsOf(const Controls& c, HFONT font = nullptr,
                                            const postal::DisplayFlags& flags = {}) {
  settings::SettingsWindows windows;
  windows.mainWindow = GetParent(c.search);
  windows.addressList = {c.addressList, DefaultColumnWidths(c, c.addressList, font, flags)};
  windows.officeList = {c.officeList, DefaultColumnWidths(c, c.officeList, font, flags)};
  windows.radios[0] = c.radioNumber;
  windows.radios[1] = c.radioPlace;
  windows.radios[2] = c.radioFuzzy;
  windows.checkIme = c.checkIme;
  windows.numberKind = c.numberKind;
  windows.charWidth = c.charWidth;
  windows.prefecture = c.prefecture;
  return windows;
}

}  // namespace

void SetSettingsKeyOverride(const std::string& path) { g_keyOverride = path; }

settings::SettingsKey SettingsKeyInUse() { return KeyInUse(); }

WindowRect LoadWindowRect() { return settings::LoadWindowRect(KeyInUse()); }

void LoadSettings(const Controls& controls, Settings& settings) {
  settings::LoadSettings(KeyInUse(), SettingsWindowsOf(controls), settings);
  settings.searchMode = postal::SearchModeFromRadioIndex(settings.radio);
}

void LoadColumnWidths(const Controls& controls, const Settings& settings, HFONT font) {
  settings::LoadColumnWidths(KeyInUse(), SettingsWindowsOf(controls, font, DisplayFlagsOf(settings)));
}

void LoadPrefectureSetting(const Controls& controls) {
  settings::LoadPrefectureSetting(KeyInUse(), controls.prefecture);
}

void SaveSettings(const Controls& controls, const Settings& settings) {
  // The checked mode button is saved as "radio"; with none checked, the
  // stored value goes back unchanged.
  settings::SaveSettings(KeyInUse(), SettingsWindowsOf(controls), settings);
}

void ShowSettings(HWND window, Settings& s) {
  settings::ShowSettingsSheet(window, {s.hyphen, s.hiragana, s.addressTemplate, s.officeTemplate});
}

}  // namespace kuranto
