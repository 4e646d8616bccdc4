// The keys a town is also found by, where its name as written finds none:
// its name with the number it ends with taken as the lot's ("大門6" for
// 大門6番町), and its name spelled loosely (town_spellings.words).
// Names and texts normalised and folded as the resolver compares them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/name_table.h"

namespace resolver {

// The towns a key stands for: one, or several that share it.
struct TownList {
  uint32_t one = NameTable::kAbsent;
  const uint32_t* many = nullptr;
  size_t count = 0;
  uint32_t operator[](size_t i) const { return many != nullptr ? many[i] : one; }
};

// Towns by a looser key, per municipality.
class TownKeys {
 public:
  void Add(uint32_t municipality, std::string_view key, uint32_t town);
  // `hash`: the key's NameTable::PrefixHash.
  TownList Find(uint32_t municipality, std::string_view key, uint64_t hash) const;
  TownList Find(uint32_t municipality, std::string_view key) const;

 private:
  static constexpr uint32_t kShared = 0x80000000;  // the rest of the value indexes shared_
  NameTable table_;
  std::vector<std::vector<uint32_t>> shared_;
};

// A town whose name ends with a number and a word of kNumberedEndings
// ("大門6番町", "花川南1条", "大門七区"): true, with its name before the number
// and the number in Arabic digits ("大門6") in `key`.
bool NumberedTownKey(std::string_view name, std::string& key);

// `text` spelled loosely into `key` (cleared first): each character of
// kLooseCharacters as its second, kanji digits as Arabic ones, and ノ
// dropped (木ノ上 = 木上, 裏之門 = 裏ノ門). `origins`, where given, gets for
// each byte of `key` the offset in `text` of the character it came from,
// and text.size() at the end.
void LooseSpelling(std::string_view text, std::string& key, std::vector<uint32_t>* origins);

}  // namespace resolver
