// CSV ファイルに郵便番号を付ける: a list of addresses gets a code and a status
// on each row, written beside it as NAME_郵便番号.csv (a .tsv or .txt file's
// extension kept), the same bytes the query tool's resolve --csv writes. With
// no address column but a code column, the other way: each row gets its
// code's address, NAME_住所.csv, as lookup --csv writes it. The input is
// never touched; a cancel or a failure leaves no output file.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "app/address_dialog.h"
#include "app/app_state.h"
#include "app/csv_codes.h"
#include "app/csv_progress_dialog.h"
#include "app/label_sources.h"
#include "app/main_window.h"
#include "app/texts.h"
#include "datafiles/file_access.h"
#include "lists/csv_annotate.h"
#include "lists/csv_guess.h"
#include "lists/csv_lookup.h"
#include "lists/csv_reader.h"
#include "lists/csv_survey.h"
#include "lists/list_head.h"
#include "postal/text.h"
#include "resolver/code_index.h"
#include "win32/buffer_sizes.h"
#include "win32/form_controls.h"

namespace kuranto {

namespace {

// A path's lines in a report: narrower than any message box.
constexpr size_t kPathLineBytes = 60;

// What the column dialog shows and what the user chose.
struct ColumnChoice {
  std::string fileName;
  std::vector<std::string> firstRow;  // cp932
  lists::CsvColumns columns;
  bool fillAddresses = false;  // no address column: the code column's addresses are added
  bool forLabels = false;      // opened to print labels: ラベルを印刷 is the default button
};

void Report(HWND owner, const std::string& text, UINT icon) {
  ShowMessage(owner, text.c_str(), texts::kReportCaption, MB_OK | icon);
}

bool ChooseCsvFile(HWND owner, std::string& path) {
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = texts::kCsvFilter;
  dialog.lpstrFile = file;
  dialog.lpstrTitle = texts::kCsvOpenTitle;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&dialog)) return false;
  path = file;
  return true;
}

// "NAME_郵便番号.csv" beside the input, NAME its name without the extension;
// a .tsv or .txt file keeps its extension, so that what opens it splits the
// rows as before.
std::string OutputPathFor(const std::string& input, bool fillAddresses) {
  std::string dir, name;
  postal::SplitPath(input, dir, name);
  const size_t dot = name.rfind('.');
  std::string extension;
  if (dot != std::string::npos && dot > 0) {
    extension = name.substr(dot);
    name.resize(dot);
  }
  const bool ownExtension = lstrcmpiA(extension.c_str(), ".tsv") == 0 || lstrcmpiA(extension.c_str(), ".txt") == 0;
  const std::string base = (dir.empty() ? std::string() : dir + "\\") + name;
  if (fillAddresses) {
    return ownExtension ? base + texts::kCsvAddressOutputStem + extension : base + texts::kCsvAddressOutputSuffix;
  }
  return ownExtension ? base + texts::kCsvOutputStem + extension : base + texts::kCsvOutputSuffix;
}

void FillColumnList(HWND list, const std::vector<std::string>& cells, size_t chosen) {
  for (size_t i = 0; i < cells.size(); ++i) {
    const std::string item = std::to_string(i + 1) + ": " + postal::TruncateText(cells[i], kCellShownBytes);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageA(list, LB_SETCURSEL, chosen, 0);
}

INT_PTR CALLBACK ColumnsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto* choice = reinterpret_cast<const ColumnChoice*>(lParam);
      SetDlgItemTextA(dialog, IDC_CSV_FILE_NAME, choice->fileName.c_str());
      // Item 0 of these lists is "none"; the address column's none fills in addresses from the codes.
      const std::pair<int, size_t> optional[] = {
          {IDC_CSV_ADDRESS_COLUMN, choice->fillAddresses ? 0 : choice->columns.address},
          {IDC_CSV_CODE_COLUMN, choice->columns.code},
          {IDC_CSV_NAME_COLUMN, choice->columns.name}};
      for (const auto& [id, chosen] : optional) {
        HWND list = GetDlgItem(dialog, id);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kCsvNoCodeColumn));
        FillColumnList(list, choice->firstRow, chosen);
      }
      CheckDlgButton(dialog, IDC_CSV_HEADER, choice->columns.header ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(dialog, IDC_CSV_BARCODE, choice->columns.barcode ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(dialog, IDC_CSV_SPLIT, choice->columns.split ? BST_CHECKED : BST_UNCHECKED);
      if (choice->forLabels) SendMessageA(dialog, DM_SETDEFID, IDC_CSV_PRINT_LABELS, 0);
      return TRUE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id != IDOK && id != IDCANCEL && id != IDC_CSV_PRINT_LABELS) return FALSE;
      if (id != IDCANCEL) {
        auto* choice = reinterpret_cast<ColumnChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
        const LRESULT address = SendDlgItemMessageA(dialog, IDC_CSV_ADDRESS_COLUMN, LB_GETCURSEL, 0, 0);
        const LRESULT code = SendDlgItemMessageA(dialog, IDC_CSV_CODE_COLUMN, LB_GETCURSEL, 0, 0);
        const LRESULT name = SendDlgItemMessageA(dialog, IDC_CSV_NAME_COLUMN, LB_GETCURSEL, 0, 0);
        if (address == 0 && code <= 0) {
          ShowMessage(dialog, texts::kCsvNeedCodeColumn, texts::kConfirmCaption, MB_OK | MB_ICONINFORMATION);
          SetFocus(GetDlgItem(dialog, IDC_CSV_CODE_COLUMN));
          return TRUE;
        }
        choice->fillAddresses = address == 0;
        choice->columns.address = address <= 0 ? 1 : static_cast<size_t>(address);
        choice->columns.code = code == LB_ERR ? 0 : static_cast<size_t>(code);
        choice->columns.name = name == LB_ERR ? 0 : static_cast<size_t>(name);
        choice->columns.header = IsDlgButtonChecked(dialog, IDC_CSV_HEADER) == BST_CHECKED;
        choice->columns.barcode = IsDlgButtonChecked(dialog, IDC_CSV_BARCODE) == BST_CHECKED;
        choice->columns.split = IsDlgButtonChecked(dialog, IDC_CSV_SPLIT) == BST_CHECKED;
      }
      EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

// The start of the file, in whole lines of text: the column dialog shows its
// first row and guesses from its first rows.
bool ReadFileListHead(const std::string& path, lists::ListHead& head) {
  std::string raw;
  if (!datafiles::ReadFileHead(path, kCsvHeadBytes, raw)) return false;
  head = lists::ReadListHead(raw, raw.size() == kCsvHeadBytes);
  return true;
}

// The first row's cells, and the guesses that preselect the dialog. Not
// kRow: no row, or a first row whose quote never closes (its line in `line`).
lists::CsvReader::Result PrepareChoice(const resolver::AddressBook& book, const lists::ListHead& listHead,
                                       lists::CsvEncoding encoding, ColumnChoice& choice, long& line) {
  const std::string& head = listHead.text;
  lists::CsvReader reader(head.data(), head.size(), lists::BomLength(encoding), 1, listHead.separator);
  lists::CsvRow first;
  lists::CsvReader::Result read;
  do {
    read = reader.Next(first);
  } while (read == lists::CsvReader::kRow && first.contentEnd == first.begin);
  line = first.line;
  if (read != lists::CsvReader::kRow) return read;
  for (const std::string& cell : first.cells) choice.firstRow.push_back(lists::CellAsCp932(cell, encoding));
  const size_t address = lists::GuessAddressColumn(book, head.data(), head.size());
  choice.columns.separator = listHead.separator == '\t' ? lists::Separator::kTab : lists::Separator::kComma;
  choice.columns.address = address == 0 ? 1 : address;
  choice.columns.code = lists::GuessCodeColumn(head.data(), head.size());
  // Codes and no addresses: a list whose addresses are to be filled in.
  choice.fillAddresses = lists::GuessCodesWithoutAddresses(book, head.data(), head.size());
  // Names find offices at an address: a list of codes has no use for them.
  choice.columns.name = choice.fillAddresses ? 0 : lists::GuessNameColumn(head.data(), head.size());
  choice.columns.header = choice.fillAddresses
                              ? lists::GuessCodeHeaderRow(head.data(), head.size(), choice.columns.code)
                              : lists::GuessHeaderRow(book, head.data(), head.size(), choice.columns.address);
  return read;
}

// The report of a file refused before anything was written.
void ReportRefusal(HWND owner, const std::string& input, const lists::CsvResult& result) {
  using lists::CsvOutcome;
  std::string text;
  switch (result.outcome) {
    case CsvOutcome::kUnclosedQuote: text = texts::CsvUnclosedQuoteText(input, result.line); break;
    case CsvOutcome::kNotText: text = texts::CsvNotTextText(input, result.line); break;
    case CsvOutcome::kUtf16WithoutBom: text = texts::CsvUtf16WithoutBomText(input); break;
    case CsvOutcome::kCrOnly: text = texts::CsvCrOnlyText(input); break;
    default: text = texts::CsvPastWidthText(input, result.width); break;
  }
  Report(owner, text, MB_ICONEXCLAMATION);
}

// "COUNT（3, 8 行目）" for rows set apart; empty when there are none.
std::string ApartText(const char* format, const lists::CsvRowLines& rows) {
  if (rows.count == 0) return {};
  const std::string lines = rows.Named() + (rows.count > lists::kNamedLines ? texts::kCsvMoreLines : "");
  return FormatText(format, static_cast<unsigned long>(rows.count), lines.c_str());
}

std::string DoneText(const lists::CsvResult& result, const ColumnChoice& choice, const std::string& output) {
  const lists::CsvCounts& n = result.counts;
  if (choice.fillAddresses) {
    const std::string apart = ApartText(texts::kCsvLookupNotUtf8Format, n.notUtf8) +
                              ApartText(texts::kCsvLookupTooShortFormat, n.tooShort);
    return texts::CsvLookupDoneText(n.rows, n.codes, apart, postal::BreakPathLines(output, kPathLineBytes));
  }
  const lists::CsvColumns& columns = choice.columns;
  const std::string offices =
      columns.name != 0 ? FormatText(texts::kCsvOfficesFormat, static_cast<unsigned long>(n.addresses.offices)) : "";
  const std::string agreement = columns.code != 0 ? texts::CsvAgreementText(n.addresses.byAgreement) : "";
  // Rows set apart are told under none, which counts them.
  const std::string apart = ApartText(texts::kCsvNotUtf8Format, n.notUtf8) +
                            ApartText(texts::kCsvTooShortFormat, n.tooShort) + offices + agreement;
  return texts::CsvDoneText(n.rows, n.addresses.byStatus, apart, postal::BreakPathLines(output, kPathLineBytes));
}

// The work on one file: the resolver's or the lookup's.
using CsvJob = std::function<lists::CsvResult(lists::CsvInput&, const lists::CsvSink&, const lists::CsvProgress&)>;

CsvJob JobFor(const resolver::AddressBook& book, const resolver::CodeIndex& index, const ColumnChoice& choice) {
  if (!choice.fillAddresses) {
    return [&book, &choice](lists::CsvInput& input, const lists::CsvSink& sink, const lists::CsvProgress& progress) {
      return lists::AnnotateCsv(book, input, choice.columns, sink, progress);
    };
  }
  return [&index, &choice](lists::CsvInput& input, const lists::CsvSink& sink, const lists::CsvProgress& progress) {
    lists::LookupColumns columns;
    columns.code = choice.columns.code;
    columns.header = choice.columns.header;
    columns.separator = choice.columns.separator;
    return lists::LookupCsv(index, input, columns, sink, progress);
  };
}

// Writes `input` with `job` into `output` through a temporary file and a
// rename, with the progress dialog; true when `output` was written. A cancel
// or a failure leaves no file, and the temporary one is gone before the
// caller reports.
bool WorkToFile(HWND window, const AppState& app, const CsvJob& job, const char* progressText,
                const std::string& input, const std::string& output, lists::CsvResult& result) {
  lists::FileInput bytes(input);
  datafiles::ReplacingFile annotated(output);
  if (!annotated.ok()) {
    result.outcome = lists::CsvOutcome::kCannotWrite;
    return false;
  }
  ProgressDialog progress(window, {app.addressDialog, app.addressListDialog}, progressText);
  result = job(
      bytes, [&annotated](const char* data, size_t size) { return annotated.Write(data, size); },
      [&progress](uint64_t done, uint64_t total) { return progress(done, total); });
  return result.outcome == lists::CsvOutcome::kDone && annotated.Commit();
}

void ReportOutcome(HWND window, const std::string& input, const std::string& output, const ColumnChoice& choice,
                   const lists::CsvResult& result, bool written) {
  switch (result.outcome) {
    case lists::CsvOutcome::kCancelled:
      // Closing the window mid-run cancels it too: then there is no one to tell.
      if (!IsWindow(window)) return;
      Report(window, FormatText(texts::kCsvCancelledFormat, postal::BreakPathLines(output, kPathLineBytes).c_str()),
             MB_ICONINFORMATION);
      return;
    case lists::CsvOutcome::kUnclosedQuote:
    case lists::CsvOutcome::kNotText:
    case lists::CsvOutcome::kUtf16WithoutBom:
    case lists::CsvOutcome::kCrOnly:
    case lists::CsvOutcome::kColumnPastWidth:
      ReportRefusal(window, input, result);
      return;
    case lists::CsvOutcome::kCannotRead:
      Report(window, FormatText(texts::kCsvCannotReadFormat, input.c_str()), MB_ICONEXCLAMATION);
      return;
    case lists::CsvOutcome::kCannotStartThreads:
      Report(window, FormatText(texts::kCsvCannotStartFormat, input.c_str()), MB_ICONEXCLAMATION);
      return;
    case lists::CsvOutcome::kCannotWrite:
      break;
    case lists::CsvOutcome::kDone:
      if (written) {
        Report(window, DoneText(result, choice, output), MB_ICONINFORMATION);
        return;
      }
      break;
  }
  Report(window, FormatText(texts::kCsvCannotWriteFormat, output.c_str()), MB_ICONEXCLAMATION);
}

}  // namespace

namespace {

void RunCsvFile(HWND window, AppState& app, bool forLabels) {
  std::string input;
  if (!ChooseCsvFile(window, input)) return;
  lists::ListHead head;
  if (!ReadFileListHead(input, head)) {
    Report(window, FormatText(texts::kCsvCannotReadFormat, input.c_str()), MB_ICONEXCLAMATION);
    return;
  }
  const lists::HeadCheck check = lists::CheckListHead(head);
  lists::CsvResult refused;
  if (check.outcome != lists::CsvOutcome::kDone) {
    refused.outcome = check.outcome;
    refused.line = check.line;
    ReportRefusal(window, input, refused);
    return;
  }
  const resolver::AddressBook* book = LoadedBook(window, app);
  if (book == nullptr) return;

  ColumnChoice choice;
  choice.fileName = input;
  choice.forLabels = forLabels;
  choice.columns.barcode = app.settings.csvBarcode;
  choice.columns.split = app.settings.csvSplit;
  switch (PrepareChoice(*book, head, check.encoding.encoding, choice, refused.line)) {
    case lists::CsvReader::kEnd:
      Report(window, FormatText(texts::kCsvEmptyFormat, input.c_str()), MB_ICONEXCLAMATION);
      return;
    case lists::CsvReader::kUnclosedQuote:
      refused.outcome = lists::CsvOutcome::kUnclosedQuote;
      ReportRefusal(window, input, refused);
      return;
    case lists::CsvReader::kRow:
      break;
  }
  const INT_PTR chosen = DialogBoxParamA(WindowInstance(window), texts::kCsvColumnsResource, window, ColumnsProc,
                                         reinterpret_cast<LPARAM>(&choice));
  if (chosen == IDOK || chosen == IDC_CSV_PRINT_LABELS) {
    app.settings.csvBarcode = choice.columns.barcode;
    app.settings.csvSplit = choice.columns.split;
  }
  if (chosen == IDC_CSV_PRINT_LABELS) PrintCsvFileLabels(window, app, input, choice.firstRow, choice.columns);
  if (chosen != IDOK) return;

  const std::string output = OutputPathFor(input, choice.fillAddresses);
  if (datafiles::FileExists(output) &&
      ShowMessage(window, FormatText(texts::kCsvReplaceFormat, output.c_str()).c_str(), texts::kConfirmCaption,
                  MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }

  const resolver::CodeIndex index(*book);
  const char* progressText = choice.fillAddresses ? texts::kCsvLookupProgressText : texts::kCsvProgressText;
  lists::CsvResult result;
  const bool written = WorkToFile(window, app, JobFor(*book, index, choice), progressText, input, output, result);
  ReportOutcome(window, input, output, choice, result, written);
}

}  // namespace

void AddCodesToCsvFile(HWND window, AppState& app) { RunCsvFile(window, app, false); }

void PrintCsvLabels(HWND window, AppState& app) { RunCsvFile(window, app, true); }

}  // namespace kuranto
