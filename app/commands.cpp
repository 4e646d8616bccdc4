#include <windows.h>
#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/address_dialog.h"
#include "app/address_list_dialog.h"
#include "app/app_state.h"
#include "app/commands.h"
#include "app/conditions.h"
#include "app/csv_codes.h"
#include "app/layout.h"
#include "app/location_lists.h"
#include "app/main_window.h"
#include "app/result_pages.h"
#include "app/search_mode.h"
#include "app/settings_load.h"
#include "app/texts.h"
#include "postal/address_search.h"
#include "postal/office_search.h"
#include "help/about_box.h"
#include "help/help.h"
#include "rows/detail_dialogs.h"
#include "win32/buffer_sizes.h"
#include "win32/clipboard.h"
#include "win32/form_controls.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {


// Conversion modes given to the input method for the town and fuzzy boxes.
constexpr DWORD kHiraganaConversion = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN;
constexpr DWORD kHalfKatakanaConversion = IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_ROMAN;

postal::SearchForm ReadSearchForm(const Controls& c) {
  postal::SearchForm form;
  form.mode = CheckedSearchMode(c);
  form.kind = form.mode == postal::SearchMode::kNumber ? SelectedNumberKind(c) : 0;
  form.number = TextOf(c.number);
  form.areaPlace = TextOf(c.areaPlace);
  form.prefecture = TextOf(c.prefecture);
  form.city = TextOf(c.city);
  form.town = TextOf(c.town);
  form.fuzzy = TextOf(c.fuzzy);
  return form;
}

void ShowRefusal(HWND window, const char* message) {
  if (message != nullptr) ShowMessage(window, message, texts::kConfirmCaption, MB_OK | MB_ICONINFORMATION);
}

void Search(HWND window, AppState& app) {
  const Controls& c = app.controls;
  const ResultPage* page = VisibleResultPage(c);
  SetStatusText(c, texts::kStatusDeleting);
  if (page != nullptr) ClearResultList(app, *page);
  UpdateWindow(window);

  app.resultCount = 0;
  SetStatusText(c, texts::kStatusSearching);
  EnableWindow(c.search, FALSE);
  const postal::SearchForm form = ReadSearchForm(c);

  LockSearchForm(c);
  if (page != nullptr) {
    ShowRefusal(window, page->search(app, form));
    app.resultCount = page->rowCount(app);
  }
  UnlockSearchForm(c);

  if (page != nullptr) FillResultList(c.*page->list, app.resultCount);
  std::string status;
  status = FormatText(texts::kStatusFoundFormat, app.resultCount);
  SetStatusText(c, status.c_str());
  EnableWindow(c.search, TRUE);
  SetFocus(c.search);
}

void NewCondition(AppState& app) {
  const Controls& c = app.controls;
  SetStatusText(c, texts::kStatusDeleting);
  SetWindowTextA(c.number, "");
  SetWindowTextA(c.town, "");
  SetWindowTextA(c.display, "");
  SetWindowTextA(c.fuzzy, "");
  EmptyComboBox(c.city);
  EmptyComboBox(c.areaPlace);
  SendMessageA(c.prefecture, CB_SETCURSEL, 0, 0);
  for (const ResultPage* page : {ResultPageOfId(IDC_ADDRESS_LIST), ResultPageOfId(IDC_OFFICE_LIST)}) {
    ClearResultList(app, *page);
  }
  app.resultCount = 0;
  SetStatusText(c, texts::kStatusBlank);
}

void Copy(HWND window, const AppState& app) {
  const Controls& c = app.controls;
  const ResultPage* page = VisibleResultPage(c);
  if (page == nullptr) return;
  const int row = FirstSelectedItem(c.*page->list);
  if (row < 0) return;
  SetWindowTextA(c.display, page->formatRow(app, row).c_str());
  // The clipboard receives exactly what the display box shows.
  PutTextOnClipboard(window, WholeTextOf(c.display));
}

void RecordSelectedRows(const AppState& app) {
  const ResultPage* page = VisibleResultPage(app.controls);
  if (page == nullptr) return;
  ForEachSelectedItem(app.controls.*page->list,
                      [&](int row) { AppendListRow(app.controls.recordList, page->formatRow(app, row)); });
}

void CopyRecordLine(HWND window, const Controls& c) {
  const int line = FirstSelectedItem(c.recordList);
  if (line < 0) return;
  PutTextOnClipboard(window, ListCellText(c.recordList, line, 0, kRowTextBytes));
}

void RemoveSelectedCondition(const Controls& c) {
  const int row = FirstSelectedItem(c.conditionList);
  if (row >= 0) SendMessageA(c.conditionList, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void RemoveSelectedRecords(const Controls& c) {
  int line;
  while ((line = FirstSelectedItem(c.recordList)) >= 0) {
    SendMessageA(c.recordList, LVM_DELETEITEM, static_cast<WPARAM>(line), 0);
  }
}

void OnEnter(HWND window, AppState& app) {
  const Controls& c = app.controls;
  HWND focus = GetFocus();
  if (focus == c.number && SelectedNumberKind(c) == postal::kAreaCode) {
    SetFocus(c.areaPlace);
    SendMessageA(c.areaPlace, CB_SETCURSEL, 0, 0);
    return;
  }
  const HWND searchFrom[] = {c.number, c.city, c.town, c.fuzzy, c.prefecture, c.areaPlace, c.search};
  for (HWND control : searchFrom) {
    if (focus == control) {
      Search(window, app);
      return;
    }
  }
  if (focus == c.addressList) {
    ShowFirstSelectedRow(app, *ResultPageOfId(IDC_ADDRESS_LIST));
  } else if (focus == c.newCondition) {
    NewCondition(app);
  } else if (focus == c.clip) {
    Copy(window, app);
  }
}

void CloseInputMethod(HWND window) {
  ScopedImeContext ime(window);
  ImmSetOpenStatus(ime.get(), FALSE);
}

void OpenInputMethod(HWND window, DWORD conversion, DWORD sentence) {
  ScopedImeContext ime(window);
  ImmSetConversionStatus(ime.get(), conversion, sentence);
  ImmSetOpenStatus(ime.get(), TRUE);
}

void OnTownBox(HWND window, const Controls& c) {
  if (IsChecked(c.checkIme)) OpenInputMethod(window, kHiraganaConversion, IME_SMODE_CONVERSATION);
}

void OnFuzzyBox(HWND window, const Controls& c) {
  if (!IsChecked(c.checkIme)) return;
  if (SendMessageA(c.charWidth, CB_GETCURSEL, 0, 0) == kFullWidthItem) {
    OpenInputMethod(window, kHiraganaConversion, IME_SMODE_CONVERSATION);
  } else {
    OpenInputMethod(window, kHalfKatakanaConversion, 0);
  }
}

void SetFontSize(HWND window, AppState& app, int index) {
  app.settings.fontSizeIndex = ValidFontSizeIndex(index);
  app.listFont = ApplyListFont(window, app.controls, FontSizeTable[app.settings.fontSizeIndex]);
  CheckMenuRadioItem(GetMenu(window), IDM_FONT_LARGEST, IDM_FONT_SMALLEST,
                     IDM_FONT_LARGEST + static_cast<UINT>(app.settings.fontSizeIndex), MF_BYCOMMAND);
}

void OpenWebAddress(const datafiles::FileSet& files, const char* key) {
  const std::string ini = files.directory + datafiles::kLinksName;
  char url[kUrlBytes] = {};
  GetPrivateProfileStringA(texts::kLinksSection, key, "", url, kUrlBytes, ini.c_str());
  // An empty address would make the shell open the current folder instead.
  if (url[0] == '\0') return;
  ShellExecuteA(nullptr, nullptr, url, nullptr, nullptr, SW_SHOWNORMAL);
}

// The radio buttons and the edit boxes act on every notification, not only a
// click or a change: the mode's enabling and the box's input-method state are
// applied again whatever happened (focus, change, update), so they hold
// however the control was reached. False for an id that is no form control.
bool OnFormNotification(HWND window, AppState& app, int id, int code) {
  const Controls& c = app.controls;
  switch (id) {
    case IDC_RADIO_NUMBER:
    case IDC_RADIO_PLACE:
    case IDC_RADIO_FUZZY:
      ApplyModeEnabling(c);
      return true;
    case IDC_NUMBER_KIND:
      if (code == CBN_SELCHANGE) {
        SetWindowTextA(c.number, "");
        UpdateAreaPlaceState(c);
      }
      return true;
    case IDC_PREFECTURE:
      if (code == CBN_SELCHANGE) EmptyComboBox(c.city);
      return true;
    case IDC_NUMBER:
      CloseInputMethod(window);
      return true;
    case IDC_CITY:
      if (code == CBN_SETFOCUS) {
        EmptyComboBox(c.city);
        FillCityList(c, datafiles::IndexFileBytes(app.files.cityList, app.heldIndexes));
      }
      return true;
    case IDC_TOWN:
      OnTownBox(window, c);
      return true;
    case IDC_AREA_PLACE:
      if (code == CBN_SETFOCUS) {
        EmptyComboBox(c.areaPlace);
        FillAreaPlaceList(c, app.files.areaCodes);
      }
      return true;
    case IDC_FUZZY:
      OnFuzzyBox(window, c);
      return true;
    default:
      return false;
  }
}

// A command of the menus, the accelerators or the form's buttons.
struct MenuCommand {
  int id;
  void (*run)(HWND window, AppState& app);
};

const MenuCommand kMenuCommands[] = {
    {IDC_SEARCH, Search},
    {IDC_NEW_CONDITION, [](HWND, AppState& app) { NewCondition(app); }},
    {IDM_NEW_CONDITION, [](HWND, AppState& app) { NewCondition(app); }},
    {IDC_REGISTER_CONDITION, [](HWND, AppState& app) { RegisterCondition(app.controls); }},
    {IDM_REMOVE_CONDITION, [](HWND, AppState& app) { RemoveSelectedCondition(app.controls); }},
    {IDM_REMOVE_RECORD, [](HWND, AppState& app) { RemoveSelectedRecords(app.controls); }},
    {IDM_COPY_RECORD, [](HWND window, AppState& app) { CopyRecordLine(window, app.controls); }},
    {IDM_EXIT, [](HWND window, AppState&) { SendMessageA(window, WM_CLOSE, 0, 0); }},
    {IDM_ENTER, OnEnter},
    {IDM_RECORD, [](HWND, AppState& app) { RecordSelectedRows(app); }},
    {IDM_COPY, [](HWND window, AppState& app) { Copy(window, app); }},
    {IDM_PROPERTIES, [](HWND window, AppState& app) {
       ShowRowDetails(window, app.controls.addressList, app.controls.officeList, app.addressRows, app.officeRows);
     }},
    {IDM_POSTAL_URL, [](HWND, AppState& app) { OpenWebAddress(app.files, texts::kPostalUrlKey); }},
    {IDM_KEN_ALL_URL, [](HWND, AppState& app) { OpenWebAddress(app.files, texts::kKenAllUrlKey); }},
    {IDM_JIGYOSYO_URL, [](HWND, AppState& app) { OpenWebAddress(app.files, texts::kJigyosyoUrlKey); }},
    {IDM_SETTINGS, [](HWND window, AppState& app) { ShowSettings(window, app.settings); }},
    {IDM_ABOUT, [](HWND window, AppState&) { ShowAboutBox(window, WindowInstance(window)); }},
    {IDM_HELP, [](HWND, AppState& app) { ShowHelp(app.files.directory); }},
    {IDM_ADDRESS_TO_CODE, ShowAddressDialog},
    {IDM_CSV_ADD_CODES, AddCodesToCsvFile},
    {IDM_ADDRESS_LIST_TO_CODES, ShowAddressListDialog},
    {IDM_PRINT_LABELS, PrintCsvLabels},
};

void OnMenuCommand(HWND window, AppState& app, int id) {
  // The pop-up menu's Properties is the main menu's.
  if (id == IDM_ROW_PROPERTIES) id = IDM_PROPERTIES;
  if (id >= IDM_FONT_LARGEST && id <= IDM_FONT_SMALLEST) {
    SetFontSize(window, app, id - IDM_FONT_LARGEST);
    return;
  }
  for (const MenuCommand& command : kMenuCommands) {
    if (command.id == id) {
      command.run(window, app);
      return;
    }
  }
}

}  // namespace

void SetStatusText(const Controls& controls, const char* text) {
  SendMessageA(controls.status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void ShowFirstSelectedRow(const AppState& app, const ResultPage& page) {
  const int row = FirstSelectedItem(app.controls.*page.list);
  if (row < 0) return;
  SetWindowTextA(app.controls.display, page.formatRow(app, row).c_str());
}

namespace {

enum class FormState { kLocked, kOpen };

// Every control a running search greys out.
void SetSearchForm(const Controls& c, FormState state) {
  const HWND form[] = {c.radioNumber, c.radioPlace, c.radioFuzzy, c.numberKind, c.charWidth, c.prefecture, c.areaPlace,
                       c.townLabel,   c.number,     c.city,       c.town,       c.fuzzy,     c.conditionList};
  for (HWND control : form) EnableWindow(control, state == FormState::kOpen);
}

}  // namespace

void LockSearchForm(const Controls& controls) {
  SetSearchForm(controls, FormState::kLocked);
  UpdateWindow(GetParent(controls.search));
}

void UnlockSearchForm(const Controls& controls) {
  SetSearchForm(controls, FormState::kOpen);
  // Back to what the checked mode enables, not simply everything.
  ApplyModeEnabling(controls);
  UpdateWindow(GetParent(controls.search));
}

void ClearResultList(AppState& app, const ResultPage& page) {
  page.clearRows(app);
  SendMessageA(app.controls.*page.list, LVM_DELETEALLITEMS, 0, 0);
}

// The result lists are owner-data lists: setting the count makes items 0 to
// count - 1, each answered from its row (AnswerResultListNotify), in one step
// whatever the count.
void FillResultList(HWND list, int count) {
  SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
  InvalidateRect(list, nullptr, TRUE);
}

bool AnswerResultListNotify(const Controls& controls, NMHDR& header, LRESULT& answer) {
  if (ResultPageOfList(controls, header.hwndFrom) == nullptr) return false;
  switch (header.code) {
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW: {
      // Item i carries i as its lParam and has no text. The A and W forms
      // differ only in the type of the text buffer.
      LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
      if (item.mask & LVIF_PARAM) item.lParam = item.iItem;
      if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        if (header.code == LVN_GETDISPINFOW) {
          reinterpret_cast<LVITEMW&>(item).pszText[0] = L'\0';
        } else {
          item.pszText[0] = '\0';
        }
      }
      answer = 0;
      return true;
    }
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      // Typing in a list finds nothing: the items have no text.
      answer = -1;
      return true;
    case LVN_DELETEALLITEMS:
      // The row tables own the rows; no item needs a notice of its own.
      answer = TRUE;
      return true;
    default:
      return false;
  }
}

void OnCommand(HWND window, AppState& app, WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  if (!OnFormNotification(window, app, id, HIWORD(wParam))) OnMenuCommand(window, app, id);
}

}  // namespace kuranto
