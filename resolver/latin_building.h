// A building the address names in Latin letters ("Ｔｒｉ－Ｓｅｖｅｎ・Ｒｏｐｐｏｎｇｉ",
// "Ｙａｚａｗａビル") against the listed buildings of its town: each listed
// name read in Latin letters (latin_reading.h), by its own letters where it
// is written in them and by the address file's kana reading where it holds
// kanji.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/book_impl.h"

namespace resolver {

enum class LatinFit {
  kUnread,  // the name cannot be read in Latin letters: any building may be meant
  kNone,    // it is not this building
  kMaybe,   // it may be this building written another way
  kSame,    // it is this building's name
};

// The listed names of a record: its own (strict) and those it may be meant
// by (loose), as book_index.cpp laid them out.
struct ListedNames {
  std::vector<std::string_view> strict, loose;
};

// The name the address gives, read once for the town being tested, and the
// buffers its comparisons reuse.
struct LatinName {
  bool read = false;      // letters and katakana only
  bool telling = false;   // enough of its own to tell one building from another
  std::string key;        // folded (FoldLatinKey)
  std::string afterTown;  // `key` after the town's name ("AKASAKA BIZ TOWER"), else empty
  // "QUEENS TOWER B28F": the B may end the name or begin a basement floor
  std::string withB;
  bool sameWithB = false;  // the last kSame took the B
  std::string own;        // without the town's and municipality's names and common words
  std::string skeleton;   // of `own`
  std::vector<std::string> places;  // the town's and municipality's names, folded, longest first
  std::string townKana;             // the town's kana reading, as the address file writes it
  std::string townKey;              // and folded
  std::string scratch, listed, listedSkeleton;
  ListedNames listedNames;               // of the record compared
  std::vector<std::string_view> kana;    // its kana readings
  std::vector<uint16_t> units;           // a text being read
};

// "QUEENS TOWER B28F": a B right after the name, which may be its last
// letter or begin a basement floor.
enum class TrailingB { kNone, kFollows };

// Reads `name` (normalised text, the building's name in the address) for
// the town whose records are `records`.
void ReadLatinName(const AddressBook::Impl& book, RecordRun records, std::string_view name, TrailingB b,
                   LatinName& out);

// How the name read fits the listed building of `record`, one of the town's records.
LatinFit CompareLatinName(const AddressBook::Impl& book, uint32_t record, LatinName& name);

}  // namespace resolver
