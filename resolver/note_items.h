// Reading the items of a note: the number ranges, place names and
// exclusions of one entry between 、. Shared by note_reader.cpp only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/note_reader.h"

namespace resolver {
namespace note_items {

// 丁目, 地割, 条, 線 first (0), then 番地 (1), then 号 (2).
int Rank(Level level);

// Reads a normalised note from `pos` on, its numbers too.
struct Cursor : Cp932Cursor {
  explicit Cursor(std::string_view note) : Cp932Cursor{note} {}

  long Number() {
    long value = 0;
    while (Digit()) {
      if (value < Range::kOpen / 10) value = value * 10 + (text[pos] - '0');
      ++pos;
    }
    return value;
  }
  // A number's sub part: "-4" or "の4".
  long Sub() {
    const size_t save = pos;
    if (TakeChar('-') || TakeChar(ch::kNo)) {
      if (Digit()) return Number();
    }
    pos = save;
    return Range::kNoSub;
  }
};

// A range as read, its level possibly still unknown.
struct Term {
  Range range;
  bool known = false;
};

// One item of a note as read, before it goes to the pool.
struct Parsed {
  ItemKind kind = ItemKind::kRanges;
  size_t nameStart = 0, nameLength = 0;
  std::vector<Term> terms;
  std::vector<std::vector<Term>> exclusions;
  bool exclusionsRequired = false;  // 「9番地の4、12番地」: only these
  bool qualified = false;  // a 「」 that is not an exclusion, or an unread tail
  bool failed = false;
};


// Splits at 、 ・ and 及び outside 「」; calls `each(start, end)`.
template <class Each>
void SplitItems(std::string_view text, Each each) {
  int depth = 0;
  size_t start = 0;
  for (Cp932Cursor at{text}; !at.AtEnd();) {
    const uint16_t code = at.Peek();
    if (code == ch::kQuoteOpen) ++depth;
    if (code == ch::kQuoteClose && depth > 0) --depth;
    if (depth > 0) {
      at.Next();
      continue;
    }
    const size_t end = at.pos;
    if (at.Take(word::kAndAlso) || at.TakeChar(ch::kComma) || at.TakeChar(ch::kDot)) {
      each(start, end);
      start = at.pos;
      continue;
    }
    at.Next();
  }
  each(start, text.size());
}

// [第]N[-M][unit][～[第]N[-M][unit] | ～][以上|以降|以下|以内]
bool ReadTerm(Cursor& c, Term& term);

// Gives unit-less terms a level: from the item after them ("35～38、41、42丁目"),
// else finer than the term before, else 番地.
void SettleLevels(std::vector<Term>& terms, const Level* following);

// Reads "1770-1～2、1862-42" (an exclusion, or with `required` the only lots)
// into `item`'s exclusions; sets item.failed when it cannot.
void ReadExclusion(std::string_view text, Parsed& item);

// Reads the item note[start, end); then, when it failed, as a place name if it
// looks like one.
Parsed ReadItem(std::string_view note, size_t start, size_t end);
void ReadFailedAsName(std::string_view note, size_t start, size_t end, Parsed& item);

}  // namespace note_items
}  // namespace resolver
