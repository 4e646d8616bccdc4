// What the commands that work through a CSV file share: the progress line,
// the check that OUT is not FILE, and the messages of a file refused.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "datafiles/file_access.h"
#include "lists/csv_annotate.h"
#include "lists/csv_input.h"
#include "query/resolve.h"

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

// "cannot write OUT" on stderr; kExitNoData.
int CannotWrite(const ResolveRequest& request);

// The message of a file refused or a failure, and the exit code; kExitOk
// for a done file. The columns are named by the request's flags.
int Refusal(const ResolveRequest& request, const lists::CsvResult& result);

}  // namespace query
