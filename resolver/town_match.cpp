#include "resolver/town_match.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "resolver/book_index.h"
#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/town_spellings.h"

namespace resolver {

namespace {

// A town's final word that lists leave out, and the prefecture where they
// do (nullptr: everywhere). Tried only where no town of the municipality
// has the shorter name, and only before a lot or the text's end.
struct DroppedEnding {
  const char* ending;
  const char* prefecture;  // normalised, as AddressBook::Impl::prefectures holds it
};
const DroppedEnding kDroppedEndings[] = {
    {word::kMachi, nullptr},  // "藤棚1-120" for 横浜市西区藤棚町
    // 郷: 長崎県's villages, "時津町左底245-2" for 左底郷 (Japan Post writes
    // the 郷, the prefecture's own lists mostly do not)
    {word::kGoEnding, word::kNagasaki},
};
using word::kBiru, word::kDingu;


bool IsNameChar(uint16_t code) {
  return IsKatakana(code) || code == ch::kLong || code == ch::kDot ||  // ー ・
         (code >= ch::kHiraganaFirst && code <= ch::kHiraganaLast && code != ch::kNo) ||  // hiragana but の
         IsKanji(code) || (code >= 'A' && code <= 'Z');
}

// Kanji that end a lot number or begin a floor: a name may follow or end there.
bool IsUnitChar(uint16_t code) {
  return code == ch::kGo || code == ch::kBan || code == ch::kChi || code == ch::kMe || code == ch::kKai;
}

// A name found at [at, end) of `rest` stands on its own: no other name
// goes on before or after it (鉄鋼ビルディング does not name ビルディング).
bool StandsAlone(const AddressRest& rest, size_t at, uint16_t before, size_t end) {
  // "1-2-3・赤坂パークビル": a ・ right after the lot parts them as a blank does
  const bool parting = before == ch::kDot && rest.numbersEnd > 0 && at == rest.numbersEnd + CharWidth(ch::kDot);
  if (at > 0 && IsNameChar(before) && !IsUnitChar(before) && !parting) return false;
  const Cp932Cursor next{rest.text, end};
  if (next.AtEnd()) return true;
  const uint16_t after = next.Peek();
  if (!IsNameChar(after) || IsUnitChar(after)) return true;
  if (after == 'B' || after == 'F') return !IsLatinCapital(next.PeekSecond());
  return false;
}

bool SharesOwnWords(std::string_view a, std::string_view b, std::string_view town);
bool IsShortFormOf(std::string_view named, std::string_view whole);

// Where the building of a record is named in an address's rest.
struct BuildingFound {
  size_t strict = std::string::npos;  // the end of the first of its own names standing alone
  bool whole = false;                 // that name is its whole name
  // Any of its names is found at all, or the name the text gives could be
  // a short form of its name (丸ビル, 丸の内ビルディング).
  bool loose = false;
};

// `named`: the building's name the text gives (NamedBuilding); `town` the
// town as the text writes it.
BuildingFound FindBuilding(const AddressBook::Impl& book, const RecordInfo& info, const AddressRest& rest,
                           std::string_view named, std::string_view town) {
  const char* names = book.names.data() + info.building;
  const char* const end = names + info.buildingLength;
  BuildingFound building;
  size_t& strict = building.strict;
  bool& loose = building.loose;
  bool own = true;
  const char* const wholeName = names;
  size_t wholeLength = 0;
  while (names < end) {
    size_t n = 0;
    while (names + n < end && names[n] != kAliasSeparator && names[n] != kLooseSeparator) ++n;
    if (wholeName == names) wholeLength = n;
    uint16_t before = 0;
    for (size_t i = 0; n > 0 && i + n <= rest.text.size();) {
      const uint16_t code = CharCode(rest.text.data() + i, rest.text.size() - i);
      if (WordAt(rest.text, i, std::string_view(names, n))) {
        loose = true;
        size_t found = i + n;
        // 霞が関ビル written 霞が関ビルディング
        if (EndsWithWord(std::string_view(names, n), kBiru) &&
            WordAt(rest.text, found, kDingu)) {
          found += std::strlen(kDingu);
        }
        if (own && StandsAlone(rest, i, before, found) && (strict == std::string::npos || found < strict)) {
          strict = found;
          building.whole = names == wholeName;
        }
      }
      before = code;
      i += CharWidth(code);
    }
    if (names + n < end && names[n] == kLooseSeparator) own = false;
    names += n + 1;
  }
  if (loose || named.empty()) return building;
  const std::string_view whole(wholeName, wholeLength);
  loose = SharesOwnWords(named, whole, town) || IsShortFormOf(named, whole);
  return building;
}

// After a shared run, nothing or common words only: the names end alike
// (第一生命ビル of 新宿第一生命ビルディング), where 泉ガーデンウィング goes on
// with a word of another building than 泉ガーデンタワー.
bool EndsAlike(std::string_view after, std::string_view shared, std::string_view town) {
  if (EndsWithWord(shared, kBiru) && WordAt(after, 0, kDingu)) after.remove_prefix(std::strlen(kDingu));
  return after.empty() || IsCommonBuildingWords(after, town);
}

// The text's name and a building's share three characters or more, a kanji
// among them (five without), that are not common words alone, and both end
// alike after them (小田急第一生命ビル, 新宿第一生命ビルディング).
bool SharesOwnWords(std::string_view a, std::string_view b, std::string_view town) {
  constexpr size_t kShortestShared = 6;  // bytes: three characters, one a kanji
  constexpr size_t kShortestKana = 10;   // five: マーク is in many names
  uint16_t beforeA = 0;
  for (size_t i = 0; i < a.size();) {
    const uint16_t codeA = CharCode(a.data() + i, a.size() - i);
    uint16_t beforeB = 0;
    for (size_t j = 0; j < b.size();) {
      const uint16_t codeB = CharCode(b.data() + j, b.size() - j);
      if (codeA == codeB && (i == 0 || j == 0 || beforeA != beforeB)) {  // the run begins here
        size_t n = 0;
        while (i + n < a.size() && j + n < b.size() && a[i + n] == b[j + n]) ++n;
        // whole characters: cut back to the last boundary of a
        Cp932Cursor run{a, i};
        bool kanji = false;
        while (!run.AtEnd() && run.pos + CharWidth(run.Peek()) <= i + n) {
          kanji = kanji || IsKanji(run.Peek());
          run.Next();
        }
        const std::string_view shared = a.substr(i, run.pos - i);
        if (shared.size() >= (kanji ? kShortestShared : kShortestKana) && !IsCommonBuildingWords(shared, town) &&
            EndsAlike(a.substr(run.pos), shared, town) && EndsAlike(b.substr(j + shared.size()), shared, town)) {
          return true;
        }
      }
      beforeB = codeB;
      j += CharWidth(codeB);
    }
    beforeA = codeA;
    i += CharWidth(codeA);
  }
  return false;
}

// Every character of the text's name in a building's name, in order: 丸ビル
// for 丸の内ビルディング.
bool IsShortFormOf(std::string_view named, std::string_view whole) {
  Cp932Cursor in{whole};
  for (Cp932Cursor at{named}; !at.AtEnd(); at.Next()) {
    const std::string_view character = named.substr(at.pos, CharWidth(at.Peek()));
    while (!in.AtEnd() && !WordAt(whole, in.pos, character)) in.Next();
    if (!in.Take(character)) return false;
  }
  return true;
}

// The name of a building the text gives after the lot numbers, floor left
// out ("三矢ビル" of "2-6-10三矢ビル4階"): [begin, end) of `rest`, empty when
// it gives none (two name characters at least, 号室 and the like not counted).
// `latin`: it is mostly in Latin letters ("AER" for アエル), compared with
// the listed names read in Latin letters (latin_building.h).
struct NamedSpan {
  size_t begin = 0, end = 0;
  bool latin = false;
  bool Empty() const { return end <= begin; }
  std::string_view In(const AddressRest& rest) const { return rest.text.substr(begin, end - begin); }
};

NamedSpan NamedBuilding(const AddressRest& rest) {
  NamedSpan span;
  int count = 0, letters = 0;
  for (Cp932Cursor at{rest.text, rest.numbersEnd}; !at.AtEnd();) {
    const uint16_t code = at.Peek();
    if (at.Digit()) {
      while (at.Digit()) at.Next();
      if (at.Peek() == 'F' || at.Peek() == ch::kKai) break;  // a floor
      continue;
    }
    if (code == 'B' && IsAsciiDigit(at.PeekSecond())) break;
    if (code == ch::kChi && (at.PeekSecond() == ch::kShita || at.PeekSecond() == ch::kKai)) break;  // 地下, 地階
    const bool parting = code == ch::kDot && count == 0;  // "1-2-3・赤坂ビル" as "1-2-3 赤坂ビル"
    if (IsNameChar(code) && !IsUnitChar(code) && code != ch::kShitsu && !parting) {
      if (count++ == 0) span.begin = at.pos;
      if (IsLatinCapital(code)) ++letters;
      span.end = at.pos + CharWidth(code);
    }
    at.Next();
  }
  if (count < 2) span.begin = span.end = 0;
  span.latin = count >= 2 && letters * 2 >= count;
  return span;
}

ItemKind FirstKind(const AddressBook::Impl& book, uint32_t record) {
  const NoteRule& rule = book.info[record].rule;
  return rule.count == 0 ? ItemKind::kEverything : book.notes.items[rule.first].kind;
}

struct RecordsTested {
  bool anyNoted = false;  // some record has a note that is no "その他"
  NamedSpan named;        // the building's name the text gives, read where a record is a building
};

// Step 1: each record's note against the address, a building's floor read
// after its name.
RecordsTested TestEachRecord(const AddressBook::Impl& book, RecordRun records, std::string_view town,
                             MatchContext& context, Scratch& scratch) {
  const AddressRest& rest = *context.rest;
  scratch.tested.clear();
  RecordsTested result;
  NamedSpan& named = result.named;
  bool namedRead = false;
  uint32_t lastBuilding = 0xFFFFFFFF;
  BuildingFound last;
  LatinFit lastLatin = LatinFit::kUnread;
  for (size_t r = 0; r < records.count; ++r) {
    const RecordInfo& info = book.info[records[r]];
    Scratch::Tested t{records[r], RuleFit(), info.buildingLength > 0, false, false, false};
    context.floor = rest.floor;
    context.basement = rest.basement;
    if (t.building) {
      if (!namedRead) {
        named = NamedBuilding(rest);
        if (named.latin) {
          const bool b = named.end < rest.text.size() && rest.text[named.end] == 'B';
          ReadLatinName(book, records, named.In(rest), b ? TrailingB::kFollows : TrailingB::kNone, scratch.latin);
        }
      }
      namedRead = true;
      // a building's lines side by side share its names: looked for once
      if (info.building != lastBuilding) {
        last = FindBuilding(book, info, rest, named.In(rest), town);
        if (named.latin) lastLatin = CompareLatinName(book, records[r], scratch.latin);
        lastBuilding = info.building;
      }
      size_t end = last.strict;
      // --- Latin letters against the listed buildings (latin_building.h): a
      // name read as this building's is it, its floor after the name; one
      // that can be none of them is in the rest of the town.
      if (named.latin && end == std::string::npos && lastLatin == LatinFit::kSame) {
        end = named.end + (scratch.latin.sameWithB ? 1 : 0);
      }
      // a name of letters and kanji ("TOKYO TORCH常盤橋タワー") is compared as written
      t.buildingLoose = last.loose || (named.latin && scratch.latin.read && lastLatin != LatinFit::kNone);
      // ---
      t.buildingSeen = end != std::string::npos;
      t.buildingWhole = t.buildingSeen && last.whole;
      if (t.buildingSeen) {
        const Floor floor = ReadFloorAt(rest.text, end);
        context.floor = floor.number;
        context.basement = floor.basement;
      }
    }
    if (!t.building || t.buildingSeen) t.fit = MatchRule(info.rule, book.notes, context);
    result.anyNoted = result.anyNoted || (info.rule.count > 0 && !t.fit.usesOther);
    scratch.tested.push_back(t);
  }
  return result;
}

// Step 2: the listed buildings. Returns whether one is named.
bool SettleBuildings(const AddressBook::Impl& book, const NamedSpan& namedSpan, MatchContext& context,
                     Scratch& scratch) {
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
  if (seen) return true;
  bool anyLoose = false;
  for (const Scratch::Tested& t : scratch.tested) anyLoose = anyLoose || t.buildingLoose;
  const bool named = !namedSpan.Empty();
  // A building that may be a listed one written another way ("東京ミッドタウン・
  // タワー", "丸ビル"): its line for the floor may be meant. A building the
  // text names that is none of them is in the rest of the town. A floor
  // with no building named may be in any.
  if (anyLoose || (!named && (rest.floor != kUnknown || rest.basement))) {
    context.floor = rest.floor;
    context.basement = rest.basement;
    for (Scratch::Tested& t : scratch.tested) {
      if (!t.building || (anyLoose && !t.buildingLoose)) continue;
      const Fit fit = MatchRule(book.info[t.record].rule, book.notes, context).fit;
      t.fit.fit = fit == Fit::kNo ? Fit::kNo : Fit::kMaybe;
    }
  }
  return false;
}

// Step 3: the longest place name written wins over a shorter one it begins
// with, a named building over the town around it; "その他" (and a plain line
// beside noted ones) takes what no sibling takes.
// Returns the length of the place name the fit rests on.
size_t SettleRestOfTown(const AddressBook::Impl& book, bool anyNoted, bool buildingSeen, Scratch& scratch) {
  size_t longestName = 0;
  for (const Scratch::Tested& t : scratch.tested) {
    if (t.fit.fit != Fit::kNo) longestName = std::max(longestName, t.fit.nameLength);
  }
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
  return longestName;
}

// Tests one town's records; adds those that fit to scratch.found.
TownTest TestTown(const AddressBook::Impl& book, RecordRun records, std::string_view town, MatchContext& context,
                  Scratch& scratch) {
  const RecordsTested tested = TestEachRecord(book, records, town, context, scratch);
  const bool buildingSeen = SettleBuildings(book, tested.named, context, scratch);
  TownTest result;
  result.nameLength = SettleRestOfTown(book, tested.anyNoted, buildingSeen, scratch);
  for (const Scratch::Tested& t : scratch.tested) {
    if (t.fit.fit == Fit::kNo) continue;
    scratch.found.push_back(t.record);
    if (t.buildingWhole) scratch.wholeBuildings.push_back(t.record);
    result.any = true;
  }
  return result;
}

}  // namespace

TownTest TestTownWithRest(const AddressBook::Impl& book, RecordRun records, std::string_view town,
                          std::string_view rest, std::string_view street, Scratch& scratch) {
  const AddressRest lot = ReadRest(rest);
  MatchContext context;
  context.rest = &lot;
  context.chomeView = lot.Values(FirstNumber::kChome);
  context.banchiView = lot.Values(FirstNumber::kBanchi);
  if (street.empty()) street = rest.substr(0, StreetClauseEnd(rest));  // "二条殿町烏丸通御池上る": the clause after the town
  if (!street.empty()) {
    Cp932Cursor clause{street};
    clause.TakeChar(ch::kOpen);  // "一町目（松屋町通出水下る）"
    CanonicalStreet(street.substr(clause.pos), scratch.street);
    context.street = scratch.street;
  }
  const TownTest test = TestTown(book, records, town, context, scratch);
  if (test.any) return test;
  context.relaxNames = true;  // the text names no listed place: each may be it
  return TestTown(book, records, town, context, scratch);
}

void TryTown(const AddressBook::Impl& book, uint32_t town, std::string_view text, size_t nameEnd, size_t restBegin,
             std::string_view street, Scratch& scratch) {
  const uint32_t first = book.townStart[town];
  const size_t begin = scratch.found.size();
  const RecordRun records{book.townRecords.data() + first, book.townStart[town + 1] - first};
  const TownTest fit =
      TestTownWithRest(book, records, text.substr(0, nameEnd), text.substr(restBegin), street, scratch);
  if (!fit.any) return;
  scratch.readings.push_back(Scratch::Reading{begin, scratch.found.size(), restBegin + fit.nameLength, nameEnd});
}

TownFound KeepFurthestReadings(Scratch& scratch, size_t before) {
  size_t best = 0;
  for (const Scratch::Reading& reading : scratch.readings) best = std::max(best, reading.reach);
  TownFound place;
  size_t kept = before;
  for (const Scratch::Reading& reading : scratch.readings) {
    if (reading.reach != best) continue;
    if (!place.found) place.townEnd = reading.nameEnd;  // the longest name of those kept
    place.found = true;
    place.reach = best;
    for (size_t i = reading.begin; i < reading.end; ++i) scratch.found[kept++] = scratch.found[i];
  }
  scratch.found.resize(kept);
  return place;
}

namespace {

// Every town whose name begins `text`: the reading that accounts for the
// most of the text wins ("生野屋（西村）" over "生野屋西" for 生野屋西村);
// readings of equal reach stand together.
// Returns where the kept town's name ends in `text`, `found` false when none fits.
// Where a town's final word left out (kDroppedEndings) may be: before a
// lot, or, after a Kyoto street clause, before anything ("高橋第6ビル" for 高橋町).
enum class EndingLeftOut { kBeforeLot, kAnywhere };

TownFound MatchTownAt(const AddressBook::Impl& book, uint32_t m, std::string_view text, std::string_view street,
                      Scratch& scratch, EndingLeftOut leftOut = EndingLeftOut::kBeforeLot) {
  const size_t length = text.size();
  PrefixBounds(text, book.municipalities[m].longestTownName, m, scratch);
  const size_t before = scratch.found.size();
  scratch.readings.clear();
  const std::string& prefecture = book.prefectures[book.municipalities[m].prefecture];
  for (size_t b = scratch.bounds.size(); b-- > 0;) {
    const size_t nameEnd = scratch.bounds[b];
    const uint32_t town = book.townNames.FindHashed(m, text.substr(0, nameEnd), scratch.boundHashes[b]);
    if (town != NameTable::kAbsent) {
      TryTown(book, town, text, nameEnd, nameEnd, street, scratch);
      continue;
    }
    if (leftOut == EndingLeftOut::kBeforeLot && nameEnd != length && !IsAsciiDigit(text[nameEnd])) continue;
    for (const DroppedEnding& dropped : kDroppedEndings) {
      if (dropped.prefecture != nullptr && prefecture != dropped.prefecture) continue;
      scratch.key.assign(text.data(), nameEnd);
      scratch.key += dropped.ending;
      FoldJoiningKana(scratch.key);  // 成合東の町 is kept as 成合東ノ町
      const uint32_t longer = book.townNames.Find(m, scratch.key);
      if (longer != NameTable::kAbsent) TryTown(book, longer, text, nameEnd, nameEnd, street, scratch);
    }
  }
  return KeepFurthestReadings(scratch, before);
}


// Past the る of "西入る" and a side ("東側", "西側") after a street clause ending at `end`.
size_t AfterClause(std::string_view text, size_t end) {
  Cp932Cursor at{text, end};
  at.TakeChar(ch::kRuHiragana);
  for (const char* side : spell::kStreetSides) {
    if (at.Take(side)) break;
  }
  return at.pos;
}

bool IsDirection(uint16_t code) {
  return code == ch::kEast || code == ch::kWest || code == ch::kSouth || code == ch::kNorth;
}

// A side of a grid town's street after its 条: 南8条西, 東1条南, 緑ケ丘1条通.
bool IsGridSide(uint16_t code) { return IsDirection(code) || code == ch::kTsu; }

// "南8西5" (or "南8-西5") for 札幌's 南8条西 5丁目, "東1南2-3" for 美幌町's
// 東1条南 2丁目3: a grid town written without its 条, its number followed by
// a side. Writes the text with 条 put back to `out` and returns where it
// went, 0 when the text is no such town.
size_t GridTown(std::string_view text, std::string& out) {
  Cp932Cursor at{text};
  while (!at.AtEnd() && !at.Digit() && at.Peek() != '-') at.Next();  // the name before the number
  const size_t digits = at.pos;
  while (at.Digit()) at.Next();
  const size_t put = at.pos;
  at.TakeChar('-');
  if (put == digits || !IsGridSide(at.Peek())) return 0;
  out.assign(text, 0, put);
  out += word::kJo;
  out.append(text, at.pos);
  return put;
}

// The grid town of `text` (GridTown), where one reads past its number:
// where the town stands in `text` as written.
TownFound MatchGridTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, Scratch& scratch) {
  const size_t put = GridTown(text, scratch.grid);
  if (put == 0) return TownFound();
  const size_t before = scratch.found.size();
  TownFound place = MatchTownAt(book, m, scratch.grid, std::string_view(), scratch);
  if (!place.found || place.townEnd <= put) {
    scratch.found.resize(before);  // a town before the number: the plain reading's
    return TownFound();
  }
  // the 条 put back
  const size_t added = scratch.grid.size() - text.size();
  place.townEnd -= added;
  if (place.reach > put) place.reach -= added;
  return place;
}

}  // namespace

void PrefixBounds(std::string_view text, size_t longest, uint32_t owner, Scratch& scratch) {
  scratch.bounds.clear();
  scratch.boundHashes.clear();
  NameTable::PrefixHash hash(owner);
  for (size_t i = 0; i < text.size() && i < longest;) {
    const size_t start = i;
    i += CharWidth(CharCode(text.data() + i, text.size() - i));
    if (i > text.size()) break;
    hash.Add(text.substr(start, i - start));
    scratch.bounds.push_back(i);
    scratch.boundHashes.push_back(hash.value());
  }
}

TownFound MatchTownsOf(const AddressBook::Impl& book, uint32_t m, std::string_view text, Reading reading,
                       Scratch& scratch, size_t beyond) {
  const size_t length = text.size();
  if (reading == Reading::kLooser) return MatchLooserTown(book, m, text, beyond, scratch);
  // Kyoto writes the street clause first: "烏丸通御池上る二条殿町".
  const size_t clauseEnd = StreetClauseEnd(text);
  if (clauseEnd != 0 && clauseEnd < length) {
    const std::string_view street = text.substr(0, clauseEnd);
    // "西入る戌亥町", "上る東側梶井町": the clause's る and the side of the
    // street, unless no town follows them (東側町)
    const size_t townAt = AfterClause(text, clauseEnd);
    for (const EndingLeftOut leftOut : {EndingLeftOut::kBeforeLot, EndingLeftOut::kAnywhere}) {
      const size_t begins[] = {townAt, clauseEnd};
      for (size_t i = 0; i < (townAt == clauseEnd ? 1 : 2); ++i) {
        const size_t begin = begins[i];
        TownFound place = MatchTownAt(book, m, text.substr(begin), street, scratch, leftOut);
        if (place.found) {
          place.townBegin = begin;
          place.townEnd += begin;
          place.reach += begin;
          return place;
        }
      }
    }
  }
  // "大門6-4-36": the 6 is 大門6番町's, before 大門's lot 6-4-36. With two
  // numbers only ("新川1-2"), a town that reads up to them stands beside it.
  const NumberedFound numbered = MatchNumberedTown(book, m, text, scratch);
  if (numbered.place.found && numbered.numbers >= 3) return numbered.place;
  const size_t before = scratch.found.size();
  TownFound place = MatchTownAt(book, m, text, std::string_view(), scratch);
  if (numbered.place.found) {
    if (place.found && place.townEnd < numbered.number) scratch.found.resize(numbered.end);
    return numbered.place;
  }
  // "東1南2-3": 東町 with the lot 1南2-3 leaves the side unread that the
  // grid town 東1条南 reads
  const size_t plain = scratch.found.size();
  const TownFound grid = MatchGridTown(book, m, text, scratch);
  if (grid.found && (!place.found || grid.reach > place.reach)) {
    scratch.found.erase(scratch.found.begin() + static_cast<std::ptrdiff_t>(before),
                        scratch.found.begin() + static_cast<std::ptrdiff_t>(plain));
    return grid;
  }
  scratch.found.resize(plain);
  if (place.found) return place;
  const Municipality& municipality = book.municipalities[m];
  const size_t skip = VillagePrefixLength(text);
  const RecordRun numberAfter{book.numberAfterRecords.data() + municipality.firstNumberAfter,
                              municipality.numberAfterCount};
  place = TownFound();
  if (skip < length && text[skip] >= '0' && text[skip] <= '9' && municipality.numberAfterCount > 0 &&
      TestTownWithRest(book, numberAfter, std::string_view(), text, std::string_view(), scratch).any) {
    place.found = true;  // no town written
    place.reach = length;
    return place;
  }
  if (municipality.whole >= 0) {
    scratch.found.push_back(static_cast<uint32_t>(municipality.whole));
    place.found = true;
  }
  return place;
}

}  // namespace resolver
