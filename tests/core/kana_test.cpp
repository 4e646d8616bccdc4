#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "postal/kana.h"

using postal::ToFullWidthHiragana;

namespace {

// cp932 to UTF-32LE code points through the C library, independent of our table.
std::u32string CodePoints(const std::string& cp932) {
  iconv_t cd = iconv_open("UTF-32LE", "CP932");
  std::string out(cp932.size() * 4 + 8, '\0');
  char* src = const_cast<char*>(cp932.data());
  size_t srcLeft = cp932.size(), dstLeft = out.size();
  char* dst = &out[0];
  const size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return U"?";
  out.resize(out.size() - dstLeft);
  return std::u32string(reinterpret_cast<const char32_t*>(out.data()), out.size() / 4);
}

struct Case {
  const char* src;
  const char* expected;
};

}  // namespace

TEST(FullWidthHiragana, HalfWidthKanaBecomeHiragana) {
  const Case cases[] = {
      {"ﾄｳｷｮｳﾄ", "とうきょうと"},
      {"(ｶ)", "（か）"},
      {"ｱｶｻｶｼｮｳｶｲ", "あかさかしょうかい"},
      {"ｧｨｩｪｫｬｭｮｯ", "ぁぃぅぇぉゃゅょっ"},
      {"ｦﾝ", "をん"},
      {"ｰ", "ー"},
      {"･", "・"},
      {"｢｣", "「」"},
      {"｡､", "。、"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ToFullWidthHiragana(c.src)) << c.src;
}

TEST(FullWidthHiragana, VoicedMarksJoinTheLetterBeforeWhereTheyCan) {
  const Case cases[] = {
      {"ｶﾞ", "が"},   {"ｺﾞ", "ご"},   {"ｻﾞｼﾞｽﾞｾﾞｿﾞ", "ざじずぜぞ"}, {"ﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞ", "だぢづでど"},
      {"ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ", "ばびぶべぼ"},   {"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", "ぱぴぷぺぽ"},
      // No hiragana ゔ in cp932: the katakana stays.
      {"ｳﾞ", "ヴ"},
      // No joined letter: the spacing mark follows.
      {"ｱﾞ", "あ゛"}, {"ｶﾟ", "か゜"}, {"ﾜﾞ", "わ゛"}, {"ｦﾞ", "を゛"},   {"ﾞ", "゛"},
      {"ﾟ", "゜"},     {"ｶﾞﾞ", "が゛"}, {"ﾞｶ", "゛か"},  {"Aﾞ", "Ａ゛"}, {"ﾟﾟ", "゜゜"},
      {"ｾﾝﾀﾞｶﾞﾔ", "せんだがや"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ToFullWidthHiragana(c.src)) << c.src;
}

TEST(FullWidthHiragana, AsciiBecomesItsFullWidthForm) {
  const Case cases[] = {
      {" ", "　"},  {"ABCxyz019", "ＡＢＣｘｙｚ０１９"}, {"-", "－"}, {"~", "～"},  {"\\", "＼"},
      {"(1)", "（１）"}, {"\"", "\xFA\x57"},          {"'", "\xFA\x56"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ToFullWidthHiragana(c.src)) << c.src;
  // Every printable byte: the full-width block U+FF01 onwards, in order.
  for (int c = 0x21; c <= 0x7E; ++c) {
    const std::string out = ToFullWidthHiragana(std::string(1, static_cast<char>(c)));
    EXPECT_EQ(2u, out.size()) << c;
    EXPECT_EQ(std::u32string(1, static_cast<char32_t>(0xFF01 + c - 0x21)), CodePoints(out)) << c;
  }
}

TEST(FullWidthHiragana, FullWidthTextKeepsAllButItsKatakana) {
  const Case cases[] = {
      {"アイウエオ", "あいうえお"},
      {"ガパンヲ", "がぱんを"},
      {"ァミムメモャ", "ぁみむめもゃ"},
      {"ヽヾ", "ゝゞ"},
      // No hiragana for these in cp932.
      {"ヴヵヶ", "ヴヵヶ"},
      {"東京都港区赤坂", "東京都港区赤坂"},
      {"ひらがな　ー・", "ひらがな　ー・"},
      {"市s", "市ｓ"},
      {"Ⅰ㈱", "Ⅰ㈱"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ToFullWidthHiragana(c.src)) << c.src;
  // The whole katakana row ァ..ン against the C library's code points.
  for (int trail = 0x40; trail <= 0x93; ++trail) {
    if (trail == 0x7F) continue;
    const std::string katakana = {'\x83', static_cast<char>(trail)};
    const std::u32string in = CodePoints(katakana);
    ASSERT_EQ(1u, in.size());
    EXPECT_EQ(std::u32string(1, in[0] - 0x60), CodePoints(ToFullWidthHiragana(katakana))) << trail;
  }
}

TEST(FullWidthHiragana, BytesWithoutAFullWidthFormAreCopied) {
  for (const char* src : {"\x7F", "\x80", "\xA0", "\xFD", "\xFE", "\xFF", "\x81", "\x01"}) {
    EXPECT_EQ(src, ToFullWidthHiragana(src)) << static_cast<int>(static_cast<unsigned char>(src[0]));
  }
  EXPECT_EQ(std::string("\x81", 1) + "　", ToFullWidthHiragana("\x81 ")) << "a lead byte without a trail";
  EXPECT_EQ(std::string("\0", 1), ToFullWidthHiragana(std::string("\0", 1)));
}

TEST(FullWidthHiragana, AResultOver255BytesIsEmpty) {
  EXPECT_EQ(254u, ToFullWidthHiragana(std::string(127, '\xB1')).size());
  EXPECT_EQ("", ToFullWidthHiragana(std::string(128, '\xB1')));
  EXPECT_EQ("", ToFullWidthHiragana(std::string(199, 'a')));
  // Joined letters count once: 127 ｶﾞ are 254 bytes in and out.
  std::string voiced;
  for (int i = 0; i < 127; ++i) voiced += "ｶﾞ";
  EXPECT_EQ(254u, ToFullWidthHiragana(voiced).size());
  EXPECT_EQ("", ToFullWidthHiragana(voiced + "ｶﾞ"));
  // Double-byte text already full-width stays as long as it was.
  std::string kanji;
  for (int i = 0; i < 127; ++i) kanji += "東";
  EXPECT_EQ(kanji, ToFullWidthHiragana(kanji));
  EXPECT_EQ("", ToFullWidthHiragana(kanji + "東"));
}
