// The main window's child controls and the tab's pages.
#pragma once

#include <windows.h>

#include <vector>

#include "app/app_state.h"

namespace kuranto {

// The tab's pages, in tab order.
enum TabPage { kAddressPage = 0, kOfficePage = 1, kConditionsPage = 2, kTabPageCount = 3 };
// Creates every child control into `controls`.
void CreateChildControls(HWND window, Controls& controls);
// The default widths of a result list's columns, in column order.
std::vector<int> DefaultColumnWidths(const Controls& controls, HWND list);
void SwitchTabPage(const Controls& controls, int page);

}  // namespace kuranto
