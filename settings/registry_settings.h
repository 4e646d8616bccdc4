// The user's settings in the registry: read at start-up in three steps and
// written all together at exit. The caller hands over the values it keeps
// in memory and the windows whose own state is kept (column widths, the IME
// check box, the lists' selections). Texts are cp932.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "postal/templates.h"
#include "settings/registry_store.h"

namespace kuranto::settings {

// The font-size index when "FontType" is missing.
constexpr int kDefaultFontType = 3;

// The main window's outer rectangle in screen pixels.
struct WindowRect {
  int x = 100, y = 100, width = 600, height = 400;
};

// Where a dialog was when it last closed, in screen pixels.
struct DialogPlace {
  bool stored = false;  // false: never closed yet, the dialog finds its own place
  int x = 0, y = 0;
};

// The settings kept in memory between start-up and exit.
struct StoredSettings {
  bool hyphen = false;    // "Bar"
  bool hiragana = false;  // "Zenkaku"
  std::string addressTemplate = postal::kDefaultAddressTemplate;  // "Line1"
  std::string officeTemplate = postal::kDefaultOfficeTemplate;    // "Line2"
  int fontSizeIndex = kDefaultFontType;                           // "FontType", as stored
  // "radio" as stored. It may name no radio button (outside 0..2); it is
  // then written back unchanged while no button is checked.
  int radio = 0;
  // 住所の一覧から郵便番号's すべてコピー adds the address's seven parts.
  bool copyParts = false;  // "ListCopyParts"
  bool copyBarcode = false;  // "ListCopyBarcode": its バーコードも
  bool copyDuplicates = false;  // "ListCopyDuplicates": its 重複も
  // CSV ファイルに郵便番号を付ける's columns dialog: the barcode and the parts added.
  bool csvBarcode = false;  // "CsvBarcode"
  bool csvSplit = false;    // "CsvSplit"
  DialogPlace addressDialog;  // 住所から郵便番号: "Size" "ResolveX", "ResolveY"
  std::string storedDate;   // "Time" as read at start-up
  std::string currentDate;  // written as "Time" at exit
};

// A result list and its columns' default widths, in column order.
struct ListColumns {
  HWND list = nullptr;
  std::vector<int> defaultWidths;
};

// The windows whose state the settings read or fill.
struct SettingsWindows {
  HWND mainWindow = nullptr;
  ListColumns addressList;  // "Width"
  ListColumns officeList;   // "Width2"
  HWND radios[3] = {};      // number, location, fuzzy: "radio" 0..2
  HWND checkIme = nullptr;  // "Page1Check1"
  HWND numberKind = nullptr;  // "Pg1Com1"
  HWND charWidth = nullptr;   // "Pg1Com2"
  HWND prefecture = nullptr;  // "ken"
};

// The saved rectangle; each missing value takes its default.
WindowRect LoadWindowRect(const SettingsKey& key);

// The saved mode and IME check box, the Setting values and the number-kind
// and character-width selections. Values that are missing leave `settings`
// as the caller filled it, except those whose default the registry table
// fixes.
void LoadSettings(const SettingsKey& key, const SettingsWindows& windows, StoredSettings& settings);

// The result lists' column widths: each stored one, else its default from
// `windows` (which may depend on the font the settings chose).
void LoadColumnWidths(const SettingsKey& key, const SettingsWindows& windows);

// Selects the saved prefecture, once the prefecture list holds its items.
void LoadPrefectureSetting(const SettingsKey& key, HWND prefecture);

// Writes everything; the rectangle only while the window is neither
// minimised nor maximised. Write failures are ignored.
void SaveSettings(const SettingsKey& key, const SettingsWindows& windows, const StoredSettings& settings);

}  // namespace kuranto::settings
