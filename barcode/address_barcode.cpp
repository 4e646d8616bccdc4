#include "barcode/address_barcode.h"

#include "resolver/offices.h"

namespace barcode {

namespace {

// The offset just past the first town of the code written in the address.
size_t AfterTownOfCode(const resolver::AddressBook& book, std::string_view code, std::string_view address,
                       TownFinder& finder) {
  for (size_t i = 0; i < book.RecordCount(); ++i) {
    const resolver::TownRecord record = book.Record(i);
    if (record.postalCode != code) continue;
    const size_t end = finder.AfterTown(address, record.city, record.town);
    if (end != kNoTown) return end;
  }
  for (size_t i = 0; i < book.OfficeCount(); ++i) {
    const resolver::Office office = resolver::OfficeAt(book, i);
    if (office.postalCode != code) continue;
    const size_t end = finder.AfterTown(address, office.city, office.town);
    if (end != kNoTown) return end;
  }
  return kNoTown;
}

size_t AfterFoundTown(const resolver::AddressBook& book, const resolver::Resolution& resolution, size_t office,
                      std::string_view address, TownFinder& finder) {
  if (office != resolver::kNoOffice) {
    const resolver::Office found = resolver::OfficeAt(book, office);
    const size_t end = finder.AfterTown(address, found.city, found.town);
    if (end != kNoTown) return end;
  }
  const size_t resolved = finder.AfterResolvedTown(address, resolution);
  if (resolved != kNoTown) return resolved;
  if (resolution.status != resolver::Status::kExact && resolution.status != resolver::Status::kAmbiguous) {
    return kNoTown;
  }
  for (size_t candidate : resolution.candidates) {
    const resolver::TownRecord record = book.Record(candidate);
    const size_t end = finder.AfterTown(address, record.city, record.town);
    if (end != kNoTown) return end;
  }
  return kNoTown;
}

}  // namespace

bool MakeAddressBarcode(const resolver::AddressBook& book, const resolver::Resolution& resolution, size_t office,
                        std::string_view code, std::string_view address, TownFinder& finder,
                        CustomerBarcode& out) {
  size_t end = AfterFoundTown(book, resolution, office, address, finder);
  if (end == kNoTown) end = AfterTownOfCode(book, code, address, finder);
  if (end == kNoTown) {
    MakeBarcode(code, std::string_view(), out);
    return false;
  }
  MakeBarcode(code, address.substr(end), out);
  return true;
}

bool HasBarcode(const resolver::Resolution& resolution, size_t office) {
  return office != resolver::kNoOffice || resolution.status == resolver::Status::kExact;
}

bool MakeAnswerBarcode(const resolver::AddressBook& book, const resolver::Resolution& resolution, size_t office,
                       std::string_view address, TownFinder& finder, CustomerBarcode& out) {
  if (!HasBarcode(resolution, office)) return false;
  const std::string_view code = office != resolver::kNoOffice ? resolver::OfficeAt(book, office).postalCode
                                                              : std::string_view(resolution.postalCode);
  MakeAddressBarcode(book, resolution, office, code, address, finder, out);
  return true;
}

}  // namespace barcode
