#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "postal/records.h"
#include "postal/templates.h"

using namespace postal;

namespace {

const char kSampleAddressLine[] =
    "13103,\"107  \",\"1070052\",\"ﾄｳｷｮｳﾄ\",\"ﾐﾅﾄｸ\",\"ｱｶｻｶ\",\"東京都\",\"港区\",\"赤坂\",0,0,1,0,0,0\r\n";
const char kSampleOfficeLine[] =
    "13103,\"ｱｶｻｶｼｮｳｶｲ\",\"赤坂商会\",\"東京都\",\"港区\",\"赤坂\",\"１丁目１番\",\"1078799\",\"107  \",\"赤坂\",0,0,0\r\n";

AddressRecord SampleAddress() {
  char line[256];
  std::strcpy(line, kSampleAddressLine);
  AddressRecord r = {};
  EXPECT_TRUE(ParseAddressLine(line, r));
  return r;
}

OfficeRecord SampleOffice() {
  OfficeRecord r = {};
  EXPECT_TRUE(ParseOfficeLine(kSampleOfficeLine, r));
  return r;
}

DisplayFlags Flags(bool hyphen, bool hiragana) {
  DisplayFlags flags;
  flags.hyphen = hyphen;
  flags.hiragana = hiragana;
  return flags;
}

struct Case {
  const char* templateText;
  bool hyphen;
  bool hiragana;
  const char* expected;
};

}  // namespace

TEST(AddressTemplate, WorkedExamplesOfEveryPreset) {
  const AddressRecord row = SampleAddress();
  const Case cases[] = {
      {"N KSM", true, false, "107-0052 東京都港区赤坂"},
      {"〒N KSM", true, false, "〒107-0052 東京都港区赤坂"},
      {"N,KSM", true, false, "107-0052,東京都港区赤坂"},
      {"N KSM(ksm)", true, false, "107-0052 東京都港区赤坂(ﾄｳｷｮｳﾄﾐﾅﾄｸｱｶｻｶ)"},
      {"C O", true, false, "13103 107"},
      {"N KSM(ksm)", true, true, "107-0052 東京都港区赤坂(とうきょうとみなとくあかさか)"},
      {"N KSM", false, false, "1070052 東京都港区赤坂"},
      {"N KSM", false, true, "1070052 東京都港区赤坂"},
      {"N KSM", true, true, "107-0052 東京都港区赤坂"},
      {"〒N KSM", false, false, "〒1070052 東京都港区赤坂"},
      {"〒N KSM", false, true, "〒1070052 東京都港区赤坂"},
      {"〒N KSM", true, true, "〒107-0052 東京都港区赤坂"},
      {"N,KSM", false, false, "1070052,東京都港区赤坂"},
      {"N,KSM", false, true, "1070052,東京都港区赤坂"},
      {"N,KSM", true, true, "107-0052,東京都港区赤坂"},
      {"N KSM(ksm)", false, false, "1070052 東京都港区赤坂(ﾄｳｷｮｳﾄﾐﾅﾄｸｱｶｻｶ)"},
      {"N KSM(ksm)", false, true, "1070052 東京都港区赤坂(とうきょうとみなとくあかさか)"},
      {"C O", false, false, "13103 107"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, ExpandAddressTemplate(c.templateText, row, Flags(c.hyphen, c.hiragana)))
        << c.templateText << " hyphen " << c.hyphen << " hiragana " << c.hiragana;
  }
}

TEST(OfficeTemplate, WorkedExamplesOfEveryPreset) {
  const OfficeRecord row = SampleOffice();
  const Case cases[] = {
      {"N KSM G", true, false, "107-8799 東京都港区赤坂１丁目１番 赤坂商会"},
      {"N,G,KSM", true, false, "107-8799,赤坂商会,東京都港区赤坂１丁目１番"},
      {"N G(g)KSM(ksm)", true, false, "107-8799 赤坂商会(ｱｶｻｶｼｮｳｶｲ)東京都港区赤坂１丁目１番(ksm)"},
      {"N G(g)KSM(ksm)", true, true, "107-8799 赤坂商会(あかさかしょうかい)東京都港区赤坂１丁目１番(ksm)"},
      {"N G(g)KSM(ksm)", false, true, "1078799 赤坂商会(あかさかしょうかい)東京都港区赤坂１丁目１番(ksm)"},
      {"N G(g)KSM(ksm)", false, false, "1078799 赤坂商会(ｱｶｻｶｼｮｳｶｲ)東京都港区赤坂１丁目１番(ksm)"},
      {"〒N KSM G", true, false, "〒107-8799 東京都港区赤坂１丁目１番 赤坂商会"},
      {"〒N KSM G", false, true, "〒1078799 東京都港区赤坂１丁目１番 赤坂商会"},
      {"N KSM G", false, false, "1078799 東京都港区赤坂１丁目１番 赤坂商会"},
      {"N KSM G", true, true, "107-8799 東京都港区赤坂１丁目１番 赤坂商会"},
      {"N,G,KSM", false, true, "1078799,赤坂商会,東京都港区赤坂１丁目１番"},
      // The file's old number keeps its two blanks, so it is five bytes long.
      {"O", true, false, "107-  "},
      {"O", false, false, "107  "},
      {"C", false, false, "13103"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, ExpandOfficeTemplate(c.templateText, row, Flags(c.hyphen, c.hiragana)))
        << c.templateText << " hyphen " << c.hyphen << " hiragana " << c.hiragana;
  }
}

TEST(TemplatePresets, NamesAndTemplatesAreTheProgramsOwn) {
  const char* expected[kTemplatePresetCount][3] = {
      {"標準", "N KSM", "N KSM G"},
      {"〒付き", "〒N KSM", "〒N KSM G"},
      {"CSV", "N,KSM", "N,G,KSM"},
      {"詳細", "N KSM(ksm)", "N G(g)KSM(ksm)"},
  };
  for (int i = 0; i < kTemplatePresetCount; ++i) {
    EXPECT_STREQ(expected[i][0], kTemplatePresets[i].name);
    EXPECT_STREQ(expected[i][1], kTemplatePresets[i].addressTemplate);
    EXPECT_STREQ(expected[i][2], kTemplatePresets[i].officeTemplate);
  }
  EXPECT_STREQ("N KSM", kDefaultAddressTemplate);
  EXPECT_STREQ("N KSM G", kDefaultOfficeTemplate);
}

TEST(AddressTemplate, LettersAreCaseSensitiveAndRepeatable) {
  const AddressRecord row = SampleAddress();
  const DisplayFlags plain;
  struct {
    const char* templateText;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"--", "--"},
      {"NN", "10700521070052"},
      {"Gg", "Gg"},                // business letters only
      {"kKsSmM", "ﾄｳｷｮｳﾄ東京都ﾐﾅﾄｸ港区ｱｶｻｶ赤坂"},
      {"〒", "〒"},
      // Scanned by characters: 市 is 0x8E 0x73 and its trail byte is not "s".
      {"S市", "港区市"},
      {"市s", "市ﾐﾅﾄｸ"},
      {"N\xE0", "1070052\xE0"},    // a lead byte without its trail is copied
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, ExpandAddressTemplate(c.templateText, row, plain)) << c.templateText;
}

TEST(OfficeTemplate, AddressLettersAreCopied) {
  const OfficeRecord row = SampleOffice();
  EXPECT_EQ("ksm", ExpandOfficeTemplate("ksm", row, Flags(true, true)));
  EXPECT_EQ("赤坂商会ｱｶｻｶｼｮｳｶｲ", ExpandOfficeTemplate("Gg", row, DisplayFlags()));
}

TEST(AddressTemplate, OldNumberHyphenDependsOnItsLength) {
  AddressRecord row = SampleAddress();
  EXPECT_EQ("107", ExpandAddressTemplate("O", row, Flags(true, false)));
  std::strcpy(row.oldNumber, "10700");
  EXPECT_EQ("107-00", ExpandAddressTemplate("O", row, Flags(true, false)));
  EXPECT_EQ("10700", ExpandAddressTemplate("O", row, Flags(false, false)));
  std::strcpy(row.oldNumber, "10");
  EXPECT_EQ("10", ExpandAddressTemplate("O", row, Flags(true, false)));
}

TEST(AddressTemplate, TheRowIsNeverChanged) {
  const AddressRecord row = SampleAddress();
  AddressRecord copy = row;
  ExpandAddressTemplate("NKkSsMmCO", copy, Flags(true, true));
  EXPECT_EQ(0, std::memcmp(&row, &copy, sizeof row));
}

TEST(OfficeTemplate, AKanaNameTooLongForHiraganaIsEmptyOnlyWhenConverted) {
  OfficeRecord row = SampleOffice();
  // 127 half-width letters make 254 bytes: shown; 128 make 256: not.
  const std::string fits(127, '\xB1');  // ｱ
  std::strcpy(row.nameKana, fits.c_str());
  EXPECT_EQ(254u, ExpandOfficeTemplate("g", row, Flags(false, true)).size());
  const std::string tooLong(128, '\xB1');
  std::strcpy(row.nameKana, tooLong.c_str());
  EXPECT_EQ("()", ExpandOfficeTemplate("(g)", row, Flags(false, true)));
  EXPECT_EQ("(" + tooLong + ")", ExpandOfficeTemplate("(g)", row, Flags(false, false)));
}

TEST(AddressTemplate, ResultIsCutTo999BytesAtACharacterBoundary) {
  AddressRecord row = SampleAddress();
  std::strcpy(row.townKana, std::string(99, '\xB1').c_str());  // 198 bytes as hiragana
  const std::string whole = ExpandAddressTemplate("m", row, Flags(false, true));
  ASSERT_EQ(198u, whole.size());
  // Six of them would be 1,188 bytes; byte 999 would split a character.
  std::string text = ExpandAddressTemplate("mmmmmm", row, Flags(false, true));
  EXPECT_EQ(998u, text.size());
  EXPECT_EQ((whole + whole + whole + whole + whole + whole).substr(0, 998), text);
  text = ExpandAddressTemplate("Xmmmmmm", row, Flags(false, true));
  EXPECT_EQ(999u, text.size());
  text = ExpandAddressTemplate(std::string(2000, '-'), row, Flags(false, true));
  EXPECT_EQ(std::string(999, '-'), text);
}

TEST(PostalHyphen, GoesAfterTheThirdByte) {
  struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"1070052", "107-0052"}, {"10700", "107-00"}, {"107", "107"}, {"10", "10"},
      {"", ""},                {"1070", "107-0"},   {"107  ", "107-  "},
  };
  for (const auto& c : cases) {
    std::string text = c.in;
    InsertPostalHyphen(text);
    EXPECT_EQ(c.out, text) << c.in;
  }
}
