// Owner-drawn menu items and the lists' pop-up menus.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "postal/records.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

class ShellMenusTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteSampleFiles();
    StartFresh();
  }

  // Right-clicks at a client point of `list`; true when a pop-up opened.
  // A timer inside the menu's loop notes it and closes the menu.
  bool RightClick(HWND list, POINT point, bool keyboard = false) {
    ClientToScreen(list, &point);
    sawMenu_ = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseMenu);
    const LPARAM position = keyboard ? MAKELPARAM(-1, -1) : MAKELPARAM(point.x, point.y);
    SendMessageA(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), position);
    KillTimer(nullptr, timer);
    shell_test::Pump();
    return sawMenu_;
  }

  static void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE))) {
      sawMenu_ = true;
    }
    EndMenu();
  }

  POINT RowPoint(HWND list, int row) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return {r.left + 20, (r.top + r.bottom) / 2};
  }

  static bool sawMenu_;
};

bool ShellMenusTest::sawMenu_ = false;

TEST_F(ShellMenusTest, PopupOnlyOverARow) {
  SearchNumber(postal::kNewNumber, "107");
  EXPECT_TRUE(RightClick(c().addressList, RowPoint(c().addressList, 1)));
  EXPECT_FALSE(RightClick(c().addressList, {20, 150}));
  EXPECT_FALSE(RightClick(c().addressList, {0, 0}, true));
}

TEST_F(ShellMenusTest, ListPopupsNameTheirRemoveCommand) {
  SearchNumber(postal::kNewNumber, "100");
  shell_test::SelectItems(c().addressList, {0});
  Command(IDM_RECORD);
  SwitchTab(2);
  kuranto::g_app.menuSlots.text[11][0] = '\0';
  EXPECT_TRUE(RightClick(c().recordList, RowPoint(c().recordList, 0)));
  EXPECT_STREQ("リストから外す(&O)", kuranto::g_app.menuSlots.text[11]);
  EXPECT_FALSE(RightClick(c().conditionList, {30, 60}));
}

class MenuItemPaintingTest : public ShellMenusTest {
 protected:
  void Paint(UINT state, ULONG_PTR slot = 9) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, 200, 20);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SetBkColor(dc_, RGB(255, 255, 255));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = IDM_COPY;
    item.itemState = state;
    item.hDC = dc_;
    item.rcItem = {0, 0, 200, 20};
    item.itemData = slot;
    kuranto::DrawMenuItem(item, kuranto::g_app.menuSlots, kuranto::g_app.menuImages);
  }
  void TearDown() override {
    if (dc_ != nullptr) {
      SelectObject(dc_, old_);
      DeleteObject(bitmap_);
      DeleteDC(dc_);
    }
    ShellMenusTest::TearDown();
  }
  COLORREF At(int x, int y) { return GetPixel(dc_, x, y); }

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_F(MenuItemPaintingTest, HighlightLeavesTheIconSquareUnfilled) {
  Paint(ODS_SELECTED);
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), At(190, 10));
  EXPECT_NE(GetSysColor(COLOR_HIGHLIGHT), At(10, 1));
}

TEST_F(MenuItemPaintingTest, UnselectedItemUsesTheBackgroundColour) {
  Paint(0);
  EXPECT_EQ(RGB(255, 255, 255), At(190, 10));
}

TEST_F(MenuItemPaintingTest, SlotOutsideTheTableDrawsNoText) {
  Paint(ODS_SELECTED, 1000);
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), At(30, 10));
}

}  // namespace
