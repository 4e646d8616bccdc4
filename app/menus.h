// The owner-drawn menus with their pictures, and the context menu.
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

// Makes the main menu's items with a slot owner-drawn, keeping their texts
// in `slots`.
void MakeMenuOwnerDrawn(HWND window, MenuSlots& slots);
void MeasureMenuItem(HWND window, const MenuSlots& slots, MEASUREITEMSTRUCT& item);
void DrawMenuItem(const DRAWITEMSTRUCT& item, const MenuSlots& slots, HIMAGELIST images);
void ShowContextMenu(HWND window, const Controls& controls, MenuSlots& slots, HWND clicked, LPARAM screenPoint);

}  // namespace kuranto
