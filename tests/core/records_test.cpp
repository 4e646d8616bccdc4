#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "postal/records.h"
#include "postal/text.h"

using namespace postal;

namespace {

const char kSampleLine[] =
    "13103,\"107  \",\"1070052\",\"ﾄｳｷｮｳﾄ\",\"ﾐﾅﾄｸ\",\"ｱｶｻｶ\",\"東京都\",\"港区\",\"赤坂\",0,0,1,0,0,0\r\n";

const char kOfficeLine[] =
    "13103,\"(ｶﾌﾞ) ﾆﾎﾝ\",\"赤坂商会\",\"東京都\",\"港区\",\"赤坂\",\"１丁目１番\",\"1078799\",\"107  \",\"赤坂\",0,0,0\r\n";

}  // namespace

TEST(ParseAddressLine, CutsTheSampleLineIntoNineSlots) {
  char line[256];
  std::strcpy(line, kSampleLine);
  AddressRecord r;
  ASSERT_TRUE(ParseAddressLine(line, r));
  const char* expected[kAddressSlotCount] = {"1070052", "東京都", "ﾄｳｷｮｳﾄ", "港区", "ﾐﾅﾄｸ",
                                             "赤坂",    "ｱｶｻｶ",  "13103",  "107"};
  for (int i = 0; i < kAddressSlotCount; ++i) EXPECT_STREQ(expected[i], AddressSlot(r, i)) << "slot " << i;
  EXPECT_EQ(nullptr, std::strchr(line, ' ')) << "the caller's line loses its blanks";
}

TEST(ParseAddressLine, KeyAndNamesKeepTheBlanks) {
  AddressRecord r;
  std::memset(&r, 0, sizeof r);
  ASSERT_TRUE(ParseAddressKey(kSampleLine, r, kOldNumber));
  EXPECT_STREQ("107  ", r.oldNumber);
  ASSERT_TRUE(ParseAddressKey(kSampleLine, r, kNewNumber));
  EXPECT_STREQ("1070052", r.newNumber);
  ASSERT_TRUE(ParseAddressKey(kSampleLine, r, kCityCode));
  EXPECT_STREQ("13103", r.cityCode);
  EXPECT_FALSE(ParseAddressKey(kSampleLine, r, kAreaCode));
  ASSERT_TRUE(ParseAddressNames(kSampleLine, r));
  EXPECT_STREQ("港区", r.city);
  EXPECT_STREQ("赤坂", r.town);
  EXPECT_STREQ("ﾐﾅﾄｸ", r.cityKana);
  EXPECT_STREQ("ｱｶｻｶ", r.townKana);
  EXPECT_STREQ("", r.prefecture) << "names leave the other slots alone";
}

TEST(ParseAddressLine, ShortLinesNeverMatchAndNeverReadPastTheLine) {
  const char* shortLines[] = {"", "13103", "13103,\"107\",\"1070052\"", "a,b,c,d,e,f,g,h", "\r\n"};
  for (const char* text : shortLines) {
    char line[256];
    std::strcpy(line, text);
    AddressRecord r;
    std::memset(&r, 'x', sizeof r);
    EXPECT_FALSE(ParseAddressLine(line, r)) << text;
    for (int i = 0; i < kAddressSlotCount; ++i) EXPECT_STREQ("", AddressSlot(r, i));
    EXPECT_FALSE(ParseAddressNames(text, r));
    EXPECT_FALSE(ParseAddressKey(text, r, kNewNumber));
  }
}

TEST(ParseAddressLine, OverlongColumnsAreCutAtACharacterBoundary) {
  // The prefecture slot holds 8 bytes: four kanji fit, the fifth is dropped whole.
  std::string town(200, 'A');
  std::string text = "13103,\"107\",\"1070052\",\"ﾄ\",\"ﾐ\",\"ｱ\",\"東京都東京\",\"港区\",\"" + town + "\",0\n";
  char line[512];
  std::strcpy(line, text.c_str());
  AddressRecord r;
  ASSERT_TRUE(ParseAddressLine(line, r));
  EXPECT_STREQ("東京都東", r.prefecture);
  EXPECT_EQ(77u, std::strlen(r.town));
  // An odd limit never splits a double-byte character.
  std::string kanjiTown;
  for (int i = 0; i < 60; ++i) kanjiTown += "坂";
  text = "13103,\"107\",\"1070052\",\"ﾄ\",\"ﾐ\",\"ｱ\",\"東京都\",\"港区\",\"" + kanjiTown + "\",0\n";
  std::strcpy(line, text.c_str());
  ASSERT_TRUE(ParseAddressLine(line, r));
  EXPECT_EQ(76u, std::strlen(r.town));
}

TEST(ParseAddressLine, ColumnsOfTwoBytesOrLessAreEmpty) {
  AddressRecord r;
  ASSERT_TRUE(ParseAddressNames("1,\"\",\"\",\"\",x,\"\",\"\",\"\",\"\",0", r));
  EXPECT_STREQ("", r.cityKana);
  EXPECT_STREQ("", r.city);
}

TEST(ParseOfficeLine, JoinsTownAndBlockAndKeepsBlanks) {
  OfficeRecord r;
  ASSERT_TRUE(ParseOfficeLine(kOfficeLine, r));
  const char* expected[kOfficeSlotCount] = {"1078799", "赤坂商会", "(ｶﾌﾞ) ﾆﾎﾝ", "東京都",
                                            "港区",    "赤坂１丁目１番", "13103", "107  "};
  for (int i = 0; i < kOfficeSlotCount; ++i) EXPECT_STREQ(expected[i], OfficeSlot(r, i)) << "slot " << i;

  struct Case {
    const char* town;
    const char* block;
    const char* expected;
  } cases[] = {{"赤坂", "", "赤坂"}, {"", "１丁目１番", "１丁目１番"}, {"", "", ""}};
  for (const Case& c : cases) {
    const std::string line = std::string("13103,\"ｱ\",\"ア\",\"東京都\",\"港区\",\"") + c.town + "\",\"" + c.block +
                             "\",\"1078799\",\"107  \",\"x\",0,0,0";
    ASSERT_TRUE(ParseOfficeLine(line.c_str(), r));
    EXPECT_STREQ(c.expected, r.town) << c.town << "|" << c.block;
  }
}

TEST(ParseOfficeLine, TownAndBlockNeverOverrunTheirSlot) {
  const std::string town(90, 'T'), block(90, 'B');
  const std::string line = "13103,\"ｱ\",\"ア\",\"東京都\",\"港区\",\"" + town + "\",\"" + block +
                           "\",\"1078799\",\"107  \",\"x\",0,0,0";
  OfficeRecord r;
  ASSERT_TRUE(ParseOfficeLine(line.c_str(), r));
  EXPECT_EQ(town + std::string(9, 'B'), r.town);
  EXPECT_STREQ("1078799", r.number);
}

TEST(TextHelpers, IsDoubleByte) {
  struct Case {
    const char* bytes;
    bool expected;
  } cases[] = {{"\x81\x40", true}, {"\x9F\xFC", true}, {"\xE0\x40", true}, {"\xFC\x80", true},
               {"\x81\x7F", false}, {"\x81\x3F", false}, {"\xA1\x40", false}, {"ab", false},
               {"\x81", false}, {"\x95\x5C", true}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, IsDoubleByte(c.bytes)) << c.bytes;
}

TEST(TextHelpers, ContainsTextAtCharacterBoundaries) {
  struct Case {
    const char* needle;
    const char* hay;
    bool expected;
  } cases[] = {
      {"", "", true},
      {"", "赤坂", true},
      {"赤坂", "赤", false},
      {"赤坂", "港区赤坂", true},
      {"坂", "赤坂", true},
      {"ｱｶｻｶ", "ｱｶｻｶ(ﾂｷﾞﾉ)", true},
      {"あかさか", "ｱｶｻｶ", false},
      // 0x8E 0x73 (市): "s" is its trail byte and must not be found.
      {"s", "市", false},
      // "\x73\x8E" starts at the second byte of 市 followed by 市's lead.
      {"\x73\x8E", "市市", false},
      {"市", "\x81\x8E\x73", false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ContainsText(c.needle, c.hay)) << c.needle << " in " << c.hay;
}

TEST(TextHelpers, RemoveCharAndWildcard) {
  char text[32] = "107-0052-";
  RemoveChar(text, text, '-');
  EXPECT_STREQ("1070052", text);
  std::string s = "1-07";
  RemoveChar(s, '-');
  EXPECT_EQ("107", s);

  struct Case {
    const char* pattern;
    const char* text;
    bool expected;
  } cases[] = {{"*-*", "107-0052", true}, {"*-*", "1070052", false}, {"*-*", "－", false},
               {"*-*", "-", true},        {"a?c", "ABC", true},        {"a?c", "ac", false},
               {"*", "", true},           {"", "", true},              {"", "x", false},
               {"*a*b", "xaxbxb", true},  {"*a*b", "xaxbxc", false},   {"a*", "A", true},
               {"**?", "", false},        {"*?*?", "ab", true}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, MatchWildcard(c.pattern, c.text)) << c.pattern << " " << c.text;
  // A run of stars before a byte the text lacks must not backtrack without end.
  EXPECT_FALSE(MatchWildcard("*****x", std::string(300, 'a').c_str()));
}

TEST(TextHelpers, SplitPathAndAppendBackslash) {
  struct SplitCase {
    const char* path;
    const char* dir;
    const char* name;
  } splits[] = {{"app.exe", "", "app.exe"},
                {"C:/a/b.exe", "C:/a", "b.exe"},
                {"\\b.exe", "", "\\b.exe"},
                {"C:\\Tools\\app.exe", "C:\\Tools", "app.exe"},
                {"C:\\表\\app.exe", "C:\\表", "app.exe"},
                {"C:\\表", "C:", "表"}};
  for (const SplitCase& c : splits) {
    std::string dir, name;
    SplitPath(c.path, dir, name);
    EXPECT_EQ(c.dir, dir) << c.path;
    EXPECT_EQ(c.name, name) << c.path;
  }
  struct AppendCase {
    const char* path;
    const char* result;
    bool appended;
  } appends[] = {{"C:\\Tools", "C:\\Tools\\", true}, {"C:\\Tools\\", "C:\\Tools\\", false},
                 {"C:\\表", "C:\\表\\", true}, {"C:\\表\\", "C:\\表\\", false}};
  for (const AppendCase& c : appends) {
    std::string path = c.path;
    EXPECT_EQ(c.appended, AppendBackslash(path)) << c.path;
    EXPECT_EQ(c.result, path);
  }
  // Lines of at most 12 bytes, broken after separators only.
  struct BreakCase {
    const char* path;
    const char* lines;
  } breaks[] = {{"C:\\a\\b.csv", "C:\\a\\b.csv"},
                {"C:\\Users\\taro\\list.csv", "C:\\Users\\\ntaro\\\nlist.csv"},
                {"C:\\表ソ表ソ表\\表.csv", "C:\\\n表ソ表ソ表\\\n表.csv"},
                {"Z:/tmp/schools_utf8bom.csv", "Z:/tmp/\nschools_utf8bom.csv"},
                {"schools_utf8bom.csv", "schools_utf8bom.csv"}};
  for (const BreakCase& c : breaks) EXPECT_EQ(c.lines, BreakPathLines(c.path, 12)) << c.path;
}

TEST(RowTable, OwnsCopiesAndRefusesBeyondItsEnd) {
  AddressRows rows;
  AddressRecord r;
  std::memset(&r, 0, sizeof r);
  std::strcpy(r.newNumber, "1070052");
  ASSERT_TRUE(rows.Add(r));
  std::strcpy(r.newNumber, "0000000");
  EXPECT_STREQ("1070052", rows.At(0)->newNumber);
  EXPECT_EQ(nullptr, rows.At(1));
  EXPECT_EQ(nullptr, rows.At(-1));
  rows.Clear();
  EXPECT_EQ(0, rows.Count());
}

TEST(RowTable, RowsKeepTheirPlaceAcrossBlocksUntilCleared) {
  OfficeRows rows;
  OfficeRecord r;
  std::memset(&r, 0, sizeof r);
  const int n = 3 * OfficeRows::kChunkRows + 1;
  const OfficeRecord* first = nullptr;
  for (int i = 0; i < n; ++i) {
    std::snprintf(r.number, sizeof r.number, "%07d", i);
    ASSERT_TRUE(rows.Add(r));
    if (i == 0) first = rows.At(0);
  }
  ASSERT_EQ(n, rows.Count());
  EXPECT_EQ(first, rows.At(0));  // adding never moves a row
  for (int i : {0, OfficeRows::kChunkRows - 1, OfficeRows::kChunkRows, 2 * OfficeRows::kChunkRows + 7, n - 1}) {
    ASSERT_NE(nullptr, rows.At(i)) << i;
    EXPECT_EQ(i, std::atoi(rows.At(i)->number)) << i;
  }
  EXPECT_EQ(nullptr, rows.At(n));
  rows.Clear();
  EXPECT_EQ(nullptr, rows.At(0));
  ASSERT_TRUE(rows.Add(r));
  EXPECT_EQ(n - 1, std::atoi(rows.At(0)->number));
}
