// A second start on the same program folder: the window already running
// there comes forward and the new process ends, so that two windows never
// rewrite one folder's saved conditions and record log.
#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "app/running_window.h"
#include "app/texts.h"
#include "win32/buffer_sizes.h"

namespace kuranto {

namespace {

struct Search {
  std::string directory;  // the program folder, as ProgramDirectoryForStart gives it
  HWND found = nullptr;
};

std::string ProcessDirectory(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (process == nullptr) return std::string();
  char path[MAX_PATH * 2] = {};
  DWORD length = sizeof path;
  const bool named = QueryFullProcessImageNameA(process, 0, path, &length) != FALSE;
  CloseHandle(process);
  return named ? datafiles::ProgramDirectory(path) : std::string();
}

BOOL CALLBACK CheckWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char className[kClassNameBytes] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, texts::kWindowClass) != 0) return TRUE;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == GetCurrentProcessId()) return TRUE;
  if (lstrcmpiA(ProcessDirectory(processId).c_str(), search->directory.c_str()) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

void BringRunningWindowForward(const std::string& programDirectory) {
  Search search{programDirectory, nullptr};
  EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return;  // still starting: its window is not made yet
  if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(search.found));
}

}  // namespace kuranto
