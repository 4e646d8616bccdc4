#include "resolver/note_items.h"

#include <string>

#include "resolver/normalize.h"

namespace resolver {
namespace note_items {

namespace {

// The level a unit-less number takes: finer than the one before it.
Level Finer(Level level) {
  switch (level) {
    case Level::kChome:
    case Level::kChiwari:
    case Level::kJo:
    case Level::kSen:
      return Level::kBan;
    default:
      return Level::kGo;
  }
}

}  // namespace

int Rank(Level level) {
  switch (level) {
    case Level::kBan:
      return 1;
    case Level::kGo:
      return 2;
    default:
      return 0;
  }
}

namespace {

struct LevelWord {
  const char* word;
  Level level;
};
const LevelWord kLevelWords[] = {
    {word::kChome, Level::kChome}, {word::kMachime, Level::kChome}, {word::kBanchi, Level::kBan},
    {word::kBan, Level::kBan},     {word::kGo, Level::kGo},         {word::kChiwari, Level::kChiwari},
    {word::kJo, Level::kJo},       {word::kSen, Level::kSen},
};

bool TakeLevel(Cursor& c, Level& level) {
  for (const LevelWord& w : kLevelWords) {
    if (c.Take(w.word)) {
      level = w.level;
      return true;
    }
  }
  return false;
}


bool StartsTerm(const Cursor& c) {
  if (c.Digit()) return true;
  if (c.Peek() != ch::kDai) return false;
  const uint16_t next = c.PeekSecond();
  return next >= '0' && next <= '9';
}

}  // namespace

// Passes over a 「…」 that limits one end of a range ("第2地割「70～136」～第4地割"):
// that end is then only partly in it.
// At the low end the 「」 must be followed by ～; at the high end it ends the range.
enum class RangeEnd { kLow, kHigh };
bool SkipEndLimit(Cursor& c, RangeEnd end) {
  const size_t save = c.pos;
  if (!c.TakeChar(ch::kQuoteOpen)) return false;
  while (!c.AtEnd() && c.Peek() != ch::kQuoteClose) c.Next();
  // Anywhere else it is an exclusion or a remark, read by the item.
  const bool placed = end == RangeEnd::kLow ? c.Peek() == ch::kQuoteClose && c.PeekSecond() == ch::kWave : true;
  if (!placed || !c.TakeChar(ch::kQuoteClose) || !(c.AtEnd() || c.Peek() == ch::kWave || c.Peek() == ch::kComma)) {
    c.pos = save;
    return false;
  }
  return true;
}

bool ReadTerm(Cursor& c, Term& term) {
  c.TakeChar(ch::kDai);
  if (!c.Digit()) return false;
  Range& r = term.range;
  r.lo = c.Number();
  r.loSub = c.Sub();
  Level level;
  bool known = TakeLevel(c, level);
  if (known && r.loSub == Range::kNoSub) r.loSub = c.Sub();  // "10番地の2"
  const bool loPartial = known && c.Peek() == ch::kQuoteOpen && SkipEndLimit(c, RangeEnd::kLow);
  r.hi = r.lo;
  r.hiSub = r.loSub;
  if (loPartial) r.loSub = Range::kPartial;
  if (c.TakeChar(ch::kWave)) {
    c.TakeChar(ch::kDai);
    if (c.Digit()) {
      r.hi = c.Number();
      r.hiSub = c.Sub();
      Level end;
      if (TakeLevel(c, end)) {
        level = end;
        known = true;
        // only where the range began with one: elsewhere 「」 is the item's to read
        if (loPartial && c.Peek() == ch::kQuoteOpen && SkipEndLimit(c, RangeEnd::kHigh)) r.hiSub = Range::kPartial;
      }
      if (r.loSub >= 0 && r.hiSub == Range::kNoSub) {
        // "5363-7～8" is 5363番地7～8; "1-97～116" could be read two ways.
        if (r.hi >= r.lo) return false;
        r.hiSub = r.hi;
        r.hi = r.lo;
      }
    } else {
      r.hi = Range::kOpen;
      r.hiSub = Range::kNoSub;
    }
  }
  if (c.Take(word::kAtLeast) || c.Take(word::kFrom)) {
    r.hi = Range::kOpen;
    r.hiSub = Range::kNoSub;
  } else if (c.Take(word::kAtMost) || c.Take(word::kWithin)) {
    r.lo = 0;
    r.loSub = Range::kNoSub;
  }
  term.known = known;
  if (known) r.level = level;
  return true;
}

namespace {

// "1-1-8" in a note: 1丁目1番8号, read whole or not at all.
bool ReadBlockNumber(Cursor& c, std::vector<Term>& terms) {
  const size_t save = c.pos;
  long parts[3];
  for (int i = 0; i < 3; ++i) {
    if ((i > 0 && !c.TakeChar('-')) || !c.Digit()) {
      c.pos = save;
      return false;
    }
    parts[i] = c.Number();
  }
  const uint16_t next = c.Peek();
  if (!c.AtEnd() && (next == '-' || next == ch::kWave)) {
    c.pos = save;
    return false;
  }
  const Level levels[3] = {Level::kChome, Level::kBan, Level::kGo};
  for (int i = 0; i < 3; ++i) {
    Term term;
    term.range.level = levels[i];
    term.range.lo = term.range.hi = parts[i];
    term.known = true;
    terms.push_back(term);
  }
  return true;
}

}  // namespace

void SettleLevels(std::vector<Term>& terms, const Level* following) {
  for (size_t i = 0; i < terms.size(); ++i) {
    if (terms[i].known) continue;
    if (i + 1 == terms.size() && following != nullptr) {
      terms[i].range.level = *following;
    } else if (i > 0) {
      terms[i].range.level = Finer(terms[i - 1].range.level);
    } else {
      terms[i].range.level = Level::kBan;
    }
    terms[i].known = true;
  }
}

void ReadExclusion(std::string_view text, Parsed& item) {
  std::vector<Term> all;
  SplitItems(text, [&](size_t start, size_t end) {
    Cursor c{text.substr(start, end - start)};
    Term term;
    if (!ReadTerm(c, term) || !c.AtEnd()) {
      item.failed = true;
      return;
    }
    all.push_back(term);
  });
  if (item.failed) return;
  // "430番地以上「1770-1～2を除く」": the exclusions speak of the item's finest level
  // or, after 丁目, of 番地.
  Level level = Level::kBan;
  for (const Term& t : item.terms) level = t.range.level == Level::kChome ? Level::kBan : t.range.level;
  for (size_t i = all.size(); i-- > 0;) {
    if (all[i].known) level = all[i].range.level;
    else all[i].range.level = level;
    item.exclusions.push_back({all[i]});
  }
}

// An item the number reader gave up on is read as a place name when it has
// no range, limit or exclusion in it ("1区", "15号の沢", "3丁目本通り").
void ReadFailedAsName(std::string_view note, size_t start, size_t end, Parsed& item) {
  const std::string_view text = note.substr(start, end - start);
  const char* const ranged[] = {word::kQuoteOpen, word::kWave, word::kBanchi};
  for (const char* mark : ranged) {
    if (text.find(mark) != std::string::npos) return;
  }
  item = Parsed();
  item.kind = ItemKind::kName;
  item.nameStart = start;
  item.nameLength = end - start;
}

Parsed ReadItem(std::string_view note, size_t start, size_t end) {
  Parsed item;
  Cursor c{note.substr(start, end - start)};
  if (c.text.empty()) {
    item.failed = true;
    return item;
  }
  if (StreetClauseEnd(c.text) != 0) {
    item.kind = ItemKind::kStreet;
    item.nameStart = start;
    item.nameLength = c.text.size();
    return item;
  }
  if (c.text == word::kChome) {
    item.kind = ItemKind::kChomeForm;
    return item;
  }
  if (c.text == word::kBanchi || c.text == word::kOaza || c.text == word::kOnlyBanchi) {
    item.kind = ItemKind::kBanchiForm;
    return item;
  }
  while (!c.AtEnd() && !StartsTerm(c) && c.Peek() != ch::kQuoteOpen) c.Next();
  if (c.pos > 0) {
    item.kind = ItemKind::kName;
    item.nameStart = start;
    item.nameLength = c.pos;
    const size_t other = std::strlen(word::kOther);
    if (c.AtEnd() && c.pos > other && c.AfterWord(word::kOther)) {
      item.nameLength -= other;  // "国見その他": the rest of 国見, read as "may fit"
      item.qualified = true;
      return item;
    }
  }
  while (!c.AtEnd()) {
    if (ReadBlockNumber(c, item.terms)) continue;
    if (StartsTerm(c)) {
      Term term;
      if (!ReadTerm(c, term)) {
        item.failed = true;
        return item;
      }
      item.terms.push_back(term);
    } else if (c.TakeChar(ch::kQuoteOpen)) {
      const size_t open = c.pos;
      while (!c.AtEnd() && c.Peek() != ch::kQuoteClose) c.Next();
      const size_t close = c.pos;
      c.TakeChar(ch::kQuoteClose);
      const std::string_view quoted = c.text.substr(open, close - open);
      const size_t n = std::strlen(word::kExcept);
      if (quoted.size() > n && EndsWithWord(quoted, word::kExcept)) {
        ReadExclusion(quoted.substr(0, quoted.size() - n), item);
      } else if (c.Take(word::kOutside)) {
        ReadExclusion(quoted, item);
      } else if (item.exclusions.empty() && !item.qualified) {
        // 「9番地の4、12番地」: only these; 「榛名湖畔」: a part the rules cannot tell
        Parsed only = item;
        ReadExclusion(quoted, only);
        if (only.failed) {
          item.qualified = true;
        } else {
          item = only;
          item.exclusionsRequired = true;
        }
      } else {
        item.qualified = true;
      }
      if (item.failed) return item;
    } else {
      item.failed = true;
      return item;
    }
  }
  return item;
}

}  // namespace note_items
}  // namespace resolver
