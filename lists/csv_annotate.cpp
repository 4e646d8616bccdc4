#include "lists/csv_annotate.h"

#include <cstdint>

#include "datafiles/cp932_encode.h"
#include "datafiles/text_encoding.h"
#include "datafiles/utf8_decode.h"
#include "lists/csv_reader.h"

namespace lists {

using resolver::Agreement;
using resolver::Resolution;

namespace {

const char kBom[] = "\xEF\xBB\xBF";
constexpr size_t kBomLength = 3;
constexpr size_t kFlushSize = 1 << 16;
const char kUnwritable = '?';

// "郵便番号"
const char kCodeColumnName[] = "\x97\x58\x95\xD6\x94\xD4\x8D\x86";
// "判定"
const char kStatusColumnName[] = "\x94\xBB\x92\xE8";
// "照合"
const char kAgreementColumnName[] = "\x8F\xC6\x8D\x87";

const Agreement kAgreements[] = {Agreement::kAgrees, Agreement::kAmongCandidates, Agreement::kDisagrees,
                                 Agreement::kUndecidable};

bool IsUtf8(CsvEncoding encoding) { return encoding != CsvEncoding::kCp932; }

// A fixed cp932 text in the file's encoding.
std::string InFileEncoding(const char* cp932, CsvEncoding encoding) {
  std::string text = cp932;
  if (!IsUtf8(encoding)) return text;
  std::string utf8;
  return datafiles::Cp932ToUtf8(text, utf8) ? utf8 : text;
}

// The cells added to every row, in the file's encoding, made once.
struct AddedTexts {
  std::string header;
  std::string agreement[4];
};

AddedTexts MakeAddedTexts(const CsvColumns& columns, CsvEncoding encoding) {
  AddedTexts texts;
  texts.header = "," + InFileEncoding(kCodeColumnName, encoding) + "," + InFileEncoding(kStatusColumnName, encoding);
  if (columns.code != 0) texts.header += "," + InFileEncoding(kAgreementColumnName, encoding);
  for (Agreement agreement : kAgreements) {
    texts.agreement[static_cast<size_t>(agreement)] = InFileEncoding(resolver::AgreementText(agreement), encoding);
  }
  return texts;
}

const std::string& CellOrEmpty(const CsvRow& row, size_t column) {
  static const std::string empty;
  return column >= 1 && column <= row.cells.size() ? row.cells[column - 1] : empty;
}

class Annotator {
 public:
  Annotator(const resolver::AddressBook& book, const CsvColumns& columns, CsvEncoding encoding, const CsvSink& sink)
      : book_(book), columns_(columns), encoding_(encoding), sink_(sink), texts_(MakeAddedTexts(columns, encoding)) {}

  void Row(const char* data, const CsvRow& row, bool isHeader, CsvCounts& counts) {
    out_.append(data + row.begin, row.contentEnd - row.begin);
    if (row.contentEnd == row.begin) {
      // A blank line stays blank.
    } else if (isHeader) {
      out_ += texts_.header;
    } else {
      AppendResolution(row, counts);
    }
    out_.append(data + row.contentEnd, row.end - row.contentEnd);
    if (out_.size() >= kFlushSize) Flush();
  }

  void Write(const char* data, size_t size) { out_.append(data, size); }

  void Flush() {
    if (!out_.empty()) sink_(out_.data(), out_.size());
    out_.clear();
  }

 private:
  void AppendResolution(const CsvRow& row, CsvCounts& counts) {
    if (columns_.address >= 1 && row.cells.size() >= columns_.address) {
      resolver::Resolve(book_, CellAsCp932(row.cells[columns_.address - 1], encoding_), resolution_);
    } else {
      resolution_ = Resolution();
    }
    ++counts.rows;
    ++counts.byStatus[static_cast<size_t>(resolution_.status)];
    out_ += ',';
    out_ += resolution_.postalCode;
    out_ += ',';
    out_ += resolver::StatusName(resolution_.status);
    if (columns_.code == 0) return;
    const std::string given = CellAsCp932(CellOrEmpty(row, columns_.code), encoding_);
    const Agreement agreement = resolver::CheckCode(book_, resolution_, given);
    ++counts.byAgreement[static_cast<size_t>(agreement)];
    out_ += ',';
    out_ += texts_.agreement[static_cast<size_t>(agreement)];
  }

  const resolver::AddressBook& book_;
  const CsvColumns& columns_;
  const CsvEncoding encoding_;
  const CsvSink& sink_;
  const AddedTexts texts_;
  Resolution resolution_;
  std::string out_;
};

// The line of a row that never closes its quote, or 0 when every row closes.
long UnclosedQuoteLine(const char* data, size_t size, size_t start) {
  CsvReader reader(data, size, start);
  CsvRow row;
  for (;;) {
    const CsvReader::Result r = reader.Next(row);
    if (r == CsvReader::kEnd) return 0;
    if (r == CsvReader::kUnclosedQuote) return row.line;
  }
}

}  // namespace

CsvEncoding DetectCsvEncoding(const char* data, size_t size) {
  if (size >= kBomLength && std::string(data, kBomLength) == kBom) return CsvEncoding::kUtf8WithBom;
  bool sawNonAscii = false;
  const char* end = data + size;
  for (const char* p = data; p < end;) {
    uint32_t codePoint;
    const size_t length = datafiles::DecodeUtf8(p, end, codePoint);
    if (length == 0) return CsvEncoding::kCp932;
    if (length > 1) sawNonAscii = true;
    p += length;
  }
  return sawNonAscii ? CsvEncoding::kUtf8 : CsvEncoding::kCp932;
}

size_t BomLength(CsvEncoding encoding) { return encoding == CsvEncoding::kUtf8WithBom ? kBomLength : 0; }

std::string CellAsCp932(const std::string& cell, CsvEncoding encoding) {
  if (!IsUtf8(encoding)) return cell;
  std::string cp932;
  const char* end = cell.data() + cell.size();
  for (const char* p = cell.data(); p < end;) {
    uint32_t codePoint = 0;
    const size_t length = datafiles::DecodeUtf8(p, end, codePoint);
    if (length == 0 || !datafiles::AppendCp932(codePoint, cp932)) cp932 += kUnwritable;
    p += length == 0 ? 1 : length;
  }
  return cp932;
}

CsvResult AnnotateCsv(const resolver::AddressBook& book, const char* data, size_t size, const CsvColumns& columns,
                      const CsvSink& sink, const CsvProgress& progress) {
  CsvResult result;
  result.encoding = DetectCsvEncoding(data, size);
  const size_t start = BomLength(result.encoding);
  result.line = UnclosedQuoteLine(data, size, start);
  if (result.line != 0) {
    result.outcome = CsvOutcome::kUnclosedQuote;
    return result;
  }
  Annotator annotator(book, columns, result.encoding, sink);
  annotator.Write(data, start);
  CsvReader reader(data, size, start);
  CsvRow row;
  bool first = true;
  while (reader.Next(row) == CsvReader::kRow) {
    annotator.Row(data, row, first && columns.header, result.counts);
    first = false;
    if (progress && !progress(row.end, size)) {
      annotator.Flush();
      result.outcome = CsvOutcome::kCancelled;
      return result;
    }
  }
  annotator.Flush();
  return result;
}

}  // namespace lists
