// Resolving arbitrary text against a small book, one of whose towns is
// fuzzed too: no crash, no read out of bounds, and the result holds together.
#include <cstdint>
#include <string>

#include "resolver/address_parts.h"
#include "resolver/offices.h"
#include "resolver/resolver.h"

namespace {

// Real lines, cp932 bytes written as escapes (the town column in the comment).
const char kBookLines[] =
    // 以下に掲載がない場合
    "01101,\"060  \",\"0600000\",\"\xCE\xAF\xB6\xB2\xC4\xDE\xB3\",\"\xBB\xAF\xCE\xDF\xDB\xBC\xC1\xAD\xB3\xB5\xB3\xB8\",\"\xB2\xB6\xC6\xB9\xB2\xBB\xB2\xB6\xDE\xC5\xB2\xCA\xDE\xB1\xB2\",\"\x96k\x8A\x43\x93\xB9\",\"\x8E\x44\x96y\x8Es\x92\x86\x89\x9B\x8B\xE6\",\"\x88\xC8\x89\xBA\x82\xC9\x8C\x66\x8D\xDA\x82\xAA\x82\xC8\x82\xA2\x8F\xEA\x8D\x87\",0,0,0,0,0,0\x0D\x0A"
    // 大通西（１～１９丁目）
    "01101,\"060  \",\"0600042\",\"\xCE\xAF\xB6\xB2\xC4\xDE\xB3\",\"\xBB\xAF\xCE\xDF\xDB\xBC\xC1\xAD\xB3\xB5\xB3\xB8\",\"\xB5\xB5\xC4\xDE\xB5\xD8\xC6\xBC\",\"\x96k\x8A\x43\x93\xB9\",\"\x8E\x44\x96y\x8Es\x92\x86\x89\x9B\x8B\xE6\",\"\x91\xE5\x92\xCA\x90\xBC\x81i\x82P\x81`\x82P\x82X\x92\x9A\x96\xDA\x81j\",0,0,0,0,0,0\x0D\x0A"
    // 中央アエル（１２階）
    "04101,\"980  \",\"9806112\",\"\xD0\xD4\xB7\xDE\xB9\xDD\",\"\xBE\xDD\xC0\xDE\xB2\xBC\xB1\xB5\xCA\xDE\xB8\",\"\xC1\xAD\xB3\xB5\xB3\xB1\xB4\xD9\",\"\x8B{\x8F\xE9\x8C\xA7\",\"\x90\xE5\x91\xE4\x8Es\x90\xC2\x97t\x8B\xE6\",\"\x92\x86\x89\x9B\x83\x41\x83G\x83\x8B\x81i\x82P\x82Q\x8AK\x81j\",0,0,0,0,0,0\x0D\x0A"
    // 中央（次のビルを除く）
    "04101,\"980  \",\"9800021\",\"\xD0\xD4\xB7\xDE\xB9\xDD\",\"\xBE\xDD\xC0\xDE\xB2\xBC\xB1\xB5\xCA\xDE\xB8\",\"\xC1\xAD\xB3\xB5\xB3\",\"\x8B{\x8F\xE9\x8C\xA7\",\"\x90\xE5\x91\xE4\x8Es\x90\xC2\x97t\x8B\xE6\",\"\x92\x86\x89\x9B\x81i\x8E\x9F\x82\xCC\x83r\x83\x8B\x82\xF0\x8F\x9C\x82\xAD\x81j\",0,0,0,0,0,0\x0D\x0A"
    // 一町目（大宮通椹木町下る、大宮通丸太町上る）
    "26102,\"602  \",\"6028134\",\"\xB7\xAE\xB3\xC4\xCC\",\"\xB7\xAE\xB3\xC4\xBC\xB6\xD0\xB7\xDE\xAE\xB3\xB8\",\"\xB2\xC1\xC1\xAE\xB3\xD2\",\"\x8B\x9E\x93s\x95{\",\"\x8B\x9E\x93s\x8Es\x8F\xE3\x8B\x9E\x8B\xE6\",\"\x88\xEA\x92\xAC\x96\xDA\x81i\x91\xE5\x8B{\x92\xCA\x9E\xB9\x96\xD8\x92\xAC\x89\xBA\x82\xE9\x81\x41\x91\xE5\x8B{\x92\xCA\x8A\xDB\x91\xBE\x92\xAC\x8F\xE3\x82\xE9\x81j\",0,0,0,0,0,0\x0D\x0A"
    ;

// A line whose town column is `town`, in 札幌市中央区.
std::string FuzzedLine(const std::string& town) {
  return "01101,\"060  \",\"0609999\",\"x\",\"x\",\"x\",\"\x96k\x8A\x43\x93\xB9\",\"\x8E\x44\x96y\x8Es\x92\x86\x89\x9B\x8B\xE6\",\"" +
         town + "\",0,0,0,0,0,0\r\n";
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

  const std::string file = std::string(kBookLines) + FuzzedLine(town);
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
  const std::string office = "01101,\"x\",\"" + town + "\",\"\x96k\x8A\x43\x93\xB9\",\"\x8E\x44\x96y\x8Es\x92\x86\x89\x9B\x8B\xE6\",\"" +
                             town + "\",\"" + town + "\",\"0608999\",\"060  \",\"x\",0,0,0\r\n";
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
