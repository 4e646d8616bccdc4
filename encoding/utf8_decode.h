// Strict UTF-8 decoding, one character at a time.
#pragma once

#include <cstddef>
#include <cstdint>

namespace encoding {

// Decodes the character at `p` (p < end). Returns its length in bytes (1 to
// 4) with `codePoint` set, or 0 when the bytes there are not UTF-8: a stray
// continuation byte, an overlong form, a surrogate, a code point beyond
// U+10FFFF, or a sequence that `end` cuts short.
inline size_t DecodeUtf8(const char* p, const char* end, uint32_t& codePoint) {
  const auto byte = [p](size_t i) { return static_cast<unsigned char>(p[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  size_t length;
  uint32_t minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    minimum = 0x80;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    minimum = 0x800;
    codePoint = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    minimum = 0x10000;
    codePoint = lead & 0x07u;
  } else {
    return 0;
  }
  if (static_cast<size_t>(end - p) < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < minimum || surrogate || codePoint > 0x10FFFF) return 0;
  return length;
}

}  // namespace encoding
