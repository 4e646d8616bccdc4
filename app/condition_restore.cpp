// A double click on a saved condition puts it back into the search form.
// The form is set directly: none of the selection-change handling runs, so
// restoring the number kind does not empty the number box.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "app/shell.h"
#include "app/texts.h"

namespace kuranto {

namespace {

constexpr int kCellBytes = 256;
constexpr int kAddressPage = 0;
constexpr int kOfficePage = 1;

enum ConditionKind { kNumberCondition = 0, kPlaceCondition = 1, kFuzzyCondition = 2, kOfficeCondition = 3 };

std::string Cell(HWND list, int row, int column) {
  char text[kCellBytes] = {};
  LVITEMA cell = {};
  cell.iSubItem = column;
  cell.pszText = text;
  cell.cchTextMax = kCellBytes;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  return text;
}

// Selects the first item that begins with `text`, as the lists' own search does.
void SelectItemBeginning(HWND combo, const std::string& text) {
  const LRESULT found = SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(text.c_str()));
  if (found != CB_ERR) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

// Checks one mode's radio button and lets the dispatcher apply its enabling.
void ChooseMode(int radioId, HWND radio) {
  CheckRadioButton(g_app.mainWindow, IDC_RADIO_NUMBER, IDC_RADIO_FUZZY, radioId);
  SendMessageA(g_app.mainWindow, WM_COMMAND, MAKEWPARAM(radioId, 0), 0);
  SetFocus(radio);
}

void ShowPage(int page) {
  SendMessageA(g_app.controls.tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  SwitchTabPage(page);  // selecting a tab this way sends no notification
}

int KindOf(const std::string& text) {
  for (int kind = kNumberCondition; kind <= kOfficeCondition; ++kind) {
    if (text == texts::kConditionKinds[kind]) return kind;
  }
  return -1;
}

}  // namespace

void RestoreSelectedCondition() {
  const Controls& c = g_app.controls;
  const int row = FirstSelectedItem(c.conditionList);
  if (row < 0) return;
  switch (KindOf(Cell(c.conditionList, row, 0))) {
    case kNumberCondition:
      ChooseMode(IDC_RADIO_NUMBER, c.radioNumber);
      SelectItemBeginning(c.numberKind, Cell(c.conditionList, row, 1));
      SetWindowTextA(c.number, Cell(c.conditionList, row, 2).c_str());
      EmptyComboBox(c.areaPlace);
      FillAreaPlaceList();
      UpdateAreaPlaceState();
      SelectItemBeginning(c.areaPlace, Cell(c.conditionList, row, 3));
      ShowPage(kAddressPage);
      break;
    case kPlaceCondition:
      ChooseMode(IDC_RADIO_PLACE, c.radioPlace);
      SelectItemBeginning(c.prefecture, Cell(c.conditionList, row, 2));
      EmptyComboBox(c.city);
      FillCityList();
      SelectItemBeginning(c.city, Cell(c.conditionList, row, 3));
      SetWindowTextA(c.town, Cell(c.conditionList, row, 4).c_str());
      ShowPage(kAddressPage);
      break;
    case kFuzzyCondition:
    case kOfficeCondition: {
      const bool office = KindOf(Cell(c.conditionList, row, 0)) == kOfficeCondition;
      ShowPage(office ? kOfficePage : kAddressPage);
      ChooseMode(IDC_RADIO_FUZZY, c.radioFuzzy);
      SetWindowTextA(c.fuzzy, Cell(c.conditionList, row, 2).c_str());
      break;
    }
    default:
      break;  // not a condition this program writes
  }
}

}  // namespace kuranto
