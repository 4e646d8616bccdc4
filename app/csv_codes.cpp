// CSV ファイルに郵便番号を付ける: a list of addresses gets a code and a status
// on each row, written beside it as NAME_郵便番号.csv, the same bytes the query
// tool's resolve --csv writes. The input is never touched; a cancel or a
// failure leaves no output file.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/shell.h"
#include "app/texts.h"
#include "datafiles/file_access.h"
#include "postal/text.h"
#include "lists/csv_annotate.h"
#include "lists/csv_guess.h"
#include "lists/csv_reader.h"
#include "win32/form_controls.h"

namespace kuranto {

namespace {

constexpr size_t kCellShownBytes = 60;
constexpr DWORD kPumpEveryMs = 50;
constexpr int kProgressSteps = 100;  // each step repaints the bar at once

// What the column dialog shows and what the user chose.
struct ColumnChoice {
  std::string fileName;
  std::vector<std::string> firstRow;  // cp932
  lists::CsvColumns columns;
};

std::string FormatText(const char* format, const std::string& value) {
  std::vector<char> text(std::strlen(format) + value.size() + 64);
  std::snprintf(text.data(), text.size(), format, value.c_str());
  return text.data();
}

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
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&dialog)) return false;
  path = file;
  return true;
}

// "NAME_郵便番号.csv" beside the input, NAME its name without the extension.
std::string OutputPathFor(const std::string& input) {
  std::string dir, name;
  postal::SplitPath(input, dir, name);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return (dir.empty() ? std::string() : dir + "\\") + name + texts::kCsvOutputSuffix;
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
      FillColumnList(GetDlgItem(dialog, IDC_CSV_ADDRESS_COLUMN), choice->firstRow, choice->columns.address - 1);
      HWND codes = GetDlgItem(dialog, IDC_CSV_CODE_COLUMN);
      SendMessageA(codes, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts::kCsvNoCodeColumn));
      FillColumnList(codes, choice->firstRow, choice->columns.code);  // item 0 is "none"
      CheckDlgButton(dialog, IDC_CSV_HEADER, choice->columns.header ? BST_CHECKED : BST_UNCHECKED);
      return TRUE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id != IDOK && id != IDCANCEL) return FALSE;
      if (id == IDOK) {
        auto* choice = reinterpret_cast<ColumnChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
        const LRESULT address = SendDlgItemMessageA(dialog, IDC_CSV_ADDRESS_COLUMN, LB_GETCURSEL, 0, 0);
        const LRESULT code = SendDlgItemMessageA(dialog, IDC_CSV_CODE_COLUMN, LB_GETCURSEL, 0, 0);
        choice->columns.address = address == LB_ERR ? 1 : static_cast<size_t>(address) + 1;
        choice->columns.code = code == LB_ERR ? 0 : static_cast<size_t>(code);
        choice->columns.header = IsDlgButtonChecked(dialog, IDC_CSV_HEADER) == BST_CHECKED;
      }
      EndDialog(dialog, id);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

// The progress dialog while the rows are resolved: its bar, and the Cancel
// button read between rows (the work runs on this thread).
class CsvProgress {
 public:
  explicit CsvProgress(HWND owner) : owner_(owner) {
    dialog_ = CreateDialogParamA(WindowInstance(owner), texts::kCsvProgressResource, owner, Proc,
                                 reinterpret_cast<LPARAM>(&cancelled_));
    if (dialog_ == nullptr) return;
    SetDlgItemTextA(dialog_, IDC_CSV_PROGRESS_TEXT, texts::kCsvProgressText);
    SendDlgItemMessageA(dialog_, IDC_CSV_PROGRESS, PBM_SETRANGE32, 0, kProgressSteps);
    EnableWindow(owner_, FALSE);
    ShowWindow(dialog_, SW_SHOW);
    UpdateWindow(dialog_);
  }
  ~CsvProgress() {
    EnableWindow(owner_, TRUE);
    if (dialog_ != nullptr) DestroyWindow(dialog_);
    SetActiveWindow(owner_);
  }
  CsvProgress(const CsvProgress&) = delete;
  CsvProgress& operator=(const CsvProgress&) = delete;

  // False once the user has pressed Cancel.
  bool operator()(size_t done, size_t total) {
    const int step = total == 0 ? kProgressSteps : static_cast<int>(done * kProgressSteps / total);
    const DWORD now = GetTickCount();
    if (step == step_ && now - pumped_ < kPumpEveryMs) return !cancelled_;
    if (step != step_) SendDlgItemMessageA(dialog_, IDC_CSV_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(step), 0);
    step_ = step;
    pumped_ = now;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (dialog_ != nullptr && IsDialogMessageA(dialog_, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    return !cancelled_;
  }

 private:
  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
      *reinterpret_cast<bool*>(GetWindowLongPtrA(dialog, DWLP_USER)) = true;
      return TRUE;
    }
    return FALSE;
  }

  HWND owner_;
  HWND dialog_ = nullptr;
  bool cancelled_ = false;
  int step_ = -1;
  DWORD pumped_ = 0;
};

// The first row's cells, and the guesses that preselect the dialog. Not
// kRow: no row, or a first row whose quote never closes (its line in `line`).
lists::CsvReader::Result PrepareChoice(const resolver::AddressBook& book, const std::string& bytes,
                                          ColumnChoice& choice, long& line) {
  const lists::CsvEncoding encoding = lists::DetectCsvEncoding(bytes.data(), bytes.size());
  lists::CsvReader reader(bytes.data(), bytes.size(), lists::BomLength(encoding));
  lists::CsvRow first;
  const lists::CsvReader::Result read = reader.Next(first);
  line = first.line;
  if (read != lists::CsvReader::kRow) return read;
  for (const std::string& cell : first.cells) choice.firstRow.push_back(lists::CellAsCp932(cell, encoding));
  const size_t address = lists::GuessAddressColumn(book, bytes.data(), bytes.size());
  choice.columns.address = address == 0 ? 1 : address;
  choice.columns.code = lists::GuessCodeColumn(bytes.data(), bytes.size());
  choice.columns.header = lists::GuessHeaderRow(book, bytes.data(), bytes.size(), choice.columns.address);
  return read;
}

void ReportUnclosedQuote(HWND owner, const std::string& input, long line) {
  std::vector<char> text(512 + input.size());
  std::snprintf(text.data(), text.size(), texts::kCsvUnclosedQuoteFormat, input.c_str(), line);
  Report(owner, text.data(), MB_ICONEXCLAMATION);
}

std::string DoneText(const lists::CsvResult& result, bool withCodes, const std::string& output) {
  const lists::CsvCounts& n = result.counts;
  const auto count = [](size_t value) { return static_cast<unsigned long>(value); };
  char agreement[512] = "";
  if (withCodes) {
    std::snprintf(agreement, sizeof agreement, texts::kCsvAgreementFormat, count(n.byAgreement[0]),
                  count(n.byAgreement[1]), count(n.byAgreement[2]), count(n.byAgreement[3]));
  }
  std::vector<char> text(1024 + output.size());
  std::snprintf(text.data(), text.size(), texts::kCsvDoneFormat, count(n.rows), count(n.byStatus[0]),
                count(n.byStatus[1]), count(n.byStatus[2]), count(n.byStatus[3]), agreement, output.c_str());
  return text.data();
}

}  // namespace

void AddCodesToCsvFile(HWND window, AppState& app) {
  std::string input;
  if (!ChooseCsvFile(window, input)) return;
  std::string bytes;
  if (!datafiles::ReadSmallFile(input, bytes)) {
    Report(window, FormatText(texts::kCsvCannotReadFormat, input), MB_ICONEXCLAMATION);
    return;
  }
  const resolver::AddressBook* book = LoadedBook(window, app);
  if (book == nullptr) return;

  ColumnChoice choice;
  choice.fileName = input;
  long line = 0;
  switch (PrepareChoice(*book, bytes, choice, line)) {
    case lists::CsvReader::kEnd:
      Report(window, FormatText(texts::kCsvEmptyFormat, input), MB_ICONEXCLAMATION);
      return;
    case lists::CsvReader::kUnclosedQuote:
      ReportUnclosedQuote(window, input, line);
      return;
    case lists::CsvReader::kRow:
      break;
  }
  if (DialogBoxParamA(WindowInstance(window), texts::kCsvColumnsResource, window, ColumnsProc,
                      reinterpret_cast<LPARAM>(&choice)) != IDOK) {
    return;
  }

  const std::string output = OutputPathFor(input);
  if (datafiles::FileExists(output) &&
      ShowMessage(window, FormatText(texts::kCsvReplaceFormat, output).c_str(), texts::kConfirmCaption,
                  MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }

  std::string annotated;
  annotated.reserve(bytes.size() + bytes.size() / 4);
  lists::CsvResult result;
  {
    CsvProgress progress(window);
    result = lists::AnnotateCsv(
        *book, bytes.data(), bytes.size(), choice.columns,
        [&annotated](const char* data, size_t size) { annotated.append(data, size); },
        [&progress](size_t done, size_t total) { return progress(done, total); });
  }
  switch (result.outcome) {
    case lists::CsvOutcome::kCancelled:
      return;
    case lists::CsvOutcome::kUnclosedQuote:
      ReportUnclosedQuote(window, input, result.line);
      return;
    case lists::CsvOutcome::kDone:
      break;
  }
  // Through a temporary file and a rename: a failed write leaves no partial file.
  if (!datafiles::WriteFileReplacing(output, annotated)) {
    Report(window, FormatText(texts::kCsvCannotWriteFormat, output), MB_ICONEXCLAMATION);
    return;
  }
  Report(window, DoneText(result, choice.columns.code != 0, output), MB_ICONINFORMATION);
}

}  // namespace kuranto
