// The six searches of the address tab over the all-address file.
#pragma once

#include <string>

#include "postal/ranges.h"
#include "postal/records.h"

namespace postal {

enum SearchMode { kNoMode = 0, kNumberMode = 1, kLocationMode = 2, kFuzzyMode = 3 };

// The texts of the search form, as the controls hold them (cp932). The
// search applies the form's limits itself (7 bytes of the number box for
// old numbers and city codes, 255 for everything else).
struct AddressQuery {
  int mode = kNoMode;
  int kind = kOldNumber;  // number mode only
  std::string number;
  std::string areaPlace;  // "PREFECTURE CITY"
  std::string prefecture;
  std::string city;
  std::string town;
  std::string fuzzy;
};

// Reads `addressFile` and appends every matching line to `rows`, in file
// order. Returns the message to show when the input is refused (nothing is
// added then), or nullptr. A file that cannot be opened adds nothing.
const char* SearchAddresses(const std::string& addressFile, const IndexTables& tables,
                            const AddressQuery& query, AddressRows& rows);

// Splits an area-place text at its first blank.
void SplitAreaPlace(const std::string& place, std::string& prefecture, std::string& city);

}  // namespace postal
