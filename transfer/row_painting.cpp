#include "transfer/row_painting.h"

#include <commctrl.h>

#include <string>

#include "app/core_calls.h"
#include "app/scoped.h"
#include "app/shell.h"

namespace kuranto {

namespace {

constexpr int kCellInset = 2;
constexpr size_t kNumberBytes = 12;

enum class Conversion { kNone, kHyphen, kHiragana };

// Address columns in slot order: N K k S s M m C O.
const Conversion kAddressColumns[postal::kAddressSlotCount] = {
    Conversion::kHyphen,   Conversion::kNone, Conversion::kHiragana, Conversion::kNone, Conversion::kHiragana,
    Conversion::kNone,     Conversion::kHiragana, Conversion::kNone, Conversion::kHyphen};
// Office columns in slot order: N G g K S M C O.
const Conversion kOfficeColumns[postal::kOfficeSlotCount] = {
    Conversion::kHyphen, Conversion::kNone, Conversion::kHiragana, Conversion::kNone,
    Conversion::kNone,   Conversion::kNone, Conversion::kNone,     Conversion::kHyphen};

RECT CellRect(HWND list, int row, int column) {
  RECT cell = {};
  cell.top = column;
  cell.left = LVIR_LABEL;
  SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  return cell;
}

std::string CellText(const char* slot, Conversion conversion) {
  const Settings& s = g_app.settings;
  if (conversion == Conversion::kHyphen) {
    // A number is drawn from a copy of at most 11 bytes.
    size_t length = 0;
    while (length < kNumberBytes - 1 && slot[length] != '\0') ++length;
    std::string number(slot, length);
    return s.hyphen == 1 ? HyphenatedNumber(number.c_str()) : number;
  }
  if (conversion == Conversion::kHiragana && s.hiragana == 1) return FullWidthHiragana(slot);
  return slot;
}

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

template <class Record, size_t N, class SlotOf>
void DrawRow(const DRAWITEMSTRUCT& item, const Record* record, const Conversion (&columns)[N], SlotOf slotOf) {
  if (item.CtlType != ODT_LISTVIEW) return;
  FillRowBackground(item);
  const int row = static_cast<int>(item.itemID);
  if (record == nullptr) return;
  // Text is drawn over the row colour, never on a box of its own.
  ScopedBkMode transparent(item.hDC, TRANSPARENT);
  for (size_t column = 0; column < N; ++column) {
    const std::string text = CellText(slotOf(*record, static_cast<int>(column)), columns[column]);
    DrawCellText(item.hwndItem, item.hDC, row, static_cast<int>(column), text.c_str());
  }
  DrawGrid(item.hwndItem, item.hDC, row, static_cast<int>(N));
}

}  // namespace

void DrawCellText(HWND list, HDC dc, int row, int column, const char* text) {
  RECT cell = CellRect(list, row, column);
  cell.left += kCellInset;
  cell.right -= kCellInset;
  DrawTextA(dc, text, -1, &cell, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
}

void DrawAddressRow(const DRAWITEMSTRUCT& item) {
  DrawRow(item, g_app.addressRows.At(static_cast<int>(item.itemID)), kAddressColumns,
          [](const postal::AddressRecord& r, int slot) { return postal::AddressSlot(r, slot); });
}

void DrawOfficeRow(const DRAWITEMSTRUCT& item) {
  DrawRow(item, g_app.officeRows.At(static_cast<int>(item.itemID)), kOfficeColumns,
          [](const postal::OfficeRecord& r, int slot) { return postal::OfficeSlot(r, slot); });
}

}  // namespace kuranto
