#include "bench/bench_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace bench {

namespace fs = std::filesystem;

Workspace::Workspace(const std::string& dataDir) {
  std::string pattern = (fs::temp_directory_path() / "kuranto-bench-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) return;
  dir_ = pattern + "/";
  const fs::path ken = fs::path(dataDir) / "KEN_ALL.CSV";
  const fs::path jig = fs::path(dataDir) / "JIGYOSYO.CSV";
  std::error_code error;
  if (!fs::exists(ken, error)) return;
  addressFile_ = dir_ + "Ken_all.csv";
  fs::copy_file(ken, addressFile_, error);
  if (error) return;
  if (fs::exists(jig, error)) {
    officeFile_ = dir_ + "Jigyosyo.csv";
    fs::copy_file(jig, officeFile_, error);
    if (error) officeFile_.clear();
  }
  ok_ = true;
}

Workspace::~Workspace() {
  std::error_code ignored;
  if (!dir_.empty()) fs::remove_all(dir_, ignored);
}

double MedianMs(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double GrepMs(const std::string& file, const std::string& text, int runs) {
  std::fflush(stdout);  // the child must not write our buffered output again
  return MedianMs(runs, [&] {
    const pid_t pid = fork();
    if (pid == 0) {
      std::freopen("/dev/null", "w", stdout);
      setenv("LC_ALL", "C", 1);
      execlp("grep", "grep", "-c", "-F", "--", text.c_str(), file.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status;
    waitpid(pid, &status, 0);
  });
}

void PrintRow(const std::string& label, double ms, double grepMs, int rows) {
  char rowText[16] = "-";
  if (rows >= 0) std::snprintf(rowText, sizeof rowText, "%d", rows);
  std::printf("%-34s %10.2f %10.2f %8.2f %8s\n", label.c_str(), ms, grepMs, grepMs > 0 ? ms / grepMs : 0.0, rowText);
}

postal::SearchForm Form(postal::SearchMode mode, int kind, const std::string& text) {
  postal::SearchForm f;
  f.mode = mode;
  f.kind = kind;
  f.number = f.areaPlace = f.fuzzy = text;
  return f;
}

}  // namespace bench
