// Saved conditions: the form registered as a line of the conditions list,
// and a double-clicked line put back into the form. Both read the line's
// cells through one description of them.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/app_state.h"
#include "app/child_controls.h"
#include "app/conditions.h"
#include "app/location_lists.h"
#include "app/result_pages.h"
#include "app/search_mode.h"
#include "app/texts.h"
#include "datafiles/index_store.h"
#include "win32/form_controls.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {

constexpr int kFormCells = 4;  // cells 1..4 after the kind

// One kind of condition line: its label in cell 0, the mode and tab it
// searches in, and the form control each of cells 1..4 holds.
struct ConditionLine {
  const char* label;
  postal::SearchMode mode;
  TabPage page;
  HWND Controls::*cells[kFormCells];  // nullptr: an empty cell
};

const ConditionLine kConditionLines[] = {
    {texts::kConditionKinds[0], postal::SearchMode::kNumber, kAddressPage,
     {&Controls::numberKind, &Controls::number, &Controls::areaPlace, nullptr}},
    {texts::kConditionKinds[1], postal::SearchMode::kLocation, kAddressPage,
     {nullptr, &Controls::prefecture, &Controls::city, &Controls::town}},
    {texts::kConditionKinds[2], postal::SearchMode::kFuzzy, kAddressPage, {nullptr, &Controls::fuzzy, nullptr, nullptr}},
    {texts::kConditionKinds[3], postal::SearchMode::kFuzzy, kOfficePage, {nullptr, &Controls::fuzzy, nullptr, nullptr}},
};
const ConditionLine& kNumberLine = kConditionLines[0];

// The line kind of the form as it stands; a number line when no other fits.
const ConditionLine& LineForForm(const Controls& c) {
  const postal::SearchMode mode = CheckedSearchMode(c);
  const ResultPage* page = VisibleResultPage(c);
  for (const ConditionLine& line : kConditionLines) {
    const bool pageMatters = line.mode == postal::SearchMode::kFuzzy;
    if (line.mode == mode && (!pageMatters || (page != nullptr && line.page == page->page))) return line;
  }
  return kNumberLine;
}

const ConditionLine* LineLabelled(const std::string& label) {
  for (const ConditionLine& line : kConditionLines) {
    if (label == line.label) return &line;
  }
  return nullptr;
}

// The text of the cell that holds `control` in line `row`.
std::string CellOf(HWND conditionList, const ConditionLine& line, int row, HWND Controls::*control) {
  for (int cell = 0; cell < kFormCells; ++cell) {
    if (line.cells[cell] == control) return ListCellText(conditionList, row, cell + 1);
  }
  return std::string();
}

// Selects the first item that begins with `text`, as the lists' own search does.
void SelectItemBeginning(HWND combo, const std::string& text) {
  const LRESULT found = SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str()));
  if (found != CB_ERR) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void ChooseMode(HWND window, const Controls& c, postal::SearchMode mode) {
  CheckModeRadio(window, c, mode);
  SetFocus(GetDlgItem(window, IDC_RADIO_NUMBER + postal::RadioIndexOf(mode)));
}

void ShowPage(const Controls& c, int page) {
  SendMessageA(c.tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  SwitchTabPage(c, page);  // selecting a tab this way sends no notification
}

}  // namespace

void RegisterCondition(const Controls& c) {
  const ConditionLine& line = LineForForm(c);
  const int row = AppendListRow(c.conditionList, line.label);
  if (row < 0) return;
  for (int cell = 0; cell < kFormCells; ++cell) {
    const std::string text = line.cells[cell] != nullptr ? TextOf(c.*line.cells[cell]) : std::string();
    SetListCell(c.conditionList, row, cell + 1, text);
  }
}

// The form is set directly: none of the selection-change handling runs, so
// restoring the number kind does not empty the number box.
void RestoreSelectedCondition(HWND window, const AppState& app) {
  const Controls& c = app.controls;
  const int row = FirstSelectedItem(c.conditionList);
  if (row < 0) return;
  const ConditionLine* line = LineLabelled(ListCellText(c.conditionList, row, 0));
  if (line == nullptr) return;  // not a condition this program writes
  switch (line->mode) {
    case postal::SearchMode::kNumber:
      ChooseMode(window, c, line->mode);
      SelectItemBeginning(c.numberKind, CellOf(c.conditionList, *line, row, &Controls::numberKind));
      SetWindowTextA(c.number, CellOf(c.conditionList, *line, row, &Controls::number).c_str());
      EmptyComboBox(c.areaPlace);
      FillAreaPlaceList(c, app.files.areaCodes);
      UpdateAreaPlaceState(c);
      SelectItemBeginning(c.areaPlace, CellOf(c.conditionList, *line, row, &Controls::areaPlace));
      ShowPage(c, line->page);
      break;
    case postal::SearchMode::kLocation:
      ChooseMode(window, c, line->mode);
      SelectItemBeginning(c.prefecture, CellOf(c.conditionList, *line, row, &Controls::prefecture));
      EmptyComboBox(c.city);
      FillCityList(c, datafiles::IndexFileBytes(app.files.cityList, app.heldIndexes));
      SelectItemBeginning(c.city, CellOf(c.conditionList, *line, row, &Controls::city));
      SetWindowTextA(c.town, CellOf(c.conditionList, *line, row, &Controls::town).c_str());
      ShowPage(c, line->page);
      break;
    case postal::SearchMode::kFuzzy:
      // The page first: it names the fuzzy radio button for its tab.
      ShowPage(c, line->page);
      ChooseMode(window, c, line->mode);
      SetWindowTextA(c.fuzzy, CellOf(c.conditionList, *line, row, &Controls::fuzzy).c_str());
      break;
    case postal::SearchMode::kNone:
      break;
  }
}

}  // namespace kuranto
