#include "rows/row_painting.h"

#include <commctrl.h>

#include <string>

#include "win32/scoped.h"

namespace kuranto {

RECT CellRect(HWND list, int row, int column) {
  RECT cell = {};
  cell.top = column;
  cell.left = LVIR_LABEL;
  SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  return cell;
}

namespace {

constexpr int kCellInset = 2;

void FillRowBackground(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF textColor = GetSysColor(COLOR_WINDOWTEXT);
  HBRUSH brush;
  if (selected) {
    brush = CreateSolidBrush(kSelectedRowColor);
    textColor = RGB(0, 0, 0);
  } else if (item.itemID % 2 == 0) {
    brush = CreateSolidBrush(kEvenRowColor);
  } else {
    brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  }
  SetTextColor(item.hDC, textColor);
  FillRect(item.hDC, &item.rcItem, brush);
  DeleteObject(brush);  // a stock brush ignores this
}

void DrawGrid(HWND list, HDC dc, int row, int columns) {
  for (int column = 0; column < columns; ++column) {
    RECT cell = CellRect(list, row, column);
    cell.bottom -= 1;
    cell.top -= 1;
    AutoDeletePen pen(CreatePen(PS_SOLID, 1, kGridColor));
    ScopedSelectObject use(dc, pen);
    MoveToEx(dc, cell.left, cell.bottom, nullptr);
    LineTo(dc, cell.left, cell.top);
    MoveToEx(dc, cell.left, cell.bottom, nullptr);
    LineTo(dc, cell.right, cell.bottom);
  }
}

// slotText(record, column) gives a cell's text with the display flags applied.
template <class Record, class SlotText>
void DrawRow(const DRAWITEMSTRUCT& item, const Record* record, int columns, SlotText slotText) {
  if (item.CtlType != ODT_LISTVIEW) return;
  FillRowBackground(item);
  const int row = static_cast<int>(item.itemID);
  if (record == nullptr) return;
  // Text is drawn over the row colour, never on a box of its own.
  ScopedBkMode transparent(item.hDC, TRANSPARENT);
  for (int column = 0; column < columns; ++column) {
    DrawCellText(item.hwndItem, item.hDC, row, column, slotText(*record, column).c_str());
  }
  DrawGrid(item.hwndItem, item.hDC, row, columns);
}

}  // namespace

void DrawCellText(HWND list, HDC dc, int row, int column, const char* text) {
  RECT cell = CellRect(list, row, column);
  cell.left += kCellInset;
  cell.right -= kCellInset;
  DrawTextA(dc, text, -1, &cell, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
}

void DrawAddressRow(const DRAWITEMSTRUCT& item, const postal::AddressRows& rows, const postal::DisplayFlags& flags) {
  DrawRow(item, rows.At(static_cast<int>(item.itemID)), postal::kAddressSlotCount,
          [&](const postal::AddressRecord& r, int slot) { return postal::AddressSlotText(r, slot, flags); });
}

void DrawOfficeRow(const DRAWITEMSTRUCT& item, const postal::OfficeRows& rows, const postal::DisplayFlags& flags) {
  DrawRow(item, rows.At(static_cast<int>(item.itemID)), postal::kOfficeSlotCount,
          [&](const postal::OfficeRecord& r, int slot) { return postal::OfficeSlotText(r, slot, flags); });
}

}  // namespace kuranto
