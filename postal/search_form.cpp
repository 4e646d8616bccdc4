#include "postal/search_form.h"

namespace postal {

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
