// The customer barcode under the 住所から郵便番号 dialog's answer: drawn at its
// real size in an owner-drawn static, and copied as an enhanced metafile of
// that size (for a word processor) and as a bitmap.
#pragma once

#include <windows.h>

#include <string>

#include "barcode/customer_barcode.h"
#include "resolver/resolver.h"

namespace kuranto {

// What the dialog shows: nothing until an exact or office answer.
struct BarcodeAnswer {
  bool shown = false;
  barcode::CustomerBarcode code;
};

// Makes the answer's barcode (exact or office; none for any other) and
// shows it in the dialog's IDC_RESOLVE_BARCODE, enabling the copy button.
void ShowBarcodeAnswer(HWND dialog, const resolver::AddressBook& book, const resolver::Resolution& resolution,
                       size_t office, const std::string& address, BarcodeAnswer& answer);

// Draws no barcode and greys the copy button, until the next answer.
void ClearBarcodeAnswer(HWND dialog, BarcodeAnswer& answer);

// WM_DRAWITEM of IDC_RESOLVE_BARCODE: the bars at real size from the DC's
// LOGPIXELS, at the control's top left, on white.
void DrawBarcodeItem(const DRAWITEMSTRUCT& item, const BarcodeAnswer& answer);

// Draws `code` at real size on `dc`, `pixelsPerMm` on each axis, its blank
// corner at (left, top).
void DrawBarcode(HDC dc, const barcode::CustomerBarcode& code, int left, int top, double pixelsPerMmX,
                 double pixelsPerMmY);

// Replaces the clipboard with the barcode as CF_ENHMETAFILE (real size) and
// CF_BITMAP (the screen's resolution). False when either could not be put.
bool CopyBarcode(HWND owner, const barcode::CustomerBarcode& code);

}  // namespace kuranto
