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

// Makes labels one after another, keeping its buffers: one per thread.
class LabelMaker {
 public:
  LabelMaker(const resolver::AddressBook& book, const LabelColumns& columns, CsvEncoding encoding)
      : book_(book), columns_(columns), encoding_(encoding) {}

  // The label of `cells`. Its code is the list's own where it gives one
  // (as written when it is no 7-digit code), else the answer's; its
  // barcode only where the answer is exact or an office's and the list's
  // code, if any, agrees (labels::NoBarcode says why not). `status` gets
  // the answer's status, `office` true for an office's own code.
  void Make(const LabelCells& cells, labels::Label& label, resolver::Status& status, bool& office);

 private:
  void TakeAddress(const LabelCells& cells, labels::Label& label);
  std::string Utf8(const std::string& cell) const;

  const resolver::AddressBook& book_;
  const LabelColumns& columns_;
  const CsvEncoding encoding_;
  std::string cp932_, name_, given_;
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
