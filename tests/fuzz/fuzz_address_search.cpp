// The builds and every address search over a fuzzed address file.

#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/fuzz/fuzz_support.h"

#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "postal/address_search.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first bytes are the typed texts, the rest is the file.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t textLength = size > 0 ? data[0] % 16 : 0;
  const std::string text = bytes.substr(size > 0 ? 1 : 0, textLength);
  const std::string file = bytes.size() > textLength + 1 ? bytes.substr(textLength + 1) : std::string();

  const std::string path = fuzz_support::WriteScratchFile("address", file);
  if (path.empty()) return 0;

  const datafiles::BuildProgress none;
  postal::IndexTables tables = {};
  datafiles::LoadPrefectureRanges(datafiles::BuildPrefectureRanges(path, none), tables.prefectures);
  const datafiles::NumberRangeFiles numbers = datafiles::BuildNumberRanges(path, none);
  datafiles::LoadNumberRanges(numbers.newNumbers, tables.newNumbers);
  datafiles::LoadNumberRanges(numbers.oldNumbers, tables.oldNumbers);
  const std::string cities = datafiles::BuildCityList(path, none);
  datafiles::CitiesOf(cities, text);

  postal::SearchForm form;
  form.number = form.areaPlace = form.prefecture = form.city = form.town = form.fuzzy = text;
  for (int mode = 0; mode <= 4; ++mode) {
    for (int kind = 0; kind <= 4; ++kind) {
      form.mode = static_cast<postal::SearchMode>(mode);
      form.kind = kind;
      postal::AddressRows rows;
      postal::SearchAddresses(path, tables, form, rows);
      if (form.mode != postal::SearchMode::kNumber) break;
    }
  }
  return 0;
}
