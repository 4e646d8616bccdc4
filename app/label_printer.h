// Printing a layout's pages through Windows' print path: the standard print
// dialog (printer, copies, pages), every page drawn with GDI at true size,
// the progress shown with 中止, and a failure told with its page.
#pragma once

#include <windows.h>

#include "app/label_drawing.h"
#include "labels/layout.h"

namespace kuranto {

enum class PrintRun {
  kLabels,     // the layout's pages
  kAlignment,  // one page of every label's frame (テスト印刷)
};

// Asks for the printer and prints. A cancel or a failure deletes the job
// whole, so no half page is left queued; the failure is told, with the page.
void PrintLabels(HWND owner, const labels::Layout& layout, const GdiFontMetrics& metrics, PrintRun run);

}  // namespace kuranto
