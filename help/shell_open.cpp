#include "help/shell_open.h"

#include <shellapi.h>

namespace kuranto {

namespace {

ShellOpener g_opener = nullptr;

}  // namespace

void SetShellOpener(ShellOpener opener) { g_opener = opener; }

INT_PTR OpenWithShell(const char* target) {
  if (g_opener != nullptr) return g_opener(target);
  return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, nullptr, target, nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace kuranto
