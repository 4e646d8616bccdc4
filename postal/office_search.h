// The searches of the business-office tab over the business-office file.
#pragma once

#include <string>

#include "postal/records.h"
#include "postal/search_form.h"

namespace postal {

// Reads `officeFile` (cp932, read in pieces of at most 511 bytes) and appends
// every matching line to `rows`, in file order. Returns the message to show
// (cp932) when the input is refused, nothing being added then, or nullptr.
// A file that cannot be opened adds nothing. Unlike the address search every
// line is read (no index tables), every number text is refused only when
// empty, hyphens are removed for the city code too, the location compares the
// prefecture over the typed length, and the fuzzy text is looked for in the
// two office names only.
const char* SearchOffices(const std::string& officeFile, const SearchForm& form, OfficeRows& rows);

}  // namespace postal
