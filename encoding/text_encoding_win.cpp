#include "encoding/text_encoding.h"

#include <windows.h>

namespace encoding {

namespace {

constexpr UINT kCp932 = 932;

bool Convert(UINT from, UINT to, const std::string& in, std::string& out) {
  if (in.empty()) {
    out.clear();
    return true;
  }
  const int wide = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()), nullptr, 0);
  if (wide <= 0) return false;
  std::wstring w(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, in.data(), static_cast<int>(in.size()), &w[0], wide);
  BOOL lossy = FALSE;
  BOOL* lossyFlag = to == CP_UTF8 ? nullptr : &lossy;
  const int bytes = WideCharToMultiByte(to, 0, w.data(), wide, nullptr, 0, nullptr, lossyFlag);
  if (bytes <= 0 || lossy) return false;
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(to, 0, w.data(), wide, &result[0], bytes, nullptr, nullptr);
  out.swap(result);
  return true;
}

}  // namespace

bool Cp932ToUtf8(const std::string& cp932, std::string& out) { return Convert(kCp932, CP_UTF8, cp932, out); }

}  // namespace encoding
