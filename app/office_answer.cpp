// An office found by its name and address (住所から郵便番号 with a 名称):
// the answer is its own row in the office page, as an office search shows it.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/child_controls.h"
#include "app/commands.h"
#include "app/office_answer.h"
#include "app/result_pages.h"
#include "app/texts.h"
#include "postal/text.h"
#include "resolver/offices.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {

void Put(char* slot, size_t width, std::string_view text) { postal::CopyToSlot(slot, width, text.data(), text.size()); }

// The row ParseOfficeLine makes of the office's line: the town column with
// the lot after it.
postal::OfficeRecord RowOf(const resolver::Office& office) {
  postal::OfficeRecord row = {};
  Put(row.number, sizeof row.number, office.postalCode);
  Put(row.name, sizeof row.name, office.name);
  Put(row.nameKana, sizeof row.nameKana, office.nameKana);
  Put(row.prefecture, sizeof row.prefecture, office.prefecture);
  Put(row.city, sizeof row.city, office.city);
  Put(row.town, sizeof row.town, std::string(office.town).append(office.lot));
  Put(row.cityCode, sizeof row.cityCode, office.cityCode);
  Put(row.oldNumber, sizeof row.oldNumber, office.oldCode);
  return row;
}

}  // namespace

void ShowOfficeAnswer(HWND window, AppState& app, size_t office) {
  const Controls& c = app.controls;
  SendMessageA(c.tab, TCM_SETCURSEL, kOfficePage, 0);
  SwitchTabPage(c, kOfficePage);  // selecting a tab this way sends no notification

  const ResultPage& page = *ResultPageOfId(IDC_OFFICE_LIST);
  ClearResultList(app, page);
  const resolver::Office found = resolver::OfficeAt(*app.book, office);
  app.officeRows.Add(RowOf(found));
  app.resultCount = app.officeRows.Count();
  FillResultList(c.officeList, app.resultCount);
  SelectListRow(c.officeList, 0);
  ShowFirstSelectedRow(app, page);

  std::string status;
  status = FormatText(texts::kResolvedOfficeFormat, std::string(found.postalCode).c_str(),
                std::string(found.name).c_str());
  SetStatusText(c, status.c_str());
  UpdateWindow(window);
}

}  // namespace kuranto
