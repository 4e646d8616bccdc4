// The procedure of a modeless progress dialog whose one button is a cancel
// (IDCANCEL): its creation parameter points at the flag a click sets, which
// the work polls between its steps.
#pragma once

#include <windows.h>

namespace kuranto {

inline INT_PTR CALLBACK CancelFlagProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    *reinterpret_cast<bool*>(GetWindowLongPtrA(dialog, DWLP_USER)) = true;
    return TRUE;
  }
  return FALSE;
}

}  // namespace kuranto
