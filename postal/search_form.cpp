#include "postal/search_form.h"

namespace postal {

SearchMode SearchModeFromRadioIndex(int index) {
  switch (index) {
    case 0:
      return SearchMode::kNumber;
    case 1:
      return SearchMode::kLocation;
    case 2:
      return SearchMode::kFuzzy;
    default:
      return SearchMode::kNone;
  }
}

int RadioIndexOf(SearchMode mode) { return mode == SearchMode::kNone ? -1 : static_cast<int>(mode) - 1; }

void SplitAreaPlace(const std::string& place, std::string& prefecture, std::string& city) {
  const size_t blank = place.find(' ');
  if (blank == std::string::npos) {
    // A text without the blank names a prefecture only.
    prefecture = place;
    city.clear();
    return;
  }
  prefecture = place.substr(0, blank);
  city = place.substr(blank + 1);
}

}  // namespace postal
