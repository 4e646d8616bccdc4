// A list of 2,000,000 company addresses through `kuranto-query resolve --csv`
// as a user runs it: the whole process timed and its peak memory read; then
// its code column through `kuranto-query lookup --csv`. Then the same list
// in this process, the book loaded, on one thread and on every processor. The list is made here from JIGYOSYO.CSV's offices: name,
// address and code, UTF-8 with a header, codes written like 157-0062.
//   kuranto-lists-bench [DATA_DIR]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench/tool_run.h"
#include "datafiles/file_access.h"
#include "encoding/text_encoding.h"
#include "lists/csv_annotate.h"
#include "lists/csv_lookup.h"
#include "lists/csv_reader.h"

namespace {

constexpr size_t kRows = 2000000;
constexpr size_t kWriteEvery = 1 << 20;
constexpr size_t kJsonLines = 500000;

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// One row a office, in UTF-8: "NAME","ADDRESS",157-0062 and CR LF.
std::vector<std::string> OfficeRows(const std::string& jigyosyo) {
  std::string bytes;
  std::vector<std::string> rows;
  if (!datafiles::ReadSmallFile(jigyosyo, bytes)) return rows;
  lists::CsvReader reader(bytes.data(), bytes.size());
  lists::CsvRow row;
  while (reader.Next(row) == lists::CsvReader::kRow) {
    const std::vector<std::string>& c = row.cells;
    std::string utf8;
    if (c.size() < 8 || c[7].size() != 7) continue;
    const std::string cp932 = "\"" + c[2] + "\",\"" + c[3] + c[4] + c[5] + c[6] + "\"," + c[7].substr(0, 3) + "-" +
                              c[7].substr(3) + "\r\n";
    if (encoding::Cp932ToUtf8(cp932, utf8)) rows.push_back(utf8);
  }
  return rows;
}

// The list, written in pieces; its size in bytes, 0 on failure. With
// `rooms` each row's address ends in a room of its own: every row another
// address, the most the duplicates' table can hold.
uint64_t WriteList(const std::vector<std::string>& rows, const std::string& path, bool rooms = false) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::string piece = u8"会社名,住所,郵便番号\r\n";
  uint64_t size = 0;
  for (size_t i = 0; i < kRows; ++i) {
    const std::string& row = rows[i % rows.size()];
    if (rooms) {
      const size_t addressEnd = row.find("\",", row.find("\",\"") + 3);
      piece.append(row, 0, addressEnd);
      piece += " " + std::to_string(i) + u8"号室";
      piece.append(row, addressEnd, std::string::npos);
    } else {
      piece += row;
    }
    if (piece.size() < kWriteEvery && i + 1 < kRows) continue;
    size += std::fwrite(piece.data(), 1, piece.size(), f);
    piece.clear();
  }
  return std::fclose(f) == 0 ? size : 0;
}

// The addresses alone, one a line in UTF-8, for `resolve --json` on
// standard input; the number of lines, 0 on failure.
size_t WriteAddressLines(const std::vector<std::string>& rows, const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  for (size_t i = 0; i < kJsonLines; ++i) {
    const std::string& row = rows[i % rows.size()];
    const size_t open = row.find("\",\"") + 3;
    const size_t close = row.find('"', open);
    std::fwrite(row.data() + open, 1, close - open, f);
    std::fputc('\n', f);
  }
  return std::fclose(f) == 0 ? kJsonLines : 0;
}

// Rows a second in this process, the book loaded, on `threads`.
double InProcessRate(const resolver::AddressBook& book, const std::string& list, unsigned threads) {
  lists::FileInput input(list);
  lists::CsvColumns columns;
  columns.address = 2;
  columns.code = 3;
  columns.name = 1;
  columns.header = true;
  const auto start = std::chrono::steady_clock::now();
  const lists::CsvResult result = lists::AnnotateCsv(
      book, input, columns, [](const char*, size_t) { return true; }, {}, threads);
  return result.counts.rows / Seconds(start);
}

// Codes looked up a second in this process, on `threads`.
double InProcessLookupRate(const resolver::CodeIndex& index, const std::string& list, unsigned threads) {
  lists::FileInput input(list);
  lists::LookupColumns columns;
  columns.code = 3;
  columns.header = true;
  const auto start = std::chrono::steady_clock::now();
  const lists::CsvResult result = lists::LookupCsv(
      index, input, columns, [](const char*, size_t) { return true; }, {}, threads);
  return result.counts.rows / Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dataDir = argc > 1 ? argv[1] : KURANTO_SHARED_DATA;
  const std::vector<std::string> rows = OfficeRows(dataDir + "/JIGYOSYO.CSV");
  if (rows.empty()) {
    std::fprintf(stderr, "kuranto-lists-bench: no JIGYOSYO.CSV in %s\n", dataDir.c_str());
    return 1;
  }
  char pattern[] = "/tmp/kuranto-lists-bench-XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 1;
  const std::string dir = pattern;
  const std::string list = dir + "/companies.csv";
  std::error_code error;
  std::filesystem::copy_file(dataDir + "/KEN_ALL.CSV", dir + "/Ken_all.csv", error);
  // With the offices beside it, as a user's folder has them: the names and
  // codes are checked against them too.
  if (!error) std::filesystem::copy_file(dataDir + "/JIGYOSYO.CSV", dir + "/Jigyosyo.csv", error);
  const uint64_t size = error ? 0 : WriteList(rows, list);
  int exitCode = 1;
  if (size != 0) {
    const unsigned processors = std::thread::hardware_concurrency();
    std::printf("list: %zu rows, %.1f MB (UTF-8, a header, codes like 157-0062); %u processors\n", kRows,
                size / 1e6, processors);
    std::fflush(stdout);
    // The addresses and their codes, then the same with the names that find offices.
    const struct {
      const char* what;
      std::vector<std::string> more;
    } runs[] = {{"address and code columns", {}},
                {"with the name column too", {"--name-column", "1"}},
                {"the seven parts too (--split)", {"--split"}},
                {"the duplicates too (--duplicates)", {"--duplicates"}},
                {"the duplicates with the name column", {"--duplicates", "--name-column", "1"}}};
    exitCode = 0;
    for (const auto& run : runs) {
      std::vector<std::string> args = {KURANTO_QUERY_TOOL, "--dir", dir, "resolve", "--csv", list, "--column", "2",
                                       "--header", "--code-column", "3", "--output", dir + "/out.csv"};
      args.insert(args.end(), run.more.begin(), run.more.end());
      bench::ToolRun r;
      if (!bench::RunTool(args, r)) {
        std::fprintf(stderr, "kuranto-query failed\n");
        exitCode = 1;
        break;
      }
      std::printf("resolve --csv, %s, whole process: %.2f s, %.0f rows/s (target >= 250000), peak memory %.1f MiB "
                  "(target <= 100 MiB); processor time %.2f s\n",
                  run.what, r.seconds, kRows / r.seconds, r.peakKb / 1024.0, r.cpuSeconds);
      std::fflush(stdout);
    }
    // Every row another address: the duplicates' table at its largest.
    const std::string rooms = dir + "/rooms.csv";
    if (exitCode == 0 && WriteList(rows, rooms, true) != 0) {
      for (const auto& more : {std::vector<std::string>{"--split"}, std::vector<std::string>{"--duplicates"}}) {
        std::vector<std::string> args = {KURANTO_QUERY_TOOL, "--dir", dir, "resolve", "--csv", rooms, "--column", "2",
                                         "--header", "--code-column", "3", "--output", dir + "/out.csv"};
        args.insert(args.end(), more.begin(), more.end());
        bench::ToolRun r;
        if (bench::RunTool(args, r)) {
          std::printf("resolve --csv %s, every row another room, whole process: %.2f s, %.0f rows/s, peak memory "
                      "%.1f MiB; processor time %.2f s\n",
                      more[0].c_str(), r.seconds, kRows / r.seconds, r.peakKb / 1024.0, r.cpuSeconds);
          std::fflush(stdout);
        }
      }
      std::filesystem::remove(rooms, error);
    }
    // The code column alone, filled with its addresses.
    const std::vector<std::string> lookup = {KURANTO_QUERY_TOOL, "--dir", dir, "lookup", "--csv", list, "--column",
                                             "3", "--header", "--output", dir + "/addresses.csv"};
    bench::ToolRun r;
    if (exitCode == 0 && !bench::RunTool(lookup, r)) {
      std::fprintf(stderr, "kuranto-query lookup failed\n");
      exitCode = 1;
    } else if (exitCode == 0) {
      std::printf("lookup --csv, the code column, whole process: %.2f s, %.0f rows/s (target >= 500000), peak memory "
                  "%.1f MiB (target <= 100 MiB); processor time %.2f s\n",
                  r.seconds, kRows / r.seconds, r.peakKb / 1024.0, r.cpuSeconds);
      std::fflush(stdout);
    }
    const std::string lines = dir + "/addresses.txt";
    if (exitCode == 0 && WriteAddressLines(rows, lines) != 0 &&
        bench::RunTool({KURANTO_QUERY_TOOL, "--dir", dir, "--utf8", "--json", "resolve"}, r, lines)) {
      std::printf("resolve --json, %zu addresses on standard input, whole process: %.2f s, %.0f addresses/s "
                  "(target >= 100000), parts included; processor time %.2f s\n",
                  kJsonLines, r.seconds, kJsonLines / r.seconds, r.cpuSeconds);
      std::fflush(stdout);
    }
    resolver::AddressBook book;
    std::string loadError;
    if (exitCode == 0 && book.Load(dir + "/Ken_all.csv", loadError) &&
        book.LoadOffices(dir + "/Jigyosyo.csv", loadError)) {
      std::printf("in this process, the book loaded: 1 thread %.0f rows/s, %u threads %.0f rows/s\n",
                  InProcessRate(book, list, 1), processors, InProcessRate(book, list, 0));
      const resolver::CodeIndex index(book);
      std::printf("lookup in this process: 1 thread %.0f rows/s, %u threads %.0f rows/s\n",
                  InProcessLookupRate(index, list, 1), processors, InProcessLookupRate(index, list, 0));
    }
  }
  std::filesystem::remove_all(dir, error);
  return exitCode;
}
