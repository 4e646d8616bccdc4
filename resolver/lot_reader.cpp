#include "resolver/lot_reader.h"

#include <cstring>

#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"

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

bool IsSide(uint16_t code) {
  return code == ch::kEast || code == ch::kWest || code == ch::kSouth || code == ch::kNorth;
}

}  // namespace

bool IsPlaceChar(uint16_t code) {
  return IsKanji(code) || IsKatakana(code) || (code >= ch::kHiraganaFirst && code <= ch::kHiraganaLast) ||
         code == ch::kLong;
}

Lot LotReader::Read(size_t pos) const {
  Lot lot;
  lot.buildingAt = pos;
  bool lastArabic = false;
  while (pos < s_.size() && IsAsciiDigit(s_[pos]) && lot.count < kMaxLotNumbers) {
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
    size_t unitLength = 0;
    const Unit unit = nameFollows ? Unit::kPlain : UnitAt(end, lot.count, unitLength);
    const size_t after = end + unitLength;
    lot.numbers[lot.count++] = Number{pos, end, unit, after};
    lot.buildingAt = after;
    lastArabic = !kanji;
    if (nameFollows) break;
    pos = NextNumber(after, unit);
    // "本郷通8丁目南1-1": the side of the town (本郷通（南）) between its 丁目 and the lot
    if (pos == std::string_view::npos && unit == Unit::kChome && !lot.HasPlace() && IsSide(Cp932Cursor{s_, after}.Peek())) {
      const Cp932Cursor side{s_, after + CharWidth(ch::kSouth)};
      if (side.Digit()) {
        lot.placeBegin = after;
        lot.placeEnd = pos = side.pos;
      }
    }
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

// The unit written at `end` after `count` numbers, its length in `length`;
// kPlain (length 0) for none.
Unit LotReader::UnitAt(size_t end, int count, size_t& length) const {
  length = 0;
  for (const UnitWord& u : kUnits) {
    if (!WordAt(s_, end, u.word)) continue;
    if ((u.word == kCho || u.word == kBu) && count > 0) continue;
    if (u.word == kBu && !IsAsciiDigit(At(end + std::strlen(kBu)))) continue;
    length = std::strlen(u.word);
    return u.unit;
  }
  return Unit::kPlain;
}

bool LotReader::FromKanji(size_t pos) const {
  const size_t at = origins_[pos];
  const uint16_t code = CharCode(address_.data() + at, address_.size() - at);
  return KanjiNumeralValue(code) >= 0 || LookalikeNumeralValue(code) >= 0;
}

// 12階, 12F; not 1FKビル.
bool LotReader::IsFloor(size_t end) const {
  if (WordAt(s_, end, word::kKai)) return true;
  return At(end) == 'F' && !IsLatinCapital(static_cast<unsigned char>(At(end + 1)));
}

bool LotReader::IsNameWord(size_t end) const {
  for (const char* name : kNameWords) {
    if (WordAt(s_, end, name)) return true;
  }
  return false;
}

// Where the next number of the lot begins after a number ending at
// `after`, or npos: "-", "の", 第, or right after a unit.
size_t LotReader::NextNumber(size_t after, Unit unit) const {
  const Cp932Cursor at{s_, after};
  const auto digitAfter = [&at](uint16_t joiner) { return at.Peek() == joiner && IsAsciiDigit(at.PeekSecond()); };
  if (digitAfter('-') || digitAfter(ch::kNo)) return after + CharWidth(at.Peek());
  if (unit == Unit::kPlain) return std::string_view::npos;
  if (at.Digit()) return after;
  if (digitAfter(ch::kDai)) return after + CharWidth(ch::kDai);
  return std::string_view::npos;
}

}  // namespace resolver
