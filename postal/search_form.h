// The texts of the search form, as both searches take them.
#pragma once

#include <string>

#include "postal/records.h"

namespace postal {

// How the form searches: by number, by location, or by fuzzy text (the
// office name on the business tab).
enum class SearchMode { kNone = 0, kNumber = 1, kLocation = 2, kFuzzy = 3 };

// The three mode radio buttons, and the stored "radio" setting, count 0..2
// from number mode. kNone for any other index.
SearchMode SearchModeFromRadioIndex(int index);
// 0..2, or -1 for kNone.
int RadioIndexOf(SearchMode mode);

// The controls' texts, cp932, as typed. Each search applies the form's
// byte limits itself.
struct SearchForm {
  SearchMode mode = SearchMode::kNone;
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
