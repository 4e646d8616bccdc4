#include "app/label_rows.h"

#include <string_view>

#include "barcode/address_barcode.h"
#include "barcode/customer_barcode.h"
#include "encoding/text_encoding.h"
#include "resolver/address_parts.h"
#include "resolver/offices.h"

namespace kuranto {

namespace {

std::string Utf8Of(std::string_view cp932) {
  std::string utf8;
  encoding::Cp932ToUtf8(std::string(cp932), utf8);
  return utf8;
}

std::string CodeText(const std::string& digits) {
  return digits.empty() ? std::string() : digits.substr(0, 3) + "-" + digits.substr(3);
}

// Blanks (ASCII and the full-width one) taken off both ends of a cp932 text.
std::string_view Trimmed(std::string_view text) {
  const std::string_view wide = "\x81\x40";
  for (;;) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
      text.remove_prefix(1);
    } else if (text.substr(0, 2) == wide) {
      text.remove_prefix(2);
    } else if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
      text.remove_suffix(1);
    } else if (text.size() >= 2 && text.substr(text.size() - 2) == wide) {
      text.remove_suffix(2);
    } else {
      return text;
    }
  }
}

// The address's two lines: what the list gives as the building, or else
// what follows the lot numbers.
void SplitLines(const resolver::AddressBook& book, const resolver::Resolution& answer, const LabelRow& row,
                resolver::AddressParts& parts, labels::Label& label) {
  label.address = row.addressText;
  label.building = row.building;
  if (!row.building.empty() || !resolver::ReadAddressParts(book, answer, row.address, parts)) return;
  const std::string_view building = Trimmed(parts.building);
  if (building.empty() || parts.building.data() < row.address.data()) return;
  const size_t at = static_cast<size_t>(parts.building.data() - row.address.data());
  label.address = Utf8Of(Trimmed(std::string_view(row.address).substr(0, at)));
  label.building = Utf8Of(building);
}

}  // namespace

std::vector<labels::Label> MakeLabels(const resolver::AddressBook& book, const std::vector<LabelRow>& rows,
                                      labels::HonorificRule honorific) {
  std::vector<labels::Label> made;
  made.reserve(rows.size());
  resolver::Resolution answer;
  resolver::AddressParts parts;
  barcode::TownFinder finder;
  for (const LabelRow& row : rows) {
    labels::Label label;
    label.line = row.line;
    resolver::Resolve(book, row.address, answer);
    const std::string listed = barcode::BarcodeCode(row.code);
    const bool exact = barcode::HasBarcode(answer, resolver::kNoOffice);
    if (!exact) {
      label.noBarcode = labels::NoBarcode::kNotExact;
    } else if (!listed.empty() && listed != answer.postalCode) {
      label.noBarcode = labels::NoBarcode::kDisagrees;
    } else {
      label.noBarcode = labels::NoBarcode::kNone;
      barcode::MakeAddressBarcode(book, answer, resolver::kNoOffice, answer.postalCode, row.address, finder,
                                  label.barcode);
    }
    // The list's own code is printed as given; the resolver's only where it is sure.
    label.code = CodeText(!listed.empty() ? listed : exact ? answer.postalCode : std::string());
    SplitLines(book, answer, row, parts, label);
    label.company = row.company;
    label.name = row.name;
    label.honorific = labels::Honorific(honorific, label.name, label.company, label.department);
    made.push_back(std::move(label));
  }
  return made;
}

}  // namespace kuranto
