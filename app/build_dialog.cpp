#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "app/app_state.h"
#include "app/build_dialog.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "datafiles/due_builds.h"
#include "datafiles/index_load.h"
#include "datafiles/startup_check.h"
#include "postal/texts.h"

namespace kuranto {

namespace {

constexpr UINT_PTR kStartTimer = 1;
constexpr UINT kStartDelayMs = 500;
constexpr int kBarStep = datafiles::kBuildProgressMax / 50;

// One build shown in the data-build dialog: its two texts and its work,
// which moves the progress bar through the callback it is given.
struct BuildJob {
  const char* startingText;
  const char* runningText;
  std::function<void(const datafiles::BuildProgress&)> run;
};

INT_PTR CALLBACK BuildDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto* job = reinterpret_cast<const BuildJob*>(lParam);
      HWND bar = GetDlgItem(dialog, IDC_BUILD_PROGRESS);
      SendMessageA(bar, PBM_SETPOS, 0, 0);
      SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, datafiles::kBuildProgressMax));
      SendDlgItemMessageA(dialog, IDC_BUILD_TEXT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(job->startingText));
      SetTimer(dialog, kStartTimer, kStartDelayMs, nullptr);
      return TRUE;
    }
    case WM_TIMER:
      SendMessageA(dialog, WM_COMMAND, IDOK, 0);
      return TRUE;
    case WM_COMMAND: {
      // Only the timer's IDOK ends the dialog: a build cannot be cancelled.
      if (LOWORD(wParam) != IDOK) return TRUE;
      const auto* job = reinterpret_cast<const BuildJob*>(GetWindowLongPtrA(dialog, DWLP_USER));
      KillTimer(dialog, kStartTimer);
      if (job == nullptr) return TRUE;
      SendDlgItemMessageA(dialog, IDC_BUILD_TEXT, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(job->runningText));
      HWND bar = GetDlgItem(dialog, IDC_BUILD_PROGRESS);
      // Each position repaints the bar at once (a millisecond under Wine):
      // fifty steps move it as visibly as the thousand a build reports.
      int shown = 0;
      job->run([bar, &shown](int position) {
        if (position - shown < kBarStep && position < datafiles::kBuildProgressMax) return;
        shown = position;
        SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
      });
      EndDialog(dialog, 0);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

struct BuildTexts {
  datafiles::IndexBuild build;
  const char* starting;
  const char* running;
};

const BuildTexts kBuildTexts[] = {
    {datafiles::IndexBuild::kCityList, texts::kCityListStart, texts::kCityListRunning},
    {datafiles::IndexBuild::kPrefectureRanges, texts::kPrefectureStart, texts::kPrefectureRunning},
    {datafiles::IndexBuild::kNumberRanges, texts::kNumberStart, texts::kNumberRunning},
};

const BuildTexts& TextsOf(datafiles::IndexBuild build) {
  for (const BuildTexts& texts : kBuildTexts) {
    if (texts.build == build) return texts;
  }
  return kBuildTexts[0];
}

void RunBuild(HWND owner, const BuildJob& job) {
  DialogBoxParamA(WindowInstance(owner), texts::kBuildDialogResource, owner, BuildDialogProc,
                  reinterpret_cast<LPARAM>(&job));
}

}  // namespace

void RunBuildDialog(HWND owner, const char* startingText, const char* runningText,
                    const std::function<void(const datafiles::BuildProgress&)>& work) {
  RunBuild(owner, {startingText, runningText, work});
}

void RunStartupDataCheck(HWND window, AppState& app) {
  const datafiles::FileSet& files = app.files;
  const datafiles::StartupPlan plan = datafiles::PlanStartup(files, app.settings.storedDate);
  // No address file, Japan Post's UTF-8 edition under its name, or a file
  // whose lines cannot be told apart: nothing is built from it.
  if (const char* refusal = datafiles::StartupRefusal(plan)) {
    ShowMessage(window, refusal, texts::kReportCaption, MB_OK | MB_ICONEXCLAMATION);
    PostQuitMessage(0);
    return;
  }
  app.settings.currentDate = plan.currentDate;

  // A build that cannot write leaves the old file in place and its own bytes
  // in memory, which this run uses instead.
  datafiles::RunDueBuilds(files, plan, datafiles::BuildScope::kDue, app.heldIndexes,
                          [window](datafiles::IndexBuild build, const std::function<void(const datafiles::BuildProgress&)>& work) {
                            const BuildTexts& shown = TextsOf(build);
                            RunBuild(window, {shown.starting, shown.running, work});
                          });
  datafiles::LoadIndexTables(files, app.heldIndexes, app.tables);
}

}  // namespace kuranto
