// Conversions between UTF-8 and cp932 with the platform's converter (iconv,
// or Windows' code pages), for text to and from a terminal or a file.
#pragma once

#include <string>

namespace datafiles {

// False when the text cannot be converted (nothing is written to `out` then).
bool Utf8ToCp932(const std::string& utf8, std::string& out);
bool Cp932ToUtf8(const std::string& cp932, std::string& out);

}  // namespace datafiles
