// The town column's notes, read once at load into small rules: each note
// item becomes a conjunction of number ranges, a name, a street clause or a
// floor, which note_match.h then tests against an address.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/address_rest.h"

namespace resolver {

enum class ItemKind : uint8_t {
  kRanges,              // the number ranges alone: "1～19丁目", "200番以上"
  kName,                // a place within the town, ranges optional: "国見23～298番地"
  kStreet,              // a Kyoto street clause: "東堀川通上長者町上る"
  kFloor,               // "12階"
  kBasementOrUnknown,   // "地階・階層不明"
  kExceptBuildings,     // "次のビルを除く"
  kOther,               // "その他": what no sibling's note takes
  kEverything,          // "全域", "…を含む"
  kChomeForm,           // "丁目": the part written with 丁目
  kBanchiForm,          // "番地", "大字", "番地のみ": the part written with a bare lot number
  kNumberNext,          // "…の次に番地がくる場合": a number right after the name
  kUnreadable,          // read as "may fit"
};

// lo..hi at `level`, inclusive; a sub bound (the next level's number, as in
// "67-4") applies only at that end. kNoSub leaves the end whole; kPartial
// makes it "may fit" (a limit the reader does not take apart).
struct Range {
  static constexpr long kNoSub = -1;
  static constexpr long kPartial = -2;  // only part of that end is in the range
  static constexpr long kOpen = 2000000000;
  Level level = Level::kBan;
  long lo = 0, loSub = kNoSub;
  long hi = 0, hiSub = kNoSub;
};

struct NoteItem {
  ItemKind kind = ItemKind::kUnreadable;
  int16_t parent = -1;          // >= 0: an exclusion from item `parent`
  bool required = false;        // with a parent: one of these must hold ("中一里山「9番地の4、12番地」")
  uint32_t text = 0;            // kName, kStreet: offset into the pool
  uint32_t textLength = 0;
  uint32_t firstRange = 0;      // the ranges, all of which must hold
  uint16_t rangeCount = 0;
  long floor = 0;               // kFloor
};

// Where the items live: one pool for all records of a book.
struct NotePool {
  std::vector<NoteItem> items;
  std::vector<Range> ranges;
  std::string text;
};

// A record's items: [first, first + count) of the pool.
struct NoteRule {
  uint32_t first = 0;
  uint16_t count = 0;
  bool chomeTown = false;  // some range speaks of 丁目: read "1-2-3" as 1丁目2番3号
};

// Reads `note` (normalised, without its outer parentheses) into the pool.
// An item it cannot read becomes kUnreadable; `note` empty gives no items.
NoteRule ReadNote(std::string_view note, NotePool& pool);

// Reads the number part of "○○の次に…がくる場合" ("番地", "664番地以降",
// "1～426番地") as one kNumberNext item with its ranges.
NoteRule ReadNumberNext(std::string_view middle, NotePool& pool);

// Adds a kind-only item (kChomeForm, kUnreadable...) to `rule`.
void AddPlainItem(ItemKind kind, NoteRule& rule, NotePool& pool);

// Kyoto clauses written one way: 上ル → 上る, 下ル → 下る, 東入ル → 東入.
void CanonicalStreet(std::string_view text, std::string& out);

}  // namespace resolver
