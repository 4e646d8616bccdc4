// The list work's threads and its first look at a file: faults that only
// some files or systems show, each case one that failed before its fix.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

#include "lists/address_rows.h"
#include "lists/csv_annotate.h"
#include "lists/csv_work.h"
#include "lists/csv_workers.h"
#include "lists/list_form.h"
#include "tests/common/latin_threads.h"
#include "tests/core/real_book.h"

namespace {

// Adds ",x" to each row and counts the cell makers asked for.
class CountingWork : public lists::ListWork {
 public:
  class Cells : public lists::RowCells {
   public:
    void Append(const char*, const lists::CsvRow&, std::string& out, lists::CsvCounts& counts) override {
      out += ",x";
      ++counts.rows;
    }
  };
  lists::PreparedWork Prepare(lists::CsvEncoding, char, const std::vector<std::string>&) const override {
    lists::PreparedWork prepared;
    prepared.header = ",h";
    prepared.makeCells = [this] {
      ++made;
      return std::make_unique<Cells>();
    };
    return prepared;
  }
  mutable std::atomic<int> made{0};
};

lists::CsvResult Stream(const std::string& in, CountingWork& work, unsigned threads, std::string& out) {
  lists::MemoryInput input(in);
  const lists::ListShape shape;
  return lists::StreamCsv(
      input, shape, work,
      [&out](const char* d, size_t n) {
        out.append(d, n);
        return true;
      },
      {}, threads);
}

}  // namespace

TEST(ListWork, WorkersThatCannotAllStartAreStoppedAndJoined) {
  CountingWork work;
  const lists::PreparedWork prepared = work.Prepare(lists::CsvEncoding::kCp932, ',', {});
  for (int failing = 0; failing < 4; ++failing) {
    int starts = 0;
    const lists::ThreadStart start = [&](std::function<void()> run) {
      if (starts++ == failing) throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      return std::thread(std::move(run));
    };
    lists::Workers workers(prepared, ',', 0);
    EXPECT_FALSE(workers.Start(4, start)) << "thread " << failing << " failing";
  }  // each ~Workers joins what started; before, std::terminate
  lists::Workers workers(prepared, ',', 0);
  EXPECT_TRUE(workers.Start(4));
}

TEST(ListWork, NoMoreThreadsThanBlocks) {
  struct Case {
    size_t rows;
    unsigned threads;
    int cells;  // cell makers: one a thread
  };
  const Case cases[] = {{1, 8, 1}, {3, 16, 1}, {1, 1, 1}, {80000, 4, 4}};
  for (const Case& c : cases) {
    std::string in;
    for (size_t i = 0; i < c.rows; ++i) in += "row " + std::to_string(i) + ",a,b\r\n";
    CountingWork work;
    std::string out;
    ASSERT_EQ(lists::CsvOutcome::kDone, Stream(in, work, c.threads, out).outcome);
    EXPECT_EQ(c.cells, work.made.load()) << c.rows << " rows, " << c.threads << " threads";
    EXPECT_EQ(in.size() + 2 * c.rows, out.size());
  }
}

// A quote opens a cell only at its start, as the reader reads it: a first
// row's quote inside a cell hides neither its tab nor its line end.
TEST(ListWork, SeparatorReadsQuotesAsTheReaderDoes) {
  struct Case {
    const char* text;
    char separator;
  };
  const Case cases[] = {
      {"5\" floppy\t東京都港区赤坂\r\n", '\t'},
      {"5\" floppy\t東京都港区赤坂\r\nx,y\r\n", '\t'},
      {"a\t\"x,y\"\tb\n", '\t'},
      {"a,\"x\ty\",b\n", ','},
      {"\"two\nlines\ta\",b\n", ','},
      {"\r\n\"say \"\"hi\"\"\"\tb\n", '\t'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.separator, lists::DecideSeparator(c.text, std::strlen(c.text))) << c.text;
  }
  // and the file is read as its separator says, not refused for its width
  CountingWork work;
  std::string out;
  const std::string in = "5\" floppy\t東京都港区赤坂\r\n3\" disk\t東京都港区芝公園\r\n";
  EXPECT_EQ(lists::CsvOutcome::kDone, Stream(in, work, 1, out).outcome);
}

TEST(ResolverThreads, ManyThreadsEachResolveLatinBuildingsAndEnd) {
  const resolver::AddressBook book = testing_support::LoadedBook(test_lines::LatinBuildingBook());
  resolver::Resolver resolver(book);
  resolver::Resolution r;
  resolver.Resolve(test_lines::kLatinBuildingAddresses[0], r);
  ASSERT_EQ(resolver::Status::kExact, r.status);  // the Latin reading took it
  EXPECT_EQ("1076090", r.postalCode);
  EXPECT_EQ(0, test_lines::LatinThreadMismatches(book, 16, 20));
}

// A pasted column answered on the worker and copied back line for line:
// an ambiguous row's code as every front end writes it, a code's row its
// address, an empty row empty, each line as wide as the others.
TEST(AddressRows, WorkerAnswersAndTheColumnLinesUp) {
  const resolver::AddressBook& book = testing_support::SmallBook();
  std::vector<lists::AddressRow> rows(5);
  const char* const column[] = {"東京都港区赤坂", "東京都渋谷区神宮前", "107-0052", "", "大阪府"};
  for (size_t i = 0; i < rows.size(); ++i) rows[i].address = column[i];
  lists::RowWorker worker;
  std::promise<long long> last;
  worker.Start(book, rows, [&last](bool isLast, long long run) {
    if (isLast) last.set_value(run);
  });
  const long long run = last.get_future().get();
  worker.Stop();
  EXPECT_TRUE(worker.IsCurrent(run));
  ASSERT_EQ(rows.size(), worker.Done());
  EXPECT_EQ("1070052\texact\r\n"
            "1500001,1500009\tambiguous\r\n"
            "東京都\t港区\t赤坂\r\n"
            "\r\n"
            "\tnone\r\n",
            lists::RowsAsColumn(book, rows, lists::CellsAsked()));
  const lists::AnsweredCounts n = lists::CountAnswered(rows, worker.Done());
  EXPECT_EQ(1u, n.empty);
  EXPECT_EQ(1u, n.byStatus[resolver::Status::kAmbiguous]);
  EXPECT_EQ(1u, n.byCode.Total());
  lists::CellsAsked barcode;
  barcode.barcode = true;
  const std::string withBarcode = lists::RowsAsColumn(book, rows, barcode);
  EXPECT_EQ(0u, withBarcode.find("1070052\texact\t1070052")) << withBarcode;
  EXPECT_NE(std::string::npos, withBarcode.find("\r\n\t\r\n\tnone\t\r\n")) << "empty and none rows keep the cell";
}
