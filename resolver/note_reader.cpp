#include "resolver/note_reader.h"

#include <cstring>

#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/note_items.h"

namespace resolver {

namespace {

using note_items::Cursor;
using note_items::Parsed;
using note_items::Term;
using note_items::Rank;
using note_items::ReadExclusion;
using note_items::ReadFailedAsName;
using note_items::ReadItem;
using note_items::ReadTerm;
using note_items::SettleLevels;
using note_items::SplitItems;

uint32_t AddRanges(const std::vector<Term>& terms, NotePool& pool) {
  const uint32_t first = static_cast<uint32_t>(pool.ranges.size());
  for (const Term& t : terms) pool.ranges.push_back(t.range);
  return first;
}

// Writes one item to the pool, then its children (whose parent is its
// index within the rule): a "may fit" for an unread tail, its exclusions.
void Emit(const Parsed& p, std::string_view note, NoteRule& rule, NotePool& pool) {
  NoteItem item;
  item.kind = p.failed && p.nameLength == 0 ? ItemKind::kUnreadable : p.kind;
  if (item.kind == ItemKind::kName || item.kind == ItemKind::kStreet) {
    std::string text;
    if (item.kind == ItemKind::kStreet) {
      CanonicalStreet(note.substr(p.nameStart, p.nameLength), text);
    } else {
      text = note.substr(p.nameStart, p.nameLength);
      DropAza(text);
    }
    FoldJoiningKana(text);
    item.text = static_cast<uint32_t>(pool.text.size());
    item.textLength = static_cast<uint32_t>(text.size());
    pool.text += text;
  }
  if (item.kind != ItemKind::kUnreadable && !p.failed) {
    item.firstRange = AddRanges(p.terms, pool);
    item.rangeCount = static_cast<uint16_t>(p.terms.size());
    for (const Term& t : p.terms) rule.chomeTown = rule.chomeTown || t.range.level == Level::kChome;
  }
  const int16_t index = static_cast<int16_t>(rule.count);
  pool.items.push_back(item);
  ++rule.count;
  if (item.kind == ItemKind::kUnreadable) return;
  if (p.failed || p.qualified) {
    NoteItem child;
    child.parent = index;
    pool.items.push_back(child);
    ++rule.count;
  }
  for (const std::vector<Term>& exclusion : p.exclusions) {
    NoteItem child;
    child.kind = ItemKind::kRanges;
    child.parent = index;
    child.required = p.exclusionsRequired;
    child.firstRange = AddRanges(exclusion, pool);
    child.rangeCount = static_cast<uint16_t>(exclusion.size());
    pool.items.push_back(child);
    ++rule.count;
  }
}

// "乙を除く": the whole town but the place `name`.
void AddEverythingBut(std::string_view name, NoteRule& rule, NotePool& pool) {
  AddPlainItem(ItemKind::kEverything, rule, pool);
  NoteItem place;
  place.kind = ItemKind::kName;
  place.parent = static_cast<int16_t>(rule.count - 1);
  std::string text(name);
  DropAza(text);
  FoldJoiningKana(text);
  place.text = static_cast<uint32_t>(pool.text.size());
  place.textLength = static_cast<uint32_t>(text.size());
  pool.text += text;
  pool.items.push_back(place);
  ++rule.count;
}

// "12階" alone: 12, else kUnknown.
long ReadFloorNote(std::string_view note) {
  Cursor c{note};
  if (!c.Digit()) return kUnknown;
  const long floor = c.Number();
  return c.Take(word::kKai) && c.AtEnd() ? floor : kUnknown;
}

// The phrases that make up a whole note.
bool ReadWholePhrase(std::string_view note, NoteRule& rule, NotePool& pool) {
  struct Phrase {
    const char* text;
    ItemKind kind;
  };
  const Phrase phrases[] = {
      {word::kOther, ItemKind::kOther},
      {word::kExceptBuildings, ItemKind::kExceptBuildings},
      {word::kBasementOrUnknown, ItemKind::kBasementOrUnknown},
      {word::kAllArea, ItemKind::kEverything},
  };
  for (const Phrase& phrase : phrases) {
    if (note == phrase.text) {
      AddPlainItem(phrase.kind, rule, pool);
      return true;
    }
  }
  const long floor = ReadFloorNote(note);
  if (floor != kUnknown) {
    NoteItem item;
    item.kind = ItemKind::kFloor;
    item.floor = floor;
    pool.items.push_back(item);
    ++rule.count;
    return true;
  }
  if (EndsWithWord(note, word::kIncluding)) {
    AddPlainItem(ItemKind::kEverything, rule, pool);
    return true;
  }
  const size_t except = std::strlen(word::kExcept);
  if (note.size() > except && EndsWithWord(note, word::kExcept)) {
    // "110-2、110-7番地を除く", "乙を除く": the whole town but these.
    const std::string_view excepted = note.substr(0, note.size() - except);
    Parsed item;
    item.kind = ItemKind::kEverything;
    ReadExclusion(excepted, item);
    if (item.failed) {
      AddEverythingBut(excepted, rule, pool);
    } else {
      Emit(item, note, rule, pool);
    }
    return true;
  }
  return false;
}

// Drops 〔…〕: a remark on the place ("〔…発電所構内〕"), no condition.
void DropRemarks(std::string_view note, std::string& out) {
  out.clear();
  int depth = 0;
  for (Cp932Cursor at{note}; !at.AtEnd();) {
    const uint16_t code = at.Peek();
    if (code == ch::kSquareOpen) ++depth;
    if (depth == 0) out.append(note, at.pos, CharWidth(code));
    if (code == ch::kSquareClose && depth > 0) --depth;
    at.Next();
  }
}

}  // namespace

void AddPlainItem(ItemKind kind, NoteRule& rule, NotePool& pool) {
  if (rule.count == 0) rule.first = static_cast<uint32_t>(pool.items.size());
  NoteItem item;
  item.kind = kind;
  pool.items.push_back(item);
  ++rule.count;
}

void CanonicalStreet(std::string_view text, std::string& out) {
  out.clear();
  uint16_t previous = 0;
  for (Cp932Cursor c{text}; !c.AtEnd();) {
    if (c.TakeChar(ch::kTsu)) {
      // "西中筋六条下る" is the file's 西中筋通六条下る: the street's 通 (通り) left out
      c.TakeChar(ch::kRiKana);
      previous = 0;
      continue;
    }
    const size_t at = c.pos;
    const uint16_t code = c.Peek();
    c.Next();
    if (code == ch::kRuKana && (previous == ch::kUe || previous == ch::kShita)) {
      AppendChar(ch::kRuHiragana, out);  // 上ル is 上る
    } else if (!(code == ch::kRuKana && previous == ch::kIri)) {  // 東入ル is 東入
      out.append(text, at, c.pos - at);
    }
    previous = code;
  }
}

NoteRule ReadNote(std::string_view written, NotePool& pool) {
  NoteRule rule;
  rule.first = static_cast<uint32_t>(pool.items.size());
  if (written.empty()) return rule;
  if (ReadWholePhrase(written, rule, pool)) return rule;
  std::string clean;
  DropRemarks(written, clean);
  const std::string_view note = clean;
  std::vector<Parsed> parsed;
  SplitItems(note, [&](size_t start, size_t end) {
    parsed.push_back(ReadItem(note, start, end));
    if (parsed.back().failed) ReadFailedAsName(note, start, end, parsed.back());
  });
  for (size_t i = 0; i < parsed.size(); ++i) {
    const Level* following = nullptr;
    for (size_t j = i + 1; j < parsed.size() && following == nullptr; ++j) {
      for (const Term& t : parsed[j].terms) {
        if (t.known) {
          following = &t.range.level;
          break;
        }
      }
    }
    SettleLevels(parsed[i].terms, following);
  }
  // "2丁目1番1～23号、2番": a later item without the coarser levels, or
  // without the name, takes them from the one before.
  for (size_t i = 1; i < parsed.size(); ++i) {
    Parsed& item = parsed[i];
    const Parsed& before = parsed[i - 1];
    if (item.failed || before.failed || item.terms.empty() || before.terms.empty()) continue;
    if (item.kind == ItemKind::kRanges && before.kind == ItemKind::kName) {
      item.kind = ItemKind::kName;
      item.nameStart = before.nameStart;
      item.nameLength = before.nameLength;
    }
    const int rank = Rank(item.terms.front().range.level);
    std::vector<Term> coarser;
    for (const Term& t : before.terms) {
      if (Rank(t.range.level) < rank && Rank(before.terms.front().range.level) < rank) coarser.push_back(t);
    }
    item.terms.insert(item.terms.begin(), coarser.begin(), coarser.end());
  }
  for (const Parsed& item : parsed) Emit(item, note, rule, pool);
  return rule;
}

NoteRule ReadNumberNext(std::string_view middle, NotePool& pool) {
  NoteRule rule;
  rule.first = static_cast<uint32_t>(pool.items.size());
  Parsed item;
  item.kind = ItemKind::kNumberNext;
  if (middle != word::kBanchi) {
    Cursor c{middle};
    Term term;
    if (ReadTerm(c, term) && c.AtEnd()) {
      item.terms.push_back(term);
      SettleLevels(item.terms, nullptr);
    } else {
      item.qualified = true;
    }
  }
  Emit(item, middle, rule, pool);
  return rule;
}

}  // namespace resolver
