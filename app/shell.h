// The application shell of クラント: the process-wide state of the main
// window and the functions of each shell file. All text is cp932.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "datafiles/file_set.h"
#include "datafiles/index_store.h"
#include "datafiles/index_build.h"
#include "postal/ranges.h"
#include "postal/records.h"
#include "postal/search_form.h"
#include "postal/templates.h"
#include "resources/resource_ids.h"
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

constexpr int kMenuSlotCount = 12;
constexpr int kMenuSlotBytes = 128;

// The one instance of the program's state (app_state.cpp).
struct AppState {
  HINSTANCE instance = nullptr;
  HWND mainWindow = nullptr;  // stored once CreateWindowExA has returned
  HACCEL accelerators = nullptr;
  HIMAGELIST menuImages = nullptr;
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
  char menuSlots[kMenuSlotCount][kMenuSlotBytes] = {};
  ComPtr<IDropSource> dropSource;  // TextDropSource: from WM_CREATE to WM_CLOSE
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

// main_window.cpp
bool RegisterMainWindowClass(HINSTANCE instance);
// Registers the class if needed and creates the main window at the saved
// rectangle; stores the handles. nullptr when registration or creation fails.
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void OnCreateMainWindow(HWND window);
// The module whose resources the window uses.
HINSTANCE WindowInstance(HWND window);
// ImageList of the menu images; kept in g_app.menuImages.
HIMAGELIST LoadMenuImages(HINSTANCE instance);
// Runs the loop with the accelerators already in g_app.accelerators; the
// final wParam.
int RunMessageLoop(HWND window);

// child_controls.cpp
void CreateChildControls(HWND window);
// The default widths of a result list's columns, in column order.
std::vector<int> DefaultColumnWidths(HWND list);
void SwitchTabPage(int page);

// commands.cpp
void OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
void LockSearchForm(bool enable);
void FillResultList(HWND list, int count);
// Answers a result list's questions about its items (owner data); false when
// `header` is not one of them, and the notification goes on to OnNotify.
bool AnswerResultListNotify(NMHDR& header, LRESULT& answer);
void ShowFirstSelectedRow(HWND list);
void SetStatusText(const char* text);

// search_mode.cpp: the mode radio buttons and the form they enable.
// The checked mode, kNone when no radio button is checked.
postal::SearchMode CheckedSearchMode();
// Enables the form's controls for the checked mode.
void ApplyModeEnabling();

// row_text.cpp: row `row` of a result list through the user's template
// ("" when the table has no such row).
std::string FormatAddressRow(int row);
std::string FormatOfficeRow(int row);

// location_lists.cpp: the city and area-place drop-down lists.
void EmptyComboBox(HWND combo);
void FillCityList();
void FillAreaPlaceList();
void UpdateAreaPlaceState();

// layout.cpp
extern const int FontSizeTable[kFontSizeCount];
// The font-size index itself when it is 0..4, else the default.
int ValidFontSizeIndex(int index);
void LayoutMainWindow(HWND window);
void ApplyListFont(HWND window, HWND addressList, int height);
void MeasureListRow(MEASUREITEMSTRUCT& item);

// menus.cpp
// Makes the main menu's items with a slot owner-drawn, keeping their texts.
void MakeMenuOwnerDrawn(HWND window);
void MeasureMenuItem(HWND window, MEASUREITEMSTRUCT& item);
void DrawMenuItem(const DRAWITEMSTRUCT& item);
void ShowContextMenu(HWND window, HWND clicked, LPARAM screenPoint);

// build_dialog.cpp: the start-up data check with its build dialogs.
void RunStartupDataCheck(HWND window);
// The data-build dialog ("IDD_DIALOG5") around any long work at start.
void RunBuildDialog(HWND owner, const char* startingText, const char* runningText,
                    const std::function<void(const datafiles::BuildProgress&)>& work);

// utf8_edition_ui.cpp: utf_ken_all.csv alone beside the program becomes the
// address file before the data check.
void ImportUtf8EditionAtStart(HWND window);

// settings_load.cpp: the registry settings and the settings sheet over g_app.
using settings::WindowRect;
WindowRect LoadWindowRect();
void LoadSettings();
void LoadPrefectureSetting();
void SaveSettings();
void ShowSettings(HWND window);
// The settings key below HKEY_CURRENT_USER, for tests; "" for the program's own.
void SetSettingsKeyOverride(const std::string& path);

// saved_lists_ui.cpp: the conditions list and the record list on disk.
void LoadSavedLists();
// Rewrites both files once: at close, or at destroy when the window did not
// close first. A file that cannot be written is named in a "報告" box owned
// by `window`, and its old file stays as it was.
void SaveSavedLists(HWND window);

// conditions.cpp: registering the form as a saved condition and restoring it.
void RegisterCondition();
void RestoreSelectedCondition();

}  // namespace kuranto
