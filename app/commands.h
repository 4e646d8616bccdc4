// The main window's commands: searching, the result lists, the status bar.
#pragma once

#include <windows.h>

#include "app/app_state.h"
#include "app/result_pages.h"

namespace kuranto {

// A WM_COMMAND of the main window, over the state it shows.
void OnCommand(HWND window, AppState& app, WPARAM wParam, LPARAM lParam);
// The form's controls greyed during a search, and back as the mode has them.
void LockSearchForm(const Controls& controls);
void UnlockSearchForm(const Controls& controls);
// Empties a page's row table and its list.
void ClearResultList(AppState& app, const ResultPage& page);
void FillResultList(HWND list, int count);
// Answers a result list's questions about its items (owner data); false when
// `header` is not one of them, and the notification goes on to OnNotify.
bool AnswerResultListNotify(const Controls& controls, NMHDR& header, LRESULT& answer);
// The first selected row of `page` in the display box.
void ShowFirstSelectedRow(const AppState& app, const ResultPage& page);
void SetStatusText(const Controls& controls, const char* text);

}  // namespace kuranto
