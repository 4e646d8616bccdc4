// What follows the town in a normalised address: the lot numbers with their
// units, a floor, and the text around them that the notes' names are read
// against. Read once per address, without allocating.
#pragma once

#include <cstddef>
#include <string_view>

namespace resolver {

enum class Unit { kPlain, kChome, kBan, kGo, kChiwari, kJo, kSen };

struct LotNumber {
  long value;
  Unit unit;  // kPlain: a bare number, as in "1-2-3"
};

// The levels a note's ranges speak of.
enum class Level { kChome, kBan, kGo, kChiwari, kJo, kSen, kCount };
constexpr long kUnknown = -1;
// No 丁目 in the address: its first number is written 番地, or is larger
// than any 丁目 of the address file (42 is the largest).
constexpr long kAbsent = -2;
constexpr long kLargestChome = 99;

// The lot numbers as one note reads them: "1-2-3" is 1丁目2番3号 in a town
// whose notes speak of 丁目, but 1番地2 (and a third number) elsewhere.
struct LotValues {
  long value[static_cast<int>(Level::kCount)];
  long At(Level level) const { return value[static_cast<int>(level)]; }
};

// How a town reads a bare first number: as its 丁目 where it has 丁目
// lines, as the 番地 where it has none.
enum class FirstNumber { kChome, kBanchi };

struct AddressRest {
  static constexpr int kMaxNumbers = 6;

  std::string_view text;       // normalised, after the town's name
  LotNumber numbers[kMaxNumbers];
  int numberCount = 0;
  size_t numbersEnd = 0;       // offset just past the lot numbers
  size_t afterChome = 0;       // just past a leading "N丁目" that ends them ("21丁目南1番"), else 0
  bool numberFirst = false;    // a digit comes first (after 大字/字)
  long floor = kUnknown;       // 12 for "12階" or "12F"
  bool basement = false;       // "地下1階", "B1", "地階"

  bool HasChomeWritten() const;
  // "1-2-3": three bare numbers, the first small enough for a 丁目. Where a
  // town has 丁目 and 番地 lines they are 丁目-番-号.
  bool HasThreeNumbers() const;
  // The first number is no 丁目: written 番地, or too large for one.
  bool HasBanchiFirst() const;
  LotValues Values(FirstNumber firstNumber) const;
};

// Reads the lot numbers and the floor from `text` (normalised; the rest
// views into it). A street clause is the caller's to find (StreetClauseEnd).
AddressRest ReadRest(std::string_view text);

struct Floor {
  long number = kUnknown;  // 12 for "12階"; kUnknown for a basement or none
  bool basement = false;
};

// The first floor written at or after `from`: 12階, 12F, 地下1階, B1, 地階.
Floor ReadFloorAt(std::string_view text, size_t from);

// The first ASCII digit at a character boundary, or the text's size.
size_t FirstDigit(std::string_view text);

// The length of a leading "大字" or "字", 0 when there is none.
size_t VillagePrefixLength(std::string_view text);

// Just past the last Kyoto street clause of `text` (上る, 下る, 東入, 西入,
// with ル forms), 0 when it holds none.
size_t StreetClauseEnd(std::string_view text);

}  // namespace resolver
