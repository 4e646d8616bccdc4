// The label dialog's preview: one page at the control's scale, drawn by the
// same code as the printer's, and the counts told under it.
#pragma once

#include <windows.h>

#include <string>

#include "app/label_drawing.h"
#include "labels/layout.h"

namespace kuranto {

// Draws `page` of `stock` fitted into the owner-drawn control's rectangle.
void DrawPreview(const DRAWITEMSTRUCT& item, const labels::Stock& stock, const labels::Page& page,
                 const GdiFontMetrics& metrics);

// "ラベル 300 枚、バーコードあり 288 枚" and the labels without one by cause (cp932).
std::string CountsText(const labels::Check& check);

// What keeps the run from printing as asked, or "" (cp932).
std::string RefusalText(const labels::Check& check, const labels::LayoutOptions& options);
// What prints but not as written (characters the font lacks), or "" (cp932).
std::string WarningText(const labels::Check& check);

}  // namespace kuranto
