#include "postal/kana.h"

#include <cstdint>

#include "postal/characters.h"
#include "postal/text.h"

namespace postal {

namespace {

// The full-width forms of ASCII and of half-width kana (characters.words).
using ch::kFullWidthAscii, ch::kFullWidthKana;
static_assert(sizeof(kFullWidthAscii) / sizeof(kFullWidthAscii[0]) == 0x7E - 0x21 + 1, "one a character 0x21..0x7E");
static_assert(sizeof(kFullWidthKana) / sizeof(kFullWidthKana[0]) == 0xDF - 0xA1 + 1, "one a character 0xA1..0xDF");

constexpr unsigned char kHalfWidthU = 0xB3;             // ｳ
constexpr unsigned char kVoicedMark = 0xDE;             // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;         // ﾟ
constexpr uint16_t kHiraganaIterationOffset = 2;        // ヽヾ → ゝゞ
using ch::kKatakanaVu, ch::kKatakanaFirst, ch::kKatakanaLastWithHiragana, ch::kKatakanaIteration,
    ch::kKatakanaVoicedIteration;

bool InRange(unsigned char c, unsigned char lo, unsigned char hi) { return c >= lo && c <= hi; }

// The voiced (semi = false) or semi-voiced form of the half-width letter
// `c`, or 0 when that letter has none.
uint16_t JoinedLetter(unsigned char c, bool semi) {
  const bool kaToTo = InRange(c, 0xB6, 0xC4);  // ｶ..ﾄ
  const bool haToHo = InRange(c, 0xCA, 0xCE);  // ﾊ..ﾎ
  if (!semi) {
    if (c == kHalfWidthU) return kKatakanaVu;
    if (kaToTo || haToHo) return static_cast<uint16_t>(kFullWidthKana[c - 0xA1] + 1);
    return 0;
  }
  return haToHo ? static_cast<uint16_t>(kFullWidthKana[c - 0xA1] + 2) : 0;
}

// The hiragana of a full-width katakana code, or the code itself.
uint16_t ToHiragana(uint16_t code) {
  if (code >= kKatakanaFirst && code <= kKatakanaLastWithHiragana) {
    // 0x8340..0x837E → 0x829F..0x82DD; 0x8380.. → 0x82DE.. (no 0x7F trail on either side)
    const unsigned trail = code & 0xFF;
    return static_cast<uint16_t>(0x8200 | (trail < 0x80 ? trail + 0x5F : trail + 0x5E));
  }
  if (code == kKatakanaIteration || code == kKatakanaVoicedIteration) {
    return static_cast<uint16_t>(code + kHiraganaIterationOffset);
  }
  return code;
}

void Put(std::string& out, uint16_t code) {
  out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// The katakana of a full-width hiragana code, or the code itself: the
// inverse of ToHiragana.
uint16_t ToKatakana(uint16_t code) {
  if (code >= ch::kHiraganaFirst && code <= ch::kHiraganaLast) {
    const unsigned trail = code & 0xFF;
    return static_cast<uint16_t>(0x8300 | (trail <= 0xDD ? trail - 0x5F : trail - 0x5E));
  }
  if (code == kKatakanaIteration + kHiraganaIterationOffset || code == kKatakanaVoicedIteration + kHiraganaIterationOffset) {
    return static_cast<uint16_t>(code - kHiraganaIterationOffset);
  }
  return code;
}

}  // namespace

namespace {

enum class KanaKind { kHiragana, kKatakana };

// `src` (cp932) appended as full-width characters, its kana as `kind`: ASCII
// and half-width kana widened (ｶﾞ joined into ガ), double-byte text kept but
// for its kana. Control bytes, 0x7F, 0x80, 0xA0, 0xFD..0xFF and a lead byte
// without its trail have no full-width form and stay as they are.
void AppendFullWidth(std::string_view src, KanaKind kind, std::string& out) {
  const bool hiragana = kind == KanaKind::kHiragana;
  const size_t n = src.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(src[i]);
    if (i + 1 < n && IsDoubleByte(src.data() + i)) {
      const uint16_t code = static_cast<uint16_t>((c << 8) | static_cast<unsigned char>(src[i + 1]));
      Put(out, hiragana ? ToHiragana(code) : code);
      ++i;
    } else if (c == ' ') {
      Put(out, ch::kFullWidthBlank);
    } else if (InRange(c, 0x21, 0x7E)) {
      Put(out, kFullWidthAscii[c - 0x21]);
    } else if (InRange(c, 0xA1, 0xDF)) {
      const unsigned char next = i + 1 < n ? static_cast<unsigned char>(src[i + 1]) : 0;
      const uint16_t joined =
          (next == kVoicedMark || next == kSemiVoicedMark) ? JoinedLetter(c, next == kSemiVoicedMark) : 0;
      if (joined != 0) ++i;
      const uint16_t letter = joined != 0 ? joined : kFullWidthKana[c - 0xA1];
      Put(out, hiragana ? letter : ToKatakana(letter));
    } else {
      out += static_cast<char>(c);
    }
  }
}

}  // namespace

void AppendFullWidthKatakana(std::string_view src, std::string& out) {
  AppendFullWidth(src, KanaKind::kKatakana, out);
}

std::string ToFullWidthHiragana(const std::string& src) {
  std::string out;
  out.reserve(src.size() * 2);
  AppendFullWidth(src, KanaKind::kHiragana, out);
  if (out.size() > kMaxHiraganaBytes) return std::string();
  return out;
}

}  // namespace postal
