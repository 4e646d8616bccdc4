// The registry settings and the settings sheet, over the shell's state.
#include "app/shell.h"
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

settings::SettingsWindows SettingsWindowsOf(const Controls& c) {
  settings::SettingsWindows windows;
  windows.mainWindow = GetParent(c.search);
  windows.addressList = {c.addressList, DefaultColumnWidths(c.addressList)};
  windows.officeList = {c.officeList, DefaultColumnWidths(c.officeList)};
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

WindowRect LoadWindowRect() { return settings::LoadWindowRect(KeyInUse()); }

void LoadSettings() {
  Settings& s = g_app.settings;
  settings::LoadSettings(KeyInUse(), SettingsWindowsOf(g_app.controls), s);
  s.searchMode = postal::SearchModeFromRadioIndex(s.radio);
}

void LoadPrefectureSetting() { settings::LoadPrefectureSetting(KeyInUse(), g_app.controls.prefecture); }

void SaveSettings() {
  // The checked mode button is saved as "radio"; with none checked, the
  // stored value goes back unchanged.
  settings::SaveSettings(KeyInUse(), SettingsWindowsOf(g_app.controls), g_app.settings);
}

void ShowSettings(HWND window) {
  Settings& s = g_app.settings;
  settings::ShowSettingsSheet(window, {s.hyphen, s.hiragana, s.addressTemplate, s.officeTemplate});
}

}  // namespace kuranto
