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

TownFound MatchLooseTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, Scratch& scratch) {
  LooseSpelling(text, scratch.loose, &scratch.looseOrigins);
  PrefixBounds(scratch.loose, book.municipalities[m].longestTownName, m, scratch);
  const size_t before = scratch.found.size();
  scratch.readings.clear();
  for (size_t b = scratch.bounds.size(); b-- > 0;) {
    const size_t keyEnd = scratch.bounds[b];
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

TownFound MatchTownByTail(const AddressBook::Impl& book, uint32_t m, std::string_view text, Scratch& scratch) {
  PrefixBounds(text, book.municipalities[m].longestTownName, m, scratch);
  const size_t before = scratch.found.size();
  scratch.readings.clear();
  for (size_t b = scratch.bounds.size(); b-- > 0;) {
    const size_t nameEnd = scratch.bounds[b];
    const TownList towns = book.tailTowns.Find(m, text.substr(0, nameEnd), scratch.boundHashes[b]);
    for (size_t i = 0; i < towns.count; ++i) TryTown(book, towns[i], text, nameEnd, nameEnd, std::string_view(), scratch);
  }
  return KeepFurthestReadings(scratch, before);
}

}  // namespace resolver
