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
// The default widths of a result list's columns, in column order: the
// program's own, widened where `font` (nullptr: none yet) needs more room
// for a whole code or a few kana as `flags` display them.
std::vector<int> DefaultColumnWidths(const Controls& controls, HWND list, HFONT font,
                                     const postal::DisplayFlags& flags);
void SwitchTabPage(const Controls& controls, int page);

}  // namespace kuranto
