#include "resolver/name_table.h"

#include <cstring>

#include "resolver/page_prefault.h"

namespace resolver {

namespace {
constexpr size_t kMinSlots = 64;
}

NameTable::PrefixHash::PrefixHash(uint32_t owner) : hash_(14695981039346656037ull ^ owner) {}  // FNV-1a

void NameTable::PrefixHash::Add(std::string_view bytes) {
  for (const char byte : bytes) {
    hash_ ^= static_cast<unsigned char>(byte);
    hash_ *= 1099511628211ull;
  }
}

uint64_t NameTable::Hash(uint32_t owner, std::string_view name) {
  PrefixHash hash(owner);
  hash.Add(name);
  return hash.value();
}

bool NameTable::Holds(const Slot& slot, uint32_t owner, std::string_view name) const {
  return slot.owner == owner && slot.length == name.size() && std::memcmp(keys_.data() + slot.key, name.data(), name.size()) == 0;
}

void NameTable::Reserve(size_t count) {
  size_t size = kMinSlots;
  while (size < count * 2) size *= 2;  // at most half full
  if (size <= slots_.size()) return;
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.reserve(size);
  PrefaultForWrite(slots_.data(), size * sizeof(Slot));
  slots_.assign(size, Slot());
  used_ = 0;
  for (const Slot& slot : old) {
    if (slot.value == kAbsent) continue;
    size_t i = Hash(slot.owner, std::string_view(keys_).substr(slot.key, slot.length)) & (slots_.size() - 1);
    while (slots_[i].value != kAbsent) i = (i + 1) & (slots_.size() - 1);
    slots_[i] = slot;
    ++used_;
  }
}

void NameTable::Grow() { Reserve(slots_.empty() ? kMinSlots / 2 : slots_.size()); }

uint32_t NameTable::Insert(uint32_t owner, std::string_view name, uint32_t value) {
  if ((used_ + 1) * 2 > slots_.size()) Grow();
  size_t i = Hash(owner, name) & (slots_.size() - 1);
  for (;; i = (i + 1) & (slots_.size() - 1)) {
    const Slot& slot = slots_[i];
    if (slot.value == kAbsent) break;
    if (Holds(slot, owner, name)) return slot.value;
  }
  Slot& slot = slots_[i];
  slot.owner = owner;
  slot.key = static_cast<uint32_t>(keys_.size());
  slot.length = static_cast<uint32_t>(name.size());
  slot.value = value;
  keys_.append(name);
  ++used_;
  return value;
}

void NameTable::Replace(uint32_t owner, std::string_view name, uint32_t value) {
  for (size_t i = Hash(owner, name) & (slots_.size() - 1); slots_[i].value != kAbsent; i = (i + 1) & (slots_.size() - 1)) {
    if (Holds(slots_[i], owner, name)) {
      slots_[i].value = value;
      return;
    }
  }
}

uint32_t NameTable::Find(uint32_t owner, std::string_view name) const {
  return FindHashed(owner, name, Hash(owner, name));
}

uint32_t NameTable::FindHashed(uint32_t owner, std::string_view name, uint64_t hash) const {
  if (slots_.empty()) return kAbsent;
  for (size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
    const Slot& slot = slots_[i];
    if (slot.value == kAbsent) return kAbsent;
    if (Holds(slot, owner, name)) return slot.value;
  }
}

}  // namespace resolver
