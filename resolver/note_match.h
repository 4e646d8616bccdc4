// Tests a record's note rule against the parsed rest of an address.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "resolver/address_rest.h"
#include "resolver/note_reader.h"

namespace resolver {

// Ordered: the weaker of two answers is the smaller.
enum class Fit : unsigned char { kNo, kMaybe, kYes };

struct MatchContext {
  const AddressRest* rest = nullptr;
  LotValues chomeView, banchiView;  // the rest read with each FirstNumber
  std::optional<std::string_view> street;  // the canonical street clause the address writes
  bool relaxNames = false;          // the text names no place a sibling lists
  long floor = kUnknown;            // of the building being tested
  bool basement = false;
};

struct RuleFit {
  Fit fit = Fit::kNo;
  size_t nameLength = 0;  // of the longest place name that matched
  bool usesOther = false; // "その他" or "次のビルを除く": decided beside the siblings
};

Fit MatchRange(const Range& range, const LotValues& values);

// kOther and kExceptBuildings items are left to the caller (usesOther set).
RuleFit MatchRule(const NoteRule& rule, const NotePool& pool, const MatchContext& context);

}  // namespace resolver
