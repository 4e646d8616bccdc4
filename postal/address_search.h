// The six searches of the address tab over the all-address file.
#pragma once

#include <string>

#include "postal/ranges.h"
#include "postal/records.h"
#include "postal/search_form.h"

namespace postal {

// Reads `addressFile` and appends every matching line to `rows`, in file
// order. Returns the message to show when the input is refused (nothing is
// added then), or nullptr. A file that cannot be opened adds nothing.
const char* SearchAddresses(const std::string& addressFile, const IndexTables& tables,
                            const SearchForm& form, AddressRows& rows);

}  // namespace postal
