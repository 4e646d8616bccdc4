// A resolved row's cells, made once for every front end: the code (or
// codes), the status, the seven parts and the customer barcode's data.
// The CSV, the query tool's lines and the window's list only quote and join
// them. cp932, but for the parts copied from a UTF-8 address.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "barcode/address_barcode.h"
#include "resolver/address_parts.h"
#include "resolver/resolver.h"

namespace lists {

struct CellsAsked {
  bool parts = false;    // the seven parts
  bool barcode = false;  // the barcode's data
};

struct AnswerCells {
  // exact: the code; ambiguous: every candidate's code, in file order,
  // joined by ","; city: the municipality's own code where it has one;
  // an office: the office's own code; none: empty.
  std::string code;
  std::string_view status;  // resolver::StatusName, or "office"
  bool hasParts = false;    // asked, and the address has them
  resolver::AddressParts parts;
  // Asked, and an exact or office answer: the data; otherwise empty.
  bool hasBarcode = false;
  barcode::CustomerBarcode barcode;
};

// One per thread or loop: it keeps its buffers from row to row.
class AnswerCellMaker {
 public:
  explicit AnswerCellMaker(const resolver::AddressBook& book) : book_(book) {}

  // The cells of `resolution`, the answer for `address` (cp932), with
  // `office` (resolver::kNoOffice: none) answering in its place.
  void Make(const resolver::Resolution& resolution, size_t office, std::string_view address, CellsAsked asked,
            AnswerCells& out);
  // The same for an address written in UTF-8: resolved as its cp932, the
  // parts copied from it cut from the UTF-8 as written.
  void Make(const resolver::Resolution& resolution, size_t office, const resolver::WrittenAddress& address,
            CellsAsked asked, AnswerCells& out);
  // The cells of a row that holds no address to resolve: none, empty.
  static void MakeNone(AnswerCells& out);

 private:
  void MakeFrom(const resolver::Resolution& resolution, size_t office, std::string_view cp932,
                const resolver::WrittenAddress* written, CellsAsked asked, AnswerCells& out);

  const resolver::AddressBook& book_;
  barcode::TownFinder towns_;
  resolver::AddressPartsReader parts_;
};

}  // namespace lists
