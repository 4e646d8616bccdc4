#include "resolver/town_keys.h"

#include <algorithm>
#include <cstring>

#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/town_spellings.h"

namespace resolver {

namespace {

// kLooseCharacters followed to their end (エ → 工, ニ → 二 → 2), by code:
// what each character is read as (0: itself), and whether it is what some
// other is read as. Built once, never changed.
struct LooseTable {
  std::vector<uint16_t> readAs = std::vector<uint16_t>(0x10000, 0);
  std::vector<bool> target = std::vector<bool>(0x10000, false);
};

uint16_t CodeOf(const char* text) { return CharCode(text, std::strlen(text)); }

LooseTable MakeLooseTable() {
  LooseTable table;
  for (const postal::Cp932Pair& fold : spell::kLooseCharacters) {
    uint16_t to = CodeOf(fold.second);
    for (bool moved = true; moved;) {
      moved = false;
      for (const postal::Cp932Pair& pair : spell::kLooseCharacters) {
        if (CodeOf(pair.first) == to) {
          to = CodeOf(pair.second);
          moved = true;
        }
      }
    }
    table.readAs[CodeOf(fold.first)] = to;
    table.target[to] = true;
  }
  return table;
}

const LooseTable& TheLooseTable() {
  static const LooseTable table = MakeLooseTable();
  return table;
}

uint16_t Loose(uint16_t code) {
  const uint16_t to = TheLooseTable().readAs[code];
  return to != 0 ? to : code;
}

// A character some other is read as, or one read as another.
bool TakesPartInFolding(uint16_t code) {
  const LooseTable& table = TheLooseTable();
  return IsAsciiDigit(code) || code == ch::kNoKana || table.readAs[code] != 0 || table.target[code];
}

}  // namespace

void TownKeys::Add(uint32_t municipality, std::string_view key, uint32_t town) {
  const uint32_t held = table_.Insert(municipality, key, town);
  if (held == town) return;
  if ((held & kShared) != 0) {
    std::vector<uint32_t>& towns = shared_[held & ~kShared];
    if (std::find(towns.begin(), towns.end(), town) == towns.end()) towns.push_back(town);
    return;
  }
  table_.Replace(municipality, key, kShared | static_cast<uint32_t>(shared_.size()));
  shared_.push_back({held, town});
}

TownList TownKeys::Find(uint32_t municipality, std::string_view key, uint64_t hash) const {
  TownList list;
  const uint32_t value = table_.FindHashed(municipality, key, hash);
  if (value == NameTable::kAbsent) return list;
  if ((value & kShared) == 0) {
    list.one = value;
    list.count = 1;
    return list;
  }
  const std::vector<uint32_t>& towns = shared_[value & ~kShared];
  list.many = towns.data();
  list.count = towns.size();
  return list;
}

TownList TownKeys::Find(uint32_t municipality, std::string_view key) const {
  NameTable::PrefixHash hash(municipality);
  hash.Add(key);
  return Find(municipality, key, hash.value());
}

bool NumberedTownKey(std::string_view name, std::string& key) {
  for (const char* ending : spell::kNumberedEndings) {
    const size_t n = std::strlen(ending);
    if (name.size() <= n || name.compare(name.size() - n, n, ending) != 0 || !EndsWithWord(name, ending)) continue;
    const std::string_view front = name.substr(0, name.size() - std::strlen(ending));
    // the number: Arabic digits, or kanji numerals read as one
    size_t begin = front.size();
    while (begin > 0 && IsAsciiDigit(static_cast<unsigned char>(front[begin - 1]))) --begin;
    long number = -1;
    if (begin < front.size()) {
      number = std::stol(std::string(front.substr(begin)));
    } else {
      int values[8];
      size_t count = 0;
      for (size_t at = LastCharAt(front); count < std::size(values) && !front.empty();) {
        const int value = KanjiNumeralValue(CharCode(front.data() + at, front.size() - at));
        if (value < 0) break;
        values[count++] = value;
        begin = at;
        if (at == 0) break;
        at = LastCharAt(front.substr(0, at));
      }
      if (count == 0 || count == std::size(values)) return false;
      std::reverse(values, values + count);
      number = NumeralRunValue(values, count);
    }
    if (begin == 0 || number < 0) return false;
    key.assign(front.substr(0, begin));
    key += std::to_string(number);
    return true;
  }
  return false;
}

bool HasLooseSpelling(std::string_view name) {
  for (Cp932Cursor at{name}; !at.AtEnd(); at.Next()) {
    if (TakesPartInFolding(at.Peek())) return true;
  }
  return false;
}

void LooseSpelling(std::string_view text, std::string& key, std::vector<uint32_t>* origins, LeftOutNo leftOut) {
  key.clear();
  if (origins != nullptr) origins->clear();
  for (Cp932Cursor at{text}; !at.AtEnd(); at.Next()) {
    const uint16_t code = Loose(at.Peek());
    if (code == ch::kNoKana && leftOut == LeftOutNo::kRead) continue;
    const size_t before = key.size();
    AppendChar(code, key);
    if (origins != nullptr) origins->insert(origins->end(), key.size() - before, static_cast<uint32_t>(at.pos));
  }
  if (origins != nullptr) origins->push_back(static_cast<uint32_t>(text.size()));
}

void TownNames::Group(size_t municipalities) {
  firstOf.assign(municipalities + 1, 0);
  for (const Named& named : towns) ++firstOf[named.municipality + 1];
  for (size_t m = 0; m < municipalities; ++m) firstOf[m + 1] += firstOf[m];
  std::vector<Named> grouped(towns.size());
  std::vector<uint32_t> next(firstOf.begin(), firstOf.end() - 1);
  for (const Named& named : towns) grouped[next[named.municipality]++] = named;
  towns.swap(grouped);
}

}  // namespace resolver
