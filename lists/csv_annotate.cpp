#include "lists/csv_annotate.h"

#include <algorithm>
#include <memory>

#include "encoding/cp932_encode.h"
#include "encoding/text_encoding.h"
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

void CsvRowLines::Add(long line) {
  if (count < kNamedLines) lines[count] = line;
  ++count;
}

std::string CsvRowLines::Named() const {
  std::string named;
  for (size_t i = 0; i < count && i < kNamedLines; ++i) named += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
  return named;
}

void CsvRowLines::Add(const CsvRowLines& later) {
  for (size_t i = 0; i < later.count && i < kNamedLines; ++i) {
    if (count + i < kNamedLines) lines[count + i] = later.lines[i];
  }
  count += later.count;
}

void CsvCounts::Add(const CsvCounts& later) {
  rows += later.rows;
  offices += later.offices;
  byStatus.Add(later.byStatus);
  byAgreement.Add(later.byAgreement);
  notUtf8.Add(later.notUtf8);
  tooShort.Add(later.tooShort);
  byCode.Add(later.byCode);
}

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
  const bool notText = IsUtf8(encoding_) && !IsUtf8Text(data + row.begin, row.contentEnd - row.begin);
  const bool tooShort = row.cells.size() < columns_.address;
  if (notText) {
    counts.notUtf8.Add(row.line);
  } else if (tooShort) {
    counts.tooShort.Add(row.line);
  }
  if (notText || tooShort) {
    resolution_ = Resolution();
  } else {
    CellAsCp932(row.cells[columns_.address - 1], encoding_, cp932_);
    resolver_.Resolve(cp932_, resolution_);
  }
  ++counts.rows;
  size_t office = resolver::kNoOffice;
  if (columns_.name != 0 && !notText && !tooShort) {
    CellAsCp932(CellOrEmpty(row, columns_.name), encoding_, name_);
    office = resolver::FindOffice(book_, resolution_, name_);
  }
  out += texts_.separator;
  if (office != resolver::kNoOffice) {
    ++counts.offices;
    out.append(resolver::OfficeAt(book_, office).postalCode);
    out += texts_.separator;
    out += resolver::kOfficeStatusName;
  } else {
    counts.byStatus.Add(resolution_.status);
    out += resolution_.postalCode;
    out += texts_.separator;
    out += resolver::StatusName(resolution_.status);
  }
  if (columns_.split) AppendParts(!notText && !tooShort, out);
  if (columns_.code != 0) {
    given_.clear();
    if (!notText) CellAsCp932(CellOrEmpty(row, columns_.code), encoding_, given_);
    const Agreement agreement = resolver::CheckCode(book_, resolution_, given_);
    counts.byAgreement.Add(agreement);
    out += texts_.separator;
    out += texts_.agreement[static_cast<size_t>(agreement)];
  }
  if (columns_.barcode) AppendBarcode(office, !notText && !tooShort, out);
}

// The data alone: ASCII, the same bytes in every encoding.
void RowAnnotator::AppendBarcode(size_t office, bool resolved, std::string& out) {
  out += texts_.separator;
  if (!resolved || !barcode::HasBarcode(resolution_, office)) return;
  const std::string_view code =
      office != resolver::kNoOffice ? resolver::OfficeAt(book_, office).postalCode : resolution_.postalCode;
  barcode::MakeAddressBarcode(book_, resolution_, office, code, cp932_, towns_, barcode_);
  out.append(barcode_.Data());
}

namespace {

// The resolver's work on a list: the address column's code and status.
class ResolveWork : public ListWork {
 public:
  ResolveWork(const resolver::AddressBook& book, const CsvColumns& columns) : book_(book), columns_(columns) {}

  std::string Prepare(CsvEncoding encoding, char separator, const std::vector<std::string>& headerCells) override {
    encoding_ = encoding;
    texts_ = MakeAddedTexts(columns_, encoding, separator, headerCells);
    return texts_.header;
  }
  std::unique_ptr<RowCells> MakeCells() const override {
    return std::make_unique<RowAnnotator>(book_, columns_, encoding_, texts_);
  }

 private:
  const resolver::AddressBook& book_;
  const CsvColumns& columns_;
  CsvEncoding encoding_ = CsvEncoding::kCp932;
  AddedTexts texts_;
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

void RowAnnotator::AppendParts(bool resolved, std::string& out) {
  if (!resolved || !resolver::ReadAddressParts(book_, resolution_, cp932_, parts_)) {
    out += texts_.noParts;
    return;
  }
  for (int i = 0; i < resolver::kSplitPartCount; ++i) {
    out += texts_.separator;
    const std::string_view part = resolver::SplitPart(parts_, i);
    if (IsUtf8(encoding_)) {
      cell_.clear();
      if (!encoding::AppendUtf8OfCp932(part, cell_)) {
        given_.assign(part);
        if (!encoding::Cp932ToUtf8(given_, cell_)) cell_ = given_;
      }
    } else {
      cell_.assign(part);
    }
    AppendCell(cell_, texts_.separator, out);
  }
}

}  // namespace lists
