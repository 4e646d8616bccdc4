// The texts of the search form, as both searches take them.
#pragma once

#include <string>

#include "postal/records.h"

namespace postal {

enum SearchMode { kNoMode = 0, kNumberMode = 1, kLocationMode = 2, kFuzzyMode = 3 };

// The controls' texts, cp932, as typed. Each search applies the form's
// byte limits itself.
struct SearchForm {
  int mode = kNoMode;
  int kind = kOldNumber;  // NumberKind, number mode only
  std::string number;
  std::string areaPlace;  // "PREFECTURE CITY"
  std::string prefecture;
  std::string city;
  std::string town;
  std::string fuzzy;      // the office name on the business tab
};

// Splits an area-place text at its first blank. A text without a blank
// names only a prefecture (the city part is empty).
void SplitAreaPlace(const std::string& place, std::string& prefecture, std::string& city);

}  // namespace postal
