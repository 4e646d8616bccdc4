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
  Cursor(const char* note, size_t length) : Cp932Cursor{std::string_view(note, length)} {}

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
void SplitItems(const char* text, size_t length, Each each) {
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < length;) {
    const uint16_t code = CharCode(text + i, length - i);
    const size_t w = CharWidth(code);
    if (code == ch::kQuoteOpen) ++depth;
    if (code == ch::kQuoteClose && depth > 0) --depth;
    // the bounds first: the note is no terminated string
    const bool andAlso = depth == 0 && i + 4 <= length && std::memcmp(text + i, word::kAndAlso, 4) == 0;
    if (depth == 0 && (code == ch::kComma || code == ch::kDot || andAlso)) {
      each(start, i);
      i += andAlso ? 4 : w;
      start = i;
      continue;
    }
    i += w;
  }
  each(start, length);
}

// [第]N[-M][unit][～[第]N[-M][unit] | ～][以上|以降|以下|以内]
bool ReadTerm(Cursor& c, Term& term);

// Gives unit-less terms a level: from the item after them ("35～38、41、42丁目"),
// else finer than the term before, else 番地.
void SettleLevels(std::vector<Term>& terms, const Level* following);

// Reads "1770-1～2、1862-42" (an exclusion, or with `required` the only lots)
// into `item`'s exclusions; sets item.failed when it cannot.
void ReadExclusion(const char* text, size_t length, Parsed& item);

// Reads the item note[start, end); then, when it failed, as a place name if it
// looks like one.
void ReadItem(const char* note, size_t start, size_t end, Parsed& item);
void ReadFailedAsName(const char* note, size_t start, size_t end, Parsed& item);

}  // namespace note_items
}  // namespace resolver
