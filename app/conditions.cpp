// Saved conditions: the form registered as a line of the conditions list,
// and a double-clicked line put back into the form. Both read the line's
// cells through one description of them.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/shell.h"
#include "app/texts.h"
#include "win32/form_controls.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {

constexpr int kAddressPage = 0;
constexpr int kOfficePage = 1;
constexpr int kFormCells = 4;  // cells 1..4 after the kind

// One kind of condition line: its label in cell 0, the mode and tab it
// searches in, and the form control each of cells 1..4 holds.
struct ConditionLine {
  const char* label;
  postal::SearchMode mode;
  int page;
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
const ConditionLine& LineForForm() {
  const Controls& c = g_app.controls;
  const postal::SearchMode mode = CheckedSearchMode();
  int page = -1;
  if (IsWindowVisible(c.addressList)) page = kAddressPage;
  if (IsWindowVisible(c.officeList)) page = kOfficePage;
  for (const ConditionLine& line : kConditionLines) {
    const bool pageMatters = line.mode == postal::SearchMode::kFuzzy;
    if (line.mode == mode && (!pageMatters || line.page == page)) return line;
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
std::string CellOf(const ConditionLine& line, int row, HWND Controls::*control) {
  for (int cell = 0; cell < kFormCells; ++cell) {
    if (line.cells[cell] == control) return ListCellText(g_app.controls.conditionList, row, cell + 1);
  }
  return std::string();
}

// Selects the first item that begins with `text`, as the lists' own search does.
void SelectItemBeginning(HWND combo, const std::string& text) {
  const LRESULT found = SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str()));
  if (found != CB_ERR) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

// Checks one mode's radio button and lets the dispatcher apply its enabling.
void ChooseMode(postal::SearchMode mode) {
  const int radioId = IDC_RADIO_NUMBER + postal::RadioIndexOf(mode);
  CheckRadioButton(g_app.mainWindow, IDC_RADIO_NUMBER, IDC_RADIO_FUZZY, radioId);
  SendMessageA(g_app.mainWindow, WM_COMMAND, MAKEWPARAM(radioId, 0), 0);
  SetFocus(GetDlgItem(g_app.mainWindow, radioId));
}

void ShowPage(int page) {
  SendMessageA(g_app.controls.tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  SwitchTabPage(page);  // selecting a tab this way sends no notification
}

}  // namespace

void RegisterCondition() {
  const Controls& c = g_app.controls;
  const ConditionLine& line = LineForForm();
  const int row = AppendListRow(c.conditionList, line.label);
  if (row < 0) return;
  for (int cell = 0; cell < kFormCells; ++cell) {
    const std::string text = line.cells[cell] != nullptr ? TextOf(c.*line.cells[cell]) : std::string();
    SetListCell(c.conditionList, row, cell + 1, text);
  }
}

// The form is set directly: none of the selection-change handling runs, so
// restoring the number kind does not empty the number box.
void RestoreSelectedCondition() {
  const Controls& c = g_app.controls;
  const int row = FirstSelectedItem(c.conditionList);
  if (row < 0) return;
  const ConditionLine* line = LineLabelled(ListCellText(c.conditionList, row, 0));
  if (line == nullptr) return;  // not a condition this program writes
  switch (line->mode) {
    case postal::SearchMode::kNumber:
      ChooseMode(line->mode);
      SelectItemBeginning(c.numberKind, CellOf(*line, row, &Controls::numberKind));
      SetWindowTextA(c.number, CellOf(*line, row, &Controls::number).c_str());
      EmptyComboBox(c.areaPlace);
      FillAreaPlaceList();
      UpdateAreaPlaceState();
      SelectItemBeginning(c.areaPlace, CellOf(*line, row, &Controls::areaPlace));
      ShowPage(line->page);
      break;
    case postal::SearchMode::kLocation:
      ChooseMode(line->mode);
      SelectItemBeginning(c.prefecture, CellOf(*line, row, &Controls::prefecture));
      EmptyComboBox(c.city);
      FillCityList();
      SelectItemBeginning(c.city, CellOf(*line, row, &Controls::city));
      SetWindowTextA(c.town, CellOf(*line, row, &Controls::town).c_str());
      ShowPage(line->page);
      break;
    case postal::SearchMode::kFuzzy:
      // The page first: it names the fuzzy radio button for its tab.
      ShowPage(line->page);
      ChooseMode(line->mode);
      SetWindowTextA(c.fuzzy, CellOf(*line, row, &Controls::fuzzy).c_str());
      break;
    case postal::SearchMode::kNone:
      break;
  }
}

}  // namespace kuranto
