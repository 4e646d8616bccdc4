#include "encoding/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace encoding {

namespace {

// iconv over a whole text; CP932 is Microsoft's table, not strict Shift-JIS.
bool Convert(const char* to, const char* from, const std::string& in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string result(in.size() * 4 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = &result[0];
  size_t dstLeft = result.size();
  const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) return false;
  result.resize(result.size() - dstLeft);
  out.swap(result);
  return true;
}

}  // namespace

bool Cp932ToUtf8(const std::string& cp932, std::string& out) { return Convert("UTF-8", "CP932", cp932, out); }

}  // namespace encoding
