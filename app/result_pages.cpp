// The address and office pages: which list, which row table, which template.
#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "app/child_controls.h"
#include "app/result_pages.h"
#include "postal/address_search.h"
#include "postal/office_search.h"
#include "postal/templates.h"
#include "transfer/row_drag.h"
#include "rows/row_painting.h"

namespace kuranto {

namespace {

// Rows are looked up in their own table: ResultCount belongs to the last
// search, which may have been on the other tab.

std::string FormatAddressRow(const AppState& app, int row) {
  const postal::AddressRecord* record = app.addressRows.At(row);
  if (record == nullptr) return std::string();
  return postal::ExpandAddressTemplate(app.settings.addressTemplate, *record, DisplayFlagsOf(app.settings));
}

std::string FormatOfficeRow(const AppState& app, int row) {
  const postal::OfficeRecord* record = app.officeRows.At(row);
  if (record == nullptr) return std::string();
  return postal::ExpandOfficeTemplate(app.settings.officeTemplate, *record, DisplayFlagsOf(app.settings));
}

const ResultPage kResultPages[] = {
    {kAddressPage, IDC_ADDRESS_LIST, &Controls::addressList,
     [](const AppState& app) { return app.addressRows.Count(); }, FormatAddressRow,
     [](AppState& app) { app.addressRows.Clear(); },
     [](AppState& app, const postal::SearchForm& form) {
       return postal::SearchAddresses(app.files.addressFile, app.tables, form, app.addressRows);
     },
     [](const AppState& app, const DRAWITEMSTRUCT& item) {
       DrawAddressRow(item, app.addressRows, DisplayFlagsOf(app.settings));
     },
     [](const AppState& app) {
       BeginRowDrag(app.controls.addressList, app.addressRows, app.settings.addressTemplate,
                    DisplayFlagsOf(app.settings), app.dropSource.get());
     }},
    {kOfficePage, IDC_OFFICE_LIST, &Controls::officeList,
     [](const AppState& app) { return app.officeRows.Count(); }, FormatOfficeRow,
     [](AppState& app) { app.officeRows.Clear(); },
     [](AppState& app, const postal::SearchForm& form) {
       return postal::SearchOffices(app.files.officeFile, form, app.officeRows);
     },
     [](const AppState& app, const DRAWITEMSTRUCT& item) {
       DrawOfficeRow(item, app.officeRows, DisplayFlagsOf(app.settings));
     },
     [](const AppState& app) {
       BeginRowDrag(app.controls.officeList, app.officeRows, app.settings.officeTemplate, DisplayFlagsOf(app.settings),
                    app.dropSource.get());
     }},
};

}  // namespace

const ResultPage* VisibleResultPage(const Controls& controls) {
  for (const ResultPage& page : kResultPages) {
    if (IsWindowVisible(controls.*page.list)) return &page;
  }
  return nullptr;
}

const ResultPage* ResultPageOfList(const Controls& controls, HWND list) {
  if (list == nullptr) return nullptr;
  for (const ResultPage& page : kResultPages) {
    if (controls.*page.list == list) return &page;
  }
  return nullptr;
}

const ResultPage* ResultPageOfId(int listId) {
  for (const ResultPage& page : kResultPages) {
    if (page.listId == listId) return &page;
  }
  return nullptr;
}

}  // namespace kuranto
