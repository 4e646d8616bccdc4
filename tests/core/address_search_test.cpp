#include <gtest/gtest.h>

#include "postal/texts.h"
#include "tests/core/address_fixture.h"

using namespace postal;
using testing_support::AddressFixture;
using testing_support::NumberForm;
using Rows = std::vector<std::string>;

TEST(AddressNumberSearch, FindsByNewNumberPrefix) {
  AddressFixture data;
  struct Case {
    const char* text;
    Rows rows;
  } cases[] = {
      {"107-0052", {"1070052 赤坂"}},
      {"1070052", {"1070052 赤坂"}},
      {"107", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1079999 赤坂台"}},
      {"10", {"1000001 千代田", "1070052 赤坂", "1076090 赤坂アークヒルズ", "1050011 芝公園", "1079999 赤坂台"}},
      {"1-07", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1079999 赤坂台"}},
      {"9999999", {}},
      // After the length check "1-" becomes "1": no key has it, nothing is read.
      {"1-", {}},
      {"ab", {}},
      {"--", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rows, data.Find(NumberForm(kNewNumber, c.text))) << c.text;
}

TEST(AddressNumberSearch, OldNumbersMatchTheFilesBlankPaddedForm) {
  AddressFixture data;
  struct Case {
    const char* text;
    Rows rows;
  } cases[] = {
      {"107", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1079999 赤坂台"}},
      {"10799", {"1079999 赤坂台"}},
      {"10700", {}},
      {"060", {"0600000 以下に掲載がない場合"}},
      // Only seven bytes of the box count: "107-99xx" is read as "107-99x".
      {"107-99xx", {}},
      {"107-99", {"1079999 赤坂台"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rows, data.Find(NumberForm(kOldNumber, c.text))) << c.text;
}

TEST(AddressNumberSearch, RefusesShortInputWithTheProgramsMessages) {
  AddressFixture data;
  struct Case {
    int kind;
    const char* text;
    const char* message;
  } cases[] = {
      {kNewNumber, "1", kNeedTwoCharacters}, {kNewNumber, "", kNeedTwoCharacters},
      {kOldNumber, "1", kNeedTwoCharacters}, {kCityCode, "1", kNeedInput},
      {kCityCode, "", kNeedInput},
  };
  for (const Case& c : cases) {
    std::string refusal;
    EXPECT_EQ(Rows{}, data.Find(NumberForm(c.kind, c.text), &refusal));
    EXPECT_EQ(c.message, refusal) << c.kind << " " << c.text;
  }
  SearchForm area = NumberForm(kAreaCode, "03");
  std::string refusal;
  data.Find(area, &refusal);
  EXPECT_EQ(kNeedInput, refusal) << "an empty area place is refused";
}

TEST(AddressNumberSearch, CityCodesKeepTheirHyphens) {
  AddressFixture data;
  EXPECT_EQ(6u, data.Find(NumberForm(kCityCode, "13")).size());
  EXPECT_EQ((Rows{"1070052 赤坂", "1076090 赤坂アークヒルズ", "1050011 芝公園"}), data.Find(NumberForm(kCityCode, "13103")));
  EXPECT_EQ(Rows{}, data.Find(NumberForm(kCityCode, "13-1")));
  EXPECT_EQ(Rows{}, data.Find(NumberForm(kCityCode, "131030")));
}

TEST(AddressAreaSearch, FindsTheTownsOfAPlace) {
  AddressFixture data;
  struct Case {
    const char* place;
    Rows rows;
  } cases[] = {
      {"東京都 港区", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1050011 芝公園"}},
      {"東京都 ", {"1000001 千代田", "1070052 赤坂", "1076090 赤坂アークヒルズ", "1050011 芝公園", "1510051 千駄ヶ谷",
                   "1880001 谷戸町"}},
      {"北海道 札幌市", {"0600000 以下に掲載がない場合", "0640941 旭ケ丘"}},
      {"神奈川県 横浜市", {"2200012 みなとみらい", "1079999 赤坂台"}},
      {"大阪府 大阪市", {}},
      {"東京都 大阪市", {}},
      // Without the blank the text names the prefecture alone.
      {"東京都", {"1000001 千代田", "1070052 赤坂", "1076090 赤坂アークヒルズ", "1050011 芝公園", "1510051 千駄ヶ谷",
                 "1880001 谷戸町"}},
  };
  for (const Case& c : cases) {
    SearchForm f = NumberForm(kAreaCode, "");
    f.areaPlace = c.place;
    EXPECT_EQ(c.rows, data.Find(f)) << c.place;
  }
}

TEST(AddressLocationSearch, MatchesPrefectureCityPrefixAndTownContainment) {
  AddressFixture data;
  struct Case {
    const char* prefecture;
    const char* city;
    const char* town;
    Rows rows;
  } cases[] = {
      {"東京都", "港区", "", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1050011 芝公園"}},
      {"東京都", "港", "坂", {"1070052 赤坂", "1076090 赤坂アークヒルズ"}},
      {"東京都", "区", "", {}},
      {"東京都", "", "千", {"1000001 千代田", "1510051 千駄ヶ谷"}},
      {"北海道", "", "", {"0600000 以下に掲載がない場合", "0640941 旭ケ丘", "0400000 以下に掲載がない場合"}},
      {"", "", "", {}},
      {"大阪府", "", "", {}},
      // Only the first two characters of the prefecture are compared.
      {"東京", "港区", "芝", {"1050011 芝公園"}},
  };
  for (const Case& c : cases) {
    SearchForm f;
    f.mode = SearchMode::kLocation;
    f.prefecture = c.prefecture;
    f.city = c.city;
    f.town = c.town;
    EXPECT_EQ(c.rows, data.Find(f)) << c.prefecture << "|" << c.city << "|" << c.town;
  }
}

TEST(AddressFuzzySearch, FindsCityAndTownTextAsTyped) {
  AddressFixture data;
  struct Case {
    const char* text;
    Rows rows;
  } cases[] = {
      {"赤坂", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1079999 赤坂台"}},
      {"ｱｶｻｶ", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1079999 赤坂台"}},
      {"あかさか", {}},
      {"アカサカ", {}},
      {"東京都", {}},
      {"ﾐﾅﾄ", {"1070052 赤坂", "1076090 赤坂アークヒルズ", "1050011 芝公園", "2200012 みなとみらい"}},
      {"札幌市", {"0600000 以下に掲載がない場合", "0640941 旭ケ丘"}},
  };
  for (const Case& c : cases) {
    SearchForm f;
    f.mode = SearchMode::kFuzzy;
    f.fuzzy = c.text;
    EXPECT_EQ(c.rows, data.Find(f)) << c.text;
  }
  SearchForm empty;
  empty.mode = SearchMode::kFuzzy;
  std::string refusal;
  EXPECT_EQ(Rows{}, data.Find(empty, &refusal));
  EXPECT_EQ(kNeedInput, refusal);
}

TEST(AddressSearch, MissingFileOrZeroTablesFindNothingSilently) {
  AddressFixture data;
  postal::IndexTables zero = {};
  postal::AddressRows rows;
  const SearchForm forms[] = {NumberForm(kNewNumber, "107"), NumberForm(kCityCode, "13"),
                              NumberForm(kOldNumber, "107")};
  for (const SearchForm& f : forms) {
    EXPECT_EQ(nullptr, SearchAddresses(data.dir().File("absent.csv"), data.tables(), f, rows));
    EXPECT_EQ(nullptr, SearchAddresses(data.path(), zero, f.kind == kCityCode ? NumberForm(kNewNumber, "99") : f, rows));
  }
  SearchForm place;
  place.mode = SearchMode::kLocation;
  place.prefecture = "東京都";
  EXPECT_EQ(nullptr, SearchAddresses(data.path(), zero, place, rows));
  EXPECT_EQ(0, rows.Count());
  SearchForm none;
  EXPECT_EQ(nullptr, SearchAddresses(data.path(), data.tables(), none, rows));
  EXPECT_EQ(0, rows.Count());
}

TEST(AddressSearch, ShortAndOverlongLinesNeverMatch) {
  std::vector<std::string> lines = testing_support::SampleAddressLines();
  lines.insert(lines.begin() + 4, "13103,\"107\",\"1070052\"");                    // short
  lines.insert(lines.begin() + 4, std::string(300, 'x') + ",\"1070052\"" + "赤坂");  // pieces
  AddressFixture data(lines);
  EXPECT_EQ((Rows{"1070052 赤坂"}), data.Find(NumberForm(kNewNumber, "1070052")));
  SearchForm f;
  f.mode = SearchMode::kFuzzy;
  f.fuzzy = "赤坂";
  EXPECT_EQ(3u, data.Find(f).size());
}
