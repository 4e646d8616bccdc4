// Japan Post's UTF-8 edition beside the program: converted into the address
// file at start when it is there alone, in the data-build dialog.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/shell.h"
#include "app/texts.h"
#include "datafiles/file_access.h"
#include "datafiles/utf8_import.h"

namespace kuranto {

namespace {

std::string ImportFailureText(const datafiles::ImportResult& result) {
  char text[256];
  switch (result.status) {
    case datafiles::ImportStatus::kNoCp932Form:
      std::snprintf(text, sizeof text, texts::kImportNoShiftJisFormat, result.line,
                    static_cast<unsigned>(result.character));
      return text;
    case datafiles::ImportStatus::kNotUtf8:
      std::snprintf(text, sizeof text, texts::kImportNotUtf8Format, result.line);
      return text;
    default:
      return texts::kImportFailed;
  }
}

}  // namespace

bool ImportUtf8EditionAtStart(HWND window, const datafiles::FileSet& files) {
  if (datafiles::FileExists(files.addressFile)) return false;
  const std::string name = datafiles::FindUtf8Edition(files.directory);
  if (name.empty()) return false;
  datafiles::ImportResult result;
  RunBuildDialog(window, texts::kImportStart, texts::kImportRunning, [&](const datafiles::BuildProgress& progress) {
    result = datafiles::ImportUtf8Edition(files.directory + name, files.addressFile, progress);
  });
  if (result.status == datafiles::ImportStatus::kDone) return true;
  ShowMessage(window, ImportFailureText(result).c_str(), texts::kReportCaption, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace kuranto
