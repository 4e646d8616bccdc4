// The business offices of an AddressBook, as the book keeps them. cp932.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>


namespace resolver {

// One line of the business-office file: each field an offset and a length
// in OfficeStore::text, as the book keeps its towns.
struct StoredOffice {
  enum Field { kCityCode, kNameKana, kName, kPrefecture, kCity, kTown, kLot, kPostalCode, kOldCode, kFields };
  uint32_t offset[kFields];
  uint32_t length[kFields];
  // In OfficeStore::places, spelled as the resolver spells a typed address
  // after its municipality (normalize.h): the town and lot columns together,
  // and where a town of the address file begins: the same text, or for a
  // Kyoto street clause the lot column, which starts with the town.
  uint32_t full = 0, fullLength = 0;
  uint32_t place = 0, placeLength = 0;
  // A town of the address file that is the office's begins `place` and is
  // at least this long: the office file's town column, spelled.
  uint32_t townLength = 0;
};

struct OfficeStore {
  std::string text;  // the office file's bytes
  std::vector<StoredOffice> offices;
  std::string places;
  // Offices by their own code, and by the key of their name (office_names.h).
  std::unordered_map<std::string_view, std::vector<uint32_t>> byCode;
  std::unordered_map<std::string, std::vector<uint32_t>> byName;

  std::string_view Text(size_t office, StoredOffice::Field field) const {
    const StoredOffice& o = offices[office];
    return std::string_view(text.data() + o.offset[field], o.length[field]);
  }
  std::string_view Full(size_t office) const {
    return std::string_view(places.data() + offices[office].full, offices[office].fullLength);
  }
  std::string_view Place(size_t office) const {
    return std::string_view(places.data() + offices[office].place, offices[office].placeLength);
  }
};

}  // namespace resolver
