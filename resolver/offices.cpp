// The business-office file beside the towns: offices found by their own
// code or their name at a resolved address.
#include "resolver/offices.h"

#include <algorithm>
#include <string>

#include "datafiles/file_access.h"
#include "postal/line_reader.h"
#include "resolver/book_impl.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/office_names.h"

namespace resolver {

namespace {

constexpr size_t kLongestLine = 1 << 16;
constexpr size_t kCodeDigits = 7;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A name of the address files spelled as Resolve spells the typed address
// after its municipality.
std::string Spelled(std::string_view text) {
  std::string out;
  NormalizeText(text, out);
  FoldJoiningKana(out);
  DropAza(out);
  return out;
}

// The text before the first digit, at a character boundary.
std::string_view BeforeDigits(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && !IsDigit(text[i])) i += CharWidth(CharCode(text.data() + i, text.size() - i));
  return text.substr(0, std::min(i, text.size()));
}

// A town name of the address file without its note.
std::string_view WithoutNote(std::string_view town) {
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) return town.substr(0, i);
    i += CharWidth(code);
  }
  return town;
}

StoredOffice Store(std::string_view* const* columns, OfficeStore& store) {
  StoredOffice office;
  for (int f = 0; f < StoredOffice::kFields; ++f) {
    office.offset[f] = static_cast<uint32_t>(columns[f]->data() - store.text.data());
    office.length[f] = static_cast<uint32_t>(columns[f]->size());
  }
  const std::string town = Spelled(*columns[StoredOffice::kTown]);
  const std::string lot = Spelled(*columns[StoredOffice::kLot]);
  // Kyoto writes the street clause in the town column ("烏丸通二条上る") and
  // the town itself before the lot ("蒔絵屋町260"): the town is what the
  // address file lists.
  size_t clauseEnd;
  std::string_view place = town;
  if (FindStreetClause(town.data(), town.size(), clauseEnd) && !BeforeDigits(lot).empty()) place = BeforeDigits(lot);
  office.place = static_cast<uint32_t>(store.places.size());
  office.placeLength = static_cast<uint32_t>(place.size());
  store.places.append(place);
  AddressRest rest;
  ReadRest(lot.data(), lot.size(), rest);
  for (int i = 0; i < rest.numberCount; ++i) office.lot[i] = rest.numbers[i].value;
  office.lotCount = rest.numberCount;
  return office;
}

void ReadOffices(OfficeStore& store) {
  postal::LineReader reader(store.text.data(), store.text.size(), kLongestLine);
  const char* line;
  size_t length;
  while (reader.Next(line, length)) {
    std::string_view fields[StoredOffice::kFields];
    std::string_view* columns[StoredOffice::kFields];
    for (int f = 0; f < StoredOffice::kFields; ++f) columns[f] = &fields[f];
    if (!SplitLine(line, length, columns, StoredOffice::kFields)) continue;
    if (fields[StoredOffice::kPostalCode].size() != kCodeDigits) continue;
    store.offices.push_back(Store(columns, store));
  }
  for (size_t i = 0; i < store.offices.size(); ++i) {
    const uint32_t office = static_cast<uint32_t>(i);
    store.byCode[store.Text(i, StoredOffice::kPostalCode)].push_back(office);
    std::string key = OfficeNameKey(store.Text(i, StoredOffice::kName));
    if (!key.empty()) store.byName[std::move(key)].push_back(office);
  }
}

bool SameMunicipality(const AddressBook::Impl& book, std::string_view cityCode, const Resolution& r) {
  if (r.cityCode == cityCode) return true;
  for (size_t record : r.candidates) {
    if (book.Text(record, StoredRecord::kCityCode) == cityCode) return true;
  }
  return false;
}

// Where the lot numbers begin in r.afterCity when the office's town is the
// one written; false when another town is.
bool TownFits(const AddressBook::Impl& book, size_t office, const Resolution& r, size_t& lotFrom) {
  const std::string_view place = book.offices.Place(office);
  const std::string_view cityCode = book.offices.Text(office, StoredOffice::kCityCode);
  const std::string& written = r.afterCity;
  for (size_t record : r.candidates) {
    if (book.Text(record, StoredRecord::kCityCode) != cityCode) continue;
    if (Spelled(WithoutNote(book.Text(record, StoredRecord::kTown))) != place) continue;
    const size_t at = written.find(place);
    lotFrom = at == std::string::npos ? std::string::npos : at + place.size();
    return true;
  }
  // No town of the address file is the office's (a building's own lines, a
  // town the file does not list): the town written first, then a number.
  if (written.compare(0, place.size(), place) != 0) return false;
  const size_t end = place.size();
  if (end < written.size() && !IsDigit(written[end]) && written[end] != '-') return false;
  lotFrom = end;
  return true;
}

bool LotFits(const StoredOffice& office, const std::string& written, size_t lotFrom) {
  if (lotFrom == std::string::npos || office.lotCount == 0) return true;
  AddressRest rest;
  ReadRest(written.data() + lotFrom, written.size() - lotFrom, rest);
  const int both = std::min(rest.numberCount, office.lotCount);
  for (int i = 0; i < both; ++i) {
    if (rest.numbers[i].value != office.lot[i]) return false;
  }
  return true;
}

}  // namespace

bool AddressBook::LoadOffices(const std::string& path, std::string& error) {
  OfficeStore& store = impl_->offices;
  store = OfficeStore();
  if (!datafiles::ReadSmallFile(path, store.text)) {
    error = "cannot read " + path;
    return false;
  }
  ReadOffices(store);
  return true;
}

void AddressBook::LoadOfficesFromMemory(const char* data, size_t size) {
  OfficeStore& store = impl_->offices;
  store = OfficeStore();
  store.text.assign(data, size);
  ReadOffices(store);
}

size_t AddressBook::OfficeCount() const { return impl_->offices.offices.size(); }

Office OfficeAt(const AddressBook& book, size_t index) {
  const OfficeStore& store = book.impl().offices;
  Office office;
  office.postalCode = store.Text(index, StoredOffice::kPostalCode);
  office.cityCode = store.Text(index, StoredOffice::kCityCode);
  office.name = store.Text(index, StoredOffice::kName);
  office.nameKana = store.Text(index, StoredOffice::kNameKana);
  office.prefecture = store.Text(index, StoredOffice::kPrefecture);
  office.city = store.Text(index, StoredOffice::kCity);
  office.town = store.Text(index, StoredOffice::kTown);
  office.lot = store.Text(index, StoredOffice::kLot);
  return office;
}

bool OfficeRegisteredAt(const AddressBook& book, size_t index, const Resolution& resolution) {
  const AddressBook::Impl& impl = book.impl();
  if (resolution.status == Status::kNone || index >= impl.offices.offices.size()) return false;
  if (!SameMunicipality(impl, impl.offices.Text(index, StoredOffice::kCityCode), resolution)) return false;
  size_t lotFrom = std::string::npos;
  return TownFits(impl, index, resolution, lotFrom) && LotFits(impl.offices.offices[index], resolution.afterCity, lotFrom);
}

size_t FindOffice(const AddressBook& book, const Resolution& resolution, std::string_view name) {
  const OfficeStore& store = book.impl().offices;
  const std::string key = OfficeNameKey(name);
  if (key.empty()) return kNoOffice;
  const auto found = store.byName.find(key);
  if (found == store.byName.end()) return kNoOffice;
  size_t fits = kNoOffice;
  for (uint32_t office : found->second) {
    if (!OfficeRegisteredAt(book, office, resolution)) continue;
    if (fits == kNoOffice) {
      fits = office;
    } else if (store.Text(fits, StoredOffice::kPostalCode) != store.Text(office, StoredOffice::kPostalCode)) {
      return kNoOffice;  // two offices of that name there: no guess
    }
  }
  return fits;
}

}  // namespace resolver
