// Any bytes as a UTF-8 address file: the conversion either stops with a
// line number or gives CR LF lines, one for each line given; the recognition
// never reads past what it is given.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datafiles/utf8_edition.h"
#include "datafiles/utf8_import.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string utf8(reinterpret_cast<const char*>(data), size);
  datafiles::LooksLikeUtf8Edition(utf8);

  std::string cp932;
  const datafiles::ImportResult r = datafiles::ConvertUtf8Edition(utf8, cp932, {});
  if (r.status != datafiles::ImportStatus::kDone) {
    Check(r.line >= 1);
    return 0;
  }
  size_t linesIn = 0;
  const bool bom = utf8.compare(0, 3, "\xEF\xBB\xBF") == 0;
  for (size_t i = bom ? 3 : 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\n' || i + 1 == utf8.size()) ++linesIn;
  }
  size_t linesOut = 0;
  for (size_t i = 0; i < cp932.size(); ++i) {
    if (cp932[i] != '\n') continue;
    Check(i > 0 && cp932[i - 1] == '\r');
    ++linesOut;
  }
  Check(linesOut == linesIn);
  Check(cp932.empty() || cp932.compare(cp932.size() - 2, 2, "\r\n") == 0);
  return 0;
}
