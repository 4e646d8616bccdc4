#include "datafiles/index_build.h"

#include <cstring>

#include "datafiles/range_format.h"
#include "postal/line_reader.h"
#include "postal/records.h"
#include "postal/texts.h"

namespace datafiles {

namespace {

using postal::AddressRecord;
using postal::LineReader;

constexpr int kLinesPerStep = 100;

// Calls each(lineIndex, record, parsed) for every line of the address file;
// false when the file cannot be opened.
template <class Each>
bool ForEachAddressLine(const std::string& addressFile, const BuildProgress& progress, Each each) {
  LineReader reader(addressFile, postal::kAddressLineBytes);
  if (!reader.IsOpen()) return false;
  char line[postal::kAddressLineBytes + 1];
  size_t length;
  AddressRecord record;
  std::memset(&record, 0, sizeof record);
  for (long i = 0; reader.NextInto(line, length); ++i) {
    const bool parsed = postal::ParseAddressLine(line, record);
    each(i, record, parsed);
    if (progress && i % kLinesPerStep == 0) progress(static_cast<int>(i / kLinesPerStep));
  }
  return true;
}

// True when `name` differs from `last` within the length of `last`.
bool RunChanges(const char* name, const char* last) { return std::strncmp(name, last, std::strlen(last)) != 0; }

// The first record whose key is the code's first two bytes (digits only).
postal::NumberRange* FindKey(postal::NumberRange* table, const char* code) {
  if (code[0] < '0' || code[0] > '9' || code[1] < '0' || code[1] > '9') return nullptr;
  for (int k = 0; k < postal::kNumberRecords; ++k) {
    if (table[k].key[0] == code[0] && table[k].key[1] == code[1]) return &table[k];
  }
  return nullptr;
}

void Extend(postal::NumberRange* range, long i) {
  if (range == nullptr) return;
  if (range->first < 0) range->first = static_cast<int32_t>(i);
  range->end = static_cast<int32_t>(i + 1);
}

}  // namespace

std::string BuildCityList(const std::string& addressFile, const BuildProgress& progress) {
  std::string out;
  char lastPrefecture[10] = "aaaaaa";  // matches no name, so the first line is written
  char lastCity[100] = "aaaaa";
  ForEachAddressLine(addressFile, progress, [&](long, const AddressRecord& r, bool parsed) {
    if (!parsed || !(RunChanges(r.prefecture, lastPrefecture) || RunChanges(r.city, lastCity))) return;
    out += r.prefecture;
    out += r.city;
    out += '\n';
    std::strncpy(lastPrefecture, r.prefecture, sizeof lastPrefecture - 1);
    std::strncpy(lastCity, r.city, sizeof lastCity - 1);
  });
  return out;
}

std::string BuildPrefectureRanges(const std::string& addressFile, const BuildProgress& progress) {
  std::string out;
  postal::PrefectureRange current;
  std::memset(&current, 0, sizeof current);
  std::strncpy(current.name, postal::kHokkaido, sizeof current.name - 1);
  const bool opened = ForEachAddressLine(addressFile, progress, [&](long i, const AddressRecord& r, bool parsed) {
    const int32_t n = static_cast<int32_t>(i + 1);
    if (parsed && RunChanges(r.prefecture, current.name)) {
      AppendRecord(out, current);
      std::memset(current.name, 0, sizeof current.name);
      std::strncpy(current.name, r.prefecture, sizeof current.name - 1);
      current.first = n;
    }
    current.last = n;
  });
  if (!opened) return std::string();
  AppendRecord(out, current);  // the last run
  return out;
}

NumberRangeFiles BuildNumberRanges(const std::string& addressFile, const BuildProgress& progress) {
  postal::NumberRange newTable[postal::kNumberRecords];
  postal::NumberRange oldTable[postal::kNumberRecords];
  InitNumberTable(newTable);
  InitNumberTable(oldTable);
  ForEachAddressLine(addressFile, progress, [&](long i, const AddressRecord& r, bool parsed) {
    if (!parsed) return;
    Extend(FindKey(newTable, r.newNumber), i);
    Extend(FindKey(oldTable, r.oldNumber), i);
  });
  NumberRangeFiles files;
  for (const auto& record : newTable) AppendRecord(files.newNumbers, record);
  for (const auto& record : oldTable) AppendRecord(files.oldNumbers, record);
  return files;
}

}  // namespace datafiles
