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
  void Reserve(size_t count) { table_.Reserve(count); }
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
// A municipality's name keeps its ノ (山ノ内町 is no 山内町, a town of 武雄市).
enum class LeftOutNo { kRead, kNotRead };
void LooseSpelling(std::string_view text, std::string& key, std::vector<uint32_t>* origins,
                   LeftOutNo leftOut = LeftOutNo::kRead);

// Some character of `name` is read loosely, or is what another is read as:
// a text spelled another way may mean it. A name without one is its own
// loose key, found by its name.
bool HasLooseSpelling(std::string_view name);

// The towns' names of every municipality, each a piece of one text: where
// a name must be found by its end (a town written without its district).
struct TownNames {
  struct Named {
    uint32_t municipality, town;
    uint32_t offset, length;  // in `text`
  };
  std::string text;
  std::vector<Named> towns;             // a municipality's side by side, once Group has run
  std::vector<uint32_t> firstOf;        // municipality m's are towns[firstOf[m], firstOf[m + 1])

  void Add(uint32_t municipality, std::string_view name, uint32_t town) {
    towns.push_back(Named{municipality, town, static_cast<uint32_t>(text.size()), static_cast<uint32_t>(name.size())});
    text += name;
  }
  // Puts each municipality's names side by side, in the order they came.
  void Group(size_t municipalities);
  std::string_view NameOf(const Named& named) const { return std::string_view(text).substr(named.offset, named.length); }
};

}  // namespace resolver
