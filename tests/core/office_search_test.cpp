#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "postal/office_search.h"
#include "postal/texts.h"
#include "tests/core/test_support.h"

using namespace postal;
using Rows = std::vector<std::string>;

namespace {

std::string OfficeLine(const std::string& code, const std::string& kana, const std::string& name,
                       const std::string& pref, const std::string& city, const std::string& town,
                       const std::string& block, const std::string& number, const std::string& oldNumber) {
  return code + ",\"" + kana + "\",\"" + name + "\",\"" + pref + "\",\"" + city + "\",\"" + town + "\",\"" + block +
         "\",\"" + number + "\",\"" + oldNumber + "\",\"港\",0,0,0";
}

std::vector<std::string> SampleOfficeLines() {
  return {
      OfficeLine("01101", "ﾎｯｶｲﾄﾞｳﾁｮｳ", "北海道庁", "北海道", "札幌市中央区", "北三条西", "６丁目", "0608588", "060  "),
      OfficeLine("13103", "ｱｶｻｶｼｮｳｶｲ", "赤坂商会", "東京都", "港区", "赤坂", "１丁目１番", "1078799", "107  "),
      OfficeLine("13103", "(ｶﾌﾞ) ﾆﾎﾝ", "日本株式会社", "東京都", "港区", "赤坂", "", "1078501", "107  "),
      OfficeLine("13101", "ｷﾖｲｼｮｳｼﾞ", "紀尾井商事", "東京都", "千代田区", "", "紀尾井町１", "1028001", "102  "),
      OfficeLine("13113", "ｼﾌﾞﾔｾﾝﾀｰ", "渋谷センター", "東京都", "渋谷区", "道玄坂", "２－１", "1508010", "15080"),
      OfficeLine("14103", "ﾖｺﾊﾏｱｶｻｶ", "横浜赤坂", "神奈川県", "横浜市西区", "みなとみらい", "１", "2208501", "220  "),
  };
}

class OfficeFile {
 public:
  explicit OfficeFile(const std::vector<std::string>& lines = SampleOfficeLines()) {
    path_ = dir_.File("Jigyosyo.csv");
    testing_support::WriteFile(path_, testing_support::CrLfLines(lines));
  }
  // "NUMBER NAME" of each row found.
  Rows Find(const SearchForm& form, const char** refusal = nullptr) const {
    OfficeRows rows;
    const char* message = SearchOffices(path_, form, rows);
    if (refusal != nullptr) *refusal = message;
    Rows found;
    for (int i = 0; i < rows.Count(); ++i) found.push_back(std::string(rows.At(i)->number) + " " + rows.At(i)->name);
    return found;
  }
  const std::string& path() const { return path_; }

 private:
  testing_support::TempDir dir_;
  std::string path_;
};

SearchForm Number(int kind, const std::string& text) {
  SearchForm form;
  form.mode = SearchMode::kNumber;
  form.kind = kind;
  form.number = text;
  return form;
}

SearchForm Place(const std::string& pref, const std::string& city, const std::string& town) {
  SearchForm form;
  form.mode = SearchMode::kLocation;
  form.prefecture = pref;
  form.city = city;
  form.town = town;
  return form;
}

SearchForm Fuzzy(const std::string& text) {
  SearchForm form;
  form.mode = SearchMode::kFuzzy;
  form.fuzzy = text;
  return form;
}

SearchForm Area(const std::string& place) {
  SearchForm form;
  form.mode = SearchMode::kNumber;
  form.kind = kAreaCode;
  form.areaPlace = place;
  return form;
}

}  // namespace

TEST(OfficeNumberSearch, EveryKindMatchesItsSlotsPrefix) {
  OfficeFile data;
  struct Case {
    int kind;
    const char* text;
    Rows rows;
  } cases[] = {
      {kNewNumber, "1078799", {"1078799 赤坂商会"}},
      {kNewNumber, "107-8799", {"1078799 赤坂商会"}},
      {kNewNumber, "1", {"1078799 赤坂商会", "1078501 日本株式会社", "1028001 紀尾井商事", "1508010 渋谷センター"}},
      {kNewNumber, "9", {}},
      // The old number keeps the file's blanks: "107" begins "107  ".
      {kOldNumber, "107", {"1078799 赤坂商会", "1078501 日本株式会社"}},
      {kOldNumber, "107  ", {"1078799 赤坂商会", "1078501 日本株式会社"}},
      {kOldNumber, "15080", {"1508010 渋谷センター"}},
      {kOldNumber, "10700", {}},
      {kCityCode, "13103", {"1078799 赤坂商会", "1078501 日本株式会社"}},
      {kCityCode, "13-1", {"1078799 赤坂商会", "1078501 日本株式会社", "1028001 紀尾井商事", "1508010 渋谷センター"}},
      {kCityCode, "131030", {}},
      // Hyphens go before the compare, so "-" alone begins everything.
      {kCityCode, "-", {"0608588 北海道庁", "1078799 赤坂商会", "1078501 日本株式会社", "1028001 紀尾井商事",
                        "1508010 渋谷センター", "2208501 横浜赤坂"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rows, data.Find(Number(c.kind, c.text))) << c.kind << " " << c.text;
}

TEST(OfficeNumberSearch, RefusesOnlyEmptyTexts) {
  OfficeFile data;
  for (int kind : {kOldNumber, kNewNumber, kCityCode}) {
    const char* refusal = nullptr;
    EXPECT_EQ(Rows{}, data.Find(Number(kind, ""), &refusal));
    EXPECT_STREQ(kNeedInput, refusal) << kind;
    data.Find(Number(kind, "1"), &refusal);
    EXPECT_EQ(nullptr, refusal) << "one character is enough, kind " << kind;
  }
  const char* refusal = nullptr;
  data.Find(Area(""), &refusal);
  EXPECT_STREQ(kNeedInput, refusal);
  data.Find(Fuzzy(""), &refusal);
  EXPECT_STREQ(kNeedInput, refusal);
  data.Find(Place("", "", ""), &refusal);
  EXPECT_EQ(nullptr, refusal);
}

TEST(OfficeNumberSearch, OnlyTheFirst255BytesOfATextCount) {
  OfficeFile data;
  // 255 bytes of "1078799" padding would never match; the cut keeps 255.
  EXPECT_EQ(Rows{}, data.Find(Number(kNewNumber, "1078799" + std::string(300, '9'))));
  const std::string longPlace = "東京都 " + std::string(300, 'x');
  EXPECT_EQ(Rows{}, data.Find(Area(longPlace)));
}

TEST(OfficeAreaSearch, PrefectureAndCityArePrefixes) {
  OfficeFile data;
  EXPECT_EQ((Rows{"1078799 赤坂商会", "1078501 日本株式会社"}), data.Find(Area("東京都 港区")));
  EXPECT_EQ((Rows{"1078799 赤坂商会", "1078501 日本株式会社", "1028001 紀尾井商事", "1508010 渋谷センター"}),
            data.Find(Area("東京都 ")));
  EXPECT_EQ((Rows{"1078799 赤坂商会", "1078501 日本株式会社", "1028001 紀尾井商事", "1508010 渋谷センター"}),
            data.Find(Area("東京都")));
  EXPECT_EQ(Rows{}, data.Find(Area("東京都 区")));
}

TEST(OfficeLocationSearch, ComparesThePrefectureOverTheTypedLength) {
  OfficeFile data;
  struct Case {
    const char* pref;
    const char* city;
    const char* town;
    Rows rows;
  } cases[] = {
      {"", "", "",
       {"0608588 北海道庁", "1078799 赤坂商会", "1078501 日本株式会社", "1028001 紀尾井商事", "1508010 渋谷センター",
        "2208501 横浜赤坂"}},
      {"東", "", "", {"1078799 赤坂商会", "1078501 日本株式会社", "1028001 紀尾井商事", "1508010 渋谷センター"}},
      {"神奈川県", "", "", {"2208501 横浜赤坂"}},
      {"東京都", "港", "", {"1078799 赤坂商会", "1078501 日本株式会社"}},
      {"東京都", "区", "", {}},
      // The town text is looked for in town and block together.
      {"東京都", "", "坂１丁目", {"1078799 赤坂商会"}},
      {"東京都", "", "紀尾井町", {"1028001 紀尾井商事"}},
      {"", "", "坂", {"1078799 赤坂商会", "1078501 日本株式会社", "1508010 渋谷センター"}},
      {"大阪府", "", "", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rows, data.Find(Place(c.pref, c.city, c.town))) << c.pref << c.city << c.town;
}

TEST(OfficeFuzzySearch, LooksAtTheTwoNamesOnly) {
  OfficeFile data;
  struct Case {
    const char* text;
    Rows rows;
  } cases[] = {
      // Not the offices located in a town 赤坂 without it in their name.
      {"赤坂", {"1078799 赤坂商会", "2208501 横浜赤坂"}},
      {"ｱｶｻｶ", {"1078799 赤坂商会", "2208501 横浜赤坂"}},
      {"あかさか", {}},
      {"(ｶﾌﾞ) ﾆﾎﾝ", {"1078501 日本株式会社"}},
      {"(ｶﾌﾞ)ﾆﾎﾝ", {}},
      {"港区", {}},
      {"1078799", {}},
      {"商", {"1078799 赤坂商会", "1028001 紀尾井商事"}},
      {"\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rows, data.Find(Fuzzy(c.text))) << c.text;
}

TEST(OfficeFuzzySearch, FindsCharactersOnlyAtCharacterBoundaries) {
  // 坂 is 0x8D 0xE2; "\xE2" alone would hit inside it if bytes were compared.
  OfficeFile data({OfficeLine("13103", "ｱ", "坂", "東京都", "港区", "", "", "1070001", "107  ")});
  EXPECT_EQ(Rows{}, data.Find(Fuzzy("\xE2")));
  EXPECT_EQ(Rows{"1070001 坂"}, data.Find(Fuzzy("坂")));
}

TEST(OfficeSearch, LongAndBrokenLinesNeverMatchAndNeverCrash) {
  const std::string longName(600, 'A');
  OfficeFile data({
      OfficeLine("13103", "ｱ", longName, "東京都", "港区", "", "", "1070001", "107  "),
      "13103,\"ｱ\",\"半端な行\"",
      "",
      OfficeLine("13103", "ｲ", "後の行", "東京都", "港区", "", "", "1070002", "107  "),
  });
  // The 600-byte line arrives in pieces; its first piece has too few commas.
  EXPECT_EQ(Rows{"1070002 後の行"}, data.Find(Number(kNewNumber, "107")));
  EXPECT_EQ(Rows{"1070002 後の行"}, data.Find(Fuzzy("行")));
  EXPECT_EQ(Rows{}, data.Find(Fuzzy("AAAA")));
}

TEST(OfficeSearch, MissingFileGivesNoRowsAndNoMessage) {
  testing_support::TempDir dir;
  OfficeRows rows;
  EXPECT_EQ(nullptr, SearchOffices(dir.File("Jigyosyo.csv"), Fuzzy("赤坂"), rows));
  EXPECT_EQ(nullptr, SearchOffices(dir.File("Jigyosyo.csv"), Place("", "", ""), rows));
  EXPECT_EQ(0, rows.Count());
}

TEST(OfficeSearch, OtherModesAndKindsAddNothing) {
  OfficeFile data;
  SearchForm form = Place("", "", "");
  for (int mode : {static_cast<int>(SearchMode::kNone), 4, -1}) {
    form.mode = static_cast<SearchMode>(mode);
    const char* refusal = nullptr;
    EXPECT_EQ(Rows{}, data.Find(form, &refusal));
    EXPECT_EQ(nullptr, refusal);
  }
  EXPECT_EQ(Rows{}, data.Find(Number(7, "1")));
}
