#include "help/help.h"

#include <windows.h>

#include "datafiles/file_set.h"
#include "help/shell_open.h"

namespace kuranto {

namespace {

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void ShowHelp(const std::string& programDirectory) {
  const std::string helpFile = programDirectory + datafiles::kHelpName;
  if (IsFile(helpFile) && OpenWithShell(helpFile.c_str()) > kShellErrorLimit) return;
  const std::string helpPage = programDirectory + datafiles::kHelpPageName;
  if (IsFile(helpPage)) OpenWithShell(helpPage.c_str());
}

}  // namespace kuranto
