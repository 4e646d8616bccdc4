// cp932 to UTF-8 with the platform's converter (iconv, or Windows' code
// pages), for text to a terminal or a file. The other way is the project's
// own table: cp932_encode.h.
#pragma once

#include <string>

namespace encoding {

// False when the text cannot be converted (nothing is written to `out` then).
bool Cp932ToUtf8(const std::string& cp932, std::string& out);

}  // namespace encoding
