// Building an AddressBook's lookup structures from its joined records.
#pragma once

#include <string_view>

#include "resolver/book_impl.h"

namespace resolver {

// Fills everything of `impl` but `records`, which it reads.
void BuildIndex(AddressBook::Impl& impl);

// `name` is made of words any building may carry (ビル, ビルディング, タワー,
// センター, 森タワー), the town's name, and single letters or digits only:
// it is no building's own name.
bool IsCommonBuildingWords(std::string_view name, std::string_view town);

}  // namespace resolver
