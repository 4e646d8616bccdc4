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

settings::StoredSettings StoredSettingsOf(const Settings& s) {
  settings::StoredSettings stored;
  stored.hyphen = s.hyphen;
  stored.hiragana = s.hiragana;
  stored.addressTemplate = s.addressTemplate;
  stored.officeTemplate = s.officeTemplate;
  stored.fontSizeIndex = s.fontSizeIndex;
  stored.radio = s.searchMode != postal::SearchMode::kNone ? postal::RadioIndexOf(s.searchMode) : s.radioSetting;
  stored.storedDate = s.storedDate;
  stored.currentDate = s.currentDate;
  return stored;
}

}  // namespace

void SetSettingsKeyOverride(const std::string& path) { g_keyOverride = path; }

WindowRect LoadWindowRect() { return settings::LoadWindowRect(KeyInUse()); }

void LoadSettings() {
  Settings& s = g_app.settings;
  settings::StoredSettings stored = StoredSettingsOf(s);
  settings::LoadSettings(KeyInUse(), SettingsWindowsOf(g_app.controls), stored);
  s.hyphen = stored.hyphen;
  s.hiragana = stored.hiragana;
  s.addressTemplate = stored.addressTemplate;
  s.officeTemplate = stored.officeTemplate;
  s.fontSizeIndex = stored.fontSizeIndex;
  s.radioSetting = stored.radio;
  s.searchMode = postal::SearchModeFromRadioIndex(stored.radio);
  s.storedDate = stored.storedDate;
}

void LoadPrefectureSetting() { settings::LoadPrefectureSetting(KeyInUse(), g_app.controls.prefecture); }

void SaveSettings() {
  settings::SaveSettings(KeyInUse(), SettingsWindowsOf(g_app.controls), StoredSettingsOf(g_app.settings));
}

void ShowSettings(HWND window) {
  Settings& s = g_app.settings;
  settings::ShowSettingsSheet(window, {s.hyphen, s.hiragana, s.addressTemplate, s.officeTemplate});
}

}  // namespace kuranto
