// Painting of the rows of the two owner-drawn result lists. The caller
// hands over the row table the list shows and the display settings.
#pragma once

#include <windows.h>

#include "postal/records.h"
#include "postal/templates.h"

namespace kuranto {

// Row colours: selected, even and odd rows, and the cell grid.
constexpr COLORREF kSelectedRowColor = RGB(166, 202, 240);
constexpr COLORREF kEvenRowColor = RGB(224, 255, 224);
constexpr COLORREF kGridColor = RGB(191, 191, 191);

// Paint item `item.itemID` of the address list (nine columns) or the
// business list (eight) from row `itemID` of `rows`. A row index past the
// table paints only the row's background. Not a list-view item: nothing.
void DrawAddressRow(const DRAWITEMSTRUCT& item, const postal::AddressRows& rows, const postal::DisplayFlags& flags);
void DrawOfficeRow(const DRAWITEMSTRUCT& item, const postal::OfficeRows& rows, const postal::DisplayFlags& flags);

// One cell's text (cp932) in the sub-item rectangle of (row, column), cut
// with an ellipsis, never wrapped.
void DrawCellText(HWND list, HDC dc, int row, int column, const char* text);

// The label rectangle of cell (row, column), as cells are painted and gridded.
RECT CellRect(HWND list, int row, int column);

}  // namespace kuranto
