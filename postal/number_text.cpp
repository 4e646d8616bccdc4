#include "postal/number_text.h"

#include <cstdint>

#include "postal/text.h"

namespace postal {

namespace {

constexpr uint16_t kPostalMark = 0x81A7;        // 〒
constexpr uint16_t kFullWidthBlank = 0x8140;    // 　
constexpr uint16_t kFullWidthZero = 0x824F;     // ０
constexpr uint16_t kFullWidthNine = 0x8258;     // ９
constexpr uint16_t kDashes[] = {0x817C, 0x815D, 0x815B, 0x815C};  // －(and −) ‐ ー ―

uint16_t CodeAt(const std::string& text, size_t i) {
  return static_cast<uint16_t>((static_cast<unsigned char>(text[i]) << 8) | static_cast<unsigned char>(text[i + 1]));
}

}  // namespace

std::string NormalizeNumberText(const std::string& cp932) {
  std::string out;
  bool leading = true;
  for (size_t i = 0; i < cp932.size();) {
    if (!postal::IsDoubleByte(cp932.c_str() + i)) {
      if (!(leading && cp932[i] == ' ')) {
        out += cp932[i];
        leading = false;
      }
      ++i;
      continue;
    }
    const uint16_t code = CodeAt(cp932, i);
    i += 2;
    if (leading && (code == kPostalMark || code == kFullWidthBlank)) continue;
    leading = false;
    if (code >= kFullWidthZero && code <= kFullWidthNine) {
      out += static_cast<char>('0' + (code - kFullWidthZero));
      continue;
    }
    bool dash = false;
    for (uint16_t d : kDashes) dash = dash || code == d;
    if (dash) {
      out += '-';
      continue;
    }
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
  }
  return out;
}

}  // namespace postal
