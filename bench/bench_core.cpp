// Times the searches and index builds over Japan Post's real files and
// prints each next to one plain `grep -c -F` pass over the same file.
//   kuranto-bench [DATA_DIR]      (default: ../shared/data beside the source)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "datafiles/file_access.h"
#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "postal/address_search.h"

namespace {

constexpr int kRuns = 9;

struct AddressCase {
  const char* label;
  postal::SearchForm form;
  std::string grepText;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string dataDir = argc > 1 ? argv[1] : KURANTO_SHARED_DATA;
  bench::Workspace work(dataDir);
  if (!work.ok()) {
    std::fprintf(stderr, "kuranto-bench: no KEN_ALL.CSV in %s\n", dataDir.c_str());
    return 1;
  }
  const std::string& kenAll = work.addressFile();
  std::printf("address file: %s\n", kenAll.c_str());
  std::printf("%-34s %10s %10s %8s %8s\n", "case", "median ms", "grep ms", "ratio", "rows");

  // The builds, each alone and all three together.
  const datafiles::BuildProgress none;
  std::string prefectures;
  datafiles::NumberRangeFiles numbers;
  const double city = bench::MedianMs(kRuns, [&] { datafiles::BuildCityList(kenAll, none); });
  const double pref = bench::MedianMs(kRuns, [&] { prefectures = datafiles::BuildPrefectureRanges(kenAll, none); });
  const double num = bench::MedianMs(kRuns, [&] { numbers = datafiles::BuildNumberRanges(kenAll, none); });
  const double pass = bench::GrepMs(kenAll, ",", kRuns);
  bench::PrintRow("build city list", city, pass, -1);
  bench::PrintRow("build prefecture ranges", pref, pass, -1);
  bench::PrintRow("build number ranges", num, pass, -1);
  bench::PrintRow("all three builds (target < 300 ms)", city + pref + num, pass, -1);

  postal::IndexTables tables = {};
  datafiles::LoadPrefectureRanges(prefectures, tables.prefectures);
  datafiles::LoadNumberRanges(numbers.newNumbers, tables.newNumbers);
  datafiles::LoadNumberRanges(numbers.oldNumbers, tables.oldNumbers);

  postal::SearchForm place = bench::Form(postal::SearchMode::kLocation, 0, "");
  place.prefecture = "東京都";
  place.city = "港区";
  std::vector<AddressCase> cases = {
      {"new number 107 (target < 2 ms)", bench::Form(postal::SearchMode::kNumber, postal::kNewNumber, "107"), "107"},
      {"new number 1070052", bench::Form(postal::SearchMode::kNumber, postal::kNewNumber, "1070052"), "1070052"},
      {"new number 980", bench::Form(postal::SearchMode::kNumber, postal::kNewNumber, "980"), "980"},
      {"old number 107", bench::Form(postal::SearchMode::kNumber, postal::kOldNumber, "107"), "107"},
      {"city code 13103 (1.5x)", bench::Form(postal::SearchMode::kNumber, postal::kCityCode, "13103"), "13103"},
      {"city code 47 (1.5x)", bench::Form(postal::SearchMode::kNumber, postal::kCityCode, "47"), "47"},
      {"area place (Tokyo, Minato)", bench::Form(postal::SearchMode::kNumber, postal::kAreaCode, "東京都 港区"), "港区"},
      {"location (Tokyo, Minato)", place, "港区"},
      {"fuzzy kanji Akasaka (1.5x)", bench::Form(postal::SearchMode::kFuzzy, 0, "赤坂"), "赤坂"},
      {"fuzzy kana Akasaka (1.5x)", bench::Form(postal::SearchMode::kFuzzy, 0, "ｱｶｻｶ"), "ｱｶｻｶ"},
      {"fuzzy kanji machi (73k rows)", bench::Form(postal::SearchMode::kFuzzy, 0, "町"), "町"},
  };
  for (const AddressCase& c : cases) {
    int rows = 0;
    const double ms = bench::MedianMs(kRuns, [&] {
      postal::AddressRows found;
      postal::SearchAddresses(kenAll, tables, c.form, found);
      rows = found.Count();
    });
    bench::PrintRow(c.label, ms, bench::GrepMs(kenAll, c.grepText, kRuns), rows);
  }

  // Heap use must not grow with the lines read: a search that finds
  // nothing over the whole file allocates the same as one over a few lines.
  const postal::SearchForm nothing = bench::Form(postal::SearchMode::kFuzzy, 0, "該当なしの文字列");
  const postal::SearchForm cityNothing = bench::Form(postal::SearchMode::kNumber, postal::kCityCode, "99999");
  for (const postal::SearchForm* f : {&nothing, &cityNothing}) {
    postal::AddressRows found;
    const long before = bench::AllocationCount();
    postal::SearchAddresses(kenAll, tables, *f, found);
    std::printf("heap allocations in a whole-file search with no rows (%s): %ld\n",
                f == &nothing ? "fuzzy" : "city code", bench::AllocationCount() - before);
  }
  bench::RunExtraBenchmarks(work, kRuns);
  bench::RunUtf8ImportBenchmark(dataDir, kRuns);
  return 0;
}
