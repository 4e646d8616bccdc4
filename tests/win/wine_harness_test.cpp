// The Windows tests rely on a Japanese Wine: code page 932 as the ANSI page
// and Japanese fonts behind the faces the program asks for.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ToWide(const std::string& cp932) {
  int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data(), static_cast<int>(cp932.size()), wide.data(), n);
  return wide;
}

std::string ToCp932(const std::wstring& wide) {
  int n = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

TEST(WineHarness, AnsiCodePageIsJapanese) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_TRUE(IsDBCSLeadByte(0x95));
  EXPECT_FALSE(IsDBCSLeadByte(0xB1));  // half-width katakana is one byte
}

TEST(WineHarness, Cp932LiteralsRoundTrip) {
  struct Case {
    const char* cp932;
    const wchar_t* wide;
  };
  const Case cases[] = {
      {"東京都", L"\u6771\u4EAC\u90FD"},
      {"ﾄｳｷｮｳﾄ", L"\uFF84\uFF73\uFF77\uFF6E\uFF73\uFF84"},
      {"～－", L"\uFF5E\uFF0D"},           // 0x8160 0x817C: cp932, not JIS
      {"㈱Ⅲ", L"\u3231\u2162"},           // lead byte 0x87: cp932 only
      {"表", L"\u8868"},                   // trail byte 0x5C
      {"1 件見つかりました。", L"1 \u4EF6\u898B\u3064\u304B\u308A\u307E\u3057\u305F\u3002"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cp932);
    EXPECT_EQ(ToWide(c.cp932), std::wstring(c.wide));
    EXPECT_EQ(ToCp932(c.wide), std::string(c.cp932));
  }
}

TEST(WineHarness, AnsiApisUseCp932) {
  const char text[] = "赤坂";
  EXPECT_EQ(CharNextA(text), text + 2);
  wchar_t wide[8] = {};
  ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 8), 3);
  EXPECT_EQ(std::wstring(wide), L"\u8D64\u5742");
}

TEST(WineHarness, JapaneseFacesHaveJapaneseGlyphs) {
  const char* faces[] = {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "MS UI Gothic"};
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  for (const char* face : faces) {
    SCOPED_TRACE(face);
    LOGFONTA lf = {};
    lf.lfHeight = -16;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    ASSERT_NE(font, nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    WORD glyphs[3] = {};
    ASSERT_EQ(GetGlyphIndicesW(dc, L"\u6771\u4EAC\uFF71", 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 3u);
    for (WORD g : glyphs) EXPECT_NE(g, 0xFFFF);
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
}

}  // namespace
