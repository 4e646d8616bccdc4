// Timing, the grep reference pass and an allocation counter for the benchmarks.
#pragma once

#include <functional>
#include <string>

#include "postal/search_form.h"

namespace bench {

// A temporary copy of the real files, so the index files written beside
// the address file never land in the read-only data folder.
class Workspace {
 public:
  explicit Workspace(const std::string& dataDir);
  ~Workspace();
  bool ok() const { return ok_; }
  const std::string& addressFile() const { return addressFile_; }
  const std::string& officeFile() const { return officeFile_; }  // "" when absent

 private:
  std::string dir_;
  std::string addressFile_;
  std::string officeFile_;
  bool ok_ = false;
};

double MedianMs(int runs, const std::function<void()>& work);
// Median wall time of `LC_ALL=C grep -c -F TEXT FILE`, process start included.
double GrepMs(const std::string& file, const std::string& text, int runs);
void PrintRow(const std::string& label, double ms, double grepMs, int rows);
long AllocationCount();

// A form of one mode and kind with `text` in each of its single-text boxes.
postal::SearchForm Form(postal::SearchMode mode, int kind, const std::string& text);

// Benchmarks of the office searches and templates; defined beside them.
void RunExtraBenchmarks(const Workspace& work, int runs);
// Converting utf_ken_all.csv of `dataDir` (skipped when it is not there).
void RunUtf8ImportBenchmark(const std::string& dataDir, int runs);

}  // namespace bench
