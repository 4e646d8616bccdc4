#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/shell.h"
#include "datafiles/saved_lists.h"

namespace kuranto {

namespace {

constexpr int kCellBytes = 256;
constexpr int kRecordBytes = 1000;

void SetCell(HWND list, int row, int column, const std::string& text) {
  LVITEMA cell = {};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

int AppendRow(HWND list, const std::string& first) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(first.c_str());
  return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

std::string CellText(HWND list, int row, int column, int bytes) {
  std::vector<char> text(static_cast<size_t>(bytes), '\0');
  LVITEMA cell = {};
  cell.iSubItem = column;
  cell.pszText = text.data();
  cell.cchTextMax = bytes;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  return text.data();
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

}  // namespace

void LoadSavedLists() {
  const Controls& c = g_app.controls;
  for (const datafiles::ConditionRow& condition : datafiles::LoadSavedConditions(g_app.files.savedConditions)) {
    const int row = AppendRow(c.conditionList, condition.cells[0]);
    if (row < 0) continue;
    for (int column = 1; column < datafiles::kConditionCells; ++column) {
      SetCell(c.conditionList, row, column, condition.cells[column]);
    }
  }
  for (const std::string& line : datafiles::LoadRecordLog(g_app.files.recordLog)) AppendRow(c.recordList, line);
}

void SaveSavedLists() {
  const Controls& c = g_app.controls;
  std::vector<datafiles::ConditionRow> conditions(static_cast<size_t>(RowCount(c.conditionList)));
  for (int row = 0; row < static_cast<int>(conditions.size()); ++row) {
    for (int column = 0; column < datafiles::kConditionCells; ++column) {
      conditions[static_cast<size_t>(row)].cells[column] = CellText(c.conditionList, row, column, kCellBytes);
    }
  }
  datafiles::SaveConditions(g_app.files.savedConditions, conditions);

  std::vector<std::string> records;
  for (int row = 0; row < RowCount(c.recordList); ++row) records.push_back(CellText(c.recordList, row, 0, kRecordBytes));
  datafiles::SaveRecordLog(g_app.files.recordLog, records);
}

}  // namespace kuranto
