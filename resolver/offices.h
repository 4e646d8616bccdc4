// Business offices with codes of their own (JIGYOSYO.CSV), found by their
// code or name at an address the resolver read. Load them with
// AddressBook::LoadOffices. All text is cp932.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "resolver/resolver.h"

namespace resolver {

// One office, texts as Japan Post writes them; views into the book.
struct Office {
  std::string_view postalCode;  // the office's own code
  std::string_view oldCode;     // with its trailing blanks
  std::string_view cityCode;
  std::string_view name, nameKana;
  std::string_view prefecture, city, town, lot;
};

constexpr size_t kNoOffice = static_cast<size_t>(-1);

// The status word of an answer that is an office's own code.
constexpr char kOfficeStatusName[] = "office";

Office OfficeAt(const AddressBook& book, size_t index);

// True when office `index` is registered at the address `resolution` read:
// the same municipality and town, and where both write lot numbers, the
// same ones (丁目-番-号 however written; the shorter may stop early).
bool OfficeRegisteredAt(const AddressBook& book, size_t index, const Resolution& resolution);

// The office whose own code `givenCode` (as CheckCode takes it) is, and
// which is registered at the resolved address; kNoOffice otherwise.
size_t OfficeWithCode(const AddressBook& book, const Resolution& resolution, const std::string& givenCode);

// The office at the resolved address that `name` names (office_names.h says
// how names compare). kNoOffice when none fits, or when several offices with
// different codes fit: the caller answers with the address alone then.
size_t FindOffice(const AddressBook& book, const Resolution& resolution, std::string_view name);

}  // namespace resolver
