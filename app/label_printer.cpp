#include "app/label_printer.h"

#include <commdlg.h>

#include <string>

#include "app/app_state.h"
#include "app/label_drawing.h"
#include "app/main_window.h"
#include "app/label_texts.h"
#include "win32/cancel_dialog.h"
#include "win32/format_text.h"
#include "win32/scoped.h"

namespace kuranto {

namespace {

// A printer DC from the print dialog, deleted at the end of the job.
class ScopedPrinterDC {
 public:
  explicit ScopedPrinterDC(HDC dc) : dc_(dc) {}
  ~ScopedPrinterDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  ScopedPrinterDC(const ScopedPrinterDC&) = delete;
  ScopedPrinterDC& operator=(const ScopedPrinterDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// The progress dialog with its 中止 button, modeless over the disabled owner.
class PrintProgress {
 public:
  explicit PrintProgress(HWND owner) : owner_(owner) {
    dialog_ = CreateDialogParamA(WindowInstance(owner), label_texts::kPrintingResource, owner, CancelFlagProc,
                                 reinterpret_cast<LPARAM>(&cancelled_));
    EnableWindow(owner_, FALSE);
    if (dialog_ != nullptr) ShowWindow(dialog_, SW_SHOW);
  }
  ~PrintProgress() {
    EnableWindow(owner_, TRUE);
    if (dialog_ != nullptr) DestroyWindow(dialog_);
    SetActiveWindow(owner_);
  }
  PrintProgress(const PrintProgress&) = delete;
  PrintProgress& operator=(const PrintProgress&) = delete;

  void Show(size_t page, size_t pages) {
    if (dialog_ == nullptr) return;
    const std::string text = FormatText(label_texts::kPrintingFormat, static_cast<unsigned long>(page),
                                        static_cast<unsigned long>(pages));
    SetDlgItemTextA(dialog_, IDC_LABEL_PRINTING_TEXT, text.c_str());
    UpdateWindow(dialog_);
  }

  // Takes the messages waiting (the 中止 click among them); false once cancelled.
  bool Pump() {
    MSG message;
    while (!cancelled_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (dialog_ != nullptr && IsDialogMessageA(dialog_, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    return !cancelled_;
  }
  bool Cancelled() const { return cancelled_; }

 private:
  HWND owner_;
  HWND dialog_ = nullptr;
  bool cancelled_ = false;
};

// The abort procedure has no argument of its own: the job's progress is
// set here for the length of the job.
PrintProgress* g_printing = nullptr;

BOOL CALLBACK AbortProc(HDC, int) { return g_printing == nullptr || g_printing->Pump() ? TRUE : FALSE; }

class PrintingScope {
 public:
  explicit PrintingScope(PrintProgress& progress) { g_printing = &progress; }
  ~PrintingScope() { g_printing = nullptr; }
  PrintingScope(const PrintingScope&) = delete;
  PrintingScope& operator=(const PrintingScope&) = delete;
};

// Windows' paper for a stock, by its size in mm; DMPAPER_USER for the rest.
struct PaperSize {
  double width, height;
  short paper;
};
const PaperSize kPapers[] = {
    {210, 297, DMPAPER_A4},
    {100, 148, DMPAPER_JAPANESE_POSTCARD},
    {120, 235, DMPAPER_JENV_CHOU3},
    {90, 205, DMPAPER_JENV_CHOU4},
    {240, 332, DMPAPER_JENV_KAKU2},
};
constexpr double kTenthsPerMm = 10.0;

// The default printer's settings with the stock's paper asked for, so the
// print dialog opens on it; nothing when there is no printer.
void PreparePaper(PRINTDLGA& chosen, const labels::Stock& stock) {
  PRINTDLGA defaults = {};
  defaults.lStructSize = sizeof defaults;
  defaults.Flags = PD_RETURNDEFAULT;
  if (!PrintDlgA(&defaults) || defaults.hDevMode == nullptr) return;
  chosen.hDevMode = defaults.hDevMode;
  chosen.hDevNames = defaults.hDevNames;
  ScopedGlobalLock lock(chosen.hDevMode);
  auto* mode = static_cast<DEVMODEA*>(lock.get());
  if (mode == nullptr) return;
  short paper = DMPAPER_USER;
  for (const PaperSize& size : kPapers) {
    if (size.width == stock.paperWidth && size.height == stock.paperHeight) paper = size.paper;
  }
  mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
  mode->dmPaperSize = paper;
  mode->dmOrientation = DMORIENT_PORTRAIT;
  if (paper == DMPAPER_USER) {
    mode->dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
    mode->dmPaperWidth = static_cast<short>(stock.paperWidth * kTenthsPerMm);
    mode->dmPaperLength = static_cast<short>(stock.paperHeight * kTenthsPerMm);
  }
}

// The printer and pages the user chose; false when the dialog was cancelled.
// `chosen` owns its settings' memory either way (the caller frees it).
bool ChoosePrinter(HWND owner, const labels::Stock& stock, size_t pages, PRINTDLGA& chosen) {
  chosen = {};
  chosen.lStructSize = sizeof chosen;
  PreparePaper(chosen, stock);
  chosen.hwndOwner = owner;
  chosen.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION | (pages > 1 ? 0 : PD_NOPAGENUMS);
  chosen.nMinPage = 1;
  chosen.nMaxPage = static_cast<WORD>(pages > 0xFFFF ? 0xFFFF : pages);
  chosen.nFromPage = 1;
  chosen.nToPage = chosen.nMaxPage;
  chosen.nCopies = 1;
  return PrintDlgA(&chosen) != FALSE && chosen.hDC != nullptr;
}

void Tell(HWND owner, const std::string& text, UINT icon) {
  ShowMessage(owner, text.c_str(), label_texts::kReportCaption, MB_OK | icon);
}

enum class JobEnd { kPrinted, kCancelled, kFailed };

// Pages [first, last] (0-based) into the open document; `failedPage` is
// the 1-based page a failure stopped at.
JobEnd PrintPages(HDC dc, const labels::Layout& layout, const GdiFontMetrics& metrics, PrintRun run,
                  size_t first, size_t last, PrintProgress& progress, size_t& failedPage) {
  const PageMapping mapping = PrinterMapping(dc);
  labels::Page page;
  for (size_t index = first; index <= last; ++index) {
    failedPage = index + 1;
    if (!progress.Pump()) return JobEnd::kCancelled;
    progress.Show(index - first + 1, last - first + 1);
    if (run == PrintRun::kAlignment) {
      layout.MakeAlignmentPage(page);
    } else {
      layout.MakePage(index, page);
    }
    if (StartPage(dc) <= 0) return JobEnd::kFailed;
    DrawPage(dc, page, mapping, metrics, PageMarks::kPaperOnly);
    const int ended = EndPage(dc);
    if (ended == SP_APPABORT || !progress.Pump()) return JobEnd::kCancelled;
    if (ended <= 0) return JobEnd::kFailed;
  }
  return JobEnd::kPrinted;
}

}  // namespace

void PrintLabels(HWND owner, const labels::Layout& layout, const GdiFontMetrics& metrics, PrintRun run) {
  const size_t pages = run == PrintRun::kAlignment ? 1 : layout.PageCount();
  if (pages == 0) return;
  PRINTDLGA chosen;
  const bool ok = ChoosePrinter(owner, layout.stock(), pages, chosen);
  ScopedGlobal devMode(chosen.hDevMode);
  ScopedGlobal devNames(chosen.hDevNames);
  ScopedPrinterDC dc(chosen.hDC);
  if (!ok) return;

  size_t first = 0, last = pages - 1;
  if ((chosen.Flags & PD_PAGENUMS) != 0 && chosen.nFromPage >= 1 && chosen.nFromPage <= chosen.nToPage) {
    first = chosen.nFromPage - 1u;
    last = chosen.nToPage - 1u < pages - 1 ? chosen.nToPage - 1u : pages - 1;
  }

  PrintProgress progress(owner);
  PrintingScope scope(progress);
  SetAbortProc(dc, AbortProc);
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = run == PrintRun::kAlignment ? label_texts::kAlignmentDocumentName : label_texts::kDocumentName;
  size_t failedPage = first + 1;
  JobEnd end = JobEnd::kFailed;
  if (StartDocA(dc, &document) > 0) {
    end = PrintPages(dc, layout, metrics, run, first, last, progress, failedPage);
    if (end == JobEnd::kPrinted && EndDoc(dc) <= 0) end = JobEnd::kFailed;
    // Deleting the job whole leaves no page half sent.
    if (end != JobEnd::kPrinted) AbortDoc(dc);
  }
  // 中止 makes the abort procedure fail whatever GDI call asked it (StartDoc too).
  if (end == JobEnd::kFailed && progress.Cancelled()) end = JobEnd::kCancelled;
  switch (end) {
    case JobEnd::kPrinted:
      return;
    case JobEnd::kCancelled:
      Tell(owner, label_texts::kPrintCancelledText, MB_ICONINFORMATION);
      return;
    case JobEnd::kFailed:
      Tell(owner, FormatText(label_texts::kPrintFailedFormat, static_cast<unsigned long>(failedPage)),
           MB_ICONEXCLAMATION);
      return;
  }
}

}  // namespace kuranto
