// Rows of a list that are one address however they are written: each row's
// keys (resolver/address_key.h) noted on the threads that resolve the blocks,
// then decided in the file's order as the blocks are written, so that the
// first row of an address is the first in the file for any number of threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "resolver/address_key.h"

namespace lists {

// One row's keys, and where in its block's output its cells go.
struct RowKeys {
  size_t at = 0;
  long line = 0;
  bool hasAddress = false;
  bool hasRecipient = false;
  resolver::AddressKey address;
  resolver::AddressKey recipient;
};

struct DuplicateCounts {
  size_t addresses = 0;      // addresses written on more than one row
  size_t rows = 0;           // the rows they are written on, the first of each too
  size_t recipients = 0;     // the same for one address and one name
  size_t recipientRows = 0;
  size_t collisions = 0;     // keys whose first hashes met another's, told apart by the second

  void Add(const DuplicateCounts& later);
};

// The keys seen and the line of each one's first row, held as 16 bytes a key
// (the first hash whole, 32 bits of the second as its check, the line) in a
// table that doubles as it fills: the texts are never kept, so a list of any
// length takes memory for its distinct addresses only. Two texts are taken
// for one only when both their hashes meet.
class KeyTable {
 public:
  KeyTable();
  // The line of the first row with `key`, where it is not `line`'s own:
  // 0 when this row is the first (its line kept then). A line past 32 bits
  // is neither kept nor found. Counted: `repeated` once when a key comes a
  // second time, `rows` for its first row then and each row after, and
  // `collisions` for each first hash met by another key's on the way.
  long FirstLine(const resolver::AddressKey& key, long line, size_t& repeated, size_t& rows, size_t& collisions);

 private:
  struct Slot {
    uint64_t first = 0;
    uint32_t check = 0;
    uint32_t line = 0;  // 0: empty
  };
  void Grow();
  size_t Find(uint64_t first, uint32_t check, size_t& collisions) const;

  std::vector<Slot> slots_;
  std::vector<bool> repeated_;  // beside each slot: its key has come again
  size_t used_ = 0;
};

// The cells 重複 (and 同一宛先 with names): for each row the line of the
// first row of its address (of its address and name), empty for that first
// row and for a row with no key.
class DuplicateColumns {
 public:
  explicit DuplicateColumns(bool names) : names_(names) {}
  // Writes `out` (a block's output) again with each row's cells, each with
  // `separator` in front, put in at its place; `rows` in the block's order.
  void Decide(const std::vector<RowKeys>& rows, char separator, std::string& out, DuplicateCounts& counts);

 private:
  void AppendCell(long firstLine, char separator, std::string& out) const;

  const bool names_;
  KeyTable addresses_;
  KeyTable recipients_;
  std::string written_;
};

}  // namespace lists
