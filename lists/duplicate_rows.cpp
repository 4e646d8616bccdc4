#include "lists/duplicate_rows.h"

#include <limits>
#include <utility>

namespace lists {

namespace {

constexpr size_t kFirstSlots = 1024;  // a power of two
// Doubles past three quarters full: short probes, and a list of 2,000,000
// addresses all different in 4,194,304 slots (64 MiB).
constexpr size_t kFullNumerator = 3, kFullDenominator = 4;

}  // namespace

void DuplicateCounts::Add(const DuplicateCounts& later) {
  addresses += later.addresses;
  rows += later.rows;
  recipients += later.recipients;
  recipientRows += later.recipientRows;
  collisions += later.collisions;
}

KeyTable::KeyTable() : slots_(kFirstSlots), repeated_(kFirstSlots) {}

size_t KeyTable::Find(uint64_t first, uint32_t check, size_t& collisions) const {
  const size_t mask = slots_.size() - 1;
  for (size_t i = static_cast<size_t>(first) & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.line == 0 || (slot.first == first && slot.check == check)) return i;
    if (slot.first == first) ++collisions;
  }
}

void KeyTable::Grow() {
  const std::vector<Slot> old = std::move(slots_);
  const std::vector<bool> oldRepeated = std::move(repeated_);
  slots_.assign(old.size() * 2, Slot());
  repeated_.assign(old.size() * 2, false);
  size_t unused = 0;
  for (size_t i = 0; i < old.size(); ++i) {
    if (old[i].line == 0) continue;
    const size_t at = Find(old[i].first, old[i].check, unused);
    slots_[at] = old[i];
    repeated_[at] = oldRepeated[i];
  }
}

long KeyTable::FirstLine(const resolver::AddressKey& key, long line, size_t& repeated, size_t& rows,
                         size_t& collisions) {
  if (line <= 0 || static_cast<unsigned long>(line) > std::numeric_limits<uint32_t>::max()) return 0;
  const uint32_t check = static_cast<uint32_t>(key.second >> 32);
  const size_t at = Find(key.first, check, collisions);
  Slot& slot = slots_[at];
  if (slot.line != 0) {
    if (!repeated_[at]) {
      repeated_[at] = true;
      ++repeated;
      ++rows;  // its first row
    }
    ++rows;
    return static_cast<long>(slot.line);
  }
  slot = Slot{key.first, check, static_cast<uint32_t>(line)};
  if (++used_ * kFullDenominator > slots_.size() * kFullNumerator) Grow();
  return 0;
}

void DuplicateColumns::AppendCell(long firstLine, char separator, std::string& out) const {
  out += separator;
  if (firstLine != 0) out += std::to_string(firstLine);
}

void DuplicateColumns::Decide(const std::vector<RowKeys>& rows, char separator, std::string& out,
                              DuplicateCounts& counts) {
  written_.clear();
  written_.reserve(out.size() + rows.size() * 16);
  size_t copied = 0;
  for (const RowKeys& row : rows) {
    written_.append(out, copied, row.at - copied);
    copied = row.at;
    const long address = row.hasAddress ? addresses_.FirstLine(row.address, row.line, counts.addresses, counts.rows,
                                                               counts.collisions)
                                        : 0;
    AppendCell(address, separator, written_);
    if (!names_) continue;
    const long recipient = row.hasRecipient ? recipients_.FirstLine(row.recipient, row.line, counts.recipients,
                                                                    counts.recipientRows, counts.collisions)
                                            : 0;
    AppendCell(recipient, separator, written_);
  }
  written_.append(out, copied, std::string::npos);
  out.swap(written_);
}

}  // namespace lists
