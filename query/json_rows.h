// Rows as JSON objects for scripts: one object per row, UTF-8, with named
// fields, strings escaped as RFC 8259 asks.
#pragma once

#include <string>
#include <string_view>

#include "postal/records.h"

namespace query {

// A JSON string literal of UTF-8 text: quote, backslash and the control
// characters escaped, everything else as it is.
std::string JsonString(const std::string& utf8);

// Appends `"NAME": "TEXT"` to an object being written: ", " first unless
// `json` ends with its "{"; TEXT is cp932, written as UTF-8. `name` needs no
// escape.
void AppendJsonField(std::string& json, const char* name, std::string_view cp932);

// cp932 text as UTF-8; a byte that is no cp932 character becomes U+FFFD.
std::string ToUtf8Text(const std::string& cp932);

// {"postal_code", "old_code", "city_code", "prefecture", "prefecture_kana",
// "city", "city_kana", "town", "town_kana"}: the slots as stored.
std::string AddressRowJson(const postal::AddressRecord& row);

// {"postal_code", "old_code", "city_code", "name", "name_kana",
// "prefecture", "city", "town"}; the old number without the trailing blanks
// of a 3-digit one.
std::string OfficeRowJson(const postal::OfficeRecord& row);

}  // namespace query
