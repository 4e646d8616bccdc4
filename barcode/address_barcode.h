// The customer barcode of an address: the code it is sent to, and the
// numbers written after the town the resolver found in it. cp932 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "barcode/customer_barcode.h"
#include "barcode/town_end.h"
#include "resolver/resolver.h"

namespace barcode {

// `code`: the 7 digits the letter goes to (IsBarcodeCode). The town is
// looked for in `address` in this order: the office `office` answers with
// (resolver::kNoOffice: none), where the resolver's town ends, the towns
// the resolution found, then the
// towns and offices that carry `code` (the address file read through, so
// only where the resolver found no town). False, and the barcode of the code
// alone, when the address writes none of them. The finder's buffers are
// reused: resolving a list allocates nothing per address once they have grown.
bool MakeAddressBarcode(const resolver::AddressBook& book, const resolver::Resolution& resolution, size_t office,
                        std::string_view code, std::string_view address, TownFinder& finder,
                        CustomerBarcode& out);

// True when an answer gets a barcode: exact, or an office's own code.
bool HasBarcode(const resolver::Resolution& resolution, size_t office);

// The same for an answer: the code the letter goes to is the office's own
// where `office` is one, else the resolution's. False, `out` untouched, for
// an answer without a barcode (HasBarcode).
bool MakeAnswerBarcode(const resolver::AddressBook& book, const resolver::Resolution& resolution, size_t office,
                       std::string_view address, TownFinder& finder, CustomerBarcode& out);

}  // namespace barcode
