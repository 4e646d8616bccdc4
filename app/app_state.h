// The process-wide state of the main window (app_state.cpp): its controls,
// settings, row tables and the one AppState. All text is cp932.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/barcode_panel.h"
#include "datafiles/file_set.h"
#include "datafiles/index_store.h"
#include "datafiles/index_build.h"
#include "postal/ranges.h"
#include "postal/records.h"
#include "postal/search_form.h"
#include "postal/templates.h"
#include "resources/resource_ids.h"
#include "resolver/resolver.h"
#include "settings/registry_settings.h"
#include "win32/com.h"
#include "win32/scoped.h"

namespace kuranto {

// Handles of the main window's child controls, filled by CreateChildControls.
struct Controls {
  HWND addressList = nullptr;
  HWND officeList = nullptr;
  HWND status = nullptr;
  HWND conditionList = nullptr;
  HWND recordList = nullptr;
  HWND radioNumber = nullptr;
  HWND radioPlace = nullptr;
  HWND radioFuzzy = nullptr;
  HWND checkIme = nullptr;
  HWND numberKind = nullptr;
  HWND charWidth = nullptr;
  HWND prefecture = nullptr;
  HWND number = nullptr;
  HWND areaPlace = nullptr;
  HWND city = nullptr;
  HWND town = nullptr;
  HWND display = nullptr;
  HWND fuzzy = nullptr;
  HWND townLabel = nullptr;
  HWND search = nullptr;
  HWND newCondition = nullptr;
  HWND registerCondition = nullptr;
  HWND clip = nullptr;
  HWND tab = nullptr;
};

constexpr int kFontSizeCount = 5;
constexpr int kDefaultFontSizeIndex = settings::kDefaultFontType;

// Settings held in memory between the registry load and save: what the
// registry keeps (hyphen, hiragana, the templates, the font-size index 0..4,
// the stored "radio", the address file's stored and current dates), and the
// search mode that "radio" names at start-up.
struct Settings : settings::StoredSettings {
  postal::SearchMode searchMode = postal::SearchMode::kNumber;  // kNone: no radio checked
};

inline postal::DisplayFlags DisplayFlagsOf(const Settings& settings) {
  postal::DisplayFlags flags;
  flags.hyphen = settings.hyphen;
  flags.hiragana = settings.hiragana;
  return flags;
}

// The items of the character-width list, in list order.
constexpr int kFullWidthItem = 0;

constexpr int kMenuSlotCount = 12;
constexpr int kMenuSlotBytes = 128;

// The owner-drawn menu items' texts: slot i also draws picture i of the menu
// bitmap.
struct MenuSlots {
  char text[kMenuSlotCount][kMenuSlotBytes] = {};
};

// The one instance of the program's state (app_state.cpp).
struct AppState {
  HIMAGELIST menuImages = nullptr;  // owned by WinMain
  AutoDeleteFont listFont;  // the result lists' font, replaced by each size change
  Controls controls;
  datafiles::FileSet files;
  Settings settings;
  postal::AddressRows addressRows;
  postal::OfficeRows officeRows;
  int resultCount = 0;  // ResultCount: rows found by the last search
  postal::IndexTables tables{};
  datafiles::HeldIndexFiles heldIndexes;  // built this run but not written
  bool savedListsWritten = false;         // the lists' files were rewritten at close
  MenuSlots menuSlots;
  ComPtr<IDropSource> dropSource;  // TextDropSource: from WM_CREATE to WM_CLOSE
  HWND addressDialog = nullptr;    // the modeless 住所から郵便番号 dialog while it is open
  BarcodeAnswer addressBarcode;    // what that dialog draws under its answer
  HWND addressListDialog = nullptr;  // the modeless 住所の一覧から郵便番号 dialog while it is open
  std::unique_ptr<resolver::AddressBook> book;  // the address file read for resolving, at first need
};

extern AppState g_app;

// Back to the state of a fresh process (the program-path override and the
// message-box handler are not part of it).
void ResetAppState();

// The program's directory is taken from its executable's path unless a
// directory (ending in "\") was set here before the window is created.
void SetProgramDirectoryOverride(const std::string& directory);
std::string ProgramDirectoryForStart();

// Every message box of the shell goes through here, so a test can answer it.
using MessageBoxHandler = int (*)(HWND owner, const char* text, const char* caption, UINT flags);
void SetMessageBoxHandler(MessageBoxHandler handler);  // nullptr: MessageBoxA
int ShowMessage(HWND owner, const char* text, const char* caption, UINT flags);

}  // namespace kuranto
