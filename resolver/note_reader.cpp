#include "resolver/note_reader.h"

#include <cstring>

#include "resolver/cp932_words.h"
#include "resolver/normalize.h"

namespace resolver {

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

struct Cursor {
  const char* text;
  size_t length;
  size_t pos = 0;

  bool AtEnd() const { return pos >= length; }
  uint16_t Peek() const { return AtEnd() ? 0 : CharCode(text + pos, length - pos); }
  bool Digit() const { return !AtEnd() && text[pos] >= '0' && text[pos] <= '9'; }
  bool Take(const char* word) {
    const size_t n = std::strlen(word);
    if (pos + n > length || std::memcmp(text + pos, word, n) != 0) return false;
    pos += n;
    return true;
  }
  bool TakeChar(uint16_t code) {
    if (AtEnd() || Peek() != code) return false;
    pos += CharWidth(code);
    return true;
  }
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

bool StartsTerm(const Cursor& c) {
  if (c.Digit()) return true;
  if (c.Peek() != ch::kDai) return false;
  const size_t next = c.pos + 2;
  return next < c.length && c.text[next] >= '0' && c.text[next] <= '9';
}

// [第]N[-M][unit][～[第]N[-M][unit] | ～][以上|以降|以下|以内]
bool ReadTerm(Cursor& c, Term& term) {
  c.TakeChar(ch::kDai);
  if (!c.Digit()) return false;
  Range& r = term.range;
  r.lo = c.Number();
  r.loSub = c.Sub();
  Level level;
  bool known = TakeLevel(c, level);
  if (known && r.loSub == Range::kNoSub) r.loSub = c.Sub();  // "10番地の2"
  r.hi = r.lo;
  r.hiSub = r.loSub;
  if (c.TakeChar(ch::kWave)) {
    c.TakeChar(ch::kDai);
    if (c.Digit()) {
      r.hi = c.Number();
      r.hiSub = c.Sub();
      Level end;
      if (TakeLevel(c, end)) {
        level = end;
        known = true;
      }
      if (r.loSub != Range::kNoSub && r.hiSub == Range::kNoSub) {
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
    const bool andAlso = depth == 0 && std::strncmp(text + i, word::kAndAlso, 4) == 0 && i + 4 <= length;
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

// Gives unit-less terms a level: from the item after them ("35～38、41、42丁目"),
// else finer than the term before, else 番地.
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

void ReadExclusion(const char* text, size_t length, Parsed& item) {
  std::vector<Term> all;
  SplitItems(text, length, [&](size_t start, size_t end) {
    Cursor c{text + start, end - start};
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
void ReadFailedAsName(const char* note, size_t start, size_t end, Parsed& item) {
  const std::string text(note + start, end - start);
  const char* const ranged[] = {"\x81\x75", "\x81\x60", word::kBanchi};  // 「 ～ 番地
  for (const char* mark : ranged) {
    if (text.find(mark) != std::string::npos) return;
  }
  item = Parsed();
  item.kind = ItemKind::kName;
  item.nameStart = start;
  item.nameLength = end - start;
}

void ReadItem(const char* note, size_t start, size_t end, Parsed& item) {
  Cursor c{note + start, end - start};
  if (c.length == 0) {
    item.failed = true;
    return;
  }
  size_t streetEnd;
  if (FindStreetClause(c.text, c.length, streetEnd)) {
    item.kind = ItemKind::kStreet;
    item.nameStart = start;
    item.nameLength = c.length;
    return;
  }
  if (c.length == std::strlen(word::kChome) && c.Take(word::kChome)) {
    item.kind = ItemKind::kChomeForm;
    return;
  }
  if ((c.length == 4 && (c.Take(word::kBanchi) || c.Take(word::kOaza))) ||
      (c.length == std::strlen(word::kOnlyBanchi) && c.Take(word::kOnlyBanchi))) {
    item.kind = ItemKind::kBanchiForm;
    return;
  }
  while (!c.AtEnd() && !StartsTerm(c) && c.Peek() != ch::kQuoteOpen) c.pos += CharWidth(c.Peek());
  if (c.pos > 0) {
    item.kind = ItemKind::kName;
    item.nameStart = start;
    item.nameLength = c.pos;
    const size_t other = std::strlen(word::kOther);
    if (c.AtEnd() && c.pos > other && std::memcmp(c.text + c.pos - other, word::kOther, other) == 0) {
      item.nameLength -= other;  // "国見その他": the rest of 国見, read as "may fit"
      item.qualified = true;
      return;
    }
  }
  while (!c.AtEnd()) {
    if (ReadBlockNumber(c, item.terms)) continue;
    if (StartsTerm(c)) {
      Term term;
      if (!ReadTerm(c, term)) {
        item.failed = true;
        return;
      }
      item.terms.push_back(term);
    } else if (c.TakeChar(ch::kQuoteOpen)) {
      const size_t open = c.pos;
      while (!c.AtEnd() && c.Peek() != ch::kQuoteClose) c.pos += CharWidth(c.Peek());
      const size_t close = c.pos;
      c.TakeChar(ch::kQuoteClose);
      const size_t n = std::strlen(word::kExcept);
      if (close - open > n && std::memcmp(c.text + close - n, word::kExcept, n) == 0) {
        ReadExclusion(c.text + open, close - open - n, item);
      } else if (c.Take(word::kOutside)) {
        ReadExclusion(c.text + open, close - open, item);
      } else if (item.exclusions.empty() && !item.qualified) {
        // 「9番地の4、12番地」: only these; 「榛名湖畔」: a part the rules cannot tell
        Parsed only = item;
        ReadExclusion(c.text + open, close - open, only);
        if (only.failed) {
          item.qualified = true;
        } else {
          item = only;
          item.exclusionsRequired = true;
        }
      } else {
        item.qualified = true;
      }
      if (item.failed) return;
    } else {
      item.failed = true;
      return;
    }
  }
}

uint32_t AddRanges(const std::vector<Term>& terms, NotePool& pool) {
  const uint32_t first = static_cast<uint32_t>(pool.ranges.size());
  for (const Term& t : terms) pool.ranges.push_back(t.range);
  return first;
}

void Emit(const Parsed& p, const char* note, NoteRule& rule, NotePool& pool) {
  NoteItem item;
  item.kind = p.failed && p.nameLength == 0 ? ItemKind::kUnreadable : p.kind;
  if (item.kind == ItemKind::kName || item.kind == ItemKind::kStreet) {
    std::string text;
    if (item.kind == ItemKind::kStreet) {
      CanonicalStreet(note + p.nameStart, p.nameLength, text);
    } else {
      text.assign(note + p.nameStart, p.nameLength);
      DropAza(text);
    }
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

bool Equals(const char* text, size_t length, const char* word) {
  return length == std::strlen(word) && std::memcmp(text, word, length) == 0;
}

bool EndsWith(const char* text, size_t length, const char* word) {
  const size_t n = std::strlen(word);
  return length >= n && std::memcmp(text + length - n, word, n) == 0;
}

// "12階" alone.
bool ReadFloorNote(const char* note, size_t length, long& floor) {
  Cursor c{note, length};
  if (!c.Digit()) return false;
  floor = c.Number();
  return c.Take(word::kKai) && c.AtEnd();
}

// The phrases that make up a whole note.
bool ReadWholePhrase(const char* note, size_t length, NoteRule& rule, NotePool& pool) {
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
    if (Equals(note, length, phrase.text)) {
      AddPlainItem(phrase.kind, rule, pool);
      return true;
    }
  }
  long floor;
  if (ReadFloorNote(note, length, floor)) {
    NoteItem item;
    item.kind = ItemKind::kFloor;
    item.floor = floor;
    pool.items.push_back(item);
    ++rule.count;
    return true;
  }
  if (EndsWith(note, length, word::kIncluding)) {
    AddPlainItem(ItemKind::kEverything, rule, pool);
    return true;
  }
  const size_t except = std::strlen(word::kExcept);
  if (length > except && EndsWith(note, length, word::kExcept)) {
    // "110-2、110-7番地を除く", "乙を除く": the whole town but these.
    Parsed item;
    item.kind = ItemKind::kEverything;
    ReadExclusion(note, length - except, item);
    if (item.failed) {
      AddPlainItem(ItemKind::kEverything, rule, pool);
      NoteItem name;
      name.kind = ItemKind::kName;
      name.parent = static_cast<int16_t>(rule.count - 1);
      name.text = static_cast<uint32_t>(pool.text.size());
      std::string text(note, length - except);
      DropAza(text);
      name.textLength = static_cast<uint32_t>(text.size());
      pool.text += text;
      pool.items.push_back(name);
      ++rule.count;
      return true;
    }
    Emit(item, note, rule, pool);
    return true;
  }
  return false;
}

// Drops 〔…〕: a remark on the place ("〔…発電所構内〕"), no condition.
void DropRemarks(const char* note, size_t length, std::string& out) {
  out.clear();
  int depth = 0;
  for (size_t i = 0; i < length;) {
    const uint16_t code = CharCode(note + i, length - i);
    const size_t w = CharWidth(code);
    if (code == ch::kSquareOpen) ++depth;
    if (depth == 0) out.append(note + i, w);
    if (code == ch::kSquareClose && depth > 0) --depth;
    i += w;
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

void CanonicalStreet(const char* text, size_t length, std::string& out) {
  static constexpr char kIn[] = "\x93\xFC";  // 入
  out.clear();
  for (size_t i = 0; i < length;) {
    const size_t w = CharWidth(CharCode(text + i, length - i));
    const bool ru = w == 2 && std::memcmp(text + i, word::kRu, 2) == 0;
    const char* before = ru && i >= 2 ? text + i - 2 : nullptr;
    if (before && (std::memcmp(before, word::kUp, 2) == 0 || std::memcmp(before, word::kDown, 2) == 0)) {
      out.append(word::kUp + 2, 2);  // る
    } else if (!(before && std::memcmp(before, kIn, 2) == 0)) {
      out.append(text + i, w);
    }
    i += w;
  }
}

NoteRule ReadNote(const char* noteText, size_t noteLength, NotePool& pool) {
  NoteRule rule;
  rule.first = static_cast<uint32_t>(pool.items.size());
  if (noteLength == 0) return rule;
  if (ReadWholePhrase(noteText, noteLength, rule, pool)) return rule;
  std::string clean;
  DropRemarks(noteText, noteLength, clean);
  const char* note = clean.c_str();
  std::vector<Parsed> parsed;
  SplitItems(note, clean.size(), [&](size_t start, size_t end) {
    parsed.emplace_back();
    ReadItem(note, start, end, parsed.back());
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

NoteRule ReadNumberNext(const char* middle, size_t length, NotePool& pool) {
  NoteRule rule;
  rule.first = static_cast<uint32_t>(pool.items.size());
  Parsed item;
  item.kind = ItemKind::kNumberNext;
  if (!Equals(middle, length, word::kBanchi)) {
    Cursor c{middle, length};
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
