// Index files of any content loaded and then used by the searches: garbage
// ranges and names must only ever find nothing or something.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "datafiles/index_load.h"
#include "postal/address_search.h"
#include "postal/texts.h"
#include "tests/fuzz/fuzz_words.h"

namespace {

const std::string& AddressFile() {
  static const std::string path = [] {
    const std::string p = "/tmp/kuranto-fuzz-index-" + std::to_string(::getpid()) + ".csv";
    std::FILE* f = std::fopen(p.c_str(), "wb");
    if (f != nullptr) {
      for (const char* line : fuzz_words::kAddressLines) std::fputs(line, f);
      std::fclose(f);
    }
    return p;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  postal::IndexTables tables;
  datafiles::LoadPrefectureRanges(bytes, tables.prefectures);
  datafiles::LoadNumberRanges(bytes, tables.newNumbers);
  datafiles::LoadNumberRanges(bytes.size() > 20 ? bytes.substr(20) : bytes, tables.oldNumbers);
  datafiles::CitiesOf(bytes, postal::kHokkaido);
  datafiles::CitiesOf(bytes, "");

  const std::string texts[] = {"10", "06", "107", postal::kHokkaido, fuzz_words::kTokyo, ""};
  for (const std::string& text : texts) {
    postal::SearchForm form;
    form.number = text;
    form.areaPlace = text + " ";
    form.prefecture = text;
    for (int kind = 0; kind <= 3; ++kind) {
      form.mode = postal::SearchMode::kNumber;
      form.kind = kind;
      postal::AddressRows rows;
      postal::SearchAddresses(AddressFile(), tables, form, rows);
    }
    form.mode = postal::SearchMode::kLocation;
    postal::AddressRows rows;
    postal::SearchAddresses(AddressFile(), tables, form, rows);
  }
  return 0;
}
