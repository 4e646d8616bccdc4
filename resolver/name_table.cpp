#include "resolver/name_table.h"

#include <cstring>

#include "resolver/page_prefault.h"

namespace resolver {

namespace {
constexpr size_t kMinSlots = 64;
}

NameTable::PrefixHash::PrefixHash(uint32_t owner) : hash_(14695981039346656037ull ^ owner) {}  // FNV-1a

void NameTable::PrefixHash::Add(const char* bytes, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    hash_ ^= static_cast<unsigned char>(bytes[i]);
    hash_ *= 1099511628211ull;
  }
}

uint64_t NameTable::Hash(uint32_t owner, const char* name, size_t length) {
  PrefixHash hash(owner);
  hash.Add(name, length);
  return hash.value();
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
    size_t i = Hash(slot.owner, keys_.data() + slot.key, slot.length) & (slots_.size() - 1);
    while (slots_[i].value != kAbsent) i = (i + 1) & (slots_.size() - 1);
    slots_[i] = slot;
    ++used_;
  }
}

void NameTable::Grow() { Reserve(slots_.empty() ? kMinSlots / 2 : slots_.size()); }

uint32_t NameTable::Insert(uint32_t owner, const char* name, size_t length, uint32_t value) {
  if ((used_ + 1) * 2 > slots_.size()) Grow();
  size_t i = Hash(owner, name, length) & (slots_.size() - 1);
  for (;; i = (i + 1) & (slots_.size() - 1)) {
    Slot& slot = slots_[i];
    if (slot.value == kAbsent) break;
    if (slot.owner == owner && slot.length == length && std::memcmp(keys_.data() + slot.key, name, length) == 0) {
      return slot.value;
    }
  }
  Slot& slot = slots_[i];
  slot.owner = owner;
  slot.key = static_cast<uint32_t>(keys_.size());
  slot.length = static_cast<uint32_t>(length);
  slot.value = value;
  keys_.append(name, length);
  ++used_;
  return value;
}

uint32_t NameTable::Find(uint32_t owner, const char* name, size_t length) const {
  return FindHashed(owner, name, length, Hash(owner, name, length));
}

uint32_t NameTable::FindHashed(uint32_t owner, const char* name, size_t length, uint64_t hash) const {
  if (slots_.empty()) return kAbsent;
  for (size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
    const Slot& slot = slots_[i];
    if (slot.value == kAbsent) return kAbsent;
    if (slot.owner == owner && slot.length == length && std::memcmp(keys_.data() + slot.key, name, length) == 0) {
      return slot.value;
    }
  }
}

}  // namespace resolver
