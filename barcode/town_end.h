// Where an address's numbers begin: just past its town's name, found in the
// address as it was typed. The names are compared as the resolver spells
// them (full-width digits, 北六条 and 北6条, 大字, ヶ and ケ alike), and the
// place found is mapped back to the typed text, whose characters the
// barcode's rules read. All text is cp932.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/resolver.h"

namespace barcode {

constexpr size_t kNoTown = static_cast<size_t>(-1);

// Keeps its buffers from one address to the next: one per thread.
class TownFinder {
 public:
  // The offset in `address` just past `town` (as the address file writes
  // it; a note in （） is dropped), looked for after `city` where the
  // address writes the city, else from the start. An empty `town` (an
  // office whose town column is blank) ends where the city does.
  // kNoTown when the address does not write it.
  size_t AfterTown(std::string_view address, std::string_view city, std::string_view town);
  // The offset in `address` just past the town `resolution` (Resolve of
  // the same text, exact or ambiguous) read in it: the numbers begin where
  // the resolver's town ends, for a building's line, a range of 地割 or a
  // town written without its 郷 alike. kNoTown where it read no town.
  size_t AfterResolvedTown(std::string_view address, const resolver::Resolution& resolution);

 private:
  size_t TypedOffset(std::string_view address, size_t normalizedEnd);

  std::string text_, name_, prefix_;
  std::vector<uint32_t> origins_;
};

}  // namespace barcode
