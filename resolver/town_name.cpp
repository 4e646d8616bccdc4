#include "resolver/town_name.h"

#include "resolver/cp932_words.h"

namespace resolver {

std::string_view TownWithoutNote(std::string_view town) {
  return town == word::kNotListed ? std::string_view() : BeforeNote(town);
}

std::string_view BeforeNote(std::string_view town) {
  // By characters: a trail byte may look like the （'s first byte.
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) return town.substr(0, i);
    i += CharWidth(code);
  }
  return town;
}

}  // namespace resolver
