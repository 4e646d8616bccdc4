// Building an AddressBook's lookup structures from its joined records.
#pragma once

#include "resolver/book_impl.h"

namespace resolver {

// Fills everything of `impl` but `records`, which it reads.
void BuildIndex(AddressBook::Impl& impl);

}  // namespace resolver
