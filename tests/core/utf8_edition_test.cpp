// Japan Post's UTF-8 edition: telling it from the Shift-JIS one, and
// converting it into the Shift-JIS edition's bytes. Plain literals here are
// cp932; u8 literals are the UTF-8 edition's bytes.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "encoding/cp932_encode.h"
#include "datafiles/file_set.h"
#include "datafiles/startup_check.h"
#include "datafiles/utf8_edition.h"
#include "datafiles/utf8_import.h"
#include "postal/line_reader.h"
#include "tests/core/address_fixture.h"

using namespace datafiles;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

std::string U8(const char* text) { return text; }

// The sample line of both editions: the UTF-8 one and what KEN_ALL.CSV holds.
const char kUtf8Akasaka[] =
    u8"13103,\"107  \",\"1070052\",\"トウキョウト\",\"ミナトク\",\"アカサカ（ツギノビルヲノゾク）\",\"東京都\",\"港区\","
    u8"\"赤坂（次のビルを除く）\",0,0,1,0,0,0";
const char kShiftJisAkasaka[] =
    "13103,\"107  \",\"1070052\",\"ﾄｳｷｮｳﾄ\",\"ﾐﾅﾄｸ\",\"ｱｶｻｶ(ﾂｷﾞﾉﾋﾞﾙｦﾉｿﾞｸ)\",\"東京都\",\"港区\",\"赤坂（次のビルを除く）\","
    "0,0,1,0,0,0";

// One line with the given kana town and town, the rest of the sample line.
std::string Utf8Line(const std::string& townKana, const std::string& town) {
  return U8(u8"13103,\"107  \",\"1070052\",\"トウキョウト\",\"ミナトク\",\"") + townKana +
         U8(u8"\",\"東京都\",\"港区\",\"") + town + "\",0,0,1,0,0,0";
}
std::string ShiftJisLine(const std::string& townKana, const std::string& town) {
  return "13103,\"107  \",\"1070052\",\"ﾄｳｷｮｳﾄ\",\"ﾐﾅﾄｸ\",\"" + townKana + "\",\"東京都\",\"港区\",\"" + town +
         "\",0,0,1,0,0,0";
}

std::string Convert(const std::string& utf8, ImportResult* result = nullptr) {
  std::string cp932;
  const ImportResult r = ConvertUtf8Edition(utf8, cp932, {});
  if (result != nullptr) *result = r;
  return cp932;
}

}  // namespace

TEST(Utf8Edition, RecognisedByItsFirstLines) {
  std::string tenGoodLines;
  for (int i = 0; i < kUtf8CheckLines; ++i) tenGoodLines += U8(kUtf8Akasaka) + "\r\n";
  const struct {
    std::string head;
    bool utf8;
    const char* what;
  } cases[] = {
      {U8(kUtf8Akasaka) + "\r\n", true, "the UTF-8 edition"},
      {U8(kUtf8Akasaka), true, "one line without its line end"},
      {U8(u8"\uFEFF13103,\"107  \"\r\n"), true, "a byte-order mark"},
      {std::string(kShiftJisAkasaka) + "\r\n", false, "the Shift-JIS edition"},
      {"13103,\"107  \",\"1070052\"\r\n", false, "ASCII reads the same either way"},
      {"\"ﾄｳ\",\"ﾄｳ\"\r\n", false, "half-width kana that happen to be valid UTF-8 (U+0133)"},
      {U8(kUtf8Akasaka) + "\r\n" + kShiftJisAkasaka + "\r\n", false, "Shift-JIS in a later first line"},
      {tenGoodLines + kShiftJisAkasaka + "\r\n", true, "only the first lines are looked at"},
      {U8(u8"\"東京都") + "\xE6\x9D", false, "a character cut short"},
      {"", false, "an empty file"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.utf8, LooksLikeUtf8Edition(c.head)) << c.what;

  // A longer file is read up to its last whole line within the bytes read.
  TempDir dir;
  std::string big;
  while (big.size() < kUtf8CheckBytes * 2) big += U8(kUtf8Akasaka) + "\r\n";
  WriteFile(dir.File("Ken_all.csv"), big);
  EXPECT_TRUE(IsUtf8EditionFile(dir.File("Ken_all.csv")));
  EXPECT_FALSE(IsUtf8EditionFile(dir.File("missing.csv")));
}

TEST(Utf8Edition, AddressFileInTheUtf8EditionBuildsNothing) {
  TempDir dir;
  const FileSet f = MakeFileSet(dir.path());
  WriteFile(f.addressFile, U8(kUtf8Akasaka) + "\r\n");
  for (const StartupPlan& plan : {PlanStartup(f, ""), PlanStartupByFileTimes(f)}) {
    EXPECT_TRUE(plan.addressFileUtf8);
    EXPECT_FALSE(plan.addressFileMissing);
    EXPECT_FALSE(plan.buildCityList || plan.buildPrefectureRanges || plan.buildNumberRanges);
  }
  WriteFile(f.addressFile, std::string(kShiftJisAkasaka) + "\r\n");
  EXPECT_FALSE(PlanStartup(f, "").addressFileUtf8);
}

TEST(Utf8Import, WritesTheShiftJisEditionsBytes) {
  const struct {
    std::string townKana, town;          // UTF-8
    std::string expectKana, expectTown;  // cp932
    const char* what;
  } cases[] = {
      {u8"ヴァ・パーク、ガッコウ", u8"赤坂", "ｳﾞｧ･ﾊﾟｰｸ､ｶﾞｯｺｳ", "赤坂", "voiced marks apart, small kana, ・ー、"},
      {u8"（１\u2212２．ＡＢ＜Ｘ＞）", u8"（１\u2212２．ＡＢ＜Ｘ＞）", "(1-2.AB<X>)", "（１－２．ＡＢ＜Ｘ＞）",
       "full-width ASCII forms and the minus sign: ASCII in kana columns only"},
      {u8"", u8"５３６３\u2212７\u301C８", "", "５３６３－７～８", "JIS minus sign and wave dash as 0x817C, 0x8160"},
      {u8"ヰ，＂ｱ", u8"ｱ", "ヰ，＂ｱ", "ｱ",
       "no half-width form, comma and quote stay full-width; half-width stays"},
      {u8"ヒ\u309Aン", u8"髙", "ﾋﾟﾝ", "\xFB\xFC", "a combining mark; an IBM extension kanji as Windows writes it"},
  };
  for (const auto& c : cases) {
    ImportResult r;
    EXPECT_EQ(ShiftJisLine(c.expectKana, c.expectTown) + "\r\n", Convert(Utf8Line(c.townKana, c.town), &r)) << c.what;
    EXPECT_EQ(ImportStatus::kDone, r.status) << c.what;
  }
  const std::string sample = kShiftJisAkasaka;
  EXPECT_EQ(sample + "\r\n" + sample + "\r\n", Convert(U8(kUtf8Akasaka) + "\n" + kUtf8Akasaka))
      << "LF and a missing last line end become CR LF";
  EXPECT_EQ(sample + "\r\n", Convert(U8(u8"\uFEFF") + kUtf8Akasaka + "\r\n")) << "byte-order mark dropped";
}

TEST(Utf8Import, StopsAtTheFirstCharacterItCannotWrite) {
  const std::string good = U8(kUtf8Akasaka) + "\r\n";
  const struct {
    std::string utf8;
    ImportStatus status;
    long line;
    uint32_t character;
  } cases[] = {
      {good + Utf8Line(u8"", u8"赤坂\U0001F600") + "\r\n", ImportStatus::kNoCp932Form, 2, 0x1F600},
      {good + good + Utf8Line(u8"", u8"\uE000"), ImportStatus::kNoCp932Form, 3, 0xE000},
      {Utf8Line(u8"", "") + "\xE6\x9D\r\n", ImportStatus::kNotUtf8, 1, 0xE6},
      // Shift-JIS: its half-width kana "ﾄｳ" read as UTF-8 are U+0133.
      {good + kShiftJisAkasaka + "\r\n", ImportStatus::kNoCp932Form, 2, 0x133},
  };
  for (const auto& c : cases) {
    ImportResult r;
    Convert(c.utf8, &r);
    EXPECT_EQ(c.status, r.status) << c.line;
    EXPECT_EQ(c.line, r.line);
    EXPECT_EQ(c.character, r.character) << c.line;
  }

  // Nothing is written: the old address file stays, no temporary file is left.
  TempDir dir;
  WriteFile(dir.File("utf_ken_all.csv"), cases[0].utf8);
  WriteFile(dir.File("Ken_all.csv"), "old");
  EXPECT_EQ(ImportStatus::kNoCp932Form,
            ImportUtf8Edition(dir.File("utf_ken_all.csv"), dir.File("Ken_all.csv"), {}).status);
  EXPECT_EQ("old", testing_support::ReadFile(dir.File("Ken_all.csv")));
  EXPECT_FALSE(testing_support::Exists(dir.File("Ken_all.csv.tmp")));
  EXPECT_EQ(ImportStatus::kCannotRead, ImportUtf8Edition(dir.File("none.csv"), dir.File("Ken_all.csv"), {}).status);
}

TEST(Utf8Import, LongTownStaysWholeUnlessItsLineWouldNotBeReadWhole) {
  std::string longTown, longKana;
  for (int i = 0; i < 45; ++i) longTown += u8"町";          // 90 bytes in cp932, over the 77 a record keeps
  for (int i = 0; i < 120; ++i) longKana += u8"ア";         // 120 bytes
  const std::string fits = Utf8Line(u8"アカサカ", longTown);  // 90-byte town, line under 255
  const std::string tooLong = Utf8Line(longKana, longTown);
  std::string expectedTown;
  for (int i = 0; i < 45; ++i) expectedTown += "町";
  EXPECT_EQ(ShiftJisLine("ｱｶｻｶ", expectedTown) + "\r\n", Convert(fits));

  const std::string cut = Convert(tooLong);
  EXPECT_LE(cut.size() - 2, postal::kAddressLineBytes);
  // The town keeps what a record holds of it; the kana gives way.
  const std::string keptTown = expectedTown.substr(0, 76);
  EXPECT_NE(std::string::npos, cut.find("\"" + keptTown + "\"")) << cut;

  // Both rows are found, each with its town cut as a record cuts it.
  const std::string converted = Convert(fits + "\r\n" + tooLong + "\r\n");
  const size_t lineEnd = converted.find("\r\n");
  testing_support::AddressFixture data({converted.substr(0, lineEnd), cut.substr(0, cut.size() - 2)});
  const std::vector<std::string> expected = {"1070052 " + keptTown, "1070052 " + keptTown};
  EXPECT_EQ(expected, data.Find(testing_support::NumberForm(postal::kNewNumber, "1070052")));
}

TEST(Utf8Import, FindsTheUtf8EditionUnderAnyCase) {
  TempDir dir;
  EXPECT_EQ("", FindUtf8Edition(dir.path()));
  WriteFile(dir.File("UTF_KEN_ALL.CSV"), "");
  EXPECT_EQ("UTF_KEN_ALL.CSV", FindUtf8Edition(dir.path()));
}

// Our table against glibc's CP932 over the whole BMP: the same bytes, except
// the user-defined area and the two JIS X 0201 look-alikes, which we leave out.
TEST(Cp932Table, WritesWhatTheSystemConverterWrites) {
  iconv_t cd = iconv_open("CP932", "UTF-32LE");
  ASSERT_NE(reinterpret_cast<iconv_t>(-1), cd);
  int same = 0;
  for (uint32_t cp = 0; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string ours;
    const bool written = encoding::AppendCp932(cp, ours);
    char in[4] = {static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8), 0, 0};
    char out[8];
    char* src = in;
    char* dst = out;
    size_t srcLeft = sizeof in, dstLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const bool system = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1);
    const bool leftOut = (cp >= 0xE000 && cp <= 0xF8FF) || cp == 0x00A5 || cp == 0x203E;
    if (leftOut) {
      EXPECT_FALSE(written) << std::hex << cp;
      continue;
    }
    ASSERT_EQ(system, written) << std::hex << cp;
    if (written) {
      EXPECT_EQ(std::string(out, dst), ours) << std::hex << cp;
      ++same;
    }
  }
  iconv_close(cd);
  EXPECT_EQ(7333 + 128 + 63, same) << "two-byte table, ASCII, half-width katakana";
}
