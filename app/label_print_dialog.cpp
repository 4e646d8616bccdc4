#include "app/label_print_dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/address_dialog.h"
#include "app/label_drawing.h"
#include "app/label_preview.h"
#include "app/label_printer.h"
#include "app/label_texts.h"
#include "app/main_window.h"
#include "app/settings_load.h"
#include "app/texts.h"
#include "labels/layout.h"
#include "labels/preview_place.h"
#include "labels/stock.h"
#include "labels/zoom.h"
#include "postal/text.h"
#include "settings/label_settings.h"
#include "win32/format_text.h"
#include "win32/form_controls.h"

namespace kuranto {

namespace {

constexpr size_t kStockCount = sizeof label_texts::kStocks / sizeof label_texts::kStocks[0];
constexpr size_t kColumnShownBytes = 40;
constexpr double kTenthsPerMm = 10.0;
const int kColumnLists[] = {IDC_LABEL_NAME_COLUMN, IDC_LABEL_COMPANY_COLUMN, IDC_LABEL_BUILDING_COLUMN};
const int kColumnControls[] = {IDC_LABEL_NAME_CAPTION,     IDC_LABEL_NAME_COLUMN,     IDC_LABEL_COMPANY_CAPTION,
                               IDC_LABEL_COMPANY_COLUMN,   IDC_LABEL_BUILDING_CAPTION, IDC_LABEL_BUILDING_COLUMN};

// The dialog's own state, from WM_INITDIALOG to EndDialog.
struct PrintDialog {
  HWND dialog = nullptr;
  const LabelSource* source = nullptr;
  const resolver::AddressBook* book = nullptr;
  settings::LabelSettings saved;
  GdiFontMetrics metrics;
  std::vector<labels::Label> labels;  // for the columns and honorific chosen
  labels::Stock stock;
  labels::LayoutOptions options;
  std::unique_ptr<labels::Layout> layout;
  labels::Check check;
  labels::PreviewPlace preview;  // the page shown, or the label zoomed
  bool ready = false;  // the controls filled: their notices from then on are the user's
};

PrintDialog* StateOf(HWND dialog) { return reinterpret_cast<PrintDialog*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void AddItem(HWND dialog, int id, const std::string& text) {
  Send(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

size_t Selected(HWND dialog, int id) {
  const LRESULT index = Send(dialog, id, CB_GETCURSEL);
  return index < 0 ? 0 : static_cast<size_t>(index);
}

std::string CustomSettingName(const std::string& name) { return label_texts::kCustomStockPrefix + name; }

void FillStockList(PrintDialog& s) {
  Send(s.dialog, IDC_LABEL_STOCK, CB_RESETCONTENT);
  size_t chosen = 1;  // a4-12 when the saved stock is gone
  for (size_t i = 0; i < kStockCount; ++i) {
    AddItem(s.dialog, IDC_LABEL_STOCK, label_texts::kStocks[i].shown);
    if (s.saved.stock == label_texts::kStocks[i].name) chosen = i;
  }
  for (size_t i = 0; i < s.saved.customStocks.size(); ++i) {
    const std::string& name = s.saved.customStocks[i].name;
    AddItem(s.dialog, IDC_LABEL_STOCK, FormatText(label_texts::kCustomStockFormat, name.c_str()));
    if (s.saved.stock == CustomSettingName(name)) chosen = kStockCount + i;
  }
  Send(s.dialog, IDC_LABEL_STOCK, CB_SETCURSEL, chosen);
}

// The stock chosen, kept as the last one; false for custom figures that make no sheet.
bool ReadStock(PrintDialog& s) {
  const size_t index = Selected(s.dialog, IDC_LABEL_STOCK);
  if (index < kStockCount) {
    s.saved.stock = label_texts::kStocks[index].name;
    return labels::FindStock(s.saved.stock, s.stock);
  }
  const settings::CustomStock& custom = s.saved.customStocks[index - kStockCount];
  s.saved.stock = CustomSettingName(custom.name);
  return labels::FindStock("custom:" + custom.figures, s.stock);
}

// A number of millimetres as typed ("", "0.5", "-1"); false for anything else.
bool ReadMm(HWND dialog, int id, int& tenths) {
  const std::string text = TextOf(GetDlgItem(dialog, id));
  if (text.empty()) {
    tenths = 0;
    return true;
  }
  char* end = nullptr;
  const double mm = std::strtod(text.c_str(), &end);
  if (end == nullptr || *end != '\0') return false;
  tenths = static_cast<int>(mm * kTenthsPerMm + (mm < 0 ? -0.5 : 0.5));
  return true;
}

bool ReadOptions(PrintDialog& s) {
  BOOL read = FALSE;
  const UINT start = GetDlgItemInt(s.dialog, IDC_LABEL_START, &read, FALSE);
  if (!read || !ReadMm(s.dialog, IDC_LABEL_OFFSET_X, s.saved.offsetX) ||
      !ReadMm(s.dialog, IDC_LABEL_OFFSET_Y, s.saved.offsetY)) {
    return false;
  }
  s.saved.order = static_cast<int>(Selected(s.dialog, IDC_LABEL_ORDER));
  s.saved.noBarcode = IsDlgButtonChecked(s.dialog, IDC_LABEL_NO_BARCODE) == BST_CHECKED;
  s.options.start = start == 0 ? 1 : start;
  s.options.offsetX = s.saved.offsetX / kTenthsPerMm;
  s.options.offsetY = s.saved.offsetY / kTenthsPerMm;
  s.options.order = s.saved.order == 1 ? labels::Order::kCode : labels::Order::kList;
  s.options.barcodes = !s.saved.noBarcode;
  return true;
}

// The labels again for the columns and honorific chosen; a refused file is told.
void MakeRowsIntoLabels(PrintDialog& s) {
  lists::LabelColumns columns = s.source->columns;
  columns.name = Selected(s.dialog, IDC_LABEL_NAME_COLUMN);
  columns.company = Selected(s.dialog, IDC_LABEL_COMPANY_COLUMN);
  columns.building = Selected(s.dialog, IDC_LABEL_BUILDING_COLUMN);
  s.saved.honorific = static_cast<int>(Selected(s.dialog, IDC_LABEL_HONORIFIC));
  columns.honorific = static_cast<labels::HonorificRule>(s.saved.honorific);
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  lists::CsvResult refused;
  const bool made = MakeSourceLabels(*s.book, *s.source, columns, s.labels, refused);
  SetCursor(previous);
  if (!made) {
    ShowMessage(s.dialog, FormatText(texts::kCsvCannotReadFormat, s.source->path.c_str()).c_str(),
                label_texts::kReportCaption, MB_OK | MB_ICONEXCLAMATION);
  }
}

// The place shown told as "1 / 4 ページ" or "ラベル 5 / 40", the arrows
// and 拡大 enabled for it, the preview drawn again.
void TellPlace(PrintDialog& s) {
  const labels::PreviewPlace& place = s.preview;
  const std::string text = FormatText(place.zoomed() ? label_texts::kLabelFormat : label_texts::kPageFormat,
                                      static_cast<unsigned long>(place.Number()), static_cast<unsigned long>(place.Count()));
  SetDlgItemTextA(s.dialog, IDC_LABEL_PAGE, text.c_str());
  EnableWindow(GetDlgItem(s.dialog, IDC_LABEL_PREVIOUS), place.Number() > 1);
  EnableWindow(GetDlgItem(s.dialog, IDC_LABEL_NEXT), place.Number() < place.Count());
  CheckDlgButton(s.dialog, IDC_LABEL_ZOOM, place.zoomed() ? BST_CHECKED : BST_UNCHECKED);
  EnableWindow(GetDlgItem(s.dialog, IDC_LABEL_ZOOM), !place.items().labels.empty());
  InvalidateRect(GetDlgItem(s.dialog, IDC_LABEL_PREVIEW), nullptr, FALSE);
}

void Zoom(PrintDialog& s, bool on) {
  s.preview.Zoom(on);
  TellPlace(s);
}

// A click on the page zooms the label under it (none on a gap or a margin);
// a click on the label zoomed goes back to its page.
void OnPreviewClick(PrintDialog& s, POINT at) {
  if (s.preview.zoomed()) {
    Zoom(s, false);
    return;
  }
  RECT area = {};
  GetClientRect(GetDlgItem(s.dialog, IDC_LABEL_PREVIEW), &area);
  const labels::View view = PageView(area, s.stock);
  if (view.perMm <= 0) return;
  const labels::LabelPlace* hit = labels::LabelAt(s.preview.items(), view.MmX(at.x), view.MmY(at.y));
  if (hit == nullptr) return;
  s.preview.ZoomLabel(hit->label);
  TellPlace(s);
}

// The stock and options as the controls have them, the labels laid out again.
void Relayout(PrintDialog& s) {
  std::string status;
  if (!ReadStock(s)) {
    s.layout.reset();
    status = label_texts::kBadFiguresText;
  } else if (!ReadOptions(s)) {
    status = label_texts::kBadNumberText;
  } else {
    s.layout = std::make_unique<labels::Layout>(s.stock, s.options, s.metrics);
    s.check = s.layout->Fit(s.labels);
    status = RefusalText(s.check, s.options);
    if (status.empty()) status = WarningText(s.check);
  }
  SetDlgItemTextA(s.dialog, IDC_LABEL_COUNTS, s.layout ? CountsText(s.check).c_str() : "");
  SetDlgItemTextA(s.dialog, IDC_LABEL_STATUS, status.c_str());
  s.preview.Show(s.layout.get());
  TellPlace(s);
}

void FillColumnLists(PrintDialog& s) {
  const LabelSource& source = *s.source;
  const bool shown = source.columnNames.size() > 1;
  for (int id : kColumnControls) ShowWindow(GetDlgItem(s.dialog, id), shown ? SW_SHOW : SW_HIDE);
  const size_t chosen[] = {source.columns.name, source.columns.company, source.columns.building};
  for (size_t list = 0; list < 3; ++list) {
    AddItem(s.dialog, kColumnLists[list], label_texts::kNoneColumn);
    for (size_t i = 0; i < source.columnNames.size(); ++i) {
      AddItem(s.dialog, kColumnLists[list],
              std::to_string(i + 1) + ": " + postal::TruncateText(source.columnNames[i], kColumnShownBytes));
    }
    Send(s.dialog, kColumnLists[list], CB_SETCURSEL, chosen[list] <= source.columnNames.size() ? chosen[list] : 0);
  }
}

void ShowCustomStock(PrintDialog& s);

void SetMm(HWND dialog, int id, int tenths) {
  SetDlgItemTextA(dialog, id, tenths == 0 ? "0" : FormatText("%.1f", tenths / kTenthsPerMm).c_str());
}

void OnInit(PrintDialog& s) {
  SetDlgItemTextA(s.dialog, IDC_LABEL_SOURCE, s.source->title.c_str());
  // The arrows are not in cp932.
  SetWindowTextW(GetDlgItem(s.dialog, IDC_LABEL_PREVIOUS), L"\u25C0");
  SetWindowTextW(GetDlgItem(s.dialog, IDC_LABEL_NEXT), L"\u25B6");
  TakeClicksAndEsc(GetDlgItem(s.dialog, IDC_LABEL_PREVIEW));
  for (const char* text : label_texts::kHonorifics) AddItem(s.dialog, IDC_LABEL_HONORIFIC, text);
  for (const char* text : label_texts::kOrders) AddItem(s.dialog, IDC_LABEL_ORDER, text);
  const bool valid = s.saved.honorific >= 0 && s.saved.honorific < 4;
  Send(s.dialog, IDC_LABEL_HONORIFIC, CB_SETCURSEL, valid ? static_cast<WPARAM>(s.saved.honorific) : 0);
  Send(s.dialog, IDC_LABEL_ORDER, CB_SETCURSEL, s.saved.order == 1 ? 1 : 0);
  SetDlgItemInt(s.dialog, IDC_LABEL_START, 1, FALSE);
  SetMm(s.dialog, IDC_LABEL_OFFSET_X, s.saved.offsetX);
  SetMm(s.dialog, IDC_LABEL_OFFSET_Y, s.saved.offsetY);
  CheckDlgButton(s.dialog, IDC_LABEL_NO_BARCODE, s.saved.noBarcode ? BST_CHECKED : BST_UNCHECKED);
  FillStockList(s);
  ShowCustomStock(s);
  FillColumnLists(s);
  MakeRowsIntoLabels(s);
  Relayout(s);
}

void Tell(HWND dialog, const std::string& text) {
  ShowMessage(dialog, text.c_str(), label_texts::kCaption, MB_OK | MB_ICONINFORMATION);
}

// The custom stock chosen shows its name and figures, to be changed and saved again.
void ShowCustomStock(PrintDialog& s) {
  const size_t index = Selected(s.dialog, IDC_LABEL_STOCK);
  const bool custom = index >= kStockCount;
  EnableWindow(GetDlgItem(s.dialog, IDC_LABEL_CUSTOM_DELETE), custom);
  if (!custom) return;
  const settings::CustomStock& stock = s.saved.customStocks[index - kStockCount];
  SetDlgItemTextA(s.dialog, IDC_LABEL_CUSTOM_NAME, stock.name.c_str());
  SetDlgItemTextA(s.dialog, IDC_LABEL_CUSTOM_FIGURES, stock.figures.c_str());
}

void SaveCustomStock(PrintDialog& s) {
  settings::CustomStock stock;
  stock.name = TextOf(GetDlgItem(s.dialog, IDC_LABEL_CUSTOM_NAME));
  stock.figures = TextOf(GetDlgItem(s.dialog, IDC_LABEL_CUSTOM_FIGURES));
  labels::Stock made;
  if (stock.name.empty()) {
    Tell(s.dialog, label_texts::kNeedNameText);
    return;
  }
  if (!labels::FindStock("custom:" + stock.figures, made)) {
    Tell(s.dialog, label_texts::kBadFiguresText);
    return;
  }
  auto& stocks = s.saved.customStocks;
  auto same = std::find_if(stocks.begin(), stocks.end(), [&](const auto& c) { return c.name == stock.name; });
  if (same != stocks.end()) {
    *same = stock;
  } else if (stocks.size() < static_cast<size_t>(settings::kMaxCustomStocks)) {
    stocks.push_back(stock);
  }
  s.saved.stock = CustomSettingName(stock.name);
  FillStockList(s);
  ShowCustomStock(s);
  Relayout(s);
}

void DeleteCustomStock(PrintDialog& s) {
  const size_t index = Selected(s.dialog, IDC_LABEL_STOCK);
  if (index < kStockCount) return;
  s.saved.customStocks.erase(s.saved.customStocks.begin() + static_cast<long>(index - kStockCount));
  s.saved.stock = label_texts::kStocks[1].name;
  FillStockList(s);
  ShowCustomStock(s);
  Relayout(s);
}

void Print(PrintDialog& s, PrintRun run) {
  if (s.layout == nullptr) return;
  const std::string refusal = run == PrintRun::kLabels ? RefusalText(s.check, s.options) : std::string();
  if (!refusal.empty()) {
    Tell(s.dialog, refusal);
    return;
  }
  settings::SaveLabelSettings(SettingsKeyInUse(), s.saved);
  PrintLabels(s.dialog, *s.layout, s.metrics, run);
}

void OnCommand(PrintDialog& s, int id, int code) {
  switch (id) {
    case IDC_LABEL_STOCK:
      if (code != CBN_SELCHANGE) return;
      ShowCustomStock(s);
      Relayout(s);
      return;
    case IDC_LABEL_HONORIFIC:
    case IDC_LABEL_NAME_COLUMN:
    case IDC_LABEL_COMPANY_COLUMN:
    case IDC_LABEL_BUILDING_COLUMN:
      if (code != CBN_SELCHANGE) return;
      MakeRowsIntoLabels(s);
      Relayout(s);
      return;
    case IDC_LABEL_ORDER:
      if (code == CBN_SELCHANGE) Relayout(s);
      return;
    case IDC_LABEL_START:
    case IDC_LABEL_OFFSET_X:
    case IDC_LABEL_OFFSET_Y:
      if (code == EN_CHANGE) Relayout(s);
      return;
    case IDC_LABEL_NO_BARCODE:
      Relayout(s);
      return;
    case IDC_LABEL_PREVIOUS:
    case IDC_LABEL_NEXT:
      s.preview.Step(id == IDC_LABEL_NEXT);
      TellPlace(s);
      return;
    case IDC_LABEL_ZOOM:
      Zoom(s, IsDlgButtonChecked(s.dialog, IDC_LABEL_ZOOM) == BST_CHECKED);
      return;
    case IDC_LABEL_CUSTOM_SAVE:
      SaveCustomStock(s);
      return;
    case IDC_LABEL_CUSTOM_DELETE:
      DeleteCustomStock(s);
      return;
    case IDC_LABEL_TEST_PRINT:
      Print(s, PrintRun::kAlignment);
      return;
    case IDOK:
      Print(s, PrintRun::kLabels);
      return;
    case IDCANCEL:
      settings::SaveLabelSettings(SettingsKeyInUse(), s.saved);
      EndDialog(s.dialog, IDCANCEL);
      return;
    default:
      return;
  }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    PrintDialog& s = *reinterpret_cast<PrintDialog*>(lParam);
    s.dialog = dialog;
    OnInit(s);
    s.ready = true;
    return TRUE;
  }
  PrintDialog* s = StateOf(dialog);
  if (s == nullptr || !s->ready) return FALSE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(*s, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != IDC_LABEL_PREVIEW) return FALSE;
      DrawPreview(item, s->stock, s->preview.items(), s->preview.ZoomedPlace(), s->metrics);
      return TRUE;
    }
    case kPreviewClicked:
      OnPreviewClick(*s, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return TRUE;
    case kPreviewEscape:
      // Esc on the page closes the dialog, as anywhere else in it.
      if (s->preview.zoomed()) {
        Zoom(*s, false);
      } else {
        OnCommand(*s, IDCANCEL, BN_CLICKED);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowLabelPrintDialog(HWND owner, AppState& app, const LabelSource& source) {
  const resolver::AddressBook* book = LoadedBook(owner, app);
  if (book == nullptr) return;
  PrintDialog state;
  state.source = &source;
  state.book = book;
  settings::LoadLabelSettings(SettingsKeyInUse(), state.saved);
  DialogBoxParamA(WindowInstance(owner), label_texts::kDialogResource, owner, DialogProc,
                  reinterpret_cast<LPARAM>(&state));
}

}  // namespace kuranto
