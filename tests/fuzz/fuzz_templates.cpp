// Template expansion of fuzzed templates over fuzzed rows.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "postal/records.h"
#include "postal/templates.h"

namespace {

// Fills a record's bytes from the input and terminates every slot, as the
// parsers always leave them.
template <class Record>
Record RecordFrom(const std::string& bytes, int slots, char* (*slot)(Record&, int), size_t (*width)(int)) {
  Record r;
  std::memset(&r, 0, sizeof r);
  std::memcpy(&r, bytes.data(), bytes.size() < sizeof r ? bytes.size() : sizeof r);
  for (int i = 0; i < slots; ++i) slot(r, i)[width(i) - 1] = '\0';
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  postal::DisplayFlags flags;
  flags.hyphen = (data[0] & 1) != 0;
  flags.hiragana = (data[0] & 2) != 0;
  const size_t templateLength = size > 1 ? data[1] : 0;
  const std::string rest(reinterpret_cast<const char*>(data) + (size > 1 ? 2 : 1), size - (size > 1 ? 2 : 1));
  const std::string templateText = rest.substr(0, templateLength);
  const std::string rowBytes = rest.size() > templateLength ? rest.substr(templateLength) : std::string();

  const postal::AddressRecord address = RecordFrom<postal::AddressRecord>(
      rowBytes, postal::kAddressSlotCount, postal::AddressSlot, postal::AddressSlotWidth);
  const postal::OfficeRecord office = RecordFrom<postal::OfficeRecord>(
      rowBytes, postal::kOfficeSlotCount, postal::OfficeSlot, postal::OfficeSlotWidth);
  if (postal::ExpandAddressTemplate(templateText, address, flags).size() > postal::kMaxRenderedBytes) std::abort();
  if (postal::ExpandOfficeTemplate(templateText, office, flags).size() > postal::kMaxRenderedBytes) std::abort();

  std::string number = templateText;
  postal::InsertPostalHyphen(number);
  if (number.size() != templateText.size() && number.size() != templateText.size() + 1) std::abort();
  return 0;
}
