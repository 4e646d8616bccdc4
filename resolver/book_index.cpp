#include "resolver/book_index.h"

#include <algorithm>
#include <cstring>

#include "resolver/address_rest.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/page_prefault.h"

namespace resolver {

namespace {

bool EndsWith(const std::string& text, const char* word) {
  const size_t n = std::strlen(word);
  return text.size() >= n && text.compare(text.size() - n, n, word) == 0;
}

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
  } else if (lastTop != std::string::npos && EndsWith(town, "\x81\x6A")) {
    cut = lastTop;
    pieces.note.assign(town, lastTop + 2, town.size() - lastTop - 4);
  }
  pieces.base.assign(town, 0, cut);
  const size_t inner = FindChar(pieces.base, ch::kOpen);
  if (inner != std::string::npos) pieces.base.resize(inner);
}

// "種市第15地割～第21地割", "穴明22地割、穴明23地割": the name, and the
// 地割 written after it as a note. False for a town without 地割.
bool SplitChiwariTown(const std::string& base, std::string& name, std::string& note) {
  if (FindWord(base, word::kChiwari) == std::string::npos) return false;
  size_t i = 0;
  while (i < base.size() && !(base[i] >= '0' && base[i] <= '9')) {
    const uint16_t code = CharCode(base.data() + i, base.size() - i);
    if (code == ch::kDai && i + 2 < base.size() && base[i + 2] >= '0' && base[i + 2] <= '9') break;
    i += CharWidth(code);
  }
  if (i == 0 || i == base.size()) return false;
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

class IndexBuilder {
 public:
  explicit IndexBuilder(AddressBook::Impl& impl) : impl_(impl) {}

  void Build() {
    impl_.info.reserve(impl_.records.size());
    PrefaultForWrite(impl_.info.data(), impl_.info.capacity() * sizeof(RecordInfo));
    impl_.info.resize(impl_.records.size());
    impl_.townNames.Reserve(impl_.records.size());
    members_.reserve(impl_.records.size());
    PrefaultForWrite(members_.data(), members_.capacity() * sizeof(Member));
    for (size_t i = 0; i < impl_.records.size(); ++i) AddRecord(static_cast<uint32_t>(i));
    for (const Pending& pending : buildings_) AddBuilding(pending);
    GatherTowns();
  }

 private:
  struct Pending {
    uint32_t record;
    std::string key;
  };
  struct Member {
    uint32_t town, record;
  };

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
    if (county != std::string::npos && county > 0 && county + 2 < cityName_.size()) {
      shortName_ = cityName_.substr(county + 2);
    }
    AddName(cityName_, id);
    if (!shortName_.empty()) AddName(shortName_, id);
    // "札幌市中央区" is also reached as "札幌市" with the ward left to the town.
    const size_t ward = cityName_.size() >= 2 ? cityName_.size() - 2 : 0;
    if (CharCode(cityName_.data() + ward, 2) == ch::kKu) {
      size_t city = std::string::npos;
      for (size_t i = 0; i < ward;) {
        const uint16_t code = CharCode(cityName_.data() + i, ward - i);
        if (code == ch::kShi && i + 2 < ward) city = i;
        i += CharWidth(code);
      }
      if (city != std::string::npos) AddName(cityName_.substr(0, city + 2), id);
    }
    return id;
  }

  void AddName(std::string name, uint32_t id) {
    FoldJoiningKana(name);
    std::vector<uint32_t>& ids = impl_.municipalityNames[name];
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
    impl_.longestMunicipalityName = std::max(impl_.longestMunicipalityName, name.size());
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
    if (EndsWith(town_, word::kWhole) && IsCityName(town_.substr(0, town_.size() - std::strlen(word::kWhole)))) {
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
      info.rule = ReadNumberNext(town_.data() + middle, comes - middle, impl_.notes);
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
      info.rule = ReadNote(chiwari_.data(), chiwari_.size(), impl_.notes);
    } else {
      name = pieces_.base;
      if (pieces_.noteCut) {
        info.rule.first = static_cast<uint32_t>(impl_.notes.items.size());
        AddPlainItem(ItemKind::kUnreadable, info.rule, impl_.notes);
      } else {
        info.rule = ReadNote(pieces_.note.data(), pieces_.note.size(), impl_.notes);
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

  void AddToTown(uint32_t municipality, const std::string& name, uint32_t index) {
    const uint32_t town = impl_.townNames.Insert(municipality, name.data(), name.size(), townCount_);
    if (town == townCount_) ++townCount_;
    members_.push_back(Member{town, index});
    impl_.longestTownName = std::max(impl_.longestTownName, name.size());
  }

  // "中央アエル（1階）" is the building アエル in the town 中央: the longest
  // other town name it begins with.
  void AddBuilding(const Pending& pending) {
    RecordInfo& info = impl_.info[pending.record];
    const std::string& name = pending.key;
    std::vector<size_t> bounds;
    for (size_t i = 0; i < name.size();) {
      i += CharWidth(CharCode(name.data() + i, name.size() - i));
      if (i < name.size()) bounds.push_back(i);
    }
    for (size_t b = bounds.size(); b-- > 0;) {
      if (impl_.townNames.Find(info.municipality, name.data(), bounds[b]) == NameTable::kAbsent) continue;
      const std::string town = name.substr(0, bounds[b]);
      const std::string aliases = BuildingAliases(name.substr(bounds[b]), town);
      info.building = static_cast<uint32_t>(impl_.names.size());
      info.buildingLength = static_cast<uint32_t>(aliases.size());
      impl_.names += aliases;
      AddToTown(info.municipality, town, pending.record);
      return;
    }
    AddToTown(info.municipality, name, pending.record);
  }

  // The ways a building is found in an address, tab-separated: its name, and
  // each part of a name joined with ・, with the town's name in front dropped
  // ("赤坂アークヒルズ・アーク森ビル": アークヒルズ, アーク森ビル too).
  static std::string BuildingAliases(const std::string& building, const std::string& town) {
    std::vector<std::string> parts(1, building);
    for (size_t start = 0;;) {
      const size_t dot = FindChar(building, ch::kDot, start);
      if (start > 0 || dot != std::string::npos) parts.push_back(building.substr(start, dot - start));
      if (dot == std::string::npos) break;
      start = dot + 2;
    }
    const size_t count = parts.size();
    for (size_t i = 0; i < count; ++i) {
      if (parts[i].compare(0, town.size(), town) == 0) parts.push_back(parts[i].substr(town.size()));
    }
    std::string aliases;
    std::vector<std::string> kept;
    for (const std::string& part : parts) {
      if (part.size() < kShortestAlias || std::find(kept.begin(), kept.end(), part) != kept.end()) continue;
      kept.push_back(part);
      if (!aliases.empty()) aliases += kAliasSeparator;
      aliases += part;
    }
    return aliases;
  }

  AddressBook::Impl& impl_;
  std::vector<Pending> buildings_;
  std::vector<Member> members_;
  uint32_t townCount_ = 0;
  int lastMunicipality_ = -1;
  // Reused from one record to the next.
  std::string scratch_, cityName_, shortName_, town_, name_, chiwari_;
  TownPieces pieces_;
};

}  // namespace

void BuildIndex(AddressBook::Impl& impl) { IndexBuilder(impl).Build(); }

}  // namespace resolver
