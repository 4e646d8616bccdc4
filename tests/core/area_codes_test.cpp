// The area-code table: parsing, matching, the shipped file, the query tool.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "datafiles/area_codes.h"
#include "tests/core/test_support.h"

using namespace datafiles;
using Places = std::vector<std::string>;

namespace {

const char kThreePlaces[] =
    "0123,北海道,千歳市\n"
    "011,北海道,札幌市\n"
    "0123,北海道,恵庭市\n"
    "0123,北海道,夕張郡長沼町\n";

std::string ShippedTable() {
  return testing_support::ReadFile(std::string(KURANTO_SOURCE_DIR) + "/data/telnum.dat");
}

}  // namespace

TEST(AreaPlaces, ListsEveryPlaceOfACodeInFileOrder) {
  EXPECT_EQ((Places{"北海道 千歳市", "北海道 恵庭市", "北海道 夕張郡長沼町"}), AreaPlacesForBytes(kThreePlaces, "0123"));
  EXPECT_EQ((Places{"北海道 札幌市"}), AreaPlacesForBytes(kThreePlaces, "011"));
}

TEST(AreaPlaces, MatchesOnlyTheWholeCodeAsTyped) {
  const std::string table = std::string(kThreePlaces) + "abc,東京都,港区\n01234567,東京都,北区\n";
  const char* misses[] = {"0123 ", " 0123", "012", "01234", "", "ABC", "012345678", "0123456789"};
  for (const char* typed : misses) EXPECT_TRUE(AreaPlacesForBytes(table, typed).empty()) << '"' << typed << '"';
  EXPECT_EQ((Places{"東京都 港区"}), AreaPlacesForBytes(table, "abc"));
  EXPECT_EQ((Places{"東京都 北区"}), AreaPlacesForBytes(table, "01234567"));
  EXPECT_TRUE(AreaPlacesForBytes(table, std::string("011\0", 4)).empty());
}

TEST(AreaPlaces, OnlyTheFirstTwoCommasSplitTheLine) {
  EXPECT_EQ((Places{"東京都 港区,赤坂,"}), AreaPlacesForBytes("03,東京都,港区,赤坂,\n", "03"));
  EXPECT_EQ((Places{"東京都 "}), AreaPlacesForBytes("03,東京都,\n", "03"));
}

TEST(AreaPlaces, SkipsLinesWithFewerThanTwoCommas) {
  const std::string table = "03\n03,東京都\n\n,\n03,東京都,港区\n,,\n";
  EXPECT_EQ((Places{"東京都 港区"}), AreaPlacesForBytes(table, "03"));
  EXPECT_EQ((Places{" "}), AreaPlacesForBytes(table, "")) << "the empty code of \",,\"";
}

TEST(AreaPlaces, LineEndsOfEitherKindAndAMissingLastOne) {
  EXPECT_EQ((Places{"東京都 港区", "東京都 北区"}), AreaPlacesForBytes("03,東京都,港区\r\n03,東京都,北区", "03"));
  EXPECT_EQ((Places{"東京都 北区"}), AreaPlacesForBytes("03,東京都,北区\r", "03"));
}

TEST(AreaCodeLine, CutsLongFieldsAtCharacterBoundaries) {
  struct Case {
    std::string line;
    const char* code;
    const char* prefecture;
    const char* city;
  };
  const std::string longCity(40, 'x');
  const Case cases[] = {
      {"123456789,東京都,港区", "12345678", "東京都", "港区"},
      {"03,神奈川県県,港区", "03", "神奈川県", "港区"},
      {"03,a神奈川県,港区", "03", "a神奈川", "港区"},
      {"03,東京都," + longCity, "03", "東京都", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
      {"03,東京都,あいうえおかきくけこさしすせそたちつ", "03", "東京都", "あいうえおかきくけこさしすせそた"},
      {"03,東京都,xあいうえおかきくけこさしすせそたち", "03", "東京都", "xあいうえおかきくけこさしすせそた"},
  };
  for (const Case& c : cases) {
    AreaCodeEntry entry;
    ASSERT_TRUE(ParseAreaCodeLine(c.line.data(), c.line.size(), entry)) << c.line;
    EXPECT_STREQ(c.code, entry.areaCode) << c.line;
    EXPECT_STREQ(c.prefecture, entry.prefecture) << c.line;
    EXPECT_STREQ(c.city, entry.city) << c.line;
  }
}

TEST(AreaCodeLine, BytesBeyondTheLineLimitBelongToNoEntry) {
  // 255 bytes of area code with no comma: the commas after it do not count.
  const std::string line = std::string(kAreaLineBytes, '1') + ",東京都,港区";
  AreaCodeEntry entry;
  EXPECT_FALSE(ParseAreaCodeLine(line.data(), line.size(), entry));
  EXPECT_TRUE(ParseAreaCodes(line + "\n03,東京都,北区\n").size() == 1);
}

TEST(AreaPlaces, AMissingFileGivesNoPlaces) {
  testing_support::TempDir dir;
  EXPECT_TRUE(AreaPlacesFor(dir.File("telnum.dat"), "03").empty());
  testing_support::WriteFile(dir.File("telnum.dat"), kThreePlaces);
  EXPECT_EQ(3u, AreaPlacesFor(dir.File("telnum.dat"), "0123").size());
}

TEST(ShippedAreaCodes, EveryLineIsAWellFormedUniqueEntry) {
  const std::string bytes = ShippedTable();
  ASSERT_FALSE(bytes.empty()) << "data/telnum.dat is missing";
  EXPECT_EQ(std::string::npos, bytes.find('\r')) << "LF line ends";
  ASSERT_EQ('\n', bytes.back());
  const std::set<std::string> prefectures = {
      "北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県", "福島県", "茨城県", "栃木県", "群馬県",
      "埼玉県", "千葉県", "東京都", "神奈川県", "新潟県", "富山県", "石川県", "福井県", "山梨県", "長野県",
      "岐阜県", "静岡県", "愛知県", "三重県", "滋賀県", "京都府", "大阪府", "兵庫県", "奈良県", "和歌山県",
      "鳥取県", "島根県", "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県", "高知県", "福岡県",
      "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県"};
  std::istringstream lines(bytes);
  std::string line;
  std::set<std::string> seen, prefecturesUsed, codes;
  std::string lastCode;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    AreaCodeEntry entry;
    ASSERT_TRUE(ParseAreaCodeLine(line.data(), line.size(), entry)) << count;
    // Nothing was cut: the fields put back together give the line.
    EXPECT_EQ(line, std::string(entry.areaCode) + "," + entry.prefecture + "," + entry.city) << count;
    EXPECT_EQ(std::string::npos, std::string(entry.city).find(',')) << count;
    EXPECT_GE(std::strlen(entry.areaCode), 2u) << count;
    EXPECT_EQ('0', entry.areaCode[0]) << count;
    EXPECT_EQ(1u, prefectures.count(entry.prefecture)) << count;
    EXPECT_GT(std::strlen(entry.city), 0u) << count;
    EXPECT_TRUE(seen.insert(line).second) << "listed twice, line " << count;
    prefecturesUsed.insert(entry.prefecture);
    // Codes in byte order keep the lines of one code together.
    EXPECT_LE(lastCode, entry.areaCode) << count;
    lastCode = entry.areaCode;
    codes.insert(lastCode);
  }
  EXPECT_EQ(prefectures, prefecturesUsed) << "every prefecture has its area codes";
  EXPECT_EQ(387u, codes.size()) << "every geographic area code";
  EXPECT_EQ(static_cast<size_t>(count), ParseAreaCodes(bytes).size());
}

TEST(ShippedAreaCodes, EveryCityBeginsACityOfTheAddressFile) {
  const std::string kenAll = testing_support::SharedDataFile("KEN_ALL.CSV");
  if (kenAll.empty()) GTEST_SKIP() << "KEN_ALL.CSV is not in the shared data folder";
  std::set<std::pair<std::string, std::string>> cities;  // (prefecture, city)
  std::ifstream in(kenAll, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    // Columns 7 and 8 ("prefecture","city"); neither holds a comma.
    std::vector<std::string> columns;
    std::stringstream split(line);
    std::string column;
    while (columns.size() < 8 && std::getline(split, column, ',')) columns.push_back(column);
    if (columns.size() < 8) continue;
    auto unquote = [](const std::string& s) { return s.size() >= 2 ? s.substr(1, s.size() - 2) : s; };
    cities.emplace(unquote(columns[6]), unquote(columns[7]));
  }
  ASSERT_FALSE(cities.empty());
  int unknown = 0;
  for (const AreaCodeEntry& entry : ParseAreaCodes(ShippedTable())) {
    const std::string prefecture = entry.prefecture, city = entry.city;
    auto it = cities.lower_bound({prefecture, city});
    const bool begins = it != cities.end() && it->first == prefecture && it->second.compare(0, city.size(), city) == 0;
    if (!begins) ++unknown;
    EXPECT_TRUE(begins) << entry.areaCode << " " << prefecture << " " << city;
  }
  EXPECT_EQ(0, unknown);
}

TEST(QueryToolAreas, ListsThePlacesOfACodeInTheTablesOrder) {
  const std::string shipped = ShippedTable();
  ASSERT_FALSE(shipped.empty());
  testing_support::TempDir dir;
  testing_support::WriteFile(dir.File("telnum.dat"), shipped);
  // The 23 wards, then the cities that dial 03 in part, by municipality code.
  std::string tokyo;
  for (const char* city : {u8"千代田区", u8"中央区", u8"港区",   u8"新宿区", u8"文京区",   u8"台東区", u8"墨田区", u8"江東区",
                           u8"品川区",   u8"目黒区", u8"大田区", u8"世田谷区", u8"渋谷区", u8"中野区", u8"杉並区", u8"豊島区",
                           u8"北区",     u8"荒川区", u8"板橋区", u8"練馬区", u8"足立区",   u8"葛飾区", u8"江戸川区",
                           u8"三鷹市",   u8"調布市", u8"狛江市"})
    tokyo += std::string(u8"東京都 ") + city + "\n";
  const std::pair<const char*, std::string> cases[] = {
      {"03", tokyo},
      // 夕張市 is in two compartments of 0123 but listed once.
      {"0123", u8"北海道 夕張市\n北海道 千歳市\n北海道 恵庭市\n北海道 夕張郡由仁町\n北海道 夕張郡長沼町\n北海道 夕張郡栗山町\n"},
      {"01267", u8"北海道 岩見沢市\n北海道 三笠市\n"},
  };
  for (const auto& [code, places] : cases) {
    auto r = testing_support::RunQueryTool({"--dir", dir.path(), "--utf8", "areas", code});
    ASSERT_EQ(0, r.exitCode) << r.err;
    EXPECT_EQ(places, r.out) << code;
  }

  auto r = testing_support::RunQueryTool({"--dir", dir.path(), "areas", "03 "});
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ("", r.out);
  r = testing_support::RunQueryTool({"--dir", dir.path(), "areas"});
  EXPECT_EQ(64, r.exitCode);

  testing_support::TempDir empty;
  r = testing_support::RunQueryTool({"--dir", empty.path(), "areas", "03"});
  EXPECT_EQ(1, r.exitCode);
  EXPECT_EQ("", r.out);
}
