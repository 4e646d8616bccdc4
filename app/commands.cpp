#include <windows.h>
#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/shell.h"
#include "app/texts.h"
#include "postal/address_search.h"
#include "postal/office_search.h"
#include "settings/about_box.h"
#include "settings/help.h"
#include "transfer/detail_dialogs.h"
#include "win32/form_controls.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {

constexpr SIZE_T kClipboardBytes = 1024;
constexpr int kUrlBytes = 512;

// Conversion modes given to the input method for the town and fuzzy boxes.
constexpr DWORD kHiraganaConversion = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN;
constexpr DWORD kHalfKatakanaConversion = IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_ROMAN;

postal::SearchForm ReadSearchForm() {
  const Controls& c = g_app.controls;
  postal::SearchForm form;
  form.mode = CheckedSearchMode();
  if (form.mode == postal::SearchMode::kNumber) {
    const std::string kind = TextOf(c.numberKind);
    const LRESULT found = SendMessageA(c.numberKind, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(kind.c_str()));
    form.kind = static_cast<int>(found);
  } else {
    form.kind = 0;
  }
  form.number = TextOf(c.number);
  form.areaPlace = TextOf(c.areaPlace);
  form.prefecture = TextOf(c.prefecture);
  form.city = TextOf(c.city);
  form.town = TextOf(c.town);
  form.fuzzy = TextOf(c.fuzzy);
  return form;
}

void ClearAddressList() {
  postal::FreeAddressRows(g_app.addressRows);
  SendMessageA(g_app.controls.addressList, LVM_DELETEALLITEMS, 0, 0);
}

void ClearOfficeList() {
  postal::FreeOfficeRows(g_app.officeRows);
  SendMessageA(g_app.controls.officeList, LVM_DELETEALLITEMS, 0, 0);
}

void ShowRefusal(HWND window, const char* message) {
  if (message != nullptr) ShowMessage(window, message, texts::kConfirmCaption, MB_OK | MB_ICONINFORMATION);
}

void Search(HWND window) {
  const Controls& c = g_app.controls;
  SetStatusText(texts::kStatusDeleting);
  const bool addresses = IsWindowVisible(c.addressList) != FALSE;
  const bool offices = IsWindowVisible(c.officeList) != FALSE;
  if (addresses) ClearAddressList();
  if (offices) ClearOfficeList();
  UpdateWindow(window);

  g_app.resultCount = 0;
  SetStatusText(texts::kStatusSearching);
  EnableWindow(c.search, FALSE);
  const postal::SearchForm form = ReadSearchForm();

  LockSearchForm(false);
  if (addresses) {
    ShowRefusal(window, postal::SearchAddresses(g_app.files.addressFile, g_app.tables, form, g_app.addressRows));
    g_app.resultCount = g_app.addressRows.Count();
  }
  if (offices) {
    ShowRefusal(window, postal::SearchOffices(g_app.files.officeFile, form, g_app.officeRows));
    g_app.resultCount = g_app.officeRows.Count();
  }
  LockSearchForm(true);

  if (addresses) FillResultList(c.addressList, g_app.resultCount);
  if (offices) FillResultList(c.officeList, g_app.resultCount);
  char status[64];
  std::snprintf(status, sizeof status, texts::kStatusFoundFormat, g_app.resultCount);
  SetStatusText(status);
  EnableWindow(c.search, TRUE);
  SetFocus(c.search);
}

void NewCondition() {
  const Controls& c = g_app.controls;
  SetStatusText(texts::kStatusDeleting);
  SetWindowTextA(c.number, "");
  SetWindowTextA(c.town, "");
  SetWindowTextA(c.display, "");
  SetWindowTextA(c.fuzzy, "");
  EmptyComboBox(c.city);
  EmptyComboBox(c.areaPlace);
  SendMessageA(c.prefecture, CB_SETCURSEL, 0, 0);
  ClearAddressList();
  ClearOfficeList();
  g_app.resultCount = 0;
  SetStatusText(texts::kStatusBlank);
}

// Puts `text` on the clipboard as CF_TEXT in a 1024-byte block.
void PutOnClipboard(HWND owner, const char* text) {
  ScopedClipboard clipboard(owner);
  if (!clipboard.opened()) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kClipboardBytes);
  if (block == nullptr) return;
  char* bytes = static_cast<char*>(GlobalLock(block));
  if (bytes == nullptr) {
    GlobalFree(block);
    return;
  }
  lstrcpynA(bytes, text, static_cast<int>(kClipboardBytes));
  GlobalUnlock(block);
  // The clipboard owns the block once it accepts it.
  if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
}

void Copy(HWND window) {
  const Controls& c = g_app.controls;
  std::string text;
  bool any = false;
  if (IsWindowVisible(c.addressList)) {
    const int row = FirstSelectedItem(c.addressList);
    if (row < 0) return;
    text = FormatAddressRow(row);
    any = true;
  }
  if (IsWindowVisible(c.officeList)) {
    const int row = FirstSelectedItem(c.officeList);
    if (row < 0) return;
    text = FormatOfficeRow(row);
    any = true;
  }
  if (!any) return;
  SetWindowTextA(c.display, text.c_str());
  // The clipboard receives exactly what the display box shows.
  const std::string shown = TextOf(c.display, static_cast<int>(kClipboardBytes));
  PutOnClipboard(window, shown.c_str());
}

void RecordSelectedRows() {
  const Controls& c = g_app.controls;
  const struct {
    HWND list;
    std::string (*format)(int);
  } lists[] = {{c.addressList, FormatAddressRow}, {c.officeList, FormatOfficeRow}};
  for (const auto& entry : lists) {
    if (!IsWindowVisible(entry.list)) continue;
    ForEachSelectedItem(entry.list, [&](int row) { AppendListRow(c.recordList, entry.format(row)); });
  }
}

void CopyRecordLine(HWND window) {
  HWND list = g_app.controls.recordList;
  const int line = FirstSelectedItem(list);
  if (line < 0) return;
  PutOnClipboard(window, ListCellText(list, line, 0, kRowTextBytes).c_str());
}

void RemoveSelectedCondition() {
  HWND list = g_app.controls.conditionList;
  const int row = FirstSelectedItem(list);
  if (row >= 0) SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void RemoveSelectedRecords() {
  HWND list = g_app.controls.recordList;
  int line;
  while ((line = FirstSelectedItem(list)) >= 0) SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(line), 0);
}

void OnEnter(HWND window) {
  const Controls& c = g_app.controls;
  HWND focus = GetFocus();
  const std::string kind = TextOf(c.numberKind);
  if (focus == c.number && kind == texts::kAreaCodeKind) {
    SetFocus(c.areaPlace);
    SendMessageA(c.areaPlace, CB_SETCURSEL, 0, 0);
    return;
  }
  if (focus == c.number || focus == c.city || focus == c.town || focus == c.fuzzy || focus == c.prefecture ||
      focus == c.areaPlace) {
    SendMessageA(window, WM_COMMAND, IDC_SEARCH, 0);
  } else if (focus == c.addressList) {
    ShowFirstSelectedRow(c.addressList);
  } else if (focus == c.search) {
    SendMessageA(window, WM_COMMAND, IDC_SEARCH, 0);
  } else if (focus == c.newCondition) {
    SendMessageA(window, WM_COMMAND, IDC_NEW_CONDITION, 0);
  } else if (focus == c.clip) {
    SendMessageA(window, WM_COMMAND, IDM_COPY, 0);
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

void OnTownBox(HWND window) {
  if (IsChecked(g_app.controls.checkIme)) OpenInputMethod(window, kHiraganaConversion, IME_SMODE_CONVERSATION);
}

void OnFuzzyBox(HWND window) {
  if (!IsChecked(g_app.controls.checkIme)) return;
  if (TextOf(g_app.controls.charWidth) == texts::kFullWidth) {
    OpenInputMethod(window, kHiraganaConversion, IME_SMODE_CONVERSATION);
  } else {
    OpenInputMethod(window, kHalfKatakanaConversion, 0);
  }
}

void SetFontSize(HWND window, int index) {
  g_app.settings.fontSizeIndex = ValidFontSizeIndex(index);
  ApplyListFont(window, g_app.controls.addressList, FontSizeTable[g_app.settings.fontSizeIndex]);
  CheckMenuRadioItem(GetMenu(window), IDM_FONT_LARGEST, IDM_FONT_SMALLEST,
                     IDM_FONT_LARGEST + static_cast<UINT>(g_app.settings.fontSizeIndex), MF_BYCOMMAND);
}

void OpenWebAddress(const char* key) {
  const std::string ini = g_app.files.directory + datafiles::kLinksName;
  char url[kUrlBytes] = {};
  GetPrivateProfileStringA(texts::kLinksSection, key, "", url, kUrlBytes, ini.c_str());
  // An empty address would make the shell open the current folder instead.
  if (url[0] == '\0') return;
  ShellExecuteA(nullptr, nullptr, url, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

void SetStatusText(const char* text) {
  SendMessageA(g_app.controls.status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void ShowFirstSelectedRow(HWND list) {
  const int row = FirstSelectedItem(list);
  if (row < 0) return;
  const std::string text = list == g_app.controls.officeList ? FormatOfficeRow(row) : FormatAddressRow(row);
  SetWindowTextA(g_app.controls.display, text.c_str());
}

void LockSearchForm(bool enable) {
  const Controls& c = g_app.controls;
  const HWND form[] = {c.radioNumber, c.radioPlace, c.radioFuzzy, c.numberKind, c.charWidth, c.prefecture, c.areaPlace,
                       c.townLabel,   c.number,     c.city,       c.town,       c.fuzzy,     c.conditionList};
  for (HWND control : form) EnableWindow(control, enable);
  if (enable) {
    const struct {
      HWND radio;
      int id;
    } radios[] = {{c.radioNumber, IDC_RADIO_NUMBER}, {c.radioPlace, IDC_RADIO_PLACE}, {c.radioFuzzy, IDC_RADIO_FUZZY}};
    for (const auto& r : radios) {
      if (IsChecked(r.radio)) SendMessageA(GetParent(r.radio), WM_COMMAND, static_cast<WPARAM>(r.id), 0);
    }
  }
  UpdateWindow(GetParent(c.search));
}

// The result lists are owner-data lists: setting the count makes items 0 to
// count - 1, each answered from its row (AnswerResultListNotify), in one step
// whatever the count.
void FillResultList(HWND list, int count) {
  SendMessageA(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
  InvalidateRect(list, nullptr, TRUE);
}

bool AnswerResultListNotify(NMHDR& header, LRESULT& answer) {
  const Controls& c = g_app.controls;
  if (header.hwndFrom == nullptr || (header.hwndFrom != c.addressList && header.hwndFrom != c.officeList)) {
    return false;
  }
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

// The radio buttons and the edit boxes act on every notification, not only a
// click or a change: the mode's enabling and the box's input-method state are
// applied again whatever happened (focus, change, update), so they hold
// however the control was reached, and LockSearchForm can re-send a radio id.
void OnCommand(HWND window, WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  const Controls& c = g_app.controls;
  switch (id) {
    case IDC_RADIO_NUMBER:
    case IDC_RADIO_PLACE:
    case IDC_RADIO_FUZZY:
      ApplyModeEnabling();
      break;
    case IDC_NUMBER_KIND:
      if (code == CBN_SELCHANGE) {
        SetWindowTextA(c.number, "");
        UpdateAreaPlaceState();
      }
      break;
    case IDC_PREFECTURE:
      if (code == CBN_SELCHANGE) EmptyComboBox(c.city);
      break;
    case IDC_NUMBER:
      CloseInputMethod(window);
      break;
    case IDC_CITY:
      if (code == CBN_SETFOCUS) {
        EmptyComboBox(c.city);
        FillCityList();
      }
      break;
    case IDC_TOWN:
      OnTownBox(window);
      break;
    case IDC_AREA_PLACE:
      if (code == CBN_SETFOCUS) {
        EmptyComboBox(c.areaPlace);
        FillAreaPlaceList();
      }
      break;
    case IDC_FUZZY:
      OnFuzzyBox(window);
      break;
    case IDC_SEARCH:
      Search(window);
      break;
    case IDC_NEW_CONDITION:
    case IDM_NEW_CONDITION:
      NewCondition();
      break;
    case IDC_REGISTER_CONDITION:
      RegisterCondition();
      break;
    case IDM_REMOVE_CONDITION:
      RemoveSelectedCondition();
      break;
    case IDM_REMOVE_RECORD:
      RemoveSelectedRecords();
      break;
    case IDM_COPY_RECORD:
      CopyRecordLine(window);
      break;
    case IDM_EXIT:
      SendMessageA(window, WM_CLOSE, 0, 0);
      break;
    case IDM_ENTER:
      OnEnter(window);
      break;
    case IDM_RECORD:
      RecordSelectedRows();
      break;
    case IDM_COPY:
      Copy(window);
      break;
    case IDM_PROPERTIES:
    case IDM_ROW_PROPERTIES:
      ShowRowDetails(window, c.addressList, c.officeList, g_app.addressRows, g_app.officeRows);
      break;
    case IDM_POSTAL_URL:
      OpenWebAddress(texts::kPostalUrlKey);
      break;
    case IDM_KEN_ALL_URL:
      OpenWebAddress(texts::kKenAllUrlKey);
      break;
    case IDM_JIGYOSYO_URL:
      OpenWebAddress(texts::kJigyosyoUrlKey);
      break;
    case IDM_SETTINGS:
      ShowSettings(window);
      break;
    case IDM_ABOUT:
      ShowAboutBox(window, WindowInstance(window));
      break;
    case IDM_HELP:
      ShowHelp(g_app.files.directory);
      break;
    case IDM_FONT_LARGEST:
    case IDM_FONT_LARGE:
    case IDM_FONT_MEDIUM:
    case IDM_FONT_SMALL:
    case IDM_FONT_SMALLEST:
      SetFontSize(window, id - IDM_FONT_LARGEST);
      break;
    default:
      break;
  }
}

}  // namespace kuranto
