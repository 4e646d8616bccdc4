// Unicode to code page 932, from our own table (tools/cp932/make_table.py),
// so that the result does not depend on the platform's converter: they differ
// on the JIS minus sign and wave dash, which Japan Post's files hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace encoding {

// Appends the cp932 bytes of `codePoint` to `out`: one byte for ASCII and
// half-width katakana (U+FF61..U+FF9F), two for the rest of cp932. U+2212
// and U+301C give 0x817C and 0x8160, as KEN_ALL.CSV writes them; a
// character cp932 holds twice gets the code Windows writes for it. Returns
// false, appending nothing, for a character cp932 cannot write (the
// user-defined area included).
bool AppendCp932(uint32_t codePoint, std::string& out);

// UTF-8 text as cp932 through AppendCp932, for every conversion the program
// makes that way (arguments, lines, cells). False, `out` untouched, when a
// byte is no UTF-8 or a character has no cp932 code; a hyphen cp932 has no
// code for (– ‑ ‒ ﹣ ⁃, hyphens.h) is read as "-".
bool Utf8ToCp932(const std::string& utf8, std::string& out);

// The other way, from the same table: appends cp932 `text` to `out` as
// UTF-8. False, `out` holding a beginning, at a byte or code the table has
// no character for (a code cp932 holds twice for one character among them:
// the caller converts such a text another way).
bool AppendUtf8OfCp932(std::string_view text, std::string& out);

}  // namespace encoding
