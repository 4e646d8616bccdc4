// Reading the form's controls. Text is cp932.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/buffer_sizes.h"

namespace kuranto {

inline bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A control's text, read into a buffer of `bytes` (a longer text is cut).
inline std::string TextOf(HWND control, int bytes = kFieldBytes) {
  std::vector<char> text(static_cast<size_t>(bytes), '\0');
  GetWindowTextA(control, text.data(), bytes);
  return text.data();
}

// The control's whole text, however long.
inline std::string WholeTextOf(HWND control) {
  return TextOf(control, GetWindowTextLengthA(control) + 1);
}

}  // namespace kuranto
