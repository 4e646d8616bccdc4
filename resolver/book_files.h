// The resolver's book as both front ends load it: the address file, and the
// business-office file beside it where there is one.
#pragma once

#include <string>

#include "resolver/resolver.h"

namespace resolver {

// False, with `error`, when the address file cannot be read. Without the
// office file the offices' own codes are merely unknown: no failure.
bool LoadBookWithOffices(const std::string& addressFile, const std::string& officeFile, AddressBook& book,
                         std::string& error);

}  // namespace resolver
