// The label dialog's preview: one page at the control's scale, or one label
// enlarged to be read, drawn by the same code as the printer's, and the
// counts told under it.
#pragma once

#include <windows.h>

#include <string>

#include "app/label_drawing.h"
#include "labels/layout.h"
#include "labels/zoom.h"

namespace kuranto {

// What the preview control sends its dialog, once TakeClicksAndEsc made it
// a control of its own: a click (lParam: the point in the control's client
// coordinates, as WM_LBUTTONDOWN's), and Esc pressed while it has the focus.
constexpr UINT kPreviewClicked = WM_APP + 1;
constexpr UINT kPreviewEscape = WM_APP + 2;

// The owner-drawn static `preview` takes the focus when clicked and Esc
// from the dialog manager while it has it, and tells its parent of both.
void TakeClicksAndEsc(HWND preview);

// Where the preview shows `stock`'s page in the control's client `area`.
labels::View PageView(const RECT& area, const labels::Stock& stock);

// Draws `page` of `stock` fitted into the owner-drawn control's rectangle,
// or, with `zoomed` (one of page.labels), that label alone filling it.
void DrawPreview(const DRAWITEMSTRUCT& item, const labels::Stock& stock, const labels::Page& page,
                 const labels::LabelPlace* zoomed, const GdiFontMetrics& metrics);

// "ラベル 300 枚、バーコードあり 288 枚" and the labels without one by cause (cp932).
std::string CountsText(const labels::Check& check);

// What keeps the run from printing as asked, or "" (cp932).
std::string RefusalText(const labels::Check& check, const labels::LayoutOptions& options);
// What prints but not as written (characters the font lacks), or "" (cp932).
std::string WarningText(const labels::Check& check);

}  // namespace kuranto
