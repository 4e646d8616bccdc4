#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/saved_lists_ui.h"
#include "app/texts.h"
#include "datafiles/saved_lists.h"
#include "win32/list_view.h"

namespace kuranto {

void LoadSavedLists(const Controls& c, const datafiles::FileSet& files) {
  for (const datafiles::ConditionRow& condition : datafiles::LoadSavedConditions(files.savedConditions)) {
    const int row = AppendListRow(c.conditionList, condition.cells[0]);
    if (row < 0) continue;
    for (int column = 1; column < datafiles::kConditionCells; ++column) {
      SetListCell(c.conditionList, row, column, condition.cells[column]);
    }
  }
  for (const std::string& line : datafiles::LoadRecordLog(files.recordLog)) AppendListRow(c.recordList, line);
}

void SaveSavedLists(HWND window, const Controls& c, const datafiles::FileSet& files) {
  std::vector<datafiles::ConditionRow> conditions(static_cast<size_t>(ListItemCount(c.conditionList)));
  for (int row = 0; row < static_cast<int>(conditions.size()); ++row) {
    for (int column = 0; column < datafiles::kConditionCells; ++column) {
      conditions[static_cast<size_t>(row)].cells[column] = ListCellText(c.conditionList, row, column);
    }
  }
  std::string unsaved;
  if (!datafiles::SaveConditions(files.savedConditions, conditions)) unsaved += files.savedConditions + "\n";

  std::vector<std::string> records;
  for (int row = 0; row < ListItemCount(c.recordList); ++row) {
    records.push_back(ListCellText(c.recordList, row, 0, kRowTextBytes));
  }
  if (!datafiles::SaveRecordLog(files.recordLog, records)) unsaved += files.recordLog + "\n";

  // Typically a program folder under "Program Files", which a standard user
  // cannot write: without a word the lists would be lost at every exit.
  if (!unsaved.empty()) {
    const std::string message =
        std::string(texts::kListsNotSaved) + "\n\n" + unsaved + "\n" + texts::kFolderMustBeWritable;
    ShowMessage(window, message.c_str(), texts::kReportCaption, MB_OK | MB_ICONEXCLAMATION);
  }
}

}  // namespace kuranto
