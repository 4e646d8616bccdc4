// The settings sheet "設定": the display flags and the two output templates,
// with preset templates to start from. Texts are cp932.
#pragma once

#include <windows.h>

#include <string>

namespace kuranto::settings {

// The settings the sheet edits, in the caller's memory. A page writes its
// settings only on OK, and only if the user opened it.
struct SheetSettings {
  bool& hyphen;
  bool& hiragana;
  std::string& addressTemplate;  // at most 63 bytes
  std::string& officeTemplate;   // at most 63 bytes
};

// Runs the sheet modally over `owner` (the main window, whose module holds
// the page templates "PAGE1".."PAGE3") and repaints the owner and its lists
// when it closes, by OK or Cancel alike.
void ShowSettingsSheet(HWND owner, const SheetSettings& settings);

// The page procedures; each page's lParam is the SheetSettings.
INT_PTR CALLBACK DisplayPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AddressPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OfficePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kuranto::settings
