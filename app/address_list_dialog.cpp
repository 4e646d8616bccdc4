// 住所の一覧から郵便番号: a column of addresses pasted from a spreadsheet,
// each row answered in a list for review, and the codes copied back as a
// column that lines up with it row for row. A row that is only a postal code
// is answered the other way, with its address.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/address_dialog.h"
#include "app/address_list_dialog.h"
#include "app/app_state.h"
#include "app/commands.h"
#include "app/dialog_place.h"
#include "app/label_sources.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "lists/address_column.h"
#include "lists/address_rows.h"
#include "postal/text.h"
#include "resolver/address_parts.h"
#include "resolver/offices.h"
#include "resolver/code_index.h"
#include "win32/buffer_sizes.h"
#include "win32/clipboard.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {

constexpr UINT kWorkProgress = WM_APP + 1;  // lParam: the run
constexpr UINT kWorkDone = WM_APP + 2;      // lParam: the run
const char kCandidateSeparator[] = " / ";

// The result list's columns, in order, and their widths in dialog units.
enum Column { kLineColumn, kAddressColumn, kCodeColumn, kStatusColumn, kDuplicateColumn, kCandidatesColumn };
constexpr int kColumnWidths[] = {24, 130, 48, 40, 24, 136};

// The layout, in dialog units.
constexpr int kMargin = 7;
constexpr int kGap = 4;
constexpr int kLabelHeight = 11;  // a label and the space under it
constexpr int kButtonWidth = 57;
constexpr int kButtonHeight = 14;
constexpr int kProgressHeight = 10;

using Row = lists::AddressRow;

// The dialog's own state, from WM_INITDIALOG to WM_NCDESTROY.
struct ListDialog {
  AppState* app = nullptr;  // the state the dialog was opened with
  HWND dialog = nullptr;
  HWND owner = nullptr;
  SIZE smallest = {};  // the size it opened at: any smaller hides controls
  std::vector<Row> rows;
  lists::RowWorker work;
  bool running = false;
};

ListDialog* StateOf(HWND dialog) { return reinterpret_cast<ListDialog*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::string CandidatesText(const resolver::AddressBook& book, const resolver::Resolution& answer) {
  std::string text;
  for (size_t index : answer.candidates) {
    const resolver::TownRecord record = book.Record(index);
    if (!text.empty()) text += kCandidateSeparator;
    if (answer.status == resolver::Status::kCity) {
      text.append(record.prefecture).append(" ").append(record.city);
    } else {
      text.append(record.postalCode).append(" ").append(record.town);
    }
    if (text.size() >= kCandidatesShownBytes) break;
  }
  return postal::TruncateText(text, kCandidatesShownBytes);
}

// A code's address in one cell: "PREFECTURE CITY TOWN".
std::string CodeAddressText(const Row& row) {
  std::string text = row.cells.prefecture;
  for (const std::string* part : {&row.cells.city, &row.cells.town}) {
    if (!part->empty() && !text.empty()) text += ' ';
    text += *part;
  }
  return postal::TruncateText(text, kCandidatesShownBytes);
}

// A cell's text; the results only of rows the worker has answered.
std::string CellText(const ListDialog& state, size_t index, int column) {
  const Row& row = state.rows[index];
  if (column == kLineColumn) return std::to_string(index + 1);
  if (column == kAddressColumn) return row.address;
  if (row.address.empty() || index >= state.work.Done()) return std::string();
  switch (column) {
    case kCodeColumn:
      return row.code;
    case kStatusColumn:
      return row.isCode ? resolver::LookupStatusName(row.lookup) : resolver::StatusName(row.answer.status);
    case kDuplicateColumn:
      return row.firstRow != 0 ? std::to_string(row.firstRow) : std::string();
    default:
      return row.isCode ? CodeAddressText(row) : CandidatesText(*state.app->book, row.answer);
  }
}

// Puts `text` (cp932) into the list's buffer, in the form the notification asks for.
void AnswerText(NMLVDISPINFOA& info, bool wide, const std::string& text) {
  LVITEMA& item = info.item;
  if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
  const std::string shown = postal::TruncateText(text, static_cast<size_t>(item.cchTextMax) - 1);
  if (wide) {
    wchar_t* out = reinterpret_cast<LVITEMW&>(item).pszText;
    const int length =
        MultiByteToWideChar(932, 0, shown.data(), static_cast<int>(shown.size()), out, item.cchTextMax - 1);
    out[length] = L'\0';
  } else {
    lstrcpynA(item.pszText, shown.c_str(), item.cchTextMax);
  }
}

void OnGetDisplayInfo(const ListDialog& state, NMHDR& header) {
  auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
  const int index = info.item.iItem;
  if (index < 0 || static_cast<size_t>(index) >= state.rows.size()) return;
  AnswerText(info, header.code == LVN_GETDISPINFOW, CellText(state, static_cast<size_t>(index), info.item.iSubItem));
}

void AddColumns(HWND dialog) {
  HWND list = Item(dialog, IDC_LIST_RESULTS);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (int column = kLineColumn; column <= kCandidatesColumn; ++column) {
    RECT width = {0, 0, kColumnWidths[column], 0};
    MapDialogRect(dialog, &width);
    LVCOLUMNA header = {};
    header.mask = LVCF_TEXT | LVCF_WIDTH;
    header.cx = width.right;
    header.pszText = const_cast<char*>(texts::kAddressListColumns[column]);
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
  }
}

// The candidates take what width is left, the vertical scroll bar's too
// once rows need it.
void FillLastColumn(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_LIST_RESULTS, LVM_SETCOLUMNWIDTH, kCandidatesColumn, LVSCW_AUTOSIZE_USEHEADER);
}

void SetStatus(HWND dialog, const std::string& text) {
  SendDlgItemMessageA(dialog, IDC_LIST_STATUS, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// How many of the answered rows are of each status, and how many empty.
std::string CountsText(const ListDialog& state) {
  const size_t done = state.work.Done();
  const lists::AnsweredCounts n = lists::CountAnswered(state.rows, done);
  const std::string duplicates = texts::AddressListDuplicatesText(n.duplicates, n.duplicateRows);
  if (n.byCode.Total() == 0) return texts::AddressListCountsText(done, n.byStatus, n.empty) + duplicates;
  if (n.byStatus.Total() == 0) return texts::AddressListCodesOnlyText(done, n.byCode, n.empty);
  return texts::AddressListCountsText(done, n.byStatus, n.empty) + texts::AddressListCodesText(n.byCode) +
         duplicates;
}

void ShowProgress(const ListDialog& state) {
  const size_t done = state.work.Done();
  std::string text;
  text = FormatText(texts::kAddressListRunningFormat, static_cast<unsigned long>(done),
                static_cast<unsigned long>(state.rows.size()));
  SetStatus(state.dialog, text);
  SendDlgItemMessageA(state.dialog, IDC_LIST_PROGRESS, PBM_SETPOS, done, 0);
  InvalidateRect(Item(state.dialog, IDC_LIST_RESULTS), nullptr, FALSE);
}

// While a search runs its rows stay as pasted and a second cannot start;
// only a finished search, with rows, can be copied.
void EnableForRun(const ListDialog& state) {
  HWND dialog = state.dialog;
  const bool running = state.running;
  SendDlgItemMessageA(dialog, IDC_LIST_ADDRESSES, EM_SETREADONLY, running, 0);
  EnableWindow(Item(dialog, IDOK), !running);
  EnableWindow(Item(dialog, IDC_LIST_COPY_ALL), !running && !state.rows.empty());
  EnableWindow(Item(dialog, IDC_LIST_STOP), running);
  ShowWindow(Item(dialog, IDC_LIST_PROGRESS), running ? SW_SHOW : SW_HIDE);
}

std::string PastedText(HWND dialog) {
  HWND box = Item(dialog, IDC_LIST_ADDRESSES);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(box)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(box, &text[0], static_cast<int>(text.size()))));
  return text;
}

void SearchColumn(ListDialog& state) {
  HWND dialog = state.dialog;
  std::vector<std::string> addresses = lists::ColumnAddresses(PastedText(dialog));
  if (addresses.empty()) {
    ShowMessage(dialog, texts::kNeedAddress, texts::kConfirmCaption, MB_OK | MB_ICONINFORMATION);
    SetFocus(Item(dialog, IDC_LIST_ADDRESSES));
    return;
  }
  SetStatus(dialog, texts::kAddressListLoading);
  const resolver::AddressBook* book = LoadedBook(dialog, *state.app);
  if (book == nullptr) {
    SetStatus(dialog, "");
    return;
  }

  HWND list = Item(dialog, IDC_LIST_RESULTS);
  state.work.Stop();
  SendMessageA(list, LVM_SETITEMCOUNT, 0, 0);
  state.rows.assign(addresses.size(), Row());
  for (size_t i = 0; i < addresses.size(); ++i) state.rows[i].address = std::move(addresses[i]);
  // Every row shows at once, as pasted; its answer fills in as it comes.
  SendMessageA(list, LVM_SETITEMCOUNT, state.rows.size(), 0);
  FillLastColumn(dialog);
  SendDlgItemMessageA(dialog, IDC_LIST_PROGRESS, PBM_SETRANGE32, 0, static_cast<LPARAM>(state.rows.size()));
  SendDlgItemMessageA(dialog, IDC_LIST_PROGRESS, PBM_SETPOS, 0, 0);
  SelectListRow(list, 0);
  SetFocus(list);
  state.running = true;
  EnableForRun(state);
  state.work.Start(*book, state.rows, [dialog](bool last, long long run) {
    PostMessageA(dialog, last ? kWorkDone : kWorkProgress, 0, static_cast<LPARAM>(run));
  });
  ShowProgress(state);
}

void FinishRun(ListDialog& state, const char* before) {
  state.running = false;
  EnableForRun(state);
  InvalidateRect(Item(state.dialog, IDC_LIST_RESULTS), nullptr, FALSE);
  SetStatus(state.dialog, before + CountsText(state));
}

void OnWorkDone(ListDialog& state, LPARAM run) {
  if (!state.running || !state.work.IsCurrent(run)) return;
  state.work.Stop();  // the worker has posted its last message: it ends at once
  FinishRun(state, "");
}

// The rows answered so far stay, and only they: a copy then lines up with
// the top of the column.
void CancelRun(ListDialog& state) {
  if (!state.running) return;
  state.work.Stop();
  state.rows.resize(state.work.Done());
  SendDlgItemMessageA(state.dialog, IDC_LIST_RESULTS, LVM_SETITEMCOUNT, state.rows.size(), LVSICF_NOSCROLL);
  FinishRun(state, texts::kAddressListCancelled);
  SetFocus(Item(state.dialog, IDC_LIST_RESULTS));
}

// A code's towns in the main window's address list; an office's code, or
// one in neither file, gets a box.
void ReviewCode(const ListDialog& state, const Row& row) {
  if (row.towns.empty()) {
    const bool office = row.lookup == resolver::LookupStatus::kOffice;
    const std::string text = office ? row.code + " " + CodeAddressText(row) : std::string(texts::kUnknownCode);
    ShowMessage(state.dialog, text.c_str(), texts::kConfirmCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  resolver::Resolution shown;
  shown.status = row.towns.size() == 1 ? resolver::Status::kExact : resolver::Status::kAmbiguous;
  shown.postalCode = row.code;
  shown.candidates = row.towns;
  ShowResolution(state.owner, *state.app, shown);
}

// The row's answer in the main window's address list, as the one-address
// dialog shows it; a row whose municipality is unknown gets the same box.
void ReviewRow(const ListDialog& state, int index) {
  if (index < 0 || static_cast<size_t>(index) >= state.work.Done()) return;
  const Row& row = state.rows[static_cast<size_t>(index)];
  if (row.address.empty()) return;
  if (row.isCode) {
    ReviewCode(state, row);
    return;
  }
  if (row.answer.status == resolver::Status::kNone) {
    ShowMessage(state.dialog, texts::kNoMunicipality, texts::kWindowTitle, MB_OK | MB_ICONINFORMATION);
    return;
  }
  ShowResolution(state.owner, *state.app, row.answer);
}

// Both forms, so a Unicode program reads the same codes.
void CopyAll(const ListDialog& state) {
  lists::CellsAsked asked;
  asked.parts = state.app->settings.copyParts;
  asked.barcode = IsDlgButtonChecked(state.dialog, IDC_LIST_COPY_BARCODE) == BST_CHECKED;
  const bool firstRows = IsDlgButtonChecked(state.dialog, IDC_LIST_COPY_DUPLICATES) == BST_CHECKED;
  PutTextOnClipboard(state.dialog, lists::RowsAsColumn(*state.app->book, state.rows, asked, firstRows));
}

// The choices beside すべてコピー, kept in the settings.
void OnCopyChoiceClicked(const ListDialog& state) {
  state.app->settings.copyParts = IsDlgButtonChecked(state.dialog, IDC_LIST_COPY_PARTS) == BST_CHECKED;
  state.app->settings.copyBarcode = IsDlgButtonChecked(state.dialog, IDC_LIST_COPY_BARCODE) == BST_CHECKED;
  state.app->settings.copyDuplicates = IsDlgButtonChecked(state.dialog, IDC_LIST_COPY_DUPLICATES) == BST_CHECKED;
}

RECT DialogUnits(HWND dialog, int left, int top, int width, int height) {
  RECT r = {left, top, left + width, top + height};
  MapDialogRect(dialog, &r);
  return r;
}

void Place(HWND dialog, int id, int x, int y, int width, int height) {
  MoveWindow(Item(dialog, id), x, y, width, height, TRUE);
}

// The boxes share the height, the result list taking the larger part; the
// buttons stand in a column on the right.
void LayOut(HWND dialog) {
  HWND status = Item(dialog, IDC_LIST_STATUS);
  SendMessageA(status, WM_SIZE, 0, 0);
  RECT bar = {};
  GetWindowRect(status, &bar);
  RECT client = {};
  GetClientRect(dialog, &client);
  const RECT u = DialogUnits(dialog, kMargin, kLabelHeight, kButtonWidth, kButtonHeight);
  const RECT small = DialogUnits(dialog, kGap, kProgressHeight, 0, 0);
  const int margin = u.left, label = u.top, buttonWidth = u.right - u.left, buttonHeight = u.bottom - u.top;
  const int gap = small.left, progress = small.top;

  const int buttons = client.right - margin - buttonWidth;
  const int width = buttons - 2 * margin;
  const int bottom = client.bottom - (bar.bottom - bar.top) - margin;
  const int boxesTop = margin + label;
  const int boxes = bottom - boxesTop - gap - label - gap - progress;
  const int pasted = boxes * 2 / 5;
  const int resultsTop = boxesTop + pasted + gap + label;
  const int progressTop = bottom - progress;

  Place(dialog, IDC_LIST_ADDRESSES, margin, boxesTop, width, pasted);
  Place(dialog, IDC_LIST_RESULTS_LABEL, margin, resultsTop - label, width, label);
  Place(dialog, IDC_LIST_RESULTS, margin, resultsTop, width, progressTop - gap - resultsTop);
  FillLastColumn(dialog);
  Place(dialog, IDC_LIST_PROGRESS, margin, progressTop, width, progress);
  Place(dialog, IDOK, buttons, boxesTop, buttonWidth, buttonHeight);
  Place(dialog, IDC_LIST_STOP, buttons, boxesTop + buttonHeight + gap, buttonWidth, buttonHeight);
  Place(dialog, IDC_LIST_COPY_ALL, buttons, resultsTop, buttonWidth, buttonHeight);
  Place(dialog, IDC_LIST_COPY_BARCODE, buttons, resultsTop + buttonHeight + gap, buttonWidth, buttonHeight);
  Place(dialog, IDC_LIST_COPY_PARTS, buttons, resultsTop + 2 * (buttonHeight + gap), buttonWidth,
        buttonHeight * 10 / 7);
  const int belowParts = resultsTop + 2 * (buttonHeight + gap) + buttonHeight * 10 / 7 + gap;
  Place(dialog, IDC_LIST_COPY_DUPLICATES, buttons, belowParts, buttonWidth, buttonHeight);
  Place(dialog, IDC_LIST_PRINT_LABELS, buttons, belowParts + buttonHeight + gap, buttonWidth, buttonHeight);
  Place(dialog, IDCANCEL, buttons, bottom - buttonHeight, buttonWidth, buttonHeight);
  // What the controls left behind at their old places goes too.
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void OnInitDialog(HWND dialog, LPARAM param) {
  auto* state = reinterpret_cast<ListDialog*>(param);
  SetWindowLongPtrA(dialog, DWLP_USER, param);
  state->dialog = dialog;
  // A reviewed row shows in the main window's address list.
  PlaceBesideOwner(dialog, state->owner);
  RECT opened = {};
  GetWindowRect(dialog, &opened);
  state->smallest = {opened.right - opened.left, opened.bottom - opened.top};
  SendDlgItemMessageA(dialog, IDC_LIST_ADDRESSES, EM_SETLIMITTEXT, kPastedBytes, 0);
  AddColumns(dialog);
  CheckDlgButton(dialog, IDC_LIST_COPY_PARTS, state->app->settings.copyParts ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_LIST_COPY_BARCODE, state->app->settings.copyBarcode ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_LIST_COPY_DUPLICATES, state->app->settings.copyDuplicates ? BST_CHECKED : BST_UNCHECKED);
  EnableForRun(*state);
  LayOut(dialog);
}

void OnCommand(ListDialog& state, int id) {
  switch (id) {
    case IDOK:
      // Enter: on the result list it reviews the row, anywhere else it searches.
      if (GetFocus() == Item(state.dialog, IDC_LIST_RESULTS)) {
        ReviewRow(state, FirstSelectedItem(GetFocus()));
      } else if (!state.running) {
        SearchColumn(state);
      }
      break;
    case IDC_LIST_STOP:
      CancelRun(state);
      break;
    case IDC_LIST_COPY_ALL:
      CopyAll(state);
      break;
    case IDC_LIST_COPY_PARTS:
    case IDC_LIST_COPY_BARCODE:
    case IDC_LIST_COPY_DUPLICATES:
      OnCopyChoiceClicked(state);
      break;
    case IDC_LIST_PRINT_LABELS:
      PrintPastedLabels(state.dialog, *state.app, PastedText(state.dialog));
      break;
    case IDCANCEL:
      DestroyWindow(state.dialog);
      break;
    default:
      break;
  }
}

void OnNotify(ListDialog& state, NMHDR& header) {
  if (header.idFrom != IDC_LIST_RESULTS) return;
  switch (header.code) {
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
      OnGetDisplayInfo(state, header);
      break;
    case NM_DBLCLK:
      ReviewRow(state, reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
      break;
    default:
      break;
  }
}

INT_PTR CALLBACK AddressListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnInitDialog(dialog, lParam);
    return TRUE;
  }
  ListDialog* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(*state, LOWORD(wParam));
      return TRUE;
    case WM_NOTIFY:
      OnNotify(*state, *reinterpret_cast<NMHDR*>(lParam));
      return TRUE;
    case kWorkProgress:
      if (state->running && state->work.IsCurrent(lParam)) ShowProgress(*state);
      return TRUE;
    case kWorkDone:
      OnWorkDone(*state, lParam);
      return TRUE;
    case WM_SIZE:
      LayOut(dialog);
      return TRUE;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {state->smallest.cx, state->smallest.cy};
      return TRUE;
    case WM_DESTROY:
      // The worker writes into the rows: it ends before they go.
      state->work.Stop();
      state->app->addressListDialog = nullptr;
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      delete state;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowAddressListDialog(HWND window, AppState& app) {
  if (app.addressListDialog == nullptr) {
    auto state = std::make_unique<ListDialog>();
    state->app = &app;
    state->owner = window;
    app.addressListDialog = CreateDialogParamA(WindowInstance(window), texts::kAddressListResource, window,
                                               AddressListProc, reinterpret_cast<LPARAM>(state.get()));
    if (app.addressListDialog == nullptr) return;
    state.release();  // the dialog deletes it as it goes
  }
  ShowWindow(app.addressListDialog, SW_SHOW);
  SetForegroundWindow(app.addressListDialog);
  SetFocus(GetDlgItem(app.addressListDialog, IDC_LIST_ADDRESSES));
}

}  // namespace kuranto
