#include "app/csv_progress_dialog.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "app/texts.h"
#include "resources/resource_ids.h"
#include "win32/cancel_dialog.h"

namespace kuranto {

namespace {

constexpr DWORD kPumpEveryMs = 50;
constexpr int kProgressSteps = 100;  // each step repaints the bar at once
constexpr uint64_t kBytesPerKb = 1024;

}  // namespace

ProgressDialog::ProgressDialog(HWND owner, std::initializer_list<HWND> modeless, const char* text) : owner_(owner) {
  for (HWND window : modeless) {
    if (window != nullptr && !EnableWindow(window, FALSE)) disabled_.push_back(window);
  }
  dialog_ = CreateDialogParamA(WindowInstance(owner), texts::kCsvProgressResource, owner, CancelFlagProc,
                               reinterpret_cast<LPARAM>(&cancelled_));
  if (dialog_ == nullptr) return;
  SetDlgItemTextA(dialog_, IDC_CSV_PROGRESS_TEXT, text);
  SendDlgItemMessageA(dialog_, IDC_CSV_PROGRESS, PBM_SETRANGE32, 0, kProgressSteps);
  EnableWindow(owner_, FALSE);
  ShowWindow(dialog_, SW_SHOW);
  UpdateWindow(dialog_);
}

ProgressDialog::~ProgressDialog() {
  EnableWindow(owner_, TRUE);
  for (HWND window : disabled_) EnableWindow(window, TRUE);
  if (dialog_ != nullptr) DestroyWindow(dialog_);
  SetActiveWindow(owner_);
  if (quit_) PostQuitMessage(quitCode_);
}

bool ProgressDialog::operator()(uint64_t done, uint64_t total) {
  const int step = total == 0 ? kProgressSteps : static_cast<int>(done * kProgressSteps / total);
  const DWORD now = GetTickCount();
  if (step == step_ && now - pumped_ < kPumpEveryMs) return !cancelled_;
  if (step != step_) SendDlgItemMessageA(dialog_, IDC_CSV_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(step), 0);
  const auto kb = [](uint64_t bytes) { return static_cast<unsigned long>((bytes + kBytesPerKb - 1) / kBytesPerKb); };
  SetDlgItemTextA(dialog_, IDC_CSV_PROGRESS_COUNT, FormatText(texts::kCsvProgressCountFormat, kb(done), kb(total)).c_str());
  step_ = step;
  pumped_ = now;
  MSG message;
  while (!quit_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit_ = cancelled_ = true;
      quitCode_ = static_cast<int>(message.wParam);
      break;
    }
    if (dialog_ != nullptr && IsDialogMessageA(dialog_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return !cancelled_;
}

}  // namespace kuranto
