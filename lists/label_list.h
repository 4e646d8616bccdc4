// A list made into labels (labels/label.h): each row's address resolved
// as resolve --csv resolves it, its code checked against the list's own,
// its barcode made where the answer is exact or an office's, and its texts
// taken as the list wrote them. The same reading, encodings, threads and
// refusals as AnnotateCsv (lists/csv_annotate.h).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "barcode/address_barcode.h"
#include "labels/label.h"
#include "lists/csv_annotate.h"
#include "resolver/address_parts.h"

namespace lists {

struct LabelColumns {
  size_t address = 1;   // 1-based, as every column; 0: none
  size_t name = 0;      // the person
  size_t company = 0;   // also the name an office is looked for by (resolver/offices.h)
  size_t department = 0;
  size_t code = 0;      // the list's own postal code
  size_t building = 0;  // a second address column; without one the building comes from the parts
  bool header = false;
  Separator separator = Separator::kFromFile;
  labels::HonorificRule honorific = labels::HonorificRule::kAuto;

  size_t Rightmost() const;
};

// One row's cells, in the list's encoding; empty where the list has no
// such column.
struct LabelCells {
  long line = 0;
  std::string address, name, company, department, code, building;
};

// The cells of a row (its columns' texts, in the list's encoding) for its
// label, as every source of labels takes them: a column past the row's end
// gives an empty cell. False, and `cells` untouched, for a row that ends
// before the address column: it makes no label.
bool TakeLabelCells(const std::vector<std::string>& row, long line, const LabelColumns& columns, LabelCells& cells);

// The label columns of a list whose columns were chosen for resolving it
// (csv_annotate.h): its name column is the company's, the name an office is
// found by, unless the header row names it a person's (IsPersonNameHeader),
// who is addressed 様, not 御中. `firstRow` is cp932.
LabelColumns LabelColumnsOf(const CsvColumns& columns, const std::vector<std::string>& firstRow);

// Makes labels one after another, keeping its buffers: one per thread.
class LabelMaker {
 public:
  LabelMaker(const resolver::AddressBook& book, const LabelColumns& columns, CsvEncoding encoding)
      : book_(book), resolver_(book), columns_(columns), encoding_(encoding) {}

  // What the resolver answered for a label, for the counts.
  struct Answer {
    resolver::Status status = resolver::Status::kNone;
    bool office = false;  // an office's own code, found by the company's name
    resolver::Agreement agreement = resolver::Agreement::kUndecidable;  // with a code column
  };

  // The label of `cells`. Its code is the list's own where it gives one
  // ("123-4567" when it reads as 7 digits, else as written), else the
  // answer's; its barcode only where the answer is exact or an office's and
  // the list's code, if any, agrees (labels::NoBarcode says why not). The
  // address's building goes on a second line: the building column's, or
  // what the parts read after the lot numbers, as the list wrote it.
  Answer Make(const LabelCells& cells, labels::Label& label);

 private:
  void TakeAddress(const LabelCells& cells, labels::Label& label);
  std::string Utf8(const std::string& cell);

  const resolver::AddressBook& book_;
  resolver::Resolver resolver_;
  const LabelColumns& columns_;
  const CsvEncoding encoding_;
  std::string cp932_, name_, given_, utf8_;
  resolver::Resolution resolution_;
  resolver::AddressParts parts_;
  barcode::TownFinder towns_;
};

struct LabelList {
  std::vector<labels::Label> labels;  // in the list's order
  // result.counts: rows, statuses (offices apart), agreements with a code column.
  CsvResult result;
};

// Reads the whole list; on a refusal `labels` is empty and result says why.
LabelList ReadLabelList(const resolver::AddressBook& book, CsvInput& input, const LabelColumns& columns,
                        const CsvProgress& progress, unsigned threads = 0);

}  // namespace lists
