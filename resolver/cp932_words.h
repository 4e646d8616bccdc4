// The cp932 characters and words the resolver reads in addresses and in the
// town column's notes (their tables: characters.words, words.words), and
// the reading of a character's code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "postal/characters.h"
#include "postal/text.h"
#include "resolver/characters.h"
#include "resolver/words.h"

namespace resolver {

namespace ch {
// Postal's conversions read and write these too; defined there once.
using postal::ch::kDigit0;
using postal::ch::kDigit9;
using postal::ch::kFullWidthBlank;
using postal::ch::kHiraganaFirst;
using postal::ch::kHiraganaLast;
using postal::ch::kKatakanaFirst;
}  // namespace ch

// One character of cp932 text: the double-byte code, or the single byte.
inline uint16_t CharCode(const char* p, size_t left) {
  const unsigned char lead = static_cast<unsigned char>(p[0]);
  if (left >= 2 && postal::IsDoubleByte(p)) return static_cast<uint16_t>(lead << 8 | static_cast<unsigned char>(p[1]));
  return lead;
}
inline size_t CharWidth(uint16_t code) { return code > 0xFF ? 2 : 1; }
inline void AppendChar(uint16_t code, std::string& out) {
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// NEC's selection of IBM's kanji, copies at their own codes that text from
// older programs holds; a converter writes the IBM codes, so they are named
// here by code. Its ⅰ…＂ after 黑 are no kanji.
constexpr uint16_t kNecSelectedKanjiFirst = 0xED40;  // 纊
constexpr uint16_t kNecSelectedKanjiLast = 0xEEEC;   // 黑

// Kanji of cp932 (JIS levels 1 and 2, NEC's and IBM's extensions), and 々.
inline bool IsKanji(uint16_t code) {
  return code == ch::kRepeat || (code >= ch::kLevel1First && code <= ch::kLevel1Last) ||
         (code >= ch::kLevel2First && code <= ch::kLevel2Last) ||
         (code >= kNecSelectedKanjiFirst && code <= kNecSelectedKanjiLast) ||
         (code >= ch::kIbmKanjiFirst && code <= ch::kIbmKanjiLast);
}
inline bool IsKatakana(uint16_t code) { return code >= ch::kKatakanaFirst && code <= ch::kSmallKe; }
inline bool IsAsciiDigit(uint16_t code) { return code >= '0' && code <= '9'; }
inline bool IsLatinCapital(uint16_t code) { return code >= 'A' && code <= 'Z'; }
// Blanks ASCII and full-width, and line ends.
inline bool IsBlank(uint16_t code) {
  return code == ' ' || code == '\t' || code == '\r' || code == '\n' || code == ch::kFullWidthBlank;
}

// `word` at byte `pos` of `text` (`pos` a character boundary).
inline bool WordAt(std::string_view text, size_t pos, std::string_view word) {
  return pos <= text.size() && text.size() - pos >= word.size() && text.compare(pos, word.size(), word) == 0;
}

// `word` ends `text` at a character boundary: 院 (0x8940) does not end in
// the @ of its trail byte.
inline bool EndsWithWord(std::string_view text, std::string_view word) {
  if (word.size() > text.size()) return false;
  size_t i = 0;
  while (i < text.size() - word.size()) i += CharWidth(CharCode(text.data() + i, text.size() - i));
  return i == text.size() - word.size() && text.compare(i, word.size(), word) == 0;
}

// Where the last character of `text` begins (0 for empty text).
inline size_t LastCharAt(std::string_view text) {
  size_t last = 0;
  for (size_t i = 0; i < text.size(); i += CharWidth(CharCode(text.data() + i, text.size() - i))) last = i;
  return last;
}

}  // namespace resolver
