#include "resolver/address_rest.h"

#include <cstring>

#include "resolver/cp932_words.h"

namespace resolver {

namespace {

// No lot or floor number is this long; more digits are a misreading.
constexpr long kMaxNumber = 100000000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool At(const char* text, size_t length, size_t pos, const char* word) {
  return WordAt(std::string_view(text, length), pos, word);
}

size_t ReadNumber(const char* text, size_t length, size_t pos, long& value) {
  value = 0;
  size_t i = pos;
  while (i < length && IsDigit(text[i])) {
    if (value < kMaxNumber) value = value * 10 + (text[i] - '0');
    ++i;
  }
  return i;
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

bool IsFloorMark(const char* text, size_t length, size_t pos) {
  return At(text, length, pos, word::kKai) || (pos < length && text[pos] == 'F');
}

void ReadNumbers(AddressRest& rest) {
  const char* text = rest.text;
  const size_t length = rest.length;
  size_t pos = FirstDigit(text, length);
  rest.numbersEnd = 0;
  while (pos < length && IsDigit(text[pos]) && rest.numberCount < AddressRest::kMaxNumbers) {
    long value;
    size_t end = ReadNumber(text, length, pos, value);
    if (IsFloorMark(text, length, end)) break;  // "12階" is a floor, not a lot
    Unit unit = Unit::kPlain;
    for (const UnitWord& u : kUnitWords) {
      if (At(text, length, end, u.word)) {
        unit = u.unit;
        end += std::strlen(u.word);
        break;
      }
    }
    rest.numbers[rest.numberCount++] = LotNumber{value, unit};
    rest.numbersEnd = end;
    // What joins this number to the next: "-", "の", nothing after a unit, or 第.
    pos = end;
    if (pos < length && text[pos] == '-') {
      ++pos;
    } else if (CharCode(text + pos, length - pos) == ch::kNo && pos + 2 < length && IsDigit(text[pos + 2])) {
      pos += 2;
    } else if (unit != Unit::kPlain && CharCode(text + pos, length - pos) == ch::kDai) {
      pos += 2;
    } else if (unit == Unit::kPlain) {
      break;
    }
    if (!(pos < length && IsDigit(text[pos]))) break;
  }
}

}  // namespace

Floor ReadFloorAt(std::string_view written, size_t from) {
  const char* const text = written.data();
  const size_t length = written.size();
  Floor floor;
  for (size_t i = from; i < length;) {
    if (At(text, length, i, word::kChikai)) {
      floor.basement = true;
      return floor;
    }
    const bool underground = At(text, length, i, word::kChika);
    const bool b = text[i] == 'B' && (i == 0 || !(text[i - 1] >= 'A' && text[i - 1] <= 'Z'));
    const size_t start = underground ? i + std::strlen(word::kChika) : (b ? i + 1 : i);
    if (start < length && IsDigit(text[start])) {
      long value;
      const size_t end = ReadNumber(text, length, start, value);
      const bool letterAfter = end < length && text[end] >= 'A' && text[end] <= 'Z' && text[end] != 'F';
      if (IsFloorMark(text, length, end) || (b && !letterAfter)) {
        if (underground || b) {
          floor.basement = true;
        } else {
          floor.number = value;
        }
        return floor;
      }
      i = end;
      continue;
    }
    i += CharWidth(CharCode(text + i, length - i));
  }
  return floor;
}

size_t VillagePrefixLength(const char* text, size_t length) {
  if (At(text, length, 0, word::kOaza)) return std::strlen(word::kOaza);
  if (At(text, length, 0, word::kAza)) return std::strlen(word::kAza);
  return 0;
}

AddressRest ReadRest(std::string_view written) {
  const char* const text = written.data();
  const size_t length = written.size();
  AddressRest rest;
  rest.text = text;
  rest.length = length;
  const size_t skip = VillagePrefixLength(text, length);
  rest.numberFirst = skip < length && IsDigit(text[skip]);
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

bool FindStreetClause(const char* text, size_t length, size_t& end) {
  const char* const clauses[] = {word::kUp, word::kUpKana, word::kDown, word::kDownKana, word::kEastIn, word::kWestIn};
  bool found = false;
  for (size_t i = 0; i < length;) {
    for (const char* clause : clauses) {
      if (text[i] == clause[0] && At(text, length, i, clause)) {  // the first byte: most places are no clause
        end = i + std::strlen(clause);
        if (At(text, length, end, word::kRu)) end += std::strlen(word::kRu);
        // "堀川通寺之内上る4丁目天神北町": the 丁目 belongs to the clause
        size_t digits = end;
        while (digits < length && IsDigit(text[digits])) ++digits;
        if (digits > end && At(text, length, digits, word::kChome)) end = digits + std::strlen(word::kChome);
        found = true;
      }
    }
    i += CharWidth(CharCode(text + i, length - i));
  }
  return found;
}

size_t FirstDigit(const char* text, size_t length) {
  for (size_t i = 0; i < length;) {
    if (IsDigit(text[i])) return i;
    i += CharWidth(CharCode(text + i, length - i));
  }
  return length;
}

}  // namespace resolver
