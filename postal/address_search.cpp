#include "postal/address_search.h"

#include <cstring>

#include "postal/line_reader.h"
#include "postal/text.h"
#include "postal/texts.h"

namespace postal {

namespace {

constexpr size_t kShortNumberBytes = 7;
constexpr size_t kFormTextBytes = 255;
constexpr size_t kPrefectureCompareBytes = 4;

struct LineRange {
  long first;
  long last;
};

// The first record whose key's two bytes equal the text's first two; a text
// shorter than two bytes matches no key.
const NumberRange* FindNumberRecord(const NumberRange* table, const std::string& text) {
  const char a = text.size() > 0 ? text[0] : '\0';
  const char b = text.size() > 1 ? text[1] : '\0';
  if (a == '\0' || b == '\0') return nullptr;
  for (int k = 0; k < kNumberRecords; ++k) {
    if (table[k].key[0] == a && table[k].key[1] == b) return &table[k];
  }
  return nullptr;
}

// The first prefecture record whose name begins with `text`.
const PrefectureRange* FindPrefectureRecord(const IndexTables& tables, const std::string& text) {
  for (const PrefectureRange& record : tables.prefectures) {
    const size_t nameLength = strnlen(record.name, sizeof record.name);
    if (text.size() <= nameLength && std::memcmp(record.name, text.data(), text.size()) == 0) return &record;
  }
  return nullptr;
}

bool Begins(const char* field, const std::string& text) { return BeginsWith(field, text.data(), text.size()); }

// Calls match(line) for each line numbered first..last, with the line in a
// writable, terminated buffer.
template <class Match>
void ForEachLineIn(const std::string& path, LineRange range, Match match) {
  if (range.last < 1 || range.first > range.last) return;
  LineReader reader(path, kAddressLineBytes);
  char line[kAddressLineBytes + 1];
  const char* text;
  size_t length;
  while (reader.PieceCount() + 1 < range.first) {
    if (!reader.Next(text, length)) return;
  }
  while (reader.PieceCount() < range.last && reader.NextInto(line, length)) match(line);
}

void SearchNumber(const std::string& path, const IndexTables& tables, const SearchForm& q, AddressRows& rows) {
  std::string text = TruncateText(q.number, q.kind == kOldNumber ? kShortNumberBytes : kFormTextBytes);
  if (MatchWildcard("*-*", text.c_str())) RemoveChar(text, '-');
  const NumberRange* record = FindNumberRecord(q.kind == kOldNumber ? tables.oldNumbers : tables.newNumbers, text);
  if (record == nullptr || record->first < 0 || record->end < 0) return;
  AddressRecord scratch;
  ForEachLineIn(path, {record->first, record->end}, [&](char* line) {
    if (!ParseAddressKey(line, scratch, q.kind)) return;
    const char* key = q.kind == kOldNumber ? scratch.oldNumber : scratch.newNumber;
    if (Begins(key, text) && ParseAddressLine(line, scratch)) rows.Add(scratch);
  });
}

void SearchCityCode(const std::string& path, const std::string& text, AddressRows& rows) {
  LineReader reader(path, kAddressLineBytes);
  char line[kAddressLineBytes + 1];
  const char* raw;
  size_t length;
  AddressRecord scratch;
  while (reader.Next(raw, length)) {
    // The code is the line's first bytes: most lines fail here uncut.
    if (length < text.size() || std::memcmp(raw, text.data(), text.size()) != 0) continue;
    std::memcpy(line, raw, length);
    line[length] = '\0';
    if (ParseAddressKey(line, scratch, kCityCode) && Begins(scratch.cityCode, text) &&
        ParseAddressLine(line, scratch)) {
      rows.Add(scratch);
    }
  }
}

void SearchAreaPlace(const std::string& path, const IndexTables& tables, const std::string& place,
                     AddressRows& rows) {
  std::string prefecture, city;
  SplitAreaPlace(place, prefecture, city);
  const PrefectureRange* record = FindPrefectureRecord(tables, prefecture);
  if (record == nullptr) return;
  AddressRecord scratch;
  ForEachLineIn(path, {record->first, record->last}, [&](char* line) {
    if (ParseAddressLine(line, scratch) && Begins(scratch.prefecture, prefecture) && Begins(scratch.city, city)) {
      rows.Add(scratch);
    }
  });
}

void SearchLocation(const std::string& path, const IndexTables& tables, const SearchForm& q, AddressRows& rows) {
  const std::string prefecture = TruncateText(q.prefecture, kFormTextBytes);
  const std::string city = TruncateText(q.city, kFormTextBytes);
  const std::string town = TruncateText(q.town, kFormTextBytes);
  const PrefectureRange* record = FindPrefectureRecord(tables, prefecture);
  if (record == nullptr) return;
  // Always the first two characters, a shorter text padded with zeros.
  char head[kPrefectureCompareBytes] = {};
  std::memcpy(head, prefecture.data(), prefecture.size() < sizeof head ? prefecture.size() : sizeof head);
  AddressRecord scratch;
  ForEachLineIn(path, {record->first, record->last}, [&](char* line) {
    if (!ParseAddressLine(line, scratch)) return;
    // strncmp stops at a terminator, which is the zero padding of both sides.
    if (std::strncmp(head, scratch.prefecture, sizeof head) != 0) return;
    if (Begins(scratch.city, city) && ContainsText(town.c_str(), scratch.town)) rows.Add(scratch);
  });
}

void SearchFuzzy(const std::string& path, const std::string& text, AddressRows& rows) {
  LineReader reader(path, kAddressLineBytes);
  char line[kAddressLineBytes + 1];
  size_t length;
  AddressRecord scratch;
  const char* needle = text.c_str();
  const size_t n = text.size();
  // Only a line holding the text's bytes can match: the reader jumps to them.
  while (reader.SkipToLineContaining(text) && reader.NextInto(line, length)) {
    if (!ParseAddressNames(line, scratch)) continue;
    if (ContainsText(needle, n, scratch.city, std::strlen(scratch.city)) ||
        ContainsText(needle, n, scratch.town, std::strlen(scratch.town)) ||
        ContainsText(needle, n, scratch.cityKana, std::strlen(scratch.cityKana)) ||
        ContainsText(needle, n, scratch.townKana, std::strlen(scratch.townKana))) {
      if (ParseAddressLine(line, scratch)) rows.Add(scratch);
    }
  }
}

}  // namespace

const char* SearchAddresses(const std::string& path, const IndexTables& tables, const SearchForm& q,
                            AddressRows& rows) {
  switch (q.mode) {
    case SearchMode::kNumber:
      switch (q.kind) {
        case kOldNumber:
        case kNewNumber:
          if (TruncateText(q.number, q.kind == kOldNumber ? kShortNumberBytes : kFormTextBytes).size() < 2) {
            return kNeedTwoCharacters;
          }
          SearchNumber(path, tables, q, rows);
          return nullptr;
        case kCityCode: {
          const std::string text = TruncateText(q.number, kShortNumberBytes);
          // A one-byte city code gets the empty-input message, not the two-character one: as the program always did.
          if (text.size() < 2) return kNeedInput;
          SearchCityCode(path, text, rows);
          return nullptr;
        }
        case kAreaCode: {
          const std::string place = TruncateText(q.areaPlace, kFormTextBytes);
          if (place.empty()) return kNeedInput;
          SearchAreaPlace(path, tables, place, rows);
          return nullptr;
        }
        default:
          return nullptr;
      }
    case SearchMode::kLocation:
      SearchLocation(path, tables, q, rows);
      return nullptr;
    case SearchMode::kFuzzy: {
      const std::string text = TruncateText(q.fuzzy, kFormTextBytes);
      if (text.empty()) return kNeedInput;
      SearchFuzzy(path, text, rows);
      return nullptr;
    }
    default:
      return nullptr;
  }
}

}  // namespace postal
