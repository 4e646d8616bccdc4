#include "resolver/code_field.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace resolver {

std::string CodeField(const AddressBook& book, const Resolution& resolution) {
  if (resolution.status != Status::kAmbiguous) return resolution.postalCode;
  std::vector<std::string_view> codes;
  for (size_t index : resolution.candidates) {
    const std::string_view code = book.Record(index).postalCode;
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
  }
  std::string joined;
  for (const std::string_view code : codes) {
    if (!joined.empty()) joined += ",";
    joined += code;
  }
  return joined;
}

}  // namespace resolver
