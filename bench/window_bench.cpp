// Times fuzzy searches through the window of the real kuranto.exe, driven
// from this process as a user would, next to the core's own search time of
// the same text measured here in the same run. Runs under Wine (or Windows).
//   kuranto-window-bench [DATA_DIR [KURANTO_EXE]]
// DATA_DIR holds KEN_ALL.CSV (default: ../shared/data beside the source);
// KURANTO_EXE defaults to app/kuranto.exe of this build.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/window_bench_support.h"
#include "postal/address_search.h"
#include "tests/driver/driver.h"

namespace {

using bench::Best;
using bench::DirectoryOf;
using bench::FileExists;
using bench::Median;
using bench::NowMs;
using bench::OwnDirectory;
using bench::ProgramFolder;

constexpr int kRounds = 9;
constexpr int kCoreRuns = 9;
constexpr int kAlternations = 50;
constexpr DWORD kStartMs = 600000;
constexpr DWORD kSearchMs = 120000;

const char kAkasaka[] = "赤坂";
const char kKawa[] = "川";
const char kMachi[] = "町";

// Core search of `text` in this process, as the program runs it.
double CoreSearchMs(const std::string& addressFile, const std::string& text, int* rows) {
  postal::SearchForm form;
  form.mode = postal::SearchMode::kFuzzy;
  form.fuzzy = text;
  const postal::IndexTables tables = {};
  std::vector<double> times;
  for (int i = 0; i < kCoreRuns; ++i) {
    postal::AddressRows found;
    const double start = NowMs();
    postal::SearchAddresses(addressFile, tables, form, found);
    times.push_back(NowMs() - start);
    *rows = found.Count();
  }
  return Median(times);
}

bool HasUpdateRegion(HWND window) {
  return window != nullptr && GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

class WindowDriver {
 public:
  explicit WindowDriver(HWND main)
      : main_(main),
        list_(driver::Control(main, IDC_ADDRESS_LIST)),
        status_(driver::Control(main, IDC_STATUS)) {}

  bool Prepare() {
    return driver::SelectTab(main_, 0) && driver::ClickButton(main_, IDC_RADIO_FUZZY, kSearchMs) &&
           driver::IsChecked(main_, IDC_RADIO_FUZZY);
  }

  // Milliseconds from the click on 検索開始 until the list holds the rows
  // and it and the status bar are painted; negative on failure.
  double Search(const std::string& text, int* rows) {
    if (!driver::SetControlText(main_, IDC_FUZZY, text)) return -1.0;
    const double start = NowMs();
    if (!driver::ClickButton(main_, IDC_SEARCH, kSearchMs)) return -1.0;
    // The search ran inside the click; the paint follows once the program's
    // queue is empty. The last answer is from after that paint.
    const double deadline = start + kSearchMs;
    while (HasUpdateRegion(list_) || HasUpdateRegion(status_) || HasUpdateRegion(main_)) {
      if (NowMs() > deadline) return -1.0;
      Sleep(1);
    }
    if (!driver::WaitIdle(main_, kSearchMs)) return -1.0;
    const double ms = NowMs() - start;
    *rows = driver::ItemCount(main_, IDC_ADDRESS_LIST);
    return ms;
  }

 private:
  HWND main_;
  HWND list_;
  HWND status_;
};

SIZE_T PrivateBytes(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
    return 0;
  // Wine leaves PrivateUsage empty for another process; PagefileUsage is
  // the same commit charge there.
  return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

struct Row {
  const char* label;
  double coreMs;
  std::vector<double> windowMs;
  int rows = -1;
};

void PrintRow(const Row& row) {
  const double window = Median(row.windowMs);
  const double target = 2.0 * row.coreMs + 40.0;
  std::printf("%-28s %8d %10.1f %10.1f %8.1f %10.1f %10.1f  %s\n", row.label, row.rows, row.coreMs, window,
              row.coreMs > 0 ? window / row.coreMs : 0.0, target, Best(row.windowMs),
              window <= target ? "met" : "MISSED");
}

int Run(const std::string& dataDir, const std::string& program) {
  const std::string kenAll = dataDir + "\\KEN_ALL.CSV";
  if (!FileExists(kenAll)) {
    std::printf("kuranto-window-bench: no KEN_ALL.CSV in %s; skipped\n", dataDir.c_str());
    return 0;
  }
  if (!FileExists(program)) {
    std::printf("kuranto-window-bench: %s is not built; skipped\n", program.c_str());
    return 0;
  }
  ProgramFolder folder("kuranto_window_bench_");
  if (!folder.Copy(program, "kuranto.exe") || !folder.Copy(kenAll, "Ken_all.csv")) {
    std::fprintf(stderr, "kuranto-window-bench: cannot lay out %s\n", folder.dir().c_str());
    return 1;
  }
  const std::string programDir = DirectoryOf(program);
  for (const char* shipped : {"kuranto.ini", "telnum.dat"}) folder.Copy(programDir + shipped, shipped);
  const std::string jigyosyo = dataDir + "\\JIGYOSYO.CSV";
  if (FileExists(jigyosyo)) folder.Copy(jigyosyo, "Jigyosyo.csv");
  const std::string addressFile = folder.Path("Ken_all.csv");

  Row akasaka = {"akasaka after akasaka", 0.0, {}};
  Row kawa = {"kawa after akasaka", 0.0, {}};
  Row machi = {"machi after akasaka", 0.0, {}};
  Row afterMachi = {"akasaka right after machi", 0.0, {}};
  int coreRows[3] = {};
  akasaka.coreMs = CoreSearchMs(addressFile, kAkasaka, &coreRows[0]);
  kawa.coreMs = CoreSearchMs(addressFile, kKawa, &coreRows[1]);
  machi.coreMs = CoreSearchMs(addressFile, kMachi, &coreRows[2]);
  afterMachi.coreMs = akasaka.coreMs;

  driver::Program kuranto;
  if (!kuranto.Start(folder.Path("kuranto.exe"), folder.dir())) {
    std::fprintf(stderr, "kuranto-window-bench: cannot start %s\n", folder.Path("kuranto.exe").c_str());
    return 1;
  }
  // The first start builds the index files before the window shows.
  HWND main = driver::WaitMainWindow(kuranto.Id(), kStartMs);
  WindowDriver window(main);
  if (main == nullptr || !window.Prepare()) {
    std::fprintf(stderr, "kuranto-window-bench: the main window did not come up in fuzzy mode\n");
    kuranto.Kill();
    return 1;
  }

  bool ok = true;
  auto measure = [&](Row* row, const char* text) {
    int rows = -1;
    const double ms = window.Search(text, &rows);
    if (ms < 0) ok = false;
    if (row != nullptr && ms >= 0) {
      row->windowMs.push_back(ms);
      row->rows = rows;
    }
  };
  // Memory first, from the program's start: the first two alternations set
  // up what a large result needs, the next 48 must not add to it.
  SIZE_T afterTwo = 0;
  for (int i = 1; i <= kAlternations && ok; ++i) {
    measure(nullptr, kMachi);
    measure(nullptr, kAkasaka);
    if (i == 2) afterTwo = PrivateBytes(kuranto.Handle());
  }
  const SIZE_T afterFifty = PrivateBytes(kuranto.Handle());

  for (int round = 0; round < kRounds && ok; ++round) {
    measure(nullptr, kAkasaka);
    measure(&akasaka, kAkasaka);
    measure(&kawa, kKawa);
    measure(nullptr, kAkasaka);
    measure(&machi, kMachi);
    measure(&afterMachi, kAkasaka);
  }

  if (!driver::CloseMainWindow(main, kSearchMs) || !kuranto.WaitExit(kSearchMs, nullptr)) kuranto.Kill();
  if (!ok) {
    std::fprintf(stderr, "kuranto-window-bench: a search through the window did not finish\n");
    return 1;
  }

  std::printf("address file: %s\n", kenAll.c_str());
  std::printf("fuzzy searches akasaka = %s, kawa = %s, machi = %s\n", driver::Cp932ToUtf8(kAkasaka).c_str(),
              driver::Cp932ToUtf8(kKawa).c_str(), driver::Cp932ToUtf8(kMachi).c_str());
  std::printf("window: click on the search button to the list painted, median (and best) of %d rounds;\n"
              "core: the same search in this process, median of %d; target: 2 x core + 40 ms\n",
              kRounds, kCoreRuns);
  std::printf("%-28s %8s %10s %10s %8s %10s %10s\n", "search", "rows", "core ms", "window ms", "ratio", "target ms",
              "best ms");
  for (const Row* row : {&akasaka, &kawa, &machi, &afterMachi}) PrintRow(*row);
  if (akasaka.rows != coreRows[0] || kawa.rows != coreRows[1] || machi.rows != coreRows[2]) {
    std::printf("row counts differ from the core's: %d %d %d\n", coreRows[0], coreRows[1], coreRows[2]);
  }
  const double clearMs = Median(afterMachi.windowMs) - Median(akasaka.windowMs);
  std::printf("clearing %d rows: %.1f ms (target < 30 ms; best runs %.1f ms) %s\n", machi.rows, clearMs,
              Best(afterMachi.windowMs) - Best(akasaka.windowMs), clearMs < 30.0 ? "met" : "MISSED");
  const double growth =
      afterTwo > 0 ? 100.0 * (static_cast<double>(afterFifty) - static_cast<double>(afterTwo)) / afterTwo : 0.0;
  std::printf("private bytes after 2 alternations of machi and akasaka: %zu, after %d: %zu\n",
              static_cast<size_t>(afterTwo), kAlternations, static_cast<size_t>(afterFifty));
  std::printf("growth %+.1f%% (target within 5%%) %s\n", growth,
              afterTwo > 0 && growth <= 5.0 && growth >= -5.0 ? "met" : "MISSED");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dataDir = argc > 1 ? argv[1] : KURANTO_SHARED_DATA;
  const std::string program = argc > 2 ? argv[2] : OwnDirectory() + "..\\app\\kuranto.exe";
  return Run(dataDir, program);
}
