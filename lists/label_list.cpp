#include "lists/label_list.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <utility>

#include "encoding/cp932_encode.h"
#include "encoding/text_encoding.h"
#include "encoding/utf8_decode.h"
#include "lists/csv_guess.h"
#include "lists/csv_work.h"
#include "postal/text.h"
#include "resolver/offices.h"

namespace lists {

namespace {

const std::string& CellAt(const std::vector<std::string>& row, size_t column) {
  static const std::string empty;
  return column >= 1 && column <= row.size() ? row[column - 1] : empty;
}

// How many characters the cp932 text has before byte `offset`.
size_t Cp932Characters(std::string_view text, size_t offset) {
  size_t characters = 0;
  for (size_t i = 0; i < offset && i < text.size(); ++characters) i += postal::IsDoubleByte(text.data() + i) ? 2 : 1;
  return characters;
}

// The byte offset of UTF-8 character `characters`, stepping as CellAsCp932
// steps (a byte that is no UTF-8 one character).
size_t Utf8Offset(const std::string& text, size_t characters) {
  size_t at = 0;
  for (; characters > 0 && at < text.size(); --characters) {
    uint32_t codePoint = 0;
    const size_t length = encoding::DecodeUtf8(text.data() + at, text.data() + text.size(), codePoint);
    at += length == 0 ? 1 : length;
  }
  return at;
}

// Blanks (ASCII, tab, the ideographic space) off both ends of UTF-8 text.
void TrimBlanks(std::string& text) {
  const std::string wide = "\xE3\x80\x80";
  size_t begin = 0, end = text.size();
  for (;;) {
    if (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    else if (end - begin >= 3 && text.compare(begin, 3, wide) == 0) begin += 3;
    else break;
  }
  for (;;) {
    if (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    else if (end - begin >= 3 && text.compare(end - 3, 3, wide) == 0) end -= 3;
    else break;
  }
  text = text.substr(begin, end - begin);
}

std::string Hyphenated(const std::string& digits) { return digits.substr(0, 3) + "-" + digits.substr(3); }

}  // namespace

size_t LabelColumns::Rightmost() const { return std::max({address, name, company, department, code, building}); }

bool TakeLabelCells(const std::vector<std::string>& row, long line, const LabelColumns& columns, LabelCells& cells) {
  if (row.size() < columns.address) return false;
  cells.line = line;
  cells.address = CellAt(row, columns.address);
  cells.name = CellAt(row, columns.name);
  cells.company = CellAt(row, columns.company);
  cells.department = CellAt(row, columns.department);
  cells.code = CellAt(row, columns.code);
  cells.building = CellAt(row, columns.building);
  return true;
}

LabelColumns LabelColumnsOf(const CsvColumns& columns, const std::vector<std::string>& firstRow) {
  LabelColumns label;
  label.address = columns.address;
  label.code = columns.code;
  const bool person = columns.header && IsPersonNameHeader(CellAt(firstRow, columns.name));
  (person ? label.name : label.company) = columns.name;
  label.header = columns.header;
  label.separator = columns.separator;
  return label;
}

std::string LabelMaker::Utf8(const std::string& cell) {
  if (IsUtf8(encoding_)) return cell;
  utf8_.clear();
  if (encoding::AppendUtf8OfCp932(cell, utf8_)) return utf8_;
  return encoding::Cp932ToUtf8(cell, utf8_) ? utf8_ : cell;
}

LabelMaker::Answer LabelMaker::Make(const LabelCells& cells, labels::Label& label) {
  Answer answer;
  CellAsCp932(cells.address, encoding_, cp932_);
  resolver_.Resolve(cp932_, resolution_);
  answer.status = resolution_.status;
  // 1. The office, found by the company's name (or the person's without one).
  size_t office = resolver::kNoOffice;
  const std::string& officeName = columns_.company != 0 ? cells.company : cells.name;
  if (!officeName.empty()) {
    CellAsCp932(officeName, encoding_, name_);
    office = resolver::FindOffice(book_, resolution_, name_);
  }
  answer.office = office != resolver::kNoOffice;
  const std::string answered(answer.office ? resolver::OfficeAt(book_, office).postalCode : resolution_.postalCode);
  // 2. The code printed: the list's own, else the answer's.
  CellAsCp932(cells.code, encoding_, given_);
  const std::string givenDigits = barcode::BarcodeCode(given_);
  if (columns_.code != 0) answer.agreement = resolver::CheckCode(book_, resolution_, given_);
  if (!given_.empty()) {
    label.code = givenDigits.empty() ? Utf8(cells.code) : Hyphenated(givenDigits);
  } else {
    label.code = barcode::IsBarcodeCode(answered) ? Hyphenated(answered) : "";
  }
  // 3. The barcode, only of the code printed and only where it is sure:
  // the answer's exact or office code, or the list's own where the address
  // agrees with it (an office's own code registered there included). Made
  // from the code and the address as barcode makes it.
  const bool listed = !given_.empty();
  const bool sure = listed ? answer.agreement == resolver::Agreement::kAgrees ||
                                 answer.agreement == resolver::Agreement::kOffice ||
                                 (answer.office && givenDigits == answered)
                           : barcode::HasBarcode(resolution_, office);
  if (sure) {
    barcode::MakeAddressBarcode(book_, resolution_, resolver::kNoOffice, listed ? givenDigits : answered, cp932_, towns_,
                                label.barcode);
    label.noBarcode = labels::NoBarcode::kNone;
  } else {
    label.noBarcode = listed && barcode::HasBarcode(resolution_, office) ? labels::NoBarcode::kDisagrees
                                                                         : labels::NoBarcode::kNotExact;
  }
  // 4. The texts as the list wrote them.
  label.line = cells.line;
  TakeAddress(cells, label);
  label.company = Utf8(cells.company);
  label.department = Utf8(cells.department);
  label.name = Utf8(cells.name);
  label.honorific = labels::Honorific(columns_.honorific, label.name, label.company, label.department);
  return answer;
}

void LabelMaker::TakeAddress(const LabelCells& cells, labels::Label& label) {
  if (columns_.building != 0) {
    label.address = Utf8(cells.address);
    label.building = Utf8(cells.building);
    return;
  }
  size_t split = cells.address.size();
  if (resolver::ReadAddressParts(book_, resolution_, cp932_, parts_) && !parts_.building.empty()) {
    const size_t cp932At = static_cast<size_t>(parts_.building.data() - cp932_.data());
    split = IsUtf8(encoding_) ? Utf8Offset(cells.address, Cp932Characters(cp932_, cp932At)) : cp932At;
  }
  label.address = Utf8(cells.address.substr(0, split));
  TrimBlanks(label.address);
  label.building = Utf8(cells.address.substr(split));
  TrimBlanks(label.building);
}

namespace {

// Every thread's labels, gathered by the line each row starts on.
struct Gathered {
  std::mutex mutex;
  std::vector<std::pair<long, labels::Label>> labels;
};

// One per thread: a row's label made and handed over; nothing is added to
// the row's bytes, which the run does not write anywhere.
class LabelRowCells : public RowCells {
 public:
  LabelRowCells(const resolver::AddressBook& book, const LabelColumns& columns, CsvEncoding encoding, Gathered& gathered)
      : maker_(book, columns, encoding), columns_(columns), encoding_(encoding), gathered_(gathered) {}

  void Append(const char* data, const CsvRow& row, std::string&, CsvCounts& counts) override {
    if (IsUtf8(encoding_) && !IsUtf8Text(data + row.begin, row.contentEnd - row.begin)) {
      counts.notUtf8.Add(row.line);
      return;
    }
    if (!TakeLabelCells(row.cells, row.line, columns_, cells_)) {
      counts.tooShort.Add(row.line);
      return;
    }
    labels::Label label;
    const LabelMaker::Answer answer = maker_.Make(cells_, label);
    ++counts.rows;
    if (answer.office) ++counts.addresses.offices;
    else counts.addresses.byStatus.Add(answer.status);
    if (columns_.code != 0) counts.addresses.byAgreement.Add(answer.agreement);
    std::lock_guard<std::mutex> lock(gathered_.mutex);
    gathered_.labels.emplace_back(row.line, std::move(label));
  }

 private:
  LabelMaker maker_;
  const LabelColumns& columns_;
  const CsvEncoding encoding_;
  Gathered& gathered_;
  LabelCells cells_;
};

class LabelWork : public ListWork {
 public:
  LabelWork(const resolver::AddressBook& book, const LabelColumns& columns, Gathered& gathered)
      : book_(book), columns_(columns), gathered_(gathered) {}

  PreparedWork Prepare(CsvEncoding encoding, char, const std::vector<std::string>&) const override {
    PreparedWork prepared;
    prepared.makeCells = [this, encoding] {
      return std::make_unique<LabelRowCells>(book_, columns_, encoding, gathered_);
    };
    return prepared;
  }

 private:
  const resolver::AddressBook& book_;
  const LabelColumns& columns_;
  Gathered& gathered_;
};

}  // namespace

LabelList ReadLabelList(const resolver::AddressBook& book, CsvInput& input, const LabelColumns& columns,
                        const CsvProgress& progress, unsigned threads) {
  Gathered gathered;
  const LabelWork work(book, columns, gathered);
  ListShape shape;
  shape.rightmost = columns.Rightmost();
  shape.header = columns.header;
  shape.separator = columns.separator;
  LabelList list;
  const auto discard = [](const char*, size_t) { return true; };
  list.result = StreamCsv(input, shape, work, discard, progress, threads);
  if (list.result.outcome != CsvOutcome::kDone) return list;
  auto& labels = gathered.labels;
  std::sort(labels.begin(), labels.end(),
            [](const std::pair<long, labels::Label>& a, const std::pair<long, labels::Label>& b) { return a.first < b.first; });
  list.labels.reserve(labels.size());
  for (auto& entry : labels) list.labels.push_back(std::move(entry.second));
  return list;
}

}  // namespace lists
