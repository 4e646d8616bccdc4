// Finding the town of one municipality in the text after its name, and the
// records of that town whose notes fit the rest of the address.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/address_rest.h"
#include "resolver/book_impl.h"
#include "resolver/latin_building.h"
#include "resolver/note_match.h"

namespace resolver {

// Buffers reused from one address to the next.
struct Scratch {
  std::string text, key, street;  // key: a municipality name looked up
  std::string grid;               // a grid town with its 条 put back
  std::vector<size_t> bounds;
  std::vector<uint64_t> boundHashes;  // NameTable hashes of the text up to each bound
  std::vector<uint32_t> found;  // fitting records, in no order
  std::vector<uint32_t> wholeBuildings;  // those of them whose building the text names in full
  struct Tested {
    uint32_t record;
    RuleFit fit;
    bool building;       // a building record
    bool buildingSeen;   // its building is named in the address
    bool buildingLoose;  // the address may mean its building
    bool buildingWhole;  // its building is named by its whole name
  };
  std::vector<Tested> tested;
  LatinName latin;  // the building's name, when the address writes it in Latin letters
  struct Reading {
    size_t begin, end;  // its records in `found`
    size_t reach;       // bytes of the text it accounts for
    size_t nameEnd;     // just past the town's name
  };
  std::vector<Reading> readings;
  std::string loose;                  // the text spelled loosely (LooseSpelling)
  std::vector<uint32_t> looseOrigins;  // and where each of its bytes came from
};

// Whether a municipality's towns fit, and where the town's name stands:
// [townBegin, townEnd) of the text MatchTownsOf was given, empty where
// none is written.
struct TownFound {
  bool found = false;
  size_t townBegin = 0, townEnd = 0;
  size_t reach = 0;  // bytes of the text the reading accounts for: its town's name and a place its note names
};

// The ends of the first characters of `text`, up to `longest` bytes, into
// scratch.bounds, and the NameTable hash of `owner` and the text up to each
// into scratch.boundHashes: every prefix looked up for one pass over it.
void PrefixBounds(std::string_view text, size_t longest, uint32_t owner, Scratch& scratch);

// How far from the name as written a reading may go: the looser readings
// are tried only where no municipality meant has a town as written.
enum class Reading { kAsWritten, kLooser };

// Adds to `scratch.found` the records of municipality `m` that fit `text`
// (normalised, what follows the municipality's name). `beyond`: a looser
// reading is wanted only of a name that ends further in the text.
TownFound MatchTownsOf(const AddressBook::Impl& book, uint32_t m, std::string_view text, Reading reading,
                       Scratch& scratch, size_t beyond = 0);

// --- The steps the looser readings (loose_match.cpp) share with the strict one.

struct TownTest {
  bool any = false;       // some record fits
  size_t nameLength = 0;  // of the place name the fit rests on
};

// Tests `records` against `rest`: those that fit are added to scratch.found.
// `town`: the town as the address writes it; `street` a street clause
// written before it, or empty.
TownTest TestTownWithRest(const AddressBook::Impl& book, RecordRun records, std::string_view town,
                          std::string_view rest, std::string_view street, Scratch& scratch);

// Town `town`, written as [0, nameEnd) of `text`, tested against the text
// from `restBegin`: a fit becomes one of scratch.readings.
void TryTown(const AddressBook::Impl& book, uint32_t town, std::string_view text, size_t nameEnd, size_t restBegin,
             std::string_view street, Scratch& scratch);

// Of scratch.readings, those that account for the most of the text keep
// their records in scratch.found (from `before`); the others are dropped.
TownFound KeepFurthestReadings(Scratch& scratch, size_t before);

// A numbered town written with its number as the lot's first ("大門6-4-36"
// for 大門6番町 4-36, "花川南1-10-20" for 花川南1条 10丁目20).
struct NumberedFound {
  TownFound place;
  int numbers = 0;  // in the lot as written, the town's included (3 for 6-4-36)
  size_t end = 0;   // scratch.found's size after its records
  size_t number = 0;  // where its number begins in the text
};
NumberedFound MatchNumberedTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, Scratch& scratch);

// A town written in a looser spelling of its name (LooseSpelling): 三ッ沢下町
// for 三ツ沢下町, 裏ノ門 for 裏之門. Where the spelling fits two towns, both.
// `beyond`: only names that end further in the text (for all of them: 0).
TownFound MatchLooseTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, size_t beyond,
                         Scratch& scratch);

// A town written without the district name before it ("三栄町" for
// 四谷三栄町): where two towns end so, both.
TownFound MatchTownByTail(const AddressBook::Impl& book, uint32_t m, std::string_view text, size_t beyond,
                          Scratch& scratch);

// The looser spelling and the name without its district: the reading of the
// two that reads further (both where they read as far).
TownFound MatchLooserTown(const AddressBook::Impl& book, uint32_t m, std::string_view text, size_t beyond,
                          Scratch& scratch);

}  // namespace resolver
