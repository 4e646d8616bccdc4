#include "settings/registry_settings.h"

#include <commctrl.h>

#include <string>

#include "win32/buffer_sizes.h"
#include "win32/form_controls.h"

namespace kuranto::settings {

namespace {

constexpr char kWidthKey[] = "Width";
constexpr char kOfficeWidthKey[] = "Width2";
constexpr char kSizeKey[] = "Size";
constexpr char kSettingKey[] = "Setting";
// The 住所から郵便番号 dialog's place, under kSizeKey.
constexpr char kDialogXName[] = "ResolveX";
constexpr char kDialogYName[] = "ResolveY";

std::string ColumnName(size_t column) { return "Column" + std::to_string(column); }

void LoadColumnWidths(const SettingsKey& key, const char* subkey, const ListColumns& columns) {
  // Without the key every column takes its default.
  const SettingsSection section = SettingsSection::Open(key, subkey);
  for (size_t i = 0; i < columns.defaultWidths.size(); ++i) {
    DWORD width = static_cast<DWORD>(columns.defaultWidths[i]);
    if (section.IsOpen()) section.ReadNumber(ColumnName(i).c_str(), width);
    SendMessageA(columns.list, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(LOWORD(width), 0));
  }
}

void SaveColumnWidths(const SettingsKey& key, const char* subkey, const ListColumns& columns) {
  const SettingsSection section = SettingsSection::Create(key, subkey);
  for (size_t i = 0; i < columns.defaultWidths.size(); ++i) {
    const LRESULT width = SendMessageA(columns.list, LVM_GETCOLUMNWIDTH, i, 0);
    section.WriteNumber(ColumnName(i).c_str(), static_cast<DWORD>(width));
  }
}

// Selects the first item that begins with the stored text; a text that
// begins no item leaves the list without a selection.
void SelectStoredItem(const SettingsSection& section, const char* name, HWND combo) {
  std::string text;
  if (!section.ReadText(name, text)) return;
  const LRESULT found =
      SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void LoadSettingKey(const SettingsKey& key, const SettingsWindows& windows, StoredSettings& settings) {
  const SettingsSection section = SettingsSection::Open(key, kSettingKey);
  if (!section.IsOpen()) {
    settings.fontSizeIndex = kDefaultFontType;
    settings.hyphen = false;
    settings.hiragana = false;
    return;
  }
  DWORD number = 0;
  settings.hyphen = section.ReadNumber("Bar", number) && number != 0;
  number = 0;
  settings.hiragana = section.ReadNumber("Zenkaku", number) && number != 0;
  const struct {
    const char* name;
    bool* value;
  } choices[] = {{"ListCopyParts", &settings.copyParts},
                 {"ListCopyBarcode", &settings.copyBarcode},
                 {"ListCopyDuplicates", &settings.copyDuplicates},
                 {"CsvBarcode", &settings.csvBarcode},
                 {"CsvSplit", &settings.csvSplit}};
  for (const auto& choice : choices) {
    number = 0;
    *choice.value = section.ReadNumber(choice.name, number) && number != 0;
  }
  number = kDefaultFontType;
  section.ReadNumber("FontType", number);
  settings.fontSizeIndex = static_cast<int>(number);
  section.ReadText("Line1", settings.addressTemplate);
  section.ReadText("Line2", settings.officeTemplate);
  section.ReadText("Time", settings.storedDate);
  SelectStoredItem(section, "Pg1Com1", windows.numberKind);
  SelectStoredItem(section, "Pg1Com2", windows.charWidth);
}

// The checked mode button's index, or the stored value when none is checked.
int CheckedRadio(const SettingsWindows& windows, int stored) {
  int radio = stored;
  for (int i = 0; i < 3; ++i) {
    if (IsChecked(windows.radios[i])) radio = i;
  }
  return radio;
}

}  // namespace

WindowRect LoadWindowRect(const SettingsKey& key) {
  WindowRect rect;
  const SettingsSection section = SettingsSection::Open(key, kSizeKey);
  const struct {
    const char* name;
    int* value;
  } values[] = {{"x", &rect.x}, {"y", &rect.y}, {"width", &rect.width}, {"height", &rect.height}};
  for (const auto& v : values) {
    DWORD number = 0;
    if (section.ReadNumber(v.name, number)) *v.value = static_cast<int>(number);
  }
  return rect;
}

void LoadSettings(const SettingsKey& key, const SettingsWindows& windows, StoredSettings& settings) {
  const SettingsSection size = SettingsSection::Open(key, kSizeKey);
  if (size.IsOpen()) {
    DWORD number = 0;
    size.ReadNumber("radio", number);
    settings.radio = static_cast<int>(number);
    number = BST_UNCHECKED;
    size.ReadNumber("Page1Check1", number);
    SendMessageA(windows.checkIme, BM_SETCHECK, number, 0);
    DWORD x = 0, y = 0;
    if (size.ReadNumber(kDialogXName, x) && size.ReadNumber(kDialogYName, y)) {
      // Stored as DWORDs: a place left of or above the primary screen is negative.
      settings.addressDialog = {true, static_cast<int>(x), static_cast<int>(y)};
    }
  }

  LoadSettingKey(key, windows, settings);
}

void LoadColumnWidths(const SettingsKey& key, const SettingsWindows& windows) {
  LoadColumnWidths(key, kWidthKey, windows.addressList);
  LoadColumnWidths(key, kOfficeWidthKey, windows.officeList);
}

void LoadPrefectureSetting(const SettingsKey& key, HWND prefecture) {
  const SettingsSection section = SettingsSection::Open(key, kSettingKey);
  SelectStoredItem(section, "ken", prefecture);
}

void SaveSettings(const SettingsKey& key, const SettingsWindows& windows, const StoredSettings& settings) {
  SaveColumnWidths(key, kWidthKey, windows.addressList);
  SaveColumnWidths(key, kOfficeWidthKey, windows.officeList);

  RECT rect = {};
  GetWindowRect(windows.mainWindow, &rect);
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(windows.mainWindow, &placement);
  {
    const SettingsSection size = SettingsSection::Create(key, kSizeKey);
    // A minimised or maximised window's rectangle is not the one to restore.
    if (placement.showCmd == SW_SHOWNORMAL) {
      size.WriteNumber("x", static_cast<DWORD>(rect.left));
      size.WriteNumber("y", static_cast<DWORD>(rect.top));
      size.WriteNumber("width", static_cast<DWORD>(rect.right - rect.left));
      size.WriteNumber("height", static_cast<DWORD>(rect.bottom - rect.top));
    }
    size.WriteNumber("radio", static_cast<DWORD>(CheckedRadio(windows, settings.radio)));
    size.WriteNumber("Page1Check1", static_cast<DWORD>(SendMessageA(windows.checkIme, BM_GETCHECK, 0, 0)));
    if (settings.addressDialog.stored) {
      size.WriteNumber(kDialogXName, static_cast<DWORD>(settings.addressDialog.x));
      size.WriteNumber(kDialogYName, static_cast<DWORD>(settings.addressDialog.y));
    }
  }

  const SettingsSection setting = SettingsSection::Create(key, kSettingKey);
  setting.WriteNumber("Bar", settings.hyphen ? 1 : 0);
  setting.WriteNumber("Zenkaku", settings.hiragana ? 1 : 0);
  setting.WriteNumber("ListCopyParts", settings.copyParts ? 1 : 0);
  setting.WriteNumber("ListCopyBarcode", settings.copyBarcode ? 1 : 0);
  setting.WriteNumber("ListCopyDuplicates", settings.copyDuplicates ? 1 : 0);
  setting.WriteNumber("CsvBarcode", settings.csvBarcode ? 1 : 0);
  setting.WriteNumber("CsvSplit", settings.csvSplit ? 1 : 0);
  setting.WriteText("Line1", settings.addressTemplate);
  setting.WriteText("Line2", settings.officeTemplate);
  setting.WriteText("Time", settings.currentDate);
  setting.WriteNumber("FontType", static_cast<DWORD>(settings.fontSizeIndex));
  setting.WriteText("Pg1Com1", TextOf(windows.numberKind, kSettingBytes));
  setting.WriteText("Pg1Com2", TextOf(windows.charWidth, kSettingBytes));
  setting.WriteText("ken", TextOf(windows.prefecture, kSettingBytes));
}

}  // namespace kuranto::settings
