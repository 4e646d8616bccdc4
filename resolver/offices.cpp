// The business-office file beside the towns: offices found by their own
// code or their name at a resolved address.
#include "resolver/offices.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "datafiles/file_access.h"
#include "postal/line_reader.h"
#include "resolver/address_rest.h"
#include "resolver/book_impl.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/office_names.h"

namespace resolver {

namespace {

constexpr size_t kLongestLine = 1 << 16;
constexpr size_t kCodeDigits = 7;


// A name of the address files spelled as Resolve spells the typed address
// after its municipality.
std::string Spelled(std::string_view text) {
  std::string out;
  NormalizeText(text, out);
  FoldJoiningKana(out);
  DropAza(out);
  return out;
}

// The text before the first digit.
std::string_view BeforeDigits(std::string_view text) { return text.substr(0, FirstDigit(text)); }

// A town name of the address file without its note, or the ○○ of
// "○○の次に番地がくる場合".
std::string_view TownName(std::string_view town) {
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) return town.substr(0, i);
    if (town.compare(i, std::strlen(word::kNextTo), word::kNextTo) == 0 && town.find(word::kComes, i) != town.npos) {
      return town.substr(0, i);
    }
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
  const std::string_view town = *columns[StoredOffice::kTown], lot = *columns[StoredOffice::kLot];
  const std::string full = Spelled(std::string(town).append(lot));
  std::string place = full;
  size_t townLength = std::min(Spelled(town).size(), full.size());
  // Kyoto writes the street clause in the town column ("烏丸通二条上る") and
  // the town itself before the lot ("蒔絵屋町260"): the town the address
  // file lists.
  if (StreetClauseEnd(std::string_view(full).substr(0, townLength)) != 0) {
    const std::string spelledLot = Spelled(lot);
    if (!BeforeDigits(spelledLot).empty()) {
      place = spelledLot;
      townLength = BeforeDigits(place).size();
    }
  }
  office.full = static_cast<uint32_t>(store.places.size());
  office.fullLength = static_cast<uint32_t>(full.size());
  store.places.append(full);
  office.place = static_cast<uint32_t>(store.places.size());
  office.placeLength = static_cast<uint32_t>(place.size());
  store.places.append(place);
  office.townLength = static_cast<uint32_t>(townLength);
  return office;
}

void ReadOffices(OfficeStore& store) {
  // One reservation each: at most an office a line.
  const size_t lines = static_cast<size_t>(std::count(store.text.begin(), store.text.end(), '\n')) + 1;
  store.offices.reserve(lines);
  store.byCode.reserve(lines);
  store.byName.reserve(lines);
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

// Where the lot numbers begin in the office's text and in r.afterCity,
// when the office's town is the one written; false when another town is.
struct LotStart {
  std::string_view office;
  size_t written = std::string::npos;  // npos: no lot to compare
};

// Whether `record`, a candidate of the resolution, is the office's town.
// The office file often writes a town's 字 in the lot column: the town of
// the address file is then its town and the lot's first words; or the
// other way round.
bool RecordFits(const AddressBook::Impl& book, size_t record, size_t office, const std::string& written,
                LotStart& lot) {
  const std::string_view place = book.offices.Place(office);
  const size_t townLength = book.offices.offices[office].townLength;
  const RecordRole role = book.info[record].role;
  // The municipality's own lines (一円, 以下に掲載がない場合…) name no town.
  const std::string base =
      role == RecordRole::kTown ? Spelled(TownName(book.Text(record, StoredRecord::kTown))) : std::string();
  if (place.compare(0, base.size(), base) != 0) return false;
  const size_t at = written.find(base);
  if (base.size() >= townLength) {
    lot.office = place.substr(base.size());
    if (at != std::string::npos) lot.written = at + base.size();
    return true;
  }
  // A longer town than the address file's (別府町南, 東堀前通7番町): written whole.
  if (at != std::string::npos && written.compare(at, townLength, place.substr(0, townLength)) == 0) {
    lot.office = place.substr(townLength);
    lot.written = at + townLength;
    return true;
  }
  // 大島町の次に番地がくる場合 and ○○村一円: the resolver read the town as
  // part of the municipality's name, or the village has no towns.
  if (role == RecordRole::kNumberAfter || role == RecordRole::kWhole) {
    lot.office = place.substr(townLength);
    lot.written = 0;
    return true;
  }
  return false;
}

bool TownFits(const AddressBook::Impl& book, size_t office, const Resolution& r, LotStart& lot) {
  const std::string_view cityCode = book.offices.Text(office, StoredOffice::kCityCode);
  bool townFound = false;  // a town of the address file, not a building's line
  for (size_t record : r.candidates) {
    if (book.Text(record, StoredRecord::kCityCode) != cityCode) continue;
    if (RecordFits(book, record, office, r.afterCity, lot)) return true;
    townFound = townFound || book.info[record].buildingLength == 0;
  }
  // The address file lists no town for the address (a town it does not
  // know, or only a building's own lines): the office's words before its
  // first number written as they are, then a number.
  if (townFound && r.status != Status::kCity) return false;
  const std::string& written = r.afterCity;
  const std::string_view full = book.offices.Full(office);
  const std::string_view words = BeforeDigits(full);
  if (written.compare(0, words.size(), words) != 0) return false;
  if (words.size() < full.size() && (words.size() >= written.size() || !IsAsciiDigit(written[words.size()]))) return false;
  lot.office = full.substr(words.size());
  lot.written = words.size();
  return true;
}

// The lot numbers (丁目, 番, 号… alike) where both write them; the shorter
// may stop early.
bool LotFits(const LotStart& lot, const std::string& written) {
  if (lot.written == std::string::npos) return true;
  const AddressRest office = ReadRest(lot.office);
  const AddressRest typed = ReadRest(std::string_view(written).substr(lot.written));
  const int both = std::min(office.numberCount, typed.numberCount);
  for (int i = 0; i < both; ++i) {
    if (office.numbers[i].value != typed.numbers[i].value) return false;
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
  office.oldCode = store.Text(index, StoredOffice::kOldCode);
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
  LotStart lot;
  return TownFits(impl, index, resolution, lot) && LotFits(lot, resolution.afterCity);
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
