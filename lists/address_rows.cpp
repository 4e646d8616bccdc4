#include "lists/address_rows.h"

#include <chrono>

#include "resolver/code_field.h"
#include "resolver/offices.h"

namespace lists {

namespace {

// A pasted column can be long: some 100,000 rows of a few dozen bytes.
constexpr auto kNotifyEvery = std::chrono::milliseconds(100);

}  // namespace

void AnswerRow(resolver::Resolver& resolver, const resolver::CodeIndex& index, AddressRow& row) {
  char digits[resolver::kCodeDigits + 1];
  // Six digits that lost their 0 and old codes are codes too.
  const resolver::CodeMatch match = index.Find(row.address);
  row.isCode = resolver::ReadPostalCode(row.address, digits) || match.status != resolver::LookupStatus::kNone;
  if (!row.isCode) {
    resolver.Resolve(row.address, row.answer);
    row.code = resolver::CodeField(resolver.book(), row.answer);
    return;
  }
  row.lookup = match.status;
  row.code = match.postalCode;
  index.Cells(match, row.cells);
  row.towns.assign(match.towns, match.towns + match.townCount);
}

void RowWorker::Start(const resolver::AddressBook& book, std::vector<AddressRow>& rows, Notify notify) {
  Stop();
  done_ = 0;
  stop_ = false;
  const long long run = ++run_;
  thread_ = std::thread([this, &book, &rows, notify = std::move(notify), run] {
    // Made on the worker: the caller answers meanwhile.
    const resolver::CodeIndex index(book);
    resolver::Resolver resolver(book);
    Run(resolver, index, rows, notify, run);
  });
}

void RowWorker::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void RowWorker::Run(resolver::Resolver& resolver, const resolver::CodeIndex& index, std::vector<AddressRow>& rows,
                    const Notify& notify, long long run) {
  auto told = std::chrono::steady_clock::now();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (stop_.load(std::memory_order_relaxed)) return;
    AddressRow& row = rows[i];
    if (!row.address.empty()) AnswerRow(resolver, index, row);
    done_.store(i + 1, std::memory_order_release);
    const auto now = std::chrono::steady_clock::now();
    if (now - told >= kNotifyEvery) {
      notify(false, run);
      told = now;
    }
  }
  notify(true, run);
}

AnsweredCounts CountAnswered(const std::vector<AddressRow>& rows, size_t done) {
  AnsweredCounts counts;
  for (size_t i = 0; i < done && i < rows.size(); ++i) {
    const AddressRow& row = rows[i];
    if (row.address.empty()) {
      ++counts.empty;
    } else if (row.isCode) {
      counts.byCode.Add(row.lookup);
    } else {
      counts.byStatus.Add(row.answer.status);
    }
  }
  return counts;
}

std::string RowsAsColumn(const resolver::AddressBook& book, const std::vector<AddressRow>& rows, CellsAsked asked) {
  std::string text;
  text.reserve(rows.size() * (asked.parts ? 80 : 20));
  AnswerCellMaker maker(book);
  AnswerCells cells;
  for (const AddressRow& row : rows) {
    if (row.address.empty()) {
      // An empty row stays empty, the barcode's cell too.
      if (asked.barcode) text += '\t';
    } else if (row.isCode) {
      text.append(row.cells.prefecture).append("\t").append(row.cells.city).append("\t").append(row.cells.town);
    } else {
      maker.Make(row.answer, resolver::kNoOffice, row.address, asked, cells);
      text.append(cells.code).append("\t").append(cells.status);
      for (int i = 0; asked.parts && i < resolver::kSplitPartCount; ++i) {
        text += '\t';
        // A quoted cell of several lines keeps to one line, one cell: the rows stay in line.
        for (char c : cells.hasParts ? resolver::SplitPart(cells.parts, i) : std::string_view()) {
          text += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
        }
      }
      if (asked.barcode) text.append("\t").append(cells.hasBarcode ? cells.barcode.Data() : "");
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace lists
