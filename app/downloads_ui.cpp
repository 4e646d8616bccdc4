// Japan Post's downloads beside the program (ken_all.zip, jigyosyo.zip,
// utf_ken_all.zip, utf_ken_all.csv) become the files it opens, each in the
// data-build dialog with its own text, before the data check.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "app/build_dialog.h"
#include "app/downloads_ui.h"
#include "app/texts.h"
#include "datafiles/downloads.h"

namespace kuranto {

namespace {

struct ExtractionTexts {
  datafiles::SourceKind kind;
  const char* starting;
  const char* running;
};

const ExtractionTexts kExtractionTexts[] = {
    {datafiles::SourceKind::kAddressZip, texts::kAddressZipStart, texts::kZipRunning},
    {datafiles::SourceKind::kUtf8Zip, texts::kImportStart, texts::kImportRunning},
    {datafiles::SourceKind::kUtf8Csv, texts::kImportStart, texts::kImportRunning},
    {datafiles::SourceKind::kOfficeZip, texts::kOfficeZipStart, texts::kZipRunning},
};

const ExtractionTexts& TextsOf(datafiles::SourceKind kind) {
  for (const ExtractionTexts& shown : kExtractionTexts) {
    if (shown.kind == kind) return shown;
  }
  return kExtractionTexts[0];
}

// A UTF-8 edition that cannot be converted is told as the program always
// told it; anything else by the extraction's own message.
std::string FailureText(const datafiles::ExtractionResult& result) {
  std::string text;
  switch (result.conversion.status) {
    case datafiles::ImportStatus::kNoCp932Form:
      text = FormatText(texts::kImportNoShiftJisFormat, result.conversion.line,
                    static_cast<unsigned>(result.conversion.character));
      return text;
    case datafiles::ImportStatus::kNotUtf8:
      text = FormatText(texts::kImportNotUtf8Format, result.conversion.line);
      return text;
    default:
      return result.message;
  }
}

}  // namespace

bool ExtractDownloadsAtStart(HWND window, const datafiles::FileSet& files) {
  bool addressFileMade = false;
  for (const datafiles::Extraction& extraction : datafiles::PlanExtractions(files)) {
    const ExtractionTexts& shown = TextsOf(extraction.kind);
    datafiles::ExtractionResult result;
    RunBuildDialog(window, shown.starting, shown.running, [&](const datafiles::BuildProgress& progress) {
      result = datafiles::RunExtraction(extraction, progress);
    });
    if (!result.done) {
      ShowMessage(window, FailureText(result).c_str(), texts::kReportCaption, MB_OK | MB_ICONEXCLAMATION);
    } else if (extraction.target == files.addressFile) {
      addressFileMade = true;
    }
  }
  return addressFileMade;
}

}  // namespace kuranto
