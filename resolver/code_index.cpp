#include "resolver/code_index.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "postal/number_text.h"
#include "resolver/book_impl.h"
#include "resolver/cp932_words.h"
#include "resolver/town_name.h"

namespace resolver {

namespace {

constexpr uint32_t kNoEntryOffice = 0xFFFFFFFF;
constexpr size_t kOldShortDigits = 3, kOldLongDigits = 5;  // the codes before 1998
const char kTownSeparator[] = " / ";

using CodeAndIndex = std::pair<uint32_t, uint32_t>;

// Seven ASCII digits as a number; nothing for anything else.
std::optional<uint32_t> CodeNumber(std::string_view digits) {
  if (digits.size() != kCodeDigits) return std::nullopt;
  uint32_t code = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    code = code * 10 + static_cast<uint32_t>(c - '0');
  }
  return code;
}

bool SameTown(const AddressBook::Impl& book, uint32_t a, uint32_t b) {
  return book.Text(a, StoredRecord::kPrefecture) == book.Text(b, StoredRecord::kPrefecture) &&
         book.Text(a, StoredRecord::kCity) == book.Text(b, StoredRecord::kCity) &&
         TownWithoutNote(book.Text(a, StoredRecord::kTown)) == TownWithoutNote(book.Text(b, StoredRecord::kTown));
}

// Where the last （ of a town column opens; npos when it has none.
size_t LastOpen(std::string_view town) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen) last = i;
    i += CharWidth(code);
  }
  return last;
}

void AppendPiece(std::string& out, std::string_view piece) {
  if (piece.empty()) return;
  if (!out.empty() && out.back() != ' ') out += ' ';
  out.append(piece);
}

}  // namespace

const char* LookupStatusName(LookupStatus status) {
  switch (status) {
    case LookupStatus::kExact:
      return "exact";
    case LookupStatus::kAmbiguous:
      return "ambiguous";
    case LookupStatus::kOffice:
      return "office";
    case LookupStatus::kNone:
      break;
  }
  return "none";
}

namespace {

// The digits of a code as people type it (a leading 〒 and blanks, hyphens
// and dashes, full-width digits, blanks at the end), at most `most`; 0 for
// a text that is anything else.
size_t ReadCodeDigits(std::string_view cp932, char* digits, size_t most) {
  const std::string normal = postal::NormalizeNumberText(std::string(cp932));
  size_t count = 0;
  size_t end = normal.size();
  // Blanks typed after the code, ASCII or full-width.
  for (;;) {
    if (end >= 1 && (normal[end - 1] == ' ' || normal[end - 1] == '\t')) {
      --end;
    } else if (EndsWithWord(std::string_view(normal).substr(0, end), word::kFullBlankText)) {
      end -= std::strlen(word::kFullBlankText);
    } else {
      break;
    }
  }
  for (size_t i = 0; i < end; ++i) {
    const char c = normal[i];
    if (c == '-' || c == ' ') continue;
    if (c < '0' || c > '9' || count == most) return 0;
    digits[count++] = c;
  }
  digits[count] = '\0';
  return count;
}

}  // namespace

bool ReadPostalCode(std::string_view cp932, char (&digits)[kCodeDigits + 1]) {
  return ReadCodeDigits(cp932, digits, kCodeDigits) == kCodeDigits;
}

bool ReadCodeWithoutItsZero(std::string_view cp932, char (&digits)[kCodeDigits + 1]) {
  digits[0] = '0';
  return ReadCodeDigits(cp932, digits + 1, kCodeDigits - 1) == kCodeDigits - 1;
}

CodeIndex::CodeIndex(const AddressBook& book) : book_(book) {
  AddTowns();
  AddOffices();
  AddOldCodes();
  PlaceBuildings();
}

void CodeIndex::AddOldCodes() {
  const AddressBook::Impl& impl = book_.impl();
  for (size_t i = 0; i < impl.records.size(); ++i) {
    const std::string_view old = impl.Text(i, StoredRecord::kOldCode);
    if (!old.empty() && impl.info[i].buildingLength == 0) oldTowns_.emplace_back(old, static_cast<uint32_t>(i));
  }
  std::stable_sort(oldTowns_.begin(), oldTowns_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // Each town once: a town's lines split by their notes are one town.
  size_t kept = 0;
  for (size_t i = 0; i < oldTowns_.size(); ++i) {
    bool known = false;
    for (size_t k = kept; k-- > 0 && oldTowns_[k].first == oldTowns_[i].first && !known;) {
      known = SameTown(impl, oldTowns_[k].second, oldTowns_[i].second);
    }
    if (!known) oldTowns_[kept++] = oldTowns_[i];
  }
  oldTowns_.resize(kept);
  oldTownRecords_.reserve(kept);
  for (const auto& town : oldTowns_) oldTownRecords_.push_back(town.second);
}

// Each code's towns, one record for each (a town's lines split by their
// notes are one town).
void CodeIndex::AddTowns() {
  const AddressBook::Impl& impl = book_.impl();
  std::vector<CodeAndIndex> byCode;
  byCode.reserve(impl.records.size());
  for (size_t i = 0; i < impl.records.size(); ++i) {
    const std::optional<uint32_t> code = CodeNumber(impl.Text(i, StoredRecord::kPostalCode));
    if (code) byCode.emplace_back(*code, static_cast<uint32_t>(i));
  }
  std::sort(byCode.begin(), byCode.end());
  codes_.reserve(byCode.size());
  entries_.reserve(byCode.size());
  towns_.reserve(byCode.size());
  for (size_t first = 0; first < byCode.size();) {
    size_t end = first;
    Entry entry;
    entry.firstTown = static_cast<uint32_t>(towns_.size());
    entry.office = kNoEntryOffice;
    for (; end < byCode.size() && byCode[end].first == byCode[first].first; ++end) {
      const uint32_t record = byCode[end].second;
      bool known = false;
      for (size_t t = entry.firstTown; t < towns_.size() && !known; ++t) known = SameTown(impl, towns_[t], record);
      if (!known) towns_.push_back(record);
    }
    entry.townCount = static_cast<uint32_t>(towns_.size() - entry.firstTown);
    codes_.push_back(byCode[first].first);
    entries_.push_back(entry);
    first = end;
  }
}

// The offices' own codes after the towns': a code both carry is the towns'.
void CodeIndex::AddOffices() {
  const OfficeStore& store = book_.impl().offices;
  std::vector<CodeAndIndex> byCode;
  byCode.reserve(store.offices.size());
  for (size_t i = 0; i < store.offices.size(); ++i) {
    const std::optional<uint32_t> code = CodeNumber(store.Text(i, StoredOffice::kPostalCode));
    if (code) byCode.emplace_back(*code, static_cast<uint32_t>(i));
  }
  std::sort(byCode.begin(), byCode.end());
  std::vector<uint32_t> codes;
  std::vector<Entry> entries;
  codes.reserve(codes_.size() + byCode.size());
  entries.reserve(codes.capacity());
  size_t town = 0;
  for (size_t office = 0; office < byCode.size() || town < codes_.size();) {
    const bool takeOffice = town == codes_.size() || (office < byCode.size() && byCode[office].first < codes_[town]);
    if (!takeOffice) {
      codes.push_back(codes_[town]);
      entries.push_back(entries_[town++]);
      while (office < byCode.size() && byCode[office].first == codes.back()) ++office;
      continue;
    }
    Entry entry;
    entry.firstTown = static_cast<uint32_t>(towns_.size());
    entry.office = byCode[office].second;  // the first in file order
    codes.push_back(byCode[office].first);
    entries.push_back(entry);
    while (office < byCode.size() && byCode[office].first == codes.back()) ++office;
  }
  codes_.swap(codes);
  entries_.swap(entries);
}

// "中央アエル（1階）" is the building アエル in the town 中央: the longest
// name of another town of the municipality that it begins with.
void CodeIndex::PlaceBuildings() {
  const AddressBook::Impl& impl = book_.impl();
  std::vector<std::string_view> towns;
  for (const Municipality& m : impl.municipalities) {
    bool hasBuilding = false;
    for (size_t i = m.firstRecord; i < m.endRecord && !hasBuilding; ++i) hasBuilding = impl.info[i].buildingLength != 0;
    if (!hasBuilding) continue;
    towns.clear();
    for (size_t i = m.firstRecord; i < m.endRecord; ++i) {
      if (impl.info[i].buildingLength == 0) towns.push_back(TownWithoutNote(impl.Text(i, StoredRecord::kTown)));
    }
    for (size_t i = m.firstRecord; i < m.endRecord; ++i) {
      if (impl.info[i].buildingLength == 0) continue;
      const std::string_view name = TownWithoutNote(impl.Text(i, StoredRecord::kTown));
      size_t longest = 0;
      for (const std::string_view town : towns) {
        if (town.size() > longest && town.size() < name.size() && name.compare(0, town.size(), town) == 0) {
          longest = town.size();
        }
      }
      if (longest != 0) buildingTown_.emplace(static_cast<uint32_t>(i), static_cast<uint32_t>(longest));
    }
  }
}

CodeMatch CodeIndex::Find(std::string_view cp932) const {
  char digits[kCodeDigits + 1] = {};
  const size_t count = ReadCodeDigits(cp932, digits, kCodeDigits);
  if (count == kCodeDigits) return FindCode(digits);
  if (count == kCodeDigits - 1 && ReadCodeWithoutItsZero(cp932, digits)) {
    CodeMatch match = FindCode(digits);
    match.zeroAdded = match.status != LookupStatus::kNone;
    if (match.zeroAdded) return match;
  }
  if (count == kOldShortDigits || count == kOldLongDigits) {
    CodeMatch match = FindOldCode(std::string_view(digits, count));
    if (match.status == LookupStatus::kNone && count == kOldLongDigits && digits[3] == '0' && digits[4] == '0') {
      match = FindOldCode(std::string_view(digits, kOldShortDigits));
    }
    if (match.status != LookupStatus::kNone) return match;
  }
  return CodeMatch();
}

CodeMatch CodeIndex::FindOldCode(std::string_view digits) const {
  CodeMatch match;
  const auto less = [](const std::pair<std::string_view, uint32_t>& a, std::string_view b) { return a.first < b; };
  const auto first = std::lower_bound(oldTowns_.begin(), oldTowns_.end(), digits, less);
  auto end = first;
  while (end != oldTowns_.end() && end->first == digits) ++end;
  if (first == end) return match;
  match.status = LookupStatus::kAmbiguous;
  match.oldCode = true;
  std::memcpy(match.postalCode, digits.data(), digits.size());
  match.towns = oldTownRecords_.data() + (first - oldTowns_.begin());
  match.townCount = static_cast<size_t>(end - first);
  match.entry = codes_.size();
  return match;
}

CodeMatch CodeIndex::FindCode(const char* digits) const {
  CodeMatch match;
  std::memcpy(match.postalCode, digits, kCodeDigits);
  const std::optional<uint32_t> code = CodeNumber(match.postalCode);
  if (!code) {
    match.postalCode[0] = '\0';
    return match;
  }
  const auto found = std::lower_bound(codes_.begin(), codes_.end(), *code);
  if (found == codes_.end() || *found != *code) return match;
  match.entry = static_cast<size_t>(found - codes_.begin());
  const Entry& entry = entries_[match.entry];
  if (entry.townCount != 0) {
    match.status = entry.townCount == 1 ? LookupStatus::kExact : LookupStatus::kAmbiguous;
    match.towns = towns_.data() + entry.firstTown;
    match.townCount = entry.townCount;
  } else {
    match.status = LookupStatus::kOffice;
    match.office = entry.office;
  }
  return match;
}

TownParts CodeIndex::Parts(size_t record) const {
  const AddressBook::Impl& impl = book_.impl();
  const std::string_view column = impl.Text(record, StoredRecord::kTown);
  TownParts parts;
  parts.prefecture = impl.Text(record, StoredRecord::kPrefecture);
  parts.city = impl.Text(record, StoredRecord::kCity);
  parts.town = TownWithoutNote(column);
  const auto building = buildingTown_.find(static_cast<uint32_t>(record));
  if (building == buildingTown_.end()) return parts;
  // The building runs to its floor's （, keeping a part's own （高層棟）.
  const size_t townLength = building->second;
  const size_t open = LastOpen(column);
  if (open == std::string_view::npos || open < townLength) return parts;
  parts.town = column.substr(0, townLength);
  parts.building = column.substr(townLength, open - townLength);
  std::string_view floor = column.substr(open + CharWidth(ch::kOpen));
  if (EndsWithWord(floor, word::kCloseParen)) floor.remove_suffix(std::strlen(word::kCloseParen));
  parts.floor = floor;
  return parts;
}

void CodeIndex::Cells(const CodeMatch& match, AddressCells& out) const {
  out.prefecture.clear();
  out.city.clear();
  out.town.clear();
  switch (match.status) {
    case LookupStatus::kExact: {
      const TownParts parts = Parts(match.towns[0]);
      out.prefecture.assign(parts.prefecture);
      out.city.assign(parts.city);
      out.town.assign(parts.town);
      return;
    }
    case LookupStatus::kOffice: {
      const OfficeStore& store = book_.impl().offices;
      out.prefecture.assign(store.Text(match.office, StoredOffice::kPrefecture));
      out.city.assign(store.Text(match.office, StoredOffice::kCity));
      out.town.assign(store.Text(match.office, StoredOffice::kTown));
      return;
    }
    case LookupStatus::kAmbiguous:
      break;
    case LookupStatus::kNone:
      return;
  }
  const TownParts first = Parts(match.towns[0]);
  bool samePrefecture = true, sameCity = true;
  for (size_t i = 1; i < match.townCount; ++i) {
    const TownParts parts = Parts(match.towns[i]);
    samePrefecture = samePrefecture && parts.prefecture == first.prefecture;
    sameCity = sameCity && parts.city == first.city;
  }
  sameCity = sameCity && samePrefecture;
  if (samePrefecture) out.prefecture.assign(first.prefecture);
  if (sameCity) out.city.assign(first.city);
  std::string piece;
  for (size_t i = 0; i < match.townCount; ++i) {
    const TownParts parts = Parts(match.towns[i]);
    piece.clear();
    if (!samePrefecture) AppendPiece(piece, parts.prefecture);
    if (!sameCity) AppendPiece(piece, parts.city);
    AppendPiece(piece, parts.town);
    if (i > 0) out.town += kTownSeparator;
    out.town += piece;
  }
}

}  // namespace resolver
