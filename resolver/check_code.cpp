// How a code written beside an address agrees with its resolution.
#include <string>

#include "postal/number_text.h"
#include "resolver/book_impl.h"
#include "resolver/cp932_words.h"
#include "resolver/offices.h"
#include "resolver/resolver.h"

namespace resolver {

namespace {

std::string CleanCode(const std::string& given) {
  const std::string normal = postal::NormalizeNumberText(given);
  std::string code;
  for (char c : normal) {
    if (c != '-' && c != ' ') code += c;
  }
  return code;
}

bool IsCodeOfMunicipality(const AddressBook::Impl& book, const std::string& cityCode, const std::string& code) {
  const auto found = book.municipalityByCode.find(cityCode);
  if (found == book.municipalityByCode.end()) return false;
  const Municipality& m = book.municipalities[found->second];
  for (size_t i = m.firstRecord; i < m.endRecord; ++i) {
    if (book.Text(i, StoredRecord::kPostalCode) == code) return true;
  }
  return false;
}

}  // namespace

const char* AgreementText(Agreement agreement) {
  switch (agreement) {
    case Agreement::kAgrees:
      return word::kAgrees;
    case Agreement::kAmongCandidates:
      return word::kAmongCandidates;
    case Agreement::kDisagrees:
      return word::kDisagrees;
    case Agreement::kOffice:
      return word::kAgreesOffice;
    case Agreement::kUndecidable:
      break;
  }
  return word::kUndecidable;
}

namespace {

// The agreement with the towns alone, `code` cleaned and not empty.
Agreement TownAgreement(const AddressBook& book, const Resolution& resolution, const std::string& code) {
  const AddressBook::Impl& impl = book.impl();
  switch (resolution.status) {
    case Status::kExact:
      return code == resolution.postalCode ? Agreement::kAgrees : Agreement::kDisagrees;
    case Status::kAmbiguous:
      for (size_t record : resolution.candidates) {
        if (impl.Text(record, StoredRecord::kPostalCode) == code) return Agreement::kAmongCandidates;
      }
      return Agreement::kDisagrees;
    case Status::kCity:
      if (!resolution.postalCode.empty() && code == resolution.postalCode) return Agreement::kAgrees;
      return IsCodeOfMunicipality(impl, resolution.cityCode, code) ? Agreement::kAmongCandidates
                                                                    : Agreement::kDisagrees;
    case Status::kNone:
      break;
  }
  return Agreement::kUndecidable;
}

}  // namespace

size_t OfficeWithCode(const AddressBook& book, const Resolution& resolution, const std::string& givenCode) {
  const auto found = book.impl().offices.byCode.find(CleanCode(givenCode));
  if (found == book.impl().offices.byCode.end()) return kNoOffice;
  for (uint32_t office : found->second) {
    if (OfficeRegisteredAt(book, office, resolution)) return office;
  }
  return kNoOffice;
}

Agreement CheckCode(const AddressBook& book, const Resolution& resolution, const std::string& givenCode) {
  const std::string code = CleanCode(givenCode);
  if (code.empty() || resolution.status == Status::kNone) return Agreement::kUndecidable;
  const Agreement agreement = TownAgreement(book, resolution, code);
  if (agreement != Agreement::kDisagrees) return agreement;
  return OfficeWithCode(book, resolution, code) != kNoOffice ? Agreement::kOffice : agreement;
}

}  // namespace resolver
