// The business-office searches over Japan Post's real JIGYOSYO.CSV, checked
// against a plain scan written independently here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "postal/office_search.h"
#include "tests/common/csv_lines.h"
#include "tests/core/test_support.h"

using namespace postal;

namespace {

using testing_support::ToUtf8;

// The first `limit` bytes of cp932 text without splitting a character.
std::string Cut(const std::string& text, size_t limit) {
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const size_t step = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
    if (i + step > limit) break;
    i += step;
  }
  return text.substr(0, i);
}

bool StartsWith(const std::string& field, const std::string& text) { return field.compare(0, text.size(), text) == 0; }

// One office as the program's record holds it, cp932, from this file's own
// splitting of the line.
struct Office {
  std::string number, name, kana, prefecture, city, town, cityCode, oldNumber;
  std::string ToolRow() const {
    return ToUtf8(number + "\t" + name + "\t" + kana + "\t" + prefecture + "\t" + city + "\t" + town + "\t" +
                  cityCode + "\t" + oldNumber) +
           "\n";
  }
};

std::string Key(const std::string& number, const std::string& name, const std::string& town) {
  return number + "|" + name + "|" + town;
}

class RealOfficeData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string source = testing_support::SharedDataFile("JIGYOSYO.CSV");
    if (source.empty()) return;
    dir_ = new testing_support::TempDir;
    path_ = dir_->File("Jigyosyo.csv");
    testing_support::CopyFile(source, path_);
    const std::string bytes = testing_support::ReadFile(path_);
    offices_ = new std::vector<Office>;
    for (const std::string& line : test_lines::SplitCrLfLines(bytes)) {
      const std::vector<std::string> cols = test_lines::SplitColumns(line);
      Office o;
      o.cityCode = cols[0];
      o.kana = Cut(cols[1], 199);
      o.name = Cut(cols[2], 199);
      o.prefecture = Cut(cols[3], 8);
      o.city = Cut(cols[4], 22);
      o.town = Cut(cols[5] + cols[6], 99);
      o.number = cols[7];
      o.oldNumber = cols[8];
      offices_->push_back(o);
    }
  }
  static void TearDownTestSuite() {
    delete offices_;
    delete dir_;
    offices_ = nullptr;
    dir_ = nullptr;
  }
  void SetUp() override {
    if (offices_ == nullptr) GTEST_SKIP() << "no JIGYOSYO.CSV in " << KURANTO_SHARED_DATA;
  }

  template <class Match>
  static std::vector<std::string> Expected(Match match) {
    std::vector<std::string> keys;
    for (const Office& o : *offices_) {
      if (match(o)) keys.push_back(Key(o.number, o.name, o.town));
    }
    return keys;
  }
  static std::vector<std::string> Found(const SearchForm& form) {
    OfficeRows rows;
    EXPECT_EQ(nullptr, SearchOffices(path_, form, rows));
    std::vector<std::string> keys;
    for (int i = 0; i < rows.Count(); ++i) keys.push_back(Key(rows.At(i)->number, rows.At(i)->name, rows.At(i)->town));
    return keys;
  }
  static bool Contains(const std::string& hay, const std::string& needle) {
    return ToUtf8(hay).find(ToUtf8(needle)) != std::string::npos;
  }

  static testing_support::TempDir* dir_;
  static std::string path_;
  static std::vector<Office>* offices_;
};

testing_support::TempDir* RealOfficeData::dir_ = nullptr;
std::string RealOfficeData::path_;
std::vector<Office>* RealOfficeData::offices_ = nullptr;

}  // namespace

TEST_F(RealOfficeData, EveryLineIsAnOffice) {
  EXPECT_EQ(22420u, offices_->size());
  SearchForm form;
  form.mode = SearchMode::kLocation;
  EXPECT_EQ(Expected([](const Office&) { return true; }), Found(form));
}

TEST_F(RealOfficeData, NumberSearchesMatchAPlainScan) {
  struct Case {
    int kind;
    const char* text;
    const char* plain;  // the text without hyphens
  } cases[] = {
      {kNewNumber, "1", "1"},         {kNewNumber, "100", "100"},     {kNewNumber, "107-8", "1078"},
      {kNewNumber, "0608621", "0608621"}, {kNewNumber, "9999", "9999"}, {kOldNumber, "107", "107"},
      {kOldNumber, "060", "060"},     {kOldNumber, "107  ", "107  "}, {kOldNumber, "90", "90"},
      {kCityCode, "13103", "13103"},  {kCityCode, "13-1", "131"},     {kCityCode, "01", "01"},
      {kCityCode, "47", "47"},
  };
  for (const Case& c : cases) {
    const std::string plain = c.plain;
    const auto expected = Expected([&](const Office& o) {
      return StartsWith(c.kind == kNewNumber ? o.number : c.kind == kOldNumber ? o.oldNumber : o.cityCode, plain);
    });
    SearchForm form;
    form.mode = SearchMode::kNumber;
    form.kind = c.kind;
    form.number = c.text;
    EXPECT_EQ(expected, Found(form)) << c.kind << " " << c.text;
    EXPECT_FALSE(expected.empty() && std::string(c.text) != "9999") << c.text;
  }
}

TEST_F(RealOfficeData, AreaAndLocationSearchesMatchAPlainScan) {
  const char* places[] = {"東京都 港区", "北海道 ", "大阪府 大阪市北区", "京都府 京都市", "沖縄県"};
  for (const char* place : places) {
    std::string pref = place, city;
    const size_t blank = pref.find(' ');
    if (blank != std::string::npos) {
      city = pref.substr(blank + 1);
      pref = pref.substr(0, blank);
    }
    const auto expected = Expected([&](const Office& o) { return StartsWith(o.prefecture, pref) && StartsWith(o.city, city); });
    SearchForm form;
    form.mode = SearchMode::kNumber;
    form.kind = kAreaCode;
    form.areaPlace = place;
    EXPECT_EQ(expected, Found(form)) << place;
    EXPECT_FALSE(expected.empty()) << place;
  }
  struct Case {
    const char* pref;
    const char* city;
    const char* town;
  } cases[] = {
      {"東京都", "千代田区", ""}, {"", "", "赤坂"}, {"神奈川県", "横浜市", "１"},
      {"東", "", "丁目"},         {"", "港区", ""},  {"大阪府", "", "梅田"},
  };
  for (const Case& c : cases) {
    const auto expected = Expected([&](const Office& o) {
      return StartsWith(o.prefecture, c.pref) && StartsWith(o.city, c.city) && Contains(o.town, c.town);
    });
    SearchForm form;
    form.mode = SearchMode::kLocation;
    form.prefecture = c.pref;
    form.city = c.city;
    form.town = c.town;
    EXPECT_EQ(expected, Found(form)) << c.pref << " " << c.city << " " << c.town;
    EXPECT_FALSE(expected.empty()) << c.pref << " " << c.city << " " << c.town;
  }
}

TEST_F(RealOfficeData, NameSearchesMatchAPlainScan) {
  const char* texts[] = {"赤坂", "株式会社", "ｶﾌﾞｼｷｶﾞｲｼﾔ", "(ｶﾌﾞ) ", "Ⅱ", "㈱", "病院", "ｱ", "郵便"};
  for (const char* text : texts) {
    const auto expected = Expected([&](const Office& o) { return Contains(o.name, text) || Contains(o.kana, text); });
    SearchForm form;
    form.mode = SearchMode::kFuzzy;
    form.fuzzy = text;
    EXPECT_EQ(expected, Found(form)) << text;
  }
}

TEST_F(RealOfficeData, QueryToolPrintsTheOfficesWhoseNameHoldsTheText) {
  const std::string akasaka = "赤坂";
  std::string expected;
  for (const Office& o : *offices_) {
    if (Contains(o.name, akasaka) || Contains(o.kana, akasaka)) expected += o.ToolRow();
  }
  ASSERT_FALSE(expected.empty());
  // Only the business file: the office command needs no address file.
  testing_support::TempDir dir;
  testing_support::CopyFile(path_, dir.File("JIGYOSYO.CSV"));
  const auto r = testing_support::RunQueryTool({"--dir", dir.path(), "--utf8", "office", "fuzzy", ToUtf8(akasaka)});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ("", r.err);
  EXPECT_EQ(expected, r.out);
}
