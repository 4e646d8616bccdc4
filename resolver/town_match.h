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
};

// Whether a municipality's towns fit, and where the town's name stands:
// [townBegin, townEnd) of the text MatchTownsOf was given, empty where
// none is written.
struct TownFound {
  bool found = false;
  size_t townBegin = 0, townEnd = 0;
};

// The ends of the first characters of `text`, up to `longest` bytes, into
// scratch.bounds, and the NameTable hash of `owner` and the text up to each
// into scratch.boundHashes: every prefix looked up for one pass over it.
void PrefixBounds(std::string_view text, size_t longest, uint32_t owner, Scratch& scratch);

// Adds to `scratch.found` the records of municipality `m` that fit `text`
// (normalised, what follows the municipality's name).
TownFound MatchTownsOf(const AddressBook::Impl& book, uint32_t m, std::string_view text, Scratch& scratch);

}  // namespace resolver
