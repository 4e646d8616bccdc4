#include "resolver/book_index.h"
#include "resolver/office_words.h"

#include <algorithm>
#include <cstring>

#include "resolver/address_rest.h"
#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/page_prefault.h"
#include "resolver/town_keys.h"

namespace resolver {

namespace {

// Byte offset of the first `code` at a character boundary, or npos.
size_t FindChar(const std::string& text, uint16_t code, size_t from = 0) {
  for (size_t i = from; i < text.size();) {
    const uint16_t c = CharCode(text.data() + i, text.size() - i);
    if (c == code) return i;
    i += CharWidth(c);
  }
  return std::string::npos;
}

size_t FindWord(const std::string& text, const char* word) {
  const size_t n = std::strlen(word);
  for (size_t i = 0; i + n <= text.size();) {
    // Every record is searched for several words: compare only where the first byte fits.
    if (text[i] == word[0] && text.compare(i, n, word) == 0) return i;
    i += CharWidth(CharCode(text.data() + i, text.size() - i));
  }
  return std::string::npos;
}

// A town cut into its name and the note in its last （）. An earlier （） is
// a part of a building ("名駅ミッドランドスクエア（高層棟）（1階）"), dropped
// from the name: were two parts listed, both would fit and the answer stay
// ambiguous.
struct TownPieces {
  std::string base, note;
  bool noteCut = false;  // a （ never closed: the UTF-8 edition cut the line
};

void SplitTown(const std::string& town, TownPieces& pieces) {
  int depth = 0;
  size_t lastTop = std::string::npos;  // the last （ opened outside any other
  for (size_t i = 0; i < town.size();) {
    const uint16_t code = CharCode(town.data() + i, town.size() - i);
    if (code == ch::kOpen && depth++ == 0) lastTop = i;
    if (code == ch::kClose && depth > 0) --depth;
    i += CharWidth(code);
  }
  size_t cut = std::string::npos;
  pieces.note.clear();
  pieces.noteCut = depth > 0;
  if (pieces.noteCut) {
    cut = lastTop;
  } else if (lastTop != std::string::npos && EndsWithWord(town, word::kCloseParen)) {
    cut = lastTop;
    const size_t open = CharWidth(ch::kOpen), close = std::strlen(word::kCloseParen);
    pieces.note.assign(town, lastTop + open, town.size() - lastTop - open - close);
  }
  pieces.base.assign(town, 0, cut);
  const size_t inner = FindChar(pieces.base, ch::kOpen);
  if (inner != std::string::npos) pieces.base.resize(inner);
}

// "種市第15地割～第21地割", "穴明22地割、穴明23地割": the name, and the
// 地割 written after it as a note. False for a town without 地割.
bool SplitChiwariTown(const std::string& base, std::string& name, std::string& note) {
  if (FindWord(base, word::kChiwari) == std::string::npos) return false;
  Cp932Cursor at{base};
  while (!at.AtEnd() && !at.Digit() && !(at.Peek() == ch::kDai && IsAsciiDigit(at.PeekSecond()))) at.Next();
  const size_t i = at.pos;
  if (i == 0 || at.AtEnd()) return false;
  name = base.substr(0, i);
  note.clear();
  for (size_t j = i; j < base.size();) {
    if (base.compare(j, name.size(), name) == 0) {
      j += name.size();
      continue;
    }
    const size_t w = CharWidth(CharCode(base.data() + j, base.size() - j));
    note.append(base, j, w);
    j += w;
  }
  return true;
}

bool IsBuildingRule(const NoteRule& rule, const NotePool& pool) {
  for (uint16_t i = 0; i < rule.count; ++i) {
    const ItemKind kind = pool.items[rule.first + i].kind;
    if (kind == ItemKind::kFloor || kind == ItemKind::kBasementOrUnknown) return true;
  }
  return false;
}

// Shorter parts of a building's name ("ビル") would be found everywhere.
constexpr size_t kShortestAlias = 4;

bool IsKatakanaOrLetter(uint16_t code) { return IsKatakana(code) || (code >= 'A' && code <= 'Z'); }

// The names a building is found by in an address. `strict`: its own, named
// only where the text names it; `loose`: names it may be meant by, that
// keep a building written another way from being taken for an unlisted one.
struct BuildingNames {
  std::vector<std::string> strict, loose;
};

// From "赤坂アークヒルズ・アーク森ビル" in the town 赤坂: its whole name, the
// name after the last ・ (アーク森ビル: the complex comes first), each without
// the town's name in front, and each without a place name in kanji before
// a katakana name (インターシティＡ棟 of 品川インターシティＡ棟). The parts
// before the last ・ (アークヒルズ, ミッドタウン of ミッドタウン・タワー) are
// loose. A part of common words only (タワー, ビルディング) is none.
BuildingNames BuildingAliases(const std::string& building, const std::string& town) {
  BuildingNames names;
  std::vector<std::string> own(1, building);
  size_t lastDot = std::string::npos;
  for (size_t i = 0; i < building.size();) {
    const uint16_t code = CharCode(building.data() + i, building.size() - i);
    if (code == ch::kDot) {
      const size_t from = lastDot == std::string::npos ? 0 : lastDot + CharWidth(ch::kDot);
      names.loose.push_back(building.substr(from, i - from));
      lastDot = i;
    }
    i += CharWidth(code);
  }
  if (lastDot != std::string::npos) own.push_back(building.substr(lastDot + CharWidth(ch::kDot)));
  const auto variants = [&](std::vector<std::string>& list) {
    for (size_t k = 0, count = list.size(); k < count; ++k) {
      if (!town.empty() && list[k].compare(0, town.size(), town) == 0) list.push_back(list[k].substr(town.size()));
    }
    for (size_t k = 0, count = list.size(); k < count; ++k) {
      Cp932Cursor at{list[k]};
      int kanji = 0;
      for (; IsKanji(at.Peek()); at.Next()) ++kanji;
      // two kanji at least, and no ノ or ケ joining them to the name (丸ノ内)
      const uint16_t next = at.Peek();
      if (kanji >= 2 && IsKatakanaOrLetter(next) && next != ch::kNoKana && next != ch::kKe) {
        list.push_back(list[k].substr(at.pos));
      }
    }
  };
  variants(own);
  variants(names.loose);
  const auto keep = [&](const std::vector<std::string>& from, std::vector<std::string>& to) {
    for (const std::string& name : from) {
      // its whole name, however common its words (丸の内ビルディング)
      if (name.size() < kShortestAlias || (&name != &own[0] && IsCommonBuildingWords(name, town))) continue;
      if (std::find(names.strict.begin(), names.strict.end(), name) != names.strict.end()) continue;
      if (std::find(to.begin(), to.end(), name) == to.end()) to.push_back(name);
    }
  };
  keep(own, names.strict);
  std::vector<std::string> loose;
  loose.swap(names.loose);
  keep(loose, names.loose);
  return names;
}

class IndexBuilder {
 public:
  explicit IndexBuilder(AddressBook::Impl& impl) : impl_(impl) {}

  void Build() {
    impl_.info.reserve(impl_.records.size());
    PrefaultForWrite(impl_.info.data(), impl_.info.capacity() * sizeof(RecordInfo));
    impl_.info.resize(impl_.records.size());
    impl_.townNames.Reserve(impl_.records.size());
    impl_.looseTowns.Reserve(impl_.records.size() / 4);  // a name in six has a loose spelling
    impl_.townNamesOf.towns.reserve(impl_.records.size());
    members_.reserve(impl_.records.size());
    PrefaultForWrite(members_.data(), members_.capacity() * sizeof(Member));
    for (size_t i = 0; i < impl_.records.size(); ++i) AddRecord(static_cast<uint32_t>(i));
    AddBuildings();
    GatherTowns();
    impl_.townNamesOf.Group(impl_.municipalities.size());
    AddLooserKeys();
  }

 private:
  struct Pending {
    uint32_t record;
    std::string key;
  };
  struct Member {
    uint32_t town, record;
  };
  // A building's line cut into its town and the building's name.
  struct Placed {
    uint32_t record, municipality;
    std::string town, building;
  };

  // Every town's name with a number or a loose spelling, by those keys too.
  void AddLooserKeys() {
    const TownNames& names = impl_.townNamesOf;
    for (const TownNames::Named& named : names.towns) {
      const std::string_view name = names.NameOf(named);
      if (NumberedTownKey(name, key_)) impl_.numberedTowns.Add(named.municipality, key_, named.town);
      if (!HasLooseSpelling(name)) continue;
      LooseSpelling(name, key_, nullptr);
      impl_.looseTowns.Add(named.municipality, key_, named.town);
    }
  }

  // Each town's records side by side, in the order they were added.
  void GatherTowns() {
    impl_.townStart.assign(townCount_ + 1, 0);
    for (const Member& member : members_) ++impl_.townStart[member.town + 1];
    for (uint32_t t = 0; t < townCount_; ++t) impl_.townStart[t + 1] += impl_.townStart[t];
    impl_.townRecords.resize(members_.size());
    std::vector<uint32_t> next(impl_.townStart.begin(), impl_.townStart.end() - 1);
    for (const Member& member : members_) impl_.townRecords[next[member.town]++] = member.record;
  }

  uint32_t MunicipalityOf(const TownRecord& record, uint32_t index) {
    if (lastMunicipality_ >= 0 && impl_.municipalities[lastMunicipality_].cityCode == record.cityCode) {
      impl_.municipalities[lastMunicipality_].endRecord = index + 1;
      return static_cast<uint32_t>(lastMunicipality_);
    }
    Municipality m;
    m.cityCode = record.cityCode;
    m.firstRecord = index;
    m.endRecord = index + 1;
    NormalizeText(record.prefecture, scratch_);
    const auto known = std::find(impl_.prefectures.begin(), impl_.prefectures.end(), scratch_);
    m.prefecture = static_cast<uint32_t>(known - impl_.prefectures.begin());
    if (known == impl_.prefectures.end()) impl_.prefectures.push_back(scratch_);
    const uint32_t id = static_cast<uint32_t>(impl_.municipalities.size());
    impl_.municipalities.push_back(m);
    impl_.municipalityByCode.emplace(m.cityCode, id);
    lastMunicipality_ = static_cast<int>(id);
    NormalizeText(record.city, cityName_);
    shortName_.clear();
    const size_t county = FindChar(cityName_, ch::kGun);
    const size_t afterCounty = county + CharWidth(ch::kGun);
    if (county != std::string::npos && county > 0 && afterCounty < cityName_.size()) {
      shortName_ = cityName_.substr(afterCounty);
    } else {
      shortName_ = WithoutIsland(cityName_);
    }
    AddName(cityName_, id);
    if (!shortName_.empty()) AddName(shortName_, id);
    cityOnly_.clear();
    // "札幌市中央区" is also reached as "札幌市" with the ward left to the
    // town, and as "中央区" alone.
    const size_t ward = LastCharAt(cityName_);
    if (CharCode(cityName_.data() + ward, cityName_.size() - ward) == ch::kKu) {
      size_t cityEnd = 0;  // after the last 市 that leaves a ward's name
      for (Cp932Cursor at{std::string_view(cityName_).substr(0, ward)}; !at.AtEnd();) {
        const bool city = at.TakeChar(ch::kShi);
        if (!city) at.Next();
        if (city && !at.AtEnd()) cityEnd = at.pos;
      }
      if (cityEnd != 0) {
        cityOnly_ = cityName_.substr(0, cityEnd);
        AddName(cityOnly_, id);
        std::string wardOnly = cityName_.substr(cityEnd);
        AddName(wardOnly, id);
        FoldJoiningKana(wardOnly);
        impl_.municipalities[id].wardOnlyLength = static_cast<uint32_t>(wardOnly.size());
        FoldJoiningKana(cityOnly_);
        impl_.municipalities[id].cityOnlyLength = static_cast<uint32_t>(cityOnly_.size());
      }
    }
    foldedCity_ = cityName_;
    FoldJoiningKana(foldedCity_);
    foldedShort_ = shortName_;
    FoldJoiningKana(foldedShort_);
    return id;
  }

  // "三宅村" of "三宅島三宅村": the name after an island's, where it is a
  // town's or village's of two characters or more; else empty.
  static std::string WithoutIsland(const std::string& city) {
    const size_t island = FindChar(city, ch::kIsland);
    if (island == std::string::npos || island == 0) return std::string();
    const size_t after = island + CharWidth(ch::kIsland);
    const size_t last = LastCharAt(city);
    const uint16_t end = CharCode(city.data() + last, city.size() - last);
    if (last <= after || (end != ch::kMura && end != ch::kMachiChar)) return std::string();
    return city.substr(after);
  }

  // `name` (folded) begins with the name of its municipality.
  bool StartsWithCityName(const std::string& name) const {
    for (const std::string* city : {&foldedCity_, &foldedShort_, &cityOnly_}) {
      if (!city->empty() && name.compare(0, city->size(), *city) == 0) return true;
    }
    return false;
  }

  void AddName(std::string name, uint32_t id) {
    FoldJoiningKana(name);
    const uint32_t list = impl_.municipalityNames.Insert(kMunicipalityNameOwner, name,
                                                         static_cast<uint32_t>(impl_.municipalityLists.size()));
    if (list == impl_.municipalityLists.size()) impl_.municipalityLists.emplace_back();
    std::vector<uint32_t>& ids = impl_.municipalityLists[list];
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    impl_.longestMunicipalityName = std::max(impl_.longestMunicipalityName, name.size());
    if (!HasLooseSpelling(name)) return;
    LooseSpelling(name, key_, nullptr, LeftOutNo::kNotRead);
    impl_.looseMunicipalities.Add(kMunicipalityNameOwner, key_, id);
    impl_.longestLooseMunicipalityName = std::max(impl_.longestLooseMunicipalityName, key_.size());
  }

  // Unfolded names: the town column's phrases are read before folding.
  bool IsCityName(const std::string& text) const {
    return text == cityName_ || (!shortName_.empty() && text == shortName_);
  }

  void AddRecord(uint32_t index) {
    const TownRecord record = impl_.Record(index);
    RecordInfo& info = impl_.info[index];
    info.municipality = MunicipalityOf(record, index);
    Municipality& m = impl_.municipalities[info.municipality];
    NormalizeText(record.town, town_);
    if (town_ == word::kNotListed) {
      info.role = RecordRole::kNotListed;
      if (m.notListed < 0) m.notListed = static_cast<int>(index);
      return;
    }
    if (EndsWithWord(town_, word::kWhole) && IsCityName(town_.substr(0, town_.size() - std::strlen(word::kWhole)))) {
      info.role = RecordRole::kWhole;
      if (m.whole < 0) m.whole = static_cast<int>(index);
      return;
    }
    const size_t next = FindWord(town_, word::kNextTo);
    const size_t comes = FindWord(town_, word::kComes);
    if (next != std::string::npos && comes != std::string::npos && comes > next) {
      std::string name = town_.substr(0, next);
      DropAza(name);
      FoldJoiningKana(name);
      const size_t middle = next + std::strlen(word::kNextTo);
      info.rule = ReadNumberNext(std::string_view(town_).substr(middle, comes - middle), impl_.notes);
      if (IsCityName(name)) {
        info.role = RecordRole::kNumberAfter;
        // A municipality's lines are together, so its list is too.
        if (m.numberAfterCount == 0) m.firstNumberAfter = static_cast<uint32_t>(impl_.numberAfterRecords.size());
        impl_.numberAfterRecords.push_back(index);
        ++m.numberAfterCount;
      } else {
        AddToTown(info.municipality, name, index);
      }
      return;
    }
    SplitTown(town_, pieces_);
    std::string& name = name_;
    if (SplitChiwariTown(pieces_.base, name, chiwari_)) {
      info.rule = ReadNote(chiwari_, impl_.notes);
    } else {
      name = pieces_.base;
      if (pieces_.noteCut) {
        info.rule.first = static_cast<uint32_t>(impl_.notes.items.size());
        AddPlainItem(ItemKind::kUnreadable, info.rule, impl_.notes);
      } else {
        info.rule = ReadNote(pieces_.note, impl_.notes);
      }
    }
    DropAza(name);
    FoldJoiningKana(name);
    if (IsBuildingRule(info.rule, impl_.notes)) {
      buildings_.push_back(Pending{index, name});
    } else {
      AddToTown(info.municipality, name, index);
    }
  }

  // Where a town's name comes from: its own line, read while its
  // municipality's names are at hand, or a building's line placed later.
  enum class TownSource { kOwnLine, kBuildingLine };

  void AddToTown(uint32_t municipality, const std::string& name, uint32_t index,
                 TownSource source = TownSource::kOwnLine) {
    if (source == TownSource::kOwnLine && StartsWithCityName(name)) {
      impl_.municipalities[municipality].townStartsWithName = true;
    }
    const uint32_t town = impl_.townNames.Insert(municipality, name, townCount_);
    if (town == townCount_) {
      ++townCount_;
      impl_.townNamesOf.Add(municipality, name, town);
    }
    members_.push_back(Member{town, index});
    impl_.longestTownName = std::max(impl_.longestTownName, name.size());
    uint32_t& longest = impl_.municipalities[municipality].longestTownName;
    longest = std::max(longest, static_cast<uint32_t>(name.size()));
  }

  // "中央アエル（1階）" is the building アエル in the town 中央: the longest
  // other town name it begins with. Every line of one building shares its names.
  void AddBuildings() {
    std::vector<Placed> placed;
    placed.reserve(buildings_.size());
    for (const Pending& pending : buildings_) {
      const RecordInfo& info = impl_.info[pending.record];
      const std::string& name = pending.key;
      Placed p{pending.record, info.municipality, name, std::string()};
      for (size_t b = name.size(); b > 0;) {
        b = PreviousBound(name, b);
        if (b == 0) break;
        if (impl_.townNames.Find(info.municipality, std::string_view(name).substr(0, b)) == NameTable::kAbsent) continue;
        p.town = name.substr(0, b);
        p.building = name.substr(b);
        break;
      }
      placed.push_back(std::move(p));
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
      return a.municipality != b.municipality ? a.municipality < b.municipality
             : a.town != b.town               ? a.town < b.town
                                              : a.building < b.building;
    });
    for (size_t first = 0; first < placed.size();) {
      size_t end = first;
      while (end < placed.size() && placed[end].municipality == placed[first].municipality &&
             placed[end].town == placed[first].town) {
        ++end;
      }
      AddTownBuildings(placed.data() + first, end - first);
      for (size_t i = first; i < end; ++i) {
        AddToTown(placed[i].municipality, placed[i].town, placed[i].record, TownSource::kBuildingLine);
      }
      first = end;
    }
  }

  static size_t PreviousBound(const std::string& name, size_t bound) {
    size_t last = 0;
    for (size_t i = 0; i < bound;) {
      last = i;
      i += CharWidth(CharCode(name.data() + i, name.size() - i));
    }
    return last;
  }

  // The buildings of one town, sorted by name: each distinct one's names
  // go once to impl_.names. A name two buildings share is neither's own.
  void AddTownBuildings(const Placed* placed, size_t count) {
    std::vector<BuildingNames> names;
    for (size_t i = 0; i < count; ++i) {
      if (placed[i].building.empty()) continue;  // no town found: a town of its own
      if (i == 0 || placed[i].building != placed[i - 1].building) {
        names.push_back(BuildingAliases(placed[i].building, placed[i].town));
      }
    }
    std::vector<std::string> shared;
    for (size_t a = 0; a < names.size(); ++a) {
      for (const std::string& alias : names[a].strict) {
        for (size_t b = a + 1; b < names.size(); ++b) {
          if (std::find(names[b].strict.begin(), names[b].strict.end(), alias) != names[b].strict.end()) {
            shared.push_back(alias);
          }
        }
      }
    }
    for (BuildingNames& one : names) {
      std::vector<std::string> own;
      for (const std::string& alias : one.strict) {
        const bool isShared = std::find(shared.begin(), shared.end(), alias) != shared.end();
        (isShared ? one.loose : own).push_back(alias);
      }
      one.strict.swap(own);
    }
    size_t n = 0;
    uint32_t offset = 0, length = 0;
    for (size_t i = 0; i < count; ++i) {
      if (placed[i].building.empty()) continue;
      if (i == 0 || placed[i].building != placed[i - 1].building) {
        const BuildingNames& one = names[n++];
        std::string joined;
        for (const std::string& alias : one.strict) {
          if (!joined.empty()) joined += kAliasSeparator;
          joined += alias;
        }
        joined += kLooseSeparator;
        for (size_t k = 0; k < one.loose.size(); ++k) {
          if (k > 0) joined += kAliasSeparator;
          joined += one.loose[k];
        }
        offset = static_cast<uint32_t>(impl_.names.size());
        length = static_cast<uint32_t>(joined.size());
        impl_.names += joined;
      }
      RecordInfo& info = impl_.info[placed[i].record];
      info.building = offset;
      info.buildingLength = length;
    }
  }

  AddressBook::Impl& impl_;
  std::vector<Pending> buildings_;
  std::vector<Member> members_;
  uint32_t townCount_ = 0;
  int lastMunicipality_ = -1;
  // Reused from one record to the next.
  std::string scratch_, cityName_, shortName_, town_, name_, chiwari_, key_;
  std::string foldedCity_, foldedShort_, cityOnly_;  // the municipality's names, folded
  TownPieces pieces_;
};

}  // namespace

void BuildIndex(AddressBook::Impl& impl) { IndexBuilder(impl).Build(); }

bool IsCommonBuildingWords(std::string_view name, std::string_view town) {
  for (size_t i = 0; i < name.size();) {
    if (!town.empty() && name.compare(i, town.size(), town) == 0) {
      i += town.size();
      continue;
    }
    const auto latin = [&](size_t k) {
      return k < name.size() && ((name[k] >= 'A' && name[k] <= 'Z') || (name[k] >= '0' && name[k] <= '9'));
    };
    if (latin(i)) {
      if (latin(i + 1)) return false;  // "NS" of NSビル is a name; "A" of A棟 is not
      ++i;
      continue;
    }
    bool common = false;
    for (const char* word : kCommonBuildingWords) {
      const size_t n = std::strlen(word);
      if (name.compare(i, n, word) == 0) {
        i += n;
        common = true;
        break;
      }
    }
    if (!common) return false;
  }
  return true;
}

}  // namespace resolver
