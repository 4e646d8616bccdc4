// Times the first start of kuranto.exe on fresh data (no index files, no
// stored date): from starting the process to its main window shown, and
// where that time goes, measured here in the same run: the three index
// builds alone (reading and parsing the address file), the build dialog
// alone (its creation and its start delay), and the dialog with the builds
// and their progress bar, as the program runs them. Runs under Wine.
//   kuranto-start-bench [DATA_DIR [KURANTO_EXE]]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/shell.h"
#include "bench/window_bench_support.h"
#include "datafiles/index_build.h"
#include "tests/driver/driver.h"

namespace {

using bench::FileExists;
using bench::Median;
using bench::NowMs;

constexpr int kRounds = 5;
constexpr DWORD kStartMs = 600000;
constexpr char kSettingsKey[] = "Software\\Ostrel\\Kuranto";
const char* const kIndexFiles[] = {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"};

struct Figure {
  const char* label;
  std::vector<double> ms;
};

void Print(const Figure& figure) {
  double best = figure.ms.empty() ? 0.0 : bench::Best(figure.ms);
  std::printf("%-46s median %8.1f ms   best %8.1f ms\n", figure.label, Median(figure.ms), best);
}

// Fresh data as a new release brings it: no index file, no stored date.
void ForgetBuilds(const bench::ProgramFolder& folder) {
  for (const char* name : kIndexFiles) DeleteFileA(folder.Path(name).c_str());
  RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
}

double FirstStartMs(const bench::ProgramFolder& folder) {
  ForgetBuilds(folder);
  driver::Program kuranto;
  const double start = NowMs();
  if (!kuranto.Start(folder.Path("kuranto.exe"), folder.dir())) return -1.0;
  HWND main = driver::WaitMainWindow(kuranto.Id(), kStartMs);
  const double ms = NowMs() - start;
  if (main == nullptr || !driver::CloseMainWindow(main, kStartMs) || !kuranto.WaitExit(kStartMs, nullptr)) {
    kuranto.Kill();
    return -1.0;
  }
  return ms;
}

void RunBuilds(const std::string& addressFile, const datafiles::BuildProgress& progress) {
  datafiles::BuildCityList(addressFile, progress);
  datafiles::BuildPrefectureRanges(addressFile, progress);
  datafiles::BuildNumberRanges(addressFile, progress);
}

// The three dialogs as the start shows them, around `work` for each build.
void ThreeDialogs(HWND owner, const std::function<void(const datafiles::BuildProgress&)>& work) {
  for (int i = 0; i < 3; ++i) kuranto::RunBuildDialog(owner, "", "", work);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dataDir = argc > 1 ? argv[1] : KURANTO_SHARED_DATA;
  const std::string program = argc > 2 ? argv[2] : bench::OwnDirectory() + "..\\app\\kuranto.exe";
  const std::string kenAll = dataDir + "\\KEN_ALL.CSV";
  if (!FileExists(kenAll) || !FileExists(program)) {
    std::printf("kuranto-start-bench: needs %s and %s; skipped\n", kenAll.c_str(), program.c_str());
    return 0;
  }
  bench::ProgramFolder folder("kuranto_start_bench_");
  const std::string programDir = bench::DirectoryOf(program);
  if (!folder.Copy(program, "kuranto.exe") || !folder.Copy(kenAll, "Ken_all.csv")) {
    std::fprintf(stderr, "kuranto-start-bench: cannot lay out %s\n", folder.dir().c_str());
    return 1;
  }
  for (const char* shipped : {"kuranto.ini", "telnum.dat"}) folder.Copy(programDir + shipped, shipped);
  const std::string addressFile = folder.Path("Ken_all.csv");

  Figure start = {"first start: process start to window shown", {}};
  Figure builds = {"the three builds, no progress shown", {}};
  Figure dialogs = {"three build dialogs, no work", {}};
  Figure both = {"three build dialogs with the builds", {}};
  InitCommonControls();
  // The dialogs' owner: a plain window of this process, never shown.
  HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  for (int round = 0; round < kRounds; ++round) {
    start.ms.push_back(FirstStartMs(folder));
    double t = NowMs();
    RunBuilds(addressFile, datafiles::BuildProgress());
    builds.ms.push_back(NowMs() - t);
    t = NowMs();
    ThreeDialogs(owner, [](const datafiles::BuildProgress&) {});
    dialogs.ms.push_back(NowMs() - t);
    t = NowMs();
    int build = 0;
    ThreeDialogs(owner, [&](const datafiles::BuildProgress& progress) {
      if (build == 0) datafiles::BuildCityList(addressFile, progress);
      if (build == 1) datafiles::BuildPrefectureRanges(addressFile, progress);
      if (build == 2) datafiles::BuildNumberRanges(addressFile, progress);
      ++build;
    });
    both.ms.push_back(NowMs() - t);
  }
  DestroyWindow(owner);
  for (const Figure* figure : {&start, &builds, &dialogs, &both}) Print(*figure);
  return 0;
}
