// The lookup structures of an AddressBook, shared by the loader and the
// resolver. Names are normalised (normalize.h) and cp932.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "resolver/note_reader.h"
#include "resolver/resolver.h"

namespace resolver {

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
  uint32_t building = 0, buildingLength = 0;    // in Impl::names: the building after the town
  uint32_t qualifier = 0, qualifierLength = 0;  // "高層棟" of "…（高層棟）（1階）"
};

struct Municipality {
  std::string cityCode;
  uint32_t prefecture = 0;
  int notListed = -1;  // record indices, -1 when absent
  int whole = -1;
  int numberAfter = -1;
  size_t firstRecord = 0, endRecord = 0;  // its lines are together in the file
};

struct AddressBook::Impl {
  std::vector<TownRecord> records;
  std::vector<RecordInfo> info;
  NotePool notes;
  std::string names;

  std::vector<std::string> prefectures;
  std::vector<Municipality> municipalities;
  std::unordered_map<std::string, uint32_t> municipalityByCode;
  // Full name, name without the county, designated city without the ward.
  std::unordered_map<std::string, std::vector<uint32_t>> municipalityNames;
  size_t longestMunicipalityName = 0;
  // TownKey(municipality, name) → index into `towns`: the records of one town.
  std::unordered_map<std::string, uint32_t> townIndex;
  std::vector<std::vector<uint32_t>> towns;
  size_t longestTownName = 0;
};

// The key of a town name within its municipality, written into `key`.
inline void TownKey(uint32_t municipality, const char* name, size_t length, std::string& key) {
  key.assign(reinterpret_cast<const char*>(&municipality), sizeof municipality);
  key.append(name, length);
}

}  // namespace resolver
