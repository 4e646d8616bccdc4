#include "encoding/cp932_encode.h"

#include <vector>

#include "encoding/hyphens.h"
#include "encoding/utf8_decode.h"

namespace encoding {

namespace {

struct Cp932Pair {
  uint16_t codePoint;
  uint16_t code;
};

const Cp932Pair kTable[] = {
#include "encoding/cp932_table.inc"
};

// The table spread out by code point, 0 where cp932 has no character: a list
// of a million addresses looks up every character once.
const std::vector<uint16_t>& CodeByPoint() {
  static const std::vector<uint16_t> codes = [] {
    std::vector<uint16_t> spread(0x10000, 0);
    for (const Cp932Pair& pair : kTable) spread[pair.codePoint] = pair.code;
    return spread;
  }();
  return codes;
}

// Code points by cp932 code, 0 where the table gives none.
const std::vector<uint16_t>& PointByCode() {
  static const std::vector<uint16_t> points = [] {
    std::vector<uint16_t> spread(0x10000, 0);
    for (const Cp932Pair& pair : kTable) spread[pair.code] = pair.codePoint;
    return spread;
  }();
  return points;
}

void AppendUtf8(uint32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | codePoint >> 6);
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | codePoint >> 12);
    out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

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
  const uint16_t code = CodeByPoint()[codePoint];
  if (code == 0) return false;
  out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
  return true;
}

bool AppendUtf8OfCp932(std::string_view text, std::string& out) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
    } else if (lead >= kHalfWidthByte && lead <= kHalfWidthByte + (kHalfWidthLast - kHalfWidthFirst)) {
      AppendUtf8(kHalfWidthFirst + (lead - kHalfWidthByte), out);
      ++i;
    } else {
      if (i + 1 >= text.size()) return false;
      const uint16_t point = PointByCode()[static_cast<uint16_t>(lead << 8 | static_cast<unsigned char>(text[i + 1]))];
      if (point == 0) return false;
      AppendUtf8(point, out);
      i += 2;
    }
  }
  return true;
}

bool Utf8ToCp932(const std::string& utf8, std::string& out) {
  std::string cp932;
  const char* end = utf8.data() + utf8.size();
  for (const char* p = utf8.data(); p < end;) {
    uint32_t codePoint = 0;
    const size_t length = DecodeUtf8(p, end, codePoint);
    if (length == 0) return false;
    if (!AppendCp932(codePoint, cp932)) {
      if (!IsHyphenOutsideCp932(codePoint)) return false;
      cp932 += '-';
    }
    p += length;
  }
  out.swap(cp932);
  return true;
}

}  // namespace encoding
