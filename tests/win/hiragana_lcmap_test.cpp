// Our portable ToFullWidthHiragana against the Windows call it stands in
// for, LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_HIRAGANA | LCMAP_FULLWIDTH),
// under code page 932. Where we differ on purpose the input is listed in
// KnownDifferences with what we give; the test then accepts either answer
// from Windows, so it holds where Windows and Wine disagree too.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "postal/kana.h"

namespace {

constexpr DWORD kFlags = LCMAP_HIRAGANA | LCMAP_FULLWIDTH;
constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ
const std::string kSpacingVoiced = "゛";
const std::string kSpacingSemiVoiced = "゜";

std::string LcMap(const std::string& src) {
  char out[512];
  const int n = LCMapStringA(LOCALE_SYSTEM_DEFAULT, kFlags, src.data(), static_cast<int>(src.size()), out, sizeof out);
  return n > 0 ? std::string(out, static_cast<size_t>(n)) : std::string();
}

std::string Bytes(unsigned char a) { return std::string(1, static_cast<char>(a)); }
std::string Bytes(unsigned char a, unsigned char b) { return Bytes(a) + Bytes(b); }

std::string Hex(const std::string& s) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    if (!out.empty()) out += ' ';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

// True when ﾞ (or ﾟ with `semi`) joins the half-width letter `c`.
bool Joins(unsigned char c, bool semi) {
  const bool haToHo = c >= 0xCA && c <= 0xCE;                 // ﾊ..ﾎ
  if (semi) return haToHo;
  return c == 0xB3 || (c >= 0xB6 && c <= 0xC4) || haToHo;     // ｳ, ｶ..ﾄ
}

// Inputs where we keep a different answer, with ours. The usual reason: the
// Unicode result has no cp932 code, and LCMapStringA then writes "?".
std::map<std::string, std::string> KnownDifferences() {
  std::map<std::string, std::string> known;
  // Backslash: Wine leaves it half-width; the full-width block gives ＼.
  known[Bytes(0x5C)] = "＼";
  // A lone voiced mark becomes the combining mark U+3099 / U+309A, which
  // cp932 lacks; we give the spacing mark.
  known[Bytes(kVoicedMark)] = kSpacingVoiced;
  known[Bytes(kSemiVoicedMark)] = kSpacingSemiVoiced;
  // A mark after a character it cannot join: the character, then the mark.
  // ﾜﾞ and ｦﾞ would be ヷ and ヺ, not in cp932, so they split too.
  for (int c = 0xA1; c <= 0xDF; ++c) {
    for (unsigned char mark : {kVoicedMark, kSemiVoicedMark}) {
      const bool semi = mark == kSemiVoicedMark;
      if (Joins(static_cast<unsigned char>(c), semi)) continue;
      const std::string letter =
          c == kVoicedMark ? kSpacingVoiced : c == kSemiVoicedMark ? kSpacingSemiVoiced : LcMap(Bytes(static_cast<unsigned char>(c)));
      known[Bytes(static_cast<unsigned char>(c), mark)] = letter + (semi ? kSpacingSemiVoiced : kSpacingVoiced);
    }
  }
  // Full-width characters whose Unicode hiragana or full-width form cp932
  // has no code for: we keep them as they are.
  for (const char* keep : {"ヵ", "ヶ", "゛", "゜"}) known[keep] = keep;
  return known;
}

class HiraganaAgainstLcMap : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page (932), have " << GetACP();
  }
  void Check(const std::string& src) {
    const std::string ours = postal::ToFullWidthHiragana(src);
    const auto it = known_.find(src);
    if (it != known_.end()) {
      EXPECT_EQ(Hex(it->second), Hex(ours)) << "input " << Hex(src) << " (a known difference)";
      return;
    }
    EXPECT_EQ(Hex(LcMap(src)), Hex(ours)) << "input " << Hex(src);
  }
  const std::map<std::string, std::string> known_ = KnownDifferences();
};

}  // namespace

TEST_F(HiraganaAgainstLcMap, EverySingleByteCharacter) {
  for (int c = 0x20; c <= 0x7E; ++c) Check(Bytes(static_cast<unsigned char>(c)));
  for (int c = 0xA1; c <= 0xDF; ++c) Check(Bytes(static_cast<unsigned char>(c)));
}

TEST_F(HiraganaAgainstLcMap, EveryHalfWidthCharacterWithAVoicedMark) {
  for (int c = 0xA1; c <= 0xDF; ++c) {
    Check(Bytes(static_cast<unsigned char>(c), kVoicedMark));
    Check(Bytes(static_cast<unsigned char>(c), kSemiVoicedMark));
  }
}

TEST_F(HiraganaAgainstLcMap, FullWidthKatakanaAndKanaSigns) {
  for (int trail = 0x40; trail <= 0x96; ++trail) {
    if (trail != 0x7F) Check(Bytes(0x83, static_cast<unsigned char>(trail)));
  }
  for (int trail = 0x9F; trail <= 0xF1; ++trail) Check(Bytes(0x82, static_cast<unsigned char>(trail)));  // hiragana
  for (const char* sign : {"・", "゛", "゜", "ヽ", "ヾ", "ゝ", "ゞ", "ー", "　"}) {
    Check(sign);
  }
}

TEST_F(HiraganaAgainstLcMap, WholeWordsAsTheKanaColumnsHoldThem) {
  for (const char* word : {"ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "(ｶﾌﾞ) ﾆﾎﾝ", "ｾﾝﾀﾞｶﾞﾔ", "ｱｶｻｶﾌﾟﾘﾝｽ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "ｳﾞｨﾗ"}) Check(word);
}
