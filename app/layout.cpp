#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "app/app_state.h"
#include "app/layout.h"
#include "app/texts.h"
#include "win32/fonts.h"

namespace kuranto {

namespace {

constexpr int kListTop = 190;
constexpr int kListBottomMargin = 210;  // room above the lists and for the status bar
constexpr int kStatusHeight = 20;
constexpr int kRowPadding = 6;
// SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER
constexpr UINT kRemeasureFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

void MoveIfThere(HWND control, int left, int top, int width, int height) {
  if (control != nullptr) MoveWindow(control, left, top, width, height, TRUE);
}

}  // namespace

const int FontSizeTable[kFontSizeCount] = {20, 18, 16, 14, 12};

int ValidFontSizeIndex(int index) {
  return (index >= 0 && index < kFontSizeCount) ? index : kDefaultFontSizeIndex;
}

void LayoutMainWindow(HWND window, const Controls& c) {
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  MoveIfThere(c.addressList, 0, kListTop, width, height - kListBottomMargin);
  MoveIfThere(c.officeList, 0, kListTop, width, height - kListBottomMargin);
  MoveIfThere(c.recordList, 0, kListTop, width, height - kListBottomMargin);
  MoveIfThere(c.display, 0, kDisplayTop, width, kDisplayHeight);
  MoveIfThere(c.status, 0, height - kStatusHeight, width, kStatusHeight);
  if (c.status != nullptr) {
    const int edges[2] = {width, 0};
    SendMessageA(c.status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  }
}

AutoDeleteFont ApplyListFont(HWND window, const Controls& controls, int height) {
  const HWND lists[] = {controls.addressList, controls.officeList};
  RECT frame;
  GetWindowRect(window, &frame);
  WINDOWPOS position = {};
  position.hwnd = window;
  position.cx = frame.right - frame.left;
  position.cy = frame.bottom - frame.top;
  position.flags = kRemeasureFlags;
  // An owner-drawn fixed list asks its parent for the row height again here.
  for (HWND list : lists) SendMessageA(list, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));

  // The caller lets go of the old font only after the lists have the new one.
  AutoDeleteFont font(MakeFont(0, height, texts::kListFontFace));
  for (HWND list : lists) SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  return font;
}

void MeasureListRow(MEASUREITEMSTRUCT& item, int fontSizeIndex) {
  item.itemHeight = static_cast<UINT>(FontSizeTable[ValidFontSizeIndex(fontSizeIndex)] + kRowPadding);
}

}  // namespace kuranto
