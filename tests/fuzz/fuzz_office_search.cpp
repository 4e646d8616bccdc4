// The business-office parser and every office search over a fuzzed file.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_support.h"

#include "postal/office_search.h"

namespace {

void CheckTerminated(const postal::OfficeRecord& r) {
  for (int i = 0; i < postal::kOfficeSlotCount; ++i) {
    if (strnlen(postal::OfficeSlot(r, i), postal::OfficeSlotWidth(i)) >= postal::OfficeSlotWidth(i)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first bytes are the typed texts, the rest is the file.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t textLength = size > 0 ? data[0] % 16 : 0;
  const std::string text = bytes.substr(size > 0 ? 1 : 0, textLength);
  const std::string file = bytes.size() > textLength + 1 ? bytes.substr(textLength + 1) : std::string();

  // The parser over the whole input as one line.
  postal::OfficeRecord record;
  std::memset(&record, 0, sizeof record);
  if (postal::ParseOfficeLine(bytes.c_str(), record)) CheckTerminated(record);

  const std::string path = fuzz_support::WriteScratchFile("office", file);
  if (path.empty()) return 0;

  postal::SearchForm form;
  form.number = form.areaPlace = form.prefecture = form.city = form.town = form.fuzzy = text;
  for (int mode = 0; mode <= 4; ++mode) {
    for (int kind = 0; kind <= 4; ++kind) {
      form.mode = static_cast<postal::SearchMode>(mode);
      form.kind = kind;
      postal::OfficeRows rows;
      postal::SearchOffices(path, form, rows);
      for (int i = 0; i < rows.Count(); ++i) CheckTerminated(*rows.At(i));
      if (form.mode != postal::SearchMode::kNumber) break;
    }
  }
  return 0;
}
