// the two tab pages that show search results, each with
#pragma once

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "app/child_controls.h"

namespace kuranto {

// its list, its row table and its row formatter.
struct ResultPage {
  TabPage page;
  int listId;
  HWND Controls::*list;
  int (*rowCount)(const AppState& app);
  // Row `row` through the user's template ("" when the table has no such row).
  std::string (*formatRow)(const AppState& app, int row);
  void (*clearRows)(AppState& app);
  // Searches the page's file into its rows: the refusal text, or nullptr.
  const char* (*search)(AppState& app, const postal::SearchForm& form);
  void (*drawRow)(const AppState& app, const DRAWITEMSTRUCT& item);
  // Drags the list's first selected row out as text.
  void (*dragRow)(const AppState& app);
};
// The page whose result list shows; nullptr on the conditions page.
const ResultPage* VisibleResultPage(const Controls& controls);
// The page of a result list given by handle or by control id; nullptr for
// any other control.
const ResultPage* ResultPageOfList(const Controls& controls, HWND list);
const ResultPage* ResultPageOfId(int listId);

}  // namespace kuranto
