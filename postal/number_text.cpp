#include "postal/number_text.h"

#include <cstdint>

#include "encoding/hyphens.h"
#include "postal/characters.h"
#include "postal/text.h"

namespace postal {

namespace {

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
        out += encoding::Cp932Hyphen(static_cast<unsigned char>(cp932[i])) != nullptr ? '-' : cp932[i];
        leading = false;
      }
      ++i;
      continue;
    }
    const uint16_t code = CodeAt(cp932, i);
    i += 2;
    if (leading && (code == ch::kPostalMark || code == ch::kFullWidthBlank)) continue;
    leading = false;
    if (code >= ch::kDigit0 && code <= ch::kDigit9) {
      out += static_cast<char>('0' + (code - ch::kDigit0));
      continue;
    }
    if (encoding::Cp932Hyphen(code) != nullptr) {
      out += '-';
      continue;
    }
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
  }
  return out;
}

}  // namespace postal
