// 住所から郵便番号: one address at a time, answered in the dialog itself and
// in the address list like any search, the dialog left open for the next one.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <set>
#include <string>
#include <string_view>

#include "app/address_dialog.h"
#include "app/address_parts_view.h"
#include "app/app_state.h"
#include "app/barcode_panel.h"
#include "app/child_controls.h"
#include "app/commands.h"
#include "app/dialog_place.h"
#include "app/main_window.h"
#include "app/office_answer.h"
#include "app/result_pages.h"
#include "app/texts.h"
#include "postal/templates.h"
#include "postal/text.h"
#include "postal/texts.h"
#include "resolver/book_files.h"
#include "resolver/offices.h"
#include "win32/buffer_sizes.h"
#include "win32/form_controls.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {


postal::AddressRecord RowOf(const resolver::TownRecord& town) {
  postal::AddressRecord row = {};
  const auto put = [](char* slot, size_t width, std::string_view text) {
    postal::CopyToSlot(slot, width, text.data(), text.size());
  };
  put(row.newNumber, sizeof row.newNumber, town.postalCode);
  put(row.prefecture, sizeof row.prefecture, town.prefecture);
  put(row.prefectureKana, sizeof row.prefectureKana, town.prefectureKana);
  put(row.city, sizeof row.city, town.city);
  put(row.cityKana, sizeof row.cityKana, town.cityKana);
  put(row.town, sizeof row.town, town.town);
  put(row.townKana, sizeof row.townKana, town.townKana);
  put(row.cityCode, sizeof row.cityCode, town.cityCode);
  put(row.oldNumber, sizeof row.oldNumber, town.oldCode);
  return row;
}

// Why several codes remain: the same municipality name in several
// prefectures, or a town that its notes split.
const char* WhyAmbiguous(const resolver::AddressBook& book, const resolver::Resolution& resolution) {
  std::set<std::string_view> cities;
  for (size_t index : resolution.candidates) cities.insert(book.Record(index).cityCode);
  return cities.size() > 1 ? texts::kSeveralCities : texts::kTownSplit;
}

std::string StatusOf(const resolver::AddressBook& book, const resolver::Resolution& resolution, int rows) {
  std::string text;
  switch (resolution.status) {
    case resolver::Status::kExact:
      text = FormatText(texts::kResolvedExactFormat, resolution.postalCode.c_str(), rows);
      break;
    case resolver::Status::kAmbiguous:
      text = FormatText(texts::kResolvedAmbiguousFormat, rows, WhyAmbiguous(book, resolution));
      break;
    case resolver::Status::kCity:
      if (resolution.postalCode.empty()) {
        text = FormatText(texts::kResolvedCityNoCodeFormat, rows);
      } else {
        text = FormatText(texts::kResolvedCityFormat, resolution.postalCode.c_str(), rows);
      }
      break;
    case resolver::Status::kNone:
      text = texts::kNoMunicipality;
      break;
  }
  return text;
}

// The answer's code (hyphenated as the lists show codes), its status in
// words and an office's name.
void ShowAnswerFields(HWND dialog, const AppState& app, const resolver::Resolution& resolution, size_t office) {
  std::string code = resolution.postalCode, status, name;
  switch (resolution.status) {
    case resolver::Status::kExact: status = texts::kAnswerExact; break;
    case resolver::Status::kAmbiguous:
      // Several codes: none of them is the answer.
      code.clear();
      status = FormatText(texts::kAnswerAmbiguousFormat, static_cast<int>(resolution.candidates.size()));
      break;
    case resolver::Status::kCity: status = texts::kAnswerCity; break;
    case resolver::Status::kNone: status = texts::kAnswerNone; break;
  }
  if (office != resolver::kNoOffice) {
    const resolver::Office found = resolver::OfficeAt(*app.book, office);
    code = std::string(found.postalCode);
    status = texts::kAnswerOffice;
    name = std::string(found.name);
  }
  if (app.settings.hyphen) postal::InsertPostalHyphen(code);
  SetDlgItemTextA(dialog, IDC_RESOLVE_CODE, code.c_str());
  SetDlgItemTextA(dialog, IDC_RESOLVE_STATUS, status.c_str());
  SetDlgItemTextA(dialog, IDC_RESOLVE_OFFICE, name.c_str());
}

// Nothing of the last answer left in the dialog.
void ClearDialogAnswer(HWND dialog, AppState& app) {
  for (int id : {IDC_RESOLVE_CODE, IDC_RESOLVE_STATUS, IDC_RESOLVE_OFFICE}) SetDlgItemTextA(dialog, id, "");
  ClearAddressParts(dialog);
  ClearBarcodeAnswer(dialog, app.addressBarcode);
}

void SearchAddress(HWND dialog, HWND window, AppState& app) {
  HWND box = GetDlgItem(dialog, IDC_RESOLVE_ADDRESS);
  const std::string address = TextOf(box, kAddressBytes);
  if (address.empty()) {
    ShowMessage(dialog, texts::kNeedAddress, texts::kConfirmCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  const resolver::AddressBook* book = LoadedBook(dialog, app);
  if (book == nullptr) return;
  ClearDialogAnswer(dialog, app);
  ClearMainAnswer(window, app);

  resolver::Resolution resolution;
  resolver::Resolve(*book, address, resolution);
  const std::string name = TextOf(GetDlgItem(dialog, IDC_RESOLVE_NAME), kAddressBytes);
  const size_t office = name.empty() ? resolver::kNoOffice : resolver::FindOffice(*book, resolution, name);
  ShowAnswerFields(dialog, app, resolution, office);
  ShowAddressParts(dialog, *book, resolution, address);
  ShowBarcodeAnswer(dialog, *book, resolution, office, address, app.addressBarcode);
  if (office != resolver::kNoOffice) {
    ShowOfficeAnswer(window, app, office);
  } else {
    ShowResolution(window, app, resolution);
  }
  if (resolution.status == resolver::Status::kNone) {
    // Only tells: the dialog and the status bar say the same.
    UpdateWindow(dialog);
    ShowMessage(dialog, texts::kNoMunicipality, texts::kWindowTitle, MB_OK | MB_ICONINFORMATION);
  }
  // Ready for the next address.
  SetFocus(box);
  SendMessageA(box, EM_SETSEL, 0, -1);
}

// Where the user last put it, else beside the main window and its results.
void PlaceDialog(HWND dialog, const AppState& app) {
  const settings::DialogPlace& place = app.settings.addressDialog;
  if (place.stored) {
    PlaceOnScreen(dialog, place.x, place.y);
  } else {
    PlaceBesideOwner(dialog, GetWindow(dialog, GW_OWNER));
  }
}

void RememberPlace(HWND dialog, AppState& app) {
  RECT placed = {};
  if (GetWindowRect(dialog, &placed)) app.settings.addressDialog = {true, placed.left, placed.top};
}

// The state the dialog was opened with, kept from WM_INITDIALOG on.
AppState* AppOf(HWND dialog) { return reinterpret_cast<AppState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

INT_PTR CALLBACK AddressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  AppState* app = AppOf(dialog);
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SendDlgItemMessageA(dialog, IDC_RESOLVE_ADDRESS, EM_LIMITTEXT, kAddressBytes - 1, 0);
      SendDlgItemMessageA(dialog, IDC_RESOLVE_NAME, EM_LIMITTEXT, kAddressBytes - 1, 0);
      ClearAddressParts(dialog);
      PlaceDialog(dialog, *reinterpret_cast<AppState*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        if (app != nullptr) SearchAddress(dialog, GetWindow(dialog, GW_OWNER), *app);
      } else if (LOWORD(wParam) == IDC_RESOLVE_COPY_BARCODE) {
        if (app != nullptr && app->addressBarcode.shown) CopyBarcode(dialog, app->addressBarcode.code);
      } else if (LOWORD(wParam) == IDC_PARTS_COPY) {
        CopyNormalizedAddress(dialog);
      } else if (LOWORD(wParam) == IDCANCEL) {
        DestroyWindow(dialog);
      }
      return TRUE;
    case WM_DRAWITEM:
      if (wParam != IDC_RESOLVE_BARCODE || app == nullptr) return FALSE;
      DrawBarcodeItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), app->addressBarcode);
      return TRUE;
    case WM_DESTROY:
      if (app != nullptr) {
        RememberPlace(dialog, *app);
        app->addressDialog = nullptr;
        app->addressBarcode.shown = false;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowAddressDialog(HWND window, AppState& app) {
  if (app.addressDialog == nullptr) {
    app.addressDialog =
        CreateDialogParamA(WindowInstance(window), texts::kAddressDialogResource, window, AddressDialogProc,
                           reinterpret_cast<LPARAM>(&app));
    if (app.addressDialog == nullptr) return;
  }
  ShowWindow(app.addressDialog, SW_SHOW);
  SetForegroundWindow(app.addressDialog);
  SetFocus(GetDlgItem(app.addressDialog, IDC_RESOLVE_ADDRESS));
}

const resolver::AddressBook* LoadedBook(HWND owner, AppState& app) {
  if (app.book == nullptr) {
    auto book = std::make_unique<resolver::AddressBook>();
    std::string error;
    if (!resolver::LoadBookWithOffices(app.files.addressFile, app.files.officeFile, *book, error)) {
      ShowMessage(owner, postal::kNoAddressData, texts::kReportCaption, MB_OK | MB_ICONEXCLAMATION);
      return nullptr;
    }
    app.book = std::move(book);
  }
  return app.book.get();
}

void ClearMainAnswer(HWND window, AppState& app) {
  const Controls& c = app.controls;
  SetWindowTextA(c.display, "");
  SetStatusText(c, texts::kStatusBlank);
  for (int list : {IDC_ADDRESS_LIST, IDC_OFFICE_LIST}) ClearResultList(app, *ResultPageOfId(list));
  app.resultCount = 0;
  UpdateWindow(window);
}

void ShowResolution(HWND window, AppState& app, const resolver::Resolution& resolution) {
  const Controls& c = app.controls;
  SendMessageA(c.tab, TCM_SETCURSEL, kAddressPage, 0);
  SwitchTabPage(c, kAddressPage);  // selecting a tab this way sends no notification

  ClearMainAnswer(window, app);
  for (size_t index : resolution.candidates) app.addressRows.Add(RowOf(app.book->Record(index)));
  app.resultCount = app.addressRows.Count();
  FillResultList(c.addressList, app.resultCount);
  // A city answer's one row is the answer as an exact one's is: copy and 記録する act on it.
  if (resolution.status != resolver::Status::kAmbiguous && app.resultCount > 0) {
    SelectListRow(c.addressList, 0);
    ShowFirstSelectedRow(app, *ResultPageOfId(IDC_ADDRESS_LIST));
  }
  SetStatusText(c, StatusOf(*app.book, resolution, app.resultCount).c_str());
  UpdateWindow(window);
}

}  // namespace kuranto
