#include "datafiles/cp932_encode.h"

#include <algorithm>
#include <iterator>

namespace datafiles {

namespace {

struct Cp932Pair {
  uint16_t codePoint;
  uint16_t code;
};

const Cp932Pair kTable[] = {
#include "datafiles/cp932_table.inc"
};

constexpr uint32_t kHalfWidthFirst = 0xFF61;  // ｡
constexpr uint32_t kHalfWidthLast = 0xFF9F;   // ﾟ
constexpr unsigned kHalfWidthByte = 0xA1;

}  // namespace

bool AppendCp932(uint32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
    return true;
  }
  if (codePoint >= kHalfWidthFirst && codePoint <= kHalfWidthLast) {
    out += static_cast<char>(kHalfWidthByte + (codePoint - kHalfWidthFirst));
    return true;
  }
  if (codePoint > 0xFFFF) return false;
  const auto found = std::lower_bound(std::begin(kTable), std::end(kTable), codePoint,
                                      [](const Cp932Pair& pair, uint32_t cp) { return pair.codePoint < cp; });
  if (found == std::end(kTable) || found->codePoint != codePoint) return false;
  out += static_cast<char>(found->code >> 8);
  out += static_cast<char>(found->code & 0xFF);
  return true;
}

}  // namespace datafiles
