#include "resolver/address_parts.h"

#include <cstring>

#include "postal/kana.h"
#include "resolver/address_rest.h"
#include "resolver/book_impl.h"
#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/town_name.h"

namespace resolver {

namespace {

using word::kCho, word::kBu, word::kBancho, word::kNameWords;

struct UnitWord {
  const char* word;
  Unit unit;
};
// Longer words first: 番地 before 番, 丁目 before 丁.
const UnitWord kUnits[] = {
    {word::kChome, Unit::kChome}, {word::kMachime, Unit::kChome}, {kCho, Unit::kChome},
    {word::kBanchi, Unit::kBan},  {word::kBan, Unit::kBan},       {word::kGo, Unit::kGo},
    {word::kChiwari, Unit::kChiwari}, {word::kSen, Unit::kSen},   {word::kJo, Unit::kJo},
    {kBu, Unit::kChiwari},
};

// After a 丁目 a lot has 番 and 号 (a third only written 号: 21番1-2号);
// without one, 番地 and two more (a 地割, 線 or 部 before them). A further
// number is a room's.
constexpr int kLotAfterChome = 2;
constexpr int kLotAlone = 3;
constexpr int kMaxNumbers = 5;


uint16_t CodeAt(std::string_view text, size_t pos) {
  return pos < text.size() ? CharCode(text.data() + pos, text.size() - pos) : 0;
}

// What stands between a lot and its building, or around a part: dropped.
bool IsSeparator(uint16_t code) {
  return code == ' ' || code == '\t' || code == '\r' || code == '\n' || code == ',' || code == '-' ||
         code == ch::kFullWidthBlank || code == ch::kComma || code == ch::kFullComma || code == ch::kDot ||
         code == ch::kMinus || code == ch::kHyphen || code == ch::kBar;
}

// A 小字's characters: kanji and kana, no letters or digits (those begin a
// building's name).
bool IsPlaceChar(uint16_t code) {
  return IsKanji(code) || IsKatakana(code) || (code >= ch::kHiraganaFirst && code <= ch::kHiraganaLast) ||
         code == ch::kLong;
}

// Without the separators before it and the blanks after it.
std::string_view Trimmed(std::string_view text) {
  size_t begin = 0;
  while (begin < text.size() && IsSeparator(CodeAt(text, begin))) begin += CharWidth(CodeAt(text, begin));
  size_t end = begin;
  for (size_t i = begin; i < text.size();) {
    const uint16_t code = CodeAt(text, i);
    i += CharWidth(code);
    if (!IsBlank(code)) end = i;
  }
  return text.substr(begin, end - begin);
}

struct Number {
  size_t begin, end;  // its digits in the spelled text
  Unit unit;
  size_t after;       // just past its unit
};

struct Lot {
  Number numbers[kMaxNumbers];
  int count = 0;
  size_t buildingAt = 0;                // where the building begins
  size_t placeBegin = 0, placeEnd = 0;  // a 小字 written among the numbers
  bool HasPlace() const { return placeEnd > placeBegin; }
};

// Reads the spelled text after the town (and a street clause) into the lot.
class LotReader {
 public:
  LotReader(std::string_view spelled, const std::vector<uint32_t>& origins, std::string_view address)
      : s_(spelled), origins_(origins), address_(address) {}

  // The address's bytes from spelled [begin, end).
  std::string_view Written(size_t begin, size_t end) const {
    return address_.substr(origins_[begin], origins_[end] - origins_[begin]);
  }

  // The numbers from `pos`, and where the building begins.
  Lot Read(size_t pos) const {
    Lot lot;
    lot.buildingAt = pos;
    bool lastArabic = false;
    while (pos < s_.size() && IsAsciiDigit(s_[pos]) && lot.count < kMaxNumbers) {
      const bool kanji = FromKanji(pos);
      // "２番地４三番町", "１５番５十五番館": the kanji numeral begins a name
      if (lot.count > 0 && lastArabic && kanji && lot.numbers[lot.count - 1].unit != Unit::kChome) break;
      size_t end = pos;
      while (end < s_.size() && IsAsciiDigit(s_[end]) && FromKanji(end) == kanji) ++end;
      const bool nameFollows = end < s_.size() && IsAsciiDigit(s_[end]);  // Arabic giving way to kanji
      const size_t afterBlock = end + std::strlen(kBancho);
      if (lot.count == 0 && !nameFollows && WordAt(s_, end, kBancho) && afterBlock < s_.size() &&
          IsAsciiDigit(s_[afterBlock]) && !lot.HasPlace()) {
        lot.placeBegin = pos;  // "8番町" before the lot: a place of the town
        lot.placeEnd = afterBlock;
        pos = afterBlock;
        continue;
      }
      if (!nameFollows && (IsFloor(end) || IsNameWord(end))) break;
      Unit unit = Unit::kPlain;
      size_t after = end;
      for (const UnitWord& u : kUnits) {
        if (nameFollows || !WordAt(s_, end, u.word)) continue;
        if ((u.word == kCho || u.word == kBu) && lot.count > 0) continue;
        if (u.word == kBu && !IsAsciiDigit(At(end + std::strlen(kBu)))) continue;
        unit = u.unit;
        after = end + std::strlen(u.word);
        break;
      }
      lot.numbers[lot.count++] = Number{pos, end, unit, after};
      lot.buildingAt = after;
      lastArabic = !kanji;
      if (nameFollows) break;
      pos = NextNumber(after, unit);
      // "第21地割大淵川480": a 小字 between a 地割 or 線 number and the next
      if (pos == std::string_view::npos && (unit == Unit::kChiwari || unit == Unit::kSen) && !lot.HasPlace()) {
        Cp932Cursor place{s_, after};
        while (IsPlaceChar(place.Peek())) place.Next();
        if (place.pos > after && place.Digit()) {
          lot.placeBegin = after;
          lot.placeEnd = pos = place.pos;
        }
      }
      if (pos == std::string_view::npos) break;
    }
    return lot;
  }

 private:
  char At(size_t pos) const { return pos < s_.size() ? s_[pos] : '\0'; }
  bool FromKanji(size_t pos) const {
    const size_t at = origins_[pos];
    return KanjiNumeralValue(CharCode(address_.data() + at, address_.size() - at)) >= 0;
  }
  // 12階, 12F; not 1FKビル.
  bool IsFloor(size_t end) const {
    if (WordAt(s_, end, word::kKai)) return true;
    return At(end) == 'F' && !IsLatinCapital(static_cast<unsigned char>(At(end + 1)));
  }
  bool IsNameWord(size_t end) const {
    for (const char* name : kNameWords) {
      if (WordAt(s_, end, name)) return true;
    }
    return false;
  }

  // Where the next number of the lot begins after a number ending at
  // `after`, or npos: "-", "の", 第, or right after a unit.
  size_t NextNumber(size_t after, Unit unit) const {
    const Cp932Cursor at{s_, after};
    const auto digitAfter = [&at](uint16_t joiner) { return at.Peek() == joiner && IsAsciiDigit(at.PeekSecond()); };
    if (digitAfter('-') || digitAfter(ch::kNo)) return after + CharWidth(at.Peek());
    if (unit == Unit::kPlain) return std::string_view::npos;
    if (at.Digit()) return after;
    if (digitAfter(ch::kDai)) return after + CharWidth(ch::kDai);
    return std::string_view::npos;
  }

  std::string_view s_;
  const std::vector<uint32_t>& origins_;
  std::string_view address_;
};

// Appends the number's digits without leading zeros.
void AppendNumber(std::string_view spelled, const Number& n, std::string& out) {
  size_t b = n.begin;
  while (b + 1 < n.end && spelled[b] == '0') ++b;
  out.append(spelled.data() + b, n.end - b);
}

void Clear(AddressParts& parts) {
  parts.prefecture = parts.city = parts.town = parts.subarea = parts.building = std::string_view();
  parts.chome.clear();
  parts.lot.clear();
  parts.prefectureKana.clear();
  parts.cityKana.clear();
  parts.townKana.clear();
  parts.normalized.clear();
}

// The kana without its note "(…)".
std::string_view KanaWithoutNote(std::string_view kana) {
  const size_t open = kana.find('(');
  return open == std::string_view::npos ? kana : kana.substr(0, open);
}

// The town of a record as the parts give it: its name without the note,
// nothing for a line that stands for the whole municipality, and on a
// building's line the longest town of the municipality its name begins with.
std::string_view RecordTown(const AddressBook::Impl& book, size_t record, std::string& key) {
  const RecordInfo& info = book.info[record];
  if (info.role != RecordRole::kTown) return std::string_view();
  const std::string_view town = TownWithoutNote(book.Text(record, StoredRecord::kTown));
  if (info.buildingLength == 0) return town;
  size_t last = 0;
  for (size_t i = 0; i < town.size();) {
    i += CharWidth(CharCode(town.data() + i, town.size() - i));
    if (i == town.size()) break;
    NormalizeText(town.substr(0, i), key);
    DropAza(key);
    FoldJoiningKana(key);
    if (book.townNames.Find(info.municipality, key) != NameTable::kAbsent) last = i;
  }
  return last > 0 ? town.substr(0, last) : town;
}

// The kana of `town` in municipality of `record`: the record's own, or on a
// building's line that of a line of the town alone.
std::string_view TownKana(const AddressBook::Impl& book, size_t record, std::string_view town) {
  const RecordInfo& info = book.info[record];
  if (town.empty()) return std::string_view();
  if (info.buildingLength == 0) return KanaWithoutNote(book.Text(record, StoredRecord::kTownKana));
  const Municipality& m = book.municipalities[info.municipality];
  for (size_t r = m.firstRecord; r < m.endRecord; ++r) {
    if (book.info[r].buildingLength == 0 && TownWithoutNote(book.Text(r, StoredRecord::kTown)) == town) {
      return KanaWithoutNote(book.Text(r, StoredRecord::kTownKana));
    }
  }
  return std::string_view();
}

// The one record the parts' names come from, or npos: every candidate in
// one prefecture, municipality and town, which `town` receives.
size_t NamingRecord(const AddressBook::Impl& book, const Resolution& r, std::string& key, std::string_view& town) {
  if (r.status == Status::kNone) return std::string::npos;
  if (r.candidates.empty()) {
    if (r.status != Status::kCity || r.cityCode.empty()) return std::string::npos;
    const auto found = book.municipalityByCode.find(r.cityCode);
    if (found == book.municipalityByCode.end()) return std::string::npos;
    const Municipality& m = book.municipalities[found->second];
    return m.firstRecord < m.endRecord ? m.firstRecord : std::string::npos;
  }
  const size_t first = r.candidates.front();
  town = RecordTown(book, first, key);
  for (size_t i = 1; i < r.candidates.size(); ++i) {
    const size_t c = r.candidates[i];
    if (book.info[c].municipality != book.info[first].municipality) return std::string::npos;
    if (r.status != Status::kCity && RecordTown(book, c, key) != town) return std::string::npos;
  }
  return first;
}

void Normalized(AddressParts& parts) {
  std::string& line = parts.normalized;
  line.append(parts.prefecture).append(parts.city).append(parts.town).append(parts.subarea);
  if (!parts.chome.empty()) line.append(parts.chome).append(word::kChome);
  line += parts.lot;
  if (!parts.building.empty()) line.append(" ").append(parts.building);
}

}  // namespace

bool ReadAddressParts(const AddressBook& book, const Resolution& resolution, std::string_view address,
                      AddressParts& parts) {
  Clear(parts);
  const AddressBook::Impl& impl = book.impl();
  AddressParts::Work& work = parts.work;
  std::string_view town;
  const size_t record = NamingRecord(impl, resolution, work.key, town);
  if (record == std::string::npos) return false;

  // 1. The names, from the record.
  parts.prefecture = impl.Text(record, StoredRecord::kPrefecture);
  parts.city = impl.Text(record, StoredRecord::kCity);
  postal::AppendFullWidthKatakana(impl.Text(record, StoredRecord::kPrefectureKana), parts.prefectureKana);
  postal::AppendFullWidthKatakana(impl.Text(record, StoredRecord::kCityKana), parts.cityKana);

  // 2. The address spelled as Resolve spelled it, each byte knowing where it came from.
  NormalizeText(address, work.spelled, work.origins);
  FoldJoiningKana(work.spelled, &work.origins);
  const std::string_view spelled = work.spelled;
  const bool placed = resolution.cityEnd <= resolution.townBegin && resolution.townBegin <= resolution.townEnd;
  if (resolution.townEnd > spelled.size() || resolution.cityEnd > spelled.size() ||
      (resolution.status != Status::kCity && !placed)) {
    Clear(parts);
    return false;
  }
  const LotReader reader(spelled, work.origins, address);
  if (resolution.status == Status::kCity) {
    parts.subarea = Trimmed(reader.Written(resolution.cityEnd, spelled.size()));
    Normalized(parts);
    return true;
  }
  parts.town = town;
  postal::AppendFullWidthKatakana(TownKana(impl, record, parts.town), parts.townKana);

  // 3. A street clause: before the town, or right after it.
  size_t pos = resolution.townEnd;
  const size_t firstDigit = pos + FirstDigit(spelled.substr(pos));
  const size_t clauseEnd = StreetClauseEnd(spelled.substr(pos, firstDigit - pos));
  if (resolution.townBegin > resolution.cityEnd) {
    parts.subarea = Trimmed(reader.Written(resolution.cityEnd, resolution.townBegin));
  } else if (clauseEnd != 0) {
    parts.subarea = Trimmed(reader.Written(pos, pos + clauseEnd));
    pos += clauseEnd;
  }

  // 4. A 小字 before the numbers: place names only, else it is a building's.
  size_t placeEnd = firstDigit;
  const size_t lastBefore = pos + LastCharAt(spelled.substr(pos, placeEnd - pos));
  if (placeEnd > pos && CodeAt(spelled, lastBefore) == ch::kDai) placeEnd = lastBefore;  // 第21地割
  bool placeOnly = true;
  for (size_t i = pos; i < placeEnd;) {
    const uint16_t code = CodeAt(spelled, i);
    placeOnly = placeOnly && (IsPlaceChar(code) || IsSeparator(code));
    i += CharWidth(code);
  }

  // 5. The numbers, then the building.
  Lot lot;
  if (firstDigit < spelled.size() && placeOnly) lot = reader.Read(firstDigit);
  const Number* const numbers = lot.numbers;
  const int count = lot.count;
  size_t buildingAt = lot.buildingAt;
  if (count == 0) {
    buildingAt = pos;
  } else if (placeEnd > pos && parts.subarea.empty()) {
    parts.subarea = Trimmed(reader.Written(pos, placeEnd));
  } else if (lot.HasPlace() && parts.subarea.empty()) {
    parts.subarea = Trimmed(reader.Written(lot.placeBegin, lot.placeEnd));
  }
  const RecordInfo& info = impl.info[record];
  int first = 0;
  if (count > 0) {
    const Unit unit = numbers[0].unit;
    long value = 0;
    for (size_t i = numbers[0].begin; i < numbers[0].end && value < 1000; ++i) value = value * 10 + (spelled[i] - '0');
    // A bare first number is the 丁目 where the town's notes speak of 丁目
    // ("南1西5", "八重洲1-2"), or where three bare numbers are written.
    const bool bareFirst = unit == Unit::kPlain && value <= kLargestChome;
    const bool threeBare = bareFirst && count >= 3 && numbers[1].unit == Unit::kPlain;
    if (unit == Unit::kChome || (bareFirst && (info.rule.chomeTown || threeBare))) {
      AppendNumber(spelled, numbers[0], parts.chome);
      first = 1;
    }
  }
  int most = first == 1 ? kLotAfterChome : kLotAlone;
  if (first == 1 && count > 3 && numbers[3].unit == Unit::kGo) ++most;  // 21番1-2号
  const Unit lead = count > 0 ? numbers[0].unit : Unit::kPlain;
  if (first == 0 && (lead == Unit::kChiwari || lead == Unit::kSen || lead == Unit::kJo)) ++most;
  int last = first;
  for (; last < count && last - first < most; ++last) {
    if (last > first) parts.lot += '-';
    AppendNumber(spelled, numbers[last], parts.lot);
  }
  if (last < count) buildingAt = numbers[last - 1].after;  // a room's number, or 第3弘安ビル
  parts.building = Trimmed(reader.Written(buildingAt, spelled.size()));
  Normalized(parts);
  return true;
}

const char* SplitPartName(int index) {
  static_assert(sizeof(word::kSplitPartNames) / sizeof(word::kSplitPartNames[0]) == kSplitPartCount, "a name a part");
  return index >= 0 && index < kSplitPartCount ? word::kSplitPartNames[index] : "";
}

std::string_view SplitPart(const AddressParts& parts, int index) {
  switch (index) {
    case 0: return parts.prefecture;
    case 1: return parts.city;
    case 2: return parts.town;
    case 3: return parts.subarea;
    case 4: return parts.chome;
    case 5: return parts.lot;
    case 6: return parts.building;
    default: return std::string_view();
  }
}

}  // namespace resolver
