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

inline std::vector<std::string> SampleAddressLines() { return test_lines::SampleAddressLines(true); }

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
