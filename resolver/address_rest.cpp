#include "resolver/address_rest.h"

#include <cstring>

#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"

namespace resolver {

namespace {

// No lot or floor number is this long; more digits are a misreading.
constexpr long kMaxNumber = 100000000;

bool IsDigitAt(std::string_view text, size_t pos) { return pos < text.size() && IsAsciiDigit(text[pos]); }

struct Number {
  long value;
  size_t end;  // just past its digits
};

Number ReadNumber(std::string_view text, size_t pos) {
  Number number{0, pos};
  for (; IsDigitAt(text, number.end); ++number.end) {
    if (number.value < kMaxNumber) number.value = number.value * 10 + (text[number.end] - '0');
  }
  return number;
}

struct UnitWord {
  const char* word;
  Unit unit;
};
// Longer words first: 番地 before 番.
const UnitWord kUnitWords[] = {
    {word::kChome, Unit::kChome}, {word::kMachime, Unit::kChome}, {word::kBanchi, Unit::kBan},
    {word::kBan, Unit::kBan},     {word::kGo, Unit::kGo},         {word::kChiwari, Unit::kChiwari},
    {word::kJo, Unit::kJo},       {word::kSen, Unit::kSen},
};

bool IsFloorMark(std::string_view text, size_t pos) {
  return WordAt(text, pos, word::kKai) || (pos < text.size() && text[pos] == 'F');
}

// What joins a number to the next: "-", の before a digit, or 第 after a unit.
bool TakeJoiner(Cp932Cursor& at, Unit unit) {
  if (at.Peek() == ch::kNo && IsAsciiDigit(at.PeekSecond())) {
    at.Next();
    return true;
  }
  return at.TakeChar('-') || (unit != Unit::kPlain && at.TakeChar(ch::kDai));
}

void ReadNumbers(AddressRest& rest) {
  const std::string_view text = rest.text;
  size_t pos = FirstDigit(text);
  rest.numbersEnd = 0;
  while (IsDigitAt(text, pos) && rest.numberCount < AddressRest::kMaxNumbers) {
    const Number number = ReadNumber(text, pos);
    size_t end = number.end;
    if (IsFloorMark(text, end)) break;  // "12階" is a floor, not a lot
    Unit unit = Unit::kPlain;
    for (const UnitWord& u : kUnitWords) {
      if (WordAt(text, end, u.word)) {
        unit = u.unit;
        end += std::strlen(u.word);
        break;
      }
    }
    rest.numbers[rest.numberCount++] = LotNumber{number.value, unit};
    rest.numbersEnd = end;
    // A plain number needs a joiner before the next; after a unit it may follow directly.
    Cp932Cursor next{text, end};
    if (!TakeJoiner(next, unit) && unit == Unit::kPlain) break;
    if (!next.Digit()) break;
    pos = next.pos;
  }
}

}  // namespace

Floor ReadFloorAt(std::string_view text, size_t from) {
  Floor floor;
  const size_t last = LastCharAt(text.substr(0, from));
  uint16_t before = from > 0 ? CharCode(text.data() + last, from - last) : 0;  // the character before the cursor
  for (Cp932Cursor at{text, from}; !at.AtEnd();) {
    const size_t i = at.pos;
    if (WordAt(text, i, word::kChikai)) {
      floor.basement = true;
      return floor;
    }
    const bool underground = WordAt(text, i, word::kChika);
    const bool b = text[i] == 'B' && (i == 0 || !IsLatinCapital(before));
    const size_t start = underground ? i + std::strlen(word::kChika) : (b ? i + 1 : i);
    if (IsDigitAt(text, start)) {
      const Number number = ReadNumber(text, start);
      const bool letterAfter = number.end < text.size() && IsLatinCapital(text[number.end]) && text[number.end] != 'F';
      if (IsFloorMark(text, number.end) || (b && !letterAfter)) {
        if (underground || b) {
          floor.basement = true;
        } else {
          floor.number = number.value;
        }
        return floor;
      }
      before = '0';  // a digit
      at.pos = number.end;
      continue;
    }
    before = at.Peek();
    at.Next();
  }
  return floor;
}

size_t VillagePrefixLength(std::string_view text) {
  if (WordAt(text, 0, word::kOaza)) return std::strlen(word::kOaza);
  if (WordAt(text, 0, word::kAza)) return std::strlen(word::kAza);
  return 0;
}

AddressRest ReadRest(std::string_view written) {
  AddressRest rest;
  rest.text = written;
  const size_t skip = VillagePrefixLength(written);
  rest.numberFirst = skip < written.size() && IsAsciiDigit(written[skip]);
  ReadNumbers(rest);
  if (rest.numberCount == 1 && rest.numbers[0].unit == Unit::kChome) rest.afterChome = rest.numbersEnd;
  const Floor floor = ReadFloorAt(written, rest.numbersEnd);
  rest.floor = floor.number;
  rest.basement = floor.basement;
  return rest;
}

bool AddressRest::HasChomeWritten() const {
  for (int i = 0; i < numberCount; ++i) {
    if (numbers[i].unit == Unit::kChome) return true;
  }
  return false;
}

bool AddressRest::HasThreeNumbers() const {
  return numberCount >= 3 && numbers[0].unit == Unit::kPlain && numbers[1].unit == Unit::kPlain &&
         numbers[0].value <= kLargestChome;
}

bool AddressRest::HasBanchiFirst() const {
  return numberCount > 0 &&
         (numbers[0].unit == Unit::kBan || (numbers[0].unit == Unit::kPlain && numbers[0].value > kLargestChome));
}

LotValues AddressRest::Values(FirstNumber firstNumber) const {
  const bool chomeTown = firstNumber == FirstNumber::kChome;
  LotValues v;
  for (long& value : v.value) value = kUnknown;
  if (numberCount == 0) return v;
  const Unit first = numbers[0].unit;
  Level order[3] = {Level::kBan, Level::kGo, Level::kCount};
  const bool noChome = first == Unit::kBan || (first == Unit::kPlain && numbers[0].value > kLargestChome);
  if (chomeTown && noChome) v.value[static_cast<int>(Level::kChome)] = kAbsent;
  if (first == Unit::kChiwari || first == Unit::kJo || first == Unit::kSen || first == Unit::kChome ||
      (chomeTown && first == Unit::kPlain && !noChome)) {
    order[0] = first == Unit::kChiwari ? Level::kChiwari
               : first == Unit::kJo    ? Level::kJo
               : first == Unit::kSen   ? Level::kSen
                                       : Level::kChome;
    order[1] = Level::kBan;
    order[2] = Level::kGo;
  }
  for (int i = 0; i < numberCount && i < 3; ++i) {
    if (order[i] == Level::kCount) break;
    const Level level = i > 0 && numbers[i].unit == Unit::kGo ? Level::kGo : order[i];
    v.value[static_cast<int>(level)] = numbers[i].value;
  }
  return v;
}

size_t StreetClauseEnd(std::string_view text) {
  const char* const clauses[] = {word::kUp, word::kUpKana, word::kDown, word::kDownKana, word::kEastIn, word::kWestIn};
  size_t end = 0;
  for (Cp932Cursor at{text}; !at.AtEnd(); at.Next()) {
    for (const char* clause : clauses) {
      // the first byte: most places are no clause
      if (text[at.pos] != clause[0] || !WordAt(text, at.pos, clause)) continue;
      Cp932Cursor after{text, at.pos + std::strlen(clause)};
      after.Take(word::kRu);
      end = after.pos;
      // "堀川通寺之内上る4丁目天神北町": the 丁目 belongs to the clause
      while (after.Digit()) after.Next();
      if (after.pos > end && after.Take(word::kChome)) end = after.pos;
    }
  }
  return end;
}

size_t FirstDigit(std::string_view text) {
  Cp932Cursor at{text};
  while (!at.AtEnd() && !at.Digit()) at.Next();
  return at.pos;
}

}  // namespace resolver
