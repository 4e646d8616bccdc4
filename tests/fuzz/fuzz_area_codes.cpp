// Any bytes as an area-code table: every entry must come out terminated and
// within its widths, and matching must find only entries of the typed code.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "datafiles/area_codes.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte picks how much of the rest is the typed code.
  if (size == 0) return 0;
  const size_t codeLength = data[0] % 12 < size - 1 ? data[0] % 12 : size - 1;
  const std::string typed(reinterpret_cast<const char*>(data + 1), codeLength);
  const std::string table(reinterpret_cast<const char*>(data + 1 + codeLength), size - 1 - codeLength);

  size_t matches = 0;
  for (const datafiles::AreaCodeEntry& entry : datafiles::ParseAreaCodes(table)) {
    Check(std::memchr(entry.areaCode, '\0', sizeof entry.areaCode) != nullptr);
    Check(std::memchr(entry.prefecture, '\0', sizeof entry.prefecture) != nullptr);
    Check(std::memchr(entry.city, '\0', sizeof entry.city) != nullptr);
    Check(std::strchr(entry.areaCode, ',') == nullptr && std::strchr(entry.prefecture, ',') == nullptr);
    if (typed == entry.areaCode) ++matches;
  }
  const auto places = datafiles::AreaPlacesForBytes(table, typed);
  Check(places.size() == matches);
  for (const std::string& place : places) Check(place.size() < 80);
  return 0;
}
