// resolve --csv FILE --column N [--header] [--code-column M] [--name-column K] [--separator S] [--output OUT]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

#include "datafiles/file_access.h"
#include "lists/csv_annotate.h"
#include "query/resolve.h"
#include "query/terminal.h"

namespace query {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuietTime = std::chrono::seconds(1);  // a quicker file shows no progress
constexpr auto kProgressInterval = std::chrono::milliseconds(200);
const char kLabel[] = "kuranto-query: ";

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

  bool operator()(uint64_t done, uint64_t total) {
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

void PrintSummary(const Context& context, const lists::CsvCounts& counts, const ResolveRequest& request) {
  std::string line = kLabel + Plural(counts.rows, "row") + ":";
  for (size_t i = 0; i < resolver::StatusCounts::kSize; ++i) {
    const resolver::Status status = resolver::StatusCounts::At(i);
    line += " " + std::string(resolver::StatusName(status)) + " " + std::to_string(counts.byStatus[status]);
  }
  if (request.nameColumn != 0) {
    line += " " + std::string(resolver::kOfficeStatusName) + " " + std::to_string(counts.offices);
  }
  context.PrintError(line);
  if (request.codeColumn != 0) {
    line = std::string(kLabel) + "codes:";
    for (size_t i = 0; i < resolver::AgreementCounts::kSize; ++i) {
      const resolver::Agreement agreement = resolver::AgreementCounts::At(i);
      line += " " + std::string(resolver::AgreementText(agreement)) + " " + std::to_string(counts.byAgreement[agreement]);
    }
    context.PrintError(line);
  }
  if (counts.notUtf8.count != 0) {
    context.PrintError(kLabel + Plural(counts.notUtf8.count, "row") + " not UTF-8, not resolved" +
                       NamedLines(counts.notUtf8));
  }
  if (counts.tooShort.count != 0) {
    context.PrintError(kLabel + Plural(counts.tooShort.count, "row") + " without column " +
                       std::to_string(request.column) + NamedLines(counts.tooShort));
  }
}

// "--column 5 and --code-column 7 are past the header's 3 columns"
std::string PastWidth(const ResolveRequest& request, size_t width) {
  const struct {
    const char* flag;
    size_t column;
  } asked[] = {{"--column", request.column}, {"--code-column", request.codeColumn}, {"--name-column", request.nameColumn}};
  std::string past;
  size_t count = 0;
  for (const auto& a : asked) {
    if (a.column <= width) continue;
    past += std::string(count == 0 ? "" : " and ") + a.flag + " " + std::to_string(a.column);
    ++count;
  }
  return past + (count == 1 ? " is" : " are") + " past the " + (request.header ? "header's " : "first row's ") +
         Plural(width, "column");
}

int CannotWrite(const ResolveRequest& request) {
  std::fprintf(stderr, "%scannot write %s\n", kLabel,
               request.output.empty() ? "the standard output" : request.output.c_str());
  return kExitNoData;
}

// The message of a file refused or a failure, and the exit code; kExitOk for a done file.
int Refusal(const ResolveRequest& request, const lists::CsvResult& result) {
  const char* file = request.csvFile.c_str();
  switch (result.outcome) {
    case lists::CsvOutcome::kDone:
      return kExitOk;
    case lists::CsvOutcome::kUnclosedQuote:
      std::fprintf(stderr, "%s%s line %ld: a quoted cell is never closed; nothing written\n", kLabel, file, result.line);
      return kExitRefused;
    case lists::CsvOutcome::kNotText:
      std::fprintf(stderr, "%s%s line %ld: neither UTF-8 nor Shift-JIS; nothing written\n", kLabel, file, result.line);
      return kExitRefused;
    case lists::CsvOutcome::kUtf16WithoutBom:
      std::fprintf(stderr, "%s%s looks like UTF-16 without a byte order mark; save it with one (as Excel's "
                   "\"Unicode text\" has), or as UTF-8 or Shift-JIS; nothing written\n", kLabel, file);
      return kExitRefused;
    case lists::CsvOutcome::kCrOnly:
      std::fprintf(stderr, "%s%s ends its lines with CR alone, not LF or CR LF; nothing written\n", kLabel, file);
      return kExitRefused;
    case lists::CsvOutcome::kColumnPastWidth:
      std::fprintf(stderr, "%s%s: %s; nothing written\n", kLabel, file, PastWidth(request, result.width).c_str());
      return kExitRefused;
    case lists::CsvOutcome::kCancelled:
    case lists::CsvOutcome::kCannotRead:
      std::fprintf(stderr, "%scannot read %s\n", kLabel, file);
      return kExitNoData;
    case lists::CsvOutcome::kCannotWrite:
      return CannotWrite(request);
  }
  return kExitOk;
}

}  // namespace

std::string Plural(size_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string NamedLines(const lists::CsvRowLines& rows) {
  return (rows.count == 1 ? " (none): line " : " (none): lines ") + rows.Named() +
         (rows.count > lists::kNamedLines ? ", ..." : "");
}

int RunResolveCsv(Context& context, const ResolveRequest& request) {
  const bool toFile = !request.output.empty();
  if (toFile && SameFile(request.csvFile, request.output)) {
    std::fprintf(stderr, "%s--output %s is the input file itself\n", kLabel, request.output.c_str());
    return kExitUsage;
  }
  lists::FileInput input(request.csvFile);
  if (!input.ok()) {
    std::fprintf(stderr, "%scannot read %s\n", kLabel, request.csvFile.c_str());
    return kExitNoData;
  }
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;

  // 1. Stream into OUT's temporary file, or standard output.
  std::unique_ptr<datafiles::ReplacingFile> out;
  if (toFile) {
    out = std::make_unique<datafiles::ReplacingFile>(request.output);
    if (!out->ok()) return CannotWrite(request);
  } else {
    SetBinaryMode(stdout);
  }
  const lists::CsvSink sink = [&](const char* data, size_t size) {
    return toFile ? out->Write(data, size) : std::fwrite(data, 1, size, stdout) == size;
  };
  lists::CsvColumns columns;
  columns.address = request.column;
  columns.code = request.codeColumn;
  columns.name = request.nameColumn;
  columns.header = request.header;
  columns.split = request.split;
  columns.separator = request.separator;
  ProgressLine progress;
  const lists::CsvResult result = lists::AnnotateCsv(book, input, columns, sink, std::ref(progress));
  progress.Finish();
  const int refused = Refusal(request, result);
  if (refused != kExitOk) return refused;  // OUT's temporary file goes with `out`
  // 2. OUT takes its name only when the whole file is done.
  if (!(toFile ? out->Commit() : std::fflush(stdout) == 0)) return CannotWrite(request);
  // 3. Tell what was found.
  PrintSummary(context, result.counts, request);
  return kExitOk;
}

}  // namespace query
