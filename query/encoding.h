// Conversions between UTF-8 and cp932 for the tool's --utf8 option.
#pragma once

#include <string>

namespace query {

// False when the text cannot be converted (nothing is written to `out` then).
bool Utf8ToCp932(const std::string& utf8, std::string& out);
bool Cp932ToUtf8(const std::string& cp932, std::string& out);

}  // namespace query
