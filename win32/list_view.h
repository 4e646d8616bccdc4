// List-view plumbing shared by the shell and the transfer code. All text is
// cp932; a row is a list item, a cell one of its sub-items.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "win32/buffer_sizes.h"

namespace kuranto {

inline int ListItemCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

// The item after `after` (-1: from the start) that is selected, or -1.
inline int NextSelectedItem(HWND list, int after) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
}

inline int FirstSelectedItem(HWND list) { return NextSelectedItem(list, -1); }

// Calls visit(item) for each selected item in order.
template <class Visit>
void ForEachSelectedItem(HWND list, Visit visit) {
  for (int item = FirstSelectedItem(list); item >= 0; item = NextSelectedItem(list, item)) visit(item);
}

// Selects `row` and gives it the focus rectangle (other rows keep theirs).
inline void SelectListRow(HWND list, int row) {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// Appends a row whose first cell is `first`; its index, or -1.
inline int AppendListRow(HWND list, const std::string& first) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = ListItemCount(list);
  item.pszText = const_cast<char*>(first.c_str());
  return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

inline void SetListCell(HWND list, int row, int column, const std::string& text) {
  LVITEMA cell = {};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

// A cell's text, read into a buffer of `bytes` (a longer text is cut).
inline std::string ListCellText(HWND list, int row, int column, int bytes = kFieldBytes) {
  std::vector<char> text(static_cast<size_t>(bytes), '\0');
  LVITEMA cell = {};
  cell.iSubItem = column;
  cell.pszText = text.data();
  cell.cchTextMax = bytes;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  return text.data();
}

}  // namespace kuranto
