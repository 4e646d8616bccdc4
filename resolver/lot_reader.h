// The numbers after a town (and a street clause) in the address as Resolve
// spells it: each number's digits, its unit, and where the building begins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "resolver/address_rest.h"

namespace resolver {

constexpr int kMaxLotNumbers = 5;

struct Number {
  size_t begin, end;  // its digits in the spelled text
  Unit unit;
  size_t after;       // just past its unit
};

struct Lot {
  Number numbers[kMaxLotNumbers];
  int count = 0;
  size_t buildingAt = 0;                // where the building begins
  size_t placeBegin = 0, placeEnd = 0;  // a 小字 written among the numbers
  bool HasPlace() const { return placeEnd > placeBegin; }
};

// A 小字's characters: kanji and kana, no letters or digits (those begin a
// building's name).
bool IsPlaceChar(uint16_t code);

class LotReader {
 public:
  // `origins`: for each byte of `spelled`, its offset in `address` (cp932).
  LotReader(std::string_view spelled, const std::vector<uint32_t>& origins, std::string_view address)
      : s_(spelled), origins_(origins), address_(address) {}

  // The numbers from `pos`, and where the building begins.
  Lot Read(size_t pos) const;

 private:
  char At(size_t pos) const { return pos < s_.size() ? s_[pos] : '\0'; }
  bool FromKanji(size_t pos) const;
  bool IsFloor(size_t end) const;
  bool IsNameWord(size_t end) const;
  Unit UnitAt(size_t end, int count, size_t& length) const;
  size_t NextNumber(size_t after, Unit unit) const;

  std::string_view s_;
  const std::vector<uint32_t>& origins_;
  std::string_view address_;
};

}  // namespace resolver
