// Office searches and template expansion over the real files.
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "postal/address_search.h"
#include "postal/office_search.h"
#include "postal/templates.h"

namespace bench {

void RunExtraBenchmarks(const Workspace& work, int runs) {
  if (work.officeFile().empty()) {
    std::printf("no JIGYOSYO.CSV: office benchmarks skipped\n");
  } else {
    const std::string& file = work.officeFile();
    postal::SearchForm place = Form(postal::SearchMode::kLocation, 0, "");
    place.prefecture = "東京都";
    place.city = "港区";
    struct Case {
      const char* label;
      postal::SearchForm form;
      std::string grepText;
    } cases[] = {
        {"office new number 107", Form(postal::SearchMode::kNumber, postal::kNewNumber, "107"), "107"},
        {"office old number 107", Form(postal::SearchMode::kNumber, postal::kOldNumber, "107"), "107"},
        {"office city code 13103", Form(postal::SearchMode::kNumber, postal::kCityCode, "13103"), "13103"},
        {"office area place (Tokyo, Minato)", Form(postal::SearchMode::kNumber, postal::kAreaCode, "東京都 港区"), "港区"},
        {"office location (Tokyo, Minato)", place, "港区"},
        {"office name kanji Akasaka (1.5x)", Form(postal::SearchMode::kFuzzy, 0, "赤坂"), "赤坂"},
        {"office name kana kabu", Form(postal::SearchMode::kFuzzy, 0, "(ｶﾌﾞ)"), "(ｶﾌﾞ)"},
    };
    for (const Case& c : cases) {
      int rows = 0;
      const double ms = MedianMs(runs, [&] {
        postal::OfficeRows found;
        postal::SearchOffices(file, c.form, found);
        rows = found.Count();
      });
      PrintRow(c.label, ms, GrepMs(file, c.grepText, runs), rows);
    }
  }

  // Rendering every row of a large result, as copying or recording them would.
  postal::IndexTables tables = {};
  postal::AddressRows rows;
  postal::SearchAddresses(work.addressFile(), tables, Form(postal::SearchMode::kFuzzy, 0, "町"), rows);
  postal::DisplayFlags flags;
  flags.hyphen = true;
  flags.hiragana = true;
  size_t bytes = 0;
  const double ms = MedianMs(runs, [&] {
    bytes = 0;
    for (int i = 0; i < rows.Count(); ++i) {
      bytes += postal::ExpandAddressTemplate(postal::kPresetDetailedAddress, *rows.At(i), flags).size();
    }
  });
  std::printf("expand \"N KSM(ksm)\" with hyphen and hiragana over %d rows: %.2f ms (%.3f us a row, %zu bytes)\n",
              rows.Count(), ms, rows.Count() ? ms * 1000.0 / rows.Count() : 0.0, bytes);
}

}  // namespace bench
