// The clipboard helper: a long text in both forms, whole, whichever byte a
// double-byte character straddles.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/clipboard.h"

namespace {

std::string ClipboardBytes(UINT format) {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return bytes;
  if (HANDLE block = GetClipboardData(format)) {
    if (const void* data = GlobalLock(block)) {
      bytes.assign(static_cast<const char*>(data), GlobalSize(block));
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return bytes;
}

// Up to the first terminator of its own width.
std::string CutAtTerminator(const std::string& bytes, size_t width) {
  for (size_t i = 0; i + width <= bytes.size(); i += width) {
    if (bytes.compare(i, width, std::string(width, '\0')) == 0) return bytes.substr(0, i);
  }
  return bytes;
}

}  // namespace

TEST(Clipboard, LongTextsComeBackWholeInBothForms) {
  for (size_t pad = 0; pad < 2; ++pad) {
    std::string text(pad, 'a');
    while (text.size() < 2100) text += "郵便番号";
    ASSERT_TRUE(kuranto::PutTextOnClipboard(nullptr, text)) << pad;
    EXPECT_TRUE(CutAtTerminator(ClipboardBytes(CF_TEXT), 1) == text) << "CF_TEXT, pad " << pad;
    const std::string wide = CutAtTerminator(ClipboardBytes(CF_UNICODETEXT), sizeof(wchar_t));
    std::string back(wide.size() * 2, '\0');
    back.resize(WideCharToMultiByte(932, 0, reinterpret_cast<const wchar_t*>(wide.data()),
                                    static_cast<int>(wide.size() / sizeof(wchar_t)), &back[0],
                                    static_cast<int>(back.size()), nullptr, nullptr));
    EXPECT_TRUE(back == text) << "CF_UNICODETEXT, pad " << pad;
  }
}
