#include "app/core_calls.h"

#include "datafiles/area_codes.h"
#include "postal/kana.h"
#include "postal/office_search.h"
#include "postal/templates.h"

namespace kuranto {

namespace {

postal::DisplayFlags FlagsOf(bool hyphen, bool hiragana) {
  postal::DisplayFlags flags;
  flags.hyphen = hyphen;
  flags.hiragana = hiragana;
  return flags;
}

}  // namespace

const char* SearchOfficeRows(const std::string& officeFile, const postal::SearchForm& form,
                             postal::OfficeRows& rows) {
  return postal::SearchOffices(officeFile, form, rows);
}

std::string ExpandAddressRow(const std::string& templateText, const postal::AddressRecord& row, bool hyphen,
                             bool hiragana) {
  return postal::ExpandAddressTemplate(templateText, row, FlagsOf(hyphen, hiragana));
}

std::string ExpandOfficeRow(const std::string& templateText, const postal::OfficeRecord& row, bool hyphen,
                            bool hiragana) {
  return postal::ExpandOfficeTemplate(templateText, row, FlagsOf(hyphen, hiragana));
}

std::string HyphenatedNumber(const char* number) {
  std::string text = number;
  postal::InsertPostalHyphen(text);
  return text;
}

std::string FullWidthHiragana(const char* kana) { return postal::ToFullWidthHiragana(kana); }

std::vector<std::string> AreaPlaces(const std::string& telnumFile, const std::string& typedNumber) {
  return datafiles::AreaPlacesFor(telnumFile, typedNumber);
}

bool AreaPlacesEnabled(const std::string& numberKindText) { return datafiles::AreaPlaceListEnabled(numberKindText); }

}  // namespace kuranto
