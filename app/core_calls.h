// The shell's calls into the core for row text, kana, office search and area
// codes, in one place so each keeps a single shell-side signature.
#pragma once

#include <string>
#include <vector>

#include "postal/records.h"
#include "postal/search_form.h"

namespace kuranto {

// Appends the offices matching `form`; the refusal text (cp932) or nullptr.
const char* SearchOfficeRows(const std::string& officeFile, const postal::SearchForm& form,
                             postal::OfficeRows& rows);

// One row through its template, at most 999 bytes (cp932).
std::string ExpandAddressRow(const std::string& templateText, const postal::AddressRecord& row, bool hyphen,
                             bool hiragana);
std::string ExpandOfficeRow(const std::string& templateText, const postal::OfficeRecord& row, bool hyphen,
                            bool hiragana);

// A postal number with its hyphen after the third character when longer.
std::string HyphenatedNumber(const char* number);
// Half-width katakana (cp932) as full-width hiragana.
std::string FullWidthHiragana(const char* kana);

// "PREFECTURE CITY" items of the places using `typedNumber` as area code.
std::vector<std::string> AreaPlaces(const std::string& telnumFile, const std::string& typedNumber);
// Whether the area-place list is usable for this number-kind text.
bool AreaPlacesEnabled(const std::string& numberKindText);

}  // namespace kuranto
