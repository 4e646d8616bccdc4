#include "postal/kana.h"

#include <cstdint>

#include "postal/text.h"

namespace postal {

namespace {

// Full-width forms of 0x21..0x7E as code page 932 writes them. The quote and
// apostrophe have only the IBM-extension codes 0xFA57 / 0xFA56. Backslash
// becomes the full-width reverse solidus, as the Unicode mapping gives it.
const uint16_t kFullWidthAscii[0x7E - 0x21 + 1] = {
    0x8149, 0xFA57, 0x8194, 0x8190, 0x8193, 0x8195, 0xFA56, 0x8169, 0x816A, 0x8196, 0x817B, 0x8143,
    0x817C, 0x8144, 0x815E, 0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256, 0x8257,
    0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148, 0x8197, 0x8260, 0x8261, 0x8262, 0x8263,
    0x8264, 0x8265, 0x8266, 0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E, 0x826F,
    0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276, 0x8277, 0x8278, 0x8279, 0x816D, 0x815F,
    0x816E, 0x814F, 0x8151, 0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287, 0x8288,
    0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F, 0x8290, 0x8291, 0x8292, 0x8293, 0x8294,
    0x8295, 0x8296, 0x8297, 0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,
};

// Full-width forms of the half-width characters 0xA1..0xDF, katakana as
// hiragana. The lone voiced marks become the spacing marks ゛ ゜ (cp932 has
// no combining ones).
const uint16_t kFullWidthKana[0xDF - 0xA1 + 1] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x82F0, 0x829F, 0x82A1, 0x82A3, 0x82A5, 0x82A7, 0x82E1,
    0x82E3, 0x82E5, 0x82C1, 0x815B, 0x82A0, 0x82A2, 0x82A4, 0x82A6, 0x82A8, 0x82A9, 0x82AB, 0x82AD,
    0x82AF, 0x82B1, 0x82B3, 0x82B5, 0x82B7, 0x82B9, 0x82BB, 0x82BD, 0x82BF, 0x82C2, 0x82C4, 0x82C6,
    0x82C8, 0x82C9, 0x82CA, 0x82CB, 0x82CC, 0x82CD, 0x82D0, 0x82D3, 0x82D6, 0x82D9, 0x82DC, 0x82DD,
    0x82DE, 0x82DF, 0x82E0, 0x82E2, 0x82E4, 0x82E6, 0x82E7, 0x82E8, 0x82E9, 0x82EA, 0x82EB, 0x82ED,
    0x82F1, 0x814A, 0x814B,
};

constexpr unsigned char kHalfWidthU = 0xB3;             // ｳ
constexpr unsigned char kVoicedMark = 0xDE;             // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;         // ﾟ
constexpr uint16_t kKatakanaVu = 0x8394;                // ヴ: cp932 has no hiragana for it
constexpr uint16_t kKatakanaFirst = 0x8340;             // ァ
constexpr uint16_t kKatakanaLastWithHiragana = 0x8393;  // ン
constexpr uint16_t kKatakanaIteration = 0x8152;         // ヽ
constexpr uint16_t kKatakanaVoicedIteration = 0x8153;   // ヾ
constexpr uint16_t kHiraganaIterationOffset = 2;        // ヽヾ → ゝゞ

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
  if (code >= 0x829F && code <= 0x82F1) {
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
      Put(out, 0x8140);
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
