// A small hand-written address file with its index tables built.
#pragma once

#include <string>
#include <vector>

#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "postal/address_search.h"
#include "tests/common/address_lines.h"
#include "tests/core/test_support.h"

namespace testing_support {

using test_lines::AddressLine;

inline std::vector<std::string> SampleAddressLines() {
  return {
      AddressLine("01101", "060  ", "0600000", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "北海道", "札幌市中央区",
                  "以下に掲載がない場合"),
      AddressLine("01101", "064  ", "0640941", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｱｻﾋｶﾞｵｶ", "北海道", "札幌市中央区", "旭ケ丘"),
      AddressLine("01202", "040  ", "0400000", "ﾎｯｶｲﾄﾞｳ", "ﾊｺﾀﾞﾃｼ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "北海道", "函館市",
                  "以下に掲載がない場合"),
      AddressLine("13101", "100  ", "1000001", "ﾄｳｷｮｳﾄ", "ﾁﾖﾀﾞｸ", "ﾁﾖﾀﾞ", "東京都", "千代田区", "千代田"),
      AddressLine("13103", "107  ", "1070052", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶ", "東京都", "港区", "赤坂"),
      AddressLine("13103", "107  ", "1076090", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶｱｰｸﾋﾙｽﾞ", "東京都", "港区",
                  "赤坂アークヒルズ"),
      AddressLine("13103", "105  ", "1050011", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｼﾊﾞｺｳｴﾝ", "東京都", "港区", "芝公園"),
      AddressLine("13113", "151  ", "1510051", "ﾄｳｷｮｳﾄ", "ｼﾌﾞﾔｸ", "ｾﾝﾀﾞｶﾞﾔ", "東京都", "渋谷区", "千駄ヶ谷"),
      AddressLine("13229", "18801", "1880001", "ﾄｳｷｮｳﾄ", "ﾆｼﾄｳｷｮｳｼ", "ﾔｷﾞｻﾜ", "東京都", "西東京市", "谷戸町"),
      AddressLine("14103", "220  ", "2200012", "ｶﾅｶﾞﾜｹﾝ", "ﾖｺﾊﾏｼﾆｼｸ", "ﾐﾅﾄﾐﾗｲ", "神奈川県", "横浜市西区", "みなとみらい"),
      AddressLine("14103", "10799", "1079999", "ｶﾅｶﾞﾜｹﾝ", "ﾖｺﾊﾏｼﾆｼｸ", "ｱｶｻｶ", "神奈川県", "横浜市西区", "赤坂台"),
  };
}

// The sample (or given) lines in a temporary address file, with the three
// tables loaded from the builds.
class AddressFixture {
 public:
  explicit AddressFixture(const std::vector<std::string>& lines = SampleAddressLines()) {
    path_ = dir_.File("Ken_all.csv");
    WriteFile(path_, CrLfLines(lines));
    const datafiles::BuildProgress none;
    datafiles::LoadPrefectureRanges(datafiles::BuildPrefectureRanges(path_, none), tables_.prefectures);
    const datafiles::NumberRangeFiles numbers = datafiles::BuildNumberRanges(path_, none);
    datafiles::LoadNumberRanges(numbers.newNumbers, tables_.newNumbers);
    datafiles::LoadNumberRanges(numbers.oldNumbers, tables_.oldNumbers);
  }

  // Runs the search; `refusal` receives its message or "".
  std::vector<std::string> Find(const postal::SearchForm& form, std::string* refusal = nullptr) const {
    postal::AddressRows rows;
    const char* message = postal::SearchAddresses(path_, tables_, form, rows);
    if (refusal != nullptr) *refusal = message ? message : "";
    if (message != nullptr) {
      EXPECT_EQ(0, rows.Count());
    }
    std::vector<std::string> found;
    for (int i = 0; i < rows.Count(); ++i) found.push_back(std::string(rows.At(i)->newNumber) + " " + rows.At(i)->town);
    return found;
  }

  const std::string& path() const { return path_; }
  const TempDir& dir() const { return dir_; }
  postal::IndexTables& tables() { return tables_; }

 private:
  TempDir dir_;
  std::string path_;
  postal::IndexTables tables_ = {};
};

inline postal::SearchForm NumberForm(int kind, const std::string& number) {
  postal::SearchForm f;
  f.mode = postal::SearchMode::kNumber;
  f.kind = kind;
  f.number = number;
  return f;
}

}  // namespace testing_support
