// Painting of the rows of the two owner-drawn result lists.
#pragma once

#include <windows.h>

namespace kuranto {

// Row colours: selected, even and odd rows, and the cell grid.
constexpr COLORREF kSelectedRowColor = RGB(166, 202, 240);
constexpr COLORREF kEvenRowColor = RGB(224, 255, 224);
constexpr COLORREF kGridColor = RGB(191, 191, 191);

// Paint one row of the address list (nine columns) or the business list
// (eight) from its row table. A row index past the table paints only the
// row's background.
void DrawAddressRow(const DRAWITEMSTRUCT& item);
void DrawOfficeRow(const DRAWITEMSTRUCT& item);

// One cell's text (cp932) in the sub-item rectangle of (row, column), cut
// with an ellipsis, never wrapped.
void DrawCellText(HWND list, HDC dc, int row, int column, const char* text);

}  // namespace kuranto
