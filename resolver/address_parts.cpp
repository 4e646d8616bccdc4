#include "resolver/address_parts.h"

#include <cstring>

#include "encoding/cp932_encode.h"
#include "encoding/hyphens.h"
#include "encoding/text_encoding.h"
#include "encoding/utf8_decode.h"
#include "postal/kana.h"
#include "resolver/address_rest.h"
#include "resolver/book_impl.h"
#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/lot_reader.h"
#include "resolver/normalize.h"
#include "resolver/town_name.h"

namespace resolver {

namespace {

// After a 丁目 a lot has 番 and 号 (a third only written 号: 21番1-2号);
// without one, 番地 and two more (a 地割, 線 or 部 before them). A further
// number is a room's.
constexpr int kLotAfterChome = 2;
constexpr int kLotAlone = 3;
// The 号 of 21番1-2号 is a small branch number; 3-405号 after 2番 is a room.
constexpr long kSmallestRoom = 100;

uint16_t CodeAt(std::string_view text, size_t pos) {
  return pos < text.size() ? CharCode(text.data() + pos, text.size() - pos) : 0;
}

// What stands between a lot and its building, or around a part: dropped.
bool IsSeparator(uint16_t code) {
  const encoding::HyphenForm* hyphen = encoding::Cp932Hyphen(code);
  return code == ' ' || code == '\t' || code == '\r' || code == '\n' || code == ',' ||
         code == ch::kFullWidthBlank || code == ch::kComma || code == ch::kFullComma || code == ch::kDot ||
         (hyphen != nullptr && hyphen->use == encoding::HyphenUse::kAlways);
}

// [begin, end) of `text` without the separators before it and the blanks after it.
void Trim(std::string_view text, size_t& begin, size_t& end) {
  while (begin < end && IsSeparator(CodeAt(text, begin))) begin += CharWidth(CodeAt(text, begin));
  size_t last = begin;
  for (size_t i = begin; i < end;) {
    const uint16_t code = CodeAt(text, i);
    i += CharWidth(code);
    if (!IsBlank(code)) last = i;
  }
  end = last;
}

long NumberValue(std::string_view spelled, const Number& n) {
  long value = 0;
  for (size_t i = n.begin; i < n.end && value < 1000; ++i) value = value * 10 + (spelled[i] - '0');
  return value;
}

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

// "種市" of "種市第２２地割～第２３地割": a record for a range of 地割 names
// the town before them; the address's 地割 is the lot's first number.
std::string_view WithoutChiwariRange(std::string_view town) {
  const size_t range = town.find(word::kWave);
  if (range == std::string_view::npos || !EndsWithWord(town, word::kChiwari)) return town;
  for (size_t i = 0; i < range; i += CharWidth(CodeAt(town, i))) {
    if (CodeAt(town, i) == ch::kDai) return i > 0 ? town.substr(0, i) : town;
  }
  return town;
}

// The town of a record as the parts give it: its name without the note,
// nothing for a line that stands for the whole municipality, and on a
// building's line the longest town of the municipality its name begins with.
std::string_view RecordTown(const AddressBook::Impl& book, size_t record, std::string& key) {
  const RecordInfo& info = book.info[record];
  if (info.role != RecordRole::kTown) return std::string_view();
  const std::string_view town = WithoutChiwariRange(TownWithoutNote(book.Text(record, StoredRecord::kTown)));
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

// Appends cp932 `text` as UTF-8 (`utf8`) or as it is.
void AppendCp932As(std::string_view text, bool utf8, std::string& out) {
  if (!utf8) {
    out.append(text);
    return;
  }
  const size_t at = out.size();
  if (encoding::AppendUtf8OfCp932(text, out)) return;
  out.resize(at);
  std::string converted;
  out += encoding::Cp932ToUtf8(std::string(text), converted) ? converted : std::string(text);
}

// Appends UTF-8 `text` as cp932, "?" for a character cp932 cannot write.
void AppendUtf8AsCp932(std::string_view text, std::string& out) {
  const char* const end = text.data() + text.size();
  for (const char* p = text.data(); p < end;) {
    uint32_t codePoint = 0;
    const size_t length = encoding::DecodeUtf8(p, end, codePoint);
    if (length == 0 || !encoding::AppendCp932(codePoint, out)) out += '?';
    p += length == 0 ? 1 : length;
  }
}

// The normalized line in the written address's encoding; `chiwariFirst`:
// the lot's first number is a 地割 the town's name leaves out (第23地割27-1).
void Normalized(AddressParts& parts, bool chiwariFirst = false) {
  std::string& line = parts.normalized;
  const bool utf8 = parts.writtenUtf8;
  AppendCp932As(parts.prefecture, utf8, line);
  AppendCp932As(parts.city, utf8, line);
  AppendCp932As(parts.town, utf8, line);
  line.append(parts.subarea);
  if (!parts.chome.empty()) {
    line.append(parts.chome);
    AppendCp932As(word::kChome, utf8, line);
  }
  const size_t firstEnd = parts.lot.find('-');
  if (chiwariFirst && firstEnd != std::string::npos) {
    AppendCp932As(word::kDaiText, utf8, line);
    line.append(parts.lot, 0, firstEnd);
    AppendCp932As(word::kChiwari, utf8, line);
    line.append(parts.lot, firstEnd + 1, std::string::npos);
  } else {
    line += parts.lot;
  }
  if (!parts.building.empty()) line.append(" ").append(parts.building);
}

// The resolver's offsets lie in the spelled text, each at a character's start.
bool Placed(const Resolution& r, std::string_view spelled) {
  const size_t offsets[] = {r.cityEnd, r.townBegin, r.townEnd};
  for (const size_t offset : offsets) {
    if (offset > spelled.size()) return false;
    size_t i = 0;
    while (i < offset) i += CharWidth(CodeAt(spelled, i));
    if (i != offset) return false;
  }
  return r.status == Status::kCity || (r.cityEnd <= r.townBegin && r.townBegin <= r.townEnd);
}

}  // namespace

// The address as the parts read it: spelled as Resolve spelled it, each
// byte knowing the cp932 byte it came from, and that byte where the
// address writes it.
struct AddressPartsReader::Written {
  std::string_view spelled;
  const std::vector<uint32_t>& origins;  // spelled to cp932
  std::string_view cp932;
  std::string_view bytes;                // as written
  const std::vector<uint32_t>* offsets;  // cp932 to `bytes`; nullptr: `bytes` is `cp932`

  // The written bytes of spelled [begin, end), without the separators
  // before them and the blanks after them.
  std::string_view Cut(size_t begin, size_t end) const {
    size_t from = origins[begin], to = origins[end];
    Trim(cp932, from, to);
    if (offsets == nullptr) return bytes.substr(from, to - from);
    return bytes.substr((*offsets)[from], (*offsets)[to] - (*offsets)[from]);
  }
};

namespace {

using Written = AddressPartsReader::Written;

// The names and their kana, from the record.
void ReadNames(const AddressBook::Impl& book, size_t record, AddressParts& parts) {
  parts.prefecture = book.Text(record, StoredRecord::kPrefecture);
  parts.city = book.Text(record, StoredRecord::kCity);
  postal::AppendFullWidthKatakana(book.Text(record, StoredRecord::kPrefectureKana), parts.prefectureKana);
  postal::AppendFullWidthKatakana(book.Text(record, StoredRecord::kCityKana), parts.cityKana);
}

// "中区" of "浜松市中区板屋町": a ward the city no longer has, written before
// the town. It belongs to the municipality, which is named already.
bool IsOldWard(std::string_view between) {
  constexpr size_t kLongestWard = 8;  // bytes: four characters, 区 included
  const size_t last = LastCharAt(between);
  return between.size() <= kLongestWard && CodeAt(between, last) == ch::kKu && last > 0;
}

// A street clause before the town or right after it, into `parts.subarea`;
// returns where the rest begins.
size_t ReadStreetClause(const Written& w, const Resolution& r, AddressParts& parts) {
  size_t pos = r.townEnd;
  const size_t firstDigit = pos + FirstDigit(w.spelled.substr(pos));
  const size_t clauseEnd = StreetClauseEnd(w.spelled.substr(pos, firstDigit - pos));
  if (r.townBegin > r.cityEnd && !IsOldWard(w.spelled.substr(r.cityEnd, r.townBegin - r.cityEnd))) {
    parts.subarea = w.Cut(r.cityEnd, r.townBegin);
  } else if (clauseEnd != 0) {
    parts.subarea = w.Cut(pos, pos + clauseEnd);
    pos += clauseEnd;
  }
  return pos;
}

// "字東町" after 父島: a 字 of place names alone, no numbers after it.
bool IsAzaOnly(std::string_view rest) {
  if (VillagePrefixLength(rest) == 0) return false;
  for (size_t i = 0; i < rest.size();) {
    const uint16_t code = CodeAt(rest, i);
    if (!IsPlaceChar(code)) return false;
    i += CharWidth(code);
  }
  return true;
}

// What stands between the town and its first number.
struct BeforeNumbers {
  size_t firstDigit;
  size_t placeEnd;  // a 小字 is [pos, placeEnd)
  bool placeOnly;   // of place names only: else it is a building's
};

BeforeNumbers ReadBeforeNumbers(std::string_view spelled, size_t pos) {
  BeforeNumbers before;
  before.firstDigit = pos + FirstDigit(spelled.substr(pos));
  before.placeEnd = before.firstDigit;
  const size_t lastBefore = pos + LastCharAt(spelled.substr(pos, before.placeEnd - pos));
  if (before.placeEnd > pos && CodeAt(spelled, lastBefore) == ch::kDai) before.placeEnd = lastBefore;  // 第21地割
  before.placeOnly = true;
  for (size_t i = pos; i < before.placeEnd;) {
    const uint16_t code = CodeAt(spelled, i);
    before.placeOnly = before.placeOnly && (IsPlaceChar(code) || IsSeparator(code));
    i += CharWidth(code);
  }
  return before;
}

// The 丁目 and the lot from the numbers read; returns where the building
// begins.
size_t ReadChomeAndLot(std::string_view spelled, const Lot& lot, const RecordInfo& info, AddressParts& parts) {
  const Number* const numbers = lot.numbers;
  const int count = lot.count;
  int first = 0;
  if (count > 0) {
    const Unit unit = numbers[0].unit;
    // A bare first number is the 丁目 where the town's notes speak of 丁目
    // ("南1西5", "八重洲1-2"), or where three bare numbers are written.
    const bool bareFirst = unit == Unit::kPlain && NumberValue(spelled, numbers[0]) <= kLargestChome;
    const bool threeBare = bareFirst && count >= 3 && numbers[1].unit == Unit::kPlain;
    if (unit == Unit::kChome || (bareFirst && (info.rule.chomeTown || threeBare))) {
      AppendNumber(spelled, numbers[0], parts.chome);
      first = 1;
    }
  }
  int most = first == 1 ? kLotAfterChome : kLotAlone;
  if (first == 1 && count > 3 && numbers[1].unit == Unit::kBan && numbers[2].unit == Unit::kPlain &&
      numbers[3].unit == Unit::kGo && NumberValue(spelled, numbers[3]) < kSmallestRoom) {
    ++most;  // 21番1-2号
  }
  const Unit lead = count > 0 ? numbers[0].unit : Unit::kPlain;
  if (first == 0 && (lead == Unit::kChiwari || lead == Unit::kSen || lead == Unit::kJo)) ++most;
  int last = first;
  for (; last < count && last - first < most; ++last) {
    if (last > first) parts.lot += '-';
    AppendNumber(spelled, numbers[last], parts.lot);
  }
  // a room's number, or 第3弘安ビル
  return last < count ? numbers[last - 1].after : lot.buildingAt;
}

}  // namespace

bool AddressPartsReader::Read(const AddressBook& book, const Resolution& resolution, std::string_view address,
                              AddressParts& parts) {
  NormalizeText(address, spelled_, origins_);
  FoldJoiningKana(spelled_, &origins_);
  const Written written{spelled_, origins_, address, address, nullptr};
  parts.writtenUtf8 = false;
  return ReadFrom(book, resolution, written, parts);
}

bool AddressPartsReader::Read(const AddressBook& book, const Resolution& resolution, const WrittenAddress& address,
                              AddressParts& parts) {
  NormalizeText(address.cp932, spelled_, origins_);
  FoldJoiningKana(spelled_, &origins_);
  const bool mapped = address.offsets.size() == address.cp932.size() + 1;
  const Written written{spelled_, origins_, address.cp932, mapped ? address.utf8 : address.cp932,
                        mapped ? &address.offsets : nullptr};
  parts.writtenUtf8 = mapped;
  return ReadFrom(book, resolution, written, parts);
}

bool AddressPartsReader::ReadFrom(const AddressBook& book, const Resolution& resolution, const Written& w,
                                  AddressParts& parts) {
  const bool utf8 = parts.writtenUtf8;
  Clear(parts);
  parts.writtenUtf8 = utf8;
  const AddressBook::Impl& impl = book.impl();
  std::string_view town;
  const size_t record = NamingRecord(impl, resolution, key_, town);
  if (record == std::string::npos || !Placed(resolution, w.spelled)) return false;
  ReadNames(impl, record, parts);
  if (resolution.status == Status::kCity) {
    parts.subarea = w.Cut(resolution.cityEnd, w.spelled.size());
    Normalized(parts);
    return true;
  }
  parts.town = town;
  postal::AppendFullWidthKatakana(TownKana(impl, record, parts.town), parts.townKana);
  const size_t pos = ReadStreetClause(w, resolution, parts);
  const BeforeNumbers before = ReadBeforeNumbers(w.spelled, pos);
  Lot lot;
  if (before.firstDigit < w.spelled.size() && before.placeOnly) {
    lot = LotReader(w.spelled, w.origins, w.cp932).Read(before.firstDigit);
  }
  if (lot.count == 0) {
    lot.buildingAt = IsAzaOnly(w.spelled.substr(pos)) ? w.spelled.size() : pos;
    if (lot.buildingAt > pos && parts.subarea.empty()) parts.subarea = w.Cut(pos, w.spelled.size());
  } else if (before.placeEnd > pos && parts.subarea.empty()) {
    parts.subarea = w.Cut(pos, before.placeEnd);
  } else if (lot.HasPlace() && parts.subarea.empty()) {
    parts.subarea = w.Cut(lot.placeBegin, lot.placeEnd);
  }
  const size_t buildingAt = ReadChomeAndLot(w.spelled, lot, impl.info[record], parts);
  parts.building = w.Cut(buildingAt, w.spelled.size());
  const std::string_view recordTown = TownWithoutNote(impl.Text(record, StoredRecord::kTown));
  const bool rangeTown = WithoutChiwariRange(recordTown).size() < recordTown.size();
  Normalized(parts, rangeTown && lot.count > 0 && lot.numbers[0].unit == Unit::kChiwari && parts.chome.empty());
  return true;
}

bool ReadAddressParts(const AddressBook& book, const Resolution& resolution, std::string_view address,
                      AddressParts& parts) {
  AddressPartsReader reader;
  return reader.Read(book, resolution, address, parts);
}

bool ReadAddressParts(const AddressBook& book, const Resolution& resolution, const WrittenAddress& address,
                      AddressParts& parts) {
  AddressPartsReader reader;
  return reader.Read(book, resolution, address, parts);
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

void AppendPart(const AddressParts& parts, int index, bool utf8, std::string& out) {
  const bool written = index == 3 || index == 6 || index == kNormalizedPart;
  const std::string_view text = index == kNormalizedPart ? std::string_view(parts.normalized) : SplitPart(parts, index);
  if (!written || !parts.writtenUtf8) {
    AppendCp932As(text, utf8, out);
  } else if (utf8) {
    out.append(text);
  } else {
    AppendUtf8AsCp932(text, out);
  }
}

}  // namespace resolver
