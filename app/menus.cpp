#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/result_pages.h"
#include "app/texts.h"

namespace kuranto {

namespace {

constexpr int kIconBox = 20;   // square around the image
constexpr int kTextLeft = 22;
constexpr int kTextTop = 4;
constexpr int kImageOffset = 2;
constexpr int kImageSize = 16;
constexpr UINT kItemHeight = 20;

// The menu slots: slot i holds an item's text and draws picture i of the
// menu bitmap. The main-menu commands own their slots; the last slot holds
// the pop-up menus' own text.
const UINT kSlotCommands[kMenuSlotCount] = {
    IDM_NEW_CONDITION, IDM_PROPERTIES,  IDM_EXIT,     IDM_HELP, IDM_ABOUT,  IDM_KEN_ALL_URL,
    IDM_JIGYOSYO_URL,  IDM_POSTAL_URL,  IDM_SETTINGS, IDM_COPY, IDM_RECORD, 0};
constexpr int kPopupSlot = kMenuSlotCount - 1;

// The slot of a main-menu command, or -1.
int SlotOf(UINT command) {
  for (int slot = 0; slot < kPopupSlot; ++slot) {
    if (kSlotCommands[slot] == command) return slot;
  }
  return -1;
}

const char* SlotText(const MenuSlots& slots, ULONG_PTR slot) {
  return slot < static_cast<ULONG_PTR>(kMenuSlotCount) ? slots.text[slot] : "";
}

int ImageIndex(ULONG_PTR slot) { return slot < static_cast<ULONG_PTR>(kMenuSlotCount) ? static_cast<int>(slot) : -1; }

struct PopupItem {
  UINT command;  // 0: a separator
  int slot;
};

bool RowUnderPoint(HWND list, LPARAM screenPoint) {
  POINT point = {static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  ScreenToClient(list, &point);
  LVHITTESTINFO hit = {};
  hit.pt = point;
  return SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0;
}

template <size_t N>
void TrackItems(HWND window, LPARAM screenPoint, const PopupItem (&items)[N]) {
  ScopedMenu popup(CreatePopupMenu());
  if (popup.get() == nullptr) return;
  for (const PopupItem& item : items) {
    if (item.command == 0) {
      AppendMenuA(popup.get(), MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(popup.get(), MF_OWNERDRAW, item.command, reinterpret_cast<const char*>(static_cast<ULONG_PTR>(item.slot)));
    }
  }
  TrackPopupMenu(popup.get(), TPM_RIGHTBUTTON, static_cast<short>(LOWORD(screenPoint)),
                 static_cast<short>(HIWORD(screenPoint)), 0, window, nullptr);
}

void SetPopupSlot(MenuSlots& slots, const char* text) { lstrcpynA(slots.text[kPopupSlot], text, kMenuSlotBytes); }

}  // namespace

void MakeMenuOwnerDrawn(HWND window, MenuSlots& slots) {
  // The texts come from a fresh copy: an owner-drawn item has none of its own.
  ScopedMenu copy(LoadMenuA(WindowInstance(window), texts::kMenuResource));
  for (int slot = 0; slot < kPopupSlot; ++slot) {
    const UINT command = kSlotCommands[slot];
    ModifyMenuA(GetMenu(window), command, MF_BYCOMMAND | MF_OWNERDRAW, command,
                reinterpret_cast<const char*>(static_cast<ULONG_PTR>(slot)));
    slots.text[slot][0] = '\0';
    if (copy.get() != nullptr) GetMenuStringA(copy.get(), command, slots.text[slot], kMenuSlotBytes, MF_BYCOMMAND);
  }
}

void MeasureMenuItem(HWND window, const MenuSlots& slots, MEASUREITEMSTRUCT& item) {
  ScopedGetDC dc(window);
  const char* text = SlotText(slots, item.itemData);
  SIZE extent = {};
  GetTextExtentExPointA(dc, text, lstrlenA(text), 0, nullptr, nullptr, &extent);
  item.itemWidth = static_cast<UINT>(extent.cx * 3 / 4);
  item.itemHeight = kItemHeight;
}

void DrawMenuItem(const DRAWITEMSTRUCT& item, const MenuSlots& slots, HIMAGELIST images) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
  const char* text = SlotText(slots, item.itemData);
  const int image = ImageIndex(item.itemData);
  RECT iconBox = {r.left, r.top, r.left + kIconBox, r.top + kIconBox};

  if (!selected) {
    AutoDeleteBrush brush(CreateSolidBrush(GetBkColor(dc)));
    FillRect(dc, &r, brush);
  } else {
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_HIGHLIGHTTEXT));
    AutoDeleteBrush brush(CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT)));
    RECT band = r;
    band.left = r.left + kIconBox;
    FillRect(dc, &band, brush);
    if (!disabled) DrawEdge(dc, &iconBox, BDR_RAISEDOUTER, BF_RECT);
  }
  if (item.itemState & ODS_CHECKED) DrawEdge(dc, &iconBox, BDR_SUNKENOUTER, BF_RECT);

  RECT textBox = r;
  textBox.left = r.left + kTextLeft;
  textBox.top = r.top + kTextTop;
  if (disabled) {
    if (selected) {
      DrawTextA(dc, text, -1, &textBox, DT_SINGLELINE);
    } else {
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text), 0, r.left + kTextLeft, r.top + kTextTop, 0, 0,
                 DST_PREFIXTEXT | DSS_DISABLED);
    }
    if (images != nullptr && image >= 0) {
      ScopedIcon icon(ImageList_GetIcon(images, image, ILD_NORMAL));
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, r.left + kImageOffset,
                 r.top + kImageOffset, kImageSize, kImageSize, DST_ICON | DSS_DISABLED);
    }
  } else {
    DrawTextA(dc, text, -1, &textBox, DT_SINGLELINE);
    if (images != nullptr && image >= 0) {
      ImageList_Draw(images, image, dc, r.left + kImageOffset, r.top + kImageOffset, ILD_NORMAL);
    }
  }
}

void ShowContextMenu(HWND window, const Controls& c, MenuSlots& slots, HWND clicked, LPARAM screenPoint) {
  if (ResultPageOfList(c, clicked) != nullptr) {
    if (!RowUnderPoint(clicked, screenPoint)) return;
    const PopupItem items[] = {{IDM_COPY, SlotOf(IDM_COPY)},
                               {IDM_RECORD, SlotOf(IDM_RECORD)},
                               {0, 0},
                               {IDM_ROW_PROPERTIES, SlotOf(IDM_PROPERTIES)}};
    TrackItems(window, screenPoint, items);
  } else if (clicked == c.conditionList) {
    if (!RowUnderPoint(clicked, screenPoint)) return;
    SetPopupSlot(slots, texts::kRemoveFromList);
    const PopupItem items[] = {{IDM_REMOVE_CONDITION, kPopupSlot}};
    TrackItems(window, screenPoint, items);
  } else if (clicked == c.recordList) {
    if (!RowUnderPoint(clicked, screenPoint)) return;
    SetPopupSlot(slots, texts::kRemoveFromList);
    const PopupItem items[] = {{IDM_COPY_RECORD, SlotOf(IDM_COPY)}, {IDM_REMOVE_RECORD, kPopupSlot}};
    TrackItems(window, screenPoint, items);
  }
}

}  // namespace kuranto
