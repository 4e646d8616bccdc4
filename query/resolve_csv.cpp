// resolve --csv FILE --column N [--header] [--code-column M] [--output OUT]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

#include "datafiles/file_access.h"
#include "query/resolve.h"
#include "query/terminal.h"
#include "lists/csv_annotate.h"

namespace query {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuietTime = std::chrono::seconds(1);  // a quicker file shows no progress
constexpr auto kProgressInterval = std::chrono::milliseconds(200);
const char kLabel[] = "kuranto-query: ";

const resolver::Status kStatuses[] = {resolver::Status::kExact, resolver::Status::kAmbiguous, resolver::Status::kCity,
                                      resolver::Status::kNone};
const resolver::Agreement kAgreements[] = {resolver::Agreement::kAgrees, resolver::Agreement::kAmongCandidates,
                                           resolver::Agreement::kDisagrees, resolver::Agreement::kUndecidable};

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

// A percentage on stderr, when it is a terminal and the file takes a while.
class ProgressLine {
 public:
  ProgressLine() : shown_(IsTerminal(stderr)), start_(Clock::now()), last_(start_) {}

  // Clears the line for what stderr says next.
  void Finish() {
    if (printed_) std::fprintf(stderr, "\r%*s\r", static_cast<int>(sizeof kLabel + 4), "");
    printed_ = false;
  }

  bool operator()(size_t done, size_t total) {
    if (!shown_) return true;
    const Clock::time_point now = Clock::now();
    if (now - start_ < kQuietTime || now - last_ < kProgressInterval) return true;
    last_ = now;
    printed_ = true;
    std::fprintf(stderr, "\r%s%3u%%", kLabel, static_cast<unsigned>(total == 0 ? 100 : done * 100 / total));
    std::fflush(stderr);
    return true;
  }

 private:
  const bool shown_;
  const Clock::time_point start_;
  Clock::time_point last_;
  bool printed_ = false;
};

void PrintSummary(const Context& context, const lists::CsvCounts& counts, bool withAgreement) {
  std::string line = "kuranto-query: " + std::to_string(counts.rows) + " rows:";
  for (resolver::Status status : kStatuses) {
    line += " " + std::string(resolver::StatusName(status)) + " " +
            std::to_string(counts.byStatus[static_cast<size_t>(status)]);
  }
  context.PrintError(line);
  if (!withAgreement) return;
  line = "kuranto-query: codes:";
  for (resolver::Agreement agreement : kAgreements) {
    line += " " + std::string(resolver::AgreementText(agreement)) + " " +
            std::to_string(counts.byAgreement[static_cast<size_t>(agreement)]);
  }
  context.PrintError(line);
}

}  // namespace

int RunResolveCsv(Context& context, const ResolveRequest& request) {
  const bool toFile = !request.output.empty();
  if (toFile && SameFile(request.csvFile, request.output)) {
    std::fprintf(stderr, "kuranto-query: --output %s is the input file itself\n", request.output.c_str());
    return kExitUsage;
  }
  std::string input;
  if (!datafiles::ReadSmallFile(request.csvFile, input)) {
    std::fprintf(stderr, "kuranto-query: cannot read %s\n", request.csvFile.c_str());
    return kExitNoData;
  }
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;

  // 1. Annotate, into memory for OUT so that a failure leaves no OUT.
  if (!toFile) SetBinaryMode(stdout);
  std::string output;
  const lists::CsvSink sink = [&](const char* data, size_t size) {
    if (toFile) {
      output.append(data, size);
    } else {
      std::fwrite(data, 1, size, stdout);
    }
  };
  lists::CsvColumns columns;
  columns.address = request.column;
  columns.code = request.codeColumn;
  columns.header = request.header;
  ProgressLine progress;
  const lists::CsvResult result =
      lists::AnnotateCsv(book, input.data(), input.size(), columns, sink, std::ref(progress));
  progress.Finish();
  if (result.outcome == lists::CsvOutcome::kUnclosedQuote) {
    std::fprintf(stderr, "kuranto-query: %s line %ld: a quoted cell is never closed; nothing written\n",
                 request.csvFile.c_str(), result.line);
    return kExitRefused;
  }
  // 2. Write OUT whole, through a temporary file.
  std::fflush(stdout);
  if (toFile && !datafiles::WriteFileReplacing(request.output, output)) {
    std::fprintf(stderr, "kuranto-query: cannot write %s\n", request.output.c_str());
    return kExitNoData;
  }
  // 3. Tell what was found.
  PrintSummary(context, result.counts, request.codeColumn != 0);
  return kExitOk;
}

}  // namespace query
