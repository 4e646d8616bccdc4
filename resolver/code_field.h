// The code field of an answer, as both front ends print it beside its status
// word. Text is cp932 (digits and commas).
#pragma once

#include <string>

#include "resolver/resolver.h"

namespace resolver {

// kExact: the code; kAmbiguous: the candidates' distinct codes in file
// order, joined by ","; kCity: the municipality's "以下に掲載がない場合" code
// where it has one; kNone: "".
std::string CodeField(const AddressBook& book, const Resolution& resolution);

}  // namespace resolver
