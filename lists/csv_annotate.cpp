#include "lists/csv_annotate.h"

#include <algorithm>
#include <memory>

#include "lists/added_cells.h"
#include "lists/list_words.h"
#include "lists/csv_work.h"
#include "lists/row_annotator.h"
#include "resolver/offices.h"

namespace lists {

using resolver::Agreement;
using resolver::Resolution;

namespace {

const std::string& CellOrEmpty(const CsvRow& row, size_t column) {
  static const std::string empty;
  return column >= 1 && column <= row.cells.size() ? row.cells[column - 1] : empty;
}

}  // namespace

AddedTexts MakeAddedTexts(const CsvColumns& columns, CsvEncoding encoding, char separator,
                          const std::vector<std::string>& headerCells) {
  AddedTexts texts;
  texts.separator = separator;
  const auto own = [&](const char* name) { return separator + OwnName(name, kOwnNameOpen, encoding, headerCells); };
  texts.header = own(kCodeColumnName) + own(kStatusColumnName);
  if (columns.split) {
    for (int i = 0; i < resolver::kSplitPartCount; ++i) {
      texts.header += own(resolver::SplitPartName(i));
      texts.noParts += separator;
    }
  }
  if (columns.code != 0) texts.header += own(kAgreementColumnName);
  if (columns.barcode) texts.header += own(kBarcodeColumnName);
  for (size_t i = 0; i < resolver::kAgreementCount; ++i) {
    texts.agreement[i] = InFileEncoding(resolver::AgreementText(static_cast<Agreement>(i)), encoding);
  }
  return texts;
}

// One row: its address resolved unless the row cannot hold one, then the
// cells added for it.
void RowAnnotator::AppendResolution(const char* data, const CsvRow& row, std::string& out, CsvCounts& counts) {
  const bool nul = HoldsNul(data, row);
  const bool notText = nul || (IsUtf8(encoding_) && !IsUtf8Text(data + row.begin, row.contentEnd - row.begin));
  const bool tooShort = row.cells.size() < columns_.address;
  if (nul) {
    counts.withNul.Add(row.line);
  } else if (notText) {
    counts.notUtf8.Add(row.line);
  } else if (tooShort) {
    counts.tooShort.Add(row.line);
  }
  ++counts.rows;
  if (notText || tooShort) {
    resolution_ = Resolution();
    AnswerCellMaker::MakeNone(answer_);
  } else {
    const std::string& address = row.cells[columns_.address - 1];
    if (IsUtf8(encoding_)) {
      CellAsCp932(address, cp932_, &offsets_);
    } else {
      cp932_ = address;
    }
    resolver_.Resolve(cp932_, resolution_);
    size_t office = resolver::kNoOffice;
    if (columns_.name != 0) {
      CellAsCp932(CellOrEmpty(row, columns_.name), encoding_, name_);
      office = resolver::FindOffice(book_, resolution_, name_);
    }
    CellsAsked asked;
    asked.parts = columns_.split;
    asked.barcode = columns_.barcode;
    if (IsUtf8(encoding_)) {
      cells_.Make(resolution_, office, resolver::WrittenAddress{cp932_, address, offsets_}, asked, answer_);
    } else {
      cells_.Make(resolution_, office, cp932_, asked, answer_);
    }
  }
  if (answer_.status == resolver::kOfficeStatusName) {
    ++counts.addresses.offices;
  } else {
    counts.addresses.byStatus.Add(resolution_.status);
  }
  out += texts_.separator;
  AppendCell(answer_.code, texts_.separator, out);  // an ambiguous row's codes hold commas
  out += texts_.separator;
  out += answer_.status;
  if (columns_.split) AppendParts(out);
  if (columns_.code != 0) {
    given_.clear();
    if (!notText) CellAsCp932(CellOrEmpty(row, columns_.code), encoding_, given_);
    Agreement agreement = resolver::CheckCode(book_, resolution_, given_);
    char withZero[resolver::kCodeDigits + 1];
    if (agreement == Agreement::kDisagrees && resolver::ReadCodeWithoutItsZero(given_, withZero)) {
      // Six digits: a spreadsheet's number for a code that began with 0.
      const Agreement zeroAgreement = resolver::CheckCode(book_, resolution_, withZero);
      if (zeroAgreement != Agreement::kDisagrees) {
        agreement = zeroAgreement;
        counts.zeroAdded.Add(row.line);
      }
    }
    counts.addresses.byAgreement.Add(agreement);
    out += texts_.separator;
    out += texts_.agreement[static_cast<size_t>(agreement)];
  }
  if (columns_.barcode) {
    // The data alone: ASCII, the same bytes in every encoding.
    out += texts_.separator;
    if (answer_.hasBarcode) out.append(answer_.barcode.Data());
  }
}

namespace {

// The resolver's work on a list: the address column's code and status.
class ResolveWork : public ListWork {
 public:
  ResolveWork(const resolver::AddressBook& book, const CsvColumns& columns) : book_(book), columns_(columns) {}

  PreparedWork Prepare(CsvEncoding encoding, char separator,
                       const std::vector<std::string>& headerCells) const override {
    // Made once, read by every thread's cells.
    const auto texts = std::make_shared<const AddedTexts>(MakeAddedTexts(columns_, encoding, separator, headerCells));
    PreparedWork prepared;
    prepared.header = texts->header;
    prepared.makeCells = [this, encoding, texts] {
      return std::make_unique<RowAnnotator>(book_, columns_, encoding, *texts);
    };
    return prepared;
  }

 private:
  const resolver::AddressBook& book_;
  const CsvColumns& columns_;
};

}  // namespace

CsvResult AnnotateCsv(const resolver::AddressBook& book, CsvInput& input, const CsvColumns& columns,
                      const CsvSink& sink, const CsvProgress& progress, unsigned threads) {
  ResolveWork work(book, columns);
  ListShape shape;
  shape.rightmost = columns.Rightmost();
  shape.header = columns.header;
  shape.separator = columns.separator;
  return StreamCsv(input, shape, work, sink, progress, threads);
}

// The parts in the file's encoding, those copied from the address as its
// cell writes them.
void RowAnnotator::AppendParts(std::string& out) {
  if (!answer_.hasParts) {
    out += texts_.noParts;
    return;
  }
  for (int i = 0; i < resolver::kSplitPartCount; ++i) {
    out += texts_.separator;
    cell_.clear();
    resolver::AppendPart(answer_.parts, i, IsUtf8(encoding_), cell_);
    AppendCell(cell_, texts_.separator, out);
  }
}

}  // namespace lists
