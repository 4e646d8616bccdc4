// The application shell of クラント: the process-wide state of the main
// window and the functions of each shell file. All text is cp932.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <memory>
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

// main_window.cpp
bool RegisterMainWindowClass(HINSTANCE instance);
// Registers the class if needed and creates the main window at the saved
// rectangle. nullptr when registration or creation fails.
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The module whose resources the window uses.
HINSTANCE WindowInstance(HWND window);
// The menu images; the caller destroys them.
HIMAGELIST LoadMenuImages(HINSTANCE instance);
// Runs the loop; the final wParam. Keys go first to whichever modeless
// dialog named in `modeless` is open and holds them, then through
// `accelerators`. The handles are read at each message.
int RunMessageLoop(HWND window, HACCEL accelerators, std::initializer_list<const HWND*> modeless);

// running_window.cpp: the window of another kuranto.exe started from
// `programDirectory` comes forward (a second start hands over to it).
void BringRunningWindowForward(const std::string& programDirectory);

// child_controls.cpp
// The tab's pages, in tab order.
enum TabPage { kAddressPage = 0, kOfficePage = 1, kConditionsPage = 2, kTabPageCount = 3 };
// Creates every child control into `controls`.
void CreateChildControls(HWND window, Controls& controls);
// The default widths of a result list's columns, in column order.
std::vector<int> DefaultColumnWidths(const Controls& controls, HWND list);
void SwitchTabPage(const Controls& controls, int page);

// result_pages.cpp: the two tab pages that show search results, each with
// its list, its row table and its row formatter.
struct ResultPage {
  TabPage page;
  int listId;
  HWND Controls::*list;
  int (*rowCount)(const AppState& app);
  // Row `row` through the user's template ("" when the table has no such row).
  std::string (*formatRow)(const AppState& app, int row);
  void (*clearRows)(AppState& app);
  // Searches the page's file into its rows: the refusal text, or nullptr.
  const char* (*search)(AppState& app, const postal::SearchForm& form);
  void (*drawRow)(const AppState& app, const DRAWITEMSTRUCT& item);
  // Drags the list's first selected row out as text.
  void (*dragRow)(const AppState& app);
};
// The page whose result list shows; nullptr on the conditions page.
const ResultPage* VisibleResultPage(const Controls& controls);
// The page of a result list given by handle or by control id; nullptr for
// any other control.
const ResultPage* ResultPageOfList(const Controls& controls, HWND list);
const ResultPage* ResultPageOfId(int listId);

// commands.cpp
void OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
// The form's controls greyed during a search, and back as the mode has them.
void LockSearchForm(const Controls& controls);
void UnlockSearchForm(const Controls& controls);
// Empties a page's row table and its list.
void ClearResultList(AppState& app, const ResultPage& page);
void FillResultList(HWND list, int count);
// Answers a result list's questions about its items (owner data); false when
// `header` is not one of them, and the notification goes on to OnNotify.
bool AnswerResultListNotify(const Controls& controls, NMHDR& header, LRESULT& answer);
// The first selected row of `page` in the display box.
void ShowFirstSelectedRow(const AppState& app, const ResultPage& page);
void SetStatusText(const Controls& controls, const char* text);

// search_mode.cpp: the mode radio buttons and the form they enable.
// The checked mode, kNone when no radio button is checked.
postal::SearchMode CheckedSearchMode(const Controls& controls);
// Enables the form's controls for `mode` (the checked one by default); kNone
// leaves them as they are.
void ApplyModeEnabling(const Controls& controls, postal::SearchMode mode);
void ApplyModeEnabling(const Controls& controls);
// Checks the radio button of `mode` and enables its part of the form.
void CheckModeRadio(HWND window, const Controls& controls, postal::SearchMode mode);

// location_lists.cpp: the city and area-place drop-down lists.
void EmptyComboBox(HWND combo);
void FillCityList(const Controls& controls, const std::string& cityListBytes);
void FillAreaPlaceList(const Controls& controls, const std::string& areaCodesFile);
// The area-place list is open only for the area-code number kind.
void UpdateAreaPlaceState(const Controls& controls);
// The number kind chosen (postal::NumberKind), or -1 when none is.
int SelectedNumberKind(const Controls& controls);

// layout.cpp
// The display box's place: under the tab, across the window.
constexpr int kDisplayTop = 143;
constexpr int kDisplayHeight = 44;
extern const int FontSizeTable[kFontSizeCount];
// The font-size index itself when it is 0..4, else the default.
int ValidFontSizeIndex(int index);
void LayoutMainWindow(HWND window, const Controls& controls);
// Gives both result lists a new font of `height` and returns it; the caller
// keeps it alive while the lists use it.
AutoDeleteFont ApplyListFont(HWND window, const Controls& controls, int height);
void MeasureListRow(MEASUREITEMSTRUCT& item, int fontSizeIndex);

// menus.cpp
// Makes the main menu's items with a slot owner-drawn, keeping their texts
// in `slots`.
void MakeMenuOwnerDrawn(HWND window, MenuSlots& slots);
void MeasureMenuItem(HWND window, const MenuSlots& slots, MEASUREITEMSTRUCT& item);
void DrawMenuItem(const DRAWITEMSTRUCT& item, const MenuSlots& slots, HIMAGELIST images);
void ShowContextMenu(HWND window, const Controls& controls, MenuSlots& slots, HWND clicked, LPARAM screenPoint);

// build_dialog.cpp: the start-up data check with its build dialogs; with no
// data to search it tells the user and posts the quit.
void RunStartupDataCheck(HWND window, AppState& app);
// The data-build dialog ("IDD_DIALOG5") around any long work at start.
void RunBuildDialog(HWND owner, const char* startingText, const char* runningText,
                    const std::function<void(const datafiles::BuildProgress&)>& work);

// downloads_ui.cpp: Japan Post's downloads beside the program become the
// files it opens, before the data check. True when the address file was
// made: every index file is then due, whatever date was stored.
bool ExtractDownloadsAtStart(HWND window, const datafiles::FileSet& files);

// settings_load.cpp: the registry settings and the settings sheet.
using settings::WindowRect;
WindowRect LoadWindowRect();
void LoadSettings(const Controls& controls, Settings& settings);
void LoadPrefectureSetting(const Controls& controls);
void SaveSettings(const Controls& controls, const Settings& settings);
void ShowSettings(HWND window, Settings& settings);
// The settings key below HKEY_CURRENT_USER, for tests; "" for the program's own.
void SetSettingsKeyOverride(const std::string& path);

// saved_lists_ui.cpp: the conditions list and the record list on disk.
void LoadSavedLists(const Controls& controls, const datafiles::FileSet& files);
// Rewrites both files. A file that cannot be written is named in a "報告"
// box owned by `window`, and its old file stays as it was.
void SaveSavedLists(HWND window, const Controls& controls, const datafiles::FileSet& files);

// address_dialog.cpp: the 住所から郵便番号 dialog, modeless, owned by the
// main window; its answers go to the address list.
void ShowAddressDialog(HWND window, AppState& app);
// The address file read for resolving; nullptr, with the user told, when it
// cannot be read.
const resolver::AddressBook* LoadedBook(HWND owner, AppState& app);
// Shows `resolution` in the address page: its rows, the first selected unless ambiguous,
// and what it means in the status bar.
void ShowResolution(HWND window, AppState& app, const resolver::Resolution& resolution);

// office_answer.cpp: office `office` of app.book in the office page, its
// row selected, and its code in the status bar.
void ShowOfficeAnswer(HWND window, AppState& app, size_t office);

// csv_codes.cpp: the CSV ファイルに郵便番号を付ける command.
void AddCodesToCsvFile(HWND window, AppState& app);

// address_list_dialog.cpp: the 住所の一覧から郵便番号 dialog, modeless, owned
// by the main window: a pasted column of addresses answered row by row.
void ShowAddressListDialog(HWND window, AppState& app);

// conditions.cpp: registering the form as a saved condition and restoring it.
void RegisterCondition(const Controls& controls);
void RestoreSelectedCondition(HWND window, const AppState& app);

}  // namespace kuranto
