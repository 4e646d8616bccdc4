#include "resolver/town_match.h"

#include <algorithm>
#include <cstring>

#include "resolver/cp932_words.h"

namespace resolver {

namespace {

// Offset of `needle` in `hay` at a character boundary, or npos.
size_t FindText(const char* needle, size_t n, const char* hay, size_t length) {
  if (n == 0 || n > length) return std::string::npos;
  for (size_t i = 0; i + n <= length;) {
    if (std::memcmp(hay + i, needle, n) == 0) return i;
    i += CharWidth(CharCode(hay + i, length - i));
  }
  return std::string::npos;
}

// Where the building of a record is named in `rest`: the end of the first
// of its names found, or npos.
size_t FindBuilding(const AddressBook::Impl& book, const RecordInfo& info, const AddressRest& rest) {
  const char* names = book.names.data() + info.building;
  const char* const end = names + info.buildingLength;
  size_t found = std::string::npos;
  while (names < end) {
    const char* tab = static_cast<const char*>(std::memchr(names, kAliasSeparator, static_cast<size_t>(end - names)));
    const size_t n = static_cast<size_t>((tab ? tab : end) - names);
    const size_t at = FindText(names, n, rest.text, rest.length);
    if (at != std::string::npos && (found == std::string::npos || at + n < found)) found = at + n;
    names += n + 1;
  }
  return found;
}

ItemKind FirstKind(const AddressBook::Impl& book, uint32_t record) {
  const NoteRule& rule = book.info[record].rule;
  return rule.count == 0 ? ItemKind::kEverything : book.notes.items[rule.first].kind;
}

// Step 1: each record's note against the address, a building's floor read
// after its name. True when some record has a note that is no "その他".
bool TestEachRecord(const AddressBook::Impl& book, const uint32_t* records, size_t count, MatchContext& context,
                    Scratch& scratch) {
  const AddressRest& rest = *context.rest;
  scratch.tested.clear();
  bool anyNoted = false;
  for (size_t r = 0; r < count; ++r) {
    const RecordInfo& info = book.info[records[r]];
    Scratch::Tested t{records[r], RuleFit(), info.buildingLength > 0, false};
    context.floor = rest.floor;
    context.basement = rest.basement;
    if (t.building) {
      const size_t end = FindBuilding(book, info, rest);
      t.buildingSeen = end != std::string::npos;
      if (t.buildingSeen) ReadFloorAt(rest.text, rest.length, end, context.floor, context.basement);
    }
    if (!t.building || t.buildingSeen) t.fit = MatchRule(info.rule, book.notes, context);
    anyNoted = anyNoted || (info.rule.count > 0 && !t.fit.usesOther);
    scratch.tested.push_back(t);
  }
  return anyNoted;
}

// Step 2: the listed buildings. Returns whether one is named.
bool SettleBuildings(const AddressBook::Impl& book, MatchContext& context, Scratch& scratch) {
  const AddressRest& rest = *context.rest;
  bool seen = false, fits = false, unknownFloor = false;
  for (const Scratch::Tested& t : scratch.tested) {
    seen = seen || t.buildingSeen;
    fits = fits || (t.buildingSeen && t.fit.fit != Fit::kNo);
    unknownFloor = unknownFloor || (t.buildingSeen && FirstKind(book, t.record) == ItemKind::kBasementOrUnknown);
  }
  if (seen && !fits) {
    // Named with a floor it has no line for: its 地階・階層不明 line may be
    // meant (or any of its lines, without one).
    for (Scratch::Tested& t : scratch.tested) {
      if (t.buildingSeen && (!unknownFloor || FirstKind(book, t.record) == ItemKind::kBasementOrUnknown)) {
        t.fit.fit = Fit::kMaybe;
      }
    }
  }
  if (!seen && (rest.floor != kUnknown || rest.basement)) {
    // A floor in a building none of whose names was found: perhaps a listed
    // one written another way, so its floor may fit too.
    context.floor = rest.floor;
    context.basement = rest.basement;
    for (Scratch::Tested& t : scratch.tested) {
      if (!t.building) continue;
      const Fit fit = MatchRule(book.info[t.record].rule, book.notes, context).fit;
      t.fit.fit = fit == Fit::kNo ? Fit::kNo : Fit::kMaybe;
    }
  }
  return seen;
}

// Step 3: the longest place name written wins over a shorter one it begins
// with, a named building over the town around it; "その他" (and a plain line
// beside noted ones) takes what no sibling takes.
void SettleRestOfTown(const AddressBook::Impl& book, bool anyNoted, bool buildingSeen, Scratch& scratch) {
  size_t longestName = 0;
  for (const Scratch::Tested& t : scratch.tested) {
    if (t.fit.fit != Fit::kNo) longestName = std::max(longestName, t.fit.nameLength);
  }
  scratch.nameLength = longestName;
  Fit siblings = Fit::kNo;  // the best of the records with a note of their own
  for (Scratch::Tested& t : scratch.tested) {
    if (t.fit.nameLength > 0 && t.fit.nameLength < longestName) t.fit.fit = Fit::kNo;
    if (buildingSeen && !t.building) t.fit.fit = Fit::kNo;
    const bool plainBesideNotes = anyNoted && book.info[t.record].rule.count == 0;
    if (!t.fit.usesOther && !plainBesideNotes && !t.building && t.fit.fit > siblings) siblings = t.fit.fit;
  }
  const Fit restOfTown = siblings == Fit::kYes ? Fit::kNo : siblings == Fit::kMaybe ? Fit::kMaybe : Fit::kYes;
  for (Scratch::Tested& t : scratch.tested) {
    if (buildingSeen && !t.building) continue;
    if (t.fit.usesOther) {
      t.fit.fit = FirstKind(book, t.record) == ItemKind::kExceptBuildings ? Fit::kYes : restOfTown;
    } else if (anyNoted && book.info[t.record].rule.count == 0) {
      t.fit.fit = restOfTown;
    }
  }
}

// Tests one town's records; adds those that fit to scratch.found, true when any.
bool TestTown(const AddressBook::Impl& book, const uint32_t* records, size_t count, MatchContext& context,
              Scratch& scratch) {
  const bool anyNoted = TestEachRecord(book, records, count, context, scratch);
  const bool buildingSeen = SettleBuildings(book, context, scratch);
  SettleRestOfTown(book, anyNoted, buildingSeen, scratch);
  bool any = false;
  for (const Scratch::Tested& t : scratch.tested) {
    if (t.fit.fit == Fit::kNo) continue;
    scratch.found.push_back(t.record);
    any = true;
  }
  return any;
}

bool TestTownWithRest(const AddressBook::Impl& book, const uint32_t* records, size_t count, const char* rest,
                      size_t length, const char* street, size_t streetLength, Scratch& scratch) {
  ReadRest(rest, length, scratch.rest);
  MatchContext context;
  context.rest = &scratch.rest;
  context.chomeView = scratch.rest.Values(true);
  context.banchiView = scratch.rest.Values(false);
  size_t clauseEnd;
  if (street == nullptr && FindStreetClause(rest, length, clauseEnd)) {
    street = rest;  // "二条殿町烏丸通御池上る": the clause after the town
    streetLength = clauseEnd;
  }
  if (street != nullptr) {
    // "一町目（松屋町通出水下る）"
    if (streetLength >= 2 && CharCode(street, streetLength) == ch::kOpen) {
      street += 2;
      streetLength -= 2;
    }
    CanonicalStreet(street, streetLength, scratch.street);
    context.street = scratch.street.data();
    context.streetLength = scratch.street.size();
  }
  if (TestTown(book, records, count, context, scratch)) return true;
  context.relaxNames = true;  // the text names no listed place: each may be it
  return TestTown(book, records, count, context, scratch);
}

// Every town whose name begins `text`: the reading that accounts for the
// most of the text wins ("生野屋（西村）" over "生野屋西" for 生野屋西村);
// readings of equal reach stand together.
bool MatchTownAt(const AddressBook::Impl& book, uint32_t m, const char* text, size_t length, const char* street,
                 size_t streetLength, Scratch& scratch) {
  scratch.bounds.clear();
  for (size_t i = 0; i < length && i < book.longestTownName;) {
    i += CharWidth(CharCode(text + i, length - i));
    if (i <= length) scratch.bounds.push_back(i);
  }
  const size_t before = scratch.found.size();
  scratch.readings.clear();
  size_t best = 0;
  for (size_t b = scratch.bounds.size(); b-- > 0;) {
    const size_t nameEnd = scratch.bounds[b];
    const uint32_t town = book.townNames.Find(m, text, nameEnd);
    if (town == NameTable::kAbsent) continue;
    const uint32_t first = book.townStart[town];
    const size_t begin = scratch.found.size();
    if (!TestTownWithRest(book, book.townRecords.data() + first, book.townStart[town + 1] - first, text + nameEnd,
                          length - nameEnd, street, streetLength, scratch)) {
      continue;
    }
    const size_t reach = nameEnd + scratch.nameLength;
    scratch.readings.push_back(Scratch::Reading{begin, scratch.found.size(), reach});
    best = std::max(best, reach);
  }
  if (scratch.readings.empty()) return false;
  size_t kept = before;
  for (const Scratch::Reading& reading : scratch.readings) {
    if (reading.reach != best) continue;
    for (size_t i = reading.begin; i < reading.end; ++i) scratch.found[kept++] = scratch.found[i];
  }
  scratch.found.resize(kept);
  return true;
}


}  // namespace

bool MatchTownsOf(const AddressBook::Impl& book, uint32_t m, const char* text, size_t length, Scratch& scratch) {
  // Kyoto writes the street clause first: "烏丸通御池上る二条殿町".
  size_t clauseEnd;
  if (FindStreetClause(text, length, clauseEnd) && clauseEnd < length &&
      MatchTownAt(book, m, text + clauseEnd, length - clauseEnd, text, clauseEnd, scratch)) {
    return true;
  }
  if (MatchTownAt(book, m, text, length, nullptr, 0, scratch)) return true;
  const Municipality& municipality = book.municipalities[m];
  const size_t skip = VillagePrefixLength(text, length);
  if (skip < length && text[skip] >= '0' && text[skip] <= '9' && municipality.numberAfterCount > 0 &&
      TestTownWithRest(book, book.numberAfterRecords.data() + municipality.firstNumberAfter,
                       municipality.numberAfterCount, text, length, nullptr, 0, scratch)) {
    return true;
  }
  if (municipality.whole >= 0) {
    scratch.found.push_back(static_cast<uint32_t>(municipality.whole));
    return true;
  }
  return false;
}

}  // namespace resolver
