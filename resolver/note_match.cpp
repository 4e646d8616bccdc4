#include "resolver/note_match.h"

#include "resolver/cp932_words.h"

namespace resolver {

namespace {

Fit Weaker(Fit a, Fit b) { return a < b ? a : b; }
Fit Stronger(Fit a, Fit b) { return a < b ? b : a; }

// The level a range's sub bound speaks of: "67-4" is 67番地4号.
Level SubLevel(Level level) { return level == Level::kBan ? Level::kGo : level == Level::kGo ? Level::kCount : Level::kBan; }

Fit MatchRanges(const NoteItem& item, const NotePool& pool, const LotValues& values) {
  Fit fit = Fit::kYes;
  for (uint16_t i = 0; i < item.rangeCount; ++i) fit = Weaker(fit, MatchRange(pool.ranges[item.firstRange + i], values));
  return fit;
}

std::string_view ItemText(const NoteItem& item, const NotePool& pool) {
  return std::string_view(pool.text.data() + item.text, item.textLength);
}

bool NameAt(const NoteItem& item, const NotePool& pool, const AddressRest& rest, size_t at) {
  return WordAt(rest.text, at, ItemText(item, pool));
}

// The place comes first, or right after the 丁目 ("本通21丁目南1番" for 本通（南）).
bool NameMatches(const NoteItem& item, const NotePool& pool, const AddressRest& rest) {
  return NameAt(item, pool, rest, VillagePrefixLength(rest.text)) ||
         (rest.afterChome > 0 && NameAt(item, pool, rest, rest.afterChome));
}

Fit MatchItem(const NoteItem& item, const NotePool& pool, const MatchContext& context, const LotValues& values,
              RuleFit& result) {
  const AddressRest& rest = *context.rest;
  switch (item.kind) {
    case ItemKind::kRanges:
      return MatchRanges(item, pool, values);
    case ItemKind::kName:
      // Nothing after the town says which place is meant: any may be.
      if (!NameMatches(item, pool, rest)) return context.relaxNames || rest.text.empty() ? Fit::kMaybe : Fit::kNo;
      if (item.textLength > result.nameLength) result.nameLength = item.textLength;
      return MatchRanges(item, pool, values);
    case ItemKind::kStreet:
      if (!context.street) return Fit::kMaybe;
      if (*context.street == ItemText(item, pool)) return Fit::kYes;
      return context.relaxNames ? Fit::kMaybe : Fit::kNo;
    case ItemKind::kFloor:
      return !context.basement && context.floor == item.floor ? Fit::kYes : Fit::kNo;
    case ItemKind::kBasementOrUnknown:
      return context.basement || context.floor == kUnknown ? Fit::kYes : Fit::kNo;
    case ItemKind::kEverything:
      return Fit::kYes;
    case ItemKind::kChomeForm:
      if (rest.HasChomeWritten() || rest.HasThreeNumbers()) return Fit::kYes;
      // "下地町柳目8": a place written first has no 丁目
      if (rest.HasBanchiFirst() || (!rest.numberFirst && !rest.text.empty())) return Fit::kNo;
      return Fit::kMaybe;
    case ItemKind::kBanchiForm:
      if (rest.HasChomeWritten() || rest.HasThreeNumbers()) return Fit::kNo;
      return rest.numberFirst ? Fit::kYes : Fit::kMaybe;
    case ItemKind::kNumberNext:
      if (rest.numberFirst) return MatchRanges(item, pool, values);
      return rest.text.empty() ? Fit::kMaybe : Fit::kNo;
    case ItemKind::kOther:
    case ItemKind::kExceptBuildings:
      result.usesOther = true;
      return Fit::kNo;
    case ItemKind::kUnreadable:
      break;
  }
  return Fit::kMaybe;
}

}  // namespace

Fit MatchRange(const Range& range, const LotValues& values) {
  const long x = values.At(range.level);
  if (x == kUnknown) return Fit::kMaybe;
  if (x == kAbsent) return Fit::kNo;
  if (x < range.lo || x > range.hi) return Fit::kNo;
  const Level subLevel = SubLevel(range.level);
  const long sub = subLevel == Level::kCount ? kUnknown : values.At(subLevel);
  Fit fit = Fit::kYes;
  if ((x == range.lo && range.loSub == Range::kPartial) || (x == range.hi && range.hiSub == Range::kPartial)) {
    return Fit::kMaybe;
  }
  if (x == range.lo && range.loSub != Range::kNoSub) {
    if (sub == kUnknown) fit = Fit::kMaybe;
    else if (sub < range.loSub) return Fit::kNo;
  }
  if (x == range.hi && range.hiSub != Range::kNoSub) {
    if (sub == kUnknown) fit = Fit::kMaybe;
    else if (sub > range.hiSub) return Fit::kNo;
  }
  return fit;
}

RuleFit MatchRule(const NoteRule& rule, const NotePool& pool, const MatchContext& context) {
  RuleFit result;
  if (rule.count == 0) {
    result.fit = Fit::kYes;
    return result;
  }
  const LotValues& values = rule.chomeTown ? context.chomeView : context.banchiView;
  Fit best = Fit::kNo;
  for (uint16_t i = 0; i < rule.count;) {
    const NoteItem& item = pool.items[rule.first + i];
    Fit fit = MatchItem(item, pool, context, values, result);
    Fit required = Fit::kYes;
    bool anyRequired = false;
    uint16_t next = static_cast<uint16_t>(i + 1);
    // Its exclusions, limits and qualifiers follow it.
    for (; next < rule.count && pool.items[rule.first + next].parent == static_cast<int16_t>(i); ++next) {
      const NoteItem& child = pool.items[rule.first + next];
      if (child.kind == ItemKind::kName) {  // "乙を除く"
        if (NameMatches(child, pool, *context.rest)) fit = Fit::kNo;
        continue;
      }
      if (child.kind != ItemKind::kRanges) {
        fit = Weaker(fit, Fit::kMaybe);
        continue;
      }
      const Fit hit = MatchRanges(child, pool, values);
      if (child.required) {
        required = anyRequired ? Stronger(required, hit) : hit;
        anyRequired = true;
      } else if (hit == Fit::kYes) {
        fit = Fit::kNo;
      } else if (hit == Fit::kMaybe) {
        fit = Weaker(fit, Fit::kMaybe);
      }
    }
    if (anyRequired) fit = Weaker(fit, required);
    best = Stronger(best, fit);
    i = next;
  }
  result.fit = best;
  return result;
}

}  // namespace resolver
