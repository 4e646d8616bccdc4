// The rows of a column pasted from a spreadsheet, each answered for review
// on a thread of its own, and the column copied back: the window's
// 住所の一覧から郵便番号 dialog shows them. A row that is only a postal
// code is answered the other way, with its address. cp932.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "lists/answer_cells.h"
#include "resolver/code_index.h"
#include "resolver/resolver.h"
#include "resolver/status_counts.h"

namespace lists {

struct AddressRow {
  std::string address;  // the row's first cell; "" for an empty row
  resolver::Resolution answer;
  std::string code;  // the code field beside the status (AnswerCells::code)
  // A row that is a code: its address, and the records of its towns.
  bool isCode = false;
  resolver::LookupStatus lookup = resolver::LookupStatus::kNone;
  resolver::AddressCells cells;
  std::vector<size_t> towns;
};

// A row that reads as a postal code is looked up, any other resolved.
void AnswerRow(resolver::Resolver& resolver, const resolver::CodeIndex& index, AddressRow& row);

// Answers the rows of one search on a thread of its own. Rows below Done()
// are the worker's no longer: the caller reads them whole; of the others
// only the address, which the worker never writes.
class RowWorker {
 public:
  // Called on the worker thread: now and then while it runs (`last` false),
  // and after the last row unless stopped (`last` true); `run` the run's number.
  using Notify = std::function<void(bool last, long long run)>;

  RowWorker() = default;
  RowWorker(const RowWorker&) = delete;
  RowWorker& operator=(const RowWorker&) = delete;
  ~RowWorker() { Stop(); }

  // Stops a run still going, then starts one over `rows`, which must stay
  // in place until it ends. Its CodeIndex is made on the worker.
  void Start(const resolver::AddressBook& book, std::vector<AddressRow>& rows, Notify notify);
  // Asks the worker to stop and waits for it; nothing when none runs.
  void Stop();

  size_t Done() const { return done_.load(std::memory_order_acquire); }
  // For the caller's thread only, as Start.
  bool IsCurrent(long long run) const { return run == run_; }

 private:
  void Run(resolver::Resolver& resolver, const resolver::CodeIndex& index, std::vector<AddressRow>& rows,
           const Notify& notify, long long run);

  std::thread thread_;
  std::atomic<size_t> done_{0};
  std::atomic<bool> stop_{false};
  long long run_ = 0;
};

// How many of the first `done` rows are of each status, and how many empty.
struct AnsweredCounts {
  resolver::StatusCounts byStatus;
  resolver::LookupCounts byCode;
  size_t empty = 0;
};
AnsweredCounts CountAnswered(const std::vector<AddressRow>& rows, size_t done);

// One line per row, "CODE<TAB>STATUS" as the query tool begins its lines,
// with `asked.parts` the seven parts after them as --split gives them (a
// code's row "PREFECTURE<TAB>CITY<TAB>TOWN", three cells beside the code
// column), then with `asked.barcode` the barcode's data; an empty line for
// an empty row; CR LF after each, as a spreadsheet pastes.
std::string RowsAsColumn(const resolver::AddressBook& book, const std::vector<AddressRow>& rows, CellsAsked asked);

}  // namespace lists
