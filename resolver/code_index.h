// From a postal code to its address: the other way round from Resolve, over
// the same loaded book and its business offices. All text is cp932.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "resolver/resolver.h"
#include "resolver/status_counts.h"

namespace resolver {

enum class LookupStatus {
  kExact,      // the code belongs to one town (or one floor of a building)
  kAmbiguous,  // to several towns: Japan Post gives one code to many villages
  kOffice,     // a business office's own code
  kNone,       // in neither file: retired, mistyped, or newer than the files
};

// "exact", "ambiguous", "office", "none".
const char* LookupStatusName(LookupStatus status);

constexpr size_t kLookupStatusCount = static_cast<size_t>(LookupStatus::kNone) + 1;
using LookupCounts = CountsBy<LookupStatus, kLookupStatusCount>;

constexpr size_t kCodeDigits = 7;

// A postal code as the number search reads it (a leading 〒 and blanks,
// hyphens and dashes, full-width digits, blanks at the end): its seven
// digits in `digits`. False when the text is anything else.
bool ReadPostalCode(std::string_view cp932, char (&digits)[kCodeDigits + 1]);
// The same for a code a spreadsheet stored as a number, its leading 0
// dropped (600001 for 060-0001): six digits, written into `digits` with the
// 0 in front. False for anything else.
bool ReadCodeWithoutItsZero(std::string_view cp932, char (&digits)[kCodeDigits + 1]);

// A town record's address cut into what a letter writes. Views into the book.
struct TownParts {
  std::string_view prefecture, city;
  std::string_view town;      // without its note; empty for "以下に掲載がない場合"
  std::string_view building;  // a building's floor code: the building ("アーク森ビル")
  std::string_view floor;     // and its floor ("１階", "地階・階層不明")
};

struct CodeMatch {
  LookupStatus status = LookupStatus::kNone;
  char postalCode[kCodeDigits + 1] = {};  // the code read; empty when the text is none
  // kExact: one record; kAmbiguous: one record per town, in file order.
  const uint32_t* towns = nullptr;
  size_t townCount = 0;
  size_t office = static_cast<size_t>(-1);  // kOffice: the first office of the code
  // Not kNone: the code's place among the index's codes, below
  // CodeIndex::CodeCount(); for an old code, CodeIndex::CodeCount().
  size_t entry = 0;
  // Six digits read as the code with a 0 in front, which exists.
  bool zeroAdded = false;
  // Three or five digits: an old code, `postalCode` its digits, the towns
  // that had it (kAmbiguous: the new code cannot be told from it).
  bool oldCode = false;
};

// The answer as the three cells a list fills, in cp932. kAmbiguous: the
// prefecture and municipality where every town shares them, the towns
// joined by " / ", each with the parts it does not share in front of it.
struct AddressCells {
  std::string prefecture, city, town;
};

// Every code of the book's towns and offices, sorted for lookups. Made once
// from a loaded book (offices loaded too), which must outlive it; read by
// any number of threads at once.
class CodeIndex {
 public:
  explicit CodeIndex(const AddressBook& book);

  // `cp932` as ReadPostalCode reads it; six digits as the code with a 0 in
  // front where that exists (ReadCodeWithoutItsZero); three or five as the
  // towns of that old code (a five ending in 00 as its three where no town
  // has the five).
  CodeMatch Find(std::string_view cp932) const;
  TownParts Parts(size_t record) const;
  // `out`'s storage is reused from call to call.
  void Cells(const CodeMatch& match, AddressCells& out) const;

  const AddressBook& book() const { return book_; }
  size_t CodeCount() const { return codes_.size(); }

 private:
  struct Entry {
    uint32_t firstTown = 0, townCount = 0;
    uint32_t office = 0;  // kNoEntryOffice when none
  };
  void AddTowns();
  void AddOffices();
  void AddOldCodes();
  void PlaceBuildings();
  CodeMatch FindCode(const char* digits) const;
  CodeMatch FindOldCode(std::string_view digits) const;

  const AddressBook& book_;
  std::vector<uint32_t> codes_;  // sorted, each once
  std::vector<Entry> entries_;   // beside codes_
  std::vector<uint32_t> towns_;
  // Old codes and the towns that had them (buildings' lines left out, each
  // town once), sorted by code.
  std::vector<std::pair<std::string_view, uint32_t>> oldTowns_;
  std::vector<uint32_t> oldTownRecords_;  // oldTowns_'s records, which a match points into
  // A building's line: the length of its town's name at the front of its
  // town column (赤坂 of 赤坂赤坂アークヒルズ・アーク森ビル（１階）).
  std::unordered_map<uint32_t, uint32_t> buildingTown_;
};

}  // namespace resolver
