// The lookup structures of an AddressBook, shared by the loader and the
// resolver. Names are normalised (normalize.h) and cp932.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "resolver/name_table.h"
#include "resolver/note_reader.h"
#include "resolver/office_store.h"
#include "resolver/resolver.h"
#include "resolver/town_keys.h"

namespace resolver {

constexpr char kAliasSeparator = '\t';  // normalised text holds no tab
constexpr char kLooseSeparator = '\n';  // nor a line end
constexpr uint32_t kMunicipalityNameOwner = 0;  // municipalityNames has names of the whole country

enum class RecordRole : uint8_t {
  kTown,         // a town, with or without a note
  kNotListed,    // 以下に掲載がない場合: the municipality's own code
  kWhole,        // ○○一円: the whole municipality
  kNumberAfter,  // ○○の次に番地がくる場合, ○○ the municipality
};

struct RecordInfo {
  uint32_t municipality = 0;
  RecordRole role = RecordRole::kTown;
  NoteRule rule;
  // In Impl::names: the names of the building after the town, separated by
  // kAliasSeparator: its own names, kLooseSeparator, the names it may be
  // meant by. Empty for a record that is no building.
  uint32_t building = 0, buildingLength = 0;
};

struct Municipality {
  std::string cityCode;
  uint32_t prefecture = 0;
  int notListed = -1;  // record indices, -1 when absent
  int whole = -1;
  // Its ○○の次に番地がくる場合 lines (琴平町 has two, by lot number):
  // numberAfterRecords[firstNumberAfter, firstNumberAfter + numberAfterCount).
  uint32_t firstNumberAfter = 0, numberAfterCount = 0;
  size_t firstRecord = 0, endRecord = 0;  // its lines are together in the file
  // A designated city's ward: the length of the city's name alone ("札幌市"
  // of 札幌市中央区), by which it is also found; else 0.
  uint32_t cityOnlyLength = 0;
  // And the length of its ward's name alone ("中央区"), by which it is
  // found too, as a looser reading than a municipality of that full name.
  uint32_t wardOnlyLength = 0;
  // A town's name begins with the municipality's (養父市場 of 養父市): the
  // name written twice may be the town's.
  bool townStartsWithName = false;
  // The longest of its towns' names: no longer prefix of a text need be looked up.
  uint32_t longestTownName = 0;
};

// A town continued over several lines, joined: the file holds it only in pieces.
struct JoinedTown {
  std::string town, townKana;
};

// A record as the book keeps it: each field an offset and a length in the
// book's text, half the memory of TownRecord's views, so that a fresh
// process has half the pages to fault in. A joined town's names are in
// joinedTowns instead.
struct StoredRecord {
  enum Field { kPostalCode, kOldCode, kCityCode, kPrefecture, kCity, kTown, kPrefectureKana, kCityKana, kTownKana, kFields };
  static constexpr uint32_t kNotJoined = 0xFFFFFFFF;
  uint32_t offset[kFields];
  uint32_t length[kFields];
  uint32_t joined = kNotJoined;  // index into joinedTowns
};

// Record numbers side by side: one town's records, or one municipality's
// number-after lines.
struct RecordRun {
  const uint32_t* first;
  size_t count;
  uint32_t operator[](size_t i) const { return first[i]; }
};

// Splits one line of a Japan Post file into its first `count` columns,
// quotes removed: the views point into `line`. False when it has fewer.
bool SplitLine(const char* line, size_t length, std::string_view* const* columns, int count);

struct AddressBook::Impl {
  // The address file's text (cp932), which the records' offsets point into:
  // one block for the whole book instead of a string per field.
  std::string text;
  // A deque, so that a joined town already made never moves.
  std::deque<JoinedTown> joinedTowns;
  std::vector<StoredRecord> records;
  std::vector<RecordInfo> info;
  NotePool notes;
  std::string names;

  std::vector<std::string> prefectures;
  std::vector<Municipality> municipalities;
  std::vector<uint32_t> numberAfterRecords;
  std::unordered_map<std::string, uint32_t> municipalityByCode;
  // Full name, name without the county, designated city without the ward,
  // and a designated city's ward alone ("北区": every 北区, Tokyo's too).
  // Each name (owner 0) → municipalityLists[i], the municipalities it names.
  NameTable municipalityNames;
  std::vector<std::vector<uint32_t>> municipalityLists;
  size_t longestMunicipalityName = 0;
  // The names spelled loosely (LooseSpelling, owner 0) → the municipalities
  // they name: "タ張市" for 夕張市, "牧の原市" for 牧之原市.
  TownKeys looseMunicipalities;
  size_t longestLooseMunicipalityName = 0;
  // (municipality, town name) → town t, whose records are
  // townRecords[townStart[t], townStart[t + 1]).
  NameTable townNames;
  std::vector<uint32_t> townStart;
  std::vector<uint32_t> townRecords;
  size_t longestTownName = 0;
  // The towns by looser keys (town_keys.h), per municipality: a numbered
  // town by its name and number, every town by its loose spelling; and
  // every town's name, by municipality.
  TownKeys numberedTowns, looseTowns;
  TownNames townNamesOf;
  OfficeStore offices;

  // One field of record `index`, viewing into this book.
  std::string_view Text(size_t index, StoredRecord::Field field) const {
    const StoredRecord& record = records[index];
    if (record.joined != StoredRecord::kNotJoined) {
      if (field == StoredRecord::kTown) return joinedTowns[record.joined].town;
      if (field == StoredRecord::kTownKana) return joinedTowns[record.joined].townKana;
    }
    return std::string_view(text.data() + record.offset[field], record.length[field]);
  }
  TownRecord Record(size_t index) const;
};

}  // namespace resolver
