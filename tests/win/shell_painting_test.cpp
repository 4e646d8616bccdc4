// Painting of result rows into a memory DC: row colours by state and parity,
// the grid, and rows the table does not hold.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "postal/records.h"
#include "tests/win/shell_test_support.h"
#include "rows/row_painting.h"

namespace {

using kuranto::CellRect;
using shell_test::ShellTest;

constexpr COLORREF kWhite = RGB(255, 255, 255);

class RowPaintingTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteSampleFiles();
    StartFresh();
    SearchNumber(postal::kNewNumber, "10");  // four rows
    ScopedScreen screen;
    dc_ = CreateCompatibleDC(screen.dc);
    bitmap_ = CreateCompatibleBitmap(screen.dc, 800, 200);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, 800, 200};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  void TearDown() override {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    ShellTest::TearDown();
  }

  struct ScopedScreen {
    HDC dc = GetDC(nullptr);
    ~ScopedScreen() { ReleaseDC(nullptr, dc); }
  };

  // Paints row `row` as the list would ask for it; the row's rectangle.
  RECT Paint(int row, UINT state, UINT type = ODT_LISTVIEW) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = type;
    item.CtlID = IDC_ADDRESS_LIST;
    item.itemID = static_cast<UINT>(row);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = c().addressList;
    item.hDC = dc_;
    item.rcItem.left = LVIR_BOUNDS;
    SendMessageA(c().addressList, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item.rcItem));
    kuranto::DrawAddressRow(item, kuranto::g_app.addressRows, kuranto::DisplayFlagsOf(kuranto::g_app.settings));
    return item.rcItem;
  }

  // A point of the city-code column right of its five digits: only row colour.
  POINT Background(int row) {
    const RECT cell = CellRect(c().addressList, row, 7);
    return {cell.right - 6, cell.top + 3};
  }

  COLORREF At(POINT p) { return GetPixel(dc_, p.x, p.y); }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

TEST_F(RowPaintingTest, RowsAlternateGreenAndWhiteAndSelectedIsBlue) {
  const struct {
    int row;
    UINT state;
    COLORREF expected;
  } cases[] = {
      {0, 0, kuranto::kEvenRowColor},
      {1, 0, kWhite},
      {2, 0, kuranto::kEvenRowColor},
      {3, 0, kWhite},
      {0, ODS_SELECTED, kuranto::kSelectedRowColor},
      {1, ODS_SELECTED, kuranto::kSelectedRowColor},
      {1, ODS_SELECTED | ODS_FOCUS, kuranto::kSelectedRowColor},
  };
  for (const auto& item : cases) {
    Paint(item.row, item.state);
    EXPECT_EQ(item.expected, At(Background(item.row))) << item.row << " state " << item.state;
  }
}

TEST_F(RowPaintingTest, CellsHaveGreyLeftAndBottomLines) {
  Paint(1, 0);
  const RECT cell = CellRect(c().addressList, 1, 7);
  EXPECT_EQ(kuranto::kGridColor, GetPixel(dc_, cell.left, (cell.top + cell.bottom) / 2));
  EXPECT_EQ(kuranto::kGridColor, GetPixel(dc_, cell.right - 10, cell.bottom - 1));
}

TEST_F(RowPaintingTest, TextIsDrawnInTheWindowTextColour) {
  Paint(0, 0);
  const RECT cell = CellRect(c().addressList, 0, 0);  // "1000001"
  int textPixels = 0;
  for (int x = cell.left + 2; x < cell.right - 2; ++x) {
    for (int y = cell.top; y < cell.bottom - 1; ++y) {
      const COLORREF p = GetPixel(dc_, x, y);
      if (p != kuranto::kEvenRowColor && p != kuranto::kGridColor) ++textPixels;
    }
  }
  EXPECT_GT(textPixels, 10);
  // The text does not blot out the row: most of the cell stays green.
  const int area = (cell.right - cell.left - 4) * (cell.bottom - cell.top - 1);
  EXPECT_LT(textPixels, area / 2);
}

TEST_F(RowPaintingTest, RowPastTheTablePaintsOnlyItsBackground) {
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_LISTVIEW;
  item.itemID = 1000;  // no such row
  item.hwndItem = c().addressList;
  item.hDC = dc_;
  item.rcItem = {0, 100, 400, 120};
  kuranto::DrawAddressRow(item, kuranto::g_app.addressRows, kuranto::DisplayFlagsOf(kuranto::g_app.settings));
  kuranto::DrawOfficeRow(item, kuranto::g_app.officeRows, kuranto::DisplayFlagsOf(kuranto::g_app.settings));
  EXPECT_EQ(kuranto::kEvenRowColor, GetPixel(dc_, 10, 110));
  EXPECT_EQ(kuranto::kEvenRowColor, GetPixel(dc_, 390, 119));
}

TEST_F(RowPaintingTest, OtherControlTypesAreIgnored) {
  Paint(0, 0, ODT_BUTTON);
  EXPECT_EQ(RGB(0, 0, 0), At(Background(0)));
}

TEST_F(RowPaintingTest, ListPaintsItsOwnRowsThroughTheParent) {
  // The list asks the main window to draw; a live paint must not fault and
  // leaves the first row green on screen-backed memory too.
  RedrawWindow(c().addressList, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  shell_test::Pump();
  RECT row = {};
  row.left = LVIR_BOUNDS;
  SendMessageA(c().addressList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  HDC listDc = GetDC(c().addressList);
  HDC copy = CreateCompatibleDC(listDc);
  HBITMAP bits = CreateCompatibleBitmap(listDc, 800, 200);
  HGDIOBJ old = SelectObject(copy, bits);
  BitBlt(copy, 0, 0, 800, 200, listDc, 0, 0, SRCCOPY);
  const RECT cell = CellRect(c().addressList, 0, 1);  // 東京都: its right end stays green, in sight
  EXPECT_EQ(kuranto::kEvenRowColor, GetPixel(copy, cell.right - 6, cell.top + 3));
  SelectObject(copy, old);
  DeleteObject(bits);
  DeleteDC(copy);
  ReleaseDC(c().addressList, listDc);
}

}  // namespace
