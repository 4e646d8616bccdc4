// Names of towns within their municipality mapped to numbers: one table of
// slots and one string of keys, so a book of 100,000 towns costs a few
// allocations, and a lookup builds no key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace resolver {

class NameTable {
 public:
  static constexpr uint32_t kAbsent = 0xFFFFFFFF;

  // Room for `count` names without growing.
  void Reserve(size_t count);
  // The value of (owner, name); `value` is stored when the pair is new.
  uint32_t Insert(uint32_t owner, std::string_view name, uint32_t value);
  uint32_t Find(uint32_t owner, std::string_view name) const;
  // Stores `value` for a pair already inserted.
  void Replace(uint32_t owner, std::string_view name, uint32_t value);

  // The hashes of a text's prefixes, made in one pass so that looking up
  // every prefix of a text costs one hash of it, not one a prefix.
  class PrefixHash {
   public:
    explicit PrefixHash(uint32_t owner);
    void Add(std::string_view bytes);
    uint64_t value() const { return hash_; }

   private:
    uint64_t hash_;
  };
  // Find, given the name's hash from PrefixHash.
  uint32_t FindHashed(uint32_t owner, std::string_view name, uint64_t hash) const;

 private:
  struct Slot {
    uint32_t owner = 0;
    uint32_t key = 0;  // offset into keys_
    uint32_t length = 0;
    uint32_t value = kAbsent;
  };
  static uint64_t Hash(uint32_t owner, std::string_view name);
  bool Holds(const Slot& slot, uint32_t owner, std::string_view name) const;
  void Grow();

  std::vector<Slot> slots_;
  std::string keys_;
  size_t used_ = 0;
};

}  // namespace resolver
