// The progress dialog of the CSV command: its bar, and the Cancel button
// read between blocks, while threads resolve the rows and the window's
// thread reads and writes the file, taking the window's messages between.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kuranto {

// The window and its modeless dialogs are disabled for the run, as under a
// modal dialog; a WM_QUIT taken meanwhile cancels the run and is posted
// again for the window's own loop once the dialog is gone.
class ProgressDialog {
 public:
  ProgressDialog(HWND owner, std::initializer_list<HWND> modeless, const char* text);
  ~ProgressDialog();
  ProgressDialog(const ProgressDialog&) = delete;
  ProgressDialog& operator=(const ProgressDialog&) = delete;

  // Moves the bar and takes the messages waiting; false once the user has
  // pressed Cancel or the program is to end.
  bool operator()(uint64_t done, uint64_t total);

 private:
  HWND owner_;
  std::vector<HWND> disabled_;  // the modeless dialogs this run disabled
  HWND dialog_ = nullptr;
  bool cancelled_ = false;
  bool quit_ = false;  // WM_QUIT was taken: posted again at the end
  int quitCode_ = 0;
  int step_ = -1;
  DWORD pumped_ = 0;
};

}  // namespace kuranto
