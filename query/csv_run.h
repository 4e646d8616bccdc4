// What the commands that work through a CSV file share: the progress line,
// the check that OUT is not FILE, and the messages of a file refused.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "datafiles/file_access.h"
#include "lists/csv_annotate.h"
#include "lists/csv_input.h"
#include "query/context.h"
#include "query/resolve.h"
#include "resolver/resolver.h"

namespace query {

bool SameFile(const std::string& a, const std::string& b);

// A percentage on stderr, when it is a terminal and the file takes a while.
class ProgressLine {
 public:
  ProgressLine();

  // Clears the line for what stderr says next.
  void Finish();
  bool operator()(uint64_t done, uint64_t total);

 private:
  using Clock = std::chrono::steady_clock;
  const bool shown_;
  const Clock::time_point start_;
  Clock::time_point last_;
  bool printed_ = false;
};

// The checks before a CSV run: OUT is not FILE (kExitUsage) and FILE can be
// read (kExitNoData), each told on stderr; kExitOk when both hold.
int CheckCsvFiles(const ResolveRequest& request, const lists::FileInput& input);

// Where a CSV run writes: OUT's temporary file, which takes OUT's name only
// when the whole file is done, or standard output in binary mode.
class CsvOutput {
 public:
  explicit CsvOutput(const std::string& output);
  bool ok() const { return file_ == nullptr || file_->ok(); }
  lists::CsvSink Sink();
  // OUT renamed into place, or standard output flushed; false when it fails.
  // A run that stops before it leaves no OUT: the temporary file goes with this.
  bool Commit();

 private:
  std::unique_ptr<datafiles::ReplacingFile> file_;
};

// The flags resolve and lookup read alike: --header, --csv FILE, --output
// OUT, --column N, --separator tab|comma, at args[i] (i moved past its
// value); kBad with what is wrong in `wrong`.
enum class CsvFlag { kRead, kOther, kBad };
CsvFlag ReadCsvFlag(const CommandArgs& args, size_t& i, ResolveRequest& request, std::string& wrong);
// A column option's value (ReadColumn); kBad with what is wrong in `wrong`.
CsvFlag ReadColumnFlag(const CommandArgs& args, size_t& i, size_t& column, std::string& wrong);
// "--column, --header ... go with --csv FILE" where a CSV flag is given without it; "" else.
std::string CsvFlagsWithoutFile(const ResolveRequest& request);

// What a CSV run does to the rows of the loaded book's file.
using CsvAnnotator = std::function<lists::CsvResult(const resolver::AddressBook& book, lists::CsvInput& input,
                                                    const lists::CsvSink& sink, const lists::CsvProgress& progress)>;
// What it tells on stderr once the file is done.
using CsvSummary = void (*)(const Context& context, const lists::CsvCounts& counts, const ResolveRequest& request);

// The steps of a CSV run: the files checked, the book loaded, the rows
// streamed into OUT's temporary file or standard output, OUT named only
// when the whole file is done, then the counts told.
int RunCsvSteps(Context& context, const ResolveRequest& request, const CsvAnnotator& annotate, CsvSummary summary);

// The rows set apart, told after a summary's counts: not UTF-8 in a UTF-8
// file ("not resolved", "not looked up": `skipped`), or too short for the column.
void PrintRowsSetApart(const Context& context, const lists::CsvCounts& counts, const ResolveRequest& request,
                       const char* skipped);

// "cannot write OUT" on stderr; kExitNoData.
int CannotWrite(const ResolveRequest& request);

// The message of a file refused or a failure, and the exit code; kExitOk
// for a done file. The columns are named by the request's flags.
int Refusal(const ResolveRequest& request, const lists::CsvResult& result);

}  // namespace query
