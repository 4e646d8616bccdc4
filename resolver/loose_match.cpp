// The readings tried where no town's name as written fits: a numbered town
// written as its lot, and a town in a looser spelling of its name.
#include "resolver/cp932_cursor.h"
#include "resolver/town_keys.h"
#include "resolver/town_match.h"

namespace resolver {

NumberedFound MatchNumberedTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, Scratch& scratch) {
  NumberedFound numbered;
  Cp932Cursor at{text};
  while (!at.AtEnd() && !at.Digit() && at.Peek() != '-') at.Next();
  const size_t digits = at.pos;
  while (at.Digit()) at.Next();
  const size_t end = at.pos;
  if (digits == 0 || end == digits || !at.TakeChar('-') || !at.Digit()) return numbered;
  const TownList towns = book.numberedTowns.Find(m, text.substr(0, end));
  if (towns.count == 0) return numbered;
  numbered.number = digits;
  numbered.numbers = 1;
  while (at.Digit()) {
    while (at.Digit()) at.Next();
    ++numbered.numbers;
    if (!at.TakeChar('-')) break;
  }
  const size_t before = scratch.found.size();
  scratch.readings.clear();
  for (size_t i = 0; i < towns.count; ++i) TryTown(book, towns[i], text, end, end + 1, std::string_view(), scratch);
  numbered.place = KeepFurthestReadings(scratch, before);
  numbered.end = scratch.found.size();
  return numbered;
}

TownFound MatchLooseTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, size_t beyond,
                         Scratch& scratch) {
  LooseSpelling(text, scratch.loose, &scratch.looseOrigins);
  PrefixBounds(scratch.loose, book.municipalities[m].longestTownName, m, scratch);
  const size_t before = scratch.found.size();
  scratch.readings.clear();
  for (size_t b = scratch.bounds.size(); b-- > 0;) {
    const size_t keyEnd = scratch.bounds[b];
    if (scratch.looseOrigins[keyEnd] <= beyond) break;
    const std::string_view key = std::string_view(scratch.loose).substr(0, keyEnd);
    const TownList towns = book.looseTowns.Find(m, key, scratch.boundHashes[b]);
    const size_t nameEnd = scratch.looseOrigins[keyEnd];
    bool listed = false;
    // a name with nothing to spell loosely is its own key (木上 for 木ノ上)
    const uint32_t plain = book.townNames.FindHashed(m, key, scratch.boundHashes[b]);
    for (size_t i = 0; i < towns.count; ++i) {
      listed = listed || towns[i] == plain;
      TryTown(book, towns[i], text, nameEnd, nameEnd, std::string_view(), scratch);
    }
    if (plain != NameTable::kAbsent && !listed) TryTown(book, plain, text, nameEnd, nameEnd, std::string_view(), scratch);
  }
  return KeepFurthestReadings(scratch, before);
}

namespace {

constexpr size_t kShortestPart = 2;  // characters of a district, and of the name after it

size_t Characters(std::string_view text) {
  size_t count = 0;
  for (Cp932Cursor at{text}; !at.AtEnd(); at.Next()) ++count;
  return count;
}

// `district` is a town of municipality `m` itself (四谷 of 新宿区), or begins
// the names of two of its towns or more (神田, 春野町).
bool IsDistrict(const AddressBook::Impl& book, uint32_t m, std::string_view district) {
  if (book.townNames.Find(m, district) != NameTable::kAbsent) return true;
  const TownNames& names = book.townNamesOf;
  int beginning = 0;
  for (uint32_t t = names.firstOf[m]; t < names.firstOf[m + 1] && beginning < 2; ++t) {
    const std::string_view name = names.NameOf(names.towns[t]);
    if (name.size() > district.size() && name.compare(0, district.size(), district) == 0) ++beginning;
  }
  return beginning >= 2;
}

}  // namespace

TownFound MatchTownByTail(const AddressBook::Impl& book, uint32_t m, std::string_view text, size_t beyond,
                          Scratch& scratch) {
  const size_t before = scratch.found.size();
  scratch.readings.clear();
  const TownNames& names = book.townNamesOf;
  for (uint32_t t = names.firstOf[m]; t < names.firstOf[m + 1]; ++t) {
    const std::string_view name = names.NameOf(names.towns[t]);
    // each end of the name after a district of two characters or more
    Cp932Cursor at{name};
    for (size_t k = 0; k < kShortestPart && !at.AtEnd(); ++k) at.Next();
    for (; !at.AtEnd(); at.Next()) {
      const std::string_view written = name.substr(at.pos);
      if (written.size() <= beyond || text[0] != written[0] || !WordAt(text, 0, written)) continue;
      if (Characters(written) < kShortestPart || !IsDistrict(book, m, name.substr(0, at.pos))) continue;
      TryTown(book, names.towns[t].town, text, written.size(), written.size(), std::string_view(), scratch);
    }
  }
  return KeepFurthestReadings(scratch, before);
}

TownFound MatchLooserTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, size_t beyond,
                          Scratch& scratch) {
  const size_t start = scratch.found.size();
  const TownFound loose = MatchLooseTown(book, m, text, beyond, scratch);
  const size_t middle = scratch.found.size();
  const TownFound tail = MatchTownByTail(book, m, text, beyond, scratch);
  if (!tail.found) return loose;
  if (!loose.found || tail.reach > loose.reach) {
    scratch.found.erase(scratch.found.begin() + static_cast<std::ptrdiff_t>(start),
                        scratch.found.begin() + static_cast<std::ptrdiff_t>(middle));
    return tail;
  }
  if (loose.reach > tail.reach) scratch.found.resize(middle);
  return loose;
}

}  // namespace resolver
