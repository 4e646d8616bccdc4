// The address searches and builds over Japan Post's real KEN_ALL.CSV,
// checked against a plain scan written independently here.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "postal/address_search.h"
#include "tests/common/csv_lines.h"
#include "tests/core/test_support.h"

using namespace postal;

namespace {

using testing_support::ToUtf8;
using testing_support::FromUtf8;

std::string NoBlanks(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
  return s;
}

// One line's columns, quotes stripped, in UTF-8.
struct Line {
  std::vector<std::string> cols;
};

class RealAddressData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string source = testing_support::SharedDataFile("KEN_ALL.CSV");
    if (source.empty()) return;
    dir_ = new testing_support::TempDir;
    path_ = dir_->File("Ken_all.csv");
    testing_support::CopyFile(source, path_);
    const std::string utf8 = ToUtf8(testing_support::ReadFile(path_));
    lines_ = new std::vector<Line>;
    for (const std::string& text : test_lines::SplitCrLfLines(utf8)) {
      Line line;
      line.cols = test_lines::SplitColumns(text);
      lines_->push_back(line);
    }
    const datafiles::BuildProgress none;
    prefectureFile_ = datafiles::BuildPrefectureRanges(path_, none);
    cityList_ = datafiles::BuildCityList(path_, none);
    numbers_ = datafiles::NumberRangeFiles(datafiles::BuildNumberRanges(path_, none));
    tables_ = IndexTables{};
    datafiles::LoadPrefectureRanges(prefectureFile_, tables_.prefectures);
    datafiles::LoadNumberRanges(numbers_.newNumbers, tables_.newNumbers);
    datafiles::LoadNumberRanges(numbers_.oldNumbers, tables_.oldNumbers);
  }
  static void TearDownTestSuite() {
    delete dir_;
    delete lines_;
    dir_ = nullptr;
    lines_ = nullptr;
  }
  void SetUp() override {
    if (lines_ == nullptr) GTEST_SKIP() << "no ../shared/data/KEN_ALL.CSV here";
  }

  // The search's rows (texts of the form in cp932) as "new number|town
  // kanji" in UTF-8.
  static std::vector<std::string> Search(const SearchForm& f) {
    AddressRows rows;
    EXPECT_EQ(nullptr, SearchAddresses(path_, tables_, f, rows));
    std::vector<std::string> found;
    for (int i = 0; i < rows.Count(); ++i) found.push_back(ToUtf8(rows.At(i)->newNumber) + "|" + ToUtf8(rows.At(i)->town));
    return found;
  }
  template <class Pred>
  static std::vector<std::string> Scan(Pred pred) {
    std::vector<std::string> found;
    for (const Line& l : *lines_) {
      if (pred(l.cols)) found.push_back(l.cols[2] + "|" + NoBlanks(l.cols[8]));
    }
    return found;
  }
  static bool Starts(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

  static testing_support::TempDir* dir_;
  static std::string path_;
  static std::vector<Line>* lines_;
  static std::string prefectureFile_, cityList_;
  static datafiles::NumberRangeFiles numbers_;
  static IndexTables tables_;
};

testing_support::TempDir* RealAddressData::dir_ = nullptr;
std::string RealAddressData::path_;
std::vector<Line>* RealAddressData::lines_ = nullptr;
std::string RealAddressData::prefectureFile_, RealAddressData::cityList_;
datafiles::NumberRangeFiles RealAddressData::numbers_;
IndexTables RealAddressData::tables_;

SearchForm Number(int kind, const std::string& text) {
  SearchForm f;
  f.mode = SearchMode::kNumber;
  f.kind = kind;
  f.number = text;
  return f;
}

}  // namespace

TEST_F(RealAddressData, IndexFilesHaveThePublishedShape) {
  ASSERT_EQ(47u * 20, prefectureFile_.size());
  EXPECT_STREQ("北海道", tables_.prefectures[0].name);
  EXPECT_STREQ("沖縄県", tables_.prefectures[46].name);
  EXPECT_EQ(static_cast<int32_t>(lines_->size()), tables_.prefectures[46].last);
  EXPECT_EQ(2000u, numbers_.newNumbers.size());
  EXPECT_EQ(2000u, numbers_.oldNumbers.size());
  // One city-list line per run of lines of one prefecture and city.
  size_t runs = 0;
  std::string last;
  for (const Line& l : *lines_) {
    const std::string key = l.cols[6] + l.cols[7];
    if (key != last) ++runs;
    last = key;
  }
  EXPECT_EQ(runs, static_cast<size_t>(std::count(cityList_.begin(), cityList_.end(), '\n')));
  EXPECT_EQ(0u, cityList_.find("北海道札幌市中央区\n"));
}

TEST_F(RealAddressData, NumberSearchesFindWhatAScanFinds) {
  struct Case {
    int kind;
    const char* text;
    int column;  // 0-based column the text begins
  } cases[] = {{kNewNumber, "1070052", 2}, {kNewNumber, "107", 2}, {kNewNumber, "06", 2}, {kNewNumber, "9071", 2},
               {kOldNumber, "107", 1},     {kOldNumber, "060", 1}, {kOldNumber, "90", 1}, {kCityCode, "13103", 0},
               {kCityCode, "01", 0},       {kCityCode, "47", 0}};
  for (const Case& c : cases) {
    const std::string text = c.text;
    const auto expected = Scan([&](const std::vector<std::string>& cols) { return Starts(cols[c.column], text); });
    ASSERT_FALSE(expected.empty()) << text;
    EXPECT_EQ(expected, Search(Number(c.kind, text))) << c.kind << " " << text;
  }
  EXPECT_EQ(Scan([](const std::vector<std::string>& cols) { return cols[2] == "1070052"; }),
            Search(Number(kNewNumber, "107-0052")));
}

TEST_F(RealAddressData, EveryPrefectureByLocationAndByAreaPlace) {
  std::vector<std::string> prefectures;
  for (const Line& l : *lines_) {
    if (prefectures.empty() || prefectures.back() != l.cols[6]) prefectures.push_back(l.cols[6]);
  }
  ASSERT_EQ(47u, prefectures.size());
  for (const std::string& pref : prefectures) {
    SearchForm f;
    f.mode = SearchMode::kLocation;
    f.prefecture = FromUtf8(pref);
    const auto expected = Scan([&](const std::vector<std::string>& cols) { return cols[6] == pref; });
    EXPECT_EQ(expected, Search(f)) << pref;
  }
  SearchForm place;
  place.mode = SearchMode::kLocation;
  place.prefecture = "東京都";
  place.city = "港区";
  place.town = "坂";
  EXPECT_EQ(Scan([](const std::vector<std::string>& c) {
              return c[6] == ToUtf8("東京都") && Starts(c[7], ToUtf8("港区")) &&
                     NoBlanks(c[8]).find(ToUtf8("坂")) != std::string::npos;
            }),
            Search(place));
  SearchForm area = Number(kAreaCode, "");
  area.areaPlace = "北海道 札幌市";
  EXPECT_EQ(Scan([](const std::vector<std::string>& c) { return c[6] == ToUtf8("北海道") && Starts(c[7], ToUtf8("札幌市")); }),
            Search(area));
}

TEST_F(RealAddressData, FuzzySearchFindsWhatAScanFinds) {
  for (const char* text : {"赤坂", "ｱｶｻｶ", "一円", "（次のビルを除く）", "ｼﾝｼﾞｭｸ", "ヶ"}) {
    const std::string t = ToUtf8(text);
    const auto expected = Scan([&](const std::vector<std::string>& c) {
      for (int col : {7, 8, 4, 5}) {
        if (c[col].find(t) != std::string::npos) return true;
      }
      return false;
    });
    ASSERT_FALSE(expected.empty()) << t;
    SearchForm f;
    f.mode = SearchMode::kFuzzy;
    f.fuzzy = text;
    EXPECT_EQ(expected, Search(f)) << t;
  }
}
