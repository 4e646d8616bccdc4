// Resolving arbitrary text against a small book, one of whose towns is
// fuzzed too: no crash, no read out of bounds, and the result holds together.
#include <cstdint>
#include <string>

#include "resolver/address_parts.h"
#include "resolver/offices.h"
#include "resolver/resolver.h"
#include "postal/texts.h"
#include "tests/fuzz/fuzz_words.h"

namespace {

const std::string& BookLines() {
  static const std::string lines = [] {
    std::string text;
    for (const char* line : fuzz_words::kBookLines) text += line;
    return text;
  }();
  return lines;
}

// 札幌市中央区 in the order of a line's columns.
std::string SapporoChuoKu() { return std::string(postal::kHokkaido) + "\",\"" + fuzz_words::kSapporoChuoKu; }

// A line whose town column is `town`, in 札幌市中央区.
std::string FuzzedLine(const std::string& town) {
  return "01101,\"060  \",\"0609999\",\"x\",\"x\",\"x\",\"" + SapporoChuoKu() + "\",\"" + town + "\",0,0,0,0,0,0\r\n";
}

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte cuts the input: a town column for the book, then the address.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t cut = size > 0 ? 1 + data[0] % (size) : 0;
  std::string town = bytes.substr(size > 0 ? 1 : 0, cut > 0 ? cut - 1 : 0);
  for (char& c : town) {
    if (c == '"' || c == '\n' || c == '\r' || c == ',') c = ' ';
  }
  const std::string address = bytes.substr(cut < size ? cut : size);

  const std::string file = BookLines() + FuzzedLine(town);
  resolver::AddressBook book;
  book.LoadFromMemory(file.data(), file.size());
  resolver::Resolution r;
  resolver::Resolve(book, address, r);
  for (size_t i : r.candidates) Check(i < book.RecordCount());
  if (r.status == resolver::Status::kExact) {
    Check(!r.postalCode.empty());
    for (size_t i : r.candidates) Check(book.Record(i).postalCode == r.postalCode);
  }
  if (r.status == resolver::Status::kNone) Check(r.candidates.empty());
  resolver::CheckCode(book, r, address);
  // Its parts: the building a piece of the address's end, read from the address.
  resolver::AddressParts parts;
  if (resolver::ReadAddressParts(book, r, address, parts) && !parts.building.empty()) {
    Check(parts.building.data() >= address.data() &&
          parts.building.data() + parts.building.size() <= address.data() + address.size());
  }
  // The fuzzed text as an address file of its own.
  resolver::AddressBook raw;
  raw.LoadFromMemory(bytes.data(), bytes.size());
  resolver::Resolve(raw, address, r);
  resolver::ReadAddressParts(raw, r, address, parts);
  // An office registered in the fuzzed town and lot, found by its name and
  // its code; then the fuzzed text as an office file of its own.
  const std::string office = "01101,\"x\",\"" + town + "\",\"" + SapporoChuoKu() + "\",\"" + town + "\",\"" + town + "\",\"0608999\",\"060  \",\"x\",0,0,0\r\n";
  book.LoadOfficesFromMemory(office.data(), office.size());
  resolver::Resolve(book, address, r);
  const size_t found = resolver::FindOffice(book, r, town);
  Check(found == resolver::kNoOffice || found < book.OfficeCount());
  resolver::CheckCode(book, r, "0608999");
  raw.LoadOfficesFromMemory(bytes.data(), bytes.size());
  resolver::Resolve(raw, address, r);
  Check(resolver::FindOffice(raw, r, address) == resolver::kNoOffice || raw.OfficeCount() > 0);
  resolver::CheckCode(raw, r, address);
  return 0;
}
