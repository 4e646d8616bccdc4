#include "query/csv_run.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "query/standard_input.h"
#include "query/terminal.h"

namespace query {

namespace {

constexpr auto kQuietTime = std::chrono::seconds(1);  // a quicker file shows no progress
constexpr auto kProgressInterval = std::chrono::milliseconds(200);
const char kLabel[] = "kuranto-query: ";

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

// Standard input ("-"), a pipe or a device can be read only once; a
// missing file is told as one that cannot be read.
bool IsFileOrMissing(const std::string& path) {
  if (path == "-") return false;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  return !std::filesystem::exists(status) || std::filesystem::is_regular_file(status);
}

}  // namespace

int CheckCsvFiles(const ResolveRequest& request, const lists::FileInput& input) {
  if (!request.output.empty() && SameFile(request.csvFile, request.output)) {
    return UsageError("--output " + request.output + " is the input file itself");
  }
  if (!input.ok()) {
    std::fprintf(stderr, "%scannot read %s\n", kLabel, request.csvFile.c_str());
    return kExitNoData;
  }
  return kExitOk;
}

CsvOutput::CsvOutput(const std::string& output) {
  if (output.empty()) {
    SetBinaryMode(stdout);
  } else {
    file_ = std::make_unique<datafiles::ReplacingFile>(output);
  }
}

lists::CsvSink CsvOutput::Sink() {
  return [this](const char* data, size_t size) {
    return file_ != nullptr ? file_->Write(data, size) : std::fwrite(data, 1, size, stdout) == size;
  };
}

bool CsvOutput::Commit() { return file_ != nullptr ? file_->Commit() : std::fflush(stdout) == 0; }

int CannotWrite(const ResolveRequest& request) {
  std::fprintf(stderr, "%scannot write %s\n", kLabel,
               request.output.empty() ? "the standard output" : request.output.c_str());
  return kExitNoData;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

ProgressLine::ProgressLine() : shown_(IsTerminal(stderr)), start_(Clock::now()), last_(start_) {}

void ProgressLine::Finish() {
  if (printed_) std::fprintf(stderr, "\r%*s\r", static_cast<int>(sizeof kLabel + 4), "");
  printed_ = false;
}

bool ProgressLine::operator()(uint64_t done, uint64_t total) {
  if (!shown_) return true;
  const Clock::time_point now = Clock::now();
  if (now - start_ < kQuietTime || now - last_ < kProgressInterval) return true;
  last_ = now;
  printed_ = true;
  std::fprintf(stderr, "\r%s%3u%%", kLabel, static_cast<unsigned>(total == 0 ? 100 : done * 100 / total));
  std::fflush(stderr);
  return true;
}

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
    case lists::CsvOutcome::kCannotStartThreads:
      std::fprintf(stderr, "%scannot start the threads to work on %s; nothing written\n", kLabel, file);
      return kExitNoData;
  }
  return kExitOk;
}

CsvFlag ReadColumnFlag(const CommandArgs& args, size_t& i, size_t& column, std::string& wrong) {
  const std::string& flag = args[i];
  if (i + 1 == args.size()) {
    wrong = flag + " needs a column NUMBER";
    return CsvFlag::kBad;
  }
  if (ReadColumn(args[++i], column)) return CsvFlag::kRead;
  wrong = flag + " " + args[i] + ": a column is a NUMBER, counted from 1";
  return CsvFlag::kBad;
}

CsvFlag ReadCsvFlag(const CommandArgs& args, size_t& i, ResolveRequest& request, std::string& wrong) {
  const std::string& flag = args[i];
  const bool hasValue = i + 1 < args.size();
  if (flag == "--header") {
    request.header = true;
  } else if (flag == "--column") {
    return ReadColumnFlag(args, i, request.column, wrong);
  } else if (flag == "--threads") {
    size_t threads = 0;
    if (ReadColumnFlag(args, i, threads, wrong) == CsvFlag::kBad) {
      wrong = "--threads needs a NUMBER of threads, from 1";
      return CsvFlag::kBad;
    }
    request.threads = static_cast<unsigned>(threads);
  } else if (!hasValue && (flag == "--csv" || flag == "--output" || flag == "--separator")) {
    wrong = flag + (flag == "--separator" ? " needs tab or comma" : " needs a FILE");
    return CsvFlag::kBad;
  } else if (flag == "--csv") {
    request.csvFile = args[++i];
  } else if (flag == "--output") {
    request.output = args[++i];
  } else if (flag == "--separator") {
    const std::string& value = args[++i];
    if (value != "tab" && value != "comma") {
      wrong = "--separator " + value + ": tab or comma";
      return CsvFlag::kBad;
    }
    request.separator = value == "tab" ? lists::Separator::kTab : lists::Separator::kComma;
  } else {
    return CsvFlag::kOther;
  }
  return CsvFlag::kRead;
}

std::string CsvFlagsWithoutFile(const ResolveRequest& request) {
  const bool given = request.column != 0 || request.codeColumn != 0 || request.nameColumn != 0 || request.header ||
                     !request.output.empty() || request.separator != lists::Separator::kFromFile;
  return given ? "--column, --code-column, --name-column, --header, --output and --separator go with --csv FILE" : "";
}

int RunCsvSteps(Context& context, const ResolveRequest& request, const CsvAnnotator& annotate, CsvSummary summary) {
  if (!IsFileOrMissing(request.csvFile)) {
    return UsageError("--csv " + request.csvFile +
                      " is no regular file: the file is read twice (looked over before its rows are written); "
                      "save it to a file first");
  }
  lists::FileInput input(request.csvFile);
  const int checked = CheckCsvFiles(request, input);
  if (checked != kExitOk) return checked;
  resolver::AddressBook book;
  const int loaded = LoadBook(context, book);
  if (loaded != kExitOk) return loaded;

  // 1. Stream into OUT's temporary file, or standard output.
  CsvOutput out(request.output);
  if (!out.ok()) return CannotWrite(request);
  ProgressLine progress;
  const lists::CsvResult result = annotate(book, input, out.Sink(), std::ref(progress));
  progress.Finish();
  const int refused = Refusal(request, result);
  if (refused != kExitOk) return refused;  // OUT's temporary file goes with `out`
  // 2. OUT takes its name only when the whole file is done.
  if (!out.Commit()) return CannotWrite(request);
  // 3. Tell what was found.
  summary(context, result.counts, request);
  return kExitOk;
}

void PrintRowsSetApart(const Context& context, const lists::CsvCounts& counts, const ResolveRequest& request,
                       const char* skipped) {
  if (counts.notUtf8.count != 0) {
    context.PrintError(kLabel + Plural(counts.notUtf8.count, "row") + " not UTF-8, " + skipped +
                       NamedLines(counts.notUtf8));
  }
  if (counts.zeroAdded.count != 0) context.PrintError(ZeroAddedLine(counts.zeroAdded));
  if (counts.withNul.count != 0) {
    context.PrintError(kLabel + Plural(counts.withNul.count, "row") + " holding a NUL byte, " + skipped +
                       NamedLines(counts.withNul));
  }
  if (counts.tooShort.count != 0) {
    context.PrintError(kLabel + Plural(counts.tooShort.count, "row") + " without column " +
                       std::to_string(request.column) + NamedLines(counts.tooShort));
  }
}

}  // namespace query
