// The work on one block of rows, shared by the threads that stream a file:
// each row's cells resolved, and the cells added to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lists/answer_cells.h"
#include "lists/csv_annotate.h"
#include "lists/csv_reader.h"
#include "lists/csv_work.h"
#include "resolver/address_parts.h"

namespace lists {

// The cells added to every row, in the file's encoding, made once for a file
// and read by every thread.
struct AddedTexts {
  char separator = ',';
  std::string header;
  std::string noParts;  // the split columns of a row without parts
  std::string agreement[resolver::kAgreementCount];
};

// `headerCells`: the file's own names, in its encoding (none without a header).
AddedTexts MakeAddedTexts(const CsvColumns& columns, CsvEncoding encoding, char separator,
                          const std::vector<std::string>& headerCells);

// One per thread: it keeps its buffers from block to block.
class RowAnnotator : public RowCells {
 public:
  RowAnnotator(const resolver::AddressBook& book, const CsvColumns& columns, CsvEncoding encoding,
               const AddedTexts& texts)
      : book_(book), resolver_(book), cells_(book), columns_(columns), encoding_(encoding), texts_(texts) {}

  void Append(const char* data, const CsvRow& row, std::string& out, CsvCounts& counts) override {
    AppendResolution(data, row, out, counts);
  }

 private:
  void AppendResolution(const char* data, const CsvRow& row, std::string& out, CsvCounts& counts);
  void AppendParts(std::string& out);

  const resolver::AddressBook& book_;
  resolver::Resolver resolver_;
  AnswerCellMaker cells_;
  const CsvColumns& columns_;
  const CsvEncoding encoding_;
  const AddedTexts& texts_;
  std::string cp932_;
  std::vector<uint32_t> offsets_;  // cp932_ to the UTF-8 cell
  std::string given_;
  std::string name_;
  resolver::Resolution resolution_;
  AnswerCells answer_;
  std::string cell_;
};

}  // namespace lists
