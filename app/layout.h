// The main window's layout: where the controls sit and the lists' font.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

// The display box's place: under the tab, across the window.
constexpr int kDisplayTop = 143;
constexpr int kDisplayHeight = 44;
extern const int FontSizeTable[kFontSizeCount];
// The font-size index itself when it is 0..4, else the default.
int ValidFontSizeIndex(int index);
void LayoutMainWindow(HWND window, const Controls& controls);
// Gives both result lists a new font of `height` and returns it; the caller
// keeps it alive while the lists use it.
AutoDeleteFont ApplyListFont(HWND window, const Controls& controls, int height);
void MeasureListRow(MEASUREITEMSTRUCT& item, int fontSizeIndex);

}  // namespace kuranto
