// Business offices found by their own code and name at their registered
// address: names as people write them, then the real JIGYOSYO.CSV.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "resolver/office_names.h"
#include "resolver/offices.h"
#include "resolver/resolver.h"
#include "tests/core/test_support.h"

namespace {

using resolver::Agreement;

TEST(OfficeNames, KeyFoldsWidthsLegalFormsAndBranchWords) {
  const struct {
    const char* name;
    const char* key;
  } cases[] = {
      {"株式会社　北洋銀行　本店", "北洋銀行"},
      {"北洋銀行（株）", "北洋銀行"},
      {"㈱北洋銀行本社", "北洋銀行"},
      {"(株) 北洋銀行", "北洋銀行"},
      {"ﾎｸﾖｳ銀行", "ほくよう銀行"},
      {"ホクヨウ　銀行", "ほくよう銀行"},
      {"ＡＢＣ　ｈｏｌｄｉｎｇｓ", "ABCHOLDINGS"},
      {"学校法人　早稲田大学", "早稲田大学"},
      {"国立大学法人東京大学本部", "東京大学"},
      {"医療法人社団　仁和会　総合病院", "仁和会総合病院"},
      {"社会福祉法人　あおば会", "あおば会"},
      {"一般財団法人　札幌市交通事業振興公社", "札幌市交通事業振興公社"},
      {"本社", "本社"},        // a branch word alone is the name
      {"株式会社", ""},        // a legal form alone names nothing
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.key, resolver::OfficeNameKey(c.name)) << testing_support::ToUtf8(c.name);
  }
}

class OfficeRealData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string towns = testing_support::SharedDataFile("KEN_ALL.CSV");
    const std::string offices = testing_support::SharedDataFile("JIGYOSYO.CSV");
    if (towns.empty() || offices.empty()) return;
    auto book = std::make_unique<resolver::AddressBook>();
    std::string error;
    if (book->Load(towns, error) && book->LoadOffices(offices, error)) book_ = std::move(book);
  }
  void SetUp() override {
    if (book_ == nullptr) GTEST_SKIP() << "no KEN_ALL.CSV and JIGYOSYO.CSV in " << KURANTO_SHARED_DATA;
  }

  static std::string AddressOf(const resolver::Office& o) {
    return std::string(o.prefecture).append(o.city).append(o.town).append(o.lot);
  }

  static std::unique_ptr<resolver::AddressBook> book_;
};
std::unique_ptr<resolver::AddressBook> OfficeRealData::book_;

TEST_F(OfficeRealData, EveryOfficeFoundByItsNameAndAddress) {
  // Offices sharing a name and an address with another cannot be told apart.
  std::map<std::pair<std::string, std::string>, int> seen;
  for (size_t i = 0; i < book_->OfficeCount(); ++i) {
    const resolver::Office o = resolver::OfficeAt(*book_, i);
    ++seen[{resolver::OfficeNameKey(o.name), AddressOf(o)}];
  }
  resolver::Resolution r;
  size_t found = 0, unique = 0, uniqueFound = 0, agrees = 0;
  for (size_t i = 0; i < book_->OfficeCount(); ++i) {
    const resolver::Office o = resolver::OfficeAt(*book_, i);
    resolver::Resolve(*book_, AddressOf(o), r);
    const size_t office = resolver::FindOffice(*book_, r, o.name);
    const bool ok = office != resolver::kNoOffice && resolver::OfficeAt(*book_, office).postalCode == o.postalCode;
    found += ok ? 1 : 0;
    if (seen[{resolver::OfficeNameKey(o.name), AddressOf(o)}] == 1) {
      ++unique;
      uniqueFound += ok ? 1 : 0;
    }
    agrees += resolver::CheckCode(*book_, r, std::string(o.postalCode)) == Agreement::kOffice ? 1 : 0;
  }
  const size_t all = book_->OfficeCount();
  std::printf("offices found by name and address: %zu of %zu (%.2f%%); of those unique: %zu of %zu (%.2f%%)\n",
              found, all, 100.0 * found / all, uniqueFound, unique, 100.0 * uniqueFound / unique);
  std::printf("own code at own address checks as an office's (kOffice): %zu of %zu (%.2f%%)\n", agrees, all, 100.0 * agrees / all);
  EXPECT_GE(uniqueFound * 1000, unique * 995);  // 99.6% reached
  EXPECT_GE(agrees * 1000, all * 999);  // 99.98% reached
}

TEST_F(OfficeRealData, AnotherTownsOfficeCodeDisagrees) {
  // Each office's address against the code of the next office of the same
  // municipality registered in another town.
  resolver::Resolution r;
  size_t tried = 0, disagree = 0;
  for (size_t i = 0; i + 1 < book_->OfficeCount(); ++i) {
    const resolver::Office o = resolver::OfficeAt(*book_, i);
    for (size_t j = i + 1; j < book_->OfficeCount(); ++j) {
      const resolver::Office other = resolver::OfficeAt(*book_, j);
      if (other.cityCode != o.cityCode) break;
      if (other.town == o.town) continue;
      resolver::Resolve(*book_, AddressOf(other), r);
      const std::vector<size_t> otherTowns = r.candidates;
      resolver::Resolve(*book_, AddressOf(o), r);
      if (otherTowns == r.candidates) continue;  // the same town written otherwise
      ++tried;
      disagree += resolver::CheckCode(*book_, r, std::string(other.postalCode)) == Agreement::kDisagrees ? 1 : 0;
      break;
    }
  }
  std::printf("another town's office code disagrees: %zu of %zu\n", disagree, tried);
  EXPECT_GT(tried, 10000u);
  EXPECT_EQ(disagree, tried);
}

TEST_F(OfficeRealData, CodesCheckAgainstTheOfficesRegisteredAddress) {
  const struct {
    const char* address;
    const char* code;
    Agreement agreement;
  } cases[] = {
      {"札幌市中央区大通西3-7", "060-8661", Agreement::kOffice},
      {"北海道札幌市中央区大通西三丁目", "〒０６０８６６１", Agreement::kOffice},  // the lot stops early
      {"札幌市中央区大通西4-7", "0608661", Agreement::kDisagrees},              // another lot
      {"札幌市中央区大通東3-7", "0608661", Agreement::kDisagrees},              // another town
      {"長崎県西海市大島町1894-5", "8572492", Agreement::kOffice},              // 大島町の次に番地がくる場合
      {"長崎県西海市大島町1894-6", "8572492", Agreement::kDisagrees},
      {"京都市中京区車屋町通御池上ル塗師屋町344", "6048580", Agreement::kOffice},
      {"京都市中京区塗師屋町344番地", "6048580", Agreement::kOffice},
      {"ほげ県ほげ市1-2", "0608661", Agreement::kUndecidable},  // no municipality
      {"札幌市中央区大通西3-7", "", Agreement::kUndecidable},
  };
  resolver::Resolution r;
  for (const auto& c : cases) {
    resolver::Resolve(*book_, c.address, r);
    EXPECT_STREQ(resolver::AgreementText(c.agreement), resolver::AgreementText(resolver::CheckCode(*book_, r, c.code)))
        << testing_support::ToUtf8(c.address);
  }
}

TEST_F(OfficeRealData, NamesAsPeopleWriteThem) {
  // Name written, address, the office's code ("" for the address alone).
  const struct {
    const char* name;
    const char* address;
    const char* code;
  } cases[] = {
      {"株式会社　北洋銀行　本店", "北海道札幌市中央区大通西3丁目7番地", "0608661"},
      {"北洋銀行", "札幌市中央区大通西3-7", "0608661"},
      {"（株）北洋銀行本店", "札幌市中央区大通西３－７", "0608661"},
      {"㈱ 北洋銀行", "札幌市中央区大通西三丁目", "0608661"},
      {"北洋銀行 株式会社", "札幌市中央区大通西3丁目7", "0608661"},
      {"伊藤組土建株式会社", "札幌市中央区北4条西4-1", "0608554"},
      {"伊藤組土建（株）", "札幌市中央区北四条西四丁目1番地", "0608554"},
      {"ｲﾄｳｸﾞﾐﾄﾞｹﾝ", "札幌市中央区北4条西4-1", ""},  // the kanji name only
      {"伊藤組土建", "札幌市中央区北4条西5-1", ""},          // another lot
      {"伊藤組土建", "札幌市中央区北5条西4-1", ""},          // another town
      {"北海道ほげ商事", "札幌市中央区北4条西4-1", ""},      // no such office
  };
  resolver::Resolution r;
  for (const auto& c : cases) {
    resolver::Resolve(*book_, c.address, r);
    const size_t office = resolver::FindOffice(*book_, r, c.name);
    const std::string code = office == resolver::kNoOffice ? "" : std::string(resolver::OfficeAt(*book_, office).postalCode);
    EXPECT_EQ(c.code, code) << testing_support::ToUtf8(c.name) << " " << testing_support::ToUtf8(c.address);
  }
}

}  // namespace
