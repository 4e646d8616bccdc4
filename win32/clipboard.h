// Text on the clipboard as CF_TEXT (cp932) and CF_UNICODETEXT, whole: a
// program that reads either gets the same characters, none cut in two.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "win32/scoped.h"

namespace kuranto {

// A movable block holding a copy of `size` bytes; null when it cannot be had.
inline HGLOBAL ClipboardBlock(const void* bytes, size_t size) {
  ScopedGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
  {
    ScopedGlobalLock locked(block.get());
    if (locked.get() == nullptr) return nullptr;
    std::memcpy(locked.get(), bytes, size);
  }
  return block.release();
}

// Hands `block` to the open clipboard, which owns it once it accepts it.
inline bool PutClipboardBlock(UINT format, HGLOBAL block) {
  ScopedGlobal owned(block);
  if (owned.get() == nullptr || SetClipboardData(format, owned.get()) == nullptr) return false;
  owned.release();
  return true;
}

// `cp932` (of any length, no terminator needed) in both forms, replacing
// what the clipboard held. False when it could not be opened or refused one.
inline bool PutTextOnClipboard(HWND owner, const std::string& cp932) {
  const int size = static_cast<int>(cp932.size());
  const int length = MultiByteToWideChar(932, 0, cp932.data(), size, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
  if (length > 0) MultiByteToWideChar(932, 0, cp932.data(), size, wide.data(), length);
  ScopedClipboard clipboard(owner);
  if (!clipboard.opened()) return false;
  EmptyClipboard();
  const bool text = PutClipboardBlock(CF_TEXT, ClipboardBlock(cp932.c_str(), cp932.size() + 1));
  const bool unicode = PutClipboardBlock(CF_UNICODETEXT, ClipboardBlock(wide.data(), wide.size() * sizeof(wchar_t)));
  return text && unicode;
}

}  // namespace kuranto
