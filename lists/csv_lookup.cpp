#include "lists/csv_lookup.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "lists/added_cells.h"
#include "lists/list_words.h"
#include "lists/csv_work.h"

namespace lists {

namespace {

using resolver::LookupStatus;

class LookupCells : public RowCells {
 public:
  LookupCells(const resolver::CodeIndex& index, const LookupColumns& columns, CsvEncoding encoding, char separator)
      : index_(index), columns_(columns), encoding_(encoding), separator_(separator), added_(index.CodeCount() + 1) {}

  void Append(const char* data, const CsvRow& row, std::string& out, CsvCounts& counts) override {
    const bool nul = HoldsNul(data, row);
    const bool notText = nul || (IsUtf8(encoding_) && !IsUtf8Text(data + row.begin, row.contentEnd - row.begin));
    const bool tooShort = row.cells.size() < columns_.code;
    resolver::CodeMatch match;
    if (nul) {
      counts.withNul.Add(row.line);
    } else if (notText) {
      counts.notUtf8.Add(row.line);
    } else if (tooShort) {
      counts.tooShort.Add(row.line);
    } else {
      CellAsCp932(row.cells[columns_.code - 1], encoding_, cp932_);
      match = index_.Find(cp932_);
      if (match.zeroAdded) counts.zeroAdded.Add(row.line);
    }
    ++counts.rows;
    counts.codes.Add(match.status);
    out += Added(match);
  }

 private:
  // The cells of a code, made once: a list holds the same codes over and
  // over. Every code's cells end in its status, so an empty one is not made
  // yet. An old code's are made each time (they are few).
  const std::string& Added(const resolver::CodeMatch& match) {
    std::string& added =
        match.oldCode ? oldCode_ : added_[match.status == LookupStatus::kNone ? index_.CodeCount() : match.entry];
    if (match.oldCode) added.clear();
    if (!added.empty()) return added;
    index_.Cells(match, cells_);
    for (const std::string* cell : {&cells_.prefecture, &cells_.city, &cells_.town}) {
      added += separator_;
      AppendCell(InFileEncoding(*cell, encoding_), separator_, added);
    }
    added += separator_;
    added += resolver::LookupStatusName(match.status);
    return added;
  }

  const resolver::CodeIndex& index_;
  const LookupColumns& columns_;
  const CsvEncoding encoding_;
  const char separator_;
  std::string cp932_;
  resolver::AddressCells cells_;
  std::vector<std::string> added_;  // by CodeMatch::entry
  std::string oldCode_;
};

class LookupWork : public ListWork {
 public:
  LookupWork(const resolver::CodeIndex& index, const LookupColumns& columns) : index_(index), columns_(columns) {}

  PreparedWork Prepare(CsvEncoding encoding, char separator,
                       const std::vector<std::string>& headerCells) const override {
    PreparedWork prepared;
    for (const char* name : kLookupColumnNames) {
      prepared.header += separator + OwnName(name, kLookupOwnNameOpen, encoding, headerCells);
    }
    prepared.makeCells = [this, encoding, separator] {
      return std::make_unique<LookupCells>(index_, columns_, encoding, separator);
    };
    return prepared;
  }

 private:
  const resolver::CodeIndex& index_;
  const LookupColumns& columns_;
};

}  // namespace

CsvResult LookupCsv(const resolver::CodeIndex& index, CsvInput& input, const LookupColumns& columns,
                    const CsvSink& sink, const CsvProgress& progress, unsigned threads) {
  LookupWork work(index, columns);
  ListShape shape;
  shape.rightmost = columns.code;
  shape.header = columns.header;
  shape.separator = columns.separator;
  return StreamCsv(input, shape, work, sink, progress, threads);
}

}  // namespace lists
