// Drives a running kuranto.exe from another process, as a user would: finds
// its main window and message boxes, fills and clicks its controls, reads the
// status bar and the result lists. Texts in and out are cp932.
#pragma once

#include <windows.h>

#include <string>

#include "resources/resource_ids.h"

namespace driver {

// Control ids are the program's own (IDC_..., IDM_...).

extern const char kMainClass[];  // "kuranz2"
extern const char kMainTitle[];  // "クラント"

// Owns the handles of a started program.
class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();

  // Starts exe with dir as its working directory; false if it cannot start.
  bool Start(const std::string& exe, const std::string& dir);
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  bool Running() const;
  // Waits for the process to end; false on timeout. exit_code may be null.
  bool WaitExit(DWORD timeout_ms, DWORD* exit_code);
  // Ends the process if it still runs (a test's last resort).
  void Kill();

 private:
  PROCESS_INFORMATION info_ = {};
};

// The visible main window of process pid (0: of any process), waiting up to
// timeout_ms; null if none appeared. A window still building its index files
// is not visible yet, so this also waits for the start-up to finish.
HWND WaitMainWindow(DWORD pid, DWORD timeout_ms);

// A message-box (dialog class) window of pid with this caption; null on timeout.
HWND WaitMessageBox(DWORD pid, const std::string& caption, DWORD timeout_ms);
// The message of a message box: its first non-empty static text.
std::string MessageBoxText(HWND box);
// Presses a message box's button (IDOK by default) without waiting for it.
bool PressDialogButton(HWND box, int button_id = IDOK);

// Waits until the window's thread has handled everything sent before.
bool WaitIdle(HWND window, DWORD timeout_ms);

HWND Control(HWND main, int id);
std::string ControlText(HWND main, int id);
bool SetControlText(HWND main, int id, const std::string& text);
// Puts `text` on the clipboard (CF_TEXT) and pastes it into edit box `id`
// (WM_PASTE), as Ctrl+V would; waits for the paste.
bool PasteText(HWND main, int id, const std::string& text, DWORD timeout_ms);
// Selects entry index of a drop-down list and tells the parent, as a user's
// choice would (CBN_SELCHANGE).
bool SelectComboIndex(HWND main, int id, int index);
// Selects the entry whose text is exactly text.
bool SelectComboText(HWND main, int id, const std::string& text);
// Clicks a push or radio button and waits for the click's handling (a search
// runs synchronously inside it); false on timeout, e.g. when the click opened
// a message box.
bool ClickButton(HWND main, int id, DWORD timeout_ms);
// A left click on control id at x, y of its client area, as the mouse gives
// it; waits for its handling.
bool ClickAt(HWND main, int id, int x, int y, DWORD timeout_ms);
bool IsChecked(HWND main, int id);
bool IsEnabled(HWND main, int id);
bool IsVisible(HWND main, int id);

// The status bar's first pane, read through a buffer in the program's memory.
std::string StatusText(HWND main);
// The same of a dialog's status bar `id`.
std::string StatusBarText(HWND dialog, int id);
// Item count of a list view.
int ItemCount(HWND main, int id);
// The screen rectangle of a list view's item (the whole row in report view);
// false when the list has no such item.
bool ItemScreenRect(HWND main, int id, int item, RECT* rect);
// Clicks the tab at index; returns whether it is then the selected tab.
bool SelectTab(HWND main, int index);
int SelectedTab(HWND main);

// Repaints the main window and its children now (before a screenshot).
bool Repaint(HWND main, DWORD timeout_ms);

// Sends WM_CLOSE and waits for the window to go away; false on timeout.
bool CloseMainWindow(HWND main, DWORD timeout_ms);

// Text conversions for callers that talk UTF-8.
std::string Cp932ToUtf8(const std::string& text);
std::string Utf8ToCp932(const std::string& text);

// Makes row the only selected row of a list view.
bool SelectListRow(HWND main, int id, int row);
// A cell's text of a list view (owner-data lists answer it too); "" when
// there is no such cell.
std::string ListCell(HWND main, int id, int row, int column);
// A double click on a list view's row, as the mouse gives it; waits for its
// handling.
bool DoubleClickRow(HWND main, int id, int row, DWORD timeout_ms);
// The height in pixels of a list view's first row; 0 without rows.
int RowHeight(HWND main, int id);

// The settings sheet "設定" (IDM_SETTINGS); its pages are 0 表示, 1 住所,
// 2 事業所, their controls IDC_SETTING_... and IDC_ADDRESS_/IDC_OFFICE_....
// The open sheet of process pid, waiting up to timeout_ms; null if none.
HWND WaitSettingsSheet(DWORD pid, DWORD timeout_ms);
// The sheet of main's program: the one open, or one opened by the command
// (posted, since the sheet runs modally inside it).
HWND OpenSettingsSheet(HWND main, DWORD timeout_ms);
// Shows page index; the page's window (the parent of its controls) or null.
HWND ShowSheetPage(HWND sheet, int index);
// Presses OK (or Cancel) and waits for the sheet to close.
bool CloseSettingsSheet(HWND sheet, bool ok, DWORD timeout_ms);

}  // namespace driver
