// From the normalised address: prefecture, municipality, then the towns.
#include <algorithm>
#include <cstring>
#include <memory>

#include "postal/characters.h"
#include "resolver/book_impl.h"
#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/resolver.h"
#include "resolver/town_keys.h"
#include "resolver/town_match.h"

namespace resolver {

namespace {

struct MunicipalityHit {
  uint32_t municipality;
  size_t nameLength;
  bool wardAlone;  // a designated city's ward written without its city
};

}  // namespace

// A Resolver's own: the book is shared, the buffers are not.
struct ResolveScratch {
  Scratch towns;
  std::vector<MunicipalityHit> hits, again;  // again: the municipality written twice
  std::vector<TownFound> places;             // where each hit's town stands
  std::vector<MunicipalityHit> loose;        // the municipalities of a loosely spelled name
  std::string looseText;                     // the text spelled loosely
  std::vector<uint32_t> looseOrigins;        // and where each of its bytes came from
};

namespace {

// The length of a code written before the address ("〒100-0001"), else 0:
// seven digits at most, so that "〒955-0065 三条市" (normalised
// "〒955-0065-3条市") keeps the 3 of its municipality.
size_t LeadingCodeLength(const std::string& text) {
  constexpr int kCodeDigits = 7;
  size_t i = Cp932Cursor{text}.Peek() == postal::ch::kPostalMark ? CharWidth(postal::ch::kPostalMark) : 0;
  for (int digits = 0; i < text.size() && digits < kCodeDigits; ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      ++digits;
    } else if (text[i] != '-') {
      break;
    }
  }
  while (i < text.size() && text[i] == '-') ++i;
  return i;
}

struct PrefectureFound {
  int index;   // -1: none written
  size_t end;  // where its name ends, or where it was looked for
};

PrefectureFound FindPrefecture(const AddressBook::Impl& book, std::string_view text, size_t from) {
  for (size_t p = 0; p < book.prefectures.size(); ++p) {
    const std::string& name = book.prefectures[p];
    if (WordAt(text, from, name)) return PrefectureFound{static_cast<int>(p), from + name.size()};
  }
  return PrefectureFound{-1, from};
}

// Every municipality whose name begins the text at `pos`, longest names first.
void FindMunicipalities(const AddressBook::Impl& book, const std::string& text, size_t pos, int prefecture,
                        ResolveScratch& s, std::vector<MunicipalityHit>& hits) {
  hits.clear();
  PrefixBounds(std::string_view(text).substr(pos), book.longestMunicipalityName, kMunicipalityNameOwner, s.towns);
  const std::vector<size_t>& bounds = s.towns.bounds;
  const std::vector<uint64_t>& hashes = s.towns.boundHashes;
  for (size_t b = bounds.size(); b-- > 0;) {
    const std::string_view name = std::string_view(text).substr(pos, bounds[b]);
    const uint32_t list = book.municipalityNames.FindHashed(kMunicipalityNameOwner, name, hashes[b]);
    if (list == NameTable::kAbsent) continue;
    for (uint32_t m : book.municipalityLists[list]) {
      const Municipality& municipality = book.municipalities[m];
      if (prefecture < 0 || municipality.prefecture == static_cast<uint32_t>(prefecture)) {
        const size_t last = LastCharAt(name);
        const bool wardAlone = municipality.wardOnlyLength == bounds[b] &&
                               CharCode(name.data() + last, name.size() - last) == ch::kKu;
        hits.push_back(MunicipalityHit{m, bounds[b], wardAlone});
      }
    }
  }
}

// Every municipality whose name, spelled loosely (LooseSpelling), begins
// the text at `pos`: "タ張市" for 夕張市, "牧の原市" for 牧之原市.
void FindLooseMunicipalities(const AddressBook::Impl& book, const std::string& text, size_t pos, int prefecture,
                             ResolveScratch& s, std::vector<MunicipalityHit>& hits) {
  hits.clear();
  LooseSpelling(std::string_view(text).substr(pos), s.looseText, &s.looseOrigins, LeftOutNo::kNotRead);
  PrefixBounds(s.looseText, book.longestLooseMunicipalityName, kMunicipalityNameOwner, s.towns);
  const std::vector<size_t>& bounds = s.towns.bounds;
  for (size_t b = bounds.size(); b-- > 0;) {
    const std::string_view key = std::string_view(s.looseText).substr(0, bounds[b]);
    const TownList named = book.looseMunicipalities.Find(kMunicipalityNameOwner, key, s.towns.boundHashes[b]);
    const size_t length = s.looseOrigins[bounds[b]];  // of the name as written
    for (size_t i = 0; i < named.count; ++i) {
      const Municipality& municipality = book.municipalities[named[i]];
      if (prefecture >= 0 && municipality.prefecture != static_cast<uint32_t>(prefecture)) continue;
      const std::string_view name = std::string_view(text).substr(pos, length);
      const size_t last = LastCharAt(name);
      const bool wardAlone = municipality.wardOnlyLength == length &&
                             CharCode(name.data() + last, name.size() - last) == ch::kKu;
      hits.push_back(MunicipalityHit{named[i], length, wardAlone});
    }
  }
}

// The longest names of `hits` are designated cities written without a
// ward ("北九州市ハ幡東区" read as 北九州市): a loose spelling may read the ward.
bool OnlyCitiesWithoutWard(const AddressBook::Impl& book, const std::vector<MunicipalityHit>& hits) {
  size_t longest = 0;
  for (const MunicipalityHit& hit : hits) longest = std::max(longest, hit.nameLength);
  for (const MunicipalityHit& hit : hits) {
    if (hit.nameLength == longest && book.municipalities[hit.municipality].cityOnlyLength != longest) return false;
  }
  return !hits.empty();
}

// Where no municipality's name as written begins the text at `pos` (or only
// a city's without its ward), those whose loosely spelled name reads further:
// true when s.hits are those.
bool ReadLooseMunicipalities(const AddressBook::Impl& book, const std::string& text, size_t pos, int prefecture,
                             ResolveScratch& s) {
  if (!s.hits.empty() && !OnlyCitiesWithoutWard(book, s.hits)) return false;
  FindLooseMunicipalities(book, text, pos, prefecture, s, s.loose);
  size_t strict = 0, loose = 0;
  for (const MunicipalityHit& hit : s.hits) strict = std::max(strict, hit.nameLength);
  for (const MunicipalityHit& hit : s.loose) loose = std::max(loose, hit.nameLength);
  if (loose <= strict) return false;
  s.hits.swap(s.loose);
  return true;
}

void KeepLongest(std::vector<MunicipalityHit>& hits) {
  size_t longest = 0;
  for (const MunicipalityHit& hit : hits) longest = std::max(longest, hit.nameLength);
  size_t kept = 0;
  for (const MunicipalityHit& hit : hits) {
    if (hit.nameLength == longest) hits[kept++] = hit;
  }
  hits.resize(kept);
}

// The municipality written again at `from` ("館山市館山市", "岡山市岡山市北区",
// "練馬区練馬区"): true with s.again holding those of s.hits it names.
bool FindRepeat(const AddressBook::Impl& book, const std::string& text, size_t pos, size_t from, int prefecture,
                ResolveScratch& s) {
  // its first character is the name's, or the first after its county ("松前郡福島町福島町")
  const auto firstIs = [&](size_t at) {
    const size_t width = CharWidth(CharCode(text.data() + at, text.size() - at));
    return from + width <= text.size() && text.compare(from, width, text, at, width) == 0;
  };
  bool repeats = from < text.size() && firstIs(pos);
  for (Cp932Cursor c{std::string_view(text).substr(0, from), pos}; !repeats && !c.AtEnd();) {
    const bool county = c.TakeChar(ch::kGun);
    if (!county) c.Next();
    if (county && !c.AtEnd()) repeats = firstIs(c.pos);
  }
  if (!repeats) return false;
  FindMunicipalities(book, text, from, prefecture, s, s.again);
  size_t kept = 0;
  for (const MunicipalityHit& again : s.again) {
    for (const MunicipalityHit& hit : s.hits) {
      if (hit.municipality == again.municipality) {
        s.again[kept++] = again;
        break;
      }
    }
  }
  s.again.resize(kept);
  if (s.again.empty()) return false;
  KeepLongest(s.again);
  return true;
}

// The length of a ward's name at the start of `rest` ("西区", "浜北区"), else 0.
size_t WardLength(const std::string& rest) {
  constexpr int kLongestWard = 4;  // characters, 区 included
  Cp932Cursor c{rest};
  for (int chars = 0; !c.AtEnd() && chars < kLongestWard; ++chars) {
    const uint16_t code = c.Peek();
    if (CharWidth(code) == 1) return 0;  // a ward's name is kanji and kana
    c.Next();
    if (code == ch::kKu) return chars > 0 ? c.pos : 0;
  }
  return 0;
}

// Towns of several municipalities fit ("中央区日本橋", Tokyo's and 大阪市's):
// a listed building the text names in full keeps only the municipalities
// that list it.
void KeepTownsOfNamedBuilding(const AddressBook::Impl& book, Scratch& towns) {
  std::vector<uint32_t>& found = towns.found;
  if (towns.wholeBuildings.empty() || found.empty()) return;
  const auto listsIt = [&](uint32_t record) {
    const uint32_t m = book.info[record].municipality;
    for (uint32_t named : towns.wholeBuildings) {
      if (book.info[named].municipality == m && std::find(found.begin(), found.end(), named) != found.end()) {
        return true;
      }
    }
    return false;
  };
  const uint32_t firstMunicipality = book.info[found.front()].municipality;
  bool several = false, anyListed = false;
  for (uint32_t record : found) {
    several = several || book.info[record].municipality != firstMunicipality;
    anyListed = anyListed || listsIt(record);
  }
  if (!several || !anyListed) return;
  found.erase(std::remove_if(found.begin(), found.end(), [&](uint32_t record) { return !listsIt(record); }),
              found.end());
}

// The offset in `text` of byte `kept` of DropAza's text from `from`: the
// town's place in the text as written, before 大字 and 字 were dropped.
size_t SpelledOffset(const std::string& text, size_t from, size_t kept) {
  size_t i = from;
  for (size_t n = 0; i < text.size() && n < kept;) {
    if (WordAt(text, i, word::kOaza)) {
      i += std::strlen(word::kOaza);
    } else if (WordAt(text, i, word::kAza)) {
      i += std::strlen(word::kAza);
    } else {
      const size_t width = CharWidth(CharCode(text.data() + i, text.size() - i));
      i += width;
      n += width;
    }
  }
  return i;
}

// Where the town the last fit was read from stands in `text`.
void PlaceTown(const std::string& text, size_t from, size_t ward, const TownFound& place, Resolution& out) {
  out.cityEnd = from;
  out.townBegin = SpelledOffset(text, from, ward + place.townBegin);
  out.townEnd = SpelledOffset(text, from, ward + place.townEnd);
}

// A special ward written alone is its full name, as 三条市 is: where its
// towns take as much of the text as a designated city's ward of that name
// written without its city, the ward alone is the looser reading and drops
// (of towns.found from `from`).
void DropWardsAlone(const AddressBook::Impl& book, const std::vector<MunicipalityHit>& hits,
                    const std::vector<TownFound>& places, size_t from, Scratch& towns) {
  bool asWritten = false;
  size_t reach = 0;  // the most of the text a hit written in full reads
  for (size_t h = 0; h < hits.size(); ++h) {
    if (hits[h].wardAlone || !places[h].found) continue;
    asWritten = true;
    reach = std::max(reach, places[h].reach);
  }
  if (!asWritten) return;
  std::vector<uint32_t>& found = towns.found;
  found.erase(std::remove_if(found.begin() + from, found.end(),
                             [&](uint32_t record) {
                               for (size_t h = 0; h < hits.size(); ++h) {
                                 if (hits[h].municipality == book.info[record].municipality) {
                                   return hits[h].wardAlone && places[h].reach <= reach;
                                 }
                               }
                               return false;
                             }),
              found.end());
}

// The towns of each hit in `rest` read one way, added to towns.found: the
// kept reading that reads furthest in the text.
TownFound MatchEach(const AddressBook::Impl& book, const std::vector<MunicipalityHit>& hits, std::string_view rest,
                    Reading reading, Scratch& towns, std::vector<TownFound>& places, size_t beyond = 0) {
  const size_t from = towns.found.size();
  places.clear();
  for (const MunicipalityHit& hit : hits) {
    places.push_back(MatchTownsOf(book, hit.municipality, rest, reading, towns, beyond));
  }
  DropWardsAlone(book, hits, places, from, towns);
  TownFound furthest;
  for (size_t h = 0; h < hits.size(); ++h) {
    const auto itsOwn = [&](uint32_t record) { return book.info[record].municipality == hits[h].municipality; };
    if (!places[h].found || !std::any_of(towns.found.begin() + from, towns.found.end(), itsOwn)) continue;
    if (!furthest.found || places[h].reach > furthest.reach) furthest = places[h];
  }
  return furthest;
}

// The town read leaves characters of a name unread after it ("新川ニ条100"
// read as 新川): a looser reading may read them.
bool LeavesNameUnread(std::string_view rest, const TownFound& place) {
  const uint16_t next = Cp932Cursor{rest, place.reach}.Peek();
  return IsKanji(next) || IsKatakana(next) || (next >= ch::kHiraganaFirst && next <= ch::kHiraganaLast);
}

// The towns of each hit in `rest`, as written, and looser where none is
// found so or where the looser reading reads further: where the town stands.
TownFound MatchTownsOfEach(const AddressBook::Impl& book, const std::vector<MunicipalityHit>& hits,
                           std::string_view rest, Scratch& towns, std::vector<TownFound>& places) {
  const TownFound place = MatchEach(book, hits, rest, Reading::kAsWritten, towns, places);
  if (towns.found.empty()) return MatchEach(book, hits, rest, Reading::kLooser, towns, places);
  if (!LeavesNameUnread(rest, place)) return place;
  const size_t asWritten = towns.found.size();
  const TownFound looser = MatchEach(book, hits, rest, Reading::kLooser, towns, places, place.reach);
  if (looser.found && looser.reach > place.reach) {
    towns.found.erase(towns.found.begin(), towns.found.begin() + asWritten);
    return looser;
  }
  towns.found.resize(asWritten);
  return place;
}

// The towns of every hit in the text at `from`. True when any fit. `out`
// gets the text the towns were read from (without 大字 and 字) and where
// the town stands.
bool MatchTowns(const AddressBook::Impl& book, const std::string& text, size_t from, ResolveScratch& s,
                Resolution& out) {
  std::string& rest = out.afterCity;
  out.cityEnd = from;
  s.towns.wholeBuildings.clear();
  rest.assign(text, from, std::string::npos);
  DropAza(rest);
  // A designated city written with a ward it no longer has ("浜松市西区竜南":
  // 浜松市's wards were redrawn in 2024): every ward of the city is tried
  // without it, and then with it (岡山市南区 has a town 北七区).
  const size_t ward = WardLength(rest);
  bool cityOnly = ward > 0;
  for (const MunicipalityHit& hit : s.hits) {
    cityOnly = cityOnly && book.municipalities[hit.municipality].cityOnlyLength == hit.nameLength;
  }
  if (cityOnly) {
    const TownFound place = MatchTownsOfEach(book, s.hits, std::string_view(rest).substr(ward), s.towns, s.places);
    if (!s.towns.found.empty()) {
      KeepTownsOfNamedBuilding(book, s.towns);
      PlaceTown(text, from, ward, place, out);
      rest.erase(0, ward);
      return true;
    }
  }
  const TownFound place = MatchTownsOfEach(book, s.hits, rest, s.towns, s.places);
  KeepTownsOfNamedBuilding(book, s.towns);
  if (s.towns.found.empty()) return false;
  PlaceTown(text, from, 0, place, out);
  return true;
}

void Finish(const AddressBook::Impl& book, std::vector<uint32_t>& found, Resolution& out) {
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  for (uint32_t record : found) out.candidates.push_back(record);
  const std::string_view firstCode = book.Text(found.front(), StoredRecord::kPostalCode);
  const std::string_view firstCity = book.Text(found.front(), StoredRecord::kCityCode);
  bool oneCode = true, oneCity = true;
  for (uint32_t record : found) {
    oneCode = oneCode && book.Text(record, StoredRecord::kPostalCode) == firstCode;
    oneCity = oneCity && book.Text(record, StoredRecord::kCityCode) == firstCity;
  }
  out.status = oneCode ? Status::kExact : Status::kAmbiguous;
  if (oneCode) out.postalCode = firstCode;
  if (oneCity) out.cityCode = firstCity;
}

// No town fits: the municipality's own code, when one municipality is meant.
void FinishCity(const AddressBook::Impl& book, const std::vector<MunicipalityHit>& hits, size_t nameLength,
                std::vector<uint32_t>& found, Resolution& out) {
  found.clear();
  int meant = 0;
  const Municipality* one = nullptr;
  for (const MunicipalityHit& hit : hits) {
    if (hit.nameLength != nameLength) continue;
    ++meant;
    one = &book.municipalities[hit.municipality];
    if (one->notListed >= 0) found.push_back(static_cast<uint32_t>(one->notListed));
  }
  if (meant > 1 && found.size() > 1) {
    // 府中市 alone: each one's own code. Those lines never make an answer
    // exact: where they share one code (a designated city's wards) it is
    // the city's.
    Finish(book, found, out);
    if (out.status == Status::kAmbiguous) return;
    out.status = Status::kCity;
    out.candidates.resize(1);
    return;
  }
  out.status = Status::kCity;
  if (meant == 1) out.cityCode = one->cityCode;
  if (found.size() == 1) {
    out.candidates.push_back(found.front());
    out.postalCode = book.Text(found.front(), StoredRecord::kPostalCode);
  }
}

}  // namespace

Resolver::Resolver(const AddressBook& book) : book_(&book), scratch_(std::make_unique<ResolveScratch>()) {}
Resolver::~Resolver() = default;
Resolver::Resolver(Resolver&&) noexcept = default;
Resolver& Resolver::operator=(Resolver&&) noexcept = default;

void Resolve(const AddressBook& book, const std::string& address, Resolution& out) {
  Resolver(book).Resolve(address, out);
}

void Resolver::Resolve(const std::string& address, Resolution& out) {
  out.status = Status::kNone;
  out.postalCode.clear();
  out.candidates.clear();
  out.cityCode.clear();
  out.afterCity.clear();
  out.cityEnd = out.townBegin = out.townEnd = 0;
  const AddressBook::Impl& impl = book_->impl();
  ResolveScratch& s = *scratch_;
  std::string& text = s.towns.text;
  NormalizeText(address, text);
  FoldJoiningKana(text);
  // The municipality's name is read whole first: 三条市 is "3条市" once
  // normalised, which would otherwise begin with a code's digits.
  PrefectureFound prefecture = FindPrefecture(impl, text, 0);
  FindMunicipalities(impl, text, prefecture.end, prefecture.index, s, s.hits);
  const size_t code = LeadingCodeLength(text);
  if (s.hits.empty() && code > 0) {
    prefecture = FindPrefecture(impl, text, code);
    FindMunicipalities(impl, text, prefecture.end, prefecture.index, s, s.hits);
  }
  const size_t pos = prefecture.end;
  const bool looseName = ReadLooseMunicipalities(impl, text, pos, prefecture.index, s);
  if (s.hits.empty()) return;
  std::vector<uint32_t>& found = s.towns.found;
  found.clear();
  // Only the longest name: 府中市 in two prefectures are equally meant, but
  // "札幌市" stands for its wards only when no ward is written.
  KeepLongest(s.hits);
  size_t length = s.hits.front().nameLength;
  size_t from = pos + length;
  // "福井県福井市福井県福井市東川上町" (two columns joined): the prefecture
  // and municipality written again are read as one, as the municipality alone is
  const PrefectureFound written = FindPrefecture(impl, text, from);
  const bool prefectureAgain = written.index >= 0 && (prefecture.index < 0 || written.index == prefecture.index);
  size_t repeat = prefectureAgain ? written.end : from;
  if (!FindRepeat(impl, text, pos, repeat, prefecture.index, s)) repeat = std::string::npos;
  if (repeat == std::string::npos && prefectureAgain && FindRepeat(impl, text, pos, from, prefecture.index, s)) {
    repeat = from;
  }
  if (repeat != std::string::npos) {
    // "館山市館山市上真倉", "静岡市静岡市葵区": read the repeat as one; where
    // a town of the municipality begins with its name (養父市場 of 養父市,
    // 蘭越町 of 蘭越町) and nothing follows the repeat, as that town.
    bool townNamedLikeIt = false;
    for (const MunicipalityHit& hit : s.hits) {
      townNamedLikeIt = townNamedLikeIt || impl.municipalities[hit.municipality].townStartsWithName;
    }
    const size_t again = repeat + s.again.front().nameLength;
    s.hits.swap(s.again);
    if (!MatchTowns(impl, text, again, s, out) && townNamedLikeIt) {
      found.clear();
      s.hits.swap(s.again);
      MatchTowns(impl, text, from, s, out);
    }
    length = s.hits.front().nameLength;
  } else if (prefectureAgain) {
    // "福井県福井市福井県東川上町": the prefecture written again begins no
    // town (福 of 福井市 would leave 井県 unread) unless a town's name reads
    // through it (山口県流通センター of 山口市)
    if (!MatchTowns(impl, text, from, s, out) || out.townEnd < written.end) {
      found.clear();
      out.townBegin = out.townEnd = 0;
      MatchTowns(impl, text, written.end, s, out);
    }
  } else {
    MatchTowns(impl, text, from, s, out);
  }
  if (!found.empty()) {
    Finish(impl, found, out);
    return;
  }
  // "日之出町" alone may be a town of that name anywhere: a loosely spelled
  // name is the municipality's only with its prefecture or one of its towns
  if (looseName && prefecture.index < 0) return;
  FinishCity(impl, s.hits, length, found, out);
}

const char* StatusName(Status status) {
  switch (status) {
    case Status::kExact:
      return "exact";
    case Status::kAmbiguous:
      return "ambiguous";
    case Status::kCity:
      return "city";
    case Status::kNone:
      break;
  }
  return "none";
}

}  // namespace resolver
